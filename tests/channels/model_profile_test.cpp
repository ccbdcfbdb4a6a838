#include "channels/model_profile.h"
#include "core/command_text.h"
#include "core/typed_fields.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Send(CModelProfile& profile, const std::string& command)
{
    CCommandCursor cursor(command);
    return profile.Execute(cursor);
}

CModelProfile MakeProfile(int country, int expand, int matrix)
{
    CModelProfile profile;
    profile.SetCountry(country);
    profile.SetExpand(expand);
    profile.SetMatrix50(matrix);
    profile.Rebuild();
    return profile;
}

int32_t Rounded(const CModelProfile& profile, int32_t hz, int32_t operatingHz = -1)
{
    CFrequencyValue value;
    value.Set(hz);
    if (operatingHz < 0) {
        profile.RoundFrequency(value);
    } else {
        profile.RoundOffset(operatingHz, value);
    }
    return value.Get();
}

struct SCountryRow
{
    const char* name;
    bool narrowFm;
    int32_t fmStartKhz;
    const char* normalPlan; // eight slots in kHz, "-" for an empty slot
};

const SCountryRow kCountryRows[] = {
    {"JPN", false, 76000, "50000-53995 76000-107995 - 144000-146000 - 430000-440000 - 1260000-1300000"},
    {"EUR", true, 88000, "50000-52000 88000-107995 - 144000-146000 - 430000-440000 - 1240000-1300000"},
    {"UK", true, 88000, "50000-52000 88000-107995 - 144000-146000 - 430000-440000 - 1240000-1300000"},
    {"DEN", true, 88000, "50000-52000 88000-107995 - 144000-146000 - 432000-438000 - 1240000-1300000"},
    {"ITA", true, 88000, "50000-52000 88000-107995 - 136000-173995 - 400000-469995 - 1240000-1300000"},
    {"USA", false, 76000,
     "50000-53995 76000-107995 118000-135995 136000-173995 - 400000-469995 - 1240000-1300000"},
    {"AUS", false, 88000, "50000-53995 88000-107995 - 144000-148000 - 430000-440000 - 1240000-1300000"},
    {"SEA", false, 76000,
     "50000-53995 76000-107995 118000-135995 136000-173995 - 400000-469995 - 1240000-1300000"},
    {"TPE", false, 76000, "- 76000-107995 - 144000-146000 - 430000-440000 - 1260000-1265000"},
    {"KOR", false, 76000, "50000-53995 76000-107995 - 144000-146000 - 430000-440000 - 1260000-1300000"},
    {"FRA", true, 88000, "50200-51200 88000-107995 - 144000-146000 - 430000-440000 - 1240000-1300000"},
};

// Slots 2 to 6 are the same everywhere, slot 0 ends below the FM broadcast start, and slot 7 is
// that of the normal plan.
std::string ExpandedPlan(const SCountryRow& row)
{
    return "50000-" + std::to_string(row.fmStartKhz - 5) + " " + std::to_string(row.fmStartKhz) +
           "-107995 108000-135995 136000-229995 300000-399995 400000-599995 600000-999995 " +
           std::string(row.normalPlan).substr(std::string(row.normalPlan).rfind(' ') + 1);
}

// Each range is allowed up to its edges and not one hertz beyond; empty slots allow nothing.
void ExpectPlan(const CModelProfile& profile, const std::string& plan)
{
    const int32_t emptySlotProbe[] = {51000000, 0, 120000000, 0, 350000000, 0, 900000000, 0};
    std::istringstream slots(plan);
    std::string slot;
    for (int i = 0; slots >> slot; ++i) {
        if (slot == "-") {
            EXPECT_FALSE(profile.IsAllowed(emptySlotProbe[i])) << profile.CountryName() << " slot " << i;
            continue;
        }
        const int32_t low = std::stoi(slot) * 1000;
        const int32_t high = std::stoi(slot.substr(slot.find('-') + 1)) * 1000;
        EXPECT_TRUE(profile.IsAllowed(low) && profile.IsAllowed(high))
            << profile.CountryName() << " " << slot;
        EXPECT_FALSE(profile.IsAllowed(low - 1) || profile.IsAllowed(high + 1))
            << profile.CountryName() << " " << slot;
    }
    EXPECT_FALSE(profile.IsAllowed(250000000));
}

} // namespace

