// Base of every syntax parser: a table-driven line scanner configured by delimiter
// tokens and separator sets, and the word checks that consult the keyword lists, the
// identifiers seen in code and finally the spelling engine.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "parsers/SyntaxTable.h"
#include "parsers/Word.h"

class CMirtDoc;
class CMirtSpellEngine;
class CSettingsStore;

using CCharSet = std::array<bool, 256>;

class CMirtParser {
public:
    // A parser of no syntax: no delimiters, no extensions, no lists of its own.
    CMirtParser();
    explicit CMirtParser(const SSyntaxTable& syntax);
    CMirtParser(const CMirtParser&) = delete;
    CMirtParser& operator=(const CMirtParser&) = delete;

    virtual ~CMirtParser();
    virtual int32_t GetId() const;
    virtual std::string GetName() const;
    virtual std::string GetDefaultExtensions() const;
    virtual void SetContext(CMirtDoc* pDoc, CMirtSpellEngine* pEngine);
    // Takes the file's display name (name and extension without the folder).
    virtual int BeginFile(const std::string& strFileName);
    virtual void EndFile();
    virtual void ParseLine(std::string strLine, CWordList& words);
    // The checks reject a word by leaving suggestions; they return 1 when the word is
    // accepted (no suggestion left) and 0 otherwise.
    virtual int CheckLanguageWord(const std::string& strWord,
                                  std::vector<std::string>& suggestions);
    virtual int CheckCommentWord(const std::string& strWord, std::vector<std::string>& suggestions);
    virtual int CheckCodeWord(const std::string& strWord, std::vector<std::string>& suggestions);
    virtual int CheckProfanity(const std::string& strWord, std::vector<std::string>& suggestions);
    // 0 when the word holds no "&"; otherwise checks it without the markers and puts
    // the marker back into each suggestion, and returns 1.
    virtual int CheckAcceleratorWord(const std::string& strWord,
                                     std::vector<std::string>& suggestions);

    // Length of the token when the text at nPos begins with it (case ignored), else 0.
    int MatchToken(const std::string& strText, size_t nPos, const std::string& strToken) const;
    bool IsCompoundWord(const std::string& strWord) const;
    bool IsAllConsonants(const std::string& strWord) const;
    static std::string GetCategoryName(int32_t nCategory);

    // True when the lower-cased extension of the path is one of m_extensions.
    bool MatchesFileName(const std::string& strPath) const;
    // Replaces the extensions with the pieces of the text between blanks, commas and
    // semicolons, as written.
    void SetExtensions(const std::string& strText);
    std::string GetExtensionsText() const;
    void LoadExtensions(const CSettingsStore& settings);
    // Sets all ten delimiter tokens and the escape character from the table.
    void SetTokens(const SSyntaxTokens& tokens);
    static void EraseMarked(CWordList& words, const std::vector<bool>& remove);
    void SaveExtensions(CSettingsStore& settings) const;

    CMirtDoc* m_pDoc = nullptr;
    CMirtSpellEngine* m_pEngine = nullptr;
    std::unordered_map<std::string, int32_t> m_identifiers;
    int32_t m_bInBlockComment = 0;
    std::string m_strCurStringEnd;
    std::string m_strCurBlockCommentEnd;
    std::string m_strFileTitle;
    std::vector<std::string> m_callStack;
    std::string m_strLastCodeToken;
    std::vector<std::string> m_extensions;
    std::string m_strStringStart, m_strStringEnd;
    std::string m_strStringStart1, m_strStringEnd1;
    std::string m_strBlockCommentStart, m_strBlockCommentEnd;
    std::string m_strBlockCommentStart1, m_strBlockCommentEnd1;
    std::string m_strLineComment, m_strLineComment1;
    std::string m_strCallOpen, m_strCallClose;
    char m_chEscape = '\\';
    CCharSet m_codeSeparators{};
    CCharSet m_stringSeparators{};
    CCharSet m_commentSeparators{};
    CCharSet m_consonants{};
    CCharSet m_fileNameForbidden{};

private:
    enum class EScanMode { Code, String, Comment };
    static bool InAnyList(const CKeywordListIds& lists, const std::string& strWord);
    struct SScanState;

    void SetMode(SScanState& s, EScanMode mode) const;
    void EmitToken(SScanState& s, size_t nEnd, char chAfter, CWordList& words);
    void SplitCodeToken(std::string_view token, size_t nStart, char chBefore, char chAfter,
                        CWordList& words) const;
    void AppendWord(CWordList& words, std::string_view word, int32_t nCategory, size_t nPos,
                    char chBefore, char chAfter) const;
    const CSharedStrings& OpenCalls() const;
    size_t ScanCodeDelimiter(SScanState& s, size_t i);
    size_t ScanStringDelimiter(SScanState& s, size_t i);
    size_t ScanCommentDelimiter(SScanState& s, size_t i);
    void ApplyPostFilters(CWordList& words) const;
    bool IsFileNameChar(char c) const;
    bool FileNameLiteralAt(SScanState& s, size_t i, size_t& k) const;

    // The named calls of m_callStack as the words get them, made again after the stack
    // changes, so that the words inside one call share one list.
    mutable CSharedStrings m_openCalls;
    mutable bool m_bCallsChanged = false;
    const SSyntaxTable& m_syntax;
};
