#pragma once

#include "app/port_devices_dialog.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <memory>

class CCloneSession;
class CGuiCloneHost;
class ISettingsStore;
class ITonePlayer;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QLineEdit;
class QPlainTextEdit;

// The transceiver profile setup: reads the information block of the connected transceiver and keeps its
// three version bytes ("SetupInfo"/"0000" to "0003"), with the port ("CommPort"/"PortNumber") and the
// operator's call sign ("SetupInfo"/"CallSign"). A failed read leaves the dialog open for another try;
// Cancel keeps the port and the call sign only. Without a transceiver at hand the operator may choose the
// destination, the coverage level and the 50 MHz band instead; OK then keeps them as a read would, and
// the other option flags as they were stored.
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
    // The version chosen by hand: destination, coverage level and option flags.
    std::array<uint8_t, 3> ChosenVersion() const;
    QString StatusText() const;

    // OK: the information read.
    void accept() override;
    // Cancel, Escape, the close button.
    void reject() override;

private:
    void Store(bool withVersion);
    void StoreVersion(const std::array<uint8_t, 3>& version);
    void CreateVersionChoice();
    void EnableVersionChoice();
    void EditPortDevices();
    void RefreshPortTips();

    ISettingsStore& m_settings;
    CCloneSession& m_session;
    std::unique_ptr<CGuiCloneHost> m_host;
    QPlainTextEdit* m_intro;
    QComboBox* m_port;
    QLineEdit* m_callSign;
    QLabel* m_status;
    QRadioButton* m_readVersion = nullptr;
    QRadioButton* m_chooseVersion = nullptr;
    QComboBox* m_destination = nullptr;
    QComboBox* m_coverage = nullptr;
    QCheckBox* m_band50 = nullptr;
    // The option flags stored before, whose other bits a choice by hand keeps.
    uint8_t m_storedFlags = 0;
    CPortDevicesDlg::DeviceLister m_serialDevices = CPortDevicesDlg::DetectedDevices;
};

// The text without its trailing blanks.
QString WithoutTrailingBlanks(const QString& text);
