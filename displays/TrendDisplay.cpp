#include "TrendDisplay.h"

#include "PlotPainting.h"
#include "StyleStore.h"
#include "TrendData.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

namespace Detail
{

struct STrendSeries
{
    QString sName;
    QColor oColor;
    ETrendDisplayMarker eMarker = TrendMarkerNone;
    CSampleRing oRing;
    CColumnCache oCache;
};

struct STrendState
{
    std::vector<STrendSeries> vSeries;
    std::size_t nCapacity = 100000;
    double dWindow = 60.0;
    bool bFollow = true;
    double dEnd = 60.0; // the window's end while not following
    bool bAuto = true;
    SPlotScale oFixed;
    SPlotScale oShown;
    bool bAxes = true;
    double dScrollUnit = 1.0; // time per step of the scroll bar
    double dScrollOrigin = 0.0;
    double dShownStart = 0.0; // the window last announced by windowChanged
    double dShownEnd = 0.0;
    SPlotLayout oLayout;
    bool bLayoutValid = false;
};

namespace
{

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

/// The smallest number of device columns that is a whole number of logical pixels, so that the
/// window can move by it with a plain scroll of the widget's pixels.
int ScrollQuantum(qreal dpr)
{
    for (int columns = 1; columns <= 8; ++columns)
    {
        const double pixels = columns / dpr;
        if (pixels >= 1.0 - 1e-9 && std::abs(pixels - std::round(pixels)) < 1e-9)
        {
            return columns;
        }
    }
    return 1;
}

std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

} // namespace

} // namespace Detail

namespace
{

QPointF NoSample()
{
    return {Detail::kNaN, Detail::kNaN};
}

// The room a time label takes at most: ticks are spaced by it, and it is how far a label near an
// end of the plot can reach past it.
int TimeLabelWidth(const QFontMetrics& metrics)
{
    return metrics.horizontalAdvance(QStringLiteral("-88888.8"));
}

} // namespace

CTrendDisplay::CTrendDisplay(QWidget* parent)
    : CTrendDisplayBase(parent), m_pState(std::make_unique<Detail::STrendState>()),
      m_pwHScrollBar(new QScrollBar(Qt::Horizontal, this))
{
    // Every pixel is painted, which lets appends move the plot's pixels instead of repainting.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_pwHScrollBar->hide();
    m_pwHScrollBar->setObjectName(QStringLiteral("trendHistory"));
    connect(m_pwHScrollBar, &QScrollBar::valueChanged, this, &CTrendDisplay::_HScrollSlot);
}

CTrendDisplay::~CTrendDisplay()
{
    m_pwHScrollBar->disconnect(this);
}

int CTrendDisplay::AddSeries(const QString& name, const QColor& color)
{
    Detail::STrendSeries series;
    series.sName = name;
    series.oColor = color;
    series.oRing.SetCapacity(m_pState->nCapacity);
    m_pState->vSeries.push_back(std::move(series));
    _DataChanged();
    return static_cast<int>(m_pState->vSeries.size()) - 1;
}

int CTrendDisplay::SeriesCount() const
{
    return static_cast<int>(m_pState->vSeries.size());
}

Detail::STrendSeries* CTrendDisplay::_Series(int series) const
{
    if (series < 0 || series >= SeriesCount())
    {
        return nullptr;
    }
    return &m_pState->vSeries[static_cast<std::size_t>(series)];
}

void CTrendDisplay::SetSeriesName(int series, const QString& name)
{
    if (auto* pSeries = _Series(series))
    {
        pSeries->sName = name;
        _DataChanged();
    }
}

QString CTrendDisplay::SeriesName(int series) const
{
    const auto* pSeries = _Series(series);
    return pSeries ? pSeries->sName : QString();
}

void CTrendDisplay::SetSeriesColor(int series, const QColor& color)
{
    if (auto* pSeries = _Series(series))
    {
        pSeries->oColor = color;
        update();
    }
}

QColor CTrendDisplay::SeriesColor(int series) const
{
    const auto* pSeries = _Series(series);
    return pSeries ? pSeries->oColor : QColor();
}

