#pragma once

class CMainFrame;
class CZQL52Doc;
class CZQL52View;

// Puts the document, its channel list and the frame together as the program does. The list, the frame and
// the document know nothing of one another beyond the small interfaces they are handed here.

// The list follows the document: row 0 selected and every row rebuilt after New and Open, every row
// rebuilt after any other change of the whole data.
void ConnectDocumentView(CZQL52Doc& document, CZQL52View& view);

// The frame runs the document's, the list's and the print commands, shows the document's title, status
// texts and recent files, asks the document before it closes and shows the list's pop-up menu; the
// document's dialogs belong to the frame.
void ConnectDocumentFrame(CZQL52Doc& document, CZQL52View& view, CMainFrame& frame);
