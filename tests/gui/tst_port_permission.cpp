#include "app/initial_setup_dialog.h"
#include "app/tone_player.h"
#include "app/zql52_doc.h"
#include "clone/clone_session.h"
#include "res/load_string.h"
#include "support/app_fixture.h"
#include "support/gui_test_main.h"
#include "ui/main_frame.h"
#include "ui/widgets/message_box.h"

#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>
#include <grp.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The superuser may open any device, so the check runs again as the unprivileged user "nobody".
constexpr uid_t kNobody = 65534;
constexpr int kCannotDropPrivileges = 99;
constexpr int kTimeoutMs = 120000;

// A device node stand-in that exists but that this user may not open.
QString LockedDevice(const QString& folder)
{
    const QString path = QDir(folder).filePath(u"ttyUSB0"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return QString();
    }
    file.close();
    file.setPermissions(QFileDevice::Permissions());
    return path;
}

// Runs the named test function of this executable as "nobody"; its output goes to this test's output.
void RunAsNobody(const char* function)
{
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments(gui_test::ArgumentsForThisTest({QString::fromLatin1(function)}));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"XDG_RUNTIME_DIR"_s);
    environment.insert(u"HOME"_s, QDir::tempPath());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.setChildProcessModifier([] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            ::_exit(kCannotDropPrivileges);
        }
    });
    child.start();
    QVERIFY(child.waitForFinished(kTimeoutMs));
    if (child.exitCode() == kCannotDropPrivileges) {
        QSKIP("this system does not let the test run as another user");
    }
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
}

} // namespace

class TestPortPermission : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { AnswerDialogsAutomatically(); }

    void cloneCommandExplainsTheDialoutGroup();
    void setupExplainsTheDialoutGroup();
};

void TestPortPermission::cloneCommandExplainsTheDialoutGroup()
{
    if (::geteuid() == 0) {
        RunAsNobody("cloneCommandExplainsTheDialoutGroup");
        return;
    }
    CAppFixture f;
    const QString device = LockedDevice(f.TempPath(QString()));
    QVERIFY(!device.isEmpty());
    f.MarkSetupDone();
    f.MapPort(1, device);
    QVERIFY(f.Start());
    MessageBox::SetDefaultAnswer(MessageBox::Answer::Ok);
    QVERIFY(f.Frame().RunCommand(cmd::kCloneInformation));
    QCOMPARE(f.Frame().MessageText(), u" Err: Cannot access RS-232C port."_s);
    QCOMPARE(MessageBox::Shown().size(), 1);
    const QString text = MessageBox::Shown().at(0).text;
    QVERIFY(text.startsWith(LoadString(5035)));
    QVERIFY(text.contains(device));
    QVERIFY(text.contains(u"dialout"_s));
    QVERIFY(text.contains(u"usermod -aG dialout"_s));
}

void TestPortPermission::setupExplainsTheDialoutGroup()
{
    if (::geteuid() == 0) {
        RunAsNobody("setupExplainsTheDialoutGroup");
        return;
    }
    CTestSettings settings;
    QTemporaryDir folder;
    const QString device = LockedDevice(folder.path());
    QVERIFY(!device.isEmpty());
    settings.Store().SetString("CommPort", "Device1", device.toStdString());
    CCloneSession session;
    session.SetPortMap(&settings.Store());
    CNullTonePlayer tones;
    CInitialSetupDlg dialog(settings.Store(), session, tones);
    dialog.show();
    MessageBox::SetDefaultAnswer(MessageBox::Answer::Ok);
    dialog.findChild<QPushButton*>(u"okButton"_s)->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.StatusText(), u" Err: Illegal information."_s);
    QCOMPARE(MessageBox::Shown().size(), 1);
    QVERIFY(MessageBox::Shown().at(0).text.startsWith(LoadString(5061)));
    QVERIFY(MessageBox::Shown().at(0).text.contains(u"dialout"_s));
}

ZQ_GUI_TEST(TestPortPermission)
#include "tst_port_permission.moc"
