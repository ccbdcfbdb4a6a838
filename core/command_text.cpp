#include "core/command_text.h"

#include <array>
#include <limits>

char FoldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

char UpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::string ToUpperAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        c = UpperAscii(c);
    }
    return out;
}

namespace {

bool IsBlankOrTab(char c)
{
    return c == ' ' || c == '\t';
}

bool IsWhite(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

template <typename Pred> std::string Trim(std::string_view text, Pred isSpace, bool left)
{
    size_t begin = 0;
    size_t end = text.size();
    while (left && begin < end && isSpace(text[begin])) {
        ++begin;
    }
    while (end > begin && isSpace(text[end - 1])) {
        --end;
    }
    return std::string(text.substr(begin, end - begin));
}

} // namespace

std::string TrimBlanks(std::string_view text)
{
    return Trim(text, IsBlankOrTab, true);
}

std::string TrimWhiteSpace(std::string_view text)
{
    return Trim(text, IsWhite, true);
}

std::string TrimRightWhiteSpace(std::string_view text)
{
    return Trim(text, IsWhite, false);
}

bool ParseDecimal(std::string_view text, long long& value, size_t* consumed)
{
    size_t i = 0;
    while (i < text.size() && IsWhite(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || text[i] < '0' || text[i] > '9') {
        return false;
    }
    constexpr long long kLimit = std::numeric_limits<long long>::max() / 10 - 10;
    long long v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (v < kLimit) {
            v = v * 10 + (text[i] - '0');
        }
    }
    value = negative ? -v : v;
    if (consumed != nullptr) {
        *consumed = i;
    }
    return true;
}

std::string TextToken(std::string_view text, std::string_view separator, int n)
{
    if (separator.empty() || n < 0) {
        return {};
    }
    size_t pos = 0;
    for (int i = 0; i < n; ++i) {
        const size_t hit = text.find(separator, pos);
        if (hit == std::string_view::npos) {
            return {};
        }
        pos = hit + separator.size();
    }
    const size_t end = text.find(separator, pos);
    return std::string(text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos));
}

std::string TextRest(std::string_view text, std::string_view separator, int n)
{
    if (n <= 0) {
        return std::string(text);
    }
    if (separator.empty()) {
        return {};
    }
    size_t pos = 0;
    for (int i = 0; i < n; ++i) {
        const size_t hit = text.find(separator, pos);
        if (hit == std::string_view::npos) {
            return {};
        }
        pos = hit + separator.size();
    }
    return std::string(text.substr(pos));
}

std::string CCommandCursor::Token(char separator, int n) const
{
    return TextToken(m_text, std::string_view(&separator, 1), n);
}

std::string CCommandCursor::Rest(char separator, int n) const
{
    return TextRest(m_text, std::string_view(&separator, 1), n);
}

ESelector SelectorOf(std::string_view element)
{
    for (size_t i = 0; i < kSelectorNames.size(); ++i) {
        if (EqualsNoCase(element, kSelectorNames[i])) {
            return static_cast<ESelector>(i);
        }
    }
    return ESelector::ByString;
}

ESelector ParseSelector(CCommandCursor& cursor)
{
    const std::string element = cursor.Token('=', 0);
    if (element.empty()) {
        return ESelector::ByString;
    }
    for (size_t i = 0; i < kSelectorNames.size(); ++i) {
        if (EqualsNoCase(element, kSelectorNames[i])) {
            cursor.SetText("=" + cursor.Rest('=', 1));
            return static_cast<ESelector>(i);
        }
    }
    return ESelector::ByString;
}
