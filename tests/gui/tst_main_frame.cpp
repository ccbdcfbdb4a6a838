#include "res/icons.h"
#include "res/load_string.h"
#include "support/gui_test_main.h"
#include "support/gui_test_support.h"
#include "ui/about_dialog.h"
#include "ui/help_window.h"
#include "ui/main_frame.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr std::string_view kWindowPosition = "Window Position";
constexpr int kSeparator = 0;
constexpr int kChildTimeoutMs = 120000;

struct SItem
{
    int id;
    QString text;
};

QList<SItem> VisibleItems(const QMenu* menu)
{
    QList<SItem> items;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            items.append({kSeparator, u"-"_s});
        } else if (action->isVisible()) {
            items.append({action->property("commandId").toInt(), action->text()});
        }
    }
    return items;
}

QLabel* Pane(const CMainFrame& frame, const QString& name)
{
    return frame.findChild<QLabel*>(name);
}

// Pixels dark enough to be a check mark or text, not a frame or a highlight.
int DarkPixels(const QImage& image)
{
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            dark += qGray(image.pixel(x, y)) < 96 ? 1 : 0;
        }
    }
    return dark;
}

void ShowAndWait(CMainFrame& frame)
{
    frame.ShowFrame();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
}

} // namespace

class TestMainFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { AnswerDialogsAutomatically(); }

    void menuBarHasTheMenusInOrder();
    void menuHasEveryItemWithItsTextAndCommand_data();
    void menuHasEveryItemWithItsTextAndCommand();
    void acceleratorsAreAttachedToTheirCommands_data();
    void acceleratorsAreAttachedToTheirCommands();
    void reservedCommandsAreEnabledWithoutAHandler();
    void acceleratorKeysRunEnabledCommandsOnly();
    void toolBarHasTheButtonsInOrderWithPrompts();
    void commandsWithoutHandlerAreDisabled();
    void selectedPortShowsACheckMarkInTheMenu();
    void staleEnabledStateDoesNotRunACommand();
    void viewMenuShowsAndHidesTheBars();
    void titleAndMessagePane();
    void statusBarPanesAndCallSign();
    void firstStartPlacement();
    void placementIsStoredOnCloseAndRestored();
    void maximisedStateIsRestored();
    void minimisedStateIsStoredButNeverRestored();
    void placementOffEveryScreenIsMovedBack();
    void placementPartlyOnScreenIsKept();
    void sizeIsLimited();
    void failedSettingsWriteEndsThePlacement();
    void refusedCloseStillStoresPlacement();
    void recentFilesAreListedStoredAndOpened();
    void helpCommandsOpenTheManual();
    void aboutBoxShowsNameAndVersion();
    void aboutBoxPicturesAreDrawnForTheScale_data();
    void aboutBoxPicturesAreDrawnForTheScale();
    void toolIconsFollowThePalette();
};

void TestMainFrame::menuBarHasTheMenusInOrder()
{
    CTestSettings settings;
    CMainFrame frame(settings.Store());

    QStringList titles;
    for (const QAction* action : frame.menuBar()->actions()) {
        titles.append(action->text());
    }
    QCOMPARE(titles,
             QStringList({u"&File"_s, u"&Edit"_s, u"&View"_s, u"&COM Port"_s, u"&Cloning"_s, u"&Help"_s}));

    QCOMPARE(frame.Action(cmd::kCloneRead)->objectName(), u"actionCloneRead"_s);
    QCOMPARE(frame.findChild<QAction*>(u"actionFileNew"_s), frame.Action(cmd::kFileNew));
    QVERIFY(frame.Action(12345) == nullptr);
}

