// Writing chosen replacements back into real files: line ends, positions, backups,
// refused files and the messages of the Save changes command.
#include <algorithm>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "project/PathListing.h"
#include "project/WriteBack.h"
#include "tests/project/DecisionFixture.h"

namespace {
class WriteBack : public DecisionTest {
protected:
    // A file whose check is as recent as its modification time.
    CSpellFile* AddChecked(const std::string& name, const std::string& content) {
        Add(name, content);
        CSpellFile* pFile = doc.m_files.back();
        pFile->m_tChecked = pFile->m_tModified;
        pFile->m_nStatus = 0;
        return pFile;
    }
    CSpellError* AddFinding(CSpellFile* pFile, int32_t nLine, int32_t nPos, const std::string& word,
                            const std::string& line, Strings suggestions, int32_t nChosen = -1,
                            int32_t bIgnored = 0) {
        auto* pError = new CSpellError(pFile, KIND_SPELLING, nLine, nPos, word, 1, line);
        pError->AddRef();
        pError->m_suggestions = std::move(suggestions);
        pError->m_nChosen = nChosen;
        pError->m_bIgnored = bIgnored;
        pFile->m_errors.push_back(pError);
        return pError;
    }
    Strings FolderNames() {
        Strings names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static const std::string kBackupQuestion;
};

const std::string WriteBack::kBackupQuestion =
    "It is highly recommended to backup affected files.\nWould you like to make such backup?";
} // namespace

TEST_F(WriteBack, ReplacementsOnOneLineLandAtTheirOwnPositions) {
    const std::string line = "x wrd y thr zz";
    CSpellFile* f = AddChecked("a.txt", line + "\nnext\n");
    CRefPtr<CSpellError> left(AddFinding(f, 1, 2, "wrd", line, {"word"}, 0));
    CSpellError* ignored = AddFinding(f, 1, 6, "y", line, {"why"}, 0, 1);
    CRefPtr<CSpellError> right(AddFinding(f, 1, 8, "thr", line, {"the", "three"}, 1));
    CSpellError* plain = AddFinding(f, 1, 12, "zz", line, {"z"});
    CSpellError* below = AddFinding(f, 2, 0, "next", "next", {"text"});

    EXPECT_TRUE(doc.SaveChanges());
    EXPECT_EQ(ReadWholeFile(f->m_strPath), "x word y three zz\nnext\n");
    EXPECT_EQ(f->m_errors, (CSpellErrors{ignored, plain, below}));
    EXPECT_EQ(left->GetRefCount(), 1);
    EXPECT_EQ(right->GetRefCount(), 1);
    EXPECT_EQ(ignored->m_nPos, 6);
    EXPECT_EQ(ignored->GetLine(), line);
    EXPECT_EQ(plain->m_nPos, 15);
    EXPECT_EQ(plain->GetLine(), "x word y three zz");
    EXPECT_EQ(below->m_nPos, 0);
    EXPECT_EQ(below->GetLine(), "next");
    struct stat st {};
    ASSERT_EQ(stat(f->m_strPath.c_str(), &st), 0);
    EXPECT_EQ(f->m_tModified, st.st_mtime);
    EXPECT_EQ(f->m_tChecked, st.st_mtime);
    EXPECT_EQ(app.Display().Messages(),
              (Strings{kBackupQuestion, "All files updated successfully"}));
    EXPECT_EQ(app.Display().Types(),
              (std::vector<unsigned>{MB_YESNO | MB_ICONQUESTION, MB_OK | MB_ICONINFORMATION}));
    EXPECT_EQ(FolderNames(), (Strings{"a.txt"}));
}

TEST_F(WriteBack, NothingIsWrittenWhileARunGoesOn) {
    const std::string line = "x wrd y";
    CSpellFile* f = AddChecked("a.txt", line + "\n");
    AddFinding(f, 1, 2, "wrd", line, {"word"}, 0);
    doc.SetRunning(true);
    EXPECT_FALSE(doc.SaveChanges());
    doc.SetRunning(false);
    EXPECT_EQ(ReadWholeFile(dir / "a.txt"), line + "\n");
    EXPECT_TRUE(app.Display().Messages().empty());
}

TEST_F(WriteBack, EveryLineKeepsItsOwnLineEnd) {
    struct SCase {
        const char* name;
        std::string before, lastLine, after;
    };
    const SCase cases[] = {
        {"lf.txt", "a wrd\nb\nwrd", "wrd", "a word\nb\nword"},
        {"crlf.txt", "a wrd\r\nb\r\nwrd\r\n", "wrd", "a word\r\nb\r\nword\r\n"},
        {"cr.txt", "a wrd\rb\rwrd\r", "wrd", "a word\rb\rword\r"},
        {"mixed.txt", "a wrd\r\nb\nwrd\r", "wrd", "a word\r\nb\nword\r"},
        {"empty-line.txt", "a wrd\r\r\n\nwrd", "wrd", "a word\r\r\n\nword"},
    };
    for (const SCase& c : cases) {
        CSpellFile* f = AddChecked(c.name, c.before);
        AddFinding(f, 1, 2, "wrd", "a wrd", {"word"}, 0);
        int32_t nLast = std::string(c.name) == "empty-line.txt" ? 4 : 3;
        AddFinding(f, nLast, 0, "wrd", c.lastLine, {"word"}, 0);
        EXPECT_TRUE(f->ApplyChanges(false, &doc.GetLock())) << c.name;
        EXPECT_EQ(ReadWholeFile(f->m_strPath), c.after) << c.name;
        EXPECT_TRUE(f->m_errors.empty()) << c.name;
    }
}

TEST_F(WriteBack, BackupsAreNamedMirtThenMirt1) {
    CSpellFile* f = AddChecked("a.txt", "wrd\n");
    AddFinding(f, 1, 0, "wrd", "wrd", {"word"}, 0);
    app.Display().QueueAnswer(IDYES);
    EXPECT_TRUE(doc.SaveChanges());
    EXPECT_EQ(ReadWholeFile(f->m_strPath + ".mirt"), "wrd\n");
    AddFinding(f, 1, 0, "word", "word", {"words"}, 0);
    EXPECT_TRUE(f->ApplyChanges(true));
    EXPECT_EQ(ReadWholeFile(f->m_strPath), "words\n");
    EXPECT_EQ(ReadWholeFile(f->m_strPath + ".mirt"), "wrd\n");
    EXPECT_EQ(ReadWholeFile(f->m_strPath + ".mirt1"), "word\n");
    EXPECT_EQ(FolderNames(), (Strings{"a.txt", "a.txt.mirt", "a.txt.mirt1"}));
}

TEST_F(WriteBack, ChangedLineRefusesThatFileAndKeepsItsFindings) {
    CSpellFile* a = AddChecked("a.txt", "x wrd!\n");
    CSpellError* stale = AddFinding(a, 1, 2, "wrd", "x wrd", {"word"}, 0);
    CSpellFile* b = AddChecked("b.txt", "wrd\n");
    AddFinding(b, 1, 0, "wrd", "wrd", {"word"}, 0);
    app.Display().QueueAnswer(IDYES);

    EXPECT_FALSE(doc.SaveChanges());
    EXPECT_EQ(ReadWholeFile(a->m_strPath), "x wrd!\n");
    EXPECT_EQ(a->m_errors, (CSpellErrors{stale}));
    EXPECT_EQ(stale->m_nChosen, 0);
    EXPECT_EQ(stale->GetLine(), "x wrd");
    EXPECT_EQ(a->m_tModified, 1000000000);
    EXPECT_EQ(ReadWholeFile(b->m_strPath), "word\n");
    EXPECT_EQ(app.Display().Messages().back(), "Unable to save changes to the files:\n    " +
                                                   a->m_strPath +
                                                   "\nAll other files updated successfully");
    EXPECT_EQ(app.Display().Types().back(), MB_OK | MB_ICONEXCLAMATION);
    // No temporary file stays behind, and no backup of the refused file is made.
    EXPECT_EQ(FolderNames(), (Strings{"a.txt", "b.txt", "b.txt.mirt"}));
}

TEST_F(WriteBack, FindingPastTheLastLineRefusesTheFile) {
    CSpellFile* f = AddChecked("a.txt", "wrd\n");
    AddFinding(f, 2, 0, "wrd", "wrd", {"word"}, 0);
    EXPECT_FALSE(f->ApplyChanges(false));
    EXPECT_EQ(ReadWholeFile(f->m_strPath), "wrd\n");
    EXPECT_EQ(f->m_errors.size(), 1u);
}

TEST_F(WriteBack, ReadOnlyFileStopsTheWholeSave) {
    CSpellFile* a = AddChecked("a.txt", "wrd\n");
    AddFinding(a, 1, 0, "wrd", "wrd", {"word"}, 0);
    CSpellFile* b = AddChecked("b.txt", "wrd\n");
    AddFinding(b, 1, 0, "wrd", "wrd", {"word"}, 0);
    ASSERT_EQ(chmod(b->m_strPath.c_str(), 0444), 0);

    EXPECT_FALSE(doc.SaveChanges());
    EXPECT_EQ(app.Display().Messages(),
              (Strings{"Unable to save changes.\nThe following files have Read-Only "
                       "attribute:\n    " +
                       b->m_strPath + "\n"}));
    EXPECT_EQ(app.Display().Types(), (std::vector<unsigned>{MB_OK | MB_ICONEXCLAMATION}));
    EXPECT_EQ(ReadWholeFile(a->m_strPath), "wrd\n");
    EXPECT_EQ(ReadWholeFile(b->m_strPath), "wrd\n");
    EXPECT_EQ(a->m_errors.size(), 1u);
    EXPECT_EQ(b->m_errors.size(), 1u);
    EXPECT_FALSE(b->ApplyChanges(false));
    EXPECT_EQ(ReadWholeFile(b->m_strPath), "wrd\n");
}

TEST_F(WriteBack, FilesChangedAfterTheirCheckAreListedAndLeftOut) {
    CSpellFile* a = AddChecked("a.txt", "wrd\n");
    AddFinding(a, 1, 0, "wrd", "wrd", {"word"}, 0);
    a->m_tChecked -= 10;
    CSpellFile* b = AddChecked("b.txt", "wrd\n");
    AddFinding(b, 1, 0, "wrd", "wrd", {"word"}, 0);
    CSpellFile* c = AddChecked("c.txt", "nothing chosen\n");
    AddFinding(c, 1, 0, "nothing", "nothing chosen", {"x"});
    c->m_tChecked -= 10;
    const std::string question = "The following files was modified after the latest spell "
                                 "checking,\nthey would be excluded from update\n    " +
                                 a->m_strPath + "\nWould you like to proceed?";

    EXPECT_FALSE(doc.SaveChanges());
    EXPECT_EQ(app.Display().Messages(), (Strings{question}));
    EXPECT_EQ(ReadWholeFile(b->m_strPath), "wrd\n");

    app.Display().QueueAnswer(IDYES);
    EXPECT_TRUE(doc.SaveChanges());
    EXPECT_EQ(app.Display().Messages(),
              (Strings{question, question, kBackupQuestion, "All files updated successfully"}));
    EXPECT_EQ(ReadWholeFile(a->m_strPath), "wrd\n");
    EXPECT_EQ(ReadWholeFile(b->m_strPath), "word\n");
    EXPECT_EQ(a->m_errors.size(), 1u);
}

TEST_F(WriteBack, MessagesListTwelvePathsThenAnEllipsis) {
    Strings paths;
    for (int i = 1; i <= 12; ++i)
        paths.push_back("/p" + std::to_string(i));
    std::string twelve;
    for (int i = 1; i <= 12; ++i)
        twelve += "    /p" + std::to_string(i) + "\n";
    EXPECT_EQ(ListPathsForMessage(paths), twelve);
    paths.push_back("/p13");
    EXPECT_EQ(ListPathsForMessage(paths), twelve + "    ...\n");
    EXPECT_EQ(ListPathsForMessage({}), "");
}

TEST_F(WriteBack, WrittenFileCountsAsCheckedOnTheNextRun) {
    std::string path = Add("a.txt", "1:teh 1:teh\n");
    Run();
    ASSERT_EQ(File(0)->m_errors.size(), 2u);
    ChooseOne(Error(0, 1), 1);
    EXPECT_TRUE(doc.SaveChanges());
    EXPECT_EQ(ReadWholeFile(path), "1:teh 1:ten\n");
    ASSERT_EQ(File(0)->m_errors.size(), 1u);
    EXPECT_EQ(Error(0, 0)->GetLine(), "1:teh 1:ten");
    view.TakeReports();
    Run();
    EXPECT_EQ(view.TakeReports(), std::vector<std::string>{"all checked"});
}

TEST_F(WriteBack, LinkAndPermissionsOfTheSourceStay) {
    std::string real = dir.WriteFile("real.txt", "wrd\n");
    ASSERT_EQ(chmod(real.c_str(), 0640), 0);
    std::string link = dir / "link.txt";
    ASSERT_EQ(symlink(real.c_str(), link.c_str()), 0);
    doc.AddFile(link);
    CSpellFile* f = File(0);
    f->m_tChecked = f->m_tModified;
    AddFinding(f, 1, 0, "wrd", "wrd", {"word"}, 0);
    EXPECT_TRUE(f->ApplyChanges(false));
    EXPECT_EQ(ReadWholeFile(real), "word\n");
    struct stat st {};
    ASSERT_EQ(lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}
