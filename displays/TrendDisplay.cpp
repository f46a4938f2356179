#include "TrendDisplay.h"

#include "AccessibleControl.h"
#include "FeedHub.h"
#include "FeedPump.h"
#include "PlotPainting.h"
#include "PlotRaster.h"
#include "StyleStore.h"
#include "TrendData.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <limits>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

namespace Detail
{

namespace
{

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The event that gathers a turn's appends into one frame.
QEvent::Type FrameEventType()
{
    static const auto kType = static_cast<QEvent::Type>(QEvent::registerEventType());
    return kType;
}

// Losses remembered per series for their marks.
constexpr std::size_t kLossMarks = 256;

// Room for a time label before the labels are measured, and the least space between two.
constexpr const char* kTimeLabelGuess = "-88888.8";
constexpr int kTimeLabelGap = 16;

} // namespace

/// The data area as the screen has it, and what it was drawn for: brought up to date by moving
/// it and redrawing the columns that changed, which leaves it exactly as a fresh drawing.
struct SScreenRaster
{
    CPlotRaster oRaster;
    bool bValid = false;
    qreal dRatio = 0.0;
    SColumnGrid oGrid;
    SPlotScale oScale;
    std::vector<QRgb> vColors; // the background, then every series' colour
};

/// What the surround of a trend is worked out from; compared exactly, to the bit.
struct SSurroundInputs
{
    QSize oSize;
    qreal dRatio = 0.0;
    QRect oPlot;
    std::array<double, 4> aEnds{}; // value axis and window, low and high
    bool bLog = false;
    qint64 nPalette = 0;
    QString sFont;
    bool bAxes = false;
    const CAxisFormat* pTimeFormat = nullptr;
    const CAxisFormat* pValueFormat = nullptr;
    std::vector<std::pair<QString, QColor>> vLegend;

    bool operator==(const SSurroundInputs& other) const
    {
        return oSize == other.oSize && dRatio == other.dRatio && oPlot == other.oPlot &&
               aEnds == other.aEnds && bLog == other.bLog && nPalette == other.nPalette &&
               sFont == other.sFont && bAxes == other.bAxes && pTimeFormat == other.pTimeFormat &&
               pValueFormat == other.pValueFormat && vLegend == other.vLegend;
    }
};

struct STrendSeries
{
    QString sName;
    QColor oColor;
    ETrendDisplayMarker eMarker = TrendMarkerNone;
    CSampleRing oRing;
    CColumnCache oCache;
    EFeedOverload eOverload = FeedBlock; // what its feeders do with a full queue
    std::uint64_t nDropped = 0;          // samples feeders dropped
    std::uint64_t nReported = 0;         // the total samplesDropped last told
    std::deque<double> dqLosses;         // where they were lost, oldest first (a bounded number)
};

/// What a trend keeps and derives; the derived part (layout, grids, the shown scale) is brought
/// up to date by Sync, from the samples and settings alone.
struct STrendState
{
    explicit STrendState(const CTrendDisplay& owner, const QScrollBar& scroll)
        : rOwner(owner), rScroll(scroll)
    {
    }

    SPlotLayout Layout();
    std::pair<double, double> TimeSpan() const;
    SColumnGrid Grid(qreal dpr);
    void Sync(qreal dpr);
    void _Sync(qreal dpr);
    SPlotScale AutoScale();
    std::vector<SAxisTick> ValueTicks();
    std::vector<SAxisTick> TimeTicks(qreal dpr);
    void Invalidate();
    SPlotSurround Surround(qreal dpr);
    void DrawColumns(CPlotRaster& raster, int first);
    QRect RefreshScreenRaster(qreal dpr);
    bool RefreshScreen(qreal dpr, QRect& changed);
    void DrawMarkers(QPainter& painter, qreal dpr) const;
    void DrawLosses(QPainter& painter) const;
    const CAxisFormat& TimeFormat() const;

