#pragma once

#include <QGroupBox>

class QSpinBox;

// "Memory channels From .. To": two memory channel numbers shown as the list labels them (00-99), the
// first never after the last (moving one past the other takes the other along). Widgets "rangeFromSpin"
// and "rangeToSpin".
class CChannelRangeEdit : public QGroupBox
{
    Q_OBJECT

public:
    CChannelRangeEdit(int first, int last, QWidget* parent = nullptr);

    int First() const;
    int Last() const;
    QSpinBox* FromSpin() const { return m_from; }
    QSpinBox* ToSpin() const { return m_to; }

private:
    QSpinBox* m_from;
    QSpinBox* m_to;
};
