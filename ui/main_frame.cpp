#include "ui/main_frame.h"

#include "core/settings_store.h"
#include "res/icons.h"
#include "res/load_string.h"
#include "ui/about_dialog.h"
#include "ui/help_window.h"
#include "ui/recent_file_list.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr std::string_view kWindowPosition = "Window Position";
constexpr std::string_view kZoom = "Zoom";
constexpr std::string_view kIcon = "Icon";
constexpr std::string_view kLeft = "Left";
constexpr std::string_view kTop = "Top";
constexpr std::string_view kWidth = "Width";
constexpr std::string_view kHeight = "Height";
constexpr std::string_view kToolBarState = "ToolBarState";
constexpr std::string_view kToolBarStateValue = "State";

constexpr const char* kCommandIdProperty = "commandId";
constexpr int kNoText = 0;
constexpr int kSeparator = 0;
constexpr QSize kToolIconSize{16, 16};
// Blank pixels left and right of a status-bar pane's text.
constexpr int kPanePadding = 3;
// A stored placement counts as on a screen when this much of its top edge is on one.
constexpr int kMinVisibleWidth = 64;
constexpr int kTitleStripHeight = 24;
constexpr int kRecentFileNameLength = 48;
// X11 key-event state bits of the lock keys.
constexpr quint32 kX11LockMask = 1U << 1;
constexpr quint32 kX11NumLockMask = 1U << 4;

struct SCommandDef
{
    int id;
    const char* objectName;
    int textId;
    std::optional<EToolIcon> icon;
    bool checkable;
};

