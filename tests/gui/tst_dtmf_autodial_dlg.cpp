#include "channels/dialogs/dtmf_autodial_dlg.h"
#include "core/rig/radio_data.h"
#include "support/gui_test_main.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A document's radio data that records every command sent to it, so a test can compare the dialog's
// commands one by one.
class CRecordingData : public ICommandTarget
{
public:
    CRecordingData() { m_data.Initialize(); }

    std::string Execute(std::string_view command) override
    {
        m_commands.append(QString::fromUtf8(command.data(), static_cast<qsizetype>(command.size())));
        return m_data.Execute(command);
    }

    // Straight to the data, not recorded.
    QString Ask(const QString& command)
    {
        return QString::fromStdString(m_data.Execute(command.toStdString()));
    }
    QString Image() { return Ask(u"IMAGE"_s); }

    const QStringList& Commands() const { return m_commands; }
    void ClearCommands() { m_commands.clear(); }

private:
    CL52RadioData m_data;
    QStringList m_commands;
};

// Memories 1, 2 and 4 in use (4 given with the "*" and "#" keys), memory 4 dialled at 300 ms.
void FillMemories(CRecordingData& data)
{
    data.Ask(u"DTMF.1=123"_s);
    data.Ask(u"DTMF.2=4567"_s);
    data.Ask(u"DTMF.4=*#0a"_s);
    data.Ask(u"COMMON.DTMF_CH_NO=4"_s);
    data.Ask(u"COMMON.DTMF_SPEED=300ms"_s);
    data.ClearCommands();
}

template <class T> T* Control(const QWidget& dialog, const QString& name)
{
    T* control = dialog.findChild<T*>(name);
    if (control == nullptr) {
        qFatal("the dialog has no control named %s", qPrintable(name));
    }
    return control;
}

QListWidget* Memories(const QWidget& dialog)
{
    return Control<QListWidget>(dialog, u"listMemories"_s);
}
QLineEdit* Digits(const QWidget& dialog)
{
    return Control<QLineEdit>(dialog, u"editDigits"_s);
}
QComboBox* Channel(const QWidget& dialog)
{
    return Control<QComboBox>(dialog, u"comboChannel"_s);
}
QComboBox* Speed(const QWidget& dialog)
{
    return Control<QComboBox>(dialog, u"comboSpeed"_s);
}

QStringList Lines(const QListWidget* list)
{
    QStringList lines;
    for (int row = 0; row < list->count(); ++row) {
        lines.append(list->item(row)->text());
    }
    return lines;
}

QStringList Entries(const QComboBox* list)
{
    QStringList entries;
    for (int index = 0; index < list->count(); ++index) {
        entries.append(list->itemText(index));
    }
    return entries;
}

void Click(QWidget& dialog, const QString& buttonName)
{
    QTest::mouseClick(Control<QPushButton>(dialog, buttonName), Qt::LeftButton);
}

bool ShowActive(QWidget& dialog)
{
    dialog.show();
    dialog.activateWindow();
    return QTest::qWaitForWindowActive(&dialog);
}

// The eleven commands of OK for the filled memories when nothing was changed.
QStringList UnchangedOk()
{
    return {u"DTMF.1=123"_s,
            u"DTMF.2=4567"_s,
            u"DTMF.3= "_s,
            u"DTMF.4=EF0A"_s,
            u"DTMF.5= "_s,
            u"DTMF.6= "_s,
            u"DTMF.7= "_s,
            u"DTMF.8= "_s,
            u"DTMF.9= "_s,
            u"COMMON.DTMF_CH_NO=4"_s,
            u"COMMON.DTMF_SPEED=300ms"_s};
}

} // namespace

class TestDtmfAutodialDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controlsCarryTheirTexts();
    void openingReadsEverythingInOrder();
    void dialledMemoryIsSelectedInBothLists_data();
    void dialledMemoryIsSelectedInBothLists();
    void selectingAMemoryShowsItsDigits();
    void editingUpdatesTheBufferAndTheLine();
    void erasedMemoryIsSentAsOneBlank();
    void typingOnTheListStartsTheDigitsAfresh();
    void movingOnTheListKeepsTheDigits();
    void seventeenthCharacterCannotBeTyped();
    void okWithoutChangesSendsWhatIsShown();
    void okSendsTheChosenChannelAndSpeed();
    void cancelChangesNothing();
};

