// User syntaxes: loading a syntax file, the scanner it configures, its keyword list,
// and the registration of every syntax file of a folder with its id.
#include <gtest/gtest.h>

#include <memory>

#include "parsers/MirtParserUser.h"
#include "parsers/MirtParsers.h"
#include "tests/parsers/WordTable.h"
#include "tests/support/FakeSpellEngine.h"
#include "tests/support/TempDir.h"

namespace {
class UserSyntax : public ::testing::Test {
protected:
    std::string Folder() const { return dir.Path() + "/"; }
    // Loads a syntax from a file holding the section "syntax" with these lines.
    std::unique_ptr<CMirtParserUser> Load(const std::string& lines, bool bExpected = true) {
        std::string path = dir.WriteFile("syntax.ini", "[syntax]\n" + lines);
        auto p = std::make_unique<CMirtParserUser>();
        EXPECT_EQ(p->Load(path, Folder()), bExpected) << lines;
        return p;
    }

    CTempDir dir;
};
} // namespace

TEST_F(UserSyntax, TheFileGivesNameExtensionsAndDelimiters) {
    auto p = Load("Name=Pascal\nFileExtensions=pas, dpr;inc\nStringStart='\nStringEnd='\n"
                  "BlockCommentStart={\nBlockCommentEnd=}\nBlockCommentStart1=(*\n"
                  "BlockCommentEnd1=*)\nLineComment=//\n");
    EXPECT_EQ(p->GetName(), "Pascal");
    EXPECT_EQ(p->GetId(), -1); // until start-up gives it one
    p->SetId(1003);
    EXPECT_EQ(p->GetId(), 1003);
    EXPECT_EQ(p->GetDefaultExtensions(), "pas, dpr;inc");
    EXPECT_EQ(p->m_extensions, (std::vector<std::string>{"pas", "dpr", "inc"}));
    ExpectLine(*p, "Write('Hello there'); { note } (* more *)",
               {{"Write", K, 0, 0, '('},
                {"Hello", L, 7, '\'', ' ', {"Write"}},
                {"there", L, 13, ' ', '\'', {"Write"}},
                {"note", C, 24, ' ', ' '},
                {"more", C, 34, ' ', ' '}});
}

TEST_F(UserSyntax, WithoutDelimitersEveryLineIsCode) {
    auto p = Load("Name=Plain\n");
    EXPECT_TRUE(p->m_extensions.empty());
    ExpectLine(
        *p, "\"quoted\" text // not comment",
        {{"quoted", K, 1, '"', '"'}, {"text", K, 9, ' ', ' '}, {"comment", K, 21, ' ', ' '}});
}

TEST_F(UserSyntax, ADelimiterIsFoundOnlyAtASeparator) {
    auto rem = Load("Name=Rem\nLineComment=REM\n");
    ExpectLine(*rem, "x = 1 REM note here",
               {{"1", K, 4, ' ', ' '}, {"note", K, 10, ' ', ' '}, {"here", K, 15, ' ', ' '}});
    auto dash = Load("Name=Dash\nLineComment=--\n");
    ExpectLine(*dash, "x = 1 -- note here",
               {{"1", K, 4, ' ', ' '}, {"note", C, 9, ' ', ' '}, {"here", C, 14, ' ', ' '}});
}

TEST_F(UserSyntax, SeparatorsReplaceTheCodeSet) {
    // The quotes keep the leading blank, which the reader would trim otherwise.
    auto p = Load("Name=Dots\nSeparators=\" .\"\nLineComment=--\n");
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(p->m_codeSeparators[c], c == ' ' || c == '.') << c;
    CMirtParser base;
    EXPECT_EQ(p->m_stringSeparators, base.m_stringSeparators);
    EXPECT_EQ(p->m_commentSeparators, base.m_commentSeparators);
    // A tab ends an identifier part but separates nothing; "--" is never found.
    ExpectLine(*p, "alpha\tbeta.gamma -- delta",
               {{"alpha", K, 0, 0, 0},
                {"beta", K, 6, 0, '.'},
                {"gamma", K, 11, '.', ' '},
                {"--", K, 17, ' ', ' '},
                {"delta", K, 20, ' ', ' '}});
}

