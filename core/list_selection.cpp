#include "core/list_selection.h"

#include "core/field_protocol.h"

#include <algorithm>
#include <limits>

namespace {

const std::string kEmptyText;

// Both selections answer alike: a position with "ByNumber", the entry's text otherwise.
template <typename Selection> std::string ExecuteSelection(Selection& selection, CCommandCursor& cursor)
{
    return ExecuteField(
        cursor, [&selection](const std::string& text) { selection.SelectByText(text); },
        [&selection](long long number) {
            selection.Select(static_cast<int>(std::clamp<long long>(number, std::numeric_limits<int>::min(),
                                                                    std::numeric_limits<int>::max())));
        },
        [&selection](bool byNumber) {
            return byNumber ? std::to_string(selection.GetPosition()) : selection.GetText();
        });
}

} // namespace

void CCodeList::Resize(int count)
{
    count = std::max(count, 0);
    m_texts.assign(static_cast<size_t>(count), "xxxx");
    m_codes.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        m_codes[static_cast<size_t>(i)] = static_cast<uint16_t>(i);
    }
    m_default = 0;
}

void CCodeList::SetEntry(int position, std::string text, uint16_t code)
{
    if (position >= 0 && position < Count()) {
        m_texts[static_cast<size_t>(position)] = std::move(text);
        m_codes[static_cast<size_t>(position)] = code;
    }
}

int CCodeList::ValidPosition(int position) const
{
    if (position >= 0 && position < Count()) {
        return position;
    }
    if (m_default >= 0 && m_default < Count()) {
        return m_default;
    }
    return 0;
}

const std::string& CCodeList::Text(int position) const
{
    const int p = ValidPosition(position);
    return p < Count() ? m_texts[static_cast<size_t>(p)] : kEmptyText;
}

uint16_t CCodeList::Code(int position) const
{
    const int p = ValidPosition(position);
    return p < Count() ? m_codes[static_cast<size_t>(p)] : 0;
}

void CCodeSelection::SelectByText(std::string_view text)
{
    if (m_list == nullptr) {
        return;
    }
    for (int i = 0; i < m_list->Count(); ++i) {
        if (EqualsNoCase(m_list->Text(i), text)) {
            m_position = i;
            return;
        }
    }
}

void CCodeSelection::SelectByCode(uint16_t code)
{
    if (m_list == nullptr) {
        return;
    }
    for (int i = 0; i < m_list->Count(); ++i) {
        if (m_list->Code(i) == code) {
            m_position = i;
            return;
        }
    }
    m_position = m_list->ValidPosition(m_list->Count());
}

uint16_t CCodeSelection::GetCode() const
{
    return m_list != nullptr ? m_list->Code(m_position) : 0;
}

std::string CCodeSelection::Execute(CCommandCursor& cursor)
{
    return ExecuteSelection(*this, cursor);
}

void CIndexList::Resize(int a, int b)
{
    m_lo = std::min(a, b);
    m_hi = std::max(a, b);
    m_texts.assign(static_cast<size_t>(static_cast<long long>(m_hi) - m_lo + 1), std::string());
    m_default = m_lo;
    m_disabled.clear();
}

void CIndexList::SetText(int position, std::string text)
{
    if (position >= m_lo && position <= m_hi) {
        m_texts[static_cast<size_t>(position - m_lo)] = std::move(text);
    }
}

bool CIndexList::IsEnabled(int position) const
{
    return position >= m_lo && position <= m_hi &&
           std::find(m_disabled.begin(), m_disabled.end(), position) == m_disabled.end();
}

int CIndexList::ValidPosition(int position) const
{
    if (IsEnabled(position)) {
        return position;
    }
    if (IsEnabled(m_default)) {
        return m_default;
    }
    for (int i = m_lo; i <= m_hi; ++i) {
        if (IsEnabled(i)) {
            return i;
        }
    }
    return m_lo;
}

const std::string& CIndexList::Text(int position) const
{
    const int p = ValidPosition(position);
    return m_texts[static_cast<size_t>(p - m_lo)];
}

void CIndexSelection::SelectByText(std::string_view text)
{
    if (m_list == nullptr) {
        return;
    }
    for (int i = m_list->Lo(); i <= m_list->Hi(); ++i) {
        if (m_list->IsEnabled(i) && EqualsNoCase(m_list->Text(i), text)) {
            m_position = i;
        }
    }
}

std::string CIndexSelection::Execute(CCommandCursor& cursor)
{
    return ExecuteSelection(*this, cursor);
}
