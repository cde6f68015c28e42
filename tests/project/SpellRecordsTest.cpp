// Files and findings: their bookkeeping operations and their stored forms, including
// older record versions and damaged input.
#include <gtest/gtest.h>

#include <memory>

#include "parsers/MirtParsers.h"
#include "platform/Archive.h"
#include "project/SpellFile.h"
#include "project/SpellFolder.h"
#include "tests/support/TempDir.h"

namespace {
class CFixedParser : public CMirtParser {
public:
    CFixedParser(int32_t nId, const char* pszExtensions) : m_nId(nId) {
        SetExtensions(pszExtensions);
    }
    int32_t GetId() const override { return m_nId; }

private:
    int32_t m_nId;
};

std::unique_ptr<CMirtParsers> MakeRegistry() {
    auto p = std::make_unique<CMirtParsers>();
    p->Add(std::make_unique<CFixedParser>(0, "cpp h"));
    p->Add(std::make_unique<CFixedParser>(6, "rc rc2"));
    return p;
}

CSpellError* AddError(CSpellFile& file, const std::string& word, int32_t category = 1,
                      int32_t kind = KIND_SPELLING, std::vector<std::string> sugg = {"x"}) {
    auto* p = new CSpellError(&file, kind, 3, 7, word, category, "line with " + word);
    p->AddRef();
    p->m_suggestions = std::move(sugg);
    file.m_errors.push_back(p);
    return p;
}

struct SFileHolder {
    explicit SFileHolder(CSpellFile* p) : pFile(p) { pFile->AddRef(); }
    ~SFileHolder() { pFile->Release(); }
    CSpellFile* operator->() const { return pFile; }
    CSpellFile& operator*() const { return *pFile; }
    CSpellFile* pFile;
};

class CRecordingRecorder : public CSpellErrorRecorder {
public:
    void AddRecord(CSpellError* pError) override { records.push_back(pError); }
    std::vector<CSpellError*> records;
};

// A finding record written by hand in an older version.
std::string OldErrorRecord(int32_t nVersion) {
    CArchiveWriter w;
    w.WriteInt32(nVersion);
    w.WriteInt32(12);
    w.WriteInt32(4);
    w.WriteString("teh");
    w.WriteString("    teh cat");
    w.WriteInt32(0);
    w.WriteInt32(0);
    if (nVersion > 1)
        w.WriteInt32(KIND_PROFANITY);
    if (nVersion > 0)
        w.WriteInt32(4);
    w.WriteStringArray({"the", "tech"});
    if (nVersion > 2)
        w.WriteStringArray({"printf"});
    return w.GetData();
}
} // namespace

TEST(SpellError, OlderVersionsLoadWithTheirDefaults) {
    struct {
        int32_t nVersion, nKind, nCategory;
        size_t nCalls;
    } cases[] = {{0, KIND_SPELLING, 1, 0},
                 {1, KIND_SPELLING, 4, 0},
                 {2, KIND_PROFANITY, 4, 0},
                 {3, KIND_PROFANITY, 4, 1}};
    for (const auto& c : cases) {
        std::string data = OldErrorRecord(c.nVersion);
        CArchiveReader r(data);
        CSpellError e(nullptr);
        ASSERT_TRUE(e.Load(r)) << "version " << c.nVersion;
        EXPECT_EQ(r.GetRemaining(), 0u);
        EXPECT_EQ(e.m_nLine, 12);
        EXPECT_EQ(e.m_nPos, 4);
        EXPECT_EQ(e.m_strWord, "teh");
        EXPECT_EQ(e.m_nKind, c.nKind) << "version " << c.nVersion;
        EXPECT_EQ(e.m_nCategory, c.nCategory) << "version " << c.nVersion;
        EXPECT_EQ(e.m_calls.size(), c.nCalls);
        EXPECT_EQ(e.m_suggestions, (std::vector<std::string>{"the", "tech"}));
        EXPECT_EQ(e.m_bVisible, 1);
    }
}

TEST(SpellError, NewerVersionIsRefused) {
    std::string data = OldErrorRecord(3);
    data[0] = 4;
    CArchiveReader r(data);
    CSpellError e(nullptr);
    EXPECT_FALSE(e.Load(r));
    EXPECT_TRUE(r.HasFailed());
}

