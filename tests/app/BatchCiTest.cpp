// Batch mode for CI and the terminal through the real program: the findings in three
// formats on standard output, the exit status that gates a job, the categories of a
// run, word lists in and out, and switches nobody knows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include "project/MirtDoc.h"
#include "tests/support/Golden.h"
#include "tests/support/Process.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestApp.h"

namespace {
// Findings of every category and kind: a spelling and an indecent word in a comment,
// an identifier and a string, one word the dictionary replaces and one that is ignored.
const char* const kSample = "// A coment about arse\n"
                            "int mispeled_arse = 1;\n"
                            "const char* s = \"Helo wrold, arse\";\n"
                            "const char* t = \"Ignord here\";\n";

std::string Golden(const std::string& strName, const std::string& strActual) {
    return GoldenText(std::string(MIRT_TEST_DATA_DIR) + "/golden/batch/" + strName, strActual);
}

std::string Replaced(std::string text, const std::string& strFrom, const std::string& strTo) {
    for (size_t n = text.find(strFrom); n != std::string::npos;
         n = text.find(strFrom, n + strTo.size()))
        text.replace(n, strFrom.size(), strTo);
    return text;
}

class BatchCi : public ::testing::Test {
protected:
    // Runs in the project's folder, so that paths below it are written relative.
    SProcessResult Mirt(std::vector<std::string> args) {
        args.insert(args.begin(), "-console");
        return RunProgram(MirtProgram(), args, {{"XDG_CONFIG_HOME", config.Path()}}, dir.Path());
    }
    std::string project() const { return dir / "p.mrk"; }
    // The sample checked in every category, "Ignord" on the word list and "wrold" always
    // replaced by "world".
    void CheckedSample() {
        dir.WriteFile("src/a.cpp", kSample);
        dir.WriteFile("words.txt", "# words the team accepts\n  Ignord  # a name\n\n");
        SProcessResult r = Mirt({"--add-folder", "src", "--check", "all", "--profanity", "all",
                                 "--words", "words.txt", "p.mrk"});
        ASSERT_EQ(r.nExitCode, 0) << r.strStdout << r.strStderr;
        CTestApp app;
        CMirtDoc doc(app);
        ASSERT_TRUE(doc.OnOpenDocument(project()));
        doc.m_dictionary.SetReplacement("wrold", 1, "world");
        ASSERT_TRUE(doc.OnSaveDocument(project()));
    }
    void WithProject(const std::function<void(CMirtDoc&)>& use) {
        CTestApp app;
        CMirtDoc doc(app);
        ASSERT_TRUE(doc.OnOpenDocument(project()));
        use(doc);
    }

    CTempDir dir;
    CTempDir config;
};
} // namespace

TEST_F(BatchCi, EachFormatCarriesTheFindingsAloneOnStandardOutput) {
    CheckedSample();
    for (const char* pszFormat : {"lines", "json", "sarif"}) {
        SProcessResult r = Mirt({"-r", "--format", pszFormat, "p.mrk"});
        EXPECT_EQ(r.nExitCode, 0) << pszFormat << r.strStderr;
        std::string strActual = Replaced(r.strStdout, dir.Path(), "<dir>");
        std::string strName =
            std::string("findings.") + (pszFormat == std::string("lines") ? "txt" : pszFormat);
        EXPECT_TEXT_EQ(Golden(strName, strActual), strActual) << pszFormat;
        // The messages of the run go to standard error; the file lines are left out.
        EXPECT_NE(r.strStderr.find("Spelling check complete."), std::string::npos) << r.strStderr;
        EXPECT_EQ(r.strStderr.find("a.cpp"), std::string::npos) << r.strStderr;
    }
}

// The report of the same run, byte for byte: the findings of every category and kind
// under one file, the ignored word left out.
TEST_F(BatchCi, TheHtmlReportOfTheRunIsTheGolden) {
    CheckedSample();
    SProcessResult r = Mirt({"-r", "-o", "report.html", "p.mrk"});
    ASSERT_EQ(r.nExitCode, 0) << r.strStdout << r.strStderr;
    std::string strActual = WithFolderHidden(ReadWholeFile(dir / "report.html"), dir.Path());
    EXPECT_TEXT_EQ(Golden("report.html", strActual), strActual);
}

// Code scanning takes only what follows the SARIF 2.1.0 schema; the check itself is
// shown to catch a document that breaks it.
TEST_F(BatchCi, TheSarifOutputFollowsTheSchema) {
    CheckedSample();
    SProcessResult r = Mirt({"-r", "--format", "sarif", "p.mrk"});
    ASSERT_EQ(r.nExitCode, 0);
    std::string strSchema = std::string(MIRT_TEST_DATA_DIR) + "/sarif/sarif-schema-2.1.0.json";
    std::string strValidator = std::string(MIRT_SOURCE_DIR) + "/tools/validate_json.py";
    std::string strGood = dir.WriteFile("good.sarif", r.strStdout);
    SProcessResult valid = RunProgram("/usr/bin/python3", {strValidator, strSchema, strGood});
    EXPECT_EQ(valid.nExitCode, 0) << valid.strStdout << valid.strStderr;
    std::string strBad =
        dir.WriteFile("bad.sarif", Replaced(r.strStdout, "\"startLine\": 1,", "\"startLine\": 0,"));
    SProcessResult invalid = RunProgram("/usr/bin/python3", {strValidator, strSchema, strBad});
    EXPECT_EQ(invalid.nExitCode, 1) << invalid.strStdout << invalid.strStderr;
}

