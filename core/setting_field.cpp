#include "core/setting_field.h"

#include "core/memory_image.h"

void CSettingField::SetKind(int kind)
{
    if (kind < kBitNum || kind > kMemName) {
        kind = kEmpty;
    }
    m_kind = kind;
    m_codeList.reset();
    m_indexList.reset();
    m_text.reset();
    m_codeSelection.Bind(nullptr);
    m_indexSelection.Bind(nullptr);
    switch (kind) {
    case kBitNum:
        m_codeList = std::make_unique<CCodeList>(1);
        m_codeSelection = CCodeSelection(m_codeList.get());
        m_startBit = 7;
        m_bitCount = 8;
        break;
    case kSelNum:
        m_indexList = std::make_unique<CIndexList>();
        m_indexSelection = CIndexSelection(m_indexList.get());
        m_startBit = 7;
        m_bitCount = 8;
        break;
    case kMemName:
        m_text = std::make_unique<CNameText>();
        break;
    default:
        break;
    }
}

void CSettingField::SetKind(std::string_view name)
{
    for (size_t i = 0; i < kKindNames.size(); ++i) {
        if (EqualsNoCase(kKindNames[i], name)) {
            SetKind(static_cast<int>(i));
            return;
        }
    }
}

void CSettingField::SetPlace(int address, int startBit, int bitCount)
{
    m_address = address;
    m_startBit = startBit;
    m_bitCount = bitCount;
}

void CSettingField::SetTextLength(int length)
{
    if (m_text) {
        m_text->SetLengths(length, length);
        m_bitCount = 8 * m_text->MaxLength();
    }
}

std::string CSettingField::Execute(CCommandCursor& cursor)
{
    switch (m_kind) {
    case kBitNum:
        return m_codeSelection.Execute(cursor);
    case kSelNum:
        return m_indexSelection.Execute(cursor);
    case kMemName:
        return m_text->Execute(cursor);
    default:
        return {};
    }
}

void CSettingField::Load(const CMemoryImage& image)
{
    const auto address = static_cast<uint32_t>(m_address);
    switch (m_kind) {
    case kBitNum:
        m_codeSelection.SelectByCode(image.GetBits(address, m_startBit, m_bitCount));
        break;
    case kSelNum:
        m_indexSelection.Select(image.GetBits(address, m_startBit, m_bitCount));
        break;
    case kMemName: {
        std::string bytes(static_cast<size_t>(m_bitCount / 8), ' ');
        image.Read(address, reinterpret_cast<uint8_t*>(bytes.data()), static_cast<uint32_t>(bytes.size()));
        m_text->SetText(bytes);
        break;
    }
    default:
        break;
    }
}

void CSettingField::Store(CMemoryImage& image) const
{
    const auto address = static_cast<uint32_t>(m_address);
    switch (m_kind) {
    case kBitNum:
        image.SetBits(address, m_startBit, m_bitCount, m_codeSelection.GetCode());
        break;
    case kSelNum:
        image.SetBits(address, m_startBit, m_bitCount, static_cast<uint32_t>(m_indexSelection.GetPosition()));
        break;
    case kMemName: {
        const std::string& text = m_text->GetText();
        std::string bytes = text;
        bytes.resize(static_cast<size_t>(m_bitCount / 8), ' ');
        image.Write(address, reinterpret_cast<const uint8_t*>(bytes.data()),
                    static_cast<uint32_t>(bytes.size()));
        break;
    }
    default:
        break;
    }
}
