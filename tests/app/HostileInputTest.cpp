// What the outside world may hand batch mode, through the real program: bytes no
// source should hold, lines and nesting far past anything written by hand, folders
// that loop or cannot be read, a disk that fills up. Each run ends on its own, names
// every file or says why it could not, and leaves the sources and any earlier project
// as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

namespace {
const std::vector<std::string> kEverySyntax = {"cpp", "html", "java", "js", "pl",
                                               "php", "rc",   "vb",   "vbs"};

std::string Repeat(const std::string& strPart, size_t nTimes) {
    std::string text;
    text.reserve(strPart.size() * nTimes);
    for (size_t i = 0; i < nTimes; ++i)
        text += strPart;
    return text;
}

std::string EveryHighByte() {
    std::string text;
    for (int c = 0x80; c <= 0xFF; ++c)
        text += static_cast<char>(c);
    return text;
}

// A source in hostile shape, written with each of the extensions given.
struct SHostileSource {
    const char* pszName;
    std::function<std::string()> text;
    std::vector<std::string> extensions;
};

const std::vector<SHostileSource> kSources = {
    {"nul-bytes",
     [] {
         return std::string("const char* s = \"He\0lo wrold\";\n// com\0ment\n\0\0\0\n"
                            "x = 'a\0b'; /* \0 */\n",
                            58);
     },
     kEverySyntax},
    {"invalid-utf8",
     [] {
         return std::string("// \xC3\x28 \xA0\xA1 \xE2\x28\xA1 \xF0\x28\x8C\xBC cut\xE2\x82\n"
                            "s = \"\xFF\xFE wrold \xC0\xAF\"; // ends in a cut \xF0\x9F\x98");
     },
     kEverySyntax},
    {"high-bytes",
     [] {
         std::string strHigh = EveryHighByte();
         return "// " + strHigh + "\ns = \"" + strHigh + "\";\n" + strHigh + " = 1;\n";
     },
     kEverySyntax},
    {"nested-brackets",
     [] { return "x = " + Repeat("(", 100000) + "1" + Repeat(")", 100000) + ";\n"; }, kEverySyntax},
    {"unterminated",
     [] {
         return std::string("x = 1;\n/* a comment never closed\n<!-- nor this\n"
                            "<script> s = \"a string never closed\n'nor this\n<?php $s = 'open");
     },
     kEverySyntax},
    {"cr-only", [] { return std::string("// one\rs = \"Helo wrold\";\r// a comennt\rx = 1;\r"); },
     kEverySyntax},
    {"huge-word",
     [] { return "// " + Repeat("abcdefghij", 1200000) + " mispel\n"; },
     {"cpp", "js"}},
    {"huge-line",
     [] { return "// " + Repeat("the quick brown fox jumps ", 800000) + "\n"; },
     {"cpp"}},
    {"million-lines", [] { return Repeat("x = y; // a line\n", 1000000); }, {"cpp"}},
};

class HostileInput : public ::testing::Test {
protected:
    void SetUp() override {
        // Every category checked, comments and identifiers included.
        dir.WriteFile("config/Halvenik/Mirtora.conf", "[General]\nCheckOptions=119\n");
    }

    SProcessResult Mirt(std::vector<std::string> args) {
        args.insert(args.begin(), "-console");
        SProcessResult r = RunProgram(MirtProgram(), args, {{"XDG_CONFIG_HOME", dir / "config"}});
        EXPECT_FALSE(r.bTimedOut) << "mirt did not end";
        return r;
    }

    CTempDir dir;
};

// A small tmpfs, where the test may mount one (it takes root and a system that allows
// it); unmounted however the test ends.
class CSmallDisk {
public:
    CSmallDisk(const std::string& strFolder, const char* pszSize) : m_strFolder(strFolder) {
        std::string strOptions = std::string("size=") + pszSize;
        m_bMounted = mount("tmpfs", strFolder.c_str(), "tmpfs", 0, strOptions.c_str()) == 0;
    }
    ~CSmallDisk() {
        if (m_bMounted)
            umount2(m_strFolder.c_str(), MNT_DETACH);
    }
    CSmallDisk(const CSmallDisk&) = delete;
    CSmallDisk& operator=(const CSmallDisk&) = delete;

    bool IsMounted() const { return m_bMounted; }

private:
    std::string m_strFolder;
    bool m_bMounted = false;
};
} // namespace

class HostileSource : public HostileInput, public ::testing::WithParamInterface<SHostileSource> {};

