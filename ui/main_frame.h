#pragma once

#include "core/command_ids.h"
#include "ui/command_binding.h"

#include <QMainWindow>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>

class ISettingsStore;
class CCommandRouter;
class CAnnouncer;
class CRecentFileList;
class QAction;
class QLabel;
class QMimeData;
class QPoint;
class QTimer;
class QToolBar;

// The program's only top-level window: menu bar, accelerators, dockable toolbar, status bar with the
// call-sign pane, and the channel list as its client area (set by the caller with setCentralWidget).
//
// The frame owns no data. Every command of the menus, the toolbar, the accelerators and the channel list's
// pop-up menu is one QAction (look it up with Action(), or by its objectName, e.g. "actionCloneRead"; its
// identifier is the property "commandId"), and RunCommand is the only way a command runs. Whoever carries
// out a command registers a handler for it; a command without a handler is disabled, as are its menu
// item and toolbar button. Before a menu opens, while the program is idle and just before a command runs,
// each update handler is asked to set the enabled and checked state of its action; a command found
// disabled then is not carried out.
//
// The frame itself handles Exit, the Toolbar and Status Bar switches, the two Help commands and About.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    using CommandHandler = std::function<void()>;
    using UpdateHandler = std::function<void(QAction& action)>;

    static constexpr QSize kMinimumSize{300, 200};
    static constexpr QSize kMaximumSize{1200, 800};
    static constexpr QRect kDefaultPlacement{5, 5, 620, 360};
    static constexpr int kIdleUpdateMs = 200;

    // Reads the stored placement; the frame is not shown yet.
    explicit CMainFrame(ISettingsStore& settings, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Shows the frame at its stored placement: maximised when it was closed maximised, never minimised.
    void ShowFrame();

    // Shows the call sign in the last status-bar pane, which is sized to the text (no width when empty).
    void SetCallSignText(const QString& text);
    QString CallSignText() const;
    // Text of the message pane (" Cloning completed.", " Now reading <- TR", ...); it stays until a
    // command prompt replaces it.
    void SetMessageText(const QString& text);
    QString MessageText() const;
    // Says a command's outcome to assistive technology (a screen reader); the status bar is not touched.
    void Announce(const QString& text);
    // The text said last; empty before the first.
    QString LastAnnouncement() const;
    // The window title: the document's name ("Untitled" when empty), " - " and "ZQ-L52".
    void SetDocumentName(const QString& name);

    QAction* Action(int commandId) const;
    void SetCommandHandler(int commandId, CommandHandler handler, UpdateHandler update = {});
    void SetCommandHandlers(const CommandBindings& bindings);
    void ClearCommandHandler(int commandId);
    // Asks every update handler for the state of its command now.
    void UpdateCommandUi();
    // Runs a command as a menu item would: only when it is enabled after its update handler ran.
    bool RunCommand(int commandId);
    // The state of the frame's own commands (Toolbar and Status Bar checked while shown, a recent file
    // enabled while it is listed).
    void UpdateCommand(int commandId, QAction& action);

    // The channel list's pop-up menu (the channel items of the Edit menu) at a screen position, with the
    // enabled states of this moment. The frame comes to the top first; the chosen item runs as the menu
    // bar's would.
    void ShowContextMenu(const QPoint& globalPos);

    // Asked on every close request after the placement is stored; false keeps the window open.
    void SetCloseGuard(std::function<bool()> mayClose);

    // Recent files shown in the File menu; choosing one calls the handler with the path.
    void SetRecentFileHandler(std::function<void(const QString& path)> handler);
    void AddToRecentFileList(const QString& path);
    void RemoveFromRecentFileList(const QString& path);
    QStringList RecentFiles() const;

    // A file dropped on the window goes to the handler of its suffix (any case, without the dot), after
    // the drop has ended. The window takes a drag of exactly one local file with such a suffix.
    using FileDropHandler = std::function<void(const QString& path)>;
    void SetFileDropHandler(const QString& suffix, FileDropHandler handler);

Q_SIGNALS:
    // A close request went through: the window is gone.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The frame's own commands: Exit, the Toolbar and Status Bar switches, Help, About, the recent files and
    // the reserved accelerators.
    CommandBindings Bindings();
    void Exit();
    void ToggleToolBar();
    void ToggleStatusBar();
    void HelpContents();
    void HelpTopics();
    void About();
    void IgnoreReservedKey();
    template <int TIndex> void OpenRecentFile() { OpenRecentFileAt(TIndex); }
    void OpenRecentFileAt(int index);

    void CreateActions();
    // The toolbar icons drawn for the window's palette, again whenever it changes (a dark theme chosen
    // while the program runs).
    void RefreshToolIcons();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void BringToTop();
    void RefreshRecentFileMenu();
    void OnStatusTipChanged(const QString& tip);
    void UpdateLockIndicators(quint32 nativeModifiers);

    // The dropped file and its handler; no handler unless the data is one file this window takes.
    std::pair<QString, FileDropHandler> DroppedFile(const QMimeData* mime) const;

    void SaveBarState();
    void ApplySizeLimits();

    ISettingsStore& m_settings;
    std::unique_ptr<CRecentFileList> m_recentFiles;
    std::unique_ptr<CCommandRouter> m_router;
    std::function<bool()> m_closeGuard;
    std::function<void(const QString&)> m_recentFileHandler;
    // By lower-case suffix.
    std::map<QString, FileDropHandler> m_dropHandlers;

    QToolBar* m_toolBar = nullptr;
    QLabel* m_messagePane = nullptr;
    QLabel* m_capsPane = nullptr;
    QLabel* m_numPane = nullptr;
    QLabel* m_scrollPane = nullptr;
    QLabel* m_callSignPane = nullptr;
    QTimer* m_idleTimer = nullptr;
    CAnnouncer* m_announcer = nullptr;
    bool m_startMaximised = false;
};
