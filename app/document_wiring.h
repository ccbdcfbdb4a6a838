#pragma once

#include "ui/interchange_commands.h"
#include "ui/print_commands.h"

#include <memory>

class CMainFrame;
class CZQL52Doc;
class CZQL52View;

// Puts the document, its channel list and the frame together as the program does. The list, the frame and
// the document know nothing of one another beyond the small interfaces they are handed here.

// The File menu's commands beside the document's own: the channel interchange, on the document through the
// list, and printing, with their dialogs on the frame.
struct SFileCommands
{
    SFileCommands(CZQL52Doc& document, CZQL52View& view, CMainFrame& frame);

    CInterchangeCommands interchange;
    CPrintCommands print;
};

// The list follows the document: row 0 selected and every row rebuilt after New and Open, every row
// rebuilt after any other change of the whole data.
void ConnectDocumentView(CZQL52Doc& document, CZQL52View& view);

// The frame runs the document's, the list's, the interchange and the print commands (each owner hands its
// bindings on its own) and the commands the list asks for, shows the document's title, status texts and
// recent files, asks the document before it closes and shows the list's pop-up menu; the document's
// dialogs belong to the frame. The caller keeps the file commands while the frame runs.
[[nodiscard]] std::unique_ptr<SFileCommands> ConnectDocumentFrame(CZQL52Doc& document, CZQL52View& view,
                                                                  CMainFrame& frame);
