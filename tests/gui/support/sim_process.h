#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The virtual transceiver (zql52-cli sim) on a pseudo-terminal reached through a symbolic link, for tests
// that clone. It is stopped with SIGTERM and reaped when the object goes, also after a failed assertion.
class CSimProcess
{
public:
    CSimProcess() = default;
    ~CSimProcess();
    CSimProcess(const CSimProcess&) = delete;
    CSimProcess& operator=(const CSimProcess&) = delete;

    // Starts it with --link linkPath and the extra arguments (e.g. "--version", "5,0,2") and waits for the
    // device line it prints first. False when it did not come up.
    bool Start(const QString& linkPath, const QStringList& arguments = {});
    void Stop();
    QString Device() const { return m_device; }
    QString LinkPath() const { return m_link; }
    QString ErrorOutput();

private:
    QProcess m_process;
    QString m_link;
    QString m_device;
};
