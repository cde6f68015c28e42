// The registry copy through the library's entry point, on settings files in temporary
// per-user and machine-wide folders.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sys/stat.h>

#include "tests/installer/TessmorLibrary.h"
#include "tests/support/Golden.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {
// A settings file with the kinds of key and value the program's QSettings writes.
constexpr const char* kMirtoraSettings = "[General]\n"
                                         "Engine=1\n"
                                         "LastProject=/home/u/p.mrk\n"
                                         "\n"
                                         "[Parsers]\n"
                                         "C\\C%2B%2B\\C%23=0\n"
                                         "Java=2\n";

std::set<std::string> Tree(const std::string& strRoot) {
    std::set<std::string> paths;
    for (const auto& entry : fs::recursive_directory_iterator(strRoot))
        paths.insert(entry.path().lexically_relative(strRoot).string());
    return paths;
}

class RegistryCopy : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_library.IsLoaded()) << TESSMOR_LIBRARY; }

    std::string User(const std::string& strFile) const { return m_dir / ("user/" + strFile); }
    std::string Machine(const std::string& strFile) const { return m_dir / ("machine/" + strFile); }

    // Copies through the entry point and returns what it wrote on standard error.
    std::string Copy(const std::string& strOld, const std::string& strNew) {
        CParameterBlock block;
        block.Add("REG_KEY_OLD", strOld);
        block.Add("REG_KEY_NEW", strNew);
        return Call(block.Data());
    }
    std::string Call(const void* pBlock) {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(m_library.CopyRegistryKey(pBlock), 0);
        return ::testing::internal::GetCapturedStderr();
    }

    CTempDir m_dir;
    CScopedEnv m_userHive{"XDG_CONFIG_HOME", m_dir / "user"};
    CScopedEnv m_machineHive{"XDG_CONFIG_DIRS", m_dir / "machine" + ":" + m_dir / "other"};
    CTessmorLibrary m_library;
};
} // namespace

TEST_F(RegistryCopy, MergesTheTreeIntoBothHives) {
    m_dir.WriteFile("user/Korvel/Mirtora.conf", kMirtoraSettings);
    m_dir.WriteFile("user/Halvenik/Mirtora.conf", "[General]\n"
                                                  "Engine=0\n"
                                                  "Window=max\n"
                                                  "\n"
                                                  "[Recent]\n"
                                                  "File1=/x.mrk\n");
    m_dir.WriteFile("machine/Korvel/Mirtora.conf", "[General]\nShared=yes\n");
    m_dir.WriteFile("other/Korvel/Mirtora.conf", "[General]\nIgnored=1\n");

    EXPECT_EQ(Copy("Software\\Korvel\\Mirtora", "Software\\Halvenik\\Mirtora"), "");
    // Engine is replaced, Window and Recent stay, the rest is added.
    EXPECT_TEXT_EQ("[General]\n"
                   "Engine=1\n"
                   "Window=max\n"
                   "LastProject=/home/u/p.mrk\n"
                   "\n"
                   "[Recent]\n"
                   "File1=/x.mrk\n"
                   "\n"
                   "[Parsers]\n"
                   "C\\C%2B%2B\\C%23=0\n"
                   "Java=2\n",
                   ReadWholeFile(User("Halvenik/Mirtora.conf")));
    EXPECT_TEXT_EQ("[General]\nShared=yes\n", ReadWholeFile(Machine("Halvenik/Mirtora.conf")));
    // Only the first machine-wide folder is a hive; the sources are only read.
    EXPECT_FALSE(fs::exists(m_dir / "other/Halvenik"));
    EXPECT_EQ(ReadWholeFile(User("Korvel/Mirtora.conf")), kMirtoraSettings);
}

TEST_F(RegistryCopy, CopiesAGroupUnderAnotherName) {
    m_dir.WriteFile("user/Korvel/Mirtora.conf", kMirtoraSettings);

    EXPECT_EQ(
        Copy("Software\\Korvel\\Mirtora\\Parsers", "Software\\Halvenik\\Mirtora\\Syntaxes\\Old"),
        "");
    EXPECT_TEXT_EQ("[Syntaxes]\n"
                   "Old\\C\\C%2B%2B\\C%23=0\n"
                   "Old\\Java=2\n",
                   ReadWholeFile(User("Halvenik/Mirtora.conf")));
    EXPECT_FALSE(fs::exists(Machine("Halvenik")));
}

TEST_F(RegistryCopy, CopiesSubkeysDepthFirstBeforeValues) {
    m_dir.WriteFile("user/K/App.conf", "[General]\nv=1\n\n[a]\nx=1\nb\\y=2\n\n[b]\nz=3\n");

    EXPECT_EQ(Copy("Software\\K\\App", "Software\\H\\App\\New"), "");
    EXPECT_TEXT_EQ("[New]\n"
                   "a\\b\\y=2\n"
                   "a\\x=1\n"
                   "b\\z=3\n"
                   "v=1\n",
                   ReadWholeFile(User("H/App.conf")));
}

