#include "sim_process.h"

#include <QDeadlineTimer>
#include <QFileInfo>

namespace {

constexpr int kStartTimeoutMs = 20000;
constexpr int kStopTimeoutMs = 10000;

} // namespace

CSimProcess::~CSimProcess()
{
    Stop();
}

bool CSimProcess::Start(const QString& linkPath, const QStringList& arguments)
{
    m_link = linkPath;
    QStringList all = {QStringLiteral("sim"), QStringLiteral("--link"), linkPath};
    all += arguments;
    m_process.setProgram(QStringLiteral(ZQ_CLI_PATH));
    m_process.setArguments(all);
    m_process.start(QIODevice::ReadOnly);
    if (!m_process.waitForStarted(kStartTimeoutMs)) {
        return false;
    }
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!m_process.canReadLine()) {
        if (deadline.hasExpired() || m_process.state() != QProcess::Running) {
            return false;
        }
        m_process.waitForReadyRead(100);
    }
    m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    // The link appears before the device line is printed; wait for it all the same.
    while (!QFileInfo::exists(linkPath)) {
        if (deadline.hasExpired()) {
            return false;
        }
        m_process.waitForReadyRead(20);
    }
    return !m_device.isEmpty();
}

void CSimProcess::Stop()
{
    if (m_process.state() == QProcess::NotRunning) {
        return;
    }
    m_process.terminate();
    if (!m_process.waitForFinished(kStopTimeoutMs)) {
        m_process.kill();
        m_process.waitForFinished(kStopTimeoutMs);
    }
}

QString CSimProcess::ErrorOutput()
{
    return QString::fromLocal8Bit(m_process.readAllStandardError());
}