void TestDtmfAutodialDlg::controlsCarryTheirTexts()
{
    CRecordingData data;
    CDtmfAutodialDlg dialog(data);
    QCOMPARE(dialog.windowTitle(), u"DTMF Autodial"_s);
    QCOMPARE(Digits(dialog)->maxLength(), 16);
    QCOMPARE(Entries(Channel(dialog)),
             QStringList({u"D1"_s, u"D2"_s, u"D3"_s, u"D4"_s, u"D5"_s, u"D6"_s, u"D7"_s, u"D8"_s, u"D9"_s}));
    QCOMPARE(Entries(Speed(dialog)), QStringList({u"100ms"_s, u"200ms"_s, u"300ms"_s, u"500ms"_s}));
    QCOMPARE(Control<QGroupBox>(dialog, u"groupChannel"_s)->title(), u"Channel Selection"_s);
    QCOMPARE(Control<QGroupBox>(dialog, u"groupSpeed"_s)->title(), u"Speed"_s);
    QCOMPARE(Control<QPushButton>(dialog, u"okButton"_s)->text(), u"OK"_s);
    QCOMPARE(Control<QPushButton>(dialog, u"cancelButton"_s)->text(), u"Cancel"_s);
    QVERIFY(Control<QPushButton>(dialog, u"okButton"_s)->isDefault());

    // The default image: every memory empty, D1 dialled at 100 ms.
    QCOMPARE(Lines(Memories(dialog)), QStringList({u"D1  "_s, u"D2  "_s, u"D3  "_s, u"D4  "_s, u"D5  "_s,
                                                   u"D6  "_s, u"D7  "_s, u"D8  "_s, u"D9  "_s}));
    QCOMPARE(Channel(dialog)->currentText(), u"D1"_s);
    QCOMPARE(Speed(dialog)->currentText(), u"100ms"_s);
}

void TestDtmfAutodialDlg::openingReadsEverythingInOrder()
{
    CRecordingData data;
    FillMemories(data);
    CDtmfAutodialDlg dialog(data);
    QCOMPARE(data.Commands(), QStringList({u"DTMF.1"_s, u"DTMF.2"_s, u"DTMF.3"_s, u"DTMF.4"_s, u"DTMF.5"_s,
                                           u"DTMF.6"_s, u"DTMF.7"_s, u"DTMF.8"_s, u"DTMF.9"_s,
                                           u"COMMON.DTMF_CH_NO"_s, u"COMMON.DTMF_SPEED"_s}));
    QCOMPARE(Lines(Memories(dialog)), QStringList({u"D1  123"_s, u"D2  4567"_s, u"D3  "_s, u"D4  EF0A"_s,
                                                   u"D5  "_s, u"D6  "_s, u"D7  "_s, u"D8  "_s, u"D9  "_s}));
    QCOMPARE(Speed(dialog)->currentText(), u"300ms"_s);
}

void TestDtmfAutodialDlg::dialledMemoryIsSelectedInBothLists_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("D1") << 1;
    QTest::newRow("D4") << 4;
    QTest::newRow("D9") << 9;
}

void TestDtmfAutodialDlg::dialledMemoryIsSelectedInBothLists()
{
    QFETCH(int, number);
    CRecordingData data;
    FillMemories(data);
    data.Ask(u"COMMON.DTMF_CH_NO="_s + QString::number(number));

    CDtmfAutodialDlg dialog(data);
    QCOMPARE(Channel(dialog)->currentIndex(), number - 1);
    QCOMPARE(Channel(dialog)->currentText(), u"D"_s + QString::number(number));
    QCOMPARE(Memories(dialog)->currentRow(), number - 1);
    QCOMPARE(Memories(dialog)->selectedItems().size(), 1);
    QCOMPARE(Memories(dialog)->selectedItems().front(), Memories(dialog)->item(number - 1));
    QCOMPARE(Digits(dialog)->text(), data.Ask(u"DTMF."_s + QString::number(number)));
    if (number == 4) {
        QCOMPARE(Digits(dialog)->text(), u"EF0A"_s);
    }
}

