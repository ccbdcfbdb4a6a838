#include "../operations/test_document.h"
#include "channels/channel_rows.h"
#include "core/rig/default_images.h"
#include "interchange/channel_csv.h"
#include "interchange/csv.h"
#include "operations/channel_fields.h"

#include <gtest/gtest.h>
#include <set>

namespace {

constexpr const char* kHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                                "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,"
                                "RPT1CALL,RPT2CALL,DVCODE\n";

std::vector<std::string> FormattedNotes(const channel_csv::SReport& report)
{
    std::vector<std::string> lines;
    for (const channel_csv::SNote& note : report.notes) {
        lines.push_back(channel_csv::FormatNote(note));
    }
    return lines;
}

std::string Field(CL52RadioData& data, const char* label, EChannelField field)
{
    return GetChannelField(data, *channel_rows::ParseChannelLabel(label), field);
}

TEST(ChannelCsvExport, WritesTheChannelsInUseInTheExchangeLayout)
{
    CTestDocument document;
    CL52RadioData& data = document.Data();
    data.Execute("CH.MCH.50.FREQUENCY=146.94");
    data.Execute("CH.MCH.50.APPEAR=ON");
    data.Execute("CH.MCH.50.NAME= W1");
    data.Execute("CH.MCH.50.DUPLEX_SELECTION=Dup-");
    data.Execute("CH.MCH.50.REPEATER_FREQUENCY=0.6");
    data.Execute("CH.MCH.50.TONE_SELECTION=TSQL");
    data.Execute("CH.MCH.50.TSQL_FREQUENCY=100.0");
    data.Execute("CH.MCH.50.SKIP=ON");
    data.Execute("HEAL");

    const std::string memories = channel_csv::Export(data, false);
    EXPECT_EQ(memories.substr(0, memories.find('\n') + 1), kHeader);
    EXPECT_NE(
        memories.find("\n50,\" W1\",146.940000,-,0.600000,TSQL,67.0,100.0,023,NN,023,Tone->Tone,FM,5.00,S,"
                      ",,,,,\n"),
        std::string::npos)
        << memories;
    EXPECT_EQ(memories.find("\n4,"), std::string::npos) << "a blank channel is not written";
    EXPECT_EQ(memories.find("P0A"), std::string::npos);

    const std::string all = channel_csv::Export(data, true);
    EXPECT_EQ(all.substr(0, memories.size()), memories);
    EXPECT_NE(all.find("\nP0A,,50.000000,"), std::string::npos) << all;
    EXPECT_NE(all.find("\nCALL_50M,"), std::string::npos);
    EXPECT_NE(all.find("\nCALL_1200,"), std::string::npos);
    EXPECT_EQ(all.find("\nP1A,"), std::string::npos) << "edges that are not in use are left out";

    CTestDocument withoutBand50(5, 0, 0);
    EXPECT_NE(channel_csv::Export(withoutBand50.Data(), true).find("\nCALL_WFM,"), std::string::npos);
}

// Export then import onto a new document gives the same image, for every default image. Levels 1
// with the 50 MHz flag and 0 without it reach all 22 of them.
TEST(ChannelCsvRoundTrip, DefaultImages)
{
    std::vector<bool> seen(kDefaultImageCount, false);
    for (int country = 0; country < 11; ++country) {
        for (const auto& [level, flags] : {std::pair{1, 2}, std::pair{0, 0}}) {
            CTestDocument source(country, level, flags);
            const bool band50 = source.Data().Execute("MODEL.50M_EXIST") == "OK";
            seen[static_cast<size_t>(DefaultImageIndex(country, band50))] = true;
            for (bool all : {false, true}) {
                CTestDocument target(country, level, flags);
                const channel_csv::SReport report =
                    channel_csv::Import(target.Data(), channel_csv::Export(source.Data(), all));
                EXPECT_TRUE(report.Exact())
                    << country << " " << level << ": " << ::testing::PrintToString(FormattedNotes(report));
                EXPECT_EQ(target.Image(), source.Image()) << "country " << country << " level " << level;
            }
        }
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), kDefaultImageCount);
}

