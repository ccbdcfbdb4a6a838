#include "cli/cli_common.h"
#include "clone/clone_commands.h"
#include "clone/clone_protocol.h"
#include "clone/clone_session.h"
#include "clone/clone_ui.h"
#include "clone/port_map.h"
#include "core/byte_string.h"
#include "core/clone_file.h"
#include "core/command_text.h"
#include "core/rig/default_images.h"
#include "core/rig/radio_data.h"
#include "core/string_table.h"
#include "core/temporary_file.h"
#include "operations/written_channels.h"
#include "sim/virtual_transceiver.h"

#include <cstdio>
#include <memory>
#include <signal.h>
#include <string>
#include <unistd.h>

namespace cli {

namespace {

constexpr const char* kNoArchive = "--no-archive";

class CSilentTones : public ITonePlayer
{
public:
    void Play(const std::vector<STone>& /*tones*/) override {}
};

// A progress bar on standard error; Ctrl+C asks to cancel.
class CTerminalProgress : public ICloneProgress
{
public:
    int SetPos(int position) override
    {
        const int previous = m_position;
        if (position != m_position) {
            m_position = position;
            const int filled = position / 5;
            std::fprintf(stderr, "\r[%.*s%*s] %3d %%", filled, "####################", 20 - filled, "",
                         position);
            std::fflush(stderr);
        }
        return previous;
    }
    bool CheckCancel() override { return TakeInterrupt(); }
    bool LingersAfterTransfer() const override { return false; }
    ~CTerminalProgress() override
    {
        if (m_position >= 0) {
            std::fputc('\n', stderr);
        }
    }
    CTerminalProgress() = default;
    CTerminalProgress(const CTerminalProgress&) = delete;
    CTerminalProgress& operator=(const CTerminalProgress&) = delete;

private:
    int m_position = -1;
};

class CTerminalHost : public ICloneHost
{
public:
    std::unique_ptr<ICloneProgress> CreateProgress() override
    {
        return std::make_unique<CTerminalProgress>();
    }
    bool CheckCancel() override { return TakeInterrupt(); }
    void ShowStatus(std::string_view text) override
    {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
    }
    ITonePlayer& Tones() override { return m_tones; }

private:
    CSilentTones m_tones;
};

// Everything a clone subcommand needs, built from its arguments.
struct SCloneSetup
{
    SDocument document;
    std::unique_ptr<ISettingsStore> portMap;
    CTerminalHost host;
    std::unique_ptr<CCloneSession> session;
    std::string exchangeFile;

    ~SCloneSetup()
    {
        session.reset();
        if (!exchangeFile.empty()) {
            ::unlink(exchangeFile.c_str());
        }
    }
};

bool Prepare(const SArguments& arguments, SCloneSetup& setup)
{
    CatchInterrupts();
    const auto port = arguments.Option("--port");
    if (!port || port->empty()) {
        std::fputs("zql52-cli: --port is required\n", stderr);
        return false;
    }
    if (!NewDocument(arguments, setup.document)) {
        return false;
    }
    setup.session = std::make_unique<CCloneSession>(&setup.host);
    // Slot names resolve through the stored mapping even with --profile's in-memory store.
    setup.portMap = OpenSettings(SArguments{});
    setup.session->SetPortMap(setup.portMap.get());
    setup.session->SetDevice(*port);
    setup.session->SetReadTotal(clone_protocol::kReadTotal);
    setup.exchangeFile = MakeTemporaryFile(kExchangeFilePrefix);
    return true;
}

// The transceiver's comment, all of its bytes, safe for a terminal: printable ASCII as it is, any
// other byte as \xNN, and the backslash as \x5C so that the text reads back unambiguously.
std::string PrintableComment(std::string_view bytes)
{
    std::string text;
    for (char c : bytes) {
        const auto byte = static_cast<uint8_t>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\\') {
            text += c;
        } else {
            text += "\\x";
            AppendHex(text, byte);
        }
    }
    return text;
}

int Report(ECloneCommand command, int outcome)
{
    const SCloneOutcomeTexts texts = CloneOutcomeTexts(command, outcome);
    if (!texts.status.empty()) {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(texts.status.size()), texts.status.data());
    }
    if (!texts.message.empty()) {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(texts.message.size()), texts.message.data());
    }
    return outcome;
}

