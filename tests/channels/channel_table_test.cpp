#include "channels/channel_table.h"
#include "channels/clipboard_slot.h"
#include "channels/model_profile.h"
#include "core/command_text.h"
#include "core/memory_image.h"
#include "core/memory_map.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class ChannelTableTest : public ::testing::Test
{
protected:
    ChannelTableTest() : m_clipboard(&m_profile), m_table(&m_profile, &m_clipboard) {}

    std::string Send(const std::string& command)
    {
        CCommandCursor cursor(command);
        return m_table.Execute(cursor);
    }

    // Puts memory channel n in use at 145 MHz + n x 10 kHz, named after its number.
    void FillMemory(int n)
    {
        const std::string prefix = "CH.MCH." + std::to_string(n) + ".";
        Send(prefix + "APPEAR=ON");
        Send(prefix + "FREQUENCY.ByNumber=" + std::to_string(145000000 + 10000 * n));
        Send(prefix + "NAME=M" + std::to_string(n));
    }

    std::string Frequency(int n) { return Send("CH.MCH." + std::to_string(n) + ".FREQUENCY"); }
    std::string Appear(int n) { return Send("CH.MCH." + std::to_string(n) + ".APPEAR"); }

    CModelProfile m_profile;
    CClipboardSlot m_clipboard;
    CChannelTable m_table;
};

} // namespace

TEST_F(ChannelTableTest, ImageMapPlacesEveryKind)
{
    struct SPlace
    {
        CChannelId id;
        uint32_t block;
        uint32_t flag;
    };
    const SPlace places[] = {
        {{CChannelId::kMch, 0}, 0x000, 0x900},  {{CChannelId::kMch, 99}, 0x630, 0x963},
        {{CChannelId::kPch, 0}, 0x640, 0x964},  {{CChannelId::kPch, 19}, 0x770, 0x977},
        {{CChannelId::kCall, 0}, 0x780, 0x978}, {{CChannelId::kCall, 3}, 0x7B0, 0x97B},
        {{CChannelId::kVfo, 0}, 0x7C0, 0x97C},  {{CChannelId::kVfo, 7}, 0x830, 0x983},
    };
    for (const SPlace& p : places) {
        EXPECT_EQ(memory_map::ChannelBlockAddress(p.id), p.block) << p.id.FlatIndex();
        EXPECT_EQ(memory_map::ChannelFlagAddress(p.id), p.flag) << p.id.FlatIndex();
    }
    CChannelId id;
    for (int i = 0; i < CChannelId::kChannelCount; ++i) {
        id.Next();
        EXPECT_EQ(m_table.Record(id).GetId(), id);
    }
}

TEST_F(ChannelTableTest, TransferReadsUnloadedRecordsAndWritesLoadedOnes)
{
    CMemoryImage image(memory_map::kImageSize);
    const CChannelId pch3B(CChannelId::kPch, 7);
    image.SetByte(0x640 + 16 * 7, 0x14);
    image.SetByte(0x640 + 16 * 7 + 1, 0x60);
    m_table.Transfer(pch3B, image);
    EXPECT_TRUE(m_table.Record(pch3B).IsLoaded());
    EXPECT_EQ(Send("CH.PCH.3B.FREQUENCY"), "146.0000");
    EXPECT_EQ(Send("CH.PCH.3b.FREQUENCY"), "146.0000");

    Send("CH.PCH.3B.FREQUENCY=147");
    m_table.Transfer(pch3B, image);
    EXPECT_EQ(image.GetByte(0x640 + 16 * 7 + 1), 0x70);

    image.SetByte(0x640 + 16 * 7 + 1, 0x50);
    m_table.MarkAllUnloaded();
    EXPECT_FALSE(m_table.Record(pch3B).IsLoaded());
    m_table.Transfer(pch3B, image);
    EXPECT_EQ(Send("CH.PCH.3B.FREQUENCY"), "145.0000");
}

