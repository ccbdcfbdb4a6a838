#include "app/initial_setup_dialog.h"

#include "app/gui_clone_host.h"
#include "app/port_devices_dialog.h"
#include "channels/command_keys.h"
#include "clone/clone_session.h"
#include "clone/port_map.h"
#include "core/settings_store.h"
#include "res/icons.h"
#include "res/load_string.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/wait_cursor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kPictureHeight = 120;
// The introduction is about 60 characters wide and 14 lines high, like the dialog it comes from.
constexpr int kIntroColumns = 64;
constexpr int kIntroLines = 14;

// What a transceiver reports without a setup: destination 5, level 0, no option flags.
constexpr int kDefaultDestination = 5;
constexpr int kCoverageLevels = 3;
constexpr uint8_t kFlag50MHz = 2;

} // namespace

QString WithoutTrailingBlanks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' ')) {
        --end;
    }
    return text.left(end);
}

CInitialSetupDlg::CInitialSetupDlg(ISettingsStore& settings, CCloneSession& session, ITonePlayer& tones,
                                   QWidget* parent)
    : QDialog(parent), m_settings(settings), m_session(session), m_intro(new QPlainTextEdit(this)),
      m_port(new QComboBox(this)), m_callSign(new QLineEdit(this)), m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("initialSetupDialog"));
    setWindowTitle(LoadString(ids::kSetupCaption));

    m_host = std::make_unique<CGuiCloneHost>(tones, [this](const QString& text) { m_status->setText(text); });
    m_session.SetHost(m_host.get());
    m_session.SetPort(
        static_cast<unsigned>(m_settings.GetInt(settings::kCommPort, settings::kPortNumber, 1)));

    QString intro = LoadString(ids::kSetupIntroduction);
    intro.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_intro->setObjectName(QStringLiteral("introText"));
    m_intro->setReadOnly(true);
    // Reached with Tab and read line by line with the arrow keys, as a screen reader needs.
    m_intro->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_intro->setFocusPolicy(Qt::StrongFocus);
    m_intro->setAccessibleName(LoadString(ids::kAccSetupInstructions));
    m_intro->setPlainText(intro);
    m_intro->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const QFontMetrics metrics(m_intro->font());
    m_intro->setMinimumSize(metrics.averageCharWidth() * kIntroColumns, metrics.lineSpacing() * kIntroLines);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("setupPicture"));
    picture->setPixmap(TransceiverPicture(kPictureHeight, devicePixelRatioF()));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* portLabel = new QLabel(LoadString(ids::kComPortLabel), this);
    m_port->setObjectName(QStringLiteral("portCombo"));
    for (unsigned slot = kFirstPortSlot; slot <= kLastPortSlot; ++slot) {
        m_port->addItem(LoadString(ids::kPortName1 + static_cast<int>(slot - kFirstPortSlot)));
    }
    const int stored = static_cast<int>(m_session.GetPort()) - static_cast<int>(kFirstPortSlot);
    m_port->setCurrentIndex(std::clamp(stored, 0, m_port->count() - 1));
    portLabel->setBuddy(m_port);
    RefreshPortTips();

    auto* devices = new QPushButton(LoadString(ids::kSetupDevicesButton), this);
    devices->setObjectName(QStringLiteral("devicesButton"));
    devices->setAutoDefault(false);
    connect(devices, &QPushButton::clicked, this, &CInitialSetupDlg::EditPortDevices);

    auto* callSignLabel = new QLabel(LoadString(ids::kCallSignLabel), this);
    m_callSign->setObjectName(QStringLiteral("callSignEdit"));
    m_callSign->setMaxLength(kCallSignLength);
    m_callSign->setText(WithoutTrailingBlanks(
        QString::fromStdString(m_settings.GetString(settings::kSetupInfo, settings::kCallSign, ""))));
    callSignLabel->setBuddy(m_callSign);

    m_status->setObjectName(QStringLiteral("statusText"));
    m_status->setTextFormat(Qt::PlainText);

    CreateVersionChoice();
    auto* version = new QGroupBox(LoadString(ids::kSetupVersionBox), this);
    version->setObjectName(QStringLiteral("versionBox"));
    auto* versionFields = new QGridLayout(version);
    auto* destinationLabel = new QLabel(LoadString(ids::kSetupDestinationLabel), version);
    destinationLabel->setBuddy(m_destination);
    auto* coverageLabel = new QLabel(LoadString(ids::kSetupCoverageLabel), version);
    coverageLabel->setBuddy(m_coverage);
    versionFields->addWidget(m_readVersion, 0, 0, 1, 4);
    versionFields->addWidget(m_chooseVersion, 1, 0, 1, 4);
    versionFields->addWidget(destinationLabel, 2, 1);
    versionFields->addWidget(m_destination, 2, 2);
    versionFields->addWidget(coverageLabel, 3, 1);
    versionFields->addWidget(m_coverage, 3, 2);
    versionFields->addWidget(m_band50, 4, 1, 1, 2);
    versionFields->setColumnMinimumWidth(0, QFontMetrics(font()).averageCharWidth() * 2);
    versionFields->setColumnStretch(3, 1);

    QDialogButtonBox* buttons = CreateDialogButtons(this, EDialogButtons::OkCancel);

    auto* fields = new QGridLayout;
    fields->addWidget(portLabel, 0, 0);
    fields->addWidget(m_port, 0, 1);
    fields->addWidget(devices, 0, 2);
    fields->addWidget(callSignLabel, 1, 0);
    fields->addWidget(m_callSign, 1, 1, 1, 2);
    fields->setColumnStretch(3, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(m_intro, 1);
    right->addLayout(fields);
    right->addWidget(version);
    right->addWidget(m_status);
    right->addWidget(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picture);
    layout->addLayout(right, 1);

    m_callSign->setFocus();
}

