#include "cli/cli_common.h"
#include "clone/cable_check.h"
#include "core/rig/radio_data.h"
#include "core/string_table.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

// The cable check: the port, the cable and the transceiver, step by step.

namespace cli {

namespace {

constexpr const char* kCheckUsage =
    "usage: zql52-cli check --port PORT [--profile D,L,F]\n"
    "\n"
    "Checks the port, the cable and the transceiver step by step and prints each step with what it\n"
    "found, and for a failed one what to do. The transceiver is sent a few bytes outside any frame and\n"
    "the information request; its memory is never read or written. PORT is COM1 to COM4 (mapped to\n"
    "devices in the stored settings) or a device path; the answer is compared with the profile.\n"
    "\n"
    "Exit status, the first step that failed:\n"
    "    0  the transceiver answered and matches the profile\n"
    "  101  the device does not exist (the serial devices there are listed)\n"
    "  102  the device may not be opened (its group, and how to join it)\n"
    "  103  another program holds the device (named where the system tells)\n"
    "  104  the device does not take 9600 bit/s 8N1 (not a serial port)\n"
    "  105  no echo: not a cloning cable, or not plugged into this port\n"
    "  106  the echo comes back garbled: loose plug or noise\n"
    "  107  no answer: the transceiver is off or not in clone mode\n"
    "  108  the answer arrives broken\n"
    "  109  another model or revision answered\n"
    "  110  the version bytes differ from the profile\n"
    "   64  usage error\n";

// "[OK]     " and the like: the mark before each step's name.
std::string Mark(int id)
{
    std::string mark = "[" + std::string(StringText(id)) + "]";
    constexpr size_t kMarkWidth = 14;
    mark.resize(std::max(mark.size() + 1, kMarkWidth), ' ');
    return mark;
}

void PrintIndented(const std::string& text)
{
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find('\n', start);
        const std::string line =
            text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        std::printf("              %s\n", line.c_str());
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
}

} // namespace

int RunCheck(int argc, char** argv)
{
    SArguments arguments;
    if (!ParseArguments(argc, argv, 2, {"--port", "--profile"}, {"--help"}, arguments) ||
        arguments.Option("--help") || !arguments.positional.empty() || !arguments.Option("--port") ||
        arguments.Option("--port")->empty()) {
        const bool asked = arguments.Option("--help").has_value();
        std::fputs(kCheckUsage, asked ? stdout : stderr);
        return asked ? 0 : kExitUsage;
    }
    SDocument document;
    if (!NewDocument(arguments, document)) {
        return Usage();
    }
    // Slot names resolve through the stored mapping even with --profile's in-memory store.
    const std::unique_ptr<ISettingsStore> portMap = OpenSettings(SArguments{});
    CCableCheck check;
    check.SetPortMap(portMap.get());
    check.SetProfile(document.data->GetProfile());
    check.SetStepObserver([](const SCheckStepResult& step) {
        std::printf("%s%s\n", Mark(step.passed ? ids::kCheckPassed : ids::kCheckFailed).c_str(),
                    std::string(StringText(CheckStepTextId(step.step))).c_str());
        PrintIndented(step.found);
        if (!step.advice.empty()) {
            PrintIndented(step.advice);
        }
        std::fflush(stdout);
    });
    const SCheckReport report = check.Run(*arguments.Option("--port"));
    for (auto i = static_cast<int>(report.steps.size()); i < kCheckStepCount; ++i) {
        std::printf("%s%s\n", Mark(ids::kCheckNotRun).c_str(),
                    std::string(StringText(CheckStepTextId(static_cast<ECheckStep>(i)))).c_str());
    }
    return report.outcome;
}

} // namespace cli
