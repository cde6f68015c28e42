// Batch mode over every syntax: the real program checks one file of each built-in
// syntax, and user syntaxes read from the folder of a copy of the program.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/stat.h>

#include "parsers/MirtParserCpp.h"
#include "parsers/MirtParserHtml.h"
#include "parsers/MirtParserJava.h"
#include "parsers/MirtParserJavaScript.h"
#include "parsers/MirtParserPerl.h"
#include "parsers/MirtParserPhp.h"
#include "parsers/MirtParserRc.h"
#include "parsers/MirtParserVb.h"
#include "parsers/MirtParserVbScript.h"
#include "project/MirtDoc.h"
#include "tests/support/Golden.h"
#include "tests/support/Process.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestApp.h"

namespace {
// Spelling and indecent words of every category.
constexpr const char* kAllCheckOptions = "[General]\nCheckOptions=119\n";

// Stands for a syntax while the project is read back, so that its id is kept.
class CIdOnlyParser : public CMirtParser {
public:
    explicit CIdOnlyParser(int32_t nId) : m_nId(nId) {}
    int32_t GetId() const override { return m_nId; }

private:
    int32_t m_nId;
};

class SyntaxBatch : public ::testing::Test {
protected:
    void SetUp() override { config.WriteFile("Halvenik/Mirtora.conf", kAllCheckOptions); }

    SProcessResult AddAndRun(const std::string& strProgram) {
        return RunProgram(strProgram, {"-console", "--add-folder", src(), project()},
                          {{"XDG_CONFIG_HOME", config.Path()}});
    }
    std::string src() const { return dir / "src"; }
    std::string project() const { return dir / "p.mrk"; }
    std::string Write(const std::string& name, const std::string& text) {
        return dir.WriteFile("src/" + name, text);
    }
    // Opens the stored project with these parsers registered.
    void WithProject(std::vector<std::unique_ptr<CMirtParser>> parsers,
                     const std::function<void(CMirtDoc&)>& use) {
        CTestApp app;
        for (auto& p : parsers)
            app.m_parsers.Add(std::move(p));
        CMirtDoc doc(app);
        ASSERT_TRUE(doc.OnOpenDocument(project()));
        use(doc);
    }
    static CSpellFile* FileNamed(CMirtDoc& doc, const std::string& name) {
        for (CSpellFile* p : doc.m_files)
            if (p->GetDisplayName() == name)
                return p;
        return nullptr;
    }
    // One finding a line: "line:position word category calls".
    static std::string Findings(const CSpellFile* pFile) {
        std::string text;
        for (const CSpellError* e : pFile->m_errors) {
            std::string calls;
            for (const std::string& call : e->m_calls)
                calls += (calls.empty() ? "" : ",") + call;
            text += std::to_string(e->m_nLine) + ":" + std::to_string(e->m_nPos) + " " +
                    e->m_strWord + " " + std::to_string(e->m_nCategory) + " " +
                    (calls.empty() ? "-" : calls) + "\n";
        }
        return text;
    }