CInitialSetupDlg::~CInitialSetupDlg()
{
    m_session.SetHost(nullptr);
}

unsigned CInitialSetupDlg::SelectedPort() const
{
    return static_cast<unsigned>(m_port->currentIndex() + static_cast<int>(kFirstPortSlot));
}

QString CInitialSetupDlg::StatusText() const
{
    return m_status->text();
}

void CInitialSetupDlg::CreateVersionChoice()
{
    m_readVersion = new QRadioButton(LoadString(ids::kSetupReadVersion), this);
    m_readVersion->setObjectName(QStringLiteral("readVersionButton"));
    m_chooseVersion = new QRadioButton(LoadString(ids::kSetupChooseVersion), this);
    m_chooseVersion->setObjectName(QStringLiteral("chooseVersionButton"));
    auto* group = new QButtonGroup(this);
    group->addButton(m_readVersion);
    group->addButton(m_chooseVersion);
    m_readVersion->setChecked(true);

    m_destination = new QComboBox(this);
    m_destination->setObjectName(QStringLiteral("destinationCombo"));
    for (size_t index = 0; index < keys::kCountries.size(); ++index) {
        m_destination->addItem(
            LoadString(ids::kSetupDestinationFormat)
                .arg(index)
                .arg(QString::fromLatin1(keys::kCountries[index].data(),
                                         static_cast<qsizetype>(keys::kCountries[index].size()))));
    }
    m_coverage = new QComboBox(this);
    m_coverage->setObjectName(QStringLiteral("coverageCombo"));
    for (int level = 0; level < kCoverageLevels; ++level) {
        m_coverage->addItem(QString::number(level));
    }
    m_band50 = new QCheckBox(LoadString(ids::kSetupBand50), this);
    m_band50->setObjectName(QStringLiteral("band50Check"));

    // The choice starts from the stored version, or from what a new document uses without one.
    int destination = kDefaultDestination;
    int level = 0;
    if (m_settings.GetInt(settings::kSetupInfo, settings::kSetupDone, 0) != 0) {
        destination = m_settings.GetInt(settings::kSetupInfo, settings::kDestination, kDefaultDestination);
        level = m_settings.GetInt(settings::kSetupInfo, settings::kExpandLevel, 0);
        m_storedFlags =
            static_cast<uint8_t>(m_settings.GetInt(settings::kSetupInfo, settings::kOptionFlags, 0));
    }
    m_destination->setCurrentIndex(std::clamp(destination, 0, m_destination->count() - 1));
    m_coverage->setCurrentIndex(std::clamp(level, 0, m_coverage->count() - 1));
    m_band50->setChecked((m_storedFlags & kFlag50MHz) != 0);

    connect(m_chooseVersion, &QRadioButton::toggled, this, &CInitialSetupDlg::EnableVersionChoice);
    EnableVersionChoice();
}

