#pragma once

#include <QLockFile>
#include <QString>

// The rule that one copy of the program runs per user: a lock file named after the mutex
// "ZQL52 APP Exclusive Mutex" in the user's runtime folder. A lock left behind by a copy that died is
// recognised by its process id and taken over, so a crash never blocks the next start.
class CSingleInstance
{
public:
    // The lock in the user's runtime folder.
    CSingleInstance();
    // The lock in another folder, for tests and throw-away settings.
    explicit CSingleInstance(const QString& directory);
    ~CSingleInstance();

    CSingleInstance(const CSingleInstance&) = delete;
    CSingleInstance& operator=(const CSingleInstance&) = delete;

    // True when this copy holds the lock afterwards; false while another living copy holds it.
    bool TryAcquire();
    bool IsHeld() const;
    void Release();
    QString LockPath() const;

    static QString DefaultDirectory();

private:
    QString m_path;
    QLockFile m_lock;
};
