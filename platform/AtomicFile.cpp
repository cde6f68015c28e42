// Temporary file beside the target, renamed over it.
#include "platform/AtomicFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/FileStatus.h"

namespace {
// The temporary file's name: the target's, this marker and the six characters mkstemp
// fills in. The marker keeps a file the user named so ("p.mrk.backup") from ever
// passing for one of ours.
constexpr const char* kTempMarker = ".mirt-tmp-";
constexpr size_t kTempRandom = 6;

bool IsTempCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The name mkstemp makes for this target's temporary file, and nothing else.
bool IsTempName(const std::string& strName, const std::string& strTargetName) {
    const std::string strPrefix = strTargetName + kTempMarker;
    if (strName.size() != strPrefix.size() + kTempRandom || strName.rfind(strPrefix, 0) != 0)
        return false;
    for (size_t i = strPrefix.size(); i < strName.size(); ++i)
        if (!IsTempCharacter(strName[i]))
            return false;
    return true;
}

// Removes a temporary file of ours that nobody holds: a live writer keeps a lock on
// its temporary file, which goes with its process.
void RemoveIfStale(const std::string& strPath) {
    int fd = open(strPath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid() &&
        flock(fd, LOCK_EX | LOCK_NB) == 0)
        unlink(strPath.c_str());
    close(fd);
}

void RemoveStaleTemporaries(const std::string& strTarget) {
    size_t nSlash = strTarget.rfind('/');
    std::string strFolder = nSlash == std::string::npos ? "." : strTarget.substr(0, nSlash + 1);
    std::string strName = nSlash == std::string::npos ? strTarget : strTarget.substr(nSlash + 1);
    DIR* pDir = opendir(strFolder.c_str());
    if (pDir == nullptr)
        return;
    std::vector<std::string> stale;
    while (const struct dirent* pEntry = readdir(pDir))
        if (IsTempName(pEntry->d_name, strName))
            stale.push_back(pEntry->d_name);
    closedir(pDir);
    for (const std::string& strStale : stale)
        RemoveIfStale(nSlash == std::string::npos ? strStale : strFolder + strStale);
}
} // namespace

CAtomicFileWriter::~CAtomicFileWriter() {
    Abandon();
}

bool CAtomicFileWriter::Fail(const std::string& strWhat) {
    m_strError = strWhat + ": " + std::strerror(errno);
    Abandon();
    return false;
}

bool CAtomicFileWriter::Open(const std::string& strTarget) {
    Abandon();
    // A link is followed, so the file it names is replaced and the link stays a link.
    char resolved[PATH_MAX];
    struct stat lst {};
    bool bLink = lstat(strTarget.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode);
    m_strTarget = bLink && realpath(strTarget.c_str(), resolved) ? resolved : strTarget;
    struct stat st {};
    bool bExists = stat(m_strTarget.c_str(), &st) == 0;
    // Renaming over a device or a pipe would take it away from everyone else.
    if (bExists && !S_ISREG(st.st_mode)) {
        m_strError = "cannot replace " + m_strTarget + ": not a regular file";
        return false;
    }
    if (bExists && IsReadOnlyFile(m_strTarget)) {
        errno = EACCES;
        return Fail("cannot replace the read-only file " + m_strTarget);
    }
    RemoveStaleTemporaries(m_strTarget);
    m_strTemp = m_strTarget + kTempMarker + "XXXXXX";
    m_fd = mkstemp(m_strTemp.data());
    if (m_fd < 0) {
        m_strTemp.clear();
        return Fail("cannot create a temporary file beside " + m_strTarget);
    }
    flock(m_fd, LOCK_EX);
    return TakeOverAttributes(bExists, st);
}

// The new file keeps the old one's permissions and, where the process may give it
// away, its owner and group.
bool CAtomicFileWriter::TakeOverAttributes(bool bExists, const struct stat& st) {
    mode_t mode = 0666;
    if (bExists) {
        mode = st.st_mode & 07777;
        if (fchown(m_fd, st.st_uid, st.st_gid) != 0 && errno != EPERM)
            return Fail("cannot set the owner of " + m_strTemp);
    } else {
        mode_t mask = umask(0);
        umask(mask);
        mode &= ~mask;
    }
    if (fchmod(m_fd, mode) != 0)
        return Fail("cannot set the permissions of " + m_strTemp);
    return true;
}

bool CAtomicFileWriter::Write(const std::string& strText) {
    const char* p = strText.data();
    size_t nLeft = strText.size();
    while (nLeft > 0 && m_fd >= 0) {
        ssize_t n = write(m_fd, p, nLeft);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return Fail("cannot write " + m_strTemp);
        p += n;
        nLeft -= static_cast<size_t>(n);
    }
    return m_fd >= 0;
}

bool CAtomicFileWriter::Commit() {
    if (m_fd < 0)
        return false;
    if (fsync(m_fd) != 0)
        return Fail("cannot flush " + m_strTemp);
    int fd = m_fd;
    m_fd = -1;
    if (close(fd) != 0)
        return Fail("cannot close " + m_strTemp);
    if (rename(m_strTemp.c_str(), m_strTarget.c_str()) != 0)
        return Fail("cannot replace " + m_strTarget);
    m_strTemp.clear();
    return true;
}

void CAtomicFileWriter::Abandon() {
    if (m_fd >= 0) {
        close(m_fd);
        m_fd = -1;
    }
    if (!m_strTemp.empty()) {
        unlink(m_strTemp.c_str());
        m_strTemp.clear();
    }
}

bool WriteFileAtomically(const std::string& strTarget, const std::string& strText,
                         std::string& strError) {
    CAtomicFileWriter writer;
    bool bOk = writer.Open(strTarget) && writer.Write(strText) && writer.Commit();
    if (!bOk)
        strError = writer.GetError();
    return bOk;
}
