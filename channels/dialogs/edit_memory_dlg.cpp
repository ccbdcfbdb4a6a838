#include "channels/dialogs/edit_memory_dlg.h"

#include "channels/channel_record.h"
#include "channels/channel_rows.h"
#include "channels/command_keys.h"
#include "core/command_text.h"
#include "operations/edit_memory_preview.h"
#include "res/load_string.h"
#include "ui/widgets/dialog_buttons.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>
#include <initializer_list>

namespace {

using namespace keys;

// What a blank channel offers when the user starts filling it in.
constexpr std::string_view kBlankOffset = "0.0000";
constexpr std::string_view kBlankTone = "88.5";
constexpr std::string_view kBlankTuningStep = kStep5k;

// The duplex list's positions, in the order of its entries.
constexpr int kDuplexMinusIndex = 1;
constexpr int kDuplexPlusIndex = 2;

// Only the European versions have the narrow FM mode.
constexpr std::array<std::string_view, 5> kNarrowFmCountries = {"EUR", "UK", "DEN", "ITA", "FRA"};

QString FromStd(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Selects the entry with the text (letter case ignored); no entry when the list has none such.
void SelectText(QComboBox* list, const QString& text)
{
    list->setCurrentIndex(list->findText(text, Qt::MatchFixedString));
}

// The list entries are the channel's own value words in the channel table's order, taken from the
// table's lists, so a list's text can be sent back as it is.
const SChannelValueLists& ChannelLists()
{
    return SChannelValueLists::Shared();
}

// Tab into an exclusive group lands on its checked button, so Space there changes nothing; the arrow
// keys move on within the group.
void KeepTabOnCheckedButton(QButtonGroup* group)
{
    const auto follow = [group] {
        for (QAbstractButton* button : group->buttons()) {
            button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    follow();
    QObject::connect(group, &QButtonGroup::buttonToggled, group, follow);
}

QLabel* MakeHint(QWidget* parent, const char* name)
{
    auto* hint = new QLabel(parent);
    hint->setObjectName(QLatin1String(name));
    hint->setWordWrap(true);
    hint->setTextFormat(Qt::PlainText);
    hint->hide();
    return hint;
}

void ShowHint(QLabel* hint, const std::string& text)
{
    hint->setText(FromStd(text));
    hint->setVisible(!text.empty());
}

void AddEntries(QComboBox* list, const CCodeList& entries)
{
    for (int i = 0; i < entries.Count(); ++i) {
        list->addItem(FromStd(entries.Text(i)));
    }
}

void AddEntries(QComboBox* list, const CIndexList& entries)
{
    for (int i = entries.Lo(); i <= entries.Hi(); ++i) {
        list->addItem(FromStd(entries.Text(i)));
    }
}

} // namespace

CEditMemoryDlg::CEditMemoryDlg(ICommandTarget& radioData, int row, QWidget* parent)
    : QDialog(parent), m_data(radioData), m_row(row), m_prefix(channel_rows::RowKeyPrefix(row))
{
    setObjectName(QStringLiteral("editMemoryDialog"));
    setWindowTitle(LoadString(ids::kEditMemoryCaption));
    CreateControls();
    LayOut();
    ReadChannel();
    connect(m_frequency, &QLineEdit::textChanged, this, &CEditMemoryDlg::ApplyEnablingRules);
    for (QLineEdit* edit : {m_frequency, m_offset, m_name}) {
        connect(edit, &QLineEdit::textChanged, this, &CEditMemoryDlg::UpdateHints);
    }
    connect(m_modeGroup, &QButtonGroup::buttonToggled, this, &CEditMemoryDlg::UpdateHints);
    UpdateHints();
    m_frequency->setFocus();
}

CEditMemoryDlg::~CEditMemoryDlg() = default;

void CEditMemoryDlg::CreateControls()
{
    const auto makeEdit = [this](const char* name, int maxLength) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setMaxLength(maxLength);
        return edit;
    };
    const auto makeList = [this](const char* name) {
        auto* list = new QComboBox(this);
        list->setObjectName(QLatin1String(name));
        return list;
    };
    const auto makeRadio = [this](const char* name, int textId) {
        auto* radio = new QRadioButton(LoadString(textId), this);
        radio->setObjectName(QLatin1String(name));
        return radio;
    };
    const auto makeCheck = [this](const char* name, int textId) {
        auto* check = new QCheckBox(LoadString(textId), this);
        check->setObjectName(QLatin1String(name));
        return check;
    };

    m_frequency = makeEdit("editFrequency", kFrequencyLength);
    m_duplex = makeList("comboDuplex");
    m_duplex->addItems({LoadString(ids::kEditDuplexOff), LoadString(ids::kEditDuplexMinus),
                        LoadString(ids::kEditDuplexPlus)});
    m_offset = makeEdit("editOffset", kOffsetLength);
    m_name = makeEdit("editName", kNameLength);

    m_toneOff = makeRadio("radioToneOff", ids::kEditToneOff);
    m_tone = makeRadio("radioTone", ids::kEditToneTone);
    m_tsql = makeRadio("radioTsql", ids::kEditToneTsql);
    m_repeaterTone = makeList("comboRepeaterTone");
    AddEntries(m_repeaterTone, ChannelLists().tones);
    m_tsqlTone = makeList("comboTsqlTone");
    AddEntries(m_tsqlTone, ChannelLists().tones);

    m_fm = makeRadio("radioFm", ids::kEditModeFm);
    m_am = makeRadio("radioAm", ids::kEditModeAm);
    m_wfm = makeRadio("radioWfm", ids::kEditModeWfm);
    m_narrowFm = makeRadio("radioNarrowFm", ids::kEditModeNarrowFm);
    m_toneGroup = new QButtonGroup(this);
    m_modeGroup = new QButtonGroup(this);
    for (QRadioButton* radio : {m_toneOff, m_tone, m_tsql}) {
        m_toneGroup->addButton(radio);
    }
    for (QRadioButton* radio : {m_fm, m_am, m_wfm, m_narrowFm}) {
        m_modeGroup->addButton(radio);
    }

    m_frequencyHint = MakeHint(this, "hintFrequency");
    m_offsetHint = MakeHint(this, "hintOffset");
    m_nameHint = MakeHint(this, "hintName");
    m_modeHint = MakeHint(this, "hintMode");

    m_skip = makeCheck("checkSkip", ids::kEditMemorySkip);

    // The transceiver keeps no tuning step in these channels: the list only carries the value through.
    m_tuningStepLabel = new QLabel(LoadString(ids::kEditLabelTuningStep), this);
    m_tuningStepLabel->setObjectName(QStringLiteral("labelTuningStep"));
    m_tuningStepLabel->hide();
    m_tuningStep = makeList("comboTuningStep");
    AddEntries(m_tuningStep, ChannelLists().tuningStep);
    m_tuningStepLabel->setBuddy(m_tuningStep);
    m_tuningStep->hide();

    m_programSkip = makeCheck("checkProgramSkip", ids::kEditProgramSkip);
    m_programSkip->setEnabled(false);
    m_programSkip->hide();
}

void CEditMemoryDlg::LayOut()
{
    const auto makeLabel = [this](const char* name, int textId, QWidget* buddy) {
        auto* label = new QLabel(LoadString(textId), this);
        label->setObjectName(QLatin1String(name));
        label->setBuddy(buddy);
        return label;
    };

    // Frequencies need room for "1299.98750" and the name for six capitals, whatever the font.
    const QFontMetrics metrics(m_frequency->font());
    const int digitWidth = metrics.horizontalAdvance(QLatin1Char('0'));
    const int editFrame = 2 * metrics.horizontalAdvance(QLatin1Char(' ')) + 8;
    m_frequency->setMinimumWidth(digitWidth * kFrequencyLength + editFrame);
    m_offset->setMinimumWidth(digitWidth * kOffsetLength + editFrame);
    m_name->setMinimumWidth(metrics.horizontalAdvance(QLatin1Char('W')) * kNameLength + editFrame);

    auto* fields = new QFormLayout;
    fields->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    fields->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fields->addRow(makeLabel("labelFrequency", ids::kEditLabelFrequency, m_frequency), m_frequency);
    fields->addRow(m_frequencyHint);
    fields->addRow(makeLabel("labelDuplex", ids::kEditLabelDuplex, m_duplex), m_duplex);
    fields->addRow(makeLabel("labelOffset", ids::kEditLabelOffset, m_offset), m_offset);
    fields->addRow(m_offsetHint);
    fields->addRow(makeLabel("labelName", ids::kEditLabelName, m_name), m_name);
    fields->addRow(m_nameHint);
    fields->addRow(m_skip);

    auto* toneBox = new QGroupBox(LoadString(ids::kEditToneBox), this);
    toneBox->setObjectName(QStringLiteral("groupTone"));
    auto* tones = new QGridLayout(toneBox);
    tones->addWidget(m_toneOff, 0, 0);
    tones->addWidget(m_tone, 1, 0);
    tones->addWidget(m_repeaterTone, 1, 1);
    tones->addWidget(m_tsql, 2, 0);
    tones->addWidget(m_tsqlTone, 2, 1);
    tones->setRowStretch(3, 1);

    auto* modeBox = new QGroupBox(LoadString(ids::kEditModeBox), this);
    modeBox->setObjectName(QStringLiteral("groupMode"));
    auto* modes = new QVBoxLayout(modeBox);
    modes->addWidget(m_fm);
    modes->addWidget(m_am);
    modes->addWidget(m_wfm);
    modes->addWidget(m_narrowFm);
    modes->addWidget(m_modeHint);
    modes->addStretch(1);

    QDialogButtonBox* buttons = CreateDialogButtons(this, EDialogButtons::OkCancel, Qt::Vertical);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(toneBox);
    layout->addWidget(modeBox);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab goes the way the eye reads the layout: down the fields, then box by box, row by row.
    const std::array<QWidget*, 14> tabOrder = {m_frequency, m_duplex, m_offset,       m_name,    m_skip,
                                               m_toneOff,   m_tone,   m_repeaterTone, m_tsql,    m_tsqlTone,
                                               m_fm,        m_am,     m_wfm,          m_narrowFm};
    for (size_t i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
    }
}

std::string CEditMemoryDlg::Read(std::string_view key)
{
    return m_data.Execute(m_prefix + std::string(key));
}

void CEditMemoryDlg::ReadChannel()
{
    QString frequency;
    QString offset = FromStd(kBlankOffset);
    int duplex = 0;
    QString repeaterTone = FromStd(kBlankTone);
    QString tsqlTone = FromStd(kBlankTone);
    QString tuningStep = FromStd(kBlankTuningStep);
    QString name;
    std::string toneMode(answer::kOff);
    std::string mode(kModeFm);
    bool skip = false;

    if (!m_prefix.empty() && Read(kAppear) != answer::kOff) {
        frequency = FromStd(Read(kFrequency));
        offset = FromStd(Read(kOffset));
        const std::string duplexWord = Read(kDuplex);
        duplex = duplexWord == kDupMinus ? kDuplexMinusIndex : duplexWord == kDupPlus ? kDuplexPlusIndex : 0;
        repeaterTone = FromStd(Read(kRepeaterTone));
        tsqlTone = FromStd(Read(kTsqlTone));
        tuningStep = FromStd(Read(kTuningStep));
        name = FromStd(Read(kName));
        toneMode = Read(kToneMode);
        mode = Read(kMode);
        skip = Read(kSkip) != answer::kOff;
    }

    m_frequency->setText(frequency);
    m_offset->setText(offset);
    m_duplex->setCurrentIndex(duplex);
    SelectText(m_repeaterTone, repeaterTone);
    SelectText(m_tsqlTone, tsqlTone);
    SelectText(m_tuningStep, tuningStep);
    m_name->setText(name);
    m_toneOff->setChecked(toneMode == answer::kOff);
    m_tone->setChecked(toneMode == kToneModeTone);
    m_tsql->setChecked(toneMode == kToneModeTsql);
    if (mode == kModeWideFm) {
        m_wfm->setChecked(true);
    } else if (mode == kModeNarrowFm) {
        m_narrowFm->setChecked(true);
    } else if (mode == kModeAm) {
        m_am->setChecked(true);
    } else {
        m_fm->setChecked(true);
    }
    m_skip->setChecked(skip);
    KeepTabOnCheckedButton(m_toneGroup);
    KeepTabOnCheckedButton(m_modeGroup);

    const std::string country = m_data.Execute(Model(kCountry));
    bool narrowFm = false;
    for (std::string_view narrowCountry : kNarrowFmCountries) {
        narrowFm = narrowFm || country == narrowCountry;
    }
    m_narrowFm->setVisible(narrowFm);

    if (!m_prefix.empty()) {
        const SEditMemoryProfile profile{country, m_data.Execute(Model(kExpand)),
                                         m_data.Execute(Model(kMatrix50))};
        m_preview = std::make_unique<CEditMemoryPreview>(profile, m_row, frequency.toStdString());
    }
    ApplyEnablingRules();
}

SEditMemoryValues CEditMemoryDlg::Values() const
{
    SEditMemoryValues values;
    values.frequency = m_frequency->text().toStdString();
    values.offset = m_offset->text().toStdString();
    const int duplex = m_duplex->currentIndex();
    values.duplex = duplex == kDuplexMinusIndex  ? kDupMinus
                    : duplex == kDuplexPlusIndex ? kDupPlus
                                                 : answer::kOff;
    values.repeaterTone = m_repeaterTone->currentText().toStdString();
    values.tsqlTone = m_tsqlTone->currentText().toStdString();
    values.tuningStep = m_tuningStep->currentText().toStdString();
    values.name = m_name->text().trimmed().toStdString();
    values.toneMode = m_toneOff->isChecked() ? answer::kOff
                      : m_tone->isChecked()  ? kToneModeTone
                                             : kToneModeTsql;
    values.mode = m_am->isChecked()         ? kModeAm
                  : m_wfm->isChecked()      ? kModeWideFm
                  : m_narrowFm->isChecked() ? kModeNarrowFm
                                            : kModeFm;
    values.skip = m_skip->isChecked();
    return values;
}

void CEditMemoryDlg::UpdateHints()
{
    if (!m_preview) {
        return;
    }
    const SEditMemoryHints hints = m_preview->Hints(Values());
    ShowHint(m_frequencyHint, hints.frequency);
    ShowHint(m_offsetHint, hints.offset);
    ShowHint(m_nameHint, hints.name);
    ShowHint(m_modeHint, hints.mode);
}

bool CEditMemoryDlg::IsFrequencyEmpty() const
{
    return m_frequency->text().trimmed().isEmpty();
}

bool CEditMemoryDlg::IsMemoryRow() const
{
    return m_row < channel_rows::kFirstEdgeRow || m_row >= channel_rows::kRowCount;
}

bool CEditMemoryDlg::IsCallRow() const
{
    return m_row >= channel_rows::kFirstCallRow && m_row < channel_rows::kRowCount;
}

void CEditMemoryDlg::ApplyEnablingRules()
{
    m_frequencyEmpty = IsFrequencyEmpty();
    const bool used = !m_frequencyEmpty;
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_offset, m_duplex, m_repeaterTone, m_tsqlTone, m_tuningStep,
                                         m_toneOff, m_tone, m_tsql, m_fm, m_am, m_wfm}) {
        control->setEnabled(used);
    }
    m_skip->setEnabled(used && IsMemoryRow());
    m_name->setEnabled(used && !IsCallRow());
}

void CEditMemoryDlg::accept()
{
    if (m_prefix.empty()) {
        reject();
        return;
    }

    const SEditMemoryValues values = Values();
    WriteEditMemory(m_data, m_prefix, values);
    m_frequencyEmpty = SentFrequency(values.frequency).empty();
    QDialog::accept();
}
