#include "channels/channel_record.h"
#include "channels/model_profile.h"
#include "core/command_text.h"
#include "core/memory_image.h"
#include "core/memory_map.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr uint32_t kBlock = 0x100;
constexpr uint32_t kFlag = 0x910;

// "text=code" of every entry, in list order.
std::string Describe(const CCodeList& list)
{
    std::string out;
    for (int i = 0; i < list.Count(); ++i) {
        out += (i > 0 ? " " : "") + list.Text(i) + "=" + std::to_string(list.Code(i));
    }
    return out;
}

class ChannelRecordTest : public ::testing::Test
{
protected:
    ChannelRecordTest() : m_image(memory_map::kImageSize) {}

    std::unique_ptr<CChannelRecord> Make(int32_t kind, int32_t number,
                                         std::initializer_list<const char*> commands = {})
    {
        auto record = std::make_unique<CChannelRecord>(&m_profile);
        record->SetIdentity(kind, number);
        record->BindLists(m_lists);
        for (const char* command : commands) {
            Send(*record, command);
        }
        return record;
    }

    static std::string Send(CChannelRecord& record, const std::string& command)
    {
        CCommandCursor cursor(command);
        return record.Execute(cursor);
    }

    void Read(CChannelRecord& record) { record.Transfer(m_image, CChannelRecord::kRead, kBlock, kFlag); }
    void Write(CChannelRecord& record) { record.Transfer(m_image, CChannelRecord::kWrite, kBlock, kFlag); }

    void SetBytes(uint32_t address, const std::vector<uint8_t>& bytes)
    {
        for (uint8_t b : bytes) {
            m_image.SetByte(address++, b);
        }
    }

    std::vector<uint8_t> Bytes(uint32_t address, uint32_t count) const
    {
        std::vector<uint8_t> out;
        for (uint32_t i = 0; i < count; ++i) {
            out.push_back(m_image.GetByte(address + i));
        }
        return out;
    }

    CModelProfile m_profile;
    SChannelValueLists m_lists;
    CMemoryImage m_image;
};

const char* const kHomeChannel[] = {"APPEAR=ON",
                                    "FREQUENCY=145.5",
                                    "SKIP=ON",
                                    "DUPLEX_SELECTION=Dup-",
                                    "TONE_SELECTION=TONE",
                                    "REPEATER_TONE_FREQUENCY=88.5",
                                    "TSQL_FREQUENCY=100.0",
                                    "TUNING_STEP_SELECTION=25k",
                                    "REPEATER_FREQUENCY=0.6",
                                    "NAME=HOME"};

} // namespace

TEST_F(ChannelRecordTest, ValueListsHoldTheCodeTablesInOrder)
{
    EXPECT_EQ(Describe(m_lists.reference), "5k=0 6.25k=1");
    EXPECT_EQ(Describe(m_lists.appear), "OFF=1 ON=0");
    EXPECT_EQ(Describe(m_lists.skip), "OFF=0 ON=1");
    EXPECT_EQ(Describe(m_lists.mode), "FM=0 AM=2 FM Narrow=4 Wide FM=1");
    EXPECT_EQ(Describe(m_lists.duplex), "OFF=0 Dup-=2 Dup+=3");
    EXPECT_EQ(Describe(m_lists.toneMode), "OFF=0 TONE=2 TSQL=1");
    EXPECT_EQ(Describe(m_lists.tuningStep), "5k=0 10k=1 12.5k=2 15k=3 20k=4 25k=5 30k=6 50k=7 100k=8");
    EXPECT_EQ(m_lists.tones.Lo(), 0);
    EXPECT_EQ(m_lists.tones.Hi(), 49);
    EXPECT_EQ(m_lists.tones.Text(0) + " " + m_lists.tones.Text(8) + " " + m_lists.tones.Text(26) + " " +
                  m_lists.tones.Text(49),
              "67.0 88.5 159.8 254.1");
}

