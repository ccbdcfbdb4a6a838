#pragma once

#include "interchange/channel_sheet.h"
#include "ui/command_binding.h"

#include <QPointer>
#include <functional>
#include <optional>

class IChannelDocument;
class QPrinter;
class QWidget;

// File > Print..., Print Preview... and Export PDF...: each asks for the print options, builds the
// channel sheet of the document as it is now and hands it to the print dialog, the print preview or a
// PDF file chosen in a save dialog. Its dialogs belong to the window; the frame runs the commands (see
// Bindings()).
class CPrintCommands
{
public:
    // Shows the platform's print dialog for the printer; true when the user chose to print.
    using PrintDialogRunner = std::function<bool(QPrinter& printer, QWidget* parent)>;

    // The document must outlive the commands.
    CPrintCommands(IChannelDocument& document, QWidget& window);

    // The three commands for the frame's menus, toolbar and accelerators.
    CommandBindings Bindings();
    // Always enabled.
    void UpdateCommand(int commandId, QAction& action);

    void Print();
    void PrintPreview();
    void ExportPdf();

    // Test seam: runs instead of the print dialog until reset with an empty function.
    static void SetPrintDialogRunner(PrintDialogRunner runner);

private:
    // The sheet with the options the user confirmed; nothing when the user cancelled.
    std::optional<channel_sheet::SSheet> AskForSheet();
    // The page size every sheet starts with, and the sheet's title as the printed document's name.
    static void SetUpPrinter(QPrinter& printer, const channel_sheet::SSheet& sheet);

    IChannelDocument& m_document;
    QPointer<QWidget> m_window;
};
