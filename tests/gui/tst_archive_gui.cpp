#include "app/edit_history.h"
#include "app/zql52_doc.h"
#include "clone/clone_archive.h"
#include "core/rig/radio_data.h"
#include "core/settings_store.h"
#include "res/load_string.h"
#include "support/app_fixture.h"
#include "support/gui_test_main.h"
#include "support/modal_dialogs.h"
#include "support/sim_process.h"
#include "ui/archive_dialog.h"
#include "ui/line_list_dialog.h"
#include "ui/main_frame.h"
#include "ui/widgets/file_dialogs.h"
#include "ui/widgets/message_box.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString kVersion = u"5,0,2"_s;

// The transceiver's memory: the new document's (channels 0 to 3 in use), with channel 3 at 145.5 MHz
// named "RADIO".
void WriteTransceiverImage(const QString& path)
{
    CMemorySettingsStore store;
    store.SetInt(settings::kSetupInfo, settings::kSetupDone, 1);
    store.SetInt(settings::kSetupInfo, settings::kOptionFlags, 2);
    CL52RadioData data(&store);
    data.Initialize();
    data.Execute("CH.MCH.3.APPEAR=ON");
    data.Execute("CH.MCH.3.FREQUENCY=145.5");
    data.Execute("CH.MCH.3.NAME=RADIO");
    QCOMPARE(data.SaveDocument(path.toStdString()), std::string("OK"));
}

QStringList ArchiveFiles()
{
    return QDir(QString::fromStdString(DefaultArchiveFolder())).entryList(QDir::Files, QDir::Name);
}

// Everything of the document that Compare with Transceiver must leave alone.
struct SDocumentState
{
    explicit SDocumentState(CZQL52Doc& doc)
        : image(doc.History().CurrentImage()), path(doc.GetPathName()), modified(doc.IsModified()),
          undo(doc.History().UndoCount()), redo(doc.History().RedoCount()),
          undoName(doc.History().UndoNameId())
    {
    }
    bool operator==(const SDocumentState&) const = default;

    std::string image;
    QString path;
    bool modified;
    size_t undo;
    size_t redo;
    int undoName;
};

struct SArchiveFixture
{
    bool Start(const QStringList& simArguments)
    {
        app.MarkSetupDone(5, 0, 2);
        app.MapPort(1, app.TempPath(u"radio"_s));
        return sim.Start(app.TempPath(u"radio"_s), simArguments) && app.Start();
    }

    // Runs the command and gives the lines of the differences window it opened; none when it opened none.
    std::optional<QStringList> DifferencesOf(int command)
    {
        std::optional<QStringList> lines;
        const QPointer<QTimer> watch =
            ClickInNextModal(u"differencesDialog"_s, u"okButton"_s, [this, &lines](QWidget* modal) {
                lines = qobject_cast<CLineListDlg*>(modal)->Lines();
                intro = qobject_cast<CLineListDlg*>(modal)->Intro();
            });
        app.Frame().RunCommand(command);
        delete watch.data();
        return lines;
    }

    CAppFixture app;
    CQtSimProcess sim;
    QString intro;
};

} // namespace

class TestArchiveGui : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void compareWithTransceiverLeavesTheDocumentAsItWas();
    void compareWithTransceiverFailsAsAReadDoes_data();
    void compareWithTransceiverFailsAsAReadDoes();
    void archiveCopyOpensAsAnUntitledDocumentOrIsCompared();
    void settingOffKeepsNoCopy();

private:
    std::unique_ptr<QTemporaryDir> m_dataHome;
};

void TestArchiveGui::init()
{
    AnswerDialogsAutomatically();
    // Each test starts with an archive of its own.
    m_dataHome = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dataHome->path()));
    CArchiveDlg::SetFolderOpener([](const QUrl&) { return false; });
}

void TestArchiveGui::cleanup()
{
    CArchiveDlg::SetFolderOpener({});
    m_dataHome.reset();
}