void TestMainFrame::menuHasEveryItemWithItsTextAndCommand_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("items");
    const QString separator = u"-"_s;
    QTest::newRow("File") << u"menuFile"_s
                          << QStringList({u"57600 &New\tCtrl+N"_s, u"57601 &Open...\tCtrl+O"_s,
                                          u"32831 Open from A&rchive..."_s, u"57603 &Save\tCtrl+S"_s,
                                          u"57604 Save &As..."_s, separator, u"57607 &Print...\tCtrl+P"_s,
                                          u"57609 Print Pre&view..."_s, u"32830 &Export PDF..."_s, separator,
                                          u"32820 &Import CSV..."_s, u"32821 Expor&t CSV..."_s, separator,
                                          u"32822 Co&mpare with File..."_s, separator, u"57616 Recent File"_s,
                                          separator, u"57665 E&xit"_s});
    QTest::newRow("Edit") << u"menuEdit"_s
                          << QStringList({u"57643 &Undo\tCtrl+Z"_s,
                                          u"57644 &Redo\tCtrl+Y"_s,
                                          separator,
                                          u"32771 &Edit Memory...\tEnter"_s,
                                          separator,
                                          u"57634 &Copy\tCtrl+C"_s,
                                          u"57637 &Paste\tCtrl+V"_s,
                                          separator,
                                          u"57632 Clear\tDel"_s,
                                          u"32801 Delete"_s,
                                          u"32802 Insert\t"_s,
                                          separator,
                                          u"32825 Mo&ve Up\tCtrl+Up"_s,
                                          u"32826 Move Do&wn\tCtrl+Down"_s,
                                          separator,
                                          u"32823 &Find...\tCtrl+F"_s,
                                          u"32824 Find &Next\tF3"_s,
                                          separator,
                                          u"32827 &Sort Channels..."_s,
                                          u"32828 Co&mpact Channels..."_s,
                                          u"32829 F&ill Range..."_s});
    QTest::newRow("View") << u"menuView"_s
                          << QStringList({u"32780 &DTMF AutoDial..."_s, u"32779 &Common Setting..."_s,
                                          separator, u"59392 &Toolbar"_s, u"59393 &Status Bar"_s});
    QTest::newRow("COM Port") << u"menuComPort"_s
                              << QStringList({u"32790 COM1"_s, u"32791 COM2"_s, u"32792 COM3"_s,
                                              u"32793 COM4"_s, separator, u"32794 Port &Devices..."_s,
                                              u"32845 &Transceiver Setup..."_s});
    QTest::newRow("Cloning") << u"menuCloning"_s
                             << QStringList({u"32774 &Read <- TR"_s, u"32775 &Write -> TR"_s, separator,
                                             u"32776 &Information..."_s,
                                             u"32832 &Compare with Transceiver..."_s, separator,
                                             u"32834 Check Ca&ble..."_s});
    QTest::newRow("Help") << u"menuHelp"_s
                          << QStringList({u"57666 &Contents"_s, u"57667 &Help Topics"_s, separator,
                                          u"57664 &About ZQ-L52..."_s});
}

void TestMainFrame::menuHasEveryItemWithItsTextAndCommand()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, items);
    CTestSettings settings;
    CMainFrame frame(settings.Store());
    QStringList actual;
    for (const SItem& item : VisibleItems(frame.findChild<QMenu*>(menu))) {
        actual.append(item.id == kSeparator ? item.text : u"%1 %2"_s.arg(item.id).arg(item.text));
    }
    QCOMPARE(actual, items);
}

void TestMainFrame::acceleratorsAreAttachedToTheirCommands_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("New") << cmd::kFileNew << QStringList({u"Ctrl+N"_s});
    QTest::newRow("Open") << cmd::kFileOpen << QStringList({u"Ctrl+O"_s});
    QTest::newRow("Save") << cmd::kFileSave << QStringList({u"Ctrl+S"_s});
    QTest::newRow("Print") << cmd::kFilePrint << QStringList({u"Ctrl+P"_s});
    QTest::newRow("Copy") << cmd::kEditCopy << QStringList({u"Ctrl+C"_s, u"Ctrl+Ins"_s});
    QTest::newRow("Paste") << cmd::kEditPaste << QStringList({u"Ctrl+V"_s, u"Shift+Ins"_s});
    QTest::newRow("Undo") << cmd::kEditUndo << QStringList({u"Ctrl+Z"_s, u"Alt+Backspace"_s});
    QTest::newRow("Redo") << cmd::kEditRedo << QStringList({u"Ctrl+Y"_s, u"Ctrl+Shift+Z"_s});
    QTest::newRow("Cut") << cmd::kEditCut << QStringList({u"Ctrl+X"_s, u"Shift+Del"_s});
    QTest::newRow("Next Pane") << cmd::kNextPane << QStringList({u"F6"_s});
    QTest::newRow("Previous Pane") << cmd::kPrevPane << QStringList({u"Shift+F6"_s});
    QTest::newRow("Find") << cmd::kEditFind << QStringList({u"Ctrl+F"_s});
    QTest::newRow("Find Next") << cmd::kEditFindNext << QStringList({u"F3"_s});
    QTest::newRow("Move Up") << cmd::kEditMoveUp << QStringList({u"Ctrl+Up"_s});
    QTest::newRow("Move Down") << cmd::kEditMoveDown << QStringList({u"Ctrl+Down"_s});
    // Enter and Delete belong to the channel list, not to the frame.
    QTest::newRow("Edit Memory") << cmd::kEditMemory << QStringList();
    QTest::newRow("Clear") << cmd::kEditClear << QStringList();
    QTest::newRow("Clear from the list") << cmd::kEditClearKey << QStringList();
}

