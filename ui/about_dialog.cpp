#include "ui/about_dialog.h"

#include "res/icons.h"
#include "res/load_string.h"
#include "ui/widgets/dialog_buttons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kIconSize = 32;
constexpr int kPictureHeight = 72;
constexpr int kSpacing = 16;

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(LoadString(ids::kAboutCaption));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    icon->setPixmap(AppIcon().pixmap(kIconSize, kIconSize));
    icon->setAlignment(Qt::AlignTop);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("aboutPicture"));
    picture->setPixmap(TransceiverPicture(kPictureHeight, devicePixelRatioF()));

    auto* version = new QLabel(LoadString(ids::kAboutVersion), this);
    version->setObjectName(QStringLiteral("aboutVersion"));
    version->setTextFormat(Qt::PlainText);

    QDialogButtonBox* buttons = CreateDialogButtons(this, EDialogButtons::Ok);

    auto* text = new QVBoxLayout;
    text->addWidget(version);
    text->addStretch(1);
    text->addWidget(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(kSpacing);
    layout->addWidget(icon);
    layout->addWidget(picture);
    layout->addLayout(text, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
