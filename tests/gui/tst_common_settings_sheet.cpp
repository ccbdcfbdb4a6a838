#include "core/rig/radio_data.h"
#include "core/settings_store.h"
#include "res/load_string.h"
#include "support/gui_test_main.h"
#include "support/gui_test_support.h"
#include "ui/common_settings_sheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int kEur = 1;
constexpr int kUsa = 5;
constexpr int kJpn = 0;

QString FromStd(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Answers from a script and remembers every command, so any answer the page may meet can be tried.
class CScriptedTarget : public ICommandTarget
{
public:
    std::string Execute(std::string_view command) override
    {
        commands.append(FromStd(command));
        const auto it = answers.find(std::string(command));
        return it != answers.end() ? it->second : std::string();
    }

    std::map<std::string, std::string> answers;
    QStringList commands;
};

// The real radio data of a destination, with every command passed through it remembered.
class CRecordingTarget : public ICommandTarget
{
public:
    explicit CRecordingTarget(int destination)
    {
        m_store.SetInt(settings::kSetupInfo, settings::kSetupDone, 1);
        m_store.SetInt(settings::kSetupInfo, settings::kDestination, destination);
        m_data = std::make_unique<CL52RadioData>(&m_store);
        m_data->Initialize();
    }

    std::string Execute(std::string_view command) override
    {
        commands.append(FromStd(command));
        return m_data->Execute(command);
    }

    // A command sent to the data without being recorded.
    std::string Direct(std::string_view command) { return m_data->Execute(command); }

    QStringList commands;

private:
    CMemorySettingsStore m_store;
    std::unique_ptr<CL52RadioData> m_data;
};

// The sheet with its page, opened without a modal loop of its own.
struct SSheet
{
    explicit SSheet(ICommandTarget& data) : sheet(LoadString(ids::kSettingCaption))
    {
        page = new CPropertyPageC31(data);
        sheet.AddPage(page);
        sheet.show();
    }

    template <typename T> T* Find(const char* name) const
    {
        return sheet.findChild<T*>(QString::fromLatin1(name));
    }
    QComboBox* List(const char* name) const { return Find<QComboBox>(name); }
    QCheckBox* Check(const char* name) const { return Find<QCheckBox>(name); }
    QLineEdit* Comment() const { return Find<QLineEdit>("commentEdit"); }
    void ClickOk() const { Find<QPushButton>("okButton")->click(); }
    void ClickCancel() const { Find<QPushButton>("cancelButton")->click(); }

    CFixedFontPropertySheet sheet;
    CPropertyPageC31* page;
};

QStringList Items(const QComboBox* list)
{
    QStringList items;
    for (int index = 0; index < list->count(); ++index) {
        items.append(list->itemText(index));
    }
    return items;
}

QStringList Sets(const QStringList& commands)
{
    QStringList sets;
    for (const QString& command : commands) {
        if (command.contains(u'=')) {
            sets.append(command);
        }
    }
    return sets;
}

// The value sent for a key on OK, or a null string when none was.
QString SentValue(const QStringList& commands, const QString& key)
{
    for (const QString& command : commands) {
        if (command.startsWith(key + u'=')) {
            return command.mid(key.size() + 1);
        }
    }
    return QString();
}

const QStringList kReadOrder = {
    u"MODEL.COUNTRY"_s,
    u"COMMON.BEEP"_s,
    u"COMMON.NAME_DISPLAY"_s,
    u"COMMON.POWER_SAVE"_s,
    u"COMMON.VOLTAGE_INDICATION"_s,
    u"COMMON.RF_POWER"_s,
    u"COMMON.AUTO_REPEATER"_s,
    u"COMMON.AUTO_POWER_OFF"_s,
    u"COMMON.SCAN_STOP_ACTION"_s,
    u"COMMON.MIC_FUNCTION"_s,
    u"COMMON.LCD_CONTRAST"_s,
    u"COMMON.BACKLIGHT"_s,
    u"COMMON.CLONE_COMMENT"_s,
};

} // namespace

class TestCommonSettingsSheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { AnswerDialogsAutomatically(); }

    void sheetHasOneCommonPageAndExactlyOkAndCancel();
    void labelsAndListsComeFromTheStringTable();
    void ritSelectionIsNeverShownReadOrWritten();
    void valuesAreReadInTheirOrderWhenTheSheetOpens();
    void okWithoutChangesSendsAllTwelveAsShown();
    void cancelEscapeAndCloseSendNothing();
    void autoRepeaterListFollowsTheDestination();
    void otherDestinationShowsDashesAndSendsOff();
    void usaOn2IsShownAndSentBack();
    void answersAreShownByTheMappingTables();
    void choicesAreSentByTheMappingTables();
    void unmatchedListTextShowsNoChoiceAndSendsTheFallback();
    void switchesTickAndSend();
    void powerSaveTickedForAnythingButOff();
    void commentIsTrimmedLimitedAndNeverEmpty();
    void changedValuesReachTheData();
};

void TestCommonSettingsSheet::sheetHasOneCommonPageAndExactlyOkAndCancel()
{
    CScriptedTarget data;
    SSheet s(data);
    QCOMPARE(s.sheet.objectName(), u"settingSheet"_s);
    QCOMPARE(s.sheet.windowTitle(), u"Setting"_s);
    auto* tabs = s.Find<QTabWidget>("sheetTabs");
    QVERIFY(tabs != nullptr);
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabText(0), u" Common "_s);
    QCOMPARE(tabs->widget(0), s.page);
    QCOMPARE(s.page->objectName(), u"commonPage"_s);
    QStringList buttons;
    for (const QPushButton* button : s.sheet.findChildren<QPushButton*>()) {
        buttons.append(button->text());
    }
    QCOMPARE(buttons, QStringList({u"OK"_s, u"Cancel"_s}));
    QVERIFY(s.Find<QPushButton>("okButton")->isDefault());
    // The italic proportional font is built, but the sheet keeps the platform font.
    QVERIFY(s.sheet.SheetFont().italic());
    QCOMPARE(s.sheet.SheetFont().pixelSize(), CFixedFontPropertySheet::kFontPixelHeight);
    QVERIFY(!s.sheet.font().italic());
}

void TestCommonSettingsSheet::labelsAndListsComeFromTheStringTable()
{
    CRecordingTarget data(kUsa);
    SSheet s(data);
    const std::pair<const char*, QString> checks[] = {
        {"beepCheck", u"Operation Beep"_s},
        {"powerSaveCheck", u"Power Save"_s},
        {"voltageIndicationCheck", u"Voltage Indication"_s},
        {"indicationModeCheck", u"Indication Mode"_s},
    };
    for (const auto& [name, text] : checks) {
        QVERIFY2(s.Check(name) != nullptr, name);
        QCOMPARE(s.Check(name)->text(), text);
    }
    const std::pair<const char*, QString> labels[] = {
        {"autoPowerOffLabel", u"Auto Power-OFF"_s},  {"rfPowerLabel", u"RF Power"_s},
        {"autoRepeaterLabel", u"Auto Repeater"_s},   {"scanTimerLabel", u"Scan Timer"_s},
        {"micFunctionLabel", u"KQ18/A Function"_s},  {"lcdContrastLabel", u"LCD Contrast"_s},
        {"backlightLabel", u"Display Back Light"_s}, {"commentLabel", u"Comment"_s},
        {"ritSelectionLabel", u"RIT Selection"_s},
    };
    for (const auto& [name, text] : labels) {
        QVERIFY2(s.Find<QLabel>(name) != nullptr, name);
        QCOMPARE(s.Find<QLabel>(name)->text(), text);
    }
    QCOMPARE(Items(s.List("autoPowerOffCombo")),
             QStringList({u"Off"_s, u"20 min"_s, u"40 min"_s, u"60 min"_s}));
    QCOMPARE(Items(s.List("rfPowerCombo")), QStringList({u"Low"_s, u"High"_s}));
    QCOMPARE(Items(s.List("autoRepeaterCombo")),
             QStringList({u"Off"_s, u"ON1: Duplex Only"_s, u"ON2: Duplex & Tone"_s}));
    QCOMPARE(Items(s.List("scanTimerCombo")),
             QStringList({u"P-2: Pauses until signal"_s, u"T-10: Pauses 10 sec"_s}));
    QCOMPARE(Items(s.List("micFunctionCombo")), QStringList({u"Normal 1"_s, u"Normal 2"_s, u"Simple"_s}));
    QCOMPARE(Items(s.List("lcdContrastCombo")), QStringList({u"1: Low"_s, u"2: High"_s}));
    QCOMPARE(Items(s.List("backlightCombo")), QStringList({u"Off"_s, u"Automatic"_s, u"On"_s}));
    QCOMPARE(s.Comment()->maxLength(), 16);
    for (const char* name : {"switchGroup", "commentGroup", "listGroup"}) {
        QVERIFY2(s.Find<QWidget>(name) != nullptr, name);
    }
}

