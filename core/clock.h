#pragma once

#include <chrono>
#include <thread>

// Time as the clone session and the serial port see it: their pauses and time limits go through a
// clock, so tests can put in one they move themselves instead of waiting.
class IClock
{
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~IClock() = default;
    virtual TimePoint Now() = 0;
    virtual void Sleep(std::chrono::milliseconds duration) = 0;
};

// The steady clock, and sleeps that really wait.
class CSteadyClock final : public IClock
{
public:
    TimePoint Now() override { return std::chrono::steady_clock::now(); }
    void Sleep(std::chrono::milliseconds duration) override { std::this_thread::sleep_for(duration); }
};

// The one steady clock everything shares unless it is given another.
inline IClock& SteadyClock()
{
    static CSteadyClock clock;
    return clock;
}
