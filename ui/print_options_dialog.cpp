#include "ui/print_options_dialog.h"

#include "core/settings_store.h"
#include "res/load_string.h"
#include "ui/widgets/dialog_buttons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {

constexpr std::string_view kSection = "Print";
constexpr std::string_view kBlankChannels = "BlankChannels";
constexpr std::string_view kCommonSettings = "CommonSettings";
constexpr std::string_view kDtmfMemories = "DtmfMemories";
// The window's icon and its buttons in the title bar, in line heights.
constexpr int kTitleBarButtonRoom = 8;

QCheckBox* MakeCheckBox(int textId, const char* objectName, bool checked, QWidget* parent)
{
    auto* box = new QCheckBox(LoadString(textId), parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setChecked(checked);
    return box;
}

} // namespace

CPrintOptionsDlg::CPrintOptionsDlg(ISettingsStore& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("printOptionsDialog"));
    setWindowTitle(LoadString(ids::kPrintOptionsCaption));

    const channel_sheet::SOptions stored = StoredOptions(settings);
    m_blankChannels =
        MakeCheckBox(ids::kPrintBlankChannels, "blankChannelsCheck", stored.blankChannels, this);
    m_commonSettings =
        MakeCheckBox(ids::kPrintCommonSettings, "commonSettingsCheck", stored.commonSettings, this);
    m_dtmfMemories = MakeCheckBox(ids::kPrintDtmfMemories, "dtmfMemoriesCheck", stored.dtmfMemories, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_blankChannels);
    layout->addWidget(m_commonSettings);
    layout->addWidget(m_dtmfMemories);
    layout->addWidget(CreateDialogButtons(this, EDialogButtons::OkCancel));
    // The title bar shows the caption beside the window's icon and buttons: leave room for all of them, or
    // the caption is cut to "Print ... tions".
    const QFontMetrics metrics(font());
    layout->addSpacerItem(
        new QSpacerItem(metrics.horizontalAdvance(windowTitle()) + metrics.height() * kTitleBarButtonRoom, 0,
                        QSizePolicy::Fixed, QSizePolicy::Minimum));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

channel_sheet::SOptions CPrintOptionsDlg::Options() const
{
    channel_sheet::SOptions options;
    options.blankChannels = m_blankChannels->isChecked();
    options.commonSettings = m_commonSettings->isChecked();
    options.dtmfMemories = m_dtmfMemories->isChecked();
    return options;
}

channel_sheet::SOptions CPrintOptionsDlg::StoredOptions(const ISettingsStore& settings)
{
    channel_sheet::SOptions options;
    options.blankChannels = settings.GetInt(kSection, kBlankChannels, 0) != 0;
    options.commonSettings = settings.GetInt(kSection, kCommonSettings, 0) != 0;
    options.dtmfMemories = settings.GetInt(kSection, kDtmfMemories, 0) != 0;
    return options;
}

void CPrintOptionsDlg::accept()
{
    // A store that cannot be written only loses the choices for next time; the sheet still uses them.
    const channel_sheet::SOptions options = Options();
    m_settings.SetInt(kSection, kBlankChannels, options.blankChannels ? 1 : 0);
    m_settings.SetInt(kSection, kCommonSettings, options.commonSettings ? 1 : 0);
    m_settings.SetInt(kSection, kDtmfMemories, options.dtmfMemories ? 1 : 0);
    QDialog::accept();
}
