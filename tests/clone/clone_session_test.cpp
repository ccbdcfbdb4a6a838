#include "clone/clone_protocol.h"
#include "clone/clone_session.h"
#include "clone/clone_ui.h"
#include "clone/port_map.h"
#include "clone_test_support.h"
#include "core/clone_file.h"
#include "core/memory_map.h"
#include "core/settings_store.h"
#include "sim/virtual_transceiver.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using namespace std::chrono_literals;
using memory_map::kKeptByte;
const std::string kSimComment = "Club net 2      ";

// A memory whose every 16-byte record differs from its neighbours.
CMemoryImage PatternImage(unsigned seed)
{
    CMemoryImage image(memory_map::kImageSize);
    for (uint32_t a = 0; a < image.GetSize(); ++a) {
        image.SetByte(a, static_cast<uint8_t>((a * 7 + a / 251 + seed) & 0xFF));
    }
    return image;
}

// Stands in for the progress dialog, status bar and speaker, and keeps what it was shown.
class CRecordingHost : public ICloneHost, public ITonePlayer
{
public:
    class CProgress : public ICloneProgress
    {
    public:
        explicit CProgress(CRecordingHost& host) : m_host(host) {}
        ~CProgress() override { ++m_host.progressClosed; }
        CProgress(const CProgress&) = delete;
        CProgress& operator=(const CProgress&) = delete;

        int SetPos(int position) override
        {
            const int previous = m_position;
            m_position = position;
            if (m_host.positions.empty() || m_host.positions.back() != position) {
                m_host.positions.push_back(position);
            }
            return previous;
        }
        bool CheckCancel() override
        {
            if (m_host.cancelAt >= 0 && m_position >= m_host.cancelAt) {
                m_host.cancelAt = -1;
                return true;
            }
            return false;
        }

    private:
        CRecordingHost& m_host;
        int m_position = 0;
    };

    std::unique_ptr<ICloneProgress> CreateProgress() override
    {
        ++progressOpened;
        return std::make_unique<CProgress>(*this);
    }
    void ShowStatus(std::string_view text) override { statuses.emplace_back(text); }
    ITonePlayer& Tones() override { return *this; }
    void Play(const std::vector<STone>& tones) override { played.push_back(tones); }
    bool CheckCancel() override { return std::exchange(cancelWithoutProgress, false); }

    int progressOpened = 0;
    int progressClosed = 0;
    // Distinct positions in the order shown.
    std::vector<int> positions;
    // A cancel request is made once the bar has reached this position.
    int cancelAt = -1;
    // A cancel request made while no progress window is up.
    bool cancelWithoutProgress = false;
    std::vector<std::string> statuses;
    std::vector<std::vector<STone>> played;
};

// The session on the virtual transceiver's line, counting the bytes that cross it. A wait on a line
// that has gone quiet (see CVirtualTransceiver::IsLineQuiet) passes on the test clock alone, so a
// silence costs no real time; every other wait is a real one.
class CSimLineSession : public CCloneSession
{
public:
    CSimLineSession(ICloneHost* host, CTestClock& clock) : CCloneSession(host, clock), m_clock(clock) {}

    void SetSim(const CVirtualTransceiver* sim) { m_sim = sim; }

    bool Write(const uint8_t* buffer, uint32_t length) override
    {
        const bool written = CCloneSession::Write(buffer, length);
        if (written) {
            m_written += length;
        }
        return written;
    }
    bool Read(uint8_t* buffer, uint32_t maximum, uint32_t& count) override
    {
        const bool read = CCloneSession::Read(buffer, maximum, count);
        m_read += count;
        return read;
    }
    EWait WaitForInput(int timeoutMs) override
    {
        if (m_sim != nullptr && m_sim->IsLineQuiet(m_written, m_read)) {
            m_clock.Advance(std::chrono::milliseconds(timeoutMs));
            return EWait::TimedOut;
        }
        return CCloneSession::WaitForInput(timeoutMs);
    }

private:
    CTestClock& m_clock;
    const CVirtualTransceiver* m_sim = nullptr;
    uint64_t m_written = 0;
    uint64_t m_read = 0;
};

