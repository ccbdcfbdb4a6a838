#pragma once

#include <cstdint>
#include <vector>

// A set of closed integer ranges, kept in the order they were added (newest first). Ranges are
// neither merged nor sorted; removal splits, trims or drops the ranges it touches.
class CRangeSet
{
public:
    struct Range
    {
        int32_t low;
        int32_t high;
    };

    void Add(int32_t a, int32_t b);
    void Remove(int32_t a, int32_t b);
    bool Contains(int32_t x) const;
    void Clear() { m_ranges.clear(); }
    // Member ranges from the head of the list; a split may leave a half with high < low.
    const std::vector<Range>& Ranges() const { return m_ranges; }

private:
    std::vector<Range> m_ranges; // front of the list is the head
};
