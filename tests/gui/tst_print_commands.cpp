#include "app/zql52_doc.h"
#include "core/rig/radio_data.h"
#include "core/settings_store.h"
#include "support/app_fixture.h"
#include "support/gui_test_main.h"
#include "support/modal_dialogs.h"
#include "ui/main_frame.h"
#include "ui/print_commands.h"
#include "ui/print_options_dialog.h"
#include "ui/widgets/file_dialogs.h"
#include "ui/widgets/message_box.h"

#include <QCheckBox>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPages(const QString& path)
{
    const QRegularExpressionMatch match =
        QRegularExpression(u"Pages:\\s+(\\d+)"_s).match(Run(u"pdfinfo"_s, {path}));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QString PdfText(const QString& path)
{
    return Run(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s});
}

// Where screenshots go when the environment asks for them; empty otherwise.
QString ShotPath(const QString& name)
{
    const QString folder = qEnvironmentVariable("ZQ_SHOT_DIR");
    return folder.isEmpty() ? QString() : QDir(folder).filePath(name);
}

// Answers the next options dialog: sets the check boxes, then OK (or Cancel when `accept` is false).
void AnswerOptions(bool blank, bool common, bool dtmf, bool accept = true)
{
    ClickInNextModal(u"printOptionsDialog"_s, accept ? u"okButton"_s : u"cancelButton"_s,
                     [blank, common, dtmf](QWidget* modal) {
                         if (const QString shot = ShotPath(u"print-options.png"_s); !shot.isEmpty()) {
                             modal->grab().save(shot);
                         }
                         modal->findChild<QCheckBox*>(u"blankChannelsCheck"_s)->setChecked(blank);
                         modal->findChild<QCheckBox*>(u"commonSettingsCheck"_s)->setChecked(common);
                         modal->findChild<QCheckBox*>(u"dtmfMemoriesCheck"_s)->setChecked(dtmf);
                     });
}

void PutChannels(CZQL52Doc& document)
{
    for (const char* command :
         {"CH.MCH.10.FREQUENCY=146.52", "CH.MCH.10.APPEAR=ON", "CH.MCH.10.NAME=SIMPLX"}) {
        document.GetRadioData().Execute(command);
    }
}

} // namespace

class TestPrintCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { AnswerDialogsAutomatically(); }
    void cleanup() { CPrintCommands::SetPrintDialogRunner({}); }

    void exportPdfWritesTheSheetToTheChosenFile();
    void optionsReachTheSheetAndAreRemembered();
    void previewShowsThePages();
    void optionsDialogIsWideEnoughForItsTitle();
};

void TestPrintCommands::exportPdfWritesTheSheetToTheChosenFile()
{
    CAppFixture f;
    f.MarkSetupDone();
    QVERIFY(f.Start());
    PutChannels(f.Doc());
    QVERIFY(f.Frame().Action(cmd::kFileExportPdf)->isEnabled());

    const QString pdf = f.TempPath(u"sheet.pdf"_s);
    FileDialogs::SetNextFileName(pdf);
    AnswerOptions(false, false, false);
    QVERIFY(f.Frame().RunCommand(cmd::kFileExportPdf));

    QCOMPARE(FileDialogs::Requests().size(), 1);
    const FileDialogs::SRequest request = FileDialogs::Requests().constFirst();
    QCOMPARE(request.kind, FileDialogs::Kind::Save);
    QCOMPARE(request.caption, u"Export PDF"_s);
    QCOMPARE(request.startPath, u"Untitled.pdf"_s);
    QCOMPARE(request.filter, u"PDF Files (*.pdf)"_s);
    QCOMPARE(PdfPages(pdf), 1);
    QCOMPARE(f.Frame().MessageText(), u" Exported sheet.pdf"_s);
    const QString text = PdfText(pdf);
    QVERIFY2(text.contains(u"Untitled"_s) && text.contains(u"SIMPLX"_s) && text.contains(u"146.5200"_s),
             qPrintable(text));
    QVERIFY(MessageBox::Shown().isEmpty());

    // A folder that does not exist: the user is told why, nothing is written.
    const QString missing = f.TempPath(u"no-such-folder/sheet.pdf"_s);
    FileDialogs::SetNextFileName(missing);
    AnswerOptions(false, false, false);
    QVERIFY(f.Frame().RunCommand(cmd::kFileExportPdf));
    QCOMPARE(MessageBox::Shown().size(), 1);
    QVERIFY(MessageBox::Shown().constFirst().text.contains(QDir::toNativeSeparators(missing)));
    QVERIFY(!QFileInfo::exists(missing));

    // Cancel in the options dialog ends the command before the file dialog.
    FileDialogs::Reset();
    AnswerOptions(false, false, false, false);
    QVERIFY(f.Frame().RunCommand(cmd::kFileExportPdf));
    QVERIFY(FileDialogs::Requests().isEmpty());
}

