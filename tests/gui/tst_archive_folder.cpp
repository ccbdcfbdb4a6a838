#include "clone/clone_archive.h"
#include "support/gui_test_main.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QtTest>

using namespace Qt::StringLiterals;

// The command-line tool finds the clone archive without Qt; the desktop program through its
// application data folder. Both must name the same folder whatever the environment says.
class TestArchiveFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void sameFolderAsTheApplicationDataLocation_data();
    void sameFolderAsTheApplicationDataLocation();

private:
    QByteArray m_dataHome;
    QByteArray m_home;
};

void TestArchiveFolder::initTestCase()
{
    m_dataHome = qgetenv("XDG_DATA_HOME");
    m_home = qgetenv("HOME");
    // As the program names itself at start-up.
    QCoreApplication::setOrganizationName(u"Velk"_s);
    QCoreApplication::setApplicationName(u"ZQ-L52"_s);
}

void TestArchiveFolder::cleanupTestCase()
{
    qputenv("XDG_DATA_HOME", m_dataHome);
    qputenv("HOME", m_home);
}

void TestArchiveFolder::sameFolderAsTheApplicationDataLocation_data()
{
    QTest::addColumn<bool>("setDataHome");
    QTest::addColumn<QByteArray>("dataHome");
    QTest::addColumn<QByteArray>("home");

    QTest::newRow("data home") << true << "/srv/data"_ba
                               << "/home/op"_ba;
    QTest::newRow("data home with a trailing slash") << true << "/srv/data/"_ba
                                                     << "/home/op"_ba;
    QTest::newRow("no data home") << false << QByteArray() << "/home/op"_ba;
    QTest::newRow("empty data home") << true << QByteArray() << "/home/op"_ba;
    QTest::newRow("home with slashes") << false << QByteArray() << "/home//op/"_ba;
    QTest::newRow("relative data home") << true << "rel/data"_ba
                                        << "/home/op"_ba;
    QTest::newRow("home with dots") << false << QByteArray() << "/home/op/../ham/."_ba;
}

void TestArchiveFolder::sameFolderAsTheApplicationDataLocation()
{
    QFETCH(bool, setDataHome);
    QFETCH(QByteArray, dataHome);
    QFETCH(QByteArray, home);
    if (setDataHome) {
        qputenv("XDG_DATA_HOME", dataHome);
    } else {
        qunsetenv("XDG_DATA_HOME");
    }
    qputenv("HOME", home);

    const QString qt = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/archive"_s;
    QCOMPARE(QDir::cleanPath(QString::fromStdString(DefaultArchiveFolder())), QDir::cleanPath(qt));
}

ZQ_GUI_TEST(TestArchiveFolder)
#include "tst_archive_folder.moc"
