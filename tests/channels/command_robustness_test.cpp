#include "channels/channel_table.h"
#include "channels/clipboard_slot.h"
#include "channels/common_settings.h"
#include "channels/dtmf_memories.h"
#include "channels/model_profile.h"
#include "core/command_text.h"
#include "core/memory_image.h"
#include "core/memory_map.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

// The channel-layer handlers, offered each command in the router's order.
struct SHandlers
{
    std::string Execute(const std::string& command)
    {
        std::string result;
        for (int handler = 0; handler < 4 && result.empty(); ++handler) {
            CCommandCursor cursor(command);
            result = handler == 0   ? table.Execute(cursor)
                     : handler == 1 ? settings.Execute(cursor)
                     : handler == 2 ? dtmf.Execute(cursor)
                                    : profile.Execute(cursor);
        }
        return result;
    }

    void Heal(CMemoryImage& image, int flag)
    {
        profile.Rebuild();
        CChannelId id;
        for (int i = 0; i < CChannelId::kChannelCount; ++i) {
            id.Next();
            table.Transfer(id, image);
            table.Record(id).Heal(flag);
            table.Transfer(id, image);
        }
        settings.Transfer(image);
        dtmf.Transfer(image);
    }

    CModelProfile profile;
    CClipboardSlot clipboard{&profile};
    CChannelTable table{&profile, &clipboard};
    CCommonSettings settings{&profile};
    CDtmfMemories dtmf;
};

const std::vector<std::string> kWords = {
    "CH",   "MCH",    "PCH",   "VFO",    "CALL",   "COMMON", "DTMF",        "Model", "Country", "ByNumber",
    "ALL",  "Expand", "PASTE", "INSERT", "DELETE", "CLEAR",  "MODE_ENABLE", "CHECK", "NAME",    "FREQUENCY",
    "MODE", "99",     "3B",    "144",    "-1",     "x",      "2000000000",  "\t",    "",        "BEEP"};

std::string RandomCommand(std::mt19937& random)
{
    std::string command;
    for (int i = static_cast<int>(random() % 7); i > 0; --i) {
        if (random() % 10 < 6) {
            command += kWords[random() % kWords.size()];
        } else {
            for (int j = static_cast<int>(random() % 6); j > 0; --j) {
                command += static_cast<char>(random() % 256);
            }
        }
        command += (random() % 4 == 0) ? '=' : '.';
    }
    return command;
}

} // namespace

TEST(CommandRobustness, RandomCommandsLeaveEveryObjectUsable)
{
    SHandlers handlers;
    CMemoryImage image(memory_map::kImageSize);
    std::mt19937 random(20240611);
    for (int i = 1; i <= 20000; ++i) {
        handlers.Execute(RandomCommand(random));
        if (i % 2000 == 0) {
            handlers.Heal(image, i % 4000 == 0 ? 1 : 0);
        }
    }
    EXPECT_GE(handlers.profile.CountryIndex(), 0);
    EXPECT_LT(handlers.profile.CountryIndex(), CModelProfile::kCountryCount);
    for (int i = 0; i < CChannelId::kChannelCount; ++i) {
        const CChannelId id = CChannelId::FromFlatIndex(i);
        const std::string kind(CChannelId::kKindNames[static_cast<size_t>(id.GetKind())]);
        EXPECT_FALSE(handlers.Execute("CH." + kind + "." + id.NumberText() + ".ALL").empty()) << i;
    }
    for (int i = 0; i < handlers.settings.FieldCount(); ++i) {
        EXPECT_FALSE(handlers.Execute("COMMON." + handlers.settings.Field(i).GetName()).empty());
    }
}

TEST(CommandRobustness, HugeCommandsAreCutToTheirFields)
{
    SHandlers handlers;
    std::string nested = "CH.MCH.1.ALL=";
    for (int i = 0; i < 200000; ++i) {
        nested += "ALL=";
    }
    EXPECT_FALSE(handlers.Execute(nested).empty());
    EXPECT_EQ(handlers.Execute(std::string(1 << 20, '.')), "");
    EXPECT_EQ(handlers.Execute("CH.MCH.1.NAME=" + std::string(1 << 20, 'Z')), "ZZZZZZ");
    EXPECT_EQ(handlers.Execute("DTMF.1=" + std::string(1 << 20, '7')), std::string(16, '7'));
    EXPECT_EQ(handlers.Execute("COMMON.CLONE_COMMENT=" + std::string(1 << 20, '\xFF')), std::string(16, ' '));
    EXPECT_EQ(handlers.Execute("Model.Country.ByNumber=" + std::string(400, '9')), "5");
    EXPECT_EQ(handlers.Execute("CH.MCH.1.FREQUENCY=" + std::string(400, '9')), "2000.0000");
}
