#include "channels/channel_rows.h"

#include "channels/channel_record.h"
#include "channels/command_keys.h"
#include "core/channel_id.h"
#include "core/typed_fields.h"

#include <algorithm>
#include <cstdlib>

namespace channel_rows {

namespace {

constexpr std::array<std::string_view, 4> kCallLabels = {"CALL_50M", "CALL_144", "CALL_430", "CALL_1200"};
constexpr std::string_view kCallWfmLabel = "CALL_WFM";
constexpr std::string_view kNoName = "------";
constexpr std::string_view kNoSkip = "----";
constexpr std::string_view kSkipShown = "SKIP";

std::string OffAsEmpty(const std::string& text)
{
    return text == answer::kOff ? std::string() : text;
}

std::string DuplexText(std::string_view text)
{
    if (text == keys::kDupMinus) {
        return "-Dup";
    }
    if (text == keys::kDupPlus) {
        return "+Dup";
    }
    return {};
}

// Each digit repeated in the pattern's places ("0000.0000 ?", "1111.1111 ?", ...): digits need not be
// equally wide.
std::vector<std::string> EveryDigit(std::string_view pattern)
{
    std::vector<std::string> texts;
    for (char digit = '0'; digit <= '9'; ++digit) {
        std::string text(pattern);
        std::replace(text.begin(), text.end(), '0', digit);
        texts.push_back(std::move(text));
    }
    return texts;
}

std::vector<std::string> Entries(const CCodeList& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.Count(); ++i) {
        texts.push_back(list.Text(i));
    }
    return texts;
}

enum EColumn
{
    kLabelColumn,
    kFrequencyColumn,
    kDuplexColumn,
    kOffsetColumn,
    kNameColumn,
    kToneColumn,
    kRepeaterToneColumn,
    kTsqlToneColumn,
    kSkipColumn,
    kModeColumn,
};

} // namespace

std::vector<std::string> WidestCellTexts(int column)
{
    const SChannelValueLists& lists = SChannelValueLists::Shared();
    switch (column) {
    case kLabelColumn: {
        std::vector<std::string> labels{std::string(kCallWfmLabel)};
        for (int row = 0; row < kRowCount; ++row) {
            labels.push_back(RowLabel(row, true));
        }
        return labels;
    }
    case kFrequencyColumn:
        return EveryDigit("0000.0000 ?");
    case kDuplexColumn:
        return {DuplexText(keys::kDupMinus), DuplexText(keys::kDupPlus)};
    case kOffsetColumn:
        return EveryDigit("00.0000");
    case kNameColumn: {
        // The characters a name holds are those the name field keeps.
        std::vector<std::string> names{std::string(kNoName)};
        constexpr int kLength = static_cast<int>(CChannelRecord::kNameLength);
        CNameText name(kLength, kLength, CNameText::kRestricted);
        for (char c = '!'; c <= '~'; ++c) {
            name.SetText(std::string(CChannelRecord::kNameLength, c));
            if (!name.IsBlank()) {
                names.push_back(name.GetText());
            }
        }
        return names;
    }
    case kToneColumn:
        return Entries(lists.toneMode);
    case kRepeaterToneColumn:
    case kTsqlToneColumn: {
        std::vector<std::string> tones;
        for (int i = lists.tones.Lo(); i <= lists.tones.Hi(); ++i) {
            tones.push_back(lists.tones.Text(i));
        }
        return tones;
    }
    case kSkipColumn:
        return {std::string(kSkipShown), std::string(kNoSkip)};
    case kModeColumn:
        return Entries(lists.mode);
    default:
        return {};
    }
}

int EffectiveColumnWidth(int column, int storedWidth)
{
    int width = storedWidth;
    if (width == 0 && column >= 0 && column < kColumnCount) {
        width = kColumns[static_cast<size_t>(column)].defaultWidth;
    }
    return std::clamp(width, kMinColumnWidth, kMaxColumnWidth);
}

std::string RowKeyPrefix(int row)
{
    if (row < 0 || row >= kRowCount) {
        return {};
    }
    CChannelId id;
    if (row < kFirstEdgeRow) {
        id.Set(CChannelId::kMch, row);
    } else if (row < kFirstCallRow) {
        id.Set(CChannelId::kPch, row - kFirstEdgeRow);
    } else {
        id.Set(CChannelId::kCall, row - kFirstCallRow);
    }
    return id.Path();
}

std::string RowLabel(int row, bool hasBand50)
{
    if (row < 0 || row >= kRowCount) {
        return {};
    }
    if (row < kFirstEdgeRow) {
        std::string label = std::to_string(row);
        return label.size() < 2 ? "0" + label : label;
    }
    if (row < kFirstCallRow) {
        return "P" + CChannelId(CChannelId::kPch, row - kFirstEdgeRow).NumberText();
    }
    if (row == kFirstCallRow && !hasBand50) {
        return std::string(kCallWfmLabel);
    }
    return std::string(kCallLabels[static_cast<size_t>(row - kFirstCallRow)]);
}

