#pragma once

#include "ui/line_list_dialog.h"

#include <vector>

struct SImageDifference;

// The differences between two documents, one line each in the words of FormatDifference
// ("MCH 10  Frequency 145.5000 -> 146.5200"), read-only; "No differences" when the list is empty.
// objectName "differencesDialog". Shared by every command that compares documents:
//
//     CDifferencesDlg dialog(title, intro, CDifferencesDlg::Lines(CompareDocuments(left, right)), parent);
//     dialog.exec();
class CDifferencesDlg : public CLineListDlg
{
    Q_OBJECT

public:
    // `intro` says which side is which (empty for none).
    CDifferencesDlg(const QString& title, const QString& intro, const QStringList& lines,
                    QWidget* parent = nullptr);

    static QStringList Lines(const std::vector<SImageDifference>& differences);
};
