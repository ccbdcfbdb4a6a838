#pragma once

#include "channels/channel_record.h"
#include "core/typed_fields.h"

#include <array>
#include <memory>
#include <string_view>

class CModelProfile;

// What the last "Copy" left behind: nothing, one channel, or one DTMF memory. The content object
// of a kind is created when that kind is chosen and dropped when another kind is chosen.
class CClipboardSlot
{
public:
    enum EKind
    {
        kEmpty = 0,
        kMemoryCh = 1,
        kDtmfCh = 2,
    };
    static constexpr std::array<std::string_view, 3> kKindNames = {"EMPTY", "MEMORY_CH", "DTMF_CH"};

    explicit CClipboardSlot(const CModelProfile* profile) : m_profile(profile) {}

    // A number other than 1 or 2 empties the slot; choosing the kind it already holds keeps the
    // content.
    void SetKind(int kind);
    // A name that is none of the three changes nothing.
    void SetKind(std::string_view name);
    int GetKind() const { return m_kind; }
    std::string_view GetKindName() const { return kKindNames[static_cast<size_t>(m_kind)]; }

    // Non-null only while the slot holds a channel.
    CChannelRecord* Record() { return m_record.get(); }
    // Non-null only while the slot holds a DTMF memory.
    CDtmfDigits* Dtmf() { return m_dtmf.get(); }

private:
    const CModelProfile* m_profile;
    int m_kind = kEmpty;
    std::unique_ptr<CChannelRecord> m_record;
    std::unique_ptr<CDtmfDigits> m_dtmf;
};
