#pragma once

#include "child_process.h"

#include <chrono>
#include <signal.h>
#include <string>
#include <vector>

// The command-line tool's path comes from the build (ZQ_CLI_PATH).
// `zql52-cli sim` serving one pseudo-terminal for the length of a test (or a benchmark); stopped and
// reaped when the object goes, also after a failed assertion.
class CSimProcess
{
public:
    // Starts the simulator with `options` (e.g. "--version", "5,0,2") and waits for the device path it
    // prints first. False when it did not come up.
    bool Start(const std::vector<std::string>& options)
    {
        std::vector<std::string> arguments = {ZQ_CLI_PATH, "sim"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        if (!m_process.Start(arguments) ||
            !m_process.WaitFor(CChildProcess::EStream::Out, "\n", std::chrono::seconds(20))) {
            return false;
        }
        m_device = m_process.Out().substr(0, m_process.Out().find('\n'));
        return !m_device.empty();
    }

    const std::string& Device() const { return m_device; }

    // SIGTERM, then the exit code (the simulator ends cleanly on it).
    int Stop()
    {
        m_process.Signal(SIGTERM);
        return m_process.Finish();
    }

    // Its standard error, for the message of a failed expectation.
    const std::string& Diagnostics() const { return m_process.Err(); }

private:
    CChildProcess m_process;
    std::string m_device;
};
