#include "support/gui_test_main.h"
#include "ui/report_dialog.h"

#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestLineListDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void longLinesWrapInsteadOfScrolling();
};

void TestLineListDialog::longLinesWrapInsteadOfScrolling()
{
    const QString longLine =
        u"line 3: "_s + QString(40, u'x') + u" and so on "_s.repeated(12) + u"row skipped"_s;
    CReportDlg dialog(u"Import CSV"_s, u"Rows stored: 1."_s, {u"line 2: short"_s, longLine});
    dialog.resize(420, 320);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* list = dialog.findChild<QListWidget*>(u"linesList"_s);
    QVERIFY(list != nullptr);
    QTRY_COMPARE(list->horizontalScrollBar()->maximum(), 0);
    const int lineHeight = list->fontMetrics().lineSpacing();
    QVERIFY(list->visualItemRect(list->item(0)).height() < 2 * lineHeight);
    QTRY_VERIFY(list->visualItemRect(list->item(1)).height() >= 2 * lineHeight);
    QVERIFY(list->visualItemRect(list->item(1)).right() <= list->viewport()->width());
}

ZQ_GUI_TEST(TestLineListDialog)
#include "tst_line_list_dialog.moc"
