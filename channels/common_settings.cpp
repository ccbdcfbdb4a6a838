#include "channels/common_settings.h"

#include "channels/command_keys.h"
#include "channels/model_profile.h"
#include "core/command_text.h"
#include "core/memory_map.h"

#include <algorithm>
#include <array>
#include <span>

namespace {

struct SEntry
{
    std::string_view text;
    uint16_t code;
};

// A "BITNUM" setting: its place in the image, its entries and the entry a code outside the list
// reads as.
struct SBitSetting
{
    std::string_view key;
    uint32_t address;
    int startBit;
    int bitCount;
    std::span<const SEntry> entries;
    int fallback;
};

constexpr int kWholeByteStart = 7;
constexpr int kWholeByteBits = 8;

using answer::kOff;
using answer::kOn;

constexpr std::array<SEntry, 2> kLowHigh = {{{keys::kLow, 0}, {keys::kHigh, 1}}};
constexpr std::array<SEntry, 2> kOffOn = {{{kOff, 0}, {kOn, 1}}};
constexpr std::array<SEntry, 3> kMicFunction = {
    {{keys::kMicNormal1, 0}, {keys::kMicNormal2, 1}, {keys::kMicSimple, 2}}};
constexpr std::array<SEntry, 4> kAutoPowerOff = {
    {{kOff, 0}, {keys::kPowerOff20, 2}, {keys::kPowerOff40, 4}, {keys::kPowerOff60, 6}}};
constexpr std::array<SEntry, 3> kBacklight = {{{kOff, 0}, {keys::kAuto, 1}, {kOn, 16}}};
constexpr std::array<SEntry, 2> kOffIs255 = {{{kOff, 255}, {kOn, 0}}};
constexpr std::array<SEntry, 2> kOnIs255 = {{{kOff, 0}, {kOn, 255}}};
constexpr std::array<SEntry, 4> kDtmfSpeed = {
    {{keys::kDtmfSpeed100, 1}, {keys::kDtmfSpeed200, 2}, {keys::kDtmfSpeed300, 3}, {keys::kDtmfSpeed500, 5}}};
constexpr std::array<SEntry, 2> kLcdContrast = {{{keys::kLow, 1}, {keys::kHigh, 2}}};
constexpr std::array<SEntry, 2> kScanStopAction = {{{keys::kScanTimer, 0}, {keys::kScanPause, 255}}};
constexpr std::array<SEntry, 9> kDtmfChannel = {
    {{"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"5", 5}, {"6", 6}, {"7", 7}, {"8", 8}, {"9", 9}}};

constexpr std::array<SEntry, 2> kAutoRepeaterOnOff = {{{kOff, 0}, {kOn, 2}}};
constexpr std::array<SEntry, 3> kAutoRepeaterUsa = {{{kOff, 0}, {keys::kOn1, 1}, {keys::kOn2, 2}}};
constexpr std::array<SEntry, 1> kAutoRepeaterOff = {{{kOff, 0}}};

constexpr uint32_t kAutoRepeaterAddress = 0x884;
constexpr int kPowerSaveFallback = 1; // "ON"

// Settings in list order; AUTO_REPEATER's entries come from the country (empty span here).
constexpr std::array<SBitSetting, 13> kBitSettings = {{
    {keys::kRfPower, 0x841, 7, 1, kLowHigh, 0},
    {keys::kNameDisplay, 0x843, 7, 1, kOffOn, 0},
    {keys::kMicFunction, 0x880, kWholeByteStart, kWholeByteBits, kMicFunction, 0},
    {keys::kAutoPowerOff, 0x881, kWholeByteStart, kWholeByteBits, kAutoPowerOff, 0},
    {keys::kBacklight, 0x882, kWholeByteStart, kWholeByteBits, kBacklight, 0},
    {keys::kBeep, 0x883, kWholeByteStart, kWholeByteBits, kOffIs255, 0},
    {keys::kAutoRepeater, kAutoRepeaterAddress, kWholeByteStart, kWholeByteBits, {}, 0},
    {keys::kPowerSave, 0x885, kWholeByteStart, kWholeByteBits, kOnIs255, kPowerSaveFallback},
    {keys::kVoltageIndication, 0x886, kWholeByteStart, kWholeByteBits, kOffIs255, 0},
    {keys::kDtmfSpeed, 0x887, kWholeByteStart, kWholeByteBits, kDtmfSpeed, 0},
    {keys::kLcdContrast, 0x888, kWholeByteStart, kWholeByteBits, kLcdContrast, 0},
    {keys::kScanStopAction, 0x890, kWholeByteStart, kWholeByteBits, kScanStopAction, 0},
    {keys::kDtmfChannel, 0x842, kWholeByteStart, kWholeByteBits, kDtmfChannel, 0},
}};

// AUTO_REPEATER entries by country index (JPN ... FRA).
constexpr std::array<std::span<const SEntry>, CModelProfile::kCountryCount> kAutoRepeaterByCountry = {
    kAutoRepeaterOnOff, // JPN
    kAutoRepeaterOff,   // EUR
    kAutoRepeaterOff,   // UK
    kAutoRepeaterOff,   // DEN
    kAutoRepeaterOff,   // ITA
    kAutoRepeaterUsa,   // USA
    kAutoRepeaterOff,   // AUS
    kAutoRepeaterOff,   // SEA
    kAutoRepeaterOff,   // TPE
    kAutoRepeaterOnOff, // KOR
    kAutoRepeaterOff,   // FRA
};

std::unique_ptr<CSettingField> MakeBitField(const SBitSetting& setting, std::span<const SEntry> entries)
{
    auto field = std::make_unique<CSettingField>();
    field->SetKind(CSettingField::kBitNum);
    field->SetName(std::string(setting.key));
    field->SetPlace(static_cast<int>(setting.address), setting.startBit, setting.bitCount);
    CCodeList& list = *field->CodeList();
    list.Resize(static_cast<int>(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) {
        list.SetEntry(static_cast<int>(i), std::string(entries[i].text), entries[i].code);
    }
    list.SetDefault(setting.fallback);
    return field;
}

std::unique_ptr<CSettingField> MakeCommentField()
{
    auto field = std::make_unique<CSettingField>();
    field->SetKind(CSettingField::kMemName);
    field->SetName(std::string(keys::kCloneComment));
    field->SetPlace(static_cast<int>(memory_map::kCloneComment), kWholeByteStart, 0);
    field->SetTextLength(static_cast<int>(memory_map::kCloneCommentLength));
    // Unlike channel names the comment keeps letter case and any printable character.
    field->Text()->SetMode(CNameText::kPrintable);
    return field;
}

} // namespace

CCommonSettings::CCommonSettings(const CModelProfile* profile) : m_profile(profile)
{
    const int country = m_profile != nullptr ? m_profile->CountryIndex() : CModelProfile::kUsa;
    for (const SBitSetting& setting : kBitSettings) {
        const bool byCountry = setting.key == keys::kAutoRepeater;
        m_fields.push_back(MakeBitField(
            setting, byCountry ? kAutoRepeaterByCountry[static_cast<size_t>(country)] : setting.entries));
    }
    m_fields.push_back(MakeCommentField());
}

std::string CCommonSettings::Execute(CCommandCursor& cursor)
{
    const std::string key = cursor.Token('=', 0);
    if (!EqualsNoCase(TextToken(key, ".", 0), keys::kCommon)) {
        return {};
    }
    CSettingField* field = Find(TextToken(key, ".", 1));
    if (field == nullptr) {
        return {};
    }
    CCommandCursor fieldCursor(TextToken(key, ".", 2) + "=" + cursor.Token('=', 1));
    std::string result = field->Execute(fieldCursor);
    if (!result.empty()) {
        cursor.SetText({});
    }
    return result;
}

void CCommonSettings::Transfer(CMemoryImage& image)
{
    for (const auto& field : m_fields) {
        if (m_loaded) {
            field->Store(image);
        } else {
            field->Load(image);
        }
    }
    m_loaded = true;
}

CSettingField* CCommonSettings::Find(std::string_view key)
{
    const auto found = std::find_if(m_fields.begin(), m_fields.end(),
                                    [&](const auto& field) { return EqualsNoCase(field->GetName(), key); });
    return found != m_fields.end() ? found->get() : nullptr;
}
