// One of the program's settings files, held as the text QSettings wrote: sections and
// "key=value" lines. Keys and values keep their text, so whatever is copied reads back
// through QSettings exactly as it was.
#pragma once

#include "installer/IniKey.h"

#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

struct SIniEntry {
    std::string strSection; // text between the brackets of its header, "" before any header
    std::string strKey;     // the key's text as it stands in the file
    std::string strValue;   // the text after "=" up to the end of the (logical) line
    IniKeyPath path;        // the logical key: groups, then the value's name
};

class CIniFile {
public:
    enum class ELoad { Loaded, Missing, Failed };

    // Reads the file; a missing file loads as an empty one.
    ELoad Load(const std::string& strPath);
    // Writes the file through a temporary file beside it, so a failure leaves the old
    // one whole. A new file gets nNewMode; an existing one keeps its mode and owner.
    [[nodiscard]] bool Save(const std::string& strPath, mode_t nNewMode) const;

    void Parse(std::string_view text);
    std::string Text() const;

    const std::vector<SIniEntry>& Entries() const { return m_entries; }
    // Sets the value text of a key, in place when the key is there; false when unchanged.
    [[nodiscard]] bool SetValue(const IniKeyPath& path, const std::string& strValue);

private:
    void AddParsed(const std::string& strSection, std::string_view key, std::string strValue);

    std::vector<SIniEntry> m_entries;
};