TEST_F(UserSyntax, WithoutABlankAmongTheSeparatorsTheLastTokenIsLost) {
    auto p = Load("Name=Dots\nSeparators=.\n");
    ExpectLine(*p, "alpha.beta gamma", {{"alpha", K, 0, 0, '.'}});
}

TEST_F(UserSyntax, AFileWithoutNameOrWithAMissingKeywordFileIsNoSyntax) {
    Load("FileExtensions=pas\n", false);
    Load("Name=\n", false);
    Load("name=\"\"\n", false);
    Load("Name=Pascal\nKeywordsFile=missing.txt\n", false);
    auto p = std::make_unique<CMirtParserUser>();
    EXPECT_FALSE(p->Load(dir / "none.ini", Folder()));
    dir.WriteFile("Other.ini", "[other]\nName=Pascal\n");
    EXPECT_FALSE(p->Load(dir / "Other.ini", Folder()));
}

TEST_F(UserSyntax, KeywordsAreAcceptedInCommentsAndCode) {
    for (const char* word : {"frobz", "zorblat"})
        ASSERT_FALSE(GetKeywordList(KEYWORDS_ENGLISH).FindPrefix(word)) << word;
    dir.WriteFile("lists/pascal.txt", "frobz\r\nzorblat\r\n");
    auto p = Load("Name=Pascal\nKeywordsFile=lists/pascal.txt\n");
    auto plain = Load("Name=Plain\n");
    CFakeSpellEngine engine;
    engine.RejectUnknownWords({"x"});
    p->SetContext(nullptr, &engine);
    plain->SetContext(nullptr, &engine);
    for (const char* word : {"zorblat", "Frobz"}) {
        std::vector<std::string> s;
        EXPECT_EQ(p->CheckCommentWord(word, s), 1) << word;
        EXPECT_EQ(p->CheckCodeWord(word, s), 1) << word;
        EXPECT_TRUE(s.empty());
        EXPECT_EQ(plain->CheckCodeWord(word, s), 0) << word;
    }
    std::vector<std::string> s;
    EXPECT_EQ(p->CheckLanguageWord("zorblat", s), 0); // literals go to the engine
    EXPECT_EQ(engine.GetAskedWords(), (std::vector<std::string>{"zorblat", "Frobz", "zorblat"}));
}

TEST_F(UserSyntax, SyntaxFilesOfAFolderGetIdsInNameOrder) {
    CTempDir program;
    program.WriteFile("a.ini", "[syntax]\nName=Alpha\nFileExtensions=aaa\n");
    program.WriteFile("B.ini", "[syntax]\nFileExtensions=bbb\n");
    program.WriteFile("c.INI", "[Syntax]\nName=Gamma\nFileExtensions=ccc\n");
    program.WriteFile("d.ini", "[syntax]\nName=Delta\nKeywordsFile=none.txt\n");
    program.WriteFile("e.txt", "[syntax]\nName=Epsilon\n");
    program.WriteFile("f.ini.bak", "[syntax]\nName=Zeta\n");
    program.WriteFile("g.ini/inner.ini", "[syntax]\nName=Eta\n");
    program.WriteFile("h.ini", "[syntax]\nName=Theta\n");
    CMirtParsers parsers;
    EXPECT_EQ(AddUserSyntaxes(parsers, program.Path() + "/"), 3);
    ASSERT_EQ(parsers.GetSize(), 3u);
    EXPECT_EQ(parsers.GetAt(0)->GetName(), "Alpha");
    EXPECT_EQ(parsers.GetAt(0)->GetId(), 1000);
    EXPECT_EQ(parsers.GetAt(1)->GetName(), "Gamma");
    EXPECT_EQ(parsers.GetAt(1)->GetId(), 1001);
    EXPECT_EQ(parsers.GetAt(2)->GetName(), "Theta");
    EXPECT_EQ(parsers.GetAt(2)->GetId(), 1002);
    EXPECT_EQ(parsers.FindByFileName("x.ccc")->GetId(), 1001);
}

TEST_F(UserSyntax, AFolderThatCannotBeReadAddsNothing) {
    CMirtParsers parsers;
    EXPECT_EQ(AddUserSyntaxes(parsers, dir / "missing/"), 0);
    EXPECT_EQ(parsers.GetSize(), 0u);
}
