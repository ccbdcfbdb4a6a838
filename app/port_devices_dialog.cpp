#include "app/port_devices_dialog.h"

#include "clone/port_map.h"
#include "core/settings_store.h"
#include "res/load_string.h"
#include "ui/widgets/dialog_buttons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kMinimumComboCharacters = 40;

} // namespace

CPortDevicesDlg::CPortDevicesDlg(ISettingsStore& settings, QWidget* parent, const DeviceLister& listDevices)
    : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("portDevicesDialog"));
    setWindowTitle(LoadString(ids::kPortDevicesCaption));

    auto* intro = new QLabel(LoadString(ids::kPortDevicesIntro), this);
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);

    QList<SDetected> detected = listDevices();
    std::sort(detected.begin(), detected.end(),
              [](const SDetected& a, const SDetected& b) { return a.path < b.path; });
    auto* form = new QFormLayout;
    for (unsigned slot = kFirstPortSlot; slot <= kLastPortSlot; ++slot) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("deviceCombo%1").arg(slot));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMinimumContentsLength(kMinimumComboCharacters);
        for (const SDetected& device : detected) {
            const QString text =
                device.description.isEmpty()
                    ? device.path
                    : LoadString(ids::kDetectedDeviceFormat).arg(device.path, device.description);
            combo->addItem(text, device.path);
        }
        const std::string stored = ResolvePortDevice(PortSlotName(slot), &m_settings);
        combo->setCurrentIndex(-1);
        combo->setEditText(QString::fromStdString(stored));
        m_combos.at(slot - kFirstPortSlot) = combo;

        auto* label = new QLabel(LoadString(ids::kPortName1 + static_cast<int>(slot - kFirstPortSlot)), this);
        label->setBuddy(combo);
        form->addRow(label, combo);
    }

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
        devices.append({info.systemLocation(), info.description()});
    }
    return devices;
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
