#include "operations/written_channels.h"

#include "channels/channel_rows.h"
#include "channels/command_keys.h"
#include "core/string_table.h"

namespace {

constexpr int kFrequencyColumn = 1;
constexpr int kModeColumn = 9;

} // namespace

std::vector<SWrittenChannel> IllegalChannelsAsWritten(ICommandTarget& data)
{
    std::vector<int> rows;
    std::vector<SWrittenChannel> channels;
    const bool hasBand50 = channel_rows::HasBand50(data);
    for (int row = 0; row < channel_rows::kRowCount; ++row) {
        if (!channel_rows::IsRowBlank(data, row) && !channel_rows::RowLegalMark(data, row).empty()) {
            rows.push_back(row);
            SWrittenChannel channel;
            channel.label = channel_rows::RowLabel(row, hasBand50);
            channels.push_back(channel);
        }
    }
    if (rows.empty()) {
        return channels;
    }
    // The rows are read from the image the write sends, then the user's image goes back.
    const std::string image = data.Execute(keys::kImage);
    const std::string sent = data.Execute(std::string(keys::kImage) + "." + std::string(keys::kWithSafety));
    const std::string put = std::string(keys::kImage) + "=";
    data.Execute(put + sent);
    for (size_t i = 0; i < rows.size(); ++i) {
        SWrittenChannel& channel = channels[i];
        channel.empty = channel_rows::IsRowBlank(data, rows[i]);
        if (!channel.empty) {
            const channel_rows::Cells cells = channel_rows::BuildRow(data, rows[i]);
            channel.frequency = TrimWhiteSpace(cells[kFrequencyColumn]);
            channel.mode = TrimWhiteSpace(cells[kModeColumn]);
        }
    }
    data.Execute(put + image);
    return channels;
}

std::string IllegalChannelsWarning(ICommandTarget& data)
{
    const std::vector<SWrittenChannel> channels = IllegalChannelsAsWritten(data);
    if (channels.empty()) {
        return {};
    }
    std::string lines;
    for (const SWrittenChannel& channel : channels) {
        if (!lines.empty()) {
            lines += '\n';
        }
        lines += channel.empty ? FormatText(ids::kIllegalChannelWrittenEmptyFormat, {channel.label})
                               : FormatText(ids::kIllegalChannelWrittenAsFormat,
                                            {channel.label, channel.frequency, channel.mode});
    }
    return FormatText(ids::kIllegalChannelsWritten, {lines});
}
