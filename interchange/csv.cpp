#include "interchange/csv.h"

#include <algorithm>

namespace csv {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kQuote = '"';
constexpr char kSeparator = ',';

} // namespace

bool SRecord::IsBlank() const
{
    return std::all_of(fields.begin(), fields.end(), [](const std::string& field) {
        return field.find_first_not_of(" \t") == std::string::npos;
    });
}

SDocument Read(std::string_view text)
{
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    SDocument document;
    int line = 1;
    SRecord record{line, {}};
    std::string field;
    bool inQuotes = false;
    bool quoted = false;  // the current field began with a quote
    bool pending = false; // the record holds something, if only an empty field before a comma

    const auto endField = [&] {
        record.fields.push_back(std::move(field));
        field.clear();
        quoted = false;
    };
    const auto endRecord = [&] {
        endField();
        document.records.push_back(std::move(record));
        record = SRecord{line, {}};
        pending = false;
    };

    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inQuotes) {
            if (c == kQuote) {
                if (i + 1 < text.size() && text[i + 1] == kQuote) {
                    field += kQuote;
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                if (c == '\n' || (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
                    ++line;
                }
                field += c;
            }
            continue;
        }
        switch (c) {
        case kSeparator:
            endField();
            pending = true;
            break;
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            [[fallthrough]];
        case '\n':
            ++line;
            endRecord();
            break;
        case kQuote:
            if (field.empty() && !quoted) {
                inQuotes = true;
                quoted = true;
                pending = true;
                break;
            }
            field += c;
            break;
        default:
            field += c;
            pending = true;
            break;
        }
    }
    if (inQuotes) {
        document.unclosedQuoteLine = record.line;
    }
    if (pending || !field.empty() || quoted) {
        endRecord();
    }
    return document;
}

std::string Field(std::string_view text)
{
    const bool needsQuotes = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                             (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!needsQuotes) {
        return std::string(text);
    }
    std::string out(1, kQuote);
    for (char c : text) {
        if (c == kQuote) {
            out += kQuote;
        }
        out += c;
    }
    out += kQuote;
    return out;
}

std::string Record(const std::vector<std::string>& fields)
{
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += kSeparator;
        }
        out += Field(fields[i]);
    }
    out += '\n';
    return out;
}

} // namespace csv
