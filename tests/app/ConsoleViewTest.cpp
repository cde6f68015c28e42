// Console mode's lines, printed by its view from what the check run reports, with the
// run's messages landing inside the line of the file they concern.
#include <gtest/gtest.h>

#include "app/ConsoleView.h"
#include "project/CheckOptions.h"
#include "project/MirtDoc.h"
#include "tests/support/DocFixture.h"

namespace {
class ConsoleLines : public CDocTest {
protected:
    void SetUp() override {
        CDocTest::SetUp();
        app.m_bConsole = 1;
    }
    // A run on this thread with the console view attached; what it printed.
    std::string RunPrinted() {
        CConsoleView console(doc, app);
        testing::internal::CaptureStdout();
        doc.SetRunning(true);
        doc.RunCheck();
        return testing::internal::GetCapturedStdout();
    }
};
} // namespace

TEST_F(ConsoleLines, EachFileGetsItsPathAndResult) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, CATEGORY_LANGUAGE);
    std::string a = Add("a.txt", "1:teh 1:teh 1:darn\n");
    std::string b = Add("b.txt", "1:darn 1:darn 1:darn\n");
    std::string c = Add("c.txt", "1:teh\n");
    std::string d = Add("d.txt", "");
    std::string e = Add("e.md", "1:teh\n");
    std::string f = Add("f.txt", "1:darn\n");
    EXPECT_EQ(RunPrinted(), a + " - 2 errors, 1 bad word\n" + b + " - 3 bad words\n" + c +
                                " - 1 error\n" + d + " - OK\n" + e + " - No parser found\n" + f +
                                " - 1 bad word\n");
}

TEST_F(ConsoleLines, AFileThatCannotBeOpenedHasTheMessageOnItsLine) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    std::string gone = Add("gone.txt", "1:teh\n");
    std::string b = Add("b.txt", "1:teh\n");
    std::remove(gone.c_str());
    // The recording display stands for console mode's message function, which prints;
    // here the message is only recorded, so the line holds the path alone.
    EXPECT_EQ(RunPrinted(), gone + "\n" + b + " - 1 error\n");
    EXPECT_EQ(app.Display().Messages(), (std::vector<std::string>{"Unable to open file " + gone}));
}

TEST_F(ConsoleLines, ARunWithNothingToDoSaysWhy) {
    EXPECT_EQ(RunPrinted(), "Nothing to check\n");
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    Add("a.txt", "2:teh\n");
    RunPrinted();
    EXPECT_EQ(RunPrinted(), "All files already have been checked; use -r option to reset "
                            "spellchecking results\n");
}
