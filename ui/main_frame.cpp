#include "ui/main_frame.h"

#include "core/settings_store.h"
#include "res/icons.h"
#include "res/load_string.h"
#include "ui/about_dialog.h"
#include "ui/command_router.h"
#include "ui/command_table.h"
#include "ui/help_window.h"
#include "ui/recent_file_list.h"
#include "ui/widgets/announcer.h"
#include "ui/window_placement.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <array>

namespace {

using command_table::kNoText;
using command_table::kSeparator;

constexpr std::string_view kToolBarState = "ToolBarState";
constexpr std::string_view kToolBarStateValue = "State";

constexpr const char* kCommandIdProperty = "commandId";
constexpr QSize kToolIconSize{16, 16};
// Blank pixels left and right of a status-bar pane's text.
constexpr int kPanePadding = 3;
constexpr int kRecentFileNameLength = 48;
// X11 key-event state bits of the lock keys.
constexpr quint32 kX11LockMask = 1U << 1;
constexpr quint32 kX11NumLockMask = 1U << 4;

QString RecentFileText(int index, const QString& path)
{
    QString shown = QDir::toNativeSeparators(path);
    const QString home = QDir::homePath();
    if (shown.startsWith(home + QLatin1Char('/'))) {
        shown = QLatin1Char('~') + shown.mid(home.size());
    }
    if (shown.size() > kRecentFileNameLength) {
        const QString ellipsis = QStringLiteral("...");
        const QString name = QLatin1Char('/') + QFileInfo(shown).fileName();
        const qsizetype keep = std::max<qsizetype>(kRecentFileNameLength - name.size() - ellipsis.size(), 0);
        shown = shown.left(keep) + ellipsis + name;
    }
    // A "&" in a menu text would mark a mnemonic.
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return LoadString(ids::kRecentFileFormat).arg(QString::number(index + 1), shown);
}

int TextPaneWidth(const QLabel& pane, const QString& text)
{
    if (text.isEmpty()) {
        return 0;
    }
    // Measured the way QLabel lays out its text, which can be a pixel wider than the advance.
    const int textWidth = pane.fontMetrics().boundingRect(QRect(), Qt::TextSingleLine, text).width();
    return textWidth + 2 * (kPanePadding + pane.frameWidth());
}

// A menu item's text as a toolbar button's: without the shortcut after the tab, the mnemonic marks and the
// dots ("&New\tCtrl+N" gives "New", "&Information..." "Information").
QString ButtonText(const QString& itemText)
{
    QString text = itemText.section(QLatin1Char('\t'), 0, 0);
    text.remove(QStringLiteral("..."));
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            text.remove(i, 1);
        }
    }
    return text.trimmed();
}

QLabel* MakePane(QWidget* parent, const char* objectName)
{
    auto* pane = new QLabel(parent);
    pane->setObjectName(QString::fromLatin1(objectName));
    pane->setTextFormat(Qt::PlainText);
    pane->setContentsMargins(kPanePadding, 0, kPanePadding, 0);
    // A framed label would otherwise indent its text by half an "x" more than the pane is wide.
    pane->setIndent(0);
    return pane;
}

} // namespace

CMainFrame::CMainFrame(ISettingsStore& settings, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_recentFiles(std::make_unique<CRecentFileList>(settings)),
      m_router(std::make_unique<CCommandRouter>()), m_idleTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(AppIcon());
    SetDocumentName(QString());
    setMinimumSize(kMinimumSize);
    setMaximumSize(kMaximumSize);
    setAcceptDrops(true);

    CreateActions();
    RefreshToolIcons();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    // The window's own child, not the status bar's: it speaks while the status bar is switched off too.
    m_announcer = new CAnnouncer(this);
    SetCommandHandlers(Bindings());
    RefreshRecentFileMenu();

    auto* placeholder = new QFrame(this);
    placeholder->setObjectName(QStringLiteral("clientPlaceholder"));
    placeholder->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    placeholder->setBackgroundRole(QPalette::Base);
    placeholder->setAutoFillBackground(true);
    setCentralWidget(placeholder);

    const SWindowPlacement placement = ReadWindowPlacement(m_settings, kDefaultPlacement);
    m_startMaximised = placement.maximised;
    const QRect rect = PlacementOnScreen(placement.rect, kMinimumSize, kMaximumSize);
    move(rect.topLeft());
    resize(rect.size());

    m_idleTimer->setInterval(kIdleUpdateMs);
    connect(m_idleTimer, &QTimer::timeout, this, [this] {
        if (isVisible()) {
            UpdateCommandUi();
        }
    });
    m_idleTimer->start();

    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    UpdateCommandUi();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::CreateActions()
{
    for (const command_table::SCommandDef& def : command_table::Commands()) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(def.objectName));
        action->setProperty(kCommandIdProperty, def.id);
        if (def.textId != kNoText) {
            action->setText(LoadString(def.textId));
        }
        action->setCheckable(def.checkable);
        // In a menu the style draws an item's icon in place of its check mark.
        action->setIconVisibleInMenu(!def.checkable);
        QList<QKeySequence> shortcuts;
        for (const command_table::SAccelerator& accelerator : command_table::Accelerators()) {
            if (accelerator.id == def.id) {
                shortcuts.append(QKeySequence(accelerator.key));
            }
        }
        action->setShortcuts(shortcuts);
        action->setStatusTip(PromptStatusText(def.id));
        const QString toolTip = PromptToolTip(def.id);
        if (!toolTip.isEmpty()) {
            action->setToolTip(toolTip);
        }
        // Actions outside the menus only fire their shortcuts when they belong to the window.
        addAction(action);
        const int id = def.id;
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        m_router->AddAction(def.id, *action);
    }
}