class CloneSessionTest : public ::testing::Test
{
protected:
    // Starts a virtual transceiver holding `image` and points the session at it.
    void StartSim(ESimFault fault = ESimFault::None, CMemoryImage image = PatternImage(1), unsigned pace = 0)
    {
        SVirtualTransceiverOptions options;
        options.image = std::move(image);
        options.version = {3, 1, 2};
        options.comment = kSimComment;
        options.fault = fault;
        options.paceBaud = pace;
        m_sim = std::make_unique<CVirtualTransceiver>(std::move(options));
        ASSERT_TRUE(m_sim->Start()) << m_sim->GetErrorText();
        m_session.SetDevice(m_sim->GetDevicePath());
        m_session.SetSim(m_sim.get());
    }

    void SetUp() override
    {
        m_session.SetModelBytes(clone_protocol::kModel);
        m_session.SetRevisionBytes(clone_protocol::kRevision);
        m_session.SetReadTotal(clone_protocol::kReadTotal);
        m_session.SetCloneFile(m_cloneFile);
    }

    void SaveForWrite(const CMemoryImage& image)
    {
        ASSERT_EQ(SaveCloneFile(m_cloneFile, SafetySaveRanges(), image, kSimComment), "OK");
    }

    std::vector<std::string> CloneFileLines() const { return CrLfLines(ReadFileText(m_cloneFile)); }

    CTempDir m_dir;
    std::string m_cloneFile = m_dir.File("cl0001.tmp");
    CRecordingHost m_host;
    CTestClock m_clock;
    // The simulator outlives the session, which may ask it about the line until it is destroyed.
    std::unique_ptr<CVirtualTransceiver> m_sim;
    CSimLineSession m_session{&m_host, m_clock};
};

TEST_F(CloneSessionTest, InformationReadFillsTheBlock)
{
    StartSim();
    EXPECT_EQ(m_session.ReadInformation(), clone_outcome::kSuccess);

    const STransceiverInformation& information = m_session.GetInformation();
    EXPECT_EQ(information.model, clone_protocol::kModel);
    EXPECT_EQ(information.revision, 1);
    EXPECT_EQ(information.count, 19);
    EXPECT_EQ(information.bytes[0], 3);
    EXPECT_EQ(information.bytes[1], 1);
    EXPECT_EQ(information.bytes[2], 2);
    EXPECT_EQ(information.Comment(), kSimComment);
    EXPECT_EQ(m_session.GetHandle(), 0);
    // An information read shows no progress window and no status text, and pauses only around
    // its command.
    EXPECT_EQ(m_host.progressOpened, 0);
    EXPECT_TRUE(m_host.statuses.empty());
    EXPECT_EQ(m_clock.Sleeps(), (std::vector<std::chrono::milliseconds>{200ms, 200ms}));
}

TEST_F(CloneSessionTest, ReadWritesTheRecordsOfTheWholeMemory)
{
    const CMemoryImage memory = PatternImage(5);
    StartSim(ESimFault::None, memory);
    ASSERT_EQ(m_session.ReadInformation(), clone_outcome::kSuccess);
    m_clock.ForgetSleeps();
    ASSERT_EQ(m_session.ReadFromTransceiver(), clone_outcome::kSuccess);
    // Pauses around the command, then the progress window lingers.
    EXPECT_EQ(m_clock.Sleeps(), (std::vector<std::chrono::milliseconds>{200ms, 200ms, 500ms}));

    const std::vector<std::string> lines = CloneFileLines();
    ASSERT_EQ(lines.size(), 178U);
    EXPECT_EQ(lines[0], "21350001");
    EXPECT_EQ(lines[1], "#");
    EXPECT_EQ(lines[2].substr(0, 6), "000010");
    EXPECT_EQ(lines[177].substr(0, 6), "0AF010");
    EXPECT_TRUE(
        std::all_of(lines.begin() + 2, lines.end(), [](const std::string& l) { return l.size() == 38; }));

    CMemoryImage loaded(memory_map::kImageSize);
    ASSERT_EQ(LoadCloneFile(m_cloneFile, loaded), "OK");
    EXPECT_TRUE(loaded.IsEqual(memory));

    EXPECT_EQ(m_host.statuses, std::vector<std::string>{" Now reading <- TR"});
    EXPECT_EQ(m_host.progressOpened, 1);
    EXPECT_EQ(m_host.progressClosed, 1);
    EXPECT_EQ(m_session.GetHandle(), 0);
}

