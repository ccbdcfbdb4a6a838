#include "clone/clone_archive.h"
#include "tools/cli_common.h"

#include <cstdio>
#include <string>

// The clone archive.

namespace cli {

namespace {

constexpr const char* kArchiveUsage =
    "usage: zql52-cli archive list | path\n"
    "\n"
    "  list   the copies of every read and write, newest first: date, time,\n"
    "         read or write, memory channels in use, comment, file name\n"
    "  path   the archive folder\n";

void PrintEntry(const SArchiveEntry& entry)
{
    const std::string channels = entry.channelsInUse < 0 ? "?" : std::to_string(entry.channelsInUse);
    std::printf("%s %s  %-5s  %3s  %-16s  %s\n", entry.date.c_str(), entry.time.c_str(),
                std::string(ArchiveKindName(entry.kind)).c_str(), channels.c_str(), entry.comment.c_str(),
                entry.fileName.c_str());
}

} // namespace

int RunArchive(int argc, char** argv)
{
    SArguments arguments;
    if (!ParseArguments(argc, argv, 2, {}, {"--help"}, arguments) || arguments.Option("--help") ||
        arguments.positional.size() != 1) {
        std::fputs(kArchiveUsage, stderr);
        return arguments.Option("--help") ? 0 : kExitUsage;
    }
    const std::string& action = arguments.positional.front();
    const CCloneArchive archive(DefaultArchiveFolder());
    if (action == "path") {
        std::printf("%s\n", archive.Folder().c_str());
        return 0;
    }
    if (action == "list") {
        for (const SArchiveEntry& entry : archive.List()) {
            PrintEntry(entry);
        }
        return 0;
    }
    std::fputs(kArchiveUsage, stderr);
    return kExitUsage;
}

} // namespace cli
