#include "TrendState.h"

#include "StyleStore.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

// Room for a time label before the labels are measured, and the least space between two.
constexpr const char* kTimeLabelGuess = "-88888.8";
constexpr int kTimeLabelGap = 16;

} // namespace

SPlotLayout STrendState::Layout()
{
    // Asked several times a frame: measured once per size, font, scroll bar and label width. A
    // hidden widget gets its resize event only when shown: its size is checked here.
    if (!bLayoutValid || oLayoutSize != Size())
    {
        oLayoutSize = Size();
        QRect area(QPoint(0, 0), oLayoutSize);
        if (oExportSize.isEmpty() && rScroll.isVisibleTo(&rOwner))
        {
            area.setBottom(rScroll.geometry().top() - 1);
        }
        const auto titles = Titles();
        oLayout =
            PlotLayout(area, rOwner.fontMetrics(), bAxes, nValueLabels, !titles[0].isEmpty(),
                       !titles[1].isEmpty(), {HasRightAxis(), nRightLabels, !titles[2].isEmpty()});
        bLayoutValid = true;
    }
    return oLayout;
}

std::pair<double, double> STrendState::TimeSpan() const
{
    std::pair<double, double> span(kTrendNone, kTrendNone);
    for (const auto& series : vSeries)
    {
        const auto& ring = series.oRing;
        if (ring.Size() == 0)
        {
            continue;
        }
        span.first = std::fmin(span.first, ring.Time(ring.Begin()));
        span.second = std::fmax(span.second, ring.Time(ring.End() - 1));
    }
    return span;
}

SColumnGrid STrendState::Grid(qreal dpr)
{
    SColumnGrid grid;
    grid.nCount = std::max(DeviceRect(Layout().oPlot, dpr).width(), 1);
    grid.dColumnTime = dWindow / grid.nCount;
    if (!bFollow)
    {
        grid.dOrigin = GridOrigin(dEnd, grid.dColumnTime);
        // A window too narrow for its column time to be above zero puts the end at column 0.
        const double at = (dEnd - grid.dOrigin) / grid.dColumnTime;
        const double end = std::isnan(at) ? 0.0 : std::clamp(at, -4.0e18, 4.0e18);
        grid.nFirst = static_cast<std::int64_t>(std::llround(end)) - grid.nCount;
        return grid;
    }
    const auto span = TimeSpan();
    if (std::isnan(span.first))
    {
        return grid; // 0 to the window's width
    }
    // From the oldest sample until the window is full, then up to the newest one.
    grid.dOrigin = GridOrigin(span.second, grid.dColumnTime);
    const std::int64_t first = ColumnOf(grid, span.first);
    const std::int64_t last = ColumnOf(grid, span.second);
    grid.nFirst = last - first < grid.nCount ? first : last + 1 - grid.nCount;
    return grid;
}

void STrendState::Sync(qreal dpr)
{
    // Asked for several times a frame: nothing to do while no sample came or went and the
    // grid stands.
    std::vector<std::uint64_t> samples;
    samples.reserve(2 * vSeries.size());
    for (const auto& series : vSeries)
    {
        samples.push_back(series.oRing.Begin());
        samples.push_back(series.oRing.End());
    }
    if (bSynced && bLayoutValid && Grid(dpr) == oSyncedGrid && samples == vSyncedSamples &&
        std::all_of(vSeries.begin(), vSeries.end(),
                    [](const auto& series) { return series.oCache.IsValid(); }))
    {
        return;
    }
    _Sync(dpr);
    oSyncedGrid = Grid(dpr);
    vSyncedSamples = std::move(samples);
    bSynced = true;
}

