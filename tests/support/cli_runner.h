#pragma once

#include <cstdio>
#include <string>
#include <sys/wait.h>

// The exit status of a command run through the shell (-1 when it did not end normally) and what it
// wrote on standard output.
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

// Runs `command` through the shell to its end.
inline SCliResult RunShell(const std::string& command)
{
    SCliResult result;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    for (size_t n = 0; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        result.output.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// One run of zql52-cli (its path comes from the build, ZQ_CLI_PATH) with its settings in `home` and its
// clone archive in home/data.
struct SCliRun
{
    // Shell words, quoted where needed.
    std::string arguments;
    std::string home;
    // Standard input, when not empty.
    std::string input;
    // Further "NAME=value " words before the program.
    std::string environment;
    // Where standard error goes, as the shell's redirection target: "/dev/null", "&1" (into the output)
    // or a quoted file name.
    std::string errors = "/dev/null";
};

inline SCliResult RunCli(const SCliRun& run)
{
    std::string command = "XDG_CONFIG_HOME=" + ShellQuote(run.home) +
                          " XDG_DATA_HOME=" + ShellQuote(run.home + "/data") + " " + run.environment +
                          ShellQuote(ZQ_CLI_PATH) + " " + run.arguments;
    if (!run.input.empty()) {
        command = "printf '%s' " + ShellQuote(run.input) + " | " + command;
    }
    return RunShell(command + " 2>" + run.errors);
}

// Standard error goes into the output with `withStderr`, else nowhere.
inline SCliResult RunCli(const std::string& arguments, const std::string& home, bool withStderr = false,
                         const std::string& input = {})
{
    return RunCli(SCliRun{arguments, home, input, {}, withStderr ? "&1" : "/dev/null"});
}
