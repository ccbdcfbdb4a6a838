#include "interchange/csv.h"

#include <gtest/gtest.h>

namespace {

using Fields = std::vector<std::string>;

TEST(CsvRead, Rfc4180AndWhatWritersDo)
{
    struct SCase
    {
        const char* name;
        std::string text;
        std::vector<std::pair<int, Fields>> records;
        int unclosedQuoteLine = 0;
    };
    const SCase cases[] = {
        {"plain", "a,b,c\n", {{1, {"a", "b", "c"}}}},
        {"CRLF", "a,b\r\nc,d\r\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        {"CR alone", "a\rb\r", {{1, {"a"}}, {2, {"b"}}}},
        {"no line end at the end", "a\nb", {{1, {"a"}}, {2, {"b"}}}},
        {"byte order mark", "\xEF\xBB\xBFLocation,Name\n", {{1, {"Location", "Name"}}}},
        {"quoted comma and doubled quote", "\"a,b\",\"c\"\"d\"\n", {{1, {"a,b", "c\"d"}}}},
        {"line break in quotes", "\"one\ntwo\",x\ny,z\n", {{1, {"one\ntwo", "x"}}, {3, {"y", "z"}}}},
        {"CRLF in quotes", "\"a\r\nb\",c\r\nd\r\n", {{1, {"a\r\nb", "c"}}, {3, {"d"}}}},
        {"empty fields", "a,,\n,\n", {{1, {"a", "", ""}}, {2, {"", ""}}}},
        {"empty quoted field", "\"\"\nx,\"\"", {{1, {""}}, {2, {"x", ""}}}},
        {"blank lines", "\n\na\n", {{1, {""}}, {2, {""}}, {3, {"a"}}}},
        {"quote inside an unquoted field", "ab\"c,d\n", {{1, {"ab\"c", "d"}}}},
        {"blanks are part of a field", " a , \"b\"\n", {{1, {" a ", " \"b\""}}}},
        {"unclosed quote", "x\n\"abc\nd,e\n", {{1, {"x"}}, {2, {"abc\nd,e\n"}}}, 2},
        {"nothing", "", {}},
    };
    for (const SCase& c : cases) {
        const csv::SDocument document = csv::Read(c.text);
        std::vector<std::pair<int, Fields>> records;
        for (const csv::SRecord& record : document.records) {
            records.emplace_back(record.line, record.fields);
        }
        EXPECT_EQ(records, c.records) << c.name;
        EXPECT_EQ(document.unclosedQuoteLine, c.unclosedQuoteLine) << c.name;
    }
}

TEST(CsvWrite, QuotesOnlyWhatNeedsIt)
{
    EXPECT_EQ(csv::Field("AB"), "AB");
    EXPECT_EQ(csv::Field(""), "");
    EXPECT_EQ(csv::Field("a,b"), "\"a,b\"");
    EXPECT_EQ(csv::Field("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csv::Field(" AB"), "\" AB\"");
    EXPECT_EQ(csv::Field("a\nb"), "\"a\nb\"");
    EXPECT_EQ(csv::Record({"1", "", "x,y"}), "1,,\"x,y\"\n");

    const Fields nasty = {"", " lead", "trail ", "a,b", "\"", "\"\"", "two\nlines", "cr\r\nlf", "plain"};
    const csv::SDocument back = csv::Read(csv::Record(nasty) + csv::Record({"next"}));
    ASSERT_EQ(back.records.size(), 2u);
    EXPECT_EQ(back.records[0].fields, nasty);
    EXPECT_EQ(back.records[1].fields, Fields{"next"});
    EXPECT_EQ(back.records[1].line, 4) << "line breaks inside fields count";
}

} // namespace
