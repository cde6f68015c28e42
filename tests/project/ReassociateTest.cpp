// The pass after the syntax associations changed, and the document side of adding files.
#include <gtest/gtest.h>

#include <algorithm>

#include "project/CheckOptions.h"
#include "project/MirtDoc.h"
#include "tests/support/DocFixture.h"

namespace {
const char* const kQuestion = "The following files are affected by syntax change:\n"
                              "    a.txt\n"
                              "    b.md\n"
                              "Would you like to check spelling for those files?";

class Reassociate : public CDocTest {
protected:
    void SetUp() override {
        CDocTest::SetUp();
        a = Add("a.txt");
        b = Add("b.md");
        c = Add("sub/c.cs");
        // a.txt was checked and has a finding.
        CSpellFile* pA = doc.m_files[0];
        pA->m_tChecked = 1000;
        pA->m_nStatus = STATUS_CHECKED;
        pA->m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, CATEGORY_LANGUAGE);
        pA->m_bExpanded = 1;
        auto* pError = new CSpellError(pA, KIND_SPELLING, 1, 2, "teh", 1, "1:teh");
        pError->AddRef();
        pA->m_errors.push_back(pError);
        doc.SetModifiedFlag(false);
    }

    std::string Add(const std::string& name) {
        std::string path = dir.WriteFile(name, "1:teh\n");
        doc.AddFile(path);
        return path;
    }
    // From now on the token syntax takes ".md" files and no longer ".txt" files.
    void MoveTokenSyntaxToMd() { app.m_parsers.GetAt(0)->SetExtensions("md"); }
    size_t Rebuilds() const {
        auto codes = view.Codes();
        return std::count(codes.begin(), codes.end(), std::make_pair(NOTIFY_REBUILD, 0));
    }

    std::string a, b, c;
};
} // namespace

TEST_F(Reassociate, AffectedFilesLoseTheirCheckAndAreListedByName) {
    ASSERT_EQ(doc.m_files[0]->m_nSyntax, 0);
    ASSERT_EQ(doc.m_files[1]->m_nSyntax, -1);
    MoveTokenSyntaxToMd();
    doc.ReassociateFiles();
    ASSERT_EQ(app.Display().Messages(), (std::vector<std::string>{kQuestion}));
    EXPECT_EQ(app.Display().Types()[0], MB_YESNO | MB_ICONQUESTION);
    const CSpellFile* pA = doc.m_files[0];
    EXPECT_EQ(pA->m_nSyntax, -1);
    EXPECT_TRUE(pA->m_errors.empty());
    EXPECT_EQ(pA->m_tChecked, 0);
    EXPECT_EQ(pA->m_nStatus, STATUS_NOT_CHECKED);
    EXPECT_EQ(pA->m_bExpanded, 0);
    EXPECT_EQ(doc.m_files[1]->m_nSyntax, 0);
    EXPECT_EQ(doc.m_files[2]->m_nSyntax, -1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Rebuilds(), 1u);
    EXPECT_FALSE(doc.IsRunning());
}

TEST_F(Reassociate, YesChecksTheAffectedFiles) {
    MoveTokenSyntaxToMd();
    app.Display().QueueAnswer(IDYES);
    doc.ReassociateFiles();
    ASSERT_TRUE(view.WaitForRunEnd());
    ASSERT_EQ(doc.m_files[1]->m_errors.size(), 1u);
    EXPECT_EQ(doc.m_files[1]->m_errors[0]->m_strWord, "teh");
    EXPECT_GT(doc.m_files[1]->m_tChecked, 0);
}

TEST_F(Reassociate, NothingAffectedNothingHappens) {
    doc.ReassociateFiles();
    EXPECT_TRUE(app.Display().Messages().empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Rebuilds(), 0u);
    EXPECT_EQ(doc.m_files[0]->m_errors.size(), 1u);
}

TEST_F(Reassociate, DuringARunFilesAreResetWithoutAQuestion) {
    MoveTokenSyntaxToMd();
    doc.SetRunning(true);
    doc.ReassociateFiles();
    doc.SetRunning(false);
    EXPECT_TRUE(app.Display().Messages().empty());
    EXPECT_EQ(doc.m_files[1]->m_nSyntax, 0);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Rebuilds(), 1u);
}

TEST_F(Reassociate, AddFilesKeepsTheGivenOrderAndSkipsKnownPaths) {
    std::string d = dir.WriteFile("d.txt", "x"), e = dir.WriteFile("e.txt", "x");
    doc.AddFiles({e, a, d, e});
    ASSERT_EQ(doc.m_files.size(), 5u);
    EXPECT_EQ(doc.m_files[3]->m_strPath, e);
    EXPECT_EQ(doc.m_files[4]->m_strPath, d);
    EXPECT_EQ(doc.m_files[4]->m_nStatus, STATUS_NOT_CHECKED);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Rebuilds(), 1u);
}
