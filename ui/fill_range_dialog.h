#pragma once

#include "operations/channel_fields.h"

#include <QDialog>
#include <string>

class CChannelRangeEdit;
class QComboBox;
class QLabel;
class QLineEdit;

// Edit > Fill Range...: the range of memory channels, the field and its value in the exchange form of
// the channel lists (a list of the forms where the field's values are a fixed set, a text for the
// offset). With a duplex shift an offset may be given too, so a repeater block is filled in one go.
// Widgets "rangeFromSpin", "rangeToSpin", "fillFieldCombo", "fillValueCombo" (editable for the offset),
// "fillOffsetEdit", "okButton", "cancelButton". OK is refused while an offset is no number of MHz.
class CFillRangeDlg : public QDialog
{
    Q_OBJECT

public:
    CFillRangeDlg(int first, int last, EChannelField field, QWidget* parent = nullptr);

    int First() const;
    int Last() const;
    EChannelField Field() const;
    // The exchange form ("-", "Tone", "88.5", "NFM", "S", "" for off, "0.6" for an offset).
    std::string Value() const;
    // The offset given with a duplex shift; empty when the channels keep their own.
    std::string ShiftOffset() const;

    void accept() override;

private:
    void FillValues();
    void UpdateOffset();

    CChannelRangeEdit* m_range;
    QComboBox* m_field;
    QComboBox* m_value;
    QLabel* m_offsetLabel;
    QLineEdit* m_offset;
};
