#include "channels/channel_rows.h"
#include "operations/channel_fields.h"
#include "test_document.h"

#include <gtest/gtest.h>

namespace {

const CChannelId kMch10(CChannelId::kMch, 10);

TEST(ChannelFields, Names)
{
    for (EChannelField field : kChannelFields) {
        EXPECT_EQ(FindChannelField(ToUpperAscii(ChannelFieldName(field))), field);
    }
    EXPECT_EQ(ChannelFieldName(EChannelField::RepeaterTone), "rToneFreq");
    EXPECT_FALSE(FindChannelField("DtcsCode"));
}

TEST(ChannelFields, ExchangeFrequencies)
{
    struct SCase
    {
        const char* text;
        std::optional<int32_t> hertz;
    };
    const SCase cases[] = {
        {"146.52", 146'520'000},
        {" 146.520000 ", 146'520'000},
        {"146.5200005", 146'520'001},
        {"146.5200004", 146'520'000},
        {"+1", 1'000'000},
        {".5", 500'000},
        {"1999.999999", 1'999'999'999},
        {"2000", std::nullopt},
        {"0", 0},
        {"-5", std::nullopt},
        {"1e2", std::nullopt},
        {"146,52", std::nullopt},
        {".", std::nullopt},
        {"", std::nullopt},
        {"99999999999999", std::nullopt},
    };
    for (const SCase& c : cases) {
        EXPECT_EQ(ParseExchangeMHz(c.text), c.hertz) << c.text;
    }
    EXPECT_EQ(FormatExchangeMHz(1'295'012'500), "1295.012500");
    EXPECT_EQ(FormatExchangeMHz(600'000), "0.600000");
}

TEST(ChannelFields, ReadsTheExchangeForms)
{
    CTestDocument document;
    CL52RadioData& data = document.Data();
    data.Execute("CH.MCH.10.FREQUENCY=145.0125");
    data.Execute("CH.MCH.10.APPEAR=ON");
    data.Execute("CH.MCH.10.DUPLEX_SELECTION=Dup-");
    data.Execute("CH.MCH.10.REPEATER_FREQUENCY=0.6");
    data.Execute("CH.MCH.10.NAME=ab");
    data.Execute("CH.MCH.10.TONE_SELECTION=TONE");
    data.Execute("CH.MCH.10.REPEATER_TONE_FREQUENCY=100.0");
    data.Execute("CH.MCH.10.MODE=Wide FM");
    data.Execute("CH.MCH.10.SKIP=ON");
    const std::pair<EChannelField, const char*> expected[] = {
        {EChannelField::Frequency, "145.012500"},
        {EChannelField::Duplex, "-"},
        {EChannelField::Offset, "0.600000"},
        {EChannelField::Name, "AB"},
        {EChannelField::Tone, "Tone"},
        {EChannelField::RepeaterTone, "100.0"},
        {EChannelField::TsqlTone, "67.0"},
        {EChannelField::Mode, "WFM"},
        {EChannelField::Skip, "S"},
    };
    for (const auto& [field, text] : expected) {
        EXPECT_EQ(GetChannelField(data, kMch10, field), text) << ChannelFieldName(field);
    }
    data.Execute("CH.MCH.10.APPEAR=OFF");
    EXPECT_EQ(GetChannelField(data, kMch10, EChannelField::Frequency), "")
        << "a blank channel has no frequency";
}

TEST(ChannelFields, FixedFormsAreTheValuesEachFieldTakesAsItIs)
{
    CTestDocument document;
    CL52RadioData& data = document.Data();
    PrepareChannel(data, kMch10);
    data.Execute("CH.MCH.10.FREQUENCY=145.0");
    data.Execute("CH.MCH.10.APPEAR=ON");
    for (const EChannelField field : kChannelFields) {
        const std::vector<std::string> forms = ChannelFieldForms(field);
        const bool freeForm = field == EChannelField::Frequency || field == EChannelField::Offset ||
                              field == EChannelField::Name;
        EXPECT_EQ(forms.empty(), freeForm) << ChannelFieldName(field);
        for (const std::string& form : forms) {
            const SFieldResult result = SetChannelField(data, kMch10, field, form);
            EXPECT_TRUE(result.stored && result.note.empty()) << ChannelFieldName(field) << " " << form;
            EXPECT_EQ(GetChannelField(data, kMch10, field), form) << ChannelFieldName(field);
        }
    }
    EXPECT_EQ(ChannelFieldForms(EChannelField::RepeaterTone).size(), 50U);
    EXPECT_EQ(ChannelFieldForms(EChannelField::TsqlTone), ChannelFieldForms(EChannelField::RepeaterTone));
}

// Each case writes a few fields onto memory channel 10 of a USA document (a sound channel at
// 146.52 MHz first) and expects the notes and the fields afterwards.
TEST(ChannelFields, WritesLikeTheEditMemoryDialogAndTellsWhatChanged)
{
    struct SCase
    {
        const char* label;
        std::vector<SFieldAssignment> fields;
        std::vector<std::string> notes;
        EChannelField check;
        const char* stored;
    };
    const SCase cases[] = {
        {"10", {{EChannelField::Frequency, "146.52"}}, {}, EChannelField::Frequency, "146.520000"},
        {"10",
         {{EChannelField::Frequency, "146.5213"}},
         {"Frequency 146.5213 rounded to 146.520000"},
         EChannelField::Frequency,
         "146.520000"},
        {"10", {{EChannelField::Frequency, "440.0125"}}, {}, EChannelField::Frequency, "440.012500"},
        {"10",
         {{EChannelField::Frequency, "250"}},
         {"250.000000 is outside the transceiver's bands, stored and marked ?"},
         EChannelField::Frequency,
         "250.000000"},
        {"10",
         {{EChannelField::Frequency, "2500"}},
         {"Frequency '2500' cannot be stored"},
         EChannelField::Frequency,
         "146.520000"},
        {"10",
         {{EChannelField::Frequency, "-1"}},
         {"Frequency '-1' cannot be stored"},
         EChannelField::Frequency,
         "146.520000"},
        {"10", {{EChannelField::Frequency, ""}}, {}, EChannelField::Frequency, ""},
        {"P0A",
         {{EChannelField::Frequency, ""}},
         {"P0A cannot be blank"},
         EChannelField::Frequency,
         "146.520000"},
        {"10",
         {{EChannelField::Offset, "0.6123"}},
         {"Offset 0.6123 rounded to 0.610000"},
         EChannelField::Offset,
         "0.610000"},
        {"10",
         {{EChannelField::Offset, "70"}},
         {"Offset 70 rounded to 60.000000"},
         EChannelField::Offset,
         "60.000000"},
        {"10",
         {{EChannelField::Offset, "-0.6"}},
         {"Offset '-0.6' cannot be stored, stored 0.000000"},
         EChannelField::Offset,
         "0.000000"},
        {"10", {{EChannelField::Duplex, "+"}}, {}, EChannelField::Duplex, "+"},
        {"10",
         {{EChannelField::Duplex, "split"}},
         {"Duplex 'split' cannot be stored, stored without duplex"},
         EChannelField::Duplex,
         ""},
        {"10", {{EChannelField::RepeaterTone, "88.50"}}, {}, EChannelField::RepeaterTone, "88.5"},
        {"10",
         {{EChannelField::RepeaterTone, "69.4"}},
         {"69.4 is not a tone, stored 69.3"},
         EChannelField::RepeaterTone,
         "69.3"},
        {"10",
         {{EChannelField::TsqlTone, "300"}},
         {"300 is not a tone, stored 254.1"},
         EChannelField::TsqlTone,
         "254.1"},
        {"10",
         {{EChannelField::TsqlTone, "abc"}},
         {"cToneFreq 'abc' is not a tone, stored 88.5"},
         EChannelField::TsqlTone,
         "88.5"},
        {"10", {{EChannelField::Tone, "tsql"}}, {}, EChannelField::Tone, "TSQL"},
        {"10",
         {{EChannelField::Tone, "DTCS"}},
         {"Tone 'DTCS' cannot be stored, stored without a tone"},
         EChannelField::Tone,
         ""},
        {"10", {{EChannelField::Name, "RPT-1"}}, {}, EChannelField::Name, "RPT-1"},
        {"10", {{EChannelField::Name, " AB"}}, {}, EChannelField::Name, " AB"},
        {"10",
         {{EChannelField::Name, "Home Rptr"}},
         {"Name 'Home Rptr' stored as 'HOME R'"},
         EChannelField::Name,
         "HOME R"},
        {"10",
         {{EChannelField::Name, "ab,c"}},
         {"Name 'ab,c' stored as 'AB C'"},
         EChannelField::Name,
         "AB C"},
        {"10",
         {{EChannelField::Name, "Caf\xC3\xA9"}},
         {"Name 'Caf\xC3\xA9' stored as 'CAF'"},
         EChannelField::Name,
         "CAF"},
        {"10", {{EChannelField::Name, "A=B"}}, {}, EChannelField::Name, "A=B"},
        {"CALL_144",
         {{EChannelField::Name, "X"}},
         {"a call channel has no name, Name 'X' not stored"},
         EChannelField::Name,
         ""},
        {"10",
         {{EChannelField::Mode, "wfm"}, {EChannelField::Frequency, "100"}},
         {},
         EChannelField::Mode,
         "WFM"},
        {"10",
         {{EChannelField::Mode, "AM"}},
         {"Mode AM is not allowed at 146.520000, stored FM"},
         EChannelField::Mode,
         "FM"},
        {"10",
         {{EChannelField::Mode, "NFM"}},
         {"Mode NFM is not allowed at 146.520000, stored FM"},
         EChannelField::Mode,
         "FM"},
        {"10",
         {{EChannelField::Mode, "DV"}},
         {"Mode 'DV' cannot be stored, stored FM"},
         EChannelField::Mode,
         "FM"},
        {"10", {{EChannelField::Skip, "P"}}, {}, EChannelField::Skip, "S"},
        {"10",
         {{EChannelField::Skip, "X"}},
         {"Skip 'X' cannot be stored, stored without skip"},
         EChannelField::Skip,
         ""},
        {"P3A",
         {{EChannelField::Skip, "S"}},
         {"only memory channels skip, Skip 'S' not stored"},
         EChannelField::Skip,
         ""},
    };
    for (const SCase& c : cases) {
        CTestDocument document;
        CL52RadioData& data = document.Data();
        const CChannelId channel = *channel_rows::ParseChannelLabel(c.label);
        const SFieldAssignment sound[] = {{EChannelField::Frequency, "146.52"}};
        ASSERT_TRUE(WriteChannelFields(data, channel, sound, EChannelStart::FromDefaults).empty());
        EXPECT_EQ(WriteChannelFields(data, channel, c.fields, EChannelStart::FromChannel), c.notes)
            << c.label << " " << ChannelFieldName(c.fields.front().field) << "=" << c.fields.front().value;
        EXPECT_EQ(GetChannelField(data, channel, c.check), c.stored)
            << c.label << " " << ChannelFieldName(c.fields.front().field) << "=" << c.fields.front().value;
    }
}

TEST(ChannelFields, ABlankChannelStartsFromTheDialogDefaults)
{
    CTestDocument document;
    CL52RadioData& data = document.Data();
    ASSERT_EQ(data.Execute("CH.MCH.10.APPEAR"), "OFF");
    // Leftovers of an earlier use, still held by the blank channel.
    for (const char* command : {"CH.MCH.10.MODE=AM", "CH.MCH.10.TONE_SELECTION=TSQL", "CH.MCH.10.SKIP=ON",
                                "CH.MCH.10.DUPLEX_SELECTION=Dup+", "CH.MCH.10.REPEATER_FREQUENCY=5",
                                "CH.MCH.10.TSQL_FREQUENCY=100.0", "CH.MCH.10.NAME=OLD"}) {
        data.Execute(command);
    }
    const SFieldAssignment onlyName[] = {{EChannelField::Name, "NEW"}};
    EXPECT_EQ(WriteChannelFields(data, kMch10, onlyName, EChannelStart::FromChannel),
              std::vector<std::string>{"10 is blank: give it a Frequency to use it"});
    EXPECT_EQ(data.Execute("CH.MCH.10.APPEAR"), "OFF");

    const SFieldAssignment frequency[] = {{EChannelField::Frequency, "145.5"}};
    EXPECT_TRUE(WriteChannelFields(data, kMch10, frequency, EChannelStart::FromChannel).empty());
    const std::pair<EChannelField, const char*> defaults[] = {
        {EChannelField::Frequency, "145.500000"},
        {EChannelField::Duplex, ""},
        {EChannelField::Offset, "0.000000"},
        {EChannelField::Name, ""},
        {EChannelField::Tone, ""},
        {EChannelField::RepeaterTone, "88.5"},
        {EChannelField::TsqlTone, "88.5"},
        {EChannelField::Mode, "FM"},
        {EChannelField::Skip, ""},
    };
    for (const auto& [field, text] : defaults) {
        EXPECT_EQ(GetChannelField(data, kMch10, field), text) << ChannelFieldName(field);
    }

    // A channel in use keeps what is not assigned, unless the assignments describe the whole channel.
    const SFieldAssignment tone[] = {{EChannelField::Tone, "Tone"}};
    WriteChannelFields(data, kMch10, tone, EChannelStart::FromChannel);
    const SFieldAssignment name[] = {{EChannelField::Name, "x"}};
    WriteChannelFields(data, kMch10, name, EChannelStart::FromChannel);
    EXPECT_EQ(GetChannelField(data, kMch10, EChannelField::Tone), "Tone");
    const SFieldAssignment whole[] = {{EChannelField::Frequency, "145.5"}};
    WriteChannelFields(data, kMch10, whole, EChannelStart::FromDefaults);
    EXPECT_EQ(GetChannelField(data, kMch10, EChannelField::Tone), "");
    EXPECT_EQ(GetChannelField(data, kMch10, EChannelField::Name), "");
}

} // namespace
