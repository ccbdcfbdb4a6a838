#include "ui/common_settings_sheet.h"

#include "channels/command_keys.h"
#include "core/command_text.h"
#include "res/load_string.h"
#include "ui/widgets/dialog_buttons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <initializer_list>

namespace {

// An empty comment is sent as one blank: "COMMON.CLONE_COMMENT=" alone would not say what to store.
constexpr std::string_view kEmptyComment = " ";

struct SSwitchDef
{
    const char* objectName;
    int labelId;
    std::string_view key;
    // Power save shows ticked for anything but "OFF"; the others only for exactly "ON".
    bool tickedUnlessOff;
};

constexpr SSwitchDef kSwitches[CPropertyPageC31::kSwitchCount] = {
    {"beepCheck", ids::kLabelBeep, keys::kBeep, false},
    {"powerSaveCheck", ids::kLabelPowerSave, keys::kPowerSave, true},
    {"voltageIndicationCheck", ids::kLabelVoltageIndication, keys::kVoltageIndication, false},
    {"indicationModeCheck", ids::kLabelIndicationMode, keys::kNameDisplay, false},
};

// A value word and the list text (its string identifier) that stand for each other.
struct SPair
{
    std::string_view word;
    int textId;
};

struct SListDef
{
    const char* objectName;
    const char* labelName;
    int labelId;
    std::string_view key;
    // Items in list order; the Auto Repeater list takes its items from the destination instead.
    std::initializer_list<int> items;
    // Answer shown as text; any other answer shows the fallback text.
    std::initializer_list<SPair> shown;
    int shownFallbackId;
    // Text sent as word; any other text (also no choice) sends the fallback word.
    std::initializer_list<SPair> sent;
    std::string_view sentFallback;
};

const SListDef kLists[CPropertyPageC31::kListCount] = {
    {"autoPowerOffCombo",
     "autoPowerOffLabel",
     ids::kLabelAutoPowerOff,
     keys::kAutoPowerOff,
     {ids::kAutoPowerOffOff, ids::kAutoPowerOff20, ids::kAutoPowerOff40, ids::kAutoPowerOff60},
     {{keys::kPowerOff20, ids::kAutoPowerOff20},
      {keys::kPowerOff40, ids::kAutoPowerOff40},
      {keys::kPowerOff60, ids::kAutoPowerOff60}},
     ids::kAutoPowerOffOff,
     {{keys::kPowerOff20, ids::kAutoPowerOff20},
      {keys::kPowerOff40, ids::kAutoPowerOff40},
      {keys::kPowerOff60, ids::kAutoPowerOff60}},
     answer::kOff},
    {"rfPowerCombo",
     "rfPowerLabel",
     ids::kLabelRfPower,
     keys::kRfPower,
     {ids::kRfPowerLow, ids::kRfPowerHigh},
     {{keys::kHigh, ids::kRfPowerHigh}},
     ids::kRfPowerLow,
     {{keys::kLow, ids::kRfPowerLow}},
     keys::kHigh},
    {"autoRepeaterCombo",
     "autoRepeaterLabel",
     ids::kLabelAutoRepeater,
     keys::kAutoRepeater,
     {},
     {{answer::kOn, ids::kAutoRepeaterOn},
      {keys::kOn1, ids::kAutoRepeaterOn1},
      {keys::kOn2, ids::kAutoRepeaterOn2}},
     ids::kAutoRepeaterOffJpn,
     {{answer::kOn, ids::kAutoRepeaterOn},
      {keys::kOn1, ids::kAutoRepeaterOn1},
      {keys::kOn2, ids::kAutoRepeaterOn2}},
     answer::kOff},
    {"scanTimerCombo",
     "scanTimerLabel",
     ids::kLabelScanTimer,
     keys::kScanStopAction,
     {ids::kScanPauseUntilSignal, ids::kScanPause10s},
     {{keys::kScanTimer, ids::kScanPause10s}},
     ids::kScanPauseUntilSignal,
     {{keys::kScanPause, ids::kScanPauseUntilSignal}},
     keys::kScanTimer},
    {"micFunctionCombo",
     "micFunctionLabel",
     ids::kLabelMicFunction,
     keys::kMicFunction,
     {ids::kMicNormal1, ids::kMicNormal2, ids::kMicSimple},
     {{keys::kMicNormal2, ids::kMicNormal2}, {keys::kMicSimple, ids::kMicSimple}},
     ids::kMicNormal1,
     {{keys::kMicNormal2, ids::kMicNormal2}, {keys::kMicSimple, ids::kMicSimple}},
     keys::kMicNormal1},
    {"lcdContrastCombo",
     "lcdContrastLabel",
     ids::kLabelLcdContrast,
     keys::kLcdContrast,
     {ids::kLcdLow, ids::kLcdHigh},
     {{keys::kLow, ids::kLcdLow}},
     ids::kLcdHigh,
     {{keys::kHigh, ids::kLcdHigh}},
     keys::kLow},
    {"backlightCombo",
     "backlightLabel",
     ids::kLabelBacklight,
     keys::kBacklight,
     {ids::kBacklightOff, ids::kBacklightAuto, ids::kBacklightOn},
     {{answer::kOff, ids::kBacklightOff}, {answer::kOn, ids::kBacklightOn}},
     ids::kBacklightAuto,
     {{answer::kOff, ids::kBacklightOff}, {answer::kOn, ids::kBacklightOn}},
     keys::kAuto},
};

// Values are read and sent in this order, which is not the order of the page.
constexpr CPropertyPageC31::ESwitch kSwitchOrder[] = {
    CPropertyPageC31::kBeepSwitch,
    CPropertyPageC31::kIndicationModeSwitch,
    CPropertyPageC31::kPowerSaveSwitch,
    CPropertyPageC31::kVoltageIndicationSwitch,
};
constexpr CPropertyPageC31::EList kListOrder[] = {
    CPropertyPageC31::kRfPowerList,      CPropertyPageC31::kAutoRepeaterList,
    CPropertyPageC31::kAutoPowerOffList, CPropertyPageC31::kScanTimerList,
    CPropertyPageC31::kMicFunctionList,  CPropertyPageC31::kLcdContrastList,
    CPropertyPageC31::kBacklightList,
};

QString Text(std::string_view answer)
{
    return QString::fromStdString(std::string(answer));
}

QString WithoutTrailingWhiteSpace(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace()) {
        --end;
    }
    return text.left(end);
}