TEST(SpellError, StoredFormIsVersionThreeInFieldOrder) {
    CSpellError e(nullptr, KIND_SPELLING, 2, 5, "wrod", 2, "a wrod");
    e.m_suggestions = {"word"};
    e.m_calls = {"f"};
    e.m_nChosen = 0;
    CArchiveWriter w;
    e.Store(w);
    CArchiveWriter expected;
    expected.WriteInt32(3);
    expected.WriteInt32(2);
    expected.WriteInt32(5);
    expected.WriteString("wrod");
    expected.WriteString("a wrod");
    expected.WriteInt32(0);
    expected.WriteInt32(0);
    expected.WriteInt32(0);
    expected.WriteInt32(2);
    expected.WriteStringArray({"word"});
    expected.WriteStringArray({"f"});
    EXPECT_EQ(w.GetData(), expected.GetData());
}

TEST(SpellError, MatchesTextInWordThenSuggestions) {
    CSpellError e(nullptr, KIND_SPELLING, 1, 0, "Recieve", 1, "");
    e.m_suggestions = {"Receive", "Relieve"};
    EXPECT_TRUE(e.MatchesText("CIE"));
    EXPECT_TRUE(e.MatchesText("lie"));
    EXPECT_FALSE(e.MatchesText("xyz"));
    EXPECT_TRUE(e.MatchesText(""));
}

TEST(SpellFile, CountsIgnoreIgnoredFindings) {
    SFileHolder f(new CSpellFile("/x/a.cpp", -1, nullptr));
    AddError(*f, "a", 1);
    AddError(*f, "b", 2);
    AddError(*f, "c", 4, KIND_PROFANITY);
    AddError(*f, "d", 4)->m_bIgnored = 1;
    int lang = 10, comm = 0, code = 0;
    EXPECT_EQ(f->CountErrors(KIND_SPELLING, lang, comm, code), 2);
    EXPECT_EQ(lang, 11);
    EXPECT_EQ(comm, 1);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(f->CountErrors(KIND_PROFANITY), 1);
    EXPECT_EQ(f->CountCountingErrors(), 3);
    EXPECT_EQ(f->FirstError(), 0);
    EXPECT_EQ(f->NextError(2), -1);
    f->m_errors[0]->m_bIgnored = 1;
    EXPECT_EQ(f->FirstError(), 1);
    f->ClearIgnored();
    EXPECT_EQ(f->CountCountingErrors(), 4);
}

TEST(SpellFile, CollectsCountingFindingsOfALine) {
    SFileHolder f(new CSpellFile("/x/a.cpp", -1, nullptr));
    AddError(*f, "a");
    AddError(*f, "b")->m_nLine = 9;
    AddError(*f, "c")->m_bIgnored = 1;
    CSpellErrors all, line3;
    f->CollectErrors(all);
    f->CollectErrors(line3, 3);
    EXPECT_EQ(all.size(), 2u);
    ASSERT_EQ(line3.size(), 1u);
    EXPECT_EQ(line3[0]->m_strWord, "a");
}

TEST(SpellFile, PendingChangesNeedACountingChosenFinding) {
    SFileHolder f(new CSpellFile("/x/a.cpp", -1, nullptr));
    CSpellError* p = AddError(*f, "a");
    EXPECT_FALSE(f->HasPendingChanges());
    p->m_nChosen = 0;
    EXPECT_TRUE(f->HasPendingChanges());
    p->m_bIgnored = 1;
    EXPECT_FALSE(f->HasPendingChanges());
}

TEST(SpellFile, IgnoreWordRecordsMatchingFindingsLastFirst) {
    SFileHolder f(new CSpellFile("/x/a.cpp", -1, nullptr));
    CSpellError* a = AddError(*f, "teh", 1);
    AddError(*f, "teh", 2);
    AddError(*f, "Teh", 1);
    CSpellError* d = AddError(*f, "teh", 1);
    CRecordingRecorder rec;
    f->IgnoreWord("teh", 1, &rec);
    EXPECT_EQ(rec.records, (std::vector<CSpellError*>{d, a}));
    EXPECT_EQ(f->CountCountingErrors(), 2);
    f->UnignoreWord("teh", 1);
    EXPECT_EQ(f->CountCountingErrors(), 4);
}

