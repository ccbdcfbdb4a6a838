#include "ui/fill_range_dialog.h"

#include "res/load_string.h"
#include "ui/channel_range_edit.h"
#include "ui/widgets/dialog_buttons.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace {

struct SFieldItem
{
    EChannelField field;
    int textId;
};

constexpr SFieldItem kFields[] = {
    {EChannelField::Duplex, ids::kFillFieldDuplex},
    {EChannelField::Offset, ids::kFillFieldOffset},
    {EChannelField::Tone, ids::kFillFieldTone},
    {EChannelField::RepeaterTone, ids::kFillFieldRepeaterTone},
    {EChannelField::TsqlTone, ids::kFillFieldTsqlTone},
    {EChannelField::Mode, ids::kFillFieldMode},
    {EChannelField::Skip, ids::kFillFieldSkip},
};

// Forms that read better with a word of explanation; every other form is shown as it is.
struct SFormText
{
    EChannelField field;
    std::string_view form;
    int textId;
};

constexpr SFormText kFormTexts[] = {
    {EChannelField::Duplex, exchange::kDupMinus, ids::kFillDuplexMinus},
    {EChannelField::Duplex, exchange::kDupPlus, ids::kFillDuplexPlus},
    {EChannelField::Mode, exchange::kWfm, ids::kFillModeWfm},
    {EChannelField::Mode, exchange::kNfm, ids::kFillModeNfm},
    {EChannelField::Skip, exchange::kSkip, ids::kFillSkipOn},
};

QString FormText(EChannelField field, const std::string& form)
{
    if (form.empty()) {
        return LoadString(ids::kFillValueNone);
    }
    for (const SFormText& text : kFormTexts) {
        if (text.field == field && text.form == form) {
            return LoadString(text.textId);
        }
    }
    return QString::fromStdString(form);
}

bool IsMegahertz(const QString& text)
{
    return text.trimmed().isEmpty() || ParseExchangeMHz(text.toStdString()).has_value();
}

} // namespace

CFillRangeDlg::CFillRangeDlg(int first, int last, EChannelField field, QWidget* parent)
    : QDialog(parent), m_range(new CChannelRangeEdit(first, last, this)), m_field(new QComboBox(this)),
      m_value(new QComboBox(this)), m_offsetLabel(new QLabel(LoadString(ids::kFillOffsetLabel), this)),
      m_offset(new QLineEdit(this))
{
    setObjectName(QStringLiteral("fillRangeDialog"));
    setWindowTitle(LoadString(ids::kFillCaption));

    m_field->setObjectName(QStringLiteral("fillFieldCombo"));
    for (const SFieldItem& item : kFields) {
        m_field->addItem(LoadString(item.textId), static_cast<int>(item.field));
    }
    m_field->setCurrentIndex(std::max(0, m_field->findData(static_cast<int>(field))));
    m_value->setObjectName(QStringLiteral("fillValueCombo"));
    m_value->setInsertPolicy(QComboBox::NoInsert);
    m_value->setMinimumContentsLength(static_cast<int>(LoadString(ids::kFillModeNfm).size()));
    m_value->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_offset->setObjectName(QStringLiteral("fillOffsetEdit"));
    m_offset->setPlaceholderText(LoadString(ids::kFillOffsetKeep));
    m_offsetLabel->setObjectName(QStringLiteral("fillOffsetLabel"));
    m_offsetLabel->setBuddy(m_offset);

    auto* fieldLabel = new QLabel(LoadString(ids::kFillFieldLabel), this);
    fieldLabel->setObjectName(QStringLiteral("fillFieldLabel"));
    fieldLabel->setBuddy(m_field);
    auto* valueLabel = new QLabel(LoadString(ids::kFillValueLabel), this);
    valueLabel->setObjectName(QStringLiteral("fillValueLabel"));
    valueLabel->setBuddy(m_value);

    auto* fields = new QFormLayout;
    fields->addRow(fieldLabel, m_field);
    fields->addRow(valueLabel, m_value);
    fields->addRow(m_offsetLabel, m_offset);

    auto* hint = new QLabel(LoadString(ids::kFillHint), this);
    hint->setObjectName(QStringLiteral("fillHint"));
    hint->setTextFormat(Qt::PlainText);

    QDialogButtonBox* buttons = CreateDialogButtons(this, EDialogButtons::OkCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_range);
    layout->addLayout(fields);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_range->FromSpin(), m_range->ToSpin());
    setTabOrder(m_range->ToSpin(), m_field);
    setTabOrder(m_field, m_value);
    setTabOrder(m_value, m_offset);

    connect(m_field, &QComboBox::currentIndexChanged, this, &CFillRangeDlg::FillValues);
    connect(m_value, &QComboBox::currentIndexChanged, this, &CFillRangeDlg::UpdateOffset);
    FillValues();
    m_range->FromSpin()->setFocus();
}

void CFillRangeDlg::FillValues()
{
    const EChannelField field = Field();
    const std::vector<std::string> forms = ChannelFieldForms(field);
    const QSignalBlocker quiet(m_value);
    m_value->clear();
    // A free-form field (the offset) is typed; the others are picked from their forms.
    m_value->setEditable(forms.empty());
    if (forms.empty()) {
        m_value->lineEdit()->setPlaceholderText(LoadString(ids::kFillOffsetExample));
    }
    for (const std::string& form : forms) {
        m_value->addItem(FormText(field, form), QString::fromStdString(form));
    }
    UpdateOffset();
}

void CFillRangeDlg::UpdateOffset()
{
    // An offset only means something with a shift; the offset field itself is the value then.
    const bool shift = Field() == EChannelField::Duplex && !Value().empty();
    m_offset->setEnabled(shift);
    m_offsetLabel->setEnabled(shift);
}

int CFillRangeDlg::First() const
{
    return m_range->First();
}

int CFillRangeDlg::Last() const
{
    return m_range->Last();
}

EChannelField CFillRangeDlg::Field() const
{
    return static_cast<EChannelField>(m_field->currentData().toInt());
}

std::string CFillRangeDlg::Value() const
{
    if (m_value->isEditable()) {
        return m_value->currentText().trimmed().toStdString();
    }
    return m_value->currentData().toString().toStdString();
}

std::string CFillRangeDlg::ShiftOffset() const
{
    return m_offset->isEnabled() ? m_offset->text().trimmed().toStdString() : std::string();
}

void CFillRangeDlg::accept()
{
    const auto refuse = [](QWidget* edit) {
        QApplication::beep();
        edit->setFocus();
    };
    if (!m_range->AcceptRange()) {
        return;
    }
    if (m_value->isEditable() && !IsMegahertz(m_value->currentText())) {
        refuse(m_value);
        m_value->lineEdit()->selectAll();
        return;
    }
    if (m_offset->isEnabled() && !IsMegahertz(m_offset->text())) {
        refuse(m_offset);
        m_offset->selectAll();
        return;
    }
    QDialog::accept();
}
