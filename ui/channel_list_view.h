#pragma once

#include "channels/channel_rows.h"

#include <QColor>
#include <QString>
#include <QTreeView>
#include <array>
#include <functional>
#include <memory>

class CChannelCommands;
class CChannelListModel;
class CChannelOperationsCommands;
class CInterchangeCommands;
class CMainFrame;
class CRadioData;
class CZQL52Doc;
class QFontMetrics;

// A report list that draws each row itself: a selected row is highlighted across all its columns (and,
// with the client-width flag, on to the right edge of the list), and a text too wide for its column is
// cut and ends in "...". The highlight is shown only while the list has the keyboard focus. It knows
// nothing of channels.
class CListViewEx : public QTreeView
{
    Q_OBJECT

public:
    // Pixels kept free when a text is measured against its column, and the inset it is drawn with on each
    // side: the first column (the label) and every other column.
    static constexpr int kLabelSpare = 4;
    static constexpr int kLabelInset = 2;
    static constexpr int kCellSpare = 12;
    static constexpr int kCellInset = 6;

    explicit CListViewEx(QWidget* parent = nullptr);

    // The text as drawn in a column of the given width: unchanged when it fits with the spare pixels,
    // otherwise as many leading characters as fit followed by "..." (at least the first character).
    static QString ShortenText(const QFontMetrics& metrics, const QString& text, int width, int spare,
                               bool* shortened = nullptr);

    bool FullRowSelect() const { return m_fullRow; }
    bool ClientWidthHighlight() const { return m_clientWidthFlag; }
    void SetClientWidthHighlight(bool on);
    int ClientWidth() const { return m_clientWidth; }
    // Background of rows that are not selected.
    QColor TextBackgroundColor() const { return m_rowBackground; }
    void SetTextBackgroundColor(const QColor& colour);

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // A cell whose text is cut shows the whole text as its tool tip.
    bool viewportEvent(QEvent* event) override;

private:
    // The cell's text when it is drawn cut, else empty.
    QString CutText(const QModelIndex& index) const;
    void DrawCell(QPainter& painter, const QRect& area, const QModelIndex& index, int spare, int inset) const;

    bool m_fullRow = false;
    bool m_clientWidthFlag = true;
    int m_clientWidth = 0;
    QColor m_rowBackground;
};

// The channel list: the document's only view. 124 rows (memory channels 00 to 99, program-scan edges
// P0A to P9B, call channels) with one column per channel field; every cell is an answer of the radio data
// to a channel command, kept in a cache of texts from which the list's items are set. Enter and a
// double-click edit the selected row, Delete clears it. The column widths are kept in the settings
// ("Column"/"Width0" to "Width10"). The view carries the channel editing commands (its menu, toolbar and
// context-menu commands) and runs each change as one undo step of the document.
class CZQL52View : public CListViewEx
{
    Q_OBJECT

public:
    // Runs the Edit Memory dialog for the row; true when the user confirmed it, so the row is rebuilt. The
    // view starts with a handler that runs the program's Edit Memory dialog.
    using EditHandler = std::function<bool(int row)>;

    explicit CZQL52View(CZQL52Doc& document, QWidget* parent = nullptr);
    ~CZQL52View() override;

    CZQL52Doc& GetDocument() { return m_document; }
    CChannelCommands& Commands() { return *m_commands; }
    // Hands the channel editing, channel operation and interchange commands to the frame's menus,
    // toolbar and accelerators.
    void AttachFrame(CMainFrame& frame);

    // Computes the row's 11 cell texts into the cache.
    void BuildRow(int row);
    // Sets the row's item texts from the cache; nothing outside 0 to 123.
    void ShowRow(int row);
    void RefreshRow(int row);
    // Rebuilds every row under the wait cursor, then shows them all.
    void RefreshAll();

    // The selected row, or 0 when none is.
    int SelectedRow() const;
    // Makes the row the only selected and the current one, and scrolls it into view.
    void SelectRow(int row);
    // The row last opened for editing.
    int GetCurrentChannel() const { return m_currentChannel; }
    void EditSelected();
    // The Clear action on the selected row, without asking whether Clear is enabled: the channel table
    // refuses what it cannot clear.
    void ClearSelected();

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

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void CreateColumns();
    void StoreColumnWidths();

    CZQL52Doc& m_document;
    CRadioData& m_data;
    CChannelListModel* m_model;
    std::array<channel_rows::Cells, channel_rows::kRowCount> m_cache;
    int m_currentChannel = 0;
    EditHandler m_editHandler;
    std::unique_ptr<CChannelCommands> m_commands;
    std::unique_ptr<CChannelOperationsCommands> m_operations;
    std::unique_ptr<CInterchangeCommands> m_interchange;
};
