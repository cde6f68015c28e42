// Which keyword lists the word checks of each syntax consult, seen through a fake
// engine: a word is accepted without asking the engine only through a list the syntax
// consults for that kind of word. The HTML parser checks with its script parser while
// a script block is open.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>

#include "parsers/KeywordList.h"
#include "parsers/MirtParserHtml.h"
#include "parsers/MirtParserJava.h"
#include "parsers/MirtParserJavaScript.h"
#include "parsers/MirtParserPerl.h"
#include "parsers/MirtParserPhp.h"
#include "parsers/MirtParserVb.h"
#include "parsers/MirtParserVbScript.h"
#include "tests/support/FakeSpellEngine.h"
#include "tests/support/KeywordEntries.h"

namespace {
using CStrings = std::vector<std::string>;
using CCheck = int (CMirtParser::*)(const std::string&, CStrings&);

constexpr CCheck kLanguage = &CMirtParser::CheckLanguageWord;
constexpr CCheck kComment = &CMirtParser::CheckCommentWord;
constexpr CCheck kCode = &CMirtParser::CheckCodeWord;
const std::vector<int> kSyntaxLists = {KEYWORDS_LIBRARY, KEYWORDS_VB,   KEYWORDS_ABBREVIATIONS,
                                       KEYWORDS_JAVA,    KEYWORDS_PERL, KEYWORDS_PHP};

// The lists each syntax consults, by check.
struct SListUse {
    std::set<int> comment;
    std::set<int> code;
};

class SyntaxChecks : public ::testing::Test {
protected:
    void SetUp() override {
        engine.RejectUnknownWords({"x"});
        base.SetContext(nullptr, &engine);
    }
    bool AcceptedUnasked(CMirtParser& parser, CCheck pCheck, const std::string& word) {
        engine.ClearAskedWords();
        CStrings suggestions;
        int nResult = (parser.*pCheck)(word, suggestions);
        EXPECT_EQ(nResult, suggestions.empty() ? 1 : 0) << word;
        return suggestions.empty() && engine.GetAskedWords().empty();
    }
    // An entry of the list that no other syntax list holds and that the base check
    // sends to the engine, so that only this list can accept it.
    std::string WordOnlyIn(int nId, CCheck pCheck) {
        // The search reads whole lists, so each answer is kept for the other tests.
        static std::map<std::pair<int, bool>, std::string> found;
        auto key = std::make_pair(nId, pCheck == kCode);
        auto it = found.find(key);
        if (it == found.end())
            it = found.emplace(key, FindWordOnlyIn(nId, pCheck)).first;
        return it->second;
    }
    std::string FindWordOnlyIn(int nId, CCheck pCheck) {
        for (const std::string& entry : KeywordEntries(nId)) {
            bool bElsewhere = false;
            for (int nOther : kSyntaxLists)
                bElsewhere = bElsewhere || (nOther != nId && GetKeywordList(nOther).Find(entry));
            if (!bElsewhere && !AcceptedUnasked(base, pCheck, entry))
                return entry;
        }
        return "";
    }
    // Every list against the parser: accepted unasked exactly through the lists it uses.
    void ExpectListUse(CMirtParser& parser, const SListUse& use) {
        for (int nId : kSyntaxLists) {
            SCOPED_TRACE("list " + std::to_string(nId));
            std::string comment = WordOnlyIn(nId, kComment);
            std::string code = WordOnlyIn(nId, kCode);
            ASSERT_FALSE(comment.empty()) << "the list holds a word only it accepts in comments";
            ASSERT_FALSE(code.empty()) << "the list holds a word only it accepts in code";
            EXPECT_EQ(AcceptedUnasked(parser, kComment, comment), use.comment.count(nId) == 1)
                << comment;
            EXPECT_EQ(AcceptedUnasked(parser, kCode, code), use.code.count(nId) == 1) << code;
            // String literals are never checked against these lists.
            EXPECT_FALSE(AcceptedUnasked(parser, kLanguage, comment)) << comment;
        }
    }

