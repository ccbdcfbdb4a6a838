#include "app/information_dialog.h"
#include "app/zql52_doc.h"
#include "channels/channel_rows.h"
#include "clone/dialogs/clone_progress_dlg.h"
#include "core/rig/radio_data.h"
#include "core/settings_store.h"
#include "res/load_string.h"
#include "support/app_fixture.h"
#include "support/gui_test_main.h"
#include "support/modal_dialogs.h"
#include "support/sim_process.h"
#include "ui/channel_list_view.h"
#include "ui/main_frame.h"
#include "ui/widgets/message_box.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The program set up for a transceiver of version 5, 0, 2 (USA with the 50 MHz band) on COM1.
constexpr int kDestination = 5;
constexpr int kLevel = 0;
constexpr int kFlags = 2;
const QString kVersion = u"5,0,2"_s;
// A full read lasts about 1.5 s at this rate: long enough to act on the progress window in the middle.
const QString kMidTransferPace = u"57600"_s;

std::unique_ptr<CMemorySettingsStore> ProfileStore()
{
    auto store = std::make_unique<CMemorySettingsStore>();
    store->SetInt(settings::kSetupInfo, settings::kSetupDone, 1);
    store->SetInt(settings::kSetupInfo, settings::kDestination, kDestination);
    store->SetInt(settings::kSetupInfo, settings::kExpandLevel, kLevel);
    store->SetInt(settings::kSetupInfo, settings::kOptionFlags, kFlags);
    return store;
}

// A memory unlike the default one in every row: what the virtual transceiver holds.
void WriteTransceiverImage(const QString& path)
{
    const auto store = ProfileStore();
    CL52RadioData data(store.get());
    data.Initialize();
    for (int row = 0; row < channel_rows::kRowCount; ++row) {
        const std::string prefix = channel_rows::RowKeyPrefix(row);
        data.Execute(prefix + "APPEAR=ON");
        data.Execute(prefix + "FREQUENCY=" + (row < 100 ? "145." : "433.") + std::to_string(1000 + row * 5));
        data.Execute(prefix + "NAME=R" + std::to_string(row));
        data.Execute(prefix + "TONE_SELECTION=TONE");
    }
    QCOMPARE(data.SaveDocument(path.toStdString()), std::string("OK"));
}

// The cell texts a list would show for the file, computed apart from the program.
std::vector<channel_rows::Cells> ExpectedRows(const QString& path)
{
    const auto store = ProfileStore();
    CL52RadioData data(store.get());
    data.Initialize();
    std::vector<channel_rows::Cells> rows;
    if (data.OpenDocument(path.toStdString()) != "OK") {
        return rows;
    }
    for (int row = 0; row < channel_rows::kRowCount; ++row) {
        rows.push_back(channel_rows::BuildRow(data, row));
    }
    return rows;
}

int RowsEqualTo(CZQL52View& view, const std::vector<channel_rows::Cells>& expected)
{
    int equal = 0;
    for (int row = 0; row < channel_rows::kRowCount; ++row) {
        bool same = true;
        for (int column = 0; column < channel_rows::kColumnCount; ++column) {
            const QString shown = view.model()->index(row, column).data().toString();
            same =
                same && shown == QString::fromStdString(
                                     expected.at(static_cast<size_t>(row)).at(static_cast<size_t>(column)));
        }
        equal += same ? 1 : 0;
    }
    return equal;
}

CCloneProgressDlg* VisibleProgress()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* progress = qobject_cast<CCloneProgressDlg*>(widget);
        if (progress != nullptr && progress->isVisible()) {
            return progress;
        }
    }
    return nullptr;
}

struct SCloneFixture
{
    // A sim with the arguments on COM1 (the program's port), the program started and shown.
    bool Start(const QStringList& simArguments)
    {
        app.MarkSetupDone(kDestination, kLevel, kFlags);
        app.MapPort(1, app.TempPath(u"radio"_s));
        if (!sim.Start(app.TempPath(u"radio"_s), simArguments)) {
            return false;
        }
        if (!app.Start()) {
            return false;
        }
        app.Frame().SetMessageText(LoadString(ids::kReady));
        return true;
    }

