#include "channels/dialogs/edit_memory_dlg.h"
#include "core/rig/radio_data.h"
#include "core/settings_store.h"
#include "support/gui_test_main.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int kUsa = 5;
constexpr int kEur = 1;

// A document's radio data on a profile of the given country that records every command sent to it, so a
// test can compare the dialog's commands one by one.
class CRecordingData : public ICommandTarget
{
public:
    explicit CRecordingData(int country = kUsa)
    {
        m_settings.SetInt(settings::kSetupInfo, settings::kSetupDone, 1);
        m_settings.SetInt(settings::kSetupInfo, settings::kDestination, country);
        m_data = std::make_unique<CL52RadioData>(&m_settings);
        m_data->Initialize();
    }

    std::string Execute(std::string_view command) override
    {
        m_commands.append(QString::fromUtf8(command.data(), static_cast<qsizetype>(command.size())));
        return m_data->Execute(command);
    }

    // Straight to the data, not recorded.
    QString Ask(const QString& command) const
    {
        return QString::fromStdString(m_data->Execute(command.toStdString()));
    }
    void Set(const QStringList& commands) const
    {
        for (const QString& command : commands) {
            Ask(command);
        }
    }
    QString Image() const { return Ask(u"IMAGE"_s); }

    const QStringList& Commands() const { return m_commands; }
    void ClearCommands() { m_commands.clear(); }

private:
    CMemorySettingsStore m_settings;
    std::unique_ptr<CL52RadioData> m_data;
    QStringList m_commands;
};

template <class T> T* Control(const QWidget& dialog, const QString& name)
{
    T* control = dialog.findChild<T*>(name);
    if (control == nullptr) {
        qFatal("the dialog has no control named %s", qPrintable(name));
    }
    return control;
}

QLineEdit* Edit(const QWidget& dialog, const QString& name)
{
    return Control<QLineEdit>(dialog, name);
}
QComboBox* List(const QWidget& dialog, const QString& name)
{
    return Control<QComboBox>(dialog, name);
}
QRadioButton* Radio(const QWidget& dialog, const QString& name)
{
    return Control<QRadioButton>(dialog, name);
}
QCheckBox* Check(const QWidget& dialog, const QString& name)
{
    return Control<QCheckBox>(dialog, name);
}

QStringList Entries(const QComboBox* list)
{
    QStringList entries;
    for (int index = 0; index < list->count(); ++index) {
        entries.append(list->itemText(index));
    }
    return entries;
}

// Every control that a blank channel keeps disabled until it has a frequency.
const QStringList kEditingControls = {
    u"editOffset"_s,   u"comboDuplex"_s, u"comboRepeaterTone"_s, u"comboTsqlTone"_s, u"comboTuningStep"_s,
    u"radioToneOff"_s, u"radioTone"_s,   u"radioTsql"_s,         u"radioFm"_s,       u"radioAm"_s,
    u"radioWfm"_s,     u"checkSkip"_s,   u"editName"_s};

// Memory channel 7 in use, with a value in every field.
const QStringList kUsedChannel7 = {
    u"CH.MCH.7.APPEAR=ON"_s,
    u"CH.MCH.7.FREQUENCY=145.5500"_s,
    u"CH.MCH.7.REPEATER_FREQUENCY=0.6000"_s,
    u"CH.MCH.7.DUPLEX_SELECTION=Dup-"_s,
    u"CH.MCH.7.REPEATER_TONE_FREQUENCY=100.0"_s,
    u"CH.MCH.7.TSQL_FREQUENCY=123.0"_s,
    u"CH.MCH.7.TUNING_STEP_SELECTION=25k"_s,
    u"CH.MCH.7.NAME=RPT1"_s,
    u"CH.MCH.7.TONE_SELECTION=TSQL"_s,
    u"CH.MCH.7.MODE=FM"_s,
    u"CH.MCH.7.SKIP=ON"_s,
    u"CH.MCH.7.HEAL"_s,
};

void Click(QWidget& dialog, const QString& buttonName)
{
    QTest::mouseClick(Control<QPushButton>(dialog, buttonName), Qt::LeftButton);
}

// A radio or check box reacts only to clicks on its mark and its text, not on the rest of its row.
void Tick(QAbstractButton* button)
{
    constexpr int kMarkX = 4;
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(kMarkX, button->height() / 2));
}

} // namespace

class TestEditMemoryDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controlsCarryTheirTextsAndLimits();
    void blankChannelOpensWithItsDefaults();
    void typingAFrequencyEnablesTheEditing();
    void usedChannelFillsEveryControl();
    void valueWordsPickTheirControls_data();
    void valueWordsPickTheirControls();
    void okWritesEveryFieldInOrder();
    void okSendsWhatTheControlsShow();
    void unusableFrequencyBlanksTheChannel_data();
    void unusableFrequencyBlanksTheChannel();
    void blankNameIsSentAsOneBlank();
    void decimalCommaIsADecimalPoint();
    void tabOrderFollowsTheLayout();
    void tabLandsOnTheCheckedRadio_data();
    void tabLandsOnTheCheckedRadio();
    void hintsFollowTheTyping();
    void skipAndNameFollowTheChannelKind_data();
    void skipAndNameFollowTheChannelKind();
    void narrowFmOnlyForEuropeanVersions();
    void narrowFmIsUsableWithoutFrequency();
    void cancelSendsNothing();
    void rowOutsideTheListIsNeverWritten();
};

void TestEditMemoryDlg::controlsCarryTheirTextsAndLimits()
{
    CRecordingData data;
    CEditMemoryDlg dialog(data, 0);
    QCOMPARE(dialog.windowTitle(), u"Edit Memory ch"_s);
    QCOMPARE(dialog.Row(), 0);

    QCOMPARE(Edit(dialog, u"editFrequency"_s)->maxLength(), 11);
    QCOMPARE(Edit(dialog, u"editOffset"_s)->maxLength(), 9);
    QCOMPARE(Edit(dialog, u"editName"_s)->maxLength(), 6);
    QCOMPARE(Entries(List(dialog, u"comboDuplex"_s)), QStringList({u"OFF"_s, u"-Dup"_s, u"+Dup"_s}));

    const QStringList tones = Entries(List(dialog, u"comboRepeaterTone"_s));
    QCOMPARE(tones.size(), 50);
    QCOMPARE(tones.first(), u"67.0"_s);
    QCOMPARE(tones.at(8), u"88.5"_s);
    QCOMPARE(tones.at(12), u"100.0"_s);
    QCOMPARE(tones.last(), u"254.1"_s);
    QCOMPARE(Entries(List(dialog, u"comboTsqlTone"_s)), tones);

    QComboBox* step = List(dialog, u"comboTuningStep"_s);
    QCOMPARE(Entries(step), QStringList({u"5k"_s, u"10k"_s, u"12.5k"_s, u"15k"_s, u"20k"_s, u"25k"_s,
                                         u"30k"_s, u"50k"_s, u"100k"_s}));
    QVERIFY(step->isHidden());
    QCheckBox* programSkip = Check(dialog, u"checkProgramSkip"_s);
    QCOMPARE(programSkip->text(), u"Program Skip "_s);
    QVERIFY(programSkip->isHidden());
    QVERIFY(!programSkip->isEnabled());

    QCOMPARE(Radio(dialog, u"radioToneOff"_s)->text(), u"OFF"_s);
    QCOMPARE(Radio(dialog, u"radioTone"_s)->text(), u"TONE"_s);
    QCOMPARE(Radio(dialog, u"radioTsql"_s)->text(), u"TSQL"_s);
    QCOMPARE(Radio(dialog, u"radioFm"_s)->text(), u"FM"_s);
    QCOMPARE(Radio(dialog, u"radioAm"_s)->text(), u"AM"_s);
    QCOMPARE(Radio(dialog, u"radioWfm"_s)->text(), u"WFM"_s);
    QCOMPARE(Radio(dialog, u"radioNarrowFm"_s)->text(), u"NarrowFM"_s);
    QCOMPARE(Check(dialog, u"checkSkip"_s)->text(), u"Memory Skip"_s);
    QCOMPARE(Control<QGroupBox>(dialog, u"groupTone"_s)->title(), u"Tone / ToneSquelch"_s);
    QCOMPARE(Control<QGroupBox>(dialog, u"groupMode"_s)->title(), u"Mode"_s);
    QCOMPARE(Radio(dialog, u"radioTsql"_s)->parentWidget(), Control<QGroupBox>(dialog, u"groupTone"_s));
    QCOMPARE(Radio(dialog, u"radioWfm"_s)->parentWidget(), Control<QGroupBox>(dialog, u"groupMode"_s));

    QCOMPARE(Control<QLabel>(dialog, u"labelFrequency"_s)->text(), u"Operating Frequency"_s);
    QCOMPARE(Control<QLabel>(dialog, u"labelDuplex"_s)->text(), u"Dup"_s);
    QCOMPARE(Control<QLabel>(dialog, u"labelOffset"_s)->text(), u"Offset Freq."_s);
    QCOMPARE(Control<QLabel>(dialog, u"labelName"_s)->text(), u"Name"_s);
    QCOMPARE(Control<QLabel>(dialog, u"labelTuningStep"_s)->text(), u"Tuning Step"_s);
    QCOMPARE(Control<QPushButton>(dialog, u"okButton"_s)->text(), u"OK"_s);
    QCOMPARE(Control<QPushButton>(dialog, u"cancelButton"_s)->text(), u"Cancel"_s);
    QVERIFY(Control<QPushButton>(dialog, u"okButton"_s)->isDefault());
}

