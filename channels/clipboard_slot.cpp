#include "channels/clipboard_slot.h"

#include "core/command_text.h"

void CClipboardSlot::SetKind(int kind)
{
    if (kind != kMemoryCh && kind != kDtmfCh) {
        kind = kEmpty;
    }
    if (kind == m_kind) {
        return;
    }
    m_kind = kind;
    m_record.reset();
    m_dtmf.reset();
    if (kind == kMemoryCh) {
        m_record = std::make_unique<CChannelRecord>(m_profile);
    } else if (kind == kDtmfCh) {
        m_dtmf = std::make_unique<CDtmfDigits>();
    }
}

void CClipboardSlot::SetKind(std::string_view name)
{
    for (size_t i = 0; i < kKindNames.size(); ++i) {
        if (EqualsNoCase(kKindNames[i], name)) {
            SetKind(static_cast<int>(i));
            return;
        }
    }
}
