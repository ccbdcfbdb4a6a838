#include "ui/channel_range_edit.h"

#include "operations/channel_operations.h"
#include "res/load_string.h"
#include "ui/widgets/message_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <algorithm>

namespace {

constexpr int kLabelDigits = 2;

// A memory channel number with its leading zero, as the list's first column shows it.
class CChannelNumberSpin : public QSpinBox
{
public:
    explicit CChannelNumberSpin(QWidget* parent) : QSpinBox(parent)
    {
        setRange(CChannelOperations::kFirstMemory, CChannelOperations::kLastMemory);
        setAlignment(Qt::AlignRight);
    }

protected:
    QString textFromValue(int value) const override
    {
        return QStringLiteral("%1").arg(value, kLabelDigits, 10, QLatin1Char('0'));
    }
};

} // namespace

CChannelRangeEdit::CChannelRangeEdit(int first, int last, QWidget* parent)
    : QGroupBox(LoadString(ids::kRangeBox), parent), m_from(new CChannelNumberSpin(this)),
      m_to(new CChannelNumberSpin(this))
{
    setObjectName(QStringLiteral("rangeBox"));
    m_from->setObjectName(QStringLiteral("rangeFromSpin"));
    m_to->setObjectName(QStringLiteral("rangeToSpin"));
    // Each field keeps what is typed into it: clamping one by the other while the digits of a number are
    // still coming in would change a range the user never typed.
    m_from->setValue(first);
    m_to->setValue(std::max(first, last));

    auto* fromLabel = new QLabel(LoadString(ids::kRangeFrom), this);
    fromLabel->setObjectName(QStringLiteral("rangeFromLabel"));
    fromLabel->setBuddy(m_from);
    auto* toLabel = new QLabel(LoadString(ids::kRangeTo), this);
    toLabel->setObjectName(QStringLiteral("rangeToLabel"));
    toLabel->setBuddy(m_to);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(fromLabel);
    layout->addWidget(m_from);
    layout->addSpacing(fromLabel->fontMetrics().averageCharWidth() * 2);
    layout->addWidget(toLabel);
    layout->addWidget(m_to);
    layout->addStretch(1);
}

int CChannelRangeEdit::First() const
{
    return m_from->value();
}

int CChannelRangeEdit::Last() const
{
    return m_to->value();
}

bool CChannelRangeEdit::AcceptRange()
{
    if (First() <= Last()) {
        return true;
    }
    MessageBox::Warning(this, LoadString(ids::kRangeOrderRefusedFormat).arg(m_from->text(), m_to->text()));
    m_from->setFocus();
    m_from->selectAll();
    return false;
}
