#include "channels/dialogs/edit_memory_dlg.h"

#include "channels/channel_record.h"
#include "channels/channel_rows.h"
#include "channels/command_keys.h"
#include "core/command_text.h"
#include "res/load_string.h"
#include "ui/widgets/dialog_buttons.h"

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
#include <charconv>
#include <initializer_list>
#include <system_error>

namespace {

using namespace keys;

// What a blank channel offers when the user starts filling it in.
constexpr std::string_view kBlankOffset = "0.0000";
constexpr std::string_view kBlankTone = "88.5";
constexpr std::string_view kBlankTuningStep = kStep5k;

// An empty NAME value would leave the old name; a blank clears it.
constexpr std::string_view kBlankName = " ";

// Frequencies are typed in MHz; anything not above zero or from 2000 MHz on blanks the channel.
constexpr double kMaxFrequencyMhz = 2000.0;

// The duplex list's positions, in the order of its entries.
constexpr int kDuplexMinusIndex = 1;
constexpr int kDuplexPlusIndex = 2;

// Only the European versions have the narrow FM mode.
constexpr std::array<std::string_view, 5> kNarrowFmCountries = {"EUR", "UK", "DEN", "ITA", "FRA"};

QString FromStd(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The number at the start of the text, the way the C library's atof reads one, but independent of the
// locale: leading white space, an optional sign, digits with a decimal point; 0 when there is none.
double LeadingNumber(const QString& text)
{
    const std::string digits = text.trimmed().toStdString();
    const char* first = digits.data();
    const char* const last = first + digits.size();
    if (first != last && *first == '+') {
        ++first;
    }
    double value = 0.0;
    const std::from_chars_result result = std::from_chars(first, last, value);
    return result.ec == std::errc() ? value : 0.0;
}

// Frequencies may be typed with a decimal comma, as many locales write them; the channel commands
// want a point.
QString WithDecimalPoint(QString text)
{
    return text.replace(QLatin1Char(','), QLatin1Char('.'));
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
    m_frequency->setFocus();
}

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
    fields->addRow(makeLabel("labelDuplex", ids::kEditLabelDuplex, m_duplex), m_duplex);
    fields->addRow(makeLabel("labelOffset", ids::kEditLabelOffset, m_offset), m_offset);
    fields->addRow(makeLabel("labelName", ids::kEditLabelName, m_name), m_name);
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

void CEditMemoryDlg::Write(std::string_view key, const QString& value)
{
    std::string command = m_prefix;
    command += key;
    command += '=';
    command += value.toStdString();
    m_data.Execute(command);
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

    const std::string country = m_data.Execute(Model(kCountry));
    bool narrowFm = false;
    for (std::string_view narrowCountry : kNarrowFmCountries) {
        narrowFm = narrowFm || country == narrowCountry;
    }
    m_narrowFm->setVisible(narrowFm);

    ApplyEnablingRules();
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

    Write(kOffset, WithDecimalPoint(m_offset->text()));
    const int duplex = m_duplex->currentIndex();
    Write(kDuplex, FromStd(duplex == kDuplexMinusIndex  ? kDupMinus
                           : duplex == kDuplexPlusIndex ? kDupPlus
                                                        : answer::kOff));
    Write(kRepeaterTone, m_repeaterTone->currentText());
    Write(kTsqlTone, m_tsqlTone->currentText());
    Write(kTuningStep, m_tuningStep->currentText());

    const QString name = m_name->text().trimmed();
    Write(kName, name.isEmpty() ? FromStd(kBlankName) : name);

    Write(kToneMode, FromStd(m_toneOff->isChecked() ? answer::kOff
                             : m_tone->isChecked()  ? kToneModeTone
                                                    : kToneModeTsql));
    Write(kMode, FromStd(m_am->isChecked()         ? kModeAm
                         : m_wfm->isChecked()      ? kModeWideFm
                         : m_narrowFm->isChecked() ? kModeNarrowFm
                                                   : kModeFm));
    Write(kSkip, FromStd(m_skip->isChecked() ? answer::kOn : answer::kOff));

    // An empty FREQUENCY value keeps the stored frequency; the channel is blanked through APPEAR instead.
    QString frequency = WithDecimalPoint(m_frequency->text());
    const double megahertz = LeadingNumber(frequency);
    if (!(megahertz > 0.0) || megahertz >= kMaxFrequencyMhz) {
        frequency.clear();
    }
    frequency = frequency.trimmed();
    Write(kFrequency, frequency);
    m_frequencyEmpty = frequency.isEmpty();
    Write(kAppear, FromStd(m_frequencyEmpty ? answer::kOff : answer::kOn));

    m_data.Execute(m_prefix + std::string(kHeal));
    QDialog::accept();
}
