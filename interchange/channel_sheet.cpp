#include "interchange/channel_sheet.h"

#include "channels/channel_rows.h"
#include "channels/command_keys.h"
#include "channels/dtmf_memories.h"
#include "core/command_text.h"
#include "core/string_table.h"

#include <array>
#include <cstdio>
#include <initializer_list>

namespace channel_sheet {

namespace {

constexpr std::string_view kNoteSeparator = "; ";
constexpr std::string_view kIllegalMark = "?";

constexpr std::array<int, 3> kCoverage = {ids::kSheetCoverageNormal, ids::kSheetCoverageExpanded,
                                          ids::kSheetCoverageCellular};

constexpr int kMemoryRows = channel_rows::kFirstEdgeRow;
// The channel list's columns up to "Mode"; the filler column after it carries nothing.
constexpr int kChannelColumns = 10;
constexpr int kFrequencyColumn = 1;

// Numbers read right-aligned; everything else left.
constexpr std::array<EAlign, kChannelColumns> kChannelAlign = {
    EAlign::Left, EAlign::Right, EAlign::Left,  EAlign::Right, EAlign::Left,
    EAlign::Left, EAlign::Right, EAlign::Right, EAlign::Left,  EAlign::Left,
};

// ---- Common settings as the settings sheet shows them ----

struct SSwitch
{
    int labelId;
    std::string_view key;
    // Power save shows as on for anything but "OFF"; the others only for exactly "ON".
    bool onUnlessOff;
};

using keys::Dotted;
using keys::kCommon;

constexpr std::array<SSwitch, 4> kSwitches = {{
    {ids::kLabelBeep, Dotted<kCommon, keys::kBeep>, false},
    {ids::kLabelPowerSave, Dotted<kCommon, keys::kPowerSave>, true},
    {ids::kLabelVoltageIndication, Dotted<kCommon, keys::kVoltageIndication>, false},
    {ids::kLabelIndicationMode, Dotted<kCommon, keys::kNameDisplay>, false},
}};

// An answer word and the list text that shows it.
struct SShown
{
    std::string_view word;
    int textId;
};

struct SList
{
    int labelId;
    std::string_view key;
    std::initializer_list<SShown> shown;
    // Any other answer shows this text.
    int fallbackId;
};

const std::array<SList, 6> kLists = {{
    {ids::kLabelAutoPowerOff,
     Dotted<kCommon, keys::kAutoPowerOff>,
     {{keys::kPowerOff20, ids::kAutoPowerOff20},
      {keys::kPowerOff40, ids::kAutoPowerOff40},
      {keys::kPowerOff60, ids::kAutoPowerOff60}},
     ids::kAutoPowerOffOff},
    {ids::kLabelRfPower,
     Dotted<kCommon, keys::kRfPower>,
     {{keys::kHigh, ids::kRfPowerHigh}},
     ids::kRfPowerLow},
    {ids::kLabelScanTimer,
     Dotted<kCommon, keys::kScanStopAction>,
     {{keys::kScanTimer, ids::kScanPause10s}},
     ids::kScanPauseUntilSignal},
    {ids::kLabelMicFunction,
     Dotted<kCommon, keys::kMicFunction>,
     {{keys::kMicNormal2, ids::kMicNormal2}, {keys::kMicSimple, ids::kMicSimple}},
     ids::kMicNormal1},
    {ids::kLabelLcdContrast,
     Dotted<kCommon, keys::kLcdContrast>,
     {{keys::kLow, ids::kLcdLow}},
     ids::kLcdHigh},
    {ids::kLabelBacklight,
     Dotted<kCommon, keys::kBacklight>,
     {{answer::kOff, ids::kBacklightOff}, {answer::kOn, ids::kBacklightOn}},
     ids::kBacklightAuto},
}};
// The auto repeater list sits between RF power and the scan timer on the sheet.
constexpr size_t kAutoRepeaterPosition = 2;

constexpr std::string_view kModelCountry = Dotted<keys::kModel, keys::kCountry>;
constexpr std::string_view kModelExpand = Dotted<keys::kModel, keys::kExpand>;
constexpr std::string_view kAutoRepeaterKey = Dotted<kCommon, keys::kAutoRepeater>;
constexpr std::string_view kCommentKey = Dotted<kCommon, keys::kCloneComment>;
constexpr std::string_view kDtmfChannelKey = Dotted<kCommon, keys::kDtmfChannel>;
constexpr std::string_view kDtmfSpeedKey = Dotted<kCommon, keys::kDtmfSpeed>;

std::string Text(int id)
{
    return std::string(StringText(id));
}

std::string ShownListValue(ICommandTarget& data, const SList& list)
{
    const std::string answer = data.Execute(list.key);
    for (const SShown& shown : list.shown) {
        if (answer == shown.word) {
            return Text(shown.textId);
        }
    }
    return Text(list.fallbackId);
}

// Only Japan, Korea and the USA have an auto repeater; elsewhere the sheet shows "---" without asking.
std::string ShownAutoRepeater(ICommandTarget& data)
{
    const std::string country = data.Execute(kModelCountry);
    int offId = 0;
    if (country == keys::kCountryJapan || country == keys::kCountryKorea) {
        offId = ids::kAutoRepeaterOffJpn;
    } else if (country == keys::kCountryUsa) {
        offId = ids::kAutoRepeaterOffUsa;
    } else {
        return Text(ids::kAutoRepeaterNone);
    }
    const SList list = {ids::kLabelAutoRepeater,
                        kAutoRepeaterKey,
                        {{answer::kOn, ids::kAutoRepeaterOn},
                         {keys::kOn1, ids::kAutoRepeaterOn1},
                         {keys::kOn2, ids::kAutoRepeaterOn2}},
                        offId};
    return ShownListValue(data, list);
}

std::string DateText(std::chrono::year_month_day date)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return buffer;
}

std::string JoinNote(std::string note, std::string_view more)
{
    if (!note.empty() && !more.empty()) {
        note += kNoteSeparator;
    }
    return note += more;
}

SHeading BuildHeading(ICommandTarget& data, std::string_view documentName,
                      std::chrono::year_month_day printed)
{
    SHeading heading;
    heading.title = documentName.empty() ? Text(ids::kUntitled) : std::string(documentName);
    const std::string comment = TrimWhiteSpace(data.Execute(kCommentKey));
    if (!comment.empty()) {
        heading.comment = Text(ids::kLabelComment) + ": " + comment;
    }
    long long level = 0;
    if (!ParseDecimal(data.Execute(kModelExpand), level) || level < 0 ||
        level >= static_cast<long long>(kCoverage.size())) {
        level = 0;
    }
    heading.profile = FormatText(
        ids::kSheetProfileFormat,
        {StringText(ids::kMachineName), data.Execute(kModelCountry),
         StringText(kCoverage[static_cast<size_t>(level)]),
         StringText(channel_rows::HasBand50(data) ? ids::kSheetBandsWith50 : ids::kSheetBandsWithout50)});
    heading.printed = FormatText(ids::kSheetPrintedFormat, {DateText(printed)});
    return heading;
}

STable ChannelTable(std::string_view title)
{
    STable table;
    table.title = title;
    for (int c = 0; c < kChannelColumns; ++c) {
        const auto column = static_cast<size_t>(c);
        table.columns.push_back(
            {TrimWhiteSpace(channel_rows::kColumns[column].header), kChannelAlign[column]});
    }
    return table;
}

// Adds the rows from `first` to before `end`; blank ones only when `withBlank`. Returns the rows in use.
int AddChannelRows(ICommandTarget& data, STable& table, int first, int end, bool withBlank, bool& illegalSeen)
{
    int inUse = 0;
    for (int row = first; row < end; ++row) {
        const channel_rows::Cells cells = channel_rows::BuildRow(data, row);
        // A blank row shows only its label, so an empty frequency cell tells it without a second command.
        const bool blank = cells[kFrequencyColumn].empty();
        if (!blank) {
            ++inUse;
        }
        if (blank && !withBlank) {
            continue;
        }
        const std::string& frequency = cells[kFrequencyColumn];
        if (frequency.size() > kIllegalMark.size() &&
            frequency.compare(frequency.size() - kIllegalMark.size(), kIllegalMark.size(), kIllegalMark) ==
                0) {
            illegalSeen = true;
        }
        table.rows.emplace_back(cells.begin(), cells.begin() + kChannelColumns);
    }
    return inUse;
}

STable SettingsTable(ICommandTarget& data)
{
    STable table;
    table.title = Text(ids::kSheetSettingsTitle);
    table.columns = {{Text(ids::kSheetSettingHeader), EAlign::Left},
                     {Text(ids::kSheetValueHeader), EAlign::Left}};
    for (const SSwitch& item : kSwitches) {
        const std::string answer = data.Execute(item.key);
        const bool on = item.onUnlessOff ? answer != answer::kOff : answer == answer::kOn;
        table.rows.push_back({Text(item.labelId), Text(on ? ids::kSheetSwitchOn : ids::kSheetSwitchOff)});
    }
    for (size_t i = 0; i < kLists.size(); ++i) {
        if (i == kAutoRepeaterPosition) {
            table.rows.push_back({Text(ids::kLabelAutoRepeater), ShownAutoRepeater(data)});
        }
        table.rows.push_back({Text(kLists[i].labelId), ShownListValue(data, kLists[i])});
    }
    return table;
}

std::string DtmfMemoryLabel(std::string_view number)
{
    std::string label(StringText(ids::kDtmfMemoryFormat));
    const size_t place = label.find("%1");
    if (place != std::string::npos) {
        label.replace(place, 2, number);
    }
    return label;
}

STable DtmfTable(ICommandTarget& data)
{
    STable table;
    table.title = Text(ids::kSheetDtmfTitle);
    table.note = Text(ids::kDtmfChannelBox) + " " + DtmfMemoryLabel(data.Execute(kDtmfChannelKey)) +
                 std::string(kNoteSeparator) + Text(ids::kDtmfSpeedBox) + " " + data.Execute(kDtmfSpeedKey);
    table.columns = {{Text(ids::kSheetDtmfMemoryHeader), EAlign::Left},
                     {Text(ids::kSheetDtmfDigitsHeader), EAlign::Left}};
    for (int n = 1; n <= CDtmfMemories::kMemoryCount; ++n) {
        const std::string number = std::to_string(n);
        table.rows.push_back({DtmfMemoryLabel(number), data.Execute(keys::Path(keys::kDtmf, number))});
    }
    return table;
}

} // namespace