void STrendState::_Sync(qreal dpr)
{
    // Twice at most: the value labels of the new scale may need another width, which changes
    // the plot's columns once.
    for (int pass = 0; pass < 2; ++pass)
    {
        const SColumnGrid grid = Grid(dpr);
        for (auto& series : vSeries)
        {
            CColumnCache& cache = series.oCache;
            const SColumnGrid& old = cache.Grid();
            const bool sameColumns = cache.IsValid() && old.dOrigin == grid.dOrigin &&
                                     old.dColumnTime == grid.dColumnTime &&
                                     old.nCount == grid.nCount;
            if (sameColumns && grid.nFirst > old.nFirst)
            {
                cache.Shift(series.oRing, grid.nFirst);
            }
            else if (!sameColumns || grid.nFirst != old.nFirst)
            {
                cache.Rebuild(series.oRing, grid);
            }
            cache.Trim(series.oRing);
            cache.Extend(series.oRing);
        }
        oShown = bAuto ? AutoScale() : oFixed;
        oRightShown = bRightAuto ? AutoScale(true) : oRightFixed;
        const int labels = bAxes ? WidestLabel(ValueTicks(), rOwner.fontMetrics()) : 0;
        const int right =
            bAxes && HasRightAxis() ? WidestLabel(RightTicks(), rOwner.fontMetrics()) : 0;
        if (labels == nValueLabels && right == nRightLabels)
        {
            return;
        }
        nValueLabels = labels;
        nRightLabels = right;
        bLayoutValid = false;
    }
}

SPlotScale STrendState::AutoScale(bool right)
{
    std::pair<double, double> range(kTrendNone, kTrendNone);
    for (const auto& series : vSeries)
    {
        if (!series.bVisible || series.bRight != right)
        {
            continue;
        }
        const auto columns = ColumnRange(series.oCache.Columns());
        range.first = std::fmin(range.first, columns.first);
        range.second = std::fmax(range.second, columns.second);
    }
    return NiceLinearScale(range.first, range.second,
                           MaxValueTicks(Layout().oPlot, rOwner.fontMetrics()));
}

std::vector<SAxisTick> STrendState::ValueTicks()
{
    const QRect plot = Layout().oPlot;
    return Detail::ValueTicks(oShown, plot, MaxValueTicks(plot, rOwner.fontMetrics()),
                              pValueFormat.get());
}

bool STrendState::HasRightAxis() const
{
    return std::any_of(vSeries.begin(), vSeries.end(),
                       [](const STrendSeries& series) { return series.bRight; });
}

std::vector<SAxisTick> STrendState::RightTicks()
{
    // In plain numbers: the value axis' format may speak of its own unit.
    const QRect plot = Layout().oPlot;
    return Detail::ValueTicks(oRightShown, plot, MaxValueTicks(plot, rOwner.fontMetrics()));
}

const CAxisFormat& STrendState::TimeFormat() const
{
    static const CAxisFormat kDefault;
    return pTimeFormat ? *pTimeFormat : kDefault;
}

std::vector<SAxisLabel> STrendState::TimeLabels(qreal dpr)
{
    const QRect plot = Layout().oPlot;
    const SColumnGrid grid = Grid(dpr);
    const double start = grid.ColumnStart(grid.nFirst);
    const double end = grid.ColumnStart(grid.nFirst + grid.nCount);
    const QFontMetrics metrics = rOwner.fontMetrics();
    // As many labels as fit: guessed from a typical label, then from the widest one found.
    int room = metrics.horizontalAdvance(QString::fromLatin1(kTimeLabelGuess));
    std::vector<SAxisLabel> labels;
    for (int pass = 0; pass < 3; ++pass)
    {
        labels = TimeFormat().Ticks(start, end, std::max(plot.width() / (room + kTimeLabelGap), 1));
        int widest = 0;
        for (const SAxisLabel& label : labels)
        {
            widest = std::max(widest, metrics.horizontalAdvance(label.sText));
        }
        if (widest <= room)
        {
            break;
        }
        room = widest;
    }
    return labels;
}

STrendState::STicks STrendState::Ticks(qreal dpr)
{
    if (!bAxes && !bGrid)
    {
        return STicks();
    }
    return {ValueTicks(), TimeLabels(dpr),
            bAxes && HasRightAxis() ? RightTicks() : std::vector<SAxisTick>()};
}

