// Framed text comparison.
#include "tests/support/Golden.h"

#include <cstdlib>
#include <sstream>

#include "tests/support/TempDir.h"

namespace {
std::string Visible(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n\n";
        else
            out += c;
    }
    return out;
}

std::string Frame(const char* pszTitle, const std::string& text) {
    std::ostringstream out;
    out << "+--- " << pszTitle << " ---\n"
        << Visible(text) << "\n+--- end of " << pszTitle << " ---\n";
    return out.str();
}
} // namespace

::testing::AssertionResult TextsEqual(const std::string& strExpected,
                                      const std::string& strActual) {
    if (strExpected == strActual)
        return ::testing::AssertionSuccess();
    size_t i = 0;
    while (i < strExpected.size() && i < strActual.size() && strExpected[i] == strActual[i])
        ++i;
    return ::testing::AssertionFailure()
           << "texts differ at byte " << i << "\n"
           << Frame("expected", strExpected) << Frame("actual", strActual);
}

std::string GoldenText(const std::string& strPath, const std::string& strActual) {
    if (std::getenv("MIRT_UPDATE_GOLDEN") != nullptr)
        WriteWholeFile(strPath, strActual);
    return ReadWholeFile(strPath);
}

std::string WithFolderHidden(const std::string& strText, const std::string& strFolder) {
    std::string text = strText;
    const std::string strMark = "[dir]";
    for (size_t n = text.find(strFolder); n != std::string::npos;
         n = text.find(strFolder, n + strMark.size()))
        text.replace(n, strFolder.size(), strMark);
    return text;
}
