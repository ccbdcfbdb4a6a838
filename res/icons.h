#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures, painted in code so they stay crisp at every size: the toolbar icons (16 x 16
// and 32 x 32 pixels) and the transceiver picture of the About box and the setup dialog. The application
// icon is rendered from the SVG artwork that is installed into the icon theme. They need a
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

QIcon ToolIcon(EToolIcon which);
// The image of one toolbar icon at the given size in pixels.
QPixmap ToolPixmap(EToolIcon which, int size);
QIcon AppIcon();
// A hand-held transceiver, about twice as high as wide, at the given height in pixels.
QPixmap TransceiverPicture(int height);