std::string ReadRowField(ICommandTarget& data, int row, std::string_view key)
{
    return data.Execute(RowKeyPrefix(row) + std::string(key));
}

bool IsRowBlank(ICommandTarget& data, int row)
{
    return ReadRowField(data, row, keys::kAppear) == answer::kOff;
}

std::string RowLegalMark(ICommandTarget& data, int row)
{
    return ReadRowField(data, row, keys::kIsLegal) == answer::kNg ? std::string(kIllegalMark) : "";
}

std::string RowName(ICommandTarget& data, int row)
{
    return TrimRightWhiteSpace(ReadRowField(data, row, keys::kName));
}

bool HasBand50(ICommandTarget& data)
{
    return data.Execute(keys::Model(keys::kExist50)) == answer::kOk;
}

Cells BuildRow(ICommandTarget& data, int row)
{
    Cells cells;
    const bool blank = IsRowBlank(data, row);
    const bool isCall = row >= kFirstCallRow;
    const bool isEdgeOrCall = row >= kFirstEdgeRow;
    for (int c = 0; c < kColumnCount; ++c) {
        std::string text;
        if (c == 0 || !blank) {
            switch (c) {
            case 0:
                text = RowLabel(row, row == kFirstCallRow ? HasBand50(data) : true);
                break;
            case 1:
                text = ReadRowField(data, row, keys::kFrequency) + " " + RowLegalMark(data, row);
                break;
            case 2:
                text = DuplexText(ReadRowField(data, row, keys::kDuplex));
                break;
            case 3:
                text = ReadRowField(data, row, keys::kOffset);
                break;
            case 4:
                text = isCall ? std::string(kNoName) : RowName(data, row);
                break;
            case 5:
                text = OffAsEmpty(ReadRowField(data, row, keys::kToneMode));
                break;
            case 6:
                text = OffAsEmpty(ReadRowField(data, row, keys::kRepeaterTone));
                break;
            case 7:
                text = OffAsEmpty(ReadRowField(data, row, keys::kTsqlTone));
                break;
            case 8:
                if (isEdgeOrCall) {
                    text = kNoSkip;
                } else {
                    text =
                        ReadRowField(data, row, keys::kSkip) == answer::kOff ? "" : std::string(kSkipShown);
                }
                break;
            case 9:
                text = ReadRowField(data, row, keys::kMode);
                break;
            default:
                break;
            }
        }
        text = TrimWhiteSpace(text);
        if (text.size() > kMaxCellLength) {
            text.resize(kMaxCellLength);
        }
        cells[static_cast<size_t>(c)] = std::move(text);
    }
    return cells;
}

bool HasIllegalMark(const Cells& cells, std::string* frequency)
{
    const std::string& cell = cells[static_cast<size_t>(kFrequencyColumn)];
    const std::string suffix = " " + std::string(kIllegalMark);
    if (cell.size() <= suffix.size() ||
        cell.compare(cell.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return false;
    }
    if (frequency != nullptr) {
        *frequency = cell.substr(0, cell.size() - suffix.size());
    }
    return true;
}

std::optional<CChannelId> ParseChannelLabel(std::string_view label)
{
    const std::string text = TrimWhiteSpace(label);
    if (!text.empty() && text.size() <= 3 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        const int number = static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
        if (number < kFirstEdgeRow) {
            return CChannelId(CChannelId::kMch, number);
        }
        return std::nullopt;
    }
    for (int row = kFirstEdgeRow; row < kRowCount; ++row) {
        if (EqualsNoCase(text, RowLabel(row, true)) || EqualsNoCase(text, RowLabel(row, false))) {
            return ChannelOfRow(row);
        }
    }
    return std::nullopt;
}

std::string ChannelLabel(ICommandTarget& data, const CChannelId& channel)
{
    const int row = ChannelRow(channel);
    return RowLabel(row, row == kFirstCallRow ? HasBand50(data) : true);
}

int ChannelRow(const CChannelId& channel)
{
    switch (channel.GetKind()) {
    case CChannelId::kMch:
        return channel.GetNumber();
    case CChannelId::kPch:
        return kFirstEdgeRow + channel.GetNumber();
    case CChannelId::kCall:
        return kFirstCallRow + channel.GetNumber();
    default:
        return -1;
    }
}

CChannelId ChannelOfRow(int row)
{
    if (row >= kFirstCallRow) {
        return {CChannelId::kCall, row - kFirstCallRow};
    }
    if (row >= kFirstEdgeRow) {
        return {CChannelId::kPch, row - kFirstEdgeRow};
    }
    return {CChannelId::kMch, row};
}

} // namespace channel_rows
