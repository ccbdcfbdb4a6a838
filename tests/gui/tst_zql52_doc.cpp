#include "app/port_devices_dialog.h"
#include "app/zql52_doc.h"
#include "core/rig/radio_data.h"
#include "core/settings_store.h"
#include "res/load_string.h"
#include "support/app_fixture.h"
#include "support/gui_test_main.h"
#include "support/modal_dialogs.h"
#include "ui/channel_list_view.h"
#include "ui/file_failure_text.h"
#include "ui/main_frame.h"
#include "ui/widgets/file_dialogs.h"
#include "ui/widgets/message_box.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QString Execute(CZQL52Doc& document, const QString& command)
{
    return QString::fromStdString(document.GetRadioData().Execute(command.toStdString()));
}

void WriteFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
}

} // namespace

class TestZQL52Doc : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { AnswerDialogsAutomatically(); }

    void exchangeFileLivesWithTheDocument();
    void newDocumentIsUntitledAndUnmodified();
    void saveAndOpenRoundTrip();
    void saveWithoutAFileAsksForAName();
    void saveAsksBeforeWritingOverAnotherProgramsChange();
    void failedOpenTellsWhyAndKeepsTheData();
    void failedSaveTellsWhyAndKeepsTheDocument();
    void fileAnswersInPlainWords();
    void modifiedDocumentAsksBeforeNew();
    void modifiedDocumentAsksBeforeOpenAndExit();
    void yesOnTheUntitledPromptSavesAs();
    void portCommandsCheckTheirPortAndStoreIt();
    void portItemsShowTheirDevices();
    void portDevicesDialogStoresTheMapping();
    void portDevicesDialogOffersTheListedDevices();
    void portDevicesDialogListsACablePluggedInWhileOpen();
};

void TestZQL52Doc::exchangeFileLivesWithTheDocument()
{
    CTestSettings settings;
    CNullTonePlayer tones;
    QString path;
    {
        CZQL52Doc document(settings.Store(), tones);
        path = document.CloneFilePath();
        QVERIFY(QFileInfo(path).fileName().startsWith(u"cl"_s));
        QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(QFileInfo(path).size(), 0);
    }
    QVERIFY(!QFileInfo::exists(path));
}

void TestZQL52Doc::newDocumentIsUntitledAndUnmodified()
{
    CAppFixture f;
    f.MarkSetupDone();
    QVERIFY(f.Start());
    QCOMPARE(f.Frame().windowTitle(), u"Untitled - ZQ-L52"_s);
    QVERIFY(!f.Doc().IsModified());
    QCOMPARE(f.Doc().GetTitle(), u"Untitled"_s);
    QVERIFY(f.Doc().GetPathName().isEmpty());
    QCOMPARE(f.Frame().centralWidget(), static_cast<QWidget*>(&f.View()));

    Execute(f.Doc(), u"CH.MCH.3.FREQUENCY=145.1"_s);
    QVERIFY(f.Doc().IsModified());
    f.Doc().SetModifiedFlag(false);
    QVERIFY(f.Doc().IsModified());
    QVERIFY(f.Frame().RunCommand(cmd::kFileNew));
    QCOMPARE(MessageBox::Shown().size(), 1);
}