const SCommandDef kCommands[] = {
    {cmd::kFileNew, "actionFileNew", ids::kItemNew, EToolIcon::New, false},
    {cmd::kFileOpen, "actionFileOpen", ids::kItemOpen, EToolIcon::Open, false},
    {cmd::kFileSave, "actionFileSave", ids::kItemSave, EToolIcon::Save, false},
    {cmd::kFileSaveAs, "actionFileSaveAs", ids::kItemSaveAs, std::nullopt, false},
    {cmd::kFilePrint, "actionFilePrint", ids::kItemPrint, EToolIcon::Print, false},
    {cmd::kFilePrintPreview, "actionFilePrintPreview", ids::kItemPrintPreview, std::nullopt, false},
    {cmd::kFileExportPdf, "actionFileExportPdf", ids::kItemExportPdf, std::nullopt, false},
    {cmd::kFileImportCsv, "actionFileImportCsv", ids::kItemImportCsv, std::nullopt, false},
    {cmd::kFileExportCsv, "actionFileExportCsv", ids::kItemExportCsv, std::nullopt, false},
    {cmd::kFileCompare, "actionFileCompare", ids::kItemCompareFile, std::nullopt, false},
    {cmd::kFileOpenArchive, "actionFileOpenArchive", ids::kItemOpenArchive, std::nullopt, false},
    {cmd::kFileMruFirst, "actionFileMru1", ids::kItemRecentFile, std::nullopt, false},
    {cmd::kFileMruFirst + 1, "actionFileMru2", kNoText, std::nullopt, false},
    {cmd::kFileMruFirst + 2, "actionFileMru3", kNoText, std::nullopt, false},
    {cmd::kFileMruFirst + 3, "actionFileMru4", kNoText, std::nullopt, false},
    {cmd::kAppExit, "actionAppExit", ids::kItemExit, std::nullopt, false},

    {cmd::kEditUndo, "actionEditUndo", ids::kItemUndo, std::nullopt, false},
    {cmd::kEditRedo, "actionEditRedo", ids::kItemRedo, std::nullopt, false},
    {cmd::kEditCut, "actionEditCut", kNoText, std::nullopt, false},
    {cmd::kEditMemory, "actionEditMemory", ids::kItemEditMemory, EToolIcon::EditMemory, false},
    {cmd::kEditCopy, "actionEditCopy", ids::kItemCopy, EToolIcon::Copy, false},
    {cmd::kEditPaste, "actionEditPaste", ids::kItemPaste, EToolIcon::Paste, false},
    {cmd::kEditClear, "actionEditClear", ids::kItemClear, EToolIcon::Clear, false},
    {cmd::kEditDelete, "actionEditDelete", ids::kItemDelete, std::nullopt, false},
    {cmd::kEditInsert, "actionEditInsert", ids::kItemInsert, std::nullopt, false},
    {cmd::kEditMoveUp, "actionEditMoveUp", ids::kItemMoveUp, std::nullopt, false},
    {cmd::kEditMoveDown, "actionEditMoveDown", ids::kItemMoveDown, std::nullopt, false},
    {cmd::kEditFind, "actionEditFind", ids::kItemFind, std::nullopt, false},
    {cmd::kEditFindNext, "actionEditFindNext", ids::kItemFindNext, std::nullopt, false},
    {cmd::kEditSortChannels, "actionEditSortChannels", ids::kItemSortChannels, std::nullopt, false},
    {cmd::kEditCompactChannels, "actionEditCompactChannels", ids::kItemCompactChannels, std::nullopt, false},
    {cmd::kEditFillRange, "actionEditFillRange", ids::kItemFillRange, std::nullopt, false},
    {cmd::kNextPane, "actionNextPane", kNoText, std::nullopt, false},
    {cmd::kPrevPane, "actionPrevPane", kNoText, std::nullopt, false},

    {cmd::kDtmfAutoDial, "actionViewDtmfAutoDial", ids::kItemDtmfAutoDial, EToolIcon::DtmfAutoDial, false},
    {cmd::kCommonSetting, "actionViewCommonSetting", ids::kItemCommonSetting, EToolIcon::CommonSetting,
     false},
    {cmd::kViewToolbar, "actionViewToolbar", ids::kItemToolbar, std::nullopt, true},
    {cmd::kViewStatusBar, "actionViewStatusBar", ids::kItemStatusBar, std::nullopt, true},

    {cmd::kComPort1, "actionComPort1", ids::kItemCom1, EToolIcon::Com1, true},
    {cmd::kComPort2, "actionComPort2", ids::kItemCom2, EToolIcon::Com2, true},
    {cmd::kComPort3, "actionComPort3", ids::kItemCom3, EToolIcon::Com3, true},
    {cmd::kComPort4, "actionComPort4", ids::kItemCom4, EToolIcon::Com4, true},
    {cmd::kPortDevices, "actionPortDevices", ids::kItemPortDevices, std::nullopt, false},

    {cmd::kCloneRead, "actionCloneRead", ids::kItemCloneRead, EToolIcon::Read, false},
    {cmd::kCloneWrite, "actionCloneWrite", ids::kItemCloneWrite, EToolIcon::Write, false},
    {cmd::kCloneInformation, "actionCloneInformation", ids::kItemCloneInformation, EToolIcon::Information,
     false},
    {cmd::kCloneCompare, "actionCloneCompare", ids::kItemCloneCompare, std::nullopt, false},

    {cmd::kHelpContents, "actionHelpContents", ids::kItemHelpContents, EToolIcon::HelpContents, false},
    {cmd::kHelpTopics, "actionHelpTopics", ids::kItemHelpTopics, std::nullopt, false},
    {cmd::kAppAbout, "actionAppAbout", ids::kItemAbout, std::nullopt, false},
};

// The accelerator table. Enter and Delete are not here: the channel list handles them itself.
struct SAccelerator
{
    int id;
    QKeyCombination key;
};

constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;

