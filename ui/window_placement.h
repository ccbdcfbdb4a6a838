#pragma once

#include <QRect>
#include <QSize>

class ISettingsStore;
class QWidget;

// Where the main window was when it was last closed ("Window Position": Left, Top, Width, Height, Zoom,
// Icon). Left and Top are the outer corner of the frame, Width and Height the size inside it: that is what
// Qt sets before the window manager has framed the window, so a stored placement comes back unchanged.
struct SWindowPlacement
{
    QRect rect;
    bool maximised = false;
};

// The stored placement; `start` for what is not stored.
SWindowPlacement ReadWindowPlacement(const ISettingsStore& settings, const QRect& start);
// The rectangle to show the window in: its size within the limits, and moved onto a screen when its top
// edge is on none.
QRect PlacementOnScreen(const QRect& rect, const QSize& minimum, const QSize& maximum);
// Stores the window's placement; the first write that fails ends it, so later entries keep their old
// values.
void StoreWindowPlacement(ISettingsStore& settings, const QWidget& window);
