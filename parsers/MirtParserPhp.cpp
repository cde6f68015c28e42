// The PHP parser.
#include "parsers/MirtParserPhp.h"

#include <cctype>

#include "parsers/KeywordList.h"
#include "parsers/WordCategory.h"

namespace {
constexpr SSyntaxTable kSyntax = WithOwnKeywords(
    {.nId = 8, .pszName = "PHP", .pszExtensions = "php", .tokens = kCStyleTokensWithApostrophes},
    KEYWORDS_PHP);
// Matched exactly: "<?PHP" does not open a block.
constexpr const char* kPhpStart = "<?php";
constexpr const char* kPhpEnd = "?>";
constexpr char kVariable = '$';

bool IsWhiteSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}
} // namespace

// With no string separators a literal's whole content is one word, which is then read
// again as HTML text.
CMirtParserPhp::CMirtParserPhp() : CMirtParser(kSyntax) {
    m_stringSeparators.fill(false);
}

void CMirtParserPhp::SetContext(CMirtDoc* pDoc, CMirtSpellEngine* pEngine) {
    m_html.SetContext(pDoc, pEngine);
    m_stringSeparators.fill(false);
    CMirtParser::SetContext(pDoc, pEngine);
}

int CMirtParserPhp::BeginFile(const std::string& strFileName) {
    m_bInPhp = 0;
    m_html.BeginFile(strFileName);
    return CMirtParser::BeginFile(strFileName);
}

void CMirtParserPhp::EndFile() {
    m_html.EndFile();
}

void CMirtParserPhp::ParseLine(std::string strLine, CWordList& words) {
    // A literal left open at the end of the last line leaves its end in the set.
    m_stringSeparators[static_cast<unsigned char>('"')] = false;
    m_stringSeparators[static_cast<unsigned char>('\'')] = false;
    if (!m_bInPhp) {
        if (strLine.find(kPhpStart) != std::string::npos) {
            m_bInPhp = 1; // the opening line itself is skipped
            return;
        }
        m_html.ParseLine(std::move(strLine), words);
    } else if (LeavesPhp(strLine)) {
        m_bInPhp = 0; // the closing line itself is skipped
        return;
    } else {
        CMirtParser::ParseLine(std::move(strLine), words);
        RescanLiterals(words);
    }
    for (SWord& w : words)
        if (w.nCategory == CATEGORY_LANGUAGE && w.chBefore == kVariable)
            w.nCategory = CATEGORY_CODE;
}

// Only a "?>" at the start of the line or after white space closes the block; one right
// after another character (as in a literal "a?>b") does not.
bool CMirtParserPhp::LeavesPhp(const std::string& strLine) const {
    size_t nAt = strLine.find(kPhpEnd);
    return nAt != std::string::npos && (nAt == 0 || IsWhiteSpace(strLine[nAt - 1]));
}

// Each literal is left unchecked and read as HTML text; of its words, those with white
// space beside them are kept, placed at their own positions and added after the rest.
void CMirtParserPhp::RescanLiterals(CWordList& words) {
    CWordList survivors;
    for (SWord& literal : words) {
        if (literal.nCategory != CATEGORY_LANGUAGE)
            continue;
        literal.nCategory = CATEGORY_NONE;
        CWordList inner;
        m_html.ParseLine(literal.strWord, inner);
        if (inner.empty())
            continue;
        inner.front().chBefore = literal.chBefore;
        inner.back().chAfter = literal.chAfter;
        for (SWord& w : inner) {
            w.nPos += literal.nPos;
            if (IsWhiteSpace(w.chBefore) || IsWhiteSpace(w.chAfter))
                survivors.push_back(std::move(w));
        }
    }
    words.insert(words.end(), survivors.begin(), survivors.end());
}
