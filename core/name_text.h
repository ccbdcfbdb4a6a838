#pragma once

#include "core/command_text.h"

#include <string>
#include <string_view>

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
