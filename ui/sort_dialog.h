#pragma once

#include "operations/channel_operations.h"

#include <QDialog>

class CChannelRangeEdit;
class QComboBox;
class QRadioButton;

// Edit > Sort Channels...: the range of memory channels, the key (frequency, name, or tone then
// frequency) and the order. Widgets "rangeFromSpin", "rangeToSpin", "sortKeyCombo", "radioAscending",
// "radioDescending", "okButton", "cancelButton".
class CSortChannelsDlg : public QDialog
{
    Q_OBJECT

public:
    CSortChannelsDlg(int first, int last, ESortKey key, ESortOrder order, QWidget* parent = nullptr);

    int First() const;
    int Last() const;
    ESortKey Key() const;
    ESortOrder Order() const;

    // Refused, the dialog staying open, while From is after To.
    void accept() override;

private:
    CChannelRangeEdit* m_range;
    QComboBox* m_key;
    QRadioButton* m_ascending;
    QRadioButton* m_descending;
};