TEST_F(ChannelRecordTest, FrequenciesArePackedDecimalKilohertz)
{
    auto record = Make(CChannelId::kMch, 0);
    const std::vector<std::tuple<std::vector<uint8_t>, int32_t>> reads = {
        {{0x14, 0x50, 0x12}, 145012500},
        {{0x14, 0x50, 0x10}, 145010000},
        {{0xD0, 0x00, 0x00}, 1300000000},
        {{0x14, 0x50, 0x06}, 145010000}, // up to the next 5 or 12.5 kHz
    };
    for (const auto& [bytes, hz] : reads) {
        SetBytes(kBlock, bytes);
        SetBytes(kBlock + 4, bytes);
        Read(*record);
        EXPECT_EQ(record->Frequency(), hz);
        EXPECT_EQ(record->Offset(), hz);
    }
    const std::vector<std::tuple<const char*, std::vector<uint8_t>>> writes = {
        {"1295012500", {0xC9, 0x50, 0x12}},
        {"145012900", {0x14, 0x50, 0x12}},
        {"51000000", {0x05, 0x10, 0x00}}};
    for (const auto& [hz, bytes] : writes) {
        Send(*record, std::string("FREQUENCY.ByNumber=") + hz);
        Send(*record, std::string("REPEATER_FREQUENCY.ByNumber=") + hz);
        Write(*record);
        EXPECT_EQ(Bytes(kBlock, 3), bytes) << hz;
        EXPECT_EQ(Bytes(kBlock + 4, 3), bytes) << hz;
    }
}

TEST_F(ChannelRecordTest, ReadsEveryFieldFromItsPlace)
{
    // A+3: reference bit 4 = 1, mode bits 2..0 = 4; tones 12 and 60 (out of range); flag: appear 0,
    // skip 1, tone mode 2, duplex 3.
    SetBytes(kBlock,
             {0x43, 0x30, 0x00, 0xF4, 0x00, 0x60, 0x00, 12, 60, 0x02, 'A', 'b', 0xFF, '1', '=', 0x00});
    m_image.SetByte(kFlag, 0x6C);
    auto record = Make(CChannelId::kMch, 3);
    Read(*record);
    EXPECT_TRUE(record->IsLoaded());
    EXPECT_EQ(Send(*record, "ALL"), "APPEAR=ON\tFREQUENCY=433.0000\tREFERENCE_FREQUENCY=6.25k\tSKIP=ON\t"
                                    "MODE=FM Narrow\tDUPLEX_SELECTION=Dup+\tTONE_SELECTION=TONE\t"
                                    "REPEATER_TONE_FREQUENCY=100.0\tTSQL_FREQUENCY=67.0\t"
                                    "TUNING_STEP_SELECTION=5k\tREPEATER_FREQUENCY=6.0000\tNAME=AB 1= ");

    // Only VFO records read the tuning step; call channels read neither step nor name.
    auto vfo = Make(CChannelId::kVfo, 3);
    Read(*vfo);
    EXPECT_EQ(Send(*vfo, "TUNING_STEP_SELECTION") + "|" + vfo->Name(), "12.5k|      ");
    auto call = Make(CChannelId::kCall, 1);
    Read(*call);
    EXPECT_EQ(Send(*call, "TUNING_STEP_SELECTION") + "|" + call->Name(), "5k|      ");

    // Unknown codes read as the first entry; six 0x00 or 0xFF name bytes read as blanks.
    SetBytes(kBlock + 3, {0x07});
    SetBytes(kBlock + 10, {0, 0, 0, 0, 0, 0});
    m_image.SetByte(kFlag, 0x80);
    Read(*record);
    EXPECT_EQ(record->ModeText(), "FM");
    EXPECT_TRUE(record->IsBlank());
    EXPECT_EQ(record->Name(), "      ");
}

