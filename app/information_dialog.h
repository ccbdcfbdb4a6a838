#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

// What the connected transceiver reports about itself: the model name and the 16-character comment of
// its information block. The two values are read-only fields, each named by its label.
class CInformationDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CInformationDlg(QWidget* parent = nullptr);

    void SetModel(const QString& model);
    void SetComment(const QString& comment);
    QString Model() const;
    QString Comment() const;

private:
    QLineEdit* m_model;
    QLineEdit* m_comment;
};