TEST_F(CloneSessionTest, ProgressReaches90BeforeTheEndFrameAnd100After)
{
    StartSim();
    ASSERT_EQ(m_session.ReadFromTransceiver(), clone_outcome::kSuccess);

    const std::vector<int>& shown = m_host.positions;
    ASSERT_GE(shown.size(), 2U);
    EXPECT_EQ(shown.front(), 0);
    EXPECT_EQ(shown[shown.size() - 2], 90);
    EXPECT_EQ(shown.back(), 100);
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    EXPECT_TRUE(std::all_of(shown.begin(), shown.end(), [](int p) { return p % 10 == 0; }));
}

TEST_F(CloneSessionTest, WriteReplacesTheMemoryButTheKeptByte)
{
    const CMemoryImage before = PatternImage(1);
    StartSim(ESimFault::None, before);
    const CMemoryImage written = PatternImage(77);
    ASSERT_NE(written.GetByte(kKeptByte), before.GetByte(kKeptByte));
    SaveForWrite(written);

    ASSERT_EQ(m_session.ReadInformation(), clone_outcome::kSuccess);
    m_clock.ForgetSleeps();
    ASSERT_EQ(m_session.WriteToTransceiver(), clone_outcome::kSuccess);
    EXPECT_EQ(m_session.GetWriteTotal(), 178U);
    // A write pauses once more, on the command's echo, before its first record.
    EXPECT_EQ(m_clock.Sleeps(), (std::vector<std::chrono::milliseconds>{200ms, 200ms, 200ms, 500ms}));

    CMemoryImage expected = written;
    expected.SetByte(kKeptByte, before.GetByte(kKeptByte));
    EXPECT_TRUE(m_sim->GetImage().IsEqual(expected));
    EXPECT_EQ(m_sim->GetWritesAccepted(), 1U);
    EXPECT_EQ(m_host.statuses, std::vector<std::string>{" Now writing -> TR"});
    EXPECT_EQ(m_host.positions.back(), 100);
    EXPECT_EQ(m_host.positions[m_host.positions.size() - 2], 90);

    // The transceiver sends back what it now holds.
    ASSERT_EQ(m_session.ReadFromTransceiver(), clone_outcome::kSuccess);
    CMemoryImage loaded(memory_map::kImageSize);
    ASSERT_EQ(LoadCloneFile(m_cloneFile, loaded), "OK");
    EXPECT_TRUE(loaded.IsEqual(expected));
}

TEST_F(CloneSessionTest, WriteSkipsCommentLinesAndStopsAtAnEmptyLine)
{
    const CMemoryImage before = PatternImage(1);
    StartSim(ESimFault::None, before);
    // Blanks around lines and LF line ends are tolerated.
    WriteFileText(m_cloneFile, "  21350001\n"
                               "#comment\r\n"
                               "00000411223344\r\n"
                               "# a note in the middle\r\n"
                               "\t0010021234  \r\n"
                               "\r\n"
                               "0020011234\r\n");

    ASSERT_EQ(m_session.WriteToTransceiver(), clone_outcome::kSuccess);
    EXPECT_EQ(m_session.GetWriteTotal(), 3U);

    CMemoryImage expected = before;
    const std::vector<uint8_t> first = {0x11, 0x22, 0x33, 0x44};
    expected.Write(0x000, first.data(), 4);
    const std::vector<uint8_t> second = {0x12, 0x34};
    expected.Write(0x010, second.data(), 2);
    EXPECT_TRUE(m_sim->GetImage().IsEqual(expected));
}

