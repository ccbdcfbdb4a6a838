#pragma once

#include "clone/clone_ui.h"

#include <QPointer>
#include <QString>
#include <functional>

class CSerialPort;
class QWidget;

// The clone session's surroundings in the desktop program: the progress window over the owner window,
// status texts to whoever shows them (the main frame's message pane, the setup dialog's status line), and
// the tone player.
class CGuiCloneHost : public ICloneHost
{
public:
    using StatusSink = std::function<void(const QString& text)>;

    CGuiCloneHost(ITonePlayer& tones, StatusSink status, QWidget* owner = nullptr);

    void SetOwner(QWidget* owner) { m_owner = owner; }

    std::unique_ptr<ICloneProgress> CreateProgress() override;
    void ShowStatus(std::string_view text) override;
    ITonePlayer& Tones() override { return m_tones; }

private:
    ITonePlayer& m_tones;
    StatusSink m_status;
    QPointer<QWidget> m_owner;
    // The operation's text the session showed last, for the progress window.
    QString m_lastStatus;
};

// What to add to the port message when the port's device could not be opened for a reason the user can
// mend: empty unless the device exists but this user may not open it.
QString PortAccessHint(const CSerialPort& port);
