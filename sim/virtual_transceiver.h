#pragma once

#include "core/memory_image.h"
#include "core/memory_map.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

// Ways the virtual transceiver can misbehave, one at a time.
enum class ESimFault
{
    None,
    // Reads everything, echoes and answers nothing.
    Silent,
    // Answers, but the cable echo is missing.
    NoEcho,
    // The first payload byte of every echoed frame comes back changed.
    CorruptEcho,
    // One data frame of a read carries a wrong checksum.
    BadChecksum,
    // The information block holds a byte of 0xF0.
    InformationByteF0,
    // A read ends with the end frame after too few records.
    ShortEnd,
    // A complete write is answered with E6 01.
    WriteRefused,
    // Junk bytes (never FE or FD) follow every frame it sends or echoes.
    Noise,
    // The line goes dead in the middle of a read or a write.
    HangUp,
    // The information block names another model.
    WrongModel,
    // The information block carries model, revision and only two information bytes.
    ShortInformation,
    // The cable echoes every byte, the transceiver answers nothing: switched off, or not in clone mode.
    Off,
    // Every byte comes back on the echo with one bit changed (a loose plug); the transceiver itself
    // hears them right.
    GarbledEcho,
    // The pseudo-terminal is held exclusively (TIOCEXCL), as another program holding the port would.
    Busy,
};

// Command-line names of the faults: "none", "silent", "no-echo", "corrupt-echo", "bad-checksum",
// "info-f0", "short-end", "write-refused", "noise", "hangup", "wrong-model", "info-short", "off",
// "garbled-echo", "busy".
std::string_view SimFaultName(ESimFault fault);
bool ParseSimFault(std::string_view name, ESimFault& fault);
// All names, separated by ", ", for usage texts.
std::string SimFaultNames();

struct SVirtualTransceiverOptions
{
    CMemoryImage image{memory_map::kImageSize};
    // Destination, expanded-coverage level, option flags.
    std::array<uint8_t, 3> version{5, 0, 0};
    // The information block's comment, cut or blank-padded to 16 characters; without one, the
    // clone comment held in the image.
    std::optional<std::string> comment;
    // Line rate to keep to (10 bits a byte, echo included); 0 sends as fast as the pty takes it.
    unsigned paceBaud = 0;
    ESimFault fault = ESimFault::None;
    // Made a symbolic link to the pseudo-terminal when not empty; an existing link is replaced.
    std::string linkPath;
    // Called on the serving thread with the memory after each accepted write.
    std::function<void(const CMemoryImage&)> onWritten;
    // Where each accepted write's memory is saved as a clone data file, when not empty.
    std::string saveWrittenPath;
};

// The transceiver at the far end of the cloning cable, served over a pseudo-terminal: the program
// under test opens GetDevicePath() as its serial port. It echoes every byte (the cable's echo),
// answers the information request, sends its memory on a read, takes a write and answers it, one
// operation after another until stopped. It holds the terminal side open itself, in raw mode, so
// the device survives between operations and the line discipline never echoes.
class CVirtualTransceiver
{
public:
    static constexpr uint16_t kWrongModel = 0x2235;
    // Records sent before the faulty one (BadChecksum), before the early end frame (ShortEnd) and
    // before the line dies (HangUp, also counted in records taken during a write).
    static constexpr unsigned kRecordsBeforeBadChecksum = 10;
    static constexpr unsigned kShortEndRecords = 100;
    static constexpr unsigned kHangUpRecords = 50;

    explicit CVirtualTransceiver(SVirtualTransceiverOptions options);
    ~CVirtualTransceiver();
    CVirtualTransceiver(const CVirtualTransceiver&) = delete;
    CVirtualTransceiver& operator=(const CVirtualTransceiver&) = delete;
    CVirtualTransceiver(CVirtualTransceiver&&) = delete;
    CVirtualTransceiver& operator=(CVirtualTransceiver&&) = delete;

    // Creates the pseudo-terminal and the link. False with GetErrorText() on failure.
    bool Open();
    // The terminal device to open as the serial port.
    const std::string& GetDevicePath() const { return m_devicePath; }
    const std::string& GetErrorText() const { return m_errorText; }

    // Serves until Stop() or until the line is hung up (HangUp fault). Open() first.
    void Run();
    // Ends Run() soon; safe to call from a signal handler or another thread.
    void Stop();

    // Opens when needed and runs on a background thread.
    bool Start();
    // Stops the background thread and waits for it.
    void Join();

    // The memory it holds now.
    CMemoryImage GetImage() const;
    unsigned GetWritesAccepted() const { return m_writesAccepted.load(); }
    bool HasHungUp() const { return m_hungUp.load(); }

    // True when nothing more can come from this end until it is sent another byte: it has taken
    // exactly the `written` bytes the other end wrote, the other end has read every byte it sent
    // (`read`), and it has nothing left to send or do. Lets a test skip a silence instead of
    // waiting it out.
    bool IsLineQuiet(uint64_t written, uint64_t read) const;

private:
    using Clock = std::chrono::steady_clock;

    void CloseAll();
    void TakeBytes(const uint8_t* bytes, size_t count);
    void TakeByte(uint8_t byte);
    void HandleFrame();
    void AnswerInformation();
    void SendMemory();
    void TakeRecord();
    void FinishWrite();
    void QueueFrame(uint8_t command, const std::vector<uint8_t>& payload);
    void QueueNoise();
    void Queue(uint8_t byte);
    bool SendDue();
    void PublishLineState();
    void HangUp();
    std::string CommentText() const;

    SVirtualTransceiverOptions m_options;
    int m_master = -1;
    int m_slave = -1;
    int m_wakeRead = -1;
    int m_wakeWrite = -1;
    std::string m_devicePath;
    std::string m_errorText;
    bool m_linkMade = false;

    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_hungUp{false};
    std::atomic<unsigned> m_writesAccepted{0};
    std::thread m_thread;

    mutable std::mutex m_imageMutex;
    CMemoryImage m_image;

    // Counted by the serving thread, published for IsLineQuiet after each round.
    uint64_t m_bytesTaken = 0;
    uint64_t m_bytesSent = 0;
    mutable std::mutex m_lineMutex;
    uint64_t m_publishedTaken = 0;
    uint64_t m_publishedSent = 0;
    bool m_publishedIdle = true;

    std::vector<uint8_t> m_receive;
    // Bytes since the last preamble byte; picks the echo byte that CorruptEcho changes.
    unsigned m_framePosition = 0;
    std::vector<uint8_t> m_out;
    size_t m_outSent = 0;
    Clock::time_point m_nextSend;
    Clock::duration m_byteTime{};
    bool m_hangUpWhenSent = false;

    bool m_writing = false;
    bool m_writeFailed = false;
    unsigned m_recordsTaken = 0;
    CMemoryImage m_pending;
};
