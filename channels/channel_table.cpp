#include "channels/channel_table.h"

#include "channels/clipboard_slot.h"
#include "channels/command_keys.h"
#include "core/command_text.h"
#include "core/memory_image.h"
#include "core/memory_map.h"

#include <algorithm>

namespace {

constexpr int kLastMemory = 99;

std::string Answer(std::string_view word)
{
    return std::string(word);
}

} // namespace

const std::array<CChannelTable::SOperation, 7> CChannelTable::kOperations = {{
    {keys::kHeal, &CChannelTable::Heal},
    {keys::kIsLegal, &CChannelTable::IsLegal},
    {keys::kCopy, &CChannelTable::Copy},
    {keys::kPaste, &CChannelTable::Paste},
    {keys::kInsert, &CChannelTable::Insert},
    {keys::kDelete, &CChannelTable::Delete},
    {keys::kClear, &CChannelTable::Clear},
}};

CChannelTable::CChannelTable(const CModelProfile* profile, CClipboardSlot* clipboard)
    : m_profile(profile), m_clipboard(clipboard)
{
    CChannelId id;
    for (int i = 0; i < CChannelId::kChannelCount; ++i) {
        id.Next();
        auto record = std::make_unique<CChannelRecord>(m_profile);
        record->SetIdentity(id.GetKind(), id.GetNumber());
        record->BindLists(m_lists);
        m_records[static_cast<size_t>(id.FlatIndex())] = std::move(record);
    }
}

std::string CChannelTable::Execute(CCommandCursor& cursor)
{
    CCommandCursor command(cursor);
    CChannelId id;
    id.Parse(command);
    if (id.GetKind() == CChannelId::kNone) {
        return {};
    }
    const std::string head = command.Token('=', 0);
    const std::string name = TextToken(head, ".", 0);
    const auto* const operation =
        std::find_if(kOperations.begin(), kOperations.end(),
                     [&](const SOperation& o) { return EqualsNoCase(o.name, name); });
    std::string result;
    if (operation == kOperations.end()) {
        result = Record(id).Execute(command);
    } else {
        result = (this->*operation->run)(id, EqualsNoCase(TextToken(head, ".", 1), keys::kCheck));
    }
    if (!result.empty()) {
        cursor.SetText({});
    }
    return result;
}

CChannelRecord& CChannelTable::Record(const CChannelId& id)
{
    const int index = std::clamp(id.FlatIndex(), 0, CChannelId::kChannelCount - 1);
    return *m_records[static_cast<size_t>(index)];
}

void CChannelTable::Transfer(const CChannelId& id, CMemoryImage& image)
{
    CChannelRecord& record = Record(id);
    record.Transfer(image, record.IsLoaded() ? CChannelRecord::kWrite : CChannelRecord::kRead,
                    memory_map::ChannelBlockAddress(id), memory_map::ChannelFlagAddress(id));
}

void CChannelTable::MarkAllUnloaded()
{
    for (auto& record : m_records) {
        record->SetLoaded(false);
    }
}

std::string CChannelTable::Heal(const CChannelId& id, bool /*trial*/)
{
    Record(id).Heal(0);
    return Answer(answer::kOk);
}

std::string CChannelTable::IsLegal(const CChannelId& id, bool /*trial*/)
{
    return Answer(Record(id).IsLegal() ? answer::kOk : answer::kNg);
}

std::string CChannelTable::Copy(const CChannelId& id, bool trial)
{
    if (trial) {
        return Answer(answer::kOk);
    }
    if (m_clipboard == nullptr) {
        return Answer(answer::kNg);
    }
    m_clipboard->SetKind(CClipboardSlot::kMemoryCh);
    CChannelRecord* copy = m_clipboard->Record();
    copy->SetIdentity(id.GetKind(), id.GetNumber());
    copy->BindLists(m_lists);
    copy->CopyFrom(Record(id));
    return Answer(answer::kOk);
}

std::string CChannelTable::Paste(const CChannelId& id, bool trial)
{
    const CChannelRecord* source =
        (m_clipboard != nullptr && m_clipboard->GetKind() == CClipboardSlot::kMemoryCh)
            ? m_clipboard->Record()
            : nullptr;
    if (source == nullptr || (source->IsBlank() && !id.MayBeBlank())) {
        return Answer(answer::kNg);
    }
    CChannelRecord& target = Record(id);
    if (trial) {
        return Answer(target.IsBlank() ? answer::kOk : answer::kWarning);
    }
    target.CopyFrom(*source);
    return Answer(answer::kOk);
}

std::string CChannelTable::Insert(const CChannelId& id, bool trial)
{
    if (!id.IsMemory()) {
        return Answer(answer::kNg);
    }
    if (trial) {
        return Answer(Memory(kLastMemory).IsBlank() ? answer::kOk : answer::kWarning);
    }
    for (int k = kLastMemory; k > id.GetNumber(); --k) {
        Memory(k).CopyFrom(Memory(k - 1));
    }
    Memory(id.GetNumber()).SetBlank(true);
    Memory(id.GetNumber()).Heal(0);
    return Answer(answer::kOk);
}

std::string CChannelTable::Delete(const CChannelId& id, bool trial)
{
    if (!id.IsMemory()) {
        return Answer(answer::kNg);
    }
    if (trial) {
        return Answer(Record(id).IsBlank() ? answer::kOk : answer::kWarning);
    }
    for (int k = id.GetNumber(); k < kLastMemory; ++k) {
        Memory(k).CopyFrom(Memory(k + 1));
    }
    Memory(kLastMemory).SetBlank(true);
    Memory(kLastMemory).Heal(0);
    return Answer(answer::kOk);
}

std::string CChannelTable::Clear(const CChannelId& id, bool trial)
{
    if (!id.MayBeBlank()) {
        return Answer(answer::kNg);
    }
    if (!trial) {
        Record(id).SetBlank(true);
        Record(id).Heal(0);
    }
    return Answer(answer::kOk);
}
