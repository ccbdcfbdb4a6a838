#include "app/qt_settings_store.h"
#include "support/gui_test_support.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestQtSettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void valuesSurviveInTheIniFile();
    void missingOrMalformedValuesGiveTheFallback();
    void blanksAndOtherTextsAreKeptExactly();
    void defaultStoreLivesInTheUsersConfigFolder();
    void unwritableFileReportsFailure();

private:
    QTemporaryDir m_configHome;
};

void TestQtSettingsStore::initTestCase()
{
    // Before any QSettings exists: the default store must land in this folder, not in the user's.
    qputenv("XDG_CONFIG_HOME", m_configHome.path().toLocal8Bit());
}

void TestQtSettingsStore::valuesSurviveInTheIniFile()
{
    CTestSettings settings;
    CQtSettingsStore& store = settings.Store();
    QVERIFY(store.SetInt("CommPort", "PortNumber", 3));
    QVERIFY(store.SetInt("SetupInfo", "0000", 1));
    QVERIFY(store.SetInt("Window Position", "Left", -120));
    QVERIFY(store.SetString("CommPort", "Device1", "/dev/ttyUSB0"));
    QVERIFY(QFile::exists(settings.IniPath()));
    QCOMPARE(store.FileName(), settings.IniPath());

    const auto reopened = settings.Reopen();
    QCOMPARE(reopened->GetInt("CommPort", "PortNumber", 1), 3);
    QCOMPARE(reopened->GetInt("SetupInfo", "0000", 0), 1);
    QCOMPARE(reopened->GetInt("Window Position", "Left", 5), -120);
    QCOMPARE(reopened->GetString("CommPort", "Device1", "/dev/ttyS0"), std::string("/dev/ttyUSB0"));
    QVERIFY(reopened->Contains("SetupInfo", "0000"));
    QVERIFY(!reopened->Contains("SetupInfo", "0001"));
    QVERIFY(!reopened->Contains("Setup", "0000"));

    // A value written by another process (the command-line tool) is seen without reopening.
    QVERIFY(reopened->SetInt("CommPort", "PortNumber", 4));
    QCOMPARE(store.GetInt("CommPort", "PortNumber", 1), 4);
}

void TestQtSettingsStore::missingOrMalformedValuesGiveTheFallback()
{
    CTestSettings settings;
    CQtSettingsStore& store = settings.Store();
    QCOMPARE(store.GetInt("SetupInfo", "0001", 5), 5);
    QCOMPARE(store.GetString("SetupInfo", "CallSign", ""), std::string());
    QVERIFY(store.SetString("Column", "Width3", "wide"));
    QCOMPARE(store.GetInt("Column", "Width3", 70), 70);
    QVERIFY(store.SetString("Column", "Width4", " 55 "));
    QCOMPARE(store.GetInt("Column", "Width4", 0), 55);
}

void TestQtSettingsStore::blanksAndOtherTextsAreKeptExactly()
{
    CTestSettings settings;
    const std::string sixBlanks(6, ' ');
    const std::string trailing = "JA1ZZZ  ";
    const std::string special = "a=b; c,d \"q\" \xc3\xa4";
    QVERIFY(settings.Store().SetString("SetupInfo", "CallSign", sixBlanks));
    QVERIFY(settings.Store().SetString("SetupInfo", "Other", trailing));
    QVERIFY(settings.Store().SetString("SetupInfo", "Special", special));
    QVERIFY(settings.Store().SetString("SetupInfo", "Empty", ""));

    const auto reopened = settings.Reopen();
    QCOMPARE(reopened->GetString("SetupInfo", "CallSign", "x"), sixBlanks);
    QCOMPARE(reopened->GetString("SetupInfo", "Other", "x"), trailing);
    QCOMPARE(reopened->GetString("SetupInfo", "Special", "x"), special);
    QCOMPARE(reopened->GetString("SetupInfo", "Empty", "x"), std::string());
    QVERIFY(reopened->Contains("SetupInfo", "Empty"));
}

void TestQtSettingsStore::defaultStoreLivesInTheUsersConfigFolder()
{
    CQtSettingsStore store;
    QCOMPARE(store.FileName(), m_configHome.filePath(u"Velk/ZQ-L52.conf"_s));
    QVERIFY(store.SetInt("CommPort", "PortNumber", 2));
    QCOMPARE(CQtSettingsStore().GetInt("CommPort", "PortNumber", 1), 2);
}

void TestQtSettingsStore::unwritableFileReportsFailure()
{
    QTemporaryDir dir;
    const QString blocked = QDir(dir.path()).filePath(u"blocked"_s);
    QVERIFY(QDir().mkpath(blocked));
    // The settings file is a folder: nothing can be written there.
    CQtSettingsStore store(blocked);
    QVERIFY(!store.SetInt("CommPort", "PortNumber", 2));
}

QTEST_MAIN(TestQtSettingsStore)
#include "tst_qt_settings_store.moc"
