#include "channels/clipboard_slot.h"
#include "channels/common_settings.h"
#include "channels/dtmf_memories.h"
#include "channels/model_profile.h"
#include "core/command_text.h"
#include "core/memory_image.h"
#include "core/memory_map.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

template <typename Handler> std::string Send(Handler& handler, const std::string& command)
{
    CCommandCursor cursor(command);
    return handler.Execute(cursor);
}

CModelProfile ProfileFor(int country)
{
    CModelProfile profile;
    profile.SetCountry(country);
    profile.Rebuild();
    return profile;
}

// "text=code" of every entry, then the fallback entry's text.
std::string Describe(CSettingField& field)
{
    const CCodeList& list = *field.CodeList();
    std::string out;
    for (int i = 0; i < list.Count(); ++i) {
        out += list.Text(i) + "=" + std::to_string(list.Code(i)) + " ";
    }
    return out + "/" + list.Text(list.DefaultPosition());
}

std::vector<uint8_t> Bytes(const CMemoryImage& image, uint32_t address, uint32_t count)
{
    std::vector<uint8_t> out;
    for (uint32_t i = 0; i < count; ++i) {
        out.push_back(image.GetByte(address + i));
    }
    return out;
}

} // namespace

TEST(CommonSettings, ListsTheSettingsInOrderWithPlacesCodesAndFallbacks)
{
    struct SRow
    {
        const char* key;
        int address;
        int startBit;
        int bitCount;
        const char* entries;
    };
    const std::vector<SRow> rows = {
        {"RF_POWER", 0x841, 7, 1, "LOW=0 HIGH=1 /LOW"},
        {"NAME_DISPLAY", 0x843, 7, 1, "OFF=0 ON=1 /OFF"},
        {"MIC_FUNCTION", 0x880, 7, 8, "NORMAL1=0 NORMAL2=1 SIMPLE=2 /NORMAL1"},
        {"AUTO_POWER_OFF", 0x881, 7, 8, "OFF=0 20min=2 40min=4 60min=6 /OFF"},
        {"BACKLIGHT", 0x882, 7, 8, "OFF=0 AUTO=1 ON=16 /OFF"},
        {"BEEP", 0x883, 7, 8, "OFF=255 ON=0 /OFF"},
        {"AUTO_REPEATER", 0x884, 7, 8, "OFF=0 ON1=1 ON2=2 /OFF"},
        {"POWER_SAVE", 0x885, 7, 8, "OFF=0 ON=255 /ON"},
        {"VOLTAGE_INDICATION", 0x886, 7, 8, "OFF=255 ON=0 /OFF"},
        {"DTMF_SPEED", 0x887, 7, 8, "100ms=1 200ms=2 300ms=3 500ms=5 /100ms"},
        {"LCD_CONTRAST", 0x888, 7, 8, "LOW=1 HIGH=2 /LOW"},
        {"SCAN_STOP_ACTION", 0x890, 7, 8, "T-10=0 P-2=255 /T-10"},
        {"DTMF_CH_NO", 0x842, 7, 8, "1=1 2=2 3=3 4=4 5=5 6=6 7=7 8=8 9=9 /1"},
    };
    const CModelProfile usa;
    CCommonSettings settings(&usa);
    ASSERT_EQ(settings.FieldCount(), 14);
    for (int i = 0; i < 13; ++i) {
        CSettingField& field = settings.Field(i);
        const SRow& row = rows[static_cast<size_t>(i)];
        EXPECT_EQ(field.GetName(), row.key);
        EXPECT_EQ(field.GetKindName(), "BITNUM");
        EXPECT_EQ(field.GetAddress(), row.address) << row.key;
        EXPECT_EQ(field.GetStartBit() * 100 + field.GetBitCount(), row.startBit * 100 + row.bitCount)
            << row.key;
        EXPECT_EQ(Describe(field), row.entries);
    }
    CSettingField& comment = settings.Field(13);
    EXPECT_EQ(comment.GetName(), "CLONE_COMMENT");
    EXPECT_EQ(comment.GetKindName(), "MEMNAME");
    EXPECT_EQ(comment.GetAddress(), 0xAE0);
    EXPECT_EQ(comment.GetBitCount(), 128);
}

