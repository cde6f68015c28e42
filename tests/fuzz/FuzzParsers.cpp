// Each built-in parser on any text: the first byte picks the syntax, the rest is read
// line by line as a check run reads a file, with the parser's state carried from line
// to line. Every word must lie inside its line.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "parsers/MirtParser.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    if (nSize == 0)
        return 0;
    std::unique_ptr<CMirtParser> pParser = MakeBuiltinParser(pData[0]);
    std::string text(reinterpret_cast<const char*>(pData) + 1, nSize - 1);
    pParser->BeginFile("fuzz.txt");
    size_t nStart = 0;
    while (nStart <= text.size()) {
        size_t nEnd = text.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = text.size();
        std::string strLine = text.substr(nStart, nEnd - nStart);
        CWordList words;
        pParser->ParseLine(strLine, words);
        for (const SWord& word : words)
            if (word.nPos < 0 ||
                static_cast<size_t>(word.nPos) + word.strWord.size() > strLine.size())
                std::abort();
        nStart = nEnd + 1;
    }
    pParser->EndFile();
    return 0;
}
