#include "core/typed_fields.h"

#include "core/memory_image.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>

namespace {

const std::string kEmptyText;
constexpr std::string_view kDtmfDigitChars = "0123456789ABCDEF";

int ClampToInt(long long value)
{
    return static_cast<int>(
        std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// The value part of a field command: everything after the first "=".
std::string ValueOf(const CCommandCursor& cursor)
{
    return cursor.Rest('=', 1);
}

// Both selections answer alike: a position with "ByNumber", the entry's text otherwise.
template <typename Selection> std::string ExecuteSelection(Selection& selection, CCommandCursor& cursor)
{
    const ESelector selector = ParseSelector(cursor);
    const std::string value = ValueOf(cursor);
    if (!value.empty()) {
        long long number = 0;
        if (selector != ESelector::ByNumber) {
            selection.SelectByText(value);
        } else if (ParseDecimal(value, number)) {
            selection.Select(ClampToInt(number));
        }
    }
    return selector == ESelector::ByNumber ? std::to_string(selection.GetPosition()) : selection.GetText();
}

} // namespace

// ---- CCodeList / CCodeSelection ----

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

void CCodeSelection::Select(int position)
{
    m_position = m_list != nullptr ? m_list->ValidPosition(position) : 0;
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

std::string CCodeSelection::GetText() const
{
    return m_list != nullptr ? m_list->Text(m_position) : std::string();
}

std::string CCodeSelection::Execute(CCommandCursor& cursor)
{
    return ExecuteSelection(*this, cursor);
}

// ---- CIndexList / CIndexSelection ----

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

void CIndexSelection::Select(int position)
{
    m_position = m_list != nullptr ? m_list->ValidPosition(position) : 0;
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

std::string CIndexSelection::GetText() const
{
    return m_list != nullptr ? m_list->Text(m_position) : std::string();
}

std::string CIndexSelection::Execute(CCommandCursor& cursor)
{
    return ExecuteSelection(*this, cursor);
}

// ---- CNameText ----

void CNameText::SetLengths(int a, int b)
{
    m_min = std::min(a, b);
    m_max = std::max(a, b);
    if (m_min <= 0) {
        m_min = 1;
    }
    m_max = std::clamp(m_max, m_min, kMaxLength);
    m_min = std::min(m_min, m_max);
    m_text.assign(static_cast<size_t>(m_max), ' ');
}

namespace {

bool IsNameChar(char c)
{
    switch (c) {
    case ' ':
    case '(':
    case ')':
    case '*':
    case '+':
    case '-':
    case '.':
    case '/':
    case ':':
    case '=':
        return true;
    default:
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
    }
}

} // namespace

void CNameText::SetText(std::string_view text)
{
    const size_t end = std::min(text.find('\0'), text.size());
    m_text.assign(text.substr(0, std::min(end, static_cast<size_t>(m_max))));
    for (char& c : m_text) {
        if (m_mode == kRestricted) {
            c = UpperAscii(c);
            if (!IsNameChar(c)) {
                c = ' ';
            }
        } else if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7F) {
            c = ' ';
        }
    }
    if (m_text.size() < static_cast<size_t>(m_min)) {
        m_text.append(static_cast<size_t>(m_min) - m_text.size(), ' ');
    }
}

bool CNameText::IsBlank() const
{
    return std::all_of(m_text.begin(), m_text.end(), [](char c) { return c == ' '; });
}

std::string CNameText::Execute(CCommandCursor& cursor)
{
    ParseSelector(cursor);
    const std::string value = ValueOf(cursor);
    if (!value.empty()) {
        SetText(value);
    }
    return m_text;
}

// ---- CFrequencyValue ----

void CFrequencyValue::Set(int64_t hertz)
{
    m_value = static_cast<int32_t>(std::clamp<int64_t>(hertz, 0, std::numeric_limits<int32_t>::max()));
}

bool CFrequencyValue::SetText(std::string_view text)
{
    text = text.substr(0, 15);
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    text.remove_prefix(i);
    // Only a plain decimal number counts: no "inf", "nan" or hexadecimal forms, and the locale's
    // decimal separator plays no part.
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !((text.front() >= '0' && text.front() <= '9') || text.front() == '.')) {
        return false;
    }
    double x = 0.0;
    const auto [ptr, ec] =
        std::from_chars(text.data(), text.data() + text.size(), x, std::chars_format::general);
    if (ptr == text.data() || (ec != std::errc() && ec != std::errc::result_out_of_range)) {
        return false;
    }
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: only the exponent's sign tells which.
        const std::string_view number(text.data(), static_cast<size_t>(ptr - text.data()));
        const bool tiny =
            number.find("e-") != std::string_view::npos || number.find("E-") != std::string_view::npos;
        x = tiny ? 0.0 : 1e9;
    }
    if (negative) {
        x = -x;
    }
    x += 0.0000005;
    x = std::min(x, 2000.0);
    if (x < 0.0) {
        Set(0);
        return true;
    }
    const auto whole = static_cast<int64_t>(x);
    const auto micro = static_cast<int64_t>(x * 1'000'000.0);
    Set(whole * 1'000'000 + micro % 1'000'000);
    return true;
}

std::string CFrequencyValue::FormatMHz(int32_t hertz)
{
    char text[32];
    std::snprintf(text, sizeof text, "%ld.%04ld", static_cast<long>(hertz / 1'000'000),
                  static_cast<long>((hertz % 1'000'000) / 100));
    return text;
}

std::string CFrequencyValue::GetText() const
{
    return FormatMHz(m_value);
}

std::string CFrequencyValue::Execute(CCommandCursor& cursor)
{
    const ESelector selector = ParseSelector(cursor);
    const std::string value = ValueOf(cursor);
    if (!value.empty()) {
        long long number = 0;
        if (selector != ESelector::ByNumber) {
            SetText(value);
        } else if (ParseDecimal(value, number)) {
            Set(number);
        }
    }
    return selector == ESelector::ByNumber ? std::to_string(m_value) : GetText();
}

// ---- CDtmfDigits ----

void CDtmfDigits::SetText(std::string_view text)
{
    int count = 0;
    for (char c : text) {
        if (count >= kMaxDigits) {
            break;
        }
        c = UpperAscii(c);
        if (c == '*') {
            c = 'E';
        } else if (c == '#') {
            c = 'F';
        }
        const size_t digit = kDtmfDigitChars.find(c);
        if (c != '\0' && digit != std::string_view::npos) {
            m_digits[static_cast<size_t>(count++)] = static_cast<uint8_t>(digit);
        }
    }
    m_count = count;
}

std::string CDtmfDigits::GetText() const
{
    std::string text;
    for (int i = 0; i < m_count; ++i) {
        text += kDtmfDigitChars[m_digits[static_cast<size_t>(i)] & 0x0F];
    }
    return text;
}

void CDtmfDigits::SetCount(long long count)
{
    m_count = static_cast<int>(std::clamp<long long>(count, 0, kMaxDigits));
}

std::string CDtmfDigits::Execute(CCommandCursor& cursor)
{
    const ESelector selector = ParseSelector(cursor);
    const std::string value = ValueOf(cursor);
    if (!value.empty()) {
        long long number = 0;
        if (selector != ESelector::ByNumber) {
            SetText(value);
        } else if (ParseDecimal(value, number)) {
            SetCount(number);
        }
    }
    return selector == ESelector::ByNumber ? std::to_string(m_count) : GetText();
}

// ---- CSettingField ----

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
