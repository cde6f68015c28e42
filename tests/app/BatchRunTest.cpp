// Batch mode end to end: the real program on projects made in temporary folders, with
// the real Aspell folder of the build and settings kept apart through XDG_CONFIG_HOME.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/stat.h>

#include "project/MirtDoc.h"
#include "tests/support/Golden.h"
#include "tests/support/Process.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestApp.h"

namespace {
std::string Summary(int nFiles, int nWithErrors, int nSpelling, int nBad) {
    auto s = [](int n) { return n == 1 ? "" : "s"; };
    return "\nSpelling check complete.\n   " + std::to_string(nFiles) + " file" + s(nFiles) +
           " checked;\n   " + std::to_string(nWithErrors) + " file" + s(nWithErrors) + " " +
           (nWithErrors == 1 ? "has" : "have") + " errors;\n   " + std::to_string(nSpelling) +
           " spelling error" + s(nSpelling) + " found;\n   " + std::to_string(nBad) +
           " indecent word" + s(nBad) + " found.";
}

class BatchRun : public ::testing::Test {
protected:
    SProcessResult Mirt(std::vector<std::string> args, const std::string& strProgram = "") {
        args.insert(args.begin(), "-console");
        return RunProgram(strProgram.empty() ? MirtProgram() : strProgram, args,
                          {{"XDG_CONFIG_HOME", config.Path()}});
    }
    // Creates the project from the folder src/ and checks it.
    SProcessResult AddAndRun(std::vector<std::string> extra = {}) {
        std::vector<std::string> args = {"--add-folder", src(), "-o", report(), project()};
        args.insert(args.begin(), extra.begin(), extra.end());
        return Mirt(args);
    }
    std::string src() const { return dir / "src"; }
    std::string project() const { return dir / "p.mrk"; }
    std::string report() const { return dir / "report.html"; }
    std::string Write(const std::string& name, const std::string& text) {
        return dir.WriteFile("src/" + name, text);
    }
    // Opens the stored project with the library to look at, or change, what it holds.
    void WithProject(const std::function<void(CMirtDoc&)>& use, bool bSave = false) {
        CTestApp app;
        CMirtDoc doc(app);
        ASSERT_TRUE(doc.OnOpenDocument(project()));
        use(doc);
        if (bSave) {
            ASSERT_TRUE(doc.OnSaveDocument(project()));
        }
    }
    CSpellFile* FileNamed(CMirtDoc& doc, const std::string& name) {
        for (CSpellFile* p : doc.m_files)
            if (p->GetDisplayName() == name)
                return p;
        ADD_FAILURE() << name << " is not in the project";
        return nullptr;
    }

    CTempDir dir;
    CTempDir config;
};
} // namespace

TEST_F(BatchRun, ChecksEveryFileAndWritesTheReport) {
    std::string a = Write("a.cpp", "const char* s = \"Please recieve this\";\n");
    std::string b = Write("b.cpp", "// nothing to see\nint main() { return 0; }\n");
    SProcessResult r = AddAndRun();
    EXPECT_TEXT_EQ(a + " - 1 error\n" + b + " - OK\n" + Summary(2, 1, 1, 0) +
                       "\nResults are stored in " + report() + "\n",
                   r.strStdout);
    EXPECT_EQ(r.nExitCode, 0);
    // The whole report, byte for byte: a file with a finding and one without.
    std::string html = WithFolderHidden(ReadWholeFile(report()), dir.Path());
    EXPECT_TEXT_EQ(
        GoldenText(std::string(MIRT_TEST_DATA_DIR) + "/golden/batch/two-files-report.html", html),
        html);
    WithProject([&](CMirtDoc& doc) {
        CSpellFile* f = FileNamed(doc, "a.cpp");
        ASSERT_EQ(f->m_errors.size(), 1u);
        const CSpellError* e = f->m_errors[0];
        EXPECT_EQ(e->m_strWord, "recieve");
        EXPECT_EQ(e->m_nLine, 1);
        EXPECT_EQ(e->m_nPos, 24);
        EXPECT_EQ(e->m_nCategory, 1);
        EXPECT_NE(std::find(e->m_suggestions.begin(), e->m_suggestions.end(), "receive"),
                  e->m_suggestions.end());
        EXPECT_EQ(doc.m_options.m_nCheckOptions, 17);
        ASSERT_EQ(doc.m_folders.size(), 1u);
        EXPECT_EQ(doc.m_folders[0]->m_bIncludeSubfolders, 1);
    });
}

