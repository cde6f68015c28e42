// The error a folder copy raises: a message text, with the system's words for a failed call.
#pragma once

#include <stdexcept>
#include <string>

class CFExeption : public std::runtime_error {
public:
    // A plain message such as "<path> not found".
    explicit CFExeption(const std::string& strMessage);
    // A system error on a path: the text is the path and the system's message for the code.
    CFExeption(int nError, const std::string& strPath);
};

// Writes one line about a failed copy to standard error; the installer has no other channel.
void ReportCopyError(const std::string& strText);