// The desktop program's warning before a write, on standard error; false when there was one.
bool WarnOfIllegalChannels(CRadioData& data)
{
    const std::string warning = IllegalChannelsWarning(data);
    if (warning.empty()) {
        return true;
    }
    std::fprintf(stderr, "%s\n", warning.c_str());
    return false;
}

} // namespace

int RunInfo(int argc, char** argv)
{
    SArguments arguments;
    SCloneSetup setup;
    if (!ParseArguments(argc, argv, 2, {"--port", "--profile"}, {}, arguments) ||
        !arguments.positional.empty() || !Prepare(arguments, setup)) {
        return Usage();
    }
    CCloneCommands commands(*setup.document.data, *setup.session, setup.exchangeFile);
    const int outcome = commands.Information();
    if (outcome == 0) {
        const STransceiverInformation& information = setup.session->GetInformation();
        std::printf("Model:   %s\nComment: %s\nVersion: %u,%u,%u\n",
                    setup.document.data->GetMachineName().c_str(),
                    PrintableComment(information.Comment()).c_str(), information.bytes[0],
                    information.bytes[1], information.bytes[2]);
    }
    return Report(ECloneCommand::Information, outcome);
}

int RunRead(int argc, char** argv)
{
    SArguments arguments;
    SCloneSetup setup;
    if (!ParseArguments(argc, argv, 2, {"--port", "--profile", "--output"}, {kNoArchive}, arguments) ||
        !arguments.positional.empty() || !arguments.Option("--output") || !Prepare(arguments, setup)) {
        return Usage();
    }
    CCloneCommands commands(*setup.document.data, *setup.session, setup.exchangeFile);
    if (arguments.Option(kNoArchive)) {
        commands.SetArchive(nullptr);
    }
    const int outcome = commands.Read();
    if (outcome == 0) {
        if (!SaveFile(*setup.document.data, *arguments.Option("--output"))) {
            return kExitFileError;
        }
    }
    return Report(ECloneCommand::Read, outcome);
}

int RunWrite(int argc, char** argv)
{
    SArguments arguments;
    SCloneSetup setup;
    if (!ParseArguments(argc, argv, 2, {"--port", "--profile"}, {kNoArchive, "--strict"}, arguments) ||
        arguments.positional.size() != 1 || !Prepare(arguments, setup)) {
        return Usage();
    }
    if (!OpenFile(*setup.document.data, arguments.positional.front())) {
        return kExitFileError;
    }
    if (!WarnOfIllegalChannels(*setup.document.data) && arguments.Option("--strict")) {
        std::fputs("zql52-cli: --strict: nothing was written\n", stderr);
        return kExitDataChanged;
    }
    CCloneCommands commands(*setup.document.data, *setup.session, setup.exchangeFile);
    if (arguments.Option(kNoArchive)) {
        commands.SetArchive(nullptr);
    }
    return Report(ECloneCommand::Write, commands.Write());
}

int ReadTransceiver(const SArguments& arguments, const std::function<void(CRadioData& received)>& received)
{
    SCloneSetup setup;
    if (!Prepare(arguments, setup)) {
        return Usage();
    }
    CCloneCommands commands(*setup.document.data, *setup.session, setup.exchangeFile);
    commands.SetArchive(nullptr);
    const int outcome = Report(ECloneCommand::Read, commands.Read());
    if (outcome == clone_outcome::kSuccess) {
        received(*setup.document.data);
    }
    return outcome;
}

