// The refresh pass on real files in temporary folders: files changed, gone and added
// on disk, the questions about them, and the console-mode rules.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sys/stat.h>
#include <thread>

#include "project/MirtDoc.h"
#include "tests/support/DocFixture.h"
#include "watch/DirChangesWatcher.h"

namespace {
const char* const kModifiedHead = "The following files has been modified outside MIRT:\n";
const char* const kAddedHead = "The following files has been added to the project's folder(s):\n";
const char* const kCheckQuestion = "Would you like to check spelling for those files?";
const char* const kAddQuestion = "Would you like to add those files to the project?";

constexpr long long kSeen = 1000000000;    // when the project last looked at its files
constexpr long long kChanged = 1100000000; // a later change on disk

class Refresh : public CDocTest {
protected:
    // A project file last seen at kSeen; tChecked 0 means it was never checked.
    std::string AddSeen(const std::string& name, long long tChecked = kSeen) {
        std::string path = dir.WriteFile(name, "1:teh\n");
        SetFileTime(path, kSeen);
        doc.AddFile(path);
        doc.m_files.back()->m_tChecked = tChecked;
        return path;
    }
    void AddFolderRecord(const std::string& strMask, int32_t bSubfolders = 0) {
        doc.m_folders.push_back(std::make_unique<CSpellFolder>(dir.Path(), strMask, bSubfolders));
    }
    std::vector<std::string> Paths() const {
        std::vector<std::string> paths;
        for (const CSpellFile* p : doc.m_files)
            paths.push_back(p->m_strPath);
        return paths;
    }
    std::vector<std::string> Messages() { return app.Display().Messages(); }
    bool Rebuilt() const {
        auto codes = view.Codes();
        return std::find(codes.begin(), codes.end(), std::make_pair(NOTIFY_REBUILD, 0)) !=
               codes.end();
    }
};

std::string Listed(const std::vector<std::string>& paths) {
    std::string text;
    for (const std::string& path : paths)
        text += "    " + path + "\n";
    return text;
}

// Waits for the watcher's thread to notice a change; the bound only keeps a broken
// watcher from hanging the run.
bool WaitForChange(const CMirtDoc& doc) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!doc.GetRefresh().WatcherSawChange() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return doc.GetRefresh().WatcherSawChange();
}
} // namespace

TEST_F(Refresh, ChangedFilesAreListedOnlyWhenTheyWereChecked) {
    std::string checked = AddSeen("checked.txt");
    std::string never = AddSeen("never.txt", 0);
    std::string older = AddSeen("older.txt");
    std::string same = AddSeen("same.txt");
    SetFileTime(checked, kChanged);
    SetFileTime(never, kChanged);
    SetFileTime(older, kSeen - 50);
    doc.RefreshFiles(true);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], std::string(kModifiedHead) + "    " + checked + "\n" + kCheckQuestion);
    EXPECT_EQ(app.Display().Types()[0], MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(doc.m_files[0]->m_tModified, kChanged);
    EXPECT_EQ(doc.m_files[1]->m_tModified, kChanged);
    // An older or equal time on disk changes nothing.
    EXPECT_EQ(doc.m_files[2]->m_tModified, kSeen);
    EXPECT_EQ(doc.m_files[3]->m_tModified, kSeen);
    EXPECT_EQ(Paths(), (std::vector<std::string>{checked, never, older, same}));
    EXPECT_FALSE(doc.IsRunning());

    // No was the answer; the same change is not brought up again.
    doc.RefreshFiles(true);
    EXPECT_EQ(Messages().size(), 1u);
    SetFileTime(never, kChanged + 1);
    SetFileTime(checked, kChanged + 1);
    doc.RefreshFiles(true);
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[1], std::string(kModifiedHead) + "    " + checked + "\n" + kCheckQuestion);
}

TEST_F(Refresh, QuestionListsAtMostTwelveFiles) {
    for (size_t nFiles : {size_t{12}, size_t{13}}) {
        doc.OnNewDocument();
        std::vector<std::string> paths;
        for (size_t i = 0; i < nFiles; ++i)
            paths.push_back(AddSeen(std::to_string(nFiles) + "/f" + std::to_string(i) + ".txt"));
        for (const std::string& path : paths)
            SetFileTime(path, kChanged);
        doc.RefreshFiles(true);
        std::vector<std::string> firstTwelve(paths.begin(), paths.begin() + 12);
        std::string expected =
            kModifiedHead + Listed(firstTwelve) + (nFiles > 12 ? "    ...\n" : "") + kCheckQuestion;
        EXPECT_EQ(Messages().back(), expected) << nFiles << " files";
    }
    EXPECT_EQ(Messages()[1].find(doc.m_files[12]->m_strPath), std::string::npos);
}