TEST_F(BatchCi, ExitCodeSaysWhetherFindingsRemainOrNothingCouldBeChecked) {
    CheckedSample();
    EXPECT_EQ(Mirt({"--exit-code", "p.mrk"}).nExitCode, 1);
    // Every counting finding ignored: nothing remains.
    dir.WriteFile("all.txt", "coment\narse\nmispeled\nHelo\nwrold\n");
    SProcessResult clean = Mirt({"--exit-code", "--words", "all.txt", "p.mrk"});
    EXPECT_EQ(clean.nExitCode, 0) << clean.strStdout;
    // Without the switch findings never fail a run.
    EXPECT_EQ(Mirt({"-r", "p.mrk"}).nExitCode, 0);
    // A project whose only file has no parser, and one that cannot be read.
    dir.WriteFile("other/notes.xyz", "Helo\n");
    SProcessResult none =
        Mirt({"--exit-code", "--add-folder", "other", "--mask", "*.xyz", "q.mrk"});
    EXPECT_EQ(none.nExitCode, 2) << none.strStdout;
    EXPECT_EQ(Mirt({"--exit-code", "missing.mrk"}).nExitCode, 2);
}

TEST_F(BatchCi, CategoriesOfTheRunAreStoredInTheProject) {
    dir.WriteFile("src/a.cpp", kSample);
    ASSERT_EQ(Mirt({"--add-folder", "src", "p.mrk"}).nExitCode, 0);
    WithProject([](CMirtDoc& doc) { EXPECT_EQ(doc.m_options.m_nCheckOptions, 17); });
    SProcessResult r = Mirt({"--check", "comments,code", "--profanity", "none", "p.mrk"});
    EXPECT_NE(r.strStdout.find("a.cpp - 3 errors"), std::string::npos) << r.strStdout;
    WithProject([](CMirtDoc& doc) { EXPECT_EQ(doc.m_options.m_nCheckOptions, 6); });
    // A later run without the switches keeps them.
    EXPECT_NE(Mirt({"-r", "p.mrk"}).strStdout.find("a.cpp - 3 errors"), std::string::npos);
    SProcessResult bad = Mirt({"--check", "strings,prose", "p.mrk"});
    EXPECT_EQ(bad.nExitCode, 2);
    EXPECT_EQ(bad.strStderr, "mirt: unknown categories strings,prose; use strings, comments, code "
                             "(comma separated), all or none\n");
}

TEST_F(BatchCi, ListedWordsAreIgnoredAndKeptAsProjectRules) {
    CheckedSample();
    WithProject([](CMirtDoc& doc) {
        for (int32_t nCategory : {1, 2, 4}) {
            std::string strValue;
            EXPECT_TRUE(doc.m_dictionary.LookupReplacement("Ignord", nCategory, strValue));
            EXPECT_EQ(strValue, "<ignore>");
        }
        const CSpellErrors& errors = doc.m_files[0]->m_errors;
        auto it = std::find_if(errors.begin(), errors.end(),
                               [](const CSpellError* p) { return p->m_strWord == "Ignord"; });
        ASSERT_NE(it, errors.end());
        EXPECT_EQ((*it)->m_bIgnored, 1);
    });
    SProcessResult missing = Mirt({"--words", "none.txt", "p.mrk"});
    EXPECT_EQ(missing.nExitCode, 1);
    EXPECT_EQ(missing.strStderr,
              "mirt: cannot read word list none.txt: No such file or directory\n");
}

TEST_F(BatchCi, TheWordsOfARunCanStartAnAllowList) {
    CheckedSample();
    ASSERT_EQ(Mirt({"-r", "--export-words", "found.txt", "p.mrk"}).nExitCode, 0);
    EXPECT_EQ(ReadWholeFile(dir / "found.txt"), "arse\ncoment\nHelo\nmispeled\nwrold\n");
    SProcessResult again = Mirt({"-r", "--exit-code", "--words", "found.txt", "p.mrk"});
    EXPECT_EQ(again.nExitCode, 0) << again.strStdout;
}