const SAccelerator kAccelerators[] = {
    {cmd::kFileNew, QKeyCombination(kCtrl, Qt::Key_N)},
    {cmd::kFileOpen, QKeyCombination(kCtrl, Qt::Key_O)},
    {cmd::kFileSave, QKeyCombination(kCtrl, Qt::Key_S)},
    {cmd::kFilePrint, QKeyCombination(kCtrl, Qt::Key_P)},
    {cmd::kEditUndo, QKeyCombination(kCtrl, Qt::Key_Z)},
    {cmd::kEditUndo, QKeyCombination(kAlt, Qt::Key_Backspace)},
    {cmd::kEditRedo, QKeyCombination(kCtrl, Qt::Key_Y)},
    {cmd::kEditRedo, QKeyCombination(kCtrl | kShift, Qt::Key_Z)},
    {cmd::kEditCut, QKeyCombination(kCtrl, Qt::Key_X)},
    {cmd::kEditCut, QKeyCombination(kShift, Qt::Key_Delete)},
    {cmd::kEditCopy, QKeyCombination(kCtrl, Qt::Key_C)},
    {cmd::kEditCopy, QKeyCombination(kCtrl, Qt::Key_Insert)},
    {cmd::kEditPaste, QKeyCombination(kCtrl, Qt::Key_V)},
    {cmd::kEditPaste, QKeyCombination(kShift, Qt::Key_Insert)},
    {cmd::kEditFind, QKeyCombination(kCtrl, Qt::Key_F)},
    {cmd::kEditFindNext, QKeyCombination(Qt::Key_F3)},
    {cmd::kEditMoveUp, QKeyCombination(kCtrl, Qt::Key_Up)},
    {cmd::kEditMoveDown, QKeyCombination(kCtrl, Qt::Key_Down)},
    {cmd::kNextPane, QKeyCombination(Qt::Key_F6)},
    {cmd::kPrevPane, QKeyCombination(kShift, Qt::Key_F6)},
};

struct SMenuDef
{
    const char* objectName;
    int titleId;
    std::initializer_list<int> items;
};

const SMenuDef kMenus[] = {
    // One line per group of the menu rather than one per item.
    // clang-format off
    {"menuFile",
     ids::kMenuFile,
     {cmd::kFileNew, cmd::kFileOpen, cmd::kFileOpenArchive, cmd::kFileSave, cmd::kFileSaveAs, kSeparator,
      cmd::kFilePrint, cmd::kFilePrintPreview, cmd::kFileExportPdf, kSeparator,
      cmd::kFileImportCsv, cmd::kFileExportCsv, kSeparator,
      cmd::kFileCompare, kSeparator,
      cmd::kFileMruFirst, cmd::kFileMruFirst + 1, cmd::kFileMruFirst + 2, cmd::kFileMruFirst + 3, kSeparator,
      cmd::kAppExit}},
    {"menuEdit",
     ids::kMenuEdit,
     {cmd::kEditUndo, cmd::kEditRedo, kSeparator,
      cmd::kEditMemory, kSeparator,
      cmd::kEditCopy, cmd::kEditPaste, kSeparator,
      cmd::kEditClear, cmd::kEditDelete, cmd::kEditInsert, kSeparator,
      cmd::kEditMoveUp, cmd::kEditMoveDown, kSeparator,
      cmd::kEditFind, cmd::kEditFindNext, kSeparator,
      cmd::kEditSortChannels, cmd::kEditCompactChannels, cmd::kEditFillRange}},
    // clang-format on
    {"menuView",
     ids::kMenuView,
     {cmd::kDtmfAutoDial, cmd::kCommonSetting, kSeparator, cmd::kViewToolbar, cmd::kViewStatusBar}},
    {"menuComPort",
     ids::kMenuComPort,
     {cmd::kComPort1, cmd::kComPort2, cmd::kComPort3, cmd::kComPort4, kSeparator, cmd::kPortDevices}},
    {"menuCloning",
     ids::kMenuCloning,
     {cmd::kCloneRead, cmd::kCloneWrite, kSeparator, cmd::kCloneInformation, cmd::kCloneCompare}},
    {"menuHelp", ids::kMenuHelp, {cmd::kHelpContents, cmd::kHelpTopics, kSeparator, cmd::kAppAbout}},
};

constexpr std::array kToolBarItems = {
    cmd::kFileNew,          cmd::kFileOpen,      cmd::kFileSave,     cmd::kFilePrint, kSeparator,
    cmd::kEditMemory,       cmd::kEditCopy,      cmd::kEditPaste,    cmd::kEditClear, kSeparator,
    cmd::kDtmfAutoDial,     cmd::kCommonSetting, kSeparator,         cmd::kComPort1,  cmd::kComPort2,
    cmd::kComPort3,         cmd::kComPort4,      kSeparator,         cmd::kCloneRead, cmd::kCloneWrite,
    cmd::kCloneInformation, kSeparator,          cmd::kHelpContents,
};

// The channel list's pop-up: the channel items of the Edit menu.
constexpr std::array kContextMenuItems = {cmd::kEditMemory, kSeparator,      cmd::kEditCopy,
                                          cmd::kEditPaste,  kSeparator,      cmd::kEditClear,
                                          cmd::kEditDelete, cmd::kEditInsert};

