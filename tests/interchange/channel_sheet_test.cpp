#include "../operations/test_document.h"
#include "channels/channel_rows.h"
#include "interchange/channel_sheet.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using channel_sheet::BuildSheet;
using channel_sheet::SOptions;
using channel_sheet::SSheet;
using channel_sheet::STable;
using testing::ElementsAre;

constexpr std::chrono::year_month_day kDate{std::chrono::year(2024), std::chrono::May, std::chrono::day(1)};

std::vector<std::string> Titles(const SSheet& sheet)
{
    std::vector<std::string> titles;
    for (const STable& table : sheet.tables) {
        titles.push_back(table.title);
    }
    return titles;
}

std::vector<std::string> Column(const STable& table, size_t column)
{
    std::vector<std::string> cells;
    for (const std::vector<std::string>& row : table.rows) {
        cells.push_back(row.at(column));
    }
    return cells;
}

void ClearMemoryChannels(CL52RadioData& data)
{
    for (int n = 0; n < 100; ++n) {
        data.Execute("CH.MCH." + std::to_string(n) + ".APPEAR=OFF");
    }
}

TEST(ChannelSheet, HeadingNamesTheDocumentItsCommentProfileAndDate)
{
    CTestDocument usa;
    const SSheet untitled = BuildSheet(usa.Data(), "", kDate, {});
    EXPECT_EQ(untitled.heading.title, "Untitled");
    EXPECT_EQ(untitled.heading.comment, "");
    EXPECT_EQ(untitled.heading.profile,
              "VL-L52, destination USA, normal coverage, bands 50/144/430/1200 MHz");
    EXPECT_EQ(untitled.heading.printed, "Printed 2024-05-01");

    CTestDocument europe(1, 2, 0);
    europe.Data().Execute("COMMON.CLONE_COMMENT=Club net 2");
    const SSheet named = BuildSheet(europe.Data(), "club.vlk", kDate, {});
    EXPECT_EQ(named.heading.title, "club.vlk");
    EXPECT_EQ(named.heading.comment, "Comment: Club net 2");
    EXPECT_EQ(named.heading.profile,
              "VL-L52, destination EUR, expanded coverage with the cellular bands, bands 144/430/1200 MHz");
    EXPECT_EQ(named.tables.at(2).rows.at(0).at(0), "CALL_WFM");
}

TEST(ChannelSheet, ChannelTablesCarryTheListTextsOfTheChannelsInUse)
{
    CTestDocument document;
    CL52RadioData& data = document.Data();
    ClearMemoryChannels(data);
    for (const char* command : {"CH.MCH.10.FREQUENCY=146.52", "CH.MCH.10.APPEAR=ON", "CH.MCH.10.NAME=SIMPLX",
                                "CH.MCH.10.TONE_SELECTION=TSQL", "CH.MCH.10.TSQL_FREQUENCY=100.0",
                                "CH.MCH.10.DUPLEX_SELECTION=Dup-", "CH.MCH.10.REPEATER_FREQUENCY=0.6",
                                "CH.MCH.10.REPEATER_TONE_FREQUENCY=88.5", "CH.MCH.10.SKIP=ON",
                                "CH.MCH.99.FREQUENCY=250", "CH.MCH.99.APPEAR=ON", "CH.PCH.0B.APPEAR=OFF"}) {
        data.Execute(command);
    }

    const SSheet sheet = BuildSheet(data, "a.vlk", kDate, {});
    ASSERT_THAT(Titles(sheet), ElementsAre("Memory channels", "Program-scan edges", "Call channels"));
    const STable& memories = sheet.tables[0];
    EXPECT_EQ(memories.columns.size(), 10u);
    EXPECT_EQ(memories.columns[3].header, "Offset freq.");
    EXPECT_EQ(memories.columns[9].header, "Mode") << "the list's trailing blanks are not printed";
    ASSERT_EQ(memories.rows.size(), 2u);
    for (size_t i = 0; i < memories.rows.size(); ++i) {
        const channel_rows::Cells cells = channel_rows::BuildRow(data, i == 0 ? 10 : 99);
        EXPECT_EQ(memories.rows[i], std::vector<std::string>(cells.begin(), cells.begin() + 10));
    }
    EXPECT_THAT(memories.rows[0], ElementsAre("10", "146.5200", "-Dup", "0.6000", "SIMPLX", "TSQL", "88.5",
                                              "100.0", "SKIP", "FM"));
    EXPECT_EQ(memories.rows[1][1], "250.0000 ?");
    EXPECT_EQ(memories.note, "2 of 100 in use; ? marks a channel the transceiver would not accept as it is.");

    EXPECT_THAT(Column(sheet.tables[1], 0), ElementsAre("P0A"));
    EXPECT_THAT(Column(sheet.tables[2], 0), ElementsAre("CALL_50M", "CALL_144", "CALL_430", "CALL_1200"));
    EXPECT_EQ(sheet.tables[2].rows[0][4], "------");

    SOptions withBlank;
    withBlank.blankChannels = true;
    const STable all = BuildSheet(data, "a.vlk", kDate, withBlank).tables[0];
    ASSERT_EQ(all.rows.size(), 100u);
    EXPECT_THAT(all.rows[5], ElementsAre("05", "", "", "", "", "", "", "", "", ""));
    EXPECT_EQ(all.rows[10], memories.rows[0]);

    data.Execute("CH.MCH.10.APPEAR=OFF");
    data.Execute("CH.MCH.99.APPEAR=OFF");
    const STable none = BuildSheet(data, "a.vlk", kDate, {}).tables[0];
    EXPECT_TRUE(none.rows.empty());
    EXPECT_EQ(none.note, "0 of 100 in use");
    EXPECT_EQ(none.emptyText, "No memory channels in use.");
}