// Every channel of the list in use, every field varied across them, on a European model with the
// expanded coverage (all four modes have somewhere to be allowed). Written with raw channel commands
// and healed, as "zql52-cli exec" could.
TEST(ChannelCsvRoundTrip, EveryFieldVaried)
{
    const char* frequencies[] = {
        "51.0",      "53.0125",   "88.5",      "100.1", "118.0",    "121.5", "135.0125", "144.0", "145.00625",
        "146.52",    "150.0125",  "162.55",    "175.0", "220.0",    "300.0", "350.0125", "430.0", "440.0125",
        "446.00625", "470.0",     "599.995",   "600.0", "650.0125", "800.0", "850.0",    "870.0", "900.0",
        "1240.0",    "1295.0125", "1299.9875", "250.0", "1400",     "45.0"};
    const char* offsets[] = {"0", "0.6", "5", "1.6", "0.1", "75", "12.5", "7.6", "0.0125"};
    const char* duplexes[] = {"OFF", "Dup-", "Dup+"};
    const char* toneModes[] = {"OFF", "TONE", "TSQL"};
    const char* modes[] = {"FM", "AM", "Wide FM", "FM Narrow"};
    const std::string characters = " ()*+-./0123456789:ABCDEFGHIJKLMNOPQRSTUVWXYZ";

    CTestDocument source(1, 1, 2);
    CL52RadioData& data = source.Data();
    for (int row = 0; row < 124; ++row) {
        const CChannelId channel = channel_rows::ChannelOfRow(row);
        const std::string prefix =
            "CH." + std::string(CChannelId::kKindNames[static_cast<size_t>(channel.GetKind())]) + "." +
            channel.NumberText() + ".";
        const auto r = static_cast<size_t>(row);
        std::string name = row % 11 == 0 ? " " : characters.substr((r * 5) % (characters.size() - 6), 6);
        for (const std::string& command :
             {"FREQUENCY=" + std::string(frequencies[r % std::size(frequencies)]), std::string("APPEAR=ON"),
              "DUPLEX_SELECTION=" + std::string(duplexes[r % 3]),
              "REPEATER_FREQUENCY=" + std::string(offsets[r % std::size(offsets)]),
              "TONE_SELECTION=" + std::string(toneModes[(r / 3) % 3]),
              "REPEATER_TONE_FREQUENCY.ByNumber=" + std::to_string(r % 50),
              "TSQL_FREQUENCY.ByNumber=" + std::to_string((r * 7 + 3) % 50),
              "MODE=" + std::string(modes[r % 4]), "SKIP=" + std::string(r % 2 == 0 ? "ON" : "OFF"),
              "NAME=" + name}) {
            data.Execute(prefix + command);
        }
    }
    data.Execute("HEAL");
    ASSERT_NE(source.Image(), CTestDocument(1, 1, 2).Image());

    CTestDocument target(1, 1, 2);
    const channel_csv::SReport report = channel_csv::Import(target.Data(), channel_csv::Export(data, true));
    EXPECT_EQ(report.stored, 124);
    for (const channel_csv::SNote& note : report.notes) {
        EXPECT_NE(note.text.find("is outside the transceiver's bands"), std::string::npos) << note.text;
    }
    EXPECT_FALSE(report.notes.empty()) << "the illegal channels are reported";
    EXPECT_EQ(target.Image(), source.Image());
}

