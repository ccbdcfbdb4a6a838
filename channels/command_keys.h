#pragma once

#include "core/command_text.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

// The words of the command language that the handlers take and the rest of the program sends:
// handler names, keys, operations and the value words callers send or compare. Handlers compare
// them without regard to letter case; senders send them as written here. Taking them from this
// table turns a misspelt key into a compile error rather than a command that answers "".
namespace keys {

// The rig core's own commands.
inline constexpr std::string_view kHeal = "HEAL";
inline constexpr std::string_view kInitialize = "INITIALIZE";
inline constexpr std::string_view kEditFlag = "EDIT_FLAG";
inline constexpr std::string_view kImage = "IMAGE";
inline constexpr std::string_view kFile = "FILE";
inline constexpr std::string_view kSave = "SAVE";
inline constexpr std::string_view kLoad = "LOAD";
inline constexpr std::string_view kWithSafety = "WithSafety";
inline constexpr std::string_view kClipboard = "CLIPBOARD";
inline constexpr std::string_view kRestore = "RESTORE";

// Handlers of the objects behind the rig core; channel commands start with CChannelId::Path().
inline constexpr std::string_view kCommon = "COMMON";
inline constexpr std::string_view kDtmf = "DTMF";
inline constexpr std::string_view kModel = "MODEL";

// Channel fields ("CH.<kind>.<number>.<key>"), in the order "ALL" lists them.
inline constexpr std::string_view kAppear = "APPEAR";
inline constexpr std::string_view kFrequency = "FREQUENCY";
inline constexpr std::string_view kReferenceFrequency = "REFERENCE_FREQUENCY";
inline constexpr std::string_view kSkip = "SKIP";
inline constexpr std::string_view kMode = "MODE";
inline constexpr std::string_view kDuplex = "DUPLEX_SELECTION";
inline constexpr std::string_view kToneMode = "TONE_SELECTION";
inline constexpr std::string_view kRepeaterTone = "REPEATER_TONE_FREQUENCY";
inline constexpr std::string_view kTsqlTone = "TSQL_FREQUENCY";
inline constexpr std::string_view kTuningStep = "TUNING_STEP_SELECTION";
inline constexpr std::string_view kOffset = "REPEATER_FREQUENCY";
inline constexpr std::string_view kName = "NAME";
inline constexpr std::string_view kAll = "ALL";

// Channel operations ("CH.<kind>.<number>.<operation>[.CHECK]"); "HEAL" is kHeal.
inline constexpr std::string_view kIsLegal = "ISLEGAL";
inline constexpr std::string_view kCopy = "COPY";
inline constexpr std::string_view kPaste = "PASTE";
inline constexpr std::string_view kInsert = "INSERT";
inline constexpr std::string_view kDelete = "DELETE";
inline constexpr std::string_view kClear = "CLEAR";
inline constexpr std::string_view kCheck = "CHECK";

// Channel value words.
inline constexpr std::string_view kDupMinus = "Dup-";
inline constexpr std::string_view kDupPlus = "Dup+";
inline constexpr std::string_view kToneModeTone = "TONE";
inline constexpr std::string_view kToneModeTsql = "TSQL";
inline constexpr std::string_view kModeFm = "FM";
inline constexpr std::string_view kModeAm = "AM";
inline constexpr std::string_view kModeNarrowFm = "FM Narrow";
inline constexpr std::string_view kModeWideFm = "Wide FM";
inline constexpr std::string_view kReference5k = "5k";
inline constexpr std::string_view kReference6k25 = "6.25k";
inline constexpr std::string_view kStep5k = "5k";
inline constexpr std::string_view kStep10k = "10k";
inline constexpr std::string_view kStep12k5 = "12.5k";
inline constexpr std::string_view kStep15k = "15k";
inline constexpr std::string_view kStep20k = "20k";
inline constexpr std::string_view kStep25k = "25k";
inline constexpr std::string_view kStep30k = "30k";
inline constexpr std::string_view kStep50k = "50k";
inline constexpr std::string_view kStep100k = "100k";

// Common settings ("COMMON.<key>").
inline constexpr std::string_view kRfPower = "RF_POWER";
inline constexpr std::string_view kNameDisplay = "NAME_DISPLAY";
inline constexpr std::string_view kMicFunction = "MIC_FUNCTION";
inline constexpr std::string_view kAutoPowerOff = "AUTO_POWER_OFF";
inline constexpr std::string_view kBacklight = "BACKLIGHT";
inline constexpr std::string_view kBeep = "BEEP";
inline constexpr std::string_view kAutoRepeater = "AUTO_REPEATER";
inline constexpr std::string_view kPowerSave = "POWER_SAVE";
inline constexpr std::string_view kVoltageIndication = "VOLTAGE_INDICATION";
inline constexpr std::string_view kDtmfSpeed = "DTMF_SPEED";
inline constexpr std::string_view kLcdContrast = "LCD_CONTRAST";
inline constexpr std::string_view kScanStopAction = "SCAN_STOP_ACTION";
inline constexpr std::string_view kDtmfChannel = "DTMF_CH_NO";
inline constexpr std::string_view kCloneComment = "CLONE_COMMENT";

// Common setting value words ("ON" and "OFF" are answer words).
inline constexpr std::string_view kLow = "LOW";
inline constexpr std::string_view kHigh = "HIGH";
inline constexpr std::string_view kAuto = "AUTO";
inline constexpr std::string_view kOn1 = "ON1";
inline constexpr std::string_view kOn2 = "ON2";
inline constexpr std::string_view kMicNormal1 = "NORMAL1";
inline constexpr std::string_view kMicNormal2 = "NORMAL2";
inline constexpr std::string_view kMicSimple = "SIMPLE";
inline constexpr std::string_view kPowerOff20 = "20min";
inline constexpr std::string_view kPowerOff40 = "40min";
inline constexpr std::string_view kPowerOff60 = "60min";
inline constexpr std::string_view kDtmfSpeed100 = "100ms";
inline constexpr std::string_view kDtmfSpeed200 = "200ms";
inline constexpr std::string_view kDtmfSpeed300 = "300ms";
inline constexpr std::string_view kDtmfSpeed500 = "500ms";
inline constexpr std::string_view kScanTimer = "T-10";
inline constexpr std::string_view kScanPause = "P-2";

// The countries "MODEL.COUNTRY" answers, in the order of their numbers ("MODEL.COUNTRY.ByNumber"),
// and those that callers compare.
inline constexpr std::array<std::string_view, 11> kCountries = {"JPN", "EUR", "UK",  "DEN", "ITA", "USA",
                                                                "AUS", "SEA", "TPE", "KOR", "FRA"};
inline constexpr std::string_view kCountryJapan = kCountries[0];
inline constexpr std::string_view kCountryUsa = kCountries[5];
inline constexpr std::string_view kCountryKorea = kCountries[9];

// Model profile ("MODEL.<key>").
inline constexpr std::string_view kCountry = "COUNTRY";
inline constexpr std::string_view kExpand = "EXPAND";
inline constexpr std::string_view kMatrix50 = "MATRIX_50M_ENABLE";
inline constexpr std::string_view kExist50 = "50M_EXIST";
inline constexpr std::string_view kModeEnable = "MODE_ENABLE";

// The selector that reads and sets a field by number ("FREQUENCY.ByNumber" in hertz).
inline constexpr std::string_view kByNumber = kSelectorNames[static_cast<size_t>(ESelector::ByNumber)];

namespace detail {
template <const std::string_view& Front, const std::string_view& Back> struct SDotted
{
    static constexpr auto kChars = [] {
        std::array<char, Front.size() + 1 + Back.size()> chars{};
        std::copy(Front.begin(), Front.end(), chars.begin());
        chars[Front.size()] = '.';
        std::copy(Back.begin(), Back.end(), chars.begin() + Front.size() + 1);
        return chars;
    }();
};
} // namespace detail

// "<front>.<back>" as a constant: Dotted<kFrequency, kByNumber> is "FREQUENCY.ByNumber".
template <const std::string_view& Front, const std::string_view& Back>
inline constexpr std::string_view Dotted{detail::SDotted<Front, Back>::kChars.data(),
                                         detail::SDotted<Front, Back>::kChars.size()};

// Put the clipboard's content aside and bring it back, around operations that carry channels
// through the clipboard.
inline constexpr std::string_view kClipboardSave = Dotted<kClipboard, kSave>;
inline constexpr std::string_view kClipboardRestore = Dotted<kClipboard, kRestore>;

// "<handler>.<key>", for the handlers whose commands name one key ("COMMON.BEEP", "MODEL.COUNTRY").
inline std::string Path(std::string_view handler, std::string_view key)
{
    std::string path(handler);
    path += '.';
    path += key;
    return path;
}

inline std::string Common(std::string_view key)
{
    return Path(kCommon, key);
}

inline std::string Model(std::string_view key)
{
    return Path(kModel, key);
}

} // namespace keys