void TestZQL52Doc::saveAndOpenRoundTrip()
{
    CAppFixture f;
    f.MarkSetupDone();
    QVERIFY(f.Start());
    const QString path = f.TempPath(u"radio.vlk"_s);
    Execute(f.Doc(), u"CH.MCH.3.APPEAR=ON"_s);
    Execute(f.Doc(), u"CH.MCH.3.FREQUENCY=145.1"_s);
    Execute(f.Doc(), u"CH.MCH.3.NAME=QTH"_s);
    QVERIFY(f.Doc().IsModified());

    FileDialogs::SetNextFileName(path);
    QVERIFY(f.Frame().RunCommand(cmd::kFileSaveAs));
    QCOMPARE(FileDialogs::Requests().size(), 1);
    QCOMPARE(FileDialogs::Requests().at(0).kind, FileDialogs::Kind::Save);
    QCOMPARE(FileDialogs::Requests().at(0).caption, u"Save As"_s);
    QVERIFY(FileDialogs::Requests().at(0).filter.startsWith(u"Data Files (*.VLK"_s));
    QVERIFY(QFileInfo::exists(path));
    QVERIFY(!f.Doc().IsModified());
    QCOMPARE(f.Frame().windowTitle(), u"radio.vlk - ZQ-L52"_s);
    QCOMPARE(f.Frame().RecentFiles(), QStringList({path}));
    QVERIFY(MessageBox::Shown().isEmpty());
    // Said to a screen reader; the status bar stays as it was.
    QCOMPARE(f.Frame().LastAnnouncement(), u"radio.vlk saved."_s);
    QCOMPARE(f.Frame().MessageText(), u"Ready"_s);

    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readLine(), QByteArray("21350001\r\n"));
    saved.close();

    QVERIFY(f.Frame().RunCommand(cmd::kFileNew));
    QCOMPARE(Execute(f.Doc(), u"CH.MCH.3.NAME"_s).trimmed(), QString());
    QCOMPARE(f.Frame().windowTitle(), u"Untitled - ZQ-L52"_s);

    f.View().SelectRow(40);
    FileDialogs::SetNextFileName(path);
    QVERIFY(f.Frame().RunCommand(cmd::kFileOpen));
    QCOMPARE(FileDialogs::Requests().last().kind, FileDialogs::Kind::Open);
    QCOMPARE(Execute(f.Doc(), u"CH.MCH.3.FREQUENCY"_s), u"145.1000"_s);
    QCOMPARE(f.View().CellText(3, 1), u"145.1000"_s);
    QCOMPARE(f.View().CellText(3, 4), u"QTH"_s);
    QCOMPARE(f.View().SelectedRow(), 0);
    QVERIFY(!f.Doc().IsModified());
    QCOMPARE(f.Frame().windowTitle(), u"radio.vlk - ZQ-L52"_s);
    QVERIFY(MessageBox::Shown().isEmpty());
    QCOMPARE(f.Frame().LastAnnouncement(), u"radio.vlk opened."_s);

    // Save goes to the same file without asking for a name.
    Execute(f.Doc(), u"CH.MCH.3.NAME=NEW"_s);
    const qsizetype asked = FileDialogs::Requests().size();
    QVERIFY(f.Frame().RunCommand(cmd::kFileSave));
    QCOMPARE(FileDialogs::Requests().size(), asked);
    QVERIFY(!f.Doc().IsModified());
    CL52RadioData check;
    QCOMPARE(check.OpenDocument(path.toStdString()), std::string("OK"));
    QCOMPARE(QString::fromStdString(check.Execute("CH.MCH.3.NAME")).trimmed(), u"NEW"_s);
}

void TestZQL52Doc::saveWithoutAFileAsksForAName()
{
    CAppFixture f;
    f.MarkSetupDone();
    QVERIFY(f.Start());
    // The dialog is cancelled: nothing is written, the document stays untitled.
    QVERIFY(f.Frame().RunCommand(cmd::kFileSave));
    QCOMPARE(FileDialogs::Requests().size(), 1);
    QCOMPARE(FileDialogs::Requests().at(0).kind, FileDialogs::Kind::Save);
    QVERIFY(f.Doc().GetPathName().isEmpty());
}

