// Writes the string table as C++ source for Qt Linguist's lupdate: one QT_TRANSLATE_NOOP3 a text, in the
// context "StringTable", with the text's identifier as the disambiguation, so that equal English texts
// of different identifiers are translated on their own. `./zq translations` runs it and lupdate over its
// output to bring the translation files up to date with the table.

#include "core/string_table.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

// A C string literal of TEXT: UTF-8 bytes as they are, the rest escaped.
std::string Literal(std::string_view text)
{
    std::string literal = "\"";
    for (const char c : text) {
        switch (c) {
        case '\\':
            literal += "\\\\";
            break;
        case '"':
            literal += "\\\"";
            break;
        case '\n':
            literal += "\\n";
            break;
        case '\r':
            literal += "\\r";
            break;
        case '\t':
            literal += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\%03o", static_cast<unsigned char>(c));
                literal += escaped;
            } else {
                literal += c;
            }
        }
    }
    return literal + "\"";
}

} // namespace

int main()
{
    std::printf("// Written by zq_string_source from the string table; not compiled.\n"
                "static const char* const kTexts[][2] = {\n");
    for (const int id : StringIds()) {
        std::printf("    QT_TRANSLATE_NOOP3(\"StringTable\", %s, \"%d\"),\n",
                    Literal(EnglishText(id)).c_str(), id);
    }
    std::printf("};\n");
    return 0;
}