void TestCommonSettingsSheet::ritSelectionIsNeverShownReadOrWritten()
{
    CRecordingTarget data(kUsa);
    SSheet s(data);
    QComboBox* rit = s.List("ritSelectionCombo");
    QVERIFY(rit != nullptr);
    QVERIFY(rit->isHidden());
    QVERIFY(s.Find<QLabel>("ritSelectionLabel")->isHidden());
    QCOMPARE(rit->count(), 0);
    s.ClickOk();
    for (const QString& command : data.commands) {
        QVERIFY2(!command.contains(u"RIT"_s, Qt::CaseInsensitive), qPrintable(command));
    }
}

void TestCommonSettingsSheet::valuesAreReadInTheirOrderWhenTheSheetOpens()
{
    CRecordingTarget data(kUsa);
    {
        CFixedFontPropertySheet sheet(LoadString(ids::kSettingCaption));
        sheet.AddPage(new CPropertyPageC31(data));
        // Nothing is asked before the sheet opens.
        QVERIFY(data.commands.isEmpty());
        sheet.show();
        QCOMPARE(data.commands, kReadOrder);
        // Showing it again does not activate the page a second time.
        sheet.hide();
        sheet.show();
        QCOMPARE(data.commands, kReadOrder);
    }

    // Without an auto repeater its value is not asked.
    CRecordingTarget eur(kEur);
    SSheet s(eur);
    QStringList expected = kReadOrder;
    expected.removeAll(u"COMMON.AUTO_REPEATER"_s);
    QCOMPARE(eur.commands, expected);
}

void TestCommonSettingsSheet::okWithoutChangesSendsAllTwelveAsShown()
{
    CRecordingTarget data(kUsa);
    const std::string image = data.Direct("IMAGE");
    SSheet s(data);
    QCOMPARE(s.List("rfPowerCombo")->currentText(), u"High"_s);
    QCOMPARE(s.List("backlightCombo")->currentText(), u"Automatic"_s);
    QCOMPARE(s.List("scanTimerCombo")->currentText(), u"T-10: Pauses 10 sec"_s);
    QCOMPARE(s.Comment()->text(), QString());
    data.commands.clear();
    s.ClickOk();
    QCOMPARE(s.sheet.result(), int(QDialog::Accepted));
    QCOMPARE(data.commands, QStringList({
                                u"COMMON.BEEP=ON"_s,
                                u"COMMON.NAME_DISPLAY=OFF"_s,
                                u"COMMON.POWER_SAVE=ON"_s,
                                u"COMMON.VOLTAGE_INDICATION=ON"_s,
                                u"COMMON.RF_POWER=HIGH"_s,
                                u"COMMON.AUTO_REPEATER=OFF"_s,
                                u"COMMON.AUTO_POWER_OFF=OFF"_s,
                                u"COMMON.SCAN_STOP_ACTION=T-10"_s,
                                u"COMMON.MIC_FUNCTION=NORMAL1"_s,
                                u"COMMON.LCD_CONTRAST=HIGH"_s,
                                u"COMMON.BACKLIGHT=AUTO"_s,
                                u"COMMON.CLONE_COMMENT= "_s,
                            }));
    // The values shown were the values held: the image is what it was.
    QCOMPARE(data.Direct("IMAGE"), image);
}

