#include "app/file_hand_over.h"
#include "app/single_instance.h"
#include "support/gui_test_main.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

// When this variable names a folder, the program takes the lock there and dies without releasing it, as a
// crashed copy would.
const char* const kHolderVariable = "ZQ_TEST_LOCK_HOLDER_DIR";

using EResult = CSingleInstance::EResult;

std::optional<int> HoldTheLockIfAsked(int argc, char** argv)
{
    const char* folder = std::getenv(kHolderVariable);
    if (folder == nullptr) {
        return std::nullopt;
    }
    QCoreApplication application(argc, argv);
    auto* lock = new CSingleInstance(QString::fromLocal8Bit(folder));
    const bool held = lock->TryAcquire() == EResult::Acquired;
    std::fflush(nullptr);
    std::_Exit(held ? EXIT_SUCCESS : EXIT_FAILURE);
}

const bool g_holderStep = gui_test::RegisterEarlyStep(HoldTheLockIfAsked);

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
    void withoutAPrivateRuntimeFolderTheLockGoesToAPrivateFolder_data();
    void withoutAPrivateRuntimeFolderTheLockGoesToAPrivateFolder();
    void aLockThatCannotBeMadeIsAFailureNotASecondCopy();
    void aFileIsHandedToTheCopyThatListensBesideTheLock();
};

void TestSingleInstance::secondCopyIsRefusedWhileTheFirstRuns()
{
    QTemporaryDir dir;
    CSingleInstance first(dir.path());
    CSingleInstance second(dir.path());
    QCOMPARE(first.TryAcquire(), EResult::Acquired);
    QVERIFY(first.IsHeld());
    QCOMPARE(first.TryAcquire(), EResult::Acquired);
    QCOMPARE(second.TryAcquire(), EResult::HeldByAnother);
    QVERIFY(!second.IsHeld());

    first.Release();
    QVERIFY(!QFile::exists(first.LockPath()));
    QCOMPARE(second.TryAcquire(), EResult::Acquired);
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
    QCOMPARE(next.TryAcquire(), EResult::Acquired);
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
    QCOMPARE(instance.TryAcquire(), EResult::Acquired);
}

void TestSingleInstance::unreadableFreshLockIsRespected()
{
    QTemporaryDir dir;
    CSingleInstance instance(dir.path());
    QFile starting(instance.LockPath());
    QVERIFY(starting.open(QIODevice::WriteOnly));
    starting.close();
    QCOMPARE(instance.TryAcquire(), EResult::HeldByAnother);
}

void TestSingleInstance::defaultLockIsPerUserAndNamedAfterTheMutex()
{
    CSingleInstance instance;
    QVERIFY(instance.LockPath().endsWith(u"/ZQL52 APP Exclusive Mutex.lock"_s));
    QCOMPARE(QFileInfo(instance.LockPath()).absolutePath(),
             QFileInfo(CSingleInstance::DefaultDirectory()).absoluteFilePath());
}

void TestSingleInstance::withoutAPrivateRuntimeFolderTheLockGoesToAPrivateFolder_data()
{
    QTest::addColumn<QString>("runtime");
    QTest::addColumn<QFile::Permissions>("runtimeMode");
    QTest::addColumn<bool>("runtimeUsed");
    const QFile::Permissions everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                        QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    QTest::newRow("not set") << QString() << owner << false;
    QTest::newRow("shared folder") << u"run"_s << everyone << false;
    QTest::newRow("private folder") << u"run"_s << owner << true;
}

void TestSingleInstance::withoutAPrivateRuntimeFolderTheLockGoesToAPrivateFolder()
{
    QFETCH(QString, runtime);
    QFETCH(QFile::Permissions, runtimeMode);
    QFETCH(bool, runtimeUsed);
    QTemporaryDir home;
    const QString runtimeDir = runtime.isEmpty() ? QString() : QDir(home.path()).filePath(runtime);
    if (!runtimeDir.isEmpty()) {
        QVERIFY(QDir().mkpath(runtimeDir));
        QVERIFY(QFile::setPermissions(runtimeDir, runtimeMode));
    }
    const QString cache = QDir(home.path()).filePath(u"cache"_s);
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray oldCache = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache));
    const QString directory = CSingleInstance::DefaultDirectory();
    qputenv("XDG_RUNTIME_DIR", oldRuntime);
    qputenv("XDG_CACHE_HOME", oldCache);

    if (runtimeUsed) {
        QCOMPARE(directory, runtimeDir);
        return;
    }
    QVERIFY2(directory.startsWith(cache + u'/'), qPrintable(directory));
    CSingleInstance instance(directory);
    QCOMPARE(instance.TryAcquire(), EResult::Acquired);
    QCOMPARE(QFileInfo(directory).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestSingleInstance::aLockThatCannotBeMadeIsAFailureNotASecondCopy()
{
    QTemporaryDir dir;
    const QString notAFolder = QDir(dir.path()).filePath(u"file"_s);
    QFile file(notAFolder);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    CSingleInstance instance(QDir(notAFolder).filePath(u"run"_s));
    QCOMPARE(instance.TryAcquire(), EResult::Failed);
    QVERIFY(!instance.IsHeld());
    QVERIFY(instance.ErrorText().contains(instance.LockPath()));
}

void TestSingleInstance::aFileIsHandedToTheCopyThatListensBesideTheLock()
{
    QTemporaryDir dir;
    CSingleInstance lock(dir.path());
    QCOMPARE(lock.TryAcquire(), EResult::Acquired);
    QCOMPARE(QFileInfo(lock.SocketPath()).absolutePath(), QFileInfo(lock.LockPath()).absolutePath());
    // Nobody listens: the second start gives up and ends as before.
    QVERIFY(!CFileHandOver::Send(lock.SocketPath(), u"/home/op/radio.vlk"_s, 1000));

    // A socket left behind by a copy that died does not stop the next one from listening.
    QFile stale(lock.SocketPath());
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();
    CFileHandOver handOver(lock.SocketPath());
    QVERIFY(handOver.Listen());
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(QFileInfo(lock.SocketPath()).permissions() & others, QFile::Permissions());

    // The second start waits for the answer on a thread of its own, as another process would; this one
    // answers from its event loop.
    QSignalSpy received(&handOver, &CFileHandOver::FileReceived);
    const QString path = u"/home/op/Funk \u00e4 radio.vlk"_s;
    std::atomic<int> sent{-1};
    std::thread second([&] { sent = CFileHandOver::Send(lock.SocketPath(), path, 30000) ? 1 : 0; });
    QTRY_COMPARE_WITH_TIMEOUT(sent.load(), 1, 30000);
    second.join();
    QTRY_COMPARE(received.size(), 1);
    QCOMPARE(received.at(0).at(0).toString(), path);
}

ZQ_GUI_TEST(TestSingleInstance)

#include "tst_single_instance.moc"
