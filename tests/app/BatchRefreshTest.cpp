// Batch mode on a stored project whose folder changed on disk since its last run: the
// real program, with settings kept apart through XDG_CONFIG_HOME.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FileStatus.h"
#include "project/MirtDoc.h"
#include "tests/support/Golden.h"
#include "tests/support/Process.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestApp.h"

namespace {
const char* const kNothingToDo =
    "All files already have been checked; use -r option to reset spellchecking results\n";

std::string Summary(int nFiles, int nWithErrors, int nSpelling) {
    auto s = [](int n) { return n == 1 ? "" : "s"; };
    return "\nSpelling check complete.\n   " + std::to_string(nFiles) + " file" + s(nFiles) +
           " checked;\n   " + std::to_string(nWithErrors) + " file" + s(nWithErrors) + " " +
           (nWithErrors == 1 ? "has" : "have") + " errors;\n   " + std::to_string(nSpelling) +
           " spelling error" + s(nSpelling) + " found;\n   0 indecent words found.\n";
}

class BatchRefresh : public ::testing::Test {
protected:
    void SetUp() override {
        a = dir.WriteFile("src/a.cpp", "int a;\n");
        SProcessResult first = Mirt({"--add-folder", dir / "src", project()});
        ASSERT_EQ(first.nExitCode, 0) << first.strStdout;
        ASSERT_EQ(first.strStdout, a + " - OK\n" + Summary(1, 0, 0));
    }
    SProcessResult Mirt(std::vector<std::string> args) {
        args.insert(args.begin(), "-console");
        return RunProgram(MirtProgram(), args, {{"XDG_CONFIG_HOME", config.Path()}});
    }
    std::string project() const { return dir / "p.mrk"; }
    // The stored project's files and declined paths.
    std::vector<std::string> StoredFiles(std::vector<std::string>* pDeclined = nullptr) {
        CTestApp app;
        // Opening refreshes the project: with these switches it asks nothing and takes
        // nothing in, so what is seen is what was stored.
        app.m_bConsole = 1;
        app.m_bUpdate = 0;
        CMirtDoc doc(app);
        EXPECT_TRUE(doc.OnOpenDocument(project()));
        std::vector<std::string> files;
        for (const CSpellFile* p : doc.m_files)
            files.push_back(p->m_strPath);
        if (pDeclined)
            *pDeclined = doc.m_declinedFiles;
        return files;
    }

    CTempDir dir;
    CTempDir config;
    std::string a;
};
} // namespace

TEST_F(BatchRefresh, FileAddedToTheFolderIsChecked) {
    std::string b = dir.WriteFile("src/sub/b.cpp", "const char* s = \"recieve\";\n");
    dir.WriteFile("src/notes.xyz", "recieve\n");
    SProcessResult r = Mirt({project()});
    EXPECT_EQ(r.nExitCode, 0);
    EXPECT_TEXT_EQ(b + " - 1 error\n" + Summary(1, 1, 1), r.strStdout);
    EXPECT_EQ(StoredFiles(), (std::vector<std::string>{a, b}));
}

TEST_F(BatchRefresh, WithNoUpdateTheAddedFileIsLeftOut) {
    std::string b = dir.WriteFile("src/b.cpp", "const char* s = \"recieve\";\n");
    SProcessResult r = Mirt({"-n", project()});
    EXPECT_EQ(r.nExitCode, 0);
    EXPECT_EQ(r.strStdout, kNothingToDo);
    std::vector<std::string> declined;
    EXPECT_EQ(StoredFiles(&declined), (std::vector<std::string>{a}));
    // Left out this time only: a later run without -n still takes it in.
    EXPECT_TRUE(declined.empty());
    SProcessResult later = Mirt({project()});
    EXPECT_TEXT_EQ(b + " - 1 error\n" + Summary(1, 1, 1), later.strStdout);
}

TEST_F(BatchRefresh, DeletedFileIsDroppedFromTheProject) {
    std::string b = dir.WriteFile("src/b.cpp", "int b;\n");
    ASSERT_EQ(Mirt({project()}).nExitCode, 0);
    std::filesystem::remove(a);
    SProcessResult r = Mirt({"-r", project()});
    EXPECT_EQ(r.nExitCode, 0);
    EXPECT_TEXT_EQ(b + " - OK\n" + Summary(1, 0, 0), r.strStdout);
    EXPECT_EQ(StoredFiles(), (std::vector<std::string>{b}));
}

TEST_F(BatchRefresh, ChangedFileIsCheckedAgainWithoutAQuestion) {
    dir.WriteFile("src/a.cpp", "const char* s = \"adress\";\n");
    // Later than the first run's check, whatever the clock's resolution.
    SetFileTime(a, CurrentTime() + 100);
    SProcessResult r = Mirt({project()});
    EXPECT_EQ(r.nExitCode, 0);
    EXPECT_TEXT_EQ(a + " - 1 error\n" + Summary(1, 1, 1), r.strStdout);
}