std::vector<SAxisTick> STrendState::TimeTicks(qreal dpr, const std::vector<SAxisLabel>& labels)
{
    const QRect plot = Layout().oPlot;
    const SColumnGrid grid = Grid(dpr);
    const double start = grid.ColumnStart(grid.nFirst);
    const double end = grid.ColumnStart(grid.nFirst + grid.nCount);
    std::vector<SAxisTick> ticks;
    for (const SAxisLabel& label : labels)
    {
        // Relative to the window's start, so that large times place as exactly as small ones. A
        // window narrower than the times' resolution (half a second at nanoseconds since 1970)
        // has start == end: its labels sit at the left.
        const double span = end - start;
        const double fraction =
            span > 0.0 ? std::clamp((label.dValue - start) / span, 0.0, 1.0) : 0.0;
        ticks.push_back({plot.left() + static_cast<int>(std::floor(fraction * plot.width() + 1e-9)),
                         label.sText});
    }
    return ticks;
}

SGridLines STrendState::GridLines(qreal dpr, const STicks& ticks)
{
    SGridLines lines;
    if (!bGrid)
    {
        return lines;
    }
    lines.nColor = GridColor(QGuiApplication::palette());
    // Rows at the value ticks (but not on the frame), columns where the tick times fall.
    const QRect plot = Layout().oPlot;
    const int height = DeviceRect(plot, dpr).height();
    for (const SAxisTick& tick : ticks.vValue)
    {
        const int row = qRound((tick.nPos - plot.top()) * dpr);
        if (row > 0 && row < height - 1)
        {
            lines.vRows.push_back(row);
        }
    }
    const SColumnGrid grid = Grid(dpr);
    lines.nFirst = grid.nFirst;
    for (const SAxisLabel& label : ticks.vTime)
    {
        const std::int64_t column = ColumnOf(grid, label.dValue);
        if (column > grid.nFirst && column < grid.nFirst + grid.nCount)
        {
            lines.vColumns.push_back(column);
        }
    }
    return lines;
}

std::vector<std::pair<QString, QColor>> STrendState::Legend() const
{
    std::vector<std::pair<QString, QColor>> legend;
    for (const int series : LegendSeries())
    {
        const STrendSeries& one = vSeries[static_cast<std::size_t>(series)];
        legend.emplace_back(one.sName, one.bVisible ? one.oColor : QColor());
    }
    return legend;
}

std::vector<int> STrendState::LegendSeries() const
{
    std::vector<int> named;
    for (std::size_t i = 0; i < vSeries.size(); ++i)
    {
        if (!vSeries[i].sName.isEmpty())
        {
            named.push_back(static_cast<int>(i));
        }
    }
    return named;
}

int STrendState::LegendSeriesAt(const QPoint& at)
{
    const SPlotLayout layout = Layout();
    if (layout.oLegend.isNull() || !layout.oLegend.contains(at))
    {
        return -1;
    }
    const std::vector<int> series = LegendSeries();
    const std::vector<QRect> entries = LegendRects(layout.oLegend, Legend(), rOwner.fontMetrics());
    for (std::size_t i = 0; i < entries.size(); ++i)
    {
        if (entries[i].contains(at))
        {
            return series[i];
        }
    }
    return -1;
}

std::array<QString, 3> STrendState::Titles() const
{
    return {AxisTitle(sValueTitle, sValueUnit), AxisTitle(sTimeTitle, sTimeUnit),
            HasRightAxis() ? AxisTitle(sRightTitle, sRightUnit) : QString()};
}

void STrendState::Invalidate()
{
    // A fixed range or an empty trend has no cache to tell Sync about the change.
    bSynced = false;
    bLayoutValid = false;
    for (auto& series : vSeries)
    {
        series.oCache.Invalidate();
    }
}

SPlotSurround STrendState::Surround(qreal dpr, const STicks& ticks)
{
    SPlotSurround surround;
    surround.oSize = Size();
    surround.dRatio = dpr;
    surround.oLayout = Layout();
    surround.nPalette = QGuiApplication::palette().cacheKey();
    surround.sFont = rOwner.font().key();
    if (bAxes)
    {
        surround.vLeft = ticks.vValue;
        surround.vBottom = TimeTicks(dpr, ticks.vTime);
        surround.vLegend = Legend();
        surround.vRight = ticks.vRight;
        const auto titles = Titles();
        surround.sValueTitle = titles[0];
        surround.sBottomTitle = titles[1];
        surround.sRightTitle = titles[2];
    }
    return surround;
}