// A list written the way other programs write theirs: a byte order mark, CRLF, quoted names with commas
// and quotes, columns in another order, columns of their own, a comment over two lines, DTCS, split and
// out-of-band rows.
TEST(ChannelCsvImport, AHandWrittenListGivesItsReport)
{
    const std::string text =
        "\xEF\xBB\xBF"
        "Frequency,Location,Name,Tone,rToneFreq,cToneFreq,DtcsCode,Duplex,Offset,Mode,Skip,Comment,Bank\r\n"
        "146.520000,1,\"Simplex, calling\",,88.5,88.5,023,,0.000000,FM,,national calling,A\r\n"
        "147.000000,2,\"W1AW \"\"Rpt\"\"\",Tone,100.0,88.5,023,+,0.600000,FM,S,,\r\n"
        "145.230000,3,DTCSRP,DTCS,88.5,88.5,074,-,0.600000,FM,,,\r\n"
        "145.000000,4,SPLIT,,88.5,88.5,023,split,446.000000,FM,,,\r\n"
        "162.550000,5,NOAA,,88.5,88.5,023,,0.000000,NFM,,\"weather\r\nradio\",\r\n"
        "250.000000,6,OOB,,88.5,88.5,023,,0.000000,FM,,,\r\n"
        "146.940000,7,RPT69,TSQL,88.5,69.4,023,-,0.600000,FM,,,\r\n"
        "121.500000,120,AIR,,88.5,88.5,023,,0.000000,AM,,,\r\n"
        "\r\n"
        "146.5213,8,odd,,88.5,88.5,023,,0,FM,,,\r\n"
        "118.100000,9,TOWER,,88.5,88.5,023,,,AM,P,,\r\n"
        "446.000000,1,TWICE,,88.5,88.5,023,,,FM,,,\r\n";
    CTestDocument document;
    CL52RadioData& data = document.Data();
    const std::string channel0 = data.Execute("CH.MCH.0.ALL");
    const channel_csv::SReport report = channel_csv::Import(data, text);

    EXPECT_TRUE(report.readable);
    EXPECT_EQ(
        FormattedNotes(report),
        (std::vector<std::string>{
            "line 2: Name 'Simplex, calling' stored as 'SIMPLE'",
            "line 3: Name 'W1AW \"Rpt\"' stored as 'W1AW'",
            "line 4: Tone 'DTCS' cannot be stored, stored without a tone",
            "line 5: Duplex 'split' transmits on 446.000000, 301.000000 MHz from the receive frequency, "
            "more than the largest offset (60.000000), row skipped",
            "line 6: Mode NFM is not allowed at 162.550000, stored FM",
            "line 8: 250.000000 is outside the transceiver's bands, stored and marked ?",
            "line 9: 69.4 is not a tone, stored 69.3",
            "line 10: Location '120' is not a channel (0-99, P0A-P9B, CALL_...), row skipped",
            "line 12: Frequency 146.5213 rounded to 146.520000; Name 'odd' stored as 'ODD'",
            "line 14: Location 1 is also on line 2, this row replaces it",
        }));
    EXPECT_EQ(report.stored, 9);
    EXPECT_EQ(report.skipped, 2);
    EXPECT_TRUE(report.notes[3].skipped);
    EXPECT_FALSE(report.notes[2].skipped);

    EXPECT_EQ(data.Execute("CH.MCH.0.ALL"), channel0) << "a Location not in the file stays as it was";
    EXPECT_EQ(data.Execute("CH.MCH.4.APPEAR"), "OFF") << "the skipped row left its channel alone";
    EXPECT_EQ(Field(data, "1", EChannelField::Name), "TWICE");
    EXPECT_EQ(Field(data, "1", EChannelField::Frequency), "446.000000");
    EXPECT_EQ(Field(data, "2", EChannelField::Duplex), "+");
    EXPECT_EQ(Field(data, "2", EChannelField::Offset), "0.600000");
    EXPECT_EQ(Field(data, "2", EChannelField::Tone), "Tone");
    EXPECT_EQ(Field(data, "2", EChannelField::RepeaterTone), "100.0");
    EXPECT_EQ(Field(data, "2", EChannelField::Skip), "S");
    EXPECT_EQ(Field(data, "3", EChannelField::Tone), "");
    EXPECT_EQ(Field(data, "3", EChannelField::Duplex), "-");
    EXPECT_EQ(data.Execute("CH.MCH.6.ISLEGAL"), "NG");
    EXPECT_EQ(Field(data, "7", EChannelField::TsqlTone), "69.3");
    EXPECT_EQ(Field(data, "9", EChannelField::Mode), "AM");
    EXPECT_EQ(Field(data, "9", EChannelField::Skip), "S") << "P is taken as skip";
}

