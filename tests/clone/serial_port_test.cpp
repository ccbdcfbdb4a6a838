#include "clone/port_map.h"
#include "clone/serial_port.h"
#include "core/settings_store.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// A pseudo-terminal whose far end (the master) the test drives. Like the virtual transceiver it
// keeps a raw terminal-side descriptor of its own, so the device lives on between opens.
class CTestPty
{
public:
    CTestPty()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        std::array<char, 128> name{};
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0 ||
            ptsname_r(m_master, name.data(), name.size()) != 0) {
            return;
        }
        m_path = name.data();
        m_slave = open(m_path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        termios settings{};
        tcgetattr(m_slave, &settings);
        cfmakeraw(&settings);
        tcsetattr(m_slave, TCSANOW, &settings);
    }
    ~CTestPty()
    {
        CloseMaster();
        if (m_slave >= 0) {
            close(m_slave);
        }
    }
    CTestPty(const CTestPty&) = delete;
    CTestPty& operator=(const CTestPty&) = delete;

    const std::string& Path() const { return m_path; }

    void Send(const std::vector<uint8_t>& bytes) const
    {
        ASSERT_EQ(write(m_master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    std::vector<uint8_t> Receive(size_t count) const
    {
        std::vector<uint8_t> bytes(count);
        size_t got = 0;
        while (got < count) {
            const ssize_t n = read(m_master, bytes.data() + got, count - got);
            if (n <= 0) {
                break;
            }
            got += static_cast<size_t>(n);
        }
        bytes.resize(got);
        return bytes;
    }

    void CloseMaster()
    {
        if (m_master >= 0) {
            close(m_master);
            m_master = -1;
        }
    }

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_path;
};

struct SReport
{
    std::string text;
    std::string caption;
};

// A port whose error reports are collected instead of printed.
class CRecordedPort : public CSerialPort
{
public:
    CRecordedPort()
    {
        SetErrorReporter([this](std::string_view text, std::string_view caption) {
            reports.push_back({std::string(text), std::string(caption)});
        });
    }

    int Queued()
    {
        int queued = -1;
        ioctl(GetHandle(), FIONREAD, &queued);
        return queued;
    }

    // Waits (up to two seconds) until the device holds at least `count` received bytes.
    bool WaitQueued(int count)
    {
        for (int i = 0; i < 200 && Queued() < count; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return Queued() >= count;
    }

    std::vector<SReport> reports;
};

TEST(SerialPortTest, OpensPseudoTerminalRaw9600WithoutHandshake)
{
    CTestPty pty;
    CRecordedPort port;
    ASSERT_TRUE(port.Open(pty.Path(), 9600));
    EXPECT_GT(port.GetHandle(), 0);
    EXPECT_EQ(port.LastError(), 0);
    EXPECT_TRUE(port.reports.empty());

    termios settings{};
    ASSERT_EQ(tcgetattr(port.GetHandle(), &settings), 0);
    EXPECT_EQ(cfgetospeed(&settings), static_cast<speed_t>(B9600));
    EXPECT_EQ(cfgetispeed(&settings), static_cast<speed_t>(B9600));
    EXPECT_EQ(settings.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(settings.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0U);
    EXPECT_EQ(settings.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
    EXPECT_EQ(settings.c_iflag & (IXON | IXOFF | ICRNL), 0U);
    EXPECT_EQ(settings.c_lflag & (ECHO | ICANON | ISIG), 0U);
    EXPECT_EQ(settings.c_oflag & OPOST, 0U);
}

TEST(SerialPortTest, MovesEveryByteValueUnchangedBothWays)
{
    CTestPty pty;
    CRecordedPort port;
    ASSERT_TRUE(port.Open(pty.Path(), 9600));
    // Line ends, XON/XOFF, the interrupt character and the frame bytes must all pass untouched.
    const std::vector<uint8_t> bytes = {0x0A, 0x0D, 0x11, 0x13, 0x03, 0x7F, 0xFE, 0xFD, 0x00};

    ASSERT_TRUE(port.Write(bytes.data(), static_cast<uint32_t>(bytes.size())));
    EXPECT_EQ(pty.Receive(bytes.size()), bytes);

    pty.Send(bytes);
    ASSERT_TRUE(port.WaitQueued(static_cast<int>(bytes.size())));
    std::vector<uint8_t> got(16);
    uint32_t count = 0;
    ASSERT_TRUE(port.Read(got.data(), static_cast<uint32_t>(got.size()), count));
    got.resize(count);
    EXPECT_EQ(got, bytes);
}

TEST(SerialPortTest, SecondOpenerIsRefusedUntilTheFirstCloses)
{
    CTestPty pty;
    CRecordedPort first;
    CRecordedPort second;
    ASSERT_TRUE(first.Open(pty.Path(), 9600));

    EXPECT_FALSE(second.Open(pty.Path(), 9600));
    EXPECT_EQ(second.GetHandle(), 0);
    EXPECT_EQ(second.LastError(), EBUSY);
    ASSERT_EQ(second.reports.size(), 1U);
    EXPECT_EQ(second.reports[0].text, " not Open ");
    EXPECT_EQ(second.reports[0].caption, " COM Port Error    ");

    first.Close();
    EXPECT_EQ(first.GetHandle(), 0);
    EXPECT_TRUE(second.Open(pty.Path(), 9600));
}

TEST(SerialPortTest, ReadTakesOnlyQueuedBytesAtMost256)
{
    CTestPty pty;
    CRecordedPort port;
    ASSERT_TRUE(port.Open(pty.Path(), 9600));
    std::vector<uint8_t> buffer(1000);
    uint32_t count = 99;

    EXPECT_FALSE(port.Read(buffer.data(), 1000, count));
    EXPECT_EQ(count, 0U);
    EXPECT_TRUE(port.reports.empty());

    std::vector<uint8_t> sent(300);
    for (size_t i = 0; i < sent.size(); ++i) {
        sent[i] = static_cast<uint8_t>(i);
    }
    pty.Send(sent);
    ASSERT_TRUE(port.WaitQueued(300));

    ASSERT_TRUE(port.Read(buffer.data(), 1, count));
    EXPECT_EQ(count, 1U);
    EXPECT_EQ(buffer[0], 0);
    ASSERT_TRUE(port.Read(buffer.data(), 1000, count));
    EXPECT_EQ(count, 256U);
    EXPECT_EQ(buffer[0], 1);
    ASSERT_TRUE(port.Read(buffer.data(), 1000, count));
    EXPECT_EQ(count, 43U);
    EXPECT_EQ(buffer[42], sent[299]);
    EXPECT_FALSE(port.Read(buffer.data(), 1000, count));
    EXPECT_TRUE(port.reports.empty());
}

TEST(SerialPortTest, OpenOnAnOpenPortKeepsNameAndRate)
{
    CTestPty pty;
    CRecordedPort port;
    ASSERT_TRUE(port.Open(pty.Path(), 9600));
    const int handle = port.GetHandle();

    EXPECT_TRUE(port.Open("/dev/zq-no-such-device", 4800));
    EXPECT_EQ(port.GetName(), pty.Path());
    EXPECT_EQ(port.GetBaud(), 9600U);
    EXPECT_EQ(port.GetHandle(), handle);
    EXPECT_TRUE(port.reports.empty());
}

TEST(SerialPortTest, CloseDiscardsWhatWasNotRead)
{
    CTestPty pty;
    CRecordedPort port;
    ASSERT_TRUE(port.Open(pty.Path(), 9600));
    pty.Send({1, 2, 3});
    ASSERT_TRUE(port.WaitQueued(3));
    port.Close();

    ASSERT_TRUE(port.Open(pty.Path(), 9600));
    std::array<uint8_t, 8> buffer{};
    uint32_t count = 0;
    EXPECT_FALSE(port.Read(buffer.data(), buffer.size(), count));
}

TEST(SerialPortTest, MissingDeviceReportsNotOpenAndStaysClosed)
{
    CRecordedPort port;
    EXPECT_FALSE(port.Open("/dev/zq-no-such-device", 9600));
    EXPECT_EQ(port.GetHandle(), 0);
    EXPECT_EQ(port.LastError(), ENOENT);
    ASSERT_EQ(port.reports.size(), 1U);
    EXPECT_EQ(port.reports[0].text, " not Open ");
    EXPECT_EQ(port.reports[0].caption, " COM Port Error    ");
}

TEST(SerialPortTest, DeviceThatIsNoTerminalFailsWithoutReport)
{
    CRecordedPort port;
    EXPECT_FALSE(port.Open("/dev/null", 9600));
    EXPECT_EQ(port.GetHandle(), 0);
    EXPECT_TRUE(port.reports.empty());
}

TEST(SerialPortTest, UnsupportedRateIsAnInvalidSetting)
{
    CTestPty pty;
    CRecordedPort port;
    EXPECT_FALSE(port.Open(pty.Path(), 9601));
    EXPECT_EQ(port.GetHandle(), 0);
    ASSERT_EQ(port.reports.size(), 1U);
    EXPECT_EQ(port.reports[0].text, " invarid setting ");

    // The failed attempt must not leave the device claimed.
    CRecordedPort next;
    EXPECT_TRUE(next.Open(pty.Path(), 9600));
}

TEST(SerialPortTest, HangUpShowsAsReadErrorNotAsSilence)
{
    CTestPty pty;
    CRecordedPort port;
    ASSERT_TRUE(port.Open(pty.Path(), 9600));
    pty.CloseMaster();

    EXPECT_EQ(port.WaitForInput(1000), CSerialPort::EWait::Failed);
    std::array<uint8_t, 8> buffer{};
    uint32_t count = 0;
    EXPECT_FALSE(port.Read(buffer.data(), buffer.size(), count));
    EXPECT_TRUE(port.HasIoError());
    ASSERT_FALSE(port.reports.empty());
    EXPECT_EQ(port.reports.back().text, " read error ");

    const uint8_t byte = 0x55;
    EXPECT_FALSE(port.Write(&byte, 1));
    EXPECT_EQ(port.reports.back().text, " write error ");
}

TEST(SerialPortTest, WaitForInputSeesArrivalWithoutTakingIt)
{
    CTestPty pty;
    CRecordedPort port;
    ASSERT_TRUE(port.Open(pty.Path(), 9600));
    EXPECT_EQ(port.WaitForInput(0), CSerialPort::EWait::TimedOut);
    pty.Send({0x42});
    EXPECT_EQ(port.WaitForInput(2000), CSerialPort::EWait::Ready);
    std::array<uint8_t, 4> buffer{};
    uint32_t count = 0;
    ASSERT_TRUE(port.Read(buffer.data(), buffer.size(), count));
    EXPECT_EQ(buffer[0], 0x42);
}

TEST(PortMapTest, SlotNamesUseStoredDevicesOrTheDefaults)
{
    CMemorySettingsStore store;
    store.SetString(settings::kCommPort, "Device3", "/dev/ttyUSB0");
    store.SetString(settings::kCommPort, "Device4", "");

    EXPECT_EQ(ResolvePortDevice("COM1", nullptr), "/dev/ttyS0");
    EXPECT_EQ(ResolvePortDevice("COM2", &store), "/dev/ttyS1");
    EXPECT_EQ(ResolvePortDevice("com3:", &store), "/dev/ttyUSB0");
    EXPECT_EQ(ResolvePortDevice("COM4", &store), "/dev/ttyS3");
    EXPECT_EQ(ResolvePortDevice("COM5", &store), "COM5");
    EXPECT_EQ(ResolvePortDevice("COM", &store), "COM");
    EXPECT_EQ(ResolvePortDevice("/dev/ttyACM0", &store), "/dev/ttyACM0");
    EXPECT_EQ(PortSlotName(2), "COM2");
    EXPECT_EQ(PortDeviceValueName(2), "Device2");
}

TEST(PortMapTest, PortOpensTheDeviceItsSlotIsMappedTo)
{
    CTestPty pty;
    CMemorySettingsStore store;
    store.SetString(settings::kCommPort, PortDeviceValueName(2), pty.Path());
    CRecordedPort port;
    port.SetPortMap(&store);

    ASSERT_TRUE(port.Open("COM2", 9600));
    EXPECT_EQ(port.GetName(), "COM2");
    EXPECT_EQ(port.GetDevicePath(), pty.Path());
}

} // namespace