void TestZQL52Doc::saveAsksBeforeWritingOverAnotherProgramsChange()
{
    CAppFixture f;
    f.MarkSetupDone();
    QVERIFY(f.Start());
    const QString path = f.TempPath(u"shared.vlk"_s);
    FileDialogs::SetNextFileName(path);
    QVERIFY(f.Frame().RunCommand(cmd::kFileSaveAs));
    const auto savedName = [&path] {
        CL52RadioData check;
        check.OpenDocument(path.toStdString());
        return QString::fromStdString(check.Execute("CH.MCH.3.NAME")).trimmed();
    };
    // Written again with the same bytes, the file counts as unchanged: no question.
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    WriteFile(path, written.readAll());
    written.close();
    Execute(f.Doc(), u"CH.MCH.3.APPEAR=ON"_s);
    Execute(f.Doc(), u"CH.MCH.3.NAME=MINE"_s);
    QVERIFY(f.Frame().RunCommand(cmd::kFileSave));
    QVERIFY(MessageBox::Shown().isEmpty());

    const struct
    {
        MessageBox::Answer answer;
        const char16_t* fileName;
        bool modified;
    } cases[] = {
        {MessageBox::Answer::Cancel, u"OTHER", true},
        {MessageBox::Answer::Ok, u"NEXT", false},
    };
    for (const auto& c : cases) {
        MessageBox::Reset();
        CL52RadioData other;
        QCOMPARE(other.OpenDocument(path.toStdString()), std::string("OK"));
        other.Execute("CH.MCH.3.NAME=OTHER");
        QCOMPARE(other.SaveDocument(path.toStdString()), std::string("OK"));
        Execute(f.Doc(), u"CH.MCH.3.NAME=NEXT"_s);
        MessageBox::SetNextAnswer(c.answer);
        QVERIFY(f.Frame().RunCommand(cmd::kFileSave));
        QCOMPARE(MessageBox::Shown().size(), 1);
        QCOMPARE(MessageBox::Shown().at(0).text,
                 LoadString(ids::kFileChangedOnDiskFormat).arg(QDir::toNativeSeparators(path)));
        QCOMPARE(MessageBox::Shown().at(0).buttons, MessageBox::Buttons::OkCancel);
        QCOMPARE(savedName(), QString::fromUtf16(c.fileName));
        QCOMPARE(f.Doc().IsModified(), c.modified);
    }
    // Saved over, the file is the document's again: the next Save asks nothing.
    MessageBox::Reset();
    Execute(f.Doc(), u"CH.MCH.3.NAME=LATER"_s);
    QVERIFY(f.Frame().RunCommand(cmd::kFileSave));
    QVERIFY(MessageBox::Shown().isEmpty());
    QCOMPARE(savedName(), u"LATER"_s);
}

void TestZQL52Doc::failedOpenTellsWhyAndKeepsTheData()
{
    CAppFixture f;
    f.MarkSetupDone();
    QVERIFY(f.Start());
    const QString good = f.TempPath(u"good.vlk"_s);
    Execute(f.Doc(), u"CH.MCH.3.FREQUENCY=145.1"_s);
    QVERIFY(f.Doc().OnSaveDocument(good));
    Execute(f.Doc(), u"CH.MCH.3.FREQUENCY=433.0"_s);

    const QString missing = f.TempPath(u"missing.vlk"_s);
    QVERIFY(!f.Doc().OnOpenDocument(missing));
    QCOMPARE(MessageBox::Shown().size(), 1);
    const MessageBox::SShown box = MessageBox::Shown().at(0);
    QCOMPARE(box.caption, u"ZQ-L52"_s);
    QCOMPARE(box.icon, MessageBox::Icon::Warning);
    QVERIFY(box.text.contains(missing));
    QVERIFY(box.text.contains(LoadString(ids::kFileCannotRead)));
    QCOMPARE(f.Frame().LastAnnouncement(), u"missing.vlk was not opened."_s);
    QCOMPARE(Execute(f.Doc(), u"CH.MCH.3.FREQUENCY"_s), u"433.0000"_s);
    QVERIFY(f.Doc().IsModified());
    QCOMPARE(f.Frame().windowTitle(), u"good.vlk - ZQ-L52"_s);

    const QString garbage = f.TempPath(u"garbage.vlk"_s);
    WriteFile(garbage, "hello\r\n");
    QVERIFY(!f.Doc().OnOpenDocument(garbage));
    QVERIFY(MessageBox::Shown().last().text.contains(LoadString(ids::kFileFormatError)));

    const QString otherModel = f.TempPath(u"other.vlk"_s);
    WriteFile(otherModel, "21360001\r\n#\r\n");
    QVERIFY(!f.Doc().OnOpenDocument(otherModel));
    QVERIFY(MessageBox::Shown().last().text.contains(LoadString(ids::kFileMismatchModel)));
    QCOMPARE(Execute(f.Doc(), u"CH.MCH.3.FREQUENCY"_s), u"433.0000"_s);
    QCOMPARE(f.Doc().GetPathName(), QFileInfo(good).absoluteFilePath());

    // A recent file that has gone is taken off the list.
    QVERIFY(f.Doc().OnOpenDocument(good));
    QVERIFY(QFile::remove(good));
    f.Doc().OpenFile(good);
    QVERIFY(!f.Frame().RecentFiles().contains(good));
}

