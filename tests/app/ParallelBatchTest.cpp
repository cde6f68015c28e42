// A run on every core writes the project and the report that a run on one thread
// writes, byte for byte: over a file of every syntax with findings of every kind, and
// over a larger tree of copies with words of their own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project/MirtDoc.h"
#include "tests/support/Golden.h"
#include "tests/support/Process.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestApp.h"

namespace {
// Typos and an indecent word in the strings, comments and code of each built-in syntax.
const std::vector<std::pair<std::string, std::string>> kSources = {
    {"a.vb", "' A coment on teh form\nDim mispeled As String = \"Helo wrold arse\"\n"},
    {"b.java", "/** Recieve the adress */\nclass Sendr { String s = \"wierd arse\"; }\n"},
    {"c.html", "<html><!-- a coment --><p title=\"tpyo\">Helo wrold arse</p>\n"
               "<script>var mispeled = 'strng'; // coment\n</script></html>\n"},
    {"d.vbs", "' Recieve teh data\nDim adress : adress = \"wrold arse\"\n"},
    {"e.js", "// A coment with teh typo\nvar recieveData = \"Helo arse\";\n"},
    {"f.pl", "# A coment with teh typo\nmy $adress = \"wierd arse\";\n"},
    {"g.php", "<?php // a coment\n$mispeled = \"Helo wrold arse\"; ?>\n<p>teh text</p>\n"},
    {"h.rc", "STRINGTABLE\nBEGIN\n  IDS_HELO \"Helo wrold arse\"\nEND\n"},
};
const char* const kDataFiles[] = {"parsers/cpp/Spooler.cpp",       "parsers/rc/Spooler.rc",
                                  "syntaxes/cmake/sample.cmake",   "syntaxes/css/sample.css",
                                  "syntaxes/go/sample.go",         "syntaxes/python/sample.py",
                                  "syntaxes/rust/sample.rs",       "syntaxes/shell/sample.sh",
                                  "syntaxes/typescript/sample.ts", "syntaxes/yaml/sample.yml"};

class ParallelBatch : public ::testing::Test {
protected:
    void WriteSamples(const std::string& strFolder) {
        for (const auto& [name, text] : kSources)
            dir.WriteFile(strFolder + "/" + name, text);
        for (const char* pszData : kDataFiles) {
            std::string name = pszData;
            dir.WriteFile(strFolder + "/" + name.substr(name.rfind('/') + 1),
                          ReadWholeFile(std::string(MIRT_TEST_DATA_DIR) + "/" + name));
        }
    }

    // Checks src into the project and report of that name, on that many threads.
    void Check(const std::string& strName, const std::string& strThreads) {
        SProcessResult r =
            RunProgram(MirtProgram(),
                       {"-console", "--add-folder", "src", "--check", "all", "--profanity", "all",
                        "--threads", strThreads, "-o", strName + ".html", strName + ".mrk"},
                       {{"XDG_CONFIG_HOME", config.Path()}, {"MIRT_RUN_STATS", "1"}}, dir.Path());
        ASSERT_EQ(r.nExitCode, 0) << r.strStderr;
        // The run really had that many threads.
        EXPECT_NE(r.strStderr.find(", threads " + strThreads + "\n"), std::string::npos)
            << r.strStderr;
    }

    // The project as stored, but for the time each file was checked.
    std::string StoredWithoutTimes(const std::string& strName) {
        CTestApp app;
        CMirtDoc doc(app);
        EXPECT_TRUE(doc.OnOpenDocument(dir / (strName + ".mrk")));
        for (CSpellFile* pFile : doc.m_files)
            pFile->m_tChecked = 0;
        std::string strPath = dir / (strName + ".untimed");
        EXPECT_TRUE(doc.OnSaveDocument(strPath));
        return ReadWholeFile(strPath);
    }

    void ExpectSameResults() {
        Check("one", "1");
        Check("all", "4");
        // Compared whole; a difference would print two reports of many pages.
        EXPECT_TRUE(ReadWholeFile(dir / "all.html") == ReadWholeFile(dir / "one.html"));
        std::string strOne = StoredWithoutTimes("one");
        EXPECT_FALSE(strOne.empty());
        EXPECT_TRUE(StoredWithoutTimes("all") == strOne);
    }

    CTempDir dir;
    CTempDir config;
};
} // namespace

TEST_F(ParallelBatch, EverySyntaxGivesTheSameProjectAndReport) {
    WriteSamples("src");
    ExpectSameResults();
    // Every syntax was checked, and findings of each kind were made: the whole report.
    std::string strReport = WithFolderHidden(ReadWholeFile(dir / "one.html"), dir.Path());
    EXPECT_TEXT_EQ(
        GoldenText(std::string(MIRT_TEST_DATA_DIR) + "/golden/batch/every-syntax-report.html",
                   strReport),
        strReport);
}

// Forty copies, each with typos of its own, and identifiers that a later copy's
// comments name: words whose findings depend on the files read before them.
TEST_F(ParallelBatch, ALargerTreeGivesTheSameProjectAndReport) {
    auto own = [](int i) {
        return "zq" + std::string(1, static_cast<char>('a' + i % 26)) +
               std::string(1, static_cast<char>('a' + i / 26));
    };
    for (int i = 0; i < 40; ++i) {
        const std::string folder = "src/copy" + std::to_string(i);
        WriteSamples(folder);
        dir.WriteFile(folder + "/own.cpp", "// A coment on tpyo" + own(i) + " and ident" +
                                               own(i > 0 ? i - 1 : 0) + "\nint ident" + own(i) +
                                               " = helo" + own(i) + "(\"strng" + own(i) + "\");\n");
    }
    ExpectSameResults();
}
