#pragma once

#include "channels/channel_record.h"
#include "core/channel_id.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class CClipboardSlot;
class CCommandCursor;
class CMemoryImage;
class CModelProfile;

// The 132 channel records with their shared value lists and their places in the image. Answers
// the "CH.<kind>.<number>..." commands: field keys go to the record; "Heal", "IsLegal", "Copy",
// "Paste", "Insert", "Delete" and "Clear" are table operations, each with a ".CHECK" trial form
// that changes nothing.
class CChannelTable
{
public:
    CChannelTable(const CModelProfile* profile, CClipboardSlot* clipboard);
    CChannelTable(const CChannelTable&) = delete;
    CChannelTable& operator=(const CChannelTable&) = delete;

    // Answers "" (and leaves the cursor alone) when the command does not name a channel or the
    // channel does not understand it.
    std::string Execute(CCommandCursor& cursor);

    // An id of kind NONE stands for the first channel of the walk, as its flat index does.
    CChannelRecord& Record(const CChannelId& id);

    // Reads the record from the image while it is not loaded, writes it otherwise; loaded after.
    void Transfer(const CChannelId& id, CMemoryImage& image);
    void MarkAllUnloaded();

private:
    // An operation answers "OK", "NG" or "WARNING"; a trial only tells what the real form would do.
    using Operation = std::string (CChannelTable::*)(const CChannelId& id, bool trial);
    struct SOperation
    {
        std::string_view name;
        Operation run;
    };
    static const std::array<SOperation, 7> kOperations;

    std::string Heal(const CChannelId& id, bool trial);
    std::string IsLegal(const CChannelId& id, bool trial);
    std::string Copy(const CChannelId& id, bool trial);
    std::string Paste(const CChannelId& id, bool trial);
    std::string Insert(const CChannelId& id, bool trial);
    std::string Delete(const CChannelId& id, bool trial);
    std::string Clear(const CChannelId& id, bool trial);
    CChannelRecord& Memory(int number) { return Record(CChannelId(CChannelId::kMch, number)); }

    const CModelProfile* m_profile;
    CClipboardSlot* m_clipboard;
    SChannelValueLists m_lists;
    std::array<std::unique_ptr<CChannelRecord>, CChannelId::kChannelCount> m_records;
};
