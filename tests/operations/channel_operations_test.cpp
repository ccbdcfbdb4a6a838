#include "channels/channel_rows.h"
#include "core/command_text.h"
#include "core/rig/radio_data.h"
#include "core/settings_store.h"
#include "operations/channel_operations.h"
#include "test_document.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

// A document whose memory channels are all blank, with helpers to put channels in use and describe rows.
class ChannelOperationsTest : public ::testing::Test
{
protected:
    // A transceiver with the 50 MHz band, so some channels allow both FM and AM.
    ChannelOperationsTest() : m_data(&m_store), m_operations(m_data)
    {
        m_store.SetInt(settings::kSetupInfo, settings::kSetupDone, 1);
        m_store.SetInt(settings::kSetupInfo, settings::kOptionFlags, 2);
        m_data.Initialize();
        for (int row = 0; row <= CChannelOperations::kLastMemory; ++row) {
            Send(row, "CLEAR");
        }
    }

    std::string Send(int row, const std::string& command)
    {
        return m_data.Execute(channel_rows::RowKeyPrefix(row) + command);
    }

    // Puts the row's channel in use with the given field commands over plain values, repaired as the
    // dialog leaves it. A cleared channel still holds its old fields, so every one is set.
    void Put(int row, std::initializer_list<std::string> fields)
    {
        for (const char* plain :
             {"APPEAR=ON", "NAME= ", "SKIP=OFF", "MODE=FM", "DUPLEX_SELECTION=OFF", "REPEATER_FREQUENCY=0",
              "TONE_SELECTION=OFF", "REPEATER_TONE_FREQUENCY.ByNumber=0", "TSQL_FREQUENCY.ByNumber=0"}) {
            Send(row, plain);
        }
        for (const std::string& field : fields) {
            Send(row, field);
        }
        Send(row, "HEAL");
    }

    // "-" for a blank row, else the frequency and the name ("145.5000 ABC").
    std::string Describe(int row)
    {
        if (channel_rows::IsRowBlank(m_data, row)) {
            return "-";
        }
        return TrimWhiteSpace(Send(row, "FREQUENCY") + " " + channel_rows::RowName(m_data, row));
    }

    std::vector<std::string> DescribeRows(int first, int last)
    {
        std::vector<std::string> rows;
        for (int row = first; row <= last; ++row) {
            rows.push_back(Describe(row));
        }
        return rows;
    }

    std::vector<std::string> AllRows()
    {
        std::vector<std::string> rows;
        for (int row = 0; row < channel_rows::kRowCount; ++row) {
            rows.push_back(Send(row, "ALL"));
        }
        return rows;
    }

    // The operations leave repaired channels: a full heal finds nothing more to change.
    void ExpectHealed()
    {
        const std::vector<std::string> before = AllRows();
        const std::string image = m_data.Execute("IMAGE");
        m_data.Execute("HEAL");
        EXPECT_EQ(AllRows(), before);
        EXPECT_EQ(m_data.Execute("IMAGE"), image);
    }

    CMemorySettingsStore m_store;
    CL52RadioData m_data;
    CChannelOperations m_operations;
};

using Rows = std::vector<std::string>;
using Changed = std::vector<int>;