void TestArchiveGui::compareWithTransceiverLeavesTheDocumentAsItWas()
{
    SArchiveFixture f;
    const QString radio = f.app.TempPath(u"radio.vlk"_s);
    WriteTransceiverImage(radio);
    QVERIFY2(f.Start({u"--version"_s, kVersion, u"--image"_s, radio}), qPrintable(f.sim.ErrorOutput()));
    CZQL52Doc& doc = f.app.Doc();
    CL52RadioData& data = doc.GetRadioData();
    doc.RecordEdit(ids::kStepEditMemory, [&data] {
        data.Execute("CH.MCH.3.APPEAR=ON");
        data.Execute("CH.MCH.3.FREQUENCY=146.52");
        data.Execute("CH.MCH.3.NAME=RADIO");
    });
    doc.RecordEdit(ids::kStepClear, [&data] { data.Execute("CH.MCH.2.APPEAR=OFF"); });
    doc.Undo();
    const SDocumentState before(doc);
    QVERIFY(before.modified);
    QCOMPARE(before.redo, size_t(1));

    const std::optional<QStringList> lines = f.DifferencesOf(cmd::kCloneCompare);
    QVERIFY(lines.has_value());
    QCOMPARE(*lines, QStringList{u"MCH 03  Frequency 146.5200 -> 145.5000"_s});
    QCOMPARE(f.intro,
             u"Each line shows the value in this document, then -> and the value in the transceiver."_s);
    QCOMPARE(f.app.Frame().MessageText(), u" Cloning completed."_s);
    QVERIFY(MessageBox::Shown().isEmpty());
    QVERIFY(SDocumentState(doc) == before);
    QVERIFY(ArchiveFiles().isEmpty());

    // The transceiver's own file in the document: nothing differs.
    QVERIFY(doc.OnOpenDocument(radio));
    const SDocumentState opened(doc);
    QCOMPARE(f.DifferencesOf(cmd::kCloneCompare), std::optional<QStringList>(QStringList()));
    QVERIFY(SDocumentState(doc) == opened);
}

void TestArchiveGui::compareWithTransceiverFailsAsAReadDoes_data()
{
    QTest::addColumn<QStringList>("simArguments");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("messageId");

    QTest::newRow("other version") << QStringList{u"--version"_s, u"1,2,2"_s}
                                   << u" Err: Version number does not match."_s << int(ids::kVersionNotSetUp);
    QTest::newRow("damaged data") << QStringList{u"--version"_s, kVersion, u"--fault"_s, u"bad-checksum"_s}
                                  << u" Err: Cannot read cloning data."_s
                                  << int(ids::kCheckPortCableSoftware);
}

void TestArchiveGui::compareWithTransceiverFailsAsAReadDoes()
{
    QFETCH(QStringList, simArguments);
    QFETCH(QString, status);
    QFETCH(int, messageId);
    SArchiveFixture f;
    QVERIFY2(f.Start(simArguments), qPrintable(f.sim.ErrorOutput()));
    f.app.Doc().GetRadioData().Execute("CH.MCH.3.FREQUENCY=146.52");
    const SDocumentState before(f.app.Doc());

    QCOMPARE(f.DifferencesOf(cmd::kCloneCompare), std::nullopt);
    QCOMPARE(f.app.Frame().MessageText(), status);
    QCOMPARE(MessageBox::Shown().size(), 1);
    QCOMPARE(MessageBox::Shown().at(0).text, LoadString(messageId));
    QCOMPARE(MessageBox::Shown().at(0).icon, MessageBox::Icon::Warning);
    QVERIFY(SDocumentState(f.app.Doc()) == before);
}

