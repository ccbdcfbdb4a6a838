#include "app/document_wiring.h"
#include "app/tone_player.h"
#include "app/zql52_doc.h"
#include "core/command_ids.h"
#include "core/rig/radio_data.h"
#include "res/load_string.h"
#include "support/gui_test_main.h"
#include "support/gui_test_support.h"
#include "ui/channel_list_view.h"
#include "ui/main_frame.h"

#include <QAccessible>
#include <QHeaderView>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr std::string_view kColumn = "Column";

// A document on its own settings with its list and a frame that runs the list's commands, the way the
// program puts them together; the list is a window of its own.
struct SListFixture
{
    explicit SListFixture(bool band50 = true)
    {
        if (band50) {
            settings.Store().SetInt("SetupInfo", "0000", 1);
            settings.Store().SetInt("SetupInfo", "0003", 2);
        }
        document = std::make_unique<CZQL52Doc>(settings.Store(), tones);
        view = std::make_unique<CZQL52View>(*document);
        frame = std::make_unique<CMainFrame>(settings.Store());
        ConnectDocumentView(*document, *view);
        files = ConnectDocumentFrame(*document, *view, *frame);
        document->OnNewDocument();
    }

    QString Execute(const char* command) const
    {
        return QString::fromStdString(document->GetRadioData().Execute(command));
    }

    CTestSettings settings;
    CNullTonePlayer tones;
    std::unique_ptr<CZQL52Doc> document;
    std::unique_ptr<CZQL52View> view;
    std::unique_ptr<CMainFrame> frame;
    std::unique_ptr<SFileCommands> files;
};

QStringList RowTexts(const CZQL52View& view, int row)
{
    QStringList texts;
    for (int column = 0; column < 11; ++column) {
        texts.append(view.model()->index(row, column).data().toString());
    }
    return texts;
}

// Styles may blend a focus frame over the highlight: a few steps off still counts as the same colour.
bool Near(const QColor& a, const QColor& b)
{
    constexpr int kTolerance = 8;
    return std::abs(a.red() - b.red()) <= kTolerance && std::abs(a.green() - b.green()) <= kTolerance &&
           std::abs(a.blue() - b.blue()) <= kTolerance;
}

QStringList Labelled(const QString& label)
{
    QStringList texts(11);
    texts[0] = label;
    return texts;
}

} // namespace

class TestChannelListView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { AnswerDialogsAutomatically(); }

    void hasTheRowsColumnsAndHeaders();
    void labelsFollowTheRowTable();
    void firstCallChannelIsWfmWithoutThe50MHzBand();
    void cellsFollowTheDisplayRules();
    void listShowsExactlyTheCache();
    void cellsSayTheirColumnToAssistiveTechnology_data();
    void cellsSayTheirColumnToAssistiveTechnology();
    void firstUpdateSelectsRowZeroAndLaterUpdatesKeepTheSelection();
    void selectRowIgnoresRowsOutsideTheList();
    void columnWidthsAreReadClampedAndStored();
    void defaultWidthsShowEveryCellAndTitle_data();
    void defaultWidthsShowEveryCellAndTitle();
    void storedWidthKeepsTheIllegalMark();
    void rowsFollowADarkPalette();
    void shorteningEndsInThreeDots();
    void cutCellsShowTheirWholeTextAsToolTip();
    void enterAndDoubleClickEditTheSelectedRow();
    void listKeysRunTheirCommandsThroughTheFrame_data();
    void listKeysRunTheirCommandsThroughTheFrame();
    void deleteKeyClearsTheSelectedChannel();
    void headerClickDoesNotSort();
    void highlightFollowsTheKeyboardFocus();
};

