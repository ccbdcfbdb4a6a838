#include "../tests/support/child_process.h"
#include "clone/clone_protocol.h"
#include "clone/clone_session.h"
#include "core/clone_file.h"
#include "core/rig/default_images.h"
#include "sim/virtual_transceiver.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

// Whole clone sessions against the virtual transceiver keeping to 9600 bit/s, compared with the
// least time the line allows. The session should spend its time waiting for the line, not working:
// wall time close to the bound, CPU time a small share of it.
//
// Counters (seconds, averaged over the iterations):
//   wall        time of the operation
//   bound       least time the line and the fixed pauses allow (see the Bound functions)
//   wall/bound  1.00 is the line's own pace
//   cpu%        CPU time of the calling thread, which runs the session, as a share of wall
//   process%    CPU time of the whole process, the simulator's serving thread included
//   to_tr, from_tr  bytes on the wire towards and from the transceiver
//
// The command-line runs time `zql52-cli read` and `zql52-cli write` as a user starts them, process
// start, information read, version check, transfer, files and archive copy included:
//   limit       the most the command may take at this rate

namespace {

using Clock = std::chrono::steady_clock;

constexpr unsigned kBaud = 9600;
constexpr double kBitsPerByte = 10.0;
constexpr double kByteSeconds = kBitsPerByte / kBaud;

// The pauses of the session: after opening the port, after the command, after the echo of a write
// command. The linger after closing applies only with a progress window, and the session here
// has no host.
constexpr double kOpenPause = 0.200;
constexpr double kCommandPause = 0.200;
constexpr double kWriteStartPause = 0.200;

// FE FE destination source command ... FD.
constexpr unsigned kFrameOverhead = 6;
// Information request, read and write commands: four payload bytes.
constexpr unsigned kCommandFrame = kFrameOverhead + 4;
constexpr unsigned kEndFrame = kFrameOverhead + 9;
constexpr unsigned kVerdictFrame = kFrameOverhead + 1;
// Model and revision, then destination, level and flags, then the 16-character comment.
constexpr unsigned kInformationFrame = kFrameOverhead + 4 + 3 + 16;
// A record frame carries the record text (address, count, data in hex) and two checksum digits.
constexpr unsigned RecordFrame(unsigned recordTextLength)
{
    return kFrameOverhead + recordTextLength + 2;
}
constexpr unsigned kFullRecordText = 2 * (2 + 1 + clone_protocol::kRecordLength);

std::string TempPath(const char* name)
{
    const std::string folder = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return folder + "/zqbench-" + std::to_string(::getpid()) + "-" + name;
}

double CpuSeconds(int who)
{
    rusage usage{};
    ::getrusage(who, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct SLineBytes
{
    // What the computer sends.
    double toTransceiver = 0;
    // What comes back to the computer: the cable's echo of all it sends, and the answers.
    double fromTransceiver = 0;
};

// The cable echoes each byte as it is sent, so the line into the computer carries every byte of the
// exchange, one after the other, and its time is the whole transfer time.
//
// Information: E0 at the end of the opening pause; its echo and the E1 answer arrive during the
// pause after the command, so the pause is the bound unless the line is slower.
double InformationBound(SLineBytes& bytes)
{
    bytes.toTransceiver = kCommandFrame;
    bytes.fromTransceiver = kCommandFrame + kInformationFrame;
    return kOpenPause + std::max(kCommandPause, bytes.fromTransceiver * kByteSeconds);
}

// Read: E2, then the transceiver sends all records and the end frame straight after the echo, so
// the pause after the command runs while they arrive.
double ReadBound(SLineBytes& bytes)
{
    bytes.toTransceiver = kCommandFrame;
    bytes.fromTransceiver =
        kCommandFrame + clone_protocol::kRecordCount * RecordFrame(kFullRecordText) + kEndFrame;
    return kOpenPause + std::max(kCommandPause, bytes.fromTransceiver * kByteSeconds);
}

// Write: E3, its echo within the pause after the command, the pause after that echo, then each
// record only once the echo of the one before has come back, the end frame and the verdict.
double WriteBound(const std::string& cloneFile, SLineBytes& bytes)
{
    std::ifstream in(cloneFile, std::ios::binary);
    std::string line;
    double frames = 0;
    for (int number = 0; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        // The header line and the comment line are not sent.
        if (number >= 2 && !line.empty()) {
            frames += RecordFrame(static_cast<unsigned>(line.size()));
        }
    }
    bytes.toTransceiver = kCommandFrame + frames + kEndFrame;
    bytes.fromTransceiver = bytes.toTransceiver + kVerdictFrame;
    const double afterCommand = std::max(kCommandPause, kCommandFrame * kByteSeconds);
    return kOpenPause + afterCommand + kWriteStartPause +
           (bytes.fromTransceiver - kCommandFrame) * kByteSeconds;
}

SVirtualTransceiverOptions PacedOptions()
{
    SVirtualTransceiverOptions options;
    options.image = BuildDefaultImage(DefaultImageIndex(5, false));
    options.paceBaud = kBaud;
    options.comment = "ZQ BENCH";
    return options;
}

struct STotals
{
    double wall = 0;
    double threadCpu = 0;
    double processCpu = 0;
};

enum class EOperation
{
    Information,
    Read,
    Write,
};

void RunSessions(benchmark::State& state, EOperation operation)
{
    CVirtualTransceiver transceiver(PacedOptions());
    if (!transceiver.Start()) {
        state.SkipWithError(("virtual transceiver: " + transceiver.GetErrorText()).c_str());
        return;
    }
    const std::string cloneFile = TempPath("clone.vlk");
    CCloneSession session;
    session.SetDevice(transceiver.GetDevicePath());
    session.SetModelBytes(clone_protocol::kModel);
    session.SetRevisionBytes(clone_protocol::kRevision);
    session.SetReadTotal(clone_protocol::kReadTotal);
    session.SetCloneFile(cloneFile);

    SLineBytes bytes;
    double bound = 0;
    switch (operation) {
    case EOperation::Information:
        bound = InformationBound(bytes);
        break;
    case EOperation::Read:
        bound = ReadBound(bytes);
        break;
    case EOperation::Write:
        // What the document sends: every byte but the one the transceiver keeps for itself.
        if (SaveCloneFile(cloneFile, SafetySaveRanges(), transceiver.GetImage(), "ZQ BENCH") != "OK") {
            state.SkipWithError("cannot write the clone file");
            return;
        }
        bound = WriteBound(cloneFile, bytes);
        break;
    }

    STotals totals;
    for (auto _ : state) {
        const double processStart = CpuSeconds(RUSAGE_SELF);
        const double threadStart = CpuSeconds(RUSAGE_THREAD);
        const auto start = Clock::now();
        int outcome = 0;
        switch (operation) {
        case EOperation::Information:
            outcome = session.ReadInformation();
            break;
        case EOperation::Read:
            outcome = session.ReadFromTransceiver();
            break;
        case EOperation::Write:
            outcome = session.WriteToTransceiver();
            break;
        }
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        totals.wall += wall;
        totals.threadCpu += CpuSeconds(RUSAGE_THREAD) - threadStart;
        totals.processCpu += CpuSeconds(RUSAGE_SELF) - processStart;
        state.SetIterationTime(wall);
        if (outcome != clone_outcome::kSuccess) {
            state.SkipWithError(("session outcome " + std::to_string(outcome)).c_str());
            break;
        }
    }
    transceiver.Join();
    std::remove(cloneFile.c_str());

    const auto runs = static_cast<double>(state.iterations());
    if (runs == 0) {
        return;
    }
    const double wall = totals.wall / runs;
    state.counters["wall"] = wall;
    state.counters["bound"] = bound;
    state.counters["wall/bound"] = wall / bound;
    state.counters["cpu%"] = 100.0 * totals.threadCpu / totals.wall;
    state.counters["process%"] = 100.0 * totals.processCpu / totals.wall;
    state.counters["to_tr"] = bytes.toTransceiver;
    state.counters["from_tr"] = bytes.fromTransceiver;
}

#ifdef ZQ_CLI_PATH

// What `read` and `write` may take at 9600 bit/s: the line's bound and little more, since the
// command-line tool has no progress window to keep on screen after the transfer.
constexpr double kCliReadLimit = 9.1;
constexpr double kCliWriteLimit = 9.5;

// Runs the command-line tool to its end with its settings and archive in `home`; its exit code.
int RunCli(const std::vector<std::string>& arguments, const std::string& home)
{
    std::vector<std::string> command = {ZQ_CLI_PATH};
    command.insert(command.end(), arguments.begin(), arguments.end());
    CChildProcess cli;
    if (!cli.Start(command, {"XDG_CONFIG_HOME=" + home + "/config", "XDG_DATA_HOME=" + home + "/data"})) {
        return -1;
    }
    return cli.Finish();
}

void RunCliCommand(benchmark::State& state, EOperation operation)
{
    CVirtualTransceiver transceiver(PacedOptions());
    if (!transceiver.Start()) {
        state.SkipWithError(("virtual transceiver: " + transceiver.GetErrorText()).c_str());
        return;
    }
    const std::string home = TempPath("home");
    std::filesystem::create_directories(home);
    const std::string file = home + "/rig.vlk";
    const std::string sentFile = home + "/sent.vlk";
    if (SaveCloneFile(file, NormalSaveRanges(), transceiver.GetImage(), "ZQ BENCH") != "OK" ||
        SaveCloneFile(sentFile, SafetySaveRanges(), transceiver.GetImage(), "ZQ BENCH") != "OK") {
        state.SkipWithError("cannot write the clone files");
        return;
    }

    SLineBytes information;
    SLineBytes bytes;
    double bound = InformationBound(information);
    std::vector<std::string> arguments = {operation == EOperation::Write ? "write" : "read", "--port",
                                          transceiver.GetDevicePath(), "--profile", "5,0,0"};
    if (operation == EOperation::Write) {
        bound += WriteBound(sentFile, bytes);
        arguments.push_back(file);
    } else {
        bound += ReadBound(bytes);
        arguments.insert(arguments.end(), {"--output", home + "/received.vlk"});
    }

    double totalWall = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const int outcome = RunCli(arguments, home);
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        totalWall += wall;
        state.SetIterationTime(wall);
        if (outcome != clone_outcome::kSuccess) {
            state.SkipWithError(("zql52-cli exit code " + std::to_string(outcome)).c_str());
            break;
        }
    }
    transceiver.Join();
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);

    const auto runs = static_cast<double>(state.iterations());
    if (runs == 0) {
        return;
    }
    const double wall = totalWall / runs;
    state.counters["wall"] = wall;
    state.counters["bound"] = bound;
    state.counters["wall/bound"] = wall / bound;
    state.counters["limit"] = operation == EOperation::Write ? kCliWriteLimit : kCliReadLimit;
    state.counters["to_tr"] = information.toTransceiver + bytes.toTransceiver;
    state.counters["from_tr"] = information.fromTransceiver + bytes.fromTransceiver;
}

void BM_CliRead(benchmark::State& state)
{
    RunCliCommand(state, EOperation::Read);
}

void BM_CliWrite(benchmark::State& state)
{
    RunCliCommand(state, EOperation::Write);
}

#endif

void BM_InformationRead(benchmark::State& state)
{
    RunSessions(state, EOperation::Information);
}

void BM_FullRead(benchmark::State& state)
{
    RunSessions(state, EOperation::Read);
}

void BM_FullWrite(benchmark::State& state)
{
    RunSessions(state, EOperation::Write);
}

} // namespace

BENCHMARK(BM_InformationRead)->Iterations(2)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRead)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullWrite)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
#ifdef ZQ_CLI_PATH
BENCHMARK(BM_CliRead)->Iterations(2)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CliWrite)->Iterations(2)->UseManualTime()->Unit(benchmark::kMillisecond);
#endif

BENCHMARK_MAIN();
