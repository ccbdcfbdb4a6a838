#include "core/string_table.h"
#include "operations/written_channels.h"
#include "test_document.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Puts the channels in use at a frequency the transceiver cannot hold.
void PutIllegal(CL52RadioData& data, const std::vector<std::string>& channels)
{
    for (const std::string& channel : channels) {
        data.Execute(channel + "FREQUENCY=1100");
        data.Execute(channel + "APPEAR=ON");
    }
    data.Execute("HEAL");
}

TEST(WrittenChannelsTest, SayWhatTheTransceiverGetsAndLeaveTheDataAsTheyWere)
{
    const struct
    {
        const char* name;
        std::vector<std::string> channels;
        std::vector<SWrittenChannel> written;
    } cases[] = {
        {"none", {}, {}},
        {"memory channels go out empty",
         {"CH.MCH.8.", "CH.MCH.12."},
         {{"08", true, "", ""}, {"12", true, "", ""}}},
        {"edges and call channels cannot be empty",
         {"CH.MCH.8.", "CH.PCH.0A.", "CH.CALL.144."},
         {{"08", true, "", ""}, {"P0A", false, "50.0000", "FM"}, {"CALL_144", false, "146.0100", "FM"}}},
    };
    for (const auto& c : cases) {
        CTestDocument document;
        PutIllegal(document.Data(), c.channels);
        const std::string image = document.Image();
        const std::string edited = document.Data().Execute("EDIT_FLAG");
        EXPECT_EQ(IllegalChannelsAsWritten(document.Data()), c.written) << c.name;
        EXPECT_EQ(document.Image(), image) << c.name;
        EXPECT_EQ(document.Data().Execute("EDIT_FLAG"), edited) << c.name;
        for (const std::string& channel : c.channels) {
            EXPECT_EQ(document.Data().Execute(channel + "FREQUENCY"), "1100.0000") << c.name;
        }
    }
}

TEST(WrittenChannelsTest, WarningHasALinePerChannel)
{
    CTestDocument document;
    EXPECT_EQ(IllegalChannelsWarning(document.Data()), "");
    PutIllegal(document.Data(), {"CH.MCH.8.", "CH.PCH.0A."});
    const std::vector<SWrittenChannel> written = IllegalChannelsAsWritten(document.Data());
    ASSERT_EQ(written.size(), 2U);
    std::string expected(StringText(ids::kIllegalChannelsWritten));
    std::string empty(StringText(ids::kIllegalChannelWrittenEmptyFormat));
    empty.replace(empty.find("%1"), 2, "08");
    std::string other(StringText(ids::kIllegalChannelWrittenAsFormat));
    other.replace(other.find("%1"), 2, "P0A");
    other.replace(other.find("%2"), 2, written[1].frequency);
    other.replace(other.find("%3"), 2, written[1].mode);
    expected.replace(expected.find("%1"), 2, empty + "\n" + other);
    EXPECT_EQ(IllegalChannelsWarning(document.Data()), expected);
}

} // namespace
