#include "ui/widgets/dialog_buttons.h"

#include "res/load_string.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

QDialogButtonBox* CreateDialogButtons(QDialog* dialog, EDialogButtons buttons, Qt::Orientation orientation)
{
    auto* box = new QDialogButtonBox(orientation, dialog);
    box->setObjectName(QStringLiteral("buttonBox"));
    QPushButton* ok = box->addButton(LoadString(ids::kButtonOk), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    if (buttons == EDialogButtons::OkCancel) {
        QPushButton* cancel = box->addButton(LoadString(ids::kButtonCancel), QDialogButtonBox::RejectRole);
        cancel->setObjectName(QStringLiteral("cancelButton"));
        QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    }
    return box;
}
