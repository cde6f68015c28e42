// Command line switches: spellings, pending output path and plain arguments.
#include <gtest/gtest.h>

#include <vector>

#include "app/MirtCommandLineInfo.h"

namespace {
CMirtCommandLineInfo Parse(std::vector<const char*> args) {
    CMirtCommandLineInfo info;
    info.ParseCommandLine(static_cast<int>(args.size()), args.data());
    return info;
}
} // namespace

TEST(CommandLine, DefaultsWithoutArguments) {
    CMirtCommandLineInfo info = Parse({});
    EXPECT_EQ(info.m_nShellCommand, CMirtCommandLineInfo::FileNew);
    EXPECT_EQ(info.m_strFileName, "");
    EXPECT_EQ(info.m_bUpdate, 1);
    EXPECT_EQ(info.m_bReset, 0);
    EXPECT_EQ(info.m_bReportOnlyErrors, 0);
    EXPECT_EQ(info.m_bHelp, 0);
    EXPECT_EQ(info.m_bConsole, 0);
}

TEST(CommandLine, LongAndShortSwitchesIgnoringCase) {
    CMirtCommandLineInfo info = Parse({"--NoUpdate", "-E", "--reset", "-Console", "p.mrk"});
    EXPECT_EQ(info.m_bUpdate, 0);
    EXPECT_EQ(info.m_bReportOnlyErrors, 1);
    EXPECT_EQ(info.m_bReset, 1);
    EXPECT_EQ(info.m_bConsole, 1);
    EXPECT_EQ(info.m_strFileName, "p.mrk");
    EXPECT_EQ(info.m_nShellCommand, CMirtCommandLineInfo::FileOpen);

    EXPECT_EQ(Parse({"-n"}).m_bUpdate, 0);
    EXPECT_EQ(Parse({"--reportonlyerrors"}).m_bReportOnlyErrors, 1);
    EXPECT_EQ(Parse({"-r"}).m_bReset, 1);
    EXPECT_EQ(Parse({"-H"}).m_bHelp, 1);
    EXPECT_EQ(Parse({"--help"}).m_bHelp, 1);
}

TEST(CommandLine, SingleDashHelpIsNotHelp) {
    EXPECT_EQ(Parse({"-help"}).m_bHelp, 0);
    EXPECT_EQ(Parse({"--console"}).m_bConsole, 0);
}

TEST(CommandLine, OutputPathFollowsItsSwitch) {
    CMirtCommandLineInfo info = Parse({"-o", "report.html", "p.mrk"});
    EXPECT_EQ(info.m_strOutputPath, "report.html");
    EXPECT_EQ(info.m_strFileName, "p.mrk");
    EXPECT_EQ(Parse({"--out", "r.html"}).m_strOutputPath, "r.html");
}

TEST(CommandLine, OutputSwitchAsLastArgumentLeavesThePathEmpty) {
    CMirtCommandLineInfo info = Parse({"p.mrk", "-o"});
    EXPECT_EQ(info.m_strOutputPath, "");
    EXPECT_EQ(info.m_strFileName, "p.mrk");
}

TEST(CommandLine, UnknownSwitchKeepsThePendingOutputPath) {
    CMirtCommandLineInfo info = Parse({"-o", "-x", "report.html", "project.mrk"});
    EXPECT_EQ(info.m_strOutputPath, "report.html");
    EXPECT_EQ(info.m_strFileName, "project.mrk");
}

TEST(CommandLine, KnownSwitchCancelsThePendingOutputPath) {
    CMirtCommandLineInfo info = Parse({"-o", "-n", "project.mrk"});
    EXPECT_EQ(info.m_strOutputPath, "");
    EXPECT_EQ(info.m_strFileName, "project.mrk");
}

TEST(CommandLine, TheLastPlainArgumentIsTheProject) {
    EXPECT_EQ(Parse({"a.mrk", "b.mrk"}).m_strFileName, "b.mrk");
}

TEST(CommandLine, ArgumentsStartingWithSlashArePaths) {
    CMirtCommandLineInfo info = Parse({"/h", "/console", "/home/u/p.mrk"});
    EXPECT_EQ(info.m_bHelp, 0);
    EXPECT_EQ(info.m_bConsole, 0);
    EXPECT_EQ(info.m_strFileName, "/home/u/p.mrk");
    EXPECT_EQ(Parse({"-o", "/tmp/r.html"}).m_strOutputPath, "/tmp/r.html");
}
