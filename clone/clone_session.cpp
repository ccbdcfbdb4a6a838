#include "clone/clone_session.h"

#include "clone/clone_protocol.h"
#include "clone/clone_ui.h"
#include "clone/port_map.h"
#include "core/clone_file.h"
#include "core/command_text.h"
#include "core/line_reader.h"
#include "core/private_file.h"

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

// Frames on the cable, in both directions:
//
//   FE FE  destination  source  command  payload...  FD
//
// destination and source are EE (transceiver) and EF (computer). The cable echoes every byte the
// computer sends, so each frame of the computer comes back to it before the transceiver answers.
//
//   E0  computer     00 00 00 00               information request
//   E1  transceiver  model(2) revision(2) info  information block, info bytes 00-EF
//   E2  computer     model(2) revision(2)      read: the transceiver sends its memory
//   E3  computer     model(2) revision(2)      write: the computer sends memory
//   E4  either       record text + checksum    one clone record, ASCII hex
//   E5  either       "Velk Inc."               end of the data
//   E6  transceiver  00 accepted, else failed  verdict on a completed write
//
// The checksum is the two's complement of the sum of the record's bytes (address high, address
// low, count, data), written as two upper-case hex digits.

namespace {

using namespace clone_protocol;

constexpr auto kCommandPause = std::chrono::milliseconds(200);
constexpr auto kProgressLinger = std::chrono::milliseconds(500);
// Longer than this without a complete frame ends the operation.
constexpr auto kSilenceLimit = std::chrono::seconds(2);
constexpr int kInputPollMs = 5;

constexpr int kPercentStep = 10;
constexpr int kFullPercent = 100;

constexpr size_t kShortestHeader = 8;
// Where the command byte sits in a whole frame: after the preamble, destination and source.
constexpr uint16_t kCommandPosition = 4;

// One line of a clone data file with the blanks around it removed.
bool ReadTrimmedLine(CLineReader& in, std::string& line)
{
    if (!in.Next(line)) {
        return false;
    }
    line = TrimBlanks(line);
    return true;
}

void PutText(std::FILE* file, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), file);
}

uint8_t SumOf(const CByteString& bytes)
{
    uint8_t sum = 0;
    for (uint16_t i = 0; i < bytes.GetLength(); ++i) {
        sum = static_cast<uint8_t>(sum + bytes.At(i));
    }
    return sum;
}

void AppendFrameHead(CByteString& frame, uint8_t command)
{
    frame.Clear();
    frame.Append(kPreamble);
    frame.Append(kPreamble);
    frame.Append(kTransceiver);
    frame.Append(kComputer);
    frame.Append(command);
}

} // namespace

std::string STransceiverInformation::Comment() const
{
    return {bytes.begin() + kCommentOffset, bytes.begin() + kCommentOffset + kCommentLength};
}

CCloneSession::CCloneSession(ICloneHost* host, IClock& clock) : CSerialPort(clock), m_host(host)
{
    m_zeroPair.Append(uint8_t{0});
    m_zeroPair.Append(uint8_t{0});
}

CCloneSession::~CCloneSession()
{
    Close();
}

unsigned CCloneSession::SetPort(unsigned port)
{
    m_port = port;
    return m_port;
}

std::string CCloneSession::GetPortName() const
{
    return m_device.empty() ? PortSlotName(m_port) : m_device;
}

bool CCloneSession::SetModelBytes(uint16_t model)
{
    m_model = model;
    return true;
}

bool CCloneSession::SetRevisionBytes(uint16_t revision)
{
    m_revision = revision;
    return true;
}

int CCloneSession::ReadInformation()
{
    m_writeMode = false;
    return RunOperation(EOperation::Information);
}