TEST_F(RegistryCopy, KeepsTheTextOfValuesByteForByte) {
    const std::string strValues = "at=@@at\n"
                                  "bytes=@ByteArray(\\x1\\x2)\n"
                                  "empty=\n"
                                  "list=x, y\n"
                                  "uni%E9%U4E2D=\xC3\xA9\xE4\xB8\xAD\n"
                                  "multi=\"line one\nline two\"\n";
    const std::string strQuoted = "b\\e=\"  lead; semi=eq \\\"q\\\" \\\\ back\\nnl\\ttab\"\n";
    m_dir.WriteFile("user/K/App.conf", "[a]\n" + strValues + strQuoted);

    EXPECT_EQ(Copy("Software\\K\\App\\a", "Software\\H\\App\\a"), "");
    EXPECT_TEXT_EQ("[a]\n" + strQuoted + strValues, ReadWholeFile(User("H/App.conf")));
}

TEST_F(RegistryCopy, GroupsNamedGeneralKeepTheirOwnSection) {
    m_dir.WriteFile("user/K/App.conf", "[General]\nx=1\n\n[s]\ny=2\n");

    EXPECT_EQ(Copy("Software\\K\\App\\s", "Software\\H\\App\\general"), "");
    EXPECT_EQ(Copy("Software\\K\\App\\s", "Software\\H\\App\\General\\Sub"), "");
    EXPECT_EQ(Copy("Software\\K\\App", "Software\\H\\Top"), "");
    EXPECT_TEXT_EQ("[%general]\ny=2\n\n[%General]\nSub\\y=2\n", ReadWholeFile(User("H/App.conf")));
    EXPECT_TEXT_EQ("[s]\ny=2\n\n[General]\nx=1\n", ReadWholeFile(User("H/Top.conf")));
}

TEST_F(RegistryCopy, CopyIntoItsOwnGroupCopiesTheTreeOnce) {
    m_dir.WriteFile("user/K/App.conf", "[General]\nv=1\n\n[g]\nw=2\n");

    EXPECT_EQ(Copy("Software\\K\\App", "Software\\K\\App\\Backup"), "");
    EXPECT_TEXT_EQ("[General]\n"
                   "v=1\n"
                   "\n"
                   "[g]\n"
                   "w=2\n"
                   "\n"
                   "[Backup]\n"
                   "g\\w=2\n"
                   "v=1\n",
                   ReadWholeFile(User("K/App.conf")));
}

TEST_F(RegistryCopy, ReadsHandEditedFilesAsQSettingsDoes) {
    m_dir.WriteFile("user/K/App.conf", "\xEF\xBB\xBFtop=0\r\n"
                                       "; note=not a value\r\n"
                                       "[ s ]\r\n"
                                       "  key one = val ue \r\n"
                                       "k=1\r\n"
                                       "k=2\r\n"
                                       "c=a;tail\r\n"
                                       "d=a\\\r\nb\r\n");

    EXPECT_EQ(Copy("Software\\K\\App", "Software\\H\\App"), "");
    // A key given twice holds its last value; the line after a backslash belongs to it.
    EXPECT_TEXT_EQ("[s]\n"
                   "key%20one= val ue \n"
                   "k=2\n"
                   "c=a\n"
                   "d=a\\\r\nb\n"
                   "\n"
                   "[General]\n"
                   "top=0\n",
                   ReadWholeFile(User("H/App.conf")));
}

TEST_F(RegistryCopy, AValueCutOffByTheEndOfTheFileDoesNotSwallowTheNextLine) {
    m_dir.WriteFile("user/K/Quote.conf", "[s]\nk=\"open; value");
    m_dir.WriteFile("user/K/Slash.conf", "[s]\nk=tail\\");
    m_dir.WriteFile("user/H/Quote.conf", "[s]\nz=1\n");

    EXPECT_EQ(Copy("Software\\K\\Quote", "Software\\H\\Quote"), "");
    EXPECT_EQ(Copy("Software\\K\\Slash", "Software\\H\\Slash"), "");
    EXPECT_TEXT_EQ("[s]\nz=1\nk=\"open; value\"\n", ReadWholeFile(User("H/Quote.conf")));
    EXPECT_TEXT_EQ("[s]\nk=tail\n", ReadWholeFile(User("H/Slash.conf")));
}

TEST_F(RegistryCopy, CreatesNothingWithoutValuesToCopy) {
    m_dir.WriteFile("user/K/App.conf", "[s]\ny=2\n");

    EXPECT_EQ(Copy("Software\\K\\Gone", "Software\\H\\App"), "");
    EXPECT_EQ(Copy("Software\\K\\App\\nogroup", "Software\\H\\App"), "");
    EXPECT_EQ(Copy("Software\\K\\App\\s\\y", "Software\\H\\App"), "");
    EXPECT_EQ(Tree(m_dir.Path()), (std::set<std::string>{"user", "user/K", "user/K/App.conf"}));
}

