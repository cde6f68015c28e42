// The HTML parser.
#include "parsers/MirtParserHtml.h"

#include <algorithm>
#include <string_view>

#include "parsers/WordCategory.h"

namespace {
// Page text has no literals or comments of the base scanner's kind.
constexpr SSyntaxTable kSyntax = {
    .nId = 3, .pszName = "HTML", .pszExtensions = "html htm", .tokens = {}};
// Page text keeps "don't" whole.
constexpr char kApostrophe = '\'';
constexpr char kTagOpen = '<';
constexpr char kTagClose = '>';
constexpr char kEntityStart = '&';
constexpr char kEntityEnd = ';';
// Both are matched with letter case ignored; a script block is read as JavaScript
// whatever language its tag names.
constexpr const char* kScriptStart = "<script";
constexpr const char* kScriptEnd = "</script>";
constexpr std::string_view kScriptEndLower = "</script>";

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}
} // namespace

CMirtParserHtml::CMirtParserHtml() : CMirtParser(kSyntax) {
    m_codeSeparators[static_cast<unsigned char>(kApostrophe)] = false;
}

void CMirtParserHtml::SetContext(CMirtDoc* pDoc, CMirtSpellEngine* pEngine) {
    CMirtParser::SetContext(pDoc, pEngine);
    m_javaScript.SetContext(pDoc, pEngine);
    m_codeSeparators[static_cast<unsigned char>(kApostrophe)] = false;
}

int CMirtParserHtml::BeginFile(const std::string& strFileName) {
    m_bScriptStarted = 0;
    m_bInTag = 0;
    m_pActiveParser = nullptr;
    m_javaScript.BeginFile(strFileName);
    return CMirtParser::BeginFile(strFileName);
}

void CMirtParserHtml::EndFile() {
    m_javaScript.EndFile();
}

// The line that closes a script block is page text, also before its closing tag.
void CMirtParserHtml::ParseLine(std::string strLine, CWordList& words) {
    if (m_pActiveParser != nullptr) {
        if (LowerCase(strLine).find(kScriptEndLower) == std::string::npos) {
            m_pActiveParser->ParseLine(std::move(strLine), words);
            return;
        }
        m_pActiveParser = nullptr;
    }
    ScanPageText(std::move(strLine), words);
}

// Words outside tags and script blocks, without entities such as "&nbsp;". The tag and
// script states carry over to the next line; the separator before a word does not.
void CMirtParserHtml::ScanPageText(std::string strLine, CWordList& words) {
    m_codeSeparators[static_cast<unsigned char>(kApostrophe)] = false;
    const std::string text = std::move(strLine) + ' ';
    size_t nStart = 0;
    char chPrev = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (!m_codeSeparators[static_cast<unsigned char>(ch)])
            continue;
        if (!m_bInTag && !m_bScriptStarted && nStart < i &&
            !(chPrev == kEntityStart && ch == kEntityEnd)) {
            SWord& w = words.emplace_back();
            w.strWord = text.substr(nStart, i - nStart);
            w.nCategory = CATEGORY_LANGUAGE;
            w.nPos = static_cast<int32_t>(nStart);
            w.chBefore = chPrev;
            w.chAfter = ch;
        }
        chPrev = ch;
        if (ch == kTagOpen)
            m_bInTag = 1;
        else if (ch == kTagClose && m_bInTag)
            m_bInTag = 0;
        if (MatchToken(text, i, kScriptStart) > 0) {
            m_bScriptStarted = 1;
            m_pActiveParser = &m_javaScript; // from the next line on
        } else if (MatchToken(text, i, kScriptEnd) > 0) {
            m_bScriptStarted = 0;
            m_pActiveParser = nullptr;
        }
        nStart = i + 1;
    }
}

int CMirtParserHtml::CheckLanguageWord(const std::string& strWord,
                                       std::vector<std::string>& suggestions) {
    if (m_pActiveParser != nullptr)
        return m_pActiveParser->CheckLanguageWord(strWord, suggestions);
    return CMirtParser::CheckLanguageWord(strWord, suggestions);
}

int CMirtParserHtml::CheckCommentWord(const std::string& strWord,
                                      std::vector<std::string>& suggestions) {
    if (m_pActiveParser != nullptr)
        return m_pActiveParser->CheckCommentWord(strWord, suggestions);
    return CMirtParser::CheckCommentWord(strWord, suggestions);
}

int CMirtParserHtml::CheckCodeWord(const std::string& strWord,
                                   std::vector<std::string>& suggestions) {
    if (m_pActiveParser != nullptr)
        return m_pActiveParser->CheckCodeWord(strWord, suggestions);
    return CMirtParser::CheckCodeWord(strWord, suggestions);
}
