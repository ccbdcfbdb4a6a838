#pragma once

#include <QWidget>

class QTextBrowser;

// The program's manual, shipped inside the program, in a window of its own. Help > Contents and Help >
// Help Topics open it; there is one such window, raised again when it is already open. Escape closes it,
// as it closes a dialog.
class CHelpWindow : public QWidget
{
    Q_OBJECT

public:
    // The page that opens first; "#topics" is the list of topics.
    static constexpr const char* kContentsPage = "qrc:/manual/index.html";
    static constexpr const char* kTopicsAnchor = "topics";

    // Shows the manual at the anchor (empty: its top) and returns the window. The window belongs to the
    // owner's window and closes with it.
    static CHelpWindow* ShowHelp(QWidget* owner, const QString& anchor = QString());

    QTextBrowser* Browser() const { return m_browser; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    explicit CHelpWindow(QWidget* owner);

    QTextBrowser* m_browser;
};