void TestZQL52Doc::failedSaveTellsWhyAndKeepsTheDocument()
{
    CAppFixture f;
    f.MarkSetupDone();
    QVERIFY(f.Start());
    Execute(f.Doc(), u"CH.MCH.3.FREQUENCY=145.1"_s);
    const QString nowhere = f.TempPath(u"no such folder/radio.vlk"_s);
    FileDialogs::SetNextFileName(nowhere);
    QVERIFY(f.Frame().RunCommand(cmd::kFileSaveAs));
    QCOMPARE(MessageBox::Shown().size(), 1);
    QVERIFY(MessageBox::Shown().at(0).text.contains(nowhere));
    QVERIFY(MessageBox::Shown().at(0).text.contains(LoadString(ids::kFileCannotWrite)));
    QCOMPARE(f.Frame().LastAnnouncement(), u"radio.vlk was not saved."_s);
    QVERIFY(f.Doc().IsModified());
    QVERIFY(f.Doc().GetPathName().isEmpty());
    QCOMPARE(f.Frame().windowTitle(), u"Untitled - ZQ-L52"_s);
}

void TestZQL52Doc::fileAnswersInPlainWords()
{
    QCOMPARE(FileFailureText(u"CANNOT_OPEN_FILE"_s, false), LoadString(ids::kFileCannotRead));
    QCOMPARE(FileFailureText(u"CANNOT_OPEN_FILE"_s, true), LoadString(ids::kFileCannotWrite));
    QCOMPARE(FileFailureText(u"DATA_OVERFLOW"_s, false), LoadString(ids::kFileDataOverflow));
    QCOMPARE(FileFailureText(u"MISMATCH_REVISION"_s, false), LoadString(ids::kFileMismatchRevision));
    QCOMPARE(FileFailureText(u"NOT_ENOUGH_DATA"_s, false), LoadString(ids::kFileNotEnoughData));
    QVERIFY(FileFailureText(u"ERROR"_s, false).contains(u"(ERROR)"_s));
}

void TestZQL52Doc::modifiedDocumentAsksBeforeNew()
{
    CAppFixture f;
    f.MarkSetupDone();
    QVERIFY(f.Start());
    Execute(f.Doc(), u"CH.MCH.3.FREQUENCY=145.1"_s);

    MessageBox::SetNextAnswer(MessageBox::Answer::Cancel);
    QVERIFY(f.Frame().RunCommand(cmd::kFileNew));
    QCOMPARE(MessageBox::Shown().size(), 1);
    QCOMPARE(MessageBox::Shown().at(0).text, u"Save changes to Untitled?"_s);
    QCOMPARE(MessageBox::Shown().at(0).buttons, MessageBox::Buttons::YesNoCancel);
    QCOMPARE(Execute(f.Doc(), u"CH.MCH.3.FREQUENCY"_s), u"145.1000"_s);
    QVERIFY(f.Doc().IsModified());

    MessageBox::SetNextAnswer(MessageBox::Answer::No);
    QVERIFY(f.Frame().RunCommand(cmd::kFileNew));
    QCOMPARE(MessageBox::Shown().size(), 2);
    QVERIFY(Execute(f.Doc(), u"CH.MCH.3.FREQUENCY"_s) != u"145.1000"_s);
    QVERIFY(!f.Doc().IsModified());
    QVERIFY(FileDialogs::Requests().isEmpty());

    // Not modified: no question.
    QVERIFY(f.Frame().RunCommand(cmd::kFileNew));
    QCOMPARE(MessageBox::Shown().size(), 2);
}