void STrendState::DrawColumns(CPlotRaster& raster, int first, const SGridLines& grid)
{
    // The grid behind the lines; then each column's range and the line into it, from `first` to
    // the end: a line into a later column may reach back into the ones redrawn.
    const QRect picture(QPoint(0, 0), raster.Image().size());
    std::vector<QRect> rules;
    for (const int row : grid.vRows)
    {
        rules.emplace_back(0, row, picture.width(), 1);
    }
    for (const std::int64_t column : grid.vColumns)
    {
        rules.emplace_back(static_cast<int>(column - grid.nFirst), 0, 1, picture.height());
    }
    raster.FillRects(rules, grid.nColor);
    for (const auto& series : vSeries)
    {
        if (!series.bVisible)
        {
            continue;
        }
        // From the column before: a sample a 256th of a column before a column's left edge is
        // drawn in that column.
        ColumnLines(series.oCache, picture, Scale(series), first - 1,
                    static_cast<int>(series.oCache.Columns().size()) - 1, oDrawing);
        raster.DrawLines(oDrawing.vLines, series.oColor.rgb());
        raster.FillRects(oDrawing.vRanges, series.oColor.rgb());
    }
}

namespace
{

// Whether a picture with the grid lines `kept`, moved to where `now` was made, shows the lines
// of `now` in the columns it keeps (those before `keptEnd`, where the kept picture ended): the
// rows and colour alike, and the same vertical lines from now's first column to keptEnd.
bool KeepsGridLines(const SGridLines& kept, const SGridLines& now, std::int64_t keptEnd)
{
    if (kept.vRows != now.vRows || kept.nColor != now.nColor)
    {
        return false;
    }
    const auto inKept = [&](const std::vector<std::int64_t>& columns)
    {
        std::vector<std::int64_t> inside;
        std::copy_if(columns.begin(), columns.end(), std::back_inserter(inside),
                     [&](std::int64_t column) { return column >= now.nFirst && column < keptEnd; });
        return inside;
    };
    return inKept(kept.vColumns) == inKept(now.vColumns);
}

} // namespace

QRect STrendState::RefreshScreenRaster(qreal dpr)
{
    const QSize size = DeviceRect(Layout().oPlot, dpr).size();
    const SColumnGrid grid = Grid(dpr);
    std::vector<QRgb> colors{QGuiApplication::palette().color(QPalette::Base).rgb()};
    CColumnCache::SChanged changed;
    changed.bAll = vSeries.empty();
    for (auto& series : vSeries)
    {
        colors.push_back(series.bVisible ? series.oColor.rgb() : QRgb(0)); // opaque when shown
        const CColumnCache::SChanged own = series.oCache.TakeChanged();
        const bool none = changed.nFirst > changed.nLast;
        changed.bAll = changed.bAll || own.bAll;
        changed.nFirst = none ? own.nFirst : std::min(changed.nFirst, own.nFirst);
        changed.nLast = none ? own.nLast : std::max(changed.nLast, own.nLast);
    }
    SScreenRaster& screen = oScreen;
    const std::int64_t shift = grid.nFirst - screen.oGrid.nFirst;
    const bool sameColumns = screen.oGrid.dOrigin == grid.dOrigin &&
                             screen.oGrid.dColumnTime == grid.dColumnTime &&
                             screen.oGrid.nCount == grid.nCount;
    const bool whole =
        !screen.bValid || changed.bAll || screen.oRaster.Image().size() != size ||
        screen.dRatio != dpr || !sameColumns || shift < 0 || shift >= grid.nCount ||
        screen.vColors != colors || screen.oScale.dLow != oShown.dLow ||
        screen.oScale.dHigh != oShown.dHigh || screen.oScale.bLog != oShown.bLog ||
        screen.oRightScale.dLow != oRightShown.dLow ||
        screen.oRightScale.dHigh != oRightShown.dHigh ||
        !KeepsGridLines(screen.oGridLines, oGridLines, screen.oGrid.nFirst + screen.oGrid.nCount);
    screen = {std::move(screen.oRaster), true, dpr, grid, oShown, oRightShown, colors, oGridLines};
    if (whole)
    {
        screen.oRaster.Begin(size, colors.front());
        DrawColumns(screen.oRaster, 0, oGridLines);
        return QRect(QPoint(0, 0), size);
    }
    screen.oRaster.ShiftLeft(static_cast<int>(shift), colors.front());
    // The columns that came in on the right, and those whose data changed.
    std::int64_t first =
        changed.nFirst > changed.nLast ? grid.nCount : changed.nFirst - grid.nFirst;
    std::int64_t last = changed.nFirst > changed.nLast ? -1 : changed.nLast - grid.nFirst;
    if (shift > 0)
    {
        first = std::min<std::int64_t>(first, grid.nCount - shift);
        last = grid.nCount - 1;
    }
    first = std::max<std::int64_t>(first, 0);
    last = std::min<std::int64_t>(last, grid.nCount - 1);
    if (first <= last)
    {
        screen.oRaster.ClipColumns(static_cast<int>(first), static_cast<int>(last), colors.front());
        DrawColumns(screen.oRaster, static_cast<int>(first), oGridLines);
        screen.oRaster.Unclip();
    }
    if (shift > 0)
    {
        return QRect(QPoint(0, 0), size);
    }
    return first <= last ? QRect(QPoint(static_cast<int>(first), 0),
                                 QPoint(static_cast<int>(last), size.height() - 1))
                         : QRect();
}

