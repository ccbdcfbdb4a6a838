#include "clone/serial_port.h"

#include "clone/port_map.h"
#include "core/command_text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <iostream>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr int kWriteBaseTimeoutMs = 3000;
constexpr int kWritePerByteTimeoutMs = 100;

struct SBaudRate
{
    uint32_t baud;
    speed_t speed;
};

constexpr std::array kBaudRates = {
    SBaudRate{1200, B1200},   SBaudRate{2400, B2400},   SBaudRate{4800, B4800},   SBaudRate{9600, B9600},
    SBaudRate{19200, B19200}, SBaudRate{38400, B38400}, SBaudRate{57600, B57600}, SBaudRate{115200, B115200},
};

bool SpeedOf(uint32_t baud, speed_t& speed)
{
    const auto* it = std::find_if(kBaudRates.begin(), kBaudRates.end(),
                                  [baud](const SBaudRate& rate) { return rate.baud == baud; });
    if (it == kBaudRates.end()) {
        return false;
    }
    speed = it->speed;
    return true;
}

void PrintReport(std::string_view text, std::string_view caption)
{
    std::cerr << TrimBlanks(caption) << ": " << TrimBlanks(text) << '\n';
}

// Sets or clears one modem line. Devices without modem lines (pseudo-terminals among them) refuse
// the request with ENOTTY or EINVAL, which is no reason to give up the port.
bool SetModemLine(int fd, unsigned long request, int line)
{
    if (ioctl(fd, request, &line) == 0) {
        return true;
    }
    return errno == ENOTTY || errno == EINVAL;
}

} // namespace

CSerialPort::CSerialPort(IClock& clock) : m_clock(clock), m_reporter(PrintReport) {}

CSerialPort::~CSerialPort()
{
    CSerialPort::Close();
}

CSerialPort::Handle CSerialPort::GetHandle()
{
    return m_handle;
}

bool CSerialPort::Open(std::string_view name, uint32_t baud)
{
    if (m_handle != 0) {
        return true;
    }
    m_name = name;
    m_baud = baud;
    m_ioError = false;
    const Handle handle = OpenDevice(m_name, m_baud);
    if (handle == kInvalidHandle) {
        Close();
        return false;
    }
    m_handle = handle;
    m_lastError = 0;
    return true;
}

CSerialPort::Handle CSerialPort::OpenDevice(std::string_view name, uint32_t baud)
{
    m_devicePath = ResolvePortDevice(name, m_portMap);
    // O_NONBLOCK keeps the open from waiting for a carrier and stays on: reads only take what is
    // queued and writes wait with poll() under their own time limit.
    int fd = open(m_devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        Fail(serial_text::kNotOpen, errno);
        return kInvalidHandle;
    }
    if (fd == 0) {
        // Handle 0 means "closed"; move the device off standard input's number.
        const int moved = fcntl(fd, F_DUPFD_CLOEXEC, 1);
        close(fd);
        if (moved < 0) {
            Fail(serial_text::kNotOpen, errno);
            return kInvalidHandle;
        }
        fd = moved;
    }
    // TIOCEXCL refuses further opens, but not to a privileged process; asking first keeps the port
    // exclusive for root as well.
    int exclusive = 0;
    if (ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0) {
        close(fd);
        Fail(serial_text::kNotOpen, EBUSY);
        return kInvalidHandle;
    }
    ioctl(fd, TIOCEXCL);

    termios settings{};
    if (tcgetattr(fd, &settings) != 0) {
        m_lastError = errno;
        CloseDevice(fd);
        return kInvalidHandle;
    }
    // The driver's queues need no sizing on Linux, and reads never wait (VMIN and VTIME 0 below),
    // so there are no time-outs to set.
    tcflush(fd, TCIOFLUSH);

    speed_t speed = B9600;
    if (!SpeedOf(baud, speed)) {
        Fail(serial_text::kInvalidSetting, EINVAL);
        CloseDevice(fd);
        return kInvalidHandle;
    }
    cfmakeraw(&settings);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    cfsetispeed(&settings, speed);
    cfsetospeed(&settings, speed);
    if (tcsetattr(fd, TCSANOW, &settings) != 0) {
        Fail(serial_text::kInvalidSetting, errno);
        CloseDevice(fd);
        return kInvalidHandle;
    }
    if (!SetModemLine(fd, TIOCMBIC, TIOCM_DTR) || !SetModemLine(fd, TIOCMBIS, TIOCM_RTS)) {
        Fail(serial_text::kInvalidSetting, errno);
        CloseDevice(fd);
        return kInvalidHandle;
    }
    return fd;
}

