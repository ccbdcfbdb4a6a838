#include "res/icons.h"
#include "support/gui_test_main.h"

#include <QImage>
#include <QTest>

// The application icon is rendered from the SVG artwork in the resources; a missing or unreadable
// artwork would give an icon of transparent pixels.
class TestAppIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyThemeSizeIsDrawn_data();
    void everyThemeSizeIsDrawn();
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

ZQ_GUI_TEST(TestAppIcon)
#include "tst_app_icon.moc"
