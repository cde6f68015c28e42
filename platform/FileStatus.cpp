// File status from stat() and access().
#include "platform/FileStatus.h"

#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool ReadOnlyFromMode(const std::string& strPath, const struct stat& st) {
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return true;
    return access(strPath.c_str(), W_OK) != 0;
}
} // namespace

bool GetFileStatus(const std::string& strPath, SFileStatus& status) {
    struct stat st {};
    if (strPath.empty() || stat(strPath.c_str(), &st) != 0)
        return false;
    status.tModified = static_cast<int64_t>(st.st_mtime);
    status.bDirectory = S_ISDIR(st.st_mode);
    status.bRegular = S_ISREG(st.st_mode);
    status.bReadOnly = ReadOnlyFromMode(strPath, st);
    return true;
}

bool IsReadOnlyFile(const std::string& strPath) {
    struct stat st {};
    if (stat(strPath.c_str(), &st) != 0)
        return true;
    return ReadOnlyFromMode(strPath, st);
}

int64_t CurrentTime() {
    return static_cast<int64_t>(std::time(nullptr));
}
