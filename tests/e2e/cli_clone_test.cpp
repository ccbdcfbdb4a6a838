#include "../core/test_files.h"
#include "../support/sim_process.h"
#include "core/clone_file.h"
#include "core/command_text.h"
#include "core/memory_image.h"
#include "core/memory_map.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

// zql52-cli's clone commands against `zql52-cli sim` over real pseudo-terminals: what arrives, what
// the transceiver ends up holding, and the outcome and texts of every way a session can end.

namespace {

using namespace std::chrono_literals;
using EStream = CChildProcess::EStream;
using Seconds = std::chrono::duration<double>;

// The byte of the image that a write never sends: the transceiver keeps its own.
using memory_map::kKeptByte;
// Where that byte sits in a record line: 4 digits of address, 2 of count, then 2 per byte.
constexpr std::string_view kKeptRecordAddress = "0840";
constexpr size_t kKeptDigitOffset = 6 + 2 * (kKeptByte - 0x840);

// Texts the commands print, as the user sees them in the desktop program.
constexpr std::string_view kCompleted = " Cloning completed.";
constexpr std::string_view kReadFailed = " Err: Cannot read cloning data.";
constexpr std::string_view kWriteFailed = " Err: Cannot write cloning data.";
constexpr std::string_view kIllegalInformation = " Err: Illegal information.";
constexpr std::string_view kTerminated = " Terminated cloning.  ";
constexpr std::string_view kPortFailed = " Err: Cannot access RS-232C port.";
constexpr std::string_view kVersionFailed = " Err: Version number does not match.";
constexpr std::string_view kWriteSucceeded =
    " Clone writing succeeded. \n\n Turn the transceiver power off and on to use \n"
    " the transceiver under its new conditions.\n";
constexpr std::string_view kCannotProgram = " The transceiver cannot be programmed. The cause may be:\n";
constexpr std::string_view kCheckPort = " Check the following:\n\n - The RS-232C port settings.\n"
                                        " - Cloning cable connections.\n - Transceiver power is ON.";
constexpr std::string_view kCheckCloning =
    " Check the following:\r\n\r\n - The RS-232C port settings.\r\n"
    " - Cloning cable connections.\r\n"
    " - Appropriate cloning software for the transceiver is being used.\r\n"
    " - The revision number of the transceiver.\n";
constexpr std::string_view kVersionMessage =
    " The transceiver cannot be programmed with the\ncurrent setting. "
    "The transceiver's version \ndoes not match the initial setup.\n";

constexpr std::string_view kProfile = "5,0,0";
constexpr std::string_view kMissingDevice = "/dev/zq-l52-no-such-port";

enum class ECommand
{
    Info,
    Read,
    Write,
};

const char* CommandName(ECommand command)
{
    switch (command) {
    case ECommand::Info:
        return "info";
    case ECommand::Read:
        return "read";
    default:
        return "write";
    }
}

struct SExpectedTexts
{
    std::string_view status;
    std::string_view message;
};

SExpectedTexts ExpectedTexts(ECommand command, int outcome)
{
    switch (outcome) {
    case 0:
        if (command == ECommand::Info) {
            return {};
        }
        return {kCompleted, command == ECommand::Write ? kWriteSucceeded : std::string_view{}};
    case 1:
        return {kTerminated, {}};
    case 85:
        return {kIllegalInformation, kCannotProgram};
    case 90:
        return {kVersionFailed, kVersionMessage};
    case 91:
        return {kPortFailed, kCheckPort};
    default:
        switch (command) {
        case ECommand::Info:
            return {kIllegalInformation, kCheckCloning};
        case ECommand::Read:
            return {kReadFailed, kCheckCloning};
        default:
            return {kWriteFailed, kCheckCloning};
        }
    }
}

struct SRun
{
    int status = -1;
    std::string out;
    std::string err;
    Seconds elapsed{};
};

bool Exists(const std::string& path)
{
    return std::filesystem::exists(path);
}

// Addresses at which two images differ.
std::vector<uint32_t> Differences(const CMemoryImage& a, const CMemoryImage& b)
{
    std::vector<uint32_t> addresses;
    for (uint32_t address = 0; address < memory_map::kImageSize; ++address) {
        if (a.GetByte(address) != b.GetByte(address)) {
            addresses.push_back(address);
        }
    }
    return addresses;
}

// Replaces one byte in the record text of a clone data file, as someone editing it by hand would.
bool EditRecordByte(const std::string& from, const std::string& to, std::string_view recordAddress,
                    size_t digitOffset, std::string_view digits)
{
    std::istringstream in(ReadFileText(from));
    std::string edited;
    bool found = false;
    for (std::string line; std::getline(in, line);) {
        if (line.compare(0, recordAddress.size(), recordAddress) == 0 && line.size() >= digitOffset + 2) {
            line.replace(digitOffset, 2, digits);
            found = true;
        }
        edited += line + "\n";
    }
    WriteFileText(to, edited);
    return found;
}

class CliClone : public ::testing::Test
{
protected:
    // Runs zql52-cli with its settings in the test's own folder.
    SRun Cli(const std::vector<std::string>& arguments,
             const std::vector<std::string>& environment = {}) const
    {
        std::vector<std::string> command = {ZQ_CLI_PATH};
        command.insert(command.end(), arguments.begin(), arguments.end());
        std::vector<std::string> overrides = {"XDG_CONFIG_HOME=" + m_home.Path().string(),
                                              "XDG_DATA_HOME=" + m_home.File("data")};
        overrides.insert(overrides.end(), environment.begin(), environment.end());
        CChildProcess process;
        SRun run;
        const auto start = std::chrono::steady_clock::now();
        if (!process.Start(command, overrides)) {
            ADD_FAILURE() << "cannot start " << ZQ_CLI_PATH;
            return run;
        }
        run.status = process.Finish();
        run.elapsed = std::chrono::steady_clock::now() - start;
        run.out = process.Out();
        run.err = process.Err();
        return run;
    }