QString ShownText(const SListDef& list, const std::string& answer)
{
    for (const SPair& pair : list.shown) {
        if (answer == pair.word) {
            return LoadString(pair.textId);
        }
    }
    return LoadString(list.shownFallbackId);
}

std::string_view SentWord(const SListDef& list, const QString& text)
{
    for (const SPair& pair : list.sent) {
        if (text == LoadString(pair.textId)) {
            return pair.word;
        }
    }
    return list.sentFallback;
}

} // namespace

// ---- CPropertyPageC31 ----

CPropertyPageC31::CPropertyPageC31(ICommandTarget& radioData, QWidget* parent)
    : QWidget(parent), m_data(radioData)
{
    setObjectName(QStringLiteral("commonPage"));
    CreateControls();
}

QString CPropertyPageC31::Caption() const
{
    return LoadString(ids::kCommonPageCaption);
}

void CPropertyPageC31::CreateControls()
{
    auto* switchGroup = new QGroupBox(this);
    switchGroup->setObjectName(QStringLiteral("switchGroup"));
    auto* switchLayout = new QVBoxLayout(switchGroup);
    for (int index = 0; index < kSwitchCount; ++index) {
        auto* check = new QCheckBox(switchGroup);
        check->setObjectName(QString::fromLatin1(kSwitches[index].objectName));
        switchLayout->addWidget(check);
        m_checks.at(static_cast<size_t>(index)) = check;
    }
    switchLayout->addStretch(1);

    auto* commentGroup = new QGroupBox(this);
    commentGroup->setObjectName(QStringLiteral("commentGroup"));
    auto* commentLabel = new QLabel(commentGroup);
    commentLabel->setObjectName(QStringLiteral("commentLabel"));
    m_commentEdit = new QLineEdit(commentGroup);
    m_commentEdit->setObjectName(QStringLiteral("commentEdit"));
    commentLabel->setBuddy(m_commentEdit);
    auto* commentLayout = new QVBoxLayout(commentGroup);
    commentLayout->addWidget(commentLabel);
    commentLayout->addWidget(m_commentEdit);

    auto* listGroup = new QGroupBox(this);
    listGroup->setObjectName(QStringLiteral("listGroup"));
    auto* listLayout = new QGridLayout(listGroup);
    for (int index = 0; index < kListCount; ++index) {
        const SListDef& def = kLists[index];
        auto* label = new QLabel(listGroup);
        label->setObjectName(QString::fromLatin1(def.labelName));
        auto* list = new QComboBox(listGroup);
        list->setObjectName(QString::fromLatin1(def.objectName));
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        label->setBuddy(list);
        listLayout->addWidget(label, index, 0);
        listLayout->addWidget(list, index, 1);
        m_lists.at(static_cast<size_t>(index)) = list;
    }
    // The transceiver has no RIT setting to offer: the list exists on the page but is never shown, filled,
    // read or written.
    auto* ritLabel = new QLabel(listGroup);
    ritLabel->setObjectName(QStringLiteral("ritSelectionLabel"));
    m_ritSelection = new QComboBox(listGroup);
    m_ritSelection->setObjectName(QStringLiteral("ritSelectionCombo"));
    listLayout->addWidget(ritLabel, kListCount, 0);
    listLayout->addWidget(m_ritSelection, kListCount, 1);
    ritLabel->hide();
    m_ritSelection->hide();
    listLayout->setRowStretch(kListCount + 1, 1);
    listLayout->setColumnStretch(1, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(switchGroup, 1);
    left->addWidget(commentGroup);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(listGroup, 1);
}

std::string CPropertyPageC31::Query(std::string_view key)
{
    return m_data.Execute(keys::Common(key));
}

void CPropertyPageC31::Set(std::string_view key, std::string_view value)
{
    m_data.Execute(keys::Common(key) + '=' + std::string(value));
}

void CPropertyPageC31::OnSetActive()
{
    for (int index = 0; index < kSwitchCount; ++index) {
        m_checks.at(static_cast<size_t>(index))->setText(LoadString(kSwitches[index].labelId));
    }
    for (int index = 0; index < kListCount; ++index) {
        if (auto* label = findChild<QLabel*>(QString::fromLatin1(kLists[index].labelName))) {
            label->setText(LoadString(kLists[index].labelId));
        }
    }
    if (auto* label = findChild<QLabel*>(QStringLiteral("ritSelectionLabel"))) {
        label->setText(LoadString(ids::kLabelRitSelection));
    }
    if (auto* label = findChild<QLabel*>(QStringLiteral("commentLabel"))) {
        label->setText(LoadString(ids::kLabelComment));
    }
    m_commentEdit->setMaxLength(kCommentLength);
    FillLists();
    ReadValues();
    StatesToControls();
}

void CPropertyPageC31::FillLists()
{
    for (int index = 0; index < kListCount; ++index) {
        QComboBox* list = m_lists.at(static_cast<size_t>(index));
        list->clear();
        if (index != kAutoRepeaterList) {
            for (const int item : kLists[index].items) {
                list->addItem(LoadString(item));
            }
            continue;
        }
        // Only some destinations have an auto repeater, with lists of their own.
        const std::string country = m_data.Execute(keys::Model(keys::kCountry));
        if (country == keys::kCountryJapan || country == keys::kCountryKorea) {
            m_autoRepeaterKind = kAutoRepeaterOffOn;
            list->addItem(LoadString(ids::kAutoRepeaterOffJpn));
            list->addItem(LoadString(ids::kAutoRepeaterOn));
        } else if (country == keys::kCountryUsa) {
            m_autoRepeaterKind = kAutoRepeaterDuplex;
            list->addItem(LoadString(ids::kAutoRepeaterOffUsa));
            list->addItem(LoadString(ids::kAutoRepeaterOn1));
            list->addItem(LoadString(ids::kAutoRepeaterOn2));
        } else {
            m_autoRepeaterKind = kNoAutoRepeater;
            list->addItem(LoadString(ids::kAutoRepeaterNone));
        }
    }
}

void CPropertyPageC31::ReadValues()
{
    for (const ESwitch which : kSwitchOrder) {
        const SSwitchDef& def = kSwitches[which];
        const std::string value = Query(def.key);
        const bool ticked = def.tickedUnlessOff ? value != answer::kOff : value == answer::kOn;
        m_switches.at(which) = ticked ? 1 : 0;
    }
    for (const EList which : kListOrder) {
        const SListDef& def = kLists[which];
        if (which == kAutoRepeaterList && m_autoRepeaterKind == kNoAutoRepeater) {
            m_listTexts.at(which) = LoadString(ids::kAutoRepeaterNone);
            continue;
        }
        m_listTexts.at(which) = ShownText(def, Query(def.key));
    }
    m_comment = WithoutTrailingWhiteSpace(Text(Query(keys::kCloneComment)));
}

void CPropertyPageC31::StatesToControls()
{
    for (int index = 0; index < kSwitchCount; ++index) {
        m_checks.at(static_cast<size_t>(index))->setChecked(m_switches.at(static_cast<size_t>(index)) != 0);
    }
    for (int index = 0; index < kListCount; ++index) {
        QComboBox* list = m_lists.at(static_cast<size_t>(index));
        const QString& text = m_listTexts.at(static_cast<size_t>(index));
        int choice = -1;
        for (int item = 0; item < list->count(); ++item) {
            if (list->itemText(item).startsWith(text, Qt::CaseInsensitive)) {
                choice = item;
                break;
            }
        }
        list->setCurrentIndex(choice);
    }
    m_commentEdit->setText(m_comment);
}

void CPropertyPageC31::ControlsToStates()
{
    for (int index = 0; index < kSwitchCount; ++index) {
        m_switches.at(static_cast<size_t>(index)) =
            m_checks.at(static_cast<size_t>(index))->isChecked() ? 1 : 0;
    }
    for (int index = 0; index < kListCount; ++index) {
        // currentText() is empty when nothing is chosen.
        m_listTexts.at(static_cast<size_t>(index)) = m_lists.at(static_cast<size_t>(index))->currentText();
    }
    m_comment = m_commentEdit->text();
}

bool CPropertyPageC31::OnKillActive()
{
    ControlsToStates();
    SendValues();
    return true;
}

void CPropertyPageC31::SendValues()
{
    for (const ESwitch which : kSwitchOrder) {
        Set(kSwitches[which].key, m_switches.at(which) != 0 ? answer::kOn : answer::kOff);
    }
    for (const EList which : kListOrder) {
        const SListDef& def = kLists[which];
        Set(def.key, SentWord(def, m_listTexts.at(which)));
    }
    const QString comment = WithoutTrailingWhiteSpace(m_comment);
    Set(keys::kCloneComment, comment.isEmpty() ? std::string(kEmptyComment) : comment.toStdString());
}

// ---- CFixedFontPropertySheet ----

CFixedFontPropertySheet::CFixedFontPropertySheet(const QString& caption, QWidget* parent)
    : QDialog(parent), m_tabs(new QTabWidget(this))
{
    setObjectName(QStringLiteral("settingSheet"));
    setWindowTitle(caption);
    m_tabs->setObjectName(QStringLiteral("sheetTabs"));
    m_tabs->setAccessibleName(caption);

    // The system's proportional font, italic, at a fixed pixel height. It is kept but not given to the
    // sheet: a Qt widget hands its font down to every control inside it, and at 50 pixels the page grows
    // to several times the size of the screen's other dialogs. The platform font keeps it readable.
    m_font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    m_font.setPixelSize(kFontPixelHeight);
    m_font.setItalic(true);

    QDialogButtonBox* buttons = CreateDialogButtons(this, EDialogButtons::OkCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CFixedFontPropertySheet::AddPage(CPropertyPageC31* page)
{
    m_tabs->addTab(page, page->Caption());
    m_pages.push_back(page);
}

CPropertyPageC31* CFixedFontPropertySheet::CurrentPage() const
{
    return qobject_cast<CPropertyPageC31*>(m_tabs->currentWidget());
}

void CFixedFontPropertySheet::showEvent(QShowEvent* event)
{
    // The first page becomes active as the sheet opens; with one page there is no other occasion.
    if (!m_activated) {
        m_activated = true;
        if (CPropertyPageC31* page = CurrentPage()) {
            page->OnSetActive();
        }
    }
    QDialog::showEvent(event);
}

void CFixedFontPropertySheet::accept()
{
    CPropertyPageC31* page = CurrentPage();
    if (page != nullptr && m_activated && !page->OnKillActive()) {
        return;
    }
    QDialog::accept();
}

void RunCommonSettingSheet(ICommandTarget& data, QWidget* parent)
{
    CFixedFontPropertySheet sheet(LoadString(ids::kSettingCaption), parent);
    auto* page = new CPropertyPageC31(data);
    sheet.AddPage(page);
    // What the user chose is in the data already; the list shows no common setting.
    sheet.exec();
}
