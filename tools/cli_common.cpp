#include "tools/cli_common.h"

#include "app/qt_settings_store.h"
#include "core/command_text.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <signal.h>

namespace cli {

namespace {

constexpr const char* kUsage =
    "usage: zql52-cli COMMAND [OPTIONS]\n"
    "\n"
    "  exec  [--profile D,L,F] [--open FILE] [--save FILE] [COMMAND ...]\n"
    "        run data commands on a new (or opened) document, one answer per line;\n"
    "        without COMMANDs, one command per line of standard input\n"
    "  show  [--profile D,L,F] FILE          print the channel list of a clone data file\n"
    "  info  --port PORT                     read the transceiver's information block\n"
    "  read  --port PORT [--profile D,L,F] [--no-archive] --output FILE\n"
    "                                        read the transceiver's memory into a clone data file\n"
    "  write --port PORT [--profile D,L,F] [--no-archive] [--strict] FILE\n"
    "                                        write a clone data file to the transceiver; channels\n"
    "                                        it cannot use are named and written empty (with\n"
    "                                        --strict: nothing is written, exit 65)\n"
    "  sort  [--profile D,L,F] [--by frequency|name|tone] [--range A-B] FILE --output OUT\n"
    "                                        sort the memory channels in use; blank ones go last\n"
    "  compact [--profile D,L,F] [--range A-B] FILE --output OUT\n"
    "                                        close the gaps between the memory channels in use\n"
    "  fill  [--profile D,L,F] [--range A-B] FILE --output OUT FIELD=VALUE ...\n"
    "                                        set fields on every memory channel in use in the range\n"
    "  export [--profile D,L,F] [--all] [--format csv|pdf] FILE [--output OUT]\n"
    "                                        the channels in use as CSV, or a channel sheet as PDF\n"
    "  import [--profile D,L,F] [--base FILE] [--strict] CSV --output OUT\n"
    "                                        apply a CSV channel list, report what was not stored\n"
    "  diff  [--profile D,L,F] A B           the differences between two clone data files\n"
    "  set   [--profile D,L,F] FILE --output OUT CHANNEL FIELD=VALUE ...\n"
    "                                        set channel fields as the Edit Memory dialog does\n"
    "  verify --port PORT [--profile D,L,F] FILE\n"
    "                                        read the transceiver and print how it differs from FILE\n"
    "  archive list | path                   the copies of every read and write, and their folder\n"
    "  sim   [options]                       the virtual transceiver (see 'zql52-cli sim --help')\n"
    "  --version                             print the version\n"
    "\n"
    "PORT is COM1 to COM4 (mapped to devices in the stored settings) or a device path.\n"
    "D,L,F are the transceiver's destination (0-10), coverage level (0-2) and option flags.\n"
    "Clone commands exit with their outcome: 0 success, 1 cancelled, 77 communication failure,\n"
    "80 unusable clone file, 85 model or revision differs, 90 version differs, 91 port cannot be opened.\n"
    "read and write keep a copy of the image in the clone archive unless --no-archive is given.\n";

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

int Usage()
{
    std::fputs(kUsage, stderr);
    return kExitUsage;
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
