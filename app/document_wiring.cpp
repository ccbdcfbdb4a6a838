#include "app/document_wiring.h"

#include "app/zql52_doc.h"
#include "ui/channel_commands.h"
#include "ui/channel_list_view.h"
#include "ui/channel_operations_commands.h"
#include "ui/main_frame.h"

#include <QItemSelectionModel>

SFileCommands::SFileCommands(CZQL52Doc& document, CZQL52View& view, CMainFrame& frame)
    : interchange(view, document), print(document, frame)
{
}

void ConnectDocumentView(CZQL52Doc& document, CZQL52View& view)
{
    QObject::connect(&document, &CZQL52Doc::DocumentReplaced, &view, &CZQL52View::OnInitialUpdate);
    QObject::connect(&document, &CZQL52Doc::DocumentChanged, &view, &CZQL52View::OnUpdate);
    QObject::connect(&document, &CZQL52Doc::RowSelected, &view, &CZQL52View::SelectRow);
}

std::unique_ptr<SFileCommands> ConnectDocumentFrame(CZQL52Doc& document, CZQL52View& view, CMainFrame& frame)
{
    document.SetWindow(&frame);
    auto files = std::make_unique<SFileCommands>(document, view, frame);
    frame.SetCommandHandlers(document.Bindings());
    frame.SetCommandHandlers(view.Commands().Bindings());
    frame.SetCommandHandlers(view.Operations().Bindings());
    frame.SetCommandHandlers(files->interchange.Bindings());
    frame.SetCommandHandlers(files->print.Bindings());
    frame.SetRecentFileHandler([&document](const QString& path) { document.OpenFile(path); });
    // A clone data file dropped on the window opens as with File > Open, a channel list is imported.
    frame.SetFileDropHandler(document.DefaultSuffix(),
                             [&document](const QString& path) { document.OpenFile(path); });
    frame.SetFileDropHandler(QStringLiteral("csv"), [&interchange = files->interchange](const QString& path) {
        interchange.ImportCsvFile(path);
    });
    frame.SetCloseGuard([&document] { return document.MayClose(); });
    frame.SetDocumentName(document.GetTitle());

    QObject::connect(&document, &CZQL52Doc::TitleChanged, &frame, &CMainFrame::SetDocumentName);
    QObject::connect(&document, &CZQL52Doc::FileUsed, &frame, &CMainFrame::AddToRecentFileList);
    QObject::connect(&document, &CZQL52Doc::FileMissing, &frame, &CMainFrame::RemoveFromRecentFileList);
    QObject::connect(&document, &CZQL52Doc::StatusText, &frame, &CMainFrame::SetMessageText);
    QObject::connect(&document, &CZQL52Doc::Announcement, &frame, &CMainFrame::Announce);
    QObject::connect(&document, &CZQL52Doc::CallSignChanged, &frame, &CMainFrame::SetCallSignText);
    QObject::connect(&document, &CZQL52Doc::CommandStateChanged, &frame, &CMainFrame::UpdateCommandUi);
    QObject::connect(&document, &CZQL52Doc::CloseRequested, &frame, &QWidget::close, Qt::QueuedConnection);
    // The channel commands depend on the row: a key pressed right after moving on must find them in the
    // new row's state, not wait for the idle update.
    if (QItemSelectionModel* selection = view.selectionModel()) {
        QObject::connect(selection, &QItemSelectionModel::selectionChanged, &frame,
                         [&frame] { frame.UpdateCommandUi(); });
    }
    QObject::connect(&view, &CZQL52View::CommandRequested, &frame, &CMainFrame::RunCommand);
    QObject::connect(&view, &CZQL52View::ContextMenuRequested, &frame, &CMainFrame::ShowContextMenu);
    frame.UpdateCommandUi();
    return files;
}
