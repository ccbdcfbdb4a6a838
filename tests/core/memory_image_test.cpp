#include "core/memory_image.h"
#include "core/memory_map.h"

#include <array>
#include <gtest/gtest.h>

namespace {

CMemoryImage MakeImage()
{
    CMemoryImage image(1);
    image.Resize(memory_map::kImageSize);
    return image;
}

TEST(MemoryImage, OutOfRangeAccessIsAbsorbed)
{
    CMemoryImage image = MakeImage();
    EXPECT_EQ(image.GetByte(2816), 0xFF);
    image.SetByte(2816, 0x12);
    EXPECT_EQ(image.GetSize(), 2816U);
    EXPECT_EQ(image.GetBit(2816, 3), 1);
    image.SetBit(5000, 3, 0);
    EXPECT_EQ(image.GetByte(0xAFF), 0);

    std::array<uint8_t, 16> buffer{};
    buffer.fill(0x55);
    image.Read(0x0AF8, buffer.data(), 16);
    EXPECT_EQ(buffer[0], 0x55) << "a run that ends outside the image is not copied at all";
    image.Fill(0x0AF0, 0xAB, 16);
    image.Read(0x0AF0, buffer.data(), 16);
    EXPECT_EQ(buffer[15], 0xAB);

    const std::array<uint8_t, 2> two = {1, 2};
    EXPECT_FALSE(image.Write(0x0AFF, two.data(), 2));
    EXPECT_EQ(image.GetByte(0x0AFF), 0xAB);
    EXPECT_TRUE(image.Write(0x0AFE, two.data(), 2));
    EXPECT_EQ(image.GetByte(0x0AFF), 2);
    EXPECT_FALSE(image.Write(0xFFFFFFFF, two.data(), 2)) << "address arithmetic must not wrap";
}

TEST(MemoryImage, FillWritesTheValidPartOfARun)
{
    CMemoryImage image = MakeImage();
    image.Fill(0x0AFE, 0x77, 10);
    EXPECT_EQ(image.GetByte(0x0AFD), 0);
    EXPECT_EQ(image.GetByte(0x0AFE), 0x77);
    EXPECT_EQ(image.GetByte(0x0AFF), 0x77);
}

TEST(MemoryImage, BitFieldsRunFromTheHighBitIntoTheNextByte)
{
    CMemoryImage image = MakeImage();
    image.SetByte(0x10, 0x01); // bit 0 of 0x10
    image.SetByte(0x11, 0x80); // bit 7 of 0x11
    EXPECT_EQ(image.GetBits(0x10, 0, 2), 3);
    image.SetByte(0x11, 0x00);
    EXPECT_EQ(image.GetBits(0x10, 0, 2), 2) << "bit 0 of the first byte is the high bit";

    image.SetByte(0x20, 0xA5);
    EXPECT_EQ(image.GetBits(0x20, 7, 8), 0xA5);
    image.SetBits(0x21, 7, 8, 0x3C);
    EXPECT_EQ(image.GetByte(0x21), 0x3C);

    image.SetBits(0x30, 2, 3, 0b101);
    EXPECT_EQ(image.GetByte(0x30), 0b00000101);
    image.SetBits(0x40, 3, 12, 0xABC);
    EXPECT_EQ(image.GetByte(0x40), 0x0A);
    EXPECT_EQ(image.GetByte(0x41), 0xBC);
    EXPECT_EQ(image.GetBits(0x40, 3, 12), 0xABC);
    EXPECT_EQ(image.GetBits(0x40, 7, 16), 0x0ABC);
}

TEST(MemoryImage, FillBitsCrossesByteBoundaries)
{
    CMemoryImage image = MakeImage();
    image.FillBits(0, 7, 1, 12);
    EXPECT_EQ(image.GetByte(0), 0xFF);
    EXPECT_EQ(image.GetByte(1), 0xF0);
    image.FillBits(0x10, 2, 1, 4);
    EXPECT_EQ(image.GetByte(0x10), 0x07);
    EXPECT_EQ(image.GetByte(0x11), 0x80);
    image.FillBits(0, 7, 0, 3);
    EXPECT_EQ(image.GetByte(0), 0x1F);
}

TEST(MemoryImage, BitsOnInvalidBytesReadAsOnesAndAreDroppedOnWrite)
{
    CMemoryImage image = MakeImage();
    EXPECT_EQ(image.GetBits(0xAFF, 0, 3), 0b011) << "bits past the end contribute ones";
    image.SetBits(0xAFF, 0, 3, 0b000);
    EXPECT_EQ(image.GetByte(0xAFF), 0);
}

TEST(MemoryImage, CompareAndCopyAreWholeImage)
{
    CMemoryImage a = MakeImage();
    CMemoryImage b(16);
    EXPECT_TRUE(a.IsDifferent(b));
    CMemoryImage zeroes(2816);
    EXPECT_TRUE(a.IsEqual(zeroes));
    CMemoryImage small(4);
    CMemoryImage smallToo(5);
    EXPECT_FALSE(small.IsEqual(smallToo)) << "different sizes are never equal";
    a.SetByte(100, 9);
    b.CopyFrom(a);
    EXPECT_EQ(b.GetSize(), 2816U);
    EXPECT_TRUE(b.IsEqual(a));
    b.SetByte(2815, 1);
    EXPECT_TRUE(b.IsDifferent(a));
}

TEST(MemoryImage, ResizeLosesTheContents)
{
    CMemoryImage image = MakeImage();
    image.SetByte(5, 0x42);
    image.Resize(2816);
    EXPECT_EQ(image.GetByte(5), 0);
    image.Resize(3);
    EXPECT_FALSE(image.IsValid(3));
}

} // namespace
