#pragma once

#include <QPointer>
#include <string>
#include <string_view>

class CMainFrame;
class CZQL52Doc;
class CZQL52View;
class QMenu;
class QPoint;
class QWidget;

// The commands of the channel list: Edit Memory, Copy, Paste, Clear, Delete and Insert on the selected
// row (row 0 when none is selected), and the two commands that open the DTMF Autodial dialog and the
// Common settings sheet. The list decides nothing about channels: a channel command is enabled by the
// channel table's answer to its ".CHECK" form, and the rows are rebuilt from the data afterwards. Every
// change is one undo step of the document.
class CChannelCommands
{
public:
    // The view owns the commands; the document outlives both.
    CChannelCommands(CZQL52View& view, CZQL52Doc& document);

    // Hands the commands to the frame's menus, toolbar and accelerators.
    void AttachFrame(CMainFrame& frame);

    // Enabled state as the menus show it; false for a command that is not one of these.
    bool IsEnabled(int commandId);
    // Runs a command the way a menu item does: only when it is enabled at that moment.
    bool Run(int commandId);

    // The actions themselves, without asking for the enabled state (the Delete key clears at once).
    void EditMemory();
    void Copy();
    void Paste();
    void Clear();
    void Delete();
    void Insert();
    void DtmfAutoDial();
    void CommonSetting();

    // The list's pop-up menu at a screen position: the frame comes to the top first, and the chosen item
    // runs as the menu bar's would once the pop-up has closed.
    void ShowContextMenu(const QPoint& globalPos);
    // The pop-up with the enabled states of this moment; each item's data is its command identifier. The
    // caller owns it.
    QMenu* CreateContextMenu(QWidget* parent);

private:
    std::string Answer(std::string_view operation, bool check);
    QWidget* DialogParent() const;
    void BringFrameToTop() const;

    CZQL52View& m_view;
    CZQL52Doc& m_document;
    QPointer<CMainFrame> m_frame;
};
