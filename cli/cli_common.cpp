#include "cli/cli_common.h"

#include "core/command_text.h"
#include "core/rig/radio_data.h"
#include "settings/qt_settings_store.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <signal.h>
#include <string_view>

namespace cli {

namespace {

// The subcommands: one row gives the dispatch, the whole usage and the subcommand's own usage.
struct SSubcommand
{
    std::string_view name;
    int (*run)(int argc, char** argv);
    std::string_view arguments;
    // Lines of the description, separated by line feeds.
    std::string_view description;
    // The subcommand answers --help with a usage of its own.
    bool ownHelp = false;
};

constexpr SSubcommand kCommands[] = {
    {"exec", RunExec, "[--profile D,L,F] [--open FILE] [--save FILE] [COMMAND ...]",
     "run data commands on a new (or opened) document, one answer per line;\n"
     "without COMMANDs, one command per line of standard input"},
    {"show", RunShow, "[--profile D,L,F] FILE", "print the channel list of a clone data file"},
    {"info", RunInfo, "--port PORT [--profile D,L,F]",
     "read the transceiver's information block and check its version against the profile"},
    {"read", RunRead, "--port PORT [--profile D,L,F] [--no-archive] --output FILE",
     "read the transceiver's memory into a clone data file"},
    {"write", RunWrite, "--port PORT [--profile D,L,F] [--no-archive] [--strict] FILE",
     "write a clone data file to the transceiver; channels it cannot use are named and written\n"
     "empty (with --strict: nothing is written, exit 65)"},
    {"sort", RunSort, "[--profile D,L,F] [--by frequency|name|tone] [--range A-B] FILE --output OUT",
     "sort the memory channels in use; blank ones go last", true},
    {"compact", RunCompact, "[--profile D,L,F] [--range A-B] FILE --output OUT",
     "close the gaps between the memory channels in use", true},
    {"fill", RunFill, "[--profile D,L,F] [--range A-B] FILE --output OUT FIELD=VALUE ...",
     "set fields on every memory channel in use in the range", true},
    {"export", RunExport, "[--profile D,L,F] [--all] [--format csv|pdf] FILE [--output OUT]",
     "the channels in use as CSV, or a channel sheet as PDF", true},
    {"import", RunImport,
     "[--profile D,L,F] [--base FILE] [--strict] [--place location|order|free] [--from CHANNEL] [--fitting] "
     "CSV --output OUT",
     "apply a CSV channel list, report what was not stored", true},
    {"diff", RunDiff, "[--profile D,L,F] A B", "the differences between two clone data files", true},
    {"set", RunSet, "[--profile D,L,F] FILE --output OUT CHANNEL FIELD=VALUE ...",
     "set channel fields as the Edit Memory dialog does", true},
    {"verify", RunVerify, "--port PORT [--profile D,L,F] FILE",
     "read the transceiver and print how it differs from FILE", true},
    {"check", RunCheck, "--port PORT [--profile D,L,F]",
     "check the port, the cable and the transceiver step by step, its memory untouched;\n"
     "one exit code for each failing step (see 'zql52-cli check --help')",
     true},
    {"archive", RunArchive, "list | path", "the copies of every read and write, and their folder", true},
    {"sim", RunSim, "[options]", "the virtual transceiver (see 'zql52-cli sim --help')", true},
};
// The widest name and a blank.
constexpr size_t kNameWidth = 8;

// Notes after the usage: the whole usage has them all, a subcommand's usage those on its options.
struct SNote
{
    std::string_view option;
    std::string_view text;
};

constexpr SNote kNotes[] = {
    {"--port",
     "PORT is COM1 to COM4 (mapped to devices in the stored settings) or a device path.\n"
     "The commands with --port first read the transceiver's information block and check it against\n"
     "the profile: another model or revision ends the command with 85, another version with 90.\n"
     "They exit with their outcome: 0 success, 1 cancelled, 77 communication failure,\n"
     "80 unusable clone file, 85 model or revision differs, 90 version differs, 91 port cannot be\n"
     "opened.\n"},
    {"--profile",
     "D,L,F are the transceiver's destination (0-10), coverage level (0-2) and option flags; without\n"
     "--profile the stored transceiver setup applies (5,0,0 until one is made).\n"},
    {"--no-archive",
     "read and write keep a copy of the image in the clone archive unless --no-archive is given.\n"},
};

std::string NotesFor(const SSubcommand* help)
{
    std::string text;
    for (const SNote& note : kNotes) {
        if (help == nullptr || help->arguments.find(note.option) != std::string_view::npos) {
            text += note.text;
        }
    }
    return text;
}

void AppendDescription(std::string& text, std::string_view description, std::string_view indent)
{
    while (!description.empty()) {
        const size_t end = description.find('\n');
        text += indent;
        text += description.substr(0, end);
        text += '\n';
        description = end == std::string_view::npos ? std::string_view() : description.substr(end + 1);
    }
}

// The whole usage, or that of one subcommand.
std::string UsageText(std::string_view command)
{
    for (const SSubcommand& help : kCommands) {
        if (help.name == command) {
            std::string text = "usage: zql52-cli ";
            text += help.name;
            text += ' ';
            text += help.arguments;
            text += "\n\n";
            AppendDescription(text, help.description, "");
            const std::string notes = NotesFor(&help);
            return notes.empty() ? text : text + "\n" + notes;
        }
    }
    std::string text = "usage: zql52-cli COMMAND [OPTIONS]\n\n";
    for (const SSubcommand& help : kCommands) {
        text += "  ";
        text += help.name;
        text.append(kNameWidth - help.name.size(), ' ');
        text += help.arguments;
        text += '\n';
        AppendDescription(text, help.description, std::string(2 + kNameWidth, ' '));
    }
    return text + "  --version                           print the version\n" +
           "  zql52-cli COMMAND --help            the usage of one command\n\n" + NotesFor(nullptr);
}

std::atomic<int> g_signal{0};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler writes it");

extern "C" void OnInterrupt(int number)
{
    g_signal = number;
}

} // namespace

std::optional<std::string> SArguments::Option(const std::string& name) const
{
    for (const auto& [key, value] : options) {
        if (key == name) {
            return value;
        }
    }
    return std::nullopt;
}

bool ParseArguments(int argc, char** argv, int first, const std::vector<std::string>& withValue,
                    const std::vector<std::string>& flags, SArguments& out)
{
    bool onlyPositional = false;
    for (int i = first; i < argc; ++i) {
        std::string word = argv[i];
        if (onlyPositional || word.size() < 3 || word.compare(0, 2, "--") != 0) {
            if (word == "--") {
                onlyPositional = true;
                continue;
            }
            out.positional.push_back(word);
            continue;
        }
        std::string value;
        const size_t equals = word.find('=');
        const bool inlineValue = equals != std::string::npos;
        if (inlineValue) {
            value = word.substr(equals + 1);
            word.resize(equals);
        }
        if (std::find(flags.begin(), flags.end(), word) != flags.end()) {
            out.options.emplace_back(word, "");
            continue;
        }
        if (std::find(withValue.begin(), withValue.end(), word) == withValue.end()) {
            std::fprintf(stderr, "zql52-cli: unknown option %s\n", word.c_str());
            return false;
        }
        if (!inlineValue) {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "zql52-cli: option %s needs a value\n", word.c_str());
                return false;
            }
            value = argv[++i];
        }
        out.options.emplace_back(word, value);
    }
    return true;
}

