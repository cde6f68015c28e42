// User-defined syntaxes.
#include "parsers/MirtParserUser.h"

#include <array>
#include <memory>

#include "parsers/MirtParsers.h"
#include "platform/DirectoryList.h"
#include "platform/IniFile.h"

namespace {
constexpr const char* kSection = "syntax";
constexpr const char* kSyntaxFileMask = "*.ini";
constexpr const char* kNameKey = "Name";
constexpr const char* kExtensionsKey = "FileExtensions";
constexpr const char* kSeparatorsKey = "Separators";
constexpr const char* kKeywordsFileKey = "KeywordsFile";

struct SDelimiterKey {
    const char* pszKey;
    std::string CMirtParser::*pMember;
};

// Read in this order; a key that is missing leaves its construct disabled.
constexpr std::array<SDelimiterKey, 10> kDelimiterKeys = {{
    {"StringStart", &CMirtParser::m_strStringStart},
    {"StringEnd", &CMirtParser::m_strStringEnd},
    {"StringStart1", &CMirtParser::m_strStringStart1},
    {"StringEnd1", &CMirtParser::m_strStringEnd1},
    {"BlockCommentStart", &CMirtParser::m_strBlockCommentStart},
    {"BlockCommentEnd", &CMirtParser::m_strBlockCommentEnd},
    {"BlockCommentStart1", &CMirtParser::m_strBlockCommentStart1},
    {"BlockCommentEnd1", &CMirtParser::m_strBlockCommentEnd1},
    {"LineComment", &CMirtParser::m_strLineComment},
    {"LineComment1", &CMirtParser::m_strLineComment1},
}};
} // namespace

bool CMirtParserUser::Load(const std::string& strPath, const std::string& strProgramFolder) {
    CIniFile ini;
    if (!ini.Load(strPath))
        return false;
    m_strName = ini.GetString(kSection, kNameKey);
    if (m_strName.empty())
        return false;
    for (const SDelimiterKey& key : kDelimiterKeys)
        this->*key.pMember = ini.GetString(kSection, key.pszKey);
    m_strExtensionsText = ini.GetString(kSection, kExtensionsKey);
    SetExtensions(m_strExtensionsText);
    // The set is replaced, not extended: without a blank in it, blanks do not separate.
    std::string separators = ini.GetString(kSection, kSeparatorsKey);
    if (!separators.empty()) {
        m_codeSeparators.fill(false);
        for (char c : separators)
            m_codeSeparators[static_cast<unsigned char>(c)] = true;
    }
    std::string keywordsFile = ini.GetString(kSection, kKeywordsFileKey);
    return keywordsFile.empty() || m_keywords.LoadFromFile(strProgramFolder + keywordsFile);
}

int32_t CMirtParserUser::GetId() const {
    return m_nId;
}

std::string CMirtParserUser::GetName() const {
    return m_strName;
}

std::string CMirtParserUser::GetDefaultExtensions() const {
    return m_strExtensionsText;
}

int CMirtParserUser::CheckCommentWord(const std::string& strWord,
                                      std::vector<std::string>& suggestions) {
    if (m_keywords.Find(strWord))
        return 1;
    return CMirtParser::CheckCommentWord(strWord, suggestions);
}

int CMirtParserUser::CheckCodeWord(const std::string& strWord,
                                   std::vector<std::string>& suggestions) {
    if (m_keywords.Find(strWord))
        return 1;
    return CMirtParser::CheckCodeWord(strWord, suggestions);
}

int AddUserSyntaxes(CMirtParsers& parsers, const std::string& strProgramFolder) {
    std::vector<SDirEntry> entries;
    if (!ListDirectory(strProgramFolder, kSyntaxFileMask, entries))
        return 0;
    int nAdded = 0;
    for (const SDirEntry& entry : entries) {
        if (entry.bDirectory)
            continue;
        auto pParser = std::make_unique<CMirtParserUser>();
        if (!pParser->Load(strProgramFolder + entry.strName, strProgramFolder))
            continue;
        pParser->SetId(FIRST_USER_SYNTAX_ID + nAdded);
        parsers.Add(std::move(pParser));
        ++nAdded;
    }
    return nAdded;
}
