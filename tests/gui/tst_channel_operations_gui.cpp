#include "app/edit_history.h"
#include "app/zql52_doc.h"
#include "channels/channel_rows.h"
#include "core/rig/radio_data.h"
#include "support/app_fixture.h"
#include "support/gui_test_main.h"
#include "support/modal_dialogs.h"
#include "ui/channel_list_view.h"
#include "ui/line_list_dialog.h"
#include "ui/main_frame.h"
#include "ui/widgets/message_box.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The running program with its memory channels blank.
struct SProgram : SRunningProgram
{
    SProgram()
    {
        if (started) {
            for (int row = 0; row <= 99; ++row) {
                Execute(channel_rows::RowKeyPrefix(row) + "CLEAR");
            }
            View().RefreshAll();
            Doc().History().Clear();
        }
    }

    std::string Execute(const std::string& command) { return Doc().GetRadioData().Execute(command); }

    // A channel in use at the frequency, with the name; shown in the list.
    void Put(int row, const std::string& frequency, const std::string& name = " ")
    {
        const std::string prefix = channel_rows::RowKeyPrefix(row);
        for (const std::string& field :
             {std::string("APPEAR=ON"), "FREQUENCY=" + frequency, "NAME=" + name, std::string("MODE=FM"),
              std::string("SKIP=OFF"), std::string("TONE_SELECTION=OFF"),
              std::string("DUPLEX_SELECTION=OFF")}) {
            Execute(prefix + field);
        }
        Execute(prefix + "HEAL");
        View().RefreshRow(row);
    }

    struct SChannel
    {
        int row;
        std::string frequency;
        std::string name = " ";
    };
    // The channels of a test's list, one a row of the table.
    void Put(std::initializer_list<SChannel> channels)
    {
        for (const SChannel& channel : channels) {
            Put(channel.row, channel.frequency, channel.name);
        }
    }

    // "145.0000 ABC" as the list shows the row, "-" when it is blank.
    QString Shown(int row)
    {
        const QString frequency = Cell(row, 1);
        if (frequency.isEmpty()) {
            return u"-"_s;
        }
        const QString name = Cell(row, 4);
        return name.isEmpty() ? frequency.trimmed() : frequency.trimmed() + u' ' + name;
    }
    QStringList ShownRows(int first, int last)
    {
        QStringList rows;
        for (int row = first; row <= last; ++row) {
            rows.append(Shown(row));
        }
        return rows;
    }
};

template <typename T> T* Child(QWidget* dialog, const QString& name)
{
    return dialog->findChild<T*>(name);
}

// The named widgets that Tab visits, in the order it visits them, from the dialog's first one.
QStringList TabOrder(QWidget* dialog)
{
    QStringList names;
    for (QWidget* widget = dialog->nextInFocusChain(); widget != dialog;
         widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget->focusProxy() == nullptr &&
            widget->isEnabled() && widget->isVisibleTo(dialog) && !widget->objectName().isEmpty()) {
            names.append(widget->objectName());
        }
    }
    return names;
}

} // namespace

class TestChannelOperationsGui : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { AnswerDialogsAutomatically(); }

    void findSelectsTheNextMatchAndF3GoesOn();
    void moveKeysCarryTheChannelOneStepAtATime();
    void sortDialogSortsTheChosenRange();
    void sortIsUndoneInOneStep();
    void compactDialogClosesTheGaps();
    void fillDialogFillsFromTheSelectedRowAndReportsWhatItLeft();
};

