#include "ui/report_dialog.h"

CReportDlg::CReportDlg(const QString& title, const QString& summary, const QStringList& lines,
                       QWidget* parent)
    : CLineListDlg(QStringLiteral("reportDialog"), title, summary, lines, QString(), parent)
{
}
