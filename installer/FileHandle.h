// A file descriptor that is closed when its holder goes.
#pragma once

#include <unistd.h>
#include <utility>

class CFileHandle {
public:
    explicit CFileHandle(int nFd) : m_nFd(nFd) {}
    ~CFileHandle() {
        if (m_nFd >= 0)
            close(m_nFd);
    }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;

    int Get() const { return m_nFd; }
    // Hands the descriptor over, for a close whose result counts.
    int Release() { return std::exchange(m_nFd, -1); }

private:
    int m_nFd;
};
