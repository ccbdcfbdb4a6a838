#include "sim/virtual_transceiver.h"

#include "clone/clone_protocol.h"
#include "core/byte_string.h"
#include "core/clone_file.h"
#include "core/memory_map.h"
#include "core/rig/radio_data.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

// The far end of the clone protocol: frames FE FE destination source command payload FD, with EE
// the transceiver and EF the computer. It takes E0 (answers E1), E2 (sends E4 records and E5) and
// E3 followed by E4 records and E5 (answers E6).

namespace {

using namespace clone_protocol;

constexpr uint8_t kWriteFailed = 0x01;

// The longest frame body the computer's receive buffer holds.
constexpr size_t kFrameCapacity = CByteString::kCapacity;
// Position after the preamble of the first payload byte: destination 1, source 2, command 3.
constexpr unsigned kFirstPayloadPosition = kFrameHeadLength + 1;

constexpr uint8_t kInformationByteF0 = 0xF0;
// Position among the information bytes (destination, level, flags, comment...) that gets 0xF0.
constexpr size_t kF0Position = STransceiverProfile::kCommentOffset;
// One version byte short of an information block.
constexpr size_t kShortInformationBytes = kVersionByteCount - 1;

// The bit a garbled echo changes.
constexpr uint8_t kGarbledBit = 0x01;

constexpr std::array<uint8_t, 6> kNoise = {0x00, 0x55, 0xAA, 0x7F, 0xFF, 0x13};
constexpr int kBitsPerByte = 10;
constexpr size_t kReadChunk = 512;

struct SFaultName
{
    ESimFault fault;
    std::string_view name;
};

constexpr std::array kFaultNames = {
    SFaultName{ESimFault::None, "none"},
    SFaultName{ESimFault::Silent, "silent"},
    SFaultName{ESimFault::NoEcho, "no-echo"},
    SFaultName{ESimFault::CorruptEcho, "corrupt-echo"},
    SFaultName{ESimFault::BadChecksum, "bad-checksum"},
    SFaultName{ESimFault::InformationByteF0, "info-f0"},
    SFaultName{ESimFault::ShortEnd, "short-end"},
    SFaultName{ESimFault::WriteRefused, "write-refused"},
    SFaultName{ESimFault::Noise, "noise"},
    SFaultName{ESimFault::HangUp, "hangup"},
    SFaultName{ESimFault::WrongModel, "wrong-model"},
    SFaultName{ESimFault::ShortInformation, "info-short"},
    SFaultName{ESimFault::Off, "off"},
    SFaultName{ESimFault::GarbledEcho, "garbled-echo"},
    SFaultName{ESimFault::Busy, "busy"},
};

void WriteAll(int fd, const void* data, size_t length)
{
    // Best effort: used to wake the serving loop, where a full pipe already means "awake".
    [[maybe_unused]] const ssize_t written = write(fd, data, length);
}

} // namespace

std::string_view SimFaultName(ESimFault fault)
{
    for (const SFaultName& entry : kFaultNames) {
        if (entry.fault == fault) {
            return entry.name;
        }
    }
    return {};
}

bool ParseSimFault(std::string_view name, ESimFault& fault)
{
    for (const SFaultName& entry : kFaultNames) {
        if (entry.name == name) {
            fault = entry.fault;
            return true;
        }
    }
    return false;
}

std::string SimFaultNames()
{
    std::string names;
    for (const SFaultName& entry : kFaultNames) {
        if (!names.empty()) {
            names += ", ";
        }
        names += entry.name;
    }
    return names;
}

CVirtualTransceiver::CVirtualTransceiver(SVirtualTransceiverOptions options)
    : m_options(std::move(options)), m_image(m_options.image), m_pending(m_options.image)
{
    if (m_options.paceBaud != 0) {
        m_byteTime = std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(
            std::chrono::nanoseconds::period::den * kBitsPerByte / m_options.paceBaud));
    }
}

