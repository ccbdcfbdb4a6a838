#pragma once

#include "core/command_text.h"
#include "core/list_selection.h"
#include "core/name_text.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

class CMemoryImage;

// One common setting: a bit field holding a code ("BITNUM"), a position ("SELNUM") or a text
// ("MEMNAME") at a fixed place of the image.
class CSettingField
{
public:
    enum EKind
    {
        kEmpty = 0,
        kBitNum = 1,
        kSelNum = 2,
        kMemName = 3,
    };
    static constexpr std::array<std::string_view, 4> kKindNames = {"EMPTY", "BITNUM", "SELNUM", "MEMNAME"};

    CSettingField() = default;
    CSettingField(const CSettingField&) = delete;
    CSettingField& operator=(const CSettingField&) = delete;

    void SetKind(int kind);
    void SetKind(std::string_view name);
    int GetKind() const { return m_kind; }
    std::string_view GetKindName() const { return kKindNames[static_cast<size_t>(m_kind)]; }

    void SetName(std::string name) { m_name = std::move(name); }
    const std::string& GetName() const { return m_name; }
    void SetPlace(int address, int startBit, int bitCount);
    int GetAddress() const { return m_address; }
    int GetStartBit() const { return m_startBit; }
    int GetBitCount() const { return m_bitCount; }

    // The value objects of the kind; null for other kinds.
    CCodeList* CodeList() { return m_codeList.get(); }
    CCodeSelection* CodeSelection() { return m_codeList ? &m_codeSelection : nullptr; }
    CIndexList* IndexList() { return m_indexList.get(); }
    CIndexSelection* IndexSelection() { return m_indexList ? &m_indexSelection : nullptr; }
    // For "MEMNAME": also sets the bit count to 8 per character.
    CNameText* Text() { return m_text.get(); }
    void SetTextLength(int length);

    std::string Execute(CCommandCursor& cursor);
    void Load(const CMemoryImage& image);
    void Store(CMemoryImage& image) const;

private:
    int m_kind = kEmpty;
    std::string m_name;
    int m_address = 0;
    int m_startBit = 7;
    int m_bitCount = 1;
    std::unique_ptr<CCodeList> m_codeList;
    CCodeSelection m_codeSelection;
    std::unique_ptr<CIndexList> m_indexList;
    CIndexSelection m_indexSelection;
    std::unique_ptr<CNameText> m_text;
};
