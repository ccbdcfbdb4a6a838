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

} // namespace
