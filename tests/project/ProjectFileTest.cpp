// The project file: its exact stored form, older versions, damaged files, and the
// document operations that change what is stored.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/Archive.h"
#include "platform/DirectoryList.h"
#include "project/MirtDoc.h"
#include "project/ProjectFile.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestApp.h"

namespace {
class ProjectFile : public ::testing::Test {
protected:
    std::string Save() {
        std::string path = dir / "p.mrk";
        EXPECT_TRUE(doc.OnSaveDocument(path));
        return ReadWholeFile(path);
    }
    // Writes a project file of the given bytes and opens it.
    bool OpenBytes(const std::string& bytes) {
        return doc.OnOpenDocument(dir.WriteFile("in.mrk", bytes));
    }

    CTempDir dir;
    CTestApp app;
    CMirtDoc doc{app};
};

std::string OlderProject(int32_t nVersion, const std::string& strFile) {
    CArchiveWriter w;
    w.WriteInt32(nVersion);
    w.WriteInt32(1);
    if (nVersion == 0) {
        w.WriteString(strFile);
    } else {
        w.WriteInt32(2);
        w.WriteString(strFile);
        w.WriteInt64(4000000000LL);
        w.WriteInt32(17);
        w.WriteInt32(-1);
        w.WriteInt32(0);
        w.WriteInt32(0);
    }
    if (nVersion > 1) {
        w.WriteInt32(1);
        w.WriteString("/src");
        w.WriteInt32(1);
        w.WriteString("*.cpp");
    }
    if (nVersion > 2) {
        w.WriteInt32(0);
        w.WriteInt32(3);
        w.WriteInt32(99);
    }
    if (nVersion > 3)
        w.WriteStringArray({"/declined.cpp"});
    w.WriteCount(1);
    w.WriteString("teh");
    w.WriteString("the\n\n\n");
    if (nVersion > 4) {
        w.WriteCount(1);
        w.WriteString("TRACE");
        w.WriteString("");
    }
    return w.GetData();
}
} // namespace

TEST_F(ProjectFile, EmptyProjectIsThirtyBytes) {
    doc.OnNewDocument();
    std::string bytes = Save();
    EXPECT_EQ(bytes, std::string("\x05\0\0\0"
                                 "\0\0\0\0"
                                 "\0\0\0\0"
                                 "\0\0\0\0\0\0\0\0\x11\0\0\0"
                                 "\0\0\0\0\0\0",
                                 30));
}

TEST_F(ProjectFile, NewProjectTakesCheckOptionsFromTheSettings) {
    app.Settings().WriteInt("", "CheckOptions", 7);
    doc.OnNewDocument();
    EXPECT_EQ(doc.m_options.m_nCheckOptions, 7);
}

TEST_F(ProjectFile, RoundTripsEverything) {
    std::string src = dir.WriteFile("a.cpp", "x\n");
    doc.OnNewDocument();
    doc.AddFile(src);
    doc.m_folders.push_back(std::make_unique<CSpellFolder>(dir.Path(), "*.cpp", 1));
    doc.m_options = {4, 23};
    doc.m_declinedFiles = {"/gone/b.cpp"};
    doc.m_dictionary.SetReplacement("Teh", 1, "The");
    doc.m_ignoreCalls.SetAt("TRACE");
    std::string first = Save();

    CMirtDoc other(app);
    ASSERT_TRUE(other.OnOpenDocument(dir / "p.mrk"));
    ASSERT_EQ(other.m_files.size(), 1u);
    EXPECT_EQ(other.m_files[0]->m_strPath, src);
    ASSERT_EQ(other.m_folders.size(), 1u);
    EXPECT_EQ(other.m_folders[0]->m_strMask, "*.cpp");
    EXPECT_EQ(other.m_options.m_nSyntaxChoice, 4);
    EXPECT_EQ(other.m_options.m_nCheckOptions, 23);
    EXPECT_EQ(other.m_declinedFiles, (std::vector<std::string>{"/gone/b.cpp"}));
    EXPECT_EQ(other.m_dictionary.GetEntries().at("Teh"), "The\n\n\n");
    EXPECT_TRUE(other.m_ignoreCalls.Has("TRACE"));
    EXPECT_FALSE(other.IsModified());
    EXPECT_EQ(other.GetPathName(), dir / "p.mrk");
    ASSERT_TRUE(other.OnSaveDocument(dir / "q.mrk"));
    EXPECT_EQ(ReadWholeFile(dir / "q.mrk"), first);
}

TEST_F(ProjectFile, OlderVersionsLoadWhatTheyHoldAndKeepTheRest) {
    std::string src = dir.WriteFile("a.cpp", "x");
    for (int32_t v = 0; v <= 5; ++v) {
        doc.m_options = {1, 2};
        ASSERT_TRUE(OpenBytes(OlderProject(v, src))) << "version " << v;
        EXPECT_EQ(doc.m_files.size(), 1u);
        EXPECT_EQ(doc.m_folders.size(), v > 1 ? 1u : 0u);
        EXPECT_EQ(doc.m_options.m_nCheckOptions, v > 2 ? 99 : 2) << "version " << v;
        EXPECT_EQ(doc.m_declinedFiles.size(), v > 3 ? 1u : 0u);
        EXPECT_EQ(doc.m_dictionary.GetCount(), 1u);
        EXPECT_EQ(doc.m_ignoreCalls.GetCount(), v > 4 ? 1u : 0u);
    }
}

TEST_F(ProjectFile, VersionZeroFilesHaveNoSyntax) {
    ASSERT_TRUE(OpenBytes(OlderProject(0, dir.WriteFile("a.cpp", "x"))));
    EXPECT_EQ(doc.m_files[0]->m_nSyntax, -1);
    EXPECT_EQ(doc.m_files[0]->m_nStatus, -1);
}

