#include "app/single_instance.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const kMutexName = "ZQL52 APP Exclusive Mutex";
constexpr qint64 kUnreadableLockAgeMs = 5000;
// Below the user's cache folder when there is no runtime folder.
const char* const kPrivateFolder = "Velk/ZQ-L52";

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

// A real folder (not a link) of this user that nobody else may enter.
bool IsPrivateFolder(const QString& path)
{
    struct stat status
    {
    };
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

QString LockPathIn(const QString& directory)
{
    return QDir(directory).filePath(QString::fromLatin1(kMutexName) + QStringLiteral(".lock"));
}

QString SocketPathIn(const QString& directory)
{
    return QDir(directory).filePath(QString::fromLatin1(kMutexName) + QStringLiteral(".socket"));
}

} // namespace

CSingleInstance::CSingleInstance() : CSingleInstance(DefaultDirectory()) {}

CSingleInstance::CSingleInstance(const QString& directory) : m_path(LockPathIn(directory)), m_lock(m_path)
{
    // Only a dead owner makes the lock stale: a copy that has run for days still holds it.
    m_lock.setStaleLockTime(0);
}

CSingleInstance::~CSingleInstance()
{
    Release();
}

CSingleInstance::EResult CSingleInstance::TryAcquire()
{
    m_errorText.clear();
    if (m_lock.isLocked()) {
        return EResult::Acquired;
    }
    if (const QString folder = QFileInfo(m_path).absolutePath(); !QFileInfo::exists(folder)) {
        // When this fails, making the lock file in it fails too, and that is what is reported.
        if (QDir().mkpath(folder)) {
            QFile::setPermissions(folder, kOwnerOnly);
        }
    }
    if (m_lock.tryLock(0)) {
        return EResult::Acquired;
    }
    if (m_lock.error() == QLockFile::LockFailedError) {
        // A copy writes its process id right after creating the file. A file that still names no
        // process after a while was left by a copy that died in between, and would otherwise block
        // every start.
        qint64 pid = 0;
        QString hostName;
        QString application;
        const QDateTime modified = QFileInfo(m_path).lastModified();
        if (!m_lock.getLockInfo(&pid, &hostName, &application) && modified.isValid() &&
            modified.msecsTo(QDateTime::currentDateTime()) > kUnreadableLockAgeMs) {
            m_lock.removeStaleLockFile();
            if (m_lock.tryLock(0)) {
                return EResult::Acquired;
            }
        }
        if (m_lock.error() == QLockFile::LockFailedError) {
            return EResult::HeldByAnother;
        }
    }
    m_errorText = m_lock.error() == QLockFile::PermissionError
                      ? QStringLiteral("no permission to create %1").arg(m_path)
                      : QStringLiteral("cannot create %1").arg(m_path);
    return EResult::Failed;
}

bool CSingleInstance::IsHeld() const
{
    return m_lock.isLocked();
}

void CSingleInstance::Release()
{
    if (m_lock.isLocked()) {
        m_lock.unlock();
    }
}

QString CSingleInstance::LockPath() const
{
    return m_path;
}

QString CSingleInstance::SocketPath() const
{
    return SocketPathIn(QFileInfo(m_path).absolutePath());
}

QString CSingleInstance::DefaultDirectory()
{
    // XDG_RUNTIME_DIR is per user and emptied at log-out. Without a usable one, never the shared
    // temporary folder: another user could plant the lock file there and keep the program from starting.
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && IsPrivateFolder(runtime)) {
        return runtime;
    }
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
        .filePath(QString::fromLatin1(kPrivateFolder));
}