void TestEditMemoryDlg::blankChannelOpensWithItsDefaults()
{
    CRecordingData data;
    QCOMPARE(data.Ask(u"CH.MCH.5.APPEAR"_s), u"OFF"_s);
    CEditMemoryDlg dialog(data, 5);
    // The version's coverage too: the hints tell which frequencies lie outside the bands.
    QCOMPARE(data.Commands(), QStringList({u"CH.MCH.5.APPEAR"_s, u"MODEL.COUNTRY"_s, u"MODEL.EXPAND"_s,
                                           u"MODEL.MATRIX_50M_ENABLE"_s}));

    QVERIFY(Edit(dialog, u"editFrequency"_s)->text().isEmpty());
    QCOMPARE(Edit(dialog, u"editOffset"_s)->text(), u"0.0000"_s);
    QCOMPARE(List(dialog, u"comboDuplex"_s)->currentText(), u"OFF"_s);
    QCOMPARE(List(dialog, u"comboRepeaterTone"_s)->currentText(), u"88.5"_s);
    QCOMPARE(List(dialog, u"comboTsqlTone"_s)->currentText(), u"88.5"_s);
    QCOMPARE(List(dialog, u"comboTuningStep"_s)->currentText(), u"5k"_s);
    QVERIFY(Edit(dialog, u"editName"_s)->text().isEmpty());
    QVERIFY(Radio(dialog, u"radioToneOff"_s)->isChecked());
    QVERIFY(Radio(dialog, u"radioFm"_s)->isChecked());
    QVERIFY(!Check(dialog, u"checkSkip"_s)->isChecked());

    QVERIFY(Edit(dialog, u"editFrequency"_s)->isEnabled());
    for (const QString& name : kEditingControls) {
        QVERIFY2(!Control<QWidget>(dialog, name)->isEnabled(), qPrintable(name));
    }
    QVERIFY(Control<QPushButton>(dialog, u"okButton"_s)->isEnabled());
    QVERIFY(Control<QPushButton>(dialog, u"cancelButton"_s)->isEnabled());
}

void TestEditMemoryDlg::typingAFrequencyEnablesTheEditing()
{
    CRecordingData data;
    CEditMemoryDlg dialog(data, 5);
    QLineEdit* frequency = Edit(dialog, u"editFrequency"_s);

    QTest::keyClicks(frequency, u"145"_s);
    for (const QString& name : kEditingControls) {
        QVERIFY2(Control<QWidget>(dialog, name)->isEnabled(), qPrintable(name));
    }

    // Blanks alone are no frequency.
    frequency->setText(u"   "_s);
    for (const QString& name : kEditingControls) {
        QVERIFY2(!Control<QWidget>(dialog, name)->isEnabled(), qPrintable(name));
    }
    QVERIFY(!Check(dialog, u"checkProgramSkip"_s)->isEnabled());
}