TEST_F(ChannelOperationsTest, SortsEachKeyWithBlanksLastAndEqualKeysInOrder)
{
    struct SCase
    {
        const char* what;
        ESortKey key;
        ESortOrder order;
        Rows expected;
    };
    // Rows 10-17 as put below; 9 and 18 lie outside the range and must stay.
    const SCase cases[] = {
        {"frequency",
         ESortKey::Frequency,
         ESortOrder::Ascending,
         {"144.5000 TSQLB", "145.0000 EQ1", "145.0000 EQ2", "145.0000", "146.0000 TONEA", "433.0000 TSQLA",
          "-", "-"}},
        {"frequency, descending",
         ESortKey::Frequency,
         ESortOrder::Descending,
         {"433.0000 TSQLA", "146.0000 TONEA", "145.0000 EQ1", "145.0000 EQ2", "145.0000", "144.5000 TSQLB",
          "-", "-"}},
        {"name, unnamed last",
         ESortKey::Name,
         ESortOrder::Ascending,
         {"145.0000 EQ1", "145.0000 EQ2", "146.0000 TONEA", "433.0000 TSQLA", "144.5000 TSQLB", "145.0000",
          "-", "-"}},
        {"name, descending, unnamed still last",
         ESortKey::Name,
         ESortOrder::Descending,
         {"144.5000 TSQLB", "433.0000 TSQLA", "146.0000 TONEA", "145.0000 EQ2", "145.0000 EQ1", "145.0000",
          "-", "-"}},
        {"tone then frequency, no tone last",
         ESortKey::ToneThenFrequency,
         ESortOrder::Ascending,
         {"433.0000 TSQLA", "144.5000 TSQLB", "146.0000 TONEA", "145.0000 EQ1", "145.0000 EQ2", "145.0000",
          "-", "-"}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.what);
        for (int row = 9; row <= 18; ++row) {
            Send(row, "CLEAR");
        }
        Put(9, {"FREQUENCY=140.0", "NAME=OUT1"});
        Put(10, {"FREQUENCY=146.0", "NAME=TONEA", "TONE_SELECTION=TONE", "REPEATER_TONE_FREQUENCY=88.5",
                 "TSQL_FREQUENCY=67.0"});
        Put(11, {"FREQUENCY=145.0", "NAME=EQ1"});
        Put(13, {"FREQUENCY=433.0", "NAME=TSQLA", "TONE_SELECTION=TSQL", "TSQL_FREQUENCY=77.0",
                 "REPEATER_TONE_FREQUENCY=254.1"});
        Put(14, {"FREQUENCY=145.0", "NAME=EQ2"});
        Put(15, {"FREQUENCY=144.5", "NAME=TSQLB", "TONE_SELECTION=TSQL", "TSQL_FREQUENCY=88.5"});
        Put(17, {"FREQUENCY=145.0"});
        Put(18, {"FREQUENCY=141.0", "NAME=OUT2"});

        const SOperationResult result = m_operations.Sort(10, 17, c.key, c.order);
        EXPECT_FALSE(result.Refused()) << result.refusal;
        EXPECT_EQ(DescribeRows(10, 17), c.expected);
        EXPECT_EQ(Describe(9), "140.0000 OUT1");
        EXPECT_EQ(Describe(18), "141.0000 OUT2");
        ExpectHealed();
    }
}

TEST_F(ChannelOperationsTest, SortReportsTheRowsThatChangedAndLeavesTheRestOfTheListAlone)
{
    Put(0, {"FREQUENCY=145.0"});
    Put(1, {"FREQUENCY=144.0"});
    Put(3, {"FREQUENCY=146.0"});
    for (int row = 5; row <= CChannelOperations::kLastMemory; ++row) {
        Put(row, {"FREQUENCY.ByNumber=" + std::to_string(430000000 + 25000 * row),
                  "NAME=R" + std::to_string(row)});
    }
    const std::vector<std::string> tail = DescribeRows(5, CChannelOperations::kLastMemory);
    const std::string edge = Send(100, "ALL");

    EXPECT_EQ(m_operations.Sort(0, 4, ESortKey::Frequency).changedRows, (Changed{0, 1, 2, 3}));
    EXPECT_EQ(DescribeRows(0, 4), (Rows{"144.0000", "145.0000", "146.0000", "-", "-"}));
    EXPECT_EQ(DescribeRows(5, CChannelOperations::kLastMemory), tail) << "a full table after the range";
    EXPECT_EQ(Send(100, "ALL"), edge);

    const std::string image = m_data.Execute("IMAGE");
    EXPECT_TRUE(m_operations.Sort(0, 4, ESortKey::Frequency).changedRows.empty());
    EXPECT_EQ(m_data.Execute("IMAGE"), image) << "a sorted range is left byte for byte";
}

TEST_F(ChannelOperationsTest, CompactClosesGapsInOrder)
{
    Put(20, {"FREQUENCY=146.0", "NAME=B"});
    Put(22, {"FREQUENCY=145.0", "NAME=A"});
    Put(25, {"FREQUENCY=147.0", "NAME=C"});
    Put(27, {"FREQUENCY=140.0", "NAME=OUT"});

    const SOperationResult result = m_operations.Compact(19, 26);
    EXPECT_EQ(DescribeRows(19, 27),
              (Rows{"146.0000 B", "145.0000 A", "147.0000 C", "-", "-", "-", "-", "-", "140.0000 OUT"}));
    EXPECT_EQ(result.changedRows, (Changed{19, 20, 21, 22, 25}));
    ExpectHealed();

    EXPECT_TRUE(m_operations.Compact(19, 26).changedRows.empty());
}

