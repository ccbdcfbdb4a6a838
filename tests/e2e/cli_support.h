#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>

// Runs zql52-cli through the shell with its settings (and clone archive) in `configHome`, capturing standard
// output (and standard error when `withStderr`).
struct SCliResult
{
    int status = -1;
    std::string output;
};

inline std::string ShellQuote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

inline SCliResult RunCli(const std::string& arguments, const std::string& configHome, bool withStderr = false,
                         const std::string& input = {})
{
    std::string command = "XDG_CONFIG_HOME=" + ShellQuote(configHome) +
                          " XDG_DATA_HOME=" + ShellQuote(configHome + "/data") + " " +
                          ShellQuote(ZQ_CLI_PATH) + " " + arguments;
    if (!input.empty()) {
        command = "printf '%s' " + ShellQuote(input) + " | " + command;
    }
    command += withStderr ? " 2>&1" : " 2>/dev/null";
    SCliResult result;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.output.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}
