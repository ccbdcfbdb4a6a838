#include "print/channel_sheet_painter.h"

#include "core/string_table.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageRanges>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <map>

namespace sheet_print {

namespace {

using channel_sheet::EAlign;
using channel_sheet::SSheet;
using channel_sheet::STable;

// Sizes in millimetres and points, chosen so that 100 memory channels with the edges and call channels
// of a default image fit on two pages of A4 or Letter.
constexpr double kPdfMarginMm = 12.0;
constexpr double kCellPaddingMm = 1.6;
constexpr double kRowExtraMm = 0.8;
constexpr double kHeaderExtraMm = 1.6;
constexpr double kTitleExtraMm = 1.4;
constexpr double kTableGapMm = 4.0;
constexpr double kHeadingGapMm = 3.0;
constexpr double kFooterMm = 6.0;
constexpr double kThinLineMm = 0.12;
constexpr double kRuleMm = 0.3;
constexpr double kAccentRuleMm = 0.5;
constexpr double kTitlePt = 13.0;
constexpr double kHeadingPt = 8.0;
constexpr double kTableTitlePt = 9.5;
constexpr double kCellPt = 7.5;
constexpr double kFooterPt = 7.0;
// A table with fewer columns than this keeps to its own width instead of the page's.
constexpr int kFullWidthColumns = 4;
constexpr double kNarrowTableShare = 0.5;
// A table starts on the next page unless its title, header and this many rows fit; one of up to
// kKeepTogetherRows rows is not split at all when it fits on a page of its own.
constexpr size_t kMinRowsWithTitle = 3;
constexpr size_t kKeepTogetherRows = 16;
constexpr int kPdfResolution = 600;
constexpr double kMmPerInch = 25.4;
constexpr double kNoLigatureSpacing = 0.02;

const QColor kInk(0x1a, 0x1a, 0x1a);
const QColor kMuted(0x5a, 0x64, 0x70);
const QColor kAccent(0x2f, 0x6f, 0xbf);
const QColor kHeaderFill(0xdd, 0xe6, 0xf1);
const QColor kStripeFill(0xf4, 0xf7, 0xfb);
const QColor kGrid(0xc5, 0xd0, 0xde);
const QColor kBorder(0x8a, 0x9b, 0xb0);
const QColor kIllegal(0xa0, 0x1c, 0x1c);

const QString kApplicationName = QStringLiteral("ZQ-L52");
const QString kNoteGap = QStringLiteral("    ");
const QString kHeadingSeparator = QStringLiteral("   |   ");
constexpr std::string_view kIllegalMark = "?";

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

QFont MakeFont(double points, bool bold, const QPaintDevice& device)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    // Sizes follow the device's resolution; a printer's fonts are not hinted to the screen.
    font.setHintingPreference(QFont::PreferNoHinting);
    // Any letter spacing turns ligatures off, so that "Offset" is found and copied from the PDF as typed.
    font.setLetterSpacing(QFont::AbsoluteSpacing, kNoLigatureSpacing);
    return QFont(font, &device);
}

struct SStyle
{
    explicit SStyle(const QPaintDevice& device)
        : mm(device.logicalDpiY() / kMmPerInch), title(MakeFont(kTitlePt, true, device)),
          heading(MakeFont(kHeadingPt, false, device)), tableTitle(MakeFont(kTableTitlePt, true, device)),
          note(MakeFont(kFooterPt, false, device)), header(MakeFont(kCellPt, true, device)),
          cell(MakeFont(kCellPt, false, device)), label(MakeFont(kCellPt, true, device)),
          footer(MakeFont(kFooterPt, false, device))
    {
        rowHeight = QFontMetricsF(cell, &device).height() + kRowExtraMm * mm;
        headerHeight = QFontMetricsF(header, &device).height() + kHeaderExtraMm * mm;
        titleHeight = QFontMetricsF(tableTitle, &device).height() + kTitleExtraMm * mm;
        headingHeight = QFontMetricsF(title, &device).height() + QFontMetricsF(heading, &device).height() +
                        kHeadingGapMm * mm;
        footerHeight = kFooterMm * mm;
        padding = kCellPaddingMm * mm;
        gap = kTableGapMm * mm;
    }