    void ExpectOutcome(int command, const QString& status, int messageId, MessageBox::Icon icon)
    {
        MessageBox::Reset();
        MessageBox::SetDefaultAnswer(MessageBox::Answer::Ok);
        app.Frame().SetMessageText(LoadString(ids::kReady));
        QVERIFY(app.Frame().RunCommand(command));
        QCOMPARE(app.Frame().MessageText(), status);
        const QList<MessageBox::SShown> shown = MessageBox::Shown();
        // The Write confirmation comes first.
        const qsizetype first = command == cmd::kCloneWrite ? 1 : 0;
        if (messageId == 0) {
            QCOMPARE(shown.size(), first);
            return;
        }
        QCOMPARE(shown.size(), first + 1);
        QCOMPARE(shown.at(first).text, LoadString(messageId));
        QCOMPARE(shown.at(first).icon, icon);
        QCOMPARE(shown.at(first).buttons, MessageBox::Buttons::Ok);
        QCOMPARE(shown.at(first).caption, u"ZQ-L52"_s);
    }

    CAppFixture app;
    CQtSimProcess sim;
};

} // namespace

class TestCloneCommandsGui : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { AnswerDialogsAutomatically(); }

    void readUpdatesEveryRowAndMarksTheDocumentModified();
    void readAsksOnlyWhenTheDocumentIsModified();
    void readCancelledFromTheProgressWindowChangesNothing();
    void closeDuringAReadWaitsForItsEnd();
    void writeAlwaysAsksAndSendsTheImage();
    void writeSaysWhatIllegalChannelsBecomeAndCancelSendsNothing();
    void informationShowsModelAndComment();
    void missingDeviceGivesThePortMessageForEachCommand();
    void otherVersionGivesTheVersionMessageForEachCommand();
    void otherModelGivesTheIllegalInformationMessage();
    void communicationFailuresGiveTheirCommandsTexts();
};

void TestCloneCommandsGui::readUpdatesEveryRowAndMarksTheDocumentModified()
{
    SCloneFixture f;
    const QString image = f.app.TempPath(u"transceiver.vlk"_s);
    WriteTransceiverImage(image);
    const std::vector<channel_rows::Cells> expected = ExpectedRows(image);
    QCOMPARE(expected.size(), size_t(124));
    QVERIFY2(f.Start({u"--version"_s, kVersion, u"--image"_s, image}), qPrintable(f.sim.ErrorOutput()));
    f.app.Frame().ShowFrame();
    QVERIFY(QTest::qWaitForWindowExposed(&f.app.Frame()));
    QCOMPARE(RowsEqualTo(f.app.View(), expected), 0);
    f.app.View().SelectRow(30);

    // While the transfer runs, the progress window is up and the main window disabled.
    bool progressSeen = false;
    bool frameDisabled = false;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, &watch, [&] {
        if (VisibleProgress() != nullptr) {
            progressSeen = true;
            frameDisabled = frameDisabled || !f.app.Frame().isEnabled();
        }
    });
    watch.start();

    f.ExpectOutcome(cmd::kCloneRead, u" Cloning completed."_s, 0, MessageBox::Icon::None);
    watch.stop();
    QVERIFY(progressSeen);
    QVERIFY(frameDisabled);
    QVERIFY(f.app.Frame().isEnabled());
    QCOMPARE(RowsEqualTo(f.app.View(), expected), 124);
    QCOMPARE(f.app.View().SelectedRow(), 30);
    QVERIFY(f.app.Doc().IsModified());
    QCOMPARE(f.app.Doc().GetRadioData().IsEdited(), false);
}

void TestCloneCommandsGui::readAsksOnlyWhenTheDocumentIsModified()
{
    SCloneFixture f;
    QVERIFY(f.Start({u"--version"_s, kVersion}));
    f.app.Doc().GetRadioData().Execute("CH.MCH.0.FREQUENCY=145.5");
    QVERIFY(f.app.Doc().IsModified());

    MessageBox::SetNextAnswer(MessageBox::Answer::Cancel);
    QVERIFY(f.app.Frame().RunCommand(cmd::kCloneRead));
    QCOMPARE(MessageBox::Shown().size(), 1);
    QCOMPARE(MessageBox::Shown().at(0).text, u" Read from transceiver, Data has been edited."_s);
    QCOMPARE(MessageBox::Shown().at(0).buttons, MessageBox::Buttons::OkCancel);
    QCOMPARE(f.app.Frame().MessageText(), u"Ready"_s);
    QCOMPARE(QString::fromStdString(f.app.Doc().GetRadioData().Execute("CH.MCH.0.FREQUENCY")), u"145.5000"_s);

    MessageBox::SetNextAnswer(MessageBox::Answer::Ok);
    QVERIFY(f.app.Frame().RunCommand(cmd::kCloneRead));
    QCOMPARE(MessageBox::Shown().size(), 2);
    QCOMPARE(f.app.Frame().MessageText(), u" Cloning completed."_s);
    QCOMPARE(QString::fromStdString(f.app.Doc().GetRadioData().Execute("CH.MCH.0.FREQUENCY")), u"51.0000"_s);

    // Saved: the next read asks nothing.
    QVERIFY(f.app.Doc().OnSaveDocument(f.app.TempPath(u"saved.vlk"_s)));
    QVERIFY(!f.app.Doc().IsModified());
    QVERIFY(f.app.Frame().RunCommand(cmd::kCloneRead));
    QCOMPARE(MessageBox::Shown().size(), 2);
    QCOMPARE(f.app.Frame().MessageText(), u" Cloning completed."_s);
}

