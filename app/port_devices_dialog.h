#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <array>
#include <functional>

class ISettingsStore;
class QComboBox;

// Which serial device each of the port slots COM1 to COM4 stands for. Each slot offers the serial
// devices the system reports, under their stable names (/dev/serial/by-id/...) where the system has
// them, and takes any typed path; it lists them again when a device comes or goes; OK stores the four paths
// ("CommPort"/"Device1" to "Device4"), an empty one meaning the slot's default device.
class CPortDevicesDlg : public QDialog
{
    Q_OBJECT

public:
    struct SDetected
    {
        QString path;
        QString description;
    };

    // Where the devices a slot offers come from; the dialog shows them sorted by path.
    using DeviceLister = std::function<QList<SDetected>()>;

    explicit CPortDevicesDlg(ISettingsStore& settings, QWidget* parent = nullptr,
                             const DeviceLister& listDevices = DetectedDevices);

    // The serial devices the system reports now: a USB device under its stable name, described by its
    // maker, product and serial number.
    static QList<SDetected> DetectedDevices();

    // The device path of slot 1 to 4 as currently chosen.
    QString Device(unsigned slot) const;
    void SetDevice(unsigned slot, const QString& path);

    void accept() override;

    // Lists the devices again, as when a cable is plugged in or pulled while the dialog is open; what
    // each slot shows stays as it is.
    void RefreshDevices();

private:
    QComboBox* Combo(unsigned slot) const;

    ISettingsStore& m_settings;
    DeviceLister m_listDevices;
    std::array<QComboBox*, 4> m_combos{};
};
