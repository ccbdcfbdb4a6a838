#include "channels/common_settings.h"

#include "channels/model_profile.h"
#include "core/command_text.h"
#include "core/memory_map.h"

#include <algorithm>
#include <array>
#include <span>

namespace {

constexpr std::string_view kHandlerName = "COMMON";

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

constexpr std::array<SEntry, 2> kLowHigh = {{{"LOW", 0}, {"HIGH", 1}}};
constexpr std::array<SEntry, 2> kOffOn = {{{"OFF", 0}, {"ON", 1}}};
constexpr std::array<SEntry, 3> kMicFunction = {{{"NORMAL1", 0}, {"NORMAL2", 1}, {"SIMPLE", 2}}};
constexpr std::array<SEntry, 4> kAutoPowerOff = {{{"OFF", 0}, {"20min", 2}, {"40min", 4}, {"60min", 6}}};
constexpr std::array<SEntry, 3> kBacklight = {{{"OFF", 0}, {"AUTO", 1}, {"ON", 16}}};
constexpr std::array<SEntry, 2> kOffIs255 = {{{"OFF", 255}, {"ON", 0}}};
constexpr std::array<SEntry, 2> kOnIs255 = {{{"OFF", 0}, {"ON", 255}}};
constexpr std::array<SEntry, 4> kDtmfSpeed = {{{"100ms", 1}, {"200ms", 2}, {"300ms", 3}, {"500ms", 5}}};
constexpr std::array<SEntry, 2> kLcdContrast = {{{"LOW", 1}, {"HIGH", 2}}};
constexpr std::array<SEntry, 2> kScanStopAction = {{{"T-10", 0}, {"P-2", 255}}};
constexpr std::array<SEntry, 9> kDtmfChannel = {
    {{"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"5", 5}, {"6", 6}, {"7", 7}, {"8", 8}, {"9", 9}}};

constexpr std::array<SEntry, 2> kAutoRepeaterOnOff = {{{"OFF", 0}, {"ON", 2}}};
constexpr std::array<SEntry, 3> kAutoRepeaterUsa = {{{"OFF", 0}, {"ON1", 1}, {"ON2", 2}}};
constexpr std::array<SEntry, 1> kAutoRepeaterOff = {{{"OFF", 0}}};

constexpr std::string_view kAutoRepeaterKey = "AUTO_REPEATER";
constexpr uint32_t kAutoRepeaterAddress = 0x884;
constexpr int kPowerSaveFallback = 1; // "ON"

// Settings in list order; AUTO_REPEATER's entries come from the country (empty span here).
constexpr std::array<SBitSetting, 13> kBitSettings = {{
    {"RF_POWER", 0x841, 7, 1, kLowHigh, 0},
    {"NAME_DISPLAY", 0x843, 7, 1, kOffOn, 0},
    {"MIC_FUNCTION", 0x880, kWholeByteStart, kWholeByteBits, kMicFunction, 0},
    {"AUTO_POWER_OFF", 0x881, kWholeByteStart, kWholeByteBits, kAutoPowerOff, 0},
    {"BACKLIGHT", 0x882, kWholeByteStart, kWholeByteBits, kBacklight, 0},
    {"BEEP", 0x883, kWholeByteStart, kWholeByteBits, kOffIs255, 0},
    {kAutoRepeaterKey, kAutoRepeaterAddress, kWholeByteStart, kWholeByteBits, {}, 0},
    {"POWER_SAVE", 0x885, kWholeByteStart, kWholeByteBits, kOnIs255, kPowerSaveFallback},
    {"VOLTAGE_INDICATION", 0x886, kWholeByteStart, kWholeByteBits, kOffIs255, 0},
    {"DTMF_SPEED", 0x887, kWholeByteStart, kWholeByteBits, kDtmfSpeed, 0},
    {"LCD_CONTRAST", 0x888, kWholeByteStart, kWholeByteBits, kLcdContrast, 0},
    {"SCAN_STOP_ACTION", 0x890, kWholeByteStart, kWholeByteBits, kScanStopAction, 0},
    {"DTMF_CH_NO", 0x842, kWholeByteStart, kWholeByteBits, kDtmfChannel, 0},
}};

constexpr std::string_view kCommentKey = "CLONE_COMMENT";

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
    field->SetName(std::string(kCommentKey));
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
        const bool byCountry = setting.key == kAutoRepeaterKey;
        m_fields.push_back(MakeBitField(
            setting, byCountry ? kAutoRepeaterByCountry[static_cast<size_t>(country)] : setting.entries));
    }
    m_fields.push_back(MakeCommentField());
}

std::string CCommonSettings::Execute(CCommandCursor& cursor)
{
    const std::string key = cursor.Token('=', 0);
    if (!EqualsNoCase(TextToken(key, ".", 0), kHandlerName)) {
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
