#include "app/initial_setup_dialog.h"
#include "app/tone_player.h"
#include "clone/clone_session.h"
#include "core/settings_store.h"
#include "res/load_string.h"
#include "support/gui_test_main.h"
#include "support/gui_test_support.h"
#include "support/sim_process.h"
#include "ui/widgets/message_box.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Counts the patterns played, so a test can tell the success sound from the failure sound.
class CRecordingTones : public ITonePlayer
{
public:
    void Play(const std::vector<STone>& tones) override { played.push_back(tones); }
    std::vector<std::vector<STone>> played;
};

bool SameTones(const std::vector<STone>& a, const std::vector<STone>& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].frequencyHz != b[i].frequencyHz || a[i].durationMs != b[i].durationMs) {
            return false;
        }
    }
    return true;
}

struct SSetupFixture
{
    SSetupFixture() { session.SetPortMap(&settings.Store()); }

    std::unique_ptr<CInitialSetupDlg> Open()
    {
        auto dialog = std::make_unique<CInitialSetupDlg>(settings.Store(), session, tones);
        dialog->show();
        return dialog;
    }

    void MapPort(unsigned slot, const QString& path)
    {
        settings.Store().SetString("CommPort", "Device" + std::to_string(slot), path.toStdString());
    }

    CTestSettings settings;
    CCloneSession session;
    CRecordingTones tones;
    QTemporaryDir files;
};

QComboBox* PortList(QDialog& dialog)
{
    return dialog.findChild<QComboBox*>(u"portCombo"_s);
}

QLineEdit* CallSign(QDialog& dialog)
{
    return dialog.findChild<QLineEdit*>(u"callSignEdit"_s);
}

void Click(QDialog& dialog, const QString& name)
{
    dialog.findChild<QPushButton*>(name)->click();
}

} // namespace

class TestInitialSetupDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { AnswerDialogsAutomatically(); }

    void showsTheIntroductionPortAndCallSign();
    void storedPortAndCallSignArePreselected();
    void setupAgainstTheTransceiverStoresItsVersion();
    void setupWithTheDeviceMissingFailsAndStaysOpen();
    void cancelStoresPortAndCallSignOnly();
    void blankCallSignIsStoredAsSixBlanks();
};

void TestInitialSetupDialog::showsTheIntroductionPortAndCallSign()
{
    SSetupFixture f;
    auto dialog = f.Open();
    QCOMPARE(dialog->windowTitle(), u"ZQ-L52 Initial Setup"_s);
    auto* intro = dialog->findChild<QPlainTextEdit*>(u"introText"_s);
    QVERIFY(intro->isReadOnly());
    QString expected = LoadString(5062);
    expected.replace(u"\r\n"_s, u"\n"_s);
    QCOMPARE(intro->toPlainText().trimmed(), expected.trimmed());
    QVERIFY(
        intro->toPlainText().startsWith(u"Thank you for purchasing this Velk ZQ-L52 cloning software."_s));

    QComboBox* ports = PortList(*dialog);
    QCOMPARE(ports->count(), 4);
    QCOMPARE(ports->itemText(0), u"COM1"_s);
    QCOMPARE(ports->itemText(3), u"COM4"_s);
    QVERIFY(!ports->isEditable());
    QCOMPARE(ports->currentIndex(), 0);
    QCOMPARE(ports->itemData(1, Qt::ToolTipRole).toString(), u"COM2 (/dev/ttyS1)"_s);
    QCOMPARE(CallSign(*dialog)->maxLength(), 20);
    QVERIFY(CallSign(*dialog)->text().isEmpty());
}

void TestInitialSetupDialog::storedPortAndCallSignArePreselected()
{
    SSetupFixture f;
    f.settings.Store().SetInt("CommPort", "PortNumber", 3);
    f.settings.Store().SetString("SetupInfo", "CallSign", "JA1ZZZ   ");
    auto dialog = f.Open();
    QCOMPARE(PortList(*dialog)->currentIndex(), 2);
    QCOMPARE(CallSign(*dialog)->text(), u"JA1ZZZ"_s);
}

