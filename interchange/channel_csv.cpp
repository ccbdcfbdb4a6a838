#include "interchange/channel_csv.h"

#include "channels/channel_rows.h"
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
    return "'" + std::string(text) + "'";
}

// The position of each known column in the file's header; nothing for a column the file lacks.
using ColumnMap = std::array<std::optional<size_t>, kColumns.size()>;

ColumnMap MapColumns(const csv::SRecord& header)
{
    ColumnMap map;
    for (size_t position = 0; position < header.fields.size(); ++position) {
        const std::string name = TrimWhiteSpace(header.fields[position]);
        for (size_t column = 0; column < kColumns.size(); ++column) {
            if (!map[column] && EqualsNoCase(name, kColumns[column])) {
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
    channel = ParseChannelLabel(location);
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
        const CChannelId channel = ChannelOfRow(row);
        if (IsChannelBlank(data, channel)) {
            continue;
        }
        std::vector<std::string> fields(kColumns.size());
        fields[kLocation] =
            channel.IsMemory() ? std::to_string(channel.GetNumber()) : ChannelLabel(data, channel);
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
    return "line " + std::to_string(note.line) + ": " + note.text;
}

SReport Import(ICommandTarget& data, std::string_view text)
{
    SReport report;
    const csv::SDocument document = csv::Read(text);
    auto record = document.records.begin();
    while (record != document.records.end() && record->IsBlank()) {
        ++record;
    }
    if (record == document.records.end()) {
        report.readable = false;
        report.notes.push_back({1, "no header line, nothing imported", true});
        return report;
    }
    const int headerLine = record->line;
    const ColumnMap map = MapColumns(*record);
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

    std::map<int, int> lineOfChannel; // flat index -> line of the row that wrote it
    for (++record; record != document.records.end(); ++record) {
        if (record->IsBlank()) {
            continue;
        }
        if (record->line == document.unclosedQuoteLine) {
            report.notes.push_back(
                {record->line, "a quoted field is not closed" + std::string(kRowSkipped), true});
            ++report.skipped;
            continue;
        }
        std::optional<CChannelId> channel;
        if (const std::optional<std::string> problem = RowProblem(*record, map, channel)) {
            report.notes.push_back({record->line, *problem + std::string(kRowSkipped), true});
            ++report.skipped;
            continue;
        }
        std::vector<std::string> notes;
        const auto [earlier, first] = lineOfChannel.try_emplace(channel->FlatIndex(), record->line);
        if (!first) {
            notes.push_back("Location " + TrimWhiteSpace(*Cell(*record, map, kLocation)) +
                            " is also on line " + std::to_string(earlier->second) + ", this row replaces it");
            earlier->second = record->line;
        }
        std::vector<SFieldAssignment> assignments;
        for (const SFieldColumn& column : kFieldColumns) {
            if (std::optional<std::string> cell = Cell(*record, map, column.column)) {
                assignments.push_back({column.field, std::move(*cell)});
            }
        }
        const std::vector<std::string> written =
            WriteChannelFields(data, *channel, assignments, EChannelStart::FromDefaults);
        notes.insert(notes.end(), written.begin(), written.end());
        if (!notes.empty()) {
            report.notes.push_back({record->line, Join(notes), false});
        }
        ++report.stored;
    }
    return report;
}

} // namespace channel_csv
