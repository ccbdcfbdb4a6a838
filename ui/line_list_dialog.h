#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;

// A read-only list of text lines under an introduction, closed with OK: the base of the dialogs that
// report what an operation or a comparison found. Widgets: "introLabel", "linesList", "okButton".
class CLineListDlg : public QDialog
{
    Q_OBJECT

public:
    // The lines shown; empty when the list shows only the empty text.
    QStringList Lines() const { return m_lines; }
    QString Intro() const;

protected:
    // `emptyText` stands alone in the list, greyed, when there are no lines. An empty intro hides its
    // label.
    CLineListDlg(const QString& objectName, const QString& title, const QString& intro,
                 const QStringList& lines, const QString& emptyText, QWidget* parent);

private:
    QStringList m_lines;
    QLabel* m_intro;
    QListWidget* m_list;
};