std::unique_ptr<ISettingsStore> OpenSettings(const SArguments& arguments)
{
    const auto profile = arguments.Option("--profile");
    if (!profile) {
        return std::make_unique<CQtSettingsStore>();
    }
    long long values[3] = {};
    const long long limits[3] = {10, 2, 255};
    for (int i = 0; i < 3; ++i) {
        const std::string piece = TextToken(*profile, ",", i);
        size_t used = 0;
        if (!ParseDecimal(piece, values[i], &used) || used != piece.size() || values[i] < 0 ||
            values[i] > limits[i] || (i == 2 && !TextRest(*profile, ",", 3).empty())) {
            std::fprintf(stderr,
                         "zql52-cli: --profile wants D,L,F (destination 0-10, level 0-2, flags 0-255)\n");
            return nullptr;
        }
    }
    auto store = std::make_unique<CMemorySettingsStore>();
    store->SetInt(settings::kSetupInfo, settings::kSetupDone, 1);
    store->SetInt(settings::kSetupInfo, settings::kDestination, static_cast<int>(values[0]));
    store->SetInt(settings::kSetupInfo, settings::kExpandLevel, static_cast<int>(values[1]));
    store->SetInt(settings::kSetupInfo, settings::kOptionFlags, static_cast<int>(values[2]));
    return store;
}

SDocument::SDocument() = default;
SDocument::~SDocument() = default;

bool NewDocument(const SArguments& arguments, SDocument& document)
{
    document.settings = OpenSettings(arguments);
    if (!document.settings) {
        return false;
    }
    document.data = NewDocument(*document.settings);
    return true;
}

std::unique_ptr<CL52RadioData> NewDocument(ISettingsStore& settings)
{
    CatchInterrupts();
    auto data = std::make_unique<CL52RadioData>(&settings);
    data->Initialize();
    return data;
}

namespace {

// True for "OK"; any other answer goes to standard error after `prefix`.
bool Succeeded(const std::string& result, const std::string& prefix)
{
    if (result != answer::kOk) {
        std::fprintf(stderr, "%s%s\n", prefix.c_str(), result.c_str());
        return false;
    }
    return true;
}

} // namespace

bool OpenFile(CRadioData& data, const std::string& path, const std::string& prefix)
{
    return Succeeded(data.OpenDocument(path), prefix);
}

bool SaveFile(CRadioData& data, const std::string& path, const std::string& prefix)
{
    return Succeeded(data.SaveDocument(path), prefix);
}

int Usage()
{
    std::fputs(UsageText({}).c_str(), stderr);
    return kExitUsage;
}

bool AsksForHelp(int argc, char** argv, int first)
{
    for (int i = first; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "--") {
            return false;
        }
        if (word == "--help") {
            return true;
        }
    }
    return false;
}

int RunSubcommand(int argc, char** argv)
{
    if (argc >= 2) {
        for (const SSubcommand& help : kCommands) {
            if (help.name == argv[1]) {
                return help.run(argc, argv);
            }
        }
    }
    return Usage();
}

int Help(std::string_view command)
{
    if (command.empty() || command.front() == '-') {
        std::fputs(UsageText({}).c_str(), stdout);
        return 0;
    }
    for (const SSubcommand& help : kCommands) {
        if (help.name == command) {
            if (help.ownHelp) {
                return -1;
            }
            std::fputs(UsageText(command).c_str(), stdout);
            return 0;
        }
    }
    return Usage();
}

void CatchInterrupts()
{
    // Without SA_RESTART, so a blocked read of standard input or write of standard output returns.
    struct sigaction action
    {
    };
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    for (int number : {SIGINT, SIGTERM, SIGHUP}) {
        ::sigaction(number, &action, nullptr);
    }
}

int InterruptSignal()
{
    return g_signal;
}

bool TakeInterrupt()
{
    return g_signal.exchange(0) != 0;
}

int InterruptedExit()
{
    return 128 + g_signal;
}

} // namespace cli
