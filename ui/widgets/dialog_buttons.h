#pragma once

#include <Qt>

class QDialog;
class QDialogButtonBox;

// The OK (and Cancel) buttons every dialog of the program ends with: texts from the string table,
// OK the default button, objectNames "okButton" and "cancelButton" for tests, wired to the dialog's
// accept() and reject() (overrides included).
enum class EDialogButtons
{
    Ok,
    OkCancel,
};

QDialogButtonBox* CreateDialogButtons(QDialog* dialog, EDialogButtons buttons,
                                      Qt::Orientation orientation = Qt::Horizontal);
