// The syntax files that come with the program: each loads, its keyword list is in the
// searchable form, a sample file of the language gives the words worked out for it,
// and the build puts all of them beside the program where start-up finds them.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "parsers/MirtParserUser.h"
#include "parsers/MirtParsers.h"
#include "tests/parsers/WordTable.h"
#include "tests/support/Golden.h"
#include "tests/support/KeywordEntries.h"
#include "tests/support/TempDir.h"

namespace {
struct SBundledSyntax {
    const char* pszName; // the syntax file's Name, and the file name before ".ini"
    const char* pszExtensions;
    const char* pszSample; // under tests/data/syntaxes
};

const std::vector<SBundledSyntax> kBundled = {
    {"CMake", "cmake", "cmake/sample.cmake"},
    {"CSS", "css scss less", "css/sample.css"},
    {"Go", "go", "go/sample.go"},
    {"Python", "py pyw", "python/sample.py"},
    {"Rust", "rs", "rust/sample.rs"},
    {"Shell", "sh bash zsh", "shell/sample.sh"},
    {"TypeScript", "ts tsx mts cts", "typescript/sample.ts"},
    {"YAML", "yml yaml", "yaml/sample.yml"},
};

std::string SourceFolder() {
    return std::string(MIRT_SOURCE_DIR) + "/resources/syntaxes/";
}

std::unique_ptr<CMirtParserUser> LoadBundled(const SBundledSyntax& syntax) {
    auto pParser = std::make_unique<CMirtParserUser>();
    EXPECT_TRUE(pParser->Load(SourceFolder() + syntax.pszName + ".ini", SourceFolder()));
    return pParser;
}

// Every word of the text as the table of the other sample files, with "listed" after
// a comment or code word that the syntax's own list accepts.
std::string ScanText(CMirtParserUser& parser, const std::string& strName, const std::string& text) {
    parser.BeginFile(strName);
    std::string result;
    int nLine = 0;
    for (size_t nPos = 0; nPos < text.size();) {
        size_t nEnd = text.find('\n', nPos);
        if (nEnd == std::string::npos)
            nEnd = text.size();
        std::string line = text.substr(nPos, nEnd - nPos);
        nPos = nEnd + 1;
        ++nLine;
        CWordList words;
        parser.ParseLine(line, words);
        for (const SWord& w : words) {
            std::string described =
                DescribeWord(w.strWord, w.nCategory, w.nPos, w.chBefore, w.chAfter, w.calls);
            if (w.nCategory != CATEGORY_LANGUAGE && parser.m_keywords.Find(w.strWord))
                described.insert(described.size() - 1, " listed");
            result += std::to_string(nLine) + ": " + described;
        }
    }
    parser.EndFile();
    return result;
}
} // namespace

TEST(BundledSyntaxes, EachFileLoadsWithItsNameAndExtensions) {
    for (const SBundledSyntax& syntax : kBundled) {
        SCOPED_TRACE(syntax.pszName);
        auto pParser = LoadBundled(syntax);
        EXPECT_EQ(pParser->GetName(), syntax.pszName);
        EXPECT_EQ(pParser->GetDefaultExtensions(), syntax.pszExtensions);
        EXPECT_GT(pParser->m_keywords.GetSize(), 0u);
    }
}

TEST(BundledSyntaxes, KeywordListsAreSearchableAndFindEveryEntry) {
    for (const SBundledSyntax& syntax : kBundled) {
        SCOPED_TRACE(syntax.pszName);
        auto pParser = LoadBundled(syntax);
        const CKeywordList& list = pParser->m_keywords;
        std::string text(list.GetData(), list.GetSize());
        ASSERT_TRUE(IsSortedCrLfList(text));
        for (size_t nStart = 0; nStart < text.size();) {
            size_t nCr = text.find('\r', nStart);
            std::string entry = text.substr(nStart, nCr - nStart);
            EXPECT_TRUE(list.Find(entry)) << entry;
            nStart = nCr + 2;
        }
    }
}

TEST(BundledSyntaxes, SampleFilesGiveTheExpectedWords) {
    for (const SBundledSyntax& syntax : kBundled) {
        SCOPED_TRACE(syntax.pszSample);
        auto pParser = LoadBundled(syntax);
        std::string strSample = std::string(MIRT_TEST_DATA_DIR) + "/syntaxes/" + syntax.pszSample;
        std::string text = ReadWholeFile(strSample);
        ASSERT_FALSE(text.empty());
        std::string actual = ScanText(*pParser, syntax.pszSample, text);
        EXPECT_TEXT_EQ(GoldenText(strSample + ".words", actual), actual);
    }
}

TEST(BundledSyntaxes, TheBuildPutsThemBesideTheProgram) {
    CMirtParsers parsers;
    ASSERT_EQ(AddUserSyntaxes(parsers, std::string(MIRT_BINARY_DIR) + "/"),
              static_cast<int>(kBundled.size()));
    for (size_t i = 0; i < kBundled.size(); ++i) {
        CMirtParser* pParser = parsers.FindById(FIRST_USER_SYNTAX_ID + static_cast<int32_t>(i));
        ASSERT_NE(pParser, nullptr) << i;
        EXPECT_EQ(pParser->GetName(), kBundled[i].pszName);
        EXPECT_EQ(parsers.FindByFileName(kBundled[i].pszSample), pParser);
    }
}