TEST_F(ChannelRecordTest, WritingTouchesOnlyTheRecordsOwnBitsAndBytes)
{
    m_image.Fill(0, 0xFF, memory_map::kImageSize);
    auto record = Make(CChannelId::kMch, 0, {"APPEAR=ON", "FREQUENCY=145.0125", "NAME=ab"});
    Write(*record);
    EXPECT_EQ(m_image.GetByte(kBlock + 3), 0xE8); // bits 7, 6, 5 and 3 kept
    EXPECT_EQ(m_image.GetByte(kFlag), 0x03);      // bits 1 and 0 kept
    EXPECT_EQ(m_image.GetByte(kBlock + 9), 0xFF); // no tuning step for MCH
    EXPECT_EQ(Bytes(kBlock + 10, 6), (std::vector<uint8_t>{'A', 'B', ' ', ' ', ' ', ' '}));
    Send(*record, "NAME= ");
    Write(*record);
    EXPECT_EQ(Bytes(kBlock + 10, 6), std::vector<uint8_t>(6, 0xFF));

    m_image.Fill(0, 0xAA, memory_map::kImageSize);
    auto call = Make(CChannelId::kCall, 1);
    Write(*call);
    EXPECT_EQ(Bytes(kBlock + 9, 7), std::vector<uint8_t>(7, 0xAA));
    auto vfo = Make(CChannelId::kVfo, 0, {"TUNING_STEP_SELECTION=100k"});
    Write(*vfo);
    EXPECT_EQ(m_image.GetByte(kBlock + 9), 8);
    EXPECT_EQ(Bytes(kBlock + 10, 6), std::vector<uint8_t>(6, 0xAA));
}

TEST_F(ChannelRecordTest, KeysAnswerAndSetTheirFieldsWithoutRepairing)
{
    auto record = Make(CChannelId::kMch, 1);
    EXPECT_EQ(Send(*record, "NAME=ab,c"), "AB C  ");
    EXPECT_EQ(Send(*record, "name=abcdefghi"), "ABCDEF");
    // The value is everything after the first "=", itself a name character; so in ALL's pieces.
    EXPECT_EQ(Send(*record, "NAME=AB=CD"), "AB=CD ");
    EXPECT_NE(Send(*record, "ALL=NAME=X=Y\tMODE=FM").find("NAME=X=Y   "), std::string::npos);
    EXPECT_EQ(Send(*record, "MODE=am"), "AM");
    EXPECT_EQ(Send(*record, "MODE=USB"), "AM");
    EXPECT_EQ(Send(*record, "Mode.ByNumber"), "1");
    EXPECT_EQ(Send(*record, "FREQUENCY=145.0125"), "145.0125");
    EXPECT_EQ(Send(*record, "FREQUENCY.ByNumber="), "145012500");
    EXPECT_EQ(Send(*record, "TSQL_FREQUENCY=88.5"), "88.5");
    EXPECT_EQ(Send(*record, "TSQL_FREQUENCY=88.6"), "88.5");
    EXPECT_EQ(Send(*record, "DUPLEX_SELECTION=dup-"), "Dup-");
    for (const char* command : {"", "BOGUS", "=5", ".ByNumber"}) {
        EXPECT_EQ(Send(*record, command), "") << command;
    }
    EXPECT_EQ(record->ModeText(), "AM");
}

TEST_F(ChannelRecordTest, AllSetsEachPieceAndRoundTripsAChannel)
{
    auto source = Make(CChannelId::kMch, 1);
    for (const char* command : kHomeChannel) {
        Send(*source, command);
    }
    const std::string all = Send(*source, "ALL");
    auto copy = Make(CChannelId::kMch, 2);
    EXPECT_EQ(Send(*copy, "ALL=" + all), all);
    // Unknown keys and nested "ALL" pieces are skipped.
    EXPECT_EQ(
        Send(*copy, "all=MODE=AM\tbogus=1\tALL=MODE=FM\tNAME=x"),
        "APPEAR=ON\tFREQUENCY=145.5000\tREFERENCE_FREQUENCY=5k\tSKIP=ON\tMODE=AM\tDUPLEX_SELECTION=Dup-\t"
        "TONE_SELECTION=TONE\tREPEATER_TONE_FREQUENCY=88.5\tTSQL_FREQUENCY=100.0\t"
        "TUNING_STEP_SELECTION=25k\tREPEATER_FREQUENCY=0.6000\tNAME=X     ");
}