void TestMainFrame::acceleratorsAreAttachedToTheirCommands()
{
    QFETCH(int, command);
    QFETCH(QStringList, keys);
    CTestSettings settings;
    CMainFrame frame(settings.Store());
    QList<QKeySequence> expected;
    for (const QString& key : keys) {
        expected.append(QKeySequence(key));
    }
    QCOMPARE(frame.Action(command)->shortcuts(), expected);
}

void TestMainFrame::reservedCommandsAreEnabledWithoutAHandler()
{
    CTestSettings settings;
    CMainFrame frame(settings.Store());
    // Undo and Redo are reserved and stay disabled until something handles them; Cut and the pane keys
    // are reserved accelerators that do nothing.
    QVERIFY(!frame.Action(cmd::kEditUndo)->isEnabled());
    QVERIFY(!frame.Action(cmd::kEditRedo)->isEnabled());
    QVERIFY(frame.Action(cmd::kEditCut)->isEnabled());
    QVERIFY(frame.Action(cmd::kNextPane)->isEnabled());
    QVERIFY(frame.Action(cmd::kPrevPane)->isEnabled());
    QVERIFY(frame.RunCommand(cmd::kEditCut));
}

void TestMainFrame::acceleratorKeysRunEnabledCommandsOnly()
{
    CTestSettings settings;
    CMainFrame frame(settings.Store());
    int copies = 0;
    int pastes = 0;
    frame.SetCommandHandler(cmd::kEditCopy, [&copies] { ++copies; });
    frame.SetCommandHandler(
        cmd::kEditPaste, [&pastes] { ++pastes; }, [](QAction& action) { action.setEnabled(false); });
    ShowAndWait(frame);
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));

    QTest::keyClick(&frame, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&frame, Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(copies, 2);
    QTest::keyClick(&frame, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&frame, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(pastes, 0);
}

void TestMainFrame::toolBarHasTheButtonsInOrderWithPrompts()
{
    CTestSettings settings;
    CMainFrame frame(settings.Store());
    const QToolBar* toolBar = frame.findChild<QToolBar*>(u"toolBar"_s);
    QVERIFY(toolBar != nullptr);
    QCOMPARE(frame.toolBarArea(const_cast<QToolBar*>(toolBar)), Qt::TopToolBarArea);
    QCOMPARE(toolBar->iconSize(), QSize(16, 16));

    QList<int> order;
    for (const QAction* action : toolBar->actions()) {
        order.append(action->isSeparator() ? kSeparator : action->property("commandId").toInt());
        if (!action->isSeparator()) {
            const QList<QSize> sizes = action->icon().availableSizes();
            QVERIFY2(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)),
                     qPrintable(action->objectName()));
        }
    }
    const QList<int> expected = {57600, 57601,      57603, 57607, kSeparator, 32771,      57634, 57637,
                                 57632, kSeparator, 32780, 32779, kSeparator, 32790,      32791, 32792,
                                 32793, kSeparator, 32774, 32775, 32776,      kSeparator, 57666};
    QCOMPARE(order, expected);

    QCOMPARE(frame.Action(cmd::kCloneRead)->statusTip(), u"Read From Transceiver"_s);
    QCOMPARE(frame.Action(cmd::kCloneRead)->toolTip(), u"Clone in"_s);
    QCOMPARE(frame.Action(cmd::kComPort3)->statusTip(), u"Use COM3"_s);
    QCOMPARE(frame.Action(cmd::kComPort3)->toolTip(), u"COM3"_s);
    QCOMPARE(frame.Action(cmd::kCommonSetting)->toolTip(), u"Common Sheet"_s);
    QCOMPARE(frame.Action(cmd::kEditCopy)->statusTip(), u"Copy the selection and put it on the Clipboard"_s);
    for (const int id : expected) {
        if (id != kSeparator) {
            QVERIFY2(!frame.Action(id)->statusTip().isEmpty(), qPrintable(frame.Action(id)->objectName()));
            QVERIFY2(!frame.Action(id)->toolTip().isEmpty(), qPrintable(frame.Action(id)->objectName()));
        }
    }
}

