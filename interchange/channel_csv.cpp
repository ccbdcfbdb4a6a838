#include "interchange/channel_csv.h"

#include "channels/channel_rows.h"
#include "channels/command_keys.h"
#include "channels/model_profile.h"
#include "core/byte_string.h"
#include "core/command_text.h"
#include "core/rig/radio_data.h"
#include "core/string_table.h"
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
                repeats.push_back(
                    FormatText(ids::kCsvColumnRepeatedFormat, {kColumns[column], std::to_string(position + 1),
                                                               std::to_string(*map[column] + 1)}));
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

constexpr std::string_view kSplit = "split";
constexpr int kMemoryChannels = channel_rows::kFirstEdgeRow;

// A row as read from the file, before it has a channel.
struct SRowPlan
{
    // The channel its Location names, with Location placement.
    std::optional<CChannelId> location;
    std::vector<SFieldAssignment> assignments;
    // A split row: the frequency it transmits on, and the note that says how it is stored.
    std::optional<int32_t> transmit;
    std::string splitNote;
};

void Assign(SRowPlan& plan, EChannelField field, std::string value)
{
    for (SFieldAssignment& assignment : plan.assignments) {
        if (assignment.field == field) {
            assignment.value = std::move(value);
            return;
        }
    }
    plan.assignments.push_back({field, std::move(value)});
}

// A split row transmits on the frequency in its Offset column. The channel keeps that as a duplex and
// an offset from the receive frequency; why it cannot when it cannot.
std::optional<std::string> ReadSplit(int32_t receive, const std::optional<std::string>& offset,
                                     SRowPlan& plan)
{
    const std::string text = offset ? TrimWhiteSpace(*offset) : std::string();
    const std::optional<int32_t> transmit = ParseExchangeMHz(text);
    if (!transmit || *transmit <= 0) {
        return FormatText(ids::kCsvSplitNoTransmitFormat,
                          {text.empty() ? std::string(StringText(ids::kCsvSplitOffsetBlank))
                                        : FormatText(ids::kCsvSplitOffsetNoneFormat, {Quoted(text)})});
    }
    const int32_t apart = *transmit - receive;
    const int32_t distance = apart < 0 ? -apart : apart;
    if (distance > CModelProfile::kMaxOffset) {
        return FormatText(ids::kCsvSplitTooFarFormat,
                          {FormatExchangeMHz(*transmit), FormatExchangeMHz(distance),
                           FormatExchangeMHz(CModelProfile::kMaxOffset)});
    }
    const std::string_view duplex = apart > 0 ? exchange::kDupPlus : apart < 0 ? exchange::kDupMinus : "";
    Assign(plan, EChannelField::Duplex, std::string(duplex));
    Assign(plan, EChannelField::Offset, FormatExchangeMHz(distance));
    plan.transmit = *transmit;
    plan.splitNote = FormatText(
        ids::kCsvSplitStoredFormat,
        {FormatExchangeMHz(*transmit),
         duplex.empty() ? std::string(StringText(ids::kCsvSplitNoDuplex))
                        : FormatText(ids::kCsvSplitDuplexFormat, {duplex, FormatExchangeMHz(distance)})});
    return std::nullopt;
}

// Why a row cannot be written at all; nothing when it can.
std::optional<std::string> ReadRow(const csv::SRecord& record, const ColumnMap& map, EPlacement placement,
                                   SRowPlan& plan)
{
    if (placement == EPlacement::Location) {
        const std::string location = TrimWhiteSpace(*Cell(record, map, kLocation));
        if (location.empty()) {
            return std::string(StringText(ids::kCsvNoLocation));
        }
        plan.location = channel_rows::ParseChannelLabel(location);
        if (!plan.location) {
            return FormatText(ids::kCsvLocationNotChannelFormat, {Quoted(location)});
        }
    }
    const std::string frequency = TrimWhiteSpace(*Cell(record, map, kFrequency));
    if (frequency.empty()) {
        return std::string(StringText(ids::kCsvNoFrequency));
    }
    const std::optional<int32_t> hertz = ParseExchangeMHz(frequency);
    if (!hertz || *hertz <= 0) {
        return FormatText(ids::kCsvFrequencyRefusedFormat, {Quoted(frequency)});
    }
    for (const SFieldColumn& column : kFieldColumns) {
        if (std::optional<std::string> cell = Cell(record, map, column.column)) {
            plan.assignments.push_back({column.field, std::move(*cell)});
        }
    }
    if (const std::optional<std::string> duplex = Cell(record, map, kDuplex)) {
        const std::string text = TrimWhiteSpace(*duplex);
        if (EqualsNoCase(text, kSplit)) {
            return ReadSplit(*hertz, Cell(record, map, kOffset), plan);
        }
        if (!text.empty() && text != exchange::kDupMinus && text != exchange::kDupPlus) {
            return FormatText(ids::kCsvDuplexRefusedFormat, {Quoted(text)});
        }
    }
    return std::nullopt;
}

