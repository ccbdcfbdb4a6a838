#include "core/default_images.h"

#include "core/memory_map.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace {

using namespace memory_map;
constexpr uint32_t kBlockSize = kChannelBlockSize;
constexpr int kMemoryCount = 100;
constexpr int kEdgeCount = 20;

constexpr uint8_t kBlankFlag = 0xFF; // bit 7 set: the channel is not in use
constexpr uint8_t kUsedFlag = 0x00;

// Codes as stored in the image.
enum EMode : uint8_t
{
    kFm = 0,
    kWideFm = 1,
    kAm = 2
};
enum EStep : uint8_t
{
    k5k = 0,
    k10k = 1,
    k12k5 = 2,
    k20k = 4,
    k25k = 5,
    k50k = 7,
    k100k = 8
};
constexpr uint8_t kTone88_5 = 8;

struct SChannel
{
    int32_t kHz;
    uint8_t mode;
    int32_t offsetKHz;
    uint8_t step;
};

// Frequencies that differ by destination. Every one lies inside the destination's normal band plan,
// so the channels in use are legal whatever coverage the transceiver has.
struct SCountryDefaults
{
    int32_t band144;
    int32_t band430;
    int32_t band1200;
    int32_t edgeLow50; // program-scan edge 0A with the 50 MHz band
    int32_t edgeHigh;  // program-scan edge 0B
    int32_t broadcast; // start of FM broadcast: VFO WFM, and edge 0A and call "50" without 50 MHz
    uint8_t autoRepeater;
};

constexpr std::array<SCountryDefaults, 11> kCountries = {{
    {145'000, 433'000, 1'295'000, 50'000, 1'300'000, 76'000, 2}, // JPN
    {145'000, 433'000, 1'295'000, 50'000, 1'300'000, 88'000, 0}, // EUR
    {145'000, 433'000, 1'295'000, 50'000, 1'300'000, 88'000, 0}, // UK
    {145'000, 433'000, 1'295'000, 50'000, 1'300'000, 88'000, 0}, // DEN
    {145'000, 433'000, 1'295'000, 50'000, 1'300'000, 88'000, 0}, // ITA
    {146'010, 440'000, 1'295'000, 50'000, 1'300'000, 76'000, 0}, // USA
    {145'000, 433'000, 1'295'000, 50'000, 1'300'000, 88'000, 0}, // AUS
    {145'000, 433'000, 1'295'000, 50'000, 1'300'000, 76'000, 0}, // SEA
    {145'000, 433'000, 1'260'000, 50'000, 1'265'000, 76'000, 0}, // TPE
    {145'000, 433'000, 1'295'000, 50'000, 1'300'000, 76'000, 2}, // KOR
    {145'000, 433'000, 1'295'000, 50'200, 1'300'000, 88'000, 0}, // FRA
}};

constexpr int32_t k50MHz = 51'000;
constexpr int32_t kAirband = 118'000;
constexpr int32_t kBand300 = 300'000;
constexpr int32_t kBand800 = 800'000;

constexpr std::string_view kSignatureText = "VelkCloneFormat3";

// Frequency in whole kHz as three packed-decimal bytes; the top nibble counts hundreds of MHz.
void PutFrequency(CMemoryImage& image, uint32_t address, int32_t kHz)
{
    const auto bcd = [](int32_t v) { return static_cast<uint8_t>(((v / 10) % 10) << 4 | (v % 10)); };
    const int32_t tenMHz = kHz / 10'000;
    image.SetByte(address, static_cast<uint8_t>((tenMHz / 10) << 4 | (tenMHz % 10)));
    image.SetByte(address + 1, bcd(kHz / 100));
    image.SetByte(address + 2, bcd(kHz));
}

void PutChannel(CMemoryImage& image, uint32_t block, uint32_t flag, const SChannel& channel, bool named)
{
    PutFrequency(image, block, channel.kHz);
    image.SetByte(block + 3, channel.mode);
    PutFrequency(image, block + 4, channel.offsetKHz);
    image.SetByte(block + 7, kTone88_5);
    image.SetByte(block + 8, kTone88_5);
    image.SetByte(block + 9, channel.step);
    for (uint32_t i = 10; i < kBlockSize; ++i) {
        image.SetByte(block + i, named ? 0x00 : 0xFF); // a name of six NULs reads as blanks
    }
    image.SetByte(flag, kUsedFlag);
}

