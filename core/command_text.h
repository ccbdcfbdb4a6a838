#pragma once

#include <array>
#include <string>
#include <string_view>

// The text command language: every read and change of the radio data is one command text
// ("CH.MCH.5.FREQUENCY=145.0000") answered by one text. Keywords compare case-insensitively over
// the ASCII letters only.

namespace answer {
inline constexpr std::string_view kNone;
inline constexpr std::string_view kOk = "OK";
inline constexpr std::string_view kNg = "NG";
inline constexpr std::string_view kWarning = "WARNING";
inline constexpr std::string_view kOn = "ON";
inline constexpr std::string_view kOff = "OFF";
inline constexpr std::string_view kError = "ERROR";
inline constexpr std::string_view kFormatError = "FORMAT_ERROR";
inline constexpr std::string_view kDataOverflow = "DATA_OVERFLOW";
inline constexpr std::string_view kCannotOpenFile = "CANNOT_OPEN_FILE";
inline constexpr std::string_view kMismatchModel = "MISMATCH_MODEL";
inline constexpr std::string_view kMismatchRevision = "MISMATCH_REVISION";
inline constexpr std::string_view kNotEnoughData = "NOT_ENOUGH_DATA";
} // namespace answer

// Selectors: the element before "=" (or the last element of a query) of a field command.
enum class ESelector
{
    ByString = 0,
    ByNumber = 1,
    ByMenuItemName = 2,
};
// Their words, in the order of ESelector.
inline constexpr std::array<std::string_view, 3> kSelectorNames = {"ByString", "ByNumber", "ByMenuItemName"};

char FoldAscii(char c);
char UpperAscii(char c);
bool EqualsNoCase(std::string_view a, std::string_view b);
std::string ToUpperAscii(std::string_view text);
std::string TrimBlanks(std::string_view text);     // blank and tab at both ends
std::string TrimWhiteSpace(std::string_view text); // blank, \t \n \r \v \f at both ends
std::string TrimRightWhiteSpace(std::string_view text);

// Decimal integer read the way "%d" reads one: leading white space, an optional sign, digits.
// Returns false when no digit follows; the value saturates instead of overflowing.
bool ParseDecimal(std::string_view text, long long& value, size_t* consumed = nullptr);

// Token and Rest on plain text, shared by the cursor and by callers that only hold a string.
std::string TextToken(std::string_view text, std::string_view separator, int n);
std::string TextRest(std::string_view text, std::string_view separator, int n);

// The part of a command still to be interpreted, passed down the handlers.
class CCommandCursor
{
public:
    CCommandCursor() = default;
    explicit CCommandCursor(std::string text) : m_text(std::move(text)) {}
    virtual ~CCommandCursor() = default;
    CCommandCursor(const CCommandCursor&) = default;
    CCommandCursor& operator=(const CCommandCursor&) = default;

    // The n-th piece (from 0) of the text cut at the separator; empty when there are fewer than
    // n separators.
    std::string Token(char separator, int n) const;
    // The text after the n-th separator; the whole text for n = 0, empty when there are fewer.
    std::string Rest(char separator, int n) const;
    std::string Token(std::string_view separator, int n) const { return TextToken(m_text, separator, n); }
    std::string Rest(std::string_view separator, int n) const { return TextRest(m_text, separator, n); }

    void SetText(std::string text) { m_text = std::move(text); }
    const std::string& GetText() const { return m_text; }

private:
    std::string m_text;
};

// Strips a leading selector ("ByNumber=5" becomes "=5") and returns it; ByString otherwise.
ESelector ParseSelector(CCommandCursor& cursor);
ESelector SelectorOf(std::string_view element);

// Anything that answers commands: the radio data object, and test doubles that record them.
class ICommandTarget
{
public:
    virtual ~ICommandTarget() = default;
    virtual std::string Execute(std::string_view command) = 0;
};