void TestMainFrame::commandsWithoutHandlerAreDisabled()
{
    CTestSettings settings;
    CMainFrame frame(settings.Store());
    QAction* read = frame.Action(cmd::kCloneRead);
    QVERIFY(!read->isEnabled());
    QVERIFY(!frame.RunCommand(cmd::kCloneRead));

    int reads = 0;
    frame.SetCommandHandler(cmd::kCloneRead, [&reads] { ++reads; });
    QVERIFY(read->isEnabled());
    read->trigger();
    QCOMPARE(reads, 1);

    int port = 1;
    for (int slot = 1; slot <= 4; ++slot) {
        frame.SetCommandHandler(
            cmd::kComPort1 + slot - 1, [&port, slot] { port = slot; },
            [&port, slot](QAction& action) {
                action.setEnabled(true);
                action.setChecked(port == slot);
            });
    }
    QVERIFY(frame.RunCommand(cmd::kComPort3));
    QCOMPARE(port, 3);
    QVERIFY(frame.Action(cmd::kComPort3)->isChecked());
    QVERIFY(!frame.Action(cmd::kComPort1)->isChecked());

    frame.ClearCommandHandler(cmd::kCloneRead);
    QVERIFY(!read->isEnabled());
    frame.UpdateCommandUi();
    QVERIFY(!read->isEnabled());
}

void TestMainFrame::selectedPortShowsACheckMarkInTheMenu()
{
    CTestSettings settings;
    CMainFrame frame(settings.Store());
    int port = 1;
    frame.SetCommandHandler(
        cmd::kComPort2, [] {},
        [&port](QAction& action) {
            action.setEnabled(true);
            action.setChecked(port == 2);
        });
    auto* menu = frame.findChild<QMenu*>(u"menuComPort"_s);
    QAction* com2 = frame.Action(cmd::kComPort2);
    const auto item = [&] {
        frame.UpdateCommandUi();
        menu->adjustSize();
        return menu->grab(menu->actionGeometry(com2)).toImage();
    };
    const QImage unchecked = item();
    port = 2;
    const QImage checked = item();
    QVERIFY(com2->isChecked());
    // The item's text is the same in both; the check mark is what the checked one adds.
    QVERIFY2(DarkPixels(checked) > DarkPixels(unchecked) + 5,
             qPrintable(u"%1 / %2"_s.arg(DarkPixels(checked)).arg(DarkPixels(unchecked))));
}

void TestMainFrame::staleEnabledStateDoesNotRunACommand()
{
    CTestSettings settings;
    CMainFrame frame(settings.Store());
    bool pasteAllowed = true;
    int pastes = 0;
    frame.SetCommandHandler(
        cmd::kEditPaste, [&pastes] { ++pastes; },
        [&pasteAllowed](QAction& action) { action.setEnabled(pasteAllowed); });
    frame.UpdateCommandUi();
    QVERIFY(frame.Action(cmd::kEditPaste)->isEnabled());

    pasteAllowed = false;
    frame.Action(cmd::kEditPaste)->trigger();
    QCOMPARE(pastes, 0);
    QVERIFY(!frame.Action(cmd::kEditPaste)->isEnabled());

    pasteAllowed = true;
    QVERIFY(frame.RunCommand(cmd::kEditPaste));
    QCOMPARE(pastes, 1);
}

void TestMainFrame::viewMenuShowsAndHidesTheBars()
{
    CTestSettings settings;
    CMainFrame frame(settings.Store());
    ShowAndWait(frame);
    QToolBar* toolBar = frame.findChild<QToolBar*>(u"toolBar"_s);
    frame.UpdateCommandUi();
    QVERIFY(frame.Action(cmd::kViewToolbar)->isChecked());
    QVERIFY(frame.Action(cmd::kViewStatusBar)->isChecked());

    QVERIFY(frame.RunCommand(cmd::kViewToolbar));
    QVERIFY(toolBar->isHidden());
    QVERIFY(!frame.Action(cmd::kViewToolbar)->isChecked());
    QVERIFY(frame.RunCommand(cmd::kViewStatusBar));
    QVERIFY(frame.statusBar()->isHidden());
    QVERIFY(!frame.Action(cmd::kViewStatusBar)->isChecked());

    QVERIFY(frame.RunCommand(cmd::kViewToolbar));
    QVERIFY(frame.RunCommand(cmd::kViewStatusBar));
    QVERIFY(toolBar->isVisible());
    QVERIFY(frame.statusBar()->isVisible());
    QVERIFY(frame.Action(cmd::kViewToolbar)->isChecked());
}