SSheet BuildSheet(ICommandTarget& data, std::string_view documentName, std::chrono::year_month_day printed,
                  const SOptions& options)
{
    SSheet sheet;
    sheet.heading = BuildHeading(data, documentName, printed);
    bool illegalSeen = false;

    STable memories = ChannelTable(Text(ids::kSheetMemoryTitle));
    const int inUse = AddChannelRows(data, memories, 0, kMemoryRows, options.blankChannels, illegalSeen);
    memories.note = FormatText(ids::kSheetInUseFormat, {std::to_string(inUse), std::to_string(kMemoryRows)});
    memories.emptyText = Text(ids::kSheetNoMemoryChannels);

    STable edges = ChannelTable(Text(ids::kSheetEdgeTitle));
    AddChannelRows(data, edges, channel_rows::kFirstEdgeRow, channel_rows::kFirstCallRow, false, illegalSeen);
    STable calls = ChannelTable(Text(ids::kSheetCallTitle));
    AddChannelRows(data, calls, channel_rows::kFirstCallRow, channel_rows::kRowCount, false, illegalSeen);

    if (illegalSeen) {
        memories.note = JoinNote(memories.note, Text(ids::kSheetIllegalLegend));
    }
    sheet.tables.push_back(std::move(memories));
    for (STable* table : {&edges, &calls}) {
        if (!table->rows.empty()) {
            sheet.tables.push_back(std::move(*table));
        }
    }
    if (options.commonSettings) {
        sheet.tables.push_back(SettingsTable(data));
    }
    if (options.dtmfMemories) {
        sheet.tables.push_back(DtmfTable(data));
    }
    return sheet;
}

std::string PageNumberText(int page, int pageCount)
{
    return FormatText(ids::kSheetPageFormat, {std::to_string(page), std::to_string(pageCount)});
}

} // namespace channel_sheet
