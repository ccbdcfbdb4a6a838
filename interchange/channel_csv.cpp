#include "interchange/channel_csv.h"

#include "channels/channel_rows.h"
#include "channels/command_keys.h"
#include "core/byte_string.h"
#include "core/command_text.h"
#include "interchange/csv.h"
#include "operations/channel_fields.h"

#include <map>
#include <optional>

namespace channel_csv {

namespace {

enum EColumn : size_t
{
    kLocation = 0,
    kName = 1,
    kFrequency = 2,
    kDuplex = 3,
    kOffset = 4,
    kTone = 5,
    kRepeaterTone = 6,
    kTsqlTone = 7,
    kDtcsCode = 8,
    kDtcsPolarity = 9,
    kRxDtcsCode = 10,
    kCrossMode = 11,
    kMode = 12,
    kTuningStep = 13,
    kSkip = 14,
};

// Columns the transceiver has no place for, written with these fixed values.
constexpr std::string_view kFixedDtcsCode = "023";
constexpr std::string_view kFixedDtcsPolarity = "NN";
constexpr std::string_view kFixedCrossMode = "Tone->Tone";
// Memory channels hold no tuning step.
constexpr std::string_view kFixedTuningStep = "5.00";

// The columns that become channel fields, in the order they are written and reported.
struct SFieldColumn
{
    EColumn column;
    EChannelField field;
};
constexpr std::array<SFieldColumn, 9> kFieldColumns = {{
    {kFrequency, EChannelField::Frequency},
    {kDuplex, EChannelField::Duplex},
    {kOffset, EChannelField::Offset},
    {kName, EChannelField::Name},
    {kTone, EChannelField::Tone},
    {kRepeaterTone, EChannelField::RepeaterTone},
    {kTsqlTone, EChannelField::TsqlTone},
    {kMode, EChannelField::Mode},
    {kSkip, EChannelField::Skip},
}};

constexpr std::string_view kRowSkipped = ", row skipped";

std::string Quoted(std::string_view text)
{
    return QuotedValue(text);
}

// The position of each known column in the file's header; nothing for a column the file lacks.
using ColumnMap = std::array<std::optional<size_t>, kColumns.size()>;

// The first of a column given twice is read; each repeat is named in `repeats`.
ColumnMap MapColumns(const csv::SRecord& header, std::vector<std::string>& repeats)
{
    ColumnMap map;
    for (size_t position = 0; position < header.fields.size(); ++position) {
        const std::string name = TrimWhiteSpace(header.fields[position]);
        for (size_t column = 0; column < kColumns.size(); ++column) {
            if (!EqualsNoCase(name, kColumns[column])) {
                continue;
            }
            if (map[column]) {
                repeats.push_back("column " + std::string(kColumns[column]) + " is given again as column " +
                                  std::to_string(position + 1) + ", only column " +
                                  std::to_string(*map[column] + 1) + " is read");
            } else {
                map[column] = position;
            }
        }
    }
    return map;
}

std::optional<std::string> Cell(const csv::SRecord& record, const ColumnMap& map, EColumn column)
{
    const std::optional<size_t> position = map[column];
    if (!position) {
        return std::nullopt;
    }
    return *position < record.fields.size() ? record.fields[*position] : std::string();
}

std::string Join(const std::vector<std::string>& parts)
{
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) {
            text += "; ";
        }
        text += part;
    }
    return text;
}

// Why a row cannot be written at all; nothing when it can.
std::optional<std::string> RowProblem(const csv::SRecord& record, const ColumnMap& map,
                                      std::optional<CChannelId>& channel)
{
    const std::string location = TrimWhiteSpace(*Cell(record, map, kLocation));
    if (location.empty()) {
        return "no Location";
    }
    channel = channel_rows::ParseChannelLabel(location);
    if (!channel) {
        return "Location " + Quoted(location) + " is not a channel (0-99, P0A-P9B, CALL_...)";
    }
    const std::string frequency = TrimWhiteSpace(*Cell(record, map, kFrequency));
    if (frequency.empty()) {
        return "no Frequency";
    }
    const std::optional<int32_t> hertz = ParseExchangeMHz(frequency);
    if (!hertz || *hertz <= 0) {
        return "Frequency " + Quoted(frequency) + " cannot be stored";
    }
    if (const std::optional<std::string> duplex = Cell(record, map, kDuplex)) {
        const std::string text = TrimWhiteSpace(*duplex);
        if (!text.empty() && text != "-" && text != "+") {
            return "Duplex " + Quoted(text) + " cannot be stored";
        }
    }
    return std::nullopt;
}

} // namespace

