#include "app/initial_setup_dialog.h"
#include "app/zql52_app.h"
#include "app/zql52_doc.h"
#include "core/rig/radio_data.h"
#include "res/load_string.h"
#include "support/app_fixture.h"
#include "support/gui_test_main.h"
#include "support/modal_dialogs.h"
#include "support/sim_process.h"
#include "ui/channel_list_view.h"
#include "ui/main_frame.h"
#include "ui/widgets/message_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QRadioButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr std::string_view kWindowPosition = "Window Position";
constexpr int kProgramTimeoutMs = 60000;

// A clone data file with channel 9 at the frequency.
bool WriteCloneFile(const QString& path, const char* frequency)
{
    CL52RadioData data;
    data.Initialize();
    data.Execute("CH.MCH.9.APPEAR=ON");
    data.Execute(std::string("CH.MCH.9.FREQUENCY=") + frequency);
    return data.SaveDocument(path.toStdString()) == "OK";
}

const QPoint kDropPosition(10, 10);

// Whether the window takes a drag of the data entering it.
bool TakesDrag(QWidget& window, const QMimeData& mime)
{
    QDragEnterEvent enter(kDropPosition, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    enter.setAccepted(false);
    QApplication::sendEvent(&window, &enter);
    return enter.isAccepted();
}

// Drops the file on the window as a file manager would; answers whether the window took it.
bool DropFile(QWidget& window, const QString& path)
{
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    if (!TakesDrag(window, mime)) {
        return false;
    }
    QDropEvent drop(QPointF(kDropPosition), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    drop.setAccepted(false);
    QApplication::sendEvent(&window, &drop);
    return drop.isAccepted();
}

} // namespace

class TestZQL52App : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { AnswerDialogsAutomatically(); }

    void commandLineHasTheSetupFlagAndAFileName();
    void firstStartShowsTheSetupAndCancelLeavesSixBlanks();
    void firstStartAgainstTheTransceiverAppliesItsVersion();
    void setupFlagRunsTheSetupAgainButNotInLowerCase();
    void secondCopyEndsSilently();
    void secondStartHandsItsFileToTheRunningCopy();
    void droppedCloneFileOpensAndChannelListIsImported();
    void windowTakesADropOfOneFileItCanOpen_data();
    void windowTakesADropOfOneFileItCanOpen();
    void transceiverSetupFromTheMenuTakesAVersionChosenByHand();
    void lockThatCannotBeMadeDoesNotStopTheStart();
    void fileOnTheCommandLineIsOpened();
    void fileThatDoesNotOpenEndsTheStart();
    void callSignIsShownInTheStatusBar();
    void windowPlacementAndColumnWidthsPersist();
    void theApplicationReachesItsOnlyView();
    void programEndsWhenItsWindowCloses();
};

void TestZQL52App::commandLineHasTheSetupFlagAndAFileName()
{
    const auto parse = [](const QStringList& arguments) {
        return CZQL52App::ParseCommandLine(QStringList({u"zql52"_s}) + arguments);
    };
    QVERIFY(parse({u"/S"_s}).setupFlag);
    QVERIFY(parse({u"-S"_s}).setupFlag);
    QVERIFY(!parse({u"-s"_s}).setupFlag);
    QVERIFY(!parse({u"/s"_s}).setupFlag);
    QVERIFY(!parse({}).setupFlag);
    QVERIFY(parse({}).fileName.isEmpty());
    QCOMPARE(parse({u"radio.vlk"_s}).fileName, u"radio.vlk"_s);
    // On this system a path may start with "/": it is a file, not a flag.
    const CZQL52App::SCommandLine both = parse({u"-S"_s, u"/home/op/radio.vlk"_s});
    QVERIFY(both.setupFlag);
    QCOMPARE(both.fileName, u"/home/op/radio.vlk"_s);
    QVERIFY(parse({u"-s"_s}).fileName.isEmpty());
    QVERIFY(parse({u"/s"_s}).fileName.isEmpty());
    QVERIFY(parse({u"/x"_s, u"-platform"_s}).fileName.isEmpty());
}

