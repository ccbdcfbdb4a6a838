#include "app/edit_history.h"
#include "app/zql52_doc.h"
#include "channels/channel_rows.h"
#include "core/rig/radio_data.h"
#include "core/settings_store.h"
#include "res/load_string.h"
#include "support/app_fixture.h"
#include "support/gui_test_main.h"
#include "support/modal_dialogs.h"
#include "support/sim_process.h"
#include "ui/channel_list_view.h"
#include "ui/main_frame.h"
#include "ui/widgets/file_dialogs.h"
#include "ui/widgets/message_box.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Images are short texts here; "IMAGE=" replaces the current one unless it is refused.
class CFakeImageTarget : public ICommandTarget
{
public:
    std::string Execute(std::string_view command) override
    {
        commands.push_back(std::string(command));
        if (command == "IMAGE") {
            return image;
        }
        if (command.substr(0, 6) == "IMAGE=") {
            if (refuse) {
                return "FORMAT_ERROR";
            }
            image = std::string(command.substr(6));
            return "OK";
        }
        return {};
    }

    std::string image = "A";
    bool refuse = false;
    std::vector<std::string> commands;
};

// The running program, with the data's answers and a check of the whole list.
struct SProgram : SRunningProgram
{
    QString Execute(const std::string& command)
    {
        return QString::fromStdString(Doc().GetRadioData().Execute(command));
    }
    // Every row of the list shows what the data holds now.
    bool ListMatchesData()
    {
        for (int row = 0; row < channel_rows::kRowCount; ++row) {
            const channel_rows::Cells cells = channel_rows::BuildRow(Doc().GetRadioData(), row);
            for (int column = 0; column < channel_rows::kColumnCount; ++column) {
                if (Cell(row, column) != QString::fromStdString(cells.at(static_cast<size_t>(column)))) {
                    return false;
                }
            }
        }
        return true;
    }
};

// A transceiver memory unlike the default one, as a clone data file.
bool WriteTransceiverImage(const QString& path)
{
    CMemorySettingsStore store;
    store.SetInt(settings::kSetupInfo, settings::kSetupDone, 1);
    store.SetInt(settings::kSetupInfo, settings::kDestination, 5);
    store.SetInt(settings::kSetupInfo, settings::kOptionFlags, 2);
    CL52RadioData data(&store);
    data.Initialize();
    for (int channel = 0; channel < 30; ++channel) {
        const std::string prefix = "CH.MCH." + std::to_string(channel) + ".";
        data.Execute(prefix + "APPEAR=ON");
        data.Execute(prefix + "FREQUENCY=145." + std::to_string(1000 + channel * 25));
    }
    data.Execute("COMMON.BEEP=OFF");
    return data.SaveDocument(path.toStdString()) == "OK";
}

} // namespace

class TestUndoRedo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { AnswerDialogsAutomatically(); }

    void historyKeepsStepsThatChangeTheImage();
    void historyDropsTheRedoStepsOnANewStep();
    void historyHoldsAThousandSteps();
    void historyKeepsItsPlaceWhenAnImageIsRefused();
    void menuItemsNameTheStepAndFollowTheHistory();
    void keysUndoAndRedo();
    void mixedEditsAreUndoneAndRedoneStepByStep();
    void undoToTheSavedImageMakesTheDocumentUnmodified();
    void newAndOpenClearTheHistory();
    void moreThanAHundredStepsAreKept();
    void cloneReadIsOneStep();
};