// Accelerators that are reserved but do nothing: enabled, so that they take their keys away from the list.
constexpr std::array kSilentCommands = {cmd::kEditCut, cmd::kNextPane, cmd::kPrevPane};

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
      m_idleTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(AppIcon());
    SetDocumentName(QString());
    setMinimumSize(kMinimumSize);
    setMaximumSize(kMaximumSize);

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    InstallFrameCommands();
    RefreshRecentFileMenu();

    auto* placeholder = new QFrame(this);
    placeholder->setObjectName(QStringLiteral("clientPlaceholder"));
    placeholder->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    placeholder->setBackgroundRole(QPalette::Base);
    placeholder->setAutoFillBackground(true);
    setCentralWidget(placeholder);

    const SPlacement placement = ReadPlacement();
    m_startMaximised = placement.maximised;
    ApplyPlacement(placement);

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
    for (const SCommandDef& def : kCommands) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(def.objectName));
        action->setProperty(kCommandIdProperty, def.id);
        if (def.textId != kNoText) {
            action->setText(LoadString(def.textId));
        }
        if (def.icon.has_value()) {
            action->setIcon(ToolIcon(*def.icon));
        }
        action->setCheckable(def.checkable);
        // In a menu the style draws an item's icon in place of its check mark.
        action->setIconVisibleInMenu(!def.checkable);
        QList<QKeySequence> shortcuts;
        for (const SAccelerator& accelerator : kAccelerators) {
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
        m_actions.emplace(def.id, action);
    }
}

