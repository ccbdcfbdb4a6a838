#pragma once

#include "../../support/sim_process.h"

#include <QString>
#include <QStringList>

// The virtual transceiver (zql52-cli sim) on a pseudo-terminal reached through a symbolic link, for tests
// that clone: the shared launcher with Qt's strings. It is stopped with SIGTERM and reaped when the object
// goes, also after a failed assertion.
class CQtSimProcess
{
public:
    // Starts it with --link linkPath and the extra arguments (e.g. "--version", "5,0,2") and waits for the
    // device line it prints first. False when it did not come up.
    bool Start(const QString& linkPath, const QStringList& arguments = {});
    void Stop() { m_process.Stop(); }
    QString Device() const { return QString::fromStdString(m_process.Device()); }
    QString LinkPath() const { return m_link; }
    QString ErrorOutput() const { return QString::fromStdString(m_process.Diagnostics()); }

private:
    CSimProcess m_process;
    QString m_link;
};
