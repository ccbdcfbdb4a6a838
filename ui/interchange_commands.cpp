#include "ui/interchange_commands.h"

#include "channels/command_keys.h"
#include "core/command_ids.h"
#include "core/rig/radio_data.h"
#include "interchange/channel_csv.h"
#include "res/load_string.h"
#include "ui/channel_document.h"
#include "ui/channel_selection.h"
#include "ui/file_comparison.h"
#include "ui/import_preview_dialog.h"
#include "ui/widgets/file_dialogs.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/wait_cursor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr const char* kCsvSuffix = "csv";

QString FromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

QString NativePath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

CInterchangeCommands::CInterchangeCommands(IChannelSelection& selection, IChannelDocument& document)
    : m_selection(selection), m_document(document)
{
}

CommandBindings CInterchangeCommands::Bindings()
{
    static constexpr SMemberCommand<CInterchangeCommands> kCommands[] = {
        {cmd::kFileImportCsv, &CInterchangeCommands::ImportCsv},
        {cmd::kFileExportCsv, &CInterchangeCommands::ExportCsv},
        {cmd::kFileCompare, &CInterchangeCommands::CompareWithFile},
    };
    return MemberBindings<CInterchangeCommands>(*this, kCommands);
}

void CInterchangeCommands::UpdateCommand(int /*commandId*/, QAction& action)
{
    action.setEnabled(true);
}

QString CInterchangeCommands::StartFolder() const
{
    const QString path = m_document.GetPathName();
    return path.isEmpty() ? QString() : QFileInfo(path).absolutePath();
}

QString CInterchangeCommands::CsvFilter() const
{
    return LoadString(ids::kCsvFilter) + QStringLiteral(";;") + LoadString(ids::kAllFilesFilter);
}

void CInterchangeCommands::ImportCsv()
{
    const QString path = FileDialogs::GetOpenFileName(
        m_selection.DialogParent(), LoadString(ids::kImportCaption), StartFolder(), CsvFilter());
    if (!path.isEmpty()) {
        ImportCsvFile(path);
    }
}

void CInterchangeCommands::ImportCsvFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MessageBox::Show(
            m_selection.DialogParent(),
            LoadString(ids::kOpenFailedFormat).arg(NativePath(path), LoadString(ids::kFileCannotRead)),
            MessageBox::Buttons::Ok, MessageBox::Icon::Warning);
        return;
    }
    const QByteArray text = file.readAll();
    file.close();

    const std::string_view list(text.constData(), static_cast<size_t>(text.size()));
    CRadioData& data = m_document.GetRadioData();
    // A file that is no channel list under any placement is refused before the preview.
    channel_csv::SImportOptions options = CImportPreviewDlg::StoredOptions(m_document.Settings());
    channel_csv::SReport probe = channel_csv::PreviewImport(data, list, options).report;
    if (!probe.readable && options.placement == channel_csv::EPlacement::Location) {
        options.placement = channel_csv::EPlacement::Order;
        const channel_csv::SReport other = channel_csv::PreviewImport(data, list, options).report;
        if (other.readable) {
            probe = other;
        }
    }
    if (!probe.readable) {
        QStringList lines;
        for (const channel_csv::SNote& note : probe.notes) {
            lines.append(FromStd(channel_csv::FormatNote(note)));
        }
        MessageBox::Show(
            m_selection.DialogParent(),
            LoadString(ids::kImportUnreadableFormat).arg(NativePath(path), lines.join(QStringLiteral("\n "))),
            MessageBox::Buttons::Ok, MessageBox::Icon::Warning);
        return;
    }
    CImportPreviewDlg preview(data, list, QFileInfo(path).fileName(), m_document.Settings(),
                              m_selection.DialogParent());
    if (preview.exec() != QDialog::Accepted) {
        return;
    }
    // The image the preview showed, so what is stored is what was seen.
    m_document.RecordEdit(ids::kStepImportCsv, [&data, &preview] {
        data.Execute(std::string(keys::kImage) + "=" + preview.Preview().image);
    });
    m_selection.RefreshAll();
    m_document.ShowOutcome(LoadString(ids::kImportedFormat).arg(QFileInfo(path).fileName()));
}

void CInterchangeCommands::ExportCsv()
{
    const QString document = m_document.GetPathName();
    const QString name =
        (document.isEmpty() ? m_document.GetTitle() : QFileInfo(document).completeBaseName()) +
        QLatin1Char('.') + QLatin1String(kCsvSuffix);
    const QString start = StartFolder().isEmpty() ? name : QDir(StartFolder()).filePath(name);
    const QString path =
        FileDialogs::GetSaveFileName(m_selection.DialogParent(), LoadString(ids::kExportCaption), start,
                                     CsvFilter(), QLatin1String(kCsvSuffix));
    if (path.isEmpty()) {
        return;
    }
    const MessageBox::Answer all = MessageBox::YesNoCancel(
        m_selection.DialogParent(), LoadString(ids::kExportAllQuestion), MessageBox::Icon::Question);
    if (all == MessageBox::Answer::Cancel) {
        return;
    }
    ExportCsvFile(path, all == MessageBox::Answer::Yes);
}

bool CInterchangeCommands::ExportCsvFile(const QString& path, bool all)
{
    std::string text;
    {
        CWaitCursor wait;
        text = channel_csv::Export(m_document.GetRadioData(), all);
    }
    // Written aside and renamed over the file, so a failed export leaves an existing file whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) < 0 ||
        !file.commit()) {
        MessageBox::Show(
            m_selection.DialogParent(),
            LoadString(ids::kSaveFailedFormat).arg(NativePath(path), LoadString(ids::kFileCannotWrite)),
            MessageBox::Buttons::Ok, MessageBox::Icon::Warning);
        return false;
    }
    m_document.ShowOutcome(LoadString(ids::kExportedFormat).arg(QFileInfo(path).fileName()));
    return true;
}

void CInterchangeCommands::CompareWithFile()
{
    const QString path = FileDialogs::GetOpenFileName(
        m_selection.DialogParent(), LoadString(ids::kCompareCaption), StartFolder(), m_document.FileFilter());
    if (!path.isEmpty()) {
        ShowFileComparison(m_document.GetRadioData(), path, m_selection.DialogParent());
    }
}