    double mm;
    QFont title, heading, tableTitle, note, header, cell, label, footer;
    double rowHeight = 0, headerHeight = 0, titleHeight = 0, headingHeight = 0, footerHeight = 0;
    double padding = 0, gap = 0;
};

// A run of one table's rows on one page; an empty run of a table without rows shows its empty text.
struct SSegment
{
    size_t table = 0;
    size_t firstRow = 0;
    size_t endRow = 0;
    double top = 0;
    bool continued = false;
};

using Page = std::vector<SSegment>;

std::vector<Page> Paginate(const SSheet& sheet, const SStyle& style, double contentTop, double contentBottom)
{
    std::vector<Page> pages(1);
    double y = contentTop;
    const auto newPage = [&] {
        pages.emplace_back();
        y = contentTop;
    };
    for (size_t t = 0; t < sheet.tables.size(); ++t) {
        const size_t rows = sheet.tables[t].rows.size();
        const double opening = style.titleHeight + style.headerHeight;
        const size_t keep = rows <= kKeepTogetherRows ? rows : kMinRowsWithTitle;
        const double firstRows = static_cast<double>(std::max<size_t>(keep, 1));
        const double gapBefore = y > contentTop ? style.gap : 0;
        if (y > contentTop && y + gapBefore + opening + firstRows * style.rowHeight > contentBottom) {
            newPage();
        } else {
            y += gapBefore;
        }
        if (rows == 0) {
            pages.back().push_back({t, 0, 0, y, false});
            y += opening + style.rowHeight;
            continue;
        }
        for (size_t row = 0; row < rows;) {
            const double room = contentBottom - y - opening;
            const auto fit = static_cast<size_t>(std::max(0.0, std::floor(room / style.rowHeight)));
            if (fit == 0) {
                newPage();
                continue;
            }
            const size_t end = std::min(rows, row + fit);
            pages.back().push_back({t, row, end, y, row > 0});
            y += opening + static_cast<double>(end - row) * style.rowHeight;
            row = end;
            if (row < rows) {
                newPage();
            }
        }
    }
    return pages;
}

// Column widths for each set of column headers, so tables of the same columns line up on every page.
std::map<std::vector<std::string>, std::vector<double>> ColumnWidths(const SSheet& sheet, const SStyle& style,
                                                                     const QPaintDevice& device, double width)
{
    const QFontMetricsF header(style.header, &device);
    const QFontMetricsF cell(style.cell, &device);
    const QFontMetricsF label(style.label, &device);
    std::map<std::vector<std::string>, std::vector<double>> natural;
    for (const STable& table : sheet.tables) {
        std::vector<std::string> key;
        for (const auto& column : table.columns) {
            key.push_back(column.header);
        }
        std::vector<double>& widths = natural[key];
        widths.resize(table.columns.size(), 0.0);
        for (size_t c = 0; c < table.columns.size(); ++c) {
            widths[c] = std::max(widths[c], header.horizontalAdvance(Q(table.columns[c].header)));
            for (const auto& row : table.rows) {
                const QFontMetricsF& metrics = c == 0 ? label : cell;
                widths[c] = std::max(widths[c], metrics.horizontalAdvance(Q(row[c])));
            }
        }
    }
    for (auto& [key, widths] : natural) {
        double total = 0;
        for (double& w : widths) {
            w += 2 * style.padding;
            total += w;
        }
        const double target =
            widths.size() >= kFullWidthColumns ? width : std::max(total, width * kNarrowTableShare);
        if (widths.empty() || total <= 0) {
            continue;
        }
        if (total > width) {
            for (double& w : widths) {
                w *= width / total;
            }
        } else if (widths.size() >= kFullWidthColumns) {
            const double extra = (target - total) / static_cast<double>(widths.size());
            for (double& w : widths) {
                w += extra;
            }
        } else {
            widths.back() += target - total;
        }
    }
    return natural;
}

QPen Pen(const QColor& color, double widthMm, const SStyle& style)
{
    QPen pen(color);
    pen.setWidthF(widthMm * style.mm);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

class CSheetPainter
{
public:
    CSheetPainter(const SSheet& sheet, QPainter& painter, const QPaintDevice& device)
        : m_sheet(sheet), m_painter(painter), m_style(device), m_width(device.width()),
          m_height(device.height())
    {
        m_contentTop = m_style.headingHeight;
        m_contentBottom = m_height - m_style.footerHeight;
        m_pages = Paginate(sheet, m_style, m_contentTop, m_contentBottom);
        m_widths = ColumnWidths(sheet, m_style, device, m_width);
    }

    int PageCount() const { return static_cast<int>(m_pages.size()); }

    void PaintPage(int number)
    {
        PaintHeading();
        for (const SSegment& segment : m_pages[static_cast<size_t>(number - 1)]) {
            PaintSegment(segment);
        }
        PaintFooter(number);
    }

private:
    void Text(const QRectF& area, int flags, const QString& text, const QFont& font, const QColor& color)
    {
        m_painter.setFont(font);
        m_painter.setPen(color);
        m_painter.drawText(area, flags | Qt::TextSingleLine, text);
    }

    void PaintHeading()
    {
        const auto& heading = m_sheet.heading;
        const double titleHeight = QFontMetricsF(m_style.title, m_painter.device()).height();
        const double lineHeight = QFontMetricsF(m_style.heading, m_painter.device()).height();
        const QRectF titleArea(0, 0, m_width, titleHeight);
        Text(titleArea, Qt::AlignLeft | Qt::AlignBottom, Q(heading.title), m_style.title, kInk);
        Text(titleArea, Qt::AlignRight | Qt::AlignBottom, Q(heading.printed), m_style.heading, kMuted);
        QString second = Q(heading.profile);
        if (!heading.comment.empty()) {
            second = Q(heading.comment) + kHeadingSeparator + second;
        }
        Text(QRectF(0, titleHeight, m_width, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, second,
             m_style.heading, kMuted);
        const double ruleY = titleHeight + lineHeight + m_style.mm;
        m_painter.setPen(Pen(kAccent, kAccentRuleMm, m_style));
        m_painter.drawLine(QPointF(0, ruleY), QPointF(m_width, ruleY));
    }

    void PaintFooter(int number)
    {
        const double top = m_height - m_style.footerHeight * 0.6;
        m_painter.setPen(Pen(kGrid, kRuleMm, m_style));
        m_painter.drawLine(QPointF(0, top), QPointF(m_width, top));
        const QRectF area(0, top, m_width, m_height - top);
        Text(area, Qt::AlignLeft | Qt::AlignVCenter, kApplicationName, m_style.footer, kMuted);
        Text(area, Qt::AlignRight | Qt::AlignVCenter, Q(channel_sheet::PageNumberText(number, PageCount())),
             m_style.footer, kMuted);
    }

    void PaintSegment(const SSegment& segment)
    {
        const STable& table = m_sheet.tables[segment.table];
        std::vector<std::string> key;
        for (const auto& column : table.columns) {
            key.push_back(column.header);
        }
        const std::vector<double>& widths = m_widths.at(key);
        double tableWidth = 0;
        for (double w : widths) {
            tableWidth += w;
        }

        // Title, and the note beside it on the table's first page.
        double y = segment.top;
        const QRectF titleArea(0, y, m_width, m_style.titleHeight);
        const QString title =
            Q(segment.continued ? FormatText(ids::kSheetContinuedFormat, {table.title}) : table.title);
        Text(titleArea, Qt::AlignLeft | Qt::AlignVCenter, title, m_style.tableTitle, kAccent);
        if (!segment.continued && !table.note.empty()) {
            const double titleWidth =
                QFontMetricsF(m_style.tableTitle, m_painter.device()).horizontalAdvance(title);
            Text(titleArea.adjusted(titleWidth, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                 kNoteGap + Q(table.note), m_style.note, kMuted);
        }
        y += m_style.titleHeight;

        // Header row.
        const double tableTop = y;
        m_painter.fillRect(QRectF(0, y, tableWidth, m_style.headerHeight), kHeaderFill);
        double x = 0;
        for (size_t c = 0; c < table.columns.size(); ++c) {
            const QRectF cell(x + m_style.padding, y, widths[c] - 2 * m_style.padding, m_style.headerHeight);
            Text(cell, Alignment(table.columns[c].align), Q(table.columns[c].header), m_style.header, kInk);
            x += widths[c];
        }
        y += m_style.headerHeight;
        const double bodyTop = y;

        if (table.rows.empty()) {
            Text(QRectF(m_style.padding, y, tableWidth - 2 * m_style.padding, m_style.rowHeight),
                 Qt::AlignLeft | Qt::AlignVCenter, Q(table.emptyText), m_style.cell, kMuted);
            y += m_style.rowHeight;
        }
        for (size_t r = segment.firstRow; r < segment.endRow; ++r) {
            if (r % 2 == 1) {
                m_painter.fillRect(QRectF(0, y, tableWidth, m_style.rowHeight), kStripeFill);
            }
            x = 0;
            const auto& row = table.rows[r];
            for (size_t c = 0; c < table.columns.size(); ++c) {
                const QRectF cell(x + m_style.padding, y, widths[c] - 2 * m_style.padding, m_style.rowHeight);
                const QFont& font = c == 0 ? m_style.label : m_style.cell;
                const QString text = QFontMetricsF(font, m_painter.device())
                                         .elidedText(Q(row[c]), Qt::ElideRight, cell.width());
                const bool illegal = row[c].size() > kIllegalMark.size() && row[c].ends_with(kIllegalMark);
                Text(cell, Alignment(table.columns[c].align), text, font, illegal ? kIllegal : kInk);
                x += widths[c];
            }
            y += m_style.rowHeight;
            if (r + 1 < segment.endRow) {
                m_painter.setPen(Pen(kGrid, kThinLineMm, m_style));
                m_painter.drawLine(QPointF(0, y), QPointF(tableWidth, y));
            }
        }

        // Column rules, the rule under the header and the frame.
        m_painter.setPen(Pen(kGrid, kThinLineMm, m_style));
        x = 0;
        for (size_t c = 0; c + 1 < widths.size(); ++c) {
            x += widths[c];
            m_painter.drawLine(QPointF(x, tableTop), QPointF(x, y));
        }
        m_painter.setPen(Pen(kBorder, kRuleMm, m_style));
        m_painter.drawLine(QPointF(0, bodyTop), QPointF(tableWidth, bodyTop));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(QRectF(0, tableTop, tableWidth, y - tableTop));
    }

    static int Alignment(EAlign align)
    {
        return Qt::AlignVCenter | (align == EAlign::Right ? Qt::AlignRight : Qt::AlignLeft);
    }

    const SSheet& m_sheet;
    QPainter& m_painter;
    SStyle m_style;
    double m_width;
    double m_height;
    double m_contentTop = 0;
    double m_contentBottom = 0;
    std::vector<Page> m_pages;
    std::map<std::vector<std::string>, std::vector<double>> m_widths;
};

} // namespace

int PaintChannelSheet(const SSheet& sheet, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        return 0;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    CSheetPainter sheetPainter(sheet, painter, device);
    const QPageRanges ranges = device.pageRanges();
    bool first = true;
    for (int page = 1; page <= sheetPainter.PageCount(); ++page) {
        if (!ranges.isEmpty() && !ranges.contains(page)) {
            continue;
        }
        if (!first) {
            device.newPage();
        }
        first = false;
        sheetPainter.PaintPage(page);
    }
    painter.end();
    return sheetPainter.PageCount();
}

std::chrono::year_month_day PrintDate(const QDate& date)
{
    return std::chrono::year_month_day{std::chrono::year(date.year()),
                                       std::chrono::month(static_cast<unsigned>(date.month())),
                                       std::chrono::day(static_cast<unsigned>(date.day()))};
}

QPageSize DefaultPageSize(const QLocale& locale)
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

QByteArray ChannelSheetPdf(const SSheet& sheet, const QPageSize& pageSize)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait,
                                         QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                                         QPageLayout::Millimeter));
        writer.setTitle(Q(sheet.heading.title));
        writer.setCreator(kApplicationName);
        PaintChannelSheet(sheet, writer);
    }
    return bytes;
}

bool WriteChannelSheetPdf(const SSheet& sheet, const QString& path, const QPageSize& pageSize, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ChannelSheetPdf(sheet, pageSize)) < 0 ||
        !file.commit()) {
        if (error != nullptr) {
            *error = file.errorString();
        }
        return false;
    }
    return true;
}

} // namespace sheet_print
