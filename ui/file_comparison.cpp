#include "ui/file_comparison.h"

#include "core/command_text.h"
#include "core/rig/radio_data.h"
#include "interchange/image_compare.h"
#include "res/load_string.h"
#include "ui/differences_dialog.h"
#include "ui/file_failure_text.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/wait_cursor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void ShowFileComparison(CRadioData& data, const QString& path, QWidget* parent)
{
    std::vector<SImageDifference> differences;
    std::string result;
    {
        CWaitCursor wait;
        result = CompareWithFile(data, QFile::encodeName(path).toStdString(), differences);
    }
    if (result != answer::kOk) {
        MessageBox::Show(
            parent,
            LoadString(ids::kOpenFailedFormat)
                .arg(QDir::toNativeSeparators(path), FileFailureText(QString::fromStdString(result), false)),
            MessageBox::Buttons::Ok, MessageBox::Icon::Warning);
        return;
    }
    const QString name = QFileInfo(path).fileName();
    CDifferencesDlg dialog(LoadString(ids::kCompareTitleFormat).arg(name),
                           LoadString(ids::kCompareIntroFormat).arg(name),
                           CDifferencesDlg::Lines(differences), parent);
    dialog.exec();
}