void TestZQL52App::firstStartShowsTheSetupAndCancelLeavesSixBlanks()
{
    CAppFixture f;
    bool shown = false;
    ClickInNextModal(u"initialSetupDialog"_s, u"cancelButton"_s, [&shown](QWidget* modal) {
        shown = true;
        QCOMPARE(modal->findChild<QComboBox*>(u"portCombo"_s)->currentIndex(), 0);
        modal->findChild<QComboBox*>(u"portCombo"_s)->setCurrentIndex(2);
    });
    QVERIFY(f.Start());
    QVERIFY(shown);
    QVERIFY(f.Frame().isVisible());
    QCOMPARE(f.Frame().CallSignText(), u"      "_s);
    QCOMPARE(f.Doc().GetPort(), 3U);
    const auto stored = f.Settings().Reopen();
    QVERIFY(!stored->Contains("SetupInfo", "0000"));
    QCOMPARE(stored->GetInt("CommPort", "PortNumber", -1), 3);
    // The program runs with the default profile.
    QCOMPARE(f.Doc().GetRadioData().GetProfile().version[0], 5);
    QCOMPARE(f.View().model()->index(120, 0).data().toString(), u"CALL_WFM"_s);

    // Still not set up: the next start asks again.
    f.Stop();
    shown = false;
    ClickInNextModal(u"initialSetupDialog"_s, u"cancelButton"_s, [&shown](QWidget*) { shown = true; });
    QVERIFY(f.Start());
    QVERIFY(shown);
}

void TestZQL52App::firstStartAgainstTheTransceiverAppliesItsVersion()
{
    CAppFixture f;
    CQtSimProcess sim;
    QVERIFY(sim.Start(f.TempPath(u"radio"_s), {u"--version"_s, u"1,2,2"_s}));
    f.MapPort(1, f.TempPath(u"radio"_s));
    ClickInNextModal(u"initialSetupDialog"_s, u"okButton"_s, [](QWidget* modal) {
        modal->findChild<QLineEdit*>(u"callSignEdit"_s)->setText(u"JA1AAA"_s);
    });
    QVERIFY(f.Start());
    QVERIFY(MessageBox::Shown().isEmpty());
    const STransceiverProfile& profile = f.Doc().GetRadioData().GetProfile();
    QCOMPARE(profile.version[0], 1);
    QCOMPARE(profile.version[1], 2);
    QCOMPARE(profile.version[2], 2);
    QCOMPARE(f.View().model()->index(120, 0).data().toString(), u"CALL_50M"_s);
    QCOMPARE(f.Frame().CallSignText(), u"JA1AAA"_s);
    QCOMPARE(f.Settings().Reopen()->GetInt("SetupInfo", "0000", -1), 1);

    // The connected transceiver now passes the version check.
    QVERIFY(f.Frame().RunCommand(cmd::kCloneRead));
    QCOMPARE(f.Frame().MessageText(), u" Cloning completed."_s);
}

void TestZQL52App::setupFlagRunsTheSetupAgainButNotInLowerCase()
{
    CAppFixture f;
    f.MarkSetupDone();
    f.Settings().Store().SetString("SetupInfo", "CallSign", "G4XYZ");
    f.Settings().Store().SetInt("CommPort", "PortNumber", 4);

    int shown = 0;
    const auto expectSetup = [&shown] {
        return ClickInNextModal(u"initialSetupDialog"_s, u"cancelButton"_s, [&shown](QWidget* modal) {
            ++shown;
            QCOMPARE(modal->findChild<QComboBox*>(u"portCombo"_s)->currentIndex(), 3);
            QCOMPARE(modal->findChild<QLineEdit*>(u"callSignEdit"_s)->text(), u"G4XYZ"_s);
        });
    };
    expectSetup();
    QVERIFY(f.Start({u"-S"_s}));
    QCOMPARE(shown, 1);
    f.Stop();
    expectSetup();
    QVERIFY(f.Start({u"/S"_s}));
    QCOMPARE(shown, 2);
    f.Stop();

    QPointer<QTimer> waiting = expectSetup();
    QVERIFY(f.Start({u"-s"_s}));
    QVERIFY(f.Start({u"/s"_s}));
    QVERIFY(f.Start());
    QCOMPARE(shown, 2);
    delete waiting.data();
    // The stored version survived the cancelled setups.
    QCOMPARE(f.Settings().Reopen()->GetInt("SetupInfo", "0000", -1), 1);
}

