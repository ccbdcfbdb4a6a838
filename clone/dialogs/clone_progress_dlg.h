#pragma once

#include "clone/clone_ui.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QProgressBar;
class QPushButton;

// The small modeless window shown while a clone read or write runs. The session runs on the user-interface
// thread, so this window is also its event pump: SetPos and CheckCancel first process every pending event,
// which keeps the windows painted and lets the user cancel with Escape or the window's close button. While
// the window exists its owner (the main window) is disabled.
class CCloneProgressDlg : public QDialog, public ICloneProgress
{
    Q_OBJECT

public:
    static constexpr int kDefaultCaptionId = 156;
    static constexpr int kLower = 0;
    static constexpr int kUpper = 100;

    // captionId 0 gives the caption "Cloning".
    explicit CCloneProgressDlg(int captionId = 0);
    ~CCloneProgressDlg() override;

    // Shows the window. The owner is the parent's window, or the program's main window when there is no
    // parent; it is disabled when it was enabled, and enabled again when this window goes.
    bool Create(QWidget* parent = nullptr);
    // Hides the window and enables the owner again if this window disabled it.
    void DestroyWindow();
    // What the progress bar is called for assistive technology: the operation that runs (" Now reading <-
    // TR"), without its blanks; the window's caption until then. The bar holds the focus, so that a screen
    // reader says it and its value.
    void SetOperation(const QString& text);

    int SetPos(int position) override;
    bool CheckCancel() override;

    QWidget* Owner() const { return m_owner; }

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    static QWidget* MainWindow();
    void PumpMessages();
    void PlaceOverOwner();

    QProgressBar* m_progress;
    QLabel* m_percent;
    QPushButton* m_cancel;
    QPointer<QWidget> m_owner;
    bool m_cancelRequested = false;
    bool m_ownerDisabled = false;
};
