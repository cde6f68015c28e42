// Reading and writing settings files. Lines are split as QSettings splits them: a line
// goes on past a line end inside quotes or after a backslash, ";" starts a comment, and
// the key ends at the first "=" outside quotes.
#include "installer/IniFile.h"

#include "installer/FileHandle.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {
bool IsSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

struct SIniLine {
    std::size_t nStart = 0;
    std::size_t nLength = 0;
    std::size_t nEquals = std::string_view::npos;
    bool bOpen = false; // ended by the end of the text inside quotes or after a backslash
};

// Handles a backslash at data[i - 1]: it takes the next character (and a CR LF or LF CR
// pair) into the line.
void SkipEscaped(std::string_view data, std::size_t& i, bool& bOpen) {
    if (i >= data.size()) {
        bOpen = true;
        return;
    }
    char ch = data[i++];
    if (i < data.size()) {
        char ch2 = data[i];
        if ((ch == '\n' && ch2 == '\r') || (ch == '\r' && ch2 == '\n'))
            ++i;
    } else if (ch == '\r') {
        bOpen = true; // a line feed written after it would join it
    }
}

// Reads the next logical line from nPos on; false when only blanks and comments are left.
bool ReadIniLine(std::string_view data, std::size_t& nPos, SIniLine& line) {
    line = SIniLine{};
    bool bInQuotes = false;
    std::size_t nStart = nPos;
    while (nStart < data.size() && IsSpace(data[nStart]))
        ++nStart;
    std::size_t i = nStart;
    while (i < data.size()) {
        char ch = data[i++];
        if (ch == '=') {
            if (!bInQuotes && line.nEquals == std::string_view::npos)
                line.nEquals = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == nStart + 1)
                ++nStart;
            else if (!bInQuotes) {
                --i;
                break;
            }
        } else if (ch == '\\') {
            SkipEscaped(data, i, line.bOpen);
        } else if (ch == '"') {
            bInQuotes = !bInQuotes;
        } else if (ch == ';') {
            if (i == nStart + 1) {
                while (i < data.size() && data[i] != '\n' && data[i] != '\r')
                    ++i;
                while (i < data.size() && IsSpace(data[i]))
                    ++i;
                nStart = i;
            } else if (!bInQuotes) {
                --i;
                break;
            }
        }
    }
    line.bOpen = line.bOpen || bInQuotes;
    nPos = i;
    line.nStart = nStart;
    line.nLength = i - nStart;
    return line.nLength > 0;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// The logical group a section header stands for; "" for the top level.
std::u16string SectionGroup(std::string_view section) {
    if (section.empty() || EqualsNoCase(section, "general"))
        return {};
    if (EqualsNoCase(section, "%general"))
        return Utf8ToUtf16(section.substr(1));
    return UnescapeIniKey(section);
}

// A value cut off by the end of the file would swallow the line written after it: close
// its quotes or drop its dangling backslash, which QSettings reads as the same value.
std::string CloseValue(std::string strValue) {
    bool bInQuotes = false;
    for (std::size_t i = 0; i < strValue.size(); ++i) {
        if (strValue[i] == '\\')
            ++i;
        else if (strValue[i] == '"')
            bInQuotes = !bInQuotes;
    }
    if (bInQuotes)
        return strValue + '"';
    if (!strValue.empty() && strValue.back() == '\r')
        strValue.pop_back();
    if (!strValue.empty() && strValue.back() == '\\')
        strValue.pop_back();
    return strValue;
}
} // namespace

void CIniFile::Parse(std::string_view text) {
    m_entries.clear();
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::string strSection;
    std::size_t nPos = 0;
    SIniLine line;
    while (ReadIniLine(text, nPos, line)) {
        std::string_view content = text.substr(line.nStart, line.nLength);
        if (content.front() == '[') {
            std::size_t nClose = content.find(']');
            strSection = Trim(content.substr(
                1, nClose == std::string_view::npos ? std::string_view::npos : nClose - 1));
        } else if (line.nEquals != std::string_view::npos) {
            std::size_t nEquals = line.nEquals - line.nStart;
            std::string strValue(content.substr(nEquals + 1));
            AddParsed(strSection, Trim(content.substr(0, nEquals)),
                      line.bOpen ? CloseValue(std::move(strValue)) : std::move(strValue));
        }
    }
}

void CIniFile::AddParsed(const std::string& strSection, std::string_view key,
                         std::string strValue) {
    std::u16string full = SectionGroup(strSection);
    if (!full.empty())
        full += u'/';
    full += UnescapeIniKey(key);
    IniKeyPath path = SplitKeyPath(full);
    if (path.empty())
        return;
    // A key given twice holds its last value, as QSettings reads it.
    std::erase_if(m_entries, [&](const SIniEntry& entry) { return entry.path == path; });
    m_entries.push_back({strSection, std::string(key), std::move(strValue), std::move(path)});
}