void TestZQL52App::secondCopyEndsSilently()
{
    CAppFixture f;
    f.MarkSetupDone();
    QVERIFY(f.Start());

    CZQL52App::SOptions options;
    options.settingsFile = f.Settings().IniPath();
    options.lockDirectory = f.LockDirectory();
    options.tones = &f.Tones();
    options.handleTerminationSignals = false;
    CZQL52App second(options);
    QVERIFY(!second.InitInstance({u"zql52"_s}));
    QCOMPARE(second.ExitCode(), 0);
    QVERIFY(second.MainFrame() == nullptr);
    QVERIFY(MessageBox::Shown().isEmpty());
    QCOMPARE(second.ExitInstance(), 0);
    // The first copy runs on undisturbed.
    QCOMPARE(CZQL52App::Instance(), &f.App());
    QVERIFY(f.Frame().isVisible());
}

void TestZQL52App::secondStartHandsItsFileToTheRunningCopy()
{
    CAppFixture f;
    f.MarkSetupDone();
    QVERIFY(f.Start());
    QVERIFY(WriteCloneFile(f.TempPath(u"club.vlk"_s), "145.6"));
    f.Doc().SetModifiedFlag();
    MessageBox::SetNextAnswer(MessageBox::Answer::No);

    // The real program, started as a file manager would in the folder of the file, with the same user's
    // runtime folder as the running copy.
    QTemporaryDir config;
    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"XDG_RUNTIME_DIR"_s, f.LockDirectory());
    environment.insert(u"XDG_CONFIG_HOME"_s, config.path());
    second.setProcessEnvironment(environment);
    second.setWorkingDirectory(f.TempPath(QString()));
    second.setProcessChannelMode(QProcess::ForwardedChannels);
    second.start(QStringLiteral(ZQ_GUI_PATH), {u"club.vlk"_s});
    QVERIFY(second.waitForStarted(kProgramTimeoutMs));
    // The running copy answers from its event loop, which the wait keeps turning.
    QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, kProgramTimeoutMs);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);

    QTRY_COMPARE_WITH_TIMEOUT(f.Frame().windowTitle(), u"club.vlk - ZQ-L52"_s, kProgramTimeoutMs);
    QCOMPARE(f.View().CellText(9, 1), u"145.6000"_s);
    // As File > Open: asked about the modified document first.
    QCOMPARE(MessageBox::Shown().size(), 1);
    QCOMPARE(MessageBox::Shown().at(0).text, LoadString(ids::kSaveChangesFormat).arg(u"Untitled"_s));
    QCOMPARE(f.Frame().RecentFiles().value(0), QFileInfo(f.TempPath(u"club.vlk"_s)).absoluteFilePath());
}

void TestZQL52App::droppedCloneFileOpensAndChannelListIsImported()
{
    CAppFixture f;
    f.MarkSetupDone();
    QVERIFY(f.Start());
    QVERIFY(WriteCloneFile(f.TempPath(u"club.VLK"_s), "145.6"));
    QVERIFY(DropFile(f.Frame(), f.TempPath(u"club.VLK"_s)));
    QTRY_COMPARE(f.Frame().windowTitle(), u"club.VLK - ZQ-L52"_s);
    QCOMPARE(f.View().CellText(9, 1), u"145.6000"_s);

    QFile csv(f.TempPath(u"club.csv"_s));
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("Location,Frequency,Name\n30,145.500000,DROP\n");
    csv.close();
    // The drop starts Import CSV, whose preview comes first.
    bool previewed = false;
    ClickInNextModal(u"importPreviewDialog"_s, u"okButton"_s, [&previewed](QWidget*) { previewed = true; });
    QVERIFY(DropFile(f.Frame(), csv.fileName()));
    QTRY_VERIFY(previewed);
    QTRY_COMPARE(f.View().CellText(30, 4), u"DROP"_s);
    // Imported into the open document, as one step to undo.
    QCOMPARE(f.Frame().windowTitle(), u"club.VLK - ZQ-L52"_s);
    QVERIFY(f.Doc().CanUndo());
}

void TestZQL52App::windowTakesADropOfOneFileItCanOpen_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("local");
    QTest::addColumn<bool>("taken");
    QTest::newRow("clone data file") << QStringList{u"a.vlk"_s} << true << true;
    QTest::newRow("channel list, upper case") << QStringList{u"a.CSV"_s} << true << true;
    QTest::newRow("other kind") << QStringList{u"a.txt"_s} << true << false;
    QTest::newRow("no suffix") << QStringList{u"vlk"_s} << true << false;
    QTest::newRow("two files") << QStringList{u"a.vlk"_s, u"b.vlk"_s} << true << false;
    QTest::newRow("not a local file") << QStringList{u"a.vlk"_s} << false << false;
}

