// Base of every syntax parser.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CMirtParser {
public:
    CMirtParser() = default;
    CMirtParser(const CMirtParser&) = delete;
    CMirtParser& operator=(const CMirtParser&) = delete;
    virtual ~CMirtParser() = default;

    virtual int32_t GetId() const { return -1; }
    virtual std::string GetName() const { return ""; }
    virtual std::string GetDefaultExtensions() const { return ""; }

    // True when the lower-cased extension of the path is one of m_extensions.
    bool MatchesFileName(const std::string& strPath) const;
    // Replaces the extensions with the pieces of the text between blanks, commas and
    // semicolons, as written.
    void SetExtensions(const std::string& strText);
    std::string GetExtensionsText() const;

    std::vector<std::string> m_extensions;
};
