// The check run end to end at the document level, with a token parser and a scripted
// engine, so that the run's own rules are what is tested.
#include <gtest/gtest.h>

#include "platform/FileStatus.h"
#include "project/CheckOptions.h"
#include "project/MirtDoc.h"
#include "tests/support/DocFixture.h"

namespace {
class CheckRun : public CDocTest {
protected:
    using CReports = std::vector<std::string>;
    CReports RunReports() {
        view.TakeReports();
        Run();
        return view.TakeReports();
    }
};
} // namespace

TEST_F(CheckRun, FindingsCarryWhereTheWordWasAndItsSuggestions) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CHECK_ALL_CATEGORIES, 0);
    Add("a.txt", "x 1:teh 2:fine\n4:teh@f,g\n");
    SCheckStats stats = Run();
    CSpellFile* f = File(0);
    ASSERT_EQ(f->m_errors.size(), 2u);
    const CSpellError* e = f->m_errors[0];
    EXPECT_EQ(e->m_nLine, 1);
    EXPECT_EQ(e->m_nPos, 4);
    EXPECT_EQ(e->m_strWord, "teh");
    EXPECT_EQ(e->GetLine(), "x 1:teh 2:fine");
    EXPECT_EQ(e->m_nCategory, 1);
    EXPECT_EQ(e->m_nKind, KIND_SPELLING);
    EXPECT_EQ(e->m_suggestions, (std::vector<std::string>{"the", "ten"}));
    EXPECT_EQ(e->m_nChosen, -1);
    EXPECT_EQ(f->m_errors[1]->m_calls, (std::vector<std::string>{"f", "g"}));
    EXPECT_EQ(f->m_errors[1]->m_nLine, 2);
    EXPECT_EQ(f->m_nStatus, 0);
    EXPECT_EQ(f->m_nCheckOptions, 7);
    EXPECT_GE(f->m_tChecked, f->m_tModified);
    EXPECT_EQ(stats.nFilesChecked, 1);
    EXPECT_EQ(stats.nFilesWithErrors, 1);
    EXPECT_EQ(stats.nSpellingLanguage, 1);
    EXPECT_EQ(stats.nSpellingCode, 1);
    EXPECT_EQ(engine.GetStartCount(), 1);
    EXPECT_EQ(engine.GetStopCount(), 1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.IsRunning());
}

TEST_F(CheckRun, OptionsZeroParseEveryFileButFindNothing) {
    doc.m_options.m_nCheckOptions = 0;
    std::string path = Add("a.txt", "1:teh 2:darn 4:teh\n");
    EXPECT_EQ(RunReports(), (CReports{"begun " + path, "checked 0 0"}));
    EXPECT_TRUE(engine.GetAskedWords().empty());
    EXPECT_TRUE(File(0)->m_errors.empty());
    EXPECT_EQ(File(0)->m_nStatus, 0);
}

TEST_F(CheckRun, ChangingTheOptionsToZeroStillReadsEveryFileAgain) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    std::string path = Add("a.txt", "1:teh\n");
    Run();
    ASSERT_EQ(File(0)->m_errors.size(), 1u);
    doc.m_options.m_nCheckOptions = 0;
    EXPECT_EQ(RunReports(), (CReports{"begun " + path, "checked 0 0"}));
    EXPECT_TRUE(File(0)->m_errors.empty());
    EXPECT_EQ(File(0)->m_nStatus, 0);
    EXPECT_EQ(File(0)->m_nCheckOptions, 0);
}

TEST_F(CheckRun, OnlyTheCategoriesOfTheOptionsAreChecked) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_COMMENT, CATEGORY_CODE);
    Add("a.txt", "1:teh 2:teh 4:teh 1:darn 4:darn 0:teh\n");
    Run();
    ASSERT_EQ(File(0)->m_errors.size(), 2u);
    EXPECT_EQ(File(0)->m_errors[0]->m_nCategory, 2);
    EXPECT_EQ(File(0)->m_errors[1]->m_nCategory, 4);
    EXPECT_EQ(File(0)->m_errors[1]->m_nKind, KIND_PROFANITY);
    EXPECT_EQ(engine.GetAskedWords(), (std::vector<std::string>{"teh"}));
}

