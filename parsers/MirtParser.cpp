// Parser base: the table-driven line scanner, its post-filters and the word checks
// that every syntax builds on, and the file-name associations of a parser.
#include "parsers/MirtParser.h"

#include <algorithm>
#include <cctype>

#include "engines/MirtSpellEngine.h"
#include "parsers/KeywordList.h"
#include "parsers/WordCategory.h"
#include "platform/SettingsStore.h"
#include "platform/TextList.h"

namespace {
// Code separators, read as one C string literal: blanks, the double quote, the
// backslash and the printable punctuation and brackets. Strings and comments use the
// same set without the apostrophe, so that "don't" stays one word there.
constexpr std::string_view kCodeSeparators = " \t\r\n\"\\,.:;!?{}-=~@#$%^&*()+|\\{}[]/<>'";
// y is left out: it acts as a vowel too often for "all consonants" to mean abbreviation.
constexpr std::string_view kConsonants = "bcdfghjklmnpqrstvwxzBCDFGHJKLMNPQRSTVWXZ";
constexpr std::string_view kFileNameForbidden = "?*<>|";
constexpr size_t kMinCodePart = 4; // shorter identifier parts are never checked
constexpr size_t kMinCompoundPiece = 3;
constexpr const char* kParsersSection = "Parsers";
constexpr const char* kNoStoredValue = "-";
constexpr char kAccelerator = '&';
constexpr SSyntaxTable kNoSyntax;

void AddChars(CCharSet& set, std::string_view chars) {
    for (char c : chars)
        set[static_cast<unsigned char>(c)] = true;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

char FoldCase(char c) {
    return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldCase(x) == FoldCase(y);
           });
}

bool IsSlash(char c) {
    return c == '/' || c == '\\';
}

std::string WithoutChars(const std::string& str, std::string_view chars) {
    std::string out;
    out.reserve(str.size());
    for (char c : str)
        if (chars.find(c) == std::string_view::npos)
            out += c;
    return out;
}

// Blanks and apostrophes removed, "stool's" and "stools" read the same; the first of
// them keeps its place in the engine's order.
void StripBlanksAndApostrophes(std::vector<std::string>& suggestions) {
    std::vector<std::string> out;
    out.reserve(suggestions.size());
    for (const std::string& s : suggestions) {
        std::string stripped = WithoutChars(s, " '");
        if (std::find(out.begin(), out.end(), stripped) == out.end())
            out.push_back(std::move(stripped));
    }
    suggestions = std::move(out);
}

// A dot two to four characters from the end: an extension of one to three characters.
bool HasShortExtension(std::string_view str) {
    const size_t n = str.size();
    for (size_t nBack = 2; nBack <= 4; ++nBack)
        if (n >= nBack && str[n - nBack] == '.')
            return true;
    return false;
}

const CKeywordList& English() {
    return GetKeywordList(KEYWORDS_ENGLISH);
}
} // namespace

// The scan of one line: the working copy and where the pending token began.
struct CMirtParser::SScanState {
    std::string text;
    EScanMode mode = EScanMode::Code;
    const CCharSet* pSeparators = nullptr;
    size_t nStart = 0;
    char chBefore = 0;
    // The file-name test looks ahead from each string start; these remember the next
    // double quote and the next character no file name holds, so a line with many
    // literals is still read once. Only the current position is ever rewritten, and
    // the look-aheads always start past it.
    size_t nQuoteAt = 0;
    size_t nNotFileNameAt = 0;
};

CMirtParser::CMirtParser() : CMirtParser(kNoSyntax) {}

CMirtParser::CMirtParser(const SSyntaxTable& syntax)
    : m_strCallOpen("("), m_strCallClose(")"), m_syntax(syntax) {
    AddChars(m_codeSeparators, kCodeSeparators);
    m_stringSeparators = m_codeSeparators;
    m_stringSeparators['\''] = false;
    m_commentSeparators = m_stringSeparators;
    // In comments "&" still parts words.
    if (syntax.bAcceleratorWords)
        m_stringSeparators[static_cast<unsigned char>(kAccelerator)] = false;
    AddChars(m_consonants, kConsonants);
    AddChars(m_fileNameForbidden, kFileNameForbidden);
    SetTokens(syntax.tokens);
    SetExtensions(syntax.pszExtensions);
}

CMirtParser::~CMirtParser() = default;

int32_t CMirtParser::GetId() const {
    return m_syntax.nId;
}

std::string CMirtParser::GetName() const {
    return m_syntax.pszName;
}

std::string CMirtParser::GetDefaultExtensions() const {
    return m_syntax.pszExtensions;
}