void TestArchiveGui::archiveCopyOpensAsAnUntitledDocumentOrIsCompared()
{
    SArchiveFixture f;
    const QString radio = f.app.TempPath(u"radio.vlk"_s);
    WriteTransceiverImage(radio);
    QVERIFY2(f.Start({u"--version"_s, kVersion, u"--image"_s, radio}), qPrintable(f.sim.ErrorOutput()));
    CZQL52Doc& doc = f.app.Doc();
    QVERIFY(f.app.Frame().RunCommand(cmd::kCloneRead));
    QCOMPARE(f.app.Frame().MessageText(), u" Cloning completed."_s);
    const QStringList files = ArchiveFiles();
    QCOMPARE(files.size(), 1);
    QVERIFY2(files.front().endsWith(u"_read.vlk"_s), qPrintable(files.front()));
    const QString copy = QDir(QString::fromStdString(DefaultArchiveFolder())).filePath(files.front());
    QFile copyFile(copy);
    QVERIFY(copyFile.open(QIODevice::ReadOnly));
    const QByteArray copyBytes = copyFile.readAll();
    copyFile.close();

    // Compare: the document against the copy, while the list stays open.
    doc.GetRadioData().Execute("CH.MCH.3.NAME=EDITED");
    QStringList rows;
    QStringList differences;
    QString shownFolder;
    CArchiveDlg::SetFolderOpener([&shownFolder](const QUrl& url) {
        shownFolder = url.toLocalFile();
        return true;
    });
    WhenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<CArchiveDlg*>(modal);
        if (dialog == nullptr) {
            return false;
        }
        const auto* list = dialog->findChild<QTreeWidget*>(u"copyList"_s);
        for (int column = 0; column < list->columnCount(); ++column) {
            rows.append(list->topLevelItem(0)->text(column));
        }
        ClickInNextModal(u"differencesDialog"_s, u"okButton"_s, [&differences](QWidget* shown) {
            differences = qobject_cast<CLineListDlg*>(shown)->Lines();
        });
        dialog->findChild<QAbstractButton*>(u"compareButton"_s)->click();
        dialog->findChild<QAbstractButton*>(u"showFolderButton"_s)->click();
        dialog->findChild<QAbstractButton*>(u"closeButton"_s)->click();
        return true;
    });
    QVERIFY(f.app.Frame().RunCommand(cmd::kFileOpenArchive));
    QCOMPARE(rows.size(), 5);
    QCOMPARE(rows.mid(2), (QStringList{u"Read <- TR"_s, u"4"_s, QString()}));
    QCOMPARE(differences, QStringList{u"MCH 03  Name EDITED -> RADIO"_s});
    QCOMPARE(shownFolder, QString::fromStdString(DefaultArchiveFolder()));
    QVERIFY(MessageBox::Shown().isEmpty());

    // Open: after the save prompt, an untitled document with the copy's image.
    MessageBox::SetNextAnswer(MessageBox::Answer::No);
    ClickInNextModal(u"archiveDialog"_s, u"openButton"_s);
    QVERIFY(f.app.Frame().RunCommand(cmd::kFileOpenArchive));
    QCOMPARE(MessageBox::Shown().size(), 1);
    QCOMPARE(MessageBox::Shown().at(0).buttons, MessageBox::Buttons::YesNoCancel);
    QCOMPARE(doc.GetPathName(), QString());
    QCOMPARE(f.app.Frame().windowTitle(), u"Untitled - ZQ-L52"_s);
    QVERIFY(!doc.IsModified());
    CL52RadioData expected;
    expected.MatchProfile(doc.GetRadioData().GetProfile(), false);
    QCOMPARE(expected.OpenDocument(copy.toStdString()), std::string("OK"));
    QCOMPARE(doc.GetRadioData().Execute("IMAGE"), expected.Execute("IMAGE"));
    QVERIFY(!f.app.Frame().RecentFiles().contains(copy));

    // Save asks for a name, and the copy stays as it was.
    QVERIFY(f.app.Frame().RunCommand(cmd::kFileSave));
    QCOMPARE(FileDialogs::Requests().size(), 1);
    QCOMPARE(FileDialogs::Requests().at(0).kind, FileDialogs::Kind::Save);
    QVERIFY(copyFile.open(QIODevice::ReadOnly));
    QCOMPARE(copyFile.readAll(), copyBytes);
}

void TestArchiveGui::settingOffKeepsNoCopy()
{
    SArchiveFixture f;
    QVERIFY2(f.Start({u"--version"_s, kVersion}), qPrintable(f.sim.ErrorOutput()));
    ClickInNextModal(u"archiveDialog"_s, u"closeButton"_s, [](QWidget* modal) {
        QVERIFY(modal->findChild<QWidget*>(u"emptyText"_s)->isVisible());
        auto* keep = modal->findChild<QCheckBox*>(u"keepCopiesCheck"_s);
        QVERIFY(keep->isChecked());
        keep->click();
    });
    QVERIFY(f.app.Frame().RunCommand(cmd::kFileOpenArchive));
    QCOMPARE(f.app.Doc().Settings().GetInt(settings::kArchive, settings::kArchiveEnabled, 1), 0);

    QVERIFY(f.app.Frame().RunCommand(cmd::kCloneRead));
    QCOMPARE(f.app.Frame().MessageText(), u" Cloning completed."_s);
    MessageBox::SetNextAnswer(MessageBox::Answer::Ok);
    QVERIFY(f.app.Frame().RunCommand(cmd::kCloneWrite));
    QCOMPARE(MessageBox::Shown().size(), 2);
    QVERIFY(ArchiveFiles().isEmpty());

    // On again, with a file where the folder should be: the read completes and says why no copy was kept.
    f.app.Doc().Settings().SetInt(settings::kArchive, settings::kArchiveEnabled, 1);
    const QString folder = QString::fromStdString(DefaultArchiveFolder());
    QVERIFY(QDir().mkpath(QFileInfo(folder).path()));
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // The document is modified since the first read: the read asks first.
    MessageBox::SetNextAnswer(MessageBox::Answer::Ok);
    QVERIFY(f.app.Frame().RunCommand(cmd::kCloneRead));
    QVERIFY2(f.app.Frame().MessageText().startsWith(u" The clone archive copy could not be saved: "_s),
             qPrintable(f.app.Frame().MessageText()));
    QVERIFY(f.app.Doc().IsModified());
}

ZQ_GUI_TEST(TestArchiveGui)
#include "tst_archive_gui.moc"