void TestMainFrame::titleAndMessagePane()
{
    CTestSettings settings;
    CMainFrame frame(settings.Store());
    QCOMPARE(frame.windowTitle(), u"Untitled - ZQ-L52"_s);
    frame.SetDocumentName(u"radio.vlk"_s);
    QCOMPARE(frame.windowTitle(), u"radio.vlk - ZQ-L52"_s);
    frame.SetDocumentName(QString());
    QCOMPARE(frame.windowTitle(), u"Untitled - ZQ-L52"_s);

    QCOMPARE(frame.MessageText(), u"Ready"_s);
    frame.SetMessageText(LoadString(ids::kNowReading));
    QCOMPARE(Pane(frame, u"messagePane"_s)->text(), u" Now reading <- TR"_s);

    // A command prompt covers the pane while it is shown; afterwards the program is idle again.
    ShowAndWait(frame);
    frame.statusBar()->showMessage(frame.Action(cmd::kCloneWrite)->statusTip());
    QCOMPARE(frame.statusBar()->currentMessage(), u"Write to Transceiver"_s);
    frame.statusBar()->clearMessage();
    QCOMPARE(frame.MessageText(), u"Ready"_s);

    frame.statusBar()->showMessage(u"prompt"_s);
    frame.SetMessageText(LoadString(ids::kCloneCompleted));
    QVERIFY(frame.statusBar()->currentMessage().isEmpty());
    QCOMPARE(frame.MessageText(), u" Cloning completed."_s);
}

void TestMainFrame::statusBarPanesAndCallSign()
{
    CTestSettings settings;
    CMainFrame frame(settings.Store());
    QLabel* message = Pane(frame, u"messagePane"_s);
    QLabel* caps = Pane(frame, u"capsPane"_s);
    QLabel* num = Pane(frame, u"numPane"_s);
    QLabel* scroll = Pane(frame, u"scrollPane"_s);
    QLabel* callSign = Pane(frame, u"callSignPane"_s);
    QVERIFY(message && caps && num && scroll && callSign);

    // Created as wide as six blanks.
    QCOMPARE(frame.CallSignText(), u"      "_s);
    ShowAndWait(frame);
    QVERIFY(callSign->width() >= callSign->fontMetrics().horizontalAdvance(u"      "_s));
    QVERIFY(message->x() < caps->x());
    QVERIFY(caps->x() < num->x());
    QVERIFY(num->x() < scroll->x());
    QVERIFY(scroll->x() < callSign->x());
    const std::pair<QLabel*, QString> indicators[] = {{caps, u"CAP"_s}, {num, u"NUM"_s}, {scroll, u"SCRL"_s}};
    for (const auto& [pane, text] : indicators) {
        QVERIFY(pane->isVisible());
        QVERIFY(pane->width() >= pane->fontMetrics().horizontalAdvance(text));
    }

    const QString longSign = u"JA1ZZZ/PORTABLE"_s;
    frame.SetCallSignText(longSign);
    QCOMPARE(frame.CallSignText(), longSign);
    const int advance = callSign->fontMetrics().horizontalAdvance(longSign);
    QTRY_COMPARE(callSign->width(), callSign->maximumWidth());
    // The whole text fits, with little room to spare.
    QVERIFY2(callSign->width() >= callSign->sizeHint().width(),
             qPrintable(u"%1 < %2"_s.arg(callSign->width()).arg(callSign->sizeHint().width())));
    QVERIFY(callSign->width() <= advance + 20);
    frame.SetCallSignText(u"K1A"_s);
    QVERIFY(callSign->maximumWidth() < advance);

    frame.SetCallSignText(QString());
    QCOMPARE(callSign->maximumWidth(), 0);
    QVERIFY(callSign->isHidden());
}

void TestMainFrame::firstStartPlacement()
{
    CTestSettings settings;
    CMainFrame frame(settings.Store());
    ShowAndWait(frame);
    QCOMPARE(frame.pos(), QPoint(5, 5));
    QCOMPARE(frame.size(), QSize(620, 360));
    QVERIFY(!frame.isMaximized());
    QVERIFY(!frame.isMinimized());
}

