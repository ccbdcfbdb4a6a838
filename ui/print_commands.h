#pragma once

#include "interchange/channel_sheet.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

class CMainFrame;
class CZQL52Doc;
class QPrinter;

// File > Print..., Print Preview... and Export PDF...: each asks for the print options, builds the
// channel sheet of the document as it is now and hands it to the print dialog, the print preview or a
// PDF file chosen in a save dialog. Lives as long as the frame it is a child of.
class CPrintCommands : public QObject
{
    Q_OBJECT

public:
    // Shows the platform's print dialog for the printer; true when the user chose to print.
    using PrintDialogRunner = std::function<bool(QPrinter& printer, QWidget* parent)>;

    // Installs the three commands in the frame. The document must outlive the frame.
    CPrintCommands(CZQL52Doc& document, CMainFrame& frame);

    void Print();
    void PrintPreview();
    void ExportPdf();

    // Test seam: runs instead of the print dialog until reset with an empty function.
    static void SetPrintDialogRunner(PrintDialogRunner runner);

private:
    // The sheet with the options the user confirmed; nothing when the user cancelled.
    std::optional<channel_sheet::SSheet> AskForSheet();

    CZQL52Doc& m_document;
    QPointer<CMainFrame> m_frame;
};
