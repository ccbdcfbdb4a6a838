#include "operations/channel_operations.h"

#include "channels/channel_rows.h"
#include "channels/command_keys.h"
#include "core/command_text.h"
#include "core/string_table.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace {

using namespace keys;
constexpr std::string_view kFrequencyHz = Dotted<kFrequency, kByNumber>;
constexpr std::string_view kRepeaterToneIndex = Dotted<kRepeaterTone, kByNumber>;
constexpr std::string_view kTsqlToneIndex = Dotted<kTsqlTone, kByNumber>;

// The list's labels, so texts name rows as the user sees them ("05", "P0A").
std::string Label(int row)
{
    return channel_rows::RowLabel(row, true);
}

// The user's copied channel is put aside while channels ride on the clipboard, and comes back after.
class CClipboardKeeper
{
public:
    explicit CClipboardKeeper(ICommandTarget& data) : m_data(data) { m_data.Execute(kClipboardSave); }
    ~CClipboardKeeper() { m_data.Execute(kClipboardRestore); }
    CClipboardKeeper(const CClipboardKeeper&) = delete;
    CClipboardKeeper& operator=(const CClipboardKeeper&) = delete;

private:
    ICommandTarget& m_data;
};

long long ReadNumber(const std::string& text)
{
    long long value = 0;
    ParseDecimal(text, value);
    return value;
}

// One channel's sort key. `present` is false for a channel without the key (no name, no tone).
struct SSortKey
{
    bool present = true;
    std::string name;
    long long primary = 0;
    long long secondary = 0;
};

int CompareKeys(const SSortKey& a, const SSortKey& b)
{
    if (const int byName = a.name.compare(b.name); byName != 0) {
        return byName < 0 ? -1 : 1;
    }
    if (a.primary != b.primary) {
        return a.primary < b.primary ? -1 : 1;
    }
    if (a.secondary != b.secondary) {
        return a.secondary < b.secondary ? -1 : 1;
    }
    return 0;
}

} // namespace

std::string CChannelOperations::Send(int row, std::string_view operation)
{
    return m_data.Execute(channel_rows::RowKeyPrefix(row) + std::string(operation));
}

std::string CChannelOperations::CheckRange(int first, int last)
{
    if (first < kFirstMemory || last > kLastMemory || first > last) {
        return FormatText(ids::kRangeRefusedFormat, {std::to_string(first), std::to_string(last),
                                                     Label(kFirstMemory), Label(kLastMemory)});
    }
    return {};
}

std::vector<CChannelOperations::SRowState> CChannelOperations::ReadRows(int first, int last)
{
    std::vector<SRowState> rows;
    rows.reserve(static_cast<size_t>(last - first) + 1);
    for (int row = first; row <= last; ++row) {
        rows.push_back({channel_rows::IsRowBlank(m_data, row), Send(row, kAll)});
    }
    return rows;
}

std::vector<int> CChannelOperations::ChangedRows(int first, const std::vector<SRowState>& before,
                                                 const std::vector<SRowState>& after)
{
    std::vector<int> changed;
    for (size_t i = 0; i < before.size() && i < after.size(); ++i) {
        const bool bothBlank = before[i].blank && after[i].blank;
        if (!bothBlank && before[i].all != after[i].all) {
            changed.push_back(first + static_cast<int>(i));
        }
    }
    return changed;
}

std::vector<int> CChannelOperations::RowsInUse(int first, int last)
{
    std::vector<int> rows;
    for (int row = first; row <= last; ++row) {
        if (!channel_rows::IsRowBlank(m_data, row)) {
            rows.push_back(row);
        }
    }
    return rows;
}

void CChannelOperations::BringForward(int to, int from)
{
    // The channel rides on the clipboard while Delete closes its row and Insert opens the target row;
    // Delete leaves the last memory channel blank and Insert then takes that blank back out, so the
    // rows after `from` end where they started.
    Send(from, kCopy);
    Send(from, kDelete);
    Send(to, kInsert);
    Send(to, kPaste);
    Send(to, kHeal);
}

SOperationResult CChannelOperations::Arrange(int first, int last, const std::vector<int>& order)
{
    // Everything after `first` up to the last memory channel rides along while channels are brought
    // forward, so compare all of it.
    const std::vector<SRowState> before = ReadRows(first, kLastMemory);
    const CClipboardKeeper keeper(m_data);
    std::vector<int> present(static_cast<size_t>(last - first + 1));
    std::iota(present.begin(), present.end(), first);
    for (size_t k = 0; k < order.size(); ++k) {
        const auto found =
            std::find(present.begin() + static_cast<std::ptrdiff_t>(k), present.end(), order[k]);
        if (found == present.end()) {
            continue;
        }
        const auto from = found - present.begin();
        if (static_cast<size_t>(from) == k) {
            continue;
        }
        BringForward(first + static_cast<int>(k), first + static_cast<int>(from));
        std::rotate(present.begin() + static_cast<std::ptrdiff_t>(k), found, found + 1);
    }
    SOperationResult result;
    result.changedRows = ChangedRows(first, before, ReadRows(first, kLastMemory));
    return result;
}

