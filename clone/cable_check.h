#pragma once

#include "clone/clone_session.h"
#include "core/clock.h"
#include "core/rig/radio_data.h"

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

class ISettingsStore;

// Exit codes of the cable check: 0 when the transceiver answered and matches the profile, otherwise
// the first step that failed. They stay clear of the clone outcomes (0, 1, 77, 80, 85, 90, 91) and of
// the command-line tool's own (2, 64, 65).
namespace check_outcome {
inline constexpr int kPassed = 0;
inline constexpr int kNoDevice = 101;
inline constexpr int kNotPermitted = 102;
inline constexpr int kBusy = 103;
inline constexpr int kLineSettings = 104;
inline constexpr int kNoEcho = 105;
inline constexpr int kGarbledEcho = 106;
inline constexpr int kNoAnswer = 107;
inline constexpr int kBrokenAnswer = 108;
inline constexpr int kOtherModel = 109;
inline constexpr int kOtherVersion = 110;
} // namespace check_outcome

// The steps in the order they run; a failed step ends the check.
enum class ECheckStep
{
    DeviceExists,
    MayOpen,
    Free,
    LineSettings,
    Echo,
    Answer,
};
inline constexpr int kCheckStepCount = 6;

// The numbered string naming a step.
int CheckStepTextId(ECheckStep step);

struct SCheckStepResult
{
    ECheckStep step = ECheckStep::DeviceExists;
    bool passed = false;
    // What the step found, and for a failed step what to do about it (may be empty).
    std::string found;
    std::string advice;
};

struct SCheckReport
{
    std::string device;
    // The steps that ran: all of them when every one passed, up to the failed one otherwise.
    std::vector<SCheckStepResult> steps;
    int outcome = check_outcome::kPassed;
    // Set once the transceiver answered.
    bool answered = false;
    STransceiverInformation information;
};

// What the check asks the system; tests replace parts of it (a test that runs as root cannot be
// refused a device any other way).
struct SCheckSystem
{
    // 0 when this process may read and write the path, else errno.
    std::function<int(const std::string& path)> access;
    // The groups of this login (the process), and those the user database gives the user.
    std::function<std::vector<gid_t>()> loginGroups;
    std::function<std::vector<gid_t>()> userGroups;
    // The serial devices there are now, to offer when the chosen one is missing.
    std::function<std::vector<std::string>()> serialDevices;
    // Where the processes are listed, to name the one holding a busy device.
    std::string procRoot = "/proc";
};

SCheckSystem DefaultCheckSystem();

// Serial devices under `devRoot`: the stable names of /dev/serial/by-id first, then the USB and ACM
// devices (ttyUSB*, ttyACM*), sorted.
std::vector<std::string> ListSerialDevices(const std::string& devRoot = "/dev");

// "process 1234 (minicom)" for each process holding `device` open, as /proc tells.
std::vector<std::string> DeviceHolders(const std::string& device, const std::string& procRoot = "/proc");

// Why a device did not open (errno `error`), in the check's words: what was found and what to do.
SCheckStepResult ExplainOpenFailure(const std::string& device, int error, const SCheckSystem& system);

// What the latest transfer of a session saw on the line, in plain words; empty when there is nothing
// to tell (it succeeded, was cancelled, or failed on the exchange file).
std::string DescribeTransfer(const SCloneTrace& trace, const SCheckSystem& system = DefaultCheckSystem());

// Diagnoses a port, the cable and the transceiver step by step. The transceiver gets a few bytes
// outside any frame (which it ignores) and the information request, never a read or write.
class CCableCheck
{
public:
    // Bytes the echo step sends: never a frame's preamble (FE) or end byte (FD), so the
    // transceiver takes no frame from them.
    static constexpr uint8_t kEchoPattern[] = {0x55, 0xAA, 0x00, 0xFF, 0x33, 0xCC, 0x0F, 0xF0};

    // The clock must outlive the check.
    explicit CCableCheck(IClock& clock = SteadyClock());

    // Where "COM1" to "COM4" lead; null uses the default devices. The store must outlive the check.
    void SetPortMap(const ISettingsStore* store) { m_portMap = store; }
    void SetSystem(SCheckSystem system) { m_system = std::move(system); }
    // The profile the answer is compared with; set it before Run.
    void SetProfile(const STransceiverProfile& profile) { m_profile = profile; }
    // Told of each step as it ends, before the next begins.
    void SetStepObserver(std::function<void(const SCheckStepResult&)> observer)
    {
        m_observer = std::move(observer);
    }

    // A port slot name or a device path.
    SCheckReport Run(const std::string& port);

private:
    bool Add(SCheckReport& report, const SCheckStepResult& result, int failure);
    bool CheckEcho(SCheckReport& report, CSerialPort& port);
    void CheckAnswer(SCheckReport& report);

    IClock& m_clock;
    const ISettingsStore* m_portMap = nullptr;
    SCheckSystem m_system = DefaultCheckSystem();
    STransceiverProfile m_profile;
    std::function<void(const SCheckStepResult&)> m_observer;
};
