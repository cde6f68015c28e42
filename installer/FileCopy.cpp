// Copy names and the copy of a single file, which keeps the source's mode and times.
#include "installer/FileCopy.h"

#include "installer/FExeption.h"
#include "installer/FileHandle.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {
constexpr std::string_view kCopyOf = "Copy of ";
constexpr std::string_view kCopyOpen = "Copy (";
constexpr std::string_view kCloseOf = ") of ";

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Copy names count up: "Copy of x", "Copy (1) of x", "Copy (2) of x". The counter is
// read only from a name of that very form, so a name that merely starts with "Copy " or
// holds brackets of its own ("Copy of Report (final)") keeps all of its text.
std::string NextCopyBase(const std::string& strBase) {
    if (StartsWith(strBase, kCopyOf))
        return "Copy (1) of " + strBase.substr(kCopyOf.size());
    std::size_t nClose = strBase.find(')');
    if (StartsWith(strBase, kCopyOpen) && nClose != std::string::npos &&
        strBase.compare(nClose, kCloseOf.size(), kCloseOf) == 0) {
        const char* pEnd = strBase.data() + nClose;
        unsigned long long nNumber = 0;
        auto result = std::from_chars(strBase.data() + kCopyOpen.size(), pEnd, nNumber);
        if (result.ec == std::errc() && result.ptr == pEnd && nNumber < ULLONG_MAX)
            return "Copy (" + std::to_string(nNumber + 1) + ") of " +
                   strBase.substr(nClose + kCloseOf.size());
    }
    return "Copy of " + strBase;
}

bool Exists(const std::string& strPath) {
    struct stat status {};
    return lstat(strPath.c_str(), &status) == 0;
}

// Creates the first free name among strTarget and its copy names; returns its descriptor.
// Every copy name differs from the one before, so this ends at the first free name (or
// when the names grow too long for the file system).
int CreateFreeTarget(std::string& strTarget, mode_t nMode) {
    for (;;) {
        if (!Exists(strTarget)) {
            int nFd = open(strTarget.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, nMode);
            if (nFd >= 0)
                return nFd;
            if (errno != EEXIST)
                throw CFExeption(errno, strTarget);
        }
        strTarget = NextCopyName(strTarget);
    }
}

bool CopyBytes(int nFrom, int nTo) {
    char buffer[65536];
    for (;;) {
        ssize_t nRead = read(nFrom, buffer, sizeof buffer);
        if (nRead < 0 && errno == EINTR)
            continue;
        if (nRead <= 0)
            return nRead == 0;
        for (ssize_t nDone = 0; nDone < nRead;) {
            ssize_t nWritten = write(nTo, buffer + nDone, static_cast<std::size_t>(nRead - nDone));
            if (nWritten < 0 && errno == EINTR)
                continue;
            if (nWritten < 0)
                return false;
            nDone += nWritten;
        }
    }
}
} // namespace

std::string NextCopyName(const std::string& strPath) {
    std::size_t nSlash = strPath.rfind('/');
    std::size_t nNameStart = nSlash == std::string::npos ? 0 : nSlash + 1;
    std::size_t nDot = strPath.rfind('.');
    if (nDot == std::string::npos || nDot < nNameStart)
        nDot = strPath.size();
    std::string strBase = strPath.substr(nNameStart, nDot - nNameStart);
    return strPath.substr(0, nNameStart) + NextCopyBase(strBase) + strPath.substr(nDot);
}

void CopyOneFile(const std::string& strSource, std::string strTarget) {
    CFileHandle source(open(strSource.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (source.Get() < 0 || fstat(source.Get(), &status) != 0)
        throw CFExeption(errno, strSource);
    CFileHandle target(CreateFreeTarget(strTarget, status.st_mode & 0777));
    bool bCopied = CopyBytes(source.Get(), target.Get());
    int nError = errno;
    if (bCopied) {
        const struct timespec times[2] = {status.st_atim, status.st_mtim};
        futimens(target.Get(), times);
        bCopied = close(target.Release()) == 0;
        nError = errno;
    }
    if (!bCopied) {
        // A half-written copy would pass for a good one at the next install.
        unlink(strTarget.c_str());
        throw CFExeption(nError, strTarget);
    }
}
