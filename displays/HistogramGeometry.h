#pragma once

#include <QRect>
#include <QString>

#include <utility>
#include <vector>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// One drawn column group of a histogram: device columns nLeft to nRight (inclusive, counted
/// from the plot's left edge) showing the largest count of the classes that fall on them.
struct SHistogramBar
{
    int nLeft;
    int nRight;
    double dCount;
};

/// The count as it is drawn: NaN and negative counts are 0, +inf stays (a full, marked bar).
double DrawnCount(double count);

/// A count or class as a tooltip shows it: whole numbers with every digit ("1234567"), others
/// with up to 15 significant digits ("0.25", "1e+20", "inf").
QString CountText(double count);

/// The device columns of class `index` of `visible` classes spread over `columns` columns, as
/// [left, right]; a class narrower than a column gets the column it starts in.
std::pair<int, int> ClassColumns(long long index, long long visible, int columns);

/// The bars of counts[first] to counts[first + visible - 1] over `columns` device columns:
/// classes sharing a column are merged into one bar of their largest count, so there are never
/// more bars than columns. Classes past the end of counts count 0.
std::vector<SHistogramBar> HistogramBars(const std::vector<double>& counts, int first, int visible,
                                         int columns);

/// Device columns nLeft to nRight filled nRows rows high (0 for none).
struct SColumnFill
{
    int nLeft;
    int nRight;
    int nRows;
};

/// The area of columns standing on device row `bottom`, ordered left to right, as the fewest
/// rectangles that cut every row into its longest runs. A raster fill costs a call per run and
/// row, so a wide histogram of one-column bars fills its mostly solid body in one run a row
/// instead of one per column. The rectangles cover exactly the columns' pixels, none twice.
std::vector<QRect> ColumnArea(const std::vector<SColumnFill>& columns, int bottom);

/// The classes (relative to the first visible one) that column shows, as [first, last];
/// {-1, -1} outside the plot.
std::pair<int, int> ClassesAtColumn(int column, int visible, int columns);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