void TestMainFrame::placementIsStoredOnCloseAndRestored()
{
    CTestSettings settings;
    {
        CMainFrame frame(settings.Store());
        ShowAndWait(frame);
        frame.move(40, 30);
        frame.resize(700, 420);
        QVERIFY(frame.close());
    }
    const auto stored = settings.Reopen();
    QCOMPARE(stored->GetInt(kWindowPosition, "Zoom", -1), 0);
    QCOMPARE(stored->GetInt(kWindowPosition, "Icon", -1), 0);
    QCOMPARE(stored->GetInt(kWindowPosition, "Left", -1), 40);
    QCOMPARE(stored->GetInt(kWindowPosition, "Top", -1), 30);
    QCOMPARE(stored->GetInt(kWindowPosition, "Width", -1), 700);
    QCOMPARE(stored->GetInt(kWindowPosition, "Height", -1), 420);
    QVERIFY(!stored->GetString("ToolBarState", "State", "").empty());

    CMainFrame next(*stored);
    ShowAndWait(next);
    QCOMPARE(next.pos(), QPoint(40, 30));
    QCOMPARE(next.size(), QSize(700, 420));
}

void TestMainFrame::maximisedStateIsRestored()
{
    CTestSettings settings;
    QRect maximised;
    {
        CMainFrame frame(settings.Store());
        ShowAndWait(frame);
        frame.showMaximized();
        QTRY_VERIFY(frame.isMaximized());
        maximised = QRect(frame.pos(), frame.size());
        QVERIFY(frame.close());
    }
    const auto stored = settings.Reopen();
    QCOMPARE(stored->GetInt(kWindowPosition, "Zoom", -1), 1);
    QCOMPARE(stored->GetInt(kWindowPosition, "Icon", -1), 0);
    QCOMPARE(stored->GetInt(kWindowPosition, "Width", -1), maximised.width());
    QCOMPARE(stored->GetInt(kWindowPosition, "Height", -1), maximised.height());

    CMainFrame next(*stored);
    ShowAndWait(next);
    QTRY_VERIFY(next.isMaximized());
    next.showNormal();
    QTRY_VERIFY(!next.isMaximized());
    QCOMPARE(next.maximumSize(), CMainFrame::kMaximumSize);
}

void TestMainFrame::minimisedStateIsStoredButNeverRestored()
{
    CTestSettings settings;
    {
        CMainFrame frame(settings.Store());
        ShowAndWait(frame);
        frame.move(60, 50);
        frame.showMinimized();
        QTRY_VERIFY(frame.isMinimized());
        QVERIFY(frame.close());
    }
    const auto stored = settings.Reopen();
    QCOMPARE(stored->GetInt(kWindowPosition, "Icon", -1), 1);
    QCOMPARE(stored->GetInt(kWindowPosition, "Zoom", -1), 0);
    QCOMPARE(stored->GetInt(kWindowPosition, "Left", -1), 60);

    CMainFrame next(*stored);
    ShowAndWait(next);
    QVERIFY(!next.isMinimized());
    QCOMPARE(next.pos(), QPoint(60, 50));
}

void TestMainFrame::placementOffEveryScreenIsMovedBack()
{
    CTestSettings settings;
    settings.Store().SetInt(kWindowPosition, "Left", 5000);
    settings.Store().SetInt(kWindowPosition, "Top", -4000);
    settings.Store().SetInt(kWindowPosition, "Width", 500);
    settings.Store().SetInt(kWindowPosition, "Height", 300);
    CMainFrame frame(settings.Store());
    ShowAndWait(frame);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(area.contains(QRect(frame.pos(), frame.size())),
             qPrintable(u"%1,%2"_s.arg(frame.x()).arg(frame.y())));
    QCOMPARE(frame.size(), QSize(500, 300));
}

void TestMainFrame::placementPartlyOnScreenIsKept()
{
    CTestSettings settings;
    settings.Store().SetInt(kWindowPosition, "Left", -100);
    settings.Store().SetInt(kWindowPosition, "Top", 20);
    CMainFrame frame(settings.Store());
    ShowAndWait(frame);
    QCOMPARE(frame.pos(), QPoint(-100, 20));
}

