#pragma once

#include <QList>
#include <QString>

class QWidget;

// Message boxes with the application title as caption. Tests answer them ahead of time: a queued answer
// (or the default answer) is returned at once instead of showing a window, and the box is recorded so the
// test can read back what would have been shown.
class MessageBox
{
public:
    enum class Icon
    {
        None,
        Information,
        Warning,
        Question,
    };
    enum class Buttons
    {
        Ok,
        OkCancel,
        YesNo,
        YesNoCancel,
    };
    enum class Answer
    {
        Ok,
        Cancel,
        Yes,
        No,
    };

    struct SShown
    {
        QString caption;
        QString text;
        Buttons buttons;
        Icon icon;
    };

    // Shows the text modally over the parent's window. An empty caption means the application title.
    static Answer Show(QWidget* parent, const QString& text, Buttons buttons, Icon icon,
                       const QString& caption = QString());

    static void Information(QWidget* parent, const QString& text);
    static void Warning(QWidget* parent, const QString& text);
    static Answer OkCancel(QWidget* parent, const QString& text, Icon icon = Icon::Warning);
    static Answer YesNo(QWidget* parent, const QString& text, Icon icon = Icon::Warning);
    static Answer YesNoCancel(QWidget* parent, const QString& text, Icon icon = Icon::Warning);

    // Test seam: the answers of the next boxes, in order; no window is shown for them.
    static void SetNextAnswer(Answer answer);
    // Test seam: the answer of every box met while the queue is empty, so no test ever blocks.
    static void SetDefaultAnswer(Answer answer);
    // Boxes answered through the test seam since the last reset, oldest first.
    static QList<SShown> Shown();
    // Forgets queued answers, the default answer and the recorded boxes.
    static void Reset();
};
