#pragma once

#include "core/clock.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class ISettingsStore;

// Texts of the serial port's error reports, blanks included.
namespace serial_text {
inline constexpr std::string_view kNotOpen = " not Open ";
inline constexpr std::string_view kInvalidSetting = " invarid setting ";
inline constexpr std::string_view kWriteError = " write error ";
inline constexpr std::string_view kReadError = " read error ";
inline constexpr std::string_view kCaption = " COM Port Error    ";
} // namespace serial_text

// The polled RS-232C line of the cloning cable on a POSIX terminal device: exclusive use, raw
// 9600 8N1 without handshake, DTR low and RTS high, a write bounded in time and a read that never
// waits. Port names "COM1" to "COM4" are resolved through the port map (see SetPortMap); any
// other name is a device path. Errors are passed to ReportError, which derived classes may
// silence; LastError keeps the errno of the latest failure either way. Time limits are measured on
// the clock the port is given.
class CSerialPort
{
public:
    using Handle = int;
    static constexpr Handle kInvalidHandle = -1;
    static constexpr uint32_t kDefaultBaud = 9600;
    // Bytes one Read hands out at most.
    static constexpr uint32_t kReadChunk = 256;

    // Receives the report text and the caption of an error report.
    using ErrorReporter = std::function<void(std::string_view text, std::string_view caption)>;

    enum class EWait
    {
        Ready,
        TimedOut,
        // The device reports a hang-up or an error and holds no more bytes.
        Failed,
    };

    // The clock must outlive the port.
    explicit CSerialPort(IClock& clock = SteadyClock());
    virtual ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;
    CSerialPort(CSerialPort&&) = delete;
    CSerialPort& operator=(CSerialPort&&) = delete;

    // 0 while closed.
    virtual Handle GetHandle();
    // True when the port is open afterwards. On an open port nothing changes, not even the name.
    virtual bool Open(std::string_view name, uint32_t baud);
    // The handle of the opened and configured device, or kInvalidHandle.
    virtual Handle OpenDevice(std::string_view name, uint32_t baud);
    // Discards everything still queued in either direction and closes.
    virtual void Close();
    virtual void CloseDevice(Handle handle);
    // Writes the whole buffer within 3000 ms plus 100 ms per byte.
    virtual bool Write(const uint8_t* buffer, uint32_t length);
    // Takes only bytes already received: at most `maximum` and at most kReadChunk. False, without
    // a report, when none are queued.
    virtual bool Read(uint8_t* buffer, uint32_t maximum, uint32_t& count);
    // Waits until everything written has left the device; tcdrain's result.
    virtual int Flush();
    virtual void ReportError(std::string_view text, int code);

    // Waits up to timeoutMs for a byte to arrive, without taking it.
    virtual EWait WaitForInput(int timeoutMs);

    // Where "COM1" to "COM4" lead; null uses the default devices. The store must outlive the port.
    void SetPortMap(const ISettingsStore* store) { m_portMap = store; }
    // Replaces the default reporter, which prints the caption and text on standard error.
    void SetErrorReporter(ErrorReporter reporter) { m_reporter = std::move(reporter); }

    const std::string& GetName() const { return m_name; }
    uint32_t GetBaud() const { return m_baud; }
    // The device path that the latest open attempt resolved the name to.
    const std::string& GetDevicePath() const { return m_devicePath; }
    // errno of the latest failure (EACCES, ENOENT, EBUSY, EIO, ETIMEDOUT ...); 0 after a
    // successful Open.
    int LastError() const { return m_lastError; }
    // True once a read or write on the open device has failed; cleared by Open.
    bool HasIoError() const { return m_ioError; }

protected:
    IClock& Clock() const { return m_clock; }

private:
    // Keeps the errno and passes the report on to ReportError.
    void Fail(std::string_view text, int code);

    IClock& m_clock;
    Handle m_handle = 0;
    std::string m_name = "COM1:";
    uint32_t m_baud = kDefaultBaud;
    std::string m_devicePath;
    const ISettingsStore* m_portMap = nullptr;
    ErrorReporter m_reporter;
    int m_lastError = 0;
    bool m_ioError = false;
};