TEST(ChannelCsvImport, ColumnsByNameAndDefaultsForTheMissingOnes)
{
    CTestDocument document;
    CL52RadioData& data = document.Data();
    data.Execute("CH.MCH.10.FREQUENCY=147.0");
    data.Execute("CH.MCH.10.APPEAR=ON");
    data.Execute("CH.MCH.10.MODE=AM");
    data.Execute("CH.MCH.10.TONE_SELECTION=TSQL");
    data.Execute("CH.MCH.10.NAME=OLD");
    const channel_csv::SReport report =
        channel_csv::Import(data, "\n frequency ,LOCATION\n145.5,10\n,,\nP3A,145.6\n146,P3A\n  ,\n\"1");
    EXPECT_EQ(FormattedNotes(report),
              (std::vector<std::string>{
                  "line 5: Location '145.6' is not a channel (0-99, P0A-P9B, CALL_...), row skipped",
                  "line 8: a quoted field is not closed, row skipped",
              }));
    EXPECT_EQ(report.stored, 2);
    EXPECT_EQ(Field(data, "10", EChannelField::Frequency), "145.500000");
    EXPECT_EQ(Field(data, "10", EChannelField::Mode), "FM") << "the row describes the whole channel";
    EXPECT_EQ(Field(data, "10", EChannelField::Tone), "");
    EXPECT_EQ(Field(data, "10", EChannelField::Name), "");
    EXPECT_EQ(Field(data, "10", EChannelField::RepeaterTone), "88.5");
    EXPECT_EQ(Field(data, "P3A", EChannelField::Frequency), "146.000000");

    struct SCase
    {
        const char* text;
        std::vector<std::string> notes;
    };
    const SCase unreadable[] = {
        {"", {"line 1: no header line, nothing imported"}},
        {"\n\nName,Frequency\n1,2\n", {"line 3: no Location column, nothing imported"}},
        {"a,b\n",
         {"line 1: no Location column, nothing imported", "line 1: no Frequency column, nothing imported"}},
    };
    for (const SCase& c : unreadable) {
        CTestDocument untouched;
        const std::string before = untouched.Image();
        const channel_csv::SReport r = channel_csv::Import(untouched.Data(), c.text);
        EXPECT_FALSE(r.readable) << c.text;
        EXPECT_EQ(FormattedNotes(r), c.notes) << c.text;
        EXPECT_EQ(untouched.Image(), before);
    }

    const channel_csv::SReport rows =
        channel_csv::Import(data, "Location,Frequency\n,145\n12,\n13,abc\n14,0\n15,146.52\n");
    EXPECT_EQ(FormattedNotes(rows), (std::vector<std::string>{
                                        "line 2: no Location, row skipped",
                                        "line 3: no Frequency, row skipped",
                                        "line 4: Frequency 'abc' cannot be stored, row skipped",
                                        "line 5: Frequency '0' cannot be stored, row skipped",
                                    }));
    EXPECT_EQ(rows.skipped, 4);
    EXPECT_EQ(rows.stored, 1);
}

TEST(ChannelCsvImport, HostileTextsAreReportedLineByLineAndEchoedSafely)
{
    struct SCase
    {
        const char* name;
        std::string text;
        std::vector<std::string> notes;
        int stored;
    };
    const SCase cases[] = {
        {"an unclosed quote names every row it swallowed",
         "Location,Frequency\n1,145\n2,146\n3,\"147\n4,148\n\n 5,149\n",
         {"line 4: a quoted field is not closed, row skipped",
          "line 5: inside the quoted field that line 4 leaves open, row skipped",
          "line 7: inside the quoted field that line 4 leaves open, row skipped"},
         2},
        {"a column given twice",
         "Location,Frequency,Name,Name,frequency\n1,145,A,B,146\n",
         {"line 1: column Name is given again as column 4, only column 3 is read; column Frequency is given "
          "again as column 5, only column 2 is read"},
         1},
        {"a frequency the channel keeps as 0 MHz",
         "Location,Frequency\nCALL_50M,0.000008\n",
         {"line 2: Frequency '0.000008' cannot be stored, row skipped"},
         0},
        {"control bytes and backslashes",
         "Location,Frequency\n\x1B]0;x\x07\\,145\n",
         {"line 2: Location '\\x1B]0;x\\x07\\x5C' is not a channel (0-99, P0A-P9B, CALL_...), row skipped"},
         0},
        {"a long value is cut",
         "Location,Frequency\n" + std::string(100, '9') + ",145\n",
         {"line 2: Location '" + std::string(40, '9') +
          "...' is not a channel (0-99, P0A-P9B, CALL_...), row "
          "skipped"},
         0},
        {"a NUL does not cut the note",
         std::string("Location,Frequency\n1\0x,145\n", 26),
         {"line 2: Location '1\\x00x' is not a channel (0-99, P0A-P9B, CALL_...), row skipped"},
         0},
    };
    for (const SCase& c : cases) {
        CTestDocument document;
        const std::string before = document.Data().Execute("CH.CALL.0.ALL");
        const channel_csv::SReport report = channel_csv::Import(document.Data(), c.text);
        EXPECT_EQ(FormattedNotes(report), c.notes) << c.name;
        EXPECT_EQ(report.stored, c.stored) << c.name;
        EXPECT_EQ(document.Data().Execute("CH.CALL.0.ALL"), before) << c.name;
    }
}

