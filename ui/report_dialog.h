#pragma once

#include "ui/line_list_dialog.h"

// What an operation did not do exactly as asked: a summary, then one line for each row skipped or
// stored in another form ("line 7: Duplex 'split' cannot be stored, row skipped"). objectName
// "reportDialog". Callers show it only when there is something to report.
class CReportDlg : public CLineListDlg
{
    Q_OBJECT

public:
    CReportDlg(const QString& title, const QString& summary, const QStringList& lines,
               QWidget* parent = nullptr);
};