void CMirtParser::SetContext(CMirtDoc* pDoc, CMirtSpellEngine* pEngine) {
    m_pDoc = pDoc;
    m_pEngine = pEngine;
}

int CMirtParser::BeginFile(const std::string& strFileName) {
    m_bInBlockComment = 0;
    std::string name = strFileName.substr(strFileName.rfind('/') + 1);
    size_t nDot = name.find('.');
    // A name such as ".project" has no title before its dot; it is kept whole.
    m_strFileTitle = (nDot != std::string::npos && nDot > 0) ? name.substr(0, nDot) : name;
    m_callStack.clear();
    m_bCallsChanged = true;
    m_strLastCodeToken.clear();
    return 1;
}

void CMirtParser::EndFile() {}

// ---- the scanner ----------------------------------------------------------------

void CMirtParser::ParseLine(std::string strLine, CWordList& words) {
    SScanState s;
    s.text = std::move(strLine);
    s.text += ' '; // every line ends with a separator
    SetMode(s, m_bInBlockComment ? EScanMode::Comment : EScanMode::Code);
    for (size_t i = 0; i < s.text.size(); ++i) {
        const char ch = s.text[i];
        if (!(*s.pSeparators)[static_cast<unsigned char>(ch)])
            continue;
        if (s.nStart < i)
            EmitToken(s, i, ch, words);
        s.chBefore = ch;
        switch (s.mode) {
        case EScanMode::Code:
            i = ScanCodeDelimiter(s, i);
            break;
        case EScanMode::String:
            i = ScanStringDelimiter(s, i);
            break;
        case EScanMode::Comment:
            i = ScanCommentDelimiter(s, i);
            break;
        }
        s.nStart = i + 1;
    }
    ApplyPostFilters(words);
}

void CMirtParser::SetMode(SScanState& s, EScanMode mode) const {
    s.mode = mode;
    s.pSeparators = mode == EScanMode::Code     ? &m_codeSeparators
                    : mode == EScanMode::String ? &m_stringSeparators
                                                : &m_commentSeparators;
}

void CMirtParser::EmitToken(SScanState& s, size_t nEnd, char chAfter, CWordList& words) {
    std::string_view token(s.text.data() + s.nStart, nEnd - s.nStart);
    switch (s.mode) {
    case EScanMode::String:
        AppendWord(words, token, CATEGORY_LANGUAGE, s.nStart, s.chBefore, chAfter);
        break;
    case EScanMode::Comment:
        AppendWord(words, token, CATEGORY_COMMENT, s.nStart, s.chBefore, chAfter);
        break;
    case EScanMode::Code:
        m_strLastCodeToken.assign(token);
        if (IsLetter(token[0])) {
            m_identifiers[m_strLastCodeToken] = 1;
            SplitCodeToken(token, s.nStart, s.chBefore, chAfter, words);
        } else {
            AppendWord(words, token, CATEGORY_CODE, s.nStart, s.chBefore, chAfter);
        }
        break;
    }
}

// Identifier parts start at each upper-case letter and end at any non-letter, so
// getFileName gives File and Name; a part shorter than four letters is dropped.
void CMirtParser::SplitCodeToken(std::string_view token, size_t nStart, char chBefore, char chAfter,
                                 CWordList& words) const {
    size_t nPartStart = 0;
    size_t nPartLength = 0;
    char chPartBefore = chBefore;
    for (size_t j = 0; j < token.size(); ++j) {
        const char c = token[j];
        if (IsUpper(c) || !IsLetter(c)) {
            if (nPartLength >= kMinCodePart)
                AppendWord(words, token.substr(nPartStart, nPartLength), CATEGORY_CODE,
                           nStart + nPartStart, chPartBefore, 0);
            nPartLength = 0;
            chPartBefore = 0;
        }
        if (IsLetter(c)) {
            if (nPartLength == 0)
                nPartStart = j;
            ++nPartLength;
        }
    }
    if (nPartLength >= kMinCodePart)
        AppendWord(words, token.substr(nPartStart, nPartLength), CATEGORY_CODE, nStart + nPartStart,
                   chPartBefore, chAfter);
}

void CMirtParser::AppendWord(CWordList& words, std::string_view word, int32_t nCategory,
                             size_t nPos, char chBefore, char chAfter) const {
    SWord& w = words.emplace_back();
    w.strWord.assign(word);
    w.nCategory = nCategory;
    w.nPos = static_cast<int32_t>(nPos);
    w.chBefore = chBefore;
    w.chAfter = chAfter;
    w.calls = OpenCalls();
}