void TestMainFrame::sizeIsLimited()
{
    CTestSettings settings;
    settings.Store().SetInt(kWindowPosition, "Width", 3000);
    settings.Store().SetInt(kWindowPosition, "Height", 50);
    CMainFrame frame(settings.Store());
    QCOMPARE(frame.minimumSize(), QSize(300, 200));
    QCOMPARE(frame.maximumSize(), QSize(1200, 800));
    QCOMPARE(frame.size(), QSize(1200, 200));
    frame.resize(100, 90);
    QCOMPARE(frame.size(), QSize(300, 200));
    frame.resize(1600, 1000);
    QCOMPARE(frame.size(), QSize(1200, 800));
}

void TestMainFrame::failedSettingsWriteEndsThePlacement()
{
    CFailingSettingsStore store({"Top"});
    CMainFrame frame(store);
    ShowAndWait(frame);
    frame.move(70, 80);
    QVERIFY(frame.close());
    QCOMPARE(store.GetInt(kWindowPosition, "Left", -1), 70);
    QVERIFY(!store.Contains(kWindowPosition, "Top"));
    QVERIFY(!store.Contains(kWindowPosition, "Width"));
    QVERIFY(!store.Contains(kWindowPosition, "Height"));
}

void TestMainFrame::refusedCloseStillStoresPlacement()
{
    CTestSettings settings;
    CMainFrame frame(settings.Store());
    bool mayClose = false;
    int asked = 0;
    frame.SetCloseGuard([&] {
        ++asked;
        return mayClose;
    });
    ShowAndWait(frame);
    frame.move(90, 70);
    QVERIFY(!frame.close());
    QVERIFY(frame.isVisible());
    QCOMPARE(asked, 1);
    QCOMPARE(settings.Reopen()->GetInt(kWindowPosition, "Left", -1), 90);

    mayClose = true;
    QVERIFY(frame.RunCommand(cmd::kAppExit));
    QVERIFY(!frame.isVisible());
    QCOMPARE(asked, 2);
}

void TestMainFrame::recentFilesAreListedStoredAndOpened()
{
    CTestSettings settings;
    const QString first = QDir(settings.Folder()).filePath(u"first.vlk"_s);
    const QString second = QDir(settings.Folder()).filePath(u"second & more.vlk"_s);
    {
        CMainFrame frame(settings.Store());
        QVERIFY(!frame.Action(cmd::kFileMruFirst)->isEnabled());
        frame.AddToRecentFileList(first);
        frame.AddToRecentFileList(second);
        frame.AddToRecentFileList(first);
        QCOMPARE(frame.RecentFiles(), QStringList({first, second}));
    }
    const auto reopened = settings.Reopen();
    CMainFrame frame(*reopened);
    QCOMPARE(frame.RecentFiles(), QStringList({first, second}));
    const QList<SItem> items = VisibleItems(frame.findChild<QMenu*>(u"menuFile"_s));
    qsizetype mru = 0;
    while (mru < items.size() && items.at(mru).id != cmd::kFileMruFirst) {
        ++mru;
    }
    QVERIFY(mru + 2 < items.size());
    QCOMPARE(items.at(mru - 1).id, kSeparator);
    QVERIFY(items.at(mru).text.startsWith(u"&1 "_s));
    QVERIFY(items.at(mru).text.endsWith(u"first.vlk"_s));
    QVERIFY(items.at(mru + 1).text.startsWith(u"&2 "_s));
    QVERIFY(items.at(mru + 1).text.endsWith(u"second && more.vlk"_s));
    QCOMPARE(items.at(mru + 2).id, kSeparator);

    QString opened;
    frame.SetRecentFileHandler([&opened](const QString& path) { opened = path; });
    QVERIFY(frame.RunCommand(cmd::kFileMruFirst + 1));
    QCOMPARE(opened, second);
    QVERIFY(!frame.RunCommand(cmd::kFileMruFirst + 2));

    frame.RemoveFromRecentFileList(second);
    QCOMPARE(frame.RecentFiles(), QStringList({first}));
    QVERIFY(!frame.Action(cmd::kFileMruFirst + 1)->isVisible());
}

