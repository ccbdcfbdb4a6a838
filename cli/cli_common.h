#pragma once

#include "core/settings_store.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CL52RadioData;
class CRadioData;
class ICommandTarget;

// Shared by the subcommands of zql52-cli.
namespace cli {

inline constexpr int kExitUsage = 64;
inline constexpr int kExitFileError = 2;
// Rows or channels were skipped, or took a value in another form than the one given; write --strict
// refuses with it.
inline constexpr int kExitDataChanged = 65;

struct SArguments
{
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> options; // "--name", value

    std::optional<std::string> Option(const std::string& name) const;
};

// Splits "--name value" and "--name=value" pairs from positional words. Flags listed in `flags` take
// no value. Returns false (with a message on stderr) for an option that lacks its value or is unknown.
bool ParseArguments(int argc, char** argv, int first, const std::vector<std::string>& withValue,
                    const std::vector<std::string>& flags, SArguments& out);

// The stored settings, or an in-memory store holding the transceiver version of "--profile D,L,F".
// Returns null (with a message) when the profile text is malformed.
std::unique_ptr<ISettingsStore> OpenSettings(const SArguments& arguments);

// What a subcommand works on: the settings its arguments choose and a new document on them.
struct SDocument
{
    std::unique_ptr<ISettingsStore> settings;
    std::unique_ptr<CL52RadioData> data;

    SDocument();
    SDocument(const SDocument&) = delete;
    SDocument& operator=(const SDocument&) = delete;
    ~SDocument();
};

// The first steps of every subcommand that works on a document: the settings (OpenSettings), then a
// new, initialized document on them. False when the settings do not open; OpenSettings said why.
bool NewDocument(const SArguments& arguments, SDocument& document);
// A new, initialized document on `settings`. The interrupts are caught first: the document keeps a
// temporary file.
std::unique_ptr<CL52RadioData> NewDocument(ISettingsStore& settings);
// Opens the clone data file at `path` into `data`. False when it does not open, with its answer on
// standard error after `prefix`.
bool OpenFile(CRadioData& data, const std::string& path, const std::string& prefix = {});
// Saves `data` as `path`. False when it cannot, with the answer on standard error after `prefix`.
bool SaveFile(CRadioData& data, const std::string& path, const std::string& prefix = {});

// The usage on standard error; exits 64.
int Usage();
// Runs the subcommand argv[1] names; Usage() for one that does not exist. A new subcommand is a Run
// function below and one row of the table in cli_common.cpp, which gives its usage too.
int RunSubcommand(int argc, char** argv);
// True when `--help` comes among the arguments from `first` on, before any "--".
bool AsksForHelp(int argc, char** argv, int first);
// Answers --help: the usage of `command` (of the whole tool when empty or an option) on standard
// output with exit status 0; Usage() for an unknown command; -1 for a subcommand that answers
// --help itself.
int Help(std::string_view command);

// The printable channel sheet of the document opened from `file` as a PDF file's bytes; with `all` also the
// blank memory channels, the common settings and the DTMF memories. False, with the reason in `error`, in a
// build without Qt Gui.
bool ChannelSheetPdf(ICommandTarget& data, const std::string& file, bool all, std::string& pdf,
                     std::string& error);

// SIGINT, SIGTERM and SIGHUP end every subcommand through its normal return, so each temporary
// file goes with its owner: the handler only notes the signal, and a wait for input or output
// returns early. Install it before the first temporary file is made.
void CatchInterrupts();
// The signal noted, or 0.
int InterruptSignal();
// Forgets the noted signal, which a transfer takes as a cancel request. True when there was one.
bool TakeInterrupt();
// The exit status of a subcommand that a signal ended: 128 and its number.
int InterruptedExit();

int RunExec(int argc, char** argv);
int RunShow(int argc, char** argv);
int RunInfo(int argc, char** argv);
int RunRead(int argc, char** argv);
int RunWrite(int argc, char** argv);
int RunSim(int argc, char** argv);
int RunSort(int argc, char** argv);
int RunCompact(int argc, char** argv);
int RunFill(int argc, char** argv);
int RunExport(int argc, char** argv);
int RunImport(int argc, char** argv);
int RunDiff(int argc, char** argv);
int RunSet(int argc, char** argv);
int RunVerify(int argc, char** argv);
int RunArchive(int argc, char** argv);
int RunCheck(int argc, char** argv);

// A whole read of the transceiver at --port (information read, version check, transfer, load) into a
// new document with the arguments' profile, keeping no archive copy. `received` is given the
// document when the read succeeded. Answers the outcome, whose texts go to standard error.
int ReadTransceiver(const SArguments& arguments, const std::function<void(CRadioData& received)>& received);

} // namespace cli