namespace {
// Where a key that is not in the file yet goes: its first group names the section, as
// QSettings writes it; a value of the top level goes into [General].
void PlaceNewKey(const IniKeyPath& path, SIniEntry& entry) {
    if (path.size() == 1) {
        entry.strSection = "General";
        entry.strKey = EscapeIniKey(path[0]);
        return;
    }
    entry.strSection = EscapeIniKey(path[0]);
    // "[General]" is the top level; a group of that name keeps its own case behind "%".
    if (EqualsNoCase(entry.strSection, "general"))
        entry.strSection.insert(0, "%");
    std::u16string key;
    for (std::size_t i = 1; i < path.size(); ++i)
        key += (i > 1 ? u"/" : u"") + path[i];
    entry.strKey = EscapeIniKey(key);
}
} // namespace

bool CIniFile::SetValue(const IniKeyPath& path, const std::string& strValue) {
    for (SIniEntry& entry : m_entries) {
        if (entry.path != path)
            continue;
        if (entry.strValue == strValue)
            return false;
        entry.strValue = strValue;
        return true;
    }
    SIniEntry entry;
    PlaceNewKey(path, entry);
    entry.strValue = strValue;
    entry.path = path;
    m_entries.push_back(std::move(entry));
    return true;
}

std::string CIniFile::Text() const {
    // Sections in the order they first appear; lines before any header stay in front.
    std::vector<std::string> sections;
    bool bLeading = false;
    for (const SIniEntry& entry : m_entries) {
        if (entry.strSection.empty())
            bLeading = true;
        else if (std::find(sections.begin(), sections.end(), entry.strSection) == sections.end())
            sections.push_back(entry.strSection);
    }
    if (bLeading)
        sections.insert(sections.begin(), std::string());
    std::string strText;
    for (const std::string& strSection : sections) {
        if (!strText.empty())
            strText += '\n';
        if (!strSection.empty())
            strText += "[" + strSection + "]\n";
        for (const SIniEntry& entry : m_entries) {
            if (entry.strSection == strSection)
                strText += entry.strKey + "=" + entry.strValue + "\n";
        }
    }
    return strText;
}

namespace {
bool WriteAll(int nFd, std::string_view text) {
    while (!text.empty()) {
        ssize_t nWritten = write(nFd, text.data(), text.size());
        if (nWritten < 0 && errno == EINTR)
            continue;
        if (nWritten <= 0)
            return false;
        text.remove_prefix(static_cast<std::size_t>(nWritten));
    }
    return true;
}

// The file a link points to is the one to update; the link itself stays.
std::string ResolvedTarget(const std::string& strPath) {
    std::unique_ptr<char, decltype(&std::free)> pResolved(realpath(strPath.c_str(), nullptr),
                                                          &std::free);
    return pResolved ? std::string(pResolved.get()) : strPath;
}
} // namespace

CIniFile::ELoad CIniFile::Load(const std::string& strPath) {
    m_entries.clear();
    CFileHandle file(open(strPath.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0)
        return errno == ENOENT ? ELoad::Missing : ELoad::Failed;
    std::string strText;
    char buffer[65536];
    for (;;) {
        ssize_t nRead = read(file.Get(), buffer, sizeof buffer);
        if (nRead < 0 && errno == EINTR)
            continue;
        if (nRead < 0)
            return ELoad::Failed;
        if (nRead == 0)
            break;
        strText.append(buffer, static_cast<std::size_t>(nRead));
    }
    Parse(strText);
    return ELoad::Loaded;
}

bool CIniFile::Save(const std::string& strPath, mode_t nNewMode) const {
    const std::string strTarget = ResolvedTarget(strPath);
    struct stat existing {};
    const bool bExists = stat(strTarget.c_str(), &existing) == 0;
    std::string strTemp = strTarget + ".XXXXXX";
    CFileHandle temp(mkstemp(strTemp.data()));
    if (temp.Get() < 0)
        return false;
    bool bDone = WriteAll(temp.Get(), Text()) &&
                 fchmod(temp.Get(), bExists ? existing.st_mode & 07777 : nNewMode) == 0;
    if (bDone && bExists && (existing.st_uid != geteuid() || existing.st_gid != getegid())) {
        // An installer running as root must not take the user's own file away from them.
        bDone = fchown(temp.Get(), existing.st_uid, existing.st_gid) == 0;
    }
    bDone = bDone && fsync(temp.Get()) == 0;
    bDone = close(temp.Release()) == 0 && bDone;
    if (bDone && rename(strTemp.c_str(), strTarget.c_str()) == 0)
        return true;
    unlink(strTemp.c_str());
    return false;
}