void TestChannelListView::hasTheRowsColumnsAndHeaders()
{
    SListFixture f;
    QCOMPARE(f.view->objectName(), u"channelListView"_s);
    QCOMPARE(f.view->model()->rowCount(), 124);
    QCOMPARE(f.view->model()->columnCount(), 11);
    QStringList headers;
    for (int column = 0; column < 11; ++column) {
        headers.append(f.view->model()->headerData(column, Qt::Horizontal).toString());
    }
    QCOMPARE(headers,
             QStringList({u"CH"_s, u"Frequency"_s, u"Duplex"_s, u"Offset freq."_s, u"Name"_s, u"Tone"_s,
                          u"Repeater Tone"_s, u"CTCSS freq."_s, u"Skip"_s, u"Mode  "_s, QString()}));
    const auto alignment = [&f](int column) {
        return f.view->model()->index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>() &
               Qt::AlignHorizontal_Mask;
    };
    QCOMPARE(alignment(0), Qt::AlignLeft);
    for (int column = 1; column <= 9; ++column) {
        QCOMPARE(alignment(column), Qt::AlignRight);
    }
    QCOMPARE(alignment(10), Qt::AlignLeft);
    QCOMPARE(f.view->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(f.view->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(f.view->FullRowSelect());
}

void TestChannelListView::labelsFollowTheRowTable()
{
    SListFixture f;
    const auto label = [&f](int row) { return f.view->model()->index(row, 0).data().toString(); };
    QCOMPARE(label(0), u"00"_s);
    QCOMPARE(label(7), u"07"_s);
    QCOMPARE(label(99), u"99"_s);
    QCOMPARE(label(100), u"P0A"_s);
    QCOMPARE(label(101), u"P0B"_s);
    QCOMPARE(label(119), u"P9B"_s);
    QCOMPARE(label(120), u"CALL_50M"_s);
    QCOMPARE(label(121), u"CALL_144"_s);
    QCOMPARE(label(122), u"CALL_430"_s);
    QCOMPARE(label(123), u"CALL_1200"_s);
}

void TestChannelListView::firstCallChannelIsWfmWithoutThe50MHzBand()
{
    SListFixture f(false);
    QCOMPARE(f.view->model()->index(120, 0).data().toString(), u"CALL_WFM"_s);
    // The row still addresses the first call channel.
    QCOMPARE(f.Execute("CH.CALL.50.APPEAR"), u"ON"_s);
    QVERIFY(!f.view->CellText(120, 1).isEmpty());
}

void TestChannelListView::cellsFollowTheDisplayRules()
{
    SListFixture f;
    QCOMPARE(RowTexts(*f.view, 0),
             QStringList({u"00"_s, u"51.0000"_s, QString(), u"0.5000"_s, QString(), QString(), u"88.5"_s,
                          u"88.5"_s, QString(), u"FM"_s, QString()}));
    // A blank memory channel shows its label only.
    QCOMPARE(f.Execute("CH.MCH.98.APPEAR"), u"OFF"_s);
    QCOMPARE(RowTexts(*f.view, 98), Labelled(u"98"_s));
    QCOMPARE(RowTexts(*f.view, 119), Labelled(u"P9B"_s));
    // Edges show their names and no skip; call channels neither.
    QCOMPARE(f.view->CellText(100, 8), u"----"_s);
    QCOMPARE(f.view->CellText(120, 4), u"------"_s);
    QCOMPARE(f.view->CellText(123, 8), u"----"_s);

    f.Execute("CH.MCH.1.FREQUENCY=1000");
    f.Execute("CH.MCH.1.DUPLEX_SELECTION=Dup-");
    f.Execute("CH.MCH.1.SKIP=ON");
    f.Execute("CH.MCH.1.TONE_SELECTION=TONE");
    f.Execute("CH.MCH.1.NAME=QRP");
    f.Execute("CH.MCH.2.DUPLEX_SELECTION=Dup+");
    f.view->RefreshRow(1);
    f.view->RefreshRow(2);
    const QStringList illegal = RowTexts(*f.view, 1);
    QCOMPARE(illegal.at(1), u"1000.0000 ?"_s);
    QCOMPARE(illegal.at(2), u"-Dup"_s);
    QCOMPARE(illegal.at(4), u"QRP"_s);
    QCOMPARE(illegal.at(5), u"TONE"_s);
    QCOMPARE(illegal.at(8), u"SKIP"_s);
    QCOMPARE(f.view->CellText(2, 2), u"+Dup"_s);
    QCOMPARE(f.view->CellText(2, 5), QString());
}

void TestChannelListView::cellsSayTheirColumnToAssistiveTechnology_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    const QString notAllowed = u"not allowed for this transceiver version"_s;
    QTest::newRow("a cell") << 0 << 1 << u"Frequency 51.0000"_s << QString();
    QTest::newRow("the title without its blanks") << 0 << 9 << u"Mode FM"_s << QString();
    QTest::newRow("the channel: the whole row")
        << 0 << 0
        << u"00, Frequency 51.0000, Offset freq. 0.5000, Repeater Tone 88.5, CTCSS freq. 88.5, Mode FM"_s
        << QString();
    QTest::newRow("a blank channel") << 98 << 0 << u"98"_s << QString();
    QTest::newRow("\"?\" in words") << 1 << 1 << u"Frequency 1000.0000"_s << notAllowed;
    QTest::newRow("\"?\" with the channel")
        << 1 << 0
        << u"01, Frequency 1000.0000, Offset freq. 0.6000, Repeater Tone 88.5, CTCSS freq. 88.5, Mode FM"_s
        << notAllowed;
}

// As Qt's accessibility gives them to a screen reader: what the keyboard moves through is the first column.
void TestChannelListView::cellsSayTheirColumnToAssistiveTechnology()
{
    QFETCH(int, row);
    QFETCH(int, column);
    SListFixture f;
    f.Execute("CH.MCH.1.FREQUENCY=1000");
    f.view->RefreshRow(1);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(f.view.get());
    QCOMPARE(list->text(QAccessible::Name), u"Channels"_s);
    QAccessibleInterface* cell = list->tableInterface()->cellAt(row, column);
    QVERIFY(cell != nullptr);
    QTEST(cell->text(QAccessible::Name), "name");
    QTEST(cell->text(QAccessible::Description), "description");
}

void TestChannelListView::listShowsExactlyTheCache()
{
    SListFixture f;
    for (int row = 0; row < 124; ++row) {
        for (int column = 0; column < 11; ++column) {
            QCOMPARE(f.view->model()->index(row, column).data().toString(), f.view->CellText(row, column));
            QVERIFY(f.view->CellText(row, column).size() <= 31);
        }
    }
    // A change the list has not rebuilt yet is not shown; after RefreshRow it is.
    f.Execute("CH.MCH.0.FREQUENCY=145.5");
    QCOMPARE(f.view->CellText(0, 1), u"51.0000"_s);
    f.view->BuildRow(0);
    QCOMPARE(f.view->CellText(0, 1), u"145.5000"_s);
    QCOMPARE(f.view->model()->index(0, 1).data().toString(), u"51.0000"_s);
    f.view->ShowRow(0);
    QCOMPARE(f.view->model()->index(0, 1).data().toString(), u"145.5000"_s);
    QVERIFY(f.view->CellText(124, 0).isEmpty());
    f.view->ShowRow(-1);
    f.view->ShowRow(124);
}

void TestChannelListView::firstUpdateSelectsRowZeroAndLaterUpdatesKeepTheSelection()
{
    SListFixture f;
    QCOMPARE(f.view->SelectedRow(), 0);
    QVERIFY(f.view->selectionModel()->isRowSelected(0, QModelIndex()));
    f.view->SelectRow(57);
    QCOMPARE(f.view->SelectedRow(), 57);
    QCOMPARE(f.view->currentIndex().row(), 57);
    QCOMPARE(f.view->selectionModel()->selectedRows().size(), 1);

    QSignalSpy shown(f.view.get(), &CZQL52View::RowShown);
    Q_EMIT f.document->DocumentChanged();
    QCOMPARE(shown.size(), 124);
    QCOMPARE(f.view->SelectedRow(), 57);

    f.document->OnNewDocument();
    QCOMPARE(f.view->SelectedRow(), 0);

    f.view->selectionModel()->clearSelection();
    QCOMPARE(f.view->SelectedRow(), 0);
}

void TestChannelListView::selectRowIgnoresRowsOutsideTheList()
{
    SListFixture f;
    f.view->SelectRow(12);
    f.view->SelectRow(124);
    f.view->SelectRow(-1);
    QCOMPARE(f.view->SelectedRow(), 12);
}

void TestChannelListView::columnWidthsAreReadClampedAndStored()
{
    QList<int> defaults;
    CTestSettings settings;
    CNullTonePlayer tones;
    {
        CZQL52Doc document(settings.Store(), tones);
        CZQL52View view(document);
        // Without stored widths the columns fit their content (see the next test); the filler is 400.
        QCOMPARE(view.header()->sectionSize(10), 400);
        defaults.clear();
        for (int column = 0; column < 11; ++column) {
            defaults.append(view.header()->sectionSize(column));
        }
        view.header()->resizeSection(3, 123);
    }
    QCOMPARE(settings.Store().GetInt(kColumn, "Width3", -1), 123);
    QCOMPARE(settings.Store().GetInt(kColumn, "Width10", -1), 400);

    settings.Store().SetInt(kColumn, "Width0", 5);
    settings.Store().SetInt(kColumn, "Width1", 1000);
    settings.Store().SetInt(kColumn, "Width2", 0);
    {
        CZQL52Doc document(settings.Store(), tones);
        CZQL52View view(document);
        QCOMPARE(view.header()->sectionSize(0), 20);
        QCOMPARE(view.header()->sectionSize(1), 400);
        QCOMPARE(view.header()->sectionSize(2), defaults.at(2));
        QCOMPARE(view.header()->sectionSize(3), 123);
    }
    const auto stored = settings.Reopen();
    QCOMPARE(stored->GetInt(kColumn, "Width0", -1), 20);
    QCOMPARE(stored->GetInt(kColumn, "Width1", -1), 400);
}

void TestChannelListView::defaultWidthsShowEveryCellAndTitle_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::newRow("the desktop's font") << 1.0;
    QTest::newRow("a large font") << 2.0;
}