TEST_F(CloneSessionTest, CancelEndsWithOutcome1AndTheLineRecovers)
{
    StartSim();
    m_host.cancelAt = 30;
    EXPECT_EQ(m_session.ReadFromTransceiver(), clone_outcome::kCancelled);
    EXPECT_EQ(m_session.GetReason(), ECloneReason::Cancelled);
    EXPECT_EQ(m_host.positions.back(), 30);
    EXPECT_EQ(m_host.progressClosed, 1);
    EXPECT_LT(CloneFileLines().size(), 178U);

    EXPECT_EQ(m_session.ReadInformation(), clone_outcome::kSuccess);
}

TEST_F(CloneSessionTest, InformationReadEndsOnACancelRequestWithoutWaitingForSilence)
{
    StartSim(ESimFault::Silent);
    m_host.cancelWithoutProgress = true;
    const auto start = m_clock.Now();
    EXPECT_EQ(m_session.ReadInformation(), clone_outcome::kCancelled);
    EXPECT_EQ(m_session.GetReason(), ECloneReason::Cancelled);
    EXPECT_LT(m_clock.Now() - start, std::chrono::milliseconds(2000)) << "not the silence limit";
}

TEST_F(CloneSessionTest, SilentLineFailsWithinTheSilenceLimit)
{
    StartSim(ESimFault::Silent);
    const auto start = m_clock.Now();
    EXPECT_EQ(m_session.ReadInformation(), clone_outcome::kCommunicationFailure);
    const auto elapsed = m_clock.Now() - start;
    EXPECT_EQ(m_session.GetReason(), ECloneReason::NoEcho);
    // The two pauses around the command, then more than two seconds without a frame.
    EXPECT_GT(elapsed, std::chrono::milliseconds(2400));
    EXPECT_EQ(m_session.GetHandle(), 0);
}

TEST_F(CloneSessionTest, TransceiverOfAnotherModelDoesNotAnswerARead)
{
    StartSim();
    m_session.SetModelBytes(clone_protocol::kModel + 1);
    EXPECT_EQ(m_session.ReadFromTransceiver(), clone_outcome::kCommunicationFailure);
    EXPECT_EQ(m_session.GetReason(), ECloneReason::NoAnswer);
}

struct SFaultCase
{
    ESimFault fault;
    ECloneReason reason;
};

class CloneSessionFaultTest : public CloneSessionTest, public ::testing::WithParamInterface<SFaultCase>
{
};