void TestCommonSettingsSheet::cancelEscapeAndCloseSendNothing()
{
    CRecordingTarget data(kUsa);
    {
        SSheet s(data);
        s.Check("beepCheck")->setChecked(false);
        data.commands.clear();
        s.ClickCancel();
        QCOMPARE(s.sheet.result(), int(QDialog::Rejected));
        QVERIFY(data.commands.isEmpty());
    }
    {
        SSheet s(data);
        s.Check("beepCheck")->setChecked(false);
        data.commands.clear();
        QTest::keyClick(&s.sheet, Qt::Key_Escape);
        QVERIFY(s.sheet.isHidden());
        QVERIFY(data.commands.isEmpty());
    }
    {
        SSheet s(data);
        s.Check("beepCheck")->setChecked(false);
        data.commands.clear();
        s.sheet.close();
        QVERIFY(s.sheet.isHidden());
        QVERIFY(data.commands.isEmpty());
    }
    QCOMPARE(data.Direct("COMMON.BEEP"), std::string("ON"));
}

void TestCommonSettingsSheet::autoRepeaterListFollowsTheDestination()
{
    const std::pair<int, QStringList> cases[] = {
        {kJpn, {u"Off"_s, u"On"_s}},
        {9, {u"Off"_s, u"On"_s}},
        {kUsa, {u"Off"_s, u"ON1: Duplex Only"_s, u"ON2: Duplex & Tone"_s}},
        {kEur, {u"---"_s}},
        {2, {u"---"_s}},
        {10, {u"---"_s}},
    };
    for (const auto& [destination, items] : cases) {
        CRecordingTarget data(destination);
        SSheet s(data);
        QCOMPARE(Items(s.List("autoRepeaterCombo")), items);
        const int kind = items.size() == 2 ? 1 : items.size() == 3 ? 2 : 0;
        QCOMPARE(s.page->AutoRepeaterKind(), kind);
    }
    // Japan's transceivers come with the auto repeater on.
    CRecordingTarget jpn(kJpn);
    SSheet s(jpn);
    QCOMPARE(s.List("autoRepeaterCombo")->currentText(), u"On"_s);
}

void TestCommonSettingsSheet::otherDestinationShowsDashesAndSendsOff()
{
    CRecordingTarget data(kEur);
    SSheet s(data);
    QCOMPARE(s.List("autoRepeaterCombo")->currentText(), u"---"_s);
    QCOMPARE(s.List("autoRepeaterCombo")->count(), 1);
    s.ClickOk();
    QCOMPARE(SentValue(data.commands, u"COMMON.AUTO_REPEATER"_s), u"OFF"_s);
    QCOMPARE(Sets(data.commands).size(), 12);
}

void TestCommonSettingsSheet::usaOn2IsShownAndSentBack()
{
    CRecordingTarget data(kUsa);
    QCOMPARE(data.Direct("COMMON.AUTO_REPEATER=ON2"), std::string("ON2"));
    SSheet s(data);
    QCOMPARE(s.List("autoRepeaterCombo")->currentText(), u"ON2: Duplex & Tone"_s);
    s.ClickOk();
    QCOMPARE(SentValue(data.commands, u"COMMON.AUTO_REPEATER"_s), u"ON2"_s);
    QCOMPARE(data.Direct("COMMON.AUTO_REPEATER"), std::string("ON2"));
}