void CTrendDisplay::SetSeriesMarker(int series, ETrendDisplayMarker marker)
{
    if (auto* pSeries = _Series(series))
    {
        pSeries->eMarker = marker;
        update();
    }
}

ETrendDisplayMarker CTrendDisplay::SeriesMarker(int series) const
{
    const auto* pSeries = _Series(series);
    return pSeries ? pSeries->eMarker : TrendMarkerNone;
}

void CTrendDisplay::RemoveAllSeries()
{
    m_pState->vSeries.clear();
    _DataChanged();
}

bool CTrendDisplay::Append(int series, double time, double value)
{
    auto* pSeries = _Series(series);
    if (!pSeries || !pSeries->oRing.Push(time, value))
    {
        return false;
    }
    _Appended(*pSeries);
    return true;
}

std::size_t CTrendDisplay::Append(int series, const std::vector<QPointF>& samples)
{
    auto* pSeries = _Series(series);
    if (!pSeries)
    {
        return 0;
    }
    std::size_t stored = 0;
    for (const QPointF& sample : samples)
    {
        stored += pSeries->oRing.Push(sample.x(), sample.y()) ? 1 : 0;
    }
    if (stored > 0)
    {
        _Appended(*pSeries);
    }
    return stored;
}

void CTrendDisplay::ClearSamples(int series)
{
    if (auto* pSeries = _Series(series))
    {
        pSeries->oRing.Clear();
        _DataChanged();
    }
}

void CTrendDisplay::ClearSamples()
{
    for (auto& series : m_pState->vSeries)
    {
        series.oRing.Clear();
    }
    _DataChanged();
}

void CTrendDisplay::SetCapacity(std::size_t capacity)
{
    m_pState->nCapacity = std::max<std::size_t>(capacity, 1);
    for (auto& series : m_pState->vSeries)
    {
        series.oRing.SetCapacity(m_pState->nCapacity);
    }
    _DataChanged();
}

std::size_t CTrendDisplay::Capacity() const
{
    return m_pState->nCapacity;
}

std::size_t CTrendDisplay::SampleCount(int series) const
{
    const auto* pSeries = _Series(series);
    return pSeries ? pSeries->oRing.Size() : 0;
}

QPointF CTrendDisplay::Sample(int series, std::size_t index) const
{
    const auto* pSeries = _Series(series);
    if (!pSeries || index >= pSeries->oRing.Size())
    {
        return NoSample();
    }
    const std::uint64_t sample = pSeries->oRing.Begin() + index;
    return {pSeries->oRing.Time(sample), pSeries->oRing.Value(sample)};
}

QPointF CTrendDisplay::LastSample(int series) const
{
    return Sample(series, SampleCount(series) - 1);
}

void CTrendDisplay::SetTimeWindow(double width)
{
    if (std::isfinite(width) && width > 0.0 && width != m_pState->dWindow)
    {
        m_pState->dWindow = width;
        _DataChanged();
    }
}

double CTrendDisplay::TimeWindow() const
{
    return m_pState->dWindow;
}

void CTrendDisplay::SetValueRange(double min, double max)
{
    if (!std::isfinite(min) || !std::isfinite(max) || min == max)
    {
        return;
    }
    m_pState->oFixed = {std::min(min, max), std::max(min, max), false};
    m_pState->bAuto = false;
    _DataChanged();
}

void CTrendDisplay::SetAutoRange()
{
    m_pState->bAuto = true;
    _DataChanged();
}

bool CTrendDisplay::IsAutoRange() const
{
    return m_pState->bAuto;
}

double CTrendDisplay::ValueMin() const
{
    _Sync(devicePixelRatioF());
    return m_pState->oShown.dLow;
}

double CTrendDisplay::ValueMax() const
{
    _Sync(devicePixelRatioF());
    return m_pState->oShown.dHigh;
}

double CTrendDisplay::WindowStart() const
{
    const Detail::SColumnGrid grid = _Grid(devicePixelRatioF());
    return static_cast<double>(grid.nFirst) * grid.dColumnTime;
}