TEST_F(Refresh, MissingFilesNextToEachOtherAreAllRemovedSilently) {
    std::string a = AddSeen("a.txt"), b = AddSeen("b.txt"), c = AddSeen("c.txt");
    std::string d = AddSeen("d.txt");
    doc.SetModifiedFlag(false);
    std::filesystem::remove(b);
    std::filesystem::remove(c);
    doc.RefreshFiles(true);
    EXPECT_EQ(Paths(), (std::vector<std::string>{a, d}));
    EXPECT_EQ(doc.m_declinedFiles, (std::vector<std::string>{b, c}));
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(Rebuilt());
}

TEST_F(Refresh, NothingChangedLeavesTheProjectAlone) {
    AddSeen("a.txt");
    AddFolderRecord("*.txt");
    doc.SetModifiedFlag(false);
    doc.RefreshFiles(true);
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(Rebuilt());
}

TEST_F(Refresh, ReadOnlyMarkFollowsTheDisk) {
    std::string a = AddSeen("a.txt");
    chmod(a.c_str(), 0444);
    doc.RefreshFiles(true);
    EXPECT_EQ(doc.m_files[0]->m_bReadOnly, 1);
    chmod(a.c_str(), 0644);
    doc.RefreshFiles(true);
    EXPECT_EQ(doc.m_files[0]->m_bReadOnly, 0);
}

TEST_F(Refresh, NoPassWhileARunIsGoingOn) {
    std::string a = AddSeen("a.txt");
    std::filesystem::remove(a);
    doc.SetRunning(true);
    doc.RefreshFiles(true);
    doc.SetRunning(false);
    EXPECT_EQ(Paths(), (std::vector<std::string>{a}));
}

TEST_F(Refresh, AddedFilesFollowEveryMaskInScanOrder) {
    std::string b = dir.WriteFile("b.h", "x"), c = dir.WriteFile("c.rc", "x");
    std::string a = dir.WriteFile("a.cpp", "x");
    dir.WriteFile("d.txt", "x");
    dir.WriteFile("sub/e.cpp", "x");
    AddFolderRecord("*.cpp, *.h;;*.rc");
    app.Display().QueueAnswer(IDYES);
    doc.SetModifiedFlag(false);
    doc.RefreshFiles(true);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], kAddedHead + Listed({a, b, c}) + kAddQuestion);
    EXPECT_EQ(Paths(), (std::vector<std::string>{a, b, c}));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(Rebuilt());
    doc.RefreshFiles(true);
    EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(Refresh, FileMatchedTwiceIsOfferedAndAddedOnce) {
    std::string a = dir.WriteFile("a.cpp", "x");
    AddFolderRecord("*.cpp;a.*");
    AddFolderRecord("*.*");
    app.Display().QueueAnswer(IDYES);
    doc.RefreshFiles(true);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], kAddedHead + Listed({a}) + kAddQuestion);
    EXPECT_EQ(Paths(), (std::vector<std::string>{a}));
}

TEST_F(Refresh, PathDifferingOnlyInCaseIsANewFile) {
    std::string upper = AddSeen("Main.cpp");
    std::string lower = dir.WriteFile("main.cpp", "x");
    AddFolderRecord("*.cpp");
    doc.RefreshFiles(true);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], kAddedHead + Listed({lower}) + kAddQuestion);
    EXPECT_EQ(Paths(), (std::vector<std::string>{upper}));
}

TEST_F(Refresh, DeclinedFilesStayDeclinedAcrossSaveAndReopen) {
    std::string fresh = dir.WriteFile("fresh.cpp", "x");
    AddFolderRecord("*.cpp");
    doc.SetModifiedFlag(false);
    doc.RefreshFiles(true);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(doc.m_files.empty());
    EXPECT_EQ(doc.m_declinedFiles, (std::vector<std::string>{fresh}));
    // The answer is part of the project, so it must not be lost on close.
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.OnSaveDocument(dir / "p.mrk"));

    CMirtDoc other(app);
    ASSERT_TRUE(other.OnOpenDocument(dir / "p.mrk"));
    EXPECT_EQ(Messages().size(), 1u);
    std::string later = dir.WriteFile("later.cpp", "x");
    other.RefreshFiles(true);
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[1], kAddedHead + Listed({later}) + kAddQuestion);
}