TEST_P(HostileSource, IsCheckedToItsEndAndLeftAsItWas) {
    const SHostileSource& source = GetParam();
    std::string strText = source.text();
    std::vector<std::string> paths;
    for (const std::string& strExtension : source.extensions)
        paths.push_back(
            dir.WriteFile(std::string("src/") + source.pszName + "." + strExtension, strText));
    SProcessResult r =
        Mirt({"--add-folder", dir / "src", dir / "p.mrk", "-o", dir / "report.html"});
    EXPECT_EQ(r.nExitCode, 0) << r.strStdout << r.strStderr;
    EXPECT_EQ(r.strStderr, "");
    EXPECT_NE(r.strStdout.find("Spelling check complete."), std::string::npos) << r.strStdout;
    for (const std::string& strPath : paths) {
        EXPECT_NE(r.strStdout.find(strPath + " - "), std::string::npos) << strPath;
        EXPECT_EQ(ReadWholeFile(strPath), strText) << strPath;
    }
    EXPECT_TRUE(ReadWholeFile(dir / "report.html").ends_with("</HTML>\r\n"));
    // The project saved holds what it needs to be opened and checked again.
    SProcessResult again = Mirt({"-r", dir / "p.mrk"});
    EXPECT_EQ(again.nExitCode, 0) << again.strStdout;
    EXPECT_NE(again.strStdout.find("Spelling check complete."), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Sources, HostileSource, ::testing::ValuesIn(kSources),
                         [](const ::testing::TestParamInfo<SHostileSource>& info) {
                             std::string strName = info.param.pszName;
                             std::erase(strName, '-');
                             return strName;
                         });

TEST_F(HostileInput, FoldersThatLoopAreWalkedOnce) {
    std::string strSource = dir.WriteFile("src/real.cpp", "const char* s = \"Helo\";\n");
    dir.MakeDir("src/sub");
    std::filesystem::create_directory_symlink(".", dir / "src/loop");
    std::filesystem::create_directory_symlink("..", dir / "src/sub/up");
    std::filesystem::create_symlink("b", dir / "src/a");
    std::filesystem::create_symlink("a", dir / "src/b");
    SProcessResult r = Mirt({"--add-folder", dir / "src", dir / "p.mrk"});
    EXPECT_EQ(r.nExitCode, 0) << r.strStdout << r.strStderr;
    EXPECT_EQ(r.strStdout.find(strSource + " - 1 error\n"), r.strStdout.rfind(strSource))
        << r.strStdout;
    EXPECT_NE(r.strStdout.find(strSource + " - 1 error\n"), std::string::npos) << r.strStdout;
}

TEST_F(HostileInput, AFolderNobodyMayReadIsNamed) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every folder";
    dir.WriteFile("src/locked/a.cpp", "");
    std::string strSource = dir.WriteFile("src/open.cpp", "const char* s = \"Helo\";\n");
    ASSERT_EQ(chmod((dir / "src/locked").c_str(), 0), 0);
    SProcessResult r = Mirt({"--add-folder", dir / "src", dir / "p.mrk"});
    chmod((dir / "src/locked").c_str(), 0755);
    EXPECT_EQ(r.strStderr,
              "mirt: cannot read folder " + (dir / "src/locked") + ": Permission denied\n");
    EXPECT_NE(r.strStdout.find(strSource + " - 1 error\n"), std::string::npos) << r.strStdout;
    EXPECT_EQ(r.nExitCode, 1);
}

// The project and the report go to a disk too small for them: both say so, the run's
// status says it failed, and the project saved before stays whole.
TEST_F(HostileInput, AFullDiskKeepsTheEarlierProject) {
    std::string strDisk = dir.MakeDir("disk");
    CSmallDisk disk(strDisk, "64k");
    if (!disk.IsMounted())
        GTEST_SKIP() << "no tmpfs can be mounted here";
    std::string strSource = dir.WriteFile("src/a.cpp", "const char* s = \"Helo\";\n");
    std::string strProject = strDisk + "/p.mrk";
    SProcessResult first = Mirt({"--add-folder", dir / "src", strProject});
    ASSERT_EQ(first.nExitCode, 0) << first.strStdout;
    std::string strEarlier = ReadWholeFile(strProject);
    // Enough findings for a project far larger than the disk.
    WriteWholeFile(strSource, Repeat("const char* s = \"Helo wrold\";\n", 5000));

    SProcessResult r = Mirt({"-r", strProject, "-o", strDisk + "/report.html"});
    EXPECT_NE(r.strStdout.find("Unable to save report"), std::string::npos) << r.strStdout;
    EXPECT_NE(r.strStdout.find("Unable to save project file " + strProject), std::string::npos)
        << r.strStdout;
    EXPECT_NE(r.strStdout.find("No space left on device"), std::string::npos) << r.strStdout;
    EXPECT_NE(r.nExitCode, 0);
    EXPECT_EQ(ReadWholeFile(strProject), strEarlier);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(strDisk))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"p.mrk", "report.html"}));
}