TEST(SpellFile, ReplaceWordSelectsAnExistingSuggestionWithoutCopying) {
    SFileHolder f(new CSpellFile("/x/a.cpp", -1, nullptr));
    CSpellError* p = AddError(*f, "teh", 1, KIND_SPELLING, {"ten", "the", "the"});
    p->m_bIgnored = 1;
    f->ReplaceWord("teh", 1, "the", nullptr);
    EXPECT_EQ(p->m_nChosen, 1);
    EXPECT_EQ(p->m_bIgnored, 0);
    EXPECT_EQ(p->m_suggestions.size(), 3u);
    f->UndoReplaceWord("teh", 1, "the");
    EXPECT_EQ(p->m_nChosen, -1);
    EXPECT_EQ(p->m_suggestions, (std::vector<std::string>{"ten", "the"}));
}

TEST(SpellFile, ReplaceWordPutsANewReplacementFirst) {
    SFileHolder f(new CSpellFile("/x/a.cpp", -1, nullptr));
    CSpellError* p = AddError(*f, "teh", 1, KIND_SPELLING, {"ten"});
    CSpellError* other = AddError(*f, "teh", 4, KIND_SPELLING, {"ten"});
    CRecordingRecorder rec;
    f->ReplaceWord("teh", 1, "THE", &rec);
    EXPECT_EQ(p->m_suggestions, (std::vector<std::string>{"THE", "ten"}));
    EXPECT_EQ(p->m_nChosen, 0);
    EXPECT_EQ(other->m_nChosen, -1);
    EXPECT_EQ(rec.records, (std::vector<CSpellError*>{p}));
    f->UndoReplaceWord("teh", 1, "THE");
    EXPECT_EQ(p->m_suggestions, (std::vector<std::string>{"ten"}));
}

TEST(SpellFile, IgnoreCallsTouchesOnlyFindingsInsideTheCall) {
    SFileHolder f(new CSpellFile("/x/a.cpp", -1, nullptr));
    CSpellError* in = AddError(*f, "a");
    in->m_calls = {"outer", "TRACE"};
    AddError(*f, "b")->m_calls = {"trace"};
    CRecordingRecorder rec;
    f->IgnoreCalls("TRACE", &rec);
    EXPECT_EQ(rec.records, (std::vector<CSpellError*>{in}));
    EXPECT_EQ(in->m_bIgnored, 1);
    EXPECT_EQ(f->CountCountingErrors(), 1);
    f->UnignoreCalls("TRACE");
    EXPECT_EQ(f->CountCountingErrors(), 2);
}

TEST(SpellFile, ReassociateSyntaxResetsOnlyOnChange) {
    auto parsers = MakeRegistry();
    SFileHolder f(new CSpellFile("/x/a.rc", -1, parsers.get()));
    EXPECT_EQ(f->m_nSyntax, 6);
    EXPECT_FALSE(f->ReassociateSyntax(parsers.get()));
    f->m_nSyntax = 0;
    f->m_tChecked = 5;
    f->m_nStatus = 0;
    f->m_nCheckOptions = 17;
    f->m_bExpanded = 1;
    AddError(*f, "a");
    EXPECT_TRUE(f->ReassociateSyntax(parsers.get()));
    EXPECT_EQ(f->m_nSyntax, 6);
    EXPECT_TRUE(f->m_errors.empty());
    EXPECT_EQ(f->m_tChecked, 0);
    EXPECT_EQ(f->m_nStatus, -1);
    EXPECT_EQ(f->m_nCheckOptions, 0);
    EXPECT_EQ(f->m_bExpanded, 0);
}

TEST(SpellFile, ConstructionReadsReadOnlyMarkAndSyntax) {
    auto parsers = MakeRegistry();
    SFileHolder missing(new CSpellFile("/nonexistent/b.cpp", -1, parsers.get()));
    EXPECT_EQ(missing->m_bReadOnly, 1);
    EXPECT_EQ(missing->m_nSyntax, 0);
    EXPECT_EQ(missing->GetDisplayName(), "b.cpp");
    SFileHolder unknown(new CSpellFile("/x/readme", -1, parsers.get()));
    EXPECT_EQ(unknown->m_nSyntax, -1);
    EXPECT_GT(unknown->m_nSequence, missing->m_nSequence);
}

