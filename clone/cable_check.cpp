#include "clone/cable_check.h"

#include "clone/clone_commands.h"
#include "clone/clone_protocol.h"
#include "clone/port_map.h"
#include "core/byte_string.h"
#include "core/string_table.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <grp.h>
#include <initializer_list>
#include <pwd.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Longer than this without an echo byte ends the echo step.
constexpr auto kEchoLimit = std::chrono::milliseconds(1000);
constexpr int kInputPollMs = 5;
constexpr size_t kPathCapacity = 4096;

std::string Text(int id)
{
    return std::string(StringText(id));
}

std::string Joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (const std::string& part : parts) {
        text += text.empty() ? part : ", " + part;
    }
    return text;
}

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return names;
    }
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

std::string CanonicalPath(const std::string& path)
{
    std::array<char, kPathCapacity> resolved{};
    return realpath(path.c_str(), resolved.data()) != nullptr ? std::string(resolved.data()) : path;
}

std::vector<gid_t> ProcessGroups()
{
    const int count = getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<size_t>(std::max(count, 0)));
    if (count > 0 && getgroups(count, groups.data()) < 0) {
        groups.clear();
    }
    groups.push_back(getegid());
    return groups;
}

std::vector<gid_t> DatabaseGroups()
{
    const passwd* user = getpwuid(geteuid());
    if (user == nullptr) {
        return {};
    }
    int count = 0;
    getgrouplist(user->pw_name, user->pw_gid, nullptr, &count);
    std::vector<gid_t> groups(static_cast<size_t>(std::max(count, 1)));
    if (getgrouplist(user->pw_name, user->pw_gid, groups.data(), &count) < 0) {
        return {};
    }
    groups.resize(static_cast<size_t>(count));
    return groups;
}

std::string GroupName(gid_t gid)
{
    const group* entry = getgrgid(gid);
    return entry != nullptr ? std::string(entry->gr_name) : std::to_string(gid);
}

bool Contains(const std::vector<gid_t>& groups, gid_t gid)
{
    return std::find(groups.begin(), groups.end(), gid) != groups.end();
}

std::string VersionText(const uint8_t* bytes)
{
    return std::to_string(bytes[0]) + "," + std::to_string(bytes[1]) + "," + std::to_string(bytes[2]);
}

std::string HexWord(uint16_t word)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (int shift = 12; shift >= 0; shift -= 4) {
        text += kDigits[(word >> shift) & 0xF];
    }
    return text;
}

// A port that keeps its error report to itself: the check tells the step, not the report, and the
// report's text tells the open from the settings.
class CProbePort : public CSerialPort
{
public:
    using CSerialPort::CSerialPort;
    void ReportError(std::string_view text, int /*code*/) override { m_report = text; }
    std::string_view Report() const { return m_report; }

private:
    std::string_view m_report;
};

bool LineIs9600_8N1(int fd)
{
    termios settings{};
    if (tcgetattr(fd, &settings) != 0) {
        return false;
    }
    const tcflag_t flags = settings.c_cflag;
    return cfgetospeed(&settings) == B9600 && cfgetispeed(&settings) == B9600 && (flags & CSIZE) == CS8 &&
           (flags & (PARENB | CSTOPB | CRTSCTS)) == 0;
}

} // namespace

int CheckStepTextId(ECheckStep step)
{
    static constexpr std::array kIds = {ids::kStepDeviceExists, ids::kStepMayOpen, ids::kStepFree,
                                        ids::kStepLineSettings, ids::kStepEcho,    ids::kStepAnswer};
    return kIds.at(static_cast<size_t>(step));
}

SCheckSystem DefaultCheckSystem()
{
    SCheckSystem system;
    system.access = [](const std::string& path) {
        return ::access(path.c_str(), R_OK | W_OK) == 0 ? 0 : errno;
    };
    system.loginGroups = ProcessGroups;
    system.userGroups = DatabaseGroups;
    system.serialDevices = [] { return ListSerialDevices(); };
    return system;
}

