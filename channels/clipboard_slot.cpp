#include "channels/clipboard_slot.h"

#include "core/command_text.h"

void CClipboardSlot::SetKind(int kind)
{
    if (kind != kMemoryCh && kind != kDtmfCh) {
        kind = kEmpty;
    }
    if (kind == m_content.kind) {
        return;
    }
    m_content = SContent{kind, nullptr, nullptr};
    if (kind == kMemoryCh) {
        m_content.record = std::make_unique<CChannelRecord>(m_profile);
    } else if (kind == kDtmfCh) {
        m_content.dtmf = std::make_unique<CDtmfDigits>();
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

void CClipboardSlot::Save()
{
    // The content objects move whole: a restored channel is the very record that was copied.
    m_saved.push_back(std::move(m_content));
    m_content = SContent{};
}

bool CClipboardSlot::Restore()
{
    if (m_saved.empty()) {
        return false;
    }
    m_content = std::move(m_saved.back());
    m_saved.pop_back();
    return true;
}
