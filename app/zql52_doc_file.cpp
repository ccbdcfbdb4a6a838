#include "app/edit_history.h"
#include "app/zql52_doc.h"
#include "clone/clone_archive.h"
#include "core/command_text.h"
#include "res/load_string.h"
#include "ui/archive_dialog.h"
#include "ui/file_comparison.h"
#include "ui/file_failure_text.h"
#include "ui/widgets/file_dialogs.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/wait_cursor.h"

#include <QDir>
#include <QFileInfo>

// The document's file: New, Open, Save and Save As with the save prompt, the recent files and Open from
// Archive.

namespace {

// Parts of the document template string, separated by line feeds.
constexpr int kTemplateFilter = 3;
constexpr int kTemplateExtension = 4;

QString TemplatePart(int index)
{
    return LoadString(ids::kDocTemplate).section(QLatin1Char('\n'), index, index);
}

} // namespace

void CZQL52Doc::SaveCommand()
{
    FileSave();
}

void CZQL52Doc::SaveAsCommand()
{
    FileSaveAs();
}

void CZQL52Doc::SetPathName(const QString& path)
{
    m_path = path.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    RememberFile();
    Q_EMIT TitleChanged(GetTitle());
    if (!m_path.isEmpty()) {
        Q_EMIT FileUsed(m_path);
    }
}

QString CZQL52Doc::DefaultSuffix() const
{
    QString extension = TemplatePart(kTemplateExtension);
    if (extension.startsWith(QLatin1Char('.'))) {
        extension.remove(0, 1);
    }
    return extension;
}

QString CZQL52Doc::FileFilter() const
{
    // File names are case sensitive here: offer the lower-case extension as well as the upper-case one.
    QString filter = TemplatePart(kTemplateFilter);
    const qsizetype close = filter.lastIndexOf(QLatin1Char(')'));
    if (close > 0) {
        filter.insert(close, QStringLiteral(" *.") + DefaultSuffix());
    }
    return filter + QStringLiteral(";;") + LoadString(ids::kAllFilesFilter);
}

bool CZQL52Doc::OnNewDocument()
{
    {
        CWaitCursor wait;
        m_data->Initialize();
    }
    m_modified = false;
    m_history->Clear();
    RememberSavedImage();
    RefreshCommandUi();
    SetPathName(QString());
    Q_EMIT DocumentReplaced();
    return true;
}

bool CZQL52Doc::OnOpenDocument(const QString& path)
{
    return LoadDocument(path, false);
}

bool CZQL52Doc::OpenUntitledCopy(const QString& path)
{
    return LoadDocument(path, true);
}

bool CZQL52Doc::LoadDocument(const QString& path, bool untitled)
{
    std::string result;
    {
        CWaitCursor wait;
        result = m_data->OpenDocument(QFile::encodeName(path).toStdString());
    }
    const QString fileName = QFileInfo(path).fileName();
    if (result != answer::kOk) {
        Q_EMIT Announcement(LoadString(ids::kAnnounceNotOpenedFormat).arg(fileName));
        const QString word = QString::fromStdString(result);
        MessageBox::Show(DialogParent(),
                         LoadString(ids::kOpenFailedFormat)
                             .arg(QDir::toNativeSeparators(path), FileFailureText(word, false)),
                         MessageBox::Buttons::Ok, MessageBox::Icon::Warning);
        if (!untitled && !QFileInfo::exists(path)) {
            Q_EMIT FileMissing(path);
        }
        return false;
    }
    m_modified = false;
    m_history->Clear();
    RememberSavedImage();
    RefreshCommandUi();
    SetPathName(untitled ? QString() : path);
    Q_EMIT DocumentReplaced();
    Q_EMIT Announcement(LoadString(ids::kAnnounceOpenedFormat).arg(fileName));
    return true;
}

bool CZQL52Doc::OnSaveDocument(const QString& path)
{
    std::string result;
    {
        CWaitCursor wait;
        result = m_data->SaveDocument(QFile::encodeName(path).toStdString());
    }
    const QString fileName = QFileInfo(path).fileName();
    if (result != answer::kOk) {
        Q_EMIT Announcement(LoadString(ids::kAnnounceNotSavedFormat).arg(fileName));
        const QString word = QString::fromStdString(result);
        MessageBox::Show(DialogParent(),
                         LoadString(ids::kSaveFailedFormat)
                             .arg(QDir::toNativeSeparators(path), FileFailureText(word, true)),
                         MessageBox::Buttons::Ok, MessageBox::Icon::Warning);
        return false;
    }
    m_modified = false;
    RememberSavedImage();
    SetPathName(path);
    Q_EMIT Announcement(LoadString(ids::kAnnounceSavedFormat).arg(fileName));
    return true;
}

bool CZQL52Doc::SaveModified()
{
    if (!IsModified()) {
        return true;
    }
    switch (MessageBox::YesNoCancel(DialogParent(), LoadString(ids::kSaveChangesFormat).arg(GetTitle()))) {
    case MessageBox::Answer::Yes:
        return FileSave();
    case MessageBox::Answer::No:
        return true;
    default:
        return false;
    }
}

void CZQL52Doc::FileNew()
{
    if (SaveModified()) {
        OnNewDocument();
    }
}

void CZQL52Doc::FileOpen()
{
    const QString start = m_path.isEmpty() ? QString() : QFileInfo(m_path).absolutePath();
    const QString path =
        FileDialogs::GetOpenFileName(DialogParent(), LoadString(ids::kOpenCaption), start, FileFilter());
    if (!path.isEmpty()) {
        OpenFile(path);
    }
}

bool CZQL52Doc::FileSave()
{
    if (m_path.isEmpty()) {
        return FileSaveAs();
    }
    return MaySaveOverFile() && OnSaveDocument(m_path);
}

void CZQL52Doc::RememberFile()
{
    m_fileFingerprint =
        m_path.isEmpty() ? SFileFingerprint{} : FingerprintFile(QFile::encodeName(m_path).toStdString());
}

bool CZQL52Doc::MaySaveOverFile()
{
    const SFileFingerprint now = FingerprintFile(QFile::encodeName(m_path).toStdString());
    // A file that is gone holds nothing of anyone's to lose.
    if (!now.exists || now == m_fileFingerprint) {
        return true;
    }
    return MessageBox::OkCancel(
               DialogParent(),
               LoadString(ids::kFileChangedOnDiskFormat).arg(QDir::toNativeSeparators(m_path)),
               MessageBox::Icon::Warning) == MessageBox::Answer::Ok;
}

bool CZQL52Doc::FileSaveAs()
{
    const QString start = m_path.isEmpty() ? GetTitle() + QLatin1Char('.') + DefaultSuffix() : m_path;
    const QString path = FileDialogs::GetSaveFileName(DialogParent(), LoadString(ids::kSaveAsCaption), start,
                                                      FileFilter(), DefaultSuffix());
    return !path.isEmpty() && OnSaveDocument(path);
}

void CZQL52Doc::OpenFile(const QString& path)
{
    if (SaveModified()) {
        OnOpenDocument(path);
    }
}

void CZQL52Doc::OpenFromArchive()
{
    const CCloneArchive archive(DefaultArchiveFolder());
    CArchiveDlg dialog(archive, m_settings, DialogParent());
    dialog.SetCompareHandler(
        [this, &dialog](const QString& path) { ShowFileComparison(*m_data, path, &dialog); });
    if (dialog.exec() == QDialog::Accepted && SaveModified()) {
        OpenUntitledCopy(dialog.SelectedPath());
    }
}
