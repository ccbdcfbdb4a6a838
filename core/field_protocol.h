#pragma once

#include "core/command_text.h"

#include <string>

// What the typed values share in answering field commands.

// The value part of a field command: everything after the first "=".
inline std::string FieldValue(const CCommandCursor& cursor)
{
    return cursor.Rest('=', 1);
}

// With "ByNumber" the value part is a number, with any other selector a text; an empty value only
// asks, and a number that does not read changes nothing. `answer(byNumber)` tells what is held
// afterwards.
template <typename SetText, typename SetNumber, typename Answer>
std::string ExecuteField(CCommandCursor& cursor, SetText setText, SetNumber setNumber, Answer answer)
{
    const bool byNumber = ParseSelector(cursor) == ESelector::ByNumber;
    const std::string value = FieldValue(cursor);
    if (!value.empty()) {
        long long number = 0;
        if (!byNumber) {
            setText(value);
        } else if (ParseDecimal(value, number)) {
            setNumber(number);
        }
    }
    return answer(byNumber);
}
