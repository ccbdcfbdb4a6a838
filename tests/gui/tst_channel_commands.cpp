#include "app/document_wiring.h"
#include "app/edit_history.h"
#include "app/tone_player.h"
#include "app/zql52_doc.h"
#include "channels/channel_rows.h"
#include "core/rig/radio_data.h"
#include "res/load_string.h"
#include "support/app_fixture.h"
#include "support/gui_test_main.h"
#include "support/modal_dialogs.h"
#include "ui/channel_commands.h"
#include "ui/channel_list_view.h"
#include "ui/main_frame.h"
#include "ui/widgets/message_box.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QToolBar>
#include <QtTest>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int kFirstEdgeRow = 100;
constexpr int kLastEdgeRow = 119;
constexpr int kFirstCallRow = 120;
constexpr int kLastCallRow = 123;

// The running program, with the data's answers and the texts of a row.
struct SProgram : SRunningProgram
{
    QString Execute(const std::string& command)
    {
        return QString::fromStdString(Doc().GetRadioData().Execute(command));
    }

    QStringList Row(int row)
    {
        QStringList texts;
        for (int column = 0; column < 11; ++column) {
            texts.append(Cell(row, column));
        }
        return texts;
    }
};

// The row's cells without the label, which differs from row to row.
QStringList Contents(QStringList row)
{
    row.removeFirst();
    return row;
}

QStringList BlankRow(const QString& label)
{
    QStringList texts(11);
    texts[0] = label;
    return texts;
}

// Acts on the next pop-up menu that opens: polls for it and gives it to the action once.
QPointer<QTimer> WhenPopupOpens(std::function<void(QMenu* menu)> action)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action = std::move(action)] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu != nullptr && menu->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(menu);
        }
    });
    timer->start();
    return timer;
}

void RightClick(CZQL52View& view, int row)
{
    const QPoint pos = view.visualRect(view.model()->index(row, 1)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, view.viewport()->mapToGlobal(pos));
    QApplication::sendEvent(view.viewport(), &event);
}

} // namespace

class TestChannelCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { AnswerDialogsAutomatically(); }

    void everyCommandHasAHandler();
    void copyIsEnabledByItsCheckAndChangesNoRow();
    void pasteOntoABlankChannelDoesNotAsk();
    void pasteOntoAChannelInUseAsksFirst();
    void pasteIsDisabledWhileItsCheckIsNg();
    void clearIsEnabledOnlyWhereTheChannelMayBeBlank();
    void deleteKeyClearsEvenWhereClearIsDisabled();
    void deleteAndInsertAreDisabledOnEdgeAndCallRows();
    void deleteRemovesTheChannelAtOnce();
    void insertBlanksTheRowAndMovesTheOthersDown();
    void insertIsRefusedWhileTheLastChannelIsInUse();
    void withNoSelectionCommandsActOnRowZero();
    void acceleratorsCopyAndPaste();
    void frameRunsTheListCommandsWithoutTheApplication();
    void contextMenuSelectsTheRowAndOffersTheEditItems();
    void contextMenuItemRunsItsCommand();
    void editMemoryCommandEditsTheSelectedRow();
    void dtmfAutoDialCommandOpensItsDialog();
    void commonSettingCommandOpensTheSheet();
};

void TestChannelCommands::everyCommandHasAHandler()
{
    SProgram p;
    QVERIFY(p.started);
    // Always enabled, whatever the row.
    for (const int row : {0, 50, kFirstEdgeRow, kLastCallRow}) {
        p.View().SelectRow(row);
        QVERIFY(p.Enabled(cmd::kEditMemory));
        QVERIFY(p.Enabled(cmd::kDtmfAutoDial));
        QVERIFY(p.Enabled(cmd::kCommonSetting));
    }
    // The toolbar shows the same actions, so the same states.
    const auto* toolBar = p.Frame().findChild<QToolBar*>(u"toolBar"_s);
    for (const int id : {cmd::kEditMemory, cmd::kEditCopy, cmd::kEditPaste, cmd::kEditClear,
                         cmd::kDtmfAutoDial, cmd::kCommonSetting}) {
        QVERIFY(toolBar->actions().contains(p.Frame().Action(id)));
    }
}

