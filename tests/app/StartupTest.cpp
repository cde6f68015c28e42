// The real program: usage text, exit status, settings kept between runs, and the
// console message display.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "platform/MessageDisplay.h"
#include "tests/support/Golden.h"
#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

namespace {
const char* const kUsage = "\n"
                           "Mirtora 3.10.\n"
                           "\n"
                           "Usage: mirt [<options>...] <project_file_path>\n"
                           "\n"
                           "Options:\n"
                           "  -h, --help               Print this help.\n"
                           "  -o, --out file_path      Output report file path.\n"
                           "  -n, --noupdate           Ignore files added to the project "
                           "folder(s).\n"
                           "  -e, --reportonlyerrors   Include only errors in the error report.\n"
                           "  -r, --reset              Reset results of last run before start.\n"
                           "\n"
                           "For additional information, see https://www.halvenik.com/mirtora/\n"
                           "\n";

class Startup : public ::testing::Test {
protected:
    SProcessResult Run(const std::vector<std::string>& args) {
        return RunProgram(MirtProgram(), args, {{"XDG_CONFIG_HOME", config.Path()}});
    }
    std::string Settings() { return ReadWholeFile(config / "Halvenik/Mirtora.conf"); }
    CTempDir config;
};
} // namespace

TEST_F(Startup, HelpPrintsTheUsageAndSucceeds) {
    for (const char* pszSwitch : {"--help", "-h", "-H"}) {
        SProcessResult r = Run({pszSwitch});
        EXPECT_TEXT_EQ(kUsage, r.strStdout);
        EXPECT_EQ(r.strStderr, "");
        EXPECT_EQ(r.nExitCode, 0) << pszSwitch;
    }
}

TEST_F(Startup, ConsoleWithoutProjectPrintsTheUsageAndFails) {
    SProcessResult r = Run({"-console"});
    EXPECT_TEXT_EQ(kUsage, r.strStdout);
    EXPECT_NE(r.nExitCode, 0);
}

TEST_F(Startup, HelpWinsOverAConsoleRun) {
    SProcessResult r = Run({"-console", "p.mrk", "-h"});
    EXPECT_TEXT_EQ(kUsage, r.strStdout);
    EXPECT_EQ(r.nExitCode, 0);
}

// Without any display the window cannot open; the program says so instead of failing
// inside the toolkit, and console mode needs none.
TEST_F(Startup, WithoutADisplayTheWindowSaysHowToRunWithoutOne) {
    SProcessResult r = RunProgram(MirtProgram(), {},
                                  {{"XDG_CONFIG_HOME", config.Path()},
                                   {"DISPLAY", std::nullopt},
                                   {"WAYLAND_DISPLAY", std::nullopt},
                                   {"QT_QPA_PLATFORM", std::nullopt}});
    EXPECT_EQ(r.nExitCode, 2);
    EXPECT_EQ(r.strStdout, "mirt: there is no display to open the window on; use mirt -console "
                           "<project_file_path>\n");
}

TEST_F(Startup, ConsoleModeRunsWithoutAnyDisplay) {
    CTempDir src;
    std::string path = src.WriteFile("a.cpp", "// a comment\nconst char* s = \"Helo\";\n");
    std::string project = config / "p.mrk";
    SProcessResult r = RunProgram(MirtProgram(), {"-console", "--add-folder", src.Path(), project},
                                  {{"XDG_CONFIG_HOME", config.Path()},
                                   {"DISPLAY", std::nullopt},
                                   {"WAYLAND_DISPLAY", std::nullopt},
                                   {"QT_QPA_PLATFORM", std::nullopt}});
    EXPECT_EQ(r.nExitCode, 0);
    EXPECT_TEXT_EQ(path + " - 1 error\n\nSpelling check complete.\n   1 file checked;\n   1 file "
                          "has errors;\n   1 spelling error found;\n   0 indecent words found.\n",
                   r.strStdout);
    EXPECT_EQ(r.strStderr, "");
}

TEST_F(Startup, LastFolderSettingsAreKeptAcrossRuns) {
    config.WriteFile("Halvenik/Mirtora.conf", "[General]\n"
                                              "LastFolderPath=/src/tree\n"
                                              "LastIncludeSubfolders=1\n"
                                              "LastFileMask=*.java\n");
    Run({"-h"});
    std::string text = Settings();
    EXPECT_NE(text.find("LastFolderPath=/src/tree"), std::string::npos) << text;
    EXPECT_NE(text.find("LastIncludeSubfolders=1"), std::string::npos) << text;
    EXPECT_NE(text.find("LastFileMask=*.java"), std::string::npos) << text;
}

TEST_F(Startup, DefaultsAreWrittenWhenNothingIsStored) {
    Run({"-h"});
    std::string text = Settings();
    EXPECT_NE(text.find("LastIncludeSubfolders=0"), std::string::npos) << text;
    EXPECT_NE(text.find("*.cpp;*.c;*.cs;*.h;*.rc;*.rc2"), std::string::npos) << text;
}

TEST(ConsoleMessageDisplay, PrintsWithoutLineEndAndAnswersOk) {
    CConsoleMessageDisplay display;
    testing::internal::CaptureStdout();
    EXPECT_EQ(display.ShowMessage("Delete all?", MB_YESNO | MB_ICONQUESTION), IDOK);
    EXPECT_EQ(display.ShowMessage("second"), IDOK);
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Delete all?second");
}

TEST(ConsoleMessageDisplay, TwoThreadsNeverInterleaveWithinAMessage) {
    CConsoleMessageDisplay display;
    const std::string a(200, 'a'), b(200, 'b');
    testing::internal::CaptureStdout();
    std::thread t([&] {
        for (int i = 0; i < 200; ++i)
            display.ShowMessage(a);
    });
    for (int i = 0; i < 200; ++i)
        display.ShowMessage(b);
    t.join();
    fflush(stdout);
    std::string out = testing::internal::GetCapturedStdout();
    ASSERT_EQ(out.size(), 80000u);
    for (size_t i = 0; i < out.size(); i += 200)
        EXPECT_EQ(out.substr(i, 200), out[i] == 'a' ? a : b) << "at " << i;
}
