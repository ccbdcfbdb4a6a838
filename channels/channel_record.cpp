#include "channels/channel_record.h"

#include "channels/command_keys.h"
#include "channels/model_profile.h"
#include "core/command_text.h"
#include "core/memory_image.h"

#include <algorithm>
#include <charconv>

namespace {

struct SCodeEntry
{
    std::string_view text;
    uint16_t code;
};

// Entry order is the order any list built from these shows; the codes are what the image stores.
constexpr std::array<SCodeEntry, 2> kReferenceEntries = {
    {{keys::kReference5k, 0}, {keys::kReference6k25, 1}}};
constexpr std::array<SCodeEntry, 2> kAppearEntries = {{{answer::kOff, 1}, {answer::kOn, 0}}};
constexpr std::array<SCodeEntry, 2> kSkipEntries = {{{answer::kOff, 0}, {answer::kOn, 1}}};
constexpr std::array<SCodeEntry, 4> kModeEntries = {
    {{keys::kModeFm, 0}, {keys::kModeAm, 2}, {keys::kModeNarrowFm, 4}, {keys::kModeWideFm, 1}}};
constexpr std::array<SCodeEntry, 3> kDuplexEntries = {
    {{answer::kOff, 0}, {keys::kDupMinus, 2}, {keys::kDupPlus, 3}}};
constexpr std::array<SCodeEntry, 3> kToneModeEntries = {
    {{answer::kOff, 0}, {keys::kToneModeTone, 2}, {keys::kToneModeTsql, 1}}};
constexpr std::array<SCodeEntry, 9> kTuningStepEntries = {{{keys::kStep5k, 0},
                                                           {keys::kStep10k, 1},
                                                           {keys::kStep12k5, 2},
                                                           {keys::kStep15k, 3},
                                                           {keys::kStep20k, 4},
                                                           {keys::kStep25k, 5},
                                                           {keys::kStep30k, 6},
                                                           {keys::kStep50k, 7},
                                                           {keys::kStep100k, 8}}};
constexpr std::array<std::string_view, 50> kToneTexts = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

template <size_t N> void Fill(CCodeList& list, const std::array<SCodeEntry, N>& entries)
{
    list.Resize(static_cast<int>(N));
    for (size_t i = 0; i < N; ++i) {
        list.SetEntry(static_cast<int>(i), std::string(entries[i].text), entries[i].code);
    }
}

constexpr char kAllSeparator = '\t';

// Block layout: frequency A+0..2, reference A+3 bit 4, mode A+3 bits 2..0, offset A+4..6,
// tones A+7 and A+8, tuning step A+9 (VFO only), name A+10..15 (MCH and PCH only).
constexpr uint32_t kFrequencyOffset = 0;
constexpr uint32_t kRepeaterOffset = 4;
constexpr uint32_t kRepeaterToneOffset = 7;
constexpr uint32_t kTsqlToneOffset = 8;
constexpr uint32_t kTuningStepOffset = 9;
constexpr uint8_t kBlankNameByte = 0xFF;

// Packed decimal kilohertz: high nibble of byte 0 counts hundreds of MHz in binary (0-13), the other
// five nibbles are BCD digits from tens of MHz down to kHz.
constexpr std::array<int32_t, 6> kNibbleKilohertz = {100'000, 10'000, 1'000, 100, 10, 1};
constexpr int32_t kHertzPerKilohertz = 1'000;
constexpr int32_t kReadGridA = 5'000;
constexpr int32_t kReadGridB = 12'500;
constexpr int32_t kHalfKilohertz = 500;

int32_t DecodeKilohertz(const CMemoryImage& image, uint32_t address)
{
    int32_t kilohertz = 0;
    for (size_t i = 0; i < kNibbleKilohertz.size(); ++i) {
        const uint8_t byte = image.GetByte(address + static_cast<uint32_t>(i / 2));
        const int nibble = (i % 2 == 0) ? byte >> 4 : byte & 0x0F;
        kilohertz += nibble * kNibbleKilohertz[i];
    }
    // The image keeps whole kHz; 12.5 kHz channels lose their half kilohertz there.
    int32_t hz = kilohertz * kHertzPerKilohertz;
    while (hz % kReadGridA != 0 && hz % kReadGridB != 0) {
        hz += kHalfKilohertz;
    }
    return hz;
}

uint8_t Bcd(int32_t value)
{
    return static_cast<uint8_t>((value / 10) * 16 + value % 10);
}

void EncodeKilohertz(CMemoryImage& image, uint32_t address, int32_t hz)
{
    const int32_t tensOfMegahertz = hz / 10'000'000;
    image.SetByte(address,
                  static_cast<uint8_t>(((tensOfMegahertz % 1'000) / 10) * 16 + tensOfMegahertz % 10));
    image.SetByte(address + 1, Bcd((hz / 100'000) % 100));
    image.SetByte(address + 2, Bcd((hz / 1'000) % 100));
}

// The band a VFO or call channel stands for, by band number; the WFM VFO also needs the frequency
// at or above the country's FM broadcast start.
struct SBandRule
{
    int firstBand;
    int lastBand;
    bool fromFmStart;
};

constexpr std::array<SBandRule, 8> kVfoBands = {{
    {1, 2, false},   // 50
    {3, 4, true},    // WFM
    {5, 5, false},   // AIR
    {6, 7, false},   // 144
    {9, 9, false},   // 300
    {10, 11, false}, // 430
    {12, 17, false}, // 800
    {19, 19, false}, // 1200
}};

constexpr std::array<SBandRule, 4> kCallBands = {{
    {1, 4, false},  // 50
    {5, 7, false},  // 144
    {9, 17, false}, // 430
    {19, 19, false} // 1200
}};

constexpr int kFirstWideGridBand = 12;
constexpr int32_t kNarrowGridStep = 5'000;
constexpr int32_t kNarrowGridChannel = 6'250;
constexpr int32_t kWideGridStep = 10'000;
constexpr int32_t kWideGridChannel = 12'500;

// "12.5k" and the like: a number of kHz.
int32_t StepHertz(const std::string& text)
{
    double kilohertz = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), kilohertz);
    return static_cast<int32_t>(kilohertz * kHertzPerKilohertz + 0.1);
}

template <typename Field> std::string FieldText(const Field& field)
{
    return field.GetText();
}

void CopyValue(CFrequencyValue& to, const CFrequencyValue& from)
{
    to.Set(from.Get());
}

void CopyValue(CNameText& to, const CNameText& from)
{
    to.SetText(from.GetText());
}

template <typename Selection> void CopyValue(Selection& to, const Selection& from)
{
    to.Select(from.GetPosition());
}

} // namespace

SChannelValueLists::SChannelValueLists()
{
    Fill(reference, kReferenceEntries);
    Fill(appear, kAppearEntries);
    Fill(skip, kSkipEntries);
    Fill(mode, kModeEntries);
    Fill(duplex, kDuplexEntries);
    Fill(toneMode, kToneModeEntries);
    Fill(tuningStep, kTuningStepEntries);
    tones.Resize(0, static_cast<int>(kToneTexts.size()) - 1);
    for (size_t i = 0; i < kToneTexts.size(); ++i) {
        tones.SetText(static_cast<int>(i), std::string(kToneTexts[i]));
    }
}

const SChannelValueLists& SChannelValueLists::Shared()
{
    static const SChannelValueLists lists;
    return lists;
}

const std::array<CChannelRecord::SKeyedField, 12> CChannelRecord::kKeyedFields = {{
    {keys::kAppear, &CChannelRecord::m_appear},
    {keys::kFrequency, &CChannelRecord::m_frequency},
    {keys::kReferenceFrequency, &CChannelRecord::m_reference},
    {keys::kSkip, &CChannelRecord::m_skip},
    {keys::kMode, &CChannelRecord::m_mode},
    {keys::kDuplex, &CChannelRecord::m_duplex},
    {keys::kToneMode, &CChannelRecord::m_toneMode},
    {keys::kRepeaterTone, &CChannelRecord::m_repeaterTone},
    {keys::kTsqlTone, &CChannelRecord::m_tsqlTone},
    {keys::kTuningStep, &CChannelRecord::m_tuningStep},
    {keys::kOffset, &CChannelRecord::m_offset},
    {keys::kName, &CChannelRecord::m_name},
}};

// Flag byte: appear bit 7, skip bit 6, tone mode bits 5..4, duplex bits 3..2. Bits 7, 6, 5 and 3 of
// A+3 and bits 1..0 of the flag byte belong to the transceiver and are left alone.
const std::array<CChannelRecord::SCodeBits, 6> CChannelRecord::kCodeBits = {{
    {&CChannelRecord::m_reference, false, 3, 4, 1},
    {&CChannelRecord::m_mode, false, 3, 2, 3},
    {&CChannelRecord::m_appear, true, 0, 7, 1},
    {&CChannelRecord::m_skip, true, 0, 6, 1},
    {&CChannelRecord::m_toneMode, true, 0, 5, 2},
    {&CChannelRecord::m_duplex, true, 0, 3, 2},
}};

CChannelRecord::CChannelRecord(const CModelProfile* profile)
    : m_profile(profile), m_name(kNameLength, kNameLength, CNameText::kRestricted)
{
}

void CChannelRecord::SetIdentity(int32_t kind, int32_t number)
{
    m_kind = kind;
    m_number = number;
}

void CChannelRecord::BindLists(const SChannelValueLists& lists)
{
    m_lists = &lists;
    m_reference.Bind(&lists.reference);
    m_appear.Bind(&lists.appear);
    m_skip.Bind(&lists.skip);
    m_mode.Bind(&lists.mode);
    m_duplex.Bind(&lists.duplex);
    m_toneMode.Bind(&lists.toneMode);
    m_tuningStep.Bind(&lists.tuningStep);
    m_repeaterTone.Bind(&lists.tones);
    m_tsqlTone.Bind(&lists.tones);
}

std::string CChannelRecord::Execute(CCommandCursor& cursor)
{
    const std::string head = cursor.Token('=', 0);
    const std::string key = TextToken(head, ".", 0);
    std::string result;
    if (EqualsNoCase(key, keys::kAll)) {
        // The value of "ALL" is itself a list of "key=value" pieces, so it runs to the end.
        result = ExecuteAll(cursor.Rest('=', 1));
    } else {
        // The value is everything after the first "=": "=" is a name character.
        result = ExecuteField(key, TextToken(head, ".", 1), cursor.Rest('=', 1));
    }
    if (!result.empty()) {
        cursor.SetText({});
    }
    return result;
}

std::string CChannelRecord::ExecuteField(std::string_view key, std::string_view selector,
                                         std::string_view value)
{
    const auto* const field = std::find_if(kKeyedFields.begin(), kKeyedFields.end(),
                                           [&](const SKeyedField& f) { return EqualsNoCase(f.key, key); });
    if (key.empty() || field == kKeyedFields.end()) {
        return {};
    }
    CCommandCursor fieldCursor(std::string(selector) + "=" + std::string(value));
    return std::visit([&](auto member) { return (this->*member).Execute(fieldCursor); }, field->member);
}

std::string CChannelRecord::ExecuteAll(std::string_view value)
{
    size_t start = 0;
    while (start < value.size()) {
        size_t end = value.find(kAllSeparator, start);
        if (end == std::string_view::npos) {
            end = value.size();
        }
        const std::string_view piece = value.substr(start, end - start);
        const std::string head = TextToken(piece, "=", 0);
        const std::string key = TextToken(head, ".", 0);
        // A nested "ALL" would let a long command recurse without bound; it carries no field.
        if (!EqualsNoCase(key, keys::kAll)) {
            ExecuteField(key, TextToken(head, ".", 1), TextRest(piece, "=", 1));
        }
        start = end + 1;
    }
    return ReadAll();
}

std::string CChannelRecord::ReadAll() const
{
    std::string text;
    for (const SKeyedField& field : kKeyedFields) {
        if (!text.empty()) {
            text += kAllSeparator;
        }
        text += field.key;
        text += '=';
        text += std::visit([&](auto member) { return FieldText(this->*member); }, field.member);
    }
    return text;
}

void CChannelRecord::CopyFrom(const CChannelRecord& other)
{
    if (m_lists == nullptr && other.m_lists != nullptr) {
        BindLists(*other.m_lists);
    }
    for (const SKeyedField& field : kKeyedFields) {
        std::visit([&](auto member) { CopyValue(this->*member, other.*member); }, field.member);
    }
    Heal(0);
}

void CChannelRecord::Heal(int flag)
{
    const CChannelId id = GetId();
    if (id.MayBeBlank()) {
        if (IsBlank()) {
            m_name.SetText({});
        }
    } else {
        SetBlank(false);
    }
    if (!id.IsMemory()) {
        m_skip.SelectByText(answer::kOff);
    }
    if (!id.IsMemoryOrEdge()) {
        m_name.SetText({});
    }
    if (id.GetKind() != CChannelId::kVfo && m_profile != nullptr) {
        m_profile->RoundFrequency(m_frequency);
        const int32_t f = m_frequency.Get();
        const bool wideGrid = CModelProfile::BandOf(f) >= kFirstWideGridBand;
        const int32_t gridStep = wideGrid ? kWideGridStep : kNarrowGridStep;
        const int32_t gridChannel = wideGrid ? kWideGridChannel : kNarrowGridChannel;

        const int32_t step = StepHertz(m_tuningStep.GetText());
        if (step % gridStep != 0 && step % gridChannel != 0) {
            m_tuningStep.SelectByText(keys::kStep12k5);
        }
        // Channel kinds that reach this point store no tuning step, so only the frequency decides.
        const bool onStepGrid = f % gridStep == 0;
        const bool onChannelGrid = f % gridChannel == 0;
        m_reference.SelectByText(onChannelGrid && !onStepGrid ? keys::kReference6k25 : keys::kReference5k);

        const std::string mode = m_mode.GetText();
        if (!m_profile->IsModeAllowed(mode, f)) {
            m_mode.SelectByText(m_profile->ValidMode(mode, f));
        }
        m_profile->RoundOffset(f, m_offset);
    }
    if (flag != 0 && !IsLegal()) {
        m_loaded = false;
    }
}

bool CChannelRecord::IsLegal() const
{
    return m_profile != nullptr && m_profile->IsAllowed(m_frequency.Get()) && IsInOwnBand();
}

bool CChannelRecord::IsInOwnBand() const
{
    const SBandRule* rule = nullptr;
    if (m_kind == CChannelId::kVfo && m_number >= 0 && m_number < static_cast<int32_t>(kVfoBands.size())) {
        rule = &kVfoBands[static_cast<size_t>(m_number)];
    } else if (m_kind == CChannelId::kCall && m_number >= 0 &&
               m_number < static_cast<int32_t>(kCallBands.size())) {
        rule = &kCallBands[static_cast<size_t>(m_number)];
    }
    if (rule == nullptr) {
        return true;
    }
    const int32_t f = m_frequency.Get();
    const int band = CModelProfile::BandOf(f);
    return band >= rule->firstBand && band <= rule->lastBand &&
           (!rule->fromFmStart || f >= m_profile->FmBroadcastStart());
}

void CChannelRecord::Transfer(CMemoryImage& image, int direction, uint32_t blockAddress, uint32_t flagAddress)
{
    if (direction == kRead) {
        Read(image, blockAddress, flagAddress);
    } else {
        Write(image, blockAddress, flagAddress);
    }
    m_loaded = true;
}

void CChannelRecord::Read(const CMemoryImage& image, uint32_t block, uint32_t flag)
{
    m_frequency.Set(DecodeKilohertz(image, block + kFrequencyOffset));
    for (const SCodeBits& bits : kCodeBits) {
        const uint32_t address = (bits.inFlagByte ? flag : block) + bits.offset;
        (this->*bits.member).SelectByCode(image.GetBits(address, bits.startBit, bits.bitCount));
    }
    m_repeaterTone.Select(image.GetByte(block + kRepeaterToneOffset));
    m_tsqlTone.Select(image.GetByte(block + kTsqlToneOffset));
    m_offset.Set(DecodeKilohertz(image, block + kRepeaterOffset));
    const CChannelId id = GetId();
    if (id.IsVfoLike()) {
        m_tuningStep.SelectByCode(image.GetByte(block + kTuningStepOffset));
    }
    if (id.IsMemoryOrEdge()) {
        // Stored as characters; 0xFF (a blank name) and anything else outside the set read as blanks.
        std::string name(kNameLength, ' ');
        for (uint32_t i = 0; i < kNameLength; ++i) {
            name[i] = static_cast<char>(image.GetByte(block + kNameOffset + i));
        }
        m_name.SetText(name);
    }
}

void CChannelRecord::Write(CMemoryImage& image, uint32_t block, uint32_t flag) const
{
    EncodeKilohertz(image, block + kFrequencyOffset, m_frequency.Get());
    for (const SCodeBits& bits : kCodeBits) {
        const uint32_t address = (bits.inFlagByte ? flag : block) + bits.offset;
        image.SetBits(address, bits.startBit, bits.bitCount, (this->*bits.member).GetCode());
    }
    image.SetByte(block + kRepeaterToneOffset, static_cast<uint8_t>(m_repeaterTone.GetPosition()));
    image.SetByte(block + kTsqlToneOffset, static_cast<uint8_t>(m_tsqlTone.GetPosition()));
    EncodeKilohertz(image, block + kRepeaterOffset, m_offset.Get());
    const CChannelId id = GetId();
    if (id.IsVfoLike()) {
        image.SetByte(block + kTuningStepOffset, static_cast<uint8_t>(m_tuningStep.GetCode()));
    }
    if (id.IsMemoryOrEdge()) {
        const std::string& name = m_name.GetText();
        const bool blank = m_name.IsBlank();
        for (uint32_t i = 0; i < kNameLength; ++i) {
            const char c = i < name.size() ? name[i] : ' ';
            image.SetByte(block + kNameOffset + i, blank ? kBlankNameByte : static_cast<uint8_t>(c));
        }
    }
}

bool CChannelRecord::IsBlank() const
{
    return EqualsNoCase(m_appear.GetText(), answer::kOff);
}

void CChannelRecord::SetBlank(bool blank)
{
    m_appear.SelectByText(blank ? answer::kOff : answer::kOn);
}
