#include "res/icons.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>
#include <QSvgRenderer>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

// The resources live in a static library: registering them here makes sure the linker keeps them.
static void InitIconResources()
{
    Q_INIT_RESOURCE(zql52);
}

namespace {

// Toolbar icons are drawn on a 16-unit grid. Outlines are one unit wide and run along half units, so at
// 16 and 32 pixels every edge falls on whole pixels.
constexpr double kGrid = 16.0;
constexpr std::array kToolSizes = {16, 32};
constexpr int kSmoothTextPixels = 12;
constexpr std::array kAppIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int kSmallArtworkLimit = 22;
// The group of the artwork that draws the transceiver.
constexpr QLatin1String kTransceiverElement("transceiver");
// Outlines must stand out from the window at least as much as accessibility guidelines ask of the edges
// of controls.
constexpr double kOutlineContrast = 3.0;
// How much of the palette's text colour the outlines on a dark window take.
constexpr double kTextShare = 0.7;

const QColor kOutline(0x2b, 0x35, 0x42);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kPaperShade(0xe3, 0xe9, 0xf0);
const QColor kTextLine(0x8c, 0x9d, 0xb0);
const QColor kBlue(0x2f, 0x6f, 0xbf);
const QColor kBlueLight(0x6f, 0xa6, 0xe6);
const QColor kGreen(0x2e, 0x9b, 0x4f);
const QColor kRed(0xd2, 0x4d, 0x2e);
const QColor kAmber(0xd9, 0x98, 0x2b);
const QColor kYellow(0xf6, 0xc4, 0x53);
const QColor kSteel(0xc5, 0xce, 0xd8);
const QColor kBrown(0xb0, 0x7a, 0x3c);
const QColor kPink(0xe8, 0x7a, 0x86);
const QColor kRadioBody(0x3b, 0x47, 0x56);
const QColor kDisplay(0xbf, 0xe3, 0xa0);
const QColor kPurple(0x5a, 0x4f, 0xbf);

QPen OutlinePen(const QColor& outline)
{
    QPen pen(outline, 1.0);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

// A rectangle whose outline covers the whole pixels from (x, y) to (x + w, y + h).
QRectF Cells(double x, double y, double w, double h)
{
    return QRectF(x + 0.5, y + 0.5, w - 1.0, h - 1.0);
}

void Box(QPainter& p, const QColor& outline, const QRectF& r, const QColor& fill)
{
    p.setPen(OutlinePen(outline));
    p.setBrush(fill);
    p.drawRect(r);
}

void Shape(QPainter& p, const QColor& outline, const QPolygonF& polygon, const QColor& fill)
{
    p.setPen(OutlinePen(outline));
    p.setBrush(fill);
    p.drawPolygon(polygon);
}

void Line(QPainter& p, QPointF from, QPointF to, const QColor& color)
{
    QPen pen(color, 1.0);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(from, to);
}

void TextLines(QPainter& p, double x1, double x2, std::initializer_list<double> rows)
{
    for (const double y : rows) {
        Line(p, QPointF(x1, y), QPointF(x2, y), kTextLine);
    }
}

void Glyph(QPainter& p, const QRectF& box, const QString& text, double pixelSize, const QColor& color)
{
    // Text is laid out in device pixels with a whole-pixel font size, so the glyph is hinted to the grid.
    const QTransform toDevice = p.worldTransform();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    const int devicePixels = std::max(1, static_cast<int>(std::lround(pixelSize * toDevice.m11())));
    font.setPixelSize(devicePixels);
    if (devicePixels < kSmoothTextPixels) {
        // Small digits read better as whole pixels than as grey smears.
        font.setStyleStrategy(QFont::NoAntialias);
    }
    p.save();
    p.resetTransform();
    p.setFont(font);
    p.setPen(color);
    p.drawText(toDevice.mapRect(box).toAlignedRect(), Qt::AlignCenter, text);
    p.restore();
}

void Page(QPainter& p, const QColor& outline, double x, double y, double w, double h, const QColor& fill)
{
    Box(p, outline, Cells(x, y, w, h), fill);
}

// The transceiver of the 16-unit toolbar icons: too small for keys, it shows a display and a grille.
void SmallHandheld(QPainter& p, const QColor& outline)
{
    p.setPen(Qt::NoPen);
    p.setBrush(outline);
    p.drawRect(QRectF(10, 0, 1, 4));
    p.setPen(OutlinePen(outline));
    p.setBrush(kRadioBody);
    p.drawRect(Cells(9, 3, 7, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(kDisplay);
    p.drawRect(QRectF(11, 5, 3, 2));
    p.setBrush(kSteel);
    p.drawRect(QRectF(11, 9, 3, 1));
    p.drawRect(QRectF(11, 11, 3, 1));
    p.drawRect(QRectF(11, 13, 3, 1));
}

void PaintNew(QPainter& p, const QColor& outline)
{
    Shape(p, outline, QPolygonF({{3.5, 1.5}, {9.5, 1.5}, {13.5, 5.5}, {13.5, 14.5}, {3.5, 14.5}}), kPaper);
    Shape(p, outline, QPolygonF({{9.5, 1.5}, {9.5, 5.5}, {13.5, 5.5}}), kPaperShade);
    Line(p, QPointF(5, 8.5), QPointF(12, 8.5), kTextLine);
    Line(p, QPointF(5, 10.5), QPointF(12, 10.5), kTextLine);
    Line(p, QPointF(5, 12.5), QPointF(10, 12.5), kTextLine);
}

void PaintOpen(QPainter& p, const QColor& outline)
{
    Shape(p, outline, QPolygonF({{0.5, 2.5}, {5.5, 2.5}, {7.5, 4.5}, {13.5, 4.5}, {13.5, 13.5}, {0.5, 13.5}}),
          kAmber);
    Shape(p, outline, QPolygonF({{0.5, 13.5}, {3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}}), kYellow);
}

void PaintSave(QPainter& p, const QColor& outline)
{
    Shape(p, outline, QPolygonF({{1.5, 1.5}, {13.5, 1.5}, {14.5, 2.5}, {14.5, 14.5}, {1.5, 14.5}}), kBlue);
    Box(p, outline, Cells(4, 1, 8, 6), kSteel);
    // The shutter's window lies on the light shutter: it stays dark on every palette.
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawRect(QRectF(9, 2.5, 1.5, 3));
    Box(p, outline, Cells(3, 9, 10, 6), kPaper);
    TextLines(p, 5, 11, {11.5});
}

void PaintEditMemory(QPainter& p, const QColor& outline)
{
    Page(p, outline, 1, 1, 10, 14, kPaper);
    TextLines(p, 3, 9, {4.5, 7.5, 10.5});
    p.save();
    p.translate(11.5, 8.5);
    p.rotate(45.0);
    Box(p, outline, QRectF(-1.5, -6.0, 3.0, 8.5), kAmber);
    Shape(p, outline, QPolygonF({{-1.5, 2.5}, {1.5, 2.5}, {0.0, 6.0}}), kYellow);
    Box(p, outline, QRectF(-1.5, -7.5, 3.0, 1.5), kPink);
    p.restore();
}

void PaintCopy(QPainter& p, const QColor& outline)
{
    Page(p, outline, 1, 1, 9, 11, kPaperShade);
    TextLines(p, 3, 8, {3.5, 5.5});
    Page(p, outline, 5, 4, 10, 12, kPaper);
    TextLines(p, 7, 13, {7.5, 9.5, 11.5, 13.5});
}

void PaintPaste(QPainter& p, const QColor& outline)
{
    Box(p, outline, Cells(1, 2, 11, 13), kBrown);
    Box(p, outline, Cells(4, 1, 5, 3), kSteel);
    Page(p, outline, 6, 6, 9, 10, kPaper);
    TextLines(p, 8, 13, {8.5, 10.5, 12.5});
}

void PaintClear(QPainter& p, const QColor& outline)
{
    Line(p, QPointF(1, 14.5), QPointF(15, 14.5), kTextLine);
    p.save();
    p.translate(8.5, 7.5);
    p.rotate(-40.0);
    Box(p, outline, QRectF(-6.5, -3.0, 5.0, 6.0), kBlueLight);
    Box(p, outline, QRectF(-1.5, -3.0, 8.0, 6.0), kPink);
    p.restore();
}

void PaintDtmf(QPainter& p, const QColor& outline)
{
    p.setPen(OutlinePen(outline));
    p.setBrush(kRadioBody);
    p.drawRoundedRect(Cells(2, 0, 12, 16), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kDisplay);
    p.drawRect(QRectF(4, 2, 8, 3));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            p.setBrush(row == 2 && column == 2 ? kGreen : kPaper);
            p.drawRect(QRectF(4 + column * 3, 7 + row * 3, 2, 2));
        }
    }
}

void PaintCommonSetting(QPainter& p, const QColor& outline)
{
    constexpr int kTeeth = 8;
    constexpr double kOuter = 7.2;
    constexpr double kInner = 5.2;
    const QPointF centre(8.0, 8.0);
    QPolygonF gear;
    for (int i = 0; i < kTeeth * 4; ++i) {
        const double angle = (i - 0.5) * std::numbers::pi / (kTeeth * 2);
        const double radius = (i % 4 == 0 || i % 4 == 1) ? kOuter : kInner;
        gear << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    Shape(p, outline, gear, kSteel);
    p.setPen(OutlinePen(outline));
    p.setBrush(kBlue);
    p.drawEllipse(centre, 3.0, 3.0);
    p.setBrush(kPaper);
    p.drawEllipse(centre, 1.2, 1.2);
}

void PaintComPort(QPainter& p, const QColor& outline, int number)
{
    Shape(p, outline, QPolygonF({{0.5, 3.5}, {15.5, 3.5}, {13.5, 12.5}, {2.5, 12.5}}), kBlue);
    Glyph(p, QRectF(2, 3, 12, 10), QString::number(number), 9.0, kPaper);
}

void Arrow(QPainter& p, const QColor& outline, bool pointsLeft, const QColor& fill)
{
    QPolygonF arrow({{0.5, 9.5}, {4.5, 5.5}, {4.5, 7.5}, {8.5, 7.5}, {8.5, 11.5}, {4.5, 11.5}, {4.5, 13.5}});
    if (!pointsLeft) {
        for (QPointF& point : arrow) {
            point.setX(9.0 - point.x());
        }
    }
    Shape(p, outline, arrow, fill);
}

void PaintRead(QPainter& p, const QColor& outline)
{
    SmallHandheld(p, outline);
    Arrow(p, outline, true, kGreen);
}

void PaintWrite(QPainter& p, const QColor& outline)
{
    SmallHandheld(p, outline);
    Arrow(p, outline, false, kRed);
}

void PaintInformation(QPainter& p, const QColor& outline)
{
    SmallHandheld(p, outline);
    p.setPen(OutlinePen(outline));
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(4.5, 9.5), 4.0, 4.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    p.drawRect(QRectF(4, 6, 1, 1));
    p.drawRect(QRectF(4, 8, 1, 4));
}

void PaintHelpContents(QPainter& p, const QColor& outline)
{
    Box(p, outline, Cells(3, 1, 11, 13), kPaper);
    Box(p, outline, Cells(2, 1, 11, 14), kPurple);
    // The spine's groove lies on the cover: it stays dark on every palette.
    Line(p, QPointF(4.5, 2), QPointF(4.5, 14), kOutline);
    Glyph(p, QRectF(4, 2, 9, 12), QStringLiteral("?"), 10.0, kPaper);
}

// A printer with a sheet going in at the back and a printed sheet coming out at the front.
void PaintPrint(QPainter& p, const QColor& outline)
{
    Page(p, outline, 4, 1, 8, 6, kPaper);
    Box(p, outline, Cells(1, 6, 14, 6), kSteel);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawRect(QRectF(12, 8, 1, 1));
    Page(p, outline, 3, 10, 10, 6, kPaper);
    TextLines(p, 5, 11, {12.5, 14.5});
}

void PaintTool(QPainter& p, EToolIcon which, const QColor& outline)
{
    switch (which) {
    case EToolIcon::New:
        return PaintNew(p, outline);
    case EToolIcon::Open:
        return PaintOpen(p, outline);
    case EToolIcon::Save:
        return PaintSave(p, outline);
    case EToolIcon::EditMemory:
        return PaintEditMemory(p, outline);
    case EToolIcon::Copy:
        return PaintCopy(p, outline);
    case EToolIcon::Paste:
        return PaintPaste(p, outline);
    case EToolIcon::Clear:
        return PaintClear(p, outline);
    case EToolIcon::DtmfAutoDial:
        return PaintDtmf(p, outline);
    case EToolIcon::CommonSetting:
        return PaintCommonSetting(p, outline);
    case EToolIcon::Com1:
        return PaintComPort(p, outline, 1);
    case EToolIcon::Com2:
        return PaintComPort(p, outline, 2);
    case EToolIcon::Com3:
        return PaintComPort(p, outline, 3);
    case EToolIcon::Com4:
        return PaintComPort(p, outline, 4);
    case EToolIcon::Read:
        return PaintRead(p, outline);
    case EToolIcon::Write:
        return PaintWrite(p, outline);
    case EToolIcon::Information:
        return PaintInformation(p, outline);
    case EToolIcon::HelpContents:
        return PaintHelpContents(p, outline);
    case EToolIcon::Print:
        return PaintPrint(p, outline);
    }
}

// The first colour with the given share of it, the rest taken from the second.
QColor Mixed(const QColor& first, const QColor& second, double share)
{
    const auto mix = [share](float a, float b) { return static_cast<float>(a * share + b * (1.0 - share)); };
    const QColor a = first.toRgb();
    const QColor b = second.toRgb();
    return QColor::fromRgbF(mix(a.redF(), b.redF()), mix(a.greenF(), b.greenF()), mix(a.blueF(), b.blueF()));
}

// The relative luminance of an sRGB colour, 0 for black to 1 for white.
double Luminance(const QColor& color)
{
    const auto linear = [](float channel) {
        return channel <= 0.04045F ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

// Outlines are drawn in the usual dark colour wherever it stands out from the window, so light palettes
// keep the icons as they always were. On a dark window they take the palette's text colour, toned down
// towards the window where that still stands out, so that white paper keeps an edge of its own.
QColor OutlineFor(const QPalette& palette)
{
    const QColor window = palette.color(QPalette::Window);
    if (ContrastRatio(kOutline, window) >= kOutlineContrast) {
        return kOutline;
    }
    const QColor text = palette.color(QPalette::WindowText);
    const QColor toned = Mixed(text, window, kTextShare);
    if (ContrastRatio(toned, window) >= kOutlineContrast) {
        return toned;
    }
    if (ContrastRatio(text, window) >= kOutlineContrast) {
        return text;
    }
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return ContrastRatio(black, window) > ContrastRatio(white, window) ? black : white;
}

QPixmap Canvas(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b)
{
    constexpr double kFlare = 0.05;
    const double first = Luminance(a);
    const double second = Luminance(b);
    return (std::max(first, second) + kFlare) / (std::min(first, second) + kFlare);
}

QPixmap ToolPixmap(EToolIcon which, int size, const QPalette& palette)
{
    QPixmap pixmap = Canvas(size, size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kGrid, size / kGrid);
    PaintTool(painter, which, OutlineFor(palette));
    return pixmap;
}

QIcon ToolIcon(EToolIcon which, const QPalette& palette)
{
    QIcon icon;
    for (const int size : kToolSizes) {
        icon.addPixmap(ToolPixmap(which, size, palette));
    }
    return icon;
}

QIcon AppIcon()
{
    // The artwork is the SVG that is also installed into the icon theme. Below 24 pixels a drawing fitted
    // to the 16-pixel grid stays sharp where the scaled one would blur.
    InitIconResources();
    QSvgRenderer artwork(QStringLiteral(":/icons/zql52.svg"));
    QSvgRenderer smallArtwork(QStringLiteral(":/icons/zql52-16.svg"));
    QIcon icon;
    for (const int size : kAppIconSizes) {
        QPixmap pixmap = Canvas(size, size);
        QPainter painter(&pixmap);
        (size < kSmallArtworkLimit ? smallArtwork : artwork).render(&painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap TransceiverPicture(int height, qreal devicePixelRatio)
{
    // The transceiver of the application icon's artwork, without the square and the waves behind it.
    InitIconResources();
    QSvgRenderer artwork(QStringLiteral(":/icons/zql52.svg"));
    const QRectF bounds = artwork.boundsOnElement(kTransceiverElement);
    const int width = static_cast<int>(std::lround(height * bounds.width() / bounds.height()));
    QPixmap pixmap = Canvas(static_cast<int>(std::lround(width * devicePixelRatio)),
                            static_cast<int>(std::lround(height * devicePixelRatio)));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&pixmap);
    artwork.render(&painter, kTransceiverElement, QRectF(0, 0, width, height));
    return pixmap;
}