void TestZQL52Doc::modifiedDocumentAsksBeforeOpenAndExit()
{
    CAppFixture f;
    f.MarkSetupDone();
    QVERIFY(f.Start());
    const QString path = f.TempPath(u"radio.vlk"_s);
    QVERIFY(f.Doc().OnSaveDocument(path));
    Execute(f.Doc(), u"CH.MCH.3.FREQUENCY=145.1"_s);

    FileDialogs::SetNextFileName(path);
    MessageBox::SetNextAnswer(MessageBox::Answer::Cancel);
    QVERIFY(f.Frame().RunCommand(cmd::kFileOpen));
    QCOMPARE(MessageBox::Shown().size(), 1);
    QCOMPARE(MessageBox::Shown().at(0).text, u"Save changes to radio.vlk?"_s);
    QCOMPARE(Execute(f.Doc(), u"CH.MCH.3.FREQUENCY"_s), u"145.1000"_s);

    // Yes on a document with a file saves it there before going on.
    FileDialogs::SetNextFileName(path);
    MessageBox::SetNextAnswer(MessageBox::Answer::Yes);
    QVERIFY(f.Frame().RunCommand(cmd::kFileOpen));
    QCOMPARE(Execute(f.Doc(), u"CH.MCH.3.FREQUENCY"_s), u"145.1000"_s);
    QVERIFY(!f.Doc().IsModified());

    f.Frame().ShowFrame();
    QVERIFY(QTest::qWaitForWindowExposed(&f.Frame()));
    Execute(f.Doc(), u"CH.MCH.4.FREQUENCY=145.2"_s);
    MessageBox::SetNextAnswer(MessageBox::Answer::Cancel);
    QVERIFY(!f.Frame().close());
    QVERIFY(f.Frame().isVisible());
    MessageBox::SetNextAnswer(MessageBox::Answer::No);
    QVERIFY(f.Frame().close());
    QVERIFY(!f.Frame().isVisible());
    QCOMPARE(MessageBox::Shown().size(), 4);
}

void TestZQL52Doc::yesOnTheUntitledPromptSavesAs()
{
    CAppFixture f;
    f.MarkSetupDone();
    QVERIFY(f.Start());
    Execute(f.Doc(), u"CH.MCH.3.FREQUENCY=145.1"_s);
    const QString path = f.TempPath(u"asked.vlk"_s);

    // Yes, then the Save As dialog cancelled: the command stops, nothing is lost.
    MessageBox::SetNextAnswer(MessageBox::Answer::Yes);
    QVERIFY(f.Frame().RunCommand(cmd::kFileNew));
    QCOMPARE(FileDialogs::Requests().size(), 1);
    QCOMPARE(Execute(f.Doc(), u"CH.MCH.3.FREQUENCY"_s), u"145.1000"_s);

    MessageBox::SetNextAnswer(MessageBox::Answer::Yes);
    FileDialogs::SetNextFileName(path);
    QVERIFY(f.Frame().RunCommand(cmd::kFileNew));
    QVERIFY(QFileInfo::exists(path));
    QVERIFY(Execute(f.Doc(), u"CH.MCH.3.FREQUENCY"_s) != u"145.1000"_s);
    QVERIFY(f.Doc().GetPathName().isEmpty());
}

void TestZQL52Doc::portCommandsCheckTheirPortAndStoreIt()
{
    CAppFixture f;
    f.MarkSetupDone();
    f.Settings().Store().SetInt("CommPort", "PortNumber", 2);
    QVERIFY(f.Start());
    QCOMPARE(f.Doc().GetPort(), 2U);
    f.Frame().UpdateCommandUi();
    QVERIFY(f.Frame().Action(cmd::kComPort2)->isChecked());
    QVERIFY(!f.Frame().Action(cmd::kComPort1)->isChecked());

    QVERIFY(f.Frame().RunCommand(cmd::kComPort4));
    QCOMPARE(f.Doc().GetPort(), 4U);
    QVERIFY(f.Frame().Action(cmd::kComPort4)->isChecked());
    QVERIFY(!f.Frame().Action(cmd::kComPort2)->isChecked());
    // Kept when the document goes.
    QCOMPARE(f.Settings().Reopen()->GetInt("CommPort", "PortNumber", -1), 2);
    f.Stop();
    QCOMPARE(f.Settings().Reopen()->GetInt("CommPort", "PortNumber", -1), 4);
}

