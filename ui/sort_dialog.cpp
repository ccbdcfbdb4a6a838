#include "ui/sort_dialog.h"

#include "res/load_string.h"
#include "ui/channel_range_edit.h"
#include "ui/widgets/dialog_buttons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

struct SKeyItem
{
    ESortKey key;
    int textId;
};

constexpr SKeyItem kKeys[] = {
    {ESortKey::Frequency, ids::kSortKeyFrequency},
    {ESortKey::Name, ids::kSortKeyName},
    {ESortKey::ToneThenFrequency, ids::kSortKeyTone},
};

} // namespace

CSortChannelsDlg::CSortChannelsDlg(int first, int last, ESortKey key, ESortOrder order, QWidget* parent)
    : QDialog(parent), m_range(new CChannelRangeEdit(first, last, this)), m_key(new QComboBox(this)),
      m_ascending(new QRadioButton(LoadString(ids::kSortAscending), this)),
      m_descending(new QRadioButton(LoadString(ids::kSortDescending), this))
{
    setObjectName(QStringLiteral("sortChannelsDialog"));
    setWindowTitle(LoadString(ids::kSortCaption));

    m_key->setObjectName(QStringLiteral("sortKeyCombo"));
    for (const SKeyItem& item : kKeys) {
        m_key->addItem(LoadString(item.textId), static_cast<int>(item.key));
    }
    m_key->setCurrentIndex(m_key->findData(static_cast<int>(key)));
    auto* keyLabel = new QLabel(LoadString(ids::kSortKeyLabel), this);
    keyLabel->setObjectName(QStringLiteral("sortKeyLabel"));
    keyLabel->setBuddy(m_key);

    m_ascending->setObjectName(QStringLiteral("radioAscending"));
    m_descending->setObjectName(QStringLiteral("radioDescending"));
    (order == ESortOrder::Descending ? m_descending : m_ascending)->setChecked(true);
    auto* orderBox = new QGroupBox(LoadString(ids::kSortOrderBox), this);
    orderBox->setObjectName(QStringLiteral("sortOrderBox"));
    auto* orders = new QHBoxLayout(orderBox);
    orders->addWidget(m_ascending);
    orders->addWidget(m_descending);
    orders->addStretch(1);

    auto* keyRow = new QFormLayout;
    keyRow->addRow(keyLabel, m_key);

    auto* hint = new QLabel(LoadString(ids::kSortHint), this);
    hint->setObjectName(QStringLiteral("sortHint"));
    hint->setTextFormat(Qt::PlainText);

    QDialogButtonBox* buttons = CreateDialogButtons(this, EDialogButtons::OkCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_range);
    layout->addLayout(keyRow);
    layout->addWidget(orderBox);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_range->FromSpin(), m_range->ToSpin());
    setTabOrder(m_range->ToSpin(), m_key);
    setTabOrder(m_key, m_ascending);
    setTabOrder(m_ascending, m_descending);
    m_range->FromSpin()->setFocus();
}

int CSortChannelsDlg::First() const
{
    return m_range->First();
}

int CSortChannelsDlg::Last() const
{
    return m_range->Last();
}

ESortKey CSortChannelsDlg::Key() const
{
    return static_cast<ESortKey>(m_key->currentData().toInt());
}

ESortOrder CSortChannelsDlg::Order() const
{
    return m_descending->isChecked() ? ESortOrder::Descending : ESortOrder::Ascending;
}

void CSortChannelsDlg::accept()
{
    if (m_range->AcceptRange()) {
        QDialog::accept();
    }
}