std::vector<std::string> ListSerialDevices(const std::string& devRoot)
{
    std::vector<std::string> devices;
    const std::string byId = devRoot + "/serial/by-id";
    for (const std::string& name : FolderEntries(byId)) {
        devices.push_back(byId + "/" + name);
    }
    for (const std::string& name : FolderEntries(devRoot)) {
        if (name.starts_with("ttyUSB") || name.starts_with("ttyACM")) {
            devices.push_back(devRoot + "/" + name);
        }
    }
    return devices;
}

std::vector<std::string> DeviceHolders(const std::string& device, const std::string& procRoot)
{
    const std::string target = CanonicalPath(device);
    std::vector<std::string> holders;
    for (const std::string& pid : FolderEntries(procRoot)) {
        if (pid.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        const std::string fdFolder = procRoot + "/" + pid + "/fd";
        const auto holds = [&](const std::string& fd) {
            std::array<char, kPathCapacity> link{};
            const ssize_t length = readlink((fdFolder + "/" + fd).c_str(), link.data(), link.size() - 1);
            return length > 0 && std::string_view(link.data(), static_cast<size_t>(length)) == target;
        };
        const std::vector<std::string> fds = FolderEntries(fdFolder);
        if (std::none_of(fds.begin(), fds.end(), holds)) {
            continue;
        }
        std::string name;
        if (FILE* comm = std::fopen((procRoot + "/" + pid + "/comm").c_str(), "r")) {
            std::array<char, 64> buffer{};
            if (std::fgets(buffer.data(), static_cast<int>(buffer.size()), comm) != nullptr) {
                name = buffer.data();
                name.erase(name.find_last_not_of('\n') + 1);
            }
            std::fclose(comm);
        }
        holders.push_back(FormatText(ids::kFoundHolderFormat, {pid, name}));
    }
    return holders;
}

SCheckStepResult ExplainOpenFailure(const std::string& device, int error, const SCheckSystem& system)
{
    SCheckStepResult result;
    result.passed = false;
    switch (error) {
    case ENOENT: {
        result.step = ECheckStep::DeviceExists;
        const std::vector<std::string> devices = system.serialDevices();
        result.found =
            FormatText(ids::kFoundNoDeviceFormat,
                       {device, devices.empty() ? Text(ids::kFoundNoSerialDevices) : Joined(devices)});
        result.advice = Text(ids::kAdvisePlugAdapter);
        return result;
    }
    case EACCES:
    case EPERM: {
        result.step = ECheckStep::MayOpen;
        struct stat info = {};
        const bool known = ::stat(device.c_str(), &info) == 0;
        const std::string group = known ? GroupName(info.st_gid) : std::string("dialout");
        result.found = FormatText(ids::kFoundNoPermissionFormat, {device, group});
        const bool inLogin = known && Contains(system.loginGroups(), info.st_gid);
        const bool inDatabase = known && Contains(system.userGroups(), info.st_gid);
        if (inDatabase && !inLogin) {
            result.found += " " + FormatText(ids::kFoundInGroupNotLoginFormat, {group});
            result.advice = Text(ids::kAdviseLoginAgain);
        } else {
            if (!inLogin) {
                result.found += " " + FormatText(ids::kFoundNotInGroupFormat, {group});
            }
            result.advice = FormatText(ids::kAdviseJoinGroupFormat, {group});
        }
        return result;
    }
    case EBUSY: {
        result.step = ECheckStep::Free;
        const std::vector<std::string> holders = DeviceHolders(device, system.procRoot);
        result.found = holders.empty() ? Text(ids::kFoundBusy)
                                       : FormatText(ids::kFoundBusyHolderFormat, {Joined(holders)});
        result.advice = Text(ids::kAdviseCloseHolder);
        return result;
    }
    default:
        result.step = ECheckStep::MayOpen;
        result.found = FormatText(ids::kFoundCannotOpenFormat, {std::strerror(error)});
        return result;
    }
}

std::string DescribeTransfer(const SCloneTrace& trace, const SCheckSystem& system)
{
    const std::string records = std::to_string(trace.records);
    switch (trace.reason) {
    case ECloneReason::PortNotOpened: {
        const SCheckStepResult why = ExplainOpenFailure(trace.device, trace.openError, system);
        return FormatText(ids::kSeenPortFormat,
                          {trace.device, why.advice.empty() ? why.found : why.found + " " + why.advice});
    }
    case ECloneReason::NoEcho:
        if (!trace.anyByte) {
            return Text(ids::kSeenNothing);
        }
        return trace.records == 0 ? Text(ids::kSeenNoEchoOfRequest)
                                  : FormatText(ids::kSeenStoppedFormat, {records});
    case ECloneReason::NoAnswer:
        return trace.records == 0 ? Text(ids::kSeenEchoNoAnswer)
                                  : FormatText(ids::kSeenStoppedFormat, {records});
    case ECloneReason::EchoDiffers:
        return Text(ids::kSeenEchoChanged);
    case ECloneReason::BadInformation:
        return Text(ids::kSeenBrokenInformation);
    case ECloneReason::BadDataFrame:
        // The broken one is the record after those taken.
        return FormatText(ids::kSeenBrokenFrameFormat, {std::to_string(trace.records + 1)});
    case ECloneReason::BadEndFrame:
        return FormatText(ids::kSeenBrokenEndFormat, {records});
    case ECloneReason::WriteRefused:
        return FormatText(ids::kSeenRefusedFormat, {records});
    case ECloneReason::LineError:
        return Text(ids::kSeenLineFailed);
    default:
        return {};
    }
}

CCableCheck::CCableCheck(IClock& clock) : m_clock(clock) {}

bool CCableCheck::Add(SCheckReport& report, const SCheckStepResult& result, int failure)
{
    if (!result.passed) {
        report.outcome = failure;
    }
    report.steps.push_back(result);
    if (m_observer) {
        m_observer(report.steps.back());
    }
    return result.passed;
}

SCheckReport CCableCheck::Run(const std::string& port)
{
    SCheckReport report;
    report.device = ResolvePortDevice(port, m_portMap);
    const std::string& device = report.device;

    struct stat info = {};
    if (::stat(device.c_str(), &info) != 0) {
        Add(report, ExplainOpenFailure(device, ENOENT, m_system), check_outcome::kNoDevice);
        return report;
    }
    Add(report, {ECheckStep::DeviceExists, true, FormatText(ids::kFoundDeviceFormat, {device}), {}}, 0);

    if (const int error = m_system.access(device); error == EACCES || error == EPERM) {
        Add(report, ExplainOpenFailure(device, error, m_system), check_outcome::kNotPermitted);
        return report;
    }
    CProbePort probe(m_clock);
    const bool opened = probe.Open(device, CSerialPort::kDefaultBaud);
    const int error = probe.LastError();
    const bool openFailed = !opened && probe.Report() == serial_text::kNotOpen;
    if (openFailed && error != EBUSY) {
        Add(report, ExplainOpenFailure(device, error, m_system), check_outcome::kNotPermitted);
        return report;
    }
    Add(report, {ECheckStep::MayOpen, true, Text(ids::kFoundMayOpen), {}}, 0);
    if (openFailed) {
        Add(report, ExplainOpenFailure(device, error, m_system), check_outcome::kBusy);
        return report;
    }
    Add(report, {ECheckStep::Free, true, Text(ids::kFoundFree), {}}, 0);

    if (!opened || !LineIs9600_8N1(probe.GetHandle())) {
        const int why = opened ? EINVAL : error;
        Add(report,
            {ECheckStep::LineSettings, false, FormatText(ids::kFoundLineRefusedFormat, {std::strerror(why)}),
             Text(ids::kAdviseNotSerial)},
            check_outcome::kLineSettings);
        return report;
    }
    Add(report, {ECheckStep::LineSettings, true, Text(ids::kFoundLineOk), {}}, 0);

    const bool echoed = CheckEcho(report, probe);
    probe.Close();
    if (echoed) {
        CheckAnswer(report);
    }
    return report;
}

bool CCableCheck::CheckEcho(SCheckReport& report, CSerialPort& port)
{
    const std::vector<uint8_t> sent(std::begin(kEchoPattern), std::end(kEchoPattern));
    std::vector<uint8_t> received;
    bool written = port.Write(sent.data(), static_cast<uint32_t>(sent.size()));
    auto last = m_clock.Now();
    while (written && received.size() < sent.size() && m_clock.Now() - last <= kEchoLimit) {
        uint8_t byte = 0;
        uint32_t count = 0;
        if (port.Read(&byte, 1, count)) {
            received.push_back(byte);
            last = m_clock.Now();
        } else if (port.HasIoError() || port.WaitForInput(kInputPollMs) == CSerialPort::EWait::Failed) {
            written = false;
        }
    }
    const std::string size = std::to_string(sent.size());
    if (received == sent) {
        return Add(report, {ECheckStep::Echo, true, FormatText(ids::kFoundEchoRightFormat, {size}), {}}, 0);
    }
    if (received.empty()) {
        return Add(report, {ECheckStep::Echo, false, Text(ids::kFoundNoEcho), Text(ids::kAdviseNoEcho)},
                   check_outcome::kNoEcho);
    }
    return Add(report,
               {ECheckStep::Echo, false,
                FormatText(ids::kFoundEchoGarbledFormat, {std::to_string(received.size()), size}),
                Text(ids::kAdviseGarbled)},
               check_outcome::kGarbledEcho);
}

void CCableCheck::CheckAnswer(SCheckReport& report)
{
    CCloneSession session(nullptr, m_clock);
    session.SetDevice(report.device);
    const int outcome = session.ReadInformation();
    const ECloneReason reason = session.GetReason();
    if (outcome != clone_outcome::kSuccess) {
        const bool broken = reason == ECloneReason::EchoDiffers || reason == ECloneReason::BadInformation;
        Add(report,
            {ECheckStep::Answer, false, Text(broken ? ids::kFoundBrokenAnswer : ids::kFoundNoAnswer),
             Text(broken ? ids::kAdviseGarbled : ids::kAdviseNoAnswer)},
            broken ? check_outcome::kBrokenAnswer : check_outcome::kNoAnswer);
        return;
    }
    report.answered = true;
    report.information = session.GetInformation();
    const STransceiverInformation& information = report.information;
    const std::string answer =
        FormatText(ids::kFoundAnswerFormat,
                   {HexWord(information.model) + HexWord(information.revision),
                    VersionText(information.bytes.data()), EscapeControlBytes(information.Comment())});
    switch (CompareWithProfile(m_profile, information)) {
    case clone_outcome::kModelMismatch:
        Add(report,
            {ECheckStep::Answer, false,
             answer + " " +
                 FormatText(ids::kFoundOtherModelFormat,
                            {HexWord(m_profile.model) + HexWord(m_profile.revision)}),
             Text(ids::kAdviseOtherModel)},
            check_outcome::kOtherModel);
        return;
    case clone_outcome::kVersionMismatch:
        Add(report,
            {ECheckStep::Answer, false,
             answer + " " +
                 FormatText(ids::kFoundOtherVersionFormat,
                            {VersionText(information.bytes.data()), VersionText(m_profile.version.data())}),
             Text(ids::kAdviseOtherVersion)},
            check_outcome::kOtherVersion);
        return;
    default:
        Add(report, {ECheckStep::Answer, true, answer + " " + Text(ids::kFoundMatches), {}}, 0);
        return;
    }
}