void TestEditMemoryDlg::usedChannelFillsEveryControl()
{
    CRecordingData data;
    data.Set(kUsedChannel7);
    data.ClearCommands();

    CEditMemoryDlg dialog(data, 7);
    QCOMPARE(
        data.Commands(),
        QStringList({u"CH.MCH.7.APPEAR"_s, u"CH.MCH.7.FREQUENCY"_s, u"CH.MCH.7.REPEATER_FREQUENCY"_s,
                     u"CH.MCH.7.DUPLEX_SELECTION"_s, u"CH.MCH.7.REPEATER_TONE_FREQUENCY"_s,
                     u"CH.MCH.7.TSQL_FREQUENCY"_s, u"CH.MCH.7.TUNING_STEP_SELECTION"_s, u"CH.MCH.7.NAME"_s,
                     u"CH.MCH.7.TONE_SELECTION"_s, u"CH.MCH.7.MODE"_s, u"CH.MCH.7.SKIP"_s, u"MODEL.COUNTRY"_s,
                     u"MODEL.EXPAND"_s, u"MODEL.MATRIX_50M_ENABLE"_s}));

    QCOMPARE(Edit(dialog, u"editFrequency"_s)->text(), u"145.5500"_s);
    QCOMPARE(Edit(dialog, u"editOffset"_s)->text(), u"0.6000"_s);
    QCOMPARE(List(dialog, u"comboDuplex"_s)->currentText(), u"-Dup"_s);
    QCOMPARE(List(dialog, u"comboRepeaterTone"_s)->currentText(), u"100.0"_s);
    QCOMPARE(List(dialog, u"comboTsqlTone"_s)->currentText(), u"123.0"_s);
    QCOMPARE(List(dialog, u"comboTuningStep"_s)->currentText(),
             data.Ask(u"CH.MCH.7.TUNING_STEP_SELECTION"_s));
    QCOMPARE(Edit(dialog, u"editName"_s)->text(), u"RPT1  "_s);
    QVERIFY(Radio(dialog, u"radioTsql"_s)->isChecked());
    QVERIFY(!Radio(dialog, u"radioToneOff"_s)->isChecked());
    QVERIFY(Radio(dialog, u"radioFm"_s)->isChecked());
    QVERIFY(Check(dialog, u"checkSkip"_s)->isChecked());
    for (const QString& name : kEditingControls) {
        QVERIFY2(Control<QWidget>(dialog, name)->isEnabled(), qPrintable(name));
    }
}

void TestEditMemoryDlg::valueWordsPickTheirControls_data()
{
    QTest::addColumn<QString>("duplex");
    QTest::addColumn<QString>("toneMode");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("duplexShown");
    QTest::addColumn<QString>("toneRadio");
    QTest::addColumn<QString>("modeRadio");

    QTest::newRow("plus, tone, AM") << u"Dup+"_s << u"TONE"_s << u"AM"_s << u"+Dup"_s << u"radioTone"_s
                                    << u"radioAm"_s;
    QTest::newRow("off, off, wide") << u"OFF"_s << u"OFF"_s << u"Wide FM"_s << u"OFF"_s << u"radioToneOff"_s
                                    << u"radioWfm"_s;
    QTest::newRow("minus, tsql, narrow")
        << u"Dup-"_s << u"TSQL"_s << u"FM Narrow"_s << u"-Dup"_s << u"radioTsql"_s << u"radioNarrowFm"_s;
}

void TestEditMemoryDlg::valueWordsPickTheirControls()
{
    QFETCH(QString, duplex);
    QFETCH(QString, toneMode);
    QFETCH(QString, mode);
    QFETCH(QString, duplexShown);
    QFETCH(QString, toneRadio);
    QFETCH(QString, modeRadio);

    // Set without a repair, so the mode stays whatever the band would allow.
    CRecordingData data;
    data.Set({u"CH.MCH.9.APPEAR=ON"_s, u"CH.MCH.9.FREQUENCY=145.0000"_s,
              u"CH.MCH.9.DUPLEX_SELECTION="_s + duplex, u"CH.MCH.9.TONE_SELECTION="_s + toneMode,
              u"CH.MCH.9.MODE="_s + mode});
    QCOMPARE(data.Ask(u"CH.MCH.9.MODE"_s), mode);

    CEditMemoryDlg dialog(data, 9);
    QCOMPARE(List(dialog, u"comboDuplex"_s)->currentText(), duplexShown);
    QVERIFY(Radio(dialog, toneRadio)->isChecked());
    QVERIFY(Radio(dialog, modeRadio)->isChecked());
    int checkedModes = 0;
    for (const char* name : {"radioFm", "radioAm", "radioWfm", "radioNarrowFm"}) {
        checkedModes += Radio(dialog, QLatin1String(name))->isChecked() ? 1 : 0;
    }
    QCOMPARE(checkedModes, 1);

    // OK gives the channel back the words it came with.
    data.ClearCommands();
    Click(dialog, u"okButton"_s);
    QVERIFY(data.Commands().contains(u"CH.MCH.9.DUPLEX_SELECTION="_s + duplex));
    QVERIFY(data.Commands().contains(u"CH.MCH.9.TONE_SELECTION="_s + toneMode));
    QVERIFY(data.Commands().contains(u"CH.MCH.9.MODE="_s + mode));
}