void TestCloneCommandsGui::readCancelledFromTheProgressWindowChangesNothing()
{
    SCloneFixture f;
    // Paced, the transfer lasts long enough to be cancelled in the middle.
    QVERIFY(f.Start({u"--version"_s, kVersion, u"--pace"_s, kMidTransferPace}));
    f.app.Doc().GetRadioData().Execute("CH.MCH.0.FREQUENCY=145.5");
    f.app.Doc().OnSaveDocument(f.app.TempPath(u"saved.vlk"_s));
    f.app.Doc().GetRadioData().Execute("CH.MCH.0.FREQUENCY=145.5");
    QTimer cancel;
    cancel.setInterval(5);
    QObject::connect(&cancel, &QTimer::timeout, &cancel, [&cancel] {
        if (CCloneProgressDlg* progress = VisibleProgress()) {
            cancel.stop();
            QTest::keyClick(progress, Qt::Key_Escape);
        }
    });
    cancel.start();
    f.ExpectOutcome(cmd::kCloneRead, u" Terminated cloning.  "_s, 0, MessageBox::Icon::None);
    QVERIFY(!cancel.isActive());
    QCOMPARE(QString::fromStdString(f.app.Doc().GetRadioData().Execute("CH.MCH.0.FREQUENCY")), u"145.5000"_s);
    QVERIFY(f.app.Frame().isEnabled());
}

void TestCloneCommandsGui::closeDuringAReadWaitsForItsEnd()
{
    SCloneFixture f;
    // Paced, the transfer lasts long enough to be closed in the middle.
    QVERIFY(f.Start({u"--version"_s, kVersion, u"--pace"_s, kMidTransferPace}));
    f.app.Doc().GetRadioData().Execute("CH.MCH.0.FREQUENCY=145.5");
    QVERIFY(f.app.Doc().IsModified());

    // The close box (or SIGTERM) in the middle of the transfer.
    bool closedDuringTransfer = true;
    qsizetype boxesDuringTransfer = -1;
    QTimer close;
    close.setInterval(5);
    QObject::connect(&close, &QTimer::timeout, &close, [&] {
        if (VisibleProgress() != nullptr) {
            close.stop();
            f.app.Frame().close();
            closedDuringTransfer = !f.app.Frame().isVisible();
            boxesDuringTransfer = MessageBox::Shown().size();
        }
    });
    close.start();
    MessageBox::SetNextAnswer(MessageBox::Answer::Ok);
    QVERIFY(f.app.Frame().RunCommand(cmd::kCloneRead));
    QVERIFY(!close.isActive());
    QVERIFY(!closedDuringTransfer);
    QCOMPARE(boxesDuringTransfer, 1);
    QCOMPARE(f.app.Frame().MessageText(), u" Cloning completed."_s);

    // Then the close goes on as usual, save prompt first.
    MessageBox::SetNextAnswer(MessageBox::Answer::No);
    QTRY_VERIFY(!f.app.Frame().isVisible());
    QCOMPARE(MessageBox::Shown().size(), 2);
    QCOMPARE(MessageBox::Shown().at(1).buttons, MessageBox::Buttons::YesNoCancel);
}

