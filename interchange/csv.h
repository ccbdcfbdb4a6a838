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

struct SDocument
{
    std::vector<SRecord> records;
    // The line of the record whose quoted field runs to the end of the text; 0 when every quote closes.
    // That record is the last one and holds the rest of the text.
    int unclosedQuoteLine = 0;
};

SDocument Read(std::string_view text);

// The field as written: in double quotes (inner quotes doubled) when it holds a comma, a quote, a line
// break or blanks at either end.
std::string Field(std::string_view text);
// The fields joined by commas, ended by LF.
std::string Record(const std::vector<std::string>& fields);

} // namespace csv
