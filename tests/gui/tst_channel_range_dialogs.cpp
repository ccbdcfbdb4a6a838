#include "core/string_table.h"
#include "res/load_string.h"
#include "support/gui_test_main.h"
#include "ui/compact_dialog.h"
#include "ui/fill_range_dialog.h"
#include "ui/sort_dialog.h"
#include "ui/widgets/message_box.h"

#include <QPushButton>
#include <QSpinBox>
#include <QtTest>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct SRangeDialog
{
    const char* name;
    std::function<std::unique_ptr<QDialog>()> make;
};

const SRangeDialog kDialogs[] = {
    {"sort",
     [] { return std::make_unique<CSortChannelsDlg>(0, 99, ESortKey::Frequency, ESortOrder::Ascending); }},
    {"compact", [] { return std::make_unique<CCompactChannelsDlg>(0, 99); }},
    {"fill", [] { return std::make_unique<CFillRangeDlg>(0, 99, EChannelField::Duplex); }},
};

// Replaces the spin box's text by the keys, one at a time, as the user types them.
void Type(QSpinBox* spin, const QString& keys)
{
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, keys);
}

} // namespace

// The Sort, Compact and Fill Range dialogs share the range of memory channels they work on.
class TestChannelRangeDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { MessageBox::Reset(); }
    void typedRangeStaysAsTypedAndOkRefusesFromAfterTo();
};

void TestChannelRangeDialogs::typedRangeStaysAsTypedAndOkRefusesFromAfterTo()
{
    for (const SRangeDialog& d : kDialogs) {
        MessageBox::Reset();
        const std::unique_ptr<QDialog> dialog = d.make();
        dialog->show();
        auto* from = dialog->findChild<QSpinBox*>(u"rangeFromSpin"_s);
        auto* to = dialog->findChild<QSpinBox*>(u"rangeToSpin"_s);
        auto* ok = dialog->findChild<QPushButton*>(u"okButton"_s);
        QVERIFY2(from != nullptr && to != nullptr && ok != nullptr, d.name);

        // The "1" of "12" does not pull From down to 01.
        Type(from, u"05"_s);
        Type(to, u"12"_s);
        QCOMPARE(from->value(), 5);
        QCOMPARE(to->value(), 12);

        // From after To: OK says so and the dialog stays open, the values as typed.
        Type(from, u"30"_s);
        MessageBox::SetNextAnswer(MessageBox::Answer::Ok);
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY2(dialog->isVisible(), d.name);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(MessageBox::Shown().size(), 1);
        QCOMPARE(MessageBox::Shown().at(0).text,
                 LoadString(ids::kRangeOrderRefusedFormat).arg(u"30"_s, u"12"_s));
        QCOMPARE(from->value(), 30);
        QCOMPARE(to->value(), 12);

        Type(to, u"40"_s);
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(MessageBox::Shown().size(), 1);
    }
}

ZQ_GUI_TEST(TestChannelRangeDialogs)
#include "tst_channel_range_dialogs.moc"