double CTrendDisplay::WindowEnd() const
{
    const Detail::SColumnGrid grid = _Grid(devicePixelRatioF());
    return static_cast<double>(grid.nFirst + grid.nCount) * grid.dColumnTime;
}

bool CTrendDisplay::IsFollowing() const
{
    return m_pState->bFollow;
}

void CTrendDisplay::SetAxesVisible(bool visible)
{
    if (visible != m_pState->bAxes)
    {
        m_pState->bAxes = visible;
        _DataChanged();
    }
}

bool CTrendDisplay::AreAxesVisible() const
{
    return m_pState->bAxes;
}

QRect CTrendDisplay::PlotArea() const
{
    return _Layout().oPlot;
}

QSize CTrendDisplay::sizeHint() const
{
    return {400, 200};
}

QSize CTrendDisplay::minimumSizeHint() const
{
    return {120, 80};
}

void CTrendDisplay::ScrollTo(double endTime)
{
    if (!std::isfinite(endTime))
    {
        return;
    }
    m_pState->bFollow = false;
    m_pState->dEnd = endTime;
    _DataChanged();
}

void CTrendDisplay::FollowNewest()
{
    m_pState->bFollow = true;
    _DataChanged();
}

void CTrendDisplay::_HScrollSlot(int nSliderPos)
{
    if (nSliderPos >= m_pwHScrollBar->maximum())
    {
        FollowNewest();
    }
    else
    {
        ScrollTo(m_pState->dScrollOrigin + nSliderPos * m_pState->dScrollUnit + m_pState->dWindow);
    }
}

void CTrendDisplay::_VScrollSlot(int) {}

void CTrendDisplay::resizeEvent(QResizeEvent* event)
{
    CTrendDisplayBase::resizeEvent(event);
    m_pState->bLayoutValid = false;
    _PlaceScrollBar();
}

void CTrendDisplay::changeEvent(QEvent* event)
{
    CTrendDisplayBase::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
    {
        m_pState->bLayoutValid = false;
        update();
    }
}

void CTrendDisplay::_PlaceScrollBar()
{
    const int height = m_pwHScrollBar->sizeHint().height();
    m_pwHScrollBar->setGeometry(0, this->height() - height, width(), height);
}

Detail::SPlotLayout CTrendDisplay::_Layout() const
{
    // Asked several times for every append: measured once per size, font and scroll bar.
    if (m_pState->bLayoutValid)
    {
        return m_pState->oLayout;
    }
    QRect area = rect();
    if (m_pwHScrollBar->isVisibleTo(this))
    {
        area.setBottom(m_pwHScrollBar->geometry().top() - 1);
    }
    m_pState->oLayout = Detail::PlotLayout(area, fontMetrics(), m_pState->bAxes);
    m_pState->bLayoutValid = true;
    return m_pState->oLayout;
}

std::pair<double, double> CTrendDisplay::_TimeSpan() const
{
    std::pair<double, double> span(Detail::kNaN, Detail::kNaN);
    for (const auto& series : m_pState->vSeries)
    {
        const auto& ring = series.oRing;
        if (ring.Size() == 0)
        {
            continue;
        }
        const double oldest = ring.Time(ring.Begin());
        const double newest = ring.Time(ring.End() - 1);
        span.first = std::isnan(span.first) ? oldest : std::min(span.first, oldest);
        span.second = std::isnan(span.second) ? newest : std::max(span.second, newest);
    }
    return span;
}

Detail::SColumnGrid CTrendDisplay::_Grid(qreal dpr) const
{
    Detail::SColumnGrid grid;
    grid.nCount = std::max(Detail::DeviceRect(_Layout().oPlot, dpr).width(), 1);
    grid.dColumnTime = m_pState->dWindow / grid.nCount;
    if (m_pState->bFollow)
    {
        // The newest sample sits in the last columns; the window moves in whole scroll steps.
        const double newest = _TimeSpan().second;
        const std::int64_t quantum = Detail::ScrollQuantum(dpr);
        const std::int64_t last =
            std::isnan(newest) ? grid.nCount - 1 : Detail::ColumnOf(grid, newest);
        grid.nFirst = (Detail::FloorDiv(last, quantum) + 1) * quantum - grid.nCount;
    }
    else
    {
        const double end = std::clamp(m_pState->dEnd / grid.dColumnTime, -4.0e18, 4.0e18);
        grid.nFirst = static_cast<std::int64_t>(std::llround(end)) - grid.nCount;
    }
    return grid;
}

