#include "operations/edit_memory_preview.h"

#include "channels/channel_rows.h"
#include "channels/command_keys.h"
#include "core/command_text.h"
#include "core/rig/rig_core.h"
#include "core/string_table.h"
#include "operations/channel_fields.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace {

using namespace keys;

constexpr std::string_view kFrequencyHertz = Dotted<kFrequency, kByNumber>;
constexpr std::string_view kOffsetHertz = Dotted<kOffset, kByNumber>;

// An empty NAME value would leave the old name; a blank clears it.
constexpr std::string_view kBlankName = " ";
constexpr size_t kNameLength = 6;

// Frequencies are typed in MHz; anything not above zero or from 2000 MHz on blanks the channel.
constexpr double kMaxFrequencyMhz = 2000.0;

std::string WithDecimalPoint(std::string text)
{
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

// The number at the start of the text, the way the C library's atof reads one, but independent of the
// locale: leading white space, an optional sign, digits with a decimal point; 0 when there is none.
double LeadingNumber(std::string_view text)
{
    const std::string digits = TrimWhiteSpace(text);
    const char* first = digits.data();
    const char* const last = first + digits.size();
    if (first != last && *first == '+') {
        ++first;
    }
    double value = 0.0;
    const std::from_chars_result result = std::from_chars(first, last, value);
    return result.ec == std::errc() ? value : 0.0;
}

std::string Assignment(std::string_view key, std::string_view value)
{
    std::string command(key);
    command += '=';
    command += value;
    return command;
}

// The hertz of a channel's ".ByNumber" answer.
long long Hertz(const std::string& answer)
{
    long long value = 0;
    return ParseDecimal(answer, value) ? value : -1;
}

// Whether the typed MHz are exactly the hertz the channel holds.
bool SameFrequency(const std::string& typed, const std::string& storedHertz)
{
    const std::optional<int32_t> exact = ParseExchangeMHz(typed);
    return exact && *exact == Hertz(storedHertz);
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) {
            text += '\n';
        }
        text += line;
    }
    return text;
}

} // namespace

std::string SentFrequency(const std::string& typed)
{
    const std::string frequency = WithDecimalPoint(typed);
    const double megahertz = LeadingNumber(frequency);
    if (!(megahertz > 0.0) || megahertz >= kMaxFrequencyMhz) {
        return {};
    }
    return TrimWhiteSpace(frequency);
}

std::vector<std::string> EditMemoryCommands(const SEditMemoryValues& values)
{
    std::vector<std::string> commands;
    commands.push_back(Assignment(kOffset, WithDecimalPoint(values.offset)));
    commands.push_back(Assignment(kDuplex, values.duplex));
    commands.push_back(Assignment(kRepeaterTone, values.repeaterTone));
    commands.push_back(Assignment(kTsqlTone, values.tsqlTone));
    commands.push_back(Assignment(kTuningStep, values.tuningStep));
    const std::string name = NameCharacters(TrimWhiteSpace(values.name));
    commands.push_back(Assignment(kName, name.empty() ? kBlankName : name));
    commands.push_back(Assignment(kToneMode, values.toneMode));
    commands.push_back(Assignment(kMode, values.mode));
    commands.push_back(Assignment(kSkip, values.skip ? answer::kOn : answer::kOff));
    // An empty FREQUENCY value keeps the stored frequency; the channel is blanked through APPEAR instead.
    const std::string frequency = SentFrequency(values.frequency);
    commands.push_back(Assignment(kFrequency, frequency));
    commands.push_back(Assignment(kAppear, frequency.empty() ? answer::kOff : answer::kOn));
    commands.emplace_back(kHeal);
    return commands;
}

void WriteEditMemory(ICommandTarget& data, std::string_view prefix, const SEditMemoryValues& values)
{
    for (const std::string& command : EditMemoryCommands(values)) {
        data.Execute(std::string(prefix) + command);
    }
}

