#include "channels/channel_rows.h"
#include "cli/cli_common.h"
#include "core/clone_file.h"
#include "core/command_text.h"
#include "core/rig/radio_data.h"
#include "interchange/channel_csv.h"
#include "interchange/image_compare.h"
#include "operations/channel_fields.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <sys/stat.h>

// Channel interchange on the command line: CSV export and import, the differences between two clone
// data files, and channel fields set by name.
namespace cli {

namespace {

constexpr int kExitDifferent = 1;

constexpr const char* kExportUsage =
    "usage: zql52-cli export [--profile D,L,F] [--all] [--format csv|pdf] FILE [--output OUT]\n"
    "  the memory channels in use as CSV (to OUT or standard output); --all adds the program-scan\n"
    "  edges and call channels. pdf: a channel sheet to print, on A4 (Letter in a US locale); --all\n"
    "  adds the blank memory channels, the common settings and the DTMF memories. The format follows\n"
    "  OUT's extension when --format is not given.\n";
constexpr const char* kImportUsage =
    "usage: zql52-cli import [--profile D,L,F] [--base FILE] [--strict] [--place location|order|free]\n"
    "                        [--from CHANNEL] [--fitting] CSV --output OUT\n"
    "  applies the rows of CSV (- for standard input) onto FILE (or a new document) and saves OUT;\n"
    "  a line on standard error for every row skipped or not stored exactly. --place location (the\n"
    "  default) puts each row at its Location; order puts the rows in file order onto the memory\n"
    "  channels from --from (default 00) on; free puts them into blank memory channels only, from\n"
    "  --from on. --fitting takes only the rows the transceiver can use. Importing onto the OUT of an\n"
    "  earlier import with --base merges lists. Exit 0 when all went in exactly, 65 when not (with\n"
    "  --strict nothing is then written), 2 when a file cannot be read or written.\n";
constexpr const char* kDiffUsage =
    "usage: zql52-cli diff [--profile D,L,F] A B\n"
    "  the differences between two clone data files, one line each. Exit 0 when they are equal,\n"
    "  1 when they differ, 2 when one cannot be read.\n";
constexpr const char* kSetUsage =
    "usage: zql52-cli set [--profile D,L,F] FILE --output OUT CHANNEL FIELD=VALUE ...\n"
    "  CHANNEL is a row label (10, P3A, CALL_144); FIELD is Frequency, Duplex, Offset, Name, Tone,\n"
    "  rToneFreq, cToneFreq, Mode or Skip, with the values of the CSV columns. A blank channel takes\n"
    "  the Edit Memory dialog's defaults first. Exit 65 when a value was not stored exactly.\n";

// Export formats by name and by the extension of the file written.
struct SExportFormat
{
    std::string_view name;
    std::string_view extension;
    // False, with the reason in `error`, when this format cannot be made.
    bool (*write)(ICommandTarget& data, const std::string& file, bool all, std::string& out,
                  std::string& error);
};

bool WriteCsv(ICommandTarget& data, const std::string& /*file*/, bool all, std::string& out,
              std::string& /*error*/)
{
    out = channel_csv::Export(data, all);
    return true;
}

constexpr std::array<SExportFormat, 2> kExportFormats = {{
    {"csv", ".csv", WriteCsv},
    {"pdf", ".pdf", ChannelSheetPdf},
}};

int SubcommandUsage(const char* usage, bool asked)
{
    std::fputs(usage, asked ? stdout : stderr);
    return asked ? 0 : kExitUsage;
}

// Reads the whole file, or standard input for "-". A text larger than a channel list can be is not read
// to its end: the import refuses it by its size.
bool ReadFile(const std::string& path, std::string& text)
{
    std::ifstream file;
    std::istream* in = &std::cin;
    if (path != "-") {
        file.open(path, std::ios::binary);
        if (!file) {
            return false;
        }
        in = &file;
    }
    text.clear();
    char buffer[65536];
    while (text.size() <= channel_csv::kLargestList && in->read(buffer, sizeof buffer).gcount() > 0) {
        text.append(buffer, static_cast<size_t>(in->gcount()));
    }
    return !in->bad();
}

// Whether two paths name one file.
bool SameFile(const std::string& a, const std::string& b)
{
    struct stat first
    {
    };
    struct stat second
    {
    };
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// Replaces the file with the text as a clone file save does: a failure never leaves part of it.
bool WriteFile(const std::string& path, const std::string& text)
{
    const std::string answer = ReplaceFile(path, text);
    if (answer != answer::kOk) {
        std::fprintf(stderr, "zql52-cli: cannot write %s (%s)\n", path.c_str(), answer.c_str());
        return false;
    }
    return true;
}

// Saves OUT; an interrupted run writes nothing, and the signal's status follows.
bool SaveOutput(CRadioData& data, const SArguments& arguments)
{
    return InterruptSignal() == 0 && SaveFile(data, *arguments.Option("--output"));
}

// --place, --from and --fitting; nothing, with the reason on standard error, when they make no sense.
std::optional<channel_csv::SImportOptions> ImportOptions(const SArguments& arguments)
{
    channel_csv::SImportOptions options;
    options.fitting = arguments.Option("--fitting").has_value();
    if (const auto place = arguments.Option("--place")) {
        const std::optional<channel_csv::EPlacement> placement = channel_csv::FindPlacement(*place);
        if (!placement) {
            std::fprintf(stderr, "zql52-cli: import: unknown placement '%s' (location, order or free)\n",
                         place->c_str());
            return std::nullopt;
        }
        options.placement = *placement;
    }
    if (const auto from = arguments.Option("--from")) {
        const std::optional<CChannelId> channel = channel_rows::ParseChannelLabel(*from);
        if (!channel || !channel->IsMemory()) {
            std::fprintf(stderr, "zql52-cli: import: --from '%s' is not a memory channel (00-99)\n",
                         from->c_str());
            return std::nullopt;
        }
        if (options.placement == channel_csv::EPlacement::Location) {
            std::fprintf(stderr, "zql52-cli: import: --from goes with --place order or free\n");
            return std::nullopt;
        }
        options.from = channel->GetNumber();
    }
    return options;
}

const SExportFormat* ChooseFormat(const SArguments& arguments)
{
    if (const auto name = arguments.Option("--format")) {
        for (const SExportFormat& format : kExportFormats) {
            if (EqualsNoCase(*name, format.name)) {
                return &format;
            }
        }
        std::fprintf(stderr, "zql52-cli: export: unknown format '%s'\n", name->c_str());
        return nullptr;
    }
    if (const auto output = arguments.Option("--output")) {
        const std::string extension = std::filesystem::path(*output).extension().string();
        for (const SExportFormat& format : kExportFormats) {
            if (EqualsNoCase(extension, format.extension)) {
                return &format;
            }
        }
    }
    return &kExportFormats.front();
}

} // namespace

int RunExport(int argc, char** argv)
{
    SArguments arguments;
    if (!ParseArguments(argc, argv, 2, {"--profile", "--format", "--output"}, {"--all", "--help"},
                        arguments) ||
        arguments.Option("--help") || arguments.positional.size() != 1) {
        return SubcommandUsage(kExportUsage, arguments.Option("--help").has_value());
    }
    const SExportFormat* format = ChooseFormat(arguments);
    const auto settings = OpenSettings(arguments);
    if (format == nullptr || !settings) {
        return SubcommandUsage(kExportUsage, false);
    }
    const std::string& file = arguments.positional.front();
    const auto data = NewDocument(*settings);
    if (!OpenFile(*data, file)) {
        return kExitFileError;
    }
    std::string text;
    std::string error;
    if (!format->write(*data, file, arguments.Option("--all").has_value(), text, error)) {
        std::fprintf(stderr, "zql52-cli: export: %s\n", error.c_str());
        return kExitFileError;
    }
    if (const auto output = arguments.Option("--output")) {
        if (SameFile(*output, file)) {
            std::fprintf(stderr, "zql52-cli: export: %s is the clone file exported, not written over\n",
                         output->c_str());
            return kExitFileError;
        }
        return WriteFile(*output, text) ? 0 : kExitFileError;
    }
    // A failed write to standard output is found when the tool ends.
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

int RunImport(int argc, char** argv)
{
    SArguments arguments;
    if (!ParseArguments(argc, argv, 2, {"--profile", "--base", "--output", "--place", "--from"},
                        {"--strict", "--fitting", "--help"}, arguments) ||
        arguments.Option("--help") || arguments.positional.size() != 1 || !arguments.Option("--output")) {
        return SubcommandUsage(kImportUsage, arguments.Option("--help").has_value());
    }
    const auto settings = OpenSettings(arguments);
    std::optional<channel_csv::SImportOptions> options = ImportOptions(arguments);
    if (!settings || !options) {
        return SubcommandUsage(kImportUsage, false);
    }
    const std::string& csvPath = arguments.positional.front();
    if (SameFile(*arguments.Option("--output"), csvPath)) {
        std::fprintf(stderr, "zql52-cli: import: %s is the channel list imported, not written over\n",
                     csvPath.c_str());
        return kExitFileError;
    }
    std::string text;
    if (!ReadFile(csvPath, text)) {
        std::fprintf(stderr, "zql52-cli: cannot read %s: %s\n", csvPath.c_str(), std::strerror(errno));
        return kExitFileError;
    }
    const auto data = NewDocument(*settings);
    if (const auto base = arguments.Option("--base"); base && !OpenFile(*data, *base)) {
        return kExitFileError;
    }
    CatchInterrupts();
    options->cancelled = [] { return InterruptSignal() != 0; };
    const channel_csv::SReport report = channel_csv::Import(*data, text, *options);
    if (report.cancelled) {
        return InterruptedExit();
    }
    for (const channel_csv::SNote& note : report.notes) {
        std::fprintf(stderr, "%s\n", channel_csv::FormatNote(note).c_str());
    }
    if (!report.readable) {
        return kExitFileError;
    }
    if (!report.Exact() && arguments.Option("--strict")) {
        return kExitDataChanged;
    }
    if (!SaveOutput(*data, arguments)) {
        return kExitFileError;
    }
    return report.Exact() ? 0 : kExitDataChanged;
}

int RunDiff(int argc, char** argv)
{
    SArguments arguments;
    if (!ParseArguments(argc, argv, 2, {"--profile"}, {"--help"}, arguments) || arguments.Option("--help") ||
        arguments.positional.size() != 2) {
        return SubcommandUsage(kDiffUsage, arguments.Option("--help").has_value());
    }
    const auto settings = OpenSettings(arguments);
    if (!settings) {
        return SubcommandUsage(kDiffUsage, false);
    }
    const std::string& leftPath = arguments.positional[0];
    const std::string& rightPath = arguments.positional[1];
    const auto left = NewDocument(*settings);
    if (!OpenFile(*left, leftPath, leftPath + ": ")) {
        return kExitFileError;
    }
    const auto right = NewDocument(*settings);
    if (!OpenFile(*right, rightPath, rightPath + ": ")) {
        return kExitFileError;
    }
    const std::vector<SImageDifference> differences = CompareDocuments(*left, *right);
    for (const SImageDifference& difference : differences) {
        const std::string line = FormatDifference(difference) + "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    if (std::fflush(stdout) != 0) {
        return kExitFileError;
    }
    return differences.empty() ? 0 : kExitDifferent;
}

int RunSet(int argc, char** argv)
{
    SArguments arguments;
    if (!ParseArguments(argc, argv, 2, {"--profile", "--output"}, {"--help"}, arguments) ||
        arguments.Option("--help") || arguments.positional.size() < 3 || !arguments.Option("--output")) {
        return SubcommandUsage(kSetUsage, arguments.Option("--help").has_value());
    }
    const std::optional<CChannelId> channel = channel_rows::ParseChannelLabel(arguments.positional[1]);
    if (!channel) {
        std::fprintf(stderr, "zql52-cli: set: '%s' is not a channel (00-99, P0A-P9B, CALL_...)\n",
                     arguments.positional[1].c_str());
        return SubcommandUsage(kSetUsage, false);
    }
    std::vector<SFieldAssignment> assignments;
    for (size_t i = 2; i < arguments.positional.size(); ++i) {
        const std::string& word = arguments.positional[i];
        const size_t equals = word.find('=');
        const std::optional<EChannelField> field =
            equals == std::string::npos ? std::nullopt
                                        : FindChannelField(std::string_view(word).substr(0, equals));
        if (!field) {
            std::fprintf(stderr, "zql52-cli: set: '%s' is not FIELD=VALUE with a known field\n",
                         word.c_str());
            return SubcommandUsage(kSetUsage, false);
        }
        assignments.push_back({*field, word.substr(equals + 1)});
    }
    const auto settings = OpenSettings(arguments);
    if (!settings) {
        return SubcommandUsage(kSetUsage, false);
    }
    const auto data = NewDocument(*settings);
    if (!OpenFile(*data, arguments.positional[0])) {
        return kExitFileError;
    }
    const std::vector<std::string> notes =
        WriteChannelFields(*data, *channel, assignments, EChannelStart::FromChannel);
    const std::string label = channel_rows::ChannelLabel(*data, *channel);
    for (const std::string& note : notes) {
        std::fprintf(stderr, "%s: %s\n", label.c_str(), note.c_str());
    }
    if (!SaveOutput(*data, arguments)) {
        return kExitFileError;
    }
    return notes.empty() ? 0 : kExitDataChanged;
}

} // namespace cli