    const CTrendDisplay& rOwner;
    const QScrollBar& rScroll;
    std::vector<STrendSeries> vSeries;
    std::size_t nCapacity = 100000;
    double dWindow = 60.0;
    bool bFollow = true;
    double dEnd = 60.0; // the window's end while not following
    bool bAuto = true;
    SPlotScale oFixed;
    bool bAxes = true;
    std::shared_ptr<const CAxisFormat> pTimeFormat;
    std::shared_ptr<const CAxisFormat> pValueFormat;
    double dScrollUnit = 1.0; // time per step of the scroll bar
    double dScrollOrigin = 0.0;
    double dShownStart = kNaN; // the window last announced by windowChanged
    double dShownEnd = kNaN;
    bool bFramePending = false;
    std::shared_ptr<CTrendFeedHub> pFeedHub; // while feeders were handed out
    CFeedPump* pFeedPump = nullptr;
    bool bLossesChanged = false;
    EFeedOverload eOverload = FeedBlock; // for series added later
    QElapsedTimer oDropReport;           // since samplesDropped was last sent
    bool bDropReportDue = false;         // a report waits for its second to be over
    // Derived.
    SColumnGrid oSyncedGrid;                   // what the last Sync saw: the grid,
    std::vector<std::uint64_t> vSyncedSamples; // and each ring's first and end sample
    SColumnDrawing oDrawing;                   // buffers kept from paint to paint
    SPlotSurround oSurround;                   // what oSurroundPicture shows
    SSurroundInputs oSurroundInputs;           // what oSurround was worked out from
    QImage oSurroundPicture;
    SScreenRaster oScreen;
    SPlotLayout oLayout;
    bool bLayoutValid = false;
    int nValueLabels = 0; // width of the value labels the layout was made for
    SPlotScale oShown;
};

SPlotLayout STrendState::Layout()
{
    // Asked several times a frame: measured once per size, font, scroll bar and label width.
    if (!bLayoutValid)
    {
        QRect area = rOwner.rect();
        if (rScroll.isVisibleTo(&rOwner))
        {
            area.setBottom(rScroll.geometry().top() - 1);
        }
        oLayout = PlotLayout(area, rOwner.fontMetrics(), bAxes, nValueLabels);
        bLayoutValid = true;
    }
    return oLayout;
}

std::pair<double, double> STrendState::TimeSpan() const
{
    std::pair<double, double> span(kNaN, kNaN);
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
        const double end = std::clamp((dEnd - grid.dOrigin) / grid.dColumnTime, -4.0e18, 4.0e18);
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
    if (bLayoutValid && Grid(dpr) == oSyncedGrid && samples == vSyncedSamples &&
        std::all_of(vSeries.begin(), vSeries.end(),
                    [](const auto& series) { return series.oCache.IsValid(); }))
    {
        return;
    }
    _Sync(dpr);
    oSyncedGrid = Grid(dpr);
    vSyncedSamples = std::move(samples);
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
        const int labels = bAxes ? WidestLabel(ValueTicks(), rOwner.fontMetrics()) : 0;
        if (labels == nValueLabels)
        {
            return;
        }
        nValueLabels = labels;
        bLayoutValid = false;
    }
}