// The widest texts each column holds: labels, an illegal four-digit frequency, six wide letters, the
// longest mode; none is cut, and neither is a title.
void TestChannelListView::defaultWidthsShowEveryCellAndTitle()
{
    QFETCH(qreal, scale);
    const QFont desktop = QApplication::font();
    QFont font = desktop;
    font.setPointSizeF(desktop.pointSizeF() * scale);
    QApplication::setFont(font);
    SListFixture f;
    QApplication::setFont(desktop);
    for (const char* command :
         {"CH.MCH.1.APPEAR=ON", "CH.MCH.1.FREQUENCY=1100", "CH.MCH.1.NAME=WWWMMM",
          "CH.MCH.1.DUPLEX_SELECTION=Dup-", "CH.MCH.1.REPEATER_FREQUENCY=59.9950",
          "CH.MCH.1.TONE_SELECTION=TSQL", "CH.MCH.1.REPEATER_TONE_FREQUENCY=254.1",
          "CH.MCH.1.TSQL_FREQUENCY=203.5", "CH.MCH.1.SKIP=ON", "CH.MCH.2.APPEAR=ON", "CH.MCH.2.FREQUENCY=145",
          "CH.MCH.2.MODE=FM Narrow", "CH.MCH.2.NAME=(:)*/+"}) {
        f.Execute(command);
    }
    f.view->RefreshAll();
    QCOMPARE(f.view->CellText(1, 1), u"1100.0000 ?"_s);
    QCOMPARE(f.view->CellText(2, 9), u"FM Narrow"_s);
    const QFontMetrics metrics(f.view->font());
    const QHeaderView* header = f.view->header();
    for (int column = 0; column < 10; ++column) {
        const int width = header->sectionSize(column);
        QVERIFY2(width >= header->sectionSizeHint(column), qPrintable(QString::number(column)));
        for (int row : {1, 2, 121}) {
            bool shortened = true;
            CListViewEx::ShortenText(metrics, f.view->CellText(row, column), width,
                                     column == 0 ? CListViewEx::kLabelSpare : CListViewEx::kCellSpare,
                                     &shortened);
            QVERIFY2(!shortened, qPrintable(f.view->CellText(row, column)));
        }
    }
}