void TestCloneCommandsGui::writeAlwaysAsksAndSendsTheImage()
{
    SCloneFixture f;
    const QString written = f.app.TempPath(u"written.vlk"_s);
    QVERIFY(f.Start({u"--version"_s, kVersion, u"--save-written"_s, written}));
    QVERIFY(!f.app.Doc().IsModified());

    MessageBox::SetNextAnswer(MessageBox::Answer::Cancel);
    QVERIFY(f.app.Frame().RunCommand(cmd::kCloneWrite));
    QCOMPARE(MessageBox::Shown().size(), 1);
    QCOMPARE(MessageBox::Shown().at(0).text, u" Write to transceiver"_s);
    QCOMPARE(MessageBox::Shown().at(0).buttons, MessageBox::Buttons::OkCancel);
    QCOMPARE(f.app.Frame().MessageText(), u"Ready"_s);
    QVERIFY(!QFileInfo::exists(written));

    f.app.Doc().GetRadioData().Execute("CH.MCH.7.APPEAR=ON");
    f.app.Doc().GetRadioData().Execute("CH.MCH.7.FREQUENCY=439.5");
    f.app.Doc().GetRadioData().Execute("CH.MCH.7.NAME=WRITE");
    f.ExpectOutcome(cmd::kCloneWrite, u" Cloning completed."_s, 5034, MessageBox::Icon::None);
    QCOMPARE(MessageBox::Shown().at(0).text, u" Write to transceiver"_s);
    QTRY_VERIFY(QFileInfo::exists(written));
    // The write leaves the document as it was, edits and all, still modified.
    QVERIFY(f.app.Doc().IsModified());
    QCOMPARE(f.app.Doc().GetRadioData().Execute("CH.MCH.7.FREQUENCY"), std::string("439.5000"));

    const auto store = ProfileStore();
    CL52RadioData check(store.get());
    check.Initialize();
    QCOMPARE(check.OpenDocument(written.toStdString()), std::string("OK"));
    QCOMPARE(check.Execute("CH.MCH.7.FREQUENCY"), std::string("439.5000"));
    QCOMPARE(QString::fromStdString(check.Execute("CH.MCH.7.NAME")).trimmed(), u"WRITE"_s);
}

void TestCloneCommandsGui::writeSaysWhatIllegalChannelsBecomeAndCancelSendsNothing()
{
    SCloneFixture f;
    const QString written = f.app.TempPath(u"written.vlk"_s);
    QVERIFY(f.Start({u"--version"_s, kVersion, u"--save-written"_s, written}));
    CL52RadioData& data = f.app.Doc().GetRadioData();
    for (const char* channel : {"CH.MCH.8.", "CH.MCH.12.", "CH.PCH.0A.", "CH.PCH.3A."}) {
        data.Execute(std::string(channel) + "FREQUENCY=1100");
        data.Execute(std::string(channel) + "APPEAR=ON");
    }

    MessageBox::SetNextAnswer(MessageBox::Answer::Ok);
    MessageBox::SetNextAnswer(MessageBox::Answer::Cancel);
    QVERIFY(f.app.Frame().RunCommand(cmd::kCloneWrite));
    QCOMPARE(MessageBox::Shown().size(), 2);
    const MessageBox::SShown warning = MessageBox::Shown().at(1);
    // Each channel with what the transceiver gets: the memory channels and P3A empty, P0A, which cannot
    // be empty, its default contents.
    const QString empty = LoadString(ids::kIllegalChannelWrittenEmptyFormat);
    const QString lines =
        empty.arg(u"08"_s) + u'\n' + empty.arg(u"12"_s) + u'\n' +
        LoadString(ids::kIllegalChannelWrittenAsFormat).arg(u"P0A"_s, u"50.0000"_s, u"FM"_s) + u'\n' +
        empty.arg(u"P3A"_s);
    QCOMPARE(warning.text, LoadString(ids::kIllegalChannelsWritten).arg(lines));
    QCOMPARE(warning.buttons, MessageBox::Buttons::OkCancel);
    QCOMPARE(f.app.Frame().MessageText(), u"Ready"_s);
    QVERIFY(!QFileInfo::exists(written));

    // OK goes on: the transceiver receives what the warning said.
    MessageBox::Reset();
    MessageBox::SetDefaultAnswer(MessageBox::Answer::Ok);
    QVERIFY(f.app.Frame().RunCommand(cmd::kCloneWrite));
    QCOMPARE(f.app.Frame().MessageText(), u" Cloning completed."_s);
    QCOMPARE(MessageBox::Shown().size(), 3);
    QCOMPARE(MessageBox::Shown().at(1).text, warning.text);
    QCOMPARE(MessageBox::Shown().at(2).text, LoadString(ids::kCloneWriteSucceeded));
    QTRY_VERIFY(QFileInfo::exists(written));
    const auto store = ProfileStore();
    CL52RadioData check(store.get());
    check.Initialize();
    QCOMPARE(check.OpenDocument(written.toStdString()), std::string("OK"));
    QCOMPARE(check.Execute("CH.MCH.12.APPEAR"), std::string("OFF"));
    QCOMPARE(check.Execute("CH.PCH.0A.FREQUENCY"), std::string("50.0000"));
    QCOMPARE(check.Execute("CH.PCH.3A.APPEAR"), std::string("OFF"));
}

