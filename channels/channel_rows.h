#pragma once

#include "core/channel_id.h"
#include "core/command_text.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The channel list as rows: 100 memory channels, 20 program-scan edges and 4 call channels, each
// cell the answer to a channel command with the list's display rules on top. Shared by the list view
// and the command-line tool, so both show exactly the same texts.
namespace channel_rows {

inline constexpr int kRowCount = 124;
inline constexpr int kFirstEdgeRow = 100;
inline constexpr int kFirstCallRow = 120;
inline constexpr int kColumnCount = 11;
inline constexpr size_t kMaxCellLength = 31;

enum class EAlign
{
    Left,
    Right
};

struct SColumn
{
    std::string_view header;
    EAlign align;
    int defaultWidth;
};

// The first column is always shown left-aligned by the list, whatever it is created with.
inline constexpr std::array<SColumn, kColumnCount> kColumns = {{
    {"CH", EAlign::Left, 75},
    {"Frequency", EAlign::Right, 70},
    {"Duplex", EAlign::Right, 40},
    {"Offset freq.", EAlign::Right, 70},
    {"Name", EAlign::Right, 50},
    {"Tone", EAlign::Right, 50},
    {"Repeater Tone", EAlign::Right, 50},
    {"CTCSS freq.", EAlign::Right, 50},
    {"Skip", EAlign::Right, 50},
    {"Mode  ", EAlign::Right, 50},
    {"", EAlign::Left, 3000},
}};

inline constexpr int kMinColumnWidth = 20;
inline constexpr int kMaxColumnWidth = 400;

using Cells = std::array<std::string, kColumnCount>;

// A stored width of 0 means "not stored"; everything is then clamped to 20..400 pixels.
int EffectiveColumnWidth(int column, int storedWidth);

// The texts a column's cells can show at their widest, so a list can size the column to show every
// one of them whatever its font: each row label, four-digit frequencies with the mark of an illegal
// channel, six of each character a name can hold, every tone and mode. None for the filler column.
std::vector<std::string> WidestCellTexts(int column);

// "CH.MCH.5.", "CH.PCH.3B.", "CH.CALL.430."; empty outside the rows.
std::string RowKeyPrefix(int row);
// "00".."99", "P0A".."P9B", "CALL_50M" (or "CALL_WFM" without the 50 MHz band), "CALL_144"...
std::string RowLabel(int row, bool hasBand50);

std::string ReadRowField(ICommandTarget& data, int row, std::string_view key);
bool IsRowBlank(ICommandTarget& data, int row);
std::string RowLegalMark(ICommandTarget& data, int row);
std::string RowName(ICommandTarget& data, int row);
bool HasBand50(ICommandTarget& data);

// The 11 cell texts of a row, trimmed and cut to 31 characters.
Cells BuildRow(ICommandTarget& data, int row);

// The mark after the frequency of a channel the transceiver version does not allow ("146.0100 ?").
inline constexpr std::string_view kIllegalMark = "?";
// True when the row's frequency cell ends in the mark; the cell's frequency alone then goes to *frequency.
bool HasIllegalMark(const Cells& cells, std::string* frequency = nullptr);

// Channels by the channel list's row labels: "10" (or "5", "05"), "P3A", "CALL_144"; the first call
// channel answers to both "CALL_50M" and "CALL_WFM". Letter case is ignored. Memory channels, edges
// and call channels only.
std::optional<CChannelId> ParseChannelLabel(std::string_view label);
// The row label as the list shows it ("05", "P3A", "CALL_WFM" on a model without the 50 MHz band).
std::string ChannelLabel(ICommandTarget& data, const CChannelId& channel);
// The channel list's row of a memory channel, edge or call channel; -1 for any other channel.
int ChannelRow(const CChannelId& channel);
CChannelId ChannelOfRow(int row);

} // namespace channel_rows