TEST_F(Refresh, RemovedFileIsNotOfferedAgain) {
    std::string a = AddSeen("a.cpp");
    AddFolderRecord("*.cpp");
    doc.RemoveFile(a);
    doc.RefreshFiles(true);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(doc.m_files.empty());
}

TEST_F(Refresh, SubfoldersAreScannedExceptDotFolders) {
    std::string top = dir.WriteFile("top.cpp", "x");
    std::string deep = dir.WriteFile("sub/deeper/deep.cpp", "x");
    dir.WriteFile(".svn/text-base.cpp", "x");
    dir.WriteFile("sub/.hidden/no.cpp", "x");
    AddFolderRecord("*.cpp", 1);
    doc.RefreshFiles(true);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], kAddedHead + Listed({top, deep}) + kAddQuestion);
}

TEST_F(Refresh, FolderThatIsGoneAddsNothing) {
    doc.m_folders.push_back(std::make_unique<CSpellFolder>(dir / "gone", "*.*", 1));
    doc.RefreshFiles(true);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(doc.m_files.empty());
}

TEST_F(Refresh, ConsoleModeAsksNothingAndTakesInNewFilesUnlessToldNot) {
    app.m_bConsole = 1;
    app.m_bUpdate = 0;
    std::string a = AddSeen("a.cpp");
    std::string b = dir.WriteFile("b.cpp", "x");
    AddFolderRecord("*.cpp");
    SetFileTime(a, kChanged);
    doc.RefreshFiles(true);
    EXPECT_EQ(Paths(), (std::vector<std::string>{a}));
    EXPECT_TRUE(doc.m_declinedFiles.empty());
    EXPECT_EQ(doc.m_files[0]->m_tModified, kChanged);

    app.m_bUpdate = 1;
    doc.RefreshFiles(true);
    EXPECT_EQ(Paths(), (std::vector<std::string>{a, b}));
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(doc.IsRunning());
}

TEST_F(Refresh, YesToChangedFilesStartsARunAndLeavesTheRestForItsEnd) {
    std::string a = AddSeen("a.txt");
    AddFolderRecord("*.txt");
    doc.RebuildWatcher();
    doc.GetRefresh().WaitForWatcherSetUp();
    std::string fresh = dir.WriteFile("fresh.txt", "x");
    ASSERT_TRUE(WaitForChange(doc));
    SetFileTime(a, kChanged);

    app.Display().QueueAnswer(IDYES);
    doc.RefreshFiles(true);
    ASSERT_TRUE(view.WaitForRunEnd());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].rfind(kModifiedHead, 0), 0u);
    ASSERT_EQ(doc.m_files[0]->m_errors.size(), 1u);
    EXPECT_EQ(doc.m_files[0]->m_errors[0]->m_strWord, "teh");
    EXPECT_EQ(Paths(), (std::vector<std::string>{a}));
    EXPECT_TRUE(doc.m_declinedFiles.empty());
    // Still the watcher that saw the change: it was not replaced.
    EXPECT_TRUE(doc.GetRefresh().WatcherSawChange());

    // The refresh at the end of the run picks up the rest.
    doc.RefreshFiles(true);
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[1], kAddedHead + Listed({fresh}) + kAddQuestion);
    ASSERT_TRUE(doc.GetRefresh().HasWatcher());
    EXPECT_FALSE(doc.GetRefresh().WatcherSawChange());
}

TEST_F(Refresh, UnforcedPassWaitsForTheWatcher) {
    AddSeen("a.txt");
    doc.RebuildWatcher();
    doc.GetRefresh().WaitForWatcherSetUp();
    // Stale in memory only, so that the disk and the watcher see no change.
    doc.m_files[0]->m_tModified = kSeen - 100;
    doc.RefreshFiles(false);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(doc.m_files[0]->m_tModified, kSeen - 100);

    dir.WriteFile("other.txt", "x");
    ASSERT_TRUE(WaitForChange(doc));
    doc.RefreshFiles(false);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(doc.m_files[0]->m_tModified, kSeen);
    ASSERT_TRUE(doc.GetRefresh().HasWatcher());
    EXPECT_FALSE(doc.GetRefresh().WatcherSawChange());
}

TEST_F(Refresh, UnforcedPassRunsWhenThereIsNoWatcher) {
    CMirtDoc fresh(app);
    std::string a = dir.WriteFile("a.txt", "x");
    fresh.AddFile(a);
    fresh.m_files[0]->m_tChecked = kSeen;
    fresh.m_files[0]->m_tModified = kSeen - 100;
    ASSERT_FALSE(fresh.GetRefresh().HasWatcher());
    fresh.RefreshFiles(false);
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(fresh.GetRefresh().HasWatcher());
}