TEST_F(RegistryCopy, PathsThatNameNoSettingsFileCopyNothing) {
    m_dir.WriteFile("user/K/App.conf", "[s]\ny=2\n");
    m_dir.WriteFile("user/K.conf", "[General]\nz=3\n");
    const std::set<std::string> before = Tree(m_dir.Path());

    const std::pair<std::string, std::string> cases[] = {
        {"", "Software\\H\\App"},
        {"Software\\K\\App", ""},
        {"Software", "Software"},
        {"Software\\K\\App", "Software\\H"},
        {"Software\\K", "Software\\H\\App"},
        {"Hardware\\K\\App", "Software\\H\\App"},
        {"Software\\K\\App", "Hardware\\H\\App"},
        {"Software\\K\\App", "Software\\..\\App"},
        {"Software\\K\\App", "Software\\H\\..\\x"},
        {"Software\\K\\App", "Software\\a/b\\App"},
    };
    for (const auto& [strOld, strNew] : cases)
        EXPECT_EQ(Copy(strOld, strNew), "") << strOld << " -> " << strNew;
    CParameterBlock withoutNew;
    withoutNew.Add("REG_KEY_OLD", "Software\\K\\App");
    EXPECT_EQ(Call(withoutNew.Data()), "");
    EXPECT_EQ(Call(nullptr), "");
    EXPECT_EQ(Tree(m_dir.Path()), before);
}

TEST_F(RegistryCopy, AnOrganisationKeyCopiesEveryApplicationAndItsOwnFile) {
    m_dir.WriteFile("user/Korvel/Mirtora.conf", "[General]\nEngine=1\n");
    m_dir.WriteFile("user/Korvel/Other.conf", "[x]\ny=1\n");
    m_dir.WriteFile("user/Korvel/notes.txt", "not settings");
    m_dir.WriteFile("user/Korvel.conf", "[General]\nOrgWide=1\n");
    m_dir.WriteFile("user/Halvenik/Mirtora.conf", "[General]\nEngine=0\nKeep=1\n");

    EXPECT_EQ(Copy("SOFTWARE\\Korvel\\", "Software\\Halvenik"), "");
    EXPECT_TEXT_EQ("[General]\nEngine=1\nKeep=1\n", ReadWholeFile(User("Halvenik/Mirtora.conf")));
    EXPECT_TEXT_EQ("[x]\ny=1\n", ReadWholeFile(User("Halvenik/Other.conf")));
    EXPECT_TEXT_EQ("[General]\nOrgWide=1\n", ReadWholeFile(User("Halvenik.conf")));
    EXPECT_FALSE(fs::exists(User("Halvenik/notes.txt")));
}

TEST_F(RegistryCopy, AnUnreadableDestinationIsNeverWrittenOver) {
    m_dir.WriteFile("user/K/App.conf", "[s]\ny=2\n");
    m_dir.MakeDir("user/H/App.conf");
    m_dir.WriteFile("machine/K/App.conf", "[s]\ny=3\n");

    std::string strError = Copy("Software\\K\\App", "Software\\H\\App");
    EXPECT_NE(strError.find("cannot read " + User("H/App.conf")), std::string::npos) << strError;
    EXPECT_TRUE(fs::is_directory(User("H/App.conf")));
    EXPECT_EQ(Tree(User("H")), (std::set<std::string>{"App.conf"}));
    // The other hive goes on.
    EXPECT_TEXT_EQ("[s]\ny=3\n", ReadWholeFile(Machine("H/App.conf")));
}

TEST_F(RegistryCopy, WritesThroughLinksAndKeepsModes) {
    std::string strSource = m_dir.WriteFile("user/K/App.conf", "[s]\ny=2\n");
    std::string strReal = m_dir.WriteFile("user/real.conf", "[s]\nx=1\n");
    chmod(strSource.c_str(), 0604);
    chmod(strReal.c_str(), 0640);
    m_dir.MakeDir("user/H");
    fs::create_symlink(strReal, User("H/App.conf"));

    EXPECT_EQ(Copy("Software\\K\\App", "Software\\H\\App"), "");
    EXPECT_EQ(Copy("Software\\K\\App", "Software\\New\\App"), "");
    EXPECT_TRUE(fs::is_symlink(User("H/App.conf")));
    EXPECT_TEXT_EQ("[s]\nx=1\ny=2\n", ReadWholeFile(strReal));
    struct stat status {};
    ASSERT_EQ(stat(strReal.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    // A new file is as private as the one it was copied from.
    ASSERT_EQ(stat(User("New/App.conf").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0604u);
    EXPECT_EQ(Tree(User("H")), (std::set<std::string>{"App.conf"}));
}
