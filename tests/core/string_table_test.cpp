#include "core/string_table.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {

// The marks are filled in one pass, so a mark inside an argument (a name from a file, say) is never
// filled in again; a mark without an argument stays as it is.
TEST(StringFormat, FillsEachMarkOnceFromItsArgument)
{
    struct SCase
    {
        const char* what;
        int id;
        std::initializer_list<std::string_view> arguments;
        const char* expected;
    };
    const SCase cases[] = {
        {"in order", ids::kCsvNoteFormat, {"12", "no Frequency"}, "line 12: no Frequency"},
        {"a mark inside an argument stays", ids::kCsvNoteFormat, {"%2", "x"}, "line %2: x"},
        {"a missing argument leaves its mark", ids::kCsvNoteFormat, {"3"}, "line 3: %2"},
        {"more arguments than marks", ids::kCsvRowSkippedFormat, {"why", "unused"}, "why, row skipped"},
        {"a text without marks", ids::kCsvNoHeader, {"x"}, "no header line, nothing imported"},
    };
    for (const SCase& c : cases) {
        EXPECT_EQ(FormatText(c.id, c.arguments), c.expected) << c.what;
    }
}

// The desktop program's translations stand in for the English texts, which stay at hand.
TEST(StringTranslation, TranslatedTextsStandInForTheEnglishOnes)
{
    const std::string english(StringText(ids::kCsvNoteFormat));
    SetTranslatedTexts({{ids::kCsvNoteFormat, "Zeile %1: %2"}});
    EXPECT_EQ(StringText(ids::kCsvNoteFormat), "Zeile %1: %2");
    EXPECT_EQ(FormatText(ids::kCsvNoteFormat, {"4", "x"}), "Zeile 4: x");
    EXPECT_EQ(EnglishText(ids::kCsvNoteFormat), english);
    EXPECT_EQ(StringText(ids::kCsvNoHeader), EnglishText(ids::kCsvNoHeader))
        << "untranslated texts stay English";
    SetTranslatedTexts({});
    EXPECT_EQ(StringText(ids::kCsvNoteFormat), english);
}

} // namespace