CEditMemoryPreview::CEditMemoryPreview(const SEditMemoryProfile& profile, int row,
                                       std::string storedFrequency)
    : m_scratch(std::make_unique<CRigCore>()), m_prefix(channel_rows::RowKeyPrefix(row)),
      m_storedFrequency(std::move(storedFrequency)),
      m_callRow(row >= channel_rows::kFirstCallRow && row < channel_rows::kRowCount)
{
    m_scratch->Execute(Assignment(Model(kCountry), profile.country));
    m_scratch->Execute(Assignment(Model(kExpand), profile.expand));
    m_scratch->Execute(Assignment(Model(kMatrix50), profile.matrix50));
}

CEditMemoryPreview::~CEditMemoryPreview() = default;

std::string CEditMemoryPreview::Read(std::string_view key)
{
    return m_scratch->Execute(m_prefix + std::string(key));
}

void CEditMemoryPreview::Write(std::string_view key, std::string_view value)
{
    m_scratch->Execute(m_prefix + Assignment(key, value));
}

SEditMemoryHints CEditMemoryPreview::Hints(const SEditMemoryValues& values)
{
    SEditMemoryHints hints;
    if (m_prefix.empty()) {
        return hints;
    }
    // OK writes every field but the frequency, which stays when none is typed.
    if (m_storedFrequency.empty()) {
        Write(kAppear, answer::kOff);
    } else {
        Write(kFrequency, m_storedFrequency);
        Write(kAppear, answer::kOn);
    }
    for (const std::string& command : EditMemoryCommands(values)) {
        m_scratch->Execute(m_prefix + command);
    }

    const std::string typed = TrimWhiteSpace(WithDecimalPoint(values.frequency));
    const bool blank = Read(kAppear) == answer::kOff;
    if (SentFrequency(values.frequency).empty()) {
        const std::string_view what =
            StringText(typed.empty() ? ids::kHintNoFrequency : ids::kHintNotAFrequency);
        if (!blank) {
            hints.frequency = FormatText(ids::kHintKeepsFormat, {what, Read(kFrequency)});
        } else if (!typed.empty() || !m_storedFrequency.empty()) {
            hints.frequency = FormatText(ids::kHintBlanksFormat, {what});
        }
    }
    if (blank) {
        return hints;
    }

    std::vector<std::string> frequency;
    if (!hints.frequency.empty()) {
        frequency.push_back(hints.frequency);
    } else if (!SameFrequency(typed, Read(kFrequencyHertz))) {
        frequency.push_back(FormatText(ids::kHintStoredAsFormat, {Read(kFrequency)}));
    }
    if (Read(kIsLegal) == answer::kNg) {
        frequency.emplace_back(StringText(ids::kHintOutsideBands));
    }
    hints.frequency = Joined(frequency);

    if (!SameFrequency(TrimWhiteSpace(WithDecimalPoint(values.offset)), Read(kOffsetHertz))) {
        hints.offset = FormatText(ids::kHintStoredAsFormat, {Read(kOffset)});
    }

    const std::string stored = TrimRightWhiteSpace(Read(kName));
    const std::string name = ToUpperAscii(NameCharacters(TrimWhiteSpace(values.name)));
    if (!m_callRow) {
        bool blanked = false;
        for (size_t i = 0; i < std::min(name.size(), kNameLength); ++i) {
            blanked = blanked || (name[i] != ' ' && (i >= stored.size() || stored[i] == ' '));
        }
        if (blanked) {
            hints.name = FormatText(ids::kHintOutsideNameSetFormat, {QuotedValue(stored)});
        } else if (name.size() > kNameLength) {
            hints.name = FormatText(ids::kHintSixCharactersFormat, {QuotedValue(stored)});
        }
    }

    const std::string mode = Read(kMode);
    if (!EqualsNoCase(mode, values.mode)) {
        hints.mode = FormatText(ids::kHintModeNotAllowedFormat, {values.mode, mode});
    }
    return hints;
}