TEST_F(CheckRun, IndecentWordThatIsAlsoMisspeltGivesOneProfanityFinding) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, CATEGORY_LANGUAGE);
    Add("a.txt", "1:darn\n");
    SCheckStats stats = Run();
    ASSERT_EQ(File(0)->m_errors.size(), 1u);
    EXPECT_EQ(File(0)->m_errors[0]->m_nKind, KIND_PROFANITY);
    EXPECT_EQ(File(0)->m_errors[0]->m_suggestions, (std::vector<std::string>{"****"}));
    EXPECT_TRUE(engine.GetAskedWords().empty());
    EXPECT_EQ(stats.nProfanityLanguage, 1);
    EXPECT_EQ(stats.nSpellingLanguage, 0);
}

TEST_F(CheckRun, MisspeltWordWithoutSuggestionsIsNoFinding) {
    engine.Reject("qzx", {});
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    Add("a.txt", "1:qzx\n");
    Run();
    EXPECT_EQ(engine.GetAskedWords(), (std::vector<std::string>{"qzx"}));
    EXPECT_TRUE(File(0)->m_errors.empty());
}

TEST_F(CheckRun, DictionaryRulesApplyToNewFindings) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CHECK_ALL_CATEGORIES, 0);
    engine.Reject("wrod", {"word", "ward", "word"});
    doc.m_dictionary.SetReplacement("teh", 1, "<ignore>");
    doc.m_dictionary.SetReplacement("teh", 2, "THE");
    doc.m_dictionary.SetReplacement("wrod", 1, "word");
    Add("a.txt", "1:teh 2:teh 4:teh 1:wrod\n");
    SCheckStats stats = Run();
    const CSpellErrors& e = File(0)->m_errors;
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(e[0]->m_bIgnored, 1);
    EXPECT_EQ(e[1]->m_suggestions, (std::vector<std::string>{"THE", "the", "ten"}));
    EXPECT_EQ(e[1]->m_nChosen, 0);
    EXPECT_EQ(e[2]->m_nChosen, -1);
    EXPECT_EQ(e[3]->m_nChosen, 2);
    EXPECT_EQ(stats.nSpellingLanguage, 1);
    EXPECT_EQ(stats.nSpellingComment, 1);
}

TEST_F(CheckRun, WordInsideAnIgnoredCallIsStoredIgnored) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    doc.m_ignoreCalls.SetAt("TRACE");
    Add("a.txt", "1:teh@printf,TRACE 1:teh@trace\n");
    SCheckStats stats = Run();
    ASSERT_EQ(File(0)->m_errors.size(), 2u);
    EXPECT_EQ(File(0)->m_errors[0]->m_bIgnored, 1);
    EXPECT_EQ(File(0)->m_errors[1]->m_bIgnored, 0);
    EXPECT_EQ(stats.nSpellingLanguage, 1);
    EXPECT_EQ(stats.nFilesWithErrors, 1);
}

TEST_F(CheckRun, CrLfAndLfAndAMissingLastLineEndGiveTheSameFindings) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    Add("lf.txt", "1:teh\nx 1:teh\n");
    Add("crlf.txt", "1:teh\r\nx 1:teh\r\n");
    Add("cr.txt", "1:teh\rx 1:teh");
    Run();
    for (size_t i = 0; i < 3; ++i) {
        const CSpellErrors& e = File(i)->m_errors;
        ASSERT_EQ(e.size(), 2u) << File(i)->m_strPath;
        EXPECT_EQ(e[1]->m_nLine, 2);
        EXPECT_EQ(e[1]->m_nPos, 4);
        EXPECT_EQ(e[1]->GetLine(), "x 1:teh");
    }
}

