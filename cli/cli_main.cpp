#include "cli/cli_common.h"
#include "zq_version.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <new>

namespace {

int RunCommand(int argc, char** argv)
{
    if (argc < 2) {
        return cli::Usage();
    }
    const char* command = argv[1];
    if (std::strcmp(command, "--version") == 0) {
        std::printf("zql52-cli %s\n", kZqVersion);
        return 0;
    }
    if (cli::AsksForHelp(argc, argv, 1)) {
        if (const int code = cli::Help(command); code >= 0) {
            return code;
        }
    }
    return cli::RunSubcommand(argc, argv);
}

} // namespace

int main(int argc, char** argv)
{
    // A reader that goes away (`| head`) makes writes fail with EPIPE instead of ending the tool, so a
    // transfer in progress goes on and every temporary file goes with its owner.
    std::signal(SIGPIPE, SIG_IGN);
    int code = 0;
    try {
        code = RunCommand(argc, argv);
    } catch (const std::bad_alloc&) {
        std::fputs("zql52-cli: out of memory\n", stderr);
        code = cli::kExitFileError;
    }
    // Output that did not reach its file or pipe is a failure, whatever the subcommand made of it.
    const bool written = std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
    if (std::fclose(stdout) != 0 || !written) {
        std::fprintf(stderr, "zql52-cli: cannot write the output: %s\n", std::strerror(errno));
        return cli::kExitFileError;
    }
    // A signal that no transfer took as its cancel request ends the tool with the signal's status,
    // once every temporary file has gone with its owner.
    return cli::InterruptSignal() != 0 ? cli::InterruptedExit() : code;
}