void TestZQL52App::windowTakesADropOfOneFileItCanOpen()
{
    QFETCH(QStringList, names);
    QFETCH(bool, local);
    QFETCH(bool, taken);
    CAppFixture f;
    f.MarkSetupDone();
    QVERIFY(f.Start());
    QList<QUrl> urls;
    for (const QString& name : names) {
        urls.append(local ? QUrl::fromLocalFile(f.TempPath(name))
                          : QUrl(u"https://example.invalid/"_s + name));
    }
    QMimeData mime;
    mime.setUrls(urls);
    QCOMPARE(TakesDrag(f.Frame(), mime), taken);
}

void TestZQL52App::transceiverSetupFromTheMenuTakesAVersionChosenByHand()
{
    CAppFixture f;
    // Set up before for a transceiver with option bit 0 and without the 50 MHz band.
    f.MarkSetupDone(5, 0, 1);
    QVERIFY(f.Start());
    QCOMPARE(f.View().model()->index(120, 0).data().toString(), u"CALL_WFM"_s);
    QVERIFY(f.Frame().Action(cmd::kTransceiverSetup) != nullptr);

    bool shown = false;
    ClickInNextModal(u"initialSetupDialog"_s, u"okButton"_s, [&shown](QWidget* modal) {
        shown = true;
        auto* destination = modal->findChild<QComboBox*>(u"destinationCombo"_s);
        auto* coverage = modal->findChild<QComboBox*>(u"coverageCombo"_s);
        auto* band50 = modal->findChild<QCheckBox*>(u"band50Check"_s);
        // Reading from the transceiver comes first; the choice shows the stored version.
        QVERIFY(modal->findChild<QRadioButton*>(u"readVersionButton"_s)->isChecked());
        QVERIFY(!destination->isEnabled());
        QCOMPARE(destination->currentText(), u"5 - USA"_s);
        QCOMPARE(coverage->currentIndex(), 0);
        QVERIFY(!band50->isChecked());
        modal->findChild<QRadioButton*>(u"chooseVersionButton"_s)->setChecked(true);
        QVERIFY(destination->isEnabled());
        destination->setCurrentIndex(1);
        coverage->setCurrentIndex(2);
        band50->setChecked(true);
        modal->findChild<QLineEdit*>(u"callSignEdit"_s)->setText(u"JA1AAA"_s);
    });
    QVERIFY(f.Frame().RunCommand(cmd::kTransceiverSetup));
    QVERIFY(shown);
    QVERIFY(MessageBox::Shown().isEmpty());

    // Stored as a read would store it, the other option bit kept, and in force at once.
    const auto stored = f.Settings().Reopen();
    QCOMPARE(stored->GetInt("SetupInfo", "0000", -1), 1);
    QCOMPARE(stored->GetInt("SetupInfo", "0001", -1), 1);
    QCOMPARE(stored->GetInt("SetupInfo", "0002", -1), 2);
    QCOMPARE(stored->GetInt("SetupInfo", "0003", -1), 3);
    const STransceiverProfile& profile = f.Doc().GetRadioData().GetProfile();
    QCOMPARE(profile.version[0], 1);
    QCOMPARE(profile.version[1], 2);
    QCOMPARE(profile.version[2], 3);
    QCOMPARE(f.View().model()->index(120, 0).data().toString(), u"CALL_50M"_s);
    QCOMPARE(f.Frame().CallSignText(), u"JA1AAA"_s);
    QVERIFY(!f.Doc().IsModified());

    // Cloning checks the version chosen: a transceiver of that version passes (the one stored before would
    // not).
    CQtSimProcess sim;
    QVERIFY(sim.Start(f.TempPath(u"radio"_s), {u"--version"_s, u"1,2,3"_s}));
    f.MapPort(1, f.TempPath(u"radio"_s));
    QVERIFY(f.Frame().RunCommand(cmd::kCloneRead));
    QCOMPARE(f.Frame().MessageText(), u" Cloning completed."_s);
}

void TestZQL52App::lockThatCannotBeMadeDoesNotStopTheStart()
{
    CAppFixture f;
    f.MarkSetupDone();
    const QString notAFolder = f.TempPath(u"file"_s);
    QFile file(notAFolder);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    CZQL52App::SOptions options;
    options.settingsFile = f.Settings().IniPath();
    options.lockDirectory = QDir(notAFolder).filePath(u"run"_s);
    options.tones = &f.Tones();
    options.handleTerminationSignals = false;
    CZQL52App app(options);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"single-instance lock"_s));
    QVERIFY(app.InitInstance({u"zql52"_s}));
    QVERIFY(app.MainFrame() != nullptr && app.MainFrame()->isVisible());
    QCOMPARE(app.ExitInstance(), 0);
}