TEST(ChannelCsvImport, NamesKeepTheirEqualsSignsThroughARoundTrip)
{
    CTestDocument document;
    const channel_csv::SReport report =
        channel_csv::Import(document.Data(), "Location,Frequency,Name\n1,145,A=B\n");
    EXPECT_TRUE(report.Exact()) << FormattedNotes(report).front();
    EXPECT_EQ(Field(document.Data(), "1", EChannelField::Name), "A=B");
    CTestDocument again;
    channel_csv::Import(again.Data(), channel_csv::Export(document.Data(), true));
    EXPECT_EQ(again.Image(), document.Image());
}

TEST(ChannelCsvImport, LargeTextsAreBoundedAndTheImportCanBeCancelled)
{
    CTestDocument document;
    const std::string before = document.Image();
    const channel_csv::SReport huge =
        channel_csv::Import(document.Data(), std::string(channel_csv::kLargestList + 1, '\n'));
    EXPECT_FALSE(huge.readable);
    EXPECT_EQ(document.Image(), before);

    // One record keeps a bounded number of fields, whatever the width of the row.
    const std::string wide = std::string(5000, ',') + "\nnext\n";
    csv::CReader reader(wide);
    csv::SRecord record;
    ASSERT_TRUE(reader.Next(record));
    EXPECT_EQ(record.fields.size(), csv::CReader::kMostFields);
    EXPECT_EQ(reader.DroppedFields(), 5001 - csv::CReader::kMostFields);
    ASSERT_TRUE(reader.Next(record));
    EXPECT_EQ(record.fields, std::vector<std::string>{"next"});

    std::string list = "Location,Frequency\n";
    for (int channel = 0; channel < 10; ++channel) {
        list += std::to_string(channel) + ",145." + std::to_string(channel) + "\n";
    }
    int asked = 0;
    const channel_csv::SReport cancelled =
        channel_csv::Import(document.Data(), list, {.cancelled = [&asked] { return ++asked > 3; }});
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(cancelled.stored, 3);
}

} // namespace

