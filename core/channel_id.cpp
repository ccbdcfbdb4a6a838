#include "core/channel_id.h"

#include "core/command_text.h"

namespace {
constexpr std::array<int, CChannelId::kKindCount> kCounts = {0, 8, 100, 20, 4};
constexpr std::array<int, CChannelId::kKindCount> kBases = {0, 0, 8, 108, 128};
} // namespace

int CChannelId::CountOf(int32_t kind)
{
    return (kind >= 0 && kind < kKindCount) ? kCounts[static_cast<size_t>(kind)] : 0;
}

int CChannelId::BaseOf(int32_t kind)
{
    return (kind >= 0 && kind < kKindCount) ? kBases[static_cast<size_t>(kind)] : 0;
}

void CChannelId::Set(int32_t kind, int32_t number)
{
    m_kind = kind;
    m_number = number;
    Normalize();
}

void CChannelId::Normalize()
{
    if (m_kind < 0 || m_kind >= kKindCount) {
        m_kind = kVfo;
    }
    if (m_number < 0 || m_number >= CountOf(m_kind)) {
        if (m_kind == kVfo) {
            m_number = 3;
        } else if (m_kind == kCall) {
            m_number = 1;
        } else {
            m_number = 0;
        }
    }
}

void CChannelId::Next()
{
    ++m_number;
    if (m_number >= CountOf(m_kind)) {
        m_number = 0;
        m_kind = (m_kind + 1) % kKindCount;
    }
}

int CChannelId::FlatIndex() const
{
    return BaseOf(m_kind) + m_number;
}

CChannelId CChannelId::FromFlatIndex(int index)
{
    CChannelId id(kVfo, 0);
    for (int32_t kind = kVfo; kind < kKindCount; ++kind) {
        if (index >= BaseOf(kind) && index < BaseOf(kind) + CountOf(kind)) {
            id.m_kind = kind;
            id.m_number = index - BaseOf(kind);
            break;
        }
    }
    return id;
}

std::string CChannelId::NumberText() const
{
    switch (m_kind) {
    case kVfo:
        return std::string(kVfoNames[static_cast<size_t>(m_number)]);
    case kCall:
        return std::string(kCallNames[static_cast<size_t>(m_number)]);
    case kPch:
        return std::to_string(m_number / 2) + ((m_number % 2) != 0 ? "B" : "A");
    default:
        return std::to_string(m_number);
    }
}

namespace {

template <size_t N> int PositionOf(const std::array<std::string_view, N>& names, std::string_view element)
{
    for (size_t i = 0; i < N; ++i) {
        if (EqualsNoCase(names[i], element)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

void CChannelId::Parse(CCommandCursor& cursor)
{
    if (!EqualsNoCase(cursor.Token('.', 0), kPathHead)) {
        return;
    }
    const int kind = PositionOf(kKindNames, cursor.Token('.', 1));
    if (kind <= kNone) {
        return;
    }
    const std::string element = cursor.Token('.', 2);
    int number = -1;
    long long value = 0;
    switch (kind) {
    case kMch:
        if (ParseDecimal(element, value) && value >= 0 && value <= 99) {
            number = static_cast<int>(value);
        }
        break;
    case kPch: {
        // A decimal number and one letter; anything but B counts as A.
        size_t end = 0;
        if (ParseDecimal(element, value, &end) && value >= 0 && value < 10) {
            const bool isB = end < element.size() && UpperAscii(element[end]) == 'B';
            number = static_cast<int>(value) * 2 + (isB ? 1 : 0);
        }
        break;
    }
    case kVfo:
        number = PositionOf(kVfoNames, element);
        break;
    case kCall:
        number = PositionOf(kCallNames, element);
        break;
    default:
        break;
    }
    if (number >= 0) {
        Set(kind, number);
    }
    cursor.SetText(cursor.Rest('.', 3));
}

std::string CChannelId::Path() const
{
    std::string path(kPathHead);
    path += '.';
    path += kKindNames[static_cast<size_t>(m_kind)];
    path += '.';
    path += NumberText();
    path += '.';
    return path;
}
