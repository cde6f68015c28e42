// The INI reader: values as the classic profile rules give them to the syntax files.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/IniFile.h"
#include "tests/support/TempDir.h"

namespace {
CIniFile Ini(const std::string& text) {
    CIniFile ini;
    ini.SetText(text);
    return ini;
}
} // namespace

TEST(IniFile, CommasSemicolonsAndInnerBlanksArePartOfTheValue) {
    CIniFile ini = Ini("[syntax]\n"
                       "FileExtensions=pas, dpr;inc\n"
                       "Separators=. :\n"
                       "LineComment=;\n"
                       "Name =  My  Syntax \t\n");
    EXPECT_EQ(ini.GetString("syntax", "FileExtensions"), "pas, dpr;inc");
    EXPECT_EQ(ini.GetString("syntax", "Separators"), ". :");
    EXPECT_EQ(ini.GetString("syntax", "LineComment"), ";");
    EXPECT_EQ(ini.GetString("syntax", "Name"), "My  Syntax");
}

TEST(IniFile, SectionAndKeyNamesIgnoreLetterCase) {
    CIniFile ini = Ini("[SYNTAX]\nname=Pascal\n[Other]\nName=Wrong\n");
    EXPECT_EQ(ini.GetString("syntax", "Name"), "Pascal");
    EXPECT_EQ(ini.GetString("Syntax", "NAME"), "Pascal");
    EXPECT_EQ(ini.GetString("other", "name"), "Wrong");
}

TEST(IniFile, MissingSectionsAndKeysAreEmpty) {
    CIniFile ini = Ini("Name=Outside\n[syntax]\nStringStart=\"\nEmpty=\nNoValue\n");
    EXPECT_EQ(ini.GetString("syntax", "Name"), "");
    EXPECT_EQ(ini.GetString("none", "StringStart"), "");
    EXPECT_EQ(ini.GetString("syntax", "Empty"), "");
    EXPECT_EQ(ini.GetString("syntax", "NoValue"), "");
    EXPECT_EQ(ini.GetString("syntax", "StringStart"), "\"");
    EXPECT_EQ(Ini("").GetString("syntax", "Name"), "");
}

TEST(IniFile, ASemicolonStartsACommentOnlyAtTheStartOfALine) {
    CIniFile ini = Ini("; Name=Commented\n"
                       "[syntax]\n"
                       "  ;Name=Indented comment\n"
                       "LineComment1=x ; not a comment\n"
                       "Name=Kept\n");
    EXPECT_EQ(ini.GetString("syntax", "Name"), "Kept");
    EXPECT_EQ(ini.GetString("syntax", "LineComment1"), "x ; not a comment");
    EXPECT_EQ(ini.GetString("syntax", ";Name"), "");
}

TEST(IniFile, ValuesAreCutTo255Characters) {
    std::string longValue(300, 'x');
    longValue[254] = 'y';
    longValue[255] = 'z';
    CIniFile ini = Ini("[syntax]\nSeparators=" + longValue + "\nExact=" + std::string(255, 'a'));
    std::string value = ini.GetString("syntax", "Separators");
    ASSERT_EQ(value.size(), 255u);
    EXPECT_EQ(value.back(), 'y');
    EXPECT_EQ(ini.GetString("syntax", "Exact"), std::string(255, 'a'));
}

TEST(IniFile, OnePairOfEnclosingQuotesIsRemoved) {
    CIniFile ini = Ini("[syntax]\n"
                       "A=\" .\"\n"
                       "B=' '\n"
                       "C=\"\n"
                       "D=\"mixed'\n"
                       "E=\"\"x\"\"\n"
                       "F=''\n");
    EXPECT_EQ(ini.GetString("syntax", "A"), " .");
    EXPECT_EQ(ini.GetString("syntax", "B"), " ");
    EXPECT_EQ(ini.GetString("syntax", "C"), "\"");
    EXPECT_EQ(ini.GetString("syntax", "D"), "\"mixed'");
    EXPECT_EQ(ini.GetString("syntax", "E"), "\"x\"");
    EXPECT_EQ(ini.GetString("syntax", "F"), "");
}

TEST(IniFile, TheFirstOfRepeatedSectionsAndKeysCounts) {
    CIniFile ini = Ini("[syntax]\nName=First\nName=Second\n[syntax]\nName=Third\nLineComment=--\n");
    EXPECT_EQ(ini.GetString("syntax", "Name"), "First");
    EXPECT_EQ(ini.GetString("syntax", "LineComment"), "");
}

TEST(IniFile, EveryLineEndAndAByteOrderMarkAreRead) {
    CIniFile ini = Ini("\xEF\xBB\xBF[syntax]\r\nName=Crlf\rLineComment=--\r\n"
                       "FileExtensions=abc\n[ spaced ]\nKey = v ");
    EXPECT_EQ(ini.GetString("syntax", "Name"), "Crlf");
    EXPECT_EQ(ini.GetString("syntax", "LineComment"), "--");
    EXPECT_EQ(ini.GetString("syntax", "FileExtensions"), "abc");
    EXPECT_EQ(ini.GetString("spaced", "Key"), "v");
}

TEST(IniFile, LoadReadsAFileAndFailsOnAMissingOne) {
    CTempDir dir;
    std::string path = dir.WriteFile("pascal.ini", "[syntax]\nName=Pascal\n");
    CIniFile ini;
    ASSERT_TRUE(ini.Load(path));
    EXPECT_EQ(ini.GetString("syntax", "Name"), "Pascal");
    EXPECT_FALSE(ini.Load(dir / "missing.ini"));
    EXPECT_EQ(ini.GetString("syntax", "Name"), "");
    EXPECT_FALSE(ini.Load(dir.Path()));
}

TEST(IniFile, FoldersAndPipesAreNotRead) {
    CTempDir dir;
    CIniFile ini;
    EXPECT_FALSE(ini.Load(dir.MakeDir("folder.ini")));
    ASSERT_EQ(mkfifo((dir / "pipe.ini").c_str(), 0600), 0);
    EXPECT_FALSE(ini.Load(dir / "pipe.ini"));
}