CVirtualTransceiver::~CVirtualTransceiver()
{
    Join();
    CloseAll();
}

bool CVirtualTransceiver::Open()
{
    if (m_master >= 0) {
        return true;
    }
    const auto fail = [this](std::string_view what) {
        m_errorText = std::string(what) + ": " + std::strerror(errno);
        CloseAll();
        return false;
    };

    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0) {
        return fail("posix_openpt");
    }
    std::array<char, 128> name{};
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0 ||
        ptsname_r(m_master, name.data(), name.size()) != 0) {
        return fail("pseudo-terminal");
    }
    m_devicePath = name.data();
    if (fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK) != 0) {
        return fail("fcntl");
    }
    m_slave = open(m_devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_slave < 0) {
        return fail(m_devicePath);
    }
    termios settings{};
    if (tcgetattr(m_slave, &settings) != 0) {
        return fail("tcgetattr");
    }
    cfmakeraw(&settings);
    cfsetispeed(&settings, B9600);
    cfsetospeed(&settings, B9600);
    if (tcsetattr(m_slave, TCSANOW, &settings) != 0) {
        return fail("tcsetattr");
    }
    if (m_options.fault == ESimFault::Busy && ioctl(m_slave, TIOCEXCL) != 0) {
        return fail("TIOCEXCL");
    }
    std::array<int, 2> wake{};
    if (pipe2(wake.data(), O_NONBLOCK | O_CLOEXEC) != 0) {
        return fail("pipe2");
    }
    m_wakeRead = wake[0];
    m_wakeWrite = wake[1];

    if (!m_options.linkPath.empty()) {
        struct stat info = {};
        if (lstat(m_options.linkPath.c_str(), &info) == 0) {
            if (!S_ISLNK(info.st_mode)) {
                errno = EEXIST;
                return fail(m_options.linkPath);
            }
            unlink(m_options.linkPath.c_str());
        }
        if (symlink(m_devicePath.c_str(), m_options.linkPath.c_str()) != 0) {
            return fail(m_options.linkPath);
        }
        m_linkMade = true;
    }
    return true;
}

void CVirtualTransceiver::CloseAll()
{
    for (int* fd : {&m_master, &m_slave, &m_wakeRead, &m_wakeWrite}) {
        if (*fd >= 0) {
            close(*fd);
            *fd = -1;
        }
    }
    if (m_linkMade) {
        // Only the link this object made, not one another program has put there since.
        std::array<char, 256> target{};
        const ssize_t length = readlink(m_options.linkPath.c_str(), target.data(), target.size() - 1);
        if (length > 0 && std::string_view(target.data(), static_cast<size_t>(length)) == m_devicePath) {
            unlink(m_options.linkPath.c_str());
        }
        m_linkMade = false;
    }
}