void TestEditMemoryDlg::okWritesEveryFieldInOrder()
{
    CRecordingData data;
    data.Set(kUsedChannel7);
    const QString step = data.Ask(u"CH.MCH.7.TUNING_STEP_SELECTION"_s);
    CEditMemoryDlg dialog(data, 7);
    data.ClearCommands();

    Click(dialog, u"okButton"_s);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(data.Commands(), QStringList({
                                  u"CH.MCH.7.REPEATER_FREQUENCY=0.6000"_s,
                                  u"CH.MCH.7.DUPLEX_SELECTION=Dup-"_s,
                                  u"CH.MCH.7.REPEATER_TONE_FREQUENCY=100.0"_s,
                                  u"CH.MCH.7.TSQL_FREQUENCY=123.0"_s,
                                  u"CH.MCH.7.TUNING_STEP_SELECTION="_s + step,
                                  u"CH.MCH.7.NAME=RPT1"_s,
                                  u"CH.MCH.7.TONE_SELECTION=TSQL"_s,
                                  u"CH.MCH.7.MODE=FM"_s,
                                  u"CH.MCH.7.SKIP=ON"_s,
                                  u"CH.MCH.7.FREQUENCY=145.5500"_s,
                                  u"CH.MCH.7.APPEAR=ON"_s,
                                  u"CH.MCH.7.HEAL"_s,
                              }));
}

void TestEditMemoryDlg::okSendsWhatTheControlsShow()
{
    CRecordingData data;
    CEditMemoryDlg dialog(data, 12);
    // Clicks land where the laid-out buttons are only on a shown dialog.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClicks(Edit(dialog, u"editFrequency"_s), u" 433.2500 "_s);
    Edit(dialog, u"editOffset"_s)->setText(u"5.0000"_s);
    List(dialog, u"comboDuplex"_s)->setCurrentIndex(2);
    List(dialog, u"comboRepeaterTone"_s)->setCurrentText(u"131.8"_s);
    List(dialog, u"comboTsqlTone"_s)->setCurrentText(u"67.0"_s);
    QTest::keyClicks(Edit(dialog, u"editName"_s), u" ab1 "_s);
    Tick(Radio(dialog, u"radioTone"_s));
    Tick(Radio(dialog, u"radioAm"_s));
    Tick(Check(dialog, u"checkSkip"_s));
    data.ClearCommands();

    Click(dialog, u"okButton"_s);
    QCOMPARE(data.Commands(), QStringList({
                                  u"CH.MCH.12.REPEATER_FREQUENCY=5.0000"_s,
                                  u"CH.MCH.12.DUPLEX_SELECTION=Dup+"_s,
                                  u"CH.MCH.12.REPEATER_TONE_FREQUENCY=131.8"_s,
                                  u"CH.MCH.12.TSQL_FREQUENCY=67.0"_s,
                                  u"CH.MCH.12.TUNING_STEP_SELECTION=5k"_s,
                                  u"CH.MCH.12.NAME=ab1"_s,
                                  u"CH.MCH.12.TONE_SELECTION=TONE"_s,
                                  u"CH.MCH.12.MODE=AM"_s,
                                  u"CH.MCH.12.SKIP=ON"_s,
                                  u"CH.MCH.12.FREQUENCY=433.2500"_s,
                                  u"CH.MCH.12.APPEAR=ON"_s,
                                  u"CH.MCH.12.HEAL"_s,
                              }));
    QCOMPARE(data.Ask(u"CH.MCH.12.APPEAR"_s), u"ON"_s);
    QCOMPARE(data.Ask(u"CH.MCH.12.FREQUENCY"_s), u"433.2500"_s);
    QCOMPARE(data.Ask(u"CH.MCH.12.NAME"_s), u"AB1   "_s);
    QCOMPARE(data.Ask(u"CH.MCH.12.DUPLEX_SELECTION"_s), u"Dup+"_s);
    QCOMPARE(data.Ask(u"CH.MCH.12.SKIP"_s), u"ON"_s);
}

void TestEditMemoryDlg::unusableFrequencyBlanksTheChannel_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks") << u"   "_s;
    QTest::newRow("2500 MHz") << u"2500"_s;
    QTest::newRow("2000 MHz") << u"2000.0000"_s;
    QTest::newRow("zero") << u"0"_s;
    QTest::newRow("negative") << u"-145.5"_s;
    QTest::newRow("not a number") << u"abc"_s;
}

