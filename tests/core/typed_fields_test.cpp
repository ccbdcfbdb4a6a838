#include "core/memory_image.h"
#include "core/typed_fields.h"

#include <gtest/gtest.h>

namespace {

std::string Exec(auto& field, std::string text)
{
    CCommandCursor cursor(std::move(text));
    return field.Execute(cursor);
}

CCodeList PowerList()
{
    CCodeList list(2);
    list.SetEntry(0, "LOW", 0);
    list.SetEntry(1, "HIGH", 1);
    list.SetDefault(1);
    return list;
}

TEST(CodeSelection, SelectsByTextPositionAndCode)
{
    const CCodeList list = PowerList();
    CCodeSelection selection(&list);
    EXPECT_EQ(Exec(selection, "=high"), "HIGH");
    EXPECT_EQ(Exec(selection, "=LOW"), "LOW");
    EXPECT_EQ(Exec(selection, "=MEDIUM"), "LOW") << "an unknown text changes nothing";
    EXPECT_EQ(Exec(selection, "ByNumber=5"), "1") << "an invalid position falls back to the default";
    EXPECT_EQ(Exec(selection, "ByNumber=0"), "0");
    EXPECT_EQ(Exec(selection, "ByNumber=abc"), "0");
    selection.SelectByCode(3);
    EXPECT_EQ(selection.GetText(), "HIGH") << "an unknown code loads as the default entry";
    selection.SelectByCode(0);
    EXPECT_EQ(selection.GetCode(), 0);
    EXPECT_EQ(Exec(selection, ""), "LOW");
    EXPECT_EQ(Exec(selection, "="), "LOW") << "an empty value is a query";
}

TEST(CodeSelection, FreshListEntriesAreNumberedPlaceholders)
{
    CCodeList list(3);
    EXPECT_EQ(list.Text(2), "xxxx");
    EXPECT_EQ(list.Code(2), 2);
    EXPECT_EQ(list.Text(-1), "xxxx");
    CCodeSelection unbound;
    EXPECT_EQ(unbound.GetText(), "");
    EXPECT_EQ(Exec(unbound, "=X"), "");
}

TEST(IndexSelection, DisabledPositionsFallBack)
{
    CIndexList list;
    list.Resize(3, 0);
    EXPECT_EQ(list.Lo(), 0);
    EXPECT_EQ(list.Hi(), 3);
    for (int i = 0; i <= 3; ++i) {
        list.SetText(i, "T" + std::to_string(i));
    }
    list.Disable(2);
    CIndexSelection selection(&list);
    selection.Select(2);
    EXPECT_EQ(selection.GetPosition(), 0);
    list.Disable(0);
    selection.Select(2);
    EXPECT_EQ(selection.GetPosition(), 1) << "with the default disabled, the first enabled position wins";
    EXPECT_EQ(Exec(selection, "=t3"), "T3");
    EXPECT_EQ(Exec(selection, "=T2"), "T3") << "a disabled position cannot be chosen by text";
    EXPECT_EQ(Exec(selection, "ByNumber"), "3");
}

TEST(IndexSelection, LastMatchingTextWins)
{
    CIndexList list;
    list.Resize(0, 2);
    list.SetText(0, "SAME");
    list.SetText(1, "OTHER");
    list.SetText(2, "same");
    CIndexSelection selection(&list);
    selection.SelectByText("Same");
    EXPECT_EQ(selection.GetPosition(), 2);
}

TEST(NameText, RestrictedNamesAreUpperCasedFilteredAndPadded)
{
    CNameText name(6, 6, CNameText::kRestricted);
    EXPECT_EQ(Exec(name, "=ab-c?"), "AB-C  ");
    EXPECT_EQ(Exec(name, "=ABCDEFGH"), "ABCDEF");
    EXPECT_EQ(Exec(name, "=ab,c"), "AB C  ");
    EXPECT_EQ(Exec(name, "ByNumber=(1):+"), "(1):+ ");
    name.SetText(std::string_view("\xFF\xFF\xFF\xFF\xFF\xFF", 6));
    EXPECT_TRUE(name.IsBlank());
    name.SetText(std::string_view("AB\0CD\0", 6));
    EXPECT_EQ(name.GetText(), "AB    ") << "the text ends at a NUL byte";
    EXPECT_EQ(Exec(name, "="), "AB    ");
}

TEST(NameText, PrintableModeKeepsCaseAndLengthsAreBounded)
{
    CNameText comment(16, 16, CNameText::kPrintable);
    EXPECT_EQ(Exec(comment, "=Club net 2"), "Club net 2      ");
    comment.SetText("a\tb\x80~");
    EXPECT_EQ(comment.GetText(), "a b ~           ");
    CNameText odd;
    odd.SetLengths(0, 300);
    EXPECT_EQ(odd.MinLength(), 1);
    EXPECT_EQ(odd.MaxLength(), 256);
    EXPECT_EQ(odd.GetText().size(), 256U);
}

TEST(FrequencyValue, TextIsReadInMegahertz)
{
    CFrequencyValue f;
    EXPECT_EQ(Exec(f, "=  145.5"), "145.5000");
    EXPECT_EQ(f.Get(), 145'500'000);
    Exec(f, "=3000");
    EXPECT_EQ(f.Get(), 2'000'000'000);
    Exec(f, "=-5");
    EXPECT_EQ(f.Get(), 0);
    EXPECT_EQ(Exec(f, "ByNumber=145012500"), "145012500");
    EXPECT_EQ(Exec(f, ""), "145.0125");
    f.Set(145'006'250);
    EXPECT_EQ(f.GetText(), "145.0062");
    Exec(f, "=433.125");
    EXPECT_EQ(f.Get(), 433'125'000) << "the half-hertz rounding keeps binary fractions exact";
    Exec(f, "=\t145.0125");
    EXPECT_EQ(f.Get(), 145'012'500);
}

TEST(FrequencyValue, TextThatIsNotANumberKeepsTheValue)
{
    CFrequencyValue f;
    f.Set(145'000'000);
    for (const char* text : {"=abc", "=inf", "=nan", "=-", "= ", "=.x"}) {
        Exec(f, text);
        EXPECT_EQ(f.Get(), 145'000'000) << text;
    }
    Exec(f, "=0x10");
    EXPECT_EQ(f.Get(), 0) << "only the leading decimal number counts";
    Exec(f, "=1e400");
    EXPECT_EQ(f.Get(), 2'000'000'000);
    Exec(f, "=1e-400");
    EXPECT_EQ(f.Get(), 0);
    f.Set(-1);
    EXPECT_EQ(f.Get(), 0);
    EXPECT_EQ(Exec(f, "ByNumber=99999999999"), "2147483647");
}

TEST(DtmfDigits, DigitsAreFilteredAndCounted)
{
    CDtmfDigits digits;
    EXPECT_EQ(Exec(digits, "=12*#ab"), "12EFAB");
    EXPECT_EQ(digits.Digit(2), 14);
    EXPECT_EQ(digits.Digit(3), 15);
    EXPECT_EQ(Exec(digits, "=1-2 3"), "123");
    EXPECT_EQ(Exec(digits, "=01234567890123456789"), "0123456789012345");
    EXPECT_EQ(Exec(digits, "ByNumber"), "16");
    EXPECT_EQ(Exec(digits, "ByNumber=3"), "3");
    EXPECT_EQ(Exec(digits, ""), "012");
    EXPECT_EQ(Exec(digits, "ByNumber=40"), "16");
    EXPECT_EQ(Exec(digits, "ByNumber=-2"), "0");
    EXPECT_EQ(Exec(digits, "= "), "") << "a value without digits empties the memory";
}

TEST(SettingField, KindsAnswerAndTransferThroughTheImage)
{
    CMemoryImage image(2816);
    CSettingField beep;
    beep.SetName("BEEP");
    beep.SetKind("BITNUM");
    beep.CodeList()->Resize(2);
    beep.CodeList()->SetEntry(0, "OFF", 255);
    beep.CodeList()->SetEntry(1, "ON", 0);
    beep.SetPlace(0x883, 7, 8);
    beep.Load(image);
    EXPECT_EQ(Exec(beep, "="), "ON");
    EXPECT_EQ(Exec(beep, "=off"), "OFF");
    beep.Store(image);
    EXPECT_EQ(image.GetByte(0x883), 0xFF);
    EXPECT_EQ(Exec(beep, "ByNumber"), "0");

    CSettingField level;
    level.SetKind(CSettingField::kSelNum);
    level.IndexList()->Resize(0, 3);
    level.IndexList()->SetText(2, "TWO");
    level.SetPlace(0x10, 3, 2);
    image.SetByte(0x10, 0x08); // bits 3..2 = 10
    level.Load(image);
    EXPECT_EQ(Exec(level, ""), "TWO");
    Exec(level, "ByNumber=1");
    level.Store(image);
    EXPECT_EQ(image.GetByte(0x10), 0x04);

    CSettingField comment;
    comment.SetKind(CSettingField::kMemName);
    comment.Text()->SetMode(CNameText::kPrintable);
    comment.SetTextLength(16);
    EXPECT_EQ(comment.GetBitCount(), 128);
    comment.SetPlace(0xAE0, 7, comment.GetBitCount());
    Exec(comment, "=Hello");
    comment.Store(image);
    EXPECT_EQ(image.GetByte(0xAE0), 'H');
    EXPECT_EQ(image.GetByte(0xAEF), ' ');
    image.SetByte(0xAE1, 'a');
    comment.Load(image);
    EXPECT_EQ(Exec(comment, ""), "Hallo           ");
}

TEST(SettingField, EmptyAndUnknownKinds)
{
    CSettingField field;
    EXPECT_EQ(Exec(field, "=X"), "");
    EXPECT_EQ(field.GetKindName(), "EMPTY");
    field.SetKind("BITNUM");
    field.SetKind("NOSUCH");
    EXPECT_EQ(field.GetKind(), CSettingField::kBitNum) << "an unknown name leaves the kind";
    field.SetKind(9);
    EXPECT_EQ(field.GetKind(), CSettingField::kEmpty) << "an unknown number empties it";
    CMemoryImage image(2816);
    field.Store(image);
    field.Load(image);
    EXPECT_EQ(Exec(field, "ByNumber=1"), "");
}

} // namespace