void TestZQL52Doc::portItemsShowTheirDevices()
{
    CAppFixture f;
    f.MarkSetupDone();
    const QString present = f.TempPath(u"ttyUSB0"_s);
    QFile(present).open(QIODevice::WriteOnly);
    const QString gone = f.TempPath(u"ttyUSB1"_s);
    f.MapPort(2, present);
    f.MapPort(3, gone);
    QVERIFY(f.Start());
    // A device that is not there is marked; the default devices are marked as this machine has them.
    const auto item = [](const QString& text, const QString& device) {
        return QFileInfo::exists(device) ? text : text + u" - not connected"_s;
    };
    QCOMPARE(f.Frame().Action(cmd::kComPort1)->text(), item(u"COM1 (/dev/ttyS0)"_s, u"/dev/ttyS0"_s));
    QCOMPARE(f.Frame().Action(cmd::kComPort2)->text(), u"COM2 (%1)"_s.arg(present));
    QCOMPARE(f.Frame().Action(cmd::kComPort2)->toolTip(), u"COM2 (%1)"_s.arg(present));
    QCOMPARE(f.Frame().Action(cmd::kComPort3)->text(), u"COM3 (%1) - not connected"_s.arg(gone));
    QCOMPARE(
        f.Frame().Action(cmd::kComPort3)->toolTip(),
        u"COM3 (%1) - not connected\nThe device is not there now: plug the cable in, or choose its device "
        "in COM Port > Port Devices..."_s.arg(gone));
    QCOMPARE(f.Frame().Action(cmd::kComPort4)->text(), item(u"COM4 (/dev/ttyS3)"_s, u"/dev/ttyS3"_s));
    QCOMPARE(f.Frame().Action(cmd::kComPort2)->statusTip(), u"Use COM2"_s);

    auto* menu = f.Frame().findChild<QMenu*>(u"menuComPort"_s);
    QVERIFY(menu != nullptr);
    const QList<QAction*> items = menu->actions();
    QCOMPARE(items.size(), 7);
    QVERIFY(items.at(4)->isSeparator());
    QCOMPARE(items.at(5)->objectName(), u"actionPortDevices"_s);
    QCOMPARE(items.at(5)->text(), u"Port &Devices..."_s);
    QCOMPARE(items.at(6)->objectName(), u"actionTransceiverSetup"_s);
}