void TestChannelCommands::copyIsEnabledByItsCheckAndChangesNoRow()
{
    SProgram p;
    QVERIFY(p.started);
    p.View().SelectRow(1);
    QVERIFY(p.Enabled(cmd::kEditCopy));
    // Every channel can be copied, blank ones too.
    p.View().SelectRow(50);
    QVERIFY(p.Enabled(cmd::kEditCopy));

    p.View().SelectRow(1);
    const std::string image = p.Doc().GetRadioData().Execute("IMAGE");
    QSignalSpy shown(&p.View(), &CZQL52View::RowShown);
    QVERIFY(p.Frame().RunCommand(cmd::kEditCopy));
    QCOMPARE(shown.size(), 0);
    QCOMPARE(p.Doc().GetRadioData().Execute("IMAGE"), image);
    QVERIFY(!p.Doc().CanUndo());
    QVERIFY(!p.Doc().IsModified());
    QVERIFY(MessageBox::Shown().isEmpty());
    // The channel sits in the data's clipboard now.
    QCOMPARE(p.Execute("CH.MCH.60.PASTE.CHECK"), u"OK"_s);
}

void TestChannelCommands::pasteOntoABlankChannelDoesNotAsk()
{
    SProgram p;
    QVERIFY(p.started);
    p.Execute("CH.MCH.1.FREQUENCY=146.5200");
    p.View().RefreshRow(1);
    p.View().SelectRow(1);
    QVERIFY(p.Frame().RunCommand(cmd::kEditCopy));

    p.View().SelectRow(40);
    QCOMPARE(p.Row(40), BlankRow(u"40"_s));
    QVERIFY(p.Enabled(cmd::kEditPaste));
    QSignalSpy shown(&p.View(), &CZQL52View::RowShown);
    QVERIFY(p.Frame().RunCommand(cmd::kEditPaste));
    QVERIFY(MessageBox::Shown().isEmpty());
    QCOMPARE(Contents(p.Row(40)), Contents(p.Row(1)));
    QCOMPARE(p.Row(40).at(1), u"146.5200"_s);
    // Only the target row is rebuilt.
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).at(0).toInt(), 40);
}

void TestChannelCommands::pasteOntoAChannelInUseAsksFirst()
{
    SProgram p;
    QVERIFY(p.started);
    p.Execute("CH.MCH.1.FREQUENCY=146.5200");
    p.Execute("CH.MCH.2.FREQUENCY=147.0000");
    p.View().RefreshRow(1);
    p.View().RefreshRow(2);
    p.View().SelectRow(1);
    QVERIFY(p.Frame().RunCommand(cmd::kEditCopy));
    p.View().SelectRow(2);
    QCOMPARE(p.Execute("CH.MCH.2.PASTE.CHECK"), u"WARNING"_s);
    QVERIFY(p.Enabled(cmd::kEditPaste));

    const QStringList before = p.Row(2);
    MessageBox::SetNextAnswer(MessageBox::Answer::No);
    QVERIFY(p.Frame().RunCommand(cmd::kEditPaste));
    QCOMPARE(MessageBox::Shown().size(), 1);
    const MessageBox::SShown question = MessageBox::Shown().at(0);
    QCOMPARE(question.text, u" Overwite here ?    "_s);
    QCOMPARE(question.buttons, MessageBox::Buttons::YesNo);
    QCOMPARE(question.icon, MessageBox::Icon::Warning);
    QCOMPARE(question.caption, u"ZQ-L52"_s);
    QCOMPARE(p.Row(2), before);
    QCOMPARE(p.Execute("CH.MCH.2.FREQUENCY"), u"147.0000"_s);
    QVERIFY(!p.Doc().CanUndo());

    MessageBox::SetNextAnswer(MessageBox::Answer::Yes);
    QVERIFY(p.Frame().RunCommand(cmd::kEditPaste));
    QCOMPARE(MessageBox::Shown().size(), 2);
    QCOMPARE(p.Execute("CH.MCH.2.FREQUENCY"), u"146.5200"_s);
    QCOMPARE(Contents(p.Row(2)), Contents(p.Row(1)));
}