int CCloneSession::ReadFromTransceiver()
{
    ShowStatus(clone_text::kNowReading);
    const int fd = ReopenPrivateFile(m_cloneFile, O_WRONLY | O_TRUNC);
    m_output = fd < 0 ? nullptr : ::fdopen(fd, "wb");
    if (m_output == nullptr) {
        if (fd >= 0) {
            ::close(fd);
        }
        m_reason = ECloneReason::FileError;
        return clone_outcome::kCommunicationFailure;
    }
    PutText(m_output, CloneFileHeader(m_model, m_revision));
    PutText(m_output, kCloneFileLineEnd);
    PutText(m_output, std::string_view(&kCloneFileCommentMark, 1));
    PutText(m_output, kCloneFileLineEnd);

    m_writeMode = false;
    int outcome = RunOperation(EOperation::Read);
    bool failed = std::ferror(m_output) != 0;
    failed = std::fclose(m_output) != 0 || failed;
    m_output = nullptr;
    if (failed && outcome == clone_outcome::kSuccess) {
        m_reason = ECloneReason::FileError;
        outcome = clone_outcome::kCommunicationFailure;
    }
    return outcome;
}

int CCloneSession::WriteToTransceiver()
{
    ShowStatus(clone_text::kNowWriting);
    // The exchange file is the program's own: opened again only as such. Both passes read the one
    // open file, so the count and the records sent agree.
    m_input.Attach(ReopenPrivateFile(m_cloneFile, O_RDONLY));
    m_writeTotal = 0;
    std::string line;
    while (ReadTrimmedLine(m_input, line) && !line.empty()) {
        if (line.front() != kCloneFileCommentMark) {
            ++m_writeTotal;
        }
    }

    m_input.Rewind();
    std::string header;
    if (!ReadTrimmedLine(m_input, header) || header.size() < kShortestHeader) {
        m_input.Close();
        m_reason = ECloneReason::FileError;
        return clone_outcome::kUnusableFile;
    }
    m_writeMode = true;
    m_endSent = false;
    const int outcome = RunOperation(EOperation::Write);
    m_writeMode = false;
    m_input.Close();
    return outcome;
}

void CCloneSession::BeepResult(bool success)
{
    if (m_host != nullptr) {
        m_host->Tones().Play(success ? SuccessTones() : FailureTones());
    }
}

void CCloneSession::ReportError(std::string_view /*text*/, int /*code*/) {}

int CCloneSession::RunOperation(EOperation operation)
{
    m_operation = operation;
    m_result = ECloneReason::None;
    m_frameReady = false;
    m_receive.Clear();
    m_trace = SCloneTrace{};
    m_trace.write = operation == EOperation::Write;
    if (operation != EOperation::Information && m_host != nullptr) {
        m_progress = m_host->CreateProgress();
    }
    if (!Open(GetPortName(), kDefaultBaud)) {
        m_progress.reset();
        m_reason = ECloneReason::PortNotOpened;
        m_trace.reason = m_reason;
        m_trace.device = GetDevicePath();
        m_trace.openError = LastError();
        return clone_outcome::kPortFailure;
    }

    Clock().Sleep(kCommandPause);
    switch (operation) {
    case EOperation::Read:
    case EOperation::Write:
        AppendFrameHead(m_command, operation == EOperation::Read ? kReadCommand : kWriteCommand);
        for (uint8_t byte : IdentityBytes(m_model, m_revision)) {
            m_command.Append(byte);
        }
        break;
    default:
        AppendFrameHead(m_command, kInformationRequest);
        m_command.Append(m_zeroPair);
        m_command.Append(m_zeroPair);
        break;
    }
    m_command.Append(kEndOfFrame);
    SendFrame(m_command);
    Clock().Sleep(kCommandPause);

    m_timeoutResult = ECloneReason::NoEcho;
    m_lastFrame = Clock().Now();
    m_framesDone = 0;
    while (Running()) {
        uint8_t byte = 0;
        uint32_t count = 0;
        if (Read(&byte, 1, count)) {
            m_trace.anyByte = true;
            TakeByte(byte);
            if (m_frameReady) {
                Dispatch();
                m_lastFrame = Clock().Now();
                m_frameReady = false;
            }
        } else if (HasIoError() || WaitForInput(kInputPollMs) == EWait::Failed) {
            Finish(ECloneReason::LineError);
        }
        if (operation != EOperation::Information) {
            UpdateProgress();
        } else if (m_host != nullptr && m_host->CheckCancel()) {
            // A transceiver that keeps sending never falls silent: the request is the only way out.
            Finish(ECloneReason::Cancelled);
        }
        if (Running() && Clock().Now() - m_lastFrame > kSilenceLimit) {
            Finish(m_timeoutResult);
        }
    }

    m_reason = m_result;
    m_trace.reason = m_result;
    m_trace.device = GetDevicePath();
    m_frameReady = false;
    Close();
    if (m_progress) {
        if (m_progress->LingersAfterTransfer()) {
            Clock().Sleep(kProgressLinger);
        }
        m_progress.reset();
    }
    switch (m_result) {
    case ECloneReason::Done:
        return clone_outcome::kSuccess;
    case ECloneReason::Cancelled:
        return clone_outcome::kCancelled;
    default:
        return clone_outcome::kCommunicationFailure;
    }
}

