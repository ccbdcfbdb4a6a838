#include "app/edit_history.h"
#include "app/zql52_doc.h"
#include "core/rig/radio_data.h"
#include "interchange/channel_csv.h"
#include "res/load_string.h"
#include "support/app_fixture.h"
#include "support/gui_test_main.h"
#include "support/modal_dialogs.h"
#include "ui/channel_list_view.h"
#include "ui/line_list_dialog.h"
#include "ui/main_frame.h"
#include "ui/widgets/file_dialogs.h"
#include "ui/widgets/message_box.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

using SProgram = SRunningProgram;

bool WriteFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a list dialog with the given objectName showed; it is closed with OK. Dialogs of other names are
// left alone, so the watch can wait for a later one.
struct SListWatch
{
    explicit SListWatch(const QString& name)
    {
        timer = WhenModalOpens([this, name](QWidget* modal) {
            auto* dialog = qobject_cast<CLineListDlg*>(modal);
            if (dialog == nullptr || modal->objectName() != name) {
                return false;
            }
            shown = true;
            title = dialog->windowTitle();
            intro = dialog->Intro();
            lines = dialog->Lines();
            auto* list = dialog->findChild<QListWidget*>(u"linesList"_s);
            for (int i = 0; list != nullptr && i < list->count(); ++i) {
                items.append(list->item(i)->text());
            }
            dialog->accept();
            return true;
        });
    }
    ~SListWatch() { delete timer.data(); }
    SListWatch(const SListWatch&) = delete;
    SListWatch& operator=(const SListWatch&) = delete;

    QPointer<QTimer> timer;
    bool shown = false;
    QString title;
    QString intro;
    QStringList lines;
    QStringList items;
};

} // namespace

class TestInterchangeGui : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { AnswerDialogsAutomatically(); }

    void thePreviewChangesNothingAndOkIsOneUndoStep();
    void aListAtItsLocationsIsTakenWithEnter();
    void filesThatCannotBeImportedChangeNothing();
    void exportAsksWhetherToAddTheEdgesAndCallChannels();
    void compareWithFileListsTheDifferences();
};

namespace {

// The cells of the preview's table, a row a line joined by "|", and its summary.
QStringList TableRows(QWidget* dialog)
{
    QStringList rows;
    auto* table = dialog->findChild<QTableWidget*>(u"previewTable"_s);
    for (int r = 0; table != nullptr && r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c) {
            cells.append(table->item(r, c)->text());
        }
        rows.append(cells.join(u'|'));
    }
    return rows;
}

QString Summary(QWidget* dialog)
{
    return dialog->findChild<QLabel*>(u"previewSummary"_s)->text();
}

// Enter, where the dialog's focus is.
void PressEnter(QWidget* dialog)
{
    QWidget* focus = dialog->focusWidget();
    QTest::keyClick(focus != nullptr ? focus : dialog, Qt::Key_Return);
}

} // namespace