// A width stored under a smaller font still shows the "?" of an illegal channel; the other columns keep
// what the user dragged.
void TestChannelListView::storedWidthKeepsTheIllegalMark()
{
    CTestSettings settings;
    CNullTonePlayer tones;
    settings.Store().SetInt(kColumn, "Width1", 30);
    settings.Store().SetInt(kColumn, "Width4", 30);
    CZQL52Doc document(settings.Store(), tones);
    CZQL52View view(document);
    const int needed =
        QFontMetrics(view.font()).horizontalAdvance(u"0000.0000 ?"_s) + CListViewEx::kCellSpare;
    QVERIFY(view.header()->sectionSize(1) >= needed);
    QCOMPARE(view.header()->sectionSize(4), 30);
}

// Rows take the palette's colours when they are painted: a dark theme chosen while the list is open
// paints dark rows, not the white of the palette the list was built with.
void TestChannelListView::rowsFollowADarkPalette()
{
    SListFixture f;
    f.view->resize(600, 300);
    f.view->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.view.get()));
    const QRect row = f.view->visualRect(f.view->model()->index(3, 2));
    const QPoint probe(row.center().x(), row.center().y());
    const auto probed = [&f, probe] { return f.view->viewport()->grab().toImage().pixelColor(probe); };
    const QColor light = f.view->TextBackgroundColor();
    QVERIFY(Near(probed(), light));

    const QPalette original = QApplication::palette();
    QPalette dark = original;
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Text, QColor(0xE0, 0xE0, 0xE0));
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    QApplication::setPalette(dark);
    QTRY_COMPARE(f.view->TextBackgroundColor(), QColor(0x20, 0x20, 0x20));
    QTRY_VERIFY(Near(probed(), QColor(0x20, 0x20, 0x20)));
    QApplication::setPalette(original);
    QTRY_VERIFY(Near(probed(), light));

    // A colour set on purpose stays, whatever the palette.
    f.view->SetTextBackgroundColor(Qt::yellow);
    QApplication::setPalette(dark);
    QCOMPARE(f.view->TextBackgroundColor(), QColor(Qt::yellow));
    QApplication::setPalette(original);
}