void TestChannelCommands::pasteIsDisabledWhileItsCheckIsNg()
{
    SProgram p;
    QVERIFY(p.started);
    QVERIFY(p.ShowActive());
    // Nothing copied yet.
    p.View().SelectRow(5);
    QCOMPARE(p.Execute("CH.MCH.5.PASTE.CHECK"), u"NG"_s);
    QVERIFY(!p.Enabled(cmd::kEditPaste));
    QVERIFY(!p.Frame().RunCommand(cmd::kEditPaste));

    // A blank channel cannot go where a channel may not be blank.
    p.View().SelectRow(50);
    QVERIFY(p.Frame().RunCommand(cmd::kEditCopy));
    p.View().SelectRow(122);
    QCOMPARE(p.Execute("CH.CALL.430.PASTE.CHECK"), u"NG"_s);
    QVERIFY(!p.Enabled(cmd::kEditPaste));
    const QStringList before = p.Row(122);
    const std::string image = p.Doc().GetRadioData().Execute("IMAGE");
    QVERIFY(!p.Frame().RunCommand(cmd::kEditPaste));
    QTest::keyClick(&p.View(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&p.View(), Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(p.Row(122), before);
    QCOMPARE(p.Doc().GetRadioData().Execute("IMAGE"), image);
    QVERIFY(MessageBox::Shown().isEmpty());
    // The same clipboard may go onto another memory channel.
    p.View().SelectRow(3);
    QVERIFY(p.Enabled(cmd::kEditPaste));
}

void TestChannelCommands::clearIsEnabledOnlyWhereTheChannelMayBeBlank()
{
    SProgram p;
    QVERIFY(p.started);
    const std::pair<int, bool> rows[] = {{0, true},
                                         {99, true},
                                         {kFirstEdgeRow, false},
                                         {kFirstEdgeRow + 1, false},
                                         {kFirstEdgeRow + 2, true},
                                         {kLastEdgeRow, true},
                                         {kFirstCallRow, false},
                                         {kLastCallRow, false}};
    for (const auto& [row, enabled] : rows) {
        p.View().SelectRow(row);
        QVERIFY2(p.Enabled(cmd::kEditClear) == enabled, qPrintable(QString::number(row)));
    }

    p.View().SelectRow(1);
    QSignalSpy shown(&p.View(), &CZQL52View::RowShown);
    QVERIFY(p.Frame().RunCommand(cmd::kEditClear));
    QCOMPARE(p.Row(1), BlankRow(u"01"_s));
    QCOMPARE(p.Execute("CH.MCH.1.APPEAR"), u"OFF"_s);
    QCOMPARE(shown.size(), 1);
    QVERIFY(MessageBox::Shown().isEmpty());

    p.View().SelectRow(kFirstEdgeRow);
    QVERIFY(!p.Frame().RunCommand(cmd::kEditClear));
}

void TestChannelCommands::deleteKeyClearsEvenWhereClearIsDisabled()
{
    SProgram p;
    QVERIFY(p.started);
    QVERIFY(p.ShowActive());
    p.View().SelectRow(kFirstEdgeRow);
    QVERIFY(!p.Enabled(cmd::kEditClear));
    const QStringList before = p.Row(kFirstEdgeRow);
    const std::string image = p.Doc().GetRadioData().Execute("IMAGE");
    QSignalSpy shown(&p.View(), &CZQL52View::RowShown);
    QTest::keyClick(&p.View(), Qt::Key_Delete);
    // The clear was sent: the channel table refused it, and the row was rebuilt unchanged.
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).at(0).toInt(), kFirstEdgeRow);
    QCOMPARE(p.Row(kFirstEdgeRow), before);
    QCOMPARE(p.Doc().GetRadioData().Execute("IMAGE"), image);
    QVERIFY(!p.Doc().CanUndo());
    QVERIFY(MessageBox::Shown().isEmpty());

    // On a row that can be cleared it clears at once, as one undo step.
    p.View().SelectRow(2);
    QTest::keyClick(&p.View(), Qt::Key_Delete);
    QCOMPARE(p.Row(2), BlankRow(u"02"_s));
    QVERIFY(p.Doc().CanUndo());
    QVERIFY(MessageBox::Shown().isEmpty());
}

