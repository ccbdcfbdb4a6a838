#include "app/port_devices_dialog.h"

#include "clone/port_map.h"
#include "core/settings_store.h"
#include "res/load_string.h"
#include "ui/widgets/dialog_buttons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kMinimumComboCharacters = 60;

// The folder of the stable device names, and the folder where new devices appear.
const QString kStableNames = QStringLiteral("/dev/serial/by-id");
const QString kDevices = QStringLiteral("/dev");

// The stable name leading to `device`, or the device itself.
QString StableName(const QString& device)
{
    const QDir folder(kStableNames);
    for (const QFileInfo& link : folder.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        if (link.canonicalFilePath() == QFileInfo(device).canonicalFilePath()) {
            return link.absoluteFilePath();
        }
    }
    return device;
}

// "FTDI FT232R USB UART A10KZ3F1": maker, product and serial number, as far as the system knows them.
QString DescriptionOf(const QSerialPortInfo& info)
{
    QStringList parts;
    for (const QString& part : {info.manufacturer(), info.description(), info.serialNumber()}) {
        if (!part.isEmpty() && !parts.contains(part)) {
            parts.append(part);
        }
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

CPortDevicesDlg::CPortDevicesDlg(ISettingsStore& settings, QWidget* parent, const DeviceLister& listDevices)
    : QDialog(parent), m_settings(settings), m_listDevices(listDevices)
{
    setObjectName(QStringLiteral("portDevicesDialog"));
    setWindowTitle(LoadString(ids::kPortDevicesCaption));

    auto* intro = new QLabel(LoadString(ids::kPortDevicesIntro), this);
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);

    auto* form = new QFormLayout;
    for (unsigned slot = kFirstPortSlot; slot <= kLastPortSlot; ++slot) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("deviceCombo%1").arg(slot));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMinimumContentsLength(kMinimumComboCharacters);
        m_combos.at(slot - kFirstPortSlot) = combo;

        const int offset = static_cast<int>(slot - kFirstPortSlot);
        auto* label = new QLabel(LoadString(ids::kPortDevicesLabel1 + offset), this);
        label->setBuddy(combo);
        // The field inside the list is what takes the focus; the label names only the list.
        combo->lineEdit()->setAccessibleName(LoadString(ids::kPortName1 + offset));
        form->addRow(label, combo);
    }

    RefreshDevices();
    for (unsigned slot = kFirstPortSlot; slot <= kLastPortSlot; ++slot) {
        SetDevice(slot, QString::fromStdString(ResolvePortDevice(PortSlotName(slot), &m_settings)));
    }
    // A cable plugged in adds its stable name (and its folder, with the first one) and a device node.
    auto* watcher = new QFileSystemWatcher(this);
    for (const QString& folder : {kStableNames, QFileInfo(kStableNames).path(), kDevices}) {
        if (QFileInfo::exists(folder)) {
            watcher->addPath(folder);
        }
    }
    connect(watcher, &QFileSystemWatcher::directoryChanged, this, [this, watcher] {
        if (QFileInfo::exists(kStableNames) && !watcher->directories().contains(kStableNames)) {
            watcher->addPath(kStableNames);
        }
        RefreshDevices();
    });

    QDialogButtonBox* buttons = CreateDialogButtons(this, EDialogButtons::OkCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QList<CPortDevicesDlg::SDetected> CPortDevicesDlg::DetectedDevices()
{
    QList<SDetected> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        devices.append({StableName(info.systemLocation()), DescriptionOf(info)});
    }
    return devices;
}

void CPortDevicesDlg::RefreshDevices()
{
    QList<SDetected> detected = m_listDevices();
    std::sort(detected.begin(), detected.end(),
              [](const SDetected& a, const SDetected& b) { return a.path < b.path; });
    for (QComboBox* combo : m_combos) {
        const QString shown = combo->currentText();
        combo->clear();
        for (const SDetected& device : detected) {
            const QString text =
                device.description.isEmpty()
                    ? device.path
                    : LoadString(ids::kDetectedDeviceFormat).arg(device.path, device.description);
            combo->addItem(text, device.path);
        }
        combo->setCurrentIndex(-1);
        combo->setEditText(shown);
    }
}

QComboBox* CPortDevicesDlg::Combo(unsigned slot) const
{
    if (slot < kFirstPortSlot || slot > kLastPortSlot) {
        return nullptr;
    }
    return m_combos.at(slot - kFirstPortSlot);
}

QString CPortDevicesDlg::Device(unsigned slot) const
{
    const QComboBox* combo = Combo(slot);
    if (combo == nullptr) {
        return QString();
    }
    // A picked entry shows the device's description too; the path is what the slot keeps.
    const QString text = combo->currentText().trimmed();
    const int index = combo->findText(text);
    return index >= 0 ? combo->itemData(index, kPathRole).toString() : text;
}

void CPortDevicesDlg::SetDevice(unsigned slot, const QString& path)
{
    if (QComboBox* combo = Combo(slot)) {
        combo->setCurrentIndex(-1);
        combo->setEditText(path);
    }
}

void CPortDevicesDlg::accept()
{
    for (unsigned slot = kFirstPortSlot; slot <= kLastPortSlot; ++slot) {
        m_settings.SetString(settings::kCommPort, PortDeviceValueName(slot), Device(slot).toStdString());
    }
    QDialog::accept();
}
