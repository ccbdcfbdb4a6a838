#pragma once

#include <QLockFile>
#include <QString>

// The rule that one copy of the program runs per user: a lock file named after the mutex
// "ZQL52 APP Exclusive Mutex" in the user's runtime folder. A lock left behind by a copy that died is
// recognised by its process id and taken over, so a crash never blocks the next start.
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

    // True when this copy holds the lock afterwards; false while another living copy holds it.
    EResult TryAcquire();
    bool IsHeld() const;
    void Release();
    QString LockPath() const;
    // Why the last TryAcquire failed, in plain words; empty unless it answered Failed.
    QString ErrorText() const { return m_errorText; }

    static QString DefaultDirectory();

private:
    QString m_path;
    QLockFile m_lock;
    QString m_errorText;
};
