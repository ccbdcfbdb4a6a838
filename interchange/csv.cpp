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

CReader::CReader(std::string_view text) : m_text(text)
{
    if (m_text.starts_with(kByteOrderMark)) {
        m_text.remove_prefix(kByteOrderMark.size());
    }
}

bool CReader::Next(SRecord& record)
{
    record.line = m_line;
    record.fields.clear();
    m_dropped = 0;
    if (m_at >= m_text.size()) {
        return false;
    }
    std::string field;
    bool inQuotes = false;
    bool quoted = false; // the current field began with a quote
    size_t quoteStart = 0;
    int quoteLine = 0;

    const auto endField = [&] {
        if (record.fields.size() < kMostFields) {
            record.fields.push_back(std::move(field));
        } else {
            ++m_dropped;
        }
        field.clear();
        quoted = false;
    };

    const std::string_view text = m_text;
    size_t i = m_at;
    for (; i < text.size(); ++i) {
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
                    ++m_line;
                }
                field += c;
            }
            continue;
        }
        if (c == kSeparator) {
            endField();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            ++m_line;
            endField();
            m_at = i + 1;
            return true;
        } else if (c == kQuote && field.empty() && !quoted) {
            inQuotes = true;
            quoted = true;
            quoteStart = i + 1;
            quoteLine = m_line;
        } else {
            field += c;
        }
    }
    m_at = text.size();
    if (inQuotes) {
        m_unclosedQuoteLine = record.line;
        // Name the lines the open field took in, that the report may say each was lost.
        int line = quoteLine;
        bool content = false;
        for (size_t j = quoteStart; j < text.size(); ++j) {
            const char c = text[j];
            if (c == '\n' || c == '\r') {
                if (c == '\r' && j + 1 < text.size() && text[j + 1] == '\n') {
                    ++j;
                }
                ++line;
                content = false;
            } else if (!content && c != ' ' && c != '\t' && line > quoteLine) {
                content = true;
                m_swallowedLines.push_back(line);
            }
        }
    }
    endField();
    return true;
}

SDocument Read(std::string_view text)
{
    SDocument document;
    CReader reader(text);
    SRecord record;
    while (reader.Next(record)) {
        document.records.push_back(record);
    }
    document.unclosedQuoteLine = reader.UnclosedQuoteLine();
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