void TestPrintCommands::optionsReachTheSheetAndAreRemembered()
{
    CAppFixture f;
    f.MarkSetupDone();
    QVERIFY(f.Start());
    PutChannels(f.Doc());
    const QString pdf = f.TempPath(u"printed.pdf"_s);
    int dialogs = 0;
    CPrintCommands::SetPrintDialogRunner([&](QPrinter& printer, QWidget*) {
        ++dialogs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });

    struct SCase
    {
        bool blank, common, dtmf;
        int pages;
    };
    for (const SCase c : {SCase{false, false, false, 1}, SCase{true, true, true, 3}}) {
        QFile::remove(pdf);
        AnswerOptions(c.blank, c.common, c.dtmf);
        QVERIFY(f.Frame().RunCommand(cmd::kFilePrint));
        QCOMPARE(PdfPages(pdf), c.pages);
        const QString text = PdfText(pdf);
        QCOMPARE(text.contains(u"Common settings"_s), c.common);
        QCOMPARE(text.contains(u"DTMF memories"_s), c.dtmf);
        // A blank channel shows only its number at the start of a row.
        QCOMPARE(text.contains(QRegularExpression(u"^\\s*05\\s*$"_s, QRegularExpression::MultilineOption)),
                 c.blank);

        const channel_sheet::SOptions stored = CPrintOptionsDlg::StoredOptions(*f.Settings().Reopen());
        QCOMPARE(stored.blankChannels, c.blank);
        QCOMPARE(stored.commonSettings, c.common);
        QCOMPARE(stored.dtmfMemories, c.dtmf);
    }
    QCOMPARE(dialogs, 2);

    // The next options dialog starts from the stored choices.
    bool seen = false;
    ClickInNextModal(u"printOptionsDialog"_s, u"cancelButton"_s, [&seen](QWidget* modal) {
        const auto* dialog = qobject_cast<CPrintOptionsDlg*>(modal);
        QVERIFY(dialog != nullptr);
        QVERIFY(dialog->Options().blankChannels && dialog->Options().commonSettings &&
                dialog->Options().dtmfMemories);
        seen = true;
    });
    QVERIFY(f.Frame().RunCommand(cmd::kFilePrint));
    QVERIFY(seen);
    QCOMPARE(dialogs, 2);
}

void TestPrintCommands::previewShowsThePages()
{
    CAppFixture f;
    f.MarkSetupDone();
    QVERIFY(f.Start());
    PutChannels(f.Doc());
    AnswerOptions(true, false, false);
    int pages = 0;
    WhenModalOpens([&pages](QWidget* modal) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
        if (preview == nullptr) {
            return false;
        }
        auto* widget = preview->findChild<QPrintPreviewWidget*>();
        if (widget == nullptr || widget->pageCount() == 0) {
            return false;
        }
        pages = widget->pageCount();
        if (const QString shot = ShotPath(u"print-preview.png"_s); !shot.isEmpty()) {
            preview->resize(700, 820);
            widget->fitInView();
            QTest::qWait(200);
            preview->grab().save(shot);
        }
        preview->reject();
        return true;
    });
    QVERIFY(f.Frame().RunCommand(cmd::kFilePrintPreview));
    QCOMPARE(pages, 2);
}

void TestPrintCommands::optionsDialogIsWideEnoughForItsTitle()
{
    CMemorySettingsStore settings;
    CPrintOptionsDlg dialog(settings);
    dialog.show();
    // The caption shares the title bar with the window's icon and three buttons, each about a line high.
    const QFontMetrics metrics(dialog.font());
    QVERIFY(dialog.width() >= metrics.horizontalAdvance(dialog.windowTitle()) + 4 * metrics.height());
}

ZQ_GUI_TEST(TestPrintCommands)
#include "tst_print_commands.moc"