void TestInterchangeGui::thePreviewChangesNothingAndOkIsOneUndoStep()
{
    SProgram p;
    QVERIFY(p.started);
    const QString csv = p.app.TempPath(u"club.csv"_s);
    QVERIFY(WriteFile(csv, "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Mode\r\n"
                           "20,CLUB,146.940000,-,0.600000,Tone,100.0,88.5,FM\r\n"
                           "21,SPLIT,145.000000,split,446.000000,,88.5,88.5,FM\r\n"
                           "1,LOW,146.700000,-,0.600000,TSQL,88.5,69.4,FM\r\n"
                           "22,WIDE,223.500000,,,,88.5,88.5,FM\r\n"));
    const std::string before = p.Image();
    p.View().SelectRow(5);

    // At the Locations: channel 1 is in use and marked; Cancel leaves everything as it was.
    QStringList rows;
    QString summary;
    QString title;
    QPointer<QTimer> cancel =
        ClickInNextModal(u"importPreviewDialog"_s, u"cancelButton"_s, [&](QWidget* modal) {
            rows = TableRows(modal);
            summary = Summary(modal);
            title = modal->windowTitle();
        });
    FileDialogs::SetNextFileName(csv);
    QVERIFY(p.Frame().RunCommand(cmd::kFileImportCsv));
    QCOMPARE(FileDialogs::Requests().constFirst().filter, u"CSV Files (*.csv *.CSV);;All Files (*)"_s);
    QCOMPARE(title, u"Import CSV - club.csv"_s);
    QCOMPARE(rows, (QStringList{
                       u"2|20|146.940000|-|0.600000|Tone 100.0|CLUB|FM|"_s,
                       u"3||||||||Duplex 'split' transmits on 446.000000, 301.000000 MHz from the receive "
                       u"frequency, more than the largest offset (60.000000), row skipped"_s,
                       u"4|01 *|146.700000|-|0.600000|TSQL 69.3|LOW|FM|69.4 is not a tone, stored 69.3"_s,
                       u"5|22|223.500000||0.000000||WIDE|FM|223.500000 is outside the transceiver's "
                       u"bands, stored and marked ?"_s,
                   }));
    QCOMPARE(summary, u"Rows stored: 3. Rows skipped: 1. Channels in use overwritten (marked *): 1."_s);
    QCOMPARE(p.Image(), before);
    QVERIFY(!p.Doc().CanUndo());

    // Into blank channels from 40, only what the transceiver can use; Enter takes it.
    QPointer<QTimer> take = WhenModalOpens([&](QWidget* modal) {
        if (modal->objectName() != u"importPreviewDialog"_s) {
            return false;
        }
        modal->findChild<QComboBox*>(u"placementCombo"_s)->setCurrentIndex(2);
        modal->findChild<QSpinBox*>(u"fromSpin"_s)->setValue(40);
        modal->findChild<QCheckBox*>(u"fittingCheck"_s)->setChecked(true);
        rows = TableRows(modal);
        summary = Summary(modal);
        PressEnter(modal);
        return true;
    });
    FileDialogs::SetNextFileName(csv);
    QVERIFY(p.Frame().RunCommand(cmd::kFileImportCsv));
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows.at(2), u"4|41|146.700000|-|0.600000|TSQL 69.3|LOW|FM|69.4 is not a tone, stored 69.3"_s);
    QCOMPARE(rows.at(3), u"5||||||||223.500000 is outside the transceiver's bands, row skipped"_s);
    QCOMPARE(summary, u"Rows stored: 2. Rows skipped: 2. Channels in use overwritten (marked *): 0."_s);
    QCOMPARE(p.Cell(40, 4), u"CLUB"_s);
    QCOMPARE(p.Cell(41, 7), u"69.3"_s);
    QVERIFY(p.Cell(22, 4) != u"WIDE"_s);
    QCOMPARE(p.Frame().MessageText(), u" Imported club.csv"_s);
    QCOMPARE(p.View().SelectedRow(), 5);

    QCOMPARE(p.UndoText(), u"&Undo Import CSV\tCtrl+Z"_s);
    QCOMPARE(p.Doc().History().UndoCount(), size_t(1));
    QVERIFY(p.Frame().RunCommand(cmd::kEditUndo));
    QCOMPARE(p.Image(), before);
    QVERIFY(p.Cell(40, 4) != u"CLUB"_s);
    QVERIFY(!p.Doc().IsModified());

    // The choices are remembered.
    int placement = -1;
    int from = -1;
    bool fitting = false;
    QPointer<QTimer> again =
        ClickInNextModal(u"importPreviewDialog"_s, u"cancelButton"_s, [&](QWidget* modal) {
            placement = modal->findChild<QComboBox*>(u"placementCombo"_s)->currentIndex();
            from = modal->findChild<QSpinBox*>(u"fromSpin"_s)->value();
            fitting = modal->findChild<QCheckBox*>(u"fittingCheck"_s)->isChecked();
        });
    FileDialogs::SetNextFileName(csv);
    QVERIFY(p.Frame().RunCommand(cmd::kFileImportCsv));
    QCOMPARE(placement, 2);
    QCOMPARE(from, 40);
    QVERIFY(fitting);
    QCOMPARE(p.Image(), before);
}

void TestInterchangeGui::aListAtItsLocationsIsTakenWithEnter()
{
    SProgram p;
    QVERIFY(p.started);
    const QString csv = p.app.TempPath(u"exact.csv"_s);
    QVERIFY(WriteFile(csv, "Location,Frequency,Name\n30,145.500000,EXACT\n"));
    QString summary;
    QPointer<QTimer> enter = WhenModalOpens([&summary](QWidget* modal) {
        summary = Summary(modal);
        PressEnter(modal);
        return true;
    });
    FileDialogs::SetNextFileName(csv);
    QVERIFY(p.Frame().RunCommand(cmd::kFileImportCsv));
    QCOMPARE(summary, u"Rows stored: 1. Rows skipped: 0. Channels in use overwritten (marked *): 0."_s);
    QVERIFY(MessageBox::Shown().isEmpty());
    QCOMPARE(p.Cell(30, 4), u"EXACT"_s);
    QCOMPARE(p.Doc().History().UndoCount(), size_t(1));
}

void TestInterchangeGui::filesThatCannotBeImportedChangeNothing()
{
    SProgram p;
    QVERIFY(p.started);
    const std::string before = p.Image();
    const QString missing = p.app.TempPath(u"missing.csv"_s);
    FileDialogs::SetNextFileName(missing);
    QVERIFY(p.Frame().RunCommand(cmd::kFileImportCsv));
    QCOMPARE(MessageBox::Shown().size(), 1);
    QCOMPARE(MessageBox::Shown().constFirst().text,
             u" Cannot open the file\n "_s + missing +
                 u"\n\n The file does not exist, or this user may not read it."_s);

    const QString notCsv = p.app.TempPath(u"notes.csv"_s);
    QVERIFY(WriteFile(notCsv, "Channel,MHz\n1,145.5\n"));
    FileDialogs::SetNextFileName(notCsv);
    QVERIFY(p.Frame().RunCommand(cmd::kFileImportCsv));
    QCOMPARE(MessageBox::Shown().size(), 2);
    const QString text = MessageBox::Shown().at(1).text;
    QVERIFY2(text.startsWith(u" Cannot import the file\n "_s + notCsv + u"\n\n "_s), qPrintable(text));
    QCOMPARE(MessageBox::Shown().at(1).icon, MessageBox::Icon::Warning);

    QCOMPARE(p.Image(), before);
    QVERIFY(!p.Doc().CanUndo());
}

