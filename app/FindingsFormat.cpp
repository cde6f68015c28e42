// Findings as lines, JSON and SARIF.
#include "app/FindingsFormat.h"

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <vector>

#include "project/MirtDoc.h"

namespace {
constexpr const char* kVersion = "3.10";

// The length of the UTF-8 sequence at i, or 0 when none starts there.
size_t Utf8SequenceAt(const std::string& strText, size_t i) {
    auto byte = [&](size_t n) { return static_cast<unsigned char>(strText[n]); };
    unsigned char c = byte(i);
    size_t nLength = c < 0x80             ? 1
                     : (c & 0xE0) == 0xC0 ? 2
                     : (c & 0xF0) == 0xE0 ? 3
                     : (c & 0xF8) == 0xF0 ? 4
                                          : 0;
    if (nLength == 0 || (nLength == 2 && c < 0xC2) || i + nLength > strText.size())
        return 0;
    for (size_t n = 1; n < nLength; ++n)
        if ((byte(i + n) & 0xC0) != 0x80)
            return 0;
    return nLength;
}

std::string Hex4(unsigned nValue) {
    char buffer[8];
    std::snprintf(buffer, sizeof(buffer), "\\u%04x", nValue);
    return buffer;
}

std::string Latin1AsUtf8(unsigned char c) {
    return {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
}

// Characters (code points) in the first nBytes bytes, as SARIF counts columns.
long CodePointsBefore(const std::string& strText, size_t nBytes) {
    long nCount = 0;
    for (size_t i = 0; i < nBytes && i < strText.size();) {
        size_t nLength = Utf8SequenceAt(strText, i);
        i += nLength == 0 ? 1 : nLength;
        ++nCount;
    }
    return nCount;
}

const char* CategoryName(int32_t nCategory) {
    return nCategory == 2 ? "comment" : nCategory == 4 ? "code" : "string";
}

const char* KindName(int32_t nKind) {
    return nKind == KIND_PROFANITY ? "indecent" : "spelling";
}

const char* StatusName(const CSpellFile& file) {
    if (file.m_nSyntax == -1)
        return "no parser";
    return file.m_nStatus == STATUS_CHECKED ? "checked" : "not checked";
}

std::string ChosenText(const CSpellError& error) {
    if (error.m_nChosen < 0 || static_cast<size_t>(error.m_nChosen) >= error.m_suggestions.size())
        return "";
    return error.m_suggestions[static_cast<size_t>(error.m_nChosen)];
}

std::string RelativePath(const std::string& strPath, const std::string& strBase) {
    if (!strBase.empty() && strPath.size() > strBase.size() && strPath.rfind(strBase, 0) == 0)
        return strPath.substr(strBase.size());
    return strPath;
}

// A line for a person reads the first few; the JSON document carries them all.
constexpr size_t kSuggestionsShown = 5;

// The chosen suggestion first, then the others in the engine's order.
std::string FirstSuggestions(const CSpellError& error) {
    std::string strChosen = ChosenText(error);
    std::string text = strChosen;
    size_t nShown = strChosen.empty() ? 0 : 1;
    for (size_t i = 0; i < error.m_suggestions.size() && nShown < kSuggestionsShown; ++i) {
        if (static_cast<int32_t>(i) == error.m_nChosen)
            continue;
        text += (text.empty() ? "" : ", ") + error.m_suggestions[i];
        ++nShown;
    }
    return text;
}

std::string JsonList(const std::vector<std::string>& items) {
    std::string text = "[";
    for (const std::string& item : items)
        text += (text.size() > 1 ? ", " : "") + JsonString(item);
    return text + "]";
}

// path:line:column: word [category] -> suggestions
std::string Lines(const CMirtDoc& doc, const std::string& strBase) {
    std::string text;
    for (const CSpellFile* pFile : doc.m_files) {
        std::string strPath = RelativePath(pFile->m_strPath, strBase);
        for (const CSpellError* pError : pFile->m_errors) {
            if (!pError->IsCounting())
                continue;
            text += strPath + ":" + std::to_string(pError->m_nLine) + ":" +
                    std::to_string(pError->m_nPos + 1) + ": " + pError->m_strWord + " [" +
                    CategoryName(pError->m_nCategory) +
                    (pError->m_nKind == KIND_PROFANITY ? ", indecent]" : "]");
            // An indecent word's only suggestion is the word blanked out.
            if (!pError->m_suggestions.empty() && pError->m_nKind != KIND_PROFANITY)
                text += " -> " + FirstSuggestions(*pError);
            text += "\n";
        }
    }
    return text;
}

std::string JsonFinding(const CSpellError& error) {
    std::string strChosen = ChosenText(error);
    return "{\"line\": " + std::to_string(error.m_nLine) +
           ", \"position\": " + std::to_string(error.m_nPos) +
           ", \"column\": " + std::to_string(error.m_nPos + 1) +
           ", \"word\": " + JsonString(error.m_strWord) + ", \"category\": \"" +
           CategoryName(error.m_nCategory) + "\", \"kind\": \"" + KindName(error.m_nKind) +
           "\", \"suggestions\": " + JsonList(error.m_suggestions) +
           ", \"chosen\": " + (strChosen.empty() ? "null" : JsonString(strChosen)) +
           ", \"ignored\": " + (error.m_bIgnored ? "true" : "false") + "}";
}

std::string Json(const CMirtDoc& doc) {
    std::string text = "{\n  \"tool\": \"mirt\",\n  \"version\": \"" + std::string(kVersion) +
                       "\",\n  \"project\": " + JsonString(doc.GetPathName()) + ",\n  \"files\": [";
    const char* pszFileSeparator = "\n";
    for (const CSpellFile* pFile : doc.m_files) {
        text += pszFileSeparator;
        pszFileSeparator = ",\n";
        text += "    {\"path\": " + JsonString(pFile->m_strPath) + ", \"status\": \"" +
                StatusName(*pFile) + "\", \"findings\": [";
        const char* pszSeparator = "\n";
        for (const CSpellError* pError : pFile->m_errors) {
            text += pszSeparator + std::string("      ") + JsonFinding(*pError);
            pszSeparator = ",\n";
        }
        text += pFile->m_errors.empty() ? "]}" : "\n    ]}";
    }
    return text + (doc.m_files.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

// One rule per kind and category, in this order; a result names its rule by index.
struct SRule {
    int32_t nKind;
    int32_t nCategory;
};
constexpr SRule kRules[] = {{KIND_SPELLING, 1},  {KIND_SPELLING, 2},  {KIND_SPELLING, 4},
                            {KIND_PROFANITY, 1}, {KIND_PROFANITY, 2}, {KIND_PROFANITY, 4}};

std::string RuleId(const SRule& rule) {
    return std::string(KindName(rule.nKind)) + "-" + CategoryName(rule.nCategory);
}

std::string RuleDescription(const SRule& rule) {
    std::string strWhere = rule.nCategory == 2   ? "a comment"
                           : rule.nCategory == 4 ? "an identifier"
                                                 : "a string literal";
    return (rule.nKind == KIND_PROFANITY ? "Indecent word in " : "Misspelled word in ") + strWhere;
}

std::string SarifRules() {
    std::string text;
    for (const SRule& rule : kRules)
        text += std::string(text.empty() ? "" : ",\n") + "        {\"id\": \"" + RuleId(rule) +
                "\", \"shortDescription\": {\"text\": \"" + RuleDescription(rule) +
                "\"}, \"defaultConfiguration\": {\"level\": \"" +
                (rule.nKind == KIND_PROFANITY ? "warning" : "note") + "\"}}";
    return text;
}

size_t RuleIndex(const CSpellError& error) {
    for (size_t i = 0; i < std::size(kRules); ++i)
        if (kRules[i].nKind == error.m_nKind && kRules[i].nCategory == error.m_nCategory)
            return i;
    return 0;
}

std::string SarifLocation(const std::string& strUri, bool bRelative) {
    return "{\"uri\": " + JsonString(strUri) + (bRelative ? ", \"uriBaseId\": \"SRCROOT\"}" : "}");
}

std::string SarifRegion(const CSpellError& error) {
    size_t nPos = std::min(static_cast<size_t>(std::max(error.m_nPos, 0)), error.GetLine().size());
    long nStart = CodePointsBefore(error.GetLine(), nPos) + 1;
    long nEnd = nStart + CodePointsBefore(error.GetLine().substr(nPos), error.m_strWord.size());
    return "{\"startLine\": " + std::to_string(error.m_nLine) +
           ", \"startColumn\": " + std::to_string(nStart) +
           ", \"endColumn\": " + std::to_string(nEnd) + "}";
}

std::string SarifResult(const CSpellError& error, const std::string& strLocation) {
    size_t nRule = RuleIndex(error);
    std::string strMessage =
        "'" + error.m_strWord + "' " +
        (error.m_nKind == KIND_PROFANITY ? "is an indecent word" : "may be misspelled");
    if (!error.m_suggestions.empty() && error.m_nKind != KIND_PROFANITY)
        strMessage += "; suggestions: " + FirstSuggestions(error);
    std::string strRegion = SarifRegion(error);
    std::string text =
        "        {\"ruleId\": \"" + RuleId(kRules[nRule]) +
        "\", \"ruleIndex\": " + std::to_string(nRule) + ", \"level\": \"" +
        (error.m_nKind == KIND_PROFANITY ? "warning" : "note") +
        "\", \"message\": {\"text\": " + JsonString(strMessage) +
        "}, \"locations\": [{\"physicalLocation\": {\"artifactLocation\": " + strLocation +
        ", \"region\": " + strRegion + "}}]";
    std::string strChosen = ChosenText(error);
    if (!strChosen.empty())
        text += ", \"fixes\": [{\"description\": {\"text\": " +
                JsonString("Replace with '" + strChosen + "'") +
                "}, \"artifactChanges\": [{\"artifactLocation\": " + strLocation +
                ", \"replacements\": [{\"deletedRegion\": " + strRegion +
                ", \"insertedContent\": {\"text\": " + JsonString(strChosen) + "}}]}]}]";
    if (error.m_bIgnored)
        text += ", \"suppressions\": [{\"kind\": \"external\"}]";
    return text + "}";
}

std::string Sarif(const CMirtDoc& doc, const std::string& strBase) {
    std::string text = "{\n  \"$schema\": \"https://json.schemastore.org/sarif-2.1.0.json\",\n"
                       "  \"version\": \"2.1.0\",\n  \"runs\": [{\n    \"tool\": {\"driver\": {"
                       "\"name\": \"mirt\", \"version\": \"" +
                       std::string(kVersion) +
                       "\", \"informationUri\": \"https://www.halvenik.com/mirtora/\",\n"
                       "      \"rules\": [\n" +
                       SarifRules() + "\n      ]}},\n    \"columnKind\": \"unicodeCodePoints\",\n";
    if (!strBase.empty())
        text += "    \"originalUriBaseIds\": {\"SRCROOT\": {\"uri\": " +
                JsonString("file://" + strBase) + "}},\n";
    text += "    \"results\": [";
    const char* pszSeparator = "\n";
    for (const CSpellFile* pFile : doc.m_files) {
        std::string strRelative = RelativePath(pFile->m_strPath, strBase);
        bool bRelative = strRelative != pFile->m_strPath;
        std::string strLocation =
            SarifLocation(bRelative ? strRelative : "file://" + pFile->m_strPath, bRelative);
        for (const CSpellError* pError : pFile->m_errors) {
            text += pszSeparator + SarifResult(*pError, strLocation);
            pszSeparator = ",\n";
        }
    }
    return text + (std::string(pszSeparator) == "\n" ? "]\n  }]\n}\n" : "\n    ]\n  }]\n}\n");
}
} // namespace

std::string JsonString(const std::string& strText) {
    std::string text = "\"";
    for (size_t i = 0; i < strText.size();) {
        unsigned char c = static_cast<unsigned char>(strText[i]);
        size_t nLength = Utf8SequenceAt(strText, i);
        if (nLength == 0) {
            text += Latin1AsUtf8(c);
            ++i;
        } else if (c == '"' || c == '\\') {
            text += std::string("\\") + static_cast<char>(c);
            ++i;
        } else if (c < 0x20) {
            text += c == '\n' ? "\\n" : c == '\t' ? "\\t" : c == '\r' ? "\\r" : Hex4(c);
            ++i;
        } else {
            text.append(strText, i, nLength);
            i += nLength;
        }
    }
    return text + "\"";
}

std::string FormatFindings(const CMirtDoc& doc, EOutputFormat eFormat, const std::string& strBase) {
    std::lock_guard<std::recursive_mutex> lock(doc.GetLock());
    switch (eFormat) {
    case EOutputFormat::Lines:
        return Lines(doc, strBase);
    case EOutputFormat::Json:
        return Json(doc);
    case EOutputFormat::Sarif:
        return Sarif(doc, strBase);
    default:
        return "";
    }
}
