#include "ui/channel_range_edit.h"

#include "operations/channel_operations.h"
#include "res/load_string.h"

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
    m_from->setValue(first);
    m_to->setValue(std::max(first, last));
    connect(m_from, &QSpinBox::valueChanged, this, [this](int value) {
        if (m_to->value() < value) {
            m_to->setValue(value);
        }
    });
    connect(m_to, &QSpinBox::valueChanged, this, [this](int value) {
        if (m_from->value() > value) {
            m_from->setValue(value);
        }
    });

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
