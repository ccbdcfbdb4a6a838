#pragma once

#include "ui/command_binding.h"

#include <string>
#include <string_view>

class IChannelDocument;
class IChannelSelection;
class QWidget;

// The commands of the channel list: Edit Memory, Copy, Paste, Clear, Delete and Insert on the selected
// row (row 0 when none is selected), Clear from the list's Delete key, and the two commands that open the
// DTMF Autodial dialog and the Common settings sheet. The list decides nothing about channels: a channel
// command is enabled by the channel table's answer to its ".CHECK" form, and the rows are rebuilt from the
// data afterwards. Every change is one undo step of the document. The frame runs them: see Bindings().
class CChannelCommands
{
public:
    // The list owns the commands; the document outlives both.
    CChannelCommands(IChannelSelection& selection, IChannelDocument& document);

    // The commands with their enabled states, for the frame's menus, toolbar, accelerators and the list's
    // pop-up menu.
    CommandBindings Bindings();

    // Enabled state as the menus show it; false for a command that is not one of these.
    bool IsEnabled(int commandId);
    void UpdateCommand(int commandId, QAction& action);

    // The actions themselves, without asking for the enabled state.
    void EditMemory();
    void Copy();
    void Paste();
    void Clear();
    void Delete();
    void Insert();
    void DtmfAutoDial();
    void CommonSetting();

private:
    std::string Answer(std::string_view operation, bool check);
    QWidget* DialogParent() const;

    IChannelSelection& m_selection;
    IChannelDocument& m_document;
};