std::int64_t CTrendDisplay::_MoveGrids(const Detail::SColumnGrid& grid) const
{
    std::int64_t shift = 0;
    for (auto& series : m_pState->vSeries)
    {
        Detail::CColumnCache& cache = series.oCache;
        const Detail::SColumnGrid& old = cache.Grid();
        const bool sameColumns =
            cache.IsValid() && old.dColumnTime == grid.dColumnTime && old.nCount == grid.nCount;
        if (sameColumns && grid.nFirst > old.nFirst)
        {
            shift = grid.nFirst - old.nFirst;
            cache.Shift(series.oRing, grid.nFirst);
        }
        else if (!sameColumns || grid.nFirst != old.nFirst)
        {
            cache.Rebuild(series.oRing, grid);
        }
    }
    return shift;
}

void CTrendDisplay::_Sync(qreal dpr) const
{
    _MoveGrids(_Grid(dpr));
    for (auto& series : m_pState->vSeries)
    {
        series.oCache.Trim(series.oRing);
        series.oCache.Extend(series.oRing);
    }
    m_pState->oShown = _Scale();
}

Detail::SPlotScale CTrendDisplay::_Scale() const
{
    if (!m_pState->bAuto)
    {
        return m_pState->oFixed;
    }
    std::pair<double, double> range(Detail::kNaN, Detail::kNaN);
    for (const auto& series : m_pState->vSeries)
    {
        const auto columns = Detail::ColumnRange(series.oCache.Columns());
        range.first = std::fmin(range.first, columns.first);
        range.second = std::fmax(range.second, columns.second);
    }
    return Detail::NiceLinearScale(range.first, range.second, _MaxValueTicks());
}

int CTrendDisplay::_MaxValueTicks() const
{
    return std::max(_Layout().oPlot.height() / (2 * fontMetrics().height()), 1);
}

void CTrendDisplay::_Appended(Detail::STrendSeries& series)
{
    _UpdateScrollBar();
    _NotifyAccessibility();
    if (!isVisible())
    {
        return;
    }
    if (!series.oCache.IsValid())
    {
        update();
        _EmitWindowChanged();
        return;
    }
    const qreal dpr = devicePixelRatioF();
    const Detail::SPlotScale before = m_pState->oShown;
    const std::int64_t shift = _MoveGrids(_Grid(dpr));
    const int kept = series.oCache.Trim(series.oRing);
    const auto changed = series.oCache.Extend(series.oRing);
    m_pState->oShown = _Scale();
    const Detail::SPlotScale& after = m_pState->oShown;
    const Detail::SPlotLayout layout = _Layout();
    const double pixels = shift / dpr;
    if (before.dLow != after.dLow || before.dHigh != after.dHigh ||
        pixels >= layout.oPlot.width() || std::abs(pixels - std::round(pixels)) > 1e-9)
    {
        update();
    }
    else
    {
        if (shift > 0)
        {
            // The plot and the time labels under it move left; Qt repaints what comes in. A
            // label near either end reaches past the plot's columns or is pushed back inside
            // the widget: those ends of the label row are painted afresh.
            QRect moving = layout.oPlot;
            moving.setBottom(std::max(layout.oBottomAxis.bottom(), moving.bottom()));
            scroll(-static_cast<int>(std::lround(pixels)), 0, moving);
            const QRect& labels = layout.oBottomAxis;
            const int reach = TimeLabelWidth(fontMetrics()) + 2;
            update(QRect(QPoint(labels.left(), labels.top()),
                         QPoint(layout.oPlot.left() + reach, labels.bottom())));
            update(QRect(QPoint(layout.oPlot.right() - reach, labels.top()), labels.bottomRight()));
        }
        _UpdateColumns(0, kept - 1, layout, dpr);
        _UpdateColumns(changed.first, changed.second, layout, dpr);
    }
    _EmitWindowChanged();
}

