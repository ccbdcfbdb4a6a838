#include "settings/qt_settings_store.h"
#include "support/gui_test_main.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int kTimeoutMs = 60000;

QString ProgramPath()
{
    return QStringLiteral(ZQ_GUI_PATH);
}

// A start of the real program on the offscreen platform with a settings folder and a runtime folder of
// its own, the setup done.
struct SProgramFolders
{
    SProgramFolders()
    {
        QDir(root.path()).mkpath(u"config/Velk"_s);
        QDir(root.path()).mkpath(u"run"_s);
        QFile(RunDir()).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        CQtSettingsStore store(SettingsFile());
        store.SetInt("SetupInfo", "0000", 1);
        store.SetString("SetupInfo", "CallSign", "SMOKE");
    }

    QString SettingsFile() const { return QDir(root.path()).filePath(u"config/Velk/ZQ-L52.conf"_s); }
    QString RunDir() const { return QDir(root.path()).filePath(u"run"_s); }
    QString LockFile() const { return QDir(RunDir()).filePath(u"ZQL52 APP Exclusive Mutex.lock"_s); }

    void Prepare(QProcess& process) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.insert(u"XDG_CONFIG_HOME"_s, QDir(root.path()).filePath(u"config"_s));
        environment.insert(u"XDG_RUNTIME_DIR"_s, RunDir());
        process.setProcessEnvironment(environment);
        process.setProgram(ProgramPath());
        process.setProcessChannelMode(QProcess::ForwardedChannels);
    }

    QTemporaryDir root;
};

} // namespace

class TestZQL52Smoke : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsAndEndsCleanlyOnSigterm();
    void secondCopyEndsAtOnceWithoutDisturbingTheFirst();
};

void TestZQL52Smoke::startsAndEndsCleanlyOnSigterm()
{
    QVERIFY2(QFileInfo::exists(ProgramPath()), qPrintable(ProgramPath()));
    SProgramFolders folders;
    QProcess program;
    folders.Prepare(program);
    program.start();
    QVERIFY(program.waitForStarted(kTimeoutMs));
    // The lock is taken once the program listens for termination requests.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(folders.LockFile()), kTimeoutMs);
    QCOMPARE(program.state(), QProcess::Running);

    program.terminate();
    QVERIFY(program.waitForFinished(kTimeoutMs));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(!QFileInfo::exists(folders.LockFile()));

    // It closed its window as the close box would: placement, column widths and port are stored.
    CQtSettingsStore stored(folders.SettingsFile());
    QCOMPARE(stored.GetInt("Window Position", "Width", -1), 620);
    QCOMPARE(stored.GetInt("Window Position", "Height", -1), 360);
    QVERIFY(stored.GetInt("Column", "Width0", 0) >= 20);
    QCOMPARE(stored.GetInt("CommPort", "PortNumber", -1), 1);
}

void TestZQL52Smoke::secondCopyEndsAtOnceWithoutDisturbingTheFirst()
{
    SProgramFolders folders;
    QProcess first;
    folders.Prepare(first);
    first.start();
    QVERIFY(first.waitForStarted(kTimeoutMs));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(folders.LockFile()), kTimeoutMs);

    QProcess second;
    folders.Prepare(second);
    second.start();
    QVERIFY(second.waitForFinished(kTimeoutMs));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);

    first.terminate();
    QVERIFY(first.waitForFinished(kTimeoutMs));
    QCOMPARE(first.exitCode(), 0);
}

ZQ_GUI_TEST(TestZQL52Smoke)
#include "tst_zql52_smoke.moc"
