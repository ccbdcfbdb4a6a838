#pragma once

class QWidget;

// The channel commands' view of the list: which row they act on, how the list shows the result, and the
// window their dialogs belong to.
class IChannelSelection
{
public:
    virtual ~IChannelSelection() = default;

    // The selected row, or 0 when none is.
    virtual int SelectedRow() const = 0;
    // Makes the row the only selected and the current one, and scrolls it into view.
    virtual void SelectRow(int row) = 0;
    virtual void RefreshRow(int row) = 0;
    virtual void RefreshAll() = 0;
    // Runs the Edit Memory dialog on the selected row.
    virtual void EditSelected() = 0;
    virtual QWidget* DialogParent() const = 0;
};
