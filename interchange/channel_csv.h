#pragma once

#include "core/channel_id.h"
#include "operations/channel_fields.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ICommandTarget;

// Channel lists as CSV, in the layout the open-source multi-radio programming tools exchange. The
// columns, in the order export writes them:
//
// | column                    | export                                   | import                          |
// |---------------------------|------------------------------------------|---------------------------------|
// | Location                  | memory channel 0-99; with all channels   | required; 0-99 or a row label,  |
// |                           | also P0A-P9B and CALL_... (row labels)   | anything else skips the row     |
// | Name                      | trailing blanks removed                  | made a valid name               |
// | Frequency                 | MHz, 6 decimals                          | required; rounded by the heal   |
// | Duplex                    | "", "-", "+"                             | "split": see below; others skip |
// | Offset                    | MHz, 6 decimals                          | rounded by the heal; with split |
// |                           |                                          | the transmit frequency          |
// | Tone                      | "", "Tone", "TSQL"                       | others: no tone                 |
// | rToneFreq, cToneFreq      | "88.5"                                   | the nearest of the 50 tones     |
// | DtcsCode ... CrossMode    | "023", "NN", "023", "Tone->Tone"         | ignored                         |
// | Mode                      | "FM", "AM", "WFM", "NFM"                 | a mode the band allows          |
// | TStep                     | "5.00"                                   | ignored                         |
// | Skip                      | "" or "S"                                | "S" or "P" skip                 |
// | Power ... DVCODE          | empty                                    | ignored                         |
//
// Import reads the columns by their header names (letter case ignored, any order, unknown ones ignored);
// a missing column gives every row the Edit Memory dialog's value for a blank channel. A "split" row whose
// transmit frequency lies at an offset the channel stores exactly is stored as that duplex and offset.
namespace channel_csv {

inline constexpr std::array<std::string_view, 21> kColumns = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

// The memory channels in use, in order; with `all` also the program-scan edges in use and the call
// channels. LF line ends.
std::string Export(ICommandTarget& data, bool all);

// One line of the report: a row skipped or not stored exactly as written.
struct SNote
{
    int line = 0;
    std::string text;
    bool skipped = false;
};

// One row of the file as the import placed it.
struct SImportRow
{
    int line = 0;
    // Nothing when the row was skipped.
    std::optional<CChannelId> channel{};
    // The channel was in use before the import, and the row replaced what it held.
    bool overwrites = false;
    // The channel's fields after the row, in their exchange forms, by EChannelField.
    std::array<std::string, kChannelFields.size()> fields{};
    // The row's note ("" when it went in exactly), as in the report's notes.
    std::string note{};
};

struct SReport
{
    // False when the text is no channel list (no header, no Frequency column, or no Location column
    // where the rows go by their Location); nothing was changed and the notes say why.
    bool readable = true;
    std::vector<SNote> notes;
    int stored = 0;
    int skipped = 0;
    // The import stopped part way, when its options asked it to.
    bool cancelled = false;
    // Filled when the options ask for it.
    std::vector<SImportRow> rows;

    // Every row went in exactly as written.
    bool Exact() const { return readable && notes.empty(); }
};

// "line 7: Duplex 'x' cannot be stored, row skipped". Control bytes of the file (and backslashes)
// are written as \xNN, so a note is always one line of plain text.
std::string FormatNote(const SNote& note);

// The largest text taken as a channel list: lists as published are a few hundred kilobytes.
inline constexpr size_t kLargestList = 8U << 20U;

// Where the rows go.
enum class EPlacement
{
    // Each row onto the channel its Location names.
    Location,
    // The rows in file order onto the memory channels from the first one on, over what they hold.
    Order,
    // The rows in file order onto the blank memory channels from the first one on.
    Free,
};

// "location", "order", "free", as the command line names them.
inline constexpr std::array<std::string_view, 3> kPlacementNames = {"location", "order", "free"};
// Letter case is ignored.
std::optional<EPlacement> FindPlacement(std::string_view name);

struct SImportOptions
{
    // Asked between rows; true stops the import, keeping the rows stored so far ("cancelled" in the
    // report).
    std::function<bool()> cancelled{};
    EPlacement placement = EPlacement::Location;
    // The memory channel (0-99) that Order and Free start at.
    int from = 0;
    // Only rows the transceiver can hold under its profile (in its bands); the others are skipped, so
    // they take no channel.
    bool fitting = false;
    // Keep an SImportRow for every row in the report, for a preview.
    bool listRows = false;
};

// Writes every row onto its channel through the channel commands, healed as the Edit Memory dialog
// heals; every other channel stays as it was. With Location placement a Location given twice takes its
// last row; with Order and Free the Location is only the rows' order (its column may be missing), and a
// row that finds no channel left is skipped with a note. Memory stays within a small multiple of the
// text; a text over kLargestList is refused unread.
SReport Import(ICommandTarget& data, std::string_view text, const SImportOptions& options = {});

// What an import would do, found by running it on a copy of the document (its image and model profile):
// the report, with a row for each row of the file, and the image the document would then hold
// ("IMAGE=" takes it). The document is left as it was.
struct SImportPreview
{
    SReport report;
    std::string image;
};
SImportPreview PreviewImport(ICommandTarget& data, std::string_view text, SImportOptions options);

} // namespace channel_csv