    CTempDir dir;
    CTempDir config;
};

std::vector<std::unique_ptr<CMirtParser>> BuiltinParsers() {
    std::vector<std::unique_ptr<CMirtParser>> parsers;
    parsers.push_back(std::make_unique<CMirtParserCpp>());
    parsers.push_back(std::make_unique<CMirtParserRc>());
    parsers.push_back(std::make_unique<CMirtParserVb>());
    parsers.push_back(std::make_unique<CMirtParserJava>());
    parsers.push_back(std::make_unique<CMirtParserHtml>());
    parsers.push_back(std::make_unique<CMirtParserVbScript>());
    parsers.push_back(std::make_unique<CMirtParserJavaScript>());
    parsers.push_back(std::make_unique<CMirtParserPerl>());
    parsers.push_back(std::make_unique<CMirtParserPhp>());
    return parsers;
}

struct SSample {
    const char* pszName;
    int32_t nSyntax;
    const char* pszText;
    // "line:position word category calls", category 1 Language, 2 Comment, 4 Code.
    const char* pszFindings;
};

const std::vector<SSample> kSamples = {
    {"main.cpp", 0, "// a tpyo here\nconst char* s = \"the adress\";\n",
     "1:5 tpyo 2 -\n2:21 adress 1 -\n"},
    {"menu.rc", 6, "MENUITEM \"E&xti\", 100\n", "1:10 E&xti 1 -\n"},
    {"module.bas", 1, "' Form for the adress\nCaption = \"&Fiel\"\nRem wierd old code\n",
     "1:15 adress 2 -\n2:11 &Fiel 1 -\n3:4 wierd 4 -\n"},
    {"Sample.java", 2, "// A sampel comment\nint recieveCount = 0;\nshow(\"the adress book\");\n",
     "1:5 sampel 2 -\n2:4 recieve 4 -\n3:10 adress 1 show\n"},
    {"page.html", 3,
     "<p>Welcome to the wierd page</p>\n<script>\n// a scirpt comment\nvar seperate = 1;\n"
     "</script>\n<b>Done</b>\n",
     "1:18 wierd 1 -\n3:5 scirpt 2 -\n4:4 seperate 4 -\n"},
    {"tool.vbs", 4, "' Show a mesage box\nMsgBox \"Evrything is fine\"\nDim recieveCount\n",
     "1:9 mesage 2 -\n2:8 Evrything 1 -\n3:4 recieve 4 -\n"},
    {"app.js", 5,
     "/* Recieved items */\nvar s = 'Tom &amp; the begining';\nfunction accomodate() {}\n",
     "1:3 Recieved 2 -\n2:23 begining 1 -\n3:9 accomodate 4 -\n"},
    // The literal of one word on line 2 is never checked.
    {"tool.pl", 7,
     "# definately here\nmy $x = \"recieve\";\nmy $y = \"please recieve this\";\n"
     "my $tommorow = 1;\n",
     "1:2 definately 2 -\n3:16 recieve 1 -\n4:4 tommorow 4 -\n"},
    // The literals themselves are never checked, and their words carry no calls.
    {"page.php", 8,
     "<p>Wellcome home</p>\n<?php\n// a comit note\necho(\"recieve\");\n"
     "printf(\"please recieve it\");\n$wierdLine = 1;\n?>\n",
     "1:3 Wellcome 1 -\n3:5 comit 2 -\n5:15 recieve 1 -\n6:1 wierd 4 -\n"},
};
} // namespace

TEST_F(SyntaxBatch, EveryBuiltInSyntaxStoresFindingsOfTheRightCategory) {
    for (const SSample& sample : kSamples)
        Write(sample.pszName, sample.pszText);
    SProcessResult r = AddAndRun(MirtProgram());
    ASSERT_EQ(r.nExitCode, 0) << r.strStdout;
    WithProject(BuiltinParsers(), [&](CMirtDoc& doc) {
        EXPECT_EQ(doc.m_options.m_nCheckOptions, 119);
        ASSERT_EQ(doc.m_files.size(), kSamples.size());
        for (const SSample& sample : kSamples) {
            SCOPED_TRACE(sample.pszName);
            CSpellFile* pFile = FileNamed(doc, sample.pszName);
            ASSERT_NE(pFile, nullptr);
            EXPECT_EQ(pFile->m_nSyntax, sample.nSyntax);
            EXPECT_TEXT_EQ(sample.pszFindings, Findings(pFile));
        }
    });
}