void TestCloneCommandsGui::informationShowsModelAndComment()
{
    SCloneFixture f;
    QVERIFY(f.Start({u"--version"_s, kVersion, u"--comment"_s, u"Club radio"_s}));
    QString model;
    QString comment;
    ClickInNextModal(u"informationDialog"_s, u"okButton"_s, [&](QWidget* modal) {
        auto* dialog = qobject_cast<CInformationDlg*>(modal);
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->windowTitle(), u"Information"_s);
        model = dialog->Model();
        comment = dialog->Comment();
    });
    QVERIFY(f.app.Frame().RunCommand(cmd::kCloneInformation));
    QCOMPARE(model, u"VL-L52"_s);
    QCOMPARE(comment, u"Club radio      "_s);
    QVERIFY(MessageBox::Shown().isEmpty());
    QCOMPARE(f.app.Frame().MessageText(), u"Ready"_s);
    QVERIFY(!f.app.Doc().IsModified());
}

void TestCloneCommandsGui::missingDeviceGivesThePortMessageForEachCommand()
{
    SCloneFixture f;
    f.app.MarkSetupDone(kDestination, kLevel, kFlags);
    f.app.MapPort(2, f.app.TempPath(u"nothing here"_s));
    f.app.Settings().Store().SetInt("CommPort", "PortNumber", 2);
    QVERIFY(f.app.Start());
    const QString status = u" Err: Cannot access RS-232C port."_s;
    f.ExpectOutcome(cmd::kCloneRead, status, 5035, MessageBox::Icon::Warning);
    f.ExpectOutcome(cmd::kCloneWrite, status, 5035, MessageBox::Icon::Warning);
    f.ExpectOutcome(cmd::kCloneInformation, status, 5035, MessageBox::Icon::Warning);
    QVERIFY(f.app.Frame().isEnabled());
    QVERIFY(!f.app.Doc().IsModified());
}

void TestCloneCommandsGui::otherVersionGivesTheVersionMessageForEachCommand()
{
    SCloneFixture f;
    const QString written = f.app.TempPath(u"written.vlk"_s);
    QVERIFY(f.Start({u"--version"_s, u"1,2,2"_s, u"--save-written"_s, written}));
    const QString status = u" Err: Version number does not match."_s;
    f.ExpectOutcome(cmd::kCloneRead, status, 5066, MessageBox::Icon::Warning);
    f.ExpectOutcome(cmd::kCloneWrite, status, 5066, MessageBox::Icon::Warning);
    f.ExpectOutcome(cmd::kCloneInformation, status, 5066, MessageBox::Icon::Warning);
    QVERIFY(!QFileInfo::exists(written));
    QVERIFY(!f.app.Doc().IsModified());
}

void TestCloneCommandsGui::otherModelGivesTheIllegalInformationMessage()
{
    SCloneFixture f;
    QVERIFY(f.Start({u"--version"_s, kVersion, u"--fault"_s, u"wrong-model"_s}));
    const QString status = u" Err: Illegal information."_s;
    f.ExpectOutcome(cmd::kCloneRead, status, 5030, MessageBox::Icon::Warning);
    f.ExpectOutcome(cmd::kCloneInformation, status, 5030, MessageBox::Icon::Warning);
}

void TestCloneCommandsGui::communicationFailuresGiveTheirCommandsTexts()
{
    {
        SCloneFixture f;
        QVERIFY(f.Start({u"--version"_s, kVersion, u"--fault"_s, u"bad-checksum"_s}));
        f.ExpectOutcome(cmd::kCloneRead, u" Err: Cannot read cloning data."_s, 5061,
                        MessageBox::Icon::Warning);
        QVERIFY(!f.app.Doc().IsModified());
    }
    {
        SCloneFixture f;
        QVERIFY(f.Start({u"--version"_s, kVersion, u"--fault"_s, u"write-refused"_s}));
        f.ExpectOutcome(cmd::kCloneWrite, u" Err: Cannot write cloning data."_s, 5061,
                        MessageBox::Icon::Warning);
    }
    {
        SCloneFixture f;
        QVERIFY(f.Start({u"--version"_s, kVersion, u"--fault"_s, u"silent"_s}));
        f.ExpectOutcome(cmd::kCloneInformation, u" Err: Illegal information."_s, 5061,
                        MessageBox::Icon::Warning);
    }
}

ZQ_GUI_TEST(TestCloneCommandsGui)
#include "tst_clone_commands_gui.moc"
