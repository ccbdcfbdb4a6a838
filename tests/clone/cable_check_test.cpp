#include "clone/cable_check.h"
#include "clone/clone_protocol.h"
#include "clone_test_support.h"
#include "sim/virtual_transceiver.h"

#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

STransceiverProfile Profile(uint8_t destination, uint8_t level, uint8_t flags)
{
    STransceiverProfile profile;
    profile.model = clone_protocol::kModel;
    profile.revision = clone_protocol::kRevision;
    profile.version = {destination, level, flags};
    return profile;
}

std::vector<ECheckStep> StepsOf(const SCheckReport& report)
{
    std::vector<ECheckStep> steps;
    for (const SCheckStepResult& step : report.steps) {
        steps.push_back(step.step);
    }
    return steps;
}

std::string GroupOf(const std::string& path)
{
    struct stat info = {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    const group* entry = getgrgid(info.st_gid);
    return entry != nullptr ? entry->gr_name : std::to_string(info.st_gid);
}

gid_t GidOf(const std::string& path)
{
    struct stat info = {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_gid;
}

const std::vector<ECheckStep> kAllSteps = {ECheckStep::DeviceExists, ECheckStep::MayOpen, ECheckStep::Free,
                                           ECheckStep::LineSettings, ECheckStep::Echo,    ECheckStep::Answer};

class CableCheckTest : public ::testing::Test
{
protected:
    std::unique_ptr<CVirtualTransceiver> StartSim(ESimFault fault, std::array<uint8_t, 3> version = {5, 0, 2})
    {
        SVirtualTransceiverOptions options;
        options.version = version;
        options.comment = "Field day";
        options.fault = fault;
        auto sim = std::make_unique<CVirtualTransceiver>(std::move(options));
        EXPECT_TRUE(sim->Start()) << sim->GetErrorText();
        return sim;
    }

    SCheckReport Check(const std::string& device)
    {
        m_check.SetProfile(Profile(5, 0, 2));
        m_check.SetStepObserver([this](const SCheckStepResult& step) { m_observed.push_back(step.step); });
        return m_check.Run(device);
    }

    CTestClock m_clock;
    CCableCheck m_check{m_clock};
    std::vector<ECheckStep> m_observed;
};

// Each fault of the transceiver's end ends the check at its own step, with its own code and words.
TEST_F(CableCheckTest, EachTransceiverFaultStopsAtItsStep)
{
    struct SCase
    {
        const char* name;
        ESimFault fault;
        std::array<uint8_t, 3> version;
        int outcome;
        ECheckStep step;
        std::string words;
    };
    const SCase cases[] = {
        {"all well",
         ESimFault::None,
         {5, 0, 2},
         check_outcome::kPassed,
         ECheckStep::Answer,
         "It matches the transceiver setup."},
        {"silent line",
         ESimFault::Silent,
         {5, 0, 2},
         check_outcome::kNoEcho,
         ECheckStep::Echo,
         "Not a cloning cable, or not plugged into this port."},
        {"answers without echo",
         ESimFault::NoEcho,
         {5, 0, 2},
         check_outcome::kNoEcho,
         ECheckStep::Echo,
         "Nothing came back."},
        {"garbled echo",
         ESimFault::GarbledEcho,
         {5, 0, 2},
         check_outcome::kGarbledEcho,
         ECheckStep::Echo,
         "Loose plug or noise"},
        {"transceiver off",
         ESimFault::Off,
         {5, 0, 2},
         check_outcome::kNoAnswer,
         ECheckStep::Answer,
         "The transceiver is off or not in clone mode."},
        {"other version",
         ESimFault::None,
         {1, 0, 0},
         check_outcome::kOtherVersion,
         ECheckStep::Answer,
         "Its version 1,0,0 is not the transceiver setup's 5,0,2."},
        {"other model",
         ESimFault::WrongModel,
         {5, 0, 2},
         check_outcome::kOtherModel,
         ECheckStep::Answer,
         "It is not the model and revision this program programs (21350001)."},
        {"broken answer",
         ESimFault::InformationByteF0,
         {5, 0, 2},
         check_outcome::kBrokenAnswer,
         ECheckStep::Answer,
         "The answer came, but broken."},
        {"held busy",
         ESimFault::Busy,
         {5, 0, 2},
         check_outcome::kBusy,
         ECheckStep::Free,
         "Another program holds it: process " + std::to_string(getpid())},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_observed.clear();
        auto sim = StartSim(c.fault, c.version);
        const SCheckReport report = Check(sim->GetDevicePath());
        EXPECT_EQ(report.outcome, c.outcome);
        ASSERT_FALSE(report.steps.empty());
        const SCheckStepResult& last = report.steps.back();
        EXPECT_EQ(last.step, c.step);
        EXPECT_EQ(last.passed, c.outcome == check_outcome::kPassed);
        EXPECT_NE((last.found + " " + last.advice).find(c.words), std::string::npos)
            << last.found << " / " << last.advice;
        EXPECT_EQ(m_observed, StepsOf(report));
        // The check never starts a read or a write: the memory is what it was.
        EXPECT_EQ(sim->GetWritesAccepted(), 0U);
    }
}

TEST_F(CableCheckTest, AWellTransceiverPassesEveryStepAndTellsWhatItIs)
{
    auto sim = StartSim(ESimFault::None);
    const SCheckReport report = Check(sim->GetDevicePath());
    EXPECT_EQ(StepsOf(report), kAllSteps);
    EXPECT_TRUE(report.answered);
    EXPECT_EQ(report.information.bytes[0], 5);
    EXPECT_EQ(
        report.steps.back().found,
        "Model 21350001, version 5,0,2, comment \"Field day       \". It matches the transceiver setup.");
    EXPECT_EQ(report.steps[4].found, "The 8 test bytes came back as sent.");
}

TEST_F(CableCheckTest, AMissingDeviceListsWhatThereIs)
{
    SCheckSystem system = DefaultCheckSystem();
    system.serialDevices = [] {
        return std::vector<std::string>{"/dev/serial/by-id/usb-FTDI_FT232R-if00-port0"};
    };
    m_check.SetSystem(system);
    const SCheckReport report = Check("/dev/ttyUSB-not-there");
    EXPECT_EQ(report.outcome, check_outcome::kNoDevice);
    ASSERT_EQ(StepsOf(report), std::vector<ECheckStep>{ECheckStep::DeviceExists});
    EXPECT_EQ(report.steps[0].found, "/dev/ttyUSB-not-there does not exist. Serial devices there now: "
                                     "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0.");
    EXPECT_EQ(report.steps[0].advice, "Is the USB adapter plugged in? Then choose its device for the port.");
}

// Root may open any device, so the refusal comes through the access seam; the groups decide the advice.
TEST_F(CableCheckTest, ARefusedDeviceNamesItsGroupAndHowToJoinIt)
{
    auto sim = StartSim(ESimFault::None);
    const std::string device = sim->GetDevicePath();
    const std::string group = GroupOf(device);
    const gid_t gid = GidOf(device);
    struct SCase
    {
        const char* name;
        std::vector<gid_t> login;
        std::vector<gid_t> user;
        std::string found;
        std::string advice;
    };
    const SCase cases[] = {
        {"not in the group",
         {},
         {},
         " The user is not in the group " + group + ".",
         "Join the group with\n  sudo usermod -aG " + group +
             " $USER\nthen log out and log in again: a new "
             "login is needed."},
        {"joined since the login",
         {},
         {gid},
         " The user is in the group " + group + ", but this login started before joining it.",
         "Log out and log in again: the group counts from a new login."},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        SCheckSystem system = DefaultCheckSystem();
        system.access = [](const std::string&) { return EACCES; };
        system.loginGroups = [&c] { return c.login; };
        system.userGroups = [&c] { return c.user; };
        m_check.SetSystem(system);
        const SCheckReport report = Check(device);
        EXPECT_EQ(report.outcome, check_outcome::kNotPermitted);
        EXPECT_EQ(StepsOf(report), (std::vector<ECheckStep>{ECheckStep::DeviceExists, ECheckStep::MayOpen}));
        EXPECT_EQ(report.steps.back().found,
                  "This user may not open " + device + ": it belongs to the group " + group + "." + c.found);
        EXPECT_EQ(report.steps.back().advice, c.advice);
    }
}

TEST_F(CableCheckTest, ADeviceHeldExclusivelyIsBusyAndItsHolderNamed)
{
    auto sim = StartSim(ESimFault::None);
    const int held = open(sim->GetDevicePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(ioctl(held, TIOCEXCL), 0);
    const SCheckReport report = Check(sim->GetDevicePath());
    ioctl(held, TIOCNXCL);
    close(held);
    EXPECT_EQ(report.outcome, check_outcome::kBusy);
    EXPECT_EQ(report.steps.back().step, ECheckStep::Free);
    EXPECT_NE(report.steps.back().found.find("process " + std::to_string(getpid()) + " ("), std::string::npos)
        << report.steps.back().found;
}

TEST_F(CableCheckTest, AFileThatIsNoTerminalRefusesTheLineSettings)
{
    CTempDir dir;
    const std::string file = dir.File("plain");
    WriteFileText(file, "x");
    const SCheckReport report = Check(file);
    EXPECT_EQ(report.outcome, check_outcome::kLineSettings);
    EXPECT_EQ(report.steps.back().step, ECheckStep::LineSettings);
    EXPECT_EQ(report.steps.back().advice, "It may not be a serial port: choose the cable's device.");
}

TEST(SerialDevicesTest, StableNamesComeFirstThenUsbDevices)
{
    CTempDir dev;
    ASSERT_EQ(mkdir(dev.File("serial").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(dev.File("serial/by-id").c_str(), 0755), 0);
    for (const char* name : {"ttyUSB1", "ttyS0", "ttyACM0", "ttyUSB0", "serial/by-id/usb-Prolific-port0"}) {
        WriteFileText(dev.File(name), "");
    }
    EXPECT_EQ(ListSerialDevices(dev.Path().string()),
              (std::vector<std::string>{dev.File("serial/by-id/usb-Prolific-port0"), dev.File("ttyACM0"),
                                        dev.File("ttyUSB0"), dev.File("ttyUSB1")}));
}

// What a failed transfer saw, told from the session's trace.
TEST(DescribeTransferTest, EachTraceHasItsOwnWords)
{
    SCheckSystem system = DefaultCheckSystem();
    system.serialDevices = [] { return std::vector<std::string>{}; };
    struct SCase
    {
        SCloneTrace trace;
        std::string text;
    };
    const auto trace = [](ECloneReason reason, bool anyByte, uint32_t records, int openError = 0) {
        SCloneTrace t;
        t.reason = reason;
        t.device = "/dev/ttyUSB7";
        t.anyByte = anyByte;
        t.records = records;
        t.openError = openError;
        return t;
    };
    const SCase cases[] = {
        {trace(ECloneReason::NoEcho, false, 0),
         "Nothing came back on the line, not even the echo of what was sent: not a cloning cable, or not "
         "plugged into this port."},
        {trace(ECloneReason::NoEcho, true, 0),
         "Bytes came back, but not the echo of the request: loose plug or noise."},
        {trace(ECloneReason::NoEcho, true, 40), "The line fell silent after record 40."},
        {trace(ECloneReason::NoAnswer, true, 0),
         "The cable echoed the request, but the transceiver did not answer: the transceiver is off or not in "
         "clone mode."},
        {trace(ECloneReason::EchoDiffers, true, 0), "The echo came back changed: loose plug or noise."},
        {trace(ECloneReason::BadDataFrame, true, 10),
         "A broken frame arrived at record 11: loose plug or noise."},
        {trace(ECloneReason::WriteRefused, true, 177),
         "The transceiver took 177 records and refused the write."},
        {trace(ECloneReason::PortNotOpened, false, 0, ENOENT),
         "The port /dev/ttyUSB7 could not be opened. /dev/ttyUSB7 does not exist. Serial devices there now: "
         "none. Is the USB adapter plugged in? Then choose its device for the port."},
        {trace(ECloneReason::PortNotOpened, false, 0, EBUSY),
         "The port /dev/ttyUSB7 could not be opened. Another program holds it. Close that program (a "
         "terminal "
         "program, a modem manager, another cloning program), then check again."},
        {trace(ECloneReason::Done, true, 177), ""},
        {trace(ECloneReason::Cancelled, true, 3), ""},
    };
    for (const SCase& c : cases) {
        EXPECT_EQ(DescribeTransfer(c.trace, system), c.text);
    }
}

} // namespace