TEST_F(ChannelRecordTest, HealAppliesTheBlankSkipAndNameRulesOfTheKind)
{
    auto blank = Make(CChannelId::kMch, 0, {"NAME=OLD"});
    blank->Heal(0);
    EXPECT_TRUE(blank->IsBlank());
    EXPECT_EQ(blank->Name(), "      ");

    auto used = Make(CChannelId::kMch, 0, {"APPEAR=ON", "SKIP=ON", "NAME=KEEP", "FREQUENCY=145"});
    used->Heal(0);
    EXPECT_EQ(used->Name() + Send(*used, "SKIP"), "KEEP  ON");

    auto edge0A = Make(CChannelId::kPch, 0, {"SKIP=ON", "NAME=EDGE"});
    edge0A->Heal(0);
    EXPECT_FALSE(edge0A->IsBlank());
    EXPECT_EQ(edge0A->Name() + Send(*edge0A, "SKIP"), "EDGE  OFF");
    auto edge1A = Make(CChannelId::kPch, 2);
    edge1A->Heal(0);
    EXPECT_TRUE(edge1A->IsBlank());

    auto call = Make(CChannelId::kCall, 1, {"NAME=CALL", "SKIP=ON", "FREQUENCY=145"});
    call->Heal(0);
    EXPECT_EQ(call->Name() + Send(*call, "APPEAR") + Send(*call, "SKIP"), "      ONOFF");

    // VFO channels get the kind rules only: frequency and mode stay as they are.
    auto vfo = Make(CChannelId::kVfo, 3, {"FREQUENCY=145.00625", "MODE=AM", "NAME=VFO"});
    vfo->Heal(0);
    EXPECT_EQ(vfo->Frequency(), 145006250);
    EXPECT_EQ(vfo->ModeText(), "AM");
    EXPECT_EQ(vfo->Name(), "      ");
    EXPECT_FALSE(vfo->IsBlank());
}

TEST_F(ChannelRecordTest, HealRepairsFrequencyStepReferenceModeAndOffset)
{
    auto record = Make(CChannelId::kMch, 0, {"APPEAR=ON"});
    // Heals hz with mode and step and answers "frequency mode step reference".
    const auto heal = [&](const std::string& hz, const std::string& mode, const std::string& step) {
        Send(*record, "FREQUENCY.ByNumber=" + hz);
        Send(*record, "MODE=" + mode);
        Send(*record, "TUNING_STEP_SELECTION=" + step);
        record->Heal(0);
        return Send(*record, "FREQUENCY.ByNumber") + " " + record->ModeText() + " " +
               Send(*record, "TUNING_STEP_SELECTION") + " " + Send(*record, "REFERENCE_FREQUENCY");
    };
    EXPECT_EQ(heal("145010000", "AM", "5k"), "145010000 FM 5k 5k");
    EXPECT_EQ(heal("145006250", "FM", "15k"), "145005000 FM 15k 5k");
    EXPECT_EQ(heal("440012500", "FM", "5k"), "440012500 FM 5k 6.25k");
    EXPECT_EQ(heal("440025000", "FM", "5k"), "440025000 FM 5k 5k");
    EXPECT_EQ(heal("1295012500", "FM", "5k"), "1295012500 FM 12.5k 6.25k");
    EXPECT_EQ(heal("1295000000", "FM", "15k"), "1295000000 FM 12.5k 5k");
    EXPECT_EQ(heal("1295000000", "FM", "20k"), "1295000000 FM 20k 5k");
    EXPECT_EQ(heal("1400000000", "Wide FM", "25k"), "1300000000 FM 25k 5k");

    Send(*record, "REPEATER_FREQUENCY=70");
    heal("145000000", "FM", "5k");
    EXPECT_EQ(record->Offset(), 60000000);
    Send(*record, "REPEATER_FREQUENCY.ByNumber=12345000");
    heal("850000000", "FM", "10k");
    EXPECT_EQ(record->Offset(), 12340000);
}