TEST_F(ChannelOperationsTest, RangesOutsideTheMemoryChannelsAreRefused)
{
    Put(5, {"FREQUENCY=145.0"});
    const std::string image = m_data.Execute("IMAGE");
    for (const auto& [first, last] : {std::pair{-1, 10}, std::pair{0, 100}, std::pair{20, 10}}) {
        EXPECT_TRUE(m_operations.Sort(first, last, ESortKey::Name).Refused()) << first << "-" << last;
        EXPECT_TRUE(m_operations.Compact(first, last).Refused()) << first << "-" << last;
    }
    EXPECT_EQ(m_data.Execute("IMAGE"), image);
}

TEST_F(ChannelOperationsTest, MoveSwapsWholeChannelsAndStopsAtTheEnds)
{
    Put(0, {"FREQUENCY=145.0", "NAME=FIRST"});
    Put(40, {"FREQUENCY=439.5", "NAME=RPT", "SKIP=ON", "MODE=FM Narrow", "DUPLEX_SELECTION=Dup-",
             "REPEATER_FREQUENCY=7.6", "TONE_SELECTION=TONE", "REPEATER_TONE_FREQUENCY=88.5",
             "TSQL_FREQUENCY=103.5"});
    Put(41, {"FREQUENCY=145.5"});
    Put(99, {"FREQUENCY=146.0", "NAME=LAST"});
    const std::string moved = Send(40, "ALL");
    const std::string image = m_data.Execute("IMAGE");

    struct SRefusal
    {
        int row;
        int delta;
    };
    for (const SRefusal& r : {SRefusal{0, -1}, SRefusal{99, 1}, SRefusal{100, 1}, SRefusal{123, -1},
                              SRefusal{40, 2}, SRefusal{40, 0}, SRefusal{124, -1}}) {
        const SOperationResult result = m_operations.Move(r.row, r.delta);
        EXPECT_TRUE(result.Refused()) << r.row << " by " << r.delta;
        EXPECT_TRUE(result.changedRows.empty());
    }
    EXPECT_EQ(m_operations.Move(0, -1).refusal, "00 is the first memory channel: it cannot move up.");
    EXPECT_EQ(m_operations.Move(99, 1).refusal, "99 is the last memory channel: it cannot move down.");
    EXPECT_EQ(m_data.Execute("IMAGE"), image);

    EXPECT_EQ(m_operations.Move(40, 1).changedRows, (Changed{40, 41}));
    EXPECT_EQ(Send(41, "ALL"), moved) << "every field travels";
    EXPECT_EQ(Describe(40), "145.5000");
    EXPECT_EQ(m_operations.Move(41, 1).changedRows, (Changed{41, 42}));
    EXPECT_EQ(Describe(41), "-");
    EXPECT_EQ(m_operations.Move(42, -1).changedRows, (Changed{41, 42}));
    EXPECT_EQ(m_operations.Move(41, -1).changedRows, (Changed{40, 41}));
    EXPECT_EQ(Send(40, "ALL"), moved);
    EXPECT_EQ(m_data.Execute("IMAGE"), image) << "moved back, byte for byte";
    EXPECT_TRUE(m_operations.Move(60, 1).changedRows.empty()) << "two blank channels";
    ExpectHealed();
}

