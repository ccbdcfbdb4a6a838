#include "cli/cli_common.h"
#include "clone/clone_archive.h"
#include "core/byte_string.h"
#include "core/command_text.h"
#include "core/rig/radio_data.h"
#include "interchange/image_compare.h"

#include <cstdio>
#include <string>
#include <vector>

// The clone archive, and the check of what the transceiver holds against a file.

namespace cli {

namespace {

constexpr int kExitDiffers = 1;
constexpr const char* kNoDifferences = "No differences\n";

constexpr const char* kVerifyUsage =
    "usage: zql52-cli verify --port PORT [--profile D,L,F] FILE\n"
    "\n"
    "Reads the transceiver as 'read' does and prints how it differs from FILE, one difference a\n"
    "line (FILE's value, then the transceiver's). Exits 0 when they match, 1 when they differ, or\n"
    "with the read's outcome (77, 85, 90, 91) when the read fails. Switch the transceiver off and\n"
    "on and put it back into clone mode after a write before verifying it.\n";

constexpr const char* kArchiveUsage =
    "usage: zql52-cli archive list | path\n"
    "\n"
    "  list   the copies of every read and write, newest first: date, time,\n"
    "         read or write, memory channels in use, comment, file name\n"
    "  path   the archive folder\n";

// The usage on standard output when asked for with --help, else on standard error as a usage error.
int PrintUsage(const char* usage, bool asked)
{
    std::fputs(usage, asked ? stdout : stderr);
    return asked ? 0 : kExitUsage;
}

void PrintEntry(const SArchiveEntry& entry)
{
    const std::string channels = entry.channelsInUse < 0 ? "?" : std::to_string(entry.channelsInUse);
    // Names and comments come from the folder and the files: never raw onto the terminal.
    std::printf("%s %s  %-5s  %3s  %-16s  %s\n", entry.date.c_str(), entry.time.c_str(),
                std::string(ArchiveKindName(entry.kind)).c_str(), channels.c_str(),
                EscapeControlBytes(entry.comment).c_str(), EscapeControlBytes(entry.fileName).c_str());
}

} // namespace

int RunArchive(int argc, char** argv)
{
    SArguments arguments;
    if (!ParseArguments(argc, argv, 2, {}, {"--help"}, arguments) || arguments.Option("--help") ||
        arguments.positional.size() != 1) {
        return PrintUsage(kArchiveUsage, arguments.Option("--help").has_value());
    }
    const std::string& action = arguments.positional.front();
    const CCloneArchive archive(DefaultArchiveFolder());
    if (action == "path") {
        std::printf("%s\n", archive.Folder().c_str());
        return 0;
    }
    if (action == "list") {
        std::string error;
        const std::vector<SArchiveEntry> entries = archive.List(&error);
        if (!error.empty()) {
            std::fprintf(stderr, "zql52-cli: %s\n", error.c_str());
            return kExitFileError;
        }
        for (const SArchiveEntry& entry : entries) {
            PrintEntry(entry);
        }
        return 0;
    }
    return PrintUsage(kArchiveUsage, false);
}

int RunVerify(int argc, char** argv)
{
    SArguments arguments;
    if (!ParseArguments(argc, argv, 2, {"--port", "--profile"}, {"--help"}, arguments) ||
        arguments.Option("--help") || arguments.positional.size() != 1) {
        return PrintUsage(kVerifyUsage, arguments.Option("--help").has_value());
    }
    // The file first: a file that does not load is known before the minute at the radio.
    SDocument file;
    if (!NewDocument(arguments, file)) {
        return Usage();
    }
    const std::string& path = arguments.positional.front();
    if (!OpenFile(*file.data, path, "zql52-cli: " + path + ": ")) {
        return kExitFileError;
    }

    bool differs = false;
    const int outcome = ReadTransceiver(arguments, [&file, &differs](CRadioData& received) {
        for (const SImageDifference& difference : CompareDocuments(*file.data, received)) {
            std::printf("%s\n", FormatDifference(difference).c_str());
            differs = true;
        }
    });
    if (outcome != 0) {
        return outcome;
    }
    if (!differs) {
        std::fputs(kNoDifferences, stderr);
    }
    return differs ? kExitDiffers : 0;
}

} // namespace cli