bool STrendState::RefreshScreen(qreal dpr, QRect& changed)
{
    Sync(dpr);
    // What the surround is made of: while it stands, no tick or label is worked out again.
    const SColumnGrid grid = Grid(dpr);
    SSurroundInputs inputs{rOwner.size(),
                           dpr,
                           Layout(),
                           {oShown.dLow, oShown.dHigh, grid.ColumnStart(grid.nFirst),
                            grid.ColumnStart(grid.nFirst + grid.nCount), oRightShown.dLow,
                            oRightShown.dHigh},
                           oShown.bLog,
                           QGuiApplication::palette().cacheKey(),
                           rOwner.font().key(),
                           bAxes,
                           pTimeFormat.get(),
                           pValueFormat.get(),
                           {},
                           Titles(),
                           bGrid,
                           grid};
    for (const auto& series : vSeries)
    {
        inputs.vLegend.emplace_back(series.sName, series.bVisible ? series.oColor : QColor());
    }
    bool newSurround = false;
    if (!(inputs == oSurroundInputs))
    {
        const STicks ticks = Ticks(dpr);
        oGridLines = GridLines(dpr, ticks);
        SPlotSurround surround = Surround(dpr, ticks);
        newSurround = !(surround == oSurround);
        if (newSurround)
        {
            oSurroundPicture = PaintSurround(surround, rOwner.font());
            oSurround = std::move(surround);
        }
        oSurroundInputs = std::move(inputs);
    }
    changed = RefreshScreenRaster(dpr);
    return newSurround;
}

namespace
{

// The marker of every sample from begin to end of a series, in device pixels.
void DrawSampleMarkers(QPainter& painter, const STrendSeries& series, const QRect& device,
                       std::uint64_t begin, std::uint64_t end, qreal dpr, const SPlotScale& scale)
{
    const SColumnGrid& grid = series.oCache.Grid();
    const auto& ring = series.oRing;
    const double half = std::round(2.0 * dpr);
    for (std::uint64_t sample = begin; sample < end; ++sample)
    {
        const double y = ValueRow(scale, device, ring.Value(sample));
        if (!std::isfinite(ring.Value(sample)) || std::isnan(y))
        {
            continue;
        }
        const double x = device.left() + (ring.Time(sample) - grid.dOrigin) / grid.dColumnTime -
                         static_cast<double>(grid.nFirst);
        const QRectF box(std::floor(x) - half, std::floor(y) - half, 2 * half, 2 * half);
        switch (series.eMarker)
        {
        case TrendMarkerDot:
            painter.fillRect(box.adjusted(0, 0, 1, 1), series.oColor);
            break;
        case TrendMarkerCross:
            painter.drawLine(box.topLeft(), box.bottomRight());
            painter.drawLine(box.bottomLeft(), box.topRight());
            break;
        case TrendMarkerSquare:
            painter.drawRect(box);
            break;
        default:
            break;
        }
    }
}

} // namespace

