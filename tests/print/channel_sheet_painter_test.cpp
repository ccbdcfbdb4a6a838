#include "../core/test_files.h"
#include "print/channel_sheet_painter.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <gtest/gtest.h>

namespace {

using channel_sheet::SSheet;
using channel_sheet::STable;

// A sheet of `rows` channel-like rows in one table, without radio data: the layout is under test here.
SSheet SheetOfRows(size_t rows)
{
    SSheet sheet;
    sheet.heading = {"test.vlk", "", "profile", "Printed 2024-05-01"};
    STable table;
    table.title = "Memory channels";
    for (const char* header : {"CH", "Frequency", "Duplex", "Offset freq.", "Name"}) {
        table.columns.push_back({header, channel_sheet::EAlign::Left});
    }
    for (size_t r = 0; r < rows; ++r) {
        table.rows.push_back({std::to_string(r), "145.5000", "", "0.6000", "NAME"});
    }
    sheet.tables.push_back(table);
    return sheet;
}

int PagesIn(const QByteArray& pdf)
{
    return static_cast<int>(pdf.count("/Type /Page\n"));
}

// Paints the sheet into a PDF in memory, on A4 with the writer's own margins; returns the page count.
int PaintInto(QByteArray& bytes, const SSheet& sheet, const QPageRanges& ranges)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageRanges(ranges);
    return sheet_print::PaintChannelSheet(sheet, writer);
}

TEST(ChannelSheetPainter, PaintsOnlyThePagesInTheDeviceRangesButCountsThemAll)
{
    const SSheet sheet = SheetOfRows(200);
    QByteArray all;
    const int pageCount = PaintInto(all, sheet, {});
    EXPECT_GE(pageCount, 3);
    EXPECT_EQ(PagesIn(all), pageCount);

    QPageRanges second;
    second.addPage(2);
    QByteArray one;
    EXPECT_EQ(PaintInto(one, sheet, second), pageCount);
    EXPECT_EQ(PagesIn(one), 1);
}

TEST(ChannelSheetPainter, WritesAPdfFileOrSaysWhyNot)
{
    CTempDir folder;
    const QString path = QString::fromStdString(folder.File("sheet.pdf"));
    QString error;
    ASSERT_TRUE(
        sheet_print::WriteChannelSheetPdf(SheetOfRows(1), path, QPageSize(QPageSize::Letter), &error));
    EXPECT_EQ(ReadFileText(folder.File("sheet.pdf")).substr(0, 5), "%PDF-");

    const QString missingFolder = QString::fromStdString(folder.File("none/sheet.pdf"));
    EXPECT_FALSE(
        sheet_print::WriteChannelSheetPdf(SheetOfRows(1), missingFolder, QPageSize(QPageSize::A4), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace

int main(int argc, char** argv)
{
    // Fonts need a QGuiApplication; it must never look for a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
