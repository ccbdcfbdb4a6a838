#pragma once

#include <cstddef>
#include <cstdio>
#include <limits>
#include <string>

// Reads a text file (a clone data file) line by line. Lines end in LF or CR LF; the line end is not
// handed out, and a last line without one still counts.
class CLineReader
{
public:
    static constexpr size_t kNoLimit = std::numeric_limits<size_t>::max();

    CLineReader() = default;
    ~CLineReader() { Close(); }
    CLineReader(const CLineReader&) = delete;
    CLineReader& operator=(const CLineReader&) = delete;

    // Opens a regular file without waiting: a FIFO or a device at the path would block the open or
    // never end, so anything but a regular file is refused. Lines longer than maxLength are not read
    // to their end (see IsTooLong). Closes any file open before; false when the file cannot be
    // opened.
    bool Open(const std::string& path, size_t maxLength = kNoLimit);
    // Reads from a descriptor the caller opened; the reader closes it. False (and the descriptor
    // closed) when it cannot be read as a stream.
    bool Attach(int fd, size_t maxLength = kNoLimit);
    void Close();
    bool IsOpen() const { return m_file != nullptr; }
    // Back to the first line, for a second pass over the same open file.
    void Rewind();

    // A line that starts with this character (a comment, which the caller skips) may run past the
    // longest length: the reader hands out its first maxLength characters, passes over the rest
    // without keeping it, and does not call it too long.
    void SetCommentMark(char mark) { m_commentMark = static_cast<unsigned char>(mark); }

    // False at the end of the file and on a read error; a line cut short by a read error is not
    // handed out.
    bool Next(std::string& line);
    // The latest line went on past the longest length: it holds its first maxLength characters.
    bool IsTooLong() const { return m_tooLong; }
    bool HasError() const { return m_error; }

private:
    std::FILE* m_file = nullptr;
    size_t m_maxLength = kNoLimit;
    int m_commentMark = EOF;
    bool m_tooLong = false;
    bool m_error = false;
};