void TestUndoRedo::historyKeepsStepsThatChangeTheImage()
{
    CFakeImageTarget data;
    CEditHistory history(data);
    QVERIFY(!history.CanUndo());
    QVERIFY(!history.CanRedo());
    QCOMPARE(history.UndoNameId(), 0);
    QCOMPARE(history.CurrentImage(), std::string("A"));
    QVERIFY(!history.Push(ids::kStepClear, "A", "A"));
    QVERIFY(!history.CanUndo());

    QVERIFY(history.Push(ids::kStepClear, "A", "B"));
    QVERIFY(history.Push(ids::kStepPaste, "B", "C"));
    data.image = "C";
    QCOMPARE(history.UndoNameId(), ids::kStepPaste);
    QVERIFY(history.Undo());
    QCOMPARE(data.commands.back(), std::string("IMAGE=B"));
    QCOMPARE(history.UndoNameId(), ids::kStepClear);
    QCOMPARE(history.RedoNameId(), ids::kStepPaste);
    QVERIFY(history.Undo());
    QCOMPARE(data.image, std::string("A"));
    QVERIFY(!history.Undo());
    QVERIFY(history.Redo());
    QVERIFY(history.Redo());
    QCOMPARE(data.image, std::string("C"));
    QVERIFY(!history.Redo());
    QCOMPARE(history.UndoCount(), size_t(2));
}

void TestUndoRedo::historyDropsTheRedoStepsOnANewStep()
{
    CFakeImageTarget data;
    CEditHistory history(data);
    history.Push(ids::kStepClear, "A", "B");
    history.Push(ids::kStepClear, "B", "C");
    history.Undo();
    QVERIFY(history.CanRedo());
    history.Push(ids::kStepInsert, "B", "D");
    QVERIFY(!history.CanRedo());
    QCOMPARE(history.UndoCount(), size_t(2));
    history.Undo();
    QCOMPARE(data.image, std::string("B"));
    history.Clear();
    QVERIFY(!history.CanUndo());
    QVERIFY(!history.CanRedo());
}

void TestUndoRedo::historyHoldsAThousandSteps()
{
    CFakeImageTarget data;
    CEditHistory history(data);
    QVERIFY(history.Depth() >= 100);
    const size_t steps = history.Depth() + 5;
    for (size_t step = 0; step < steps; ++step) {
        history.Push(ids::kStepClear, std::to_string(step), std::to_string(step + 1));
    }
    QCOMPARE(history.UndoCount(), history.Depth());
    while (history.Undo()) {
    }
    // The oldest steps went.
    QCOMPARE(data.image, std::to_string(steps - history.Depth()));
}

void TestUndoRedo::historyKeepsItsPlaceWhenAnImageIsRefused()
{
    CFakeImageTarget data;
    CEditHistory history(data);
    history.Push(ids::kStepClear, "A", "B");
    data.image = "B";
    data.refuse = true;
    QVERIFY(!history.Undo());
    QVERIFY(history.CanUndo());
    QVERIFY(!history.CanRedo());
}

void TestUndoRedo::menuItemsNameTheStepAndFollowTheHistory()
{
    SProgram p;
    QVERIFY(p.started);
    QVERIFY(!p.Enabled(cmd::kEditUndo));
    QVERIFY(!p.Enabled(cmd::kEditRedo));
    QCOMPARE(p.Text(cmd::kEditUndo), u"&Undo\tCtrl+Z"_s);
    QCOMPARE(p.Text(cmd::kEditRedo), u"&Redo\tCtrl+Y"_s);

    p.View().SelectRow(1);
    QVERIFY(p.Frame().RunCommand(cmd::kEditClear));
    QVERIFY(p.Enabled(cmd::kEditUndo));
    QVERIFY(!p.Enabled(cmd::kEditRedo));
    QCOMPARE(p.Text(cmd::kEditUndo), u"&Undo Clear\tCtrl+Z"_s);

    p.View().SelectRow(0);
    QVERIFY(p.Frame().RunCommand(cmd::kEditCopy));
    p.View().SelectRow(1);
    QVERIFY(p.Frame().RunCommand(cmd::kEditPaste));
    QCOMPARE(p.Text(cmd::kEditUndo), u"&Undo Paste\tCtrl+Z"_s);

    QVERIFY(p.Frame().RunCommand(cmd::kEditUndo));
    QCOMPARE(p.Text(cmd::kEditUndo), u"&Undo Clear\tCtrl+Z"_s);
    QCOMPARE(p.Text(cmd::kEditRedo), u"&Redo Paste\tCtrl+Y"_s);
    QVERIFY(p.Frame().RunCommand(cmd::kEditUndo));
    QVERIFY(!p.Enabled(cmd::kEditUndo));
    QCOMPARE(p.Text(cmd::kEditUndo), u"&Undo\tCtrl+Z"_s);
    QVERIFY(!p.Frame().RunCommand(cmd::kEditUndo));
    QCOMPARE(p.Text(cmd::kEditRedo), u"&Redo Clear\tCtrl+Y"_s);
    // The selection stays where it was.
    QCOMPARE(p.View().SelectedRow(), 1);
}

