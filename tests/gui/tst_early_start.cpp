#include "app/early_start.h"
#include "support/gui_test_main.h"

#include <QTest>
#include <string>
#include <vector>

class TestEarlyStart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void platformComesFromTheCommandLineBeforeTheVariable_data();
    void platformComesFromTheCommandLineBeforeTheVariable();
    void displayIsNeededOnlyForQtsDefaultPlatform_data();
    void displayIsNeededOnlyForQtsDefaultPlatform();
};

void TestEarlyStart::platformComesFromTheCommandLineBeforeTheVariable_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("variable"); // null: unset
    QTest::addColumn<QString>("platform");

    QTest::newRow("nothing") << QStringList{} << QString() << QString();
    QTest::newRow("empty variable") << QStringList{} << QStringLiteral("") << QString();
    QTest::newRow("variable") << QStringList{} << QStringLiteral("offscreen") << QStringLiteral("offscreen");
    QTest::newRow("argument wins") << QStringList{QStringLiteral("-platform"), QStringLiteral("xcb")}
                                   << QStringLiteral("offscreen") << QStringLiteral("xcb");
    QTest::newRow("double dash") << QStringList{QStringLiteral("radio.vlk"), QStringLiteral("--platform"),
                                                QStringLiteral("minimal")}
                                 << QString() << QStringLiteral("minimal");
    QTest::newRow("no value after it") << QStringList{QStringLiteral("-platform")} << QString() << QString();
}

void TestEarlyStart::platformComesFromTheCommandLineBeforeTheVariable()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, variable);
    QFETCH(QString, platform);

    std::vector<std::string> words{"zql52"};
    for (const QString& argument : arguments) {
        words.push_back(argument.toStdString());
    }
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    const std::string value = variable.toStdString();
    QCOMPARE(QString::fromStdString(early_start::PlatformName(static_cast<int>(argv.size()), argv.data(),
                                                              variable.isNull() ? nullptr : value.c_str())),
             platform);
}

void TestEarlyStart::displayIsNeededOnlyForQtsDefaultPlatform_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("waylandDisplay");
    QTest::addColumn<bool>("available");

    QTest::newRow("default, nothing set") << QString() << QString() << QString() << false;
    QTest::newRow("default, empty values") << QString() << QStringLiteral("") << QStringLiteral("") << false;
    QTest::newRow("default, X11") << QString() << QStringLiteral(":0") << QString() << true;
    QTest::newRow("default, Wayland") << QString() << QString() << QStringLiteral("wayland-0") << true;
    QTest::newRow("offscreen") << QStringLiteral("offscreen") << QString() << QString() << true;
    QTest::newRow("explicit xcb") << QStringLiteral("xcb") << QString() << QString() << true;
}

void TestEarlyStart::displayIsNeededOnlyForQtsDefaultPlatform()
{
    QFETCH(QString, platform);
    QFETCH(QString, display);
    QFETCH(QString, waylandDisplay);
    QFETCH(bool, available);

    const std::string x11 = display.toStdString();
    const std::string wayland = waylandDisplay.toStdString();
    QCOMPARE(early_start::DisplayAvailable(platform.toStdString(), display.isNull() ? nullptr : x11.c_str(),
                                           waylandDisplay.isNull() ? nullptr : wayland.c_str()),
             available);
}

ZQ_GUI_TEST(TestEarlyStart)
#include "tst_early_start.moc"