void TestCommonSettingsSheet::answersAreShownByTheMappingTables()
{
    struct SCase
    {
        const char* country;
        const char* key;
        const char* answer;
        const char* list;
        QString shown;
    };
    const SCase cases[] = {
        {"USA", "COMMON.AUTO_POWER_OFF", "20min", "autoPowerOffCombo", u"20 min"_s},
        {"USA", "COMMON.AUTO_POWER_OFF", "40min", "autoPowerOffCombo", u"40 min"_s},
        {"USA", "COMMON.AUTO_POWER_OFF", "60min", "autoPowerOffCombo", u"60 min"_s},
        {"USA", "COMMON.AUTO_POWER_OFF", "OFF", "autoPowerOffCombo", u"Off"_s},
        // Every comparison is exact and case-sensitive.
        {"USA", "COMMON.AUTO_POWER_OFF", "20MIN", "autoPowerOffCombo", u"Off"_s},
        {"USA", "COMMON.RF_POWER", "HIGH", "rfPowerCombo", u"High"_s},
        {"USA", "COMMON.RF_POWER", "LOW", "rfPowerCombo", u"Low"_s},
        {"USA", "COMMON.RF_POWER", "high", "rfPowerCombo", u"Low"_s},
        {"USA", "COMMON.SCAN_STOP_ACTION", "T-10", "scanTimerCombo", u"T-10: Pauses 10 sec"_s},
        {"USA", "COMMON.SCAN_STOP_ACTION", "P-2", "scanTimerCombo", u"P-2: Pauses until signal"_s},
        {"USA", "COMMON.SCAN_STOP_ACTION", "", "scanTimerCombo", u"P-2: Pauses until signal"_s},
        {"USA", "COMMON.MIC_FUNCTION", "NORMAL2", "micFunctionCombo", u"Normal 2"_s},
        {"USA", "COMMON.MIC_FUNCTION", "SIMPLE", "micFunctionCombo", u"Simple"_s},
        {"USA", "COMMON.MIC_FUNCTION", "NORMAL1", "micFunctionCombo", u"Normal 1"_s},
        {"USA", "COMMON.MIC_FUNCTION", "X", "micFunctionCombo", u"Normal 1"_s},
        {"USA", "COMMON.LCD_CONTRAST", "LOW", "lcdContrastCombo", u"1: Low"_s},
        {"USA", "COMMON.LCD_CONTRAST", "HIGH", "lcdContrastCombo", u"2: High"_s},
        {"USA", "COMMON.LCD_CONTRAST", "X", "lcdContrastCombo", u"2: High"_s},
        {"USA", "COMMON.BACKLIGHT", "OFF", "backlightCombo", u"Off"_s},
        {"USA", "COMMON.BACKLIGHT", "ON", "backlightCombo", u"On"_s},
        {"USA", "COMMON.BACKLIGHT", "AUTO", "backlightCombo", u"Automatic"_s},
        {"USA", "COMMON.BACKLIGHT", "X", "backlightCombo", u"Automatic"_s},
        {"USA", "COMMON.AUTO_REPEATER", "ON1", "autoRepeaterCombo", u"ON1: Duplex Only"_s},
        {"USA", "COMMON.AUTO_REPEATER", "ON2", "autoRepeaterCombo", u"ON2: Duplex & Tone"_s},
        {"USA", "COMMON.AUTO_REPEATER", "OFF", "autoRepeaterCombo", u"Off"_s},
        // "ON" is shown as "On", and the first item beginning with it, whatever the case, is chosen.
        {"USA", "COMMON.AUTO_REPEATER", "ON", "autoRepeaterCombo", u"ON1: Duplex Only"_s},
        {"JPN", "COMMON.AUTO_REPEATER", "ON", "autoRepeaterCombo", u"On"_s},
        {"KOR", "COMMON.AUTO_REPEATER", "OFF", "autoRepeaterCombo", u"Off"_s},
        {"KOR", "COMMON.AUTO_REPEATER", "X", "autoRepeaterCombo", u"Off"_s},
        {"EUR", "COMMON.AUTO_REPEATER", "ON", "autoRepeaterCombo", u"---"_s},
    };
    for (const SCase& c : cases) {
        CScriptedTarget data;
        data.answers["MODEL.COUNTRY"] = c.country;
        data.answers[c.key] = c.answer;
        SSheet s(data);
        QVERIFY2(s.List(c.list)->currentText() == c.shown,
                 qPrintable(QString::fromLatin1(c.key) + u' ' + QString::fromLatin1(c.answer) + u" -> "_s +
                            s.List(c.list)->currentText()));
    }
}