void TestUndoRedo::keysUndoAndRedo()
{
    SProgram p;
    QVERIFY(p.started);
    p.Frame().activateWindow();
    p.View().setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&p.Frame()));
    const std::string start = p.Image();
    p.View().SelectRow(1);
    QTest::keyClick(&p.View(), Qt::Key_Delete);
    const std::string cleared = p.Image();
    QVERIFY(cleared != start);

    QTest::keyClick(&p.View(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(p.Image(), start);
    QTest::keyClick(&p.View(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(p.Image(), cleared);
    QTest::keyClick(&p.View(), Qt::Key_Backspace, Qt::AltModifier);
    QCOMPARE(p.Image(), start);
    QTest::keyClick(&p.View(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(p.Image(), cleared);
    QCOMPARE(p.View().model()->index(1, 1).data().toString(), QString());
}

void TestUndoRedo::mixedEditsAreUndoneAndRedoneStepByStep()
{
    SProgram p;
    QVERIFY(p.started);
    p.Frame().activateWindow();
    p.View().setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&p.Frame()));
    p.Execute("CH.MCH.99.APPEAR=OFF");
    std::vector<std::string> images = {p.Image()};
    const auto step = [&p, &images] {
        images.push_back(p.Image());
        return images.back() != images.at(images.size() - 2);
    };

    // Paste onto a channel in use, after the question.
    p.View().SelectRow(0);
    QVERIFY(p.Frame().RunCommand(cmd::kEditCopy));
    p.View().SelectRow(2);
    MessageBox::SetNextAnswer(MessageBox::Answer::Yes);
    QVERIFY(p.Frame().RunCommand(cmd::kEditPaste));
    QVERIFY(step());
    // Clear from the menu, and from the Delete key.
    p.View().SelectRow(1);
    QVERIFY(p.Frame().RunCommand(cmd::kEditClear));
    QVERIFY(step());
    p.View().SelectRow(0);
    QTest::keyClick(&p.View(), Qt::Key_Delete);
    QVERIFY(step());
    // Delete and insert.
    p.View().SelectRow(2);
    QVERIFY(p.Frame().RunCommand(cmd::kEditDelete));
    QVERIFY(step());
    p.View().SelectRow(1);
    QVERIFY(p.Frame().RunCommand(cmd::kEditInsert));
    QVERIFY(step());
    // The Edit Memory dialog's OK.
    p.View().SelectRow(10);
    ClickInNextModal(u"editMemoryDialog"_s, u"okButton"_s, [](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(u"editFrequency"_s)->setText(u"438.5000"_s);
    });
    QVERIFY(p.Frame().RunCommand(cmd::kEditMemory));
    QVERIFY(step());
    // The settings sheet's OK.
    ClickInNextModal(u"settingSheet"_s, u"okButton"_s, [](QWidget* sheet) {
        sheet->findChild<QComboBox*>(u"backlightCombo"_s)->setCurrentIndex(0);
        sheet->findChild<QLineEdit*>(u"commentEdit"_s)->setText(u"Undo me"_s);
    });
    QVERIFY(p.Frame().RunCommand(cmd::kCommonSetting));
    QVERIFY(step());
    // The DTMF dialog's OK.
    ClickInNextModal(u"dtmfAutodialDialog"_s, u"okButton"_s, [](QWidget* dialog) {
        auto* speed = dialog->findChild<QComboBox*>(u"comboSpeed"_s);
        speed->setCurrentIndex(speed->count() - 1);
    });
    QVERIFY(p.Frame().RunCommand(cmd::kDtmfAutoDial));
    QVERIFY(step());

    const size_t steps = images.size() - 1;
    QCOMPARE(p.Doc().History().UndoCount(), steps);
    for (size_t index = steps; index > 0; --index) {
        QVERIFY(p.Frame().RunCommand(cmd::kEditUndo));
        QVERIFY2(p.Image() == images.at(index - 1), qPrintable(QString::number(index)));
        QVERIFY(p.ListMatchesData());
    }
    QVERIFY(!p.Enabled(cmd::kEditUndo));
    QVERIFY(!p.Doc().IsModified());
    for (size_t index = 1; index <= steps; ++index) {
        QVERIFY(p.Frame().RunCommand(cmd::kEditRedo));
        QVERIFY2(p.Image() == images.at(index), qPrintable(QString::number(index)));
        QVERIFY(p.ListMatchesData());
    }
    QVERIFY(!p.Enabled(cmd::kEditRedo));
    QCOMPARE(p.Execute("COMMON.CLONE_COMMENT"), u"Undo me         "_s);
    QCOMPARE(p.Execute("COMMON.DTMF_SPEED"), u"500ms"_s);
    QVERIFY(p.Doc().IsModified());
}

void TestUndoRedo::undoToTheSavedImageMakesTheDocumentUnmodified()
{
    SProgram p;
    QVERIFY(p.started);
    QVERIFY(!p.Doc().IsModified());
    p.View().SelectRow(1);
    QVERIFY(p.Frame().RunCommand(cmd::kEditClear));
    QVERIFY(p.Doc().IsModified());
    // Back to the new document's image: nothing to save.
    QVERIFY(p.Frame().RunCommand(cmd::kEditUndo));
    QVERIFY(!p.Doc().IsModified());
    QVERIFY(!p.Doc().GetRadioData().IsEdited());
    QVERIFY(p.Frame().RunCommand(cmd::kEditRedo));
    QVERIFY(p.Doc().IsModified());

    const QString path = p.app.TempPath(u"saved.vlk"_s);
    QVERIFY(p.Doc().OnSaveDocument(path));
    QVERIFY(!p.Doc().IsModified());
    p.View().SelectRow(2);
    QVERIFY(p.Frame().RunCommand(cmd::kEditClear));
    QVERIFY(p.Frame().RunCommand(cmd::kEditDelete));
    QVERIFY(p.Doc().IsModified());
    QVERIFY(p.Frame().RunCommand(cmd::kEditUndo));
    QVERIFY(p.Doc().IsModified());
    QVERIFY(p.Frame().RunCommand(cmd::kEditUndo));
    QVERIFY(!p.Doc().IsModified());
    // Before the save is a change again.
    QVERIFY(p.Frame().RunCommand(cmd::kEditUndo));
    QVERIFY(p.Doc().IsModified());
    QVERIFY(p.Frame().RunCommand(cmd::kEditRedo));
    QVERIFY(!p.Doc().IsModified());
    // Closing asks nothing now.
    QVERIFY(p.Doc().SaveModified());
    QVERIFY(MessageBox::Shown().isEmpty());
}

void TestUndoRedo::newAndOpenClearTheHistory()
{
    SProgram p;
    QVERIFY(p.started);
    const QString path = p.app.TempPath(u"open.vlk"_s);
    QVERIFY(p.Doc().OnSaveDocument(path));
    p.View().SelectRow(1);
    QVERIFY(p.Frame().RunCommand(cmd::kEditClear));
    QVERIFY(p.Doc().CanUndo());

    FileDialogs::SetNextFileName(path);
    MessageBox::SetNextAnswer(MessageBox::Answer::No);
    QVERIFY(p.Frame().RunCommand(cmd::kFileOpen));
    QVERIFY(!p.Doc().CanUndo());
    QVERIFY(!p.Enabled(cmd::kEditUndo));
    QVERIFY(!p.Doc().IsModified());

    p.View().SelectRow(0);
    QVERIFY(p.Frame().RunCommand(cmd::kEditClear));
    QVERIFY(p.Frame().RunCommand(cmd::kEditUndo));
    QVERIFY(p.Doc().CanRedo());
    MessageBox::SetNextAnswer(MessageBox::Answer::No);
    QVERIFY(p.Frame().RunCommand(cmd::kFileNew));
    QVERIFY(!p.Doc().CanUndo());
    QVERIFY(!p.Doc().CanRedo());
    QVERIFY(!p.Enabled(cmd::kEditRedo));
}

void TestUndoRedo::moreThanAHundredStepsAreKept()
{
    SProgram p;
    QVERIFY(p.started);
    // Edit Memory "dialogs" that each give the channel another frequency.
    int count = 0;
    p.View().SetEditHandler([&p, &count](int row) {
        p.Execute("CH.MCH." + std::to_string(row) + ".FREQUENCY=146." + std::to_string(1000 + count * 25));
        ++count;
        return true;
    });
    constexpr int kSteps = 120;
    std::vector<std::string> images = {p.Image()};
    for (int step = 0; step < kSteps; ++step) {
        p.View().SelectRow(step % 4);
        QVERIFY(p.Frame().RunCommand(cmd::kEditMemory));
        images.push_back(p.Image());
    }
    QCOMPARE(p.Doc().History().UndoCount(), size_t(kSteps));
    for (int step = kSteps; step > 0; --step) {
        QVERIFY(p.Frame().RunCommand(cmd::kEditUndo));
        QVERIFY2(p.Image() == images.at(static_cast<size_t>(step - 1)), qPrintable(QString::number(step)));
    }
    QVERIFY(!p.Doc().CanUndo());
    QVERIFY(!p.Doc().IsModified());
    QVERIFY(p.ListMatchesData());
    for (int step = 1; step <= kSteps; ++step) {
        QVERIFY(p.Frame().RunCommand(cmd::kEditRedo));
    }
    QCOMPARE(p.Image(), images.back());
    QVERIFY(p.ListMatchesData());
}

void TestUndoRedo::cloneReadIsOneStep()
{
    CAppFixture app;
    CQtSimProcess sim;
    const QString memory = app.TempPath(u"transceiver.vlk"_s);
    QVERIFY(WriteTransceiverImage(memory));
    app.MarkSetupDone(5, 0, 2);
    app.MapPort(1, app.TempPath(u"radio"_s));
    QVERIFY2(sim.Start(app.TempPath(u"radio"_s), {u"--version"_s, u"5,0,2"_s, u"--image"_s, memory}),
             qPrintable(sim.ErrorOutput()));
    QVERIFY(app.Start());
    CRadioData& data = app.Doc().GetRadioData();
    const std::string before = data.Execute("IMAGE");
    QVERIFY(!app.Doc().IsModified());

    MessageBox::SetDefaultAnswer(MessageBox::Answer::Ok);
    QVERIFY(app.Frame().RunCommand(cmd::kCloneRead));
    QCOMPARE(app.Frame().MessageText(), u" Cloning completed."_s);
    const std::string read = data.Execute("IMAGE");
    QVERIFY(read != before);
    QCOMPARE(data.Execute("COMMON.BEEP"), std::string("OFF"));
    QVERIFY(app.Doc().IsModified());
    QCOMPARE(app.Doc().History().UndoCount(), size_t(1));
    app.Frame().UpdateCommandUi();
    QCOMPARE(app.Frame().Action(cmd::kEditUndo)->text(), u"&Undo Read <- TR\tCtrl+Z"_s);

    QVERIFY(app.Frame().RunCommand(cmd::kEditUndo));
    QCOMPARE(data.Execute("IMAGE"), before);
    // The mark the clone read set goes as well.
    QVERIFY(!app.Doc().IsModified());
    QCOMPARE(app.View().model()->index(20, 1).data().toString(), QString());

    QVERIFY(app.Frame().RunCommand(cmd::kEditRedo));
    QCOMPARE(data.Execute("IMAGE"), read);
    QVERIFY(app.Doc().IsModified());
    QCOMPARE(app.View().model()->index(20, 1).data().toString(), u"145.1500"_s);
}

ZQ_GUI_TEST(TestUndoRedo)
#include "tst_undo_redo.moc"
