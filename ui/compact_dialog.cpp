#include "ui/compact_dialog.h"

#include "res/load_string.h"
#include "ui/channel_range_edit.h"
#include "ui/widgets/dialog_buttons.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

CCompactChannelsDlg::CCompactChannelsDlg(int first, int last, QWidget* parent)
    : QDialog(parent), m_range(new CChannelRangeEdit(first, last, this))
{
    setObjectName(QStringLiteral("compactChannelsDialog"));
    setWindowTitle(LoadString(ids::kCompactCaption));

    auto* hint = new QLabel(LoadString(ids::kCompactHint), this);
    hint->setObjectName(QStringLiteral("compactHint"));
    hint->setTextFormat(Qt::PlainText);

    QDialogButtonBox* buttons = CreateDialogButtons(this, EDialogButtons::OkCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_range);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_range->FromSpin()->setFocus();
}

int CCompactChannelsDlg::First() const
{
    return m_range->First();
}

int CCompactChannelsDlg::Last() const
{
    return m_range->Last();
}

void CCompactChannelsDlg::accept()
{
    if (m_range->AcceptRange()) {
        QDialog::accept();
    }
}
