// Replaces a file as a whole: the new text goes to a temporary file in the same
// folder, which is flushed and renamed over the target with the target's permissions
// and, where the process may, its owner. A crash or a failure never leaves the target
// half-written; the temporary file is removed when the replacement does not complete,
// and one that a killed process left behind goes with the target's next replacement.
// A target the user may not write is refused, not replaced.
#pragma once

#include <string>

class CAtomicFileWriter {
public:
    CAtomicFileWriter() = default;
    ~CAtomicFileWriter();
    CAtomicFileWriter(const CAtomicFileWriter&) = delete;
    CAtomicFileWriter& operator=(const CAtomicFileWriter&) = delete;

    [[nodiscard]] bool Open(const std::string& strTarget);
    [[nodiscard]] bool Write(const std::string& strText);
    // Flushes, closes and renames the temporary file over the target.
    [[nodiscard]] bool Commit();
    // Drops the temporary file; the target stays as it was.
    void Abandon();

    const std::string& GetError() const { return m_strError; }

private:
    bool Fail(const std::string& strWhat);
    [[nodiscard]] bool TakeOverAttributes(bool bExists, const struct stat& st);

    std::string m_strTarget;
    std::string m_strTemp;
    int m_fd = -1;
    std::string m_strError;
};

// Writes the whole text through a CAtomicFileWriter.
[[nodiscard]] bool WriteFileAtomically(const std::string& strTarget, const std::string& strText,
                                       std::string& strError);