void TestMainFrame::helpCommandsOpenTheManual()
{
    CTestSettings settings;
    CMainFrame frame(settings.Store());
    ShowAndWait(frame);
    QVERIFY(frame.RunCommand(cmd::kHelpContents));
    auto* help = frame.findChild<CHelpWindow*>();
    QVERIFY(help != nullptr);
    QVERIFY(help->isVisible());
    const QString manual = help->Browser()->toPlainText();
    QVERIFY(manual.contains(u"ZQ-L52 User Manual"_s));
    QVERIFY(manual.contains(u"sudo usermod -aG dialout $USER"_s));
    QVERIFY(manual.contains(u"~/.config/Velk/ZQ-L52.conf"_s));

    QVERIFY(frame.RunCommand(cmd::kHelpTopics));
    QCOMPARE(frame.findChildren<CHelpWindow*>().size(), 1);
    QCOMPARE(help->Browser()->source().fragment(), u"topics"_s);

    // Escape closes it, wherever in it the focus is.
    const QPointer<CHelpWindow> window(help);
    QTest::keyClick(help->Browser(), Qt::Key_Escape);
    QTRY_VERIFY(window.isNull());
}

void TestMainFrame::aboutBoxShowsNameAndVersion()
{
    CAboutDlg about;
    QCOMPARE(about.windowTitle(), u"About ZQ-L52"_s);
    QCOMPARE(about.findChild<QLabel*>(u"aboutVersion"_s)->text(), u"ZQ-L52 Rev.1.0"_s);
    QVERIFY(!about.findChild<QLabel*>(u"aboutIcon"_s)->pixmap().isNull());
    auto* ok = about.findChild<QPushButton*>(u"okButton"_s);
    QCOMPARE(ok->text(), u"OK"_s);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(about.result(), int(QDialog::Accepted));
    QVERIFY(!about.isVisible());
}

void TestMainFrame::aboutBoxPicturesAreDrawnForTheScale_data()
{
    QTest::addColumn<QByteArray>("scale");
    QTest::newRow("1x") << QByteArray("1");
    QTest::newRow("1.5x") << QByteArray("1.5");
    QTest::newRow("2x") << QByteArray("2");
}

// The scale is chosen before the application starts, so each scale runs in a process of its own.
void TestMainFrame::aboutBoxPicturesAreDrawnForTheScale()
{
    QFETCH(QByteArray, scale);
    if (qgetenv("QT_SCALE_FACTOR") != scale) {
        QProcess child;
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments(
            gui_test::ArgumentsForThisTest({QString::fromLatin1(QTest::currentTestFunction()) + u':' +
                                            QString::fromLatin1(QTest::currentDataTag())}));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_SCALE_FACTOR"_s, QString::fromLatin1(scale));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start();
        QVERIFY(child.waitForFinished(kChildTimeoutMs));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        return;
    }
    const qreal ratio = scale.toDouble();
    QCOMPARE(qApp->devicePixelRatio(), ratio);
    CAboutDlg about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QPixmap picture = about.findChild<QLabel*>(u"aboutPicture"_s)->pixmap();
    QCOMPARE(picture.devicePixelRatio(), ratio);
    QCOMPARE(picture.deviceIndependentSize(), QSizeF(42, 72));
    // The artwork's transceiver is drawn: its display in the middle is painted, the corner beside the
    // antenna is not.
    const QImage image = picture.toImage();
    QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() * 2 / 5)), 255);
    QCOMPARE(qAlpha(image.pixel(image.width() - 1, 0)), 0);
    const QPixmap icon = about.findChild<QLabel*>(u"aboutIcon"_s)->pixmap();
    QCOMPARE(icon.devicePixelRatio(), ratio);
    QCOMPARE(icon.deviceIndependentSize(), QSizeF(32, 32));
}

void TestMainFrame::toolIconsFollowThePalette()
{
    CTestSettings settings;
    CMainFrame frame(settings.Store());
    const QAction* save = frame.Action(cmd::kFileSave);
    const QPalette light = QApplication::palette();
    const QImage lightIcon = ToolPixmap(EToolIcon::Save, 16, light).toImage();
    QCOMPARE(save->icon().pixmap(16).toImage(), lightIcon);

    const QColor window(0x35, 0x35, 0x35);
    const QColor text(Qt::white);
    const QPalette dark(text, window, window.lighter(), window.darker(), window, text, text, window, window);
    // The application hands a new palette to its windows through posted events.
    QApplication::setPalette(dark);
    QCoreApplication::sendPostedEvents();
    const QImage shownOnDark = save->icon().pixmap(16).toImage();
    QApplication::setPalette(light);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(shownOnDark, ToolPixmap(EToolIcon::Save, 16, dark).toImage());
    QVERIFY(shownOnDark != lightIcon);
    QCOMPARE(save->icon().pixmap(16).toImage(), lightIcon);
}

ZQ_GUI_TEST(TestMainFrame)
#include "tst_main_frame.moc"