const CSharedStrings& CMirtParser::OpenCalls() const {
    if (m_bCallsChanged) {
        std::vector<std::string> calls;
        for (const std::string& call : m_callStack)
            if (!call.empty())
                calls.push_back(call);
        m_openCalls = std::move(calls);
        m_bCallsChanged = false;
    }
    return m_openCalls;
}

// Code mode: a string start, a line comment, a block comment, a call open or a call
// close, the first that matches. Returns the index of the delimiter's last character.
size_t CMirtParser::ScanCodeDelimiter(SScanState& s, size_t i) {
    int n = MatchToken(s.text, i, m_strStringStart);
    const std::string* pEnd = &m_strStringEnd;
    if (n == 0) {
        n = MatchToken(s.text, i, m_strStringStart1);
        pEnd = &m_strStringEnd1;
    }
    if (n > 0) {
        m_strCurStringEnd = *pEnd;
        SetMode(s, EScanMode::String);
        if (!m_strCurStringEnd.empty())
            m_stringSeparators[static_cast<unsigned char>(m_strCurStringEnd[0])] = true;
        // A literal that holds a file name is not text to check: skip to its quote.
        size_t k = 0;
        if (FileNameLiteralAt(s, i, k)) {
            SetMode(s, EScanMode::Code);
            return k;
        }
        return i + n - 1;
    }
    if ((n = MatchToken(s.text, i, m_strLineComment)) > 0 ||
        (n = MatchToken(s.text, i, m_strLineComment1)) > 0) {
        SetMode(s, EScanMode::Comment);
        return i + n - 1;
    }
    if ((n = MatchToken(s.text, i, m_strBlockCommentStart)) > 0)
        m_strCurBlockCommentEnd = m_strBlockCommentEnd;
    else if ((n = MatchToken(s.text, i, m_strBlockCommentStart1)) > 0)
        m_strCurBlockCommentEnd = m_strBlockCommentEnd1;
    if (n > 0) {
        SetMode(s, EScanMode::Comment);
        m_bInBlockComment = 1;
        return i + n - 1;
    }
    if ((n = MatchToken(s.text, i, m_strCallOpen)) > 0) {
        m_callStack.push_back(m_strLastCodeToken);
        m_bCallsChanged = true;
    } else if ((n = MatchToken(s.text, i, m_strCallClose)) > 0) {
        if (!m_callStack.empty())
            m_callStack.pop_back();
        m_bCallsChanged = true;
        m_strLastCodeToken.clear();
    }
    return n > 0 ? i + n - 1 : i;
}

size_t CMirtParser::ScanStringDelimiter(SScanState& s, size_t i) {
    int n = MatchToken(s.text, i, m_strCurStringEnd);
    if (n > 0) {
        m_stringSeparators[static_cast<unsigned char>(m_strCurStringEnd[0])] = false;
        SetMode(s, EScanMode::Code);
        return i + n - 1;
    }
    if (m_chEscape != 0 && s.text[i] == m_chEscape) {
        s.text[i] = ' ';
        return i + 1; // the escaped character is skipped unread
    }
    return i;
}

size_t CMirtParser::ScanCommentDelimiter(SScanState& s, size_t i) {
    if (!m_bInBlockComment)
        return i; // a line comment ends only with the line
    int n = MatchToken(s.text, i, m_strCurBlockCommentEnd);
    if (n == 0)
        return i;
    SetMode(s, EScanMode::Code);
    m_bInBlockComment = 0;
    return i + n - 1;
}

// Drops what reads as a file name, a path, a markup tag or a %name% variable, and the
// file's own title in comments.
void CMirtParser::ApplyPostFilters(CWordList& words) const {
    std::vector<bool> remove(words.size());
    for (size_t k = words.size(); k-- > 0;) {
        const SWord& w = words[k];
        if (w.nCategory != CATEGORY_LANGUAGE && w.nCategory != CATEGORY_COMMENT)
            continue;
        const char b = w.chBefore;
        const char a = w.chAfter;
        if (b == '.' && w.strWord.size() <= 3) {
            remove[k] = true;
            if (k > 0)
                remove[--k] = true; // the name before its extension
        } else if (IsSlash(b) || IsSlash(a) || (b == '<' && a == '>') || (b == '%' && a == '%')) {
            remove[k] = true;
        }
    }
    EraseMarked(words, remove);
    std::erase_if(words, [this](const SWord& w) {
        return w.nCategory == CATEGORY_COMMENT && EqualsNoCase(w.strWord, m_strFileTitle);
    });
}

