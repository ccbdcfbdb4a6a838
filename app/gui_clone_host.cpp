#include "app/gui_clone_host.h"

#include "clone/dialogs/clone_progress_dlg.h"
#include "clone/serial_port.h"
#include "res/load_string.h"

#include <QWidget>
#include <cerrno>

CGuiCloneHost::CGuiCloneHost(ITonePlayer& tones, StatusSink status, QWidget* owner)
    : m_tones(tones), m_status(std::move(status)), m_owner(owner)
{
}

std::unique_ptr<ICloneProgress> CGuiCloneHost::CreateProgress()
{
    auto dialog = std::make_unique<CCloneProgressDlg>();
    dialog->SetOperation(m_lastStatus);
    if (!dialog->Create(m_owner.data())) {
        return nullptr;
    }
    return dialog;
}

void CGuiCloneHost::ShowStatus(std::string_view text)
{
    m_lastStatus = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (m_status) {
        m_status(m_lastStatus);
    }
}

QString PortAccessHint(const CSerialPort& port)
{
    if (port.LastError() != EACCES) {
        return QString();
    }
    return LoadString(ids::kSerialPermissionHint).arg(QString::fromStdString(port.GetDevicePath()));
}