void TestEditMemoryDlg::unusableFrequencyBlanksTheChannel()
{
    QFETCH(QString, typed);
    CRecordingData data;
    data.Set(kUsedChannel7);
    CEditMemoryDlg dialog(data, 7);
    Edit(dialog, u"editFrequency"_s)->setText(typed);
    data.ClearCommands();

    Click(dialog, u"okButton"_s);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const QStringList& sent = data.Commands();
    QCOMPARE(sent.size(), 12);
    QCOMPARE(sent.at(5), u"CH.MCH.7.NAME=RPT1"_s);
    QCOMPARE(sent.at(9), u"CH.MCH.7.FREQUENCY="_s);
    QCOMPARE(sent.at(10), u"CH.MCH.7.APPEAR=OFF"_s);
    QCOMPARE(sent.at(11), u"CH.MCH.7.HEAL"_s);

    QCOMPARE(data.Ask(u"CH.MCH.7.APPEAR"_s), u"OFF"_s);
    // The repair of a blank channel clears its name.
    QCOMPARE(data.Ask(u"CH.MCH.7.NAME"_s), u"      "_s);
}

void TestEditMemoryDlg::blankNameIsSentAsOneBlank()
{
    CRecordingData data;
    data.Set(kUsedChannel7);
    CEditMemoryDlg dialog(data, 7);
    QLineEdit* name = Edit(dialog, u"editName"_s);
    name->clear();
    QTest::keyClicks(name, u"    "_s);
    QCOMPARE(name->text(), u"    "_s);
    data.ClearCommands();

    Click(dialog, u"okButton"_s);
    QCOMPARE(data.Commands().at(5), u"CH.MCH.7.NAME= "_s);
    QCOMPARE(data.Ask(u"CH.MCH.7.NAME"_s), u"      "_s);
    QCOMPARE(data.Ask(u"CH.MCH.7.APPEAR"_s), u"ON"_s);
}

void TestEditMemoryDlg::decimalCommaIsADecimalPoint()
{
    CRecordingData data;
    data.Set(kUsedChannel7);
    CEditMemoryDlg dialog(data, 7);
    Edit(dialog, u"editFrequency"_s)->setText(u"145,5"_s);
    Edit(dialog, u"editOffset"_s)->setText(u"1,6"_s);
    Click(dialog, u"okButton"_s);
    QCOMPARE(data.Ask(u"CH.MCH.7.FREQUENCY"_s), u"145.5000"_s);
    QCOMPARE(data.Ask(u"CH.MCH.7.REPEATER_FREQUENCY"_s), u"1.6000"_s);
    QCOMPARE(data.Ask(u"CH.MCH.7.APPEAR"_s), u"ON"_s);
}

void TestEditMemoryDlg::tabOrderFollowsTheLayout()
{
    CRecordingData data(kEur);
    data.Set(kUsedChannel7);
    CEditMemoryDlg dialog(data, 7);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    Edit(dialog, u"editFrequency"_s)->setFocus();
    // Down the fields (Memory Skip sits under Name), through the tone box row by row, the mode box,
    // then the buttons. A group of radio buttons is one stop; the arrow keys move within it.
    // The group's stop is its checked button (the channel's TSQL), in its row.
    const QStringList expected = {u"editFrequency"_s, u"comboDuplex"_s,   u"editOffset"_s,
                                  u"editName"_s,      u"checkSkip"_s,     u"comboRepeaterTone"_s,
                                  u"radioTsql"_s,     u"comboTsqlTone"_s, u"radioFm"_s,
                                  u"okButton"_s,      u"cancelButton"_s,  u"editFrequency"_s};
    QStringList visited;
    for (qsizetype step = 0; step < expected.size(); ++step) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr);
        visited.append(focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(visited, expected);
}

void TestEditMemoryDlg::tabLandsOnTheCheckedRadio_data()
{
    QTest::addColumn<QString>("toneMode");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("toneRadio");
    QTest::addColumn<QString>("modeRadio");
    QTest::newRow("OFF, FM") << u"OFF"_s << u"FM"_s << u"radioToneOff"_s << u"radioFm"_s;
    QTest::newRow("TONE, AM") << u"TONE"_s << u"AM"_s << u"radioTone"_s << u"radioAm"_s;
    QTest::newRow("TSQL, FM Narrow") << u"TSQL"_s << u"FM Narrow"_s << u"radioTsql"_s << u"radioNarrowFm"_s;
}