std::string Export(ICommandTarget& data, bool all)
{
    std::string text = csv::Record({kColumns.begin(), kColumns.end()});
    const int rows = all ? channel_rows::kRowCount : channel_rows::kFirstEdgeRow;
    for (int row = 0; row < rows; ++row) {
        const CChannelId channel = channel_rows::ChannelOfRow(row);
        if (IsChannelBlank(data, channel)) {
            continue;
        }
        std::vector<std::string> fields(kColumns.size());
        fields[kLocation] = channel.IsMemory() ? std::to_string(channel.GetNumber())
                                               : channel_rows::ChannelLabel(data, channel);
        for (const SFieldColumn& column : kFieldColumns) {
            fields[column.column] = GetChannelField(data, channel, column.field);
        }
        fields[kDtcsCode] = kFixedDtcsCode;
        fields[kDtcsPolarity] = kFixedDtcsPolarity;
        fields[kRxDtcsCode] = kFixedDtcsCode;
        fields[kCrossMode] = kFixedCrossMode;
        fields[kTuningStep] = kFixedTuningStep;
        text += csv::Record(fields);
    }
    return text;
}

std::string FormatNote(const SNote& note)
{
    return "line " + std::to_string(note.line) + ": " + EscapeControlBytes(note.text);
}

SReport Import(ICommandTarget& data, std::string_view text, const SImportOptions& options)
{
    SReport report;
    if (text.size() > kLargestList) {
        report.readable = false;
        report.notes.push_back({1,
                                "the file holds " + std::to_string(text.size()) +
                                    " bytes, more than any channel list (" +
                                    std::to_string(kLargestList >> 20U) + " MiB), nothing imported",
                                true});
        return report;
    }
    csv::CReader reader(text);
    csv::SRecord record;
    bool found = false;
    while ((found = reader.Next(record)) && record.IsBlank()) {
    }
    if (!found) {
        report.readable = false;
        report.notes.push_back({1, "no header line, nothing imported", true});
        return report;
    }
    const int headerLine = record.line;
    std::vector<std::string> repeats;
    const ColumnMap map = MapColumns(record, repeats);
    for (EColumn required : {kLocation, kFrequency}) {
        if (!map[required]) {
            report.readable = false;
            report.notes.push_back(
                {headerLine, "no " + std::string(kColumns[required]) + " column, nothing imported", true});
        }
    }
    if (!report.readable) {
        return report;
    }
    if (!repeats.empty()) {
        report.notes.push_back({headerLine, Join(repeats), false});
    }

    std::map<int, int> lineOfChannel; // flat index -> line of the row that wrote it
    while (reader.Next(record)) {
        if (options.cancelled && options.cancelled()) {
            report.cancelled = true;
            break;
        }
        if (record.IsBlank()) {
            continue;
        }
        if (record.line == reader.UnclosedQuoteLine()) {
            report.notes.push_back(
                {record.line, "a quoted field is not closed" + std::string(kRowSkipped), true});
            ++report.skipped;
            // Every later line went into that field: name each that held a row.
            for (const int line : reader.SwallowedLines()) {
                report.notes.push_back({line,
                                        "inside the quoted field that line " + std::to_string(record.line) +
                                            " leaves open" + std::string(kRowSkipped),
                                        true});
                ++report.skipped;
            }
            continue;
        }
        std::optional<CChannelId> channel;
        if (const std::optional<std::string> problem = RowProblem(record, map, channel)) {
            report.notes.push_back({record.line, *problem + std::string(kRowSkipped), true});
            ++report.skipped;
            continue;
        }
        // A frequency the channel cannot hold (it would keep 0 MHz) is no row: the channel keeps what
        // it held, so that whatever is stored is also exported in a form that reads back.
        const std::string before = data.Execute(channel->Path() + std::string(keys::kAll));
        std::vector<SFieldAssignment> assignments;
        for (const SFieldColumn& column : kFieldColumns) {
            if (std::optional<std::string> cell = Cell(record, map, column.column)) {
                assignments.push_back({column.field, std::move(*cell)});
            }
        }
        std::vector<std::string> notes =
            WriteChannelFields(data, *channel, assignments, EChannelStart::FromDefaults);
        const std::optional<int32_t> stored =
            ParseExchangeMHz(GetChannelField(data, *channel, EChannelField::Frequency));
        if (!stored || *stored <= 0) {
            data.Execute(channel->Path() + std::string(keys::kAll) + "=" + before);
            report.notes.push_back({record.line,
                                    "Frequency " + Quoted(TrimWhiteSpace(*Cell(record, map, kFrequency))) +
                                        " cannot be stored" + std::string(kRowSkipped),
                                    true});
            ++report.skipped;
            continue;
        }
        const auto [earlier, first] = lineOfChannel.try_emplace(channel->FlatIndex(), record.line);
        if (!first) {
            notes.insert(notes.begin(), "Location " + TrimWhiteSpace(*Cell(record, map, kLocation)) +
                                            " is also on line " + std::to_string(earlier->second) +
                                            ", this row replaces it");
            earlier->second = record.line;
        }
        if (!notes.empty()) {
            report.notes.push_back({record.line, Join(notes), false});
        }
        ++report.stored;
    }
    return report;
}

} // namespace channel_csv
