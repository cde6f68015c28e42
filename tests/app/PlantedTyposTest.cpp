// Real misspellings planted in comments, strings and identifiers of a sample file of
// every built-in syntax: the built-in word lists must never silence one of them, and
// nothing else in the samples is flagged.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

namespace {
// "file:line word category", as tests/data/typos/expected.txt lists them.
using CFindings = std::set<std::string>;

CFindings ExpectedFindings(const std::string& strPath) {
    CFindings expected;
    std::istringstream in(ReadWholeFile(strPath));
    for (std::string strLine; std::getline(in, strLine);)
        if (!strLine.empty() && strLine[0] != '#')
            expected.insert(strLine);
    return expected;
}

// "src/sample.cpp:1:20: recieve [comment] -> receive, ..." gives
// "sample.cpp:1 recieve comment".
CFindings ReportedFindings(const std::string& strLines) {
    CFindings found;
    std::istringstream in(strLines);
    for (std::string strLine; std::getline(in, strLine);) {
        size_t nColumn = strLine.find(':', strLine.find(':') + 1);
        size_t nWord = strLine.find(": ", nColumn);
        size_t nOpen = strLine.find(" [", nWord);
        size_t nClose = strLine.find_first_of(",]", nOpen);
        if (strLine.rfind("src/", 0) != 0 || nWord == std::string::npos ||
            nOpen == std::string::npos || nClose == std::string::npos)
            continue;
        found.insert(strLine.substr(4, nColumn - 4) + " " +
                     strLine.substr(nWord + 2, nOpen - nWord - 2) + " " +
                     strLine.substr(nOpen + 2, nClose - nOpen - 2));
    }
    return found;
}

std::string Listed(const CFindings& findings) {
    std::string strOut;
    for (const std::string& str : findings)
        strOut += "  " + str + "\n";
    return strOut;
}
} // namespace

TEST(PlantedTypos, EveryPlantedMisspellingIsFoundAndNothingElse) {
    const std::string strData = std::string(MIRT_TEST_DATA_DIR) + "/typos";
    CFindings expected = ExpectedFindings(strData + "/expected.txt");
    ASSERT_EQ(expected.size(), 52u); // 50 misspellings, two of them twice

    CTempDir dir;
    CTempDir config;
    std::filesystem::copy(strData, dir / "src");
    std::filesystem::remove(dir / "src/expected.txt");
    SProcessResult r = RunProgram(MirtProgram(),
                                  {"-console", "--check", "all", "--profanity", "all", "--format",
                                   "lines", "--add-folder", "src", "p.mrk"},
                                  {{"XDG_CONFIG_HOME", config.Path()}}, dir.Path());
    ASSERT_EQ(r.nExitCode, 0) << r.strStderr;
    EXPECT_NE(r.strStderr.find("9 files checked"), std::string::npos) << r.strStderr;

    CFindings found = ReportedFindings(r.strStdout);
    CFindings missed, extra;
    for (const std::string& str : expected)
        if (!found.count(str))
            missed.insert(str);
    for (const std::string& str : found)
        if (!expected.count(str))
            extra.insert(str);
    EXPECT_TRUE(missed.empty()) << "not found:\n" << Listed(missed);
    EXPECT_TRUE(extra.empty()) << "flagged, not planted:\n" << Listed(extra);
}