TEST_F(CheckRun, ReportsTellEachFilesResult) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, CATEGORY_LANGUAGE);
    std::string a = Add("a.txt", "1:teh 1:teh 1:darn\n");
    std::string b = Add("b.txt", "1:darn 1:darn 1:darn\n");
    std::string c = Add("c.txt", "1:teh\n");
    std::string d = Add("d.txt", "");
    std::string e = Add("e.md", "1:teh\n");
    EXPECT_EQ(RunReports(),
              (CReports{"begun " + a, "checked 2 1", "begun " + b, "checked 0 3", "begun " + c,
                        "checked 1 0", "begun " + d, "checked 0 0", "begun " + e, "no parser"}));
    EXPECT_EQ(File(3)->m_nStatus, 0);
    EXPECT_EQ(File(4)->m_nStatus, -1);
}

TEST_F(CheckRun, UnreadableFileIsReportedAndTheRunGoesOn) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    std::string gone = Add("gone.txt", "1:teh\n");
    std::string b = Add("b.txt", "1:teh\n");
    std::remove(gone.c_str());
    EXPECT_EQ(RunReports(),
              (CReports{"begun " + gone, "not checked", "begun " + b, "checked 1 0"}));
    EXPECT_EQ(app.Display().Messages(), (std::vector<std::string>{"Unable to open file " + gone}));
    EXPECT_EQ(File(0)->m_nStatus, -1);
    EXPECT_EQ(File(1)->m_errors.size(), 1u);
}

TEST_F(CheckRun, SecondRunFindsNothingToCheckUntilTheOptionsChange) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    std::string a = Add("a.txt", "2:teh\n");
    Run();
    EXPECT_EQ(RunReports(), CReports{"all checked"});
    EXPECT_EQ(engine.GetStartCount(), 1);
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE | CATEGORY_COMMENT, 0);
    EXPECT_EQ(RunReports(), (CReports{"begun " + a, "checked 1 0"}));
    EXPECT_EQ(engine.GetStartCount(), 2);
}

TEST_F(CheckRun, EmptyProjectHasNothingToCheck) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    EXPECT_EQ(RunReports(), CReports{"nothing to check"});
    EXPECT_EQ(engine.GetStartCount(), 0);
    app.m_bConsole = 1;
    testing::internal::CaptureStdout();
    doc.ToggleRun();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "No files to check\n");
    bool bHadStats = true;
    EXPECT_TRUE(view.WaitForRunEnd(nullptr, &bHadStats));
    EXPECT_FALSE(bHadStats);
}

TEST_F(CheckRun, EngineThatCannotStartEndsTheRunBeforeAnyFile) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    engine.SetStartResult(0);
    Add("a.txt", "1:teh\n");
    File(0)->m_nStatus = 0;
    doc.SetRunning(true);
    doc.RunCheck();
    bool bHadStats = true;
    EXPECT_TRUE(view.WaitForRunEnd(nullptr, &bHadStats));
    EXPECT_FALSE(bHadStats);
    EXPECT_EQ(app.Display().Messages(),
              (std::vector<std::string>{"Couldn't start Scripted. Please make sure that Scripted "
                                        "is installed properly"}));
    EXPECT_TRUE(app.HasErrored());
    EXPECT_EQ(File(0)->m_nStatus, -1);
    EXPECT_EQ(engine.GetStopCount(), 0);
    EXPECT_FALSE(doc.IsRunning());
    EXPECT_FALSE(doc.IsStarting());
}