// Tab into a group reaches its checked button, so Space there changes nothing; after the arrow keys
// pick another button, Tab comes back to that one.
void TestEditMemoryDlg::tabLandsOnTheCheckedRadio()
{
    QFETCH(QString, toneMode);
    QFETCH(QString, mode);
    QFETCH(QString, toneRadio);
    QFETCH(QString, modeRadio);
    CRecordingData data(kEur);
    data.Set({u"CH.MCH.7.APPEAR=ON"_s, u"CH.MCH.7.FREQUENCY=145.5"_s,
              u"CH.MCH.7.TONE_SELECTION="_s + toneMode, u"CH.MCH.7.MODE="_s + mode});
    CEditMemoryDlg dialog(data, 7);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    const auto tabUntilRadio = [](QWidget* from) {
        QWidget* focus = from;
        for (int step = 0; step < 20 && qobject_cast<QRadioButton*>(focus) == nullptr; ++step) {
            QTest::keyClick(focus, Qt::Key_Tab);
            focus = QApplication::focusWidget();
        }
        return focus;
    };
    Check(dialog, u"checkSkip"_s)->setFocus();
    QWidget* tone = tabUntilRadio(Check(dialog, u"checkSkip"_s));
    QCOMPARE(tone->objectName(), toneRadio);
    QTest::keyClick(tone, Qt::Key_Space);
    QVERIFY(Radio(dialog, toneRadio)->isChecked());
    QTest::keyClick(tone, Qt::Key_Tab);
    QWidget* modeFocus = tabUntilRadio(QApplication::focusWidget());
    QCOMPARE(modeFocus->objectName(), modeRadio);

    Radio(dialog, u"radioWfm"_s)->setChecked(true);
    Check(dialog, u"checkSkip"_s)->setFocus();
    tabUntilRadio(Check(dialog, u"checkSkip"_s));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(tabUntilRadio(QApplication::focusWidget())->objectName(), u"radioWfm"_s);
}

// The dialog shows the preview's hints as the user types and sends nothing for them; what it said
// is what OK stores.
void TestEditMemoryDlg::hintsFollowTheTyping()
{
    CRecordingData data;
    data.Set(kUsedChannel7);
    CEditMemoryDlg dialog(data, 7);
    dialog.show();
    QLabel* frequencyHint = Control<QLabel>(dialog, u"hintFrequency"_s);
    QVERIFY(frequencyHint->isHidden());
    data.ClearCommands();

    QLineEdit* frequency = Edit(dialog, u"editFrequency"_s);
    frequency->clear();
    QTest::keyClicks(frequency, u"l45.5"_s);
    QVERIFY(frequencyHint->isVisible());
    QCOMPARE(frequencyHint->text(), u"not a frequency: OK will blank the channel"_s);
    frequency->setText(u"146.94"_s);
    QVERIFY(frequencyHint->isHidden());
    // What each hint says is the preview's (edit_memory_preview_test); a letter outside the name set is
    // one blank in the window too.
    Tick(Radio(dialog, u"radioAm"_s));
    Edit(dialog, u"editName"_s)->setText(u"K\u00F6ln"_s);
    QVERIFY(Control<QLabel>(dialog, u"hintName"_s)->isVisible());
    QVERIFY(data.Commands().isEmpty());

    Click(dialog, u"okButton"_s);
    QCOMPARE(data.Ask(u"CH.MCH.7.NAME"_s), u"K LN  "_s);
    QCOMPARE(data.Ask(u"CH.MCH.7.MODE"_s), u"FM"_s);
}

void TestEditMemoryDlg::skipAndNameFollowTheChannelKind_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("skip");
    QTest::addColumn<bool>("name");

    QTest::newRow("memory 0") << 0 << u"CH.MCH.0."_s << true << true;
    QTest::newRow("memory 99") << 99 << u"CH.MCH.99."_s << true << true;
    QTest::newRow("edge 0A") << 100 << u"CH.PCH.0A."_s << false << true;
    QTest::newRow("edge 1A") << 102 << u"CH.PCH.1A."_s << false << true;
    QTest::newRow("edge 9B") << 119 << u"CH.PCH.9B."_s << false << true;
    QTest::newRow("call 50") << 120 << u"CH.CALL.50."_s << false << false;
    QTest::newRow("call 1200") << 123 << u"CH.CALL.1200."_s << false << false;
}

void TestEditMemoryDlg::skipAndNameFollowTheChannelKind()
{
    QFETCH(int, row);
    QFETCH(QString, prefix);
    QFETCH(bool, skip);
    QFETCH(bool, name);

    CRecordingData data;
    CEditMemoryDlg dialog(data, row);
    QCOMPARE(data.Commands().first(), prefix + u"APPEAR"_s);
    Edit(dialog, u"editFrequency"_s)->setText(u"145.0000"_s);
    QCOMPARE(Check(dialog, u"checkSkip"_s)->isEnabled(), skip);
    QCOMPARE(Edit(dialog, u"editName"_s)->isEnabled(), name);
    QVERIFY(Edit(dialog, u"editOffset"_s)->isEnabled());

    data.ClearCommands();
    Click(dialog, u"okButton"_s);
    QCOMPARE(data.Commands().size(), 12);
    for (const QString& command : data.Commands()) {
        QVERIFY2(command.startsWith(prefix), qPrintable(command));
    }
}

