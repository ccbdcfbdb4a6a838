#pragma once

#include "core/command_text.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CMemoryImage;

// Typed values: each answers the field protocol of the command language (query, set, selectors)
// and never rejects a value with an error; a value it cannot take is corrected or ignored and the
// answer shows what is held afterwards.

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

class CCodeSelection
{
public:
    CCodeSelection() = default;
    explicit CCodeSelection(const CCodeList* list) : m_list(list) {}

    void Bind(const CCodeList* list) { m_list = list; }
    const CCodeList* List() const { return m_list; }

    void Select(int position);
    void SelectByText(std::string_view text);
    // A code that no entry has selects the default entry.
    void SelectByCode(uint16_t code);
    int GetPosition() const { return m_position; }
    uint16_t GetCode() const;
    std::string GetText() const;

    std::string Execute(CCommandCursor& cursor);

private:
    const CCodeList* m_list = nullptr;
    int m_position = 0;
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

class CIndexSelection
{
public:
    CIndexSelection() = default;
    explicit CIndexSelection(const CIndexList* list) : m_list(list) {}

    void Bind(const CIndexList* list) { m_list = list; }
    void Select(int position);
    // Every enabled position whose text matches is selected in turn, so the last match wins.
    void SelectByText(std::string_view text);
    int GetPosition() const { return m_position; }
    std::string GetText() const;

    std::string Execute(CCommandCursor& cursor);

private:
    const CIndexList* m_list = nullptr;
    int m_position = 0;
};

// A fixed-width text over a restricted character set (channel names) or printable ASCII (comment).
class CNameText
{
public:
    static constexpr int kRestricted = 1;
    static constexpr int kPrintable = 0;
    static constexpr int kMaxLength = 256;

    CNameText() { SetLengths(1, 1); }
    CNameText(int minimum, int maximum, int mode) : m_mode(mode) { SetLengths(minimum, maximum); }

    // Also resets the text to as many blanks as the maximum length.
    void SetLengths(int a, int b);
    void SetMode(int mode) { m_mode = mode; }
    int GetMode() const { return m_mode; }
    int MinLength() const { return m_min; }
    int MaxLength() const { return m_max; }

    // Takes at most the maximum length of characters, up to the first NUL; characters outside the
    // set become blanks; pads with blanks to the minimum length.
    void SetText(std::string_view text);
    const std::string& GetText() const { return m_text; }
    bool IsBlank() const;

    std::string Execute(CCommandCursor& cursor);

private:
    int m_min = 1;
    int m_max = 1;
    int m_mode = kRestricted;
    std::string m_text;
};

// A frequency in hertz, never negative; text in MHz with four decimals ("145.0125").
class CFrequencyValue
{
public:
    static constexpr int32_t kMaxHz = 2'000'000'000;

    void Set(int64_t hertz);
    int32_t Get() const { return m_value; }
    // Reads a decimal number of MHz; a text that does not start with a number keeps the value.
    bool SetText(std::string_view text);
    std::string GetText() const;
    static std::string FormatMHz(int32_t hertz);

    std::string Execute(CCommandCursor& cursor);

private:
    int32_t m_value = 0;
};

// Up to 16 DTMF digits (0-15), shown as "0123456789ABCDEF"; "*" reads as E and "#" as F.
class CDtmfDigits
{
public:
    static constexpr int kMaxDigits = 16;

    void SetText(std::string_view text);
    std::string GetText() const;
    void SetCount(long long count);
    int GetCount() const { return m_count; }
    uint8_t Digit(int i) const { return m_digits[static_cast<size_t>(i)]; }
    void SetDigit(int i, uint8_t value) { m_digits[static_cast<size_t>(i)] = value & 0x0F; }

    std::string Execute(CCommandCursor& cursor);

private:
    std::array<uint8_t, kMaxDigits> m_digits{};
    int m_count = 0;
};

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
