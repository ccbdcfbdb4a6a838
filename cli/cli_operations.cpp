#include "channels/channel_rows.h"
#include "cli/cli_common.h"
#include "core/command_text.h"
#include "core/rig/radio_data.h"
#include "operations/channel_operations.h"

#include <cstdio>
#include <memory>
#include <set>
#include <string>

namespace cli {

namespace {

constexpr const char* kSortUsage =
    "usage: zql52-cli sort [--profile D,L,F] [--by frequency|name|tone] [--range A-B] FILE --output OUT\n"
    "  Sorts the memory channels in use by frequency (the default), by name, or by tone and then\n"
    "  frequency; blank channels go to the end of the range. Channels with equal keys keep their order.\n"
    "  --range A-B  memory channels A to B (0-99; the default is all of them)\n";

constexpr const char* kCompactUsage =
    "usage: zql52-cli compact [--profile D,L,F] [--range A-B] FILE --output OUT\n"
    "  Closes the gaps between the memory channels in use, keeping their order; blank channels go to\n"
    "  the end of the range.\n"
    "  --range A-B  memory channels A to B (0-99; the default is all of them)\n";

constexpr const char* kFillUsage =
    "usage: zql52-cli fill [--profile D,L,F] [--range A-B] FILE --output OUT FIELD=VALUE ...\n"
    "  Sets fields on every memory channel in use in the range, in the CSV value forms:\n"
    "    Duplex=-|+|(empty)  Offset=MHz  Tone=Tone|TSQL|(empty)  rToneFreq=TONE  cToneFreq=TONE\n"
    "    Mode=FM|AM|WFM|NFM  Skip=S|(empty)\n"
    "  A channel where the value is not allowed (a mode its band does not permit) is left as it was.\n"
    "  Exits 65 when channels were skipped or took a value in another form; the report goes to\n"
    "  standard error.\n"
    "  --range A-B  memory channels A to B (0-99; the default is all of them)\n";

struct SRange
{
    int first = CChannelOperations::kFirstMemory;
    int last = CChannelOperations::kLastMemory;
};

bool ParseMemoryNumber(const std::string& text, int& number)
{
    long long value = 0;
    size_t used = 0;
    if (text.empty() || !ParseDecimal(text, value, &used) || used != text.size() || text.front() == '-' ||
        text.front() == '+' || value < CChannelOperations::kFirstMemory ||
        value > CChannelOperations::kLastMemory) {
        return false;
    }
    number = static_cast<int>(value);
    return true;
}

// "A-B" with memory channel numbers 0-99 (or 00-99), A not after B.
bool ParseRange(const SArguments& arguments, SRange& range)
{
    const auto text = arguments.Option("--range");
    if (!text) {
        return true;
    }
    if (text->find('-') == std::string::npos || !ParseMemoryNumber(TextToken(*text, "-", 0), range.first) ||
        !ParseMemoryNumber(TextRest(*text, "-", 1), range.last) || range.first > range.last) {
        std::fprintf(stderr,
                     "zql52-cli: --range wants A-B, memory channels from 0 to 99 with A not after B\n");
        return false;
    }
    return true;
}

int UsageOf(const char* usage, bool asked)
{
    std::fputs(usage, asked ? stdout : stderr);
    return asked ? 0 : kExitUsage;
}

// One clone data file in, one out, with a range of memory channels: what sort, compact and fill share.
class CFileOperation
{
public:
    CFileOperation(const char* usage, std::vector<std::string> withValue)
        : m_usage(usage), m_withValue(std::move(withValue))
    {
        m_withValue.insert(m_withValue.end(), {"--profile", "--range", "--output"});
    }

    // Returns an exit code when the command ends here (a usage error, --help), else -1. FILE is the
    // first positional word; `maxPositionals` of 0 takes any number.
    int Parse(int argc, char** argv, size_t minPositionals, size_t maxPositionals)
    {
        if (!ParseArguments(argc, argv, 2, m_withValue, {"--help"}, m_arguments)) {
            return UsageOf(m_usage, false);
        }
        if (m_arguments.Option("--help")) {
            return UsageOf(m_usage, true);
        }
        const size_t count = m_arguments.positional.size();
        if (count < minPositionals || (maxPositionals > 0 && count > maxPositionals) ||
            !m_arguments.Option("--output") || !ParseRange(m_arguments, m_range)) {
            return UsageOf(m_usage, false);
        }
        m_settings = OpenSettings(m_arguments);
        return m_settings ? -1 : UsageOf(m_usage, false);
    }

    // Reads FILE; the exit code for a file that cannot be read, else -1.
    int Load()
    {
        m_data = NewDocument(*m_settings);
        const std::string& file = m_arguments.positional.front();
        return OpenFile(*m_data, file, "zql52-cli: cannot read " + file + ": ") ? -1 : kExitFileError;
    }

    // Saves the document to --output; the exit code for a file that cannot be written, else 0.
    int Save()
    {
        // An interrupted run writes nothing.
        if (InterruptSignal() != 0) {
            return InterruptedExit();
        }
        const std::string output = *m_arguments.Option("--output");
        return SaveFile(*m_data, output, "zql52-cli: cannot write " + output + ": ") ? 0 : kExitFileError;
    }