TEST_F(ChannelOperationsTest, OperationsThatMoveChannelsLeaveTheUsersClipboardAsItWas)
{
    struct SCase
    {
        const char* what;
        SOperationResult (*run)(CChannelOperations& operations);
    };
    const SCase cases[] = {
        {"sort", [](CChannelOperations& o) { return o.Sort(0, 99, ESortKey::Frequency); }},
        {"compact", [](CChannelOperations& o) { return o.Compact(0, 99); }},
        {"move", [](CChannelOperations& o) { return o.Move(3, 1); }},
    };
    for (const SCase& c : cases) {
        Put(2, {"FREQUENCY=146.0", "NAME=B"});
        Put(3, {"FREQUENCY=145.0", "NAME=A"});
        Put(5, {"FREQUENCY=144.5", "NAME=COPIED", "MODE=AM", "TONE_SELECTION=TSQL"});
        Send(5, "COPY");
        const std::string copied = Send(5, "ALL");
        Send(5, "CLEAR");

        EXPECT_FALSE(c.run(m_operations).changedRows.empty()) << c.what;
        EXPECT_EQ(Send(60, "PASTE.CHECK"), "OK") << c.what;
        Send(60, "PASTE");
        EXPECT_EQ(Send(60, "ALL"), copied) << c.what << ": the copied channel, not one that moved";
        for (int row = 0; row <= CChannelOperations::kLastMemory; ++row) {
            Send(row, "CLEAR");
        }
    }
    // Nothing copied before: nothing to paste after, even though channels rode on the clipboard.
    CTestDocument fresh;
    CChannelOperations operations(fresh.Data());
    fresh.Data().Execute("CH.MCH.1.APPEAR=ON");
    fresh.Data().Execute("CH.MCH.1.FREQUENCY=145.0");
    EXPECT_FALSE(operations.Move(1, -1).changedRows.empty());
    EXPECT_EQ(fresh.Data().Execute("CH.MCH.50.PASTE.CHECK"), "NG");
}

TEST_F(ChannelOperationsTest, MovedChannelsKeepWhatFieldCommandsCannotSet)
{
    // A name may hold "=", which a field command's value cannot carry; put it in through the image.
    Put(7, {"FREQUENCY=145.0", "NAME=AXB"});
    Put(8, {"FREQUENCY=146.0"});
    std::string image = m_data.Execute("IMAGE");
    const size_t nameByte = size_t{2} * (16 * 7 + 11);
    ASSERT_EQ(image.substr(nameByte, 2), "58");
    image.replace(nameByte, 2, "3D");
    ASSERT_EQ(m_data.Execute("IMAGE=" + image), "OK");
    ASSERT_EQ(channel_rows::RowName(m_data, 7), "A=B");

    m_operations.Sort(7, 8, ESortKey::Frequency, ESortOrder::Descending);
    EXPECT_EQ(DescribeRows(7, 8), (Rows{"146.0000", "145.0000 A=B"}));
}