TEST_F(CheckRun, CancelledRunLeavesTheRestForTheNextRun) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    // Words of their own: the engine hears each word of a run once.
    engine.RejectUnknownWords({"the"});
    Add("a.txt", "1:teh 1:tehh 1:tehhh\n1:tehhhh\n");
    Add("b.txt", "1:teh\n");
    int nWords = 0;
    engine.SetOnWord([&](const std::string&) {
        if (++nWords == 2)
            doc.SetRunning(false); // the user pressed Run again
    });
    SCheckStats stats = Run();
    EXPECT_EQ(File(0)->m_errors.size(), 2u);
    EXPECT_EQ(File(0)->m_nStatus, 0);
    EXPECT_EQ(File(0)->m_tChecked, 0);
    EXPECT_EQ(File(1)->m_nStatus, -1);
    EXPECT_TRUE(File(1)->m_errors.empty());
    EXPECT_EQ(stats.nFilesChecked, 1);
    EXPECT_EQ(stats.nSpellingLanguage, 2);
    EXPECT_EQ(engine.GetStopCount(), 1);

    engine.SetOnWord(nullptr);
    stats = Run();
    EXPECT_EQ(File(0)->m_errors.size(), 4u);
    EXPECT_EQ(File(1)->m_errors.size(), 1u);
    EXPECT_EQ(stats.nFilesChecked, 2);
}

TEST_F(CheckRun, EngineLostMidRunEndsTheRunAndLeavesTheFileUnchecked) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    Add("a.txt", "1:teh\n1:teh\n1:teh\n");
    Add("b.txt", "1:teh\n");
    engine.SetOnWord([&](const std::string&) { engine.SetFailed(true); });
    Run();
    EXPECT_EQ(engine.GetAskedWords().size(), 1u);
    EXPECT_EQ(File(0)->m_tChecked, 0);
    EXPECT_EQ(File(0)->m_nCheckOptions, 0);
    EXPECT_EQ(File(1)->m_nStatus, -1);
    EXPECT_EQ(engine.GetStopCount(), 1);
    EXPECT_TRUE(app.HasErrored());
    EXPECT_EQ(app.Display().Messages(),
              (std::vector<std::string>{"Couldn't start Scripted. Please make sure that Scripted "
                                        "is installed properly"}));
    engine.SetFailed(false);
    engine.SetOnWord(nullptr);
    Run();
    EXPECT_EQ(File(0)->m_errors.size(), 3u);
    EXPECT_EQ(File(1)->m_errors.size(), 1u);
}

TEST_F(CheckRun, FilesLeftQueuedWithOptionsZeroAreTakenUpByTheNextRun) {
    doc.m_options.m_nCheckOptions = 0;
    Add("a.txt", "1:teh\n");
    Add("b.txt", "1:teh\n");
    for (CSpellFile* f : doc.m_files) {
        f->m_tChecked = f->m_tModified; // checked before, but under other options
        f->m_nCheckOptions = 1;
    }
    engine.SetOnWord(nullptr);
    // Cancelled before the first file was read: both stay queued.
    doc.SetRunning(false);
    doc.RunCheck();
    ASSERT_TRUE(view.WaitForRunEnd());
    EXPECT_EQ(File(1)->m_nStatus, -1);
    EXPECT_EQ(File(1)->m_nCheckOptions, 0);
    SCheckStats stats = Run();
    EXPECT_EQ(stats.nFilesChecked, 2);
    EXPECT_EQ(File(1)->m_nStatus, 0);
}

TEST_F(CheckRun, FileRemovedDuringItsCheckStopsBeingRead) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    std::string a = Add("a.txt", "1:teh\n1:teh\n1:teh\n");
    Add("b.txt", "1:teh\n");
    CRefPtr<CSpellFile> held(File(0));
    engine.SetOnWord([&](const std::string&) {
        if (engine.GetAskedWords().size() == 1)
            doc.RemoveFile(a);
    });
    Run();
    EXPECT_EQ(held->m_errors.size(), 1u);
    ASSERT_EQ(doc.m_files.size(), 1u);
    EXPECT_EQ(File(0)->m_errors.size(), 1u);
}