void TestCommonSettingsSheet::choicesAreSentByTheMappingTables()
{
    struct SCase
    {
        const char* country;
        const char* list;
        QString key;
        QStringList words;
    };
    const SCase cases[] = {
        {"USA",
         "autoPowerOffCombo",
         u"COMMON.AUTO_POWER_OFF"_s,
         {u"OFF"_s, u"20min"_s, u"40min"_s, u"60min"_s}},
        {"USA", "rfPowerCombo", u"COMMON.RF_POWER"_s, {u"LOW"_s, u"HIGH"_s}},
        {"USA", "autoRepeaterCombo", u"COMMON.AUTO_REPEATER"_s, {u"OFF"_s, u"ON1"_s, u"ON2"_s}},
        {"JPN", "autoRepeaterCombo", u"COMMON.AUTO_REPEATER"_s, {u"OFF"_s, u"ON"_s}},
        {"UK", "autoRepeaterCombo", u"COMMON.AUTO_REPEATER"_s, {u"OFF"_s}},
        {"USA", "scanTimerCombo", u"COMMON.SCAN_STOP_ACTION"_s, {u"P-2"_s, u"T-10"_s}},
        {"USA", "micFunctionCombo", u"COMMON.MIC_FUNCTION"_s, {u"NORMAL1"_s, u"NORMAL2"_s, u"SIMPLE"_s}},
        {"USA", "lcdContrastCombo", u"COMMON.LCD_CONTRAST"_s, {u"LOW"_s, u"HIGH"_s}},
        {"USA", "backlightCombo", u"COMMON.BACKLIGHT"_s, {u"OFF"_s, u"AUTO"_s, u"ON"_s}},
    };
    for (const SCase& c : cases) {
        for (int item = 0; item < c.words.size(); ++item) {
            CScriptedTarget data;
            data.answers["MODEL.COUNTRY"] = c.country;
            SSheet s(data);
            s.List(c.list)->setCurrentIndex(item);
            s.ClickOk();
            QCOMPARE(SentValue(data.commands, c.key), c.words.at(item));
        }
    }
}

void TestCommonSettingsSheet::unmatchedListTextShowsNoChoiceAndSendsTheFallback()
{
    // Japan's list has no "ON2: Duplex & Tone": nothing is chosen, and nothing chosen is sent as "OFF".
    CScriptedTarget data;
    data.answers["MODEL.COUNTRY"] = "JPN";
    data.answers["COMMON.AUTO_REPEATER"] = "ON2";
    SSheet s(data);
    QCOMPARE(s.List("autoRepeaterCombo")->currentIndex(), -1);
    s.ClickOk();
    QCOMPARE(SentValue(data.commands, u"COMMON.AUTO_REPEATER"_s), u"OFF"_s);
}

void TestCommonSettingsSheet::switchesTickAndSend()
{
    CScriptedTarget data;
    data.answers["COMMON.BEEP"] = "ON";
    data.answers["COMMON.NAME_DISPLAY"] = "on";
    data.answers["COMMON.POWER_SAVE"] = "OFF";
    data.answers["COMMON.VOLTAGE_INDICATION"] = "OFF";
    SSheet s(data);
    QVERIFY(s.Check("beepCheck")->isChecked());
    // Exactly "ON" ticks the box.
    QVERIFY(!s.Check("indicationModeCheck")->isChecked());
    QVERIFY(!s.Check("powerSaveCheck")->isChecked());
    QVERIFY(!s.Check("voltageIndicationCheck")->isChecked());

    s.Check("beepCheck")->setChecked(false);
    s.Check("indicationModeCheck")->setChecked(true);
    s.Check("voltageIndicationCheck")->setChecked(true);
    s.ClickOk();
    QCOMPARE(SentValue(data.commands, u"COMMON.BEEP"_s), u"OFF"_s);
    QCOMPARE(SentValue(data.commands, u"COMMON.NAME_DISPLAY"_s), u"ON"_s);
    QCOMPARE(SentValue(data.commands, u"COMMON.POWER_SAVE"_s), u"OFF"_s);
    QCOMPARE(SentValue(data.commands, u"COMMON.VOLTAGE_INDICATION"_s), u"ON"_s);
}

