#include "HistogramGeometry.h"

#include <algorithm>
#include <cmath>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

double DrawnCount(double count)
{
    return count > 0.0 ? count : 0.0;
}

QString CountText(double count)
{
    return QString::number(count, 'g', 15);
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
    const auto count = [&](long long i)
    {
        const std::size_t index = static_cast<std::size_t>(first) + static_cast<std::size_t>(i);
        return index < size ? DrawnCount(counts[index]) : 0.0;
    };
    if (visible > columns)
    {
        // Every class is narrower than a column: column c shows classes ceil(c * visible /
        // columns) up to the next column's first, two divisions a column instead of a class.
        const long long v = visible;
        long long begin = 0;
        for (int c = 0; c < columns; ++c)
        {
            const long long end = ((c + 1) * v + columns - 1) / columns;
            double largest = 0.0;
            for (long long i = begin; i < end; ++i)
            {
                largest = std::max(largest, count(i));
            }
            bars.push_back({c, c, largest});
            begin = end;
        }
        return bars;
    }
    for (int i = 0; i < visible; ++i)
    {
        const auto span = ClassColumns(i, visible, columns);
        bars.push_back({span.first, span.second, count(i)});
    }
    return bars;
}

std::vector<QRect> ColumnArea(const std::vector<SColumnFill>& columns, int bottom)
{
    // Open bands, lowest first: from their left column on, every column reached this height.
    struct SBand
    {
        int nLeft;
        int nRows;
    };
    std::vector<SBand> open;
    std::vector<QRect> rects;
    // Columns up to x - 1 reached only `rows`: close the bands above it, keep one band of that
    // height.
    const auto lower = [&](int x, int rows)
    {
        int left = x;
        while (!open.empty() && open.back().nRows > rows)
        {
            const SBand band = open.back();
            open.pop_back();
            const int below = std::max(rows, open.empty() ? 0 : open.back().nRows);
            rects.emplace_back(QPoint(band.nLeft, bottom + 1 - band.nRows),
                               QPoint(x - 1, bottom - below));
            left = band.nLeft;
        }
        if (rows > 0 && (open.empty() || open.back().nRows < rows))
        {
            open.push_back({left, rows});
        }
    };
    int next = columns.empty() ? 0 : columns.front().nLeft;
    for (const SColumnFill& column : columns)
    {
        if (column.nLeft != next)
        {
            lower(next, 0); // a gap between columns
        }
        lower(column.nLeft, std::max(column.nRows, 0));
        next = column.nRight + 1;
    }
    lower(next, 0);
    return rects;
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