TEST(ModelProfile, StartsAsUsaWithoutExpansionAndWithThe50MHzBand)
{
    CModelProfile profile;
    EXPECT_EQ(profile.CountryName(), "USA");
    EXPECT_EQ(profile.Expand(), 0);
    EXPECT_EQ(profile.Matrix50(), 2);
    EXPECT_FALSE(profile.IsChanged());
    EXPECT_EQ(Send(profile, "Model.50M_EXIST"), "OK");
    EXPECT_FALSE(profile.IsAllowed(230000000));
    EXPECT_FALSE(profile.IsAllowed(850000000));
}

TEST(ModelProfile, CountryTableAndBothBandPlansHoldForEveryCountry)
{
    for (int c = 0; c < CModelProfile::kCountryCount; ++c) {
        const SCountryRow& row = kCountryRows[c];
        const CModelProfile normal = MakeProfile(c, 0, 2);
        EXPECT_EQ(normal.CountryName(), row.name);
        EXPECT_EQ(normal.NarrowFmAllowed(), row.narrowFm) << row.name;
        EXPECT_EQ(normal.FmBroadcastStart(), row.fmStartKhz * 1000) << row.name;
        ExpectPlan(normal, row.normalPlan);
        ExpectPlan(MakeProfile(c, 2, 2), ExpandedPlan(row));
        EXPECT_EQ(MakeProfile(c, 2, 0).FmBroadcastStart(), row.fmStartKhz * 1000);
    }
}

TEST(ModelProfile, RebuildRemovesThe50MHzMatrixAndTheCellularBands)
{
    const CModelProfile eur = MakeProfile(1, 1, 0);
    EXPECT_FALSE(eur.IsAllowed(50000000) || eur.IsAllowed(87995000));
    EXPECT_TRUE(eur.IsAllowed(88000000));
    EXPECT_FALSE(eur.Has50MBand());
    EXPECT_TRUE(MakeProfile(5, 0, 0).IsAllowed(76000000));
    EXPECT_FALSE(MakeProfile(8, 0, 2).Has50MBand());

    const CModelProfile expand1 = MakeProfile(5, 1, 2);
    const CModelProfile expand2 = MakeProfile(5, 2, 2);
    for (int32_t hz : {824000000, 849000000, 869000000, 894000000}) {
        EXPECT_TRUE(expand1.IsAllowed(hz)) << hz;
    }
    for (int32_t hz : {824000001, 848999999, 869000001, 893999999}) {
        EXPECT_FALSE(expand1.IsAllowed(hz)) << hz;
        EXPECT_TRUE(expand2.IsAllowed(hz)) << hz;
    }
}

TEST(ModelProfile, BandOfFollowsTheEdgeTable)
{
    const int32_t edges[] = {0,         50000000,  54000000,  76000000,  88000000,   108000000,  136000000,
                             174000000, 230000000, 300000000, 400000000, 470000000,  600000000,  800000000,
                             824000001, 849000000, 869000001, 894000000, 1000000000, 1240000000, 1300000001};
    for (int i = 1; i < 21; ++i) {
        EXPECT_EQ(CModelProfile::BandOf(edges[i]), i);
        EXPECT_EQ(CModelProfile::BandOf(edges[i] - 1), i - 1);
    }
    EXPECT_EQ(CModelProfile::BandOf(-5), 0);
}

TEST(ModelProfile, ModeRulesDependOnBandFmBroadcastStartAndNarrowFlag)
{
    struct SCase
    {
        int country;
        int32_t hz;
        std::vector<std::string> allowed;
    };
    const std::vector<SCase> cases = {
        {5, 49999999, {}},
        {5, 51000000, {"AM", "FM"}},
        {5, 80000000, {"Wide FM"}},
        {1, 80000000, {"AM", "FM"}},
        {1, 88000000, {"Wide FM"}},
        {5, 120000000, {"AM"}},
        {5, 145000000, {"FM"}},
        {1, 145000000, {"FM", "FM Narrow"}},
        {5, 200000000, {"FM", "Wide FM"}},
        {1, 200000000, {"FM", "FM Narrow", "Wide FM"}},
        {5, 250000000, {}},
        {5, 350000000, {"AM", "FM"}},
        {5, 440000000, {"FM"}},
        {5, 700000000, {"FM", "Wide FM"}},
        {5, 900000000, {"FM"}},
        {5, 1300000000, {"FM"}},
        {5, 1300000001, {}},
    };
    for (const SCase& c : cases) {
        const CModelProfile profile = MakeProfile(c.country, 0, 2);
        for (const std::string mode : {"AM", "FM", "FM Narrow", "Wide FM"}) {
            const bool expected = std::find(c.allowed.begin(), c.allowed.end(), mode) != c.allowed.end();
            EXPECT_EQ(profile.IsModeAllowed(mode, c.hz), expected) << c.country << " " << c.hz << " " << mode;
        }
    }
    const CModelProfile usa;
    EXPECT_TRUE(MakeProfile(1, 0, 2).IsModeAllowed("fm NARROW", 145000000));
    EXPECT_FALSE(usa.IsModeAllowed("USB", 145000000));
    EXPECT_EQ(usa.ValidMode("AM", 145000000), "FM");
    EXPECT_EQ(usa.ValidMode("FM", 90000000), "Wide FM");
    EXPECT_EQ(usa.ValidMode("FM", 120000000), "AM");
    EXPECT_EQ(usa.ValidMode("FM", 250000000), "FM");
    EXPECT_EQ(usa.ValidMode("AM", 350000000), "AM");
}

