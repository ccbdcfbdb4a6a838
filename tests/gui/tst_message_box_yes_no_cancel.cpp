#include "support/gui_test_main.h"
#include "support/modal_dialogs.h"
#include "ui/widgets/message_box.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Clicks the button with the given text in the next message box that opens, after noting its texts.
void AnswerNextBox(const QString& buttonText, QStringList& buttonsSeen, QString& textSeen)
{
    WhenModalOpens([buttonText, &buttonsSeen, &textSeen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            return false;
        }
        textSeen = box->text();
        buttonsSeen.clear();
        QAbstractButton* chosen = nullptr;
        for (QAbstractButton* button : box->buttons()) {
            buttonsSeen.append(button->text());
            if (button->text() == buttonText) {
                chosen = button;
            }
        }
        if (chosen != nullptr) {
            chosen->click();
        } else {
            box->reject();
        }
        return true;
    });
}

} // namespace

// The save prompt's three-way box, shown for real (no answer queued).
class TestMessageBoxYesNoCancel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { MessageBox::Reset(); }
    void eachButtonGivesItsAnswer_data();
    void eachButtonGivesItsAnswer();
};

void TestMessageBoxYesNoCancel::eachButtonGivesItsAnswer_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << u"&Yes"_s << int(MessageBox::Answer::Yes);
    QTest::newRow("no") << u"&No"_s << int(MessageBox::Answer::No);
    QTest::newRow("cancel") << u"Cancel"_s << int(MessageBox::Answer::Cancel);
    // Escape or the close box.
    QTest::newRow("closed") << u"none"_s << int(MessageBox::Answer::Cancel);
}

void TestMessageBoxYesNoCancel::eachButtonGivesItsAnswer()
{
    QFETCH(QString, button);
    QFETCH(int, answer);
    QStringList buttons;
    QString text;
    AnswerNextBox(button, buttons, text);
    const MessageBox::Answer given = MessageBox::YesNoCancel(nullptr, u"Save changes to Untitled?"_s);
    QCOMPARE(int(given), answer);
    QCOMPARE(text, u"Save changes to Untitled?"_s);
    QCOMPARE(buttons.size(), 3);
    QVERIFY(buttons.contains(u"&Yes"_s));
    QVERIFY(buttons.contains(u"&No"_s));
    QVERIFY(buttons.contains(u"Cancel"_s));
}

ZQ_GUI_TEST(TestMessageBoxYesNoCancel)
#include "tst_message_box_yes_no_cancel.moc"
