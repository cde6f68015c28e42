// Parser base: file name association.
#include "parsers/MirtParser.h"

#include <algorithm>
#include <cctype>

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
