#include "operations/written_channels.h"

#include "channels/channel_rows.h"
#include "channels/command_keys.h"
#include "core/string_table.h"

namespace {

constexpr int kFrequencyColumn = 1;
constexpr int kModeColumn = 9;

std::string Format(int id, const std::vector<std::string>& arguments)
{
    std::string text(StringText(id));
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string marker = "%" + std::to_string(i + 1);
        if (const size_t at = text.find(marker); at != std::string::npos) {
            text.replace(at, marker.size(), arguments[i]);
        }
    }
    return text;
}

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
        lines += channel.empty ? Format(ids::kIllegalChannelWrittenEmptyFormat, {channel.label})
                               : Format(ids::kIllegalChannelWrittenAsFormat,
                                        {channel.label, channel.frequency, channel.mode});
    }
    return Format(ids::kIllegalChannelsWritten, {lines});
}
