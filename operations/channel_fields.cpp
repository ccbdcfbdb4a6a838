#include "operations/channel_fields.h"

#include "channels/channel_record.h"
#include "channels/channel_rows.h"
#include "channels/command_keys.h"
#include "core/command_text.h"
#include "core/string_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::array<std::string_view, 9> kFieldNames = {"Frequency", "Duplex",    "Offset", "Name", "Tone",
                                                         "rToneFreq", "cToneFreq", "Mode",   "Skip"};

// Channel command keys and the value words the channel answers.
using namespace keys;
constexpr std::string_view kFrequencyHertz = Dotted<kFrequency, kByNumber>;
constexpr std::string_view kOffsetHertz = Dotted<kOffset, kByNumber>;

// What the Edit Memory dialog offers for a blank channel. An empty NAME value would leave the old
// name, so a blank is sent to clear it.
constexpr std::string_view kBlankOffset = "0.0000";
constexpr std::string_view kBlankTone = "88.5";
constexpr std::string_view kBlankTuningStep = kStep5k;
constexpr std::string_view kBlankName = " ";

constexpr int32_t kHertzPerMegahertz = 1'000'000;
constexpr int32_t kMaxMegahertz = 2000;
constexpr size_t kNameLength = 6;

// A character that no name may hold: a non-ASCII character becomes one blank, not one per byte.
constexpr char kForeignCharacter = '?';

std::string Read(ICommandTarget& data, const CChannelId& channel, std::string_view key)
{
    return data.Execute(channel.Path() + std::string(key));
}

std::string Write(ICommandTarget& data, const CChannelId& channel, std::string_view key,
                  std::string_view value)
{
    std::string command = channel.Path();
    command += key;
    command += '=';
    command += value;
    return data.Execute(command);
}