TEST_F(ChannelTableTest, OnlyCommandsNamingAChannelAreHandled)
{
    FillMemory(12);
    EXPECT_EQ(Send("CH.MCH.12.FREQUENCY"), "145.1200");
    EXPECT_EQ(Send("ch.mch.12.frequency"), "145.1200");
    for (const char* command : {"CH.MCH.100.FREQUENCY", "CH.MCH.-1.FREQUENCY", "CH.NONE.0.FREQUENCY",
                                "CH.PCH.10A.FREQUENCY", "CH.VFO.145.FREQUENCY", "CH.CALL.51.FREQUENCY",
                                "COMMON.BEEP", "CH.MCH.12", "CH.MCH.12.", "CH.MCH.12.BOGUS", "CH", ""}) {
        CCommandCursor cursor(command);
        EXPECT_EQ(m_table.Execute(cursor), "") << command;
        EXPECT_EQ(cursor.GetText(), command);
    }
}

TEST_F(ChannelTableTest, HealAndIsLegalActInBothForms)
{
    Send("CH.MCH.3.APPEAR=ON");
    Send("CH.MCH.3.FREQUENCY=145.00625");
    Send("CH.MCH.3.MODE=AM");
    EXPECT_EQ(Send("CH.MCH.3.Heal.CHECK"), "OK");
    EXPECT_EQ(Send("CH.MCH.3.FREQUENCY.ByNumber"), "145005000");
    EXPECT_EQ(Send("CH.MCH.3.MODE"), "FM");
    EXPECT_EQ(Send("CH.MCH.3.ISLEGAL"), "OK");
    Send("CH.MCH.3.FREQUENCY=250");
    EXPECT_EQ(Send("CH.MCH.3.IsLegal.CHECK"), "NG");
    EXPECT_EQ(Send("CH.VFO.144.heal"), "OK");
}

TEST_F(ChannelTableTest, CopyAndPasteFollowTheClipboardAndBlankRules)
{
    EXPECT_EQ(Send("CH.MCH.1.PASTE.CHECK"), "NG");
    EXPECT_EQ(Send("CH.MCH.1.PASTE"), "NG");
    EXPECT_EQ(Send("CH.MCH.0.COPY.CHECK"), "OK");
    EXPECT_EQ(m_clipboard.GetKind(), CClipboardSlot::kEmpty);

    // A blank channel may be pasted only where blanks are allowed.
    FillMemory(4);
    EXPECT_EQ(Send("CH.MCH.0.COPY"), "OK");
    EXPECT_EQ(m_clipboard.GetKindName(), "MEMORY_CH");
    EXPECT_EQ(Send("CH.CALL.430.PASTE.CHECK"), "NG");
    EXPECT_EQ(Send("CH.CALL.430.PASTE"), "NG");
    EXPECT_EQ(Send("CH.PCH.0B.PASTE"), "NG");
    EXPECT_EQ(Send("CH.MCH.4.PASTE.CHECK"), "WARNING");
    EXPECT_EQ(Appear(4), "ON");
    EXPECT_EQ(Send("CH.MCH.4.PASTE"), "OK");
    EXPECT_EQ(Appear(4), "OFF");
    EXPECT_EQ(Send("CH.MCH.4.NAME"), "      ");

    // A named memory channel pasted on a call channel keeps no name and neither blank nor skip.
    FillMemory(6);
    Send("CH.MCH.6.SKIP=ON");
    Send("CH.MCH.6.TONE_SELECTION=TSQL");
    Send("CH.MCH.6.TSQL_FREQUENCY=203.5");
    EXPECT_EQ(Send("CH.MCH.6.Copy"), "OK");
    EXPECT_EQ(Send("CH.CALL.144.PASTE.CHECK"), "OK");
    EXPECT_EQ(Send("CH.CALL.144.PASTE"), "OK");
    EXPECT_EQ(Send("CH.CALL.144.ALL"),
              "APPEAR=ON\tFREQUENCY=145.0600\tREFERENCE_FREQUENCY=5k\tSKIP=OFF\tMODE=FM\t"
              "DUPLEX_SELECTION=OFF\tTONE_SELECTION=TSQL\tREPEATER_TONE_FREQUENCY=67.0\t"
              "TSQL_FREQUENCY=203.5\tTUNING_STEP_SELECTION=5k\tREPEATER_FREQUENCY=0.0000\t"
              "NAME=      ");
    EXPECT_EQ(Send("CH.CALL.144.PASTE.CHECK"), "WARNING");

    m_clipboard.SetKind(CClipboardSlot::kDtmfCh);
    EXPECT_EQ(Send("CH.MCH.9.PASTE.CHECK"), "NG");
}

