// A temporary folder for one test, removed with everything in it when the test ends.
#pragma once

#include <string>

class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    // The folder, without a trailing "/".
    const std::string& Path() const { return m_strPath; }
    // Full path of a name inside the folder.
    std::string operator/(const std::string& strName) const { return m_strPath + "/" + strName; }

    // Writes a file (folders created as needed) and returns its full path.
    std::string WriteFile(const std::string& strName, const std::string& strContent) const;
    std::string MakeDir(const std::string& strName) const;

private:
    std::string m_strPath;
};

std::string ReadWholeFile(const std::string& strPath);
// Replaces the file's content; false when it cannot be written.
bool WriteWholeFile(const std::string& strPath, const std::string& strContent);
void SetFileTime(const std::string& strPath, long long tModified);
