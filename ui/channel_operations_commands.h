#pragma once

#include "operations/channel_fields.h"
#include "operations/channel_operations.h"
#include "ui/command_binding.h"

#include <QString>

class IChannelDocument;
class IChannelSelection;
class QWidget;

// The Edit menu's commands on many channels: Find and Find Next, Move Up and Move Down on the selected
// row, and Sort, Compact and Fill on a range of memory channels chosen in a dialog. Each change is one
// undo step of the document named after its command; the rows that changed are rebuilt. The dialogs
// start with the choices made last.
class CChannelOperationsCommands
{
public:
    // The list owns the commands; the document outlives both.
    CChannelOperationsCommands(IChannelSelection& selection, IChannelDocument& document);

    // The commands with their enabled states, for the frame's menus and accelerators.
    CommandBindings Bindings();
    // False for a command that is not one of these.
    bool IsEnabled(int commandId);
    void UpdateCommand(int commandId, QAction& action);

    void Find();
    // Without a text found before, the same as Find.
    void FindNext();
    void MoveUp();
    void MoveDown();
    void SortChannels();
    void CompactChannels();
    void FillRange();

    // Selects the next row after the selected one (round to the first) whose channel matches the text;
    // false, with "Not found" in the status bar, when none does.
    bool FindText(const QString& text);
    QString LastFindText() const { return m_findText; }

private:
    CChannelOperations Operations();
    void Move(int delta, int stepId);
    void ShowRows(const std::vector<int>& rows);

    IChannelSelection& m_selection;
    IChannelDocument& m_document;
    QString m_findText;
    ESortKey m_sortKey = ESortKey::Frequency;
    ESortOrder m_sortOrder = ESortOrder::Ascending;
    EChannelField m_fillField = EChannelField::Duplex;
};