void TestZQL52App::fileOnTheCommandLineIsOpened()
{
    CAppFixture f;
    f.MarkSetupDone();
    const QString path = f.TempPath(u"club.vlk"_s);
    QVERIFY(WriteCloneFile(path, "145.6"));
    QVERIFY(f.Start({path}));
    QCOMPARE(f.Frame().windowTitle(), u"club.vlk - ZQ-L52"_s);
    QCOMPARE(f.View().CellText(9, 1), u"145.6000"_s);
    QCOMPARE(f.View().SelectedRow(), 0);
    QVERIFY(!f.Doc().IsModified());
}

void TestZQL52App::fileThatDoesNotOpenEndsTheStart()
{
    CAppFixture f;
    f.MarkSetupDone();
    const QString path = f.TempPath(u"missing.vlk"_s);
    QVERIFY(!f.Start({path}));
    QCOMPARE(f.App().ExitCode(), 1);
    QCOMPARE(MessageBox::Shown().size(), 1);
    QVERIFY(MessageBox::Shown().at(0).text.contains(path));
    QCOMPARE(f.Stop(), 1);
}

void TestZQL52App::callSignIsShownInTheStatusBar()
{
    CAppFixture f;
    f.MarkSetupDone();
    f.Settings().Store().SetString("SetupInfo", "CallSign", "JA1XYZ");
    QVERIFY(f.Start());
    QCOMPARE(f.Frame().CallSignText(), u"JA1XYZ"_s);
}

void TestZQL52App::windowPlacementAndColumnWidthsPersist()
{
    CAppFixture f;
    f.MarkSetupDone();
    QVERIFY(f.Start());
    QVERIFY(QTest::qWaitForWindowExposed(&f.Frame()));
    QCOMPARE(f.Frame().pos(), QPoint(5, 5));
    QCOMPARE(f.Frame().size(), QSize(620, 360));
    f.Frame().move(40, 30);
    f.Frame().resize(700, 420);
    f.View().header()->resizeSection(1, 90);
    f.View().header()->resizeSection(9, 300);
    // The label column keeps the width its content gave it.
    const int labelWidth = f.View().header()->sectionSize(0);
    QVERIFY(f.Frame().close());
    QCOMPARE(f.Stop(), 0);

    const auto stored = f.Settings().Reopen();
    QCOMPARE(stored->GetInt(kWindowPosition, "Left", -1), 40);
    QCOMPARE(stored->GetInt(kWindowPosition, "Width", -1), 700);
    QCOMPARE(stored->GetInt("Column", "Width1", -1), 90);

    QVERIFY(f.Start());
    QCOMPARE(f.Frame().pos(), QPoint(40, 30));
    QCOMPARE(f.Frame().size(), QSize(700, 420));
    QCOMPARE(f.View().header()->sectionSize(1), 90);
    QCOMPARE(f.View().header()->sectionSize(9), 300);
    QCOMPARE(f.View().header()->sectionSize(0), labelWidth);
}

void TestZQL52App::theApplicationReachesItsOnlyView()
{
    CAppFixture f;
    f.MarkSetupDone();
    QVERIFY(CZQL52App::Instance() == nullptr);
    QVERIFY(f.Start());
    QCOMPARE(CZQL52App::Instance(), &f.App());
    QCOMPARE(CZQL52App::Instance()->View(), &f.View());
    QCOMPARE(&f.View().GetDocument(), static_cast<IChannelDocument*>(&f.Doc()));
    QVERIFY(f.View().hasFocus() || !f.Frame().isActiveWindow());
    f.Stop();
    QVERIFY(CZQL52App::Instance() == nullptr);
}

void TestZQL52App::programEndsWhenItsWindowCloses()
{
    CAppFixture f;
    f.MarkSetupDone();
    QVERIFY(f.Start());
    // Another window left open, such as the help.
    QWidget other;
    other.show();
    QTimer::singleShot(0, &f.Frame(), &QWidget::close);
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, &giveUp, [] { QCoreApplication::exit(1); });
    giveUp.start(10000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!f.Frame().isVisible());
}

ZQ_GUI_TEST(TestZQL52App)
#include "tst_zql52_app.moc"
