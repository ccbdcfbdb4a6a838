#include "../operations/test_document.h"
#include "channels/channel_rows.h"
#include "core/rig/radio_data.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Labels = std::vector<std::string>;

struct SIllegalCase
{
    const char* name;
    std::vector<std::string> commands;
    Labels expected;
};

// Default USA profile: 230-300 MHz and 1100 MHz are never allowed.
class IllegalRowLabels : public ::testing::TestWithParam<SIllegalCase>
{
};

TEST_P(IllegalRowLabels, NameTheChannelsInUseThatTheListMarks)
{
    CL52RadioData data;
    data.Initialize();
    for (const std::string& command : GetParam().commands) {
        data.Execute(command);
    }
    EXPECT_EQ(channel_rows::IllegalRowLabels(data), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IllegalRowLabels,
    ::testing::Values(
        SIllegalCase{"DefaultImage", {}, {}},
        SIllegalCase{"MemoryEdgeAndCall",
                     {"CH.PCH.3A.FREQUENCY=250", "CH.PCH.3A.APPEAR=ON", "CH.MCH.12.FREQUENCY=1100",
                      "CH.MCH.12.APPEAR=ON", "CH.MCH.8.FREQUENCY=250", "CH.MCH.8.APPEAR=ON",
                      "CH.CALL.430.FREQUENCY=250"},
                     {"08", "12", "P3A", "CALL_430"}},
        // A blank channel is written empty anyway: nothing of the user's is lost.
        SIllegalCase{"BlankChannelIsNotNamed", {"CH.MCH.9.FREQUENCY=250", "CH.MCH.9.APPEAR=OFF"}, {}}),
    [](const ::testing::TestParamInfo<SIllegalCase>& param) { return std::string(param.param.name); });

TEST(JoinRowLabels, SeparatesWithCommaAndBlank)
{
    EXPECT_EQ(channel_rows::JoinRowLabels({}), "");
    EXPECT_EQ(channel_rows::JoinRowLabels({"08"}), "08");
    EXPECT_EQ(channel_rows::JoinRowLabels({"08", "12", "P3A"}), "08, 12, P3A");
}

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