void TestInterchangeGui::exportAsksWhetherToAddTheEdgesAndCallChannels()
{
    SProgram p;
    QVERIFY(p.started);
    CL52RadioData& data = p.Doc().GetRadioData();
    const QString path = p.app.TempPath(u"out.csv"_s);

    FileDialogs::SetNextFileName(path);
    MessageBox::SetNextAnswer(MessageBox::Answer::No);
    QVERIFY(p.Frame().RunCommand(cmd::kFileExportCsv));
    QCOMPARE(MessageBox::Shown().constFirst().text,
             u" Export the program-scan edges and call channels as well?"_s);
    QCOMPARE(ReadFile(path), QByteArray::fromStdString(channel_csv::Export(data, false)));
    QCOMPARE(FileDialogs::Requests().constFirst().startPath, u"Untitled.csv"_s);
    QCOMPARE(p.Frame().MessageText(), u" Exported out.csv"_s);

    FileDialogs::SetNextFileName(path);
    MessageBox::SetNextAnswer(MessageBox::Answer::Yes);
    QVERIFY(p.Frame().RunCommand(cmd::kFileExportCsv));
    const QByteArray all = ReadFile(path);
    QCOMPARE(all, QByteArray::fromStdString(channel_csv::Export(data, true)));
    QVERIFY(all.contains("\nP0A,"));

    // Cancel at the question writes nothing; a folder that does not exist is reported.
    const QString other = p.app.TempPath(u"other.csv"_s);
    FileDialogs::SetNextFileName(other);
    MessageBox::SetNextAnswer(MessageBox::Answer::Cancel);
    QVERIFY(p.Frame().RunCommand(cmd::kFileExportCsv));
    QVERIFY(!QFile::exists(other));
    const QString nowhere = p.app.TempPath(u"no/such/folder.csv"_s);
    FileDialogs::SetNextFileName(nowhere);
    MessageBox::SetNextAnswer(MessageBox::Answer::No);
    QVERIFY(p.Frame().RunCommand(cmd::kFileExportCsv));
    QCOMPARE(MessageBox::Shown().last().text,
             u" Cannot save the file\n "_s + nowhere + u"\n\n"_s + LoadString(ids::kFileCannotWrite));
    QVERIFY(!p.Doc().CanUndo());
}

void TestInterchangeGui::compareWithFileListsTheDifferences()
{
    SProgram p;
    QVERIFY(p.started);
    const QString path = p.app.TempPath(u"radio.vlk"_s);
    QVERIFY(p.Doc().OnSaveDocument(path));
    {
        SListWatch same(u"differencesDialog"_s);
        FileDialogs::SetNextFileName(path);
        QVERIFY(p.Frame().RunCommand(cmd::kFileCompare));
        QVERIFY(same.shown);
        QVERIFY(same.lines.isEmpty());
        QCOMPARE(same.items, (QStringList{u"No differences"_s}));
    }
    QCOMPARE(FileDialogs::Requests().constFirst().filter, p.Doc().FileFilter());

    p.Doc().GetRadioData().Execute("CH.MCH.1.FREQUENCY=146.52");
    p.Doc().GetRadioData().Execute("COMMON.BEEP=OFF");
    const std::string image = p.Image();
    {
        SListWatch changed(u"differencesDialog"_s);
        FileDialogs::SetNextFileName(path);
        QVERIFY(p.Frame().RunCommand(cmd::kFileCompare));
        QVERIFY(changed.shown);
        QCOMPARE(changed.title, u"Compare with File - radio.vlk"_s);
        QCOMPARE(changed.intro,
                 u"Each line shows the value in this document, then -> and the value in radio.vlk."_s);
        QCOMPARE(changed.lines,
                 (QStringList{u"MCH 01  Frequency 146.5200 -> 146.0100"_s, u"COMMON  Beep OFF -> ON"_s}));
        QCOMPARE(changed.items, changed.lines);
    }
    QCOMPARE(p.Image(), image);

    // A file that does not load: the reason, no list.
    const QString broken = p.app.TempPath(u"broken.vlk"_s);
    QVERIFY(WriteFile(broken, "not a clone data file\n"));
    SListWatch none(u"differencesDialog"_s);
    FileDialogs::SetNextFileName(broken);
    QVERIFY(p.Frame().RunCommand(cmd::kFileCompare));
    QCOMPARE(MessageBox::Shown().size(), 1);
    QCOMPARE(MessageBox::Shown().constFirst().text,
             u" Cannot open the file\n "_s + broken + u"\n\n"_s + LoadString(ids::kFileFormatError));
    QVERIFY(!none.shown);
    QCOMPARE(p.Image(), image);
}

ZQ_GUI_TEST(TestInterchangeGui)
#include "tst_interchange_gui.moc"
