#pragma once

#include "operations/channel_fields.h"

#include <string>
#include <string_view>
#include <vector>

class ICommandTarget;

enum class ESortKey
{
    Frequency,
    Name,
    // The tone in use (the repeater tone with "TONE", the TSQL tone with "TSQL"), then the frequency.
    ToneThenFrequency,
};

enum class ESortOrder
{
    Ascending,
    Descending,
};

// A row the operation left as it was, and why; or a row whose stored value differs from the one asked
// for, and how.
struct SRowNote
{
    int row = 0;
    std::string text;
};

// What a caller needs to report an operation. Rows are list rows (memory channel n is row n).
struct SOperationResult
{
    // Rows whose channel differs from before, ascending. A blank row that stays blank never counts.
    std::vector<int> changedRows;
    // Rows left unchanged because the value is not allowed there.
    std::vector<SRowNote> skippedRows;
    // Rows that took the value in another form (rounded, or corrected by the channel's repair).
    std::vector<SRowNote> adjustedRows;
    // Why the operation did nothing at all (a bad range, a move past the first or last memory
    // channel, a row that does not move); empty when it ran.
    std::string refusal;

    bool Refused() const { return !refusal.empty(); }
};

// Operations on many memory channels at once, through the channel commands of the radio data object.
// Channels move whole, by the channel table's Copy and Paste (with Delete and Insert to shift the
// channels between), so every field travels and each channel is repaired as it lands. Channels of a
// range keep the row order of the list; program-scan edges and call channels never move.
//
// The channel clipboard carries the channels that move; what the user copied is put aside meanwhile
// ("CLIPBOARD.SAVE" and "CLIPBOARD.RESTORE") and is on the clipboard again afterwards. Nothing is
// written to the image until the next heal, which the document's undo snapshot ("IMAGE") and every
// save run anyway.
class CChannelOperations
{
public:
    static constexpr int kFirstMemory = 0;
    static constexpr int kLastMemory = 99;

    explicit CChannelOperations(ICommandTarget& data) : m_data(data) {}

    // Sorts the channels in use among memory channels first..last by the key; blank channels go to
    // the end of the range. Equal keys keep their order. Channels without the key (no name, no tone)
    // follow those with it in either order.
    SOperationResult Sort(int first, int last, ESortKey key, ESortOrder order = ESortOrder::Ascending);

    // Closes the gaps between the channels in use among memory channels first..last, keeping their
    // order; the blank channels go to the end of the range.
    SOperationResult Compact(int first, int last);

    // Swaps memory channel `row` with the one above (delta -1) or below (delta +1). Refused at the
    // first and last memory channel, for edge and call rows, and for any other delta.
    SOperationResult Move(int row, int delta);

    // Sets one field, in its exchange form, on every channel in use among memory channels first..last,
    // each repaired after. The fields that can be filled are Duplex, Offset, Tone, rToneFreq, cToneFreq,
    // Mode and Skip. A channel where the value is not allowed (a mode the band does not permit) is left
    // as it was and reported as skipped; one that holds the value in another form (an offset rounded to
    // the band's step) is reported as adjusted. Refused, changing nothing, for Frequency and Name and for
    // a value the field cannot take at all.
    SOperationResult Fill(int first, int last, EChannelField field, std::string_view value);

    static bool CanFill(EChannelField field);

    // Rows whose channel is in use and whose name contains the text (letter case ignored) or whose
    // frequency text begins with it (a decimal comma read as a point), in row order. Blank text finds
    // nothing.
    std::vector<int> Find(std::string_view text);

private:
    // The channel of every row as "ALL" answers it, and whether it is blank.
    struct SRowState
    {
        bool blank = true;
        std::string all;
    };

    std::string Send(int row, std::string_view operation);
    std::vector<SRowState> ReadRows(int first, int last);
    static std::vector<int> ChangedRows(int first, const std::vector<SRowState>& before,
                                        const std::vector<SRowState>& after);
    static std::string CheckRange(int first, int last);
    std::vector<int> RowsInUse(int first, int last);
    // Puts the channels in use among rows first.. into `order` (their present rows, in the order
    // wanted), the blank rows after them; reports the rows that changed.
    SOperationResult Arrange(int first, int last, const std::vector<int>& order);
    // Takes the channel of row `from` out and puts it in at row `to` (to < from); the channels between
    // move down one row. Rows after `from` end as they were.
    void BringForward(int to, int from);

    ICommandTarget& m_data;
};