namespace {

// Where each row of a report went: "2>10" for line 2 on channel 10, a "*" when that overwrote a channel
// in use, "5>-" for a row skipped.
std::vector<std::string> Placements(CL52RadioData& data, const channel_csv::SReport& report)
{
    std::vector<std::string> placed;
    for (const channel_csv::SImportRow& row : report.rows) {
        placed.push_back(std::to_string(row.line) + ">" +
                         (row.channel ? channel_rows::ChannelLabel(data, *row.channel) : "-") +
                         (row.overwrites ? "*" : ""));
    }
    return placed;
}

// A new document (channels 0-3 in use) with channels 11 and 12 in use too; with `full` every memory
// channel.
void FillChannels(CL52RadioData& data, bool full)
{
    for (int number = 0; number < 100; ++number) {
        if (full || number == 11 || number == 12) {
            const std::string channel = "CH.MCH." + std::to_string(number) + ".";
            data.Execute(channel + "FREQUENCY=145.0");
            data.Execute(channel + "APPEAR=ON");
        }
    }
    data.Execute("HEAL");
}

TEST(ChannelCsvImport, PlacementPutsRowsAtTheirLocationInOrderOrIntoFreeChannels)
{
    using channel_csv::EPlacement;
    // Line 3 repeats Location 1, line 4 is past 99, line 5 is on 1.25 m, which the transceiver lacks.
    const std::string list = "Location,Name,Frequency\n"
                             "1,A,146.52\n"
                             "1,B,146.55\n"
                             "120,C,147.0\n"
                             "5,D,222.1\n"
                             "6,E,446.0\n";
    const std::string outside = "line 5: 222.100000 is outside the transceiver's bands";
    const std::string noRoom = ": no free channel left, row skipped";
    struct SCase
    {
        const char* name;
        channel_csv::SImportOptions options;
        bool full;
        std::vector<std::string> placed;
        std::vector<std::string> notes;
    };
    const SCase cases[] = {
        {"at the Locations, as before",
         {},
         false,
         {"2>01*", "3>01", "4>-", "5>05", "6>06"},
         {"line 3: Location 1 is also on line 2, this row replaces it",
          "line 4: Location '120' is not a channel (0-99, P0A-P9B, CALL_...), row skipped",
          outside + ", stored and marked ?"}},
        {"at the Locations, fitting only",
         {.fitting = true},
         false,
         {"2>01*", "3>01", "4>-", "5>-", "6>06"},
         {"line 3: Location 1 is also on line 2, this row replaces it",
          "line 4: Location '120' is not a channel (0-99, P0A-P9B, CALL_...), row skipped",
          outside + ", row skipped"}},
        {"in order from the first channel, over channels 0-3",
         {.placement = EPlacement::Order},
         false,
         {"2>00*", "3>01*", "4>02*", "5>03*", "6>04"},
         {outside + ", stored and marked ?"}},
        {"in order from 10, over the channels in use",
         {.placement = EPlacement::Order, .from = 10},
         false,
         {"2>10", "3>11*", "4>12*", "5>13", "6>14"},
         {outside + ", stored and marked ?"}},
        {"into free channels from 10",
         {.placement = EPlacement::Free, .from = 10},
         false,
         {"2>10", "3>13", "4>14", "5>15", "6>16"},
         {outside + ", stored and marked ?"}},
        {"into free channels, fitting only",
         {.placement = EPlacement::Free, .from = 10, .fitting = true},
         false,
         {"2>10", "3>13", "4>14", "5>-", "6>15"},
         {outside + ", row skipped"}},
        {"in order near the end",
         {.placement = EPlacement::Order, .from = 98},
         false,
         {"2>98", "3>99", "4>-", "5>-", "6>-"},
         {"line 4" + noRoom, "line 5" + noRoom, "line 6" + noRoom}},
        {"into a full radio, fitting: the row that cannot be used says so",
         {.placement = EPlacement::Free, .fitting = true},
         true,
         {"2>-", "3>-", "4>-", "5>-", "6>-"},
         {"line 2" + noRoom, "line 3" + noRoom, "line 4" + noRoom, outside + ", row skipped",
          "line 6" + noRoom}},
    };
    for (const SCase& c : cases) {
        CTestDocument document;
        CL52RadioData& data = document.Data();
        FillChannels(data, c.full);
        const std::string before = document.Image();
        channel_csv::SImportOptions options = c.options;
        options.listRows = true;
        const channel_csv::SReport report = channel_csv::Import(data, list, options);
        EXPECT_EQ(Placements(data, report), c.placed) << c.name;
        EXPECT_EQ(FormattedNotes(report), c.notes) << c.name;
        // Each row tells what its channel holds, unless a later row replaced it.
        int stored = 0;
        std::set<int> seen;
        for (auto row = report.rows.rbegin(); row != report.rows.rend(); ++row) {
            if (row->channel) {
                ++stored;
                if (seen.insert(row->channel->FlatIndex()).second) {
                    for (const EChannelField field : kChannelFields) {
                        EXPECT_EQ(GetChannelField(data, *row->channel, field),
                                  row->fields[static_cast<size_t>(field)])
                            << c.name << " line " << row->line;
                    }
                }
            }
        }
        EXPECT_EQ(report.stored, stored) << c.name;
        EXPECT_EQ(report.skipped, static_cast<int>(report.rows.size()) - stored) << c.name;
        if (c.full) {
            EXPECT_EQ(document.Image(), before) << c.name;
        }
    }

    // Without Location placement the column is only the order, and need not be there.
    CTestDocument document;
    const channel_csv::SReport report =
        channel_csv::Import(document.Data(), "Frequency,Name\n146.52,X\n",
                            {.placement = EPlacement::Free, .from = 40, .listRows = true});
    EXPECT_TRUE(report.Exact()) << ::testing::PrintToString(FormattedNotes(report));
    EXPECT_EQ(Placements(document.Data(), report), std::vector<std::string>{"2>40"});
    EXPECT_EQ(report.rows.front().fields[static_cast<size_t>(EChannelField::Name)], "X");

    EXPECT_EQ(channel_csv::FindPlacement("FREE"), EPlacement::Free);
    EXPECT_EQ(channel_csv::FindPlacement("location"), EPlacement::Location);
    EXPECT_EQ(channel_csv::FindPlacement("first"), std::nullopt);
}

TEST(ChannelCsvImport, SplitRowsAtAnOffsetTheChannelHoldsAreStoredAsDuplexAndOffset)
{
    struct SCase
    {
        const char* receive;
        const char* transmit;
        // The note, or "" when the row went in exactly; the duplex and offset stored, "" when skipped.
        std::string note;
        const char* duplex;
        const char* offset;
    };
    const std::string prefix = "line 2: Duplex 'split' ";
    const SCase cases[] = {
        {"146.0", "147.0", prefix + "transmitting on 147.000000 stored as Duplex + Offset 1.000000", "+",
         "1.000000"},
        {"147.0", "146.4", prefix + "transmitting on 146.400000 stored as Duplex - Offset 0.600000", "-",
         "0.600000"},
        {"442.0", "447.0", prefix + "transmitting on 447.000000 stored as Duplex + Offset 5.000000", "+",
         "5.000000"},
        {"146.52", "146.52", prefix + "transmitting on 146.520000 stored as no duplex", "", "0.000000"},
        {"146.0", "446.0",
         prefix + "transmits on 446.000000, 300.000000 MHz from the receive frequency, more than the largest "
                  "offset (60.000000), row skipped",
         "", ""},
        {"146.0", "146.6013",
         prefix + "transmits on 146.601300, which the channel cannot hold (it would transmit on 146.600000), "
                  "row skipped",
         "", ""},
        {"146.0", "", prefix + "takes the transmit frequency from Offset, and it is blank, row skipped", "",
         ""},
        {"146.0", "next",
         prefix + "takes the transmit frequency from Offset, and 'next' is none, row skipped", "", ""},
    };
    for (const SCase& c : cases) {
        CTestDocument document;
        CL52RadioData& data = document.Data();
        const std::string before = data.Execute("CH.MCH.3.ALL");
        const std::string row = std::string("3,") + c.receive + ",Split," + c.transmit + "\n";
        const channel_csv::SReport report =
            channel_csv::Import(data, "Location,Frequency,Duplex,Offset\n" + row);
        EXPECT_EQ(FormattedNotes(report), std::vector<std::string>{c.note}) << row;
        if (std::string_view(c.offset).empty()) {
            EXPECT_EQ(report.skipped, 1) << row;
            EXPECT_EQ(data.Execute("CH.MCH.3.ALL"), before) << row;
            continue;
        }
        EXPECT_EQ(report.stored, 1) << row;
        EXPECT_EQ(Field(data, "3", EChannelField::Duplex), c.duplex) << row;
        EXPECT_EQ(Field(data, "3", EChannelField::Offset), c.offset) << row;
    }
}

} // namespace

namespace {

// The preview runs on a copy with the document's model profile, so the profile decides there too.
TEST(ChannelCsvImport, APreviewIsTheImportRunOnACopyOfTheDocument)
{
    const std::string list = "Location,Frequency,Name\n1,51.5,SIX\n2,146.52,TWO\n3,223.5,WIDE\n";
    for (const auto& [level, flags] : {std::pair{0, 2}, std::pair{0, 0}}) {
        CTestDocument document(5, level, flags);
        const std::string before = document.Image();
        const channel_csv::SImportOptions options{.placement = channel_csv::EPlacement::Free,
                                                  .fitting = true};
        const channel_csv::SImportPreview preview =
            channel_csv::PreviewImport(document.Data(), list, options);
        EXPECT_EQ(document.Image(), before) << flags;
        EXPECT_EQ(preview.report.rows.size(), 3U) << flags;

        const channel_csv::SReport report = channel_csv::Import(document.Data(), list, options);
        EXPECT_EQ(FormattedNotes(preview.report), FormattedNotes(report)) << flags;
        EXPECT_EQ(preview.image, document.Image()) << flags;
        EXPECT_EQ(report.stored, flags == 2 ? 2 : 1) << "51.5 MHz needs the 50 MHz band";
    }
}

} // namespace