TEST_F(ChannelRecordTest, HealWithFlagUnloadsOnlyIllegalRecords)
{
    auto record = Make(CChannelId::kMch, 0, {"FREQUENCY=250"});
    record->SetLoaded(true);
    record->Heal(0);
    EXPECT_TRUE(record->IsLoaded());
    record->Heal(1);
    EXPECT_FALSE(record->IsLoaded());
    record->SetLoaded(true);
    Send(*record, "FREQUENCY=145");
    record->Heal(1);
    EXPECT_TRUE(record->IsLoaded());
}

TEST_F(ChannelRecordTest, LegalityNeedsAnAllowedFrequencyAndTheChannelsOwnBand)
{
    m_profile.SetExpand(2);
    m_profile.Rebuild();
    // A frequency in MHz inside and one outside the band of each VFO and call channel.
    const std::vector<std::tuple<int32_t, int32_t, const char*, const char*>> cases = {
        {CChannelId::kVfo, 0, "51", "76"},     {CChannelId::kVfo, 1, "76", "51"},
        {CChannelId::kVfo, 2, "120", "145"},   {CChannelId::kVfo, 3, "200", "120"},
        {CChannelId::kVfo, 4, "350", "440"},   {CChannelId::kVfo, 5, "500", "350"},
        {CChannelId::kVfo, 6, "850", "500"},   {CChannelId::kVfo, 7, "1295", "850"},
        {CChannelId::kCall, 0, "100", "120"},  {CChannelId::kCall, 1, "120", "100"},
        {CChannelId::kCall, 2, "890", "1295"}, {CChannelId::kCall, 3, "1295", "890"},
        {CChannelId::kMch, 5, "440", "250"},   {CChannelId::kPch, 5, "1295", "1300.0001"},
    };
    for (const auto& [kind, number, inside, outside] : cases) {
        auto record = Make(kind, number, {"APPEAR=OFF"});
        Send(*record, std::string("FREQUENCY=") + inside);
        EXPECT_TRUE(record->IsLegal()) << kind << "/" << number << " at " << inside;
        Send(*record, std::string("FREQUENCY=") + outside);
        EXPECT_FALSE(record->IsLegal()) << kind << "/" << number << " at " << outside;
    }
    // The WFM VFO starts at the country's FM broadcast start.
    m_profile.SetCountry(1);
    m_profile.Rebuild();
    auto wfm = Make(CChannelId::kVfo, 1, {"FREQUENCY=80"});
    EXPECT_FALSE(wfm->IsLegal());
    Send(*wfm, "FREQUENCY=90");
    EXPECT_TRUE(wfm->IsLegal());
}

TEST_F(ChannelRecordTest, CopyFromTakesEveryValueAndRepairsForItsOwnKind)
{
    auto source = Make(CChannelId::kMch, 7);
    for (const char* command : kHomeChannel) {
        Send(*source, command);
    }
    auto memory = Make(CChannelId::kMch, 8);
    memory->CopyFrom(*source);
    EXPECT_EQ(Send(*memory, "ALL"), Send(*source, "ALL"));
    EXPECT_EQ(memory->GetId(), CChannelId(CChannelId::kMch, 8));

    auto call = Make(CChannelId::kCall, 1);
    call->CopyFrom(*source);
    EXPECT_EQ(Send(*call, "ALL"),
              "APPEAR=ON\tFREQUENCY=145.5000\tREFERENCE_FREQUENCY=5k\tSKIP=OFF\tMODE=FM\t"
              "DUPLEX_SELECTION=Dup-\tTONE_SELECTION=TONE\tREPEATER_TONE_FREQUENCY=88.5\t"
              "TSQL_FREQUENCY=100.0\tTUNING_STEP_SELECTION=25k\tREPEATER_FREQUENCY=0.6000\t"
              "NAME=      ");
}