TEST_F(ProjectFile, FilesGoneFromTheDiskAreDropped) {
    std::string a = dir.WriteFile("a.cpp", "x"), b = dir.WriteFile("b.cpp", "x");
    doc.OnNewDocument();
    doc.AddFile(a);
    doc.AddFile(b);
    Save();
    std::remove(a.c_str());
    std::remove(b.c_str());
    CMirtDoc other(app);
    ASSERT_TRUE(other.OnOpenDocument(dir / "p.mrk"));
    EXPECT_TRUE(other.m_files.empty());
}

TEST_F(ProjectFile, DamagedFilesFailTheOpenWithAMessage) {
    std::string good = OlderProject(5, dir.WriteFile("a.cpp", "x"));
    for (size_t n : {size_t{0}, size_t{3}, size_t{10}, good.size() - 1}) {
        EXPECT_FALSE(OpenBytes(good.substr(0, n))) << "cut at " << n;
        EXPECT_TRUE(doc.m_files.empty());
        EXPECT_EQ(doc.m_dictionary.GetCount(), 0u);
    }
    std::string newer = good;
    newer[0] = 6;
    EXPECT_FALSE(OpenBytes(newer));
    auto messages = app.Display().Messages();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), "Unable to read project file " + (dir / "in.mrk") +
                                   ": unsupported project file version 6\n");
    EXPECT_EQ(messages.front(),
              "Unable to read project file " + (dir / "in.mrk") + ": unexpected end of data\n");
}

TEST_F(ProjectFile, FailedOpenForgetsThePreviousProject) {
    doc.OnNewDocument();
    doc.AddFile(dir.WriteFile("a.cpp", "x"));
    Save();
    ASSERT_TRUE(doc.OnOpenDocument(dir / "p.mrk"));
    EXPECT_FALSE(OpenBytes("\x05"));
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_TRUE(doc.m_files.empty());
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ProjectFile, SavingThroughALinkReplacesTheFileItNames) {
    doc.OnNewDocument();
    std::string real = dir.WriteFile("real.mrk", "old");
    ASSERT_EQ(symlink(real.c_str(), (dir / "link.mrk").c_str()), 0);
    ASSERT_TRUE(doc.OnSaveDocument(dir / "link.mrk"));
    struct stat st {};
    ASSERT_EQ(lstat((dir / "link.mrk").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(ReadWholeFile(real).size(), 30u);
}

TEST_F(ProjectFile, MissingProjectFailsTheOpen) {
    EXPECT_FALSE(doc.OnOpenDocument(dir / "none.mrk"));
    EXPECT_EQ(app.Display().Messages().back(),
              "Unable to open project file " + (dir / "none.mrk") + "\n");
}

TEST_F(ProjectFile, SaveReplacesTheFileWholeAndLeavesNoTemporaryFile) {
    doc.OnNewDocument();
    std::string path = dir.WriteFile("p.mrk", "old contents");
    chmod(path.c_str(), 0640);
    ASSERT_TRUE(doc.OnSaveDocument(path));
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(ReadWholeFile(path).size(), 30u);
    std::vector<SDirEntry> entries;
    ASSERT_TRUE(ListDirectory(dir.Path(), "*", entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].strName, "p.mrk");
}

TEST_F(ProjectFile, FailedSaveKeepsTheOldFileAndSaysSo) {
    doc.OnNewDocument();
    EXPECT_FALSE(doc.OnSaveDocument(dir / "no/such/folder/p.mrk"));
    EXPECT_EQ(app.Display().Messages().back().rfind(
                  "Unable to save project file " + (dir / "no/such/folder/p.mrk"), 0),
              0u);
}

TEST_F(ProjectFile, AddFileIsCaseSensitiveAndRemoveFileDeclinesThePath) {
    std::string a = dir.WriteFile("a.cpp", "x");
    std::string upper = dir.WriteFile("A.cpp", "x");
    doc.OnNewDocument();
    doc.AddFile(a);
    doc.AddFile(a);
    doc.AddFile(upper);
    EXPECT_EQ(doc.m_files.size(), 2u);
    EXPECT_GT(doc.m_files[0]->m_tModified, 0);
    doc.RemoveFile(a);
    doc.RemoveFile(dir / "never-added.cpp");
    EXPECT_EQ(doc.m_declinedFiles, (std::vector<std::string>{a}));
    EXPECT_TRUE(doc.IsModified());
    Save();
    CMirtDoc other(app);
    ASSERT_TRUE(other.OnOpenDocument(dir / "p.mrk"));
    EXPECT_EQ(other.m_declinedFiles, (std::vector<std::string>{a}));
}

TEST_F(ProjectFile, AddFolderMergesWithARecordOfTheSamePathInAnyCase) {
    doc.OnNewDocument();
    doc.AddFolder("/Proj", "*.cpp", 0, {});
    doc.AddFolder("/proj", "*.h", 0, {});
    ASSERT_EQ(doc.m_folders.size(), 1u);
    EXPECT_EQ(doc.m_folders[0]->m_bIncludeSubfolders, 0);
    doc.AddFolder("/PROJ", "*.h", 1, {});
    ASSERT_EQ(doc.m_folders.size(), 1u);
    EXPECT_EQ(doc.m_folders[0]->m_bIncludeSubfolders, 1);
    EXPECT_EQ(doc.m_folders[0]->m_strMask, "*.cpp");
    EXPECT_EQ(doc.m_folders[0]->m_strPath, "/Proj");
    doc.AddFolder("/other", "*.h", 0, {});
    EXPECT_EQ(doc.m_folders.size(), 2u);
}
