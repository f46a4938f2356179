#include "HistogramGeometry.h"

#include <algorithm>
#include <cmath>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

double DrawnCount(double count)
{
    return count > 0.0 ? count : 0.0;
}

std::pair<int, int> ClassColumns(long long index, long long visible, int columns)
{
    const int left = static_cast<int>(index * columns / visible);
    const int right = static_cast<int>((index + 1) * columns / visible) - 1;
    return {left, std::max(left, right)};
}

std::vector<SHistogramBar> HistogramBars(const std::vector<double>& counts, int first, int visible,
                                         int columns)
{
    std::vector<SHistogramBar> bars;
    if (visible <= 0 || columns <= 0 || first < 0)
    {
        return bars;
    }
    bars.reserve(static_cast<std::size_t>(std::min(visible, columns)));
    const std::size_t size = counts.size();
    for (int i = 0; i < visible; ++i)
    {
        const std::size_t index = static_cast<std::size_t>(first) + static_cast<std::size_t>(i);
        const double count = index < size ? DrawnCount(counts[index]) : 0.0;
        const auto span = ClassColumns(i, visible, columns);
        if (!bars.empty() && span.first <= bars.back().nRight)
        {
            bars.back().dCount = std::max(bars.back().dCount, count);
        }
        else
        {
            bars.push_back({span.first, span.second, count});
        }
    }
    return bars;
}

std::pair<int, int> ClassesAtColumn(int column, int visible, int columns)
{
    if (column < 0 || column >= columns || visible <= 0)
    {
        return {-1, -1};
    }
    int low = static_cast<int>(static_cast<long long>(column) * visible / columns);
    while (low > 0 && ClassColumns(low - 1, visible, columns).second >= column)
    {
        --low;
    }
    while (low < visible - 1 && ClassColumns(low, visible, columns).second < column)
    {
        ++low;
    }
    int high = low;
    while (high + 1 < visible && ClassColumns(high + 1, visible, columns).first <= column)
    {
        ++high;
    }
    return {low, high};
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
