#pragma once

#include "interchange/channel_sheet.h"

#include <QDate>
#include <QLocale>
#include <QPageSize>
#include <QString>
#include <chrono>

class QPagedPaintDevice;

// Prints a channel sheet with QPainter: the heading and the page number on every page, ruled tables
// whose header row repeats when a table goes on to the next page. Any paged device takes it: a QPrinter
// from the print dialog or the print preview, or a QPdfWriter.
namespace sheet_print {

// Paints the sheet page after page on the device's current page layout, leaving out the pages outside
// the device's page ranges when it has any. Returns the number of pages the sheet takes (whatever the
// ranges), or 0 when the device cannot be painted on (a file that cannot be opened, for instance).
int PaintChannelSheet(const channel_sheet::SSheet& sheet, QPagedPaintDevice& device);

// A date for the sheet's heading ("Printed 2024-05-01"), today unless given.
std::chrono::year_month_day PrintDate(const QDate& date = QDate::currentDate());

// Letter where the locale measures in inches the US way, A4 everywhere else.
QPageSize DefaultPageSize(const QLocale& locale = QLocale());

// The sheet as the bytes of a PDF file on the given paper, portrait, with the document's title as the
// file's title.
QByteArray ChannelSheetPdf(const channel_sheet::SSheet& sheet, const QPageSize& pageSize);

// Writes that PDF file whole or not at all (an existing file stays as it was when writing fails).
// Returns false with the reason in `error`.
bool WriteChannelSheetPdf(const channel_sheet::SSheet& sheet, const QString& path, const QPageSize& pageSize,
                          QString* error = nullptr);

} // namespace sheet_print