SPlotScale STrendState::AutoScale()
{
    std::pair<double, double> range(kNaN, kNaN);
    for (const auto& series : vSeries)
    {
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

const CAxisFormat& STrendState::TimeFormat() const
{
    static const CAxisFormat kDefault;
    return pTimeFormat ? *pTimeFormat : kDefault;
}

std::vector<SAxisTick> STrendState::TimeTicks(qreal dpr)
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
    std::vector<SAxisTick> ticks;
    ticks.reserve(labels.size());
    for (const SAxisLabel& label : labels)
    {
        // Relative to the window's start, so that large times place as exactly as small ones.
        const double fraction = std::clamp((label.dValue - start) / (end - start), 0.0, 1.0);
        ticks.push_back({plot.left() + static_cast<int>(std::floor(fraction * plot.width() + 1e-9)),
                         label.sText});
    }
    return ticks;
}

void STrendState::Invalidate()
{
    bLayoutValid = false;
    for (auto& series : vSeries)
    {
        series.oCache.Invalidate();
    }
}

SPlotSurround STrendState::Surround(qreal dpr)
{
    SPlotSurround surround{
        rOwner.size(),      dpr, Layout(), {}, {}, {}, QGuiApplication::palette().cacheKey(),
        rOwner.font().key()};
    if (bAxes)
    {
        surround.vLeft = ValueTicks();
        surround.vBottom = TimeTicks(dpr);
        for (const auto& series : vSeries)
        {
            if (!series.sName.isEmpty())
            {
                surround.vLegend.emplace_back(series.sName, series.oColor);
            }
        }
    }
    return surround;
}

void STrendState::DrawColumns(CPlotRaster& raster, int first)
{
    // Each column's range and the line into it, from `first` to the end: a line into a later
    // column may reach back into the ones redrawn.
    const QRect picture(QPoint(0, 0), raster.Image().size());
    for (const auto& series : vSeries)
    {
        ColumnLines(series.oCache, picture, oShown, first,
                    static_cast<int>(series.oCache.Columns().size()) - 1, oDrawing);
        raster.DrawLines(oDrawing.vLines, series.oColor.rgb());
        raster.FillRects(oDrawing.vRanges, series.oColor.rgb());
    }
}

QRect STrendState::RefreshScreenRaster(qreal dpr)
{
    const QSize size = DeviceRect(Layout().oPlot, dpr).size();
    const SColumnGrid grid = Grid(dpr);
    std::vector<QRgb> colors{QGuiApplication::palette().color(QPalette::Base).rgb()};
    CColumnCache::SChanged changed;
    changed.bAll = vSeries.empty();
    for (auto& series : vSeries)
    {
        colors.push_back(series.oColor.rgb());
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
    const bool whole = !screen.bValid || changed.bAll || screen.oRaster.Image().size() != size ||
                       screen.dRatio != dpr || !sameColumns || shift < 0 || shift >= grid.nCount ||
                       screen.vColors != colors || screen.oScale.dLow != oShown.dLow ||
                       screen.oScale.dHigh != oShown.dHigh || screen.oScale.bLog != oShown.bLog;
    screen = {std::move(screen.oRaster), true, dpr, grid, oShown, colors};
    if (whole)
    {
        screen.oRaster.Begin(size, colors.front());
        DrawColumns(screen.oRaster, 0);
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
        DrawColumns(screen.oRaster, static_cast<int>(first));
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
                           Layout().oPlot,
                           {oShown.dLow, oShown.dHigh, grid.ColumnStart(grid.nFirst),
                            grid.ColumnStart(grid.nFirst + grid.nCount)},
                           oShown.bLog,
                           QGuiApplication::palette().cacheKey(),
                           rOwner.font().key(),
                           bAxes,
                           pTimeFormat.get(),
                           pValueFormat.get(),
                           {}};
    for (const auto& series : vSeries)
    {
        inputs.vLegend.emplace_back(series.sName, series.oColor);
    }
    bool newSurround = false;
    if (!(inputs == oSurroundInputs))
    {
        SPlotSurround surround = Surround(dpr);
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
        if (series.eMarker == TrendMarkerNone ||
            (end - begin) * 4 > static_cast<std::uint64_t>(grid.nCount))
        {
            continue;
        }
        QPen pen(series.oColor, 0);
        pen.setCosmetic(true);
        CStyleStore store(painter, pen);
        DrawSampleMarkers(painter, series, device, begin, end, dpr, oShown);
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

} // namespace Detail

namespace
{

QPointF NoSample()
{
    return {Detail::kNaN, Detail::kNaN};
}

} // namespace

CTrendDisplay::CTrendDisplay(QWidget* parent)
    : CTrendDisplayBase(parent), m_pwHScrollBar(new QScrollBar(Qt::Horizontal, this))
{
    m_pState = std::make_unique<Detail::STrendState>(*this, *m_pwHScrollBar);
    // Every pixel is painted: Qt need not fill the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_pwHScrollBar->hide();
    m_pwHScrollBar->setObjectName(QStringLiteral("trendHistory"));
    connect(m_pwHScrollBar, &QScrollBar::valueChanged, this, &CTrendDisplay::_HScrollSlot);
}

CTrendDisplay::~CTrendDisplay()
{
    // Before the pump goes with the children: no feeder's wake-up reaches it from now on.
    if (m_pState->pFeedHub)
    {
        m_pState->pFeedHub->Close();
    }
    m_pwHScrollBar->disconnect(this);
}

int CTrendDisplay::AddSeries(const QString& name, const QColor& color)
{
    Detail::STrendSeries series;
    series.sName = name;
    series.oColor = color;
    series.oRing.SetCapacity(m_pState->nCapacity);
    series.eOverload = m_pState->eOverload;
    m_pState->vSeries.push_back(std::move(series));
    if (m_pState->pFeedHub)
    {
        m_pState->pFeedHub->AddSeries();
    }
    _Reconfigured();
    return static_cast<int>(m_pState->vSeries.size()) - 1;
}

int CTrendDisplay::SeriesCount() const
{
    return static_cast<int>(m_pState->vSeries.size());
}

namespace
{

template <typename State> auto* FindSeries(State& state, int series)
{
    return series < 0 || series >= static_cast<int>(state.vSeries.size())
               ? nullptr
               : &state.vSeries[static_cast<std::size_t>(series)];
}

} // namespace

void CTrendDisplay::SetSeriesName(int series, const QString& name)
{
    if (auto* pSeries = FindSeries(*m_pState, series))
    {
        pSeries->sName = name;
        _Reconfigured();
    }
}

QString CTrendDisplay::SeriesName(int series) const
{
    const auto* pSeries = FindSeries(*m_pState, series);
    return pSeries ? pSeries->sName : QString();
}

void CTrendDisplay::SetSeriesColor(int series, const QColor& color)
{
    if (auto* pSeries = FindSeries(*m_pState, series))
    {
        pSeries->oColor = color;
        update();
    }
}

QColor CTrendDisplay::SeriesColor(int series) const
{
    const auto* pSeries = FindSeries(*m_pState, series);
    return pSeries ? pSeries->oColor : QColor();
}

void CTrendDisplay::SetSeriesMarker(int series, ETrendDisplayMarker marker)
{
    if (auto* pSeries = FindSeries(*m_pState, series))
    {
        pSeries->eMarker = marker;
        update();
    }
}

ETrendDisplayMarker CTrendDisplay::SeriesMarker(int series) const
{
    const auto* pSeries = FindSeries(*m_pState, series);
    return pSeries ? pSeries->eMarker : TrendMarkerNone;
}

void CTrendDisplay::RemoveAllSeries()
{
    if (m_pState->pFeedHub)
    {
        // The feeders handed out feed series that are gone: they are refused from now on.
        m_pState->pFeedHub->Close();
        m_pState->pFeedHub.reset();
        delete m_pState->pFeedPump;
        m_pState->pFeedPump = nullptr;
    }
    m_pState->vSeries.clear();
    _Reconfigured();
}

bool CTrendDisplay::Append(int series, double time, double value)
{
    auto* pSeries = FindSeries(*m_pState, series);
    if (!pSeries || !pSeries->oRing.Push(time, value))
    {
        return false;
    }
    _ScheduleFrame();
    return true;
}

std::size_t CTrendDisplay::Append(int series, const std::vector<QPointF>& samples)
{
    auto* pSeries = FindSeries(*m_pState, series);
    if (!pSeries || samples.empty())
    {
        return 0;
    }
    // QPointF is two doubles, x then y: the samples are read in place.
    static_assert(sizeof(QPointF) == 2 * sizeof(double), "QPointF holds two doubles");
    const auto* pData = reinterpret_cast<const double*>(samples.data());
    const std::size_t stored = pSeries->oRing.Push(pData, pData + 1, samples.size(), 2);
    if (stored > 0)
    {
        _ScheduleFrame();
    }
    return stored;
}

void CTrendDisplay::ClearSamples(int series)
{
    if (auto* pSeries = FindSeries(*m_pState, series))
    {
        _DrainFeeds(series); // what feeders queued is gone too
        pSeries->oRing.Clear();
        pSeries->dqLosses.clear();
        _Reconfigured();
    }
}

void CTrendDisplay::ClearSamples()
{
    _DrainFeeds(-1);
    for (auto& series : m_pState->vSeries)
    {
        series.oRing.Clear();
        series.dqLosses.clear();
    }
    _Reconfigured();
}

CTrendFeeder CTrendDisplay::Feeder()
{
    Detail::STrendState& state = *m_pState;
    if (!state.pFeedHub)
    {
        state.pFeedHub = std::make_shared<Detail::CTrendFeedHub>();
        for (std::size_t i = 0; i < state.vSeries.size(); ++i)
        {
            state.pFeedHub->AddSeries();
        }
        state.pFeedPump = new Detail::CFeedPump(
            this, [this] { return _DrainFeeds(-2); },
            [hub = state.pFeedHub.get()] { hub->Rearm(); });
        state.pFeedHub->SetWakeCallback([pump = state.pFeedPump] { pump->Wake(); });
    }
    return CTrendFeeder(state.pFeedHub);
}

void CTrendDisplay::SetFeedOverload(EFeedOverload overload, double blockSeconds, int series)
{
    if (!m_pState->pFeedHub)
    {
        Feeder();
    }
    m_pState->pFeedHub->SetOverload(series, overload, blockSeconds);
    for (int i = 0; i < SeriesCount(); ++i)
    {
        if (series < 0 || series == i)
        {
            m_pState->vSeries[static_cast<std::size_t>(i)].eOverload = overload;
        }
    }
    if (series < 0)
    {
        m_pState->eOverload = overload;
    }
}

qulonglong CTrendDisplay::DroppedSamples(int series) const
{
    const auto* pSeries = FindSeries(*m_pState, series);
    return pSeries ? pSeries->nDropped : 0;
}

bool CTrendDisplay::_DrainFeeds(int discard)
{
    // discard: the series whose queued samples are thrown away, -1 all of them, -2 none.
    Detail::STrendState& state = *m_pState;
    if (!state.pFeedHub)
    {
        return false;
    }
    bool stored = false;
    const bool arrived = state.pFeedHub->Drain(
        [&](int series, const double* times, const double* values, std::size_t count,
            std::uint64_t dropped)
        {
            auto* pSeries = FindSeries(state, series);
            if (!pSeries || discard == -1 || discard == series)
            {
                return;
            }
            if (dropped > 0)
            {
                // Dropping the oldest loses what came before the samples that made it;
                // otherwise the newest were lost, after them.
                pSeries->nDropped += dropped;
                const bool before = pSeries->eOverload == FeedDropOldest && count > 0;
                const auto& ring = pSeries->oRing;
                const double at = before            ? times[0]
                                  : count > 0       ? times[count - 1]
                                  : ring.Size() > 0 ? ring.Time(ring.End() - 1)
                                                    : Detail::kNaN;
                if (!std::isnan(at))
                {
                    pSeries->dqLosses.push_back(at);
                    if (pSeries->dqLosses.size() > Detail::kLossMarks)
                    {
                        pSeries->dqLosses.pop_front();
                    }
                    state.bLossesChanged = true;
                }
            }
            stored = pSeries->oRing.Push(times, values, count, 1) > 0 || stored;
        },
        false);
    if (discard == -2)
    {
        if (stored || state.bLossesChanged)
        {
            _Frame();
        }
        _ReportDrops();
    }
    return arrived;
}

void CTrendDisplay::_ReportDrops()
{
    Detail::STrendState& state = *m_pState;
    const bool pending =
        std::any_of(state.vSeries.begin(), state.vSeries.end(),
                    [](const auto& series) { return series.nDropped != series.nReported; });
    if (!pending)
    {
        return;
    }
    if (state.oDropReport.isValid() && state.oDropReport.elapsed() < 1000)
    {
        // At most once a second; the last losses are told when the second is over.
        if (!state.bDropReportDue)
        {
            state.bDropReportDue = true;
            QTimer::singleShot(1000 - static_cast<int>(state.oDropReport.elapsed()), this,
                               [this]
                               {
                                   m_pState->bDropReportDue = false;
                                   _ReportDrops();
                               });
        }
        return;
    }
    state.oDropReport.start();
    for (std::size_t i = 0; i < state.vSeries.size(); ++i)
    {
        auto& series = state.vSeries[i];
        if (series.nDropped != series.nReported)
        {
            series.nReported = series.nDropped;
            emit samplesDropped(static_cast<int>(i), series.nDropped);
        }
    }
}

void CTrendDisplay::SetCapacity(std::size_t capacity)
{
    m_pState->nCapacity = std::max<std::size_t>(capacity, 1);
    for (auto& series : m_pState->vSeries)
    {
        series.oRing.SetCapacity(m_pState->nCapacity);
    }
    _Reconfigured();
}

std::size_t CTrendDisplay::Capacity() const
{
    return m_pState->nCapacity;
}

std::size_t CTrendDisplay::SampleCount(int series) const
{
    const auto* pSeries = FindSeries(*m_pState, series);
    return pSeries ? pSeries->oRing.Size() : 0;
}

QPointF CTrendDisplay::Sample(int series, std::size_t index) const
{
    const auto* pSeries = FindSeries(*m_pState, series);
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
        _Reconfigured();
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
    _Reconfigured();
}

void CTrendDisplay::SetAutoRange()
{
    m_pState->bAuto = true;
    _Reconfigured();
}

bool CTrendDisplay::IsAutoRange() const
{
    return m_pState->bAuto;
}

double CTrendDisplay::ValueMin() const
{
    m_pState->Sync(devicePixelRatioF());
    return m_pState->oShown.dLow;
}

double CTrendDisplay::ValueMax() const
{
    m_pState->Sync(devicePixelRatioF());
    return m_pState->oShown.dHigh;
}

double CTrendDisplay::WindowStart() const
{
    const Detail::SColumnGrid grid = m_pState->Grid(devicePixelRatioF());
    return grid.ColumnStart(grid.nFirst);
}

double CTrendDisplay::WindowEnd() const
{
    const Detail::SColumnGrid grid = m_pState->Grid(devicePixelRatioF());
    return grid.ColumnStart(grid.nFirst + grid.nCount);
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
        _Reconfigured();
    }
}

bool CTrendDisplay::AreAxesVisible() const
{
    return m_pState->bAxes;
}

void CTrendDisplay::SetTimeAxisFormat(std::shared_ptr<const CAxisFormat> format)
{
    m_pState->pTimeFormat = std::move(format);
    update();
}

std::shared_ptr<const CAxisFormat> CTrendDisplay::TimeAxisFormat() const
{
    return m_pState->pTimeFormat;
}

void CTrendDisplay::SetValueAxisFormat(std::shared_ptr<const CAxisFormat> format)
{
    m_pState->pValueFormat = std::move(format);
    _Reconfigured();
}

std::shared_ptr<const CAxisFormat> CTrendDisplay::ValueAxisFormat() const
{
    return m_pState->pValueFormat;
}

QRect CTrendDisplay::PlotArea() const
{
    m_pState->Sync(devicePixelRatioF());
    return m_pState->Layout().oPlot;
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
    _Reconfigured();
}

void CTrendDisplay::FollowNewest()
{
    m_pState->bFollow = true;
    _Reconfigured();
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
    _PlaceScrollBar();
    _Reconfigured();
}

void CTrendDisplay::changeEvent(QEvent* event)
{
    CTrendDisplayBase::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
    {
        _Reconfigured();
    }
}

void CTrendDisplay::showEvent(QShowEvent* event)
{
    CTrendDisplayBase::showEvent(event);
    // A window moved while hidden is announced at the latest when it shows.
    _Frame();
}

void CTrendDisplay::customEvent(QEvent* event)
{
    if (event->type() == Detail::FrameEventType())
    {
        m_pState->bFramePending = false;
        _Frame();
        return;
    }
    CTrendDisplayBase::customEvent(event);
}

void CTrendDisplay::_PlaceScrollBar()
{
    const int height = m_pwHScrollBar->sizeHint().height();
    m_pwHScrollBar->setGeometry(0, this->height() - height, width(), height);
}

void CTrendDisplay::_ScheduleFrame()
{
    if (!m_pState->bFramePending)
    {
        m_pState->bFramePending = true;
        QCoreApplication::postEvent(this, new QEvent(Detail::FrameEventType()));
    }
}

void CTrendDisplay::_Reconfigured()
{
    m_pState->Invalidate();
    _Frame();
}

void CTrendDisplay::_Frame()
{
    // One frame for everything that arrived: the history bar, screen readers, the pictures and
    // the screen where they changed, then the window's news.
    _UpdateScrollBar();
    Detail::NotifyAccessible(this, QAccessible::DescriptionChanged);
    if (isVisible())
    {
        // The kept pictures brought up to date; the screen repaints where they changed.
        const qreal dpr = devicePixelRatioF();
        QRect changed;
        if (m_pState->RefreshScreen(dpr, changed) || m_pState->bLossesChanged)
        {
            update();
        }
        else if (!changed.isEmpty())
        {
            const QRect device = Detail::DeviceRect(m_pState->Layout().oPlot, dpr);
            update(Detail::LogicalRect(changed.translated(device.topLeft()), dpr, 4));
        }
    }
    m_pState->bLossesChanged = false;
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

void CTrendDisplay::_UpdateScrollBar()
{
    const auto span = m_pState->TimeSpan();
    const double window = m_pState->dWindow;
    const double history = span.second - span.first;
    const bool needed = !std::isnan(span.first) && history > window;
    if (needed)
    {
        // At most a million steps, so that the positions fit an int on any history.
        const double unit = std::max(window / 100.0, (history - window) / 1e6);
        const int maximum = static_cast<int>(std::ceil((history - window) / unit - 1e-6));
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
        m_pState->Invalidate();
    }
}

void CTrendDisplay::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (m_pwHScrollBar->isVisible() && m_pwHScrollBar->geometry().contains(event->rect()))
    {
        // Only what lies under the history bar, which repaints on its own.
        painter.fillRect(event->rect(), QGuiApplication::palette().color(QPalette::Window));
        return;
    }
    const qreal dpr = Detail::PaintRatio(painter);
    Detail::STrendState& state = *m_pState;
    state.Sync(dpr);
    const QRect plot = state.Layout().oPlot;
    const QRect device = Detail::DeviceRect(plot, dpr);
    // The screen gets the pictures kept and brought up to date frame by frame; render() and
    // grab() get a picture drawn afresh, and the kept ones stay as they are.
    const QPaintEngine* engine = painter.paintEngine();
    if (backingStore() && engine && engine->paintDevice() == backingStore()->paintDevice())
    {
        QRect changed;
        state.RefreshScreen(dpr, changed);
        Detail::DrawSurround(painter, state.oSurroundPicture, rect(), plot, dpr);
        Detail::CDevicePixels pixels(painter, dpr);
        painter.drawImage(device.topLeft(), state.oScreen.oRaster.Image());
    }
    else
    {
        Detail::PaintSurround(painter, state.Surround(dpr));
        Detail::CPlotRaster fresh;
        fresh.Begin(device.size(), QGuiApplication::palette().color(QPalette::Base).rgb());
        state.DrawColumns(fresh, 0);
        Detail::CDevicePixels pixels(painter, dpr);
        painter.drawImage(device.topLeft(), fresh.Image());
    }
    state.DrawMarkers(painter, dpr);
    state.DrawLosses(painter);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