void STrendState::DrawMarkers(QPainter& painter, qreal dpr) const
{
    const QRect device = DeviceRect(oLayout.oPlot, dpr);
    CClipGuard clip(painter, oLayout.oPlot);
    CDevicePixels pixels(painter, dpr);
    for (const auto& series : vSeries)
    {
        const SColumnGrid& grid = series.oCache.Grid();
        const auto& ring = series.oRing;
        const std::uint64_t begin = ring.LowerBound(grid.ColumnStart(grid.nFirst));
        const std::uint64_t end = ring.LowerBound(grid.ColumnStart(grid.nFirst + grid.nCount));
        // Markers only where samples stand apart: a few per column would be a smear.
        if (series.eMarker == TrendMarkerNone || !series.bVisible ||
            (end - begin) * 4 > static_cast<std::uint64_t>(grid.nCount))
        {
            continue;
        }
        QPen pen(series.oColor, 0);
        pen.setCosmetic(true);
        CStyleStore store(painter, pen);
        DrawSampleMarkers(painter, series, device, begin, end, dpr, Scale(series));
    }
}

void STrendState::DrawLosses(QPainter& painter) const
{
    // A small notch at the plot's top edge, in the series' colour, where feeders dropped
    // samples: the line there is not the whole story.
    const QRect plot = oLayout.oPlot;
    CClipGuard clip(painter, plot);
    for (const auto& series : vSeries)
    {
        const SColumnGrid& grid = series.oCache.Grid();
        CStyleStore store(painter, QBrush(series.oColor));
        store.SetPen(QPen(Qt::NoPen));
        for (const double time : series.dqLosses)
        {
            const double column = GridColumn(grid, time);
            if (column >= 0 && column < grid.nCount)
            {
                const int x = plot.left() + static_cast<int>(column * plot.width() / grid.nCount);
                const QPoint notch[] = {
                    {x - 3, plot.top()}, {x + 3, plot.top()}, {x, plot.top() + 4}};
                painter.drawPolygon(notch, 3);
            }
        }
    }
}

void STrendState::DrawLevels(QPainter& painter) const
{
    // Drawn over the kept pictures on every paint, like the readout: a partial repaint draws
    // the same pixels of them inside its clip.
    const QRect plot = oLayout.oPlot;
    CClipGuard clip(painter, plot);
    const int line = painter.fontMetrics().height();
    for (const STrendLevel& level : vLevels)
    {
        if (level.bRight && !HasRightAxis())
        {
            continue;
        }
        const double row = ValueRow(level.bRight ? oRightShown : oShown, plot, level.dValue);
        if (!(row >= plot.top() && row < plot.bottom() + 1.0))
        {
            continue; // off the value axis
        }
        const int y = static_cast<int>(std::floor(row));
        CStyleStore store(painter, level.oColor);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.drawText(QRect(plot.left(), y - line, plot.width() - 4, line),
                         Qt::AlignRight | Qt::AlignBottom, level.sLabel);
    }
}