TEST(ChannelSheet, OptionalSectionsShowSettingsAsTheSettingsSheetAndTheDtmfMemories)
{
    CTestDocument usa;
    CL52RadioData& data = usa.Data();
    for (const char* command :
         {"COMMON.BEEP=OFF", "COMMON.AUTO_POWER_OFF=40min", "COMMON.BACKLIGHT=ON", "COMMON.AUTO_REPEATER=ON2",
          "COMMON.SCAN_STOP_ACTION=P-2", "DTMF.3=12*#", "COMMON.DTMF_CH_NO=4", "COMMON.DTMF_SPEED=300ms"}) {
        data.Execute(command);
    }
    SOptions options;
    options.commonSettings = true;
    options.dtmfMemories = true;
    const SSheet sheet = BuildSheet(data, "", kDate, options);
    ASSERT_THAT(Titles(sheet), ElementsAre("Memory channels", "Program-scan edges", "Call channels",
                                           "Common settings", "DTMF memories"));
    const STable& settings = sheet.tables[3];
    EXPECT_THAT(Column(settings, 0),
                ElementsAre("Operation Beep", "Power Save", "Voltage Indication", "Indication Mode",
                            "Auto Power-OFF", "RF Power", "Auto Repeater", "Scan Timer", "KQ18/A Function",
                            "LCD Contrast", "Display Back Light"));
    EXPECT_THAT(Column(settings, 1),
                ElementsAre("Off", "On", "On", "Off", "40 min", "High", "ON2: Duplex & Tone",
                            "P-2: Pauses until signal", "Normal 1", "2: High", "On"));

    const STable& dtmf = sheet.tables[4];
    EXPECT_EQ(dtmf.note, "Channel Selection D4; Speed 300ms");
    EXPECT_THAT(Column(dtmf, 0), ElementsAre("D1", "D2", "D3", "D4", "D5", "D6", "D7", "D8", "D9"));
    EXPECT_EQ(dtmf.rows[2][1], "12EF");
    EXPECT_EQ(dtmf.rows[0][1], "");

    CTestDocument europe(1, 0, 0);
    SOptions settingsOnly;
    settingsOnly.commonSettings = true;
    const SSheet other = BuildSheet(europe.Data(), "", kDate, settingsOnly);
    EXPECT_EQ(other.tables.back().title, "Common settings");
    EXPECT_EQ(other.tables.back().rows[6][1], "---") << "no auto repeater outside Japan, Korea and the USA";
}

} // namespace