TEST(ModelProfile, RoundingGoesDownToTheStepOrChannelGrid)
{
    const CModelProfile profile;
    EXPECT_EQ(Rounded(profile, 145012600), 145012500);
    EXPECT_EQ(Rounded(profile, 145003000), 145000000);
    EXPECT_EQ(Rounded(profile, 1400000000), 1300000000);
    EXPECT_EQ(Rounded(profile, 850005000), 850000000);
    EXPECT_EQ(Rounded(profile, 145005000), 145005000);
    EXPECT_EQ(Rounded(profile, 70000000, 145000000), 60000000);
    // The operating frequency's band picks the offset's grid.
    EXPECT_EQ(Rounded(profile, 12345000, 145000000), 12345000);
    EXPECT_EQ(Rounded(profile, 12345000, 850000000), 12340000);
}

TEST(ModelProfile, SettersTakeValidValuesOnlyAndMarkRealChanges)
{
    CModelProfile profile;
    EXPECT_EQ(Send(profile, "MODEL.COUNTRY=USA"), "USA");
    EXPECT_EQ(Send(profile, "Model.Country.ByNumber=5"), "5");
    EXPECT_EQ(Send(profile, "Model.Expand=0"), "0");
    EXPECT_EQ(Send(profile, "MODEL.MATRIX_50M_ENABLE=2"), "2");
    for (const char* command : {"model.country=Mars", "Model.Country.ByNumber=11",
                                "Model.Country.ByNumber=-1", "Model.Country.ByNumber=abc", "Model.Expand=3",
                                "Model.Expand=two", "MODEL.MATRIX_50M_ENABLE=1", "Model.Country.ByNumber="}) {
        EXPECT_FALSE(Send(profile, command).empty()) << command;
    }
    EXPECT_EQ(Send(profile, "Model.Country"), "USA");
    EXPECT_EQ(Send(profile, "Model.Expand"), "0");
    EXPECT_EQ(Send(profile, "MODEL.MATRIX_50M_ENABLE"), "2");
    EXPECT_FALSE(profile.IsChanged());

    EXPECT_EQ(Send(profile, "MODEL.COUNTRY=eur"), "EUR");
    EXPECT_TRUE(profile.IsChanged());
    EXPECT_EQ(Send(profile, "Model.Country.ByNumber=9"), "9");
    EXPECT_EQ(Send(profile, "Model.Country"), "KOR");
    profile.ClearChanged();
    EXPECT_EQ(Send(profile, "model.expand=2"), "2");
    EXPECT_TRUE(profile.IsChanged());
    EXPECT_EQ(Send(profile, "MODEL.MATRIX_50M_ENABLE=0"), "0");
    profile.Rebuild();
    EXPECT_EQ(Send(profile, "Model.50M_EXIST=whatever"), "NG");
}

TEST(ModelProfile, ModeEnableRoundsTheFrequencyAndOtherCommandsAreNotConsumed)
{
    CModelProfile profile;
    EXPECT_EQ(Send(profile, "Model.MODE_ENABLE.AM.120"), "OK");
    EXPECT_EQ(Send(profile, "Model.MODE_ENABLE.FM.120"), "NG");
    EXPECT_EQ(Send(profile, "model.mode_enable.wide fm.90"), "OK");
    EXPECT_EQ(Send(profile, "Model.MODE_ENABLE.FM.1400"), "OK"); // rounded down to 1300 MHz first
    EXPECT_EQ(Send(profile, "Model.MODE_ENABLE.USB.145"), "NG");
    for (const char* command : {"", "Model", "Model.Bogus=1", "Modelx.Country", "COMMON.BEEP", "Country",
                                "Model.MODE_ENABLE.FM", "Model.MODE_ENABLE..145"}) {
        CCommandCursor cursor(command);
        EXPECT_EQ(profile.Execute(cursor), "") << command;
        EXPECT_EQ(cursor.GetText(), command);
    }
}