TEST(CommonSettings, TransferStoresCodesAndReadsUnknownCodesAsTheFallback)
{
    const CModelProfile usa;
    CCommonSettings settings(&usa);
    CMemoryImage image(memory_map::kImageSize);
    image.Fill(0x840, 0xFF, 0x60);
    image.SetByte(0x881, 3);
    image.SetByte(0x885, 7);
    EXPECT_FALSE(settings.IsLoaded());
    settings.Transfer(image);
    EXPECT_TRUE(settings.IsLoaded());
    EXPECT_EQ(Send(settings, "COMMON.AUTO_POWER_OFF"), "OFF");
    EXPECT_EQ(Send(settings, "COMMON.POWER_SAVE"), "ON");
    EXPECT_EQ(Send(settings, "COMMON.BEEP"), "OFF");

    Send(settings, "COMMON.RF_POWER=LOW");
    Send(settings, "COMMON.BACKLIGHT=ON");
    Send(settings, "COMMON.BEEP=ON");
    settings.Transfer(image);
    EXPECT_EQ(image.GetByte(0x841), 0x7F); // only bit 7 belongs to RF_POWER
    EXPECT_EQ(image.GetByte(0x882), 16);
    EXPECT_EQ(image.GetByte(0x883), 0);
    EXPECT_EQ(image.GetByte(0x881), 0);
    EXPECT_EQ(image.GetByte(0x885), 0xFF);
    settings.MarkUnloaded();
    image.SetByte(0x887, 5);
    settings.Transfer(image);
    EXPECT_EQ(Send(settings, "COMMON.DTMF_SPEED"), "500ms");
    EXPECT_EQ(Send(settings, "COMMON.BACKLIGHT"), "ON");
}

TEST(CommonSettings, AutoRepeaterValuesDependOnTheCountry)
{
    const std::vector<std::pair<int, std::string>> lists = {{0, "OFF=0 ON=2 /OFF"},
                                                            {9, "OFF=0 ON=2 /OFF"},
                                                            {5, "OFF=0 ON1=1 ON2=2 /OFF"},
                                                            {1, "OFF=0 /OFF"},
                                                            {8, "OFF=0 /OFF"}};
    for (const auto& [country, entries] : lists) {
        const CModelProfile profile = ProfileFor(country);
        CCommonSettings settings(&profile);
        EXPECT_EQ(Describe(*settings.Find("auto_repeater")), entries) << country;
    }
    const CModelProfile eur = ProfileFor(1);
    CCommonSettings eurSettings(&eur);
    EXPECT_EQ(Send(eurSettings, "COMMON.AUTO_REPEATER=ON"), "OFF");
}

TEST(CommonSettings, CommandsFollowTheFieldProtocol)
{
    const CModelProfile usa;
    CCommonSettings settings(&usa);
    EXPECT_EQ(Send(settings, "common.beep"), Send(settings, "COMMON.BEEP"));
    EXPECT_EQ(Send(settings, "COMMON.RF_POWER=HIGH"), "HIGH");
    EXPECT_EQ(Send(settings, "COMMON.RF_POWER="), "HIGH");
    EXPECT_EQ(Send(settings, "COMMON.RF_POWER=MEDIUM"), "HIGH");
    EXPECT_EQ(Send(settings, "COMMON.RF_POWER.ByNumber=0"), "0");
    EXPECT_EQ(Send(settings, "COMMON.RF_POWER.Bogus=high"), "HIGH");
    EXPECT_EQ(Send(settings, "COMMON.DTMF_SPEED=200MS"), "200ms");
    for (const char* command : {"", "COMMON", "COMMON.", "COMMON.NOSUCH=1", "NOSUCH.KEY", "DTMF.1", "BEEP"}) {
        CCommandCursor cursor(command);
        EXPECT_EQ(settings.Execute(cursor), "") << command;
        EXPECT_EQ(cursor.GetText(), command);
    }
}

