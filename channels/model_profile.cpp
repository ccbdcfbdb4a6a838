#include "channels/model_profile.h"

#include "channels/command_keys.h"
#include "core/command_text.h"
#include "core/typed_fields.h"

#include <algorithm>

namespace {

struct SCountry
{
    bool narrowFm; // narrow FM allowed on 136-230 MHz
    int32_t fmBroadcastStart;
};

constexpr int32_t kFmStartLow = 76'000'000;
constexpr int32_t kFmStartHigh = 88'000'000;

constexpr std::array<SCountry, CModelProfile::kCountryCount> kCountries = {{
    {false, kFmStartLow},  // JPN
    {true, kFmStartHigh},  // EUR
    {true, kFmStartHigh},  // UK
    {true, kFmStartHigh},  // DEN
    {true, kFmStartHigh},  // ITA
    {false, kFmStartLow},  // USA
    {false, kFmStartHigh}, // AUS
    {false, kFmStartLow},  // SEA
    {false, kFmStartLow},  // TPE
    {false, kFmStartLow},  // KOR
    {true, kFmStartHigh},  // FRA
}};

// Lower edges of the bands 0 to 20. Edges 14 and 16 sit one hertz above the round number on
// purpose: they bound the cellular exclusion.
constexpr std::array<int32_t, CModelProfile::kBandCount> kBandEdges = {
    0,           50'000'000,  54'000'000,  76'000'000,  88'000'000,    108'000'000,   136'000'000,
    174'000'000, 230'000'000, 300'000'000, 400'000'000, 470'000'000,   600'000'000,   800'000'000,
    824'000'001, 849'000'000, 869'000'001, 894'000'000, 1'000'000'000, 1'240'000'000, 1'300'000'001};

struct SRange
{
    int32_t low;
    int32_t high;
};

// Slots: 50 MHz, FM broadcast, airband, 144 MHz area, 300 MHz, 430 MHz area, 800 MHz, 1200 MHz.
constexpr int kSlotCount = 8;
using BandPlanRow = std::array<SRange, kSlotCount>;
using BandPlan = std::array<BandPlanRow, CModelProfile::kCountryCount>;

constexpr SRange kNoSlot = {-1, -1};

constexpr SRange k50To53995 = {50'000'000, 53'995'000};
constexpr SRange k50To52 = {50'000'000, 52'000'000};
constexpr SRange k76To107995 = {76'000'000, 107'995'000};
constexpr SRange k88To107995 = {88'000'000, 107'995'000};
constexpr SRange k118To135995 = {118'000'000, 135'995'000};
constexpr SRange k144To146 = {144'000'000, 146'000'000};
constexpr SRange k136To173995 = {136'000'000, 173'995'000};
constexpr SRange k430To440 = {430'000'000, 440'000'000};
constexpr SRange k400To469995 = {400'000'000, 469'995'000};
constexpr SRange k50200To51200 = {50'200'000, 51'200'000};
constexpr SRange k144To148 = {144'000'000, 148'000'000};
constexpr SRange k432To438 = {432'000'000, 438'000'000};
constexpr SRange k1240To1300 = {1'240'000'000, 1'300'000'000};
constexpr SRange k1260To1300 = {1'260'000'000, 1'300'000'000};
constexpr SRange k1260To1265 = {1'260'000'000, 1'265'000'000};

constexpr BandPlan kNormalPlan = {{
    {k50To53995, k76To107995, kNoSlot, k144To146, kNoSlot, k430To440, kNoSlot, k1260To1300},            // JPN
    {k50To52, k88To107995, kNoSlot, k144To146, kNoSlot, k430To440, kNoSlot, k1240To1300},               // EUR
    {k50To52, k88To107995, kNoSlot, k144To146, kNoSlot, k430To440, kNoSlot, k1240To1300},               // UK
    {k50To52, k88To107995, kNoSlot, k144To146, kNoSlot, k432To438, kNoSlot, k1240To1300},               // DEN
    {k50To52, k88To107995, kNoSlot, k136To173995, kNoSlot, k400To469995, kNoSlot, k1240To1300},         // ITA
    {k50To53995, k76To107995, k118To135995, k136To173995, kNoSlot, k400To469995, kNoSlot, k1240To1300}, // USA
    {k50To53995, k88To107995, kNoSlot, k144To148, kNoSlot, k430To440, kNoSlot, k1240To1300},            // AUS
    {k50To53995, k76To107995, k118To135995, k136To173995, kNoSlot, k400To469995, kNoSlot, k1240To1300}, // SEA
    {kNoSlot, k76To107995, kNoSlot, k144To146, kNoSlot, k430To440, kNoSlot, k1260To1265},               // TPE
    {k50To53995, k76To107995, kNoSlot, k144To146, kNoSlot, k430To440, kNoSlot, k1260To1300},            // KOR
    {k50200To51200, k88To107995, kNoSlot, k144To146, kNoSlot, k430To440, kNoSlot, k1240To1300},         // FRA
}};

constexpr SRange k50To75995 = {50'000'000, 75'995'000};
constexpr SRange k50To87995 = {50'000'000, 87'995'000};
constexpr SRange k108To135995 = {108'000'000, 135'995'000};
constexpr SRange k136To229995 = {136'000'000, 229'995'000};
constexpr SRange k300To399995 = {300'000'000, 399'995'000};
constexpr SRange k400To599995 = {400'000'000, 599'995'000};
constexpr SRange k600To999995 = {600'000'000, 999'995'000};

constexpr BandPlanRow ExpandedRow(SRange slot0, SRange slot1, SRange slot7)
{
    return {slot0, slot1, k108To135995, k136To229995, k300To399995, k400To599995, k600To999995, slot7};
}

constexpr BandPlan kExpandedPlan = {{
    ExpandedRow(k50To75995, k76To107995, k1260To1300), // JPN
    ExpandedRow(k50To87995, k88To107995, k1240To1300), // EUR
    ExpandedRow(k50To87995, k88To107995, k1240To1300), // UK
    ExpandedRow(k50To87995, k88To107995, k1240To1300), // DEN
    ExpandedRow(k50To87995, k88To107995, k1240To1300), // ITA
    ExpandedRow(k50To75995, k76To107995, k1240To1300), // USA
    ExpandedRow(k50To87995, k88To107995, k1240To1300), // AUS
    ExpandedRow(k50To75995, k76To107995, k1240To1300), // SEA
    ExpandedRow(k50To75995, k76To107995, k1260To1265), // TPE
    ExpandedRow(k50To75995, k76To107995, k1260To1300), // KOR
    ExpandedRow(k50To87995, k88To107995, k1240To1300), // FRA
}};

constexpr int32_t kMatrix50Start = 50'000'000;
constexpr SRange kCellularLow = {824'000'001, 848'999'999};
constexpr SRange kCellularHigh = {869'000'001, 893'999'999};
constexpr int32_t kBand50Probe = 51'000'000;

// Whether a mode is allowed on a group of bands; some answers depend on the country.
enum class EPermit
{
    No,
    Yes,
    NarrowFlag, // the country's narrow-FM flag
    BelowFm,    // below the country's FM broadcast start
    FromFm,     // at or above the FM broadcast start
};

constexpr std::string_view kModeAm = "AM";
constexpr std::string_view kModeFm = "FM";
constexpr std::string_view kModeFmNarrow = "FM Narrow";
constexpr std::string_view kModeWideFm = "Wide FM";
constexpr std::array<std::string_view, 4> kModeColumns = {kModeAm, kModeFm, kModeFmNarrow, kModeWideFm};
constexpr std::array<std::string_view, 4> kModePreference = {kModeFm, kModeWideFm, kModeAm, kModeFmNarrow};

struct SModeRule
{
    int firstBand;
    int lastBand;
    std::array<EPermit, 4> permits; // in kModeColumns order
};

constexpr EPermit N = EPermit::No;
constexpr EPermit Y = EPermit::Yes;

constexpr std::array<SModeRule, 11> kModeRules = {{
    {0, 0, {N, N, N, N}},
    {1, 4, {EPermit::BelowFm, EPermit::BelowFm, N, EPermit::FromFm}},
    {5, 5, {Y, N, N, N}},
    {6, 6, {N, Y, EPermit::NarrowFlag, N}},
    {7, 7, {N, Y, EPermit::NarrowFlag, Y}},
    {8, 8, {N, N, N, N}},
    {9, 9, {Y, Y, N, N}},
    {10, 10, {N, Y, N, N}},
    {11, 12, {N, Y, N, Y}},
    {13, 19, {N, Y, N, N}},
    {20, 20, {N, N, N, N}},
}};

// Bands from 600 MHz up use a 10 kHz step grid, the others 5 kHz.
constexpr int kFirstWideStepBand = 12;
constexpr int32_t kNarrowStep = 5'000;
constexpr int32_t kWideStep = 10'000;
constexpr int32_t kChannelGrid = 12'500;
constexpr int32_t kRoundingStep = 250;

int32_t StepForBand(int band)
{
    return band >= kFirstWideStepBand ? kWideStep : kNarrowStep;
}

int32_t RoundDown(int32_t f, int32_t step)
{
    while (f > 0 && f % step != 0 && f % kChannelGrid != 0) {
        f = ((f - 1) / kRoundingStep) * kRoundingStep;
    }
    return f;
}

bool ReadNumber(std::string_view text, int& number)
{
    long long value = 0;
    if (!ParseDecimal(text, value)) {
        return false;
    }
    number = static_cast<int>(std::clamp<long long>(value, -1, 1'000));
    return true;
}

// One "Model" command taken apart: the key's elements after "Model" and the value.
struct SModelCommand
{
    std::string third;
    std::string fourth;
    std::string value;
};

using CommandHandler = std::string (*)(CModelProfile&, const SModelCommand&);

std::string DoCountry(CModelProfile& profile, const SModelCommand& command)
{
    if (SelectorOf(command.third) == ESelector::ByNumber) {
        int index = 0;
        if (ReadNumber(command.value, index)) {
            profile.SetCountry(index);
        }
        return std::to_string(profile.CountryIndex());
    }
    const auto* const found =
        std::find_if(CModelProfile::kCountryNames.begin(), CModelProfile::kCountryNames.end(),
                     [&](std::string_view name) { return EqualsNoCase(name, command.value); });
    if (found != CModelProfile::kCountryNames.end()) {
        profile.SetCountry(static_cast<int>(found - CModelProfile::kCountryNames.begin()));
    }
    return std::string(profile.CountryName());
}

std::string DoExpand(CModelProfile& profile, const SModelCommand& command)
{
    int expand = 0;
    if (ReadNumber(command.value, expand)) {
        profile.SetExpand(expand);
    }
    return std::to_string(profile.Expand());
}

std::string DoMatrix(CModelProfile& profile, const SModelCommand& command)
{
    int matrix = 0;
    if (ReadNumber(command.value, matrix)) {
        profile.SetMatrix50(matrix);
    }
    return std::to_string(profile.Matrix50());
}

std::string DoExist50(CModelProfile& profile, const SModelCommand& /*command*/)
{
    return std::string(profile.Has50MBand() ? answer::kOk : answer::kNg);
}

std::string DoModeEnable(CModelProfile& profile, const SModelCommand& command)
{
    if (command.third.empty() || command.fourth.empty()) {
        return {};
    }
    CFrequencyValue frequency;
    frequency.SetText(command.fourth);
    profile.RoundFrequency(frequency);
    return std::string(profile.IsModeAllowed(command.third, frequency.Get()) ? answer::kOk : answer::kNg);
}

struct SCommandEntry
{
    std::string_view key;
    CommandHandler handler;
};

constexpr std::array<SCommandEntry, 5> kCommands = {{
    {keys::kCountry, DoCountry},
    {keys::kExpand, DoExpand},
    {keys::kMatrix50, DoMatrix},
    {keys::kExist50, DoExist50},
    {keys::kModeEnable, DoModeEnable},
}};

} // namespace

CModelProfile::CModelProfile()
{
    Rebuild();
    m_changed = false;
}

std::string CModelProfile::Execute(CCommandCursor& cursor)
{
    const std::string key = cursor.Token('=', 0);
    if (!EqualsNoCase(TextToken(key, ".", 0), keys::kModel)) {
        return {};
    }
    const std::string second = TextToken(key, ".", 1);
    const auto* const entry = std::find_if(kCommands.begin(), kCommands.end(), [&](const SCommandEntry& e) {
        return EqualsNoCase(e.key, second);
    });
    if (entry == kCommands.end()) {
        return {};
    }
    const SModelCommand command{TextToken(key, ".", 2), TextToken(key, ".", 3), cursor.Token('=', 1)};
    std::string result = entry->handler(*this, command);
    if (!result.empty()) {
        cursor.SetText({});
    }
    return result;
}

bool CModelProfile::NarrowFmAllowed() const
{
    return kCountries[static_cast<size_t>(m_country)].narrowFm;
}

int32_t CModelProfile::FmBroadcastStart() const
{
    return kCountries[static_cast<size_t>(m_country)].fmBroadcastStart;
}

void CModelProfile::Rebuild()
{
    m_allowed.Clear();
    const BandPlan& plan = m_expand == 0 ? kNormalPlan : kExpandedPlan;
    for (const SRange& slot : plan[static_cast<size_t>(m_country)]) {
        if (slot.low >= 0) {
            m_allowed.Add(slot.low, slot.high);
        }
    }
    if (m_matrix != kMatrixEnabled) {
        m_allowed.Remove(kMatrix50Start, FmBroadcastStart() - 1);
    }
    if (m_expand != kMaxExpand) {
        m_allowed.Remove(kCellularLow.low, kCellularLow.high);
        m_allowed.Remove(kCellularHigh.low, kCellularHigh.high);
    }
}

bool CModelProfile::Has50MBand() const
{
    return IsAllowed(kBand50Probe);
}

int CModelProfile::BandOf(int32_t hz)
{
    const auto* const above = std::upper_bound(kBandEdges.begin(), kBandEdges.end(), hz);
    return above == kBandEdges.begin() ? 0 : static_cast<int>(above - kBandEdges.begin()) - 1;
}

bool CModelProfile::IsModeAllowed(std::string_view mode, int32_t hz) const
{
    const auto* const column = std::find_if(kModeColumns.begin(), kModeColumns.end(),
                                            [&](std::string_view name) { return EqualsNoCase(name, mode); });
    if (column == kModeColumns.end()) {
        return false;
    }
    const int band = BandOf(hz);
    for (const SModeRule& rule : kModeRules) {
        if (band < rule.firstBand || band > rule.lastBand) {
            continue;
        }
        switch (rule.permits[static_cast<size_t>(column - kModeColumns.begin())]) {
        case EPermit::Yes:
            return true;
        case EPermit::NarrowFlag:
            return NarrowFmAllowed();
        case EPermit::BelowFm:
            return hz < FmBroadcastStart();
        case EPermit::FromFm:
            return hz >= FmBroadcastStart();
        case EPermit::No:
            return false;
        }
    }
    return false;
}

std::string CModelProfile::ValidMode(std::string_view mode, int32_t hz) const
{
    if (IsModeAllowed(mode, hz)) {
        return std::string(mode);
    }
    for (std::string_view candidate : kModePreference) {
        if (IsModeAllowed(candidate, hz)) {
            return std::string(candidate);
        }
    }
    return std::string(kModeFm);
}

void CModelProfile::RoundFrequency(CFrequencyValue& f) const
{
    const int32_t capped = std::min(f.Get(), kMaxFrequency);
    f.Set(RoundDown(capped, StepForBand(BandOf(capped))));
}

void CModelProfile::RoundOffset(int32_t operatingHz, CFrequencyValue& offset) const
{
    const int32_t capped = std::min(offset.Get(), kMaxOffset);
    offset.Set(RoundDown(capped, StepForBand(BandOf(operatingHz))));
}

void CModelProfile::SetCountry(int index)
{
    if (index >= 0 && index < kCountryCount && index != m_country) {
        m_country = index;
        m_changed = true;
    }
}

void CModelProfile::SetExpand(int expand)
{
    if (expand >= 0 && expand <= kMaxExpand && expand != m_expand) {
        m_expand = expand;
        m_changed = true;
    }
}

void CModelProfile::SetMatrix50(int matrix)
{
    if ((matrix == 0 || matrix == kMatrixEnabled) && matrix != m_matrix) {
        m_matrix = matrix;
        m_changed = true;
    }
}
