#include "app/initial_setup_dialog.h"
#include "app/zql52_app.h"
#include "app/zql52_doc.h"
#include "core/rig/radio_data.h"
#include "support/app_fixture.h"
#include "support/gui_test_main.h"
#include "support/modal_dialogs.h"
#include "support/sim_process.h"
#include "ui/channel_list_view.h"
#include "ui/main_frame.h"
#include "ui/widgets/message_box.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr std::string_view kWindowPosition = "Window Position";

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
    {
        CL52RadioData data;
        data.Initialize();
        data.Execute("CH.MCH.9.APPEAR=ON");
        data.Execute("CH.MCH.9.FREQUENCY=145.6");
        QCOMPARE(data.SaveDocument(path.toStdString()), std::string("OK"));
    }
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
