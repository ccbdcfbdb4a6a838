#pragma once

#include "core/channel_id.h"
#include "core/typed_fields.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

class CCommandCursor;
class CMemoryImage;
class CModelProfile;

// The value lists every channel record selects from, filled with the transceiver's codes. One set
// is owned by the channel table and bound to all its records.
struct SChannelValueLists
{
    SChannelValueLists();

    // One set for callers that only read the entries.
    static const SChannelValueLists& Shared();

    CCodeList reference;
    CCodeList appear;
    CCodeList skip;
    CCodeList mode;
    CCodeList duplex;
    CCodeList toneMode;
    CCodeList tuningStep;
    CIndexList tones;
};

// One channel: the fields of a 16-byte block and a flag byte of the image, the channel's identity,
// and the repair (Heal) that keeps it acceptable to the transceiver.
class CChannelRecord
{
public:
    // Transfer directions.
    static constexpr int kRead = 0;
    static constexpr int kWrite = 1;
    // The name's place in the channel's block, after every other field of the block.
    static constexpr uint32_t kNameOffset = 10;
    static constexpr uint32_t kNameLength = 6;

    explicit CChannelRecord(const CModelProfile* profile);
    virtual ~CChannelRecord() = default;
    CChannelRecord(const CChannelRecord&) = delete;
    CChannelRecord& operator=(const CChannelRecord&) = delete;

    void SetIdentity(int32_t kind, int32_t number);
    CChannelId GetId() const { return CChannelId(m_kind, m_number); }
    void BindLists(const SChannelValueLists& lists);

    // The cursor holds a field key, an optional selector and an optional "=value" ("FREQUENCY",
    // "MODE=AM", "FREQUENCY.ByNumber", "ALL=..."). Answers "" for an empty or unknown key. A field's
    // value ends at a second "="; the value of "ALL" runs to the end, its tab-separated pieces each
    // being such a field command. Setting a field does not repair the record.
    std::string Execute(CCommandCursor& cursor);

    // Takes every field value of the other record, then repairs itself for its own kind.
    void CopyFrom(const CChannelRecord& other);
    // A non-zero flag also marks an illegal record unloaded, so the next transfer replaces it.
    void Heal(int flag);
    bool IsLegal() const;

    void Transfer(CMemoryImage& image, int direction, uint32_t blockAddress, uint32_t flagAddress);
    bool IsLoaded() const { return m_loaded; }
    void SetLoaded(bool loaded) { m_loaded = loaded; }

    // APPEAR "OFF": the channel is not in use.
    bool IsBlank() const;
    void SetBlank(bool blank);

    int32_t Frequency() const { return m_frequency.Get(); }
    int32_t Offset() const { return m_offset.Get(); }
    std::string Name() const { return m_name.GetText(); }
    std::string ModeText() const { return m_mode.GetText(); }

private:
    using FieldMember = std::variant<CFrequencyValue CChannelRecord::*, CCodeSelection CChannelRecord::*,
                                     CIndexSelection CChannelRecord::*, CNameText CChannelRecord::*>;
    struct SKeyedField
    {
        std::string_view key;
        FieldMember member;
    };
    // The twelve keyed fields, in the order "ALL" lists them.
    static const std::array<SKeyedField, 12> kKeyedFields;

    // A code field's bits in the channel's block or in its flag byte.
    struct SCodeBits
    {
        CCodeSelection CChannelRecord::*member;
        bool inFlagByte;
        uint32_t offset;
        int startBit;
        int bitCount;
    };
    static const std::array<SCodeBits, 6> kCodeBits;

    std::string ExecuteField(std::string_view key, std::string_view selector, std::string_view value);
    std::string ExecuteAll(std::string_view value);
    std::string ReadAll() const;
    void Read(const CMemoryImage& image, uint32_t block, uint32_t flag);
    void Write(CMemoryImage& image, uint32_t block, uint32_t flag) const;
    bool IsInOwnBand() const;

    const CModelProfile* m_profile;
    const SChannelValueLists* m_lists = nullptr;
    int32_t m_kind = CChannelId::kNone;
    int32_t m_number = 0;
    bool m_loaded = false;
    CFrequencyValue m_frequency;
    CCodeSelection m_reference;
    CCodeSelection m_appear;
    CCodeSelection m_skip;
    CCodeSelection m_mode;
    CCodeSelection m_duplex;
    CCodeSelection m_toneMode;
    CCodeSelection m_tuningStep;
    CIndexSelection m_repeaterTone;
    CIndexSelection m_tsqlTone;
    CFrequencyValue m_offset;
    CNameText m_name;
};