void PutCommonSettings(CMemoryImage& image, const SCountryDefaults& country)
{
    image.SetByte(0x841, 0x80); // RF power high
    image.SetByte(0x842, 1);    // DTMF memory 1 is dialled
    image.SetByte(0x843, 0x00); // name display off
    image.SetByte(0x880, 0);    // microphone NORMAL1
    image.SetByte(0x881, 0);    // auto power-off off
    image.SetByte(0x882, 1);    // back light automatic
    image.SetByte(0x883, 0);    // beep on
    image.SetByte(0x884, country.autoRepeater);
    image.SetByte(0x885, 0xFF); // power save on
    image.SetByte(0x886, 0);    // voltage indication on
    image.SetByte(0x887, 1);    // DTMF speed 100 ms
    image.SetByte(0x888, 2);    // LCD contrast high
    image.SetByte(0x890, 0);    // scan stop T-10
}

} // namespace

int DefaultImageIndex(int countryIndex, bool has50MBand)
{
    return countryIndex + (has50MBand ? 0 : static_cast<int>(kCountries.size()));
}

CMemoryImage BuildDefaultImage(int index)
{
    if (index < 0 || index >= kDefaultImageCount) {
        index = 5;
    }
    const bool has50 = index < static_cast<int>(kCountries.size());
    const SCountryDefaults& country = kCountries[static_cast<size_t>(index) % kCountries.size()];

    CMemoryImage image(memory_map::kImageSize);
    // Unused channel blocks and the regions no field covers.
    image.Fill(kMemoryBlocks, 0xFF, kVfoBlocks + 8 * kBlockSize - kMemoryBlocks);
    for (const SRegion& region : kUnusedRegions) {
        image.Fill(region.start, 0xFF, region.length);
    }
    image.Fill(kMemoryFlags, kBlankFlag, kMemoryCount);
    image.Fill(kEdgeFlags, kBlankFlag, kEdgeCount);
    image.Fill(kDtmfMemories, 0xFF, kDtmfMemoryCount * kDtmfBlockSize); // nine empty DTMF memories
    image.Fill(kCloneComment, ' ', kCloneCommentLength);
    image.Write(kSignature, reinterpret_cast<const uint8_t*>(kSignatureText.data()), kSignatureLength);

    const SChannel vfo[8] = {
        {k50MHz, kFm, 0, k10k},    {country.broadcast, kWideFm, 0, k100k},
        {kAirband, kAm, 0, k25k},  {country.band144, kFm, 0, k5k},
        {kBand300, kFm, 0, k25k},  {country.band430, kFm, 0, k5k},
        {kBand800, kFm, 0, k12k5}, {country.band1200, kFm, 0, k20k},
    };
    for (uint32_t i = 0; i < 8; ++i) {
        PutChannel(image, kVfoBlocks + i * kBlockSize, kVfoFlags + i, vfo[i], false);
    }

    const SChannel call50 =
        has50 ? SChannel{k50MHz, kFm, 0, k5k} : SChannel{country.broadcast, kWideFm, 0, k5k};
    const SChannel calls[4] = {
        call50,
        {country.band144, kFm, 0, k5k},
        {country.band430, kFm, 0, k5k},
        {country.band1200, kFm, 0, k5k},
    };
    for (uint32_t i = 0; i < 4; ++i) {
        PutChannel(image, kCallBlocks + i * kBlockSize, kCallFlags + i, calls[i], false);
    }

    const SChannel memories[4] = {
        {k50MHz, kFm, 500, k5k},
        {country.band144, kFm, 600, k5k},
        {country.band430, kFm, 5'000, k5k},
        {country.band1200, kFm, 20'000, k5k},
    };
    uint32_t slot = 0;
    for (const SChannel& memory : memories) {
        if (memory.kHz == k50MHz && !has50) {
            continue;
        }
        PutChannel(image, kMemoryBlocks + slot * kBlockSize, kMemoryFlags + slot, memory, true);
        ++slot;
    }

    const SChannel edges[2] = {
        has50 ? SChannel{country.edgeLow50, kFm, 0, k5k} : SChannel{country.broadcast, kWideFm, 0, k5k},
        {country.edgeHigh, kFm, 0, k5k},
    };
    for (uint32_t i = 0; i < 2; ++i) {
        PutChannel(image, kEdgeBlocks + i * kBlockSize, kEdgeFlags + i, edges[i], true);
    }

    PutCommonSettings(image, country);
    return image;
}
