#pragma once

#include <QDialog>
#include <QString>
#include <memory>
#include <string>
#include <string_view>

class CEditMemoryPreview;
class ICommandTarget;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
struct SEditMemoryValues;

// Edits one row of the channel list (a memory channel, a program-scan edge or a call channel) through
// channel commands only. OK writes every field back, then "APPEAR" and "HEAL", so the channel table
// repairs whatever was typed; an unusable frequency blanks the channel. Cancel sends nothing. While
// the user types, a hint beside a field tells what OK will store where that differs from the text.
class CEditMemoryDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kFrequencyLength = 11;
    static constexpr int kOffsetLength = 9;
    static constexpr int kNameLength = 6;

    // The row is a channel list row, 0 to 123; the data must outlive the dialog. exec() == Accepted means
    // the channel was rewritten and repaired; a row outside the list is never rewritten.
    CEditMemoryDlg(ICommandTarget& data, int row, QWidget* parent = nullptr);
    ~CEditMemoryDlg() override;
    CEditMemoryDlg(const CEditMemoryDlg&) = delete;
    CEditMemoryDlg& operator=(const CEditMemoryDlg&) = delete;

    int Row() const { return m_row; }

    void accept() override;

private:
    void CreateControls();
    void LayOut();
    void ReadChannel();
    // Enables the controls for the frequency edit's current text; run again on every change of it.
    void ApplyEnablingRules();
    bool IsFrequencyEmpty() const;
    bool IsMemoryRow() const;
    bool IsCallRow() const;
    // The controls' values in the channel's words, as OK sends them.
    SEditMemoryValues Values() const;
    void UpdateHints();

    std::string Read(std::string_view key);

    ICommandTarget& m_data;
    const int m_row;
    const std::string m_prefix;
    bool m_frequencyEmpty = true;

    QLineEdit* m_frequency;
    QComboBox* m_duplex;
    QLineEdit* m_offset;
    QLineEdit* m_name;
    QRadioButton* m_toneOff;
    QRadioButton* m_tone;
    QRadioButton* m_tsql;
    QComboBox* m_repeaterTone;
    QComboBox* m_tsqlTone;
    QRadioButton* m_fm;
    QRadioButton* m_am;
    QRadioButton* m_wfm;
    QRadioButton* m_narrowFm;
    QCheckBox* m_skip;
    QLabel* m_tuningStepLabel;
    QComboBox* m_tuningStep;
    QCheckBox* m_programSkip;
    QButtonGroup* m_toneGroup;
    QButtonGroup* m_modeGroup;
    QLabel* m_frequencyHint;
    QLabel* m_offsetHint;
    QLabel* m_nameHint;
    QLabel* m_modeHint;
    std::unique_ptr<CEditMemoryPreview> m_preview;
};