void TestInitialSetupDialog::setupAgainstTheTransceiverStoresItsVersion()
{
    SSetupFixture f;
    const QString link = QDir(f.files.path()).filePath(u"radio"_s);
    CQtSimProcess sim;
    QVERIFY(sim.Start(link, {u"--version"_s, u"1,2,2"_s}));
    f.MapPort(2, link);
    auto dialog = f.Open();
    PortList(*dialog)->setCurrentIndex(1);
    CallSign(*dialog)->setText(u"DL1ABC  "_s);
    Click(*dialog, u"okButton"_s);

    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(!dialog->isVisible());
    QVERIFY(MessageBox::Shown().isEmpty());
    QCOMPARE(f.tones.played.size(), size_t(1));
    QVERIFY(SameTones(f.tones.played.at(0), SuccessTones()));
    const auto stored = f.settings.Reopen();
    QCOMPARE(stored->GetInt("SetupInfo", "0000", -1), 1);
    QCOMPARE(stored->GetInt("SetupInfo", "0001", -1), 1);
    QCOMPARE(stored->GetInt("SetupInfo", "0002", -1), 2);
    QCOMPARE(stored->GetInt("SetupInfo", "0003", -1), 2);
    // Trailing blanks of a call sign that is not blank are kept.
    QCOMPARE(stored->GetString("SetupInfo", "CallSign", "?"), std::string("DL1ABC  "));
    QCOMPARE(stored->GetInt("CommPort", "PortNumber", -1), 2);
}

void TestInitialSetupDialog::setupWithTheDeviceMissingFailsAndStaysOpen()
{
    SSetupFixture f;
    f.MapPort(1, QDir(f.files.path()).filePath(u"no radio"_s));
    auto dialog = f.Open();
    CallSign(*dialog)->setText(u"K1ABC"_s);
    MessageBox::SetDefaultAnswer(MessageBox::Answer::Ok);
    Click(*dialog, u"okButton"_s);

    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->StatusText(), u" Err: Illegal information."_s);
    QCOMPARE(MessageBox::Shown().size(), 1);
    QCOMPARE(MessageBox::Shown().at(0).text, LoadString(5061));
    QCOMPARE(MessageBox::Shown().at(0).icon, MessageBox::Icon::Warning);
    QCOMPARE(MessageBox::Shown().at(0).caption, u"ZQ-L52"_s);
    QCOMPARE(f.tones.played.size(), size_t(1));
    QVERIFY(SameTones(f.tones.played.at(0), FailureTones()));
    const auto stored = f.settings.Reopen();
    QVERIFY(!stored->Contains("SetupInfo", "0000"));
    QVERIFY(!stored->Contains("SetupInfo", "0001"));
    QCOMPARE(stored->GetString("SetupInfo", "CallSign", "?"), std::string("K1ABC"));
    QCOMPARE(stored->GetInt("CommPort", "PortNumber", -1), 1);

    // The user can try again or give up.
    Click(*dialog, u"cancelButton"_s);
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QVERIFY(!dialog->isVisible());
}

void TestInitialSetupDialog::cancelStoresPortAndCallSignOnly()
{
    SSetupFixture f;
    auto dialog = f.Open();
    PortList(*dialog)->setCurrentIndex(2);
    CallSign(*dialog)->setText(u"VK2XY"_s);
    Click(*dialog, u"cancelButton"_s);
    QVERIFY(MessageBox::Shown().isEmpty());
    QVERIFY(f.tones.played.empty());
    const auto stored = f.settings.Reopen();
    QVERIFY(!stored->Contains("SetupInfo", "0000"));
    QCOMPARE(stored->GetString("SetupInfo", "CallSign", "?"), std::string("VK2XY"));
    QCOMPARE(stored->GetInt("CommPort", "PortNumber", -1), 3);
    QCOMPARE(f.session.GetPort(), 3U);
}

void TestInitialSetupDialog::blankCallSignIsStoredAsSixBlanks()
{
    SSetupFixture f;
    auto dialog = f.Open();
    CallSign(*dialog)->setText(u"   "_s);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QCOMPARE(f.settings.Reopen()->GetString("SetupInfo", "CallSign", "?"), std::string("      "));
    QCOMPARE(WithoutTrailingBlanks(u" A B  "_s), u" A B"_s);
}

ZQ_GUI_TEST(TestInitialSetupDialog)
#include "tst_initial_setup_dialog.moc"
