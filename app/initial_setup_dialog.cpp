#include "app/initial_setup_dialog.h"

#include "app/gui_clone_host.h"
#include "app/port_devices_dialog.h"
#include "clone/clone_session.h"
#include "clone/port_map.h"
#include "core/settings_store.h"
#include "res/icons.h"
#include "res/load_string.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/wait_cursor.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kPictureHeight = 120;
// The introduction is about 60 characters wide and 14 lines high, like the dialog it comes from.
constexpr int kIntroColumns = 64;
constexpr int kIntroLines = 14;

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
    m_intro->setPlainText(intro);
    m_intro->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const QFontMetrics metrics(m_intro->font());
    m_intro->setMinimumSize(metrics.averageCharWidth() * kIntroColumns, metrics.lineSpacing() * kIntroLines);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("setupPicture"));
    picture->setPixmap(TransceiverPicture(kPictureHeight));
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

void CInitialSetupDlg::accept()
{
    m_session.SetPort(SelectedPort());
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
        m_settings.SetInt(settings::kSetupInfo, settings::kSetupDone, 1);
        m_settings.SetInt(settings::kSetupInfo, settings::kDestination, information.bytes[0]);
        m_settings.SetInt(settings::kSetupInfo, settings::kExpandLevel, information.bytes[1]);
        m_settings.SetInt(settings::kSetupInfo, settings::kOptionFlags, information.bytes[2]);
    }
    QString callSign = m_callSign->text();
    if (WithoutTrailingBlanks(callSign).isEmpty()) {
        callSign = LoadString(ids::kBlankCallSign);
    }
    m_settings.SetString(settings::kSetupInfo, settings::kCallSign, callSign.toStdString());
    m_settings.SetInt(settings::kCommPort, settings::kPortNumber, static_cast<int>(SelectedPort()));
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
