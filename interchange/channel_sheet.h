#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

class ICommandTarget;

// What a printed channel sheet shows, worked out once from the radio data: a heading, then tables of
// text cells. Printing, the print preview and PDF files all render the same sheet, so only the layout
// is left to the renderer. The channel tables carry exactly the channel list's cell texts ("?" marks
// included).
namespace channel_sheet {

struct SOptions
{
    // Memory channels not in use get a row too (only their label).
    bool blankChannels = false;
    bool commonSettings = false;
    bool dtmfMemories = false;
};

enum class EAlign
{
    Left,
    Right
};

struct SColumn
{
    std::string header;
    EAlign align = EAlign::Left;
};

struct STable
{
    std::string title;
    // One line under the title; may be empty.
    std::string note;
    std::vector<SColumn> columns;
    // Each row has one cell per column.
    std::vector<std::vector<std::string>> rows;
    // Shown instead of the rows when there are none.
    std::string emptyText;
};

struct SHeading
{
    // The document's file name, or "Untitled".
    std::string title;
    // "Comment: Club net 2"; empty when the clone comment is blank.
    std::string comment;
    // "VL-L52, destination USA, normal coverage, bands 50/144/430/1200 MHz"
    std::string profile;
    // "Printed 2024-05-01"
    std::string printed;
};

struct SSheet
{
    SHeading heading;
    std::vector<STable> tables;
};

// `documentName` is the file name without its folder, empty for a document never saved; `printed` is
// the date the heading shows. The memory channel table is always there; the program-scan edge and call
// channel tables only when some are in use.
SSheet BuildSheet(ICommandTarget& data, std::string_view documentName, std::chrono::year_month_day printed,
                  const SOptions& options);

// "Page 1 of 2"
std::string PageNumberText(int page, int pageCount);

} // namespace channel_sheet