    const SArguments& Arguments() const { return m_arguments; }
    const SRange& Range() const { return m_range; }
    CRadioData& Data() { return *m_data; }

private:
    const char* m_usage;
    std::vector<std::string> m_withValue;
    SArguments m_arguments;
    SRange m_range;
    std::unique_ptr<ISettingsStore> m_settings;
    std::unique_ptr<CL52RadioData> m_data;
};

std::string RangeText(const SRange& range)
{
    return channel_rows::RowLabel(range.first, true) + "-" + channel_rows::RowLabel(range.last, true);
}

void ReportChanged(const char* what, const SRange& range, const SOperationResult& result)
{
    std::fprintf(stderr, "%s %s: %zu row%s changed\n", what, RangeText(range).c_str(),
                 result.changedRows.size(), result.changedRows.size() == 1 ? "" : "s");
}

// "Mode=AM" and the like; a field that cannot be filled is a usage error.
bool ParseAssignment(const std::string& text, SFieldAssignment& assignment)
{
    const size_t equals = text.find('=');
    const auto field = FindChannelField(text.substr(0, equals));
    if (equals == std::string::npos || !field) {
        std::fprintf(stderr, "zql52-cli fill: %s is not FIELD=VALUE with a channel field\n", text.c_str());
        return false;
    }
    if (!CChannelOperations::CanFill(*field)) {
        std::fprintf(stderr, "zql52-cli fill: %s cannot be filled: every channel would hold the same\n",
                     std::string(ChannelFieldName(*field)).c_str());
        return false;
    }
    assignment = {*field, text.substr(equals + 1)};
    return true;
}

void ReportNotes(const char* what, const std::vector<SRowNote>& notes)
{
    for (const SRowNote& note : notes) {
        std::fprintf(stderr, "%s %s: %s\n", channel_rows::RowLabel(note.row, true).c_str(), what,
                     note.text.c_str());
    }
}

} // namespace

int RunSort(int argc, char** argv)
{
    CFileOperation operation(kSortUsage, {"--by"});
    if (const int code = operation.Parse(argc, argv, 1, 1); code >= 0) {
        return code;
    }
    ESortKey key = ESortKey::Frequency;
    const std::string by = operation.Arguments().Option("--by").value_or("frequency");
    if (EqualsNoCase(by, "name")) {
        key = ESortKey::Name;
    } else if (EqualsNoCase(by, "tone")) {
        key = ESortKey::ToneThenFrequency;
    } else if (!EqualsNoCase(by, "frequency")) {
        std::fprintf(stderr, "zql52-cli sort: --by wants frequency, name or tone\n");
        return UsageOf(kSortUsage, false);
    }
    if (const int code = operation.Load(); code >= 0) {
        return code;
    }
    const SRange& range = operation.Range();
    const SOperationResult result = CChannelOperations(operation.Data()).Sort(range.first, range.last, key);
    ReportChanged("sorted", range, result);
    return operation.Save();
}

int RunCompact(int argc, char** argv)
{
    CFileOperation operation(kCompactUsage, {});
    if (const int code = operation.Parse(argc, argv, 1, 1); code >= 0) {
        return code;
    }
    if (const int code = operation.Load(); code >= 0) {
        return code;
    }
    const SRange& range = operation.Range();
    const SOperationResult result = CChannelOperations(operation.Data()).Compact(range.first, range.last);
    ReportChanged("compacted", range, result);
    return operation.Save();
}

int RunFill(int argc, char** argv)
{
    CFileOperation operation(kFillUsage, {});
    if (const int code = operation.Parse(argc, argv, 2, 0); code >= 0) {
        return code;
    }
    const std::vector<std::string>& words = operation.Arguments().positional;
    std::vector<SFieldAssignment> assignments(words.size() - 1);
    for (size_t i = 1; i < words.size(); ++i) {
        if (!ParseAssignment(words[i], assignments[i - 1])) {
            return UsageOf(kFillUsage, false);
        }
    }
    if (const int code = operation.Load(); code >= 0) {
        return code;
    }
    const SRange& range = operation.Range();
    CChannelOperations operations(operation.Data());
    std::set<int> changed;
    bool noted = false;
    for (const SFieldAssignment& assignment : assignments) {
        const SOperationResult result =
            operations.Fill(range.first, range.last, assignment.field, assignment.value);
        if (result.Refused()) {
            std::fprintf(stderr, "zql52-cli fill: %s\n", result.refusal.c_str());
            return kExitUsage;
        }
        ReportNotes("skipped", result.skippedRows);
        ReportNotes("adjusted", result.adjustedRows);
        noted = noted || !result.skippedRows.empty() || !result.adjustedRows.empty();
        changed.insert(result.changedRows.begin(), result.changedRows.end());
    }
    std::fprintf(stderr, "filled %s: %zu row%s changed\n", RangeText(range).c_str(), changed.size(),
                 changed.size() == 1 ? "" : "s");
    if (const int code = operation.Save(); code != 0) {
        return code;
    }
    return noted ? kExitDataChanged : 0;
}

} // namespace cli