namespace {

constexpr const char* kSimUsage =
    "usage: zql52-cli sim [--link PATH] [--image FILE] [--version D,L,F] [--comment TEXT]\n"
    "                     [--pace BAUD] [--save-written FILE] [--fault NAME]\n"
    "\n"
    "The virtual VL-L52: the far end of the cloning cable on a pseudo-terminal. It echoes every\n"
    "byte like the cable, answers information requests, sends its memory on a read and takes a\n"
    "write, one operation after another until Ctrl+C. The first line of output is the device to\n"
    "use as the serial port (or map COM1 to it).\n"
    "\n"
    "  --link PATH          make PATH a symbolic link to the device\n"
    "  --image FILE         the memory it holds (a clone data file); default: the factory image\n"
    "                       of its version\n"
    "  --version D,L,F      destination 0-10, coverage level 0-2, option flags 0-239 (0xEF)\n"
    "                       (default 5,0,0)\n"
    "  --comment TEXT       the 16-character comment of its information block\n"
    "  --pace BAUD          send no faster than the line rate (10 bits a byte), e.g. 9600\n"
    "  --save-written FILE  save the memory after each accepted write\n"
    "  --fault NAME         misbehave in one way: ";

CVirtualTransceiver* g_simulator = nullptr;

extern "C" void OnSimSignal(int /*signal*/)
{
    if (g_simulator != nullptr) {
        g_simulator->Stop();
    }
}

// Information bytes above 0xEF would break the frames that carry them.
bool ParseVersion(const std::string& text, std::array<uint8_t, 3>& version)
{
    const long long limits[3] = {10, 2, clone_protocol::kHighestInformationByte};
    for (int i = 0; i < 3; ++i) {
        const std::string piece = TextToken(text, ",", i);
        long long value = 0;
        size_t used = 0;
        if (!ParseDecimal(piece, value, &used) || used != piece.size() || value < 0 || value > limits[i]) {
            return false;
        }
        version[static_cast<size_t>(i)] = static_cast<uint8_t>(value);
    }
    return TextRest(text, ",", 3).empty();
}

} // namespace

int RunSim(int argc, char** argv)
{
    SArguments arguments;
    if (!ParseArguments(
            argc, argv, 2,
            {"--link", "--image", "--version", "--comment", "--pace", "--save-written", "--fault"},
            {"--help"}, arguments) ||
        !arguments.positional.empty() || arguments.Option("--help")) {
        const bool help = arguments.Option("--help").has_value();
        std::fprintf(help ? stdout : stderr, "%s%s\n", kSimUsage, SimFaultNames().c_str());
        return help ? 0 : kExitUsage;
    }
    SVirtualTransceiverOptions options;
    if (const auto version = arguments.Option("--version");
        version && !ParseVersion(*version, options.version)) {
        std::fputs("zql52-cli sim: --version wants D,L,F (destination 0-10, level 0-2, flags 0-239)\n",
                   stderr);
        return kExitUsage;
    }
    const bool has50 = (options.version[2] & 2) != 0;
    options.image = BuildDefaultImage(DefaultImageIndex(options.version[0], has50));
    if (const auto image = arguments.Option("--image")) {
        const std::string result = LoadCloneFile(*image, options.image);
        if (result != answer::kOk) {
            std::fprintf(stderr, "zql52-cli sim: %s: %s\n", image->c_str(), result.c_str());
            return kExitFileError;
        }
    }
    if (const auto comment = arguments.Option("--comment")) {
        options.comment = *comment;
    }
    if (const auto pace = arguments.Option("--pace")) {
        long long baud = 0;
        if (!ParseDecimal(*pace, baud) || baud < 0 || baud > 4'000'000) {
            std::fputs("zql52-cli sim: --pace wants a bit rate\n", stderr);
            return kExitUsage;
        }
        options.paceBaud = static_cast<unsigned>(baud);
    }
    if (const auto fault = arguments.Option("--fault"); fault && !ParseSimFault(*fault, options.fault)) {
        std::fprintf(stderr, "zql52-cli sim: unknown fault; one of: %s\n", SimFaultNames().c_str());
        return kExitUsage;
    }
    options.linkPath = arguments.Option("--link").value_or("");
    options.saveWrittenPath = arguments.Option("--save-written").value_or("");

    CVirtualTransceiver simulator(std::move(options));
    if (!simulator.Open()) {
        std::fprintf(stderr, "zql52-cli sim: %s\n", simulator.GetErrorText().c_str());
        return 1;
    }
    g_simulator = &simulator;
    struct sigaction action
    {
    };
    action.sa_handler = OnSimSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    std::printf("%s\n", simulator.GetDevicePath().c_str());
    std::fflush(stdout);
    simulator.Run();
    g_simulator = nullptr;
    return 0;
}

} // namespace cli