TEST_F(ChannelOperationsTest, FillSetsChannelsInUseAndLeavesThoseWhereTheValueIsNotAllowed)
{
    using Notes = std::vector<std::pair<int, std::string>>;
    struct SCase
    {
        EChannelField field;
        const char* value;
        const char* held; // what the filled channels answer after
        Changed changed;
        Notes skipped;
        Notes adjusted;
    };
    // Rows 10-14 as put below: 10 6 m FM, 11 2 m, 12 blank, 13 air band AM, 14 70 cm.
    const SCase cases[] = {
        {EChannelField::Mode,
         "am",
         "AM",
         {10},
         {{11, "Mode AM is not allowed at 145.000000, left as it was"},
          {14, "Mode AM is not allowed at 433.000000, left as it was"}},
         {}},
        {EChannelField::Skip, "S", "S", {10, 11, 13, 14}, {}, {}},
        {EChannelField::Duplex, "-", "-", {10, 14}, {}, {}},
        {EChannelField::Offset,
         "0.6001",
         "0.600000",
         {10, 11, 13, 14},
         {},
         {{10, "Offset 0.600100 stored as 0.600000"},
          {11, "Offset 0.600100 stored as 0.600000"},
          {13, "Offset 0.600100 stored as 0.600000"},
          {14, "Offset 0.600100 stored as 0.600000"}}},
        {EChannelField::RepeaterTone, "100", "100.0", {10, 11, 13, 14}, {}, {}},
        {EChannelField::TsqlTone,
         "69.4",
         "69.3",
         {10, 11, 13, 14},
         {},
         {{10, "69.4 is not a tone, stored 69.3"},
          {11, "69.4 is not a tone, stored 69.3"},
          {13, "69.4 is not a tone, stored 69.3"},
          {14, "69.4 is not a tone, stored 69.3"}}},
        {EChannelField::Tone, "tsql", "TSQL", {10, 11, 13, 14}, {}, {}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(std::string(ChannelFieldName(c.field)) + "=" + c.value);
        Put(9, {"FREQUENCY=120.0"});
        Put(10, {"FREQUENCY=51.0"});
        Put(11, {"FREQUENCY=145.0", "DUPLEX_SELECTION=Dup-", "NAME=KEEP"});
        Send(12, "CLEAR");
        Put(13, {"FREQUENCY=121.5", "MODE=AM", "DUPLEX_SELECTION=Dup-"});
        Put(14, {"FREQUENCY=433.0"});
        Put(15, {"FREQUENCY=120.0"});
        const std::vector<std::string> before = AllRows();

        const SOperationResult result = m_operations.Fill(10, 14, c.field, c.value);
        EXPECT_FALSE(result.Refused()) << result.refusal;
        EXPECT_EQ(result.changedRows, c.changed);
        Notes skipped;
        for (const SRowNote& note : result.skippedRows) {
            skipped.emplace_back(note.row, note.text);
            EXPECT_EQ(Send(note.row, "ALL"), before[static_cast<size_t>(note.row)]) << "left as it was";
        }
        EXPECT_EQ(skipped, c.skipped);
        Notes adjusted;
        for (const SRowNote& note : result.adjustedRows) {
            adjusted.emplace_back(note.row, note.text);
        }
        EXPECT_EQ(adjusted, c.adjusted);
        for (int row : {9, 12, 15}) {
            EXPECT_EQ(Send(row, "ALL"), before[static_cast<size_t>(row)]) << row << " is not filled";
        }
        for (int row : {10, 11, 13, 14}) {
            const bool wasSkipped = std::any_of(c.skipped.begin(), c.skipped.end(),
                                                [&](const auto& note) { return note.first == row; });
            if (!wasSkipped) {
                EXPECT_EQ(GetChannelField(m_data, channel_rows::ChannelOfRow(row), c.field), c.held) << row;
            }
        }
        ExpectHealed();
    }
}

TEST_F(ChannelOperationsTest, FillRefusesFieldsAndValuesThatCannotBeFilled)
{
    Put(3, {"FREQUENCY=145.0"});
    Put(4, {"FREQUENCY=146.0"});
    const std::string image = m_data.Execute("IMAGE");
    struct SCase
    {
        int first;
        int last;
        EChannelField field;
        const char* value;
        const char* refusal;
    };
    const SCase cases[] = {
        {0, 99, EChannelField::Frequency, "145.5",
         "Frequency cannot be filled: every channel would hold the same."},
        {0, 99, EChannelField::Name, "X", "Name cannot be filled: every channel would hold the same."},
        {0, 99, EChannelField::Mode, "USB", "Mode 'USB' cannot be stored"},
        {0, 99, EChannelField::Duplex, "x", "Duplex 'x' cannot be stored"},
        {5, 4, EChannelField::Skip, "S", "Memory channels 5-4 are not a range within 00-99."},
    };
    for (const SCase& c : cases) {
        const SOperationResult result = m_operations.Fill(c.first, c.last, c.field, c.value);
        EXPECT_EQ(result.refusal, c.refusal);
        EXPECT_TRUE(result.changedRows.empty());
    }
    EXPECT_EQ(m_data.Execute("IMAGE"), image);
}

TEST_F(ChannelOperationsTest, FindMatchesNamesAnywhereAndFrequenciesFromTheStart)
{
    Put(3, {"FREQUENCY=145.5", "NAME=Club"});
    Put(4, {"FREQUENCY=433.145", "NAME=UBX"});
    Put(5, {"FREQUENCY=145.0"});
    Send(6, "APPEAR=ON");
    Send(6, "NAME=CLUB");
    Send(6, "CLEAR");
    Send(102, "APPEAR=ON");
    Send(102, "FREQUENCY=145.75");
    Send(102, "NAME=EDGE");

    const struct
    {
        const char* text;
        std::vector<int> rows;
    } cases[] = {
        {"ub", {3, 4}},  {" 145 ", {3, 5, 102}}, {"145.5", {3}}, {"145,5", {3}},
        {"433,14", {4}}, {"edge", {102}},        {"  ", {}},     {"nothing", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(m_operations.Find(c.text), c.rows) << c.text;
    }
}

} // namespace
