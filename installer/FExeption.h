// The error a folder copy raises: a message text and the system error code behind it.
#pragma once

#include <stdexcept>
#include <string>

class CFExeption : public std::runtime_error {
public:
    // A plain message such as "<path> not found"; the error code is 0.
    explicit CFExeption(const std::string& strMessage);
    // A system error on a path: the text is the path and the system's message for the code.
    CFExeption(int nError, const std::string& strPath);

    int ErrorCode() const { return m_nError; }

private:
    int m_nError = 0;
};

// Writes one line about a failed copy to standard error; the installer has no other channel.
void ReportCopyError(const std::string& strText);
