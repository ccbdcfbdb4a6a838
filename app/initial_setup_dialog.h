#pragma once

#include "app/port_devices_dialog.h"

#include <QDialog>
#include <memory>

class CCloneSession;
class CGuiCloneHost;
class ISettingsStore;
class ITonePlayer;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The transceiver profile setup: reads the information block of the connected transceiver and keeps its
// three version bytes ("SetupInfo"/"0000" to "0003"), with the port ("CommPort"/"PortNumber") and the
// operator's call sign ("SetupInfo"/"CallSign"). A failed read leaves the dialog open for another try;
// Cancel keeps the port and the call sign only.
class CInitialSetupDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kCallSignLength = 20;

    // The session is used for the information read only; the settings store and the tone player must
    // outlive the dialog.
    CInitialSetupDlg(ISettingsStore& settings, CCloneSession& session, ITonePlayer& tones,
                     QWidget* parent = nullptr);
    ~CInitialSetupDlg() override;

    // Where the Port Devices dialog learns of the serial devices; the system's list by default.
    void SetSerialDevices(CPortDevicesDlg::DeviceLister devices) { m_serialDevices = std::move(devices); }

    // The port chosen in the list, 1 to 4.
    unsigned SelectedPort() const;
    QString StatusText() const;

    // OK: the information read.
    void accept() override;
    // Cancel, Escape, the close button.
    void reject() override;

private:
    void Store(bool withVersion);
    void EditPortDevices();
    void RefreshPortTips();

    ISettingsStore& m_settings;
    CCloneSession& m_session;
    std::unique_ptr<CGuiCloneHost> m_host;
    QPlainTextEdit* m_intro;
    QComboBox* m_port;
    QLineEdit* m_callSign;
    QLabel* m_status;
    CPortDevicesDlg::DeviceLister m_serialDevices = CPortDevicesDlg::DetectedDevices;
};

// The text without its trailing blanks.
QString WithoutTrailingBlanks(const QString& text);