void TestEditMemoryDlg::narrowFmOnlyForEuropeanVersions()
{
    {
        CRecordingData usa(kUsa);
        CEditMemoryDlg dialog(usa, 5);
        QVERIFY(!Radio(dialog, u"radioNarrowFm"_s)->isVisibleTo(&dialog));
        QVERIFY(Radio(dialog, u"radioFm"_s)->isVisibleTo(&dialog));
    }
    for (int country : {kEur, 2, 3, 4, 10}) {
        CRecordingData europe(country);
        CEditMemoryDlg dialog(europe, 5);
        QVERIFY2(Radio(dialog, u"radioNarrowFm"_s)->isVisibleTo(&dialog),
                 qPrintable(europe.Ask(u"MODEL.COUNTRY"_s)));
    }
    for (int country : {0, 6, 7, 8, 9}) {
        CRecordingData other(country);
        CEditMemoryDlg dialog(other, 5);
        QVERIFY2(!Radio(dialog, u"radioNarrowFm"_s)->isVisibleTo(&dialog),
                 qPrintable(other.Ask(u"MODEL.COUNTRY"_s)));
    }
}

void TestEditMemoryDlg::narrowFmIsUsableWithoutFrequency()
{
    CRecordingData data(kEur);
    QCOMPARE(data.Ask(u"MODEL.COUNTRY"_s), u"EUR"_s);
    CEditMemoryDlg dialog(data, 5);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QRadioButton* narrow = Radio(dialog, u"radioNarrowFm"_s);
    QVERIFY(narrow->isVisible());
    QVERIFY(narrow->isEnabled());
    QVERIFY(!Radio(dialog, u"radioFm"_s)->isEnabled());

    Tick(narrow);
    QVERIFY(narrow->isChecked());
    QVERIFY(!Radio(dialog, u"radioFm"_s)->isChecked());

    QTest::keyClicks(Edit(dialog, u"editFrequency"_s), u"145.5000"_s);
    data.ClearCommands();
    Click(dialog, u"okButton"_s);
    QCOMPARE(data.Commands().at(7), u"CH.MCH.5.MODE=FM Narrow"_s);
    QCOMPARE(data.Ask(u"CH.MCH.5.MODE"_s), u"FM Narrow"_s);
    QCOMPARE(data.Ask(u"CH.MCH.5.APPEAR"_s), u"ON"_s);
}

void TestEditMemoryDlg::cancelSendsNothing()
{
    CRecordingData data;
    data.Set(kUsedChannel7);
    const QString image = data.Image();
    const QString channel = data.Ask(u"CH.MCH.7.ALL"_s);

    CEditMemoryDlg dialog(data, 7);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    data.ClearCommands();
    Edit(dialog, u"editFrequency"_s)->setText(u"146.0000"_s);
    Edit(dialog, u"editName"_s)->setText(u"OTHER"_s);
    List(dialog, u"comboDuplex"_s)->setCurrentIndex(0);
    Tick(Radio(dialog, u"radioAm"_s));
    Tick(Check(dialog, u"checkSkip"_s));
    QVERIFY(Radio(dialog, u"radioAm"_s)->isChecked());
    QVERIFY(!Check(dialog, u"checkSkip"_s)->isChecked());

    Click(dialog, u"cancelButton"_s);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(data.Commands().isEmpty());
    QCOMPARE(data.Ask(u"CH.MCH.7.ALL"_s), channel);
    QCOMPARE(data.Image(), image);

    // Escape is Cancel too.
    CEditMemoryDlg second(data, 7);
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    data.ClearCommands();
    QTest::keyClick(&second, Qt::Key_Escape);
    QCOMPARE(second.result(), int(QDialog::Rejected));
    QVERIFY(data.Commands().isEmpty());
    QCOMPARE(data.Image(), image);
}

void TestEditMemoryDlg::rowOutsideTheListIsNeverWritten()
{
    CRecordingData data;
    const QString image = data.Image();
    data.ClearCommands();
    CEditMemoryDlg dialog(data, 124);
    QCOMPARE(data.Commands(), QStringList({u"MODEL.COUNTRY"_s}));
    Edit(dialog, u"editFrequency"_s)->setText(u"145.0000"_s);
    Click(dialog, u"okButton"_s);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(data.Commands(), QStringList({u"MODEL.COUNTRY"_s}));
    QCOMPARE(data.Image(), image);
}

ZQ_GUI_TEST(TestEditMemoryDlg)
#include "tst_edit_memory_dlg.moc"
