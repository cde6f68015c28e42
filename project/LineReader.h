// Reads a source file line by line through a fixed buffer. A line ends at LF, at CR LF
// or at a lone CR; the byte after a lone CR starts the next line. A last line without
// a line end is read too, and nothing follows a final line end.
#pragma once

#include <string>

class CLineReader {
public:
    CLineReader() = default;
    ~CLineReader();
    CLineReader(const CLineReader&) = delete;
    CLineReader& operator=(const CLineReader&) = delete;

    // Opens a regular file; anything else (a folder, a pipe, a device) is refused.
    [[nodiscard]] bool Open(const std::string& strPath);
    // False at the end of the file or on a read error. strLineEnd receives "\n",
    // "\r\n", "\r" or "" (a last line without one).
    [[nodiscard]] bool ReadLine(std::string& strLine, std::string& strLineEnd);
    bool HasError() const { return m_bError; }

private:
    [[nodiscard]] bool Fill();
    int GetByte();
    int PeekByte();

    int m_fd = -1;
    char m_buffer[4096];
    size_t m_nPos = 0;
    size_t m_nEnd = 0;
    bool m_bEof = false;
    bool m_bError = false;
};
