#include "core/clone_record.h"
#include "core/command_text.h"

#include <gtest/gtest.h>

namespace {

TEST(CloneRecord, ParsesAndFormatsRecordTexts)
{
    CMemoryImage image(2816);
    CCloneRecord record;
    record.Attach(&image);
    EXPECT_EQ(record.Parse("00000100"), answer::kOk);
    EXPECT_EQ(record.GetAddress(), 0U);
    ASSERT_EQ(record.GetLength(), 1U);
    EXPECT_EQ(record.GetData()[0], 0);

    EXPECT_EQ(record.Parse("0aff01ff"), answer::kOk);
    EXPECT_EQ(record.GetAddress(), 0xAFFU);
    EXPECT_EQ(record.Format(), "0AFF01FF");

    image.Fill(0xAF0, 0xFF, 16);
    record.Set(&image, 0xAF0, 16);
    record.Fetch();
    EXPECT_EQ(record.Format(), "0AF010" + std::string(32, 'F'));
}

TEST(CloneRecord, ChecksRunInOrderAndFailuresChangeNothing)
{
    CMemoryImage image(2816);
    CCloneRecord record;
    EXPECT_EQ(record.Parse("00000100"), answer::kError) << "no image attached";
    record.Attach(&image);
    ASSERT_EQ(record.Parse("00100201FF"), answer::kOk);

    EXPECT_EQ(record.Parse("0AFF02FFFF"), answer::kDataOverflow);
    EXPECT_EQ(record.Parse("0000100"), answer::kFormatError);
    EXPECT_EQ(record.Parse(std::string(517, '0')), answer::kFormatError);
    EXPECT_EQ(record.Parse("000010FF"), answer::kFormatError) << "count 0x10 needs 38 characters";
    EXPECT_EQ(record.Parse("0000 100"), answer::kFormatError);
    EXPECT_EQ(record.Parse(std::string("000001\0"
                                       "0",
                                       8)),
              answer::kFormatError);
    EXPECT_EQ(record.Parse("00000000"), answer::kFormatError) << "a zero count never fits";
    EXPECT_EQ(record.Parse("FFFFFF" + std::string(510, '0')), answer::kDataOverflow);

    EXPECT_EQ(record.GetAddress(), 0x10U) << "failed parses keep the previous record";
    ASSERT_EQ(record.GetLength(), 2U);
    EXPECT_EQ(record.GetData()[0], 0x01);
    EXPECT_EQ(record.GetData()[1], 0xFF);
    EXPECT_EQ(image.GetByte(0x10), 0) << "parse never writes the image";
}

TEST(CloneRecord, CoverageTracksStoredBytes)
{
    CMemoryImage image(2816);
    CCloneRecord record;
    EXPECT_FALSE(record.IsComplete()) << "never attached";
    record.Attach(&image);
    for (uint32_t a = 0; a < 2816; a += 16) {
        if (a == 0x7A0) {
            continue;
        }
        char text[8];
        std::snprintf(text, sizeof text, "%04X10", a);
        ASSERT_EQ(record.Parse(std::string(text) + std::string(32, 'A')), answer::kOk);
        record.Store();
    }
    EXPECT_FALSE(record.IsComplete());
    EXPECT_EQ(record.Parse("07A010" + std::string(32, 'b')), answer::kOk);
    record.Store();
    EXPECT_TRUE(record.IsComplete());
    EXPECT_EQ(image.GetByte(0x7A5), 0xBB);

    record.Attach(&image);
    EXPECT_TRUE(record.IsComplete()) << "attaching the same image keeps the bitmap";
    CMemoryImage other(2816);
    record.Attach(&other);
    EXPECT_FALSE(record.IsComplete());
}

TEST(CloneRecord, OverlappingRecordsAndPaddingBits)
{
    CMemoryImage image(2816);
    CCloneRecord record;
    record.Attach(&image);
    ASSERT_EQ(record.Parse("000004" + std::string(8, '1')), answer::kOk);
    record.Store();
    ASSERT_EQ(record.Parse("000410" + std::string(32, '2')), answer::kOk);
    record.Store();
    EXPECT_EQ(image.GetByte(0x003), 0x11);
    EXPECT_EQ(image.GetByte(0x013), 0x22);
    EXPECT_EQ(image.GetByte(0x014), 0x00);

    CMemoryImage odd(10);
    CCloneRecord small;
    small.Attach(&odd);
    ASSERT_EQ(small.Parse("00000A" + std::string(20, '0')), answer::kOk);
    small.Store();
    EXPECT_TRUE(small.IsComplete()) << "bits past the end of an odd-sized image count as covered";
}

} // namespace
