#pragma once

#include "channels/channel_record.h"
#include "core/typed_fields.h"

#include <array>
#include <memory>
#include <string_view>
#include <vector>

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
    int GetKind() const { return m_content.kind; }
    std::string_view GetKindName() const { return kKindNames[static_cast<size_t>(m_content.kind)]; }

    // Non-null only while the slot holds a channel.
    CChannelRecord* Record() { return m_content.record.get(); }
    // Non-null only while the slot holds a DTMF memory.
    CDtmfDigits* Dtmf() { return m_content.dtmf.get(); }

    // Puts the content aside and leaves the slot empty, so an operation can carry channels through the
    // slot without losing what the user copied. Restore brings back the content put aside last and drops
    // whatever the slot holds then; false (nothing changed) when nothing is put aside. Saves nest.
    void Save();
    bool Restore();
    size_t SavedCount() const { return m_saved.size(); }

private:
    struct SContent
    {
        int kind = kEmpty;
        std::unique_ptr<CChannelRecord> record;
        std::unique_ptr<CDtmfDigits> dtmf;
    };

    const CModelProfile* m_profile;
    SContent m_content;
    std::vector<SContent> m_saved;
};
