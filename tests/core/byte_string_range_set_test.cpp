#include "core/byte_string.h"
#include "core/range_set.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(ByteString, CapacityBoundsEveryOperation)
{
    CByteString s;
    for (int i = 0; i < 256; ++i) {
        s.Append(static_cast<uint8_t>(i));
    }
    EXPECT_EQ(s.GetLength(), 255);
    EXPECT_EQ(s.At(254), 254);
    EXPECT_EQ(s.At(1000), 254) << "past the end reads the last byte";
    s.ToHex();
    EXPECT_EQ(s.GetLength(), 255) << "a conversion result is cut at the capacity";
    s.Assign("AB");
    EXPECT_EQ(s.AsText(), "AB");
    s.Assign(uint8_t{7});
    EXPECT_EQ(s.GetLength(), 1);
}

TEST(ByteString, HexConversions)
{
    CByteString s;
    s.Append(uint8_t{0x0A});
    s.Append(uint8_t{0xFF});
    s.ToHex();
    EXPECT_EQ(s.AsText(), "0AFF");
    s.Assign("0aFF");
    s.FromHex();
    ASSERT_EQ(s.GetLength(), 2);
    EXPECT_EQ(s.At(0), 0x00) << "lower-case letters count 0";
    EXPECT_EQ(s.At(1), 0xFF);
    s.Assign("ABC");
    s.FromHex();
    ASSERT_EQ(s.GetLength(), 2);
    EXPECT_EQ(s.At(0), 0xAB);
    EXPECT_EQ(s.At(1), 0x0C);
    s.ByteToHex(0x5E);
    EXPECT_EQ(s.AsText(), "5E");
}

TEST(Hex, WritesUpperCaseDigitsHighestFirst)
{
    struct SCase
    {
        uint32_t value;
        int digits;
        std::string_view text;
    };
    for (const SCase& c : {SCase{0x0A, 2, "0A"}, SCase{0xFF, 2, "FF"}, SCase{0x07FE, 4, "07FE"},
                           SCase{0x1234, 2, "34"}, SCase{0x5, 1, "5"}}) {
        std::string text = "x";
        AppendHex(text, c.value, c.digits);
        EXPECT_EQ(text, "x" + std::string(c.text)) << c.value;
    }
    const std::vector<uint8_t> bytes = {0x00, 0x5C, 0xAB, 0xFF};
    EXPECT_EQ(HexText(bytes), "005CABFF");
}

TEST(Hex, ReadsOnlyPairsOfUpperCaseDigits)
{
    struct SCase
    {
        std::string_view text;
        bool read;
        std::vector<uint8_t> bytes;
    };
    const SCase cases[] = {
        {"", true, {}},     {"005CABFF", true, {0x00, 0x5C, 0xAB, 0xFF}},
        {"ABC", false, {}}, {"0a", false, {}},
        {"0G", false, {}},  {"-1", false, {}},
    };
    for (const SCase& c : cases) {
        std::vector<uint8_t> bytes;
        EXPECT_EQ(DecodeHex(c.text, bytes), c.read) << c.text;
        if (c.read) {
            EXPECT_EQ(bytes, c.bytes) << c.text;
        }
    }
    EXPECT_EQ(HexDigitValue('F'), 15);
    EXPECT_EQ(HexDigitValue('f'), -1);
    EXPECT_EQ(HexDigitValue('\0'), -1);
}

TEST(ByteString, MidAndDiffers)
{
    CByteString a;
    a.Assign("HELLO");
    CByteString b = a;
    EXPECT_FALSE(a.Differs(b));
    b.Mid(1, 10);
    EXPECT_EQ(b.AsText(), "ELLO");
    b.Mid(3, 1);
    EXPECT_EQ(b.AsText(), "O");
    b.Mid(5, 2);
    EXPECT_EQ(b.GetLength(), 0);
    EXPECT_FALSE(b.Differs(CByteString()));
    CByteString c;
    c.Assign("HELL");
    EXPECT_TRUE(a.Differs(c));
}

TEST(RangeSet, RemoveSplitsTrimsAndDrops)
{
    CRangeSet set;
    set.Add(200, 100);
    EXPECT_TRUE(set.Contains(100));
    EXPECT_TRUE(set.Contains(200));
    set.Remove(150, 160);
    EXPECT_TRUE(set.Contains(149));
    EXPECT_FALSE(set.Contains(150));
    EXPECT_FALSE(set.Contains(160));
    EXPECT_TRUE(set.Contains(161));
    set.Remove(120, 50);
    EXPECT_FALSE(set.Contains(120));
    EXPECT_TRUE(set.Contains(121));
    EXPECT_TRUE(set.Contains(200));
    set.Remove(0, 1000);
    EXPECT_TRUE(set.Ranges().empty());
    for (int x : {-1, 0, 121, 200}) {
        EXPECT_FALSE(set.Contains(x));
    }
}

TEST(RangeSet, RemovingAtARangeEndLeavesNoPhantomMembers)
{
    CRangeSet set;
    set.Add(10, 20);
    set.Remove(10, 12);
    EXPECT_FALSE(set.Contains(9));
    EXPECT_FALSE(set.Contains(10));
    EXPECT_TRUE(set.Contains(13));
    set.Remove(18, 20);
    EXPECT_TRUE(set.Contains(17));
    EXPECT_FALSE(set.Contains(18));
    set.Add(1, 5);
    set.Add(3, 8);
    EXPECT_EQ(set.Ranges().front().low, 3) << "new ranges go to the head, unmerged";
    set.Remove(INT32_MIN, INT32_MAX);
    EXPECT_TRUE(set.Ranges().empty());
}

} // namespace