// Why the channel cannot keep the row just written onto it; nothing when it can.
std::optional<std::string> StoredRowProblem(ICommandTarget& data, const CChannelId& channel,
                                            const csv::SRecord& record, const ColumnMap& map,
                                            const SRowPlan& plan, bool fitting)
{
    // A frequency the channel cannot hold (it would keep 0 MHz) is no row, so that whatever is stored
    // is also exported in a form that reads back.
    const std::optional<int32_t> stored =
        ParseExchangeMHz(GetChannelField(data, channel, EChannelField::Frequency));
    if (!stored || *stored <= 0) {
        return FormatText(ids::kCsvFrequencyRefusedFormat,
                          {Quoted(TrimWhiteSpace(*Cell(record, map, kFrequency)))});
    }
    if (plan.transmit) {
        const int32_t offset = *ParseExchangeMHz(GetChannelField(data, channel, EChannelField::Offset));
        const std::string duplex = GetChannelField(data, channel, EChannelField::Duplex);
        const int32_t sent = duplex == exchange::kDupPlus    ? *stored + offset
                             : duplex == exchange::kDupMinus ? *stored - offset
                                                             : *stored;
        if (sent != *plan.transmit) {
            return FormatText(ids::kCsvSplitCannotHoldFormat,
                              {FormatExchangeMHz(*plan.transmit), FormatExchangeMHz(sent)});
        }
    }
    if (fitting && data.Execute(channel.Path() + std::string(keys::kIsLegal)) == answer::kNg) {
        return FormatText(ids::kCsvOutsideBandsFormat, {FormatExchangeMHz(*stored)});
    }
    return std::nullopt;
}

// Hands out the memory channels that Order and Free placement put rows on, in turn.
class CChannelSupply
{
public:
    CChannelSupply(ICommandTarget& data, const SImportOptions& options)
        : m_data(data), m_free(options.placement == EPlacement::Free), m_next(options.from)
    {
    }

    // The channel for the next row; nothing when none is left.
    std::optional<CChannelId> Next()
    {
        while (m_free && m_next < kMemoryChannels &&
               !IsChannelBlank(m_data, channel_rows::ChannelOfRow(m_next))) {
            ++m_next;
        }
        if (m_next < 0 || m_next >= kMemoryChannels) {
            return std::nullopt;
        }
        return channel_rows::ChannelOfRow(m_next);
    }
    // A row went onto the channel Next answered.
    void Take() { ++m_next; }

private:
    ICommandTarget& m_data;
    bool m_free;
    int m_next;
};

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

std::optional<EPlacement> FindPlacement(std::string_view name)
{
    for (size_t i = 0; i < kPlacementNames.size(); ++i) {
        if (EqualsNoCase(name, kPlacementNames[i])) {
            return static_cast<EPlacement>(i);
        }
    }
    return std::nullopt;
}

std::string FormatNote(const SNote& note)
{
    return FormatText(ids::kCsvNoteFormat, {std::to_string(note.line), EscapeControlBytes(note.text)});
}

