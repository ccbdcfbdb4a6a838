#pragma once

#include <QString>
#include <QWidget>

// Says a text to assistive technology without showing it. Qt has no announcement of its own here, so the
// announcer is an object of the notification role that takes the text as its accessible name and is shown
// again: the AT-SPI bridge reports that as "object:state-changed:showing", on which a screen reader (Orca)
// speaks a notification's name. It is one pixel, paints nothing, takes no input and no focus, and stays
// hidden until its first text, so that the window's start says nothing.
class CAnnouncer : public QWidget
{
    Q_OBJECT

public:
    explicit CAnnouncer(QWidget* parent);

    // Says the text without its leading and trailing blanks; nothing for a blank one.
    void Announce(const QString& text);
    // The text said last; empty before the first.
    QString LastText() const { return accessibleName(); }
};
