#pragma once

#include "../core/test_files.h"
#include "core/clock.h"

#include <chrono>
#include <string>
#include <vector>

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
