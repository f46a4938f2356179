#include "TrendDisplay.h"

#include "AccessibleControl.h"
#include "FeedHub.h"
#include "FeedPump.h"
#include "PlotPainting.h"
#include "PlotRaster.h"
#include "StyleStore.h"
#include "TrendState.h"

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
// Samples a series takes from its feed in one turn of the event loop: a frame's worth of
// 100 kHz many times over, yet 8 series of them fold in about 5 ms, so a flood (a full queue
// is 65,535) never holds timers and input back for longer.
constexpr std::size_t kDrainShare = 16384;

} // namespace
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
    setFocusPolicy(Qt::StrongFocus); // zoom and pan from the keyboard
    setMouseTracking(true);          // the readout follows the pointer
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

void CTrendDisplay::SetSeriesVisible(int series, bool visible)
{
    auto* pSeries = FindSeries(*m_pState, series);
    if (pSeries && pSeries->bVisible != visible)
    {
        pSeries->bVisible = visible;
        if (m_pState->nReadout == series)
        {
            m_pState->nReadout = -1;
            emit readoutChanged(-1, Detail::kTrendNone, Detail::kTrendNone);
        }
        // The automatic axis may change: the reduction stays, the scale is worked out again.
        m_pState->bSynced = false;
        _ScheduleFrame();
        update();
        emit seriesVisibilityChanged(series, visible);
    }
}

bool CTrendDisplay::IsSeriesVisible(int series) const
{
    const auto* pSeries = FindSeries(*m_pState, series);
    return pSeries && pSeries->bVisible;
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

int CTrendDisplay::AddLevel(double value, const QString& label, const QColor& color)
{
    if (!std::isfinite(value))
    {
        return -1;
    }
    m_pState->vLevels.push_back({value, label, color});
    update();
    return LevelCount() - 1;
}

int CTrendDisplay::LevelCount() const
{
    return static_cast<int>(m_pState->vLevels.size());
}

void CTrendDisplay::SetLevelOnRightAxis(int level, bool right)
{
    if (level >= 0 && level < LevelCount())
    {
        m_pState->vLevels[static_cast<std::size_t>(level)].bRight = right;
        update();
    }
}

void CTrendDisplay::RemoveLevels()
{
    m_pState->vLevels.clear();
    update();
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
    bool more = false;
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
        false, discard == -2 ? Detail::kDrainShare : SIZE_MAX, &more);
    if (discard == -2)
    {
        if (more)
        {
            state.pFeedPump->ContinueSoon(); // a flood is taken in shares: timers run between
        }
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

void CTrendDisplay::SetGridVisible(bool visible)
{
    if (visible != m_pState->bGrid)
    {
        m_pState->bGrid = visible;
        _Reconfigured();
    }
}

bool CTrendDisplay::IsGridVisible() const
{
    return m_pState->bGrid;
}

void CTrendDisplay::SetTimeAxisTitle(const QString& title, const QString& unit)
{
    m_pState->sTimeTitle = title;
    m_pState->sTimeUnit = unit;
    _Reconfigured();
}

QString CTrendDisplay::TimeAxisTitle() const
{
    return m_pState->sTimeTitle;
}

QString CTrendDisplay::TimeAxisUnit() const
{
    return m_pState->sTimeUnit;
}

void CTrendDisplay::SetValueAxisTitle(const QString& title, const QString& unit)
{
    m_pState->sValueTitle = title;
    m_pState->sValueUnit = unit;
    _Reconfigured();
}

QString CTrendDisplay::ValueAxisTitle() const
{
    return m_pState->sValueTitle;
}

QString CTrendDisplay::ValueAxisUnit() const
{
    return m_pState->sValueUnit;
}

void CTrendDisplay::SetSeriesOnRightAxis(int series, bool right)
{
    auto* pSeries = FindSeries(*m_pState, series);
    if (pSeries && pSeries->bRight != right)
    {
        // An axis that appears in a zoomed view fits its series there, until a zoom moves it.
        if (right && m_pState->bZoomed && m_pState->oHome.bRightAuto && !m_pState->HasRightAxis())
        {
            m_pState->bRightAuto = true;
        }
        pSeries->bRight = right;
        _Reconfigured();
    }
}

bool CTrendDisplay::IsSeriesOnRightAxis(int series) const
{
    const auto* pSeries = FindSeries(*m_pState, series);
    return pSeries && pSeries->bRight;
}

void CTrendDisplay::SetRightValueRange(double min, double max)
{
    if (!std::isfinite(min) || !std::isfinite(max) || min == max)
    {
        return;
    }
    m_pState->oRightFixed = {std::min(min, max), std::max(min, max), false};
    m_pState->bRightAuto = false;
    _Reconfigured();
}

void CTrendDisplay::SetRightAutoRange()
{
    m_pState->bRightAuto = true;
    _Reconfigured();
}

bool CTrendDisplay::IsRightAutoRange() const
{
    return m_pState->bRightAuto;
}

double CTrendDisplay::RightValueMin() const
{
    m_pState->Sync(devicePixelRatioF());
    return m_pState->oRightShown.dLow;
}

double CTrendDisplay::RightValueMax() const
{
    m_pState->Sync(devicePixelRatioF());
    return m_pState->oRightShown.dHigh;
}

void CTrendDisplay::SetRightAxisTitle(const QString& title, const QString& unit)
{
    m_pState->sRightTitle = title;
    m_pState->sRightUnit = unit;
    _Reconfigured();
}

QString CTrendDisplay::RightAxisTitle() const
{
    return m_pState->sRightTitle;
}

QString CTrendDisplay::RightAxisUnit() const
{
    return m_pState->sRightUnit;
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
        // While a readout or sample markers show, the whole is repainted: the readout's sample
        // may have moved or gone, and markers come and go with the number of samples in view.
        const auto& series = m_pState->vSeries;
        const bool markers =
            std::any_of(series.begin(), series.end(),
                        [](const auto& one) { return one.eMarker != TrendMarkerNone; });
        if (m_pState->RefreshScreen(dpr, changed) || m_pState->bLossesChanged ||
            m_pState->nReadout >= 0 || markers)
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
    // The right axis too: its automatic range can change alone.
    const std::array<double, 6> view = {
        start, end, ValueMin(), ValueMax(), RightValueMin(), RightValueMax()};
    if (view != m_pState->aShownView)
    {
        m_pState->aShownView = view;
        emit viewChanged(view[0], view[1], view[2], view[3]);
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
        {
            Detail::CDevicePixels pixels(painter, dpr);
            painter.drawImage(device.topLeft(), state.oScreen.oRaster.Image());
        }
        state.DrawMarkers(painter, dpr);
        state.DrawLevels(painter);
        state.DrawLosses(painter);
    }
    else
    {
        state.PaintPicture(painter, dpr);
    }
    state.DrawReadout(painter);
    if (hasFocus() && state.bInteractive)
    {
        Detail::DrawFocusFrame(painter, plot);
    }
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