TEST_F(BatchCi, UnknownSwitchesAreNamedAndTheVersionIsPrinted) {
    dir.WriteFile("src/a.cpp", "int x;\n");
    SProcessResult r = Mirt({"--add-folder", "src", "--outt", "--Verbose", "p.mrk"});
    EXPECT_EQ(r.strStderr,
              "mirt: unknown switch --outt (ignored)\nmirt: unknown switch --Verbose (ignored)\n");
    EXPECT_EQ(r.nExitCode, 0);
    for (std::vector<std::string> args : {std::vector<std::string>{"--version"},
                                          std::vector<std::string>{"-console", "--version"}}) {
        SProcessResult v = RunProgram(MirtProgram(), args, {{"XDG_CONFIG_HOME", config.Path()}});
        EXPECT_EQ(v.strStdout, "mirt 3.10\n");
        EXPECT_EQ(v.nExitCode, 0);
    }
    SProcessResult format = Mirt({"--format", "xml", "p.mrk"});
    EXPECT_EQ(format.strStderr, "mirt: unknown format xml; use lines, json or sarif\n");
    EXPECT_EQ(format.nExitCode, 2);
}

TEST_F(BatchCi, TheCppExtensionsCommonOnLinuxAreChecked) {
    std::vector<std::string> names = {"a.hpp", "b.hh",  "c.hxx", "d.h++", "e.cc", "f.cxx",
                                      "g.c++", "h.ipp", "i.tpp", "j.tcc", "k.inl"};
    for (const std::string& strName : names)
        dir.WriteFile("src/" + strName, "const char* s = \"Helo\";\n");
    SProcessResult r = Mirt({"--add-folder", "src", "p.mrk"});
    for (const std::string& strName : names)
        EXPECT_NE(r.strStdout.find("src/" + strName + " - 1 error\n"), std::string::npos)
            << strName << "\n"
            << r.strStdout;
}

// The syntaxes bundled beside the program take these files; each file's comment has
// one misspelling, found with the comments checked.
TEST_F(BatchCi, TheBundledSyntaxesCheckTheirFiles) {
    std::vector<std::pair<std::string, std::string>> files = {
        {"a.py", "# a mispeled note\n"},    {"b.pyw", "# a mispeled note\n"},
        {"c.sh", "# a mispeled note\n"},    {"d.bash", "# a mispeled note\n"},
        {"e.zsh", "# a mispeled note\n"},   {"f.go", "// a mispeled note\n"},
        {"g.rs", "// a mispeled note\n"},   {"h.ts", "// a mispeled note\n"},
        {"i.tsx", "// a mispeled note\n"},  {"j.mts", "/* a mispeled note */\n"},
        {"k.cts", "// a mispeled note\n"},  {"l.css", "/* a mispeled note */\n"},
        {"m.scss", "// a mispeled note\n"}, {"n.less", "// a mispeled note\n"},
        {"o.cmake", "# a mispeled note\n"}, {"p.yml", "# a mispeled note\n"},
        {"q.yaml", "# a mispeled note\n"}};
    for (const auto& [strName, strText] : files)
        dir.WriteFile("src/" + strName, strText);
    SProcessResult r = Mirt({"--add-folder", "src", "--check", "comments", "p.mrk"});
    EXPECT_EQ(r.strStdout.find("No parser found"), std::string::npos) << r.strStdout;
    for (const auto& [strName, strText] : files)
        EXPECT_NE(r.strStdout.find("src/" + strName + " - 1 error\n"), std::string::npos)
            << strName << "\n"
            << r.strStdout;
}

// What standard error shows when it is a terminal: a counter per file, cleared at the
// end, and nothing of it when it is not one (the other tests read it from a pipe).
TEST_F(BatchCi, ATerminalSeesACounterThatIsClearedAtTheEnd) {
    dir.WriteFile("src/a.cpp", "const char* s = \"Helo\";\n");
    dir.WriteFile("src/b.cpp", "int x;\n");
    int nMaster = -1, nSlave = -1;
    ASSERT_EQ(openpty(&nMaster, &nSlave, nullptr, nullptr, nullptr), 0);
    pid_t pid = fork();
    if (pid == 0) {
        close(nMaster);
        int nNull = open("/dev/null", O_WRONLY);
        dup2(nNull, 1);
        dup2(nSlave, 2);
        setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
        std::string strProgram = MirtProgram(), strSrc = dir / "src", strProject = dir / "p.mrk";
        execl(strProgram.c_str(), strProgram.c_str(), "-console", "--add-folder", strSrc.c_str(),
              strProject.c_str(), nullptr);
        _exit(127);
    }
    close(nSlave);
    std::string strTerminal;
    char buffer[4096];
    for (ssize_t n; (n = read(nMaster, buffer, sizeof(buffer))) > 0;)
        strTerminal.append(buffer, static_cast<size_t>(n));
    close(nMaster);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const std::string strClear = "\r\033[K";
    EXPECT_NE(strTerminal.find(strClear + "[1/2] " + (dir / "src/a.cpp")), std::string::npos)
        << strTerminal;
    EXPECT_NE(strTerminal.find(strClear + "[2/2] " + (dir / "src/b.cpp")), std::string::npos);
    EXPECT_TRUE(strTerminal.ends_with(strClear)) << strTerminal;
}