SReport Import(ICommandTarget& data, std::string_view text, const SImportOptions& options)
{
    SReport report;
    if (text.size() > kLargestList) {
        report.readable = false;
        report.notes.push_back({1,
                                FormatText(ids::kCsvTooLargeFormat, {std::to_string(text.size()),
                                                                     std::to_string(kLargestList >> 20U)}),
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
        report.notes.push_back({1, std::string(StringText(ids::kCsvNoHeader)), true});
        return report;
    }
    const int headerLine = record.line;
    std::vector<std::string> repeats;
    const ColumnMap map = MapColumns(record, repeats);
    for (EColumn required : {kLocation, kFrequency}) {
        if (!map[required] && (required != kLocation || options.placement == EPlacement::Location)) {
            report.readable = false;
            report.notes.push_back(
                {headerLine, FormatText(ids::kCsvNoColumnFormat, {kColumns[required]}), true});
        }
    }
    if (!report.readable) {
        return report;
    }
    if (!repeats.empty()) {
        report.notes.push_back({headerLine, Join(repeats), false});
    }

    const auto skip = [&report, &options](int line, const std::string& why) {
        report.notes.push_back({line, FormatText(ids::kCsvRowSkippedFormat, {why}), true});
        ++report.skipped;
        if (options.listRows) {
            SImportRow row;
            row.line = line;
            row.note = report.notes.back().text;
            report.rows.push_back(std::move(row));
        }
    };
    CChannelSupply supply(data, options);
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
            skip(record.line, std::string(StringText(ids::kCsvQuoteNotClosed)));
            // Every later line went into that field: name each that held a row.
            for (const int line : reader.SwallowedLines()) {
                skip(line, FormatText(ids::kCsvInsideQuoteFormat, {std::to_string(record.line)}));
            }
            continue;
        }
        SRowPlan plan;
        if (const std::optional<std::string> problem = ReadRow(record, map, options.placement, plan)) {
            skip(record.line, *problem);
            continue;
        }
        const std::optional<CChannelId> target =
            options.placement == EPlacement::Location ? plan.location : supply.Next();
        // A row that finds no channel is still tried, on the last memory channel, so that a row the
        // transceiver could not take anyway says so rather than that there was no room.
        const CChannelId channel = target ? *target : channel_rows::ChannelOfRow(kMemoryChannels - 1);
        const bool inUse = !IsChannelBlank(data, channel);
        const std::string before = data.Execute(channel.Path() + std::string(keys::kAll));
        std::vector<std::string> notes =
            WriteChannelFields(data, channel, plan.assignments, EChannelStart::FromDefaults);
        std::optional<std::string> problem =
            StoredRowProblem(data, channel, record, map, plan, options.fitting);
        if (!problem && !target) {
            problem = std::string(StringText(ids::kCsvNoFreeChannel));
        }
        if (problem) {
            data.Execute(channel.Path() + std::string(keys::kAll) + "=" + before);
            skip(record.line, *problem);
            continue;
        }
        supply.Take();
        if (!plan.splitNote.empty()) {
            notes.insert(notes.begin(), plan.splitNote);
        }
        const auto [earlier, first] = lineOfChannel.try_emplace(channel.FlatIndex(), record.line);
        if (!first) {
            notes.insert(notes.begin(), FormatText(ids::kCsvLocationRepeatedFormat,
                                                   {TrimWhiteSpace(*Cell(record, map, kLocation)),
                                                    std::to_string(earlier->second)}));
            earlier->second = record.line;
        }
        if (!notes.empty()) {
            report.notes.push_back({record.line, Join(notes), false});
        }
        ++report.stored;
        if (options.listRows) {
            SImportRow row;
            row.line = record.line;
            row.channel = channel;
            row.overwrites = inUse && first;
            for (const EChannelField field : kChannelFields) {
                row.fields[static_cast<size_t>(field)] = GetChannelField(data, channel, field);
            }
            row.note = notes.empty() ? std::string() : report.notes.back().text;
            report.rows.push_back(std::move(row));
        }
    }
    return report;
}

SImportPreview PreviewImport(ICommandTarget& data, std::string_view text, SImportOptions options)
{
    CL52RadioData scratch;
    for (const std::string& key : {keys::Path(keys::Model(keys::kCountry), keys::kByNumber),
                                   keys::Model(keys::kExpand), keys::Model(keys::kMatrix50)}) {
        scratch.Execute(key + "=" + data.Execute(key));
    }
    scratch.Execute(std::string(keys::kImage) + "=" + data.Execute(keys::kImage));
    options.listRows = true;
    SImportPreview preview;
    preview.report = Import(scratch, text, options);
    preview.image = scratch.Execute(keys::kImage);
    return preview;
}

} // namespace channel_csv