TEST(CommonSettings, CloneCommentKeepsCaseAndPrintablesInSixteenCharacters)
{
    const CModelProfile usa;
    CCommonSettings settings(&usa);
    CMemoryImage image(memory_map::kImageSize);
    settings.Transfer(image);
    EXPECT_EQ(Send(settings, "COMMON.CLONE_COMMENT"), std::string(16, ' '));
    const std::string typed = "Club net 2" + std::string(6, ' ');
    EXPECT_EQ(Send(settings, "COMMON.CLONE_COMMENT=Club net 2"), typed);
    settings.Transfer(image);
    EXPECT_EQ(Bytes(image, 0xAE0, 16), std::vector<uint8_t>(typed.begin(), typed.end()));
    EXPECT_EQ(Send(settings, "COMMON.CLONE_COMMENT=A=B"), "A" + std::string(15, ' '));
    EXPECT_EQ(Send(settings, "COMMON.CLONE_COMMENT=0123456789abcdefXYZ"), "0123456789abcdef");
    EXPECT_EQ(Send(settings, "COMMON.CLONE_COMMENT=a\x01z\xC3"), "a z " + std::string(12, ' '));
}

TEST(DtmfMemories, DigitsAreStoredOnePerByteAndEndedByFF)
{
    CDtmfMemories memories;
    CMemoryImage image(memory_map::kImageSize);
    image.Fill(0xA00, 0xFF, 0x90);
    image.SetByte(0xA10, 0x05);
    image.SetByte(0xA12, 0x07);
    memories.Transfer(image);
    EXPECT_EQ(Send(memories, "DTMF.2"), "5");
    EXPECT_EQ(Send(memories, "DTMF.3=12*#"), "12EF");
    EXPECT_EQ(Send(memories, "DTMF.9=0123456789ABCDEF7"), "0123456789ABCDEF");
    memories.Transfer(image);
    std::vector<uint8_t> expected = {0x01, 0x02, 0x0E, 0x0F};
    expected.resize(16, 0xFF);
    EXPECT_EQ(Bytes(image, 0xA20, 16), expected);
    EXPECT_EQ(image.GetByte(0xA8F), 0x0F);
    EXPECT_EQ(image.GetByte(0xA90), 0x00);

    memories.MarkUnloaded();
    memories.Transfer(image);
    EXPECT_EQ(Send(memories, "DTMF.3") + "|" + Send(memories, "DTMF.9"), "12EF|0123456789ABCDEF");
    EXPECT_EQ(memories.Memory(1).GetCount(), 0);
}

TEST(DtmfMemories, CommandsReachOnlyMemoriesOneToNineAsDigitText)
{
    CDtmfMemories memories;
    EXPECT_EQ(Send(memories, "dtmf.4=9"), "9");
    EXPECT_EQ(Send(memories, "DTMF.4="), "9");
    EXPECT_EQ(Send(memories, "DTMF.4.ByNumber=3"), "3");
    EXPECT_EQ(Send(memories, "DTMF.4=12=34"), "12");
    EXPECT_EQ(Send(memories, "DTMF.4= "), "");
    EXPECT_EQ(memories.Memory(4).GetCount(), 0);
    for (const char* command :
         {"DTMF.0=1", "DTMF.10=1", "DTMF.-1=1", "DTMF.x=1", "DTMF=1", "COMMON.DTMF.1=1"}) {
        CCommandCursor cursor(command);
        EXPECT_EQ(memories.Execute(cursor), "") << command;
        EXPECT_EQ(cursor.GetText(), command);
    }
}

TEST(ClipboardSlot, KindsCreateTheirContent)
{
    const CModelProfile profile;
    CClipboardSlot slot(&profile);
    EXPECT_EQ(slot.GetKindName(), "EMPTY");
    EXPECT_EQ(slot.Record(), nullptr);
    slot.SetKind("MEMORY_CH");
    ASSERT_NE(slot.Record(), nullptr);
    EXPECT_EQ(slot.Dtmf(), nullptr);
    slot.SetKind("NOTHING");
    EXPECT_EQ(slot.GetKind(), CClipboardSlot::kMemoryCh);
    slot.SetKind(CClipboardSlot::kDtmfCh);
    EXPECT_EQ(slot.GetKindName(), "DTMF_CH");
    EXPECT_TRUE(slot.Dtmf() != nullptr && slot.Record() == nullptr);
    slot.SetKind(7);
    EXPECT_EQ(slot.GetKindName(), "EMPTY");
    EXPECT_EQ(slot.Dtmf(), nullptr);
}