// Removes the marked words in one pass, so that a line with many of them stays linear.
void CMirtParser::EraseMarked(CWordList& words, const std::vector<bool>& remove) {
    size_t nKept = 0;
    for (size_t k = 0; k < words.size(); ++k) {
        if (remove[k])
            continue;
        if (nKept != k)
            words[nKept] = std::move(words[k]);
        ++nKept;
    }
    words.resize(nKept);
}

int CMirtParser::MatchToken(const std::string& strText, size_t nPos,
                            const std::string& strToken) const {
    if (strToken.empty() || nPos > strText.size())
        return 0;
    size_t n = std::min(strText.size() - nPos, strToken.size());
    for (size_t k = 0; k < n; ++k)
        if (FoldCase(strText[nPos + k]) != FoldCase(strToken[k]))
            return 0;
    return static_cast<int>(strToken.size());
}

bool CMirtParser::IsFileNameChar(char c) const {
    return !std::isspace(static_cast<unsigned char>(c)) &&
           !m_fileNameForbidden[static_cast<unsigned char>(c)];
}

// The text from i + 1 up to the next double quote k on the line, whatever the
// literal's own end token.
bool CMirtParser::FileNameLiteralAt(SScanState& s, size_t i, size_t& k) const {
    const size_t nFrom = i + 1;
    if (s.nQuoteAt < nFrom)
        s.nQuoteAt = s.text.find('"', nFrom);
    k = s.nQuoteAt;
    if (k == std::string::npos ||
        !HasShortExtension(std::string_view(s.text).substr(nFrom, k - nFrom)))
        return false;
    if (s.nNotFileNameAt < nFrom) {
        s.nNotFileNameAt = nFrom;
        while (s.nNotFileNameAt < s.text.size() && IsFileNameChar(s.text[s.nNotFileNameAt]))
            ++s.nNotFileNameAt;
    }
    return s.nNotFileNameAt >= k;
}

// ---- the word checks ------------------------------------------------------------

bool CMirtParser::InAnyList(const CKeywordListIds& lists, const std::string& strWord) {
    return std::any_of(lists.begin(), lists.end(), [&](int nList) {
        return nList != 0 && GetKeywordList(nList).Find(strWord);
    });
}

int CMirtParser::CheckLanguageWord(const std::string& strWord,
                                   std::vector<std::string>& suggestions) {
    if (m_syntax.bAcceleratorWords && CheckAcceleratorWord(strWord, suggestions) != 0)
        return suggestions.empty() ? 1 : 0;
    if (strWord.empty() || !std::all_of(strWord.begin(), strWord.end(), IsLetter))
        return 1;
    if (English().Find(strWord))
        return 1;
    if (m_pEngine == nullptr)
        return 1; // no engine to ask: nothing can be proposed
    m_pEngine->CheckWord(strWord, suggestions);
    return suggestions.empty() ? 1 : 0;
}

int CMirtParser::CheckCommentWord(const std::string& strWord,
                                  std::vector<std::string>& suggestions) {
    if (InAnyList(m_syntax.commentLists, strWord))
        return 1;
    if (m_identifiers.count(strWord) != 0)
        return 1;
    // An upper-case letter inside a word marks an identifier written in prose.
    if (strWord.size() > 1 && std::any_of(strWord.begin() + 1, strWord.end(), IsUpper))
        return 1;
    return CheckLanguageWord(strWord, suggestions);
}

int CMirtParser::CheckCodeWord(const std::string& strWord, std::vector<std::string>& suggestions) {
    if (InAnyList(m_syntax.codeLists, strWord))
        return 1;
    if (strWord.empty() || !IsLetter(strWord[0]))
        return 1;
    if (IsAllConsonants(strWord))
        return 1;
    // Truncations of English words (Calc, Init) are accepted.
    if (English().FindPrefix(strWord))
        return 1;
    if (std::none_of(strWord.begin(), strWord.end(), IsUpper)) {
        // A one-letter type prefix (mfile, pbuffer).
        if (English().Find(strWord.substr(1)))
            return 1;
        // A run of prefix consonants whose last one starts the word (lpszname: name).
        size_t k = 0;
        while (k < strWord.size() && m_consonants[static_cast<unsigned char>(strWord[k])])
            ++k;
        if (k >= 3 && English().Find(strWord.substr(k - 1)))
            return 1;
        if (IsCompoundWord(strWord))
            return 1;
    }
    CheckLanguageWord(strWord, suggestions);
    // The engine may only have split a compound (file name -> filename): nothing to fix.
    for (const std::string& s : suggestions) {
        if (WithoutChars(s, " ") == strWord) {
            suggestions.clear();
            return 1;
        }
    }
    StripBlanksAndApostrophes(suggestions);
    return suggestions.empty() ? 1 : 0;
}

