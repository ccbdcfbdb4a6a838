#pragma once

#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CRadioData;
class ISettingsStore;

// The clone archive: a folder of the user's own that keeps a copy of every image read from or
// written to the transceiver, so an older state of the radio can always be found again. Each copy
// is a normal clone data file named after the time, the operation and the image's clone comment:
//
//   2026-12-08_143012_read.vlk
//   2026-12-08_143012_write_Club_net_2.vlk
//   2026-12-08_143012_write_Club_net_2~2.vlk   (a second copy within the same second)
//
// Names sort by time. Only files named like this count as archive files; anything else in the
// folder is left alone.

enum class EArchiveKind
{
    Read,
    Write,
};

// "read" or "write".
std::string_view ArchiveKindName(EArchiveKind kind);

// The file name of a copy made at `when` (local time), without a collision number. The comment's
// surrounding blanks are dropped and every character but letters, digits and "-" becomes "_".
std::string ArchiveFileName(const std::tm& when, EArchiveKind kind, std::string_view comment);

// What an archive file's name says.
struct SArchiveName
{
    // "2026-12-08_143012"
    std::string stamp;
    EArchiveKind kind = EArchiveKind::Read;
    // 1 for the first copy of a second, 2 for "~2" and so on.
    unsigned copy = 1;
};
std::optional<SArchiveName> ParseArchiveFileName(std::string_view fileName);

// One copy in the archive, as a list shows it.
struct SArchiveEntry
{
    std::string path;
    std::string fileName;
    // "2026-12-08" and "14:30:12".
    std::string date;
    std::string time;
    EArchiveKind kind = EArchiveKind::Read;
    // The image's clone comment without trailing blanks.
    std::string comment;
    // Memory channels in use; -1 when the file does not load.
    int channelsInUse = -1;
};

struct SArchiveResult
{
    bool stored = false;
    std::string path;
    // Why nothing was stored, in plain words with the path involved.
    std::string error;
};

// $XDG_DATA_HOME/Velk/ZQ-L52/archive, or ~/.local/share/Velk/ZQ-L52/archive without it: the
// application data folder of the desktop program (organization "Velk", application "ZQ-L52")
// followed by "archive", computed without Qt so the command-line tool finds the same folder.
std::string DefaultArchiveFolder();

// Whether the desktop program's successful reads and writes keep a copy in the clone archive (on unless
// turned off).
bool ArchiveEnabled(const ISettingsStore& settings);
bool SetArchiveEnabled(ISettingsStore& settings, bool enabled);

class CCloneArchive
{
public:
    // Copies kept; older ones are removed after each new copy.
    static constexpr size_t kKeep = 200;
    // Local time of a new copy.
    using Clock = std::function<std::tm()>;

    explicit CCloneArchive(std::string folder, Clock clock = {});

    const std::string& Folder() const { return m_folder; }

    // Saves the document's image as a new copy (the folder is made when missing), then trims the
    // archive. The document is not marked saved. Never throws; a failure only leaves no copy. The
    // folders it makes and the archive folder are the user's alone (0700), and so is every copy (0600).
    SArchiveResult Store(CRadioData& data, EArchiveKind kind) const;
    // The same for an image that went to the transceiver as the clone file `sentFile`: the copy holds
    // what was sent, which may differ from the document (a channel the transceiver cannot hold goes out
    // as the channel it gets instead), and the document's bytes where the transfer sends none. The
    // name takes the document's clone comment.
    SArchiveResult StoreSent(CRadioData& data, const std::string& sentFile) const;
    // Newest first. Each file is loaded to count its channels. A folder that is missing holds no
    // copies; one that cannot be read (or is no folder) gives no entries and says why in `error`.
    std::vector<SArchiveEntry> List(std::string* error = nullptr) const;
    // Removes all but the newest `keep` copies, never `keepPath` (the copy just made, which counts as
    // one of them). Only names this program makes count: a name with an impossible date or time, or
    // one dated more than a day after the clock's present, is neither counted nor removed.
    void Trim(size_t keep = kKeep, const std::string& keepPath = {}) const;

private:
    // Makes the folder and claims a new copy's name in it; the path, or the reason in `result`.
    std::string ClaimName(CRadioData& data, EArchiveKind kind, SArchiveResult& result) const;
    void Finish(const std::string& path, SArchiveResult& result) const;

    std::string m_folder;
    Clock m_clock;
};
