#include "core/rig/default_images.h"

#include "channels/channel_record.h"
#include "channels/command_keys.h"
#include "channels/common_settings.h"
#include "channels/model_profile.h"
#include "core/channel_id.h"
#include "core/command_text.h"
#include "core/memory_map.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace memory_map;

struct SChannel
{
    int32_t kHz;
    std::string_view mode;
    int32_t offsetKHz;
    std::string_view step;
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
    std::string_view autoRepeater;
};

constexpr std::array<SCountryDefaults, CModelProfile::kCountryCount> kCountries = {{
    {145'000, 433'000, 1'295'000, 50'000, 1'300'000, 76'000, answer::kOn},  // JPN
    {145'000, 433'000, 1'295'000, 50'000, 1'300'000, 88'000, answer::kOff}, // EUR
    {145'000, 433'000, 1'295'000, 50'000, 1'300'000, 88'000, answer::kOff}, // UK
    {145'000, 433'000, 1'295'000, 50'000, 1'300'000, 88'000, answer::kOff}, // DEN
    {145'000, 433'000, 1'295'000, 50'000, 1'300'000, 88'000, answer::kOff}, // ITA
    {146'010, 440'000, 1'295'000, 50'000, 1'300'000, 76'000, answer::kOff}, // USA
    {145'000, 433'000, 1'295'000, 50'000, 1'300'000, 88'000, answer::kOff}, // AUS
    {145'000, 433'000, 1'295'000, 50'000, 1'300'000, 76'000, answer::kOff}, // SEA
    {145'000, 433'000, 1'260'000, 50'000, 1'265'000, 76'000, answer::kOff}, // TPE
    {145'000, 433'000, 1'295'000, 50'000, 1'300'000, 76'000, answer::kOn},  // KOR
    {145'000, 433'000, 1'295'000, 50'200, 1'300'000, 88'000, answer::kOff}, // FRA
}};

constexpr int32_t k50MHz = 51'000;
constexpr int32_t kAirband = 118'000;
constexpr int32_t kBand300 = 300'000;
constexpr int32_t kBand800 = 800'000;
constexpr int32_t kHertzPerKilohertz = 1'000;

using keys::kModeAm;
using keys::kModeFm;
using keys::kModeWideFm;
using keys::kStep100k;
using keys::kStep10k;
using keys::kStep12k5;
using keys::kStep20k;
using keys::kStep25k;
using keys::kStep5k;

// Both tones of every channel in use.
constexpr std::string_view kTone = "88.5";

struct SSetting
{
    std::string_view key;
    std::string_view value;
};

// The common settings of every destination but its auto repeater.
constexpr std::array<SSetting, 13> kSettings = {{
    {keys::kRfPower, keys::kHigh},
    {keys::kDtmfChannel, "1"},
    {keys::kNameDisplay, answer::kOff},
    {keys::kMicFunction, keys::kMicNormal1},
    {keys::kAutoPowerOff, answer::kOff},
    {keys::kBacklight, keys::kAuto},
    {keys::kBeep, answer::kOn},
    {keys::kPowerSave, answer::kOn},
    {keys::kVoltageIndication, answer::kOn},
    {keys::kDtmfSpeed, keys::kDtmfSpeed100},
    {keys::kLcdContrast, keys::kHigh},
    {keys::kScanStopAction, keys::kScanTimer},
    {keys::kCloneComment, " "},
}};

constexpr std::string_view kSignatureText = "VelkCloneFormat3";

std::string Command(std::string_view key, std::string_view value)
{
    std::string command(key);
    command += '=';
    command += value;
    return command;
}

std::string Command(std::string_view key, int32_t number)
{
    return Command(key, std::to_string(number));
}

constexpr std::string_view kFrequencyHertz = keys::Dotted<keys::kFrequency, keys::kByNumber>;
constexpr std::string_view kOffsetHertz = keys::Dotted<keys::kOffset, keys::kByNumber>;

// Writes channels in use through a channel record. In every default image the bits the record
// leaves to the transceiver are clear, and the names of channels in use are six NULs (they read as
// blanks), which the record itself never writes.
class CChannelWriter
{
public:
    CChannelWriter() : m_record(nullptr) { m_record.BindLists(m_lists); }

    void Put(CMemoryImage& image, const CChannelId& id, const SChannel& channel)
    {
        m_record.SetIdentity(id.GetKind(), id.GetNumber());
        Execute(Command(keys::kAppear, answer::kOn));
        Execute(Command(kFrequencyHertz, channel.kHz * kHertzPerKilohertz));
        Execute(Command(keys::kMode, channel.mode));
        Execute(Command(kOffsetHertz, channel.offsetKHz * kHertzPerKilohertz));
        Execute(Command(keys::kRepeaterTone, kTone));
        Execute(Command(keys::kTsqlTone, kTone));
        Execute(Command(keys::kTuningStep, channel.step));

        const uint32_t block = ChannelBlockAddress(id);
        const uint32_t flag = ChannelFlagAddress(id);
        image.Fill(block, 0x00, CChannelRecord::kNameOffset);
        image.SetByte(flag, 0x00);
        m_record.Transfer(image, CChannelRecord::kWrite, block, flag);
        if (id.IsMemoryOrEdge()) {
            image.Fill(block + CChannelRecord::kNameOffset, 0x00, CChannelRecord::kNameLength);
        }
    }

private:
    void Execute(std::string command)
    {
        CCommandCursor cursor(std::move(command));
        m_record.Execute(cursor);
    }