void CSerialPort::Close()
{
    if (m_handle == 0) {
        return;
    }
    tcflush(m_handle, TCIOFLUSH);
    CloseDevice(m_handle);
    m_handle = 0;
}

void CSerialPort::CloseDevice(Handle handle)
{
    if (handle > 0) {
        // The exclusive claim belongs to the device, not to the descriptor: it would outlive the
        // close while anyone else keeps the device open.
        ioctl(handle, TIOCNXCL);
        close(handle);
    }
}

bool CSerialPort::Write(const uint8_t* buffer, uint32_t length)
{
    if (m_handle == 0) {
        Fail(serial_text::kWriteError, EBADF);
        return false;
    }
    const auto deadline = m_clock.Now() + std::chrono::milliseconds(kWriteBaseTimeoutMs) +
                          std::chrono::milliseconds(static_cast<int64_t>(kWritePerByteTimeoutMs) * length);
    uint32_t done = 0;
    while (done < length) {
        const ssize_t written = write(m_handle, buffer + done, length - done);
        if (written > 0) {
            done += static_cast<uint32_t>(written);
            continue;
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0 && errno != EAGAIN) {
            m_ioError = true;
            Fail(serial_text::kWriteError, errno);
            return false;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - m_clock.Now());
        if (left.count() <= 0) {
            Fail(serial_text::kWriteError, ETIMEDOUT);
            return false;
        }
        pollfd entry{m_handle, POLLOUT, 0};
        if (poll(&entry, 1, static_cast<int>(left.count())) < 0 && errno != EINTR) {
            m_ioError = true;
            Fail(serial_text::kWriteError, errno);
            return false;
        }
        if ((entry.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            m_ioError = true;
            Fail(serial_text::kWriteError, EIO);
            return false;
        }
    }
    return true;
}

bool CSerialPort::Read(uint8_t* buffer, uint32_t maximum, uint32_t& count)
{
    count = 0;
    if (m_handle == 0) {
        Fail(serial_text::kReadError, EBADF);
        return false;
    }
    int queued = 0;
    if (ioctl(m_handle, FIONREAD, &queued) != 0) {
        m_ioError = true;
        Fail(serial_text::kReadError, errno);
        return false;
    }
    const uint32_t wanted = std::min({static_cast<uint32_t>(std::max(queued, 0)), kReadChunk, maximum});
    if (wanted == 0) {
        return false;
    }
    const ssize_t got = read(m_handle, buffer, wanted);
    if (got > 0) {
        count = static_cast<uint32_t>(got);
        return true;
    }
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
        return false;
    }
    // Bytes were queued, so an end of file here means the device hung up.
    m_ioError = true;
    Fail(serial_text::kReadError, got < 0 ? errno : EIO);
    return false;
}

int CSerialPort::Flush()
{
    if (m_handle == 0) {
        return -1;
    }
    return tcdrain(m_handle);
}

void CSerialPort::ReportError(std::string_view text, int /*code*/)
{
    if (m_reporter) {
        m_reporter(text, serial_text::kCaption);
    }
}

CSerialPort::EWait CSerialPort::WaitForInput(int timeoutMs)
{
    if (m_handle == 0) {
        return EWait::Failed;
    }
    pollfd entry{m_handle, POLLIN, 0};
    const int ready = poll(&entry, 1, timeoutMs);
    if (ready < 0) {
        return errno == EINTR ? EWait::TimedOut : EWait::Failed;
    }
    if (ready == 0) {
        return EWait::TimedOut;
    }
    if ((entry.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
        int queued = 0;
        const bool asked = ioctl(m_handle, FIONREAD, &queued) == 0;
        if (!asked || queued <= 0) {
            m_ioError = true;
            m_lastError = asked ? EIO : errno;
            return EWait::Failed;
        }
    }
    return EWait::Ready;
}

void CSerialPort::Fail(std::string_view text, int code)
{
    m_lastError = code;
    ReportError(text, code);
}
