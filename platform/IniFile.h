// A reader of INI files that follows the classic profile rules: section and key names
// match with letter case ignored, ";" starts a comment only at the start of a line,
// commas, semicolons and inner blanks are part of a value.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CIniFile {
public:
    // Reads the whole file; false when it cannot be read, and the reader then holds
    // nothing.
    [[nodiscard]] bool Load(const std::string& strPath);
    void SetText(std::string_view text);

    // The value with its outer blanks trimmed and one pair of enclosing quotes ("..." or
    // '...') removed, cut to 255 characters; empty when the section or key is missing.
    // Of repeated sections or keys, the first counts.
    std::string GetString(std::string_view section, std::string_view key) const;

private:
    struct SSection {
        std::string strName;
        std::vector<std::pair<std::string, std::string>> values;
    };
    void AddLine(std::string_view line);

    std::vector<SSection> m_sections;
};