void CVirtualTransceiver::Run()
{
    std::array<uint8_t, kReadChunk> buffer{};
    while (m_master >= 0 && !m_stop.load()) {
        if (m_hangUpWhenSent && m_outSent == m_out.size()) {
            HangUp();
            break;
        }
        std::array<pollfd, 2> fds{pollfd{m_master, POLLIN, 0}, pollfd{m_wakeRead, POLLIN, 0}};
        timespec wait{};
        const timespec* timeout = nullptr;
        if (m_outSent < m_out.size()) {
            const auto now = Clock::now();
            if (m_byteTime.count() != 0 && now < m_nextSend) {
                const auto left = std::chrono::duration_cast<std::chrono::nanoseconds>(m_nextSend - now);
                wait.tv_sec = static_cast<time_t>(left.count() / std::nano::den);
                wait.tv_nsec = static_cast<long>(left.count() % std::nano::den);
                timeout = &wait;
            } else {
                fds[0].events |= POLLOUT;
            }
        }
        if (ppoll(fds.data(), fds.size(), timeout, nullptr) < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        if ((fds[1].revents & POLLIN) != 0) {
            while (read(m_wakeRead, buffer.data(), buffer.size()) > 0) {
            }
        }
        if ((fds[0].revents & POLLIN) != 0) {
            const ssize_t got = read(m_master, buffer.data(), buffer.size());
            if (got > 0) {
                TakeBytes(buffer.data(), static_cast<size_t>(got));
                m_bytesTaken += static_cast<uint64_t>(got);
            }
        } else if ((fds[0].revents & (POLLHUP | POLLERR)) != 0) {
            // The terminal side is held open here, so this is not expected; avoid spinning on it.
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (m_master < 0 || !SendDue()) {
            break;
        }
        PublishLineState();
    }
}

void CVirtualTransceiver::Stop()
{
    m_stop.store(true);
    if (m_wakeWrite >= 0) {
        const uint8_t wake = 1;
        WriteAll(m_wakeWrite, &wake, 1);
    }
}

bool CVirtualTransceiver::Start()
{
    if (m_thread.joinable() || !Open()) {
        return false;
    }
    m_stop.store(false);
    m_thread = std::thread([this] { Run(); });
    return true;
}

void CVirtualTransceiver::Join()
{
    if (m_thread.joinable()) {
        Stop();
        m_thread.join();
    }
}

CMemoryImage CVirtualTransceiver::GetImage() const
{
    const std::lock_guard lock(m_imageMutex);
    return m_image;
}

void CVirtualTransceiver::TakeBytes(const uint8_t* bytes, size_t count)
{
    for (size_t i = 0; i < count && m_master >= 0; ++i) {
        TakeByte(bytes[i]);
    }
}

void CVirtualTransceiver::TakeByte(uint8_t byte)
{
    const ESimFault fault = m_options.fault;
    m_framePosition = byte == kPreamble ? 0 : m_framePosition + 1;
    if (fault == ESimFault::Silent) {
        return;
    }
    if (fault != ESimFault::NoEcho) {
        uint8_t echoed = byte;
        if (fault == ESimFault::CorruptEcho && m_framePosition == kFirstPayloadPosition &&
            byte != kEndOfFrame) {
            echoed ^= 0x01;
        }
        if (fault == ESimFault::GarbledEcho) {
            echoed ^= kGarbledBit;
        }
        Queue(echoed);
    }
    if (fault == ESimFault::Off) {
        return;
    }
    switch (byte) {
    case kPreamble:
        m_receive.clear();
        break;
    case kEndOfFrame:
        HandleFrame();
        m_receive.clear();
        break;
    default:
        if (m_receive.size() < kFrameCapacity) {
            m_receive.push_back(byte);
        }
        break;
    }
}

void CVirtualTransceiver::HandleFrame()
{
    if (m_receive.size() < kFrameHeadLength || m_receive[0] != kTransceiver || m_receive[1] != kComputer) {
        return;
    }
    if (m_options.fault == ESimFault::Noise) {
        QueueNoise();
    }
    const auto identity = IdentityBytes(kModel, kRevision);
    const bool ownModel =
        std::equal(m_receive.begin() + kFrameHeadLength, m_receive.end(), identity.begin(), identity.end());
    switch (m_receive[2]) {
    case kInformationRequest:
        m_writing = false;
        AnswerInformation();
        break;
    case kReadCommand:
        m_writing = false;
        if (ownModel) {
            SendMemory();
        }
        break;
    case kWriteCommand:
        m_writing = ownModel;
        m_writeFailed = false;
        m_recordsTaken = 0;
        m_pending = GetImage();
        break;
    case kDataFrame:
        if (m_writing) {
            TakeRecord();
        }
        break;
    case kEndFrame:
        if (m_writing) {
            FinishWrite();
        }
        break;
    default:
        break;
    }
}

void CVirtualTransceiver::AnswerInformation()
{
    const uint16_t model = m_options.fault == ESimFault::WrongModel ? kWrongModel : kModel;
    const auto identity = IdentityBytes(model, kRevision);
    std::vector<uint8_t> payload(identity.begin(), identity.end());
    std::vector<uint8_t> information(m_options.version.begin(), m_options.version.end());
    for (char c : CommentText()) {
        information.push_back(static_cast<uint8_t>(c));
    }
    if (m_options.fault == ESimFault::InformationByteF0) {
        information[kF0Position] = kInformationByteF0;
    }
    if (m_options.fault == ESimFault::ShortInformation) {
        information.resize(kShortInformationBytes);
    }
    payload.insert(payload.end(), information.begin(), information.end());
    QueueFrame(kInformationAnswer, payload);
}

void CVirtualTransceiver::SendMemory()
{
    const CMemoryImage image = GetImage();
    unsigned records = kRecordCount;
    if (m_options.fault == ESimFault::ShortEnd) {
        records = kShortEndRecords;
    } else if (m_options.fault == ESimFault::HangUp) {
        records = kHangUpRecords;
        m_hangUpWhenSent = true;
    }
    for (unsigned i = 0; i < records; ++i) {
        const auto address = static_cast<uint16_t>(i * kRecordLength);
        std::vector<uint8_t> bytes = {static_cast<uint8_t>(address >> 8),
                                      static_cast<uint8_t>(address & 0xFF),
                                      static_cast<uint8_t>(kRecordLength)};
        for (uint16_t k = 0; k < kRecordLength; ++k) {
            bytes.push_back(image.GetByte(address + k));
        }
        uint8_t sum = 0;
        std::string text;
        for (uint8_t byte : bytes) {
            sum = static_cast<uint8_t>(sum + byte);
            AppendHex(text, byte);
        }
        auto checksum = static_cast<uint8_t>(-sum);
        if (m_options.fault == ESimFault::BadChecksum && i == kRecordsBeforeBadChecksum) {
            ++checksum;
        }
        AppendHex(text, checksum);
        QueueFrame(kDataFrame, std::vector<uint8_t>(text.begin(), text.end()));
    }
    if (!m_hangUpWhenSent) {
        QueueFrame(kEndFrame, std::vector<uint8_t>(kEndText.begin(), kEndText.end()));
    }
}

void CVirtualTransceiver::TakeRecord()
{
    std::vector<uint8_t> bytes;
    const uint8_t* text = m_receive.data() + kFrameHeadLength;
    const size_t length = m_receive.size() - kFrameHeadLength;
    uint8_t sum = 0;
    bool good = DecodeHex(std::string_view(reinterpret_cast<const char*>(text), length), bytes) &&
                bytes.size() > kRecordOverhead;
    if (good) {
        for (uint8_t byte : bytes) {
            sum = static_cast<uint8_t>(sum + byte);
        }
        const uint32_t address = (bytes[0] << 8) | bytes[1];
        const size_t count = bytes[2];
        good = sum == 0 && count == bytes.size() - kRecordOverhead && m_pending.IsValid(address) &&
               m_pending.IsValid(static_cast<uint32_t>(address + count - 1));
        if (good) {
            m_pending.Write(address, bytes.data() + 3, static_cast<uint32_t>(count));
        }
    }
    m_writeFailed = m_writeFailed || !good;
    ++m_recordsTaken;
    if (m_options.fault == ESimFault::HangUp && m_recordsTaken == kHangUpRecords) {
        HangUp();
    }
}

void CVirtualTransceiver::FinishWrite()
{
    m_writing = false;
    const bool endText =
        std::equal(m_receive.begin() + kFrameHeadLength, m_receive.end(), kEndText.begin(), kEndText.end());
    const bool accepted =
        endText && !m_writeFailed && m_recordsTaken > 0 && m_options.fault != ESimFault::WriteRefused;
    if (accepted) {
        {
            const std::lock_guard lock(m_imageMutex);
            m_image = m_pending;
        }
        if (m_options.onWritten) {
            m_options.onWritten(m_pending);
        }
        if (!m_options.saveWrittenPath.empty()) {
            SaveCloneFile(m_options.saveWrittenPath, NormalSaveRanges(), m_pending, CommentText());
        }
        ++m_writesAccepted;
    }
    QueueFrame(kWriteVerdict, {accepted ? kWriteAccepted : kWriteFailed});
}

void CVirtualTransceiver::QueueFrame(uint8_t command, const std::vector<uint8_t>& payload)
{
    for (uint8_t byte : {kPreamble, kPreamble, kComputer, kTransceiver, command}) {
        Queue(byte);
    }
    for (uint8_t byte : payload) {
        Queue(byte);
    }
    Queue(kEndOfFrame);
    if (m_options.fault == ESimFault::Noise) {
        QueueNoise();
    }
}

void CVirtualTransceiver::QueueNoise()
{
    for (uint8_t byte : kNoise) {
        Queue(byte);
    }
}

void CVirtualTransceiver::Queue(uint8_t byte)
{
    if (m_outSent == m_out.size()) {
        m_out.clear();
        m_outSent = 0;
        // After a quiet spell the line starts afresh: no burst to make up for the idle time.
        m_nextSend = std::max(m_nextSend, Clock::now());
    }
    m_out.push_back(byte);
}

bool CVirtualTransceiver::SendDue()
{
    if (m_outSent == m_out.size()) {
        return true;
    }
    size_t count = m_out.size() - m_outSent;
    if (m_byteTime.count() != 0) {
        const auto now = Clock::now();
        if (now < m_nextSend) {
            return true;
        }
        // Every byte whose slot has come, measured from a fixed schedule, so the average rate is exact.
        const auto due = static_cast<size_t>((now - m_nextSend) / m_byteTime) + 1;
        count = std::min(count, due);
    }
    const ssize_t written = write(m_master, m_out.data() + m_outSent, count);
    if (written < 0) {
        return errno == EAGAIN || errno == EINTR;
    }
    m_outSent += static_cast<size_t>(written);
    m_bytesSent += static_cast<uint64_t>(written);
    m_nextSend += m_byteTime * written;
    if (m_outSent == m_out.size()) {
        m_out.clear();
        m_outSent = 0;
    }
    return true;
}

void CVirtualTransceiver::PublishLineState()
{
    const std::lock_guard lock(m_lineMutex);
    m_publishedTaken = m_bytesTaken;
    m_publishedSent = m_bytesSent;
    m_publishedIdle = m_outSent == m_out.size() && !m_hangUpWhenSent;
}

bool CVirtualTransceiver::IsLineQuiet(uint64_t written, uint64_t read) const
{
    const std::lock_guard lock(m_lineMutex);
    return m_publishedIdle && !m_hungUp.load() && !m_stop.load() && m_publishedTaken == written &&
           m_publishedSent == read;
}

void CVirtualTransceiver::HangUp()
{
    m_hungUp.store(true);
    m_hangUpWhenSent = false;
    for (int* fd : {&m_master, &m_slave}) {
        if (*fd >= 0) {
            close(*fd);
            *fd = -1;
        }
    }
}

std::string CVirtualTransceiver::CommentText() const
{
    std::string comment;
    if (m_options.comment.has_value()) {
        comment = *m_options.comment;
    } else {
        const CMemoryImage image = GetImage();
        for (uint32_t i = 0; i < memory_map::kCloneCommentLength; ++i) {
            comment.push_back(static_cast<char>(image.GetByte(memory_map::kCloneComment + i)));
        }
    }
    comment.resize(memory_map::kCloneCommentLength, ' ');
    for (char& c : comment) {
        // Information bytes stay at 0xEF or below, and clear of the frame bytes.
        if (static_cast<uint8_t>(c) > kHighestInformationByte) {
            c = ' ';
        }
    }
    return comment;
}
