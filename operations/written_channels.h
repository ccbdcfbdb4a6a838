#pragma once

#include "core/command_text.h"

#include <string>
#include <vector>

// A channel in use that the transceiver cannot hold (the list marks it "?"), and what a write gives the
// transceiver in its place: a write heals such channels first, so a memory channel goes out empty and a
// program-scan edge or call channel, which cannot be empty, with the default contents.
struct SWrittenChannel
{
    // "08", "P0A", "CALL_WFM".
    std::string label;
    bool empty = false;
    // As the list shows the channel written, when it is not empty: "76.0000" and "WFM".
    std::string frequency;
    std::string mode;

    bool operator==(const SWrittenChannel&) const = default;
};

// Those channels in row order, read from the image a write would send. The data are left as they were.
std::vector<SWrittenChannel> IllegalChannelsAsWritten(ICommandTarget& data);

// The warning before a write that names each such channel and what the transceiver gets instead; empty
// when there is none.
std::string IllegalChannelsWarning(ICommandTarget& data);
