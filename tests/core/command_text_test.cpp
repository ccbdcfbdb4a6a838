#include "core/channel_id.h"
#include "core/command_text.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandText, TokenAndRestCutAtSeparators)
{
    const CCommandCursor cursor("CH.MCH.5.FREQUENCY=145.0000");
    EXPECT_EQ(cursor.Token('.', 0), "CH");
    EXPECT_EQ(cursor.Token('.', 2), "5");
    EXPECT_EQ(cursor.Token('.', 3), "FREQUENCY=145");
    EXPECT_EQ(cursor.Token('.', 5), "");
    EXPECT_EQ(cursor.Rest('.', 0), "CH.MCH.5.FREQUENCY=145.0000");
    EXPECT_EQ(cursor.Rest('.', 3), "FREQUENCY=145.0000");
    EXPECT_EQ(cursor.Rest('.', 5), "");
    EXPECT_EQ(cursor.Token('=', 1), "145.0000");

    const CCommandCursor path("FILE.SAVE.\"a.b/c\"");
    EXPECT_EQ(path.Token(std::string_view("\""), 1), "a.b/c");
    EXPECT_EQ(path.Rest(std::string_view(".\""), 1), "a.b/c\"");
}

TEST(CommandText, KeywordsFoldOnlyAsciiLetters)
{
    EXPECT_TRUE(EqualsNoCase("File", "FILE"));
    EXPECT_TRUE(EqualsNoCase("file", "FILE"));
    EXPECT_FALSE(EqualsNoCase("FILE", "FILES"));
    EXPECT_FALSE(EqualsNoCase("\xC4", "\xE4")) << "bytes outside A-Z are compared as they are";
    EXPECT_EQ(ToUpperAscii("am-1z"), "AM-1Z");
}

TEST(CommandText, SelectorsAreRecognisedAndRemoved)
{
    CCommandCursor number("ByNumber=2");
    EXPECT_EQ(ParseSelector(number), ESelector::ByNumber);
    EXPECT_EQ(number.GetText(), "=2");

    CCommandCursor menu("bymenuitemname=X");
    EXPECT_EQ(ParseSelector(menu), ESelector::ByMenuItemName);
    EXPECT_EQ(menu.GetText(), "=X");

    CCommandCursor bogus("Bogus=HIGH");
    EXPECT_EQ(ParseSelector(bogus), ESelector::ByString);
    EXPECT_EQ(bogus.GetText(), "Bogus=HIGH") << "an unknown selector leaves the cursor alone";

    CCommandCursor query("ByNumber");
    EXPECT_EQ(ParseSelector(query), ESelector::ByNumber);
    EXPECT_EQ(query.GetText(), "=");

    EXPECT_EQ(SelectorOf("BYSTRING"), ESelector::ByString);
    EXPECT_EQ(SelectorOf("ByNumber"), ESelector::ByNumber);
}

TEST(CommandText, DecimalParsingBehavesLikePercentD)
{
    long long v = 0;
    size_t used = 0;
    EXPECT_TRUE(ParseDecimal(" -12x", v, &used));
    EXPECT_EQ(v, -12);
    EXPECT_EQ(used, 4U);
    EXPECT_FALSE(ParseDecimal("x12", v));
    EXPECT_FALSE(ParseDecimal("-", v));
    EXPECT_TRUE(ParseDecimal("99999999999999999999999999", v));
    EXPECT_GT(v, 0) << "huge numbers saturate instead of overflowing";
}

TEST(ChannelId, ParsesEveryKindAndConsumesTheAddress)
{
    CChannelId id;
    CCommandCursor edge("CH.PCH.3B.FREQUENCY");
    id.Parse(edge);
    EXPECT_EQ(id.GetKind(), CChannelId::kPch);
    EXPECT_EQ(id.GetNumber(), 7);
    EXPECT_EQ(id.FlatIndex(), 115);
    EXPECT_EQ(edge.GetText(), "FREQUENCY");

    CChannelId lower;
    CCommandCursor lowerEdge("ch.pch.3b.FREQUENCY");
    lower.Parse(lowerEdge);
    EXPECT_EQ(lower, id);

    CChannelId odd;
    CCommandCursor oddEdge("CH.PCH.3X.FREQUENCY");
    odd.Parse(oddEdge);
    EXPECT_EQ(odd.GetNumber(), 6) << "any letter but B is A";

    CChannelId call;
    CCommandCursor callCursor("CH.CALL.430.PASTE.CHECK");
    call.Parse(callCursor);
    EXPECT_EQ(call.FlatIndex(), 130);
    EXPECT_EQ(callCursor.GetText(), "PASTE.CHECK");

    CChannelId vfo;
    CCommandCursor vfoCursor("CH.VFO.WFM.MODE=AM");
    vfo.Parse(vfoCursor);
    EXPECT_EQ(vfo.FlatIndex(), 1);
    EXPECT_EQ(vfoCursor.GetText(), "MODE=AM");
}

TEST(ChannelId, InvalidAddressesKeepTheIdButConsumeTheAddress)
{
    for (const char* text : {"CH.MCH.100.FREQUENCY", "CH.MCH.-1.FREQUENCY", "CH.PCH.10A.FREQUENCY",
                             "CH.CALL.28.FREQUENCY", "CH.MCH.x.FREQUENCY"}) {
        CChannelId id;
        CCommandCursor cursor(text);
        id.Parse(cursor);
        EXPECT_EQ(id.GetKind(), CChannelId::kNone) << text;
        EXPECT_EQ(cursor.GetText(), "FREQUENCY") << text;
    }
    CChannelId id;
    CCommandCursor notChannel("COMMON.BEEP");
    id.Parse(notChannel);
    EXPECT_EQ(notChannel.GetText(), "COMMON.BEEP");
    CCommandCursor none("CH.NONE.0.FREQUENCY");
    id.Parse(none);
    EXPECT_EQ(none.GetText(), "CH.NONE.0.FREQUENCY");
}

TEST(ChannelId, NormalizeAndWalk)
{
    EXPECT_EQ(CChannelId(CChannelId::kVfo, 8), CChannelId(CChannelId::kVfo, 3));
    EXPECT_EQ(CChannelId(CChannelId::kCall, 9).GetNumber(), 1);
    const CChannelId strange(7, 0);
    EXPECT_EQ(strange.GetKind(), CChannelId::kVfo);
    EXPECT_EQ(strange.GetNumber(), 0);

    CChannelId id;
    id.Next();
    EXPECT_EQ(id, CChannelId(CChannelId::kVfo, 0));
    int visited = 0;
    int expectedIndex = 0;
    while (id.GetKind() != CChannelId::kNone) {
        EXPECT_EQ(id.FlatIndex(), expectedIndex++);
        EXPECT_EQ(CChannelId::FromFlatIndex(id.FlatIndex()), id);
        ++visited;
        id.Next();
    }
    EXPECT_EQ(visited, CChannelId::kChannelCount);
    EXPECT_EQ(id.GetNumber(), 0);

    EXPECT_TRUE(CChannelId(CChannelId::kPch, 2).MayBeBlank());
    EXPECT_FALSE(CChannelId(CChannelId::kPch, 1).MayBeBlank());
    EXPECT_FALSE(CChannelId(CChannelId::kCall, 0).MayBeBlank());
    EXPECT_TRUE(CChannelId().IsVfoLike());
    EXPECT_EQ(CChannelId(CChannelId::kPch, 7).NumberText(), "3B");
    EXPECT_EQ(CChannelId(CChannelId::kCall, 3).NumberText(), "1200");
}

} // namespace