SOperationResult CChannelOperations::Sort(int first, int last, ESortKey key, ESortOrder order)
{
    SOperationResult result;
    result.refusal = CheckRange(first, last);
    if (result.Refused()) {
        return result;
    }
    struct SEntry
    {
        int row;
        SSortKey key;
    };
    std::vector<SEntry> entries;
    for (int row : RowsInUse(first, last)) {
        SSortKey k;
        switch (key) {
        case ESortKey::Frequency:
            k.primary = ReadNumber(Send(row, kFrequencyHz));
            break;
        case ESortKey::Name:
            k.name = channel_rows::RowName(m_data, row);
            k.present = !k.name.empty();
            break;
        case ESortKey::ToneThenFrequency: {
            const std::string mode = Send(row, kToneMode);
            std::optional<std::string_view> tone;
            if (EqualsNoCase(mode, kToneModeTone)) {
                tone = kRepeaterToneIndex;
            } else if (EqualsNoCase(mode, kToneModeTsql)) {
                tone = kTsqlToneIndex;
            }
            k.present = tone.has_value();
            // The tone table runs from the lowest tone up, so its positions sort as the tones do.
            k.primary = tone ? ReadNumber(Send(row, *tone)) : 0;
            k.secondary = ReadNumber(Send(row, kFrequencyHz));
            break;
        }
        }
        entries.push_back({row, std::move(k)});
    }
    const bool descending = order == ESortOrder::Descending;
    std::stable_sort(entries.begin(), entries.end(), [&](const SEntry& a, const SEntry& b) {
        if (a.key.present != b.key.present) {
            return a.key.present;
        }
        const int c = CompareKeys(a.key, b.key);
        return descending ? c > 0 : c < 0;
    });
    std::vector<int> rows;
    rows.reserve(entries.size());
    for (const SEntry& e : entries) {
        rows.push_back(e.row);
    }
    return Arrange(first, last, rows);
}

SOperationResult CChannelOperations::Compact(int first, int last)
{
    SOperationResult result;
    result.refusal = CheckRange(first, last);
    if (result.Refused()) {
        return result;
    }
    return Arrange(first, last, RowsInUse(first, last));
}

SOperationResult CChannelOperations::Move(int row, int delta)
{
    SOperationResult result;
    if (row < 0 || row >= channel_rows::kRowCount) {
        result.refusal = FormatText(ids::kMoveNoRowFormat, {std::to_string(row)});
    } else if (row > kLastMemory) {
        result.refusal = FormatText(ids::kMoveFixedRowFormat, {Label(row)});
    } else if (delta != -1 && delta != 1) {
        result.refusal = StringText(ids::kMoveOneRow);
    } else if (row + delta < kFirstMemory) {
        result.refusal = FormatText(ids::kMoveFirstFormat, {Label(row)});
    } else if (row + delta > kLastMemory) {
        result.refusal = FormatText(ids::kMoveLastFormat, {Label(row)});
    }
    if (result.Refused()) {
        return result;
    }
    const int upper = std::min(row, row + delta);
    if (channel_rows::IsRowBlank(m_data, upper) && channel_rows::IsRowBlank(m_data, upper + 1)) {
        return result;
    }
    return Arrange(upper, upper + 1, {upper + 1, upper});
}

bool CChannelOperations::CanFill(EChannelField field)
{
    return field != EChannelField::Frequency && field != EChannelField::Name;
}

SOperationResult CChannelOperations::Fill(int first, int last, EChannelField field, std::string_view value)
{
    SOperationResult result;
    result.refusal = CheckRange(first, last);
    if (!result.Refused() && !CanFill(field)) {
        result.refusal = FormatText(ids::kFillSameFormat, {ChannelFieldName(field)});
    }
    if (result.Refused()) {
        return result;
    }
    for (int row : RowsInUse(first, last)) {
        const CChannelId channel = channel_rows::ChannelOfRow(row);
        const std::string before = Send(row, kAll);
        const std::string old = GetChannelField(m_data, channel, field);
        const SFieldResult set = SetChannelField(m_data, channel, field, value);
        if (!set.stored) {
            // The text is no value of the field on any memory channel, so the first one tells.
            result.refusal = set.note;
            break;
        }
        Send(row, kHeal);
        const std::string now = GetChannelField(m_data, channel, field);
        if (now != set.value && field == EChannelField::Mode) {
            const std::string frequency = GetChannelField(m_data, channel, EChannelField::Frequency);
            SetChannelField(m_data, channel, field, old);
            Send(row, kHeal);
            result.skippedRows.push_back(
                {row, FormatText(ids::kFillModeRefusedFormat, {set.value, frequency})});
            continue;
        }
        if (now != set.value) {
            result.adjustedRows.push_back(
                {row, FormatText(ids::kFillStoredAsFormat, {ChannelFieldName(field), set.value, now})});
        } else if (!set.note.empty()) {
            result.adjustedRows.push_back({row, set.note});
        }
        if (Send(row, kAll) != before) {
            result.changedRows.push_back(row);
        }
    }
    return result;
}

std::vector<int> CChannelOperations::Find(std::string_view text)
{
    const std::string wanted = ToUpperAscii(TrimWhiteSpace(text));
    std::vector<int> rows;
    if (wanted.empty()) {
        return rows;
    }
    // A frequency may be typed with a decimal comma, as Edit Memory takes it.
    std::string wantedFrequency = wanted;
    std::replace(wantedFrequency.begin(), wantedFrequency.end(), ',', '.');
    for (int row = 0; row < channel_rows::kRowCount; ++row) {
        if (channel_rows::IsRowBlank(m_data, row)) {
            continue;
        }
        const std::string name = ToUpperAscii(channel_rows::RowName(m_data, row));
        const std::string frequency = TrimWhiteSpace(channel_rows::ReadRowField(m_data, row, kFrequency));
        if (name.find(wanted) != std::string::npos || frequency.starts_with(wantedFrequency)) {
            rows.push_back(row);
        }
    }
    return rows;
}