std::pair<int, std::uint64_t> STrendState::Nearest(const QPoint& at)
{
    // Looked up in the rings, not in the reduction: the samples themselves, at any zoom.
    const QRect plot = Layout().oPlot;
    const SColumnGrid& grid = Grid(rOwner.devicePixelRatioF());
    const double start = grid.ColumnStart(grid.nFirst);
    const double end = grid.ColumnStart(grid.nFirst + grid.nCount);
    const auto x = [&](double time)
    { return plot.left() + (time - start) / (end - start) * plot.width(); };
    const double time = start + (at.x() + 0.5 - plot.left()) / plot.width() * (end - start);
    std::pair<int, std::uint64_t> nearest(-1, 0);
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < vSeries.size(); ++i)
    {
        const CSampleRing& ring = vSeries[i].oRing;
        if (!vSeries[i].bVisible)
        {
            continue;
        }
        const std::uint64_t next = ring.LowerBound(time);
        for (const std::uint64_t sample : {next - 1, next})
        {
            if (sample < ring.Begin() || sample >= ring.End() ||
                !std::isfinite(ring.Value(sample)) || ring.Time(sample) < start ||
                ring.Time(sample) > end)
            {
                continue;
            }
            const double dx = x(ring.Time(sample)) - at.x();
            const double dy = ValueRow(Scale(vSeries[i]), plot, ring.Value(sample)) - 0.5 - at.y();
            if (dx * dx + dy * dy < best)
            {
                best = dx * dx + dy * dy;
                nearest = {static_cast<int>(i), sample};
            }
        }
    }
    return nearest;
}

std::pair<int, std::uint64_t> STrendState::KeyReadout(int along, int across)
{
    const int series = Readout();
    if (series < 0)
    {
        return Nearest(Layout().oPlot.center());
    }
    const CSampleRing& ring = vSeries[static_cast<std::size_t>(series)].oRing;
    if (along != 0)
    {
        // Past gaps; a step off either end stays.
        const auto step = static_cast<std::uint64_t>(static_cast<std::int64_t>(along));
        for (std::uint64_t sample = nReadoutSample + step;
             sample >= ring.Begin() && sample < ring.End(); sample += step)
        {
            if (std::isfinite(ring.Value(sample)))
            {
                return {series, sample};
            }
        }
        return {series, nReadoutSample};
    }
    const double time = ring.Time(nReadoutSample);
    const int count = static_cast<int>(vSeries.size());
    for (int step = 1; step < count; ++step)
    {
        const int other = ((series + across * step) % count + count) % count;
        const STrendSeries& next = vSeries[static_cast<std::size_t>(other)];
        const CSampleRing& its = next.oRing;
        if (!next.bVisible || its.Size() == 0)
        {
            continue;
        }
        std::uint64_t sample = std::min(its.LowerBound(time), its.End() - 1);
        if (sample > its.Begin() && time - its.Time(sample - 1) <= its.Time(sample) - time)
        {
            --sample;
        }
        return {other, sample};
    }
    return {series, nReadoutSample};
}

int STrendState::Readout() const
{
    if (nReadout < 0 || nReadout >= static_cast<int>(vSeries.size()))
    {
        return -1;
    }
    const CSampleRing& ring = vSeries[static_cast<std::size_t>(nReadout)].oRing;
    return nReadoutSample >= ring.Begin() && nReadoutSample < ring.End() ? nReadout : -1;
}

void STrendState::DrawReadout(QPainter& painter) const
{
    if (Readout() < 0)
    {
        return;
    }
    const STrendSeries& series = vSeries[static_cast<std::size_t>(nReadout)];
    const double time = series.oRing.Time(nReadoutSample);
    const double value = series.oRing.Value(nReadoutSample);
    const QRect plot = oLayout.oPlot;
    const SColumnGrid& grid = series.oCache.Grid();
    const double start = grid.ColumnStart(grid.nFirst);
    const double window = grid.ColumnStart(grid.nFirst + grid.nCount) - start;
    // A position off the plot (or none, in a window too narrow for its times) is clipped away.
    const auto pixel = [](double at, int first, int last)
    {
        return std::isnan(at)
                   ? first - 1
                   : static_cast<int>(std::floor(std::clamp(at, first - 1.0, last + 1.0)));
    };
    const QPoint point(
        pixel(plot.left() + (time - start) / window * plot.width(), plot.left(), plot.right()),
        pixel(ValueRow(Scale(series), plot, value), plot.top(), plot.bottom()));
    Detail::DrawReadout(
        painter, plot, point,
        ReadoutLabel(series.sName, TimeFormat().Text(time, window / plot.width()), value));
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