TEST_F(SyntaxBatch, AcceleratorSuggestionsKeepTheMarker) {
    Write("module.bas", "Caption = \"&Fiel\"\n");
    ASSERT_EQ(AddAndRun(MirtProgram()).nExitCode, 0);
    WithProject(BuiltinParsers(), [&](CMirtDoc& doc) {
        CSpellFile* pFile = FileNamed(doc, "module.bas");
        ASSERT_NE(pFile, nullptr);
        ASSERT_EQ(pFile->m_errors.size(), 1u);
        const std::vector<std::string>& suggestions = pFile->m_errors[0]->m_suggestions;
        ASSERT_FALSE(suggestions.empty());
        for (const std::string& s : suggestions) {
            size_t nF = s.find('F');
            if (nF != std::string::npos) {
                EXPECT_EQ(s.find('&'), nF - 1) << s;
            }
        }
    });
}

// A copy of the program in a folder of its own, with the build's Aspell folder beside
// it, so that its program folder can hold syntax files.
TEST_F(SyntaxBatch, UserSyntaxesComeFromTheProgramFolder) {
    CTempDir bin;
    std::string program = bin / "mirt";
    std::filesystem::copy_file(MirtProgram(), program);
    chmod(program.c_str(), 0755);
    std::filesystem::create_directory_symlink(std::string(MIRT_BINARY_DIR) + "/Aspell",
                                              bin / "Aspell");
    bin.WriteFile("a_pascal.ini", "[syntax]\nName=Pascal\nFileExtensions=pas, dpr;inc\n"
                                  "LineComment=//\n");
    bin.WriteFile("b_noname.ini", "[syntax]\nFileExtensions=nn\nLineComment=//\n");
    bin.WriteFile("c_nolist.ini", "[syntax]\nName=Missing\nFileExtensions=mis\n"
                                  "KeywordsFile=none.txt\n");
    bin.WriteFile("d_dash.ini", "[syntax]\nName=Dash\nFileExtensions=dsh\nLineComment=--\n");
    bin.WriteFile("e_dots.ini", "[syntax]\nName=Dots\nFileExtensions=dts\nLineComment=--\n"
                                "Separators=\" .\"\n");
    bin.WriteFile("f_listed.ini", "[syntax]\nName=Listed\nFileExtensions=lst\nLineComment=--\n"
                                  "KeywordsFile=words/listed.txt\n");
    bin.WriteFile("words/listed.txt", "recieve\r\n");
    for (const char* name : {"unit.pas", "prog.dpr", "defs.inc", "x.nn", "y.mis"})
        Write(name, "// recieve\n");
    for (const char* name : {"z.dsh", "w.dts", "v.lst"})
        Write(name, "x -- recieve\n");
    SProcessResult r = AddAndRun(program);
    ASSERT_EQ(r.nExitCode, 0) << r.strStdout;

    std::vector<std::unique_ptr<CMirtParser>> parsers;
    for (int32_t nId = 1000; nId <= 1003; ++nId)
        parsers.push_back(std::make_unique<CIdOnlyParser>(nId));
    WithProject(std::move(parsers), [&](CMirtDoc& doc) {
        // Files of the syntaxes that did not load have no syntax to be added by.
        EXPECT_EQ(FileNamed(doc, "x.nn"), nullptr);
        EXPECT_EQ(FileNamed(doc, "y.mis"), nullptr);
        const std::vector<std::tuple<const char*, int32_t, const char*>> expected = {
            {"unit.pas", 1000, "1:3 recieve 2 -\n"}, {"prog.dpr", 1000, "1:3 recieve 2 -\n"},
            {"defs.inc", 1000, "1:3 recieve 2 -\n"}, {"z.dsh", 1001, "1:5 recieve 2 -\n"},
            {"w.dts", 1002, "1:5 recieve 4 -\n"},    {"v.lst", 1003, ""},
        };
        ASSERT_EQ(doc.m_files.size(), expected.size());
        for (const auto& [name, nSyntax, findings] : expected) {
            SCOPED_TRACE(name);
            CSpellFile* pFile = FileNamed(doc, name);
            ASSERT_NE(pFile, nullptr);
            EXPECT_EQ(pFile->m_nSyntax, nSyntax);
            EXPECT_TEXT_EQ(findings, Findings(pFile));
        }
    });
}
