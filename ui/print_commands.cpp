#include "ui/print_commands.h"

#include "core/rig/radio_data.h"
#include "print/channel_sheet_painter.h"
#include "res/load_string.h"
#include "ui/channel_document.h"
#include "ui/print_options_dialog.h"
#include "ui/widgets/file_dialogs.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/wait_cursor.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

constexpr const char* kPdfSuffix = "pdf";

CPrintCommands::PrintDialogRunner& PrintDialogOverride()
{
    static CPrintCommands::PrintDialogRunner runner;
    return runner;
}

bool RunPrintDialog(QPrinter& printer, QWidget* parent)
{
    if (const auto& runner = PrintDialogOverride()) {
        return runner(printer, parent);
    }
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

CPrintCommands::CPrintCommands(IChannelDocument& document, QWidget& window)
    : m_document(document), m_window(&window)
{
}

CommandBindings CPrintCommands::Bindings()
{
    static constexpr SMemberCommand<CPrintCommands> kCommands[] = {
        {cmd::kFilePrint, &CPrintCommands::Print},
        {cmd::kFilePrintPreview, &CPrintCommands::PrintPreview},
        {cmd::kFileExportPdf, &CPrintCommands::ExportPdf},
    };
    return MemberBindings<CPrintCommands>(*this, kCommands);
}

void CPrintCommands::UpdateCommand(int /*commandId*/, QAction& action)
{
    action.setEnabled(true);
}

void CPrintCommands::SetPrintDialogRunner(PrintDialogRunner runner)
{
    PrintDialogOverride() = std::move(runner);
}

std::optional<channel_sheet::SSheet> CPrintCommands::AskForSheet()
{
    CPrintOptionsDlg options(m_document.Settings(), m_window);
    if (options.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QString path = m_document.GetPathName();
    const std::string name = path.isEmpty() ? std::string() : QFileInfo(path).fileName().toStdString();
    return channel_sheet::BuildSheet(m_document.GetRadioData(), name, sheet_print::PrintDate(),
                                     options.Options());
}

void CPrintCommands::SetUpPrinter(QPrinter& printer, const channel_sheet::SSheet& sheet)
{
    printer.setPageSize(sheet_print::DefaultPageSize());
    printer.setDocName(QString::fromStdString(sheet.heading.title));
}

void CPrintCommands::Print()
{
    const std::optional<channel_sheet::SSheet> sheet = AskForSheet();
    if (!sheet) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, *sheet);
    if (RunPrintDialog(printer, m_window)) {
        CWaitCursor wait;
        sheet_print::PaintChannelSheet(*sheet, printer);
    }
}

void CPrintCommands::PrintPreview()
{
    const std::optional<channel_sheet::SSheet> sheet = AskForSheet();
    if (!sheet) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, *sheet);
    QPrintPreviewDialog preview(&printer, m_window);
    preview.setObjectName(QStringLiteral("printPreviewDialog"));
    preview.setWindowTitle(LoadString(ids::kPrintPreviewCaption));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&sheet](QPrinter* device) { sheet_print::PaintChannelSheet(*sheet, *device); });
    preview.exec();
}

void CPrintCommands::ExportPdf()
{
    const std::optional<channel_sheet::SSheet> sheet = AskForSheet();
    if (!sheet) {
        return;
    }
    const QString documentPath = m_document.GetPathName();
    const QString baseName =
        documentPath.isEmpty() ? LoadString(ids::kUntitled) : QFileInfo(documentPath).completeBaseName();
    const QString folder = documentPath.isEmpty() ? QString() : QFileInfo(documentPath).absolutePath() + u'/';
    const QString suffix = QString::fromLatin1(kPdfSuffix);
    const QString path = FileDialogs::GetSaveFileName(m_window, LoadString(ids::kExportPdfCaption),
                                                      folder + baseName + u'.' + suffix,
                                                      LoadString(ids::kPdfFilesFilter), suffix);
    if (path.isEmpty()) {
        return;
    }
    QString error;
    bool written = false;
    {
        CWaitCursor wait;
        written = sheet_print::WriteChannelSheetPdf(*sheet, path, sheet_print::DefaultPageSize(), &error);
    }
    if (!written) {
        MessageBox::Show(m_window,
                         LoadString(ids::kExportPdfFailedFormat).arg(QDir::toNativeSeparators(path), error),
                         MessageBox::Buttons::Ok, MessageBox::Icon::Warning);
        return;
    }
    m_document.ShowOutcome(LoadString(ids::kExportedFormat).arg(QFileInfo(path).fileName()));
}
