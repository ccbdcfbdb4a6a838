#include "cli/cli_common.h"
#include "zq_version.h"

#include <cstdio>
#include <cstring>

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
    const int code = RunCommand(argc, argv);
    // A signal that no transfer took as its cancel request ends the tool with the signal's status,
    // once every temporary file has gone with its owner.
    return cli::InterruptSignal() != 0 ? cli::InterruptedExit() : code;
}
