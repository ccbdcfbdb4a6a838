#include "app/cable_check_dialog.h"
#include "core/command_ids.h"
#include "res/load_string.h"
#include "support/app_fixture.h"
#include "support/gui_test_main.h"
#include "support/modal_dialogs.h"
#include "support/sim_process.h"
#include "ui/main_frame.h"
#include "ui/widgets/message_box.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QString LabelText(QWidget& dialog, const QString& name)
{
    auto* label = dialog.findChild<QLabel*>(name);
    return label != nullptr ? label->text() : u"<no %1>"_s.arg(name);
}

CCableCheckDlg* VisibleCheckDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<CCableCheckDlg*>(widget);
        if (dialog != nullptr && dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

// The program with COM1 on a virtual transceiver of version 5,0,2 that misbehaves as `fault`.
bool StartOnFaultySim(CAppFixture& app, CQtSimProcess& sim, const QString& fault)
{
    app.MarkSetupDone(5, 0, 2);
    app.MapPort(1, app.TempPath(u"radio"_s));
    if (!sim.Start(app.TempPath(u"radio"_s), {u"--version"_s, u"5,0,2"_s, u"--fault"_s, fault})) {
        qWarning("%s", qPrintable(sim.ErrorOutput()));
        return false;
    }
    return app.Start();
}

} // namespace

class TestCableCheckDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { AnswerDialogsAutomatically(); }
    void checkCableShowsEachStepWithItsResult();
    void aFailedTransferKeepsItsMessageAndThenTellsWhatWasSeen();
};

// Cloning > Check Cable... with the transceiver off: every step up to the answer passes, the answer
// fails with what to do; the button runs the check again.
void TestCableCheckDialog::checkCableShowsEachStepWithItsResult()
{
    CAppFixture app;
    CQtSimProcess sim;
    QVERIFY(StartOnFaultySim(app, sim, u"off"_s));

    QVERIFY(app.Frame().RunCommand(cmd::kCloneCheckCable));
    CCableCheckDlg* dialog = VisibleCheckDialog();
    QVERIFY(dialog != nullptr);
    QVERIFY(!dialog->findChild<QLabel*>(u"seenLabel"_s)->isVisible());
    QCOMPARE(LabelText(*dialog, u"introLabel"_s),
             u"Checks COM1 step by step. Nothing is written to the transceiver's memory."_s);
    for (int step = 1; step <= 5; ++step) {
        QCOMPARE(LabelText(*dialog, u"stepMark%1"_s.arg(step)), u"OK"_s);
    }
    QCOMPARE(LabelText(*dialog, u"stepText1"_s), u"%1 is there."_s.arg(app.TempPath(u"radio"_s)));
    QCOMPARE(LabelText(*dialog, u"stepMark6"_s), u"FAILED"_s);
    QCOMPARE(
        LabelText(*dialog, u"stepText6"_s),
        u"The cable echoed the request, but no answer came.\nThe transceiver is off or not in clone mode."_s);
    auto* run = dialog->findChild<QPushButton*>(u"runCheckButton"_s);
    QCOMPARE(run->text(), u"Check &Again"_s);

    // Without the transceiver at the far end the same port fails at its first step.
    sim.Stop();
    QTest::mouseClick(run, Qt::LeftButton);
    QCOMPARE(LabelText(*dialog, u"stepMark1"_s), u"FAILED"_s);
    QVERIFY(LabelText(*dialog, u"stepText1"_s).contains(u"Is the USB adapter plugged in?"_s));
    QCOMPARE(LabelText(*dialog, u"stepMark2"_s), u"not checked"_s);
    QCOMPARE(LabelText(*dialog, u"stepText2"_s), QString());
}

// The specified message box comes first and unchanged; then the check's window says what the
// transfer saw and runs the check on request.
void TestCableCheckDialog::aFailedTransferKeepsItsMessageAndThenTellsWhatWasSeen()
{
    CAppFixture app;
    CQtSimProcess sim;
    QVERIFY(StartOnFaultySim(app, sim, u"silent"_s));

    MessageBox::Reset();
    MessageBox::SetDefaultAnswer(MessageBox::Answer::Ok);
    QVERIFY(app.Frame().RunCommand(cmd::kCloneInformation));
    QCOMPARE(app.Frame().MessageText(), u" Err: Illegal information."_s);
    QCOMPARE(MessageBox::Shown().size(), 1);
    QCOMPARE(MessageBox::Shown().at(0).text, LoadString(ids::kCheckPortCableSoftware));

    CCableCheckDlg* dialog = VisibleCheckDialog();
    QVERIFY(dialog != nullptr);
    QCOMPARE(
        LabelText(*dialog, u"seenLabel"_s),
        u"What was seen on the line:\nNothing came back on the line, not even the echo of what was sent: "
        "not a cloning cable, or not plugged into this port."_s);
    QCOMPARE(LabelText(*dialog, u"stepMark1"_s), u"not checked"_s);
    QTest::mouseClick(dialog->findChild<QPushButton*>(u"runCheckButton"_s), Qt::LeftButton);
    QCOMPARE(LabelText(*dialog, u"stepMark4"_s), u"OK"_s);
    QCOMPARE(LabelText(*dialog, u"stepMark5"_s), u"FAILED"_s);
    QCOMPARE(LabelText(*dialog, u"stepText5"_s),
             u"Nothing came back.\nNot a cloning cable, or not plugged into this port."_s);
    QTest::mouseClick(dialog->findChild<QPushButton*>(u"closeButton"_s), Qt::LeftButton);
    QTRY_VERIFY(VisibleCheckDialog() == nullptr);
}

ZQ_GUI_TEST(TestCableCheckDialog)
#include "tst_cable_check_dialog.moc"