    CFakeSpellEngine engine;
    CMirtParser base;
};
} // namespace

TEST_F(SyntaxChecks, EachSyntaxConsultsItsOwnLists) {
    const std::vector<std::pair<std::function<std::unique_ptr<CMirtParser>()>, SListUse>> table = {
        {[] { return std::make_unique<CMirtParserVbScript>(); },
         {{KEYWORDS_LIBRARY}, {KEYWORDS_ABBREVIATIONS}}},
        {[] { return std::make_unique<CMirtParserJavaScript>(); },
         {{KEYWORDS_LIBRARY}, {KEYWORDS_ABBREVIATIONS}}},
        {[] { return std::make_unique<CMirtParserHtml>(); }, {{}, {}}},
        {[] { return std::make_unique<CMirtParserJava>(); },
         {{KEYWORDS_JAVA}, {KEYWORDS_ABBREVIATIONS, KEYWORDS_JAVA}}},
        {[] { return std::make_unique<CMirtParserPerl>(); },
         {{KEYWORDS_PERL}, {KEYWORDS_ABBREVIATIONS, KEYWORDS_PERL}}},
        {[] { return std::make_unique<CMirtParserPhp>(); },
         {{KEYWORDS_PHP}, {KEYWORDS_ABBREVIATIONS, KEYWORDS_PHP}}},
        {[] { return std::make_unique<CMirtParserVb>(); },
         {{KEYWORDS_VB}, {KEYWORDS_ABBREVIATIONS, KEYWORDS_VB}}},
    };
    for (const auto& [make, use] : table) {
        auto pParser = make();
        SCOPED_TRACE(pParser->GetName());
        pParser->SetContext(nullptr, &engine);
        ExpectListUse(*pParser, use);
    }
}

TEST_F(SyntaxChecks, HtmlChecksWithItsScriptParserWhileABlockIsOpen) {
    CMirtParserHtml html;
    html.SetContext(nullptr, &engine);
    const SListUse page = {{}, {}};
    const SListUse script = {{KEYWORDS_LIBRARY}, {KEYWORDS_ABBREVIATIONS}};
    CWordList words;
    html.ParseLine("<p>Text</p><script>", words);
    {
        SCOPED_TRACE("line that opens the block");
        ExpectListUse(html, script);
    }
    html.ParseLine("var x = 1;", words);
    html.ParseLine("x = 2; </script>", words);
    {
        SCOPED_TRACE("line that closes the block");
        ExpectListUse(html, page);
    }
    html.ParseLine("<SCRIPT>", words);
    html.BeginFile("next.html");
    {
        SCOPED_TRACE("next file");
        ExpectListUse(html, page);
    }
}

TEST_F(SyntaxChecks, HtmlHandsTheRunsEngineToItsScriptParser) {
    CMirtParserHtml html;
    html.SetContext(nullptr, &engine);
    EXPECT_EQ(html.m_javaScript.m_pEngine, &engine);
    CMirtParserPhp php;
    php.SetContext(nullptr, &engine);
    EXPECT_EQ(php.m_html.m_pEngine, &engine);
    EXPECT_EQ(php.m_html.m_javaScript.m_pEngine, &engine);
}

TEST_F(SyntaxChecks, VbChecksAcceleratorsInStringWords) {
    ASSERT_FALSE(GetKeywordList(KEYWORDS_ENGLISH).Find("fiel"));
    engine.Reject("Fiel", {"File", "Field", "feel"});
    CMirtParserVb vb;
    vb.SetContext(nullptr, &engine);
    CStrings suggestions;
    EXPECT_EQ(vb.CheckLanguageWord("&Fiel", suggestions), 0);
    EXPECT_EQ(suggestions, (CStrings{"&File", "&Field", "feel"}));
    EXPECT_EQ(engine.GetAskedWords(), CStrings{"Fiel"});
    // The other syntaxes take the ampersand for a character that is no letter.
    CMirtParserJava java;
    java.SetContext(nullptr, &engine);
    EXPECT_TRUE(AcceptedUnasked(java, kLanguage, "&Fiel"));
}
