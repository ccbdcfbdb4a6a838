#pragma once

#include "core/channel_id.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class ICommandTarget;

// The words of the exchange forms that are not numbers or names.
namespace exchange {
inline constexpr std::string_view kDupMinus = "-";
inline constexpr std::string_view kDupPlus = "+";
inline constexpr std::string_view kTone = "Tone";
inline constexpr std::string_view kTsql = "TSQL";
inline constexpr std::string_view kWfm = "WFM";
inline constexpr std::string_view kNfm = "NFM";
inline constexpr std::string_view kSkip = "S";
// Taken as kSkip when read.
inline constexpr std::string_view kProgramSkip = "P";
} // namespace exchange

// The channel fields a user names in CSV columns and on the command line ("set", "fill"), in the
// exchange forms that the channel lists of other programs use. Every change goes through the channel
// commands, and a channel ends up as one the Edit Memory dialog could have produced.
//
// | field        | exchange form                                  | channel command            |
// |--------------|------------------------------------------------|----------------------------|
// | Frequency    | MHz with 6 decimals, "146.520000"; "" = blank   | FREQUENCY.ByNumber, APPEAR |
// | Duplex       | "" OFF, "-" Dup-, "+" Dup+                      | DUPLEX_SELECTION           |
// | Offset       | MHz with 6 decimals, "0.600000"                 | REPEATER_FREQUENCY.ByNumber |
// | Name         | the name, trailing blanks removed               | NAME                       |
// | Tone         | "" OFF, "Tone" TONE, "TSQL" TSQL                | TONE_SELECTION             |
// | rToneFreq    | one of the 50 tones, "88.5"                     | REPEATER_TONE_FREQUENCY    |
// | cToneFreq    | one of the 50 tones                             | TSQL_FREQUENCY             |
// | Mode         | "FM", "AM", "WFM" (Wide FM), "NFM" (FM Narrow)  | MODE                       |
// | Skip         | "" or "S" ("P" is taken as "S")                 | SKIP                       |
//
// Words compare without regard to letter case. An empty value sets the value the Edit Memory dialog
// offers for a blank channel; an empty Frequency blanks the channel.
enum class EChannelField
{
    Frequency,
    Duplex,
    Offset,
    Name,
    Tone,
    RepeaterTone,
    TsqlTone,
    Mode,
    Skip,
};

inline constexpr std::array<EChannelField, 9> kChannelFields = {
    EChannelField::Frequency, EChannelField::Duplex, EChannelField::Offset,
    EChannelField::Name,      EChannelField::Tone,   EChannelField::RepeaterTone,
    EChannelField::TsqlTone,  EChannelField::Mode,   EChannelField::Skip,
};

// "Frequency", "Duplex", "Offset", "Name", "Tone", "rToneFreq", "cToneFreq", "Mode", "Skip"; the lookup
// ignores letter case.
std::optional<EChannelField> FindChannelField(std::string_view name);
std::string_view ChannelFieldName(EChannelField field);

// The exchange forms of a field whose values are a fixed set, in the order the channel offers them
// ("" first where the field can be off): Duplex, Tone, the two tones (the 50 tones), Mode and Skip.
// Empty for Frequency, Offset and Name, which take any text of their kind.
std::vector<std::string> ChannelFieldForms(EChannelField field);

// "146.520000": hertz as MHz with six decimals.
std::string FormatExchangeMHz(int32_t hertz);
// A plain decimal number of MHz ("146.52", " 0.6 ") to the nearest hertz; nothing for any other text
// or a value from 2000 MHz on.
std::optional<int32_t> ParseExchangeMHz(std::string_view text);

// A name as a channel takes it: each UTF-8 sequence is one character, and one outside ASCII becomes
// one character that no name holds, so the channel shows one blank for it ("Köln" is "K?ln").
std::string NameCharacters(std::string_view text);

// A value of the user's as a note shows it: between single quotes, cut after 40 characters ("...").
std::string QuotedValue(std::string_view text);

bool IsChannelBlank(ICommandTarget& data, const CChannelId& channel);

// The field of a channel in its exchange form. A blank channel has an empty Frequency; its other
// fields answer what the channel still holds.
std::string GetChannelField(ICommandTarget& data, const CChannelId& channel, EChannelField field);

// What a set did. `stored` is false when the value could not be taken (the field keeps what it held);
// `note` then says why, or how the value was changed to one the channel can hold ("69.4 is not a tone,
// stored 69.3"). `value` is the exchange form the field holds after the set, before any heal.
struct SFieldResult
{
    bool stored = false;
    std::string note;
    std::string value;
};

// Sets one field from its exchange form through the channel commands. A usable Frequency also puts
// the channel in use. The caller heals (see WriteChannelFields).
SFieldResult SetChannelField(ICommandTarget& data, const CChannelId& channel, EChannelField field,
                             std::string_view value);

// The values the Edit Memory dialog offers for a blank channel (offset 0, no duplex, tones 88.5, no
// tone, FM, no skip, no name, tuning step 5k), written into the channel; whether it is blank or in use
// stays as it was.
void SetBlankChannelDefaults(ICommandTarget& data, const CChannelId& channel);
// A blank channel gets the dialog's defaults first, so it becomes a sound channel once it has a
// frequency; a channel in use is left alone.
void PrepareChannel(ICommandTarget& data, const CChannelId& channel);

struct SFieldAssignment
{
    EChannelField field;
    std::string value;
};

enum class EChannelStart
{
    // The assignments describe the whole channel: every other field takes the dialog's defaults.
    FromDefaults,
    // The assignments change a channel: a blank one gets the dialog's defaults, one in use keeps
    // every field not assigned.
    FromChannel,
};

// Writes fields of one channel the way the Edit Memory dialog's OK does (the fields, then the heal that
// rounds the frequency and offset, picks a mode the band allows and clears what the channel kind does
// not keep) and answers one note for each value not held exactly as given afterwards, in the order
// of the assignments, plus a note when the frequency lies outside the transceiver's bands.
std::vector<std::string> WriteChannelFields(ICommandTarget& data, const CChannelId& channel,
                                            std::span<const SFieldAssignment> fields, EChannelStart start);
