#pragma once

#include <QDialog>
#include <QString>

class QLabel;

// What the connected transceiver reports about itself: the model name and the 16-character comment of
// its information block.
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
    QLabel* m_model;
    QLabel* m_comment;
};
