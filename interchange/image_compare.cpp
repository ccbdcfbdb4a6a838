#include "interchange/image_compare.h"

#include "channels/channel_rows.h"
#include "channels/command_keys.h"
#include "channels/dtmf_memories.h"
#include "core/command_text.h"
#include "core/rig/radio_data.h"

#include <array>
#include <string_view>

namespace {

constexpr std::string_view kBlank = "(blank)";
constexpr std::string_view kEmpty = "(empty)";
constexpr std::string_view kMemoryPlace = "MCH ";
constexpr std::string_view kCommonPlace = "COMMON";
constexpr std::string_view kDtmfPlace = "DTMF ";

// List columns whose empty cell means "off" on a channel in use.
constexpr int kDuplexColumn = 2;
constexpr int kToneColumn = 5;
constexpr int kSkipColumn = 8;
constexpr int kLastChannelColumn = 9;

struct SSetting
{
    std::string_view key;
    std::string_view name;
};

// The common settings by the names the settings sheet gives them, "Beep" short for its "Operation Beep".
constexpr std::array<SSetting, 14> kSettings = {{
    {keys::kBeep, "Beep"},
    {keys::kPowerSave, "Power Save"},
    {keys::kVoltageIndication, "Voltage Indication"},
    {keys::kNameDisplay, "Indication Mode"},
    {keys::kAutoPowerOff, "Auto Power-OFF"},
    {keys::kRfPower, "RF Power"},
    {keys::kAutoRepeater, "Auto Repeater"},
    {keys::kScanStopAction, "Scan Timer"},
    {keys::kMicFunction, "KQ18/A Function"},
    {keys::kLcdContrast, "LCD Contrast"},
    {keys::kBacklight, "Display Back Light"},
    {keys::kDtmfSpeed, "DTMF Speed"},
    {keys::kDtmfChannel, "DTMF Channel"},
    {keys::kCloneComment, "Comment"},
}};

std::string Shown(const std::string& text, bool inUse, int column)
{
    if (!text.empty()) {
        return text;
    }
    if (inUse && (column == kDuplexColumn || column == kToneColumn || column == kSkipColumn)) {
        return std::string(answer::kOff);
    }
    return std::string(kBlank);
}

std::string OrNone(const std::string& text, std::string_view none)
{
    return text.empty() ? std::string(none) : text;
}

void CompareChannels(ICommandTarget& left, ICommandTarget& right, std::vector<SImageDifference>& out)
{
    const bool band50 = channel_rows::HasBand50(left);
    for (int row = 0; row < channel_rows::kRowCount; ++row) {
        const channel_rows::Cells before = channel_rows::BuildRow(left, row);
        const channel_rows::Cells after = channel_rows::BuildRow(right, row);
        if (before == after) {
            continue;
        }
        const bool beforeInUse = !channel_rows::IsRowBlank(left, row);
        const bool afterInUse = !channel_rows::IsRowBlank(right, row);
        std::string place = channel_rows::RowLabel(row, band50);
        if (row < channel_rows::kFirstEdgeRow) {
            place.insert(0, kMemoryPlace);
        }
        for (int column = 1; column <= kLastChannelColumn; ++column) {
            const auto c = static_cast<size_t>(column);
            if (before[c] != after[c]) {
                out.push_back({place, TrimWhiteSpace(channel_rows::kColumns[c].header),
                               Shown(before[c], beforeInUse, column), Shown(after[c], afterInUse, column)});
            }
        }
    }
}

void CompareSettings(ICommandTarget& left, ICommandTarget& right, std::vector<SImageDifference>& out)
{
    for (const SSetting& setting : kSettings) {
        const std::string command = keys::Common(setting.key);
        const std::string before = TrimRightWhiteSpace(left.Execute(command));
        const std::string after = TrimRightWhiteSpace(right.Execute(command));
        if (before != after) {
            out.push_back({std::string(kCommonPlace), std::string(setting.name), OrNone(before, kBlank),
                           OrNone(after, kBlank)});
        }
    }
}

void CompareDtmf(ICommandTarget& left, ICommandTarget& right, std::vector<SImageDifference>& out)
{
    for (int n = 1; n <= CDtmfMemories::kMemoryCount; ++n) {
        const std::string command = keys::Path(keys::kDtmf, std::to_string(n));
        const std::string before = left.Execute(command);
        const std::string after = right.Execute(command);
        if (before != after) {
            out.push_back({std::string(kDtmfPlace) + std::to_string(n),
                           {},
                           OrNone(before, kEmpty),
                           OrNone(after, kEmpty)});
        }
    }
}

} // namespace

std::string FormatDifference(const SImageDifference& difference)
{
    std::string line = difference.place + "  ";
    if (!difference.field.empty()) {
        line += difference.field + " ";
    }
    return line + difference.before + " -> " + difference.after;
}

std::vector<SImageDifference> CompareDocuments(ICommandTarget& left, ICommandTarget& right)
{
    std::vector<SImageDifference> differences;
    CompareChannels(left, right, differences);
    CompareSettings(left, right, differences);
    CompareDtmf(left, right, differences);
    return differences;
}

std::string CompareWithFile(CRadioData& document, const std::string& path,
                            std::vector<SImageDifference>& differences)
{
    differences.clear();
    // No settings store: the other document must not store its profile as the user's setup.
    CL52RadioData other;
    other.MatchProfile(document.GetProfile(), false);
    std::string result = other.OpenDocument(path);
    if (result == answer::kOk) {
        differences = CompareDocuments(document, other);
    }
    return result;
}
