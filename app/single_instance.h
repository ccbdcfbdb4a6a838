#pragma once

#include <QLockFile>
#include <QString>

// The rule that one copy of the program runs per user: a lock file named after the mutex
// "ZQL52 APP Exclusive Mutex" in the user's runtime folder, or in a private folder of the user's own
// when there is no usable runtime folder (never in a folder other users can write to). A lock left
// behind by a copy that died is recognised by its process id and taken over, so a crash never blocks
// the next start.
class CSingleInstance
{
public:
    enum class EResult
    {
        // This copy holds the lock.
        Acquired,
        // Another running copy holds it.
        HeldByAnother,
        // The lock could not be taken for another reason (see ErrorText).
        Failed,
    };

    // The lock in the user's runtime folder.
    CSingleInstance();
    // The lock in another folder, for tests and throw-away settings.
    explicit CSingleInstance(const QString& directory);
    ~CSingleInstance();

    CSingleInstance(const CSingleInstance&) = delete;
    CSingleInstance& operator=(const CSingleInstance&) = delete;

    // A folder it creates for the lock is made private to the user (mode 0700).
    EResult TryAcquire();
    bool IsHeld() const;
    void Release();
    QString LockPath() const;
    // The local socket beside the lock through which a second start hands its file to the running copy.
    QString SocketPath() const;
    // Why the last TryAcquire failed, in plain words; empty unless it answered Failed.
    QString ErrorText() const { return m_errorText; }

    // The runtime folder, or else a private folder in the user's cache folder.
    static QString DefaultDirectory();

private:
    QString m_path;
    QLockFile m_lock;
    QString m_errorText;
};
