// INI file reader.
#include "platform/IniFile.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sys/stat.h>

namespace {
constexpr size_t kMaxValueLength = 255;
constexpr char kComment = ';';
constexpr char kSectionOpen = '[';
constexpr char kSectionClose = ']';
constexpr char kAssign = '=';
constexpr std::string_view kBlanks = " \t\r\n\v\f";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
    size_t nFirst = text.find_first_not_of(kBlanks);
    if (nFirst == std::string_view::npos)
        return {};
    return text.substr(nFirst, text.find_last_not_of(kBlanks) - nFirst + 1);
}

char FoldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldCase(x) == FoldCase(y);
           });
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}
} // namespace

bool CIniFile::Load(const std::string& strPath) {
    m_sections.clear();
    // A folder or a pipe named like a syntax file is no text to read (a pipe would
    // block the open).
    struct stat status {};
    if (stat(strPath.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    std::unique_ptr<FILE, int (*)(FILE*)> pFile(std::fopen(strPath.c_str(), "rb"), &std::fclose);
    if (!pFile)
        return false;
    std::string text;
    char buffer[4096];
    size_t nRead = 0;
    while ((nRead = std::fread(buffer, 1, sizeof(buffer), pFile.get())) > 0)
        text.append(buffer, nRead);
    // A folder opens but cannot be read.
    if (std::ferror(pFile.get()) != 0)
        return false;
    SetText(text);
    return true;
}

// Lines end with LF, CR LF or a lone CR.
void CIniFile::SetText(std::string_view text) {
    m_sections.clear();
    if (text.starts_with(kUtf8Mark))
        text.remove_prefix(kUtf8Mark.size());
    while (!text.empty()) {
        size_t nEnd = text.find_first_of("\r\n");
        AddLine(text.substr(0, nEnd));
        if (nEnd == std::string_view::npos)
            break;
        size_t nNext = nEnd + 1;
        if (text[nEnd] == '\r' && nNext < text.size() && text[nNext] == '\n')
            ++nNext;
        text.remove_prefix(nNext);
    }
}

// Lines before the first section belong to a section without a name.
void CIniFile::AddLine(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line[0] == kComment)
        return;
    if (line[0] == kSectionOpen) {
        // A missing "]" leaves the rest of the line as the name.
        size_t nClose = line.rfind(kSectionClose);
        std::string_view name =
            line.substr(1, nClose == std::string_view::npos ? nClose : nClose - 1);
        m_sections.push_back({std::string(Trim(name)), {}});
        return;
    }
    if (m_sections.empty())
        m_sections.push_back({});
    size_t nAssign = line.find(kAssign);
    std::string_view key = Trim(line.substr(0, nAssign));
    std::string_view value =
        nAssign == std::string_view::npos ? std::string_view() : Trim(line.substr(nAssign + 1));
    m_sections.back().values.emplace_back(std::string(key), std::string(value));
}

std::string CIniFile::GetString(std::string_view section, std::string_view key) const {
    auto itSection = std::find_if(m_sections.begin(), m_sections.end(), [&](const SSection& s) {
        return EqualsNoCase(s.strName, section);
    });
    if (itSection == m_sections.end())
        return "";
    for (const auto& [strKey, strValue] : itSection->values) {
        if (!EqualsNoCase(strKey, key))
            continue;
        std::string_view value = strValue;
        if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return std::string(value.substr(0, kMaxValueLength));
    }
    return "";
}
