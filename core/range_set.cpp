#include "core/range_set.h"

#include <algorithm>

void CRangeSet::Add(int32_t a, int32_t b)
{
    m_ranges.insert(m_ranges.begin(), Range{std::min(a, b), std::max(a, b)});
}

void CRangeSet::Remove(int32_t a, int32_t b)
{
    if (a > b) {
        std::swap(a, b);
    }
    bool restart = true;
    while (restart) {
        restart = false;
        for (size_t i = 0; i < m_ranges.size(); ++i) {
            Range& r = m_ranges[i];
            if (a <= r.low && r.high <= b) {
                m_ranges.erase(m_ranges.begin() + static_cast<std::ptrdiff_t>(i));
                restart = true;
                break;
            }
            if (r.low <= a && b <= r.high) {
                // Widened arithmetic: a split at INT32 limits must not overflow.
                const Range upper{static_cast<int32_t>(std::min<int64_t>(int64_t{b} + 1, INT32_MAX)), r.high};
                r.high = static_cast<int32_t>(std::max<int64_t>(int64_t{a} - 1, INT32_MIN));
                m_ranges.insert(m_ranges.begin(), upper);
                restart = true;
                break;
            }
            if (a < r.low && r.low <= b) {
                r.low = b + 1;
            } else if (r.low < a && a <= r.high) {
                r.high = a - 1;
            }
        }
    }
}

bool CRangeSet::Contains(int32_t x) const
{
    return std::any_of(m_ranges.begin(), m_ranges.end(),
                       [x](const Range& r) { return r.low <= x && x <= r.high; });
}
