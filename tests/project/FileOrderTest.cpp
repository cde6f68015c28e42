// The six orders of the project's files, and when the document refuses to sort.
#include <gtest/gtest.h>

#include "project/FileOrder.h"
#include "tests/support/DocFixture.h"

namespace {
class FileOrder : public CDocTest {
protected:
    // Files whose times, finding counts, names and types all differ in order.
    void SetUp() override {
        CDocTest::SetUp();
        Add("b.TXT", "");
        Add("C.cpp", "");
        Add("a.h", "");
        Add("noext", "");
        Set(0, 300, 10, 1);
        Set(1, 100, 30, 3);
        Set(2, 0, 20, 2);
        Set(3, 200, 40, 0);
    }
    void Set(size_t i, int64_t tChecked, int64_t tModified, int nFindings) {
        CSpellFile* f = File(i);
        f->m_tChecked = tChecked;
        f->m_tModified = tModified;
        for (int n = 0; n < nFindings; ++n) {
            auto* e = new CSpellError(f, KIND_SPELLING, 1, 0, "w", 1, "w");
            e->AddRef();
            f->m_errors.push_back(e);
        }
        // An ignored finding does not count.
        auto* e = new CSpellError(f, KIND_SPELLING, 1, 0, "w", 1, "w");
        e->AddRef();
        e->m_bIgnored = 1;
        f->m_errors.push_back(e);
    }
    std::string Names() {
        std::string names;
        for (const CSpellFile* f : doc.m_files)
            names += (names.empty() ? "" : " ") + f->GetDisplayName();
        return names;
    }
    std::string SortedBy(int32_t nOrder) {
        EXPECT_TRUE(doc.SortFiles(nOrder));
        return Names();
    }
};
} // namespace

TEST_F(FileOrder, EachOrderSortsByItsKey) {
    EXPECT_EQ(SortedBy(SORT_LAST_CHECK), "b.TXT noext C.cpp a.h");
    EXPECT_EQ(SortedBy(SORT_MODIFIED), "noext C.cpp a.h b.TXT");
    EXPECT_EQ(SortedBy(SORT_ERROR_COUNT), "C.cpp a.h b.TXT noext");
    EXPECT_EQ(SortedBy(SORT_FILE_NAME), "a.h b.TXT C.cpp noext");
    EXPECT_EQ(SortedBy(SORT_FILE_TYPE), "noext C.cpp a.h b.TXT");
    EXPECT_EQ(SortedBy(SORT_ADD_ORDER), "b.TXT C.cpp a.h noext");
}

TEST_F(FileOrder, AddOrderFollowsRecordCreationAfterALoad) {
    std::string path = dir / "p.mrk";
    ASSERT_TRUE(doc.SortFiles(SORT_FILE_NAME));
    ASSERT_TRUE(doc.OnSaveDocument(path));
    CMirtDoc other(app);
    ASSERT_TRUE(other.OnOpenDocument(path));
    ASSERT_TRUE(other.SortFiles(SORT_ADD_ORDER));
    std::string names;
    for (const CSpellFile* f : other.m_files)
        names += f->GetDisplayName() + " ";
    // Loading creates the records in the stored order, which was the name order.
    EXPECT_EQ(names, "a.h b.TXT C.cpp noext ");
}

TEST_F(FileOrder, NoSortDuringARunOrByAnUnknownId) {
    doc.SetRunning(true);
    EXPECT_FALSE(doc.SortFiles(SORT_FILE_NAME));
    doc.SetRunning(false);
    EXPECT_EQ(Names(), "b.TXT C.cpp a.h noext");
    EXPECT_FALSE(doc.SortFiles(32796));
    EXPECT_FALSE(IsSortOrder(32789));
    EXPECT_TRUE(IsSortOrder(SORT_FILE_TYPE));
}