void TestDtmfAutodialDlg::selectingAMemoryShowsItsDigits()
{
    CRecordingData data;
    FillMemories(data);
    CDtmfAutodialDlg dialog(data);
    Memories(dialog)->setCurrentRow(1);
    QCOMPARE(Digits(dialog)->text(), u"4567"_s);
    Memories(dialog)->setCurrentRow(0);
    QCOMPARE(Digits(dialog)->text(), u"123"_s);
    Memories(dialog)->setCurrentRow(8);
    QVERIFY(Digits(dialog)->text().isEmpty());
    // Choosing the dialled memory does not move the memory list.
    Channel(dialog)->setCurrentIndex(1);
    QCOMPARE(Memories(dialog)->currentRow(), 8);
}

void TestDtmfAutodialDlg::editingUpdatesTheBufferAndTheLine()
{
    CRecordingData data;
    FillMemories(data);
    CDtmfAutodialDlg dialog(data);
    QVERIFY(ShowActive(dialog));
    Memories(dialog)->setCurrentRow(2);
    QTest::keyClicks(Digits(dialog), u"*9 "_s);
    QCOMPARE(Digits(dialog)->text(), u"*9 "_s);
    QCOMPARE(dialog.Digits(3), u"*9"_s);
    QCOMPARE(Memories(dialog)->item(2)->text(), u"D3  *9"_s);
    QVERIFY(Memories(dialog)->item(2)->isSelected());
    QCOMPARE(Memories(dialog)->selectedItems().size(), 1);

    // Another memory shows its own digits; coming back shows the edit kept.
    Memories(dialog)->setCurrentRow(0);
    QCOMPARE(Digits(dialog)->text(), u"123"_s);
    Memories(dialog)->setCurrentRow(2);
    QCOMPARE(Digits(dialog)->text(), u"*9"_s);
    QCOMPARE(dialog.Digits(1), u"123"_s);

    data.ClearCommands();
    Click(dialog, u"okButton"_s);
    QCOMPARE(data.Commands().at(2), u"DTMF.3=*9"_s);
    QCOMPARE(data.Ask(u"DTMF.3"_s), u"E9"_s);
}

void TestDtmfAutodialDlg::erasedMemoryIsSentAsOneBlank()
{
    CRecordingData data;
    FillMemories(data);
    CDtmfAutodialDlg dialog(data);
    QVERIFY(ShowActive(dialog));
    Memories(dialog)->setCurrentRow(1);
    QLineEdit* digits = Digits(dialog);
    QCOMPARE(digits->text(), u"4567"_s);
    digits->setFocus();
    QTest::keyClick(digits, Qt::Key_End);
    for (int count = 0; count < 4; ++count) {
        QTest::keyClick(digits, Qt::Key_Backspace);
    }
    QVERIFY(digits->text().isEmpty());
    QCOMPARE(Memories(dialog)->item(1)->text(), u"D2  "_s);

    data.ClearCommands();
    Click(dialog, u"okButton"_s);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QStringList expected = UnchangedOk();
    expected[1] = u"DTMF.2= "_s;
    QCOMPARE(data.Commands(), expected);
    QVERIFY(data.Ask(u"DTMF.2"_s).isEmpty());
    QCOMPARE(data.Ask(u"DTMF.1"_s), u"123"_s);
    QCOMPARE(data.Ask(u"DTMF.4"_s), u"EF0A"_s);
}

void TestDtmfAutodialDlg::typingOnTheListStartsTheDigitsAfresh()
{
    CRecordingData data;
    FillMemories(data);
    CDtmfAutodialDlg dialog(data);
    QVERIFY(ShowActive(dialog));
    QListWidget* memories = Memories(dialog);
    memories->setCurrentRow(1);
    memories->setFocus();
    QTRY_VERIFY(memories->hasFocus());

    QTest::keyClick(memories, '5');
    QCOMPARE(Digits(dialog)->text(), u"5"_s);
    QVERIFY(Digits(dialog)->hasFocus());
    QCOMPARE(memories->item(1)->text(), u"D2  5"_s);
    QCOMPARE(memories->currentRow(), 1);
    QCOMPARE(dialog.Digits(2), u"5"_s);

    // The following characters go on in the edit.
    QTest::keyClicks(Digits(dialog), u"#1"_s);
    QCOMPARE(dialog.Digits(2), u"5#1"_s);

    data.ClearCommands();
    Click(dialog, u"okButton"_s);
    QCOMPARE(data.Commands().at(1), u"DTMF.2=5#1"_s);
    QCOMPARE(data.Ask(u"DTMF.2"_s), u"5F1"_s);
    QCOMPARE(data.Ask(u"DTMF.1"_s), u"123"_s);
}