void TestCommonSettingsSheet::powerSaveTickedForAnythingButOff()
{
    for (const char* answer : {"ON", "", "X", "off"}) {
        CScriptedTarget data;
        data.answers["COMMON.POWER_SAVE"] = answer;
        SSheet s(data);
        QVERIFY2(s.Check("powerSaveCheck")->isChecked(), answer);
        s.ClickOk();
        QCOMPARE(SentValue(data.commands, u"COMMON.POWER_SAVE"_s), u"ON"_s);
    }
}

void TestCommonSettingsSheet::commentIsTrimmedLimitedAndNeverEmpty()
{
    {
        CScriptedTarget data;
        data.answers["COMMON.CLONE_COMMENT"] = "Club net 2      ";
        SSheet s(data);
        QCOMPARE(s.Comment()->text(), u"Club net 2"_s);
        s.ClickOk();
        QCOMPARE(SentValue(data.commands, u"COMMON.CLONE_COMMENT"_s), u"Club net 2"_s);
    }
    {
        CScriptedTarget data;
        SSheet s(data);
        s.Comment()->clear();
        QTest::keyClicks(s.Comment(), u"  Repeater   "_s);
        s.ClickOk();
        QCOMPARE(SentValue(data.commands, u"COMMON.CLONE_COMMENT"_s), u"  Repeater"_s);
    }
    {
        CScriptedTarget data;
        data.answers["COMMON.CLONE_COMMENT"] = "Something";
        SSheet s(data);
        s.Comment()->clear();
        s.ClickOk();
        QCOMPARE(SentValue(data.commands, u"COMMON.CLONE_COMMENT"_s), u" "_s);
        QCOMPARE(data.commands.last(), u"COMMON.CLONE_COMMENT= "_s);
    }
    {
        CScriptedTarget data;
        SSheet s(data);
        QTest::keyClicks(s.Comment(), u"ABCDEFGHIJKLMNOPQRSTU"_s);
        QCOMPARE(s.Comment()->text(), u"ABCDEFGHIJKLMNOP"_s);
    }
}

void TestCommonSettingsSheet::changedValuesReachTheData()
{
    CRecordingTarget data(kUsa);
    SSheet s(data);
    s.Check("beepCheck")->setChecked(false);
    s.List("rfPowerCombo")->setCurrentIndex(0);
    s.List("autoPowerOffCombo")->setCurrentIndex(3);
    s.List("backlightCombo")->setCurrentIndex(2);
    s.Comment()->setText(u"Field day"_s);
    s.ClickOk();
    QCOMPARE(data.Direct("COMMON.BEEP"), std::string("OFF"));
    QCOMPARE(data.Direct("COMMON.RF_POWER"), std::string("LOW"));
    QCOMPARE(data.Direct("COMMON.AUTO_POWER_OFF"), std::string("60min"));
    QCOMPARE(data.Direct("COMMON.BACKLIGHT"), std::string("ON"));
    QCOMPARE(data.Direct("COMMON.CLONE_COMMENT"), std::string("Field day       "));

    // The next opening reads everything afresh.
    SSheet again(data);
    QVERIFY(!again.Check("beepCheck")->isChecked());
    QCOMPARE(again.List("autoPowerOffCombo")->currentText(), u"60 min"_s);
    QCOMPARE(again.Comment()->text(), u"Field day"_s);
}

ZQ_GUI_TEST(TestCommonSettingsSheet)
#include "tst_common_settings_sheet.moc"