void TestChannelCommands::deleteAndInsertAreDisabledOnEdgeAndCallRows()
{
    SProgram p;
    QVERIFY(p.started);
    for (int row = kFirstEdgeRow; row <= kLastCallRow; ++row) {
        p.View().SelectRow(row);
        QVERIFY2(!p.Enabled(cmd::kEditDelete), qPrintable(QString::number(row)));
        QVERIFY2(!p.Enabled(cmd::kEditInsert), qPrintable(QString::number(row)));
    }
    const std::string image = p.Doc().GetRadioData().Execute("IMAGE");
    p.View().SelectRow(kFirstCallRow + 1);
    QVERIFY(!p.Frame().RunCommand(cmd::kEditDelete));
    QVERIFY(!p.Frame().RunCommand(cmd::kEditInsert));
    QCOMPARE(p.Doc().GetRadioData().Execute("IMAGE"), image);
    // Memory channels, in use or blank, can be deleted and inserted at.
    for (const int row : {0, 1, 50, 99}) {
        p.View().SelectRow(row);
        QVERIFY(p.Enabled(cmd::kEditDelete));
        QVERIFY(p.Enabled(cmd::kEditInsert));
    }
}

void TestChannelCommands::deleteRemovesTheChannelAtOnce()
{
    SProgram p;
    QVERIFY(p.started);
    p.Execute("CH.MCH.3.APPEAR=ON");
    p.Execute("CH.MCH.3.FREQUENCY=145.2500");
    p.Execute("CH.MCH.99.APPEAR=ON");
    p.View().RefreshAll();
    const QStringList row3 = p.Row(3);
    p.View().SelectRow(2);
    QCOMPARE(p.Execute("CH.MCH.2.DELETE.CHECK"), u"WARNING"_s);
    QVERIFY(p.Enabled(cmd::kEditDelete));

    QSignalSpy shown(&p.View(), &CZQL52View::RowShown);
    QVERIFY(p.Frame().RunCommand(cmd::kEditDelete));
    QVERIFY(MessageBox::Shown().isEmpty());
    // The following channels moved up by one row; the last one is blank.
    QCOMPARE(Contents(p.Row(2)), Contents(row3));
    QCOMPARE(p.Row(99), BlankRow(u"99"_s));
    // The row itself, then every row.
    QCOMPARE(shown.size(), 1 + 124);
    QCOMPARE(p.View().SelectedRow(), 2);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void TestChannelCommands::insertBlanksTheRowAndMovesTheOthersDown()
{
    SProgram p;
    QVERIFY(p.started);
    p.Execute("CH.MCH.1.FREQUENCY=146.5200");
    p.View().RefreshAll();
    const QStringList row1 = p.Row(1);
    const QStringList row2 = p.Row(2);
    p.View().SelectRow(1);
    QCOMPARE(p.Execute("CH.MCH.1.INSERT.CHECK"), u"OK"_s);
    QSignalSpy shown(&p.View(), &CZQL52View::RowShown);
    QVERIFY(p.Frame().RunCommand(cmd::kEditInsert));
    QVERIFY(MessageBox::Shown().isEmpty());
    QCOMPARE(p.Row(1), BlankRow(u"01"_s));
    QCOMPARE(Contents(p.Row(2)), Contents(row1));
    QCOMPARE(Contents(p.Row(3)), Contents(row2));
    QCOMPARE(shown.size(), 1 + 124);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void TestChannelCommands::insertIsRefusedWhileTheLastChannelIsInUse()
{
    SProgram p;
    QVERIFY(p.started);
    p.Execute("CH.MCH.99.APPEAR=ON");
    p.View().RefreshAll();
    p.View().SelectRow(5);
    QCOMPARE(p.Execute("CH.MCH.5.INSERT.CHECK"), u"WARNING"_s);
    QVERIFY(p.Enabled(cmd::kEditInsert));
    const std::string image = p.Doc().GetRadioData().Execute("IMAGE");
    QSignalSpy shown(&p.View(), &CZQL52View::RowShown);
    MessageBox::SetNextAnswer(MessageBox::Answer::Ok);
    QVERIFY(p.Frame().RunCommand(cmd::kEditInsert));
    QCOMPARE(MessageBox::Shown().size(), 1);
    const MessageBox::SShown refusal = MessageBox::Shown().at(0);
    QCOMPARE(refusal.text, u" The last CH(99ch) is not blank. Cannot insert a blank channel."_s);
    QCOMPARE(refusal.buttons, MessageBox::Buttons::Ok);
    QCOMPARE(refusal.icon, MessageBox::Icon::Warning);
    QCOMPARE(refusal.caption, u"ZQ-L52"_s);
    QCOMPARE(p.Doc().GetRadioData().Execute("IMAGE"), image);
    QCOMPARE(shown.size(), 0);
    QVERIFY(!p.Doc().CanUndo());
}

void TestChannelCommands::withNoSelectionCommandsActOnRowZero()
{
    SProgram p;
    QVERIFY(p.started);
    p.Execute("CH.MCH.0.FREQUENCY=144.8000");
    p.View().RefreshAll();
    p.View().selectionModel()->clearSelection();
    QCOMPARE(p.View().SelectedRow(), 0);

    QVERIFY(p.Frame().RunCommand(cmd::kEditCopy));
    QCOMPARE(p.Execute("CH.MCH.50.PASTE"), u"OK"_s);
    QCOMPARE(p.Execute("CH.MCH.50.FREQUENCY"), u"144.8000"_s);

    QVERIFY(p.Enabled(cmd::kEditClear));
    QVERIFY(p.Frame().RunCommand(cmd::kEditClear));
    QCOMPARE(p.Execute("CH.MCH.0.APPEAR"), u"OFF"_s);
    QCOMPARE(p.Row(0), BlankRow(u"00"_s));

    // Pasting the copy back asks nothing: channel 0 is blank now.
    QVERIFY(p.Frame().RunCommand(cmd::kEditPaste));
    QVERIFY(MessageBox::Shown().isEmpty());
    QCOMPARE(p.Execute("CH.MCH.0.FREQUENCY"), u"144.8000"_s);

    const QString row1 = p.Execute("CH.MCH.1.FREQUENCY");
    QVERIFY(p.Frame().RunCommand(cmd::kEditDelete));
    QCOMPARE(p.Execute("CH.MCH.0.FREQUENCY"), row1);
    QVERIFY(p.Frame().RunCommand(cmd::kEditInsert));
    QCOMPARE(p.Execute("CH.MCH.0.APPEAR"), u"OFF"_s);

    int edited = -1;
    p.View().SetEditHandler([&edited](int row) {
        edited = row;
        return false;
    });
    QVERIFY(p.Frame().RunCommand(cmd::kEditMemory));
    QCOMPARE(edited, 0);
}

void TestChannelCommands::acceleratorsCopyAndPaste()
{
    SProgram p;
    QVERIFY(p.started);
    QVERIFY(p.ShowActive());
    p.Execute("CH.MCH.1.FREQUENCY=146.5200");
    p.View().RefreshRow(1);

    p.View().SelectRow(1);
    QTest::keyClick(&p.View(), Qt::Key_C, Qt::ControlModifier);
    p.View().SelectRow(60);
    QTest::keyClick(&p.View(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(p.Execute("CH.MCH.60.FREQUENCY"), u"146.5200"_s);
    QCOMPARE(p.Row(60).at(1), u"146.5200"_s);

    p.Execute("CH.MCH.2.FREQUENCY=147.0000");
    p.View().SelectRow(2);
    QTest::keyClick(&p.View(), Qt::Key_Insert, Qt::ControlModifier);
    p.View().SelectRow(61);
    QTest::keyClick(&p.View(), Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(p.Execute("CH.MCH.61.FREQUENCY"), u"147.0000"_s);
    QVERIFY(MessageBox::Shown().isEmpty());

    // A key pressed right after moving to another row finds the command in that row's state.
    p.View().SelectRow(50);
    QTest::keyClick(&p.View(), Qt::Key_C, Qt::ControlModifier);
    p.View().SelectRow(122);
    QVERIFY(!p.Frame().Action(cmd::kEditPaste)->isEnabled());
    p.View().SelectRow(62);
    QTest::keyClick(&p.View(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(p.Execute("CH.MCH.62.APPEAR"), u"OFF"_s);
    p.View().SelectRow(1);
    QTest::keyClick(&p.View(), Qt::Key_V, Qt::ControlModifier);
    // Channel 1 was in use: the question came, and the default answer kept it.
    QCOMPARE(MessageBox::Shown().size(), 1);
    QCOMPARE(p.Execute("CH.MCH.1.FREQUENCY"), u"146.5200"_s);
}

void TestChannelCommands::frameRunsTheListCommandsWithoutTheApplication()
{
    CTestSettings settings;
    CNullTonePlayer tones;
    CZQL52Doc document(settings.Store(), tones);
    CMainFrame frame(settings.Store());
    auto* view = new CZQL52View(document, &frame);
    frame.setCentralWidget(view);
    ConnectDocumentView(document, *view);
    const auto files = ConnectDocumentFrame(document, *view, frame);
    document.OnNewDocument();

    view->SelectRow(1);
    frame.UpdateCommandUi();
    QVERIFY(frame.Action(cmd::kEditClear)->isEnabled());
    QVERIFY(!frame.Action(cmd::kEditPaste)->isEnabled());
    QVERIFY(!frame.RunCommand(cmd::kEditPaste));
    QVERIFY(frame.RunCommand(cmd::kEditCopy));
    view->SelectRow(70);
    QVERIFY(frame.RunCommand(cmd::kEditPaste));
    QCOMPARE(document.GetRadioData().Execute("CH.MCH.70.APPEAR"), std::string("ON"));
    QVERIFY(frame.RunCommand(cmd::kEditClear));
    QCOMPARE(document.GetRadioData().Execute("CH.MCH.70.APPEAR"), std::string("OFF"));
    QCOMPARE(view->model()->index(70, 1).data().toString(), QString());
    QCOMPARE(document.History().UndoCount(), size_t(2));
    QVERIFY(frame.RunCommand(cmd::kEditUndo));
    QCOMPARE(document.GetRadioData().Execute("CH.MCH.70.APPEAR"), std::string("ON"));
    QCOMPARE(view->model()->index(70, 1).data().toString(),
             QString::fromStdString(channel_rows::BuildRow(document.GetRadioData(), 70).at(1)));
    QVERIFY(!view->model()->index(70, 1).data().toString().isEmpty());
}

void TestChannelCommands::contextMenuSelectsTheRowAndOffersTheEditItems()
{
    SProgram p;
    QVERIFY(p.started);
    QVERIFY(p.ShowActive());
    p.View().SelectRow(0);

    QStringList texts;
    QStringList names;
    QList<bool> enabled;
    int selectedWhileOpen = -1;
    WhenPopupOpens([&](QMenu* menu) {
        selectedWhileOpen = p.View().SelectedRow();
        for (const QAction* action : menu->actions()) {
            texts.append(action->isSeparator() ? u"-"_s : action->text());
            names.append(action->objectName());
            enabled.append(action->isEnabled());
        }
        menu->close();
    });
    RightClick(p.View(), 3);
    QCOMPARE(selectedWhileOpen, 3);
    QCOMPARE(p.View().SelectedRow(), 3);
    QCOMPARE(texts, QStringList({u"&Edit Memory...\tEnter"_s, u"-"_s, u"&Copy\tCtrl+C"_s, u"&Paste\tCtrl+V"_s,
                                 u"-"_s, u"Clear\tDel"_s, u"Delete"_s, u"Insert\t"_s}));
    QCOMPARE(names.at(0), u"actionEditMemory"_s);
    // Nothing copied yet: Paste is disabled, as on the menu bar.
    QCOMPARE(enabled, QList<bool>({true, true, true, false, true, true, true, true}));

    // On a call channel Clear, Delete and Insert are disabled as well.
    texts.clear();
    enabled.clear();
    WhenPopupOpens([&](QMenu* menu) {
        for (const QAction* action : menu->actions()) {
            enabled.append(action->isEnabled());
        }
        menu->close();
    });
    p.View().scrollTo(p.View().model()->index(kLastCallRow, 0));
    RightClick(p.View(), kLastCallRow);
    QCOMPARE(p.View().SelectedRow(), kLastCallRow);
    QCOMPARE(enabled, QList<bool>({true, true, true, false, true, false, false, false}));
    // The menu is gone again. (Whether the offscreen platform hands activation back to the frame at
    // once varies from run to run, so that is not what this checks.)
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
}

void TestChannelCommands::contextMenuItemRunsItsCommand()
{
    SProgram p;
    QVERIFY(p.started);
    QVERIFY(p.ShowActive());
    bool clicked = false;
    WhenPopupOpens([&clicked](QMenu* menu) {
        auto* clear = menu->findChild<QAction*>(u"actionEditClear"_s);
        if (clear == nullptr) {
            for (QAction* action : menu->actions()) {
                if (action->objectName() == u"actionEditClear"_s) {
                    clear = action;
                }
            }
        }
        QVERIFY(clear != nullptr);
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(clear).center());
        clicked = true;
    });
    RightClick(p.View(), 2);
    QVERIFY(clicked);
    QCOMPARE(p.Execute("CH.MCH.2.APPEAR"), u"OFF"_s);
    QCOMPARE(p.Row(2), BlankRow(u"02"_s));
    QVERIFY(p.Doc().CanUndo());
}

void TestChannelCommands::editMemoryCommandEditsTheSelectedRow()
{
    SProgram p;
    QVERIFY(p.started);
    p.View().SelectRow(7);
    bool seen = false;
    ClickInNextModal(u"editMemoryDialog"_s, u"okButton"_s, [&seen](QWidget* dialog) {
        auto* frequency = dialog->findChild<QLineEdit*>(u"editFrequency"_s);
        QVERIFY(frequency != nullptr);
        frequency->setText(u"145.6250"_s);
        seen = true;
    });
    QVERIFY(p.Frame().RunCommand(cmd::kEditMemory));
    QVERIFY(seen);
    QCOMPARE(p.View().GetCurrentChannel(), 7);
    QCOMPARE(p.Execute("CH.MCH.7.FREQUENCY"), u"145.6250"_s);
    QCOMPARE(p.Row(7).at(1), u"145.6250"_s);
    QVERIFY(p.Doc().CanUndo());

    // Cancelled: nothing changes and no step is kept.
    p.Doc().History().Clear();
    ClickInNextModal(u"editMemoryDialog"_s, u"cancelButton"_s, [](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(u"editFrequency"_s)->setText(u"146.0000"_s);
    });
    QTest::keyClick(&p.View(), Qt::Key_Return);
    QCOMPARE(p.Execute("CH.MCH.7.FREQUENCY"), u"145.6250"_s);
    QVERIFY(!p.Doc().CanUndo());
}

void TestChannelCommands::dtmfAutoDialCommandOpensItsDialog()
{
    SProgram p;
    QVERIFY(p.started);
    QCOMPARE(p.Execute("COMMON.DTMF_SPEED"), u"100ms"_s);
    ClickInNextModal(u"dtmfAutodialDialog"_s, u"okButton"_s, [](QWidget* dialog) {
        auto* speed = dialog->findChild<QComboBox*>(u"comboSpeed"_s);
        QVERIFY(speed != nullptr);
        speed->setCurrentIndex(speed->count() - 1);
    });
    QSignalSpy shown(&p.View(), &CZQL52View::RowShown);
    QVERIFY(p.Frame().RunCommand(cmd::kDtmfAutoDial));
    QCOMPARE(p.Execute("COMMON.DTMF_SPEED"), u"500ms"_s);
    QCOMPARE(shown.size(), 0);
    QVERIFY(p.Doc().CanUndo());
}

void TestChannelCommands::commonSettingCommandOpensTheSheet()
{
    SProgram p;
    QVERIFY(p.started);
    ClickInNextModal(u"settingSheet"_s, u"okButton"_s, [](QWidget* sheet) {
        QCOMPARE(sheet->windowTitle(), u"Setting"_s);
        sheet->findChild<QCheckBox*>(u"beepCheck"_s)->setChecked(false);
    });
    QSignalSpy shown(&p.View(), &CZQL52View::RowShown);
    QVERIFY(p.Frame().RunCommand(cmd::kCommonSetting));
    QCOMPARE(p.Execute("COMMON.BEEP"), u"OFF"_s);
    QCOMPARE(shown.size(), 0);
    QVERIFY(p.Doc().CanUndo());

    p.Doc().History().Clear();
    ClickInNextModal(u"settingSheet"_s, u"cancelButton"_s,
                     [](QWidget* sheet) { sheet->findChild<QCheckBox*>(u"beepCheck"_s)->setChecked(true); });
    QVERIFY(p.Frame().RunCommand(cmd::kCommonSetting));
    QCOMPARE(p.Execute("COMMON.BEEP"), u"OFF"_s);
    QVERIFY(!p.Doc().CanUndo());
}

ZQ_GUI_TEST(TestChannelCommands)
#include "tst_channel_commands.moc"