void TestDtmfAutodialDlg::movingOnTheListKeepsTheDigits()
{
    CRecordingData data;
    FillMemories(data);
    CDtmfAutodialDlg dialog(data);
    QVERIFY(ShowActive(dialog));
    QListWidget* memories = Memories(dialog);
    memories->setCurrentRow(0);
    memories->setFocus();
    QTRY_VERIFY(memories->hasFocus());

    QTest::keyClick(memories, Qt::Key_Down);
    QCOMPARE(memories->currentRow(), 1);
    QCOMPARE(Digits(dialog)->text(), u"4567"_s);
    QVERIFY(memories->hasFocus());
    QCOMPARE(Lines(memories).mid(0, 2), QStringList({u"D1  123"_s, u"D2  4567"_s}));
}

void TestDtmfAutodialDlg::seventeenthCharacterCannotBeTyped()
{
    CRecordingData data;
    FillMemories(data);
    CDtmfAutodialDlg dialog(data);
    QVERIFY(ShowActive(dialog));
    Memories(dialog)->setCurrentRow(2);
    QTest::keyClicks(Digits(dialog), u"12345678901234567"_s);
    QCOMPARE(Digits(dialog)->text(), u"1234567890123456"_s);
    QCOMPARE(dialog.Digits(3), u"1234567890123456"_s);
    QCOMPARE(Memories(dialog)->item(2)->text(), u"D3  1234567890123456"_s);

    // Typing on the list over a full memory starts it afresh as well.
    Memories(dialog)->setFocus();
    QTRY_VERIFY(Memories(dialog)->hasFocus());
    QTest::keyClick(Memories(dialog), '7');
    QCOMPARE(dialog.Digits(3), u"7"_s);

    data.ClearCommands();
    Click(dialog, u"okButton"_s);
    QCOMPARE(data.Commands().at(2), u"DTMF.3=7"_s);
}

void TestDtmfAutodialDlg::okWithoutChangesSendsWhatIsShown()
{
    CRecordingData data;
    FillMemories(data);
    const QString image = data.Image();
    CDtmfAutodialDlg dialog(data);
    data.ClearCommands();
    Click(dialog, u"okButton"_s);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(data.Commands(), UnchangedOk());
    QCOMPARE(data.Image(), image);
}

void TestDtmfAutodialDlg::okSendsTheChosenChannelAndSpeed()
{
    CRecordingData data;
    FillMemories(data);
    CDtmfAutodialDlg dialog(data);
    Channel(dialog)->setCurrentIndex(8);
    Speed(dialog)->setCurrentIndex(3);
    data.ClearCommands();
    Click(dialog, u"okButton"_s);
    QCOMPARE(data.Commands().mid(9), QStringList({u"COMMON.DTMF_CH_NO=9"_s, u"COMMON.DTMF_SPEED=500ms"_s}));
    QCOMPARE(data.Ask(u"COMMON.DTMF_CH_NO"_s), u"9"_s);
    QCOMPARE(data.Ask(u"COMMON.DTMF_SPEED"_s), u"500ms"_s);
}

void TestDtmfAutodialDlg::cancelChangesNothing()
{
    CRecordingData data;
    FillMemories(data);
    const QString image = data.Image();
    CDtmfAutodialDlg dialog(data);
    QVERIFY(ShowActive(dialog));
    data.ClearCommands();

    Memories(dialog)->setCurrentRow(0);
    Digits(dialog)->setText(u"999"_s);
    Memories(dialog)->setCurrentRow(1);
    Digits(dialog)->clear();
    Channel(dialog)->setCurrentIndex(6);
    Speed(dialog)->setCurrentIndex(0);
    Click(dialog, u"cancelButton"_s);

    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(data.Commands().isEmpty());
    QCOMPARE(data.Ask(u"DTMF.1"_s), u"123"_s);
    QCOMPARE(data.Ask(u"DTMF.2"_s), u"4567"_s);
    QCOMPARE(data.Ask(u"COMMON.DTMF_CH_NO"_s), u"4"_s);
    QCOMPARE(data.Ask(u"COMMON.DTMF_SPEED"_s), u"300ms"_s);
    QCOMPARE(data.Image(), image);
}

ZQ_GUI_TEST(TestDtmfAutodialDlg)
#include "tst_dtmf_autodial_dlg.moc"
