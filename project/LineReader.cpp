// Buffered line reading over a file descriptor.
#include "project/LineReader.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CLineReader::~CLineReader() {
    if (m_fd >= 0)
        close(m_fd);
}

bool CLineReader::Open(const std::string& strPath) {
    m_fd = open(strPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (m_fd < 0)
        return false;
    // Only regular files are text to read: a folder, a pipe or a device is not.
    struct stat st {};
    if (fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(m_fd);
        m_fd = -1;
        return false;
    }
    return true;
}

bool CLineReader::Fill() {
    if (m_bEof || m_bError)
        return false;
    ssize_t n;
    do {
        n = read(m_fd, m_buffer, sizeof(m_buffer));
    } while (n < 0 && errno == EINTR);
    if (n < 0)
        m_bError = true;
    if (n <= 0) {
        m_bEof = true;
        return false;
    }
    m_nPos = 0;
    m_nEnd = static_cast<size_t>(n);
    return true;
}

int CLineReader::PeekByte() {
    if (m_nPos == m_nEnd && !Fill())
        return -1;
    return static_cast<unsigned char>(m_buffer[m_nPos]);
}

int CLineReader::GetByte() {
    int c = PeekByte();
    if (c >= 0)
        ++m_nPos;
    return c;
}

bool CLineReader::ReadLine(std::string& strLine, std::string& strLineEnd) {
    strLine.clear();
    strLineEnd.clear();
    if (m_fd < 0 || PeekByte() < 0)
        return false;
    for (;;) {
        // The bytes up to the line's end go in at once.
        if (m_nPos == m_nEnd && !Fill())
            return true;
        const char* pStart = m_buffer + m_nPos;
        const char* pEnd = m_buffer + m_nEnd;
        const char* p = pStart;
        while (p != pEnd && *p != '\n' && *p != '\r')
            ++p;
        strLine.append(pStart, p);
        m_nPos = static_cast<size_t>(p - m_buffer);
        if (p == pEnd)
            continue;
        int c = GetByte();
        if (c == '\n') {
            strLineEnd = "\n";
            return true;
        }
        if (c == '\r') {
            strLineEnd = "\r";
            if (PeekByte() == '\n') {
                GetByte();
                strLineEnd = "\r\n";
            }
            return true;
        }
    }
}
