#include "tools/cli_common.h"
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
    if (std::strcmp(command, "exec") == 0) {
        return cli::RunExec(argc, argv);
    }
    if (std::strcmp(command, "show") == 0) {
        return cli::RunShow(argc, argv);
    }
    if (std::strcmp(command, "info") == 0) {
        return cli::RunInfo(argc, argv);
    }
    if (std::strcmp(command, "read") == 0) {
        return cli::RunRead(argc, argv);
    }
    if (std::strcmp(command, "write") == 0) {
        return cli::RunWrite(argc, argv);
    }
    if (std::strcmp(command, "sort") == 0) {
        return cli::RunSort(argc, argv);
    }
    if (std::strcmp(command, "compact") == 0) {
        return cli::RunCompact(argc, argv);
    }
    if (std::strcmp(command, "fill") == 0) {
        return cli::RunFill(argc, argv);
    }
    if (std::strcmp(command, "verify") == 0) {
        return cli::RunVerify(argc, argv);
    }
    if (std::strcmp(command, "archive") == 0) {
        return cli::RunArchive(argc, argv);
    }
    if (std::strcmp(command, "sim") == 0) {
        return cli::RunSim(argc, argv);
    }
    if (std::strcmp(command, "export") == 0) {
        return cli::RunExport(argc, argv);
    }
    if (std::strcmp(command, "import") == 0) {
        return cli::RunImport(argc, argv);
    }
    if (std::strcmp(command, "diff") == 0) {
        return cli::RunDiff(argc, argv);
    }
    if (std::strcmp(command, "set") == 0) {
        return cli::RunSet(argc, argv);
    }
    return cli::Usage();
}

} // namespace

int main(int argc, char** argv)
{
    const int code = RunCommand(argc, argv);
    // A signal that no transfer took as its cancel request ends the tool with the signal's status,
    // once every temporary file has gone with its owner.
    return cli::InterruptSignal() != 0 ? cli::InterruptedExit() : code;
}
