// Parser base. The scanner and the word checks are not built yet: this base extracts
// no words and accepts every word.
#include "parsers/MirtParser.h"

#include <algorithm>
#include <cctype>

#include "platform/SettingsStore.h"

CMirtParser::CMirtParser() : m_strCallOpen("("), m_strCallClose(")") {}

CMirtParser::~CMirtParser() = default;

int32_t CMirtParser::GetId() const {
    return -1;
}

std::string CMirtParser::GetName() const {
    return "";
}

std::string CMirtParser::GetDefaultExtensions() const {
    return "";
}

void CMirtParser::SetContext(CMirtDoc* pDoc, CMirtSpellEngine* pEngine) {
    m_pDoc = pDoc;
    m_pEngine = pEngine;
}

int CMirtParser::BeginFile(const std::string&) {
    return 1;
}

void CMirtParser::EndFile() {}

void CMirtParser::ParseLine(std::string, CWordList&) {}

int CMirtParser::CheckLanguageWord(const std::string&, std::vector<std::string>&) {
    return 1;
}

int CMirtParser::CheckCommentWord(const std::string&, std::vector<std::string>&) {
    return 1;
}

int CMirtParser::CheckCodeWord(const std::string&, std::vector<std::string>&) {
    return 1;
}

int CMirtParser::CheckProfanity(const std::string&, std::vector<std::string>&) {
    return 0;
}

int CMirtParser::CheckAcceleratorWord(const std::string&, std::vector<std::string>&) {
    return 0;
}

int CMirtParser::MatchToken(const std::string&, size_t, const std::string&) const {
    return 0;
}

bool CMirtParser::LooksLikeFileName(const std::string&) const {
    return false;
}

bool CMirtParser::IsCompoundWord(const std::string&) const {
    return false;
}

bool CMirtParser::IsAllConsonants(const std::string&) const {
    return false;
}

std::string CMirtParser::GetCategoryName(int32_t) {
    return "";
}

bool CMirtParser::MatchesFileName(const std::string& strPath) const {
    size_t nSlash = strPath.rfind('/');
    size_t nDot = strPath.rfind('.');
    if (nDot == std::string::npos || (nSlash != std::string::npos && nDot < nSlash))
        return false;
    std::string ext = strPath.substr(nDot + 1);
    if (ext.empty())
        return false;
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::find(m_extensions.begin(), m_extensions.end(), ext) != m_extensions.end();
}

void CMirtParser::SetExtensions(const std::string& strText) {
    m_extensions.clear();
    std::string piece;
    for (char c : strText + " ") {
        if (c == ' ' || c == ',' || c == ';') {
            if (!piece.empty())
                m_extensions.push_back(piece);
            piece.clear();
        } else {
            piece += c;
        }
    }
}

std::string CMirtParser::GetExtensionsText() const {
    std::string text;
    for (const std::string& ext : m_extensions)
        text += (text.empty() ? "" : " ") + ext;
    return text;
}

void CMirtParser::LoadExtensions(const CSettingsStore& settings) {
    std::string value = settings.GetString("Parsers", GetName(), "-");
    if (value != "-")
        SetExtensions(value);
}

void CMirtParser::SaveExtensions(CSettingsStore& settings) const {
    settings.WriteString("Parsers", GetName(), GetExtensionsText());
}
