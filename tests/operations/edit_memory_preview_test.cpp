#include "operations/edit_memory_preview.h"
#include "test_document.h"

#include <gtest/gtest.h>

namespace {

constexpr int kMemoryRow = 10;
constexpr int kEdgeRow = 100;
constexpr int kCallRow = 121;

// A USA transceiver as a new document has it.
const SEditMemoryProfile kUsa{"USA", "0", "2"};

// The controls of a channel in use at 146.5 MHz, as the dialog shows them.
SEditMemoryValues InUse()
{
    SEditMemoryValues values;
    values.frequency = "146.5000";
    values.offset = "0.6000";
    values.duplex = "OFF";
    values.repeaterTone = "88.5";
    values.tsqlTone = "88.5";
    values.tuningStep = "5k";
    values.name = "HOME";
    values.toneMode = "OFF";
    values.mode = "FM";
    return values;
}

TEST(EditMemoryPreview, HintsTellWhatOkStores)
{
    struct SCase
    {
        const char* what;
        int row;
        const char* stored;
        void (*edit)(SEditMemoryValues&);
        SEditMemoryHints hints;
    };
    const SCase cases[] = {
        {"values kept as typed", kMemoryRow, "146.5000", [](SEditMemoryValues&) {}, {"", "", "", ""}},
        {"a typo blanks an in-use channel",
         kMemoryRow,
         "146.5000",
         [](SEditMemoryValues& v) { v.frequency = "l45.5"; },
         {"not a frequency: OK will blank the channel", "", "", ""}},
        {"an emptied frequency blanks it",
         kMemoryRow,
         "146.5000",
         [](SEditMemoryValues& v) { v.frequency = "  "; },
         {"no frequency: OK will blank the channel", "", "", ""}},
        {"a blank channel left blank says nothing",
         kMemoryRow,
         "",
         [](SEditMemoryValues& v) { v.frequency = ""; },
         {"", "", "", ""}},
        {"2000 MHz and more blank it",
         kMemoryRow,
         "",
         [](SEditMemoryValues& v) { v.frequency = "2500"; },
         {"not a frequency: OK will blank the channel", "", "", ""}},
        {"a call channel cannot be blank",
         kCallRow,
         "146.5000",
         [](SEditMemoryValues& v) { v.frequency = "x"; },
         {"not a frequency: OK keeps 146.5000", "", "", ""}},
        {"trailing letters are dropped",
         kMemoryRow,
         "146.5000",
         [](SEditMemoryValues& v) { v.frequency = "146.5x"; },
         {"will be stored as 146.5000", "", "", ""}},
        {"a decimal comma is a point",
         kMemoryRow,
         "146.5000",
         [](SEditMemoryValues& v) { v.frequency = "146,52"; },
         {"", "", "", ""}},
        {"off the channel grid",
         kMemoryRow,
         "146.5000",
         [](SEditMemoryValues& v) { v.frequency = "146.5062"; },
         {"will be stored as 146.5050", "", "", ""}},
        {"above 1300 MHz",
         kMemoryRow,
         "146.5000",
         [](SEditMemoryValues& v) { v.frequency = "1465"; },
         {"will be stored as 1300.0000", "", "", ""}},
        {"outside the bands",
         kMemoryRow,
         "146.5000",
         [](SEditMemoryValues& v) { v.frequency = "300"; },
         {"outside this transceiver's bands: stored with ?", "", "", ""}},
        {"both at once",
         kMemoryRow,
         "146.5000",
         [](SEditMemoryValues& v) { v.frequency = "300.0031"; },
         {"will be stored as 300.0000\noutside this transceiver's bands: stored with ?", "", "", ""}},
        {"the bands also when nothing is typed",
         kMemoryRow,
         "300.0000",
         [](SEditMemoryValues& v) { v.frequency = "300"; },
         {"outside this transceiver's bands: stored with ?", "", "", ""}},
        {"AM where the band has none",
         kMemoryRow,
         "146.5000",
         [](SEditMemoryValues& v) {
             v.frequency = "146.94";
             v.mode = "AM";
         },
         {"", "", "", "AM is not allowed here: FM"}},
        {"an offset above 60 MHz",
         kMemoryRow,
         "146.5000",
         [](SEditMemoryValues& v) { v.offset = "75"; },
         {"", "will be stored as 60.0000", "", ""}},
        {"an underscore",
         kMemoryRow,
         "146.5000",
         [](SEditMemoryValues& v) { v.name = "my_rig"; },
         {"", "", "characters outside A-Z 0-9 ( ) * + - . / : = become blanks: 'MY RIG'", ""}},
        {"one blank per letter outside ASCII",
         kEdgeRow,
         "146.5000",
         [](SEditMemoryValues& v) { v.name = "K\xC3\xB6ln"; },
         {"", "", "characters outside A-Z 0-9 ( ) * + - . / : = become blanks: 'K LN'", ""}},
        {"lower case is no surprise",
         kMemoryRow,
         "146.5000",
         [](SEditMemoryValues& v) { v.name = " home "; },
         {"", "", "", ""}},
        {"a call channel has no name",
         kCallRow,
         "146.5000",
         [](SEditMemoryValues& v) { v.name = "a_b"; },
         {"", "", "", ""}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.what);
        CEditMemoryPreview preview(kUsa, c.row, c.stored);
        SEditMemoryValues values = InUse();
        c.edit(values);
        const SEditMemoryHints hints = preview.Hints(values);
        EXPECT_EQ(hints.frequency, c.hints.frequency);
        EXPECT_EQ(hints.offset, c.hints.offset);
        EXPECT_EQ(hints.name, c.hints.name);
        EXPECT_EQ(hints.mode, c.hints.mode);
    }
}

// The preview runs on a scratch channel: the same values written to a document store what it said.
TEST(EditMemoryPreview, DocumentStoresWhatThePreviewShowed)
{
    CTestDocument document;
    SEditMemoryValues values = InUse();
    values.frequency = "300";
    values.name = "K\xC3\xB6ln";
    WriteEditMemory(document.Data(), "CH.MCH.10.", values);
    EXPECT_EQ(document.Data().Execute("CH.MCH.10.NAME"), "K LN  ");
    EXPECT_EQ(document.Data().Execute("CH.MCH.10.ISLEGAL"), "NG");
    EXPECT_EQ(document.Data().Execute("MODEL.COUNTRY"), kUsa.country);
    EXPECT_EQ(document.Data().Execute("MODEL.EXPAND"), kUsa.expand);
    EXPECT_EQ(document.Data().Execute("MODEL.MATRIX_50M_ENABLE"), kUsa.matrix50);
}

} // namespace
