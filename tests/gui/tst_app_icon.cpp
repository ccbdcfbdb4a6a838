#include "res/icons.h"
#include "support/gui_test_main.h"

#include <QImage>
#include <QTest>
#include <array>

using namespace Qt::StringLiterals;

namespace {

// Window and text colours of dark desktop palettes, where the usual dark outlines would vanish.
struct SPaletteColours
{
    const char* name;
    QColor window;
    QColor windowText;
};

const std::array kDarkPalettes = {
    SPaletteColours{"grey", QColor(0x35, 0x35, 0x35), QColor(0xff, 0xff, 0xff)},
    SPaletteColours{"slate", QColor(0x31, 0x36, 0x3b), QColor(0xfc, 0xfc, 0xfc)},
    SPaletteColours{"black", QColor(0x1e, 0x1e, 0x1e), QColor(0xdc, 0xdc, 0xdc)},
};
// The share of an icon's edge that must stand out: all of it but a few antialiased pixels.
constexpr double kEdgeShare = 0.9;

const std::array kToolIcons = {
    std::pair{"New", EToolIcon::New},
    std::pair{"Open", EToolIcon::Open},
    std::pair{"Save", EToolIcon::Save},
    std::pair{"EditMemory", EToolIcon::EditMemory},
    std::pair{"Copy", EToolIcon::Copy},
    std::pair{"Paste", EToolIcon::Paste},
    std::pair{"Clear", EToolIcon::Clear},
    std::pair{"DtmfAutoDial", EToolIcon::DtmfAutoDial},
    std::pair{"CommonSetting", EToolIcon::CommonSetting},
    std::pair{"Com1", EToolIcon::Com1},
    std::pair{"Com2", EToolIcon::Com2},
    std::pair{"Com3", EToolIcon::Com3},
    std::pair{"Com4", EToolIcon::Com4},
    std::pair{"Read", EToolIcon::Read},
    std::pair{"Write", EToolIcon::Write},
    std::pair{"Information", EToolIcon::Information},
    std::pair{"HelpContents", EToolIcon::HelpContents},
    std::pair{"Print", EToolIcon::Print},
};

// What accessibility guidelines ask of the edges of controls against what is beside them.
constexpr double kContrast = 3.0;

QColor Over(QRgb pixel, const QColor& window)
{
    const double alpha = qAlpha(pixel) / 255.0;
    const auto mix = [alpha](int top, int bottom) {
        return static_cast<int>(top * alpha + bottom * (1.0 - alpha));
    };
    return QColor(mix(qRed(pixel), window.red()), mix(qGreen(pixel), window.green()),
                  mix(qBlue(pixel), window.blue()));
}

// The share of the icon's edge, its painted pixels beside an unpainted one, where the window it is shown
// on sees something that stands out: the pixel itself or one next to it, as painted over the window.
double EdgeContrastShare(const QImage& image, const QColor& window)
{
    const auto painted = [&image](int x, int y) {
        return x >= 0 && y >= 0 && x < image.width() && y < image.height() && qAlpha(image.pixel(x, y)) > 0;
    };
    const auto standsOut = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (painted(x + dx, y + dy) &&
                    ContrastRatio(Over(image.pixel(x + dx, y + dy), window), window) >= kContrast) {
                    return true;
                }
            }
        }
        return false;
    };
    int edge = 0;
    int standingOut = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!painted(x, y) ||
                (painted(x - 1, y) && painted(x + 1, y) && painted(x, y - 1) && painted(x, y + 1))) {
                continue;
            }
            ++edge;
            standingOut += standsOut(x, y) ? 1 : 0;
        }
    }
    return edge == 0 ? 0.0 : static_cast<double>(standingOut) / edge;
}

} // namespace

// The application icon is rendered from the SVG artwork in the resources; a missing or unreadable
// artwork would give an icon of transparent pixels. The toolbar icons are painted for the palette they
// are shown on.
class TestAppIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyThemeSizeIsDrawn_data();
    void everyThemeSizeIsDrawn();
    void toolIconEdgesStandOutFromTheWindow_data();
    void toolIconEdgesStandOutFromTheWindow();
};

void TestAppIcon::everyThemeSizeIsDrawn_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QTest::addRow("%d", size) << size;
    }
}

void TestAppIcon::everyThemeSizeIsDrawn()
{
    QFETCH(int, size);
    const QIcon icon = AppIcon();
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    const QImage image = icon.pixmap(size, size).toImage();
    QCOMPARE(image.size(), QSize(size, size));
    // The middle of the transceiver's body is opaque, the corner outside the rounded square is not.
    QCOMPARE(qAlpha(image.pixel(size / 2, size * 3 / 4)), 255);
    QVERIFY(qAlpha(image.pixel(0, 0)) < 64);
}

void TestAppIcon::toolIconEdgesStandOutFromTheWindow_data()
{
    QTest::addColumn<EToolIcon>("icon");
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("windowText");
    for (const auto& [name, icon] : kToolIcons) {
        for (const SPaletteColours& colours : kDarkPalettes) {
            QTest::addRow("%s on %s", name, colours.name) << icon << colours.window << colours.windowText;
        }
    }
}

void TestAppIcon::toolIconEdgesStandOutFromTheWindow()
{
    QFETCH(EToolIcon, icon);
    QFETCH(QColor, window);
    QFETCH(QColor, windowText);
    const QPalette palette(windowText, window, window.lighter(), window.darker(), window, windowText,
                           windowText, window, window);
    for (const int size : {16, 32}) {
        const double share = EdgeContrastShare(ToolPixmap(icon, size, palette).toImage(), window);
        QVERIFY2(share >= kEdgeShare,
                 qPrintable(u"%1 pixels: %2 of the edge stands out"_s.arg(size).arg(share)));
    }
}

ZQ_GUI_TEST(TestAppIcon)
#include "tst_app_icon.moc"