void TestChannelListView::shorteningEndsInThreeDots()
{
    const QFontMetrics metrics(QApplication::font());
    const QString text = u"1295.0000 ?"_s;
    const int full = metrics.horizontalAdvance(text);
    bool shortened = true;
    QCOMPARE(CListViewEx::ShortenText(metrics, text, full + 12, 12, &shortened), text);
    QVERIFY(!shortened);
    QCOMPARE(CListViewEx::ShortenText(metrics, QString(), 0, 12, &shortened), QString());
    QVERIFY(!shortened);

    const QString cut = CListViewEx::ShortenText(metrics, text, full + 11, 12, &shortened);
    QVERIFY(shortened);
    QVERIFY(cut.endsWith(u"..."_s));
    QVERIFY(text.startsWith(cut.chopped(3)));
    QVERIFY(metrics.horizontalAdvance(cut) + 12 <= full + 11);
    // As many characters as fit.
    const QString longer = text.left(cut.size() - 3 + 1) + u"..."_s;
    QVERIFY(metrics.horizontalAdvance(longer) + 12 > full + 11);

    // Nothing fits: the first character stays.
    QCOMPARE(CListViewEx::ShortenText(metrics, text, 1, 12), u"1..."_s);
    QCOMPARE(CListViewEx::ShortenText(metrics, u"W"_s, 1, 12), u"W..."_s);
}

void TestChannelListView::cutCellsShowTheirWholeTextAsToolTip()
{
    SListFixture f;
    f.Execute("CH.MCH.1.NAME=WWWWWW");
    f.view->RefreshRow(1);
    f.view->resize(800, 300);
    f.view->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.view.get()));
    f.view->header()->resizeSection(4, 30);
    const auto hover = [&f](int row, int column) {
        const QRect cell = f.view->visualRect(f.view->model()->index(row, column));
        QHelpEvent help(QEvent::ToolTip, cell.center(), f.view->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(f.view->viewport(), &help);
    };

    hover(1, 4);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), u"WWWWWW"_s);
    // A text that fits has none.
    hover(1, 0);
    QTRY_VERIFY(!QToolTip::isVisible());
}

void TestChannelListView::enterAndDoubleClickEditTheSelectedRow()
{
    SListFixture f;
    f.view->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.view.get()));
    QList<int> edited;
    bool confirm = false;
    f.view->SetEditHandler([&edited, &confirm](int row) {
        edited.append(row);
        return confirm;
    });
    QSignalSpy shown(f.view.get(), &CZQL52View::RowShown);

    f.view->SelectRow(4);
    QTest::keyClick(f.view.get(), Qt::Key_Return);
    QCOMPARE(edited, QList<int>({4}));
    QCOMPARE(f.view->GetCurrentChannel(), 4);
    // Cancelled: the row's texts are not touched.
    QCOMPARE(shown.size(), 0);

    confirm = true;
    f.view->SelectRow(9);
    QTest::keyClick(f.view.get(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(edited, QList<int>({4, 9}));
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).at(0).toInt(), 9);

    // A double-click below the last visible row edits the selected row.
    f.view->SelectRow(2);
    const QRect row2 = f.view->visualRect(f.view->model()->index(2, 0));
    QTest::mouseDClick(f.view->viewport(), Qt::LeftButton, Qt::NoModifier, row2.center());
    QCOMPARE(edited.last(), 2);

    f.view->selectionModel()->clearSelection();
    f.view->EditSelected();
    QCOMPARE(edited.last(), 0);
    QCOMPARE(f.view->GetCurrentChannel(), 0);
}

