#pragma once

#include "channels/model_profile.h"
#include "core/clone_file.h"
#include "core/memory_image.h"
#include "core/memory_map.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

class CChannelTable;
class CClipboardSlot;
class CCommandCursor;
class CCommonSettings;
class CDtmfMemories;

// Owns the memory images and every object decoded from them, and routes each command text to its
// handler: the core's own commands, then "CH", "COMMON", "DTMF" and "MODEL"; the first non-empty
// answer wins. Objects and image are kept in step by the heal pass.
class CRigCore
{
public:
    CRigCore();
    virtual ~CRigCore();
    CRigCore(const CRigCore&) = delete;
    CRigCore& operator=(const CRigCore&) = delete;

    // May be re-entered from inside a handler.
    std::string Execute(std::string_view command);

    // The clone data file's header: the model code and revision as the transceiver sends them.
    static constexpr uint16_t GetModelCode() { return memory_map::kModelCode; }
    static constexpr uint16_t GetRevision() { return memory_map::kModelRevision; }

    std::string SaveFile(const std::string& path, std::span<const SAddressRange> ranges);
    std::string LoadFile(const std::string& path, CMemoryImage& image);

    const CMemoryImage& WorkingImage() const { return m_working; }
    const CMemoryImage& DefaultImage() const { return m_default; }

private:
    std::string ExecuteOwn(const std::string& command);
    std::string ExecuteFile(const std::string& command);
    std::string ExecuteEditFlag(std::string_view value);
    std::string ExecuteImage(std::string_view variant, std::string_view value);
    std::string ExecuteClipboard(std::string_view operation);
    void Heal(bool withSafety);
    // Runs `use` on the image a write sends, each channel the transceiver cannot use healed into what it
    // takes instead; afterwards the image and every object are the user's again.
    std::string WithSafetyHeal(const std::function<std::string()>& use);
    // Each object not yet loaded reads its fields from the working image.
    void DecodeUnloaded();
    void MarkAllUnloaded();
    void RebuildDefaultImage();

    CModelProfile m_profile;
    std::unique_ptr<CClipboardSlot> m_clipboard;
    CMemoryImage m_working;
    CMemoryImage m_snapshot;
    CMemoryImage m_default;
    std::unique_ptr<CChannelTable> m_table;
    std::unique_ptr<CCommonSettings> m_common;
    std::unique_ptr<CDtmfMemories> m_dtmf;
    int m_editFlag = 0;
};
