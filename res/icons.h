#pragma once

#include <QColor>
#include <QIcon>
#include <QPalette>
#include <QPixmap>

// The program's pictures: the toolbar icons (16 x 16 and 32 x 32 pixels), painted in code so they stay
// crisp and follow the palette; the application icon and the transceiver picture of the About box and the
// setup dialog, rendered from the SVG artwork that is installed into the icon theme. They need a
// QGuiApplication.

enum class EToolIcon
{
    New,
    Open,
    Save,
    EditMemory,
    Copy,
    Paste,
    Clear,
    DtmfAutoDial,
    CommonSetting,
    Com1,
    Com2,
    Com3,
    Com4,
    Read,
    Write,
    Information,
    HelpContents,
    Print,
};

// A toolbar icon for buttons and menus on the palette's window: its outlines stand out from the window
// colour on light and dark palettes alike. Make the icons again when the palette changes.
QIcon ToolIcon(EToolIcon which, const QPalette& palette);
// The image of one toolbar icon at the given size in pixels.
QPixmap ToolPixmap(EToolIcon which, int size, const QPalette& palette);
QIcon AppIcon();
// A hand-held transceiver, higher than wide, the given number of logical pixels high, drawn for a screen
// of the given device pixel ratio.
QPixmap TransceiverPicture(int height, qreal devicePixelRatio);
// The contrast ratio of two colours, from 1 (the same luminance) to 21 (black and white), as accessibility
// guidelines measure it.
double ContrastRatio(const QColor& a, const QColor& b);