class SpellFileStore : public ::testing::Test {
protected:
    std::string Stored(CSpellFile& f) {
        CArchiveWriter w;
        f.Store(w);
        return w.GetData();
    }
    CTempDir dir;
    std::unique_ptr<CMirtParsers> parsers = MakeRegistry();
};

TEST_F(SpellFileStore, RoundTripsAnUnchangedFile) {
    std::string path = dir.WriteFile("a.cpp", "int x;\n");
    SetFileTime(path, 1000);
    SFileHolder f(new CSpellFile(path, -1, parsers.get()));
    f->m_tChecked = 2000;
    f->m_nCheckOptions = 17;
    f->m_nStatus = 0;
    CSpellError* e = AddError(*f, "teh", 2);
    e->m_calls = {"f"};
    e->m_nChosen = 0;
    std::string data = Stored(*f);

    SFileHolder g(new CSpellFile("", -1, parsers.get()));
    CArchiveReader r(data);
    ASSERT_TRUE(g->Load(r, parsers.get()));
    EXPECT_EQ(r.GetRemaining(), 0u);
    EXPECT_EQ(g->m_strPath, path);
    EXPECT_EQ(g->m_tChecked, 2000);
    EXPECT_EQ(g->m_tModified, 1000);
    EXPECT_EQ(g->m_nCheckOptions, 17);
    EXPECT_EQ(g->m_nSyntax, 0);
    EXPECT_EQ(g->m_nStatus, 0);
    ASSERT_EQ(g->m_errors.size(), 1u);
    EXPECT_EQ(g->m_errors[0]->m_pFile, g.pFile);
    EXPECT_EQ(g->m_errors[0]->m_strWord, "teh");
    EXPECT_EQ(g->m_errors[0]->m_calls, (std::vector<std::string>{"f"}));
    EXPECT_EQ(g->m_errors[0]->m_nChosen, 0);
    EXPECT_EQ(g->m_errors[0]->GetRefCount(), 1);
    EXPECT_EQ(Stored(*g), data);
}

TEST_F(SpellFileStore, FileChangedAfterItsCheckLoadsUnchecked) {
    std::string path = dir.WriteFile("a.cpp", "x");
    SetFileTime(path, 3000);
    SFileHolder f(new CSpellFile(path, 0, parsers.get()));
    f->m_tChecked = 2000;
    AddError(*f, "teh");
    std::string data = Stored(*f);
    SFileHolder g(new CSpellFile("", -1, parsers.get()));
    CArchiveReader r(data);
    ASSERT_TRUE(g->Load(r, parsers.get()));
    EXPECT_TRUE(g->m_errors.empty());
    EXPECT_EQ(g->m_nStatus, -1);
}

TEST_F(SpellFileStore, MissingFileIsRefusedButTheStreamStaysInStep) {
    SFileHolder f(new CSpellFile(dir / "gone.cpp", 0, parsers.get()));
    AddError(*f, "teh");
    std::string data = Stored(*f) + "tail";
    SFileHolder g(new CSpellFile("", -1, parsers.get()));
    CArchiveReader r(data);
    EXPECT_FALSE(g->Load(r, parsers.get()));
    EXPECT_FALSE(r.HasFailed());
    EXPECT_EQ(r.GetRemaining(), 4u);
}

TEST_F(SpellFileStore, VersionOneCppSyntaxOfAResourceScriptMovesToResource) {
    std::string path = dir.WriteFile("app.rc", "x");
    for (int32_t nVersion : {1, 2}) {
        CArchiveWriter w;
        w.WriteInt32(nVersion);
        w.WriteString(path);
        w.WriteInt64(4000000000LL); // checked after the file's last change
        w.WriteInt32(17);
        w.WriteInt32(0); // syntax C/C++
        w.WriteInt32(5); // any non-negative status reads as checked
        w.WriteInt32(0);
        SFileHolder g(new CSpellFile("", -1, parsers.get()));
        CArchiveReader r(w.GetData());
        ASSERT_TRUE(g->Load(r, parsers.get()));
        EXPECT_EQ(g->m_nSyntax, nVersion == 1 ? 6 : 0);
        EXPECT_EQ(g->m_nStatus, 0);
    }
}

