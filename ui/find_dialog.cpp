#include "ui/find_dialog.h"

#include "res/load_string.h"
#include "ui/widgets/dialog_buttons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Room for a frequency or a name and then some.
constexpr int kVisibleCharacters = 24;

} // namespace

CFindDlg::CFindDlg(const QString& text, QWidget* parent) : QDialog(parent), m_text(new QLineEdit(text, this))
{
    setObjectName(QStringLiteral("findDialog"));
    setWindowTitle(LoadString(ids::kFindCaption));

    m_text->setObjectName(QStringLiteral("findEdit"));
    m_text->setMinimumWidth(m_text->fontMetrics().averageCharWidth() * kVisibleCharacters);
    m_text->selectAll();
    auto* label = new QLabel(LoadString(ids::kFindLabel), this);
    label->setObjectName(QStringLiteral("findLabel"));
    label->setBuddy(m_text);

    auto* hint = new QLabel(LoadString(ids::kFindHint), this);
    hint->setObjectName(QStringLiteral("findHint"));
    hint->setTextFormat(Qt::PlainText);

    QDialogButtonBox* buttons = CreateDialogButtons(this, EDialogButtons::OkCancel);
    QPushButton* ok = buttons->findChild<QPushButton*>(QStringLiteral("okButton"));
    const auto enableOk = [ok](const QString& typed) { ok->setEnabled(!typed.trimmed().isEmpty()); };
    connect(m_text, &QLineEdit::textChanged, ok, enableOk);
    enableOk(text);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_text, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_text->setFocus();
}

QString CFindDlg::Text() const
{
    return m_text->text();
}