void TestChannelOperationsGui::findSelectsTheNextMatchAndF3GoesOn()
{
    SProgram p;
    QVERIFY(p.started);
    QVERIFY(p.ShowActive());
    p.Put({{3, "145.5", "ALPHA"}, {20, "433.0", "HALPA"}, {40, "145.525", "BETA"}});
    p.View().SelectRow(10);

    bool okEnabledWhenBlank = true;
    ClickInNextModal(u"findDialog"_s, u"okButton"_s, [&okEnabledWhenBlank](QWidget* dialog) {
        auto* edit = Child<QLineEdit>(dialog, u"findEdit"_s);
        edit->clear();
        okEnabledWhenBlank = Child<QPushButton>(dialog, u"okButton"_s)->isEnabled();
        QTest::keyClicks(edit, u"145.5"_s);
    });
    QTest::keyClick(&p.View(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(!okEnabledWhenBlank);
    QCOMPARE(p.View().SelectedRow(), 40);
    QCOMPARE(p.Frame().MessageText(), u" Found: 40 (2 of 2)"_s);
    // On from the selection, round to the top.
    QVERIFY(p.ShowActive());
    QTest::keyClick(&p.View(), Qt::Key_F3);
    QCOMPARE(p.View().SelectedRow(), 3);
    QCOMPARE(p.Frame().MessageText(), u" Found: 03 (1 of 2)"_s);

    // A name anywhere, letter case ignored; the last text is offered again.
    QString offered;
    ClickInNextModal(u"findDialog"_s, u"okButton"_s, [&offered](QWidget* dialog) {
        auto* edit = Child<QLineEdit>(dialog, u"findEdit"_s);
        offered = edit->text();
        edit->setText(u"lpa"_s);
    });
    QVERIFY(p.Frame().RunCommand(cmd::kEditFind));
    QCOMPARE(offered, u"145.5"_s);
    QCOMPARE(p.View().SelectedRow(), 20);

    ClickInNextModal(u"findDialog"_s, u"okButton"_s,
                     [](QWidget* dialog) { Child<QLineEdit>(dialog, u"findEdit"_s)->setText(u"zulu"_s); });
    QVERIFY(p.Frame().RunCommand(cmd::kEditFind));
    QCOMPARE(p.View().SelectedRow(), 20);
    QCOMPARE(p.Frame().MessageText(), u" Not found: zulu"_s);
    QVERIFY(!p.Doc().CanUndo());
}

void TestChannelOperationsGui::moveKeysCarryTheChannelOneStepAtATime()
{
    SProgram p;
    QVERIFY(p.started);
    QVERIFY(p.ShowActive());
    p.Put({{5, "145.5", "MOVER"}, {6, "146.0", "OTHER"}, {60, "440.0", "KEEP"}});
    p.View().SelectRow(60);
    QVERIFY(p.Frame().RunCommand(cmd::kEditCopy));
    p.View().SelectRow(5);

    QTest::keyClick(&p.View(), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(p.ShownRows(5, 6), (QStringList{u"146.0000 OTHER"_s, u"145.5000 MOVER"_s}));
    QCOMPARE(p.View().SelectedRow(), 6);
    QCOMPARE(p.UndoText(), u"&Undo Move Down\tCtrl+Z"_s);
    QTest::keyClick(&p.View(), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(p.ShownRows(5, 7), (QStringList{u"146.0000 OTHER"_s, u"-"_s, u"145.5000 MOVER"_s}));
    QTest::keyClick(&p.View(), Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(p.UndoText(), u"&Undo Move Up\tCtrl+Z"_s);
    QCOMPARE(p.View().SelectedRow(), 6);
    QCOMPARE(p.Doc().History().UndoCount(), size_t(3));
    // The channel copied before is still the one a paste puts down.
    p.View().SelectRow(70);
    QVERIFY(p.Frame().RunCommand(cmd::kEditPaste));
    QCOMPARE(p.Shown(70), u"440.0000 KEEP"_s);
    // Undoing and redoing a move take the selection along with the channel; other steps leave it.
    for (const auto& [command, row] : {std::pair{cmd::kEditUndo, 70}, std::pair{cmd::kEditUndo, 7},
                                       std::pair{cmd::kEditUndo, 6}, std::pair{cmd::kEditRedo, 7}}) {
        QVERIFY(p.Frame().RunCommand(command));
        QCOMPARE(p.View().SelectedRow(), row);
    }

    struct SCase
    {
        int row;
        bool up;
        bool down;
    };
    for (const SCase c : {SCase{0, false, true}, SCase{50, true, true}, SCase{99, true, false},
                          SCase{100, false, false}, SCase{123, false, false}}) {
        p.View().SelectRow(c.row);
        QCOMPARE(p.Enabled(cmd::kEditMoveUp), c.up);
        QCOMPARE(p.Enabled(cmd::kEditMoveDown), c.down);
    }
}

void TestChannelOperationsGui::sortDialogSortsTheChosenRange()
{
    SProgram p;
    QVERIFY(p.started);
    p.Put({{9, "430.0", "OUT"},
           {10, "145.0", "CHARLY"},
           {12, "146.0", "ALPHA"},
           {13, "144.5", "BRAVO"},
           {15, "145.0"},
           {16, "50.0", "ZULU"}});

    QList<int> defaults;
    QString keyShown;
    QStringList tabOrder;
    ClickInNextModal(u"sortChannelsDialog"_s, u"okButton"_s,
                     [&defaults, &keyShown, &tabOrder](QWidget* dialog) {
                         tabOrder = TabOrder(dialog);
                         auto* from = Child<QSpinBox>(dialog, u"rangeFromSpin"_s);
                         auto* to = Child<QSpinBox>(dialog, u"rangeToSpin"_s);
                         defaults = {from->value(), to->value()};
                         keyShown = Child<QComboBox>(dialog, u"sortKeyCombo"_s)->currentText();
                         to->setValue(15);
                         from->setValue(10);
                         Child<QComboBox>(dialog, u"sortKeyCombo"_s)->setCurrentIndex(1);
                         Child<QRadioButton>(dialog, u"radioDescending"_s)->setChecked(true);
                     });
    QVERIFY(p.Frame().RunCommand(cmd::kEditSortChannels));
    QCOMPARE(defaults, (QList<int>{0, 99}));
    QCOMPARE(keyShown, u"Frequency"_s);
    QCOMPARE(tabOrder,
             (QStringList{u"rangeFromSpin"_s, u"rangeToSpin"_s, u"sortKeyCombo"_s, u"radioAscending"_s,
                          u"radioDescending"_s, u"okButton"_s, u"cancelButton"_s}));
    // By name, descending; the unnamed channel after the named ones, the blanks at the end of the range.
    QCOMPARE(p.ShownRows(9, 16),
             (QStringList{u"430.0000 OUT"_s, u"145.0000 CHARLY"_s, u"144.5000 BRAVO"_s, u"146.0000 ALPHA"_s,
                          u"145.0000"_s, u"-"_s, u"-"_s, u"50.0000 ZULU"_s}));
    QCOMPARE(p.UndoText(), u"&Undo Sort Channels\tCtrl+Z"_s);

    // The dialog starts with the key and order chosen last; Cancel changes nothing.
    const std::string image = p.Image();
    bool descending = false;
    ClickInNextModal(u"sortChannelsDialog"_s, u"cancelButton"_s, [&descending, &keyShown](QWidget* dialog) {
        keyShown = Child<QComboBox>(dialog, u"sortKeyCombo"_s)->currentText();
        descending = Child<QRadioButton>(dialog, u"radioDescending"_s)->isChecked();
    });
    QVERIFY(p.Frame().RunCommand(cmd::kEditSortChannels));
    QCOMPARE(keyShown, u"Name"_s);
    QVERIFY(descending);
    QCOMPARE(p.Image(), image);
    QCOMPARE(p.Doc().History().UndoCount(), size_t(1));
}

void TestChannelOperationsGui::sortIsUndoneInOneStep()
{
    SProgram p;
    QVERIFY(p.started);
    const char* frequencies[] = {"439.0", "145.0", "433.5", "50.5", "146.5", "144.0"};
    for (int i = 0; i < 6; ++i) {
        p.Put(i * 7, frequencies[i]);
    }
    p.View().SelectRow(14);
    const std::string before = p.Image();
    const QStringList shown = p.ShownRows(0, 99);

    ClickInNextModal(u"sortChannelsDialog"_s, u"okButton"_s);
    QVERIFY(p.Frame().RunCommand(cmd::kEditSortChannels));
    QCOMPARE(p.ShownRows(0, 6), (QStringList{u"50.5000"_s, u"144.0000"_s, u"145.0000"_s, u"146.5000"_s,
                                             u"433.5000"_s, u"439.0000"_s, u"-"_s}));
    const std::string sorted = p.Image();
    QVERIFY(sorted != before);

    QVERIFY(p.Frame().RunCommand(cmd::kEditUndo));
    QCOMPARE(p.Image(), before);
    QCOMPARE(p.ShownRows(0, 99), shown);
    QVERIFY(!p.Enabled(cmd::kEditUndo));
    QCOMPARE(p.View().SelectedRow(), 14);
    QVERIFY(p.Frame().RunCommand(cmd::kEditRedo));
    QCOMPARE(p.Image(), sorted);
}

void TestChannelOperationsGui::compactDialogClosesTheGaps()
{
    SProgram p;
    QVERIFY(p.started);
    p.Put({{2, "145.0", "A"}, {5, "146.0", "B"}, {9, "147.0", "C"}, {30, "148.0", "D"}});
    ClickInNextModal(u"compactChannelsDialog"_s, u"okButton"_s,
                     [](QWidget* dialog) { Child<QSpinBox>(dialog, u"rangeToSpin"_s)->setValue(20); });
    QVERIFY(p.Frame().RunCommand(cmd::kEditCompactChannels));
    QCOMPARE(p.ShownRows(0, 3), (QStringList{u"145.0000 A"_s, u"146.0000 B"_s, u"147.0000 C"_s, u"-"_s}));
    QCOMPARE(p.Shown(9), u"-"_s);
    QCOMPARE(p.Shown(30), u"148.0000 D"_s);
    QCOMPARE(p.UndoText(), u"&Undo Compact Channels\tCtrl+Z"_s);
}

void TestChannelOperationsGui::fillDialogFillsFromTheSelectedRowAndReportsWhatItLeft()
{
    SProgram p;
    QVERIFY(p.started);
    p.Put({{4, "145.0", "BEFORE"}, {10, "50.2", "SIXM"}, {11, "145.5", "TWOM"}, {12, "433.0", "SEVENT"}});
    p.View().SelectRow(10);

    QList<int> range;
    QStringList modes;
    QStringList tabOrder;
    ClickInNextModal(u"fillRangeDialog"_s, u"okButton"_s, [&range, &modes, &tabOrder](QWidget* dialog) {
        tabOrder = TabOrder(dialog);
        range = {Child<QSpinBox>(dialog, u"rangeFromSpin"_s)->value(),
                 Child<QSpinBox>(dialog, u"rangeToSpin"_s)->value()};
        auto* field = Child<QComboBox>(dialog, u"fillFieldCombo"_s);
        field->setCurrentIndex(field->findText(u"Mode"_s));
        auto* value = Child<QComboBox>(dialog, u"fillValueCombo"_s);
        for (int i = 0; i < value->count(); ++i) {
            modes.append(value->itemText(i));
        }
        value->setCurrentIndex(value->findText(u"AM"_s));
    });
    QString intro;
    QStringList lines;
    WhenModalOpens([&intro, &lines](QWidget* modal) {
        auto* report = qobject_cast<CLineListDlg*>(modal);
        if (report == nullptr || modal->objectName() != u"reportDialog"_s) {
            return false;
        }
        intro = report->Intro();
        lines = report->Lines();
        report->accept();
        return true;
    });
    QVERIFY(p.Frame().RunCommand(cmd::kEditFillRange));
    QCOMPARE(range, (QList<int>{10, 99}));
    // The offset is enabled only with a duplex shift: off at the start, where the field is Duplex, none.
    QCOMPARE(tabOrder, (QStringList{u"rangeFromSpin"_s, u"rangeToSpin"_s, u"fillFieldCombo"_s,
                                    u"fillValueCombo"_s, u"okButton"_s, u"cancelButton"_s}));
    QCOMPARE(modes, (QStringList{u"FM"_s, u"AM"_s, u"WFM (Wide FM)"_s, u"NFM (FM Narrow)"_s}));
    // AM is allowed on 50 MHz only; the channel above the range stays as it was.
    QCOMPARE(p.View().model()->index(10, 9).data().toString(), u"AM"_s);
    QCOMPARE(p.View().model()->index(11, 9).data().toString(), u"FM"_s);
    QCOMPARE(p.View().model()->index(4, 9).data().toString(), u"FM"_s);
    QCOMPARE(intro.left(19), u"Channels changed: 1"_s);
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines.at(0).startsWith(u"11 skipped: Mode AM is not allowed"_s), qPrintable(lines.at(0)));
    QVERIFY2(lines.at(1).startsWith(u"12 skipped: "_s), qPrintable(lines.at(1)));
    QCOMPARE(p.UndoText(), u"&Undo Fill Range\tCtrl+Z"_s);

    // A duplex shift with its offset is one step, and nothing to report shows no report.
    bool offsetEnabledWithoutShift = true;
    ClickInNextModal(u"fillRangeDialog"_s, u"okButton"_s, [&offsetEnabledWithoutShift](QWidget* dialog) {
        auto* field = Child<QComboBox>(dialog, u"fillFieldCombo"_s);
        field->setCurrentIndex(field->findText(u"Duplex"_s));
        auto* value = Child<QComboBox>(dialog, u"fillValueCombo"_s);
        offsetEnabledWithoutShift = Child<QLineEdit>(dialog, u"fillOffsetEdit"_s)->isEnabled();
        value->setCurrentIndex(1);
        Child<QLineEdit>(dialog, u"fillOffsetEdit"_s)->setText(u"0.6"_s);
    });
    bool reported = false;
    QPointer<QTimer> watch = WhenModalOpens([&reported](QWidget* modal) {
        if (modal->objectName() != u"reportDialog"_s) {
            return false;
        }
        reported = true;
        qobject_cast<QDialog*>(modal)->accept();
        return true;
    });
    QVERIFY(p.Frame().RunCommand(cmd::kEditFillRange));
    delete watch.data();
    QVERIFY(!offsetEnabledWithoutShift);
    QVERIFY(!reported);
    for (int row = 11; row <= 12; ++row) {
        QCOMPARE(p.View().model()->index(row, 2).data().toString(), u"-Dup"_s);
        QCOMPARE(p.View().model()->index(row, 3).data().toString(), u"0.6000"_s);
    }
    QCOMPARE(p.Doc().History().UndoCount(), size_t(2));
    QVERIFY(p.Frame().RunCommand(cmd::kEditUndo));
    QCOMPARE(p.View().model()->index(11, 2).data().toString(), QString());
}

ZQ_GUI_TEST(TestChannelOperationsGui)
#include "tst_channel_operations_gui.moc"
