// File status as the program needs it: modification time and the read-only mark.
#pragma once

#include <cstdint>
#include <string>

struct SFileStatus {
    int64_t tModified = 0; // seconds since 1970-01-01 UTC
    bool bReadOnly = false;
    bool bDirectory = false;
    bool bRegular = false;
};

// False when the path cannot be examined (it is gone or unreachable).
bool GetFileStatus(const std::string& strPath, SFileStatus& status);

// A file is read-only when this user may not write it, or when it carries no write
// permission for anybody: the latter keeps the mark meaningful for root, who may
// write anything.
bool IsReadOnlyFile(const std::string& strPath);

// Seconds since 1970-01-01 UTC, now.
int64_t CurrentTime();
