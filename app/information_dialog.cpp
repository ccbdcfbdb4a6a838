#include "app/information_dialog.h"

#include "res/load_string.h"
#include "ui/widgets/dialog_buttons.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kCommentLines = 2;

QLabel* MakeLabel(const QString& text, QWidget* parent, const char* objectName = nullptr)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    if (objectName != nullptr) {
        label->setObjectName(QString::fromLatin1(objectName));
    }
    return label;
}

} // namespace

CInformationDlg::CInformationDlg(QWidget* parent)
    : QDialog(parent), m_model(MakeLabel(LoadString(ids::kInformationUnknown), this, "modelText")),
      m_comment(MakeLabel(LoadString(ids::kInformationCommentPlaceholder), this, "commentText"))
{
    setObjectName(QStringLiteral("informationDialog"));
    setWindowTitle(LoadString(ids::kInformationCaption));

    // The comment keeps its blanks: the transceiver pads it to 16 characters.
    m_comment->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_comment->setMinimumHeight(m_comment->fontMetrics().lineSpacing() * kCommentLines);
    m_comment->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_comment->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* grid = new QGridLayout;
    grid->addWidget(MakeLabel(LoadString(ids::kInformationModel), this), 0, 0);
    grid->addWidget(MakeLabel(LoadString(ids::kInformationSeparator), this), 0, 1);
    grid->addWidget(m_model, 0, 2);
    grid->addWidget(MakeLabel(LoadString(ids::kInformationComment), this), 1, 0, Qt::AlignTop);
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