void CCloneSession::ShowStatus(std::string_view text)
{
    if (m_host != nullptr) {
        m_host->ShowStatus(text);
    }
}

void CCloneSession::Finish(ECloneReason reason)
{
    if (Running()) {
        m_result = reason;
    }
}

void CCloneSession::TakeByte(uint8_t byte)
{
    switch (byte) {
    case kPreamble:
        m_receive.Clear();
        break;
    case kEndOfFrame:
        // The receive buffer stays as it is: the echo check compares it.
        m_frame = m_receive;
        m_frameReady = true;
        break;
    default:
        m_receive.Append(byte);
        break;
    }
}

void CCloneSession::Dispatch()
{
    if (m_frame.GetLength() < kFrameHeadLength) {
        return;
    }
    const uint8_t destination = m_frame.At(0);
    const uint8_t source = m_frame.At(1);
    const uint8_t command = m_frame.At(2);
    if (destination == kTransceiver && source == kComputer) {
        DispatchEcho(command);
    } else if (destination == kComputer || source == kTransceiver) {
        DispatchAnswer(command);
    }
}

void CCloneSession::DispatchEcho(uint8_t command)
{
    if (command == m_command.At(kCommandPosition)) {
        m_trace.echoSeen = true;
    }
    switch (command) {
    case kInformationRequest:
        CheckEcho();
        m_timeoutResult = ECloneReason::NoAnswer;
        break;
    case kReadCommand:
        CheckEcho();
        m_framesDone = 0;
        m_timeoutResult = ECloneReason::NoAnswer;
        break;
    case kWriteCommand:
        if (m_writeMode) {
            Clock().Sleep(kCommandPause);
            m_framesDone = 0;
            SendNextDataFrame();
        }
        break;
    case kDataFrame:
        if (m_writeMode) {
            SendNextDataFrame();
        }
        break;
    case kEndFrame:
        if (CheckEcho()) {
            m_endSent = true;
        }
        break;
    default:
        break;
    }
}

void CCloneSession::DispatchAnswer(uint8_t command)
{
    m_trace.answerSeen = true;
    switch (command) {
    case kInformationAnswer:
        if (m_operation == EOperation::Information) {
            TakeInformation();
        }
        break;
    case kDataFrame:
        if (m_operation == EOperation::Read) {
            TakeDataFrame();
        }
        break;
    case kEndFrame:
        if (m_operation == EOperation::Read) {
            TakeEndFrame();
        }
        break;
    case kWriteVerdict:
        if (m_operation == EOperation::Write && m_writeMode && m_endSent) {
            TakeWriteVerdict();
        }
        break;
    default:
        break;
    }
}

void CCloneSession::TakeInformation()
{
    const uint16_t length = m_frame.GetLength();
    if (length < kInformationHeadLength + kVersionByteCount) {
        Finish(ECloneReason::BadInformation);
        return;
    }
    for (uint16_t i = kInformationHeadLength; i < length; ++i) {
        if (m_frame.At(i) > kHighestInformationByte) {
            Finish(ECloneReason::BadInformation);
            return;
        }
    }
    m_information = STransceiverInformation{};
    const auto wordAt = [this](uint16_t i) {
        return static_cast<uint16_t>((m_frame.At(i) << 8) | m_frame.At(static_cast<uint16_t>(i + 1)));
    };
    m_information.model = wordAt(kFrameHeadLength);
    m_information.revision = wordAt(kFrameHeadLength + 2);
    m_information.count = static_cast<uint16_t>(length - kInformationHeadLength);
    std::copy(m_frame.Data() + kInformationHeadLength, m_frame.Data() + length, m_information.bytes.begin());
    Finish(ECloneReason::Done);
}

