#include "ui/widgets/file_dialogs.h"

#include <QFileDialog>
#include <QQueue>
#include <optional>

namespace {

struct STestSeam
{
    QQueue<QString> queued;
    std::optional<QString> fallback;
    QList<FileDialogs::SRequest> requests;
};

STestSeam& Seam()
{
    static STestSeam seam;
    return seam;
}

bool TakeQueued(const FileDialogs::SRequest& request, QString& fileName)
{
    STestSeam& seam = Seam();
    if (seam.queued.isEmpty() && !seam.fallback.has_value()) {
        return false;
    }
    seam.requests.append(request);
    fileName = seam.queued.isEmpty() ? *seam.fallback : seam.queued.dequeue();
    return true;
}

QString RunDialog(QWidget* parent, QFileDialog::AcceptMode mode, const FileDialogs::SRequest& request,
                  const QString& defaultSuffix)
{
    QFileDialog dialog(parent != nullptr ? parent->window() : nullptr, request.caption, request.startPath,
                       request.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!defaultSuffix.isEmpty()) {
        dialog.setDefaultSuffix(defaultSuffix);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString FileDialogs::GetOpenFileName(QWidget* parent, const QString& caption, const QString& startPath,
                                     const QString& filter)
{
    const SRequest request{Kind::Open, caption, startPath, filter};
    QString fileName;
    if (TakeQueued(request, fileName)) {
        return fileName;
    }
    return RunDialog(parent, QFileDialog::AcceptOpen, request, QString());
}

QString FileDialogs::GetSaveFileName(QWidget* parent, const QString& caption, const QString& startPath,
                                     const QString& filter, const QString& defaultSuffix)
{
    const SRequest request{Kind::Save, caption, startPath, filter};
    QString fileName;
    if (TakeQueued(request, fileName)) {
        return fileName;
    }
    return RunDialog(parent, QFileDialog::AcceptSave, request, defaultSuffix);
}

void FileDialogs::SetNextFileName(const QString& fileName)
{
    Seam().queued.enqueue(fileName);
}

void FileDialogs::SetDefaultFileName(const QString& fileName)
{
    Seam().fallback = fileName;
}

QList<FileDialogs::SRequest> FileDialogs::Requests()
{
    return Seam().requests;
}

void FileDialogs::Reset()
{
    Seam() = STestSeam();
}