TEST_F(SpellFileStore, UnknownSyntaxIdOrVersionZeroTakesTheSyntaxOfThePath) {
    std::string path = dir.WriteFile("b.h", "x");
    CArchiveWriter v0;
    v0.WriteInt32(0);
    v0.WriteString(path);
    v0.WriteInt64(0);
    v0.WriteInt32(-2);
    v0.WriteInt32(0);
    CArchiveWriter v2;
    v2.WriteInt32(2);
    v2.WriteString(path);
    v2.WriteInt64(0);
    v2.WriteInt32(1);
    v2.WriteInt32(1005); // a user syntax that no longer exists
    v2.WriteInt32(-1);
    v2.WriteInt32(0);
    for (const CArchiveWriter* w : {&v0, &v2}) {
        SFileHolder g(new CSpellFile("", -1, parsers.get()));
        CArchiveReader r(w->GetData());
        ASSERT_TRUE(g->Load(r, parsers.get()));
        EXPECT_EQ(g->m_nSyntax, 0);
        EXPECT_EQ(r.GetRemaining(), 0u);
    }
}

TEST_F(SpellFileStore, NewerRecordVersionFailsTheStream) {
    CArchiveWriter w;
    w.WriteInt32(3);
    w.WriteString(dir.WriteFile("a.cpp", "x"));
    SFileHolder g(new CSpellFile("", -1, parsers.get()));
    CArchiveReader r(w.GetData());
    EXPECT_FALSE(g->Load(r, parsers.get()));
    EXPECT_TRUE(r.HasFailed());
    EXPECT_EQ(r.GetError(), "unsupported file record version 3");
}

TEST_F(SpellFileStore, TruncatedRecordFailsAtEveryCut) {
    std::string path = dir.WriteFile("a.cpp", "x");
    SFileHolder f(new CSpellFile(path, 0, parsers.get()));
    AddError(*f, "teh")->m_calls = {"g"};
    std::string data = Stored(*f);
    for (size_t n = 0; n < data.size(); ++n) {
        SFileHolder g(new CSpellFile("", -1, parsers.get()));
        CArchiveReader r(std::string_view(data).substr(0, n));
        EXPECT_FALSE(g->Load(r, parsers.get())) << "cut at " << n;
        EXPECT_TRUE(r.HasFailed()) << "cut at " << n;
    }
}

TEST(SpellFolder, RoundTripsPathFlagAndMask) {
    CSpellFolder folder("/src", "*.cpp;*.h", 1);
    CArchiveWriter w;
    folder.Store(w);
    CArchiveWriter expected;
    expected.WriteString("/src");
    expected.WriteInt32(1);
    expected.WriteString("*.cpp;*.h");
    EXPECT_EQ(w.GetData(), expected.GetData());
    CSpellFolder back;
    CArchiveReader r(w.GetData());
    ASSERT_TRUE(back.Load(r));
    EXPECT_EQ(back.m_strPath, "/src");
    EXPECT_EQ(back.m_strMask, "*.cpp;*.h");
    EXPECT_EQ(back.m_bIncludeSubfolders, 1);
}

TEST(RefCounter, LastReleaseDeletes) {
    static int nDeleted = 0;
    struct CCounted : CRefCounter<CCounted> {
        ~CCounted() override { ++nDeleted; }
    };
    auto* p = new CCounted;
    p->AddRef();
    {
        CRefPtr<CCounted> held(p);
        EXPECT_EQ(p->GetRefCount(), 2);
    }
    EXPECT_EQ(nDeleted, 0);
    p->Release();
    EXPECT_EQ(nDeleted, 1);
}

TEST(SpellErrorText, MatchingIgnoresTheCaseOfEveryLetter) {
    CSpellError error(nullptr, KIND_SPELLING, 1, 0, "\xC3\x84pfel", 1, "\xC3\x84pfel");
    error.m_suggestions = {"\xC3\x84PFEL"};
    EXPECT_TRUE(error.MatchesText("\xC3\xA4pf"));
    EXPECT_TRUE(error.MatchesText("PFEL"));
    EXPECT_FALSE(error.MatchesText("\xC3\xB6"));
}