void CCloneSession::TakeDataFrame()
{
    CByteString bytes = m_frame;
    bytes.Mid(kFrameHeadLength, static_cast<uint16_t>(bytes.GetLength() - kFrameHeadLength));
    bytes.FromHex();
    const uint16_t length = bytes.GetLength();
    if (length < kRecordOverhead || SumOf(bytes) != 0 || bytes.At(2) != length - kRecordOverhead) {
        Finish(ECloneReason::BadDataFrame);
        return;
    }
    bytes.Mid(0, static_cast<uint16_t>(length - 1));
    bytes.ToHex();
    PutText(m_output, bytes.AsText());
    PutText(m_output, kCloneFileLineEnd);
    if (std::ferror(m_output) != 0) {
        Finish(ECloneReason::FileError);
        return;
    }
    ++m_framesDone;
    ++m_trace.records;
}

void CCloneSession::TakeEndFrame()
{
    CByteString text = m_frame;
    text.Mid(kFrameHeadLength, static_cast<uint16_t>(text.GetLength() - kFrameHeadLength));
    if (m_frame.GetLength() != kEndFrameLength || text.AsText() != kEndText) {
        Finish(ECloneReason::BadEndFrame);
        return;
    }
    Finish(ECloneReason::Done);
    m_framesDone = m_readTotal;
}

void CCloneSession::TakeWriteVerdict()
{
    if (m_frame.GetLength() > kFrameHeadLength && m_frame.At(kFrameHeadLength) == kWriteAccepted) {
        Finish(ECloneReason::Done);
    } else {
        Finish(ECloneReason::WriteRefused);
    }
}

bool CCloneSession::CheckEcho()
{
    if (m_receive.Differs(m_echoReference)) {
        Finish(ECloneReason::EchoDiffers);
        return false;
    }
    return true;
}

void CCloneSession::SendFrame(const CByteString& frame)
{
    // The echo comes back without the preamble and the end byte, as the receive buffer holds it.
    m_echoReference = frame;
    m_echoReference.Mid(2, static_cast<uint16_t>(frame.GetLength() - 3));
    if (!Write(frame.Data(), frame.GetLength())) {
        Finish(ECloneReason::LineError);
    }
}

void CCloneSession::SendNextDataFrame()
{
    if (!CheckEcho()) {
        return;
    }
    std::string line;
    while (ReadTrimmedLine(m_input, line) && !line.empty() && line.front() == kCloneFileCommentMark) {
    }

    CByteString frame;
    if (line.empty()) {
        AppendFrameHead(frame, kEndFrame);
        frame.Append(kEndText);
        frame.Append(kEndOfFrame);
        SendFrame(frame);
        m_framesDone = m_writeTotal;
    } else {
        CByteString text;
        text.Assign(line);
        CByteString bytes = text;
        bytes.FromHex();
        const uint16_t dataBytes =
            bytes.GetLength() > kRecordHeadBytes ? bytes.GetLength() - kRecordHeadBytes : 0;
        CByteString checksum;
        checksum.ByteToHex(static_cast<uint8_t>(-SumOf(bytes)));
        text.Mid(0, static_cast<uint16_t>(2 * dataBytes + kRecordHeadDigits));

        AppendFrameHead(frame, kDataFrame);
        frame.Append(text);
        frame.Append(checksum);
        frame.Append(kEndOfFrame);
        SendFrame(frame);
        ++m_framesDone;
        ++m_trace.records;
    }
    m_timeoutResult = ECloneReason::NoEcho;
}

void CCloneSession::UpdateProgress()
{
    const uint32_t total = m_operation == EOperation::Write ? m_writeTotal : m_readTotal;
    uint32_t percent = 0;
    if (m_framesDone != 0 && total != 0) {
        percent = m_framesDone * kFullPercent / total;
    }
    percent = std::min<uint32_t>(percent / kPercentStep * kPercentStep, kFullPercent);
    if (!m_progress) {
        return;
    }
    m_progress->SetPos(static_cast<int>(percent));
    if (m_progress->CheckCancel()) {
        Finish(ECloneReason::Cancelled);
    }
}
