#pragma once

#include <QDialog>

// The About box: the program icon, the transceiver picture, "ZQ-L52 Rev.1.0" and an OK button.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
