#include "../core/test_files.h"
#include "../operations/test_document.h"
#include "interchange/image_compare.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> Lines(CL52RadioData& left, CL52RadioData& right)
{
    std::vector<std::string> lines;
    for (const SImageDifference& difference : CompareDocuments(left, right)) {
        lines.push_back(FormatDifference(difference));
    }
    return lines;
}

TEST(ImageCompare, EachChangeInTheUsersTerms)
{
    struct SCase
    {
        std::vector<std::string> commands;
        std::vector<std::string> lines;
    };
    const SCase cases[] = {
        {{}, {}},
        {{"CH.MCH.1.FREQUENCY=146.52"}, {"MCH 01  Frequency 146.0100 -> 146.5200"}},
        {{"CH.MCH.1.NAME=accept"}, {"MCH 01  Name (blank) -> ACCEPT"}},
        {{"CH.MCH.1.DUPLEX_SELECTION=Dup-", "CH.MCH.1.SKIP=ON"},
         {"MCH 01  Duplex OFF -> -Dup", "MCH 01  Skip OFF -> SKIP"}},
        {{"CH.MCH.1.FREQUENCY=250"}, {"MCH 01  Frequency 146.0100 -> 250.0000 ?"}},
        {{"CH.MCH.1.APPEAR=OFF"},
         {"MCH 01  Frequency 146.0100 -> (blank)", "MCH 01  Offset freq. 0.6000 -> (blank)",
          "MCH 01  Repeater Tone 88.5 -> (blank)", "MCH 01  CTCSS freq. 88.5 -> (blank)",
          "MCH 01  Mode FM -> (blank)"}},
        {{"CH.PCH.0A.FREQUENCY=51", "CH.CALL.1200.TONE_SELECTION=TSQL"},
         {"P0A  Frequency 50.0000 -> 51.0000", "CALL_1200  Tone OFF -> TSQL"}},
        {{"COMMON.BEEP=OFF", "COMMON.CLONE_COMMENT=Club net"},
         {"COMMON  Beep ON -> OFF", "COMMON  Comment (blank) -> Club net"}},
        {{"DTMF.2=5551234", "COMMON.DTMF_SPEED=300ms"},
         {"COMMON  DTMF Speed 100ms -> 300ms", "DTMF 2  (empty) -> 5551234"}},
    };
    for (const SCase& c : cases) {
        CTestDocument left;
        CTestDocument right;
        for (const std::string& command : c.commands) {
            right.Data().Execute(command);
        }
        EXPECT_EQ(Lines(left.Data(), right.Data()), c.lines) << ::testing::PrintToString(c.commands);
        std::vector<std::string> reversed;
        for (const SImageDifference& d : CompareDocuments(right.Data(), left.Data())) {
            reversed.push_back(FormatDifference({d.place, d.field, d.after, d.before}));
        }
        EXPECT_EQ(reversed, c.lines) << "the other way round, before and after swap";
    }
}

TEST(ImageCompare, AFileIsComparedWithTheDocumentsProfile)
{
    // A USA document with the 50 MHz band: read without that profile, its 50 MHz channels would differ.
    CTestDocument document(5, 0, 2);
    const CTempDir folder;
    const std::string path = folder.File("compare.vlk");
    ASSERT_EQ(document.Data().SaveDocument(path), "OK");
    const std::string image = document.Image();

    std::vector<SImageDifference> differences{{"stale", "", "", ""}};
    EXPECT_EQ(CompareWithFile(document.Data(), path, differences), "OK");
    EXPECT_TRUE(differences.empty());

    document.Data().Execute("CH.MCH.1.FREQUENCY=146.52");
    EXPECT_EQ(CompareWithFile(document.Data(), path, differences), "OK");
    ASSERT_EQ(differences.size(), 1U);
    EXPECT_EQ(FormatDifference(differences.front()), "MCH 01  Frequency 146.5200 -> 146.0100")
        << "the document on the left";

    std::filesystem::remove(path);
    EXPECT_EQ(CompareWithFile(document.Data(), path, differences), "CANNOT_OPEN_FILE");
    EXPECT_TRUE(differences.empty());
    document.Data().Execute("CH.MCH.1.FREQUENCY=146.01");
    EXPECT_EQ(document.Image(), image) << "the document is only read";
}

TEST(ImageCompare, WhatTheHealNormalisesDoesNotCount)
{
    CTestDocument clean;
    CTestDocument raw;
    std::string image = raw.Image();
    const auto setByte = [&image](size_t address, const char* hex) { image.replace(2 * address, 2, hex); };
    setByte(0x844, "5A"); // a byte no field holds
    setByte(0x01A, "61"); // a lower-case letter in the name of memory channel 1
    setByte(0x013, "83"); // a mode code no entry has, and an unused bit, in memory channel 1
    setByte(0x044, "12"); // the leftovers of blank memory channel 4
    ASSERT_EQ(raw.Data().Execute("IMAGE=" + image), "OK");
    EXPECT_EQ(Lines(raw.Data(), clean.Data()), (std::vector<std::string>{"MCH 01  Name A -> (blank)"}))
        << "only the name shows: its letter is taken as a capital";
}

} // namespace