// A value as a note echoes it: between single quotes, and cut short where it is long.
std::string Quoted(std::string_view text)
{
    return QuotedValue(text);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A plain decimal number ("88.5", "100", ".5"), nothing else.
std::optional<double> ParsePlainDecimal(std::string_view text)
{
    bool digits = false;
    bool point = false;
    for (char c : text) {
        if (IsDigit(c)) {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::string NameCharacters(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out += text[i];
            ++i;
            continue;
        }
        out += kForeignCharacter;
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) {
            ++i;
        }
    }
    return out;
}

namespace {

// How a value looks in a note; an empty one in words.
std::string Shown(EChannelField field, std::string_view value)
{
    if (!value.empty()) {
        return std::string(value);
    }
    switch (field) {
    case EChannelField::Duplex:
        return std::string(StringText(ids::kFieldWithoutDuplex));
    case EChannelField::Tone:
        return std::string(StringText(ids::kFieldWithoutTone));
    case EChannelField::Skip:
        return std::string(StringText(ids::kFieldWithoutSkip));
    case EChannelField::Name:
        return std::string(StringText(ids::kFieldWithoutName));
    default:
        return std::string(StringText(ids::kFieldBlankValue));
    }
}

SFieldResult Refused(ICommandTarget& data, const CChannelId& channel, EChannelField field, std::string note)
{
    return {false, std::move(note), GetChannelField(data, channel, field)};
}

SFieldResult SetWord(ICommandTarget& data, const CChannelId& channel, std::string_view key,
                     std::string_view word, std::string_view form)
{
    Write(data, channel, key, word);
    return {true, {}, std::string(form)};
}

SFieldResult SetFrequency(ICommandTarget& data, const CChannelId& channel, const std::string& text)
{
    if (text.empty()) {
        if (!channel.MayBeBlank()) {
            return Refused(
                data, channel, EChannelField::Frequency,
                FormatText(ids::kFieldCannotBeBlankFormat, {channel_rows::ChannelLabel(data, channel)}));
        }
        Write(data, channel, kAppear, answer::kOff);
        return {true, {}, {}};
    }
    const std::optional<int32_t> hertz = ParseExchangeMHz(text);
    if (!hertz || *hertz <= 0) {
        return Refused(
            data, channel, EChannelField::Frequency,
            FormatText(ids::kFieldRefusedFormat, {ChannelFieldName(EChannelField::Frequency), Quoted(text)}));
    }
    Write(data, channel, kFrequencyHertz, std::to_string(*hertz));
    Write(data, channel, kAppear, answer::kOn);
    return {true, {}, FormatExchangeMHz(*hertz)};
}

SFieldResult SetOffset(ICommandTarget& data, const CChannelId& channel, const std::string& text)
{
    const std::optional<int32_t> hertz = text.empty() ? std::optional<int32_t>(0) : ParseExchangeMHz(text);
    if (!hertz) {
        return Refused(
            data, channel, EChannelField::Offset,
            FormatText(ids::kFieldRefusedFormat, {ChannelFieldName(EChannelField::Offset), Quoted(text)}));
    }
    Write(data, channel, kOffsetHertz, std::to_string(*hertz));
    return {true, {}, FormatExchangeMHz(*hertz)};
}

SFieldResult SetName(ICommandTarget& data, const CChannelId& channel, std::string_view value)
{
    std::string name = NameCharacters(value);
    if (name.size() > kNameLength) {
        name.resize(kNameLength);
    }
    if (TrimRightWhiteSpace(name).empty()) {
        name = kBlankName;
    }
    const std::string stored = TrimRightWhiteSpace(Write(data, channel, kName, name));
    const std::string given = TrimRightWhiteSpace(value);
    std::string note;
    if (stored != given) {
        note = FormatText(ids::kFieldStoredAsFormat,
                          {ChannelFieldName(EChannelField::Name), Quoted(given), Quoted(stored)});
    }
    return {true, std::move(note), stored};
}

SFieldResult SetTone(ICommandTarget& data, const CChannelId& channel, EChannelField field,
                     const std::string& text)
{
    const std::string_view key = field == EChannelField::RepeaterTone ? kRepeaterTone : kTsqlTone;
    if (text.empty()) {
        return SetWord(data, channel, key, kBlankTone, kBlankTone);
    }
    const std::optional<double> wanted = ParsePlainDecimal(text);
    if (!wanted) {
        return Refused(data, channel, field,
                       FormatText(ids::kFieldNotAToneFormat, {ChannelFieldName(field), Quoted(text)}));
    }
    const CIndexList& tones = SChannelValueLists::Shared().tones;
    int nearest = tones.Lo();
    double distance = HUGE_VAL;
    for (int i = tones.Lo(); i <= tones.Hi(); ++i) {
        const double d = std::fabs(std::strtod(tones.Text(i).c_str(), nullptr) - *wanted);
        if (d < distance - 1e-9) {
            distance = d;
            nearest = i;
        }
    }
    const std::string& tone = tones.Text(nearest);
    Write(data, channel, key, tone);
    std::string note;
    if (distance > 1e-6) {
        note = FormatText(ids::kFieldNearestToneFormat, {text, tone});
    }
    return {true, std::move(note), tone};
}

// The note for a field the heal changed after it was set.
std::string HealNote(ICommandTarget& data, const CChannelId& channel, const SFieldAssignment& assignment,
                     const SFieldResult& result, const std::string& actual)
{
    const std::string given = assignment.field == EChannelField::Name ? TrimRightWhiteSpace(assignment.value)
                                                                      : TrimWhiteSpace(assignment.value);
    switch (assignment.field) {
    case EChannelField::Frequency:
        return FormatText(ids::kFieldRoundedFormat, {ChannelFieldName(assignment.field), given, actual});
    case EChannelField::Offset:
        return FormatText(ids::kFieldRoundedFormat, {ChannelFieldName(assignment.field),
                                                     given.empty() ? std::string("0") : given, actual});
    case EChannelField::Name:
        if (channel.GetKind() == CChannelId::kCall) {
            return FormatText(ids::kFieldCallNoNameFormat, {Quoted(given)});
        }
        return FormatText(ids::kFieldStoredAsFormat,
                          {ChannelFieldName(assignment.field), Quoted(given), Quoted(actual)});
    case EChannelField::Skip:
        if (!channel.IsMemory()) {
            return FormatText(ids::kFieldOnlyMemorySkipFormat, {Quoted(given)});
        }
        break;
    case EChannelField::Mode:
        return FormatText(ids::kFieldModeStoredFormat,
                          {result.value, GetChannelField(data, channel, EChannelField::Frequency), actual});
    default:
        break;
    }
    return FormatText(ids::kFieldStoredAsFormat,
                      {ChannelFieldName(assignment.field), Quoted(given), Quoted(actual)});
}

} // namespace

std::optional<EChannelField> FindChannelField(std::string_view name)
{
    for (EChannelField field : kChannelFields) {
        if (EqualsNoCase(name, ChannelFieldName(field))) {
            return field;
        }
    }
    return std::nullopt;
}

std::string_view ChannelFieldName(EChannelField field)
{
    return kFieldNames[static_cast<size_t>(field)];
}

std::vector<std::string> ChannelFieldForms(EChannelField field)
{
    switch (field) {
    case EChannelField::Duplex:
        return {"", std::string(exchange::kDupMinus), std::string(exchange::kDupPlus)};
    case EChannelField::Tone:
        return {"", std::string(exchange::kTone), std::string(exchange::kTsql)};
    case EChannelField::RepeaterTone:
    case EChannelField::TsqlTone: {
        const CIndexList& list = SChannelValueLists::Shared().tones;
        std::vector<std::string> tones;
        for (int position = list.Lo(); position <= list.Hi(); ++position) {
            tones.push_back(list.Text(position));
        }
        return tones;
    }
    case EChannelField::Mode:
        return {std::string(kModeFm), std::string(kModeAm), std::string(exchange::kWfm),
                std::string(exchange::kNfm)};
    case EChannelField::Skip:
        return {"", std::string(exchange::kSkip)};
    case EChannelField::Frequency:
    case EChannelField::Offset:
    case EChannelField::Name:
        break;
    }
    return {};
}

std::string FormatExchangeMHz(int32_t hertz)
{
    char text[32];
    std::snprintf(text, sizeof text, "%ld.%06ld", static_cast<long>(hertz / kHertzPerMegahertz),
                  static_cast<long>(hertz % kHertzPerMegahertz));
    return text;
}

std::string QuotedValue(std::string_view text)
{
    constexpr size_t kLongestEcho = 40;
    constexpr std::string_view kCut = "...";
    std::string quoted = "'";
    quoted += text.substr(0, kLongestEcho);
    if (text.size() > kLongestEcho) {
        quoted += kCut;
    }
    quoted += '\'';
    return quoted;
}

std::optional<int32_t> ParseExchangeMHz(std::string_view text)
{
    const std::string number = TrimWhiteSpace(text);
    std::string_view rest = number;
    if (!rest.empty() && rest.front() == '+') {
        rest.remove_prefix(1);
    }
    const size_t point = rest.find('.');
    const std::string_view whole = rest.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : rest.substr(point + 1);
    if ((whole.empty() && fraction.empty()) || !std::all_of(whole.begin(), whole.end(), IsDigit) ||
        !std::all_of(fraction.begin(), fraction.end(), IsDigit)) {
        return std::nullopt;
    }
    int64_t megahertz = 0;
    for (char c : whole) {
        megahertz = megahertz * 10 + (c - '0');
        if (megahertz >= kMaxMegahertz) {
            return std::nullopt;
        }
    }
    // Six decimals are hertz; the seventh rounds to the nearest hertz.
    int64_t hertz = 0;
    for (size_t i = 0; i < 6; ++i) {
        hertz = hertz * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    }
    if (fraction.size() > 6 && fraction[6] >= '5') {
        ++hertz;
    }
    hertz += megahertz * kHertzPerMegahertz;
    if (hertz >= int64_t{kMaxMegahertz} * kHertzPerMegahertz) {
        return std::nullopt;
    }
    return static_cast<int32_t>(hertz);
}

bool IsChannelBlank(ICommandTarget& data, const CChannelId& channel)
{
    return Read(data, channel, kAppear) == answer::kOff;
}

std::string GetChannelField(ICommandTarget& data, const CChannelId& channel, EChannelField field)
{
    switch (field) {
    case EChannelField::Frequency: {
        if (IsChannelBlank(data, channel)) {
            return {};
        }
        return FormatExchangeMHz(
            static_cast<int>(std::strtol(Read(data, channel, kFrequencyHertz).c_str(), nullptr, 10)));
    }
    case EChannelField::Duplex: {
        const std::string duplex = Read(data, channel, kDuplex);
        return std::string(duplex == kDupMinus  ? exchange::kDupMinus
                           : duplex == kDupPlus ? exchange::kDupPlus
                                                : "");
    }
    case EChannelField::Offset:
        return FormatExchangeMHz(
            static_cast<int>(std::strtol(Read(data, channel, kOffsetHertz).c_str(), nullptr, 10)));
    case EChannelField::Name:
        return TrimRightWhiteSpace(Read(data, channel, kName));
    case EChannelField::Tone: {
        const std::string tone = Read(data, channel, kToneMode);
        return std::string(tone == kToneModeTone   ? exchange::kTone
                           : tone == kToneModeTsql ? exchange::kTsql
                                                   : "");
    }
    case EChannelField::RepeaterTone:
        return Read(data, channel, kRepeaterTone);
    case EChannelField::TsqlTone:
        return Read(data, channel, kTsqlTone);
    case EChannelField::Mode: {
        const std::string mode = Read(data, channel, kMode);
        return std::string(mode == kModeAm         ? kModeAm
                           : mode == kModeWideFm   ? exchange::kWfm
                           : mode == kModeNarrowFm ? exchange::kNfm
                                                   : kModeFm);
    }
    case EChannelField::Skip:
        return std::string(Read(data, channel, kSkip) == answer::kOn ? exchange::kSkip : "");
    }
    return {};
}

SFieldResult SetChannelField(ICommandTarget& data, const CChannelId& channel, EChannelField field,
                             std::string_view value)
{
    const std::string text = TrimWhiteSpace(value);
    const auto refused = [&] {
        return Refused(data, channel, field,
                       FormatText(ids::kFieldRefusedFormat, {ChannelFieldName(field), Quoted(text)}));
    };
    switch (field) {
    case EChannelField::Frequency:
        return SetFrequency(data, channel, text);
    case EChannelField::Duplex:
        if (text.empty()) {
            return SetWord(data, channel, kDuplex, answer::kOff, "");
        }
        if (text == exchange::kDupMinus) {
            return SetWord(data, channel, kDuplex, kDupMinus, exchange::kDupMinus);
        }
        if (text == exchange::kDupPlus) {
            return SetWord(data, channel, kDuplex, kDupPlus, exchange::kDupPlus);
        }
        return refused();
    case EChannelField::Offset:
        return SetOffset(data, channel, text);
    case EChannelField::Name:
        return SetName(data, channel, value);
    case EChannelField::Tone:
        if (text.empty()) {
            return SetWord(data, channel, kToneMode, answer::kOff, "");
        }
        if (EqualsNoCase(text, exchange::kTone)) {
            return SetWord(data, channel, kToneMode, kToneModeTone, exchange::kTone);
        }
        if (EqualsNoCase(text, exchange::kTsql)) {
            return SetWord(data, channel, kToneMode, kToneModeTsql, exchange::kTsql);
        }
        return refused();
    case EChannelField::RepeaterTone:
    case EChannelField::TsqlTone:
        return SetTone(data, channel, field, text);
    case EChannelField::Mode:
        if (text.empty() || EqualsNoCase(text, kModeFm)) {
            return SetWord(data, channel, kMode, kModeFm, kModeFm);
        }
        if (EqualsNoCase(text, kModeAm)) {
            return SetWord(data, channel, kMode, kModeAm, kModeAm);
        }
        if (EqualsNoCase(text, exchange::kWfm)) {
            return SetWord(data, channel, kMode, kModeWideFm, exchange::kWfm);
        }
        if (EqualsNoCase(text, exchange::kNfm)) {
            return SetWord(data, channel, kMode, kModeNarrowFm, exchange::kNfm);
        }
        return refused();
    case EChannelField::Skip:
        if (text.empty()) {
            return SetWord(data, channel, kSkip, answer::kOff, "");
        }
        if (EqualsNoCase(text, exchange::kSkip) || EqualsNoCase(text, exchange::kProgramSkip)) {
            return SetWord(data, channel, kSkip, answer::kOn, exchange::kSkip);
        }
        return refused();
    }
    return {};
}

void SetBlankChannelDefaults(ICommandTarget& data, const CChannelId& channel)
{
    Write(data, channel, kOffset, kBlankOffset);
    Write(data, channel, kDuplex, answer::kOff);
    Write(data, channel, kRepeaterTone, kBlankTone);
    Write(data, channel, kTsqlTone, kBlankTone);
    Write(data, channel, kTuningStep, kBlankTuningStep);
    Write(data, channel, kName, kBlankName);
    Write(data, channel, kToneMode, answer::kOff);
    Write(data, channel, kMode, kModeFm);
    Write(data, channel, kSkip, answer::kOff);
}

void PrepareChannel(ICommandTarget& data, const CChannelId& channel)
{
    if (IsChannelBlank(data, channel)) {
        SetBlankChannelDefaults(data, channel);
    }
}

std::vector<std::string> WriteChannelFields(ICommandTarget& data, const CChannelId& channel,
                                            std::span<const SFieldAssignment> fields, EChannelStart start)
{
    if (start == EChannelStart::FromDefaults) {
        SetBlankChannelDefaults(data, channel);
    } else {
        PrepareChannel(data, channel);
    }
    std::vector<SFieldResult> results;
    results.reserve(fields.size());
    bool blankingAsked = false;
    for (const SFieldAssignment& assignment : fields) {
        results.push_back(SetChannelField(data, channel, assignment.field, assignment.value));
        blankingAsked = blankingAsked || (assignment.field == EChannelField::Frequency &&
                                          results.back().stored && results.back().value.empty());
    }
    Read(data, channel, kHeal);

    if (IsChannelBlank(data, channel)) {
        if (blankingAsked || fields.empty()) {
            return {};
        }
        return {FormatText(ids::kFieldBlankChannelFormat, {channel_rows::ChannelLabel(data, channel)})};
    }
    std::vector<std::string> notes;
    for (size_t i = 0; i < fields.size(); ++i) {
        const SFieldAssignment& assignment = fields[i];
        const SFieldResult& result = results[i];
        const std::string actual = GetChannelField(data, channel, assignment.field);
        if (!result.stored) {
            std::string note = result.note;
            if (assignment.field != EChannelField::Frequency) {
                note = FormatText(ids::kFieldRefusedStoredFormat, {note, Shown(assignment.field, actual)});
            }
            notes.push_back(std::move(note));
        } else if (actual != result.value) {
            notes.push_back(HealNote(data, channel, assignment, result, actual));
        } else if (!result.note.empty()) {
            notes.push_back(result.note);
        }
        if (assignment.field == EChannelField::Frequency && result.stored &&
            Read(data, channel, kIsLegal) == answer::kNg) {
            notes.push_back(FormatText(ids::kFieldOutsideBandsFormat, {actual}));
        }
    }
    return notes;
}