    SChannelValueLists m_lists;
    CChannelRecord m_record;
};

void PutCommonSettings(CMemoryImage& image, int countryIndex, const SCountryDefaults& country)
{
    CModelProfile profile;
    profile.SetCountry(countryIndex);
    CCommonSettings settings(&profile);
    // The first transfer only takes the image in, so that the second one writes it.
    settings.Transfer(image);
    for (const SSetting& setting : kSettings) {
        CCommandCursor cursor(Command(keys::Common(setting.key), setting.value));
        settings.Execute(cursor);
    }
    CCommandCursor cursor(Command(keys::Common(keys::kAutoRepeater), country.autoRepeater));
    settings.Execute(cursor);
    settings.Transfer(image);
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
    const int countryIndex = index % static_cast<int>(kCountries.size());
    const SCountryDefaults& country = kCountries[static_cast<size_t>(countryIndex)];

    CMemoryImage image(kImageSize);
    // Unused channels, their flags (APPEAR "OFF"), and the regions no field covers.
    const auto countOf = [](int32_t kind) { return static_cast<uint32_t>(CChannelId::CountOf(kind)); };
    image.Fill(kMemoryBlocks, 0xFF,
               kVfoBlocks + countOf(CChannelId::kVfo) * kChannelBlockSize - kMemoryBlocks);
    image.Fill(kMemoryFlags, 0xFF, countOf(CChannelId::kMch));
    image.Fill(kEdgeFlags, 0xFF, countOf(CChannelId::kPch));
    for (const SRegion& region : kUnusedRegions) {
        image.Fill(region.start, 0xFF, region.length);
    }
    image.Fill(kDtmfMemories, 0xFF, kDtmfMemoryCount * kDtmfBlockSize); // nine empty DTMF memories
    image.Write(kSignature, reinterpret_cast<const uint8_t*>(kSignatureText.data()), kSignatureLength);

    CChannelWriter writer;
    const std::array<SChannel, 8> vfo = {{
        {k50MHz, kModeFm, 0, kStep10k},
        {country.broadcast, kModeWideFm, 0, kStep100k},
        {kAirband, kModeAm, 0, kStep25k},
        {country.band144, kModeFm, 0, kStep5k},
        {kBand300, kModeFm, 0, kStep25k},
        {country.band430, kModeFm, 0, kStep5k},
        {kBand800, kModeFm, 0, kStep12k5},
        {country.band1200, kModeFm, 0, kStep20k},
    }};
    for (size_t i = 0; i < vfo.size(); ++i) {
        writer.Put(image, CChannelId(CChannelId::kVfo, static_cast<int32_t>(i)), vfo[i]);
    }

    const std::array<SChannel, 4> calls = {{
        has50 ? SChannel{k50MHz, kModeFm, 0, kStep5k} : SChannel{country.broadcast, kModeWideFm, 0, kStep5k},
        {country.band144, kModeFm, 0, kStep5k},
        {country.band430, kModeFm, 0, kStep5k},
        {country.band1200, kModeFm, 0, kStep5k},
    }};
    for (size_t i = 0; i < calls.size(); ++i) {
        writer.Put(image, CChannelId(CChannelId::kCall, static_cast<int32_t>(i)), calls[i]);
    }

    const std::array<SChannel, 4> memories = {{
        {k50MHz, kModeFm, 500, kStep5k},
        {country.band144, kModeFm, 600, kStep5k},
        {country.band430, kModeFm, 5'000, kStep5k},
        {country.band1200, kModeFm, 20'000, kStep5k},
    }};
    int32_t slot = 0;
    for (const SChannel& memory : memories) {
        if (memory.kHz == k50MHz && !has50) {
            continue;
        }
        writer.Put(image, CChannelId(CChannelId::kMch, slot), memory);
        ++slot;
    }

    const std::array<SChannel, 2> edges = {{
        has50 ? SChannel{country.edgeLow50, kModeFm, 0, kStep5k}
              : SChannel{country.broadcast, kModeWideFm, 0, kStep5k},
        {country.edgeHigh, kModeFm, 0, kStep5k},
    }};
    for (size_t i = 0; i < edges.size(); ++i) {
        writer.Put(image, CChannelId(CChannelId::kPch, static_cast<int32_t>(i)), edges[i]);
    }

    PutCommonSettings(image, countryIndex, country);
    return image;
}