TEST_F(BatchRun, SecondRunHasNothingToDoUntilReset) {
    std::string a = Write("a.cpp", "const char* s = \"Please recieve this\";\n");
    AddAndRun();
    SProcessResult again = Mirt({project()});
    EXPECT_EQ(again.strStdout, "All files already have been checked; use -r option to reset "
                               "spellchecking results\n");
    EXPECT_EQ(again.nExitCode, 0);
    SProcessResult reset = Mirt({"-r", project()});
    EXPECT_TEXT_EQ(a + " - 1 error\n" + Summary(1, 1, 1, 0) + "\n", reset.strStdout);
}

TEST_F(BatchRun, ProjectRulesApplyToTheNewFindings) {
    Write("a.cpp", "g(\"recieve\"); TRACE(\"recieve\");\n"
                   "const char* s = \"adress\";\n"
                   "const char* t = \"wierd\";\n");
    AddAndRun();
    WithProject(
        [](CMirtDoc& doc) {
            doc.m_dictionary.SetReplacement("adress", 1, "address");
            doc.m_dictionary.SetReplacement("wierd", 1, "<ignore>");
            doc.m_dictionary.SetReplacement("recieve", 2, "receive"); // comments only
            doc.m_ignoreCalls.SetAt("TRACE");
        },
        true);
    SProcessResult r = Mirt({"-r", project()});
    EXPECT_EQ(r.nExitCode, 0);
    EXPECT_NE(r.strStdout.find("a.cpp - 2 errors\n"), std::string::npos) << r.strStdout;
    WithProject([&](CMirtDoc& doc) {
        const CSpellErrors& e = FileNamed(doc, "a.cpp")->m_errors;
        ASSERT_EQ(e.size(), 4u);
        EXPECT_EQ(e[0]->m_calls, (std::vector<std::string>{"g"}));
        EXPECT_EQ(e[0]->m_bIgnored, 0);
        EXPECT_EQ(e[0]->m_nChosen, -1);
        EXPECT_EQ(e[1]->m_calls, (std::vector<std::string>{"TRACE"}));
        EXPECT_EQ(e[1]->m_bIgnored, 1);
        EXPECT_EQ(e[2]->m_strWord, "adress");
        EXPECT_EQ(e[2]->m_bIgnored, 0);
        ASSERT_GE(e[2]->m_nChosen, 0);
        EXPECT_EQ(e[2]->m_suggestions[e[2]->m_nChosen], "address");
        EXPECT_EQ(e[3]->m_strWord, "wierd");
        EXPECT_EQ(e[3]->m_bIgnored, 1);
    });
}

TEST_F(BatchRun, IndecentWordsAreReportedAsBadWords) {
    std::string firstListed =
        ReadWholeFile(std::string(MIRT_SOURCE_DIR) + "/resources/keywords/148.txt");
    std::string word = firstListed.substr(0, firstListed.find('\r'));
    ASSERT_FALSE(word.empty());
    std::string a = Write("a.cpp", "const char* s = \"what " + word + " said\";\n");
    SProcessResult r = AddAndRun();
    EXPECT_TEXT_EQ(a + " - 1 bad word\n" + Summary(1, 1, 0, 1) + "\nResults are stored in " +
                       report() + "\n",
                   r.strStdout);
    WithProject([&](CMirtDoc& doc) {
        const CSpellErrors& e = FileNamed(doc, "a.cpp")->m_errors;
        ASSERT_EQ(e.size(), 1u);
        EXPECT_EQ(e[0]->m_nKind, KIND_PROFANITY);
        EXPECT_EQ(e[0]->m_suggestions, (std::vector<std::string>{std::string(word.size(), '*')}));
    });
}

TEST_F(BatchRun, OptionsZeroCheckNothing) {
    std::string a = Write("a.cpp", "const char* s = \"Please recieve this\";\n");
    AddAndRun();
    WithProject([](CMirtDoc& doc) { doc.m_options.m_nCheckOptions = 0; }, true);
    SProcessResult r = Mirt({project()});
    EXPECT_TEXT_EQ(a + " - OK\n" + Summary(1, 0, 0, 0) + "\n", r.strStdout);
}

