// Temporary file beside the target, renamed over it.
#include "platform/AtomicFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    m_strTemp = m_strTarget + ".XXXXXX";
    m_fd = mkstemp(m_strTemp.data());
    if (m_fd < 0) {
        m_strTemp.clear();
        return Fail("cannot create a temporary file beside " + m_strTarget);
    }
    struct stat st {};
    mode_t mode = 0666;
    if (stat(m_strTarget.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
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
