#include "core/line_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool CLineReader::Open(const std::string& path, size_t maxLength)
{
    Close();
    if (path.empty()) {
        return false;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info
    {
    };
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 ||
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return false;
    }
    return Attach(fd, maxLength);
}

bool CLineReader::Attach(int fd, size_t maxLength)
{
    Close();
    if (fd < 0) {
        return false;
    }
    m_maxLength = maxLength;
    m_file = ::fdopen(fd, "rb");
    if (m_file == nullptr) {
        ::close(fd);
        return false;
    }
    return true;
}

void CLineReader::Close()
{
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    m_tooLong = false;
    m_error = false;
}

void CLineReader::Rewind()
{
    m_tooLong = false;
    m_error = false;
    if (m_file != nullptr) {
        std::rewind(m_file);
    }
}

bool CLineReader::Next(std::string& line)
{
    line.clear();
    m_tooLong = false;
    if (m_file == nullptr || m_error) {
        return false;
    }
    int c = std::getc(m_file);
    if (c == EOF) {
        m_error = std::ferror(m_file) != 0;
        return false;
    }
    const bool comment = c == m_commentMark;
    while (c != EOF && c != '\n') {
        if (line.size() < m_maxLength) {
            line += static_cast<char>(c);
        } else if (!comment) {
            m_tooLong = true;
            return true;
        }
        c = std::getc(m_file);
    }
    if (c == EOF && std::ferror(m_file) != 0) {
        m_error = true;
        line.clear();
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}