int CMirtParser::CheckProfanity(const std::string& strWord, std::vector<std::string>& suggestions) {
    if (!GetKeywordList(KEYWORDS_PROFANITY).Find(strWord))
        return 1;
    suggestions.push_back(std::string(strWord.size(), '*'));
    return 0;
}

int CMirtParser::CheckAcceleratorWord(const std::string& strWord,
                                      std::vector<std::string>& suggestions) {
    size_t nAmp = strWord.find('&');
    if (nAmp == std::string::npos)
        return 0;
    const char chMarked = nAmp + 1 < strWord.size() ? strWord[nAmp + 1] : 0;
    CheckLanguageWord(WithoutChars(strWord, "&"), suggestions);
    for (std::string& s : suggestions) {
        if (chMarked == 0) {
            s += '&';
        } else if (size_t nAt = s.find(chMarked); nAt != std::string::npos) {
            s.insert(nAt, 1, '&');
        }
    }
    return 1;
}

// True when the word is a listed English word, or splits into listed words of three
// letters or more. Same answer as trying every split recursively, found by marking
// which prefixes split, so a long identifier costs a quadratic number of look-ups at
// most instead of an exponential one.
bool CMirtParser::IsCompoundWord(const std::string& strWord) const {
    const CKeywordList& english = English();
    if (english.Find(strWord))
        return true;
    const size_t n = strWord.size();
    if (n < 2 * kMinCompoundPiece)
        return false;
    std::vector<bool> splits(n + 1, false); // splits[j]: the first j characters split
    splits[0] = true;
    std::string piece;
    for (size_t i = 0; i + kMinCompoundPiece <= n; ++i) {
        if (!splits[i])
            continue;
        for (size_t j = i + kMinCompoundPiece; j <= n; ++j) {
            piece.assign(strWord, i, j - i);
            if (!english.FindPrefix(piece))
                break; // no longer piece from i can be a word either
            if (english.Find(piece))
                splits[j] = true;
        }
    }
    return splits[n];
}

bool CMirtParser::IsAllConsonants(const std::string& strWord) const {
    return !strWord.empty() && std::all_of(strWord.begin(), strWord.end(), [this](char c) {
        return m_consonants[static_cast<unsigned char>(c)];
    });
}

std::string CMirtParser::GetCategoryName(int32_t nCategory) {
    switch (nCategory) {
    case CATEGORY_LANGUAGE:
        return "Language";
    case CATEGORY_COMMENT:
        return "Comment";
    case CATEGORY_CODE:
        return "Code";
    default:
        return "";
    }
}

// ---- file-name associations -----------------------------------------------------

bool CMirtParser::MatchesFileName(const std::string& strPath) const {
    size_t nSlash = strPath.rfind('/');
    size_t nDot = strPath.rfind('.');
    if (nDot == std::string::npos || (nSlash != std::string::npos && nDot < nSlash))
        return false;
    std::string ext = strPath.substr(nDot + 1);
    if (ext.empty())
        return false;
    std::transform(ext.begin(), ext.end(), ext.begin(), FoldCase);
    return std::find(m_extensions.begin(), m_extensions.end(), ext) != m_extensions.end();
}

void CMirtParser::SetTokens(const SSyntaxTokens& tokens) {
    m_strStringStart = tokens.pszStringStart;
    m_strStringEnd = tokens.pszStringEnd;
    m_strStringStart1 = tokens.pszStringStart1;
    m_strStringEnd1 = tokens.pszStringEnd1;
    m_strBlockCommentStart = tokens.pszBlockCommentStart;
    m_strBlockCommentEnd = tokens.pszBlockCommentEnd;
    m_strBlockCommentStart1 = tokens.pszBlockCommentStart1;
    m_strBlockCommentEnd1 = tokens.pszBlockCommentEnd1;
    m_strLineComment = tokens.pszLineComment;
    m_strLineComment1 = tokens.pszLineComment1;
    m_chEscape = tokens.chEscape;
}

void CMirtParser::SetExtensions(const std::string& strText) {
    m_extensions = SplitList(strText);
}

std::string CMirtParser::GetExtensionsText() const {
    std::string text;
    for (const std::string& ext : m_extensions)
        text += (text.empty() ? "" : " ") + ext;
    return text;
}

void CMirtParser::LoadExtensions(const CSettingsStore& settings) {
    std::string value = settings.GetString(kParsersSection, GetName(), kNoStoredValue);
    if (value != kNoStoredValue)
        SetExtensions(value);
}

void CMirtParser::SaveExtensions(CSettingsStore& settings) const {
    settings.WriteString(kParsersSection, GetName(), GetExtensionsText());
}
