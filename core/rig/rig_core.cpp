#include "core/rig/rig_core.h"

#include "channels/channel_table.h"
#include "channels/clipboard_slot.h"
#include "channels/command_keys.h"
#include "channels/common_settings.h"
#include "channels/dtmf_memories.h"
#include "core/byte_string.h"
#include "core/command_text.h"
#include "core/memory_map.h"
#include "core/rig/default_images.h"

namespace {

using keys::kClipboard;
using keys::kEditFlag;
using keys::kFile;
using keys::kHeal;
using keys::kImage;
using keys::kInitialize;
using keys::kLoad;
using keys::kRestore;
using keys::kSave;
using keys::kWithSafety;

// The file path stands between double quotes after the command's dots, so it may hold dots.
std::string QuotedPath(const std::string& command, int dots)
{
    return TextToken(TextRest(command, ".", dots), "\"", 1);
}

} // namespace

CRigCore::CRigCore()
{
    m_profile.ClearChanged();
    m_clipboard = std::make_unique<CClipboardSlot>(&m_profile);
    m_working.Resize(memory_map::kImageSize);
    m_default.Resize(m_working.GetSize());
    m_table = std::make_unique<CChannelTable>(&m_profile, m_clipboard.get());
    m_common = std::make_unique<CCommonSettings>(&m_profile);
    m_dtmf = std::make_unique<CDtmfMemories>();
    RebuildDefaultImage();
    Execute(std::string(kEditFlag) + "=" + std::string(answer::kOff));
}

CRigCore::~CRigCore() = default;

std::string CRigCore::Execute(std::string_view command)
{
    const std::string text(command);
    std::string answer = ExecuteOwn(text);
    if (answer.empty()) {
        CCommandCursor cursor(text);
        answer = m_table->Execute(cursor);
    }
    if (answer.empty()) {
        CCommandCursor cursor(text);
        answer = m_common->Execute(cursor);
    }
    if (answer.empty()) {
        CCommandCursor cursor(text);
        answer = m_dtmf->Execute(cursor);
    }
    if (answer.empty()) {
        CCommandCursor cursor(text);
        answer = m_profile.Execute(cursor);
        if (m_profile.IsChanged()) {
            RebuildDefaultImage();
            Execute(kInitialize);
        }
    }
    return answer;
}

std::string CRigCore::ExecuteOwn(const std::string& command)
{
    const std::string key = TextToken(command, "=", 0);
    const std::string first = TextToken(key, ".", 0);
    const std::string value = TextToken(command, "=", 1);
    if (EqualsNoCase(first, kHeal)) {
        Heal(false);
        return std::string(answer::kOk);
    }
    if (EqualsNoCase(first, kInitialize)) {
        MarkAllUnloaded();
        m_working.CopyFrom(m_default);
        Heal(false);
        return std::string(answer::kOk);
    }
    if (EqualsNoCase(first, kEditFlag)) {
        return ExecuteEditFlag(value);
    }
    if (EqualsNoCase(first, kImage)) {
        return ExecuteImage(TextToken(key, ".", 1), value);
    }
    if (EqualsNoCase(first, kClipboard)) {
        return ExecuteClipboard(TextToken(key, ".", 1));
    }
    if (EqualsNoCase(TextToken(command, ".", 0), kFile)) {
        return ExecuteFile(command);
    }
    return {};
}

std::string CRigCore::ExecuteEditFlag(std::string_view value)
{
    if (EqualsNoCase(value, answer::kOn)) {
        m_editFlag = 1;
    } else if (EqualsNoCase(value, answer::kOff)) {
        Execute(kHeal);
        m_snapshot.CopyFrom(m_working);
        m_editFlag = 0;
    }
    if (m_editFlag == 0) {
        Execute(kHeal);
        m_editFlag = m_working.IsDifferent(m_snapshot) ? 1 : 0;
    }
    return std::string(m_editFlag != 0 ? answer::kOn : answer::kOff);
}

// "IMAGE" answers the healed working image as hexadecimal text; "IMAGE=<hex>" replaces the working
// image by such a text and decodes every object afresh. Undo and redo use this pair. "IMAGE.WithSafety"
// answers the image a write sends (see "FILE.SAVE.WithSafety."), changing nothing.
std::string CRigCore::ExecuteImage(std::string_view variant, std::string_view value)
{
    if (value.empty()) {
        if (EqualsNoCase(variant, kWithSafety)) {
            return WithSafetyHeal([this] { return HexText(m_working.Bytes()); });
        }
        Heal(false);
        return HexText(m_working.Bytes());
    }
    std::vector<uint8_t> bytes;
    if (value.size() != 2 * static_cast<size_t>(m_working.GetSize()) || !DecodeHex(value, bytes)) {
        return std::string(answer::kFormatError);
    }
    for (uint32_t a = 0; a < m_working.GetSize(); ++a) {
        m_working.SetByte(a, bytes[a]);
    }
    MarkAllUnloaded();
    Heal(false);
    return std::string(answer::kOk);
}

