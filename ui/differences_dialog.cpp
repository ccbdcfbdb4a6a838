#include "ui/differences_dialog.h"

#include "interchange/image_compare.h"
#include "res/load_string.h"

CDifferencesDlg::CDifferencesDlg(const QString& title, const QString& intro, const QStringList& lines,
                                 QWidget* parent)
    : CLineListDlg(QStringLiteral("differencesDialog"), title, intro, lines, LoadString(ids::kNoDifferences),
                   parent)
{
}

QStringList CDifferencesDlg::Lines(const std::vector<SImageDifference>& differences)
{
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(differences.size()));
    for (const SImageDifference& difference : differences) {
        lines.append(QString::fromStdString(FormatDifference(difference)));
    }
    return lines;
}