TEST_P(CloneSessionFaultTest, InformationReadFails)
{
    StartSim(GetParam().fault);
    EXPECT_EQ(m_session.ReadInformation(), clone_outcome::kCommunicationFailure);
    EXPECT_EQ(m_session.GetReason(), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CloneSessionFaultTest,
    ::testing::Values(SFaultCase{ESimFault::CorruptEcho, ECloneReason::EchoDiffers},
                      SFaultCase{ESimFault::InformationByteF0, ECloneReason::BadInformation},
                      SFaultCase{ESimFault::ShortInformation, ECloneReason::BadInformation}),
    [](const ::testing::TestParamInfo<SFaultCase>& param) {
        std::string name(SimFaultName(param.param.fault));
        std::erase(name, '-');
        return name;
    });

TEST_F(CloneSessionTest, BadChecksumEndsTheReadAndKeepsTheRecordsBeforeIt)
{
    StartSim(ESimFault::BadChecksum);
    EXPECT_EQ(m_session.ReadFromTransceiver(), clone_outcome::kCommunicationFailure);
    EXPECT_EQ(m_session.GetReason(), ECloneReason::BadDataFrame);
    EXPECT_EQ(CloneFileLines().size(), 2U + CVirtualTransceiver::kRecordsBeforeBadChecksum);
}

TEST_F(CloneSessionTest, CorruptedEchoEndsAWriteAtOnce)
{
    StartSim(ESimFault::CorruptEcho);
    SaveForWrite(PatternImage(9));
    EXPECT_EQ(m_session.WriteToTransceiver(), clone_outcome::kCommunicationFailure);
    EXPECT_EQ(m_session.GetReason(), ECloneReason::EchoDiffers);
    EXPECT_EQ(m_sim->GetWritesAccepted(), 0U);
}

TEST_F(CloneSessionTest, MissingEchoStallsAWrite)
{
    StartSim(ESimFault::NoEcho);
    SaveForWrite(PatternImage(9));
    EXPECT_EQ(m_session.WriteToTransceiver(), clone_outcome::kCommunicationFailure);
    EXPECT_EQ(m_session.GetReason(), ECloneReason::NoEcho);
}

TEST_F(CloneSessionTest, RefusedWriteFailsAndLeavesTheMemory)
{
    const CMemoryImage before = PatternImage(1);
    StartSim(ESimFault::WriteRefused, before);
    SaveForWrite(PatternImage(9));
    EXPECT_EQ(m_session.WriteToTransceiver(), clone_outcome::kCommunicationFailure);
    EXPECT_EQ(m_session.GetReason(), ECloneReason::WriteRefused);
    EXPECT_TRUE(m_sim->GetImage().IsEqual(before));
}

TEST_F(CloneSessionTest, HangUpDuringAReadIsALineErrorNotSilence)
{
    StartSim(ESimFault::HangUp);
    EXPECT_EQ(m_session.ReadFromTransceiver(), clone_outcome::kCommunicationFailure);
    EXPECT_EQ(m_session.GetReason(), ECloneReason::LineError);
    EXPECT_EQ(m_session.GetHandle(), 0);
    EXPECT_TRUE(m_sim->HasHungUp());
}

TEST_F(CloneSessionTest, HangUpDuringAWriteIsALineError)
{
    StartSim(ESimFault::HangUp);
    SaveForWrite(PatternImage(9));
    EXPECT_EQ(m_session.WriteToTransceiver(), clone_outcome::kCommunicationFailure);
    EXPECT_EQ(m_session.GetReason(), ECloneReason::LineError);
}

// The session does not check which records arrived: an early end frame completes the read and the
// file layer finds the gap.
TEST_F(CloneSessionTest, EarlyEndFrameCompletesAReadThatDoesNotLoad)
{
    StartSim(ESimFault::ShortEnd);
    EXPECT_EQ(m_session.ReadFromTransceiver(), clone_outcome::kSuccess);
    EXPECT_EQ(CloneFileLines().size(), 2U + CVirtualTransceiver::kShortEndRecords);
    CMemoryImage loaded(memory_map::kImageSize);
    EXPECT_EQ(LoadCloneFile(m_cloneFile, loaded), "NOT_ENOUGH_DATA");
}

// Model checks belong to the caller's version check; the session only reports what it got.
TEST_F(CloneSessionTest, ForeignModelIsReportedNotRefused)
{
    StartSim(ESimFault::WrongModel);
    EXPECT_EQ(m_session.ReadInformation(), clone_outcome::kSuccess);
    EXPECT_EQ(m_session.GetInformation().model, CVirtualTransceiver::kWrongModel);
}

TEST_F(CloneSessionTest, JunkBetweenFramesIsHarmless)
{
    const CMemoryImage memory = PatternImage(3);
    StartSim(ESimFault::Noise, memory);
    ASSERT_EQ(m_session.ReadInformation(), clone_outcome::kSuccess);
    ASSERT_EQ(m_session.ReadFromTransceiver(), clone_outcome::kSuccess);
    CMemoryImage loaded(memory_map::kImageSize);
    ASSERT_EQ(LoadCloneFile(m_cloneFile, loaded), "OK");
    EXPECT_TRUE(loaded.IsEqual(memory));

    SaveForWrite(PatternImage(4));
    EXPECT_EQ(m_session.WriteToTransceiver(), clone_outcome::kSuccess);
}

TEST_F(CloneSessionTest, PacedLineStillCompletes)
{
    const CMemoryImage memory = PatternImage(6);
    // Slow enough that frames arrive in pieces between the session's polls, fast enough to stay short.
    StartSim(ESimFault::None, memory, 230400);
    ASSERT_EQ(m_session.ReadInformation(), clone_outcome::kSuccess);
    ASSERT_EQ(m_session.ReadFromTransceiver(), clone_outcome::kSuccess);
    CMemoryImage loaded(memory_map::kImageSize);
    ASSERT_EQ(LoadCloneFile(m_cloneFile, loaded), "OK");
    EXPECT_TRUE(loaded.IsEqual(memory));
}

TEST_F(CloneSessionTest, UnusableCloneFileGives80WithoutOpeningThePort)
{
    // A device that cannot be opened: reaching the port would give 91.
    m_session.SetDevice(m_dir.File("no-such-device"));

    WriteFileText(m_cloneFile, "2135001\r\n#\r\n0000041122334466\r\n");
    EXPECT_EQ(m_session.WriteToTransceiver(), clone_outcome::kUnusableFile);

    WriteFileText(m_cloneFile, "");
    EXPECT_EQ(m_session.WriteToTransceiver(), clone_outcome::kUnusableFile);

    m_session.SetCloneFile(m_dir.File("missing.vlk"));
    EXPECT_EQ(m_session.WriteToTransceiver(), clone_outcome::kUnusableFile);
}

TEST_F(CloneSessionTest, ReadWithoutAWritableFileFailsWithoutOpeningThePort)
{
    m_session.SetDevice(m_dir.File("no-such-device"));
    m_session.SetCloneFile(m_dir.File("no-such-folder/cl.tmp"));
    EXPECT_EQ(m_session.ReadFromTransceiver(), clone_outcome::kCommunicationFailure);
    EXPECT_EQ(m_session.GetReason(), ECloneReason::FileError);
}

// The clone file is the program's own private file: a vanished one is made again at mode 0600, and
// whatever else someone put under its name is neither followed nor written.
TEST_F(CloneSessionTest, CloneFileIsReopenedOnlyAsThePrivateFileItWas)
{
    m_session.SetDevice(m_dir.File("no-such-device"));
    struct stat info
    {
    };
    EXPECT_EQ(m_session.ReadFromTransceiver(), clone_outcome::kPortFailure);
    ASSERT_EQ(::lstat(m_cloneFile.c_str(), &info), 0) << "made again";
    EXPECT_EQ(info.st_mode & 0777, 0600U);
    ::chmod(m_cloneFile.c_str(), 0644);
    EXPECT_EQ(m_session.ReadFromTransceiver(), clone_outcome::kPortFailure);
    ASSERT_EQ(::lstat(m_cloneFile.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600U);
    EXPECT_EQ(CloneFileLines(), (std::vector<std::string>{"21350001", "#"}));

    const std::string victim = m_dir.File("victim.vlk");
    SaveCloneFile(victim, SafetySaveRanges(), PatternImage(3), kSimComment);
    const std::string victimText = ReadFileText(victim);
    struct SPlanted
    {
        std::string what;
        std::function<bool()> plant;
        std::function<bool()> unchanged;
    };
    std::vector<SPlanted> planted = {
        {"a link", [&] { return ::symlink(victim.c_str(), m_cloneFile.c_str()) == 0; },
         [&] { return std::filesystem::is_symlink(m_cloneFile); }},
    };
    if (::geteuid() == 0) {
        planted.push_back({"another user's file",
                           [&] {
                               WriteFileText(m_cloneFile, victimText);
                               return ::chown(m_cloneFile.c_str(), 65534, 65534) == 0;
                           },
                           [&] { return ReadFileText(m_cloneFile) == victimText; }});
    }
    for (const SPlanted& p : planted) {
        std::filesystem::remove(m_cloneFile);
        ASSERT_TRUE(p.plant()) << p.what;
        EXPECT_EQ(m_session.ReadFromTransceiver(), clone_outcome::kCommunicationFailure) << p.what;
        EXPECT_EQ(m_session.GetReason(), ECloneReason::FileError) << p.what;
        EXPECT_EQ(m_session.WriteToTransceiver(), clone_outcome::kUnusableFile) << p.what;
        EXPECT_TRUE(p.unchanged()) << p.what;
        EXPECT_EQ(ReadFileText(victim), victimText) << p.what;
    }
}

TEST_F(CloneSessionTest, PortThatCannotBeOpenedGives91Silently)
{
    bool reported = false;
    m_session.SetErrorReporter([&reported](std::string_view, std::string_view) { reported = true; });
    m_session.SetDevice(m_dir.File("no-such-device"));
    SaveForWrite(PatternImage(2));

    EXPECT_EQ(m_session.ReadInformation(), clone_outcome::kPortFailure);
    EXPECT_EQ(m_session.LastError(), ENOENT);
    EXPECT_EQ(m_session.ReadFromTransceiver(), clone_outcome::kPortFailure);
    EXPECT_EQ(m_session.WriteToTransceiver(), clone_outcome::kPortFailure);
    EXPECT_FALSE(reported);
    EXPECT_EQ(m_host.progressOpened, m_host.progressClosed);
}

TEST_F(CloneSessionTest, PortHeldByAnotherProgramGives91)
{
    StartSim();
    CSerialPort other;
    ASSERT_TRUE(other.Open(m_sim->GetDevicePath(), 9600));
    EXPECT_EQ(m_session.ReadInformation(), clone_outcome::kPortFailure);
    EXPECT_EQ(m_session.LastError(), EBUSY);
    other.Close();
    EXPECT_EQ(m_session.ReadInformation(), clone_outcome::kSuccess);
}

TEST_F(CloneSessionTest, PortSlotIsResolvedThroughTheStoredMapping)
{
    StartSim();
    CMemorySettingsStore store;
    store.SetString(settings::kCommPort, PortDeviceValueName(3), m_sim->GetDevicePath());
    m_session.SetPortMap(&store);
    m_session.SetDevice("");
    m_session.SetPort(3);
    EXPECT_EQ(m_session.GetPortName(), "COM3");
    EXPECT_EQ(m_session.ReadInformation(), clone_outcome::kSuccess);
}

TEST_F(CloneSessionTest, SessionWithoutHostRunsSilently)
{
    StartSim();
    CCloneSession session(nullptr, m_clock);
    session.SetDevice(m_sim->GetDevicePath());
    session.SetModelBytes(clone_protocol::kModel);
    session.SetRevisionBytes(clone_protocol::kRevision);
    session.SetCloneFile(m_cloneFile);
    EXPECT_EQ(session.ReadFromTransceiver(), clone_outcome::kSuccess);
    session.BeepResult(true);
    EXPECT_EQ(CloneFileLines().size(), 178U);
}

TEST_F(CloneSessionTest, BeepResultPlaysTheSuccessOrFailurePattern)
{
    m_session.BeepResult(true);
    m_session.BeepResult(false);
    ASSERT_EQ(m_host.played.size(), 2U);
    ASSERT_EQ(m_host.played[0].size(), 2U);
    EXPECT_EQ(m_host.played[0][0].frequencyHz, 1000);
    ASSERT_EQ(m_host.played[1].size(), 4U);
    EXPECT_EQ(m_host.played[1][0].frequencyHz, 500);
}

} // namespace

// The trace keeps what the line showed, so a failure can be explained afterwards.
TEST(CloneSessionTraceTest, KeepsWhatTheLineShowed)
{
    enum class EOp
    {
        Information,
        Read,
        Write,
    };
    struct SCase
    {
        const char* name;
        ESimFault fault;
        EOp operation;
        ECloneReason reason;
        bool anyByte;
        bool echoSeen;
        bool answerSeen;
        uint32_t records;
    };
    const SCase cases[] = {
        {"silent line", ESimFault::Silent, EOp::Information, ECloneReason::NoEcho, false, false, false, 0},
        {"transceiver off", ESimFault::Off, EOp::Information, ECloneReason::NoAnswer, true, true, false, 0},
        {"changed echo", ESimFault::CorruptEcho, EOp::Information, ECloneReason::EchoDiffers, true, true,
         false, 0},
        {"bad checksum", ESimFault::BadChecksum, EOp::Read, ECloneReason::BadDataFrame, true, true, true,
         CVirtualTransceiver::kRecordsBeforeBadChecksum},
        // Every record of the file: counted below.
        {"refused write", ESimFault::WriteRefused, EOp::Write, ECloneReason::WriteRefused, true, true, true,
         0},
        {"all well", ESimFault::None, EOp::Information, ECloneReason::Done, true, true, true, 0},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        CTempDir dir;
        const std::string cloneFile = dir.File("cl0002.tmp");
        WriteFileText(cloneFile, "");
        ASSERT_EQ(::chmod(cloneFile.c_str(), 0600), 0);
        SVirtualTransceiverOptions options;
        options.fault = c.fault;
        CVirtualTransceiver sim(std::move(options));
        ASSERT_TRUE(sim.Start()) << sim.GetErrorText();
        CTestClock clock;
        CCloneSession session(nullptr, clock);
        session.SetDevice(sim.GetDevicePath());
        session.SetCloneFile(cloneFile);
        session.SetReadTotal(clone_protocol::kReadTotal);
        switch (c.operation) {
        case EOp::Information:
            session.ReadInformation();
            break;
        case EOp::Read:
            session.ReadFromTransceiver();
            break;
        case EOp::Write:
            ASSERT_EQ(SaveCloneFile(cloneFile, SafetySaveRanges(), PatternImage(4), kSimComment), "OK");
            session.WriteToTransceiver();
            break;
        }
        uint32_t records = c.records;
        if (c.operation == EOp::Write) {
            const std::vector<std::string> lines = CrLfLines(ReadFileText(cloneFile));
            // All lines but the header and the comment lines.
            records = static_cast<uint32_t>(std::count_if(lines.begin() + 1, lines.end(),
                                                          [](const std::string& l) { return l[0] != '#'; }));
        }
        const SCloneTrace& trace = session.GetTrace();
        EXPECT_EQ(trace.reason, c.reason);
        EXPECT_EQ(trace.device, sim.GetDevicePath());
        EXPECT_EQ(trace.anyByte, c.anyByte);
        EXPECT_EQ(trace.echoSeen, c.echoSeen);
        EXPECT_EQ(trace.answerSeen, c.answerSeen);
        EXPECT_EQ(trace.records, records);
        EXPECT_EQ(trace.write, c.operation == EOp::Write);
    }

    CTestClock clock;
    CCloneSession session(nullptr, clock);
    session.SetDevice("/dev/no-such-cable");
    session.ReadInformation();
    EXPECT_EQ(session.GetTrace().reason, ECloneReason::PortNotOpened);
    EXPECT_EQ(session.GetTrace().device, "/dev/no-such-cable");
    EXPECT_EQ(session.GetTrace().openError, ENOENT);
}