void TestZQL52Doc::portDevicesDialogStoresTheMapping()
{
    CAppFixture f;
    f.MarkSetupDone();
    f.MapPort(3, u"/dev/ttyACM0"_s);
    f.SetSerialDevices({{u"/dev/ttyACM2"_s, QString()}, {u"/dev/ttyUSB7"_s, u"FT232R USB UART"_s}});
    QVERIFY(f.Start());
    bool seen = false;
    ClickInNextModal(u"portDevicesDialog"_s, u"okButton"_s, [&seen](QWidget* modal) {
        auto* dialog = qobject_cast<CPortDevicesDlg*>(modal);
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->Device(1), u"/dev/ttyS0"_s);
        QCOMPARE(dialog->Device(3), u"/dev/ttyACM0"_s);
        auto* combo = dialog->findChild<QComboBox*>(u"deviceCombo2"_s);
        QVERIFY(combo->isEditable());
        dialog->SetDevice(2, u"/dev/ttyUSB1"_s);
        // The detected devices are offered in every slot; a picked one keeps only its path.
        auto* fourth = dialog->findChild<QComboBox*>(u"deviceCombo4"_s);
        QCOMPARE(fourth->count(), 2);
        QCOMPARE(fourth->itemText(0), u"/dev/ttyACM2"_s);
        QCOMPARE(fourth->itemText(1), u"/dev/ttyUSB7 - FT232R USB UART"_s);
        fourth->setCurrentIndex(1);
        QCOMPARE(dialog->Device(4), u"/dev/ttyUSB7"_s);
        seen = true;
    });
    f.Frame().findChild<QAction*>(u"actionPortDevices"_s)->trigger();
    QVERIFY(seen);
    const auto stored = f.Settings().Reopen();
    QCOMPARE(QString::fromStdString(stored->GetString("CommPort", "Device2", "")), u"/dev/ttyUSB1"_s);
    QCOMPARE(QString::fromStdString(stored->GetString("CommPort", "Device3", "")), u"/dev/ttyACM0"_s);
    QCOMPARE(QString::fromStdString(stored->GetString("CommPort", "Device4", "")), u"/dev/ttyUSB7"_s);
    QVERIFY(f.Frame().Action(cmd::kComPort2)->text().startsWith(u"COM2 (/dev/ttyUSB1)"_s));
    QVERIFY(f.Frame().Action(cmd::kComPort4)->text().startsWith(u"COM4 (/dev/ttyUSB7)"_s));
}

void TestZQL52Doc::portDevicesDialogOffersTheListedDevices()
{
    CMemorySettingsStore settings;
    settings.SetString("CommPort", "Device2", "/dev/ttyACM0");
    const CPortDevicesDlg dialog(settings, nullptr, [] {
        return QList<CPortDevicesDlg::SDetected>{{u"/dev/ttyUSB0"_s, u"USB Serial"_s}, {u"/dev/ttyS0"_s, {}}};
    });
    for (const char* name : {"deviceCombo1", "deviceCombo4"}) {
        const auto* combo = dialog.findChild<QComboBox*>(QString::fromLatin1(name));
        QVERIFY(combo != nullptr);
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), u"/dev/ttyS0"_s);
        QCOMPARE(combo->itemText(1), u"/dev/ttyUSB0 - USB Serial"_s);
        QCOMPARE(combo->itemData(1).toString(), u"/dev/ttyUSB0"_s);
    }
    QCOMPARE(dialog.Device(2), u"/dev/ttyACM0"_s);

    auto* combo = dialog.findChild<QComboBox*>(u"deviceCombo3"_s);
    combo->setCurrentIndex(1);
    QCOMPARE(dialog.Device(3), u"/dev/ttyUSB0"_s);
}

// A cable plugged in while the dialog is open joins every slot's list under its stable name; what the
// slots show stays.
void TestZQL52Doc::portDevicesDialogListsACablePluggedInWhileOpen()
{
    CMemorySettingsStore settings;
    settings.SetString("CommPort", "Device1", "/dev/serial/by-id/usb-FTDI_FT232R_A10KZ3F1-if00-port0");
    QList<CPortDevicesDlg::SDetected> devices;
    CPortDevicesDlg dialog(settings, nullptr, [&devices] { return devices; });
    auto* combo = dialog.findChild<QComboBox*>(u"deviceCombo1"_s);
    QCOMPARE(combo->count(), 0);
    devices.append(
        {u"/dev/serial/by-id/usb-FTDI_FT232R_A10KZ3F1-if00-port0"_s, u"FTDI FT232R USB UART A10KZ3F1"_s});
    dialog.RefreshDevices();
    QCOMPARE(combo->count(), 1);
    QCOMPARE(combo->itemText(0),
             u"/dev/serial/by-id/usb-FTDI_FT232R_A10KZ3F1-if00-port0 - FTDI FT232R USB UART A10KZ3F1"_s);
    QCOMPARE(dialog.Device(1), u"/dev/serial/by-id/usb-FTDI_FT232R_A10KZ3F1-if00-port0"_s);
}

ZQ_GUI_TEST(TestZQL52Doc)
#include "tst_zql52_doc.moc"
