#include "channels/channel_rows.h"
#include "cli/cli_common.h"
#include "core/command_text.h"
#include "core/rig/radio_data.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace cli {

namespace {

void PrintAnswer(const std::string& answer)
{
    std::fwrite(answer.data(), 1, answer.size(), stdout);
    std::fputc('\n', stdout);
}

} // namespace

int RunExec(int argc, char** argv)
{
    SArguments arguments;
    if (!ParseArguments(argc, argv, 2, {"--profile", "--open", "--save"}, {}, arguments)) {
        return Usage();
    }
    SDocument document;
    if (!NewDocument(arguments, document)) {
        return Usage();
    }
    CRadioData& data = *document.data;
    if (const auto open = arguments.Option("--open"); open && !OpenFile(data, *open)) {
        return kExitFileError;
    }
    if (!arguments.positional.empty()) {
        for (const std::string& command : arguments.positional) {
            if (InterruptSignal() != 0) {
                break;
            }
            PrintAnswer(data.Execute(command));
        }
    } else {
        for (std::string line; InterruptSignal() == 0 && std::getline(std::cin, line);) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            PrintAnswer(data.Execute(line));
        }
    }
    std::fflush(stdout);
    // An interrupted run saves nothing.
    if (InterruptSignal() != 0) {
        return InterruptedExit();
    }
    if (const auto save = arguments.Option("--save"); save && !SaveFile(data, *save)) {
        return kExitFileError;
    }
    return 0;
}

int RunShow(int argc, char** argv)
{
    SArguments arguments;
    if (!ParseArguments(argc, argv, 2, {"--profile"}, {}, arguments) || arguments.positional.size() != 1) {
        return Usage();
    }
    SDocument document;
    if (!NewDocument(arguments, document)) {
        return Usage();
    }
    CRadioData& data = *document.data;
    if (!OpenFile(data, arguments.positional.front())) {
        return kExitFileError;
    }
    std::string text;
    for (int c = 0; c < channel_rows::kColumnCount; ++c) {
        text += channel_rows::kColumns[static_cast<size_t>(c)].header;
        text += c + 1 < channel_rows::kColumnCount ? '\t' : '\n';
    }
    for (int row = 0; row < channel_rows::kRowCount; ++row) {
        const channel_rows::Cells cells = channel_rows::BuildRow(data, row);
        for (int c = 0; c < channel_rows::kColumnCount; ++c) {
            text += cells[static_cast<size_t>(c)];
            text += c + 1 < channel_rows::kColumnCount ? '\t' : '\n';
        }
    }
    if (InterruptSignal() == 0) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
    }
    return InterruptSignal() != 0 ? InterruptedExit() : 0;
}

} // namespace cli