    std::vector<std::string> CommandLine(ECommand command, const std::string& port,
                                         const std::string& file) const
    {
        std::vector<std::string> arguments = {CommandName(command), "--port", port, "--profile",
                                              std::string(kProfile)};
        if (command == ECommand::Read) {
            arguments.insert(arguments.end(), {"--output", file});
        } else if (command == ECommand::Write) {
            arguments.push_back(file);
        }
        return arguments;
    }

    // A clone data file as the program saves it, after running `commands` on a new document.
    std::string MakeCloneFile(const std::string& name, std::string_view profile,
                              const std::vector<std::string>& commands) const
    {
        std::string path = m_home.File(name);
        std::vector<std::string> arguments = {"exec", "--profile", std::string(profile), "--save", path};
        arguments.insert(arguments.end(), commands.begin(), commands.end());
        const SRun run = Cli(arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        return path;
    }

    static CMemoryImage Load(const std::string& path)
    {
        CMemoryImage image(memory_map::kImageSize);
        EXPECT_EQ(LoadCloneFile(path, image), answer::kOk) << path;
        return image;
    }

    static void ExpectTexts(const SRun& run, ECommand command, int outcome)
    {
        const SExpectedTexts texts = ExpectedTexts(command, outcome);
        if (!texts.status.empty()) {
            EXPECT_NE(run.err.find(std::string(texts.status) + "\n"), std::string::npos) << run.err;
        }
        if (!texts.message.empty()) {
            EXPECT_NE(run.err.find(texts.message), std::string::npos) << run.err;
        }
        if (outcome != 0) {
            EXPECT_EQ(run.err.find(kCompleted), std::string::npos) << run.err;
            EXPECT_EQ(run.out.find("Model:"), std::string::npos) << run.out;
        }
    }

    CTempDir m_home;
};

// ---------------------------------------------------------------------------------------------
// What a successful session carries.

using CliCloneTransfer = CliClone;

TEST_F(CliCloneTransfer, InformationShowsModelCommentAndVersion)
{
    CSimProcess sim;
    ASSERT_TRUE(sim.Start({"--version", "3,1,2", "--comment", "ZQ BENCH RIG"}));
    const SRun run = Cli({"info", "--port", sim.Device(), "--profile", "3,1,2"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Model:   VL-L52\nComment: ZQ BENCH RIG    \nVersion: 3,1,2\n");
    EXPECT_EQ(run.err, "") << "a successful information read shows no status or message";
    EXPECT_EQ(sim.Stop(), 0) << sim.Diagnostics();
}

TEST_F(CliCloneTransfer, InformationCommentDefaultsToTheImagesCloneComment)
{
    const std::string image = MakeCloneFile("rig.vlk", kProfile, {"COMMON.CLONE_COMMENT=club rig 7"});
    CSimProcess sim;
    ASSERT_TRUE(sim.Start({"--image", image}));
    const SRun run = Cli(CommandLine(ECommand::Info, sim.Device(), {}));
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_NE(run.out.find("Comment: "), std::string::npos) << run.out;
    const std::string comment = run.out.substr(run.out.find("Comment: ") + 9, 16);
    const SRun stored = Cli({"exec", "--open", image, "COMMON.CLONE_COMMENT"});
    EXPECT_EQ(comment + "\n", stored.out) << "the information block carries the image's clone comment";
}

TEST_F(CliCloneTransfer, InformationShowsEveryCommentByteSafeForTheTerminal)
{
    const std::string image = MakeCloneFile("rig.vlk", kProfile, {});
    CMemoryImage memory = Load(image);
    const std::string comment("A\x1B[2J\x07\0B\\\xE9\x7F    Z", 16);
    memory.Write(0xAE0, reinterpret_cast<const uint8_t*>(comment.data()), 16);
    ASSERT_EQ(SaveCloneFile(image, NormalSaveRanges(), memory, "#"), answer::kOk);
    CSimProcess sim;
    ASSERT_TRUE(sim.Start({"--image", image}));
    const SRun run = Cli(CommandLine(ECommand::Info, sim.Device(), {}));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\nComment: A\\x1B[2J\\x07\\x00B\\x5C\\xE9\\x7F    Z\n"), std::string::npos)
        << run.out;
}

TEST_F(CliCloneTransfer, ReadSavesExactlyTheTransceiversImage)
{
    const std::string image =
        MakeCloneFile("rig.vlk", "0,1,2",
                      {"CH.MCH.12.FREQUENCY=52.25", "CH.MCH.12.APPEAR=ON", "CH.MCH.40.FREQUENCY=438.125",
                       "CH.MCH.40.APPEAR=ON", "CH.MCH.40.NAME=rpt", "COMMON.BEEP=OFF"});
    CSimProcess sim;
    ASSERT_TRUE(sim.Start({"--image", image, "--version", "0,1,2"}));
    const std::string output = m_home.File("received.vlk");
    const SRun run = Cli({"read", "--port", sim.Device(), "--profile", "0,1,2", "--output", output});
    ASSERT_EQ(run.status, 0) << run.err;
    ExpectTexts(run, ECommand::Read, 0);
    EXPECT_NE(run.err.find(" Now reading <- TR\n"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("100 %"), std::string::npos) << "the progress bar reaches the end";

    EXPECT_EQ(Differences(Load(output), Load(image)), std::vector<uint32_t>{});
    const SRun check = Cli({"exec", "--profile", "0,1,2", "--open", output, "CH.MCH.12.FREQUENCY",
                            "CH.MCH.40.NAME", "COMMON.BEEP"});
    EXPECT_EQ(check.out, "52.2500\nRPT   \nOFF\n");
    EXPECT_EQ(sim.Stop(), 0) << sim.Diagnostics();
}

TEST_F(CliCloneTransfer, WriteLeavesTheFileInTheTransceiver)
{
    const std::string file =
        MakeCloneFile("mine.vlk", kProfile,
                      {"CH.MCH.0.FREQUENCY=145.5", "CH.MCH.0.APPEAR=ON", "CH.PCH.3A.FREQUENCY=430",
                       "CH.PCH.3A.APPEAR=ON", "COMMON.RF_POWER.ByNumber=1"});
    const std::string before = ReadFileText(file);
    const std::string written = m_home.File("transceiver.vlk");
    CSimProcess sim;
    ASSERT_TRUE(sim.Start({"--save-written", written}));
    const SRun run = Cli(CommandLine(ECommand::Write, sim.Device(), file));
    ASSERT_EQ(run.status, 0) << run.err;
    ExpectTexts(run, ECommand::Write, 0);
    EXPECT_NE(run.err.find(" Now writing -> TR\n"), std::string::npos) << run.err;
    ASSERT_TRUE(Exists(written));
    EXPECT_EQ(Differences(Load(written), Load(file)), std::vector<uint32_t>{});
    EXPECT_EQ(ReadFileText(file), before) << "a write leaves its file as it was";
    EXPECT_EQ(sim.Stop(), 0) << sim.Diagnostics();
}

// Read, edit, write back: the transceiver holds the edited image, except the one byte it keeps for
// itself. A document never holds the transceiver's value of that byte (no field covers it, so it
// heals to the default), and a write must not put the document's value there.
TEST_F(CliCloneTransfer, RoundTripKeepsTheTransceiversOwnByte)
{
    const std::string saved =
        MakeCloneFile("factory.vlk", kProfile, {"CH.MCH.3.FREQUENCY=145.5", "CH.MCH.3.APPEAR=ON"});
    const std::string rig = m_home.File("rig.vlk");
    ASSERT_TRUE(EditRecordByte(saved, rig, kKeptRecordAddress, kKeptDigitOffset, "5A"));
    ASSERT_EQ(Load(rig).GetByte(kKeptByte), 0x5A);
    ASSERT_EQ(Differences(Load(rig), Load(saved)), std::vector<uint32_t>{kKeptByte});

    const std::string written = m_home.File("transceiver.vlk");
    CSimProcess sim;
    ASSERT_TRUE(sim.Start({"--image", rig, "--save-written", written}));

    const std::string received = m_home.File("r.vlk");
    const SRun read = Cli(CommandLine(ECommand::Read, sim.Device(), received));
    ASSERT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(Differences(Load(received), Load(saved)), std::vector<uint32_t>{})
        << "the document holds everything it read, the kept byte at its default";

    const std::string edited = m_home.File("w.vlk");
    const SRun edit = Cli({"exec", "--profile", std::string(kProfile), "--open", received, "--save", edited,
                           "CH.MCH.3.FREQUENCY=146.52", "CH.MCH.77.FREQUENCY=433.5", "CH.MCH.77.APPEAR=ON",
                           "CH.MCH.77.NAME=rt", "COMMON.BEEP=OFF"});
    ASSERT_EQ(edit.status, 0) << edit.err;
    EXPECT_EQ(edit.out, "146.5200\n433.5000\nON\nRT    \nOFF\n");
    const CMemoryImage sent = Load(edited);
    ASSERT_NE(sent.GetByte(kKeptByte), 0x5A);
    ASSERT_GT(Differences(sent, Load(rig)).size(), 1U);

    const SRun write = Cli(CommandLine(ECommand::Write, sim.Device(), edited));
    ASSERT_EQ(write.status, 0) << write.err;
    ASSERT_TRUE(Exists(written));
    const CMemoryImage result = Load(written);
    EXPECT_EQ(Differences(result, sent), std::vector<uint32_t>{kKeptByte});
    EXPECT_EQ(result.GetByte(kKeptByte), 0x5A);
    const SRun check =
        Cli({"exec", "--profile", std::string(kProfile), "--open", written, "CH.MCH.77.FREQUENCY"});
    EXPECT_EQ(check.out, "433.5000\n");
    EXPECT_EQ(sim.Stop(), 0) << sim.Diagnostics();
}

// Channels the transceiver cannot use are healed for the write: it says what each becomes first, and
// --strict refuses to send anything.
TEST_F(CliCloneTransfer, WriteSaysWhatIllegalChannelsBecome)
{
    const std::string file =
        MakeCloneFile("mine.vlk", kProfile,
                      {"CH.MCH.8.FREQUENCY=1100", "CH.MCH.8.APPEAR=ON", "CH.PCH.3A.FREQUENCY=250",
                       "CH.PCH.3A.APPEAR=ON", "CH.MCH.9.FREQUENCY=145.5", "CH.MCH.9.APPEAR=ON"});
    const std::string written = m_home.File("transceiver.vlk");
    CSimProcess sim;
    ASSERT_TRUE(sim.Start({"--save-written", written}));
    std::vector<std::string> strict = CommandLine(ECommand::Write, sim.Device(), file);
    strict.insert(strict.begin() + 1, "--strict");

    const SRun refused = Cli(strict);
    EXPECT_EQ(refused.status, 65) << refused.err;
    const std::string lines = " 08: an empty channel\n P3A: an empty channel\n";
    EXPECT_NE(refused.err.find(lines), std::string::npos) << refused.err;
    EXPECT_EQ(refused.err.find(" Now writing -> TR"), std::string::npos) << refused.err;
    EXPECT_FALSE(Exists(written));

    const SRun run = Cli(CommandLine(ECommand::Write, sim.Device(), file));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find(lines), std::string::npos) << run.err;
    ASSERT_TRUE(Exists(written));
    const SRun check = Cli({"exec", "--profile", std::string(kProfile), "--open", written, "CH.MCH.8.APPEAR",
                            "CH.PCH.3A.APPEAR", "CH.MCH.9.FREQUENCY"});
    EXPECT_EQ(check.out, "OFF\nOFF\n145.5000\n");
    EXPECT_EQ(sim.Stop(), 0) << sim.Diagnostics();
}

TEST_F(CliCloneTransfer, NoiseBetweenFramesIsIgnored)
{
    const std::string image =
        MakeCloneFile("rig.vlk", kProfile, {"CH.MCH.9.FREQUENCY=144.8", "CH.MCH.9.APPEAR=ON"});
    const std::string file = MakeCloneFile("mine.vlk", kProfile, {"CH.CALL.430.FREQUENCY=439"});
    const std::string written = m_home.File("transceiver.vlk");
    CSimProcess sim;
    ASSERT_TRUE(sim.Start({"--fault", "noise", "--image", image, "--save-written", written}));
    const std::string received = m_home.File("r.vlk");
    const SRun read = Cli(CommandLine(ECommand::Read, sim.Device(), received));
    ASSERT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(Differences(Load(received), Load(image)), std::vector<uint32_t>{});
    const SRun write = Cli(CommandLine(ECommand::Write, sim.Device(), file));
    ASSERT_EQ(write.status, 0) << write.err;
    EXPECT_EQ(Differences(Load(written), Load(file)), std::vector<uint32_t>{});
}

// Version bytes above 0xEF would break the simulator's own frames: it refuses to start.
TEST(CliSim, RefusesVersionBytesAbove0xEF)
{
    CChildProcess sim;
    ASSERT_TRUE(sim.Start({ZQ_CLI_PATH, "sim", "--version", "5,0,240"}));
    EXPECT_FALSE(sim.WaitFor(EStream::Out, "\n", 10s)) << "it started serving: " << sim.Out();
    EXPECT_EQ(sim.Finish(), 64);
}

// ---------------------------------------------------------------------------------------------
// Port names.

using CliClonePort = CliClone;

TEST_F(CliClonePort, SlotNamesResolveThroughTheStoredMapping)
{
    CSimProcess sim;
    ASSERT_TRUE(sim.Start({}));
    const std::filesystem::path folder = m_home.Path() / "Velk";
    std::filesystem::create_directories(folder);
    WriteFileText((folder / "ZQ-L52.conf").string(),
                  "[CommPort]\nDevice1=" + sim.Device() + "\nDevice2=" + std::string(kMissingDevice) + "\n");

    // The stored transceiver setup applies without --profile: the defaults, which the simulator has.
    const SRun stored = Cli({"info", "--port", "COM1"});
    EXPECT_EQ(stored.status, 0) << stored.err;
    EXPECT_NE(stored.out.find("Model:   VL-L52\n"), std::string::npos) << stored.out;

    const SRun profiled = Cli(CommandLine(ECommand::Info, "COM1", {}));
    EXPECT_EQ(profiled.status, 0) << "--profile keeps the stored port mapping\n" << profiled.err;

    const std::string received = m_home.File("r.vlk");
    EXPECT_EQ(Cli(CommandLine(ECommand::Read, "com1", received)).status, 0);
    EXPECT_TRUE(Exists(received));

    const SRun other = Cli(CommandLine(ECommand::Info, "COM2", {}));
    EXPECT_EQ(other.status, 91) << "COM2 leads to its own stored device, which does not exist";
    ExpectTexts(other, ECommand::Info, 91);
    EXPECT_EQ(sim.Stop(), 0) << sim.Diagnostics();
}

// ---------------------------------------------------------------------------------------------
// Every way a session ends, for each command it applies to.

struct SOutcomeCase
{
    const char* name;
    // Simulator options; without a simulator the port is a device that does not exist.
    std::vector<std::string> simOptions;
    bool withSim;
    ECommand command;
    int outcome;
    // The line stays silent: the outcome must come within the silence limit.
    bool silentLine = false;
};

// Keeps the test names that CTest shows readable.
void PrintTo(const SOutcomeCase& c, std::ostream* out)
{
    *out << CommandName(c.command) << " -> " << c.outcome;
}

class CliCloneOutcome : public CliClone, public ::testing::WithParamInterface<SOutcomeCase>
{
protected:
    // Runs the case's command against a fresh simulator (a hung-up one is gone after one session).
    SRun RunCase(const std::string& image, const std::string& written, const std::string& file)
    {
        const SOutcomeCase& c = GetParam();
        CSimProcess sim;
        std::string port(kMissingDevice);
        if (c.withSim) {
            std::vector<std::string> options = c.simOptions;
            options.insert(options.end(), {"--image", image, "--save-written", written});
            if (!sim.Start(options)) {
                ADD_FAILURE() << "the simulator did not start";
                return {};
            }
            port = sim.Device();
        }
        SRun run = Cli(CommandLine(c.command, port, file));
        if (c.withSim) {
            sim.Stop();
        }
        return run;
    }
};

TEST_P(CliCloneOutcome, EndsWithItsOutcomeAndTexts)
{
    const SOutcomeCase& c = GetParam();
    const std::string image =
        MakeCloneFile("rig.vlk", kProfile, {"CH.MCH.5.FREQUENCY=145.3", "CH.MCH.5.APPEAR=ON"});
    const std::string written = m_home.File("transceiver.vlk");
    std::string file;
    switch (c.command) {
    case ECommand::Read:
        file = m_home.File("received.vlk");
        break;
    case ECommand::Write:
        file = MakeCloneFile("mine.vlk", kProfile, {"CH.MCH.6.FREQUENCY=433", "CH.MCH.6.APPEAR=ON"});
        break;
    default:
        break;
    }

    const SRun run = RunCase(image, written, file);
    EXPECT_EQ(run.status, c.outcome) << run.err;
    ExpectTexts(run, c.command, c.outcome);
    if (c.silentLine) {
        // 400 ms of pauses, then more than two seconds without a frame.
        EXPECT_GT(run.elapsed.count(), 2.0);
        EXPECT_LT(run.elapsed.count(), 4.5);
    }

    switch (c.command) {
    case ECommand::Info:
        if (c.outcome == 0) {
            EXPECT_NE(run.out.find("Model:   VL-L52\n"), std::string::npos) << run.out;
        }
        break;
    case ECommand::Read:
        if (c.outcome == 0) {
            EXPECT_EQ(Differences(Load(file), Load(image)), std::vector<uint32_t>{});
        } else {
            EXPECT_FALSE(Exists(file)) << "a failed read creates no output file";
            // An output file that is already there keeps its contents.
            const std::string before = "21350001\r\n#previous\r\n";
            WriteFileText(file, before);
            const SRun again = RunCase(image, written, file);
            EXPECT_EQ(again.status, c.outcome) << again.err;
            EXPECT_EQ(ReadFileText(file), before);
        }
        break;
    case ECommand::Write:
        if (c.outcome == 0) {
            ASSERT_TRUE(Exists(written));
            EXPECT_EQ(Differences(Load(written), Load(file)), std::vector<uint32_t>{});
        } else {
            EXPECT_FALSE(Exists(written)) << "the transceiver accepted no write";
        }
        break;
    }
}

std::vector<SOutcomeCase> OutcomeCases()
{
    const std::vector<std::string> none;
    const auto fault = [](const char* name) { return std::vector<std::string>{"--fault", name}; };
    return {
        {"healthy", none, true, ECommand::Info, 0},
        {"healthy", none, true, ECommand::Read, 0},
        {"healthy", none, true, ECommand::Write, 0},
        {"silent", fault("silent"), true, ECommand::Info, 77, true},
        {"silent", fault("silent"), true, ECommand::Read, 77, true},
        {"silent", fault("silent"), true, ECommand::Write, 77, true},
        // Without the cable's echo the transceiver's answers still arrive; only a write needs the
        // echo to go on.
        {"no_echo", fault("no-echo"), true, ECommand::Info, 0},
        {"no_echo", fault("no-echo"), true, ECommand::Read, 0},
        {"no_echo", fault("no-echo"), true, ECommand::Write, 77},
        {"corrupt_echo", fault("corrupt-echo"), true, ECommand::Info, 77},
        {"corrupt_echo", fault("corrupt-echo"), true, ECommand::Read, 77},
        {"corrupt_echo", fault("corrupt-echo"), true, ECommand::Write, 77},
        {"bad_checksum", fault("bad-checksum"), true, ECommand::Read, 77},
        {"bad_checksum", fault("bad-checksum"), true, ECommand::Write, 0},
        {"info_f0", fault("info-f0"), true, ECommand::Info, 77},
        {"info_f0", fault("info-f0"), true, ECommand::Read, 77},
        {"info_f0", fault("info-f0"), true, ECommand::Write, 77},
        // The session ends well, but the records do not cover the image: never a completed read.
        {"short_end", fault("short-end"), true, ECommand::Read, 77},
        {"write_refused", fault("write-refused"), true, ECommand::Read, 0},
        {"write_refused", fault("write-refused"), true, ECommand::Write, 77},
        {"hangup", fault("hangup"), true, ECommand::Info, 0},
        {"hangup", fault("hangup"), true, ECommand::Read, 77},
        {"hangup", fault("hangup"), true, ECommand::Write, 77},
        {"wrong_model", fault("wrong-model"), true, ECommand::Info, 85},
        {"wrong_model", fault("wrong-model"), true, ECommand::Read, 85},
        {"wrong_model", fault("wrong-model"), true, ECommand::Write, 85},
        {"other_version", {"--version", "3,0,0"}, true, ECommand::Info, 90},
        {"other_version", {"--version", "5,1,0"}, true, ECommand::Read, 90},
        {"other_version", {"--version", "5,0,2"}, true, ECommand::Write, 90},
        {"no_device", none, false, ECommand::Info, 91},
        {"no_device", none, false, ECommand::Read, 91},
        {"no_device", none, false, ECommand::Write, 91},
    };
}

INSTANTIATE_TEST_SUITE_P(Sessions, CliCloneOutcome, ::testing::ValuesIn(OutcomeCases()),
                         [](const ::testing::TestParamInfo<SOutcomeCase>& param) {
                             return std::string(param.param.name) + "_" + CommandName(param.param.command);
                         });

// ---------------------------------------------------------------------------------------------
// Outcomes that need more than a simulator option.

using CliCloneInterrupted = CliClone;

TEST_F(CliCloneInterrupted, CtrlCDuringAReadCancelsIt)
{
    CSimProcess sim;
    ASSERT_TRUE(sim.Start({"--pace", "9600"}));
    const std::string output = m_home.File("r.vlk");
    CChildProcess cli;
    ASSERT_TRUE(cli.Start(
        {ZQ_CLI_PATH, "read", "--port", sim.Device(), "--profile", std::string(kProfile), "--output", output},
        {"XDG_CONFIG_HOME=" + m_home.Path().string(), "XDG_DATA_HOME=" + m_home.File("data")}));
    // Well into the transfer, which takes about 1.5 s at this rate.
    ASSERT_TRUE(cli.WaitFor(EStream::Err, " 10 %", 20s)) << cli.Err();
    ASSERT_TRUE(cli.Signal(SIGINT));
    const int status = cli.Finish();
    const SRun run{status, cli.Out(), cli.Err(), {}};
    EXPECT_EQ(run.status, 1) << run.err;
    ExpectTexts(run, ECommand::Read, 1);
    EXPECT_FALSE(Exists(output));
    EXPECT_EQ(sim.Stop(), 0) << sim.Diagnostics();
}

TEST_F(CliCloneInterrupted, CtrlCDuringAWriteCancelsIt)
{
    const std::string file =
        MakeCloneFile("mine.vlk", kProfile, {"CH.MCH.6.FREQUENCY=433", "CH.MCH.6.APPEAR=ON"});
    const std::string written = m_home.File("transceiver.vlk");
    CSimProcess sim;
    ASSERT_TRUE(sim.Start({"--pace", "9600", "--save-written", written}));
    CChildProcess cli;
    ASSERT_TRUE(
        cli.Start({ZQ_CLI_PATH, "write", "--port", sim.Device(), "--profile", std::string(kProfile), file},
                  {"XDG_CONFIG_HOME=" + m_home.Path().string(), "XDG_DATA_HOME=" + m_home.File("data")}));
    ASSERT_TRUE(cli.WaitFor(EStream::Err, " 10 %", 20s)) << cli.Err();
    ASSERT_TRUE(cli.Signal(SIGINT));
    const int status = cli.Finish();
    const SRun run{status, cli.Out(), cli.Err(), {}};
    EXPECT_EQ(run.status, 1) << run.err;
    ExpectTexts(run, ECommand::Write, 1);
    EXPECT_FALSE(Exists(written)) << "the transceiver never saw the end of the write";
    EXPECT_EQ(sim.Stop(), 0) << sim.Diagnostics();
}

using CliCloneExchangeFile = CliClone;

// The clone file passes through the temporary folder; when it cannot be made there, a write has
// nothing to send and a read nowhere to put what arrives.
TEST_F(CliCloneExchangeFile, WithoutATemporaryFolderNothingIsTransferred)
{
    const std::string file =
        MakeCloneFile("mine.vlk", kProfile, {"CH.MCH.6.FREQUENCY=433", "CH.MCH.6.APPEAR=ON"});
    const std::string written = m_home.File("transceiver.vlk");
    CSimProcess sim;
    ASSERT_TRUE(sim.Start({"--save-written", written}));
    const std::vector<std::string> noTemporaryFolder = {"TMPDIR=" + m_home.File("no-such-folder")};

    const SRun write = Cli(CommandLine(ECommand::Write, sim.Device(), file), noTemporaryFolder);
    EXPECT_EQ(write.status, 80) << write.err;
    ExpectTexts(write, ECommand::Write, 80);
    EXPECT_FALSE(Exists(written));

    const std::string output = m_home.File("r.vlk");
    const SRun read = Cli(CommandLine(ECommand::Read, sim.Device(), output), noTemporaryFolder);
    EXPECT_EQ(read.status, 77) << read.err;
    ExpectTexts(read, ECommand::Read, 77);
    EXPECT_FALSE(Exists(output));

    // The same simulator serves the same commands once the folder is there.
    EXPECT_EQ(Cli(CommandLine(ECommand::Write, sim.Device(), file)).status, 0);
    EXPECT_TRUE(Exists(written));
    EXPECT_EQ(sim.Stop(), 0) << sim.Diagnostics();
}

} // namespace