// "CLIPBOARD.SAVE" puts the clipboard's content aside (the slot is empty after it) and "CLIPBOARD.RESTORE"
// brings it back, "NG" when nothing was put aside. Operations that carry channels through the clipboard
// run between the two, so the channel the user copied is still there afterwards.
std::string CRigCore::ExecuteClipboard(std::string_view operation)
{
    if (EqualsNoCase(operation, kSave)) {
        m_clipboard->Save();
        return std::string(answer::kOk);
    }
    if (EqualsNoCase(operation, kRestore)) {
        return std::string(m_clipboard->Restore() ? answer::kOk : answer::kNg);
    }
    return {};
}

std::string CRigCore::ExecuteFile(const std::string& command)
{
    const std::string operation = TextToken(command, ".", 1);
    if (EqualsNoCase(operation, kSave)) {
        if (EqualsNoCase(TextToken(command, ".", 2), kWithSafety)) {
            return WithSafetyHeal(
                [this, &command] { return SaveFile(QuotedPath(command, 3), SafetySaveRanges()); });
        }
        Heal(false);
        return SaveFile(QuotedPath(command, 2), NormalSaveRanges());
    }
    if (EqualsNoCase(operation, kLoad)) {
        std::string result = LoadFile(QuotedPath(command, 2), m_working);
        if (result == answer::kOk) {
            MarkAllUnloaded();
            Heal(false);
        }
        return result;
    }
    return {};
}

std::string CRigCore::WithSafetyHeal(const std::function<std::string()>& use)
{
    // Edits not yet healed into the image live only in the objects; bring them in first, or restoring
    // the image afterwards would lose them.
    Heal(false);
    const CMemoryImage backup = m_working;
    Heal(true);
    std::string result = use();
    m_working.CopyFrom(backup);
    // The safety heal put default contents into illegal channels. Every object decodes the restored image
    // now: answers, edits and copies made before the next heal must see the user's data, and that heal
    // must not write the safety contents back.
    MarkAllUnloaded();
    DecodeUnloaded();
    return result;
}

std::string CRigCore::SaveFile(const std::string& path, std::span<const SAddressRange> ranges)
{
    const std::string comment = Execute(keys::Common(keys::kCloneComment));
    return SaveCloneFile(path, ranges, m_working, comment, GetModelCode(), GetRevision());
}

std::string CRigCore::LoadFile(const std::string& path, CMemoryImage& image)
{
    return LoadCloneFile(path, image, GetModelCode(), GetRevision());
}

void CRigCore::MarkAllUnloaded()
{
    m_table->MarkAllUnloaded();
    m_common->MarkUnloaded();
    m_dtmf->MarkUnloaded();
}

void CRigCore::DecodeUnloaded()
{
    // A loaded object would write itself into the image here; the heal replaces that image with
    // the default one at once, so only the objects still to be read are visited.
    CChannelId id(CChannelId::kVfo, 0);
    for (int i = 0; i < CChannelId::kChannelCount; ++i, id.Next()) {
        if (!m_table->Record(id).IsLoaded()) {
            m_table->Transfer(id, m_working);
        }
    }
    if (!m_common->IsLoaded()) {
        m_common->Transfer(m_working);
    }
    if (!m_dtmf->IsLoaded()) {
        m_dtmf->Transfer(m_working);
    }
}

void CRigCore::Heal(bool withSafety)
{
    DecodeUnloaded();

    m_working.CopyFrom(m_default);
    // The band memories always take the default image's contents.
    for (int band = 0; band < CChannelId::CountOf(CChannelId::kVfo); ++band) {
        const CChannelId vfo(CChannelId::kVfo, band);
        m_table->Record(vfo).SetLoaded(false);
        m_table->Transfer(vfo, m_working);
    }
    CChannelId id(CChannelId::kVfo, 0);
    for (int i = 0; i < CChannelId::kChannelCount; ++i, id.Next()) {
        m_table->Record(id).Heal(withSafety ? 1 : 0);
        m_table->Transfer(id, m_working);
    }
    m_common->Transfer(m_working);
    m_dtmf->Transfer(m_working);
}

void CRigCore::RebuildDefaultImage()
{
    m_profile.Rebuild();
    m_default = BuildDefaultImage(DefaultImageIndex(m_profile.CountryIndex(), m_profile.Has50MBand()));
    m_common = std::make_unique<CCommonSettings>(&m_profile);
    m_profile.ClearChanged();
}
