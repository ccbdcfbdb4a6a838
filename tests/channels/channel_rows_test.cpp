#include "../operations/test_document.h"
#include "channels/channel_rows.h"
#include "core/rig/radio_data.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(ChannelLabels, ReadAndWrittenAsTheListShowsThem)
{
    struct SCase
    {
        const char* label;
        std::optional<CChannelId> channel;
    };
    const SCase cases[] = {
        {"10", CChannelId(CChannelId::kMch, 10)},
        {"5", CChannelId(CChannelId::kMch, 5)},
        {"05", CChannelId(CChannelId::kMch, 5)},
        {"99", CChannelId(CChannelId::kMch, 99)},
        {"P3A", CChannelId(CChannelId::kPch, 6)},
        {"p3b", CChannelId(CChannelId::kPch, 7)},
        {"CALL_144", CChannelId(CChannelId::kCall, 1)},
        {"CALL_50M", CChannelId(CChannelId::kCall, 0)},
        {"call_wfm", CChannelId(CChannelId::kCall, 0)},
        {"CALL_1200", CChannelId(CChannelId::kCall, 3)},
        {"100", std::nullopt},
        {"-1", std::nullopt},
        {"P", std::nullopt},
        {"P10A", std::nullopt},
        {"", std::nullopt},
        {"VFO", std::nullopt},
    };
    for (const SCase& c : cases) {
        EXPECT_EQ(channel_rows::ParseChannelLabel(c.label), c.channel) << c.label;
    }
    CTestDocument withoutBand50(5, 0, 0);
    EXPECT_EQ(channel_rows::ChannelLabel(withoutBand50.Data(), CChannelId(CChannelId::kCall, 0)), "CALL_WFM");
    EXPECT_EQ(channel_rows::ChannelLabel(withoutBand50.Data(), CChannelId(CChannelId::kMch, 7)), "07");
}

} // namespace
