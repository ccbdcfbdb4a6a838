#pragma once

#include "channels/channel_rows.h"
#include "ui/channel_selection.h"
#include "ui/widgets/list_view_ex.h"

#include <QString>
#include <array>
#include <functional>
#include <memory>

class CChannelCommands;
class CChannelListModel;
class CChannelOperationsCommands;
class CRadioData;
class IChannelDocument;

// The channel list: the document's only view. 124 rows (memory channels 00 to 99, program-scan edges
// P0A to P9B, call channels) with one column per channel field; every cell is an answer of the radio data
// to a channel command, kept in a cache of texts from which the list's items are set. Enter and a
// double-click ask for Edit Memory on the selected row, Delete for its Clear, through CommandRequested.
// The column widths are kept in the settings ("Column"/"Width0" to "Width10"). The view owns the channel
// commands and the operations on many channels, which run each change as one undo step of the document.
// Whoever puts the program together hands their bindings to the frame, runs the commands the list asks
// for, calls OnInitialUpdate and OnUpdate when the document's data are replaced or changed, and shows the
// pop-up menu the list asks for.
class CZQL52View : public CListViewEx, public IChannelSelection
{
    Q_OBJECT

public:
    // Runs the Edit Memory dialog for the row; true when the user confirmed it, so the row is rebuilt. The
    // view starts with a handler that runs the program's Edit Memory dialog.
    using EditHandler = std::function<bool(int row)>;

    explicit CZQL52View(IChannelDocument& document, QWidget* parent = nullptr);
    ~CZQL52View() override;

    IChannelDocument& GetDocument() { return m_document; }
    CChannelCommands& Commands() { return *m_commands; }
    CChannelOperationsCommands& Operations() { return *m_operations; }

    // Computes the row's 11 cell texts into the cache.
    void BuildRow(int row);
    // Sets the row's item texts from the cache; nothing outside 0 to 123.
    void ShowRow(int row);
    void RefreshRow(int row) override;
    // Rebuilds every row under the wait cursor, then shows them all.
    void RefreshAll() override;

    // The selected row, or 0 when none is.
    int SelectedRow() const override;
    // Makes the row the only selected and the current one, and scrolls it into view.
    void SelectRow(int row) override;
    // The row last opened for editing.
    int GetCurrentChannel() const { return m_currentChannel; }
    void EditSelected() override;
    QWidget* DialogParent() const override { return window(); }

    void SetEditHandler(EditHandler handler) { m_editHandler = std::move(handler); }

    // After New or Open: row 0 selected, everything rebuilt.
    void OnInitialUpdate();
    // After any change the document announces: everything rebuilt, the selection kept.
    void OnUpdate();

    // The cached text of a cell; empty outside the list.
    QString CellText(int row, int column) const;

Q_SIGNALS:
    // A row's item texts were set again.
    void RowShown(int row);
    // A key or a double-click of the list asks for a command (Edit Memory, or Clear from the Delete key).
    void CommandRequested(int commandId);
    // The list's pop-up menu is wanted at a screen position; its row is selected already.
    void ContextMenuRequested(const QPoint& globalPos);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void CreateColumns();
    // What the column's widest cell needs in the list's font, spare pixels included.
    int ContentWidth(int column) const;
    void StoreColumnWidths();

    IChannelDocument& m_document;
    CRadioData& m_data;
    CChannelListModel* m_model;
    std::array<channel_rows::Cells, channel_rows::kRowCount> m_cache;
    int m_currentChannel = 0;
    EditHandler m_editHandler;
    std::unique_ptr<CChannelCommands> m_commands;
    std::unique_ptr<CChannelOperationsCommands> m_operations;
};