TEST_F(CheckRun, RunStartsOnTheCheckingThreadAndNotifiesTheViews) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    Add("a.txt", "1:teh\n");
    doc.ToggleRun();
    SCheckStats stats;
    ASSERT_TRUE(view.WaitForRunEnd(&stats));
    EXPECT_EQ(stats.nSpellingLanguage, 1);
    auto codes = view.Codes();
    ASSERT_GE(codes.size(), 5u);
    EXPECT_EQ(codes.front(), std::make_pair(0, 1));
    EXPECT_EQ(codes[1], std::make_pair(2, 0));
    EXPECT_EQ(codes[codes.size() - 2], std::make_pair(0, 0));
    EXPECT_EQ(codes.back(), std::make_pair(8, 0));
}

TEST_F(CheckRun, ResetResultsMarksEveryFileForChecking) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    Add("a.txt", "1:teh\n");
    Run();
    doc.SetModifiedFlag(false);
    app.Display().QueueAnswer(IDNO);
    doc.OnResetResults();
    EXPECT_EQ(File(0)->m_errors.size(), 1u);
    app.Display().QueueAnswer(IDYES);
    doc.OnResetResults();
    EXPECT_TRUE(File(0)->m_errors.empty());
    EXPECT_EQ(File(0)->m_nStatus, -1);
    EXPECT_EQ(File(0)->m_tChecked, 0);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(app.Display().Messages().back(),
              "All spell-checking results would be cleared.\nWould you like to continue?");
}

TEST_F(CheckRun, AFileIsCheckedAtTheTimeOfItsCheck) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    Add("a.txt", "1:teh\n");
    int64_t tBefore = CurrentTime();
    Run();
    int64_t tAfter = CurrentTime();
    EXPECT_GE(File(0)->m_tChecked, tBefore);
    EXPECT_LE(File(0)->m_tChecked, tAfter);
}

// Findings of one line share its text, findings of one word their suggestions; a
// project read back shares a line's text again. A change to one finding's list is its
// own.
TEST_F(CheckRun, FindingsShareTheirLineAndTheirSuggestions) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    Add("a.txt", "1:teh 1:teh 1:darn\n1:teh\n");
    Run();
    CSpellFile* f = File(0);
    ASSERT_EQ(f->m_errors.size(), 4u);
    EXPECT_EQ(&f->m_errors[0]->GetLine(), &f->m_errors[1]->GetLine());
    EXPECT_NE(&f->m_errors[0]->GetLine(), &f->m_errors[3]->GetLine());
    EXPECT_TRUE(f->m_errors[0]->m_suggestions.SharesWith(f->m_errors[3]->m_suggestions));
    ASSERT_TRUE(doc.AddSuggestion(f->m_errors[0], "tea"));
    EXPECT_EQ(f->m_errors[0]->m_suggestions, (std::vector<std::string>{"tea", "the", "ten"}));
    EXPECT_EQ(f->m_errors[3]->m_suggestions, (std::vector<std::string>{"the", "ten"}));

    const std::string path = dir / "p.mrk";
    ASSERT_TRUE(doc.OnSaveDocument(path));
    CMirtDoc other(app);
    ASSERT_TRUE(other.OnOpenDocument(path));
    const CSpellErrors& loaded = other.m_files.at(0)->m_errors;
    ASSERT_EQ(loaded.size(), 4u);
    EXPECT_EQ(&loaded[0]->GetLine(), &loaded[2]->GetLine());
    EXPECT_EQ(loaded[3]->GetLine(), "1:teh");
}

// A line longer than 10,000 bytes is not checked; one of exactly that length is, and
// the lines after a long one keep their numbers.
TEST_F(CheckRun, LinesOverTenThousandBytesAreNotChecked) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    const std::string fill(10000 - 6, 'x');
    Add("a.txt", "1:teh " + fill + "\n1:teh " + fill + "y\n1:teh\n");
    Run();
    const CSpellErrors& errors = File(0)->m_errors;
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0]->m_nLine, 1);
    EXPECT_EQ(errors[1]->m_nLine, 3);
}