TEST_F(ChannelTableTest, InsertShiftsMemoryChannelsUpAndBlanksTheGap)
{
    for (int n = 0; n < 100; ++n) {
        FillMemory(n);
    }
    EXPECT_EQ(Send("CH.MCH.0.INSERT.CHECK"), "WARNING");
    EXPECT_EQ(Send("CH.CALL.144.INSERT"), "NG");
    EXPECT_EQ(Send("CH.PCH.1A.Insert.Check"), "NG");
    const std::string edge = Send("CH.PCH.0A.ALL");

    EXPECT_EQ(Send("CH.MCH.5.insert"), "OK");
    EXPECT_EQ(Frequency(4), "145.0400");
    EXPECT_EQ(Appear(5), "OFF");
    EXPECT_EQ(Send("CH.MCH.5.NAME"), "      ");
    EXPECT_EQ(Frequency(6), "145.0500");
    EXPECT_EQ(Send("CH.MCH.6.NAME"), "M5    ");
    EXPECT_EQ(Frequency(99), "145.9800");
    EXPECT_EQ(Send("CH.PCH.0A.ALL"), edge);

    Send("CH.MCH.99.CLEAR");
    EXPECT_EQ(Send("CH.MCH.0.Insert.CHECK"), "OK");
}

TEST_F(ChannelTableTest, DeleteShiftsMemoryChannelsDownAndBlanksTheLast)
{
    for (int n = 0; n < 100; ++n) {
        FillMemory(n);
    }
    Send("CH.MCH.50.CLEAR");
    EXPECT_EQ(Send("CH.MCH.50.DELETE.CHECK"), "OK");
    EXPECT_EQ(Send("CH.MCH.0.DELETE.CHECK"), "WARNING");
    EXPECT_EQ(Send("CH.VFO.50.DELETE"), "NG");

    EXPECT_EQ(Send("CH.MCH.0.DELETE"), "OK");
    EXPECT_EQ(Frequency(0), "145.0100");
    EXPECT_EQ(Send("CH.MCH.0.NAME"), "M1    ");
    EXPECT_EQ(Appear(49), "OFF");
    EXPECT_EQ(Frequency(98), "145.9900");
    EXPECT_EQ(Appear(99), "OFF");
}

TEST_F(ChannelTableTest, ClearBlanksOnlyChannelsThatMayBeBlank)
{
    FillMemory(7);
    EXPECT_EQ(Send("CH.PCH.0A.CLEAR"), "NG");
    EXPECT_EQ(Send("CH.PCH.0A.CLEAR.CHECK"), "NG");
    EXPECT_EQ(Send("CH.CALL.50.CLEAR"), "NG");
    EXPECT_EQ(Send("CH.PCH.1A.CLEAR"), "OK");
    EXPECT_EQ(Send("CH.MCH.7.clear.check"), "OK");
    EXPECT_EQ(Appear(7), "ON");
    EXPECT_EQ(Send("CH.MCH.7.Clear"), "OK");
    EXPECT_EQ(Appear(7), "OFF");
    EXPECT_EQ(Send("CH.MCH.7.NAME"), "      ");
}
