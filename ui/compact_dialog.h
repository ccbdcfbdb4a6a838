#pragma once

#include <QDialog>

class CChannelRangeEdit;

// Edit > Compact Channels...: the range of memory channels whose gaps are closed. Widgets
// "rangeFromSpin", "rangeToSpin", "okButton", "cancelButton".
class CCompactChannelsDlg : public QDialog
{
    Q_OBJECT

public:
    CCompactChannelsDlg(int first, int last, QWidget* parent = nullptr);

    int First() const;
    int Last() const;

    // Refused, the dialog staying open, while From is after To.
    void accept() override;

private:
    CChannelRangeEdit* m_range;
};
