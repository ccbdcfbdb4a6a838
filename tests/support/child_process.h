#pragma once

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <initializer_list>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

// A child process with its standard output and standard error on pipes of their own, so a test can
// watch what it prints while it runs and signal it. Whatever is still running when the object goes
// away is ended with SIGTERM and reaped: a failed assertion never leaves a process behind.
class CChildProcess
{
public:
    enum class EStream
    {
        Out,
        Err,
    };

    CChildProcess() = default;
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;
    ~CChildProcess()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            // A child that ignores SIGTERM for long is killed outright rather than waited on forever.
            const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (::waitpid(m_pid, nullptr, WNOHANG) == 0) {
                if (std::chrono::steady_clock::now() > end) {
                    ::kill(m_pid, SIGKILL);
                    ::waitpid(m_pid, nullptr, 0);
                    break;
                }
                ::usleep(10'000);
            }
        }
        CloseAll();
    }

    // Starts `arguments[0]` with the environment of this process, where each "NAME=value" of
    // `overrides` replaces or adds that variable. Standard input is /dev/null, or with `pipedInput`
    // a pipe that stays open, without input, until the object goes away.
    bool Start(const std::vector<std::string>& arguments, const std::vector<std::string>& overrides = {},
               bool pipedInput = false)
    {
        if (m_pid > 0 || arguments.empty()) {
            return false;
        }
        std::array<int, 2> out{-1, -1};
        std::array<int, 2> err{-1, -1};
        std::array<int, 2> in{-1, -1};
        // Close-on-exec, so no other child inherits a write end and keeps the pipe from ending.
        if (::pipe2(out.data(), O_CLOEXEC) != 0) {
            return false;
        }
        if (::pipe2(err.data(), O_CLOEXEC) != 0 || (pipedInput && ::pipe2(in.data(), O_CLOEXEC) != 0)) {
            for (int fd : {out[0], out[1], err[0], err[1]}) {
                if (fd >= 0) {
                    ::close(fd);
                }
            }
            return false;
        }

        std::vector<std::string> environment;
        for (char** entry = environ; *entry != nullptr; ++entry) {
            const std::string_view variable(*entry);
            bool replaced = false;
            for (const std::string& o : overrides) {
                const size_t nameEnd = o.find('=');
                if (variable.substr(0, nameEnd + 1) == std::string_view(o).substr(0, nameEnd + 1)) {
                    replaced = true;
                }
            }
            if (!replaced) {
                environment.emplace_back(variable);
            }
        }
        environment.insert(environment.end(), overrides.begin(), overrides.end());

        std::vector<char*> argv;
        for (const std::string& a : arguments) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (std::string& e : environment) {
            envp.push_back(e.data());
        }
        envp.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        ::posix_spawn_file_actions_init(&actions);
        if (pipedInput) {
            ::posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
        } else {
            ::posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        }
        ::posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        ::posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
        pid_t pid = -1;
        const int failed = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
        ::posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        ::close(err[1]);
        if (in[0] >= 0) {
            ::close(in[0]);
        }
        if (failed != 0) {
            ::close(out[0]);
            ::close(err[0]);
            if (in[1] >= 0) {
                ::close(in[1]);
            }
            return false;
        }
        m_in = in[1];
        m_pid = pid;
        m_out = out[0];
        m_err = err[0];
        m_outText.clear();
        m_errText.clear();
        return true;
    }

    // Collects output until `text` has appeared on the stream or `limit` has passed. The limit only
    // keeps a broken run from hanging the test; it is not a timing requirement.
    bool WaitFor(EStream stream, std::string_view text, std::chrono::milliseconds limit)
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (Text(stream).find(text) == std::string::npos) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
            if (left.count() <= 0 || !Collect(static_cast<int>(left.count()))) {
                return Text(stream).find(text) != std::string::npos;
            }
        }
        return true;
    }

    // Collects everything up to the end of both streams, then waits for the process. The exit code,
    // or -1 when it ended otherwise.
    int Finish()
    {
        while (Collect(-1)) {
        }
        return m_pid > 0 ? Reap() : m_status;
    }

    bool Signal(int number) const { return m_pid > 0 && ::kill(m_pid, number) == 0; }
    pid_t Pid() const { return m_pid; }

    const std::string& Out() const { return m_outText; }
    const std::string& Err() const { return m_errText; }
    const std::string& Text(EStream stream) const { return stream == EStream::Out ? m_outText : m_errText; }

private:
    // Reads what either stream has within `timeoutMs` (-1: no limit). False once both have ended
    // or nothing came in time.
    bool Collect(int timeoutMs)
    {
        std::array<pollfd, 2> fds{pollfd{m_out, POLLIN, 0}, pollfd{m_err, POLLIN, 0}};
        if (m_out < 0 && m_err < 0) {
            return false;
        }
        const int ready = ::poll(fds.data(), fds.size(), timeoutMs);
        if (ready <= 0) {
            return false;
        }
        Drain(fds[0], m_out, m_outText);
        Drain(fds[1], m_err, m_errText);
        return true;
    }

    static void Drain(const pollfd& fd, int& handle, std::string& text)
    {
        if (handle < 0 || fd.revents == 0) {
            return;
        }
        std::array<char, 4096> buffer{};
        const ssize_t got = ::read(handle, buffer.data(), buffer.size());
        if (got > 0) {
            text.append(buffer.data(), static_cast<size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            // End of the stream, or a read error that would only repeat.
            ::close(handle);
            handle = -1;
        }
    }

    int Reap()
    {
        int status = 0;
        while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
        m_pid = -1;
        m_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return m_status;
    }

    void CloseAll()
    {
        for (int* fd : {&m_out, &m_err, &m_in}) {
            if (*fd >= 0) {
                ::close(*fd);
                *fd = -1;
            }
        }
    }

    pid_t m_pid = -1;
    int m_status = -1;
    int m_out = -1;
    int m_err = -1;
    int m_in = -1;
    std::string m_outText;
    std::string m_errText;
};
