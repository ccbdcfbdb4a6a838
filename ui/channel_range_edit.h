#pragma once

#include <QGroupBox>

class QSpinBox;

// "Memory channels From .. To": two memory channel numbers shown as the list labels them (00-99), each
// kept as typed. Widgets "rangeFromSpin" and "rangeToSpin".
class CChannelRangeEdit : public QGroupBox
{
    Q_OBJECT

public:
    CChannelRangeEdit(int first, int last, QWidget* parent = nullptr);

    int First() const;
    int Last() const;
    // For the dialog's OK: true when From is not after To; otherwise says so in a message box, puts the
    // focus on From and answers false, so that the dialog stays open.
    bool AcceptRange();
    QSpinBox* FromSpin() const { return m_from; }
    QSpinBox* ToSpin() const { return m_to; }

private:
    QSpinBox* m_from;
    QSpinBox* m_to;
};
