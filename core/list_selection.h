#pragma once

#include "core/command_text.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Entries of text and 16-bit image code, shared by every selection bound to the list.
class CCodeList
{
public:
    CCodeList() = default;
    explicit CCodeList(int count) { Resize(count); }

    // n entries with text "xxxx" and code equal to the position; default position 0.
    void Resize(int count);
    void SetEntry(int position, std::string text, uint16_t code);
    void SetDefault(int position) { m_default = position; }

    int Count() const { return static_cast<int>(m_texts.size()); }
    int DefaultPosition() const { return m_default; }
    int ValidPosition(int position) const;
    const std::string& Text(int position) const;
    uint16_t Code(int position) const;

private:
    std::vector<std::string> m_texts;
    std::vector<uint16_t> m_codes;
    int m_default = 0;
};

// Texts for the positions lo..hi, some of which may be disabled; the position itself is stored.
class CIndexList
{
public:
    void Resize(int a, int b);
    void SetText(int position, std::string text);
    void SetDefault(int position) { m_default = position; }
    void Disable(int position) { m_disabled.push_back(position); }

    int Lo() const { return m_lo; }
    int Hi() const { return m_hi; }
    int Count() const { return m_hi - m_lo + 1; }
    bool IsEnabled(int position) const;
    int ValidPosition(int position) const;
    const std::string& Text(int position) const;

private:
    int m_lo = 0;
    int m_hi = 0;
    std::vector<std::string> m_texts = std::vector<std::string>(1);
    int m_default = 0;
    std::vector<int> m_disabled;
};

// A position in a list it does not own; unbound, it holds position 0 and answers an empty text.
template <typename List> class TListSelection
{
public:
    TListSelection() = default;
    explicit TListSelection(const List* list) : m_list(list) {}

    void Bind(const List* list) { m_list = list; }

    // A position the list does not offer selects the one it falls back to.
    void Select(int position) { m_position = m_list != nullptr ? m_list->ValidPosition(position) : 0; }
    int GetPosition() const { return m_position; }
    std::string GetText() const { return m_list != nullptr ? m_list->Text(m_position) : std::string(); }

protected:
    const List* m_list = nullptr;
    int m_position = 0;
};

class CCodeSelection : public TListSelection<CCodeList>
{
public:
    using TListSelection::TListSelection;

    void SelectByText(std::string_view text);
    // A code that no entry has selects the default entry.
    void SelectByCode(uint16_t code);
    uint16_t GetCode() const;

    std::string Execute(CCommandCursor& cursor);
};

class CIndexSelection : public TListSelection<CIndexList>
{
public:
    using TListSelection::TListSelection;

    // Every enabled position whose text matches is selected in turn, so the last match wins.
    void SelectByText(std::string_view text);

    std::string Execute(CCommandCursor& cursor);
};
