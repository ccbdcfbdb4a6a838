#include "app/information_dialog.h"

#include "res/load_string.h"
#include "ui/widgets/dialog_buttons.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kCommentLines = 2;
// Room beside the comment's widest text for the field's own margins.
constexpr int kFieldSpare = 8;

QLabel* MakeLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A value shown as static text, but a field a screen reader reaches with Tab and reads with its label.
QLineEdit* MakeField(const QString& text, QWidget* parent, const char* objectName)
{
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(QString::fromLatin1(objectName));
    field->setReadOnly(true);
    field->setFrame(false);
    QPalette palette = field->palette();
    palette.setBrush(QPalette::Base, palette.brush(QPalette::Window));
    field->setPalette(palette);
    return field;
}

} // namespace

CInformationDlg::CInformationDlg(QWidget* parent)
    : QDialog(parent), m_model(MakeField(LoadString(ids::kInformationUnknown), this, "modelText")),
      m_comment(MakeField(LoadString(ids::kInformationCommentPlaceholder), this, "commentText"))
{
    setObjectName(QStringLiteral("informationDialog"));
    setWindowTitle(LoadString(ids::kInformationCaption));

    // The comment keeps its blanks: the transceiver pads it to 16 characters.
    m_comment->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_comment->setMinimumHeight(m_comment->fontMetrics().lineSpacing() * kCommentLines);
    m_comment->setMinimumWidth(m_comment->fontMetrics().horizontalAdvance(m_comment->text()) + kFieldSpare);
    m_comment->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QLabel* modelLabel = MakeLabel(LoadString(ids::kInformationModel), this);
    modelLabel->setBuddy(m_model);
    QLabel* commentLabel = MakeLabel(LoadString(ids::kInformationComment), this);
    commentLabel->setBuddy(m_comment);

    auto* grid = new QGridLayout;
    grid->addWidget(modelLabel, 0, 0);
    grid->addWidget(MakeLabel(LoadString(ids::kInformationSeparator), this), 0, 1);
    grid->addWidget(m_model, 0, 2);
    grid->addWidget(commentLabel, 1, 0, Qt::AlignTop);
    grid->addWidget(MakeLabel(LoadString(ids::kInformationSeparator), this), 1, 1, Qt::AlignTop);
    grid->addWidget(m_comment, 1, 2);
    grid->setColumnStretch(2, 1);

    QDialogButtonBox* buttons = CreateDialogButtons(this, EDialogButtons::Ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CInformationDlg::SetModel(const QString& model)
{
    m_model->setText(model);
}

void CInformationDlg::SetComment(const QString& comment)
{
    m_comment->setText(comment);
}

QString CInformationDlg::Model() const
{
    return m_model->text();
}

QString CInformationDlg::Comment() const
{
    return m_comment->text();
}
