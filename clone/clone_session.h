#pragma once

#include "clone/serial_port.h"
#include "core/byte_string.h"
#include "core/line_reader.h"
#include "core/memory_map.h"
#include "core/rig/radio_data.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

class ICloneHost;
class ICloneProgress;

// Outcomes of the clone operations. The session itself gives 0, 1, 77, 80 and 91; the version
// check of the callers adds 85 and 90.
namespace clone_outcome {
inline constexpr int kSuccess = 0;
inline constexpr int kCancelled = 1;
inline constexpr int kCommunicationFailure = 77;
inline constexpr int kUnusableFile = 80;
inline constexpr int kModelMismatch = 85;
inline constexpr int kVersionMismatch = 90;
inline constexpr int kPortFailure = 91;
} // namespace clone_outcome

// Status texts shown while a transfer runs.
namespace clone_text {
inline constexpr std::string_view kNowReading = " Now reading <- TR";
inline constexpr std::string_view kNowWriting = " Now writing -> TR";
} // namespace clone_text

// Why the latest operation ended as it did; every reason but Done and Cancelled is reported to the
// caller as a communication failure (77).
enum class ECloneReason : uint16_t
{
    None = 0,
    Cancelled = 1,
    Done = 2,
    NoEcho = 81,
    NoAnswer = 82,
    EchoDiffers = 83,
    BadInformation = 84,
    BadDataFrame = 86,
    BadEndFrame = 87,
    WriteRefused = 88,
    FileError = 89,
    PortNotOpened = 91,
    LineError = 92,
};

// The transceiver's information block from the E1 answer.
struct STransceiverInformation
{
    static constexpr size_t kCapacity = 258;
    static constexpr size_t kCommentOffset = STransceiverProfile::kCommentOffset;
    static constexpr size_t kCommentLength = STransceiverProfile::kCommentLength;

    uint16_t model = 0;
    uint16_t revision = 0;
    // Number of information bytes received.
    uint16_t count = 0;
    // [0] destination, [1] expanded-coverage level, [2] option flags, [3..18] comment.
    std::array<uint8_t, kCapacity> bytes{};

    // Information bytes 3 to 18 as text.
    std::string Comment() const;
};

// What the latest operation saw on the line: enough to tell the user why it failed.
struct SCloneTrace
{
    ECloneReason reason = ECloneReason::None;
    bool write = false;
    // The device the port name led to, and errno when it did not open (0 when it did).
    std::string device;
    int openError = 0;
    // Any byte at all came back; the echo of the command frame came back; a frame of the
    // transceiver arrived.
    bool anyByte = false;
    bool echoSeen = false;
    bool answerSeen = false;
    // Records received (read) or sent (write) before the end.
    uint32_t records = 0;
};

// The three cloning operations over the cable: information read, read of the whole memory into a
// clone data file, write of a clone data file's records. Each operation opens the port, runs to
// its outcome and closes the port again, whatever the outcome. Progress, cancel, status texts and
// sounds go through the host; without one the session runs silently.
class CCloneSession : public CSerialPort
{
public:
    static constexpr uint32_t kDefaultReadTotal = 300;

    // The clock must outlive the session.
    explicit CCloneSession(ICloneHost* host = nullptr, IClock& clock = SteadyClock());
    ~CCloneSession() override;
    CCloneSession(const CCloneSession&) = delete;
    CCloneSession& operator=(const CCloneSession&) = delete;
    CCloneSession(CCloneSession&&) = delete;
    CCloneSession& operator=(CCloneSession&&) = delete;

    void SetHost(ICloneHost* host) { m_host = host; }
    ICloneHost* GetHost() const { return m_host; }

    // Slot 1 to 4: the port "COM<n>" that an operation opens unless a device is set.
    unsigned SetPort(unsigned port);
    unsigned GetPort() const { return m_port; }
    // A port name or device path that replaces the slot; empty to use the slot again.
    void SetDevice(std::string name) { m_device = std::move(name); }
    // What the next operation opens: the device set, or "COM<n>".
    std::string GetPortName() const;

    // The file a read writes and a write sends; it must be set before either.
    void SetCloneFile(std::string path) { m_cloneFile = std::move(path); }
    const std::string& GetCloneFile() const { return m_cloneFile; }
    // Sent with the read and write commands and written as a read's header line ("21350001"); the
    // memory map's model and revision until set.
    bool SetModelBytes(uint16_t model);
    bool SetRevisionBytes(uint16_t revision);
    // Data frames a read expects, for the progress bar only.
    void SetReadTotal(uint32_t total) { m_readTotal = total; }
    uint32_t GetReadTotal() const { return m_readTotal; }
    uint32_t GetWriteTotal() const { return m_writeTotal; }

    const STransceiverInformation& GetInformation() const { return m_information; }
    ECloneReason GetReason() const { return m_reason; }
    const SCloneTrace& GetTrace() const { return m_trace; }

    // 0, 77 or 91.
    int ReadInformation();
    // 0, 1, 77 or 91. The clone file gets the header, a "#" line and one record line per data
    // frame; after a failure it keeps the records received so far.
    int ReadFromTransceiver();
    // 0, 1, 77, 80 or 91.
    int WriteToTransceiver();
    void BeepResult(bool success);

    // Errors show only as outcomes during cloning.
    void ReportError(std::string_view text, int code) override;

private:
    enum class EOperation : uint16_t
    {
        None = 0,
        Read = 1,
        Write = 3,
        Information = 4,
    };

    int RunOperation(EOperation operation);
    void ShowStatus(std::string_view text);
    void Finish(ECloneReason reason);
    bool Running() const { return m_result == ECloneReason::None; }
    void TakeByte(uint8_t byte);
    void Dispatch();
    void DispatchEcho(uint8_t command);
    void DispatchAnswer(uint8_t command);
    void TakeInformation();
    void TakeDataFrame();
    void TakeEndFrame();
    void TakeWriteVerdict();
    bool CheckEcho();
    void SendFrame(const CByteString& frame);
    void SendNextDataFrame();
    void UpdateProgress();

    ICloneHost* m_host = nullptr;
    std::unique_ptr<ICloneProgress> m_progress;
    uint32_t m_writeTotal = 0;
    uint32_t m_readTotal = kDefaultReadTotal;
    STransceiverInformation m_information;
    unsigned m_port = 1;
    std::string m_device;
    std::string m_cloneFile;
    // The clone file while a read writes it; the records a write sends.
    std::FILE* m_output = nullptr;
    CLineReader m_input;

    CByteString m_receive;
    CByteString m_frame;
    CByteString m_command;
    CByteString m_echoReference;
    uint16_t m_model = memory_map::kModelCode;
    uint16_t m_revision = memory_map::kModelRevision;
    CByteString m_zeroPair;

    EOperation m_operation = EOperation::None;
    bool m_frameReady = false;
    ECloneReason m_timeoutResult = ECloneReason::NoEcho;
    bool m_writeMode = false;
    bool m_endSent = false;
    uint32_t m_framesDone = 0;
    ECloneReason m_result = ECloneReason::None;
    ECloneReason m_reason = ECloneReason::None;
    IClock::TimePoint m_lastFrame;
    SCloneTrace m_trace;
};
