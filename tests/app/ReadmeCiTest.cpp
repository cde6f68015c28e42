// The README's CI job, its shell lines run as written: the job fails on a misspelling
// with a SARIF file that follows the schema, and passes once the word is on the list.
#include <gtest/gtest.h>

#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

namespace {
// The lines of the step's "run: |" block, without their indentation.
std::string CheckSpellingStep() {
    std::string strReadme = ReadWholeFile(std::string(MIRT_SOURCE_DIR) + "/README.md");
    const std::string strStart = "      - name: Check spelling\n        run: |\n";
    size_t nAt = strReadme.find(strStart);
    if (nAt == std::string::npos)
        return "";
    std::string strScript;
    const std::string strIndent(10, ' ');
    for (nAt += strStart.size(); strReadme.compare(nAt, strIndent.size(), strIndent) == 0;) {
        size_t nEnd = strReadme.find('\n', nAt);
        strScript += strReadme.substr(nAt + strIndent.size(), nEnd - nAt - strIndent.size()) + "\n";
        nAt = nEnd + 1;
    }
    return strScript;
}

SProcessResult RunStep(const std::string& strScript, const CTempDir& dir, const CTempDir& config) {
    std::string strPath = std::string(MIRT_BINARY_DIR) + ":" + getenv("PATH");
    return RunProgram("/bin/bash", {"-e", "-c", strScript},
                      {{"PATH", strPath}, {"XDG_CONFIG_HOME", config.Path()}}, dir.Path());
}
} // namespace

TEST(ReadmeCi, TheJobFailsOnAFindingAndPassesOnceTheWordIsAllowed) {
    std::string strScript = CheckSpellingStep();
    ASSERT_NE(strScript.find("mirt -console"), std::string::npos) << strScript;
    CTempDir dir, config;
    dir.WriteFile("src/main.cpp", "// Prints a greting\nconst char* s = \"Hello, world\";\n");
    SProcessResult first = RunStep(strScript, dir, config);
    EXPECT_EQ(first.nExitCode, 1) << first.strStdout << first.strStderr;
    std::string strSarif = ReadWholeFile(dir / "mirt.sarif");
    EXPECT_NE(strSarif.find("\"uri\": \"src/main.cpp\""), std::string::npos) << strSarif;
    EXPECT_NE(strSarif.find("'greting' may be misspelled"), std::string::npos);
    SProcessResult valid = RunProgram(
        "/usr/bin/python3",
        {std::string(MIRT_SOURCE_DIR) + "/tools/validate_json.py",
         std::string(MIRT_TEST_DATA_DIR) + "/sarif/sarif-schema-2.1.0.json", dir / "mirt.sarif"});
    EXPECT_EQ(valid.nExitCode, 0) << valid.strStdout << valid.strStderr;

    dir.WriteFile(".mirt-words", "greting\n");
    SProcessResult second = RunStep(strScript, dir, config);
    EXPECT_EQ(second.nExitCode, 0) << second.strStdout << second.strStderr;
}
