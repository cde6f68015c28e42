// The manual page and the bash completion know every switch of the program, and the
// completion offers what each switch takes.
#include <gtest/gtest.h>

#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

namespace {
const char* const kSwitches[] = {"--help",      "--version",    "-console",
                                 "--out",       "--noupdate",   "--reportonlyerrors",
                                 "--reset",     "--add-folder", "--mask",
                                 "--check",     "--profanity",  "--format",
                                 "--exit-code", "--words",      "--export-words",
                                 "--threads"};

std::string Resource(const std::string& strName) {
    return ReadWholeFile(std::string(MIRT_SOURCE_DIR) + "/resources/" + strName);
}

// What the completion offers for the words typed so far, the last one being completed.
std::string Complete(const std::string& strWords) {
    std::string strScript = "source '" + std::string(MIRT_SOURCE_DIR) +
                            "/resources/completion/mirt'; COMP_WORDS=(" + strWords +
                            "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _mirt; "
                            "printf '%s\\n' \"${COMPREPLY[@]}\"";
    return RunProgram("/bin/bash", {"-c", strScript}).strStdout;
}
} // namespace

TEST(ShellDocs, TheManualPageNamesEverySwitch) {
    std::string strPage = Resource("man/mirt.1");
    for (const char* pszSwitch : kSwitches) {
        std::string strEscaped;
        for (const char* p = pszSwitch; *p; ++p)
            strEscaped += *p == '-' ? std::string("\\-") : std::string(1, *p);
        EXPECT_NE(strPage.find(strEscaped), std::string::npos) << pszSwitch;
    }
}

TEST(ShellDocs, TheCompletionOffersSwitchesAndTheirValues) {
    std::string strAll = Complete("mirt -");
    for (const char* pszSwitch : kSwitches)
        EXPECT_NE(strAll.find(std::string(pszSwitch) + "\n"), std::string::npos) << pszSwitch;
    EXPECT_EQ(Complete("mirt --fo"), "--format\n");
    EXPECT_EQ(Complete("mirt -console --format s"), "sarif\n");
    EXPECT_EQ(Complete("mirt --check strings,co"), "strings,comments\nstrings,code\n");
    EXPECT_EQ(Complete("mirt --profanity a"), "all\n");
}