void TestChannelListView::listKeysRunTheirCommandsThroughTheFrame_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("command");
    // No key: a double-click.
    QTest::newRow("Return") << int(Qt::Key_Return) << cmd::kEditMemory;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << cmd::kEditMemory;
    QTest::newRow("double-click") << 0 << cmd::kEditMemory;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << cmd::kEditClearKey;
}

void TestChannelListView::listKeysRunTheirCommandsThroughTheFrame()
{
    QFETCH(int, key);
    QFETCH(int, command);
    SListFixture f;
    f.view->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.view.get()));
    f.view->SelectRow(3);
    int edits = 0;
    f.view->SetEditHandler([&edits](int) {
        ++edits;
        return false;
    });
    const std::string image = f.document->GetRadioData().Execute("IMAGE");
    bool enabled = false;
    int runs = 0;
    f.frame->SetCommandHandler(
        command, [&runs] { ++runs; }, [&enabled](QAction& action) { action.setEnabled(enabled); });
    const auto press = [&] {
        if (key == 0) {
            const QRect row = f.view->visualRect(f.view->model()->index(3, 0));
            QTest::mouseDClick(f.view->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
        } else {
            QTest::keyClick(f.view.get(), Qt::Key(key),
                            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        }
    };

    // Disabled in the frame: nothing runs.
    press();
    QCOMPARE(runs, 0);
    enabled = true;
    press();
    QCOMPARE(runs, 1);
    // Only the frame's handler ran: the list neither edited nor cleared the row itself.
    QCOMPARE(edits, 0);
    QCOMPARE(f.document->GetRadioData().Execute("IMAGE"), image);
}

void TestChannelListView::deleteKeyClearsTheSelectedChannel()
{
    SListFixture f;
    f.view->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.view.get()));
    QVERIFY(!f.document->IsModified());
    f.view->SelectRow(1);
    QTest::keyClick(f.view.get(), Qt::Key_Delete);
    QCOMPARE(f.Execute("CH.MCH.1.APPEAR"), u"OFF"_s);
    QCOMPARE(RowTexts(*f.view, 1), Labelled(u"01"_s));
    QVERIFY(f.document->IsModified());
    // A row the channel table does not clear is rebuilt unchanged.
    f.view->SelectRow(121);
    const QStringList before = RowTexts(*f.view, 121);
    QTest::keyClick(f.view.get(), Qt::Key_Delete);
    QCOMPARE(RowTexts(*f.view, 121), before);
}

void TestChannelListView::headerClickDoesNotSort()
{
    SListFixture f;
    f.view->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.view.get()));
    QHeaderView* header = f.view->header();
    const QPoint frequencyHeader(header->sectionViewportPosition(1) + 10, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, frequencyHeader);
    QVERIFY(!f.view->isSortingEnabled());
    QCOMPARE(f.view->model()->index(0, 0).data().toString(), u"00"_s);
    QCOMPARE(f.view->model()->index(123, 0).data().toString(), u"CALL_1200"_s);
}

void TestChannelListView::highlightFollowsTheKeyboardFocus()
{
    SListFixture f;
    f.view->resize(600, 300);
    f.view->show();
    f.view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.view.get()));
    f.view->setFocus();
    QTRY_VERIFY(f.view->hasFocus());
    f.view->SelectRow(0);

    const QRect row = f.view->visualRect(f.view->model()->index(0, 2));
    // Inside the empty duplex cell of row 0, where no text is drawn.
    const QPoint probe(row.center().x(), row.center().y());
    const QColor highlight = f.view->palette().color(QPalette::Active, QPalette::Highlight);
    const auto probed = [&f, probe] { return f.view->viewport()->grab().toImage().pixelColor(probe); };
    QTRY_VERIFY(Near(probed(), highlight));

    f.view->clearFocus();
    QTRY_VERIFY(Near(probed(), f.view->TextBackgroundColor()));
    QVERIFY(!Near(f.view->TextBackgroundColor(), highlight));
}

ZQ_GUI_TEST(TestChannelListView)
#include "tst_channel_list_view.moc"
