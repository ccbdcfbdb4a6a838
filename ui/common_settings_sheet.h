#pragma once

#include <QDialog>
#include <QFont>
#include <QString>
#include <QWidget>
#include <array>
#include <vector>

class ICommandTarget;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;

// The " Common " page of the settings sheet: four switches, seven lists and the clone comment. It knows
// the settings only as "COMMON." commands: on activation it asks for each value and turns the answer
// into a control's state, on OK it turns every control back into a value word and sends all twelve
// settings, changed or not. The lists offer exactly the texts of the string table, and each mapping from
// answer to text and from text to value word is an exact text comparison.
class CPropertyPageC31 : public QWidget
{
    Q_OBJECT

public:
    // Which Auto Repeater list the destination has.
    enum EAutoRepeaterKind
    {
        kNoAutoRepeater = 0,
        kAutoRepeaterOffOn = 1,
        kAutoRepeaterDuplex = 2,
    };

    static constexpr int kCommentLength = 16;

    // The data must outlive the page.
    explicit CPropertyPageC31(ICommandTarget& radioData, QWidget* parent = nullptr);

    QString Caption() const;

    // The sheet opens: labels and lists are filled afresh and every value is read.
    void OnSetActive();
    // OK: all twelve settings are sent in their fixed order. Nothing on the page can be invalid, so the
    // sheet may always close.
    bool OnKillActive();

    int AutoRepeaterKind() const { return m_autoRepeaterKind; }

    // The lists, in the order of the page (and of their filling).
    enum EList
    {
        kAutoPowerOffList,
        kRfPowerList,
        kAutoRepeaterList,
        kScanTimerList,
        kMicFunctionList,
        kLcdContrastList,
        kBacklightList,
        kListCount,
    };
    // The switches, in the order of the page.
    enum ESwitch
    {
        kBeepSwitch,
        kPowerSaveSwitch,
        kVoltageIndicationSwitch,
        kIndicationModeSwitch,
        kSwitchCount,
    };

private:
    void CreateControls();
    void FillLists();
    void ReadValues();
    void SendValues();
    // Data exchange between the page's states and its controls.
    void StatesToControls();
    void ControlsToStates();

    // The common setting "COMMON.<key>".
    std::string Query(std::string_view key);
    void Set(std::string_view key, std::string_view value);

    ICommandTarget& m_data;
    std::array<int, kSwitchCount> m_switches{};
    std::array<QString, kListCount> m_listTexts;
    QString m_comment;
    int m_autoRepeaterKind = kNoAutoRepeater;

    std::array<QCheckBox*, kSwitchCount> m_checks{};
    std::array<QComboBox*, kListCount> m_lists{};
    QComboBox* m_ritSelection = nullptr;
    QLineEdit* m_commentEdit = nullptr;
};

// The settings sheet: a modal dialog with its pages as tabs and exactly the buttons OK and Cancel. The
// pages are activated when the sheet opens; OK deactivates the current page, which sends its values,
// while Cancel, Escape and the close box end the sheet without a word to the data.
class CFixedFontPropertySheet : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kFontPixelHeight = 50;

    explicit CFixedFontPropertySheet(const QString& caption, QWidget* parent = nullptr);

    // The sheet takes the page over.
    void AddPage(CPropertyPageC31* page);
    // The italic proportional font built for the sheet; the sheet itself keeps the platform font.
    QFont SheetFont() const { return m_font; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    CPropertyPageC31* CurrentPage() const;

    QTabWidget* m_tabs;
    std::vector<CPropertyPageC31*> m_pages;
    QFont m_font;
    bool m_activated = false;
};

// The "Common Setting" command: the "Setting" sheet with its " Common " page, run modally on the data.
void RunCommonSettingSheet(ICommandTarget& data, QWidget* parent);
