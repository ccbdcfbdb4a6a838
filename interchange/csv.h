#pragma once

#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as RFC 4180 has them: fields in double quotes may hold commas, line breaks and
// doubled quotes. The reader also takes a UTF-8 byte order mark, LF or CR line ends, and is lenient
// where writers are sloppy (a quote inside an unquoted field is kept as text).
namespace csv {

struct SRecord
{
    // The line of the text on which the record starts, from 1.
    int line = 0;
    std::vector<std::string> fields;

    // An empty line, or one of empty fields only.
    bool IsBlank() const;
};

// Reads the records of a text one after another, holding one record at a time, so that the memory it
// takes does not grow with the text. A record keeps at most kMostFields fields; the rest of a longer
// one is counted, not kept.
class CReader
{
public:
    static constexpr size_t kMostFields = 1024;

    // The text must outlive the reader.
    explicit CReader(std::string_view text);

    // The next record; false at the end of the text.
    bool Next(SRecord& record);
    // Fields of the last record read beyond kMostFields.
    size_t DroppedFields() const { return m_dropped; }
    // Once the last record is read: the line of the record whose quoted field runs to the end of the
    // text (that record is the last one and holds the rest of the text); 0 when every quote closes.
    int UnclosedQuoteLine() const { return m_unclosedQuoteLine; }
    // With an unclosed quote: the later lines it swallowed that hold anything but blanks.
    const std::vector<int>& SwallowedLines() const { return m_swallowedLines; }

private:
    std::string_view m_text;
    size_t m_at = 0;
    int m_line = 1;
    size_t m_dropped = 0;
    int m_unclosedQuoteLine = 0;
    std::vector<int> m_swallowedLines;
};

struct SDocument
{
    std::vector<SRecord> records;
    // As CReader::UnclosedQuoteLine().
    int unclosedQuoteLine = 0;
};

// Every record at once: for small texts.
SDocument Read(std::string_view text);

// The field as written: in double quotes (inner quotes doubled) when it holds a comma, a quote, a line
// break or blanks at either end.
std::string Field(std::string_view text);
// The fields joined by commas, ended by LF.
std::string Record(const std::vector<std::string>& fields);

} // namespace csv