void CMainFrame::CreateMenus()
{
    for (const SMenuDef& def : kMenus) {
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
    for (const int id : kToolBarItems) {
        if (id == kSeparator) {
            m_toolBar->addSeparator();
        } else {
            m_toolBar->addAction(Action(id));
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

void CMainFrame::InstallFrameCommands()
{
    SetCommandHandler(cmd::kAppExit, [this] { close(); });
    SetCommandHandler(
        cmd::kViewToolbar, [this] { m_toolBar->setVisible(m_toolBar->isHidden()); },
        [this](QAction& action) { action.setChecked(!m_toolBar->isHidden()); });
    SetCommandHandler(
        cmd::kViewStatusBar, [this] { statusBar()->setVisible(statusBar()->isHidden()); },
        [this](QAction& action) { action.setChecked(!statusBar()->isHidden()); });
    SetCommandHandler(cmd::kHelpContents, [this] { CHelpWindow::ShowHelp(this); });
    SetCommandHandler(cmd::kHelpTopics, [this] {
        CHelpWindow::ShowHelp(this, QString::fromLatin1(CHelpWindow::kTopicsAnchor));
    });
    SetCommandHandler(cmd::kAppAbout, [this] {
        CAboutDlg about(this);
        about.exec();
    });
    for (const int id : kSilentCommands) {
        SetCommandHandler(id, [] {});
    }
    for (int index = 0; index < cmd::kFileMruCount; ++index) {
        SetCommandHandler(
            cmd::kFileMruFirst + index,
            [this, index] {
                const QStringList files = m_recentFiles->Files();
                if (index < files.size() && m_recentFileHandler) {
                    m_recentFileHandler(files.at(index));
                }
            },
            [this, index](QAction& action) {
                action.setEnabled(index < m_recentFiles->Files().size() && bool(m_recentFileHandler));
            });
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
    const auto it = m_actions.find(commandId);
    return it != m_actions.end() ? it->second : nullptr;
}

void CMainFrame::SetCommandHandler(int commandId, CommandHandler handler, UpdateHandler update)
{
    m_handlers[commandId] = std::move(handler);
    if (update) {
        m_updaters[commandId] = std::move(update);
    } else {
        m_updaters.erase(commandId);
    }
    if (QAction* action = Action(commandId)) {
        if (const auto it = m_updaters.find(commandId); it != m_updaters.end()) {
            it->second(*action);
        } else {
            action->setEnabled(true);
        }
    }
}

void CMainFrame::SetCommandHandlers(const CommandBindings& bindings)
{
    for (const SCommandBinding& binding : bindings) {
        SetCommandHandler(binding.id, binding.run, binding.update);
    }
}

void CMainFrame::ClearCommandHandler(int commandId)
{
    m_handlers.erase(commandId);
    m_updaters.erase(commandId);
    if (QAction* action = Action(commandId)) {
        action->setEnabled(false);
    }
}

void CMainFrame::UpdateCommandUi()
{
    for (const auto& [id, action] : m_actions) {
        if (const auto it = m_updaters.find(id); it != m_updaters.end()) {
            it->second(*action);
        } else {
            action->setEnabled(m_handlers.count(id) != 0);
        }
    }
}

bool CMainFrame::RunCommand(int commandId)
{
    QAction* action = Action(commandId);
    if (action == nullptr) {
        return false;
    }
    if (const auto it = m_updaters.find(commandId); it != m_updaters.end()) {
        it->second(*action);
    }
    const auto handler = m_handlers.find(commandId);
    if (!action->isEnabled() || handler == m_handlers.end() || !handler->second) {
        return false;
    }
    // The handler may replace itself or close the frame while it runs.
    const CommandHandler run = handler->second;
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
    for (const int id : kContextMenuItems) {
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

CMainFrame::SPlacement CMainFrame::ReadPlacement() const
{
    SPlacement placement;
    placement.maximised = m_settings.GetInt(kWindowPosition, kZoom, 0) != 0;
    // "Icon" is stored but never used: the frame does not start minimised.
    const QRect start = kDefaultPlacement;
    placement.rect = QRect(m_settings.GetInt(kWindowPosition, kLeft, start.left()),
                           m_settings.GetInt(kWindowPosition, kTop, start.top()),
                           m_settings.GetInt(kWindowPosition, kWidth, start.width()),
                           m_settings.GetInt(kWindowPosition, kHeight, start.height()));
    return placement;
}

void CMainFrame::ApplyPlacement(const SPlacement& placement)
{
    const QSize size = placement.rect.size().expandedTo(kMinimumSize).boundedTo(kMaximumSize);
    const QRect rect = MovedOntoScreen(QRect(placement.rect.topLeft(), size));
    // Left and Top are the outer corner of the frame, Width and Height the size inside it: that is what
    // Qt sets before the window manager has framed the window, so a stored placement comes back unchanged.
    move(rect.topLeft());
    resize(rect.size());
}

QRect CMainFrame::MovedOntoScreen(const QRect& rect)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty()) {
        return rect;
    }
    const QRect titleStrip(rect.left(), rect.top(), rect.width(), kTitleStripHeight);
    for (const QScreen* screen : screens) {
        if (screen->availableGeometry().intersected(titleStrip).width() >= kMinVisibleWidth) {
            return rect;
        }
    }
    const QScreen* target = QGuiApplication::screenAt(rect.center());
    if (target == nullptr) {
        target = QGuiApplication::primaryScreen();
    }
    const QRect area = target->availableGeometry();
    const QSize size = rect.size().boundedTo(area.size());
    const int left = std::clamp(rect.left(), area.left(), area.left() + area.width() - size.width());
    const int top = std::clamp(rect.top(), area.top(), area.top() + area.height() - size.height());
    return QRect(QPoint(left, top), size);
}

void CMainFrame::SaveBarState()
{
    m_settings.SetString(kToolBarState, kToolBarStateValue, saveState().toBase64().toStdString());
}

void CMainFrame::SavePlacement()
{
    // The first write that fails ends the placement: later entries keep their old values.
    const auto write = [this](std::string_view name, int value) {
        return m_settings.SetInt(kWindowPosition, name, value);
    };
    if (!write(kZoom, 0) || !write(kIcon, 0)) {
        return;
    }
    if ((isMaximized() && !write(kZoom, 1)) || (isMinimized() && !write(kIcon, 1))) {
        return;
    }
    const QRect rect(pos(), size());
    if (write(kLeft, rect.left()) && write(kTop, rect.top()) && write(kWidth, rect.width())) {
        write(kHeight, rect.height());
    }
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
    SavePlacement();
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

void CMainFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) {
        ApplySizeLimits();
    }
    QMainWindow::changeEvent(event);
}
