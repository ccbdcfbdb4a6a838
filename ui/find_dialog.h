#pragma once

#include <QDialog>

class QLineEdit;

// Edit > Find...: the text to look for in the channels' names and frequencies. OK is enabled while the
// text holds more than blanks. Widgets "findEdit", "okButton", "cancelButton".
class CFindDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CFindDlg(const QString& text, QWidget* parent = nullptr);

    QString Text() const;

private:
    QLineEdit* m_text;
};