void CInitialSetupDlg::EnableVersionChoice()
{
    const bool byHand = m_chooseVersion->isChecked();
    m_destination->setEnabled(byHand);
    m_coverage->setEnabled(byHand);
    m_band50->setEnabled(byHand);
}

std::array<uint8_t, 3> CInitialSetupDlg::ChosenVersion() const
{
    const auto flags =
        static_cast<uint8_t>((m_storedFlags & ~kFlag50MHz) | (m_band50->isChecked() ? kFlag50MHz : 0));
    return {static_cast<uint8_t>(m_destination->currentIndex()),
            static_cast<uint8_t>(m_coverage->currentIndex()), flags};
}

void CInitialSetupDlg::accept()
{
    m_session.SetPort(SelectedPort());
    if (m_chooseVersion->isChecked()) {
        StoreVersion(ChosenVersion());
        Store(false);
        QDialog::accept();
        return;
    }
    int outcome = clone_outcome::kSuccess;
    {
        CWaitCursor wait;
        outcome = m_session.ReadInformation();
    }
    m_session.BeepResult(outcome == clone_outcome::kSuccess);
    if (outcome == clone_outcome::kSuccess) {
        Store(true);
        QDialog::accept();
        return;
    }
    m_status->setText(LoadString(ids::kIllegalInformation));
    QString message = LoadString(ids::kCheckPortCableSoftware);
    if (const QString hint = PortAccessHint(m_session); !hint.isEmpty()) {
        message += QStringLiteral("\n\n") + hint;
    }
    MessageBox::Show(this, message, MessageBox::Buttons::Ok, MessageBox::Icon::Warning);
    Store(false);
}

void CInitialSetupDlg::reject()
{
    m_session.SetPort(SelectedPort());
    Store(false);
    QDialog::reject();
}

void CInitialSetupDlg::Store(bool withVersion)
{
    if (withVersion) {
        const STransceiverInformation& information = m_session.GetInformation();
        StoreVersion({information.bytes[0], information.bytes[1], information.bytes[2]});
    }
    QString callSign = m_callSign->text();
    if (WithoutTrailingBlanks(callSign).isEmpty()) {
        callSign = LoadString(ids::kBlankCallSign);
    }
    m_settings.SetString(settings::kSetupInfo, settings::kCallSign, callSign.toStdString());
    m_settings.SetInt(settings::kCommPort, settings::kPortNumber, static_cast<int>(SelectedPort()));
}

void CInitialSetupDlg::StoreVersion(const std::array<uint8_t, 3>& version)
{
    m_settings.SetInt(settings::kSetupInfo, settings::kSetupDone, 1);
    m_settings.SetInt(settings::kSetupInfo, settings::kDestination, version[0]);
    m_settings.SetInt(settings::kSetupInfo, settings::kExpandLevel, version[1]);
    m_settings.SetInt(settings::kSetupInfo, settings::kOptionFlags, version[2]);
}

void CInitialSetupDlg::EditPortDevices()
{
    CPortDevicesDlg dialog(m_settings, this, m_serialDevices);
    if (dialog.exec() == QDialog::Accepted) {
        RefreshPortTips();
    }
}

void CInitialSetupDlg::RefreshPortTips()
{
    for (int index = 0; index < m_port->count(); ++index) {
        const std::string name = PortSlotName(static_cast<unsigned>(index) + kFirstPortSlot);
        const QString device = QString::fromStdString(ResolvePortDevice(name, &m_settings));
        m_port->setItemData(index,
                            LoadString(ids::kPortDeviceFormat).arg(QString::fromStdString(name), device),
                            Qt::ToolTipRole);
    }
}
