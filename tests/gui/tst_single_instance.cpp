#include "app/single_instance.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// When this variable names a folder, the program takes the lock there and dies without releasing it, as a
// crashed copy would.
const char* const kHolderVariable = "ZQ_TEST_LOCK_HOLDER_DIR";

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondCopyIsRefusedWhileTheFirstRuns();
    void lockOfADeadCopyIsTakenOver();
    void unreadableOldLockIsTakenOver();
    void unreadableFreshLockIsRespected();
    void defaultLockIsPerUserAndNamedAfterTheMutex();
};

void TestSingleInstance::secondCopyIsRefusedWhileTheFirstRuns()
{
    QTemporaryDir dir;
    CSingleInstance first(dir.path());
    CSingleInstance second(dir.path());
    QVERIFY(first.TryAcquire());
    QVERIFY(first.IsHeld());
    QVERIFY(first.TryAcquire());
    QVERIFY(!second.TryAcquire());
    QVERIFY(!second.IsHeld());

    first.Release();
    QVERIFY(!QFile::exists(first.LockPath()));
    QVERIFY(second.TryAcquire());
}

void TestSingleInstance::lockOfADeadCopyIsTakenOver()
{
    QTemporaryDir dir;
    QProcess holder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kHolderVariable), dir.path());
    holder.setProcessEnvironment(environment);
    holder.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(holder.waitForFinished(60000));
    QCOMPARE(holder.exitStatus(), QProcess::NormalExit);
    QCOMPARE(holder.exitCode(), 0);

    CSingleInstance next(dir.path());
    QVERIFY(QFile::exists(next.LockPath()));
    QVERIFY(next.TryAcquire());
}

void TestSingleInstance::unreadableOldLockIsTakenOver()
{
    QTemporaryDir dir;
    CSingleInstance instance(dir.path());
    QFile leftOver(instance.LockPath());
    QVERIFY(leftOver.open(QIODevice::WriteOnly));
    QVERIFY(
        leftOver.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    leftOver.close();
    QVERIFY(instance.TryAcquire());
}

void TestSingleInstance::unreadableFreshLockIsRespected()
{
    QTemporaryDir dir;
    CSingleInstance instance(dir.path());
    QFile starting(instance.LockPath());
    QVERIFY(starting.open(QIODevice::WriteOnly));
    starting.close();
    QVERIFY(!instance.TryAcquire());
}

void TestSingleInstance::defaultLockIsPerUserAndNamedAfterTheMutex()
{
    CSingleInstance instance;
    QVERIFY(instance.LockPath().endsWith(u"/ZQL52 APP Exclusive Mutex.lock"_s));
    QCOMPARE(QFileInfo(instance.LockPath()).absolutePath(),
             QFileInfo(CSingleInstance::DefaultDirectory()).absoluteFilePath());
}

int main(int argc, char* argv[])
{
    if (const char* folder = std::getenv(kHolderVariable)) {
        QCoreApplication application(argc, argv);
        auto* lock = new CSingleInstance(QString::fromLocal8Bit(folder));
        const bool held = lock->TryAcquire();
        std::fflush(nullptr);
        std::_Exit(held ? EXIT_SUCCESS : EXIT_FAILURE);
    }
    QCoreApplication application(argc, argv);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_single_instance.moc"
