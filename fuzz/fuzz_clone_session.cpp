#include "clone/clone_commands.h"
#include "clone/clone_session.h"
#include "core/clock.h"
#include "core/rig/radio_data.h"
#include "core/rig/rig_core.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <unistd.h>

// Whatever the transceiver's side of the cable sends during the information read, a clone read and
// a clone write: the document changes only after a read that succeeded (never after a write), and
// every operation closes the port it opened.
//
// Input: a flag byte, the lengths of the first three segments (two bytes each, low first), then the
// four segments: the transceiver's bytes for the information read and the read of a clone read,
// then for the information read and the write of a clone write. Flag bits: 1 drops the cable's
// echo, 2 changes the first byte of every echo, 4 makes the port fail to open.
namespace {

enum EFlag : uint8_t
{
    kNoEcho = 1,
    kCorruptEcho = 2,
    kPortFails = 4,
};

constexpr size_t kSegments = 4;
constexpr size_t kHeaderLength = 1 + 2 * (kSegments - 1);

// Real time without the pauses the transceiver's timing needs.
class CNoPauseClock final : public IClock
{
public:
    TimePoint Now() override { return std::chrono::steady_clock::now(); }
    void Sleep(std::chrono::milliseconds /*duration*/) override {}
};

IClock& NoPauseClock()
{
    static CNoPauseClock clock;
    return clock;
}

// The far end of the cable: it echoes what the session writes and, whenever no echo is pending,
// hands out the next byte of the current segment; each open of the port starts the next segment.
// When the bytes run out the line hangs up, so an operation ends at once instead of after the
// silence limit. The handle is a pipe whose writing end is closed, which reads as a hang-up.
class CScriptedSession : public CCloneSession
{
public:
    CScriptedSession() : CCloneSession(nullptr, NoPauseClock()) {}

    void Script(uint8_t flags, std::array<std::span<const uint8_t>, kSegments> segments)
    {
        m_flags = flags;
        m_segments = segments;
        m_next = 0;
        m_opened = 0;
        m_closed = 0;
    }

    bool AllClosed() { return m_opened == m_closed && GetHandle() == 0; }

    Handle OpenDevice(std::string_view /*name*/, uint32_t /*baud*/) override
    {
        m_echo.clear();
        m_incoming = m_next < kSegments ? m_segments[m_next] : std::span<const uint8_t>();
        ++m_next;
        int ends[2] = {-1, -1};
        if ((m_flags & kPortFails) != 0 || ::pipe(ends) != 0) {
            return kInvalidHandle;
        }
        ::close(ends[1]);
        ++m_opened;
        return ends[0];
    }

    void CloseDevice(Handle handle) override
    {
        ::close(handle);
        ++m_closed;
    }

    bool Write(const uint8_t* buffer, uint32_t length) override
    {
        if (GetHandle() == 0) {
            std::abort();
        }
        if ((m_flags & kNoEcho) == 0) {
            const size_t first = m_echo.size();
            m_echo.insert(m_echo.end(), buffer, buffer + length);
            if ((m_flags & kCorruptEcho) != 0 && length > 0) {
                m_echo[first] ^= 0x01;
            }
        }
        return true;
    }

    bool Read(uint8_t* buffer, uint32_t maximum, uint32_t& count) override
    {
        count = 0;
        if (GetHandle() == 0) {
            std::abort();
        }
        while (count < maximum && !(m_echo.empty() && m_incoming.empty())) {
            if (!m_echo.empty()) {
                buffer[count++] = m_echo.front();
                m_echo.pop_front();
            } else {
                buffer[count++] = m_incoming.front();
                m_incoming = m_incoming.subspan(1);
            }
        }
        return count > 0;
    }

private:
    uint8_t m_flags = 0;
    std::array<std::span<const uint8_t>, kSegments> m_segments{};
    size_t m_next = 0;
    std::deque<uint8_t> m_echo;
    std::span<const uint8_t> m_incoming;
    int m_opened = 0;
    int m_closed = 0;
};

// The exchange file and the document's own temporary file go to a folder of the target's own,
// removed at exit; in memory where the system offers it, since every write is synced.
struct SSetup
{
    SSetup()
    {
        std::error_code error;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                               ? "/dev/shm"
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "zqfuzz-session-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        folder = pattern;
        ::setenv("TMPDIR", folder.c_str(), 1);
        data = std::make_unique<CL52RadioData>();
        data->Initialize();
        cloneFile = (folder / "clone").string();
    }
    ~SSetup()
    {
        data.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    SSetup(const SSetup&) = delete;
    SSetup& operator=(const SSetup&) = delete;

    std::filesystem::path folder;
    std::unique_ptr<CL52RadioData> data;
    std::string cloneFile;
    CScriptedSession session;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static SSetup setup;
    if (size < kHeaderLength) {
        return 0;
    }
    std::array<std::span<const uint8_t>, kSegments> segments{};
    std::span<const uint8_t> rest(data + kHeaderLength, size - kHeaderLength);
    for (size_t i = 0; i + 1 < kSegments; ++i) {
        const size_t length = std::min<size_t>(data[1 + 2 * i] | data[2 + 2 * i] << 8, rest.size());
        segments[i] = rest.first(length);
        rest = rest.subspan(length);
    }
    segments[kSegments - 1] = rest;
    setup.session.Script(data[0], segments);

    CCloneCommands commands(*setup.data, setup.session, setup.cloneFile);
    const CMemoryImage before = setup.data->Rig().WorkingImage();
    if (commands.Read() != clone_outcome::kSuccess && setup.data->Rig().WorkingImage().IsDifferent(before)) {
        std::abort();
    }
    const CMemoryImage afterRead = setup.data->Rig().WorkingImage();
    commands.Write();
    if (setup.data->Rig().WorkingImage().IsDifferent(afterRead) || !setup.session.AllClosed()) {
        std::abort();
    }
    return 0;
}