void CMainFrame::RefreshToolIcons()
{
    for (const command_table::SCommandDef& def : command_table::Commands()) {
        QAction* action = Action(def.id);
        if (def.icon.has_value() && action != nullptr) {
            action->setIcon(ToolIcon(*def.icon, palette()));
        }
    }
}

void CMainFrame::CreateMenus()
{
    for (const command_table::SMenuDef& def : command_table::Menus()) {
        QMenu* menu = menuBar()->addMenu(LoadString(def.titleId));
        menu->setObjectName(QString::fromLatin1(def.objectName));
        for (const int id : def.items) {
            if (id == kSeparator) {
                menu->addSeparator();
            } else {
                menu->addAction(Action(id));
            }
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUi);
    }
}

void CMainFrame::CreateToolBar()
{
    m_toolBar = new QToolBar(LoadString(ids::kToolbarTitle), this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setIconSize(kToolIconSize);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->setMovable(true);
    m_toolBar->setFloatable(true);
    for (const int id : command_table::ToolBarItems()) {
        if (id == kSeparator) {
            m_toolBar->addSeparator();
        } else {
            QAction* action = Action(id);
            // A button is named after its item's text, but without the shortcut shown after the tab.
            if (action->text().contains(QLatin1Char('\t'))) {
                action->setIconText(ButtonText(action->text()));
            }
            m_toolBar->addAction(action);
        }
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    bar->setWindowTitle(LoadString(ids::kStatusBarTitle));

    m_messagePane = MakePane(bar, "messagePane");
    m_messagePane->setText(LoadString(ids::kReady));
    bar->addWidget(m_messagePane, 1);

    m_capsPane = MakePane(bar, "capsPane");
    m_numPane = MakePane(bar, "numPane");
    m_scrollPane = MakePane(bar, "scrollPane");
    m_callSignPane = MakePane(bar, "callSignPane");
    const std::array<std::pair<QLabel*, int>, 3> indicators = {{{m_capsPane, ids::kIndicatorCaps},
                                                                {m_numPane, ids::kIndicatorNum},
                                                                {m_scrollPane, ids::kIndicatorScroll}}};
    for (const auto& [pane, textId] : indicators) {
        pane->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        pane->setFixedWidth(TextPaneWidth(*pane, LoadString(textId)));
        pane->setAlignment(Qt::AlignCenter);
        bar->addPermanentWidget(pane);
    }
    m_callSignPane->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    bar->addPermanentWidget(m_callSignPane);
    SetCallSignText(LoadString(ids::kBlankCallSign));

    connect(bar, &QStatusBar::messageChanged, this, &CMainFrame::OnStatusTipChanged);
}

CommandBindings CMainFrame::Bindings()
{
    static constexpr SMemberCommand<CMainFrame> kCommands[] = {
        {cmd::kAppExit, &CMainFrame::Exit},
        {cmd::kViewToolbar, &CMainFrame::ToggleToolBar},
        {cmd::kViewStatusBar, &CMainFrame::ToggleStatusBar},
        {cmd::kHelpContents, &CMainFrame::HelpContents},
        {cmd::kHelpTopics, &CMainFrame::HelpTopics},
        {cmd::kAppAbout, &CMainFrame::About},
        // Reserved accelerators that do nothing: enabled, so that they take their keys away from the list.
        {cmd::kEditCut, &CMainFrame::IgnoreReservedKey},
        {cmd::kNextPane, &CMainFrame::IgnoreReservedKey},
        {cmd::kPrevPane, &CMainFrame::IgnoreReservedKey},
        {cmd::kFileMruFirst, &CMainFrame::OpenRecentFile<0>},
        {cmd::kFileMruFirst + 1, &CMainFrame::OpenRecentFile<1>},
        {cmd::kFileMruFirst + 2, &CMainFrame::OpenRecentFile<2>},
        {cmd::kFileMruFirst + 3, &CMainFrame::OpenRecentFile<3>},
    };
    static_assert(cmd::kFileMruCount == 4);
    return MemberBindings<CMainFrame>(*this, kCommands);
}

void CMainFrame::UpdateCommand(int commandId, QAction& action)
{
    const int recent = commandId - cmd::kFileMruFirst;
    if (recent >= 0 && recent < cmd::kFileMruCount) {
        action.setEnabled(recent < m_recentFiles->Files().size() && bool(m_recentFileHandler));
        return;
    }
    action.setEnabled(true);
    if (commandId == cmd::kViewToolbar) {
        action.setChecked(!m_toolBar->isHidden());
    } else if (commandId == cmd::kViewStatusBar) {
        action.setChecked(!statusBar()->isHidden());
    }
}

void CMainFrame::Exit()
{
    close();
}

void CMainFrame::ToggleToolBar()
{
    m_toolBar->setVisible(m_toolBar->isHidden());
}

void CMainFrame::ToggleStatusBar()
{
    statusBar()->setVisible(statusBar()->isHidden());
}

void CMainFrame::HelpContents()
{
    CHelpWindow::ShowHelp(this);
}

void CMainFrame::HelpTopics()
{
    CHelpWindow::ShowHelp(this, QString::fromLatin1(CHelpWindow::kTopicsAnchor));
}

void CMainFrame::About()
{
    CAboutDlg about(this);
    about.exec();
}

void CMainFrame::IgnoreReservedKey() {}

void CMainFrame::OpenRecentFileAt(int index)
{
    const QStringList files = m_recentFiles->Files();
    if (index < files.size() && m_recentFileHandler) {
        m_recentFileHandler(files.at(index));
    }
}

void CMainFrame::ShowFrame()
{
    if (m_startMaximised) {
        // The size limit holds for dragging only: a maximised frame takes what the screen offers.
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showMaximized();
    } else {
        showNormal();
    }
}

void CMainFrame::SetCallSignText(const QString& text)
{
    m_callSignPane->setFixedWidth(TextPaneWidth(*m_callSignPane, text));
    m_callSignPane->setText(text);
    m_callSignPane->setHidden(text.isEmpty());
}

QString CMainFrame::CallSignText() const
{
    return m_callSignPane->text();
}

void CMainFrame::SetMessageText(const QString& text)
{
    // A command prompt still showing would hide the text until the mouse moves on.
    statusBar()->clearMessage();
    m_messagePane->setText(text);
}

void CMainFrame::Announce(const QString& text)
{
    m_announcer->Announce(text);
}

QString CMainFrame::LastAnnouncement() const
{
    return m_announcer->LastText();
}

QString CMainFrame::MessageText() const
{
    return m_messagePane->text();
}

void CMainFrame::SetDocumentName(const QString& name)
{
    const QString document = name.isEmpty() ? LoadString(ids::kUntitled) : name;
    setWindowTitle(LoadString(ids::kFrameTitleFormat).arg(document, LoadString(ids::kAppTitle)));
}

QAction* CMainFrame::Action(int commandId) const
{
    return m_router->Action(commandId);
}

void CMainFrame::SetCommandHandler(int commandId, CommandHandler handler, UpdateHandler update)
{
    m_router->SetHandler(commandId, std::move(handler), std::move(update));
}

void CMainFrame::SetCommandHandlers(const CommandBindings& bindings)
{
    m_router->SetHandlers(bindings);
}

void CMainFrame::ClearCommandHandler(int commandId)
{
    m_router->ClearHandler(commandId);
}

void CMainFrame::UpdateCommandUi()
{
    m_router->UpdateAll();
}

bool CMainFrame::RunCommand(int commandId)
{
    // A copy: the handler may replace itself or close the frame while it runs.
    const CommandHandler run = m_router->EnabledHandler(commandId);
    if (!run) {
        return false;
    }
    const QPointer<CMainFrame> alive(this);
    run();
    if (!alive.isNull()) {
        UpdateCommandUi();
    }
    return true;
}

void CMainFrame::BringToTop()
{
    if (isHidden()) {
        show();
    }
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
}

void CMainFrame::ShowContextMenu(const QPoint& globalPos)
{
    BringToTop();
    UpdateCommandUi();
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("channelContextMenu"));
    for (const int id : command_table::ContextMenuItems()) {
        if (id == kSeparator) {
            menu.addSeparator();
        } else {
            menu.addAction(Action(id));
        }
    }
    // The chosen item's action is triggered once the pop-up has gone, as from the menu bar.
    menu.exec(globalPos);
}

void CMainFrame::SetCloseGuard(std::function<bool()> mayClose)
{
    m_closeGuard = std::move(mayClose);
}

void CMainFrame::SetRecentFileHandler(std::function<void(const QString&)> handler)
{
    m_recentFileHandler = std::move(handler);
    UpdateCommandUi();
}

void CMainFrame::AddToRecentFileList(const QString& path)
{
    m_recentFiles->Add(path);
    RefreshRecentFileMenu();
}

void CMainFrame::RemoveFromRecentFileList(const QString& path)
{
    m_recentFiles->Remove(path);
    RefreshRecentFileMenu();
}

QStringList CMainFrame::RecentFiles() const
{
    return m_recentFiles->Files();
}

void CMainFrame::RefreshRecentFileMenu()
{
    const QStringList files = m_recentFiles->Files();
    for (int index = 0; index < cmd::kFileMruCount; ++index) {
        QAction* action = Action(cmd::kFileMruFirst + index);
        if (files.isEmpty()) {
            action->setVisible(index == 0);
            action->setText(LoadString(ids::kItemRecentFile));
        } else {
            action->setVisible(index < files.size());
            action->setText(index < files.size() ? RecentFileText(index, files.at(index)) : QString());
        }
    }
    UpdateCommandUi();
}

void CMainFrame::OnStatusTipChanged(const QString& tip)
{
    // Once a command prompt goes away the message pane tells that the program is idle again.
    if (tip.isEmpty()) {
        m_messagePane->setText(LoadString(ids::kReady));
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        UpdateLockIndicators(static_cast<QKeyEvent*>(event)->nativeModifiers());
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::UpdateLockIndicators(quint32 nativeModifiers)
{
    // Only X11 reports the lock keys, in the state of each key event; elsewhere the panes stay empty.
    m_capsPane->setText((nativeModifiers & kX11LockMask) != 0 ? LoadString(ids::kIndicatorCaps) : QString());
    m_numPane->setText((nativeModifiers & kX11NumLockMask) != 0 ? LoadString(ids::kIndicatorNum) : QString());
}

void CMainFrame::SaveBarState()
{
    m_settings.SetString(kToolBarState, kToolBarStateValue, saveState().toBase64().toStdString());
}

void CMainFrame::ApplySizeLimits()
{
    if ((windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0) {
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        setMaximumSize(kMaximumSize);
    }
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    SaveBarState();
    StoreWindowPlacement(m_settings, *this);
    if (m_closeGuard && !m_closeGuard()) {
        event->ignore();
        return;
    }
    m_idleTimer->stop();
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) {
        Q_EMIT Closed();
    }
}

void CMainFrame::SetFileDropHandler(const QString& suffix, FileDropHandler handler)
{
    m_dropHandlers[suffix.toLower()] = std::move(handler);
}

std::pair<QString, CMainFrame::FileDropHandler> CMainFrame::DroppedFile(const QMimeData* mime) const
{
    if (mime == nullptr || !mime->hasUrls() || mime->urls().size() != 1 ||
        !mime->urls().first().isLocalFile()) {
        return {};
    }
    const QString path = mime->urls().first().toLocalFile();
    const auto handler = m_dropHandlers.find(QFileInfo(path).suffix().toLower());
    if (handler == m_dropHandlers.end()) {
        return {};
    }
    return {path, handler->second};
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (DroppedFile(event->mimeData()).second) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dragMoveEvent(QDragMoveEvent* event)
{
    if (DroppedFile(event->mimeData()).second) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    auto [path, handler] = DroppedFile(event->mimeData());
    if (!handler) {
        return;
    }
    event->acceptProposedAction();
    // The file manager waits for the drop to end; a save prompt or a report must not keep it waiting.
    QMetaObject::invokeMethod(
        this, [handler = std::move(handler), path = std::move(path)] { handler(path); },
        Qt::QueuedConnection);
}

void CMainFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) {
        ApplySizeLimits();
    }
    // An application palette (a dark theme chosen while the program runs) reaches the frame as its own.
    if (event->type() == QEvent::PaletteChange) {
        RefreshToolIcons();
    }
    QMainWindow::changeEvent(event);
}