void CTrendDisplay::_EmitWindowChanged()
{
    const double start = WindowStart();
    const double end = WindowEnd();
    if (start != m_pState->dShownStart || end != m_pState->dShownEnd)
    {
        m_pState->dShownStart = start;
        m_pState->dShownEnd = end;
        emit windowChanged(start, end);
    }
}

void CTrendDisplay::_UpdateColumns(int first, int last, const Detail::SPlotLayout& layout,
                                   qreal dpr)
{
    if (first > last)
    {
        return;
    }
    // One logical pixel more on either side: the line into the first column starts left of it.
    const QRect device = Detail::DeviceRect(layout.oPlot, dpr);
    const int left = static_cast<int>(std::floor((device.left() + first) / dpr)) - 1;
    const int right = static_cast<int>(std::ceil((device.left() + last + 1) / dpr)) + 1;
    update(QRect(left, layout.oPlot.top(), right - left + 1, layout.oPlot.height()) & layout.oPlot);
}

void CTrendDisplay::_DataChanged()
{
    m_pState->bLayoutValid = false;
    for (auto& series : m_pState->vSeries)
    {
        series.oCache.Invalidate();
    }
    _UpdateScrollBar();
    _NotifyAccessibility();
    update();
    _EmitWindowChanged();
}

void CTrendDisplay::_NotifyAccessibility()
{
    if (QAccessible::isActive())
    {
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void CTrendDisplay::_UpdateScrollBar()
{
    const auto span = _TimeSpan();
    const double window = m_pState->dWindow;
    const bool needed = !std::isnan(span.first) && span.second - span.first > window;
    if (needed)
    {
        // At most a million steps, so that the positions fit an int on any history.
        const double unit = std::max(window / 100.0, (span.second - span.first - window) / 1e6);
        const int maximum =
            static_cast<int>(std::ceil((span.second - span.first - window) / unit - 1e-6));
        const double end = m_pState->bFollow ? span.second : m_pState->dEnd;
        const double position = std::round((end - window - span.first) / unit);
        m_pState->dScrollUnit = unit;
        m_pState->dScrollOrigin = span.first;
        const QSignalBlocker blocker(m_pwHScrollBar);
        m_pwHScrollBar->setRange(0, maximum);
        m_pwHScrollBar->setPageStep(std::max(1, static_cast<int>(std::lround(window / unit))));
        m_pwHScrollBar->setSingleStep(std::max(1, m_pwHScrollBar->pageStep() / 10));
        m_pwHScrollBar->setValue(m_pState->bFollow
                                     ? maximum
                                     : static_cast<int>(std::clamp<double>(position, 0, maximum)));
    }
    if (needed != m_pwHScrollBar->isVisibleTo(this))
    {
        _PlaceScrollBar();
        m_pwHScrollBar->setVisible(needed);
        m_pState->bLayoutValid = false;
        for (auto& series : m_pState->vSeries)
        {
            series.oCache.Invalidate();
        }
        update();
    }
}

void CTrendDisplay::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const qreal dpr = Detail::PaintRatio(painter);
    _Sync(dpr);
    const Detail::SPlotLayout layout = _Layout();
    Detail::FillAroundPlot(painter, event->rect(), layout.oPlot);
    Detail::DrawAxes(painter, layout, _ValueTicks(layout, event->rect()),
                     _TimeTicks(layout, event->rect()));
    _DrawSeries(painter, layout, event->rect(), dpr);
    if (m_pState->bAxes && event->rect().intersects(layout.oLegend))
    {
        std::vector<std::pair<QString, QColor>> entries;
        for (const auto& series : m_pState->vSeries)
        {
            if (!series.sName.isEmpty())
            {
                entries.emplace_back(series.sName, series.oColor);
            }
        }
        Detail::DrawLegend(painter, layout.oLegend, entries);
    }
}

std::vector<Detail::SAxisTick> CTrendDisplay::_ValueTicks(const Detail::SPlotLayout& layout,
                                                          const QRect& dirty) const
{
    if (!m_pState->bAxes || !dirty.intersects(layout.oValueAxis))
    {
        return {};
    }
    return Detail::ValueTicks(m_pState->oShown, layout.oPlot, _MaxValueTicks());
}

std::vector<Detail::SAxisTick> CTrendDisplay::_TimeTicks(const Detail::SPlotLayout& layout,
                                                         const QRect& dirty) const
{
    std::vector<Detail::SAxisTick> ticks;
    if (!m_pState->bAxes || !dirty.intersects(layout.oBottomAxis))
    {
        return ticks;
    }
    const double start = WindowStart();
    const double window = m_pState->dWindow;
    const QRect& plot = layout.oPlot;
    const int labelWidth = TimeLabelWidth(fontMetrics()) + 16;
    const double step = Detail::NiceStep(window, std::max(plot.width() / labelWidth, 1));
    for (double tick = std::ceil(start / step) * step; tick <= start + window; tick += step)
    {
        // Multiplied before divided, and a hair of tolerance: a tick that sits exactly on a
        // column must land on it in every paint, or a label scrolled in moves a pixel on the
        // next full repaint.
        const int x = plot.left() +
                      static_cast<int>(std::floor((tick - start) * plot.width() / window + 1e-9));
        if (x >= dirty.left() - labelWidth && x <= dirty.right() + labelWidth)
        {
            ticks.push_back({x, Detail::TickText(tick, step)});
        }
    }
    return ticks;
}

void CTrendDisplay::_DrawSeries(QPainter& painter, const Detail::SPlotLayout& layout,
                                const QRect& dirty, qreal dpr) const
{
    const QRect device = Detail::DeviceRect(layout.oPlot, dpr);
    const QRect dirtyDevice = Detail::DeviceRect(dirty, dpr);
    // Lines reach right from the column that owns them: everything from the dirty area's left
    // edge on can cross it.
    const int first = dirtyDevice.left() - device.left() - 1;
    const int last = dirtyDevice.right() - device.left() + 1;
    Detail::CClipGuard clip(painter, layout.oPlot);
    Detail::CDevicePixels pixels(painter, dpr);
    for (const auto& series : m_pState->vSeries)
    {
        QPen pen(series.oColor, 0);
        pen.setCosmetic(true);
        CStyleStore store(painter, pen);
        const Detail::SColumnDrawing drawing =
            Detail::ColumnLines(series.oCache, device, m_pState->oShown, first,
                                static_cast<int>(series.oCache.Columns().size()) - 1);
        painter.drawLines(drawing.vLines.data(), static_cast<int>(drawing.vLines.size()));
        {
            CStyleStore fill(painter, QBrush(series.oColor));
            fill.SetPen(QPen(Qt::NoPen));
            painter.drawRects(drawing.vRanges.data(), static_cast<int>(drawing.vRanges.size()));
        }
        _DrawMarkers(painter, series, device, std::max(first, 0), last, dpr);
    }
}

void CTrendDisplay::_DrawMarkers(QPainter& painter, const Detail::STrendSeries& series,
                                 const QRect& device, int first, int last, qreal dpr) const
{
    const Detail::SColumnGrid& grid = series.oCache.Grid();
    const auto& ring = series.oRing;
    const std::uint64_t begin = ring.LowerBound((grid.nFirst + first) * grid.dColumnTime);
    const std::uint64_t end = ring.LowerBound((grid.nFirst + last + 1) * grid.dColumnTime);
    // Markers only where samples stand apart: a few per column would be a smear.
    if (series.eMarker == TrendMarkerNone ||
        (end - begin) * 4 > static_cast<std::uint64_t>(last - first + 1))
    {
        return;
    }
    const double half = std::round(2.0 * dpr);
    for (std::uint64_t sample = begin; sample < end; ++sample)
    {
        const double y = Detail::ValueRow(m_pState->oShown, device, ring.Value(sample));
        if (!std::isfinite(ring.Value(sample)) || std::isnan(y))
        {
            continue;
        }
        const double x =
            device.left() + ring.Time(sample) / grid.dColumnTime - static_cast<double>(grid.nFirst);
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

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
