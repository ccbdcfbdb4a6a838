#pragma once

#include "core/clock.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// A folder of its own under the temporary directory, removed with the object.
class CScratchDir
{
public:
    CScratchDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zqclone-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            m_path = pattern;
        }
    }
    ~CScratchDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    CScratchDir(const CScratchDir&) = delete;
    CScratchDir& operator=(const CScratchDir&) = delete;

    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// A clock that skips its sleeps: it runs on with real time, and every Sleep and Advance moves it
// ahead at once. So pauses cost nothing, while code that waits for something real still sees its
// time limits pass. Keeps the sleeps asked of it.
class CTestClock : public IClock
{
public:
    TimePoint Now() override { return std::chrono::steady_clock::now() + m_skipped; }
    void Sleep(std::chrono::milliseconds duration) override
    {
        m_sleeps.push_back(duration);
        Advance(duration);
    }
    void Advance(std::chrono::steady_clock::duration duration) { m_skipped += duration; }

    const std::vector<std::chrono::milliseconds>& Sleeps() const { return m_sleeps; }
    void ForgetSleeps() { m_sleeps.clear(); }

private:
    std::chrono::steady_clock::duration m_skipped{};
    std::vector<std::chrono::milliseconds> m_sleeps;
};

inline std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteWholeFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

// The lines of a CR LF text file, without their line ends; a missing last line end is reported
// as a line holding "<no line end>".
inline std::vector<std::string> CrLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back("<no line end>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}