TEST_F(BatchRun, LineEndsDoNotChangeWhatIsFound) {
    std::string text = "// x\n\"one recieve\"\n\"two adress\"";
    std::string crlf = text;
    for (size_t i = 0; (i = crlf.find('\n', i)) != std::string::npos; i += 2)
        crlf.replace(i, 1, "\r\n");
    Write("lf.cpp", text);
    Write("crlf.cpp", crlf);
    Write("cr.cpp", "// x\r\"one recieve\"\r\"two adress\"");
    Write("empty.cpp", "");
    SProcessResult r = AddAndRun();
    EXPECT_NE(r.strStdout.find("/empty.cpp - OK\n"), std::string::npos) << r.strStdout;
    WithProject([&](CMirtDoc& doc) {
        for (const char* name : {"lf.cpp", "crlf.cpp", "cr.cpp"}) {
            const CSpellErrors& e = FileNamed(doc, name)->m_errors;
            ASSERT_EQ(e.size(), 2u) << name;
            EXPECT_EQ(e[0]->m_nLine, 2);
            EXPECT_EQ(e[0]->m_nPos, 5);
            EXPECT_EQ(e[1]->m_nLine, 3);
            EXPECT_EQ(e[1]->GetLine(), "\"two adress\"");
        }
        EXPECT_EQ(FileNamed(doc, "empty.cpp")->m_nStatus, 0);
    });
}

TEST_F(BatchRun, UnknownSyntaxAndUnreadableFilesAreReportedInTheirLines) {
    Write("a.cpp", "int x;\n");
    AddAndRun();
    std::string odd = Write("notes.xyz", "\"recieve\"\n");
    std::string folder = dir.MakeDir("src/sub.cpp");
    WithProject(
        [&](CMirtDoc& doc) {
            doc.AddFile(odd);
            doc.AddFile(folder);
        },
        true);
    SProcessResult r = Mirt({project()});
    // a.cpp was checked by the first run, so only the two new files are taken up.
    EXPECT_TEXT_EQ(odd + " - No parser found\n" + folder + "Unable to open file " + folder + "\n" +
                       Summary(2, 0, 0, 0) + "\n",
                   r.strStdout);
    EXPECT_EQ(r.nExitCode, 0);
}

TEST_F(BatchRun, ProjectThatCannotBeReadFailsWithoutTouchingIt) {
    std::string path = dir.WriteFile("bad.mrk", std::string("\x05\0\0\0\x03\0", 6));
    SProcessResult r = Mirt({path});
    EXPECT_NE(r.nExitCode, 0);
    EXPECT_EQ(r.strStdout, "Unable to read project file " + path + ": unexpected end of data\n");
    EXPECT_EQ(ReadWholeFile(path), std::string("\x05\0\0\0\x03\0", 6));
    SProcessResult missing = Mirt({dir / "none.mrk"});
    EXPECT_NE(missing.nExitCode, 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "none.mrk"));
}

TEST_F(BatchRun, ReportThatCannotBeWrittenFailsTheRun) {
    Write("a.cpp", "int x;\n");
    SProcessResult r = Mirt({"--add-folder", src(), "-o", dir / "no/such/r.html", project()});
    EXPECT_NE(r.nExitCode, 0);
    EXPECT_NE(r.strStdout.find("Unable to open file " + (dir / "no/such/r.html")),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(project()));
}

TEST_F(BatchRun, EngineThatCannotStartFailsTheRun) {
    Write("a.cpp", "\"recieve\"\n");
    CTempDir bin;
    std::string program = bin / "mirt";
    std::filesystem::copy_file(MirtProgram(), program);
    chmod(program.c_str(), 0755);
    SProcessResult r = Mirt({"--add-folder", src(), project()}, program);
    EXPECT_NE(r.nExitCode, 0);
    EXPECT_NE(r.strStdout.find("Couldn't start ASpell. Please make sure that ASpell is installed "
                               "properly"),
              std::string::npos)
        << r.strStdout;
}

TEST_F(BatchRun, EmptyProjectSaysSoAndWritesNothing) {
    dir.MakeDir("src");
    SProcessResult r = AddAndRun();
    EXPECT_EQ(r.strStdout, "No files to check\n");
    EXPECT_EQ(r.nExitCode, 0);
    EXPECT_FALSE(std::filesystem::exists(report()));
}
