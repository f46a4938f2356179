#include "HistogramDisplay.h"

#include "AccessibleControl.h"
#include "FeedHub.h"
#include "FeedPump.h"
#include "HistogramGeometry.h"
#include "HistogramView.h"
#include "PlotExport.h"
#include "PlotPainting.h"
#include "RangeSliderGeometry.h"
#include "StyleStore.h"
#include "TranslatedText.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

namespace
{

/// Steps of the value zoom bar: each lowers the top of the axis by a tenth of its height (of
/// its decades on a logarithmic axis), down to a tenth of the whole.
constexpr int kValueZoomSteps = 9;

/// Rows (logical pixels) of the mark on top of a bar whose count is infinite.
constexpr int kInfiniteMark = 3;

QColor ListColor(const SDataListMode& mode)
{
    return QColor(mode.m_oColor.GetRed(), mode.m_oColor.GetGreen(), mode.m_oColor.GetBlue());
}

const QString kFeedName = QStringLiteral("zriHistogramFeed");

// What feeders push into a histogram, taken once a frame. A hidden child that the first
// Feeder() makes, so that the display's class keeps its layout; it closes its hub when it
// goes, before its pump does.
class CHistogramFeed : public QObject
{
public:
    explicit CHistogramFeed(CHistogramDisplay& display) : QObject(&display), m_rDisplay(display)
    {
        setObjectName(kFeedName);
        Reopen();
    }
    ~CHistogramFeed() override { m_pHub->Close(); }

    /// A new hub for the lists there are now; the feeders of the old one are refused.
    void Reopen()
    {
        if (m_pHub)
        {
            m_pHub->Close();
        }
        delete m_pPump;
        m_pHub = std::make_shared<Detail::CHistogramFeedHub>();
        for (int list = 0; list < m_rDisplay.DataListCount(); ++list)
        {
            m_pHub->AddList();
        }
        m_pPump = new Detail::CFeedPump(
            this, [this] { return _Drain(); }, [hub = m_pHub.get()] { hub->Rearm(); });
        m_pHub->SetWakeCallback([pump = m_pPump] { pump->Wake(); });
    }
    const std::shared_ptr<Detail::CHistogramFeedHub>& Hub() const { return m_pHub; }

private:
    bool _Drain()
    {
        return m_pHub->Drain(
            [this](int list, bool replace, const double* counts, std::size_t count)
            {
                std::vector<double> merged =
                    replace ? std::vector<double>() : m_rDisplay.Counts(list);
                merged.resize(std::max(merged.size(), count), 0.0);
                for (std::size_t i = 0; i < count; ++i)
                {
                    merged[i] = replace ? counts[i] : merged[i] + counts[i];
                }
                m_rDisplay.SetCounts(list, std::move(merged));
            },
            false);
    }

    CHistogramDisplay& m_rDisplay;
    std::shared_ptr<Detail::CHistogramFeedHub> m_pHub;
    Detail::CFeedPump* m_pPump = nullptr;
};

CHistogramFeed* FeedOf(const CHistogramDisplay& display)
{
    return display.findChild<CHistogramFeed*>(kFeedName, Qt::FindDirectChildrenOnly);
}

} // namespace

namespace Detail
{

CHistogramView& ViewOf(const CHistogramDisplay& display)
{
    auto* view = display.findChild<CHistogramView*>(QString(), Qt::FindDirectChildrenOnly);
    // Made again, unzoomed, should an application have deleted the display's children.
    return view ? *view : *new CHistogramView(const_cast<CHistogramDisplay*>(&display));
}

} // namespace Detail

CHistogramDisplay::CHistogramDisplay(QWidget* parent) : CHistogramDisplayBase(parent)
{
    new Detail::CHistogramView(this);
    // Every pixel is painted: Qt need not fill the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_oHScrollBar.setObjectName(QStringLiteral("histogramPan"));
    m_oVScrollBar.setObjectName(QStringLiteral("histogramValueZoom"));
    m_oHScrollBar.hide();
    m_oVScrollBar.hide(); // shown while the value axis is zoomed
    m_oVScrollBar.setRange(0, kValueZoomSteps);
    m_oVScrollBar.setPageStep(1);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus); // zoom and pan from the keyboard
}

CHistogramDisplay::~CHistogramDisplay() = default;

int CHistogramDisplay::AddDataList(const SDataListMode& mode, std::vector<double> counts)
{
    const int classes = ClassCount();
    m_vLists.push_back({mode, std::move(counts), nullptr});
    if (CHistogramFeed* feed = FeedOf(*this))
    {
        feed->Hub()->AddList();
    }
    _DataChanged(classes);
    return static_cast<int>(m_vLists.size()) - 1;
}

void CHistogramDisplay::SetCounts(int index, std::vector<double> counts)
{
    if (index >= 0 && index < DataListCount())
    {
        const int classes = ClassCount();
        m_vLists[static_cast<std::size_t>(index)].vCounts = std::move(counts);
        _DataChanged(classes);
    }
}

void CHistogramDisplay::SetDataListMode(int index, const SDataListMode& mode)
{
    if (index >= 0 && index < DataListCount())
    {
        m_vLists[static_cast<std::size_t>(index)].oMode = mode;
        _DataChanged(ClassCount());
    }
}

void CHistogramDisplay::ClearDataLists()
{
    const int classes = ClassCount();
    m_vLists.clear();
    Detail::ViewOf(*this).vHidden.clear();
    if (CHistogramFeed* feed = FeedOf(*this))
    {
        feed->Reopen();
    }
    _DataChanged(classes);
}

int CHistogramDisplay::DataListCount() const
{
    return static_cast<int>(m_vLists.size());
}

const std::vector<double>& CHistogramDisplay::Counts(int index) const
{
    static const std::vector<double> kNone;
    return index >= 0 && index < DataListCount() ? m_vLists[static_cast<std::size_t>(index)].vCounts
                                                 : kNone;
}

const SDataListMode& CHistogramDisplay::DataListMode(int index) const
{
    static const SDataListMode kNone;
    return index >= 0 && index < DataListCount() ? m_vLists[static_cast<std::size_t>(index)].oMode
                                                 : kNone;
}

int CHistogramDisplay::ClassCount() const
{
    std::size_t count = 0;
    for (const SList& list : m_vLists)
    {
        count = std::max(count, list.vCounts.size());
    }
    return static_cast<int>(std::min<std::size_t>(count, 1u << 30));
}

void CHistogramDisplay::SetDataListVisible(int list, bool visible)
{
    if (list < 0 || list >= DataListCount() || IsDataListVisible(list) == visible)
    {
        return;
    }
    std::vector<bool>& hidden = Detail::ViewOf(*this).vHidden;
    hidden.resize(std::max(hidden.size(), static_cast<std::size_t>(list) + 1), false);
    hidden[static_cast<std::size_t>(list)] = !visible;
    _FindRange(); // the value axis follows the shown lists
    update();
    _FollowReadout();
    Detail::NotifyAccessible(this, QAccessible::DescriptionChanged);
    emit dataListVisibilityChanged(list, visible);
}

bool CHistogramDisplay::IsDataListVisible(int list) const
{
    const std::vector<bool>& hidden = Detail::ViewOf(*this).vHidden;
    return list >= 0 && list < DataListCount() &&
           (static_cast<std::size_t>(list) >= hidden.size() ||
            !hidden[static_cast<std::size_t>(list)]);
}

bool CHistogramDisplay::_IsShown(const SList& list) const
{
    return IsDataListVisible(static_cast<int>(&list - m_vLists.data()));
}

std::vector<std::pair<QString, QColor>>
CHistogramDisplay::_LegendEntries(std::vector<int>* lists) const
{
    std::vector<std::pair<QString, QColor>> entries;
    for (int index = 0; index < DataListCount(); ++index)
    {
        const SDataListMode& mode = m_vLists[static_cast<std::size_t>(index)].oMode;
        if (!mode.m_sLabel.empty())
        {
            entries.emplace_back(QString::fromStdString(mode.m_sLabel),
                                 IsDataListVisible(index) ? ListColor(mode) : QColor());
            if (lists)
            {
                lists->push_back(index);
            }
        }
    }
    return entries;
}

bool CHistogramDisplay::_ToggleFromLegend(const QPoint& at)
{
    const Detail::SPlotLayout layout = _Layout();
    if (!m_bAxesVisible || !m_bLegendVisible || !layout.oLegend.contains(at))
    {
        return false;
    }
    std::vector<int> lists;
    const auto rects = Detail::LegendRects(layout.oLegend, _LegendEntries(&lists), fontMetrics());
    for (std::size_t i = 0; i < rects.size(); ++i)
    {
        if (rects[i].contains(at))
        {
            SetDataListVisible(lists[i], !IsDataListVisible(lists[i]));
            return true;
        }
    }
    return false;
}

void CHistogramDisplay::SetLogScale(bool logScale)
{
    if (logScale != m_bLogScale)
    {
        m_bLogScale = logScale;
        update();
    }
}

bool CHistogramDisplay::IsLogScale() const
{
    return m_bLogScale;
}

void CHistogramDisplay::SetLegendVisible(bool visible)
{
    if (visible != m_bLegendVisible)
    {
        m_bLegendVisible = visible;
        update();
    }
}

bool CHistogramDisplay::IsLegendVisible() const
{
    return m_bLegendVisible;
}

void CHistogramDisplay::SetAxesVisible(bool visible)
{
    if (visible != m_bAxesVisible)
    {
        m_bAxesVisible = visible;
        // The value zoom bar goes with the axes; a zoom nothing visible could undo goes with it.
        if (!visible)
        {
            SetValueZoom(1.0);
        }
        _UpdateScrollBars();
        update();
    }
}

bool CHistogramDisplay::AreAxesVisible() const
{
    return m_bAxesVisible;
}

void CHistogramDisplay::SetClassLabels(double offset, double step)
{
    if (std::isfinite(offset) && std::isfinite(step) && step != 0.0)
    {
        m_dClassOffset = offset;
        m_dClassStep = step;
        update();
    }
}

int CHistogramDisplay::FirstVisibleClass() const
{
    return m_nFirstVisible;
}

int CHistogramDisplay::VisibleClassCount() const
{
    return m_nVisibleCount > 0 ? m_nVisibleCount : ClassCount();
}

int CHistogramDisplay::ShadedFirst() const
{
    return m_nShadedFirst;
}

int CHistogramDisplay::ShadedLast() const
{
    return m_nShadedLast;
}

QRect CHistogramDisplay::PlotArea() const
{
    return _Layout().oPlot;
}

int CHistogramDisplay::ClassAt(int x) const
{
    const QRect plot = PlotArea();
    const auto classes =
        Detail::ClassesAtColumn(x - plot.left(), VisibleClassCount(), plot.width());
    return classes.first < 0 ? -1 : m_nFirstVisible + classes.first;
}

CHistogramFeeder CHistogramDisplay::Feeder()
{
    CHistogramFeed* feed = FeedOf(*this);
    return CHistogramFeeder((feed ? feed : new CHistogramFeed(*this))->Hub());
}

QSize CHistogramDisplay::sizeHint() const
{
    return {400, 240};
}

QSize CHistogramDisplay::minimumSizeHint() const
{
    return {120, 80};
}

void CHistogramDisplay::SetVisibleClasses(int first, int count)
{
    const int classes = ClassCount();
    count = count <= 0 || count >= classes ? 0 : count;
    first = count == 0 ? 0 : std::clamp(first, 0, classes - count);
    if (first == m_nFirstVisible && count == m_nVisibleCount)
    {
        return;
    }
    m_nFirstVisible = first;
    m_nVisibleCount = count;
    _UpdateScrollBars();
    update();
    _FollowReadout();
    Detail::NotifyAccessible(this, QAccessible::DescriptionChanged);
    emit visibleClassesChanged(m_nFirstVisible, VisibleClassCount());
}

void CHistogramDisplay::ZoomOut()
{
    SetVisibleClasses(0, 0);
}

void CHistogramDisplay::SetShadedSpan(int first, int last)
{
    if (first > last)
    {
        std::swap(first, last);
    }
    // Classes start at 0: a span reaching below keeps its part from 0 on, one wholly below is
    // none.
    first = last < 0 ? -1 : std::max(first, 0);
    last = std::max(last, -1);
    if (first != m_nShadedFirst || last != m_nShadedLast)
    {
        m_nShadedFirst = first;
        m_nShadedLast = last;
        update();
    }
}

void CHistogramDisplay::ClearShadedSpan()
{
    SetShadedSpan(-1, -1);
}

void CHistogramDisplay::_HScrollSlot(int nSliderPos)
{
    if (m_nVisibleCount > 0)
    {
        SetVisibleClasses(nSliderPos, m_nVisibleCount);
    }
}

void CHistogramDisplay::_VScrollSlot(int nSliderPos)
{
    SetValueZoom(1.0 - std::clamp(nSliderPos, 0, kValueZoomSteps) / 10.0);
}

void CHistogramDisplay::resizeEvent(QResizeEvent* event)
{
    CHistogramDisplayBase::resizeEvent(event);
    _PlaceScrollBars();
}

bool CHistogramDisplay::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
    {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = _ToolTip(help->pos().x());
        if (text.isEmpty() || !PlotArea().contains(help->pos()))
        {
            QToolTip::hideText();
            event->ignore();
        }
        else
        {
            QToolTip::showText(help->globalPos(), text, this);
        }
        return true;
    }
    const auto mouse = [event] { return static_cast<QMouseEvent*>(event); };
    switch (event->type())
    {
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::FocusIn: // the focus frame
        update();
        break;
    case QEvent::FocusOut:
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
            Detail::ViewOf(*this).bKeyReadout)
        {
            _SetReadout(-1, -1); // the keys' cursor goes with the focus
        }
        update();
        break;
    case QEvent::Leave:
        Detail::ViewOf(*this).oPointer = QPoint(-1, -1);
        _ShowReadout(QPoint(-1, -1));
        break;
    case QEvent::ContextMenu:
        Detail::PopUpPlotMenu(*static_cast<QContextMenuEvent*>(event),
                              Detail::ViewOf(*this).bRightClickZoomed,
                              [this] { return Detail::HistogramMenu(*this); });
        return true;
    case QEvent::MouseButtonPress:
        if (_MousePress(*mouse()))
        {
            return true;
        }
        break;
    case QEvent::MouseMove:
        _MouseMove(*mouse());
        break;
    case QEvent::MouseButtonRelease:
        _MouseRelease(*mouse());
        break;
    case QEvent::MouseButtonDblClick:
        if (_MouseDoubleClick(*mouse()))
        {
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (_KeyPress(*static_cast<QKeyEvent*>(event)))
        {
            return true;
        }
        break;
    default:
        break;
    }
    return CHistogramDisplayBase::event(event);
}

QString CHistogramDisplay::_ToolTip(int x) const
{
    const QRect plot = PlotArea();
    const auto classes =
        Detail::ClassesAtColumn(x - plot.left(), VisibleClassCount(), plot.width());
    if (classes.first < 0 || m_vLists.empty())
    {
        return {};
    }
    const int first = m_nFirstVisible + classes.first;
    const int last = m_nFirstVisible + classes.second;
    const auto name = [this](int index) { return Detail::CountText(ClassLabel(index)); };
    QString text = last > first
                       ? Detail::TranslatedText("Classes %1 to %2").arg(name(first), name(last))
                       : Detail::TranslatedText("Class %1").arg(name(first));
    for (const SList& list : m_vLists)
    {
        if (!_IsShown(list))
        {
            continue;
        }
        double count = 0.0;
        for (int i = first; i <= last && i < static_cast<int>(list.vCounts.size()); ++i)
        {
            count = std::max(count, Detail::DrawnCount(list.vCounts[static_cast<std::size_t>(i)]));
        }
        const QString label = QString::fromStdString(list.oMode.m_sLabel);
        text += QStringLiteral("\n%1%2").arg(
            label.isEmpty() ? QString() : label + QStringLiteral(": "), Detail::CountText(count));
    }
    return text;
}

void CHistogramDisplay::_DataChanged(int classesBefore)
{
    for (SList& list : m_vLists)
    {
        list.pBars.reset();
    }
    _FindRange();
    const int first = m_nFirstVisible;
    const int visible = m_nVisibleCount > 0 ? m_nVisibleCount : classesBefore;
    const int classes = ClassCount();
    if (m_nVisibleCount >= classes || m_nFirstVisible + m_nVisibleCount > classes)
    {
        m_nFirstVisible = 0;
        m_nVisibleCount = 0;
    }
    _UpdateScrollBars();
    // Under a resting pointer, the readout moves to the bar top now nearest, and goes with a
    // class that no list has any more.
    _FollowReadout();
    Detail::NotifyAccessible(this, QAccessible::DescriptionChanged);
    update();
    // Fewer or more classes change what an unzoomed view shows, and a zoom that no longer fits
    // falls back to all of them.
    if (first != m_nFirstVisible || visible != VisibleClassCount())
    {
        emit visibleClassesChanged(m_nFirstVisible, VisibleClassCount());
    }
}

void CHistogramDisplay::_UpdateScrollBars()
{
    const bool panning = m_nVisibleCount > 0;
    {
        const QSignalBlocker blocker(&m_oHScrollBar);
        m_oHScrollBar.setRange(0, panning ? ClassCount() - m_nVisibleCount : 0);
        m_oHScrollBar.setPageStep(std::max(m_nVisibleCount, 1));
        m_oHScrollBar.setSingleStep(std::max(m_nVisibleCount / 10, 1));
        m_oHScrollBar.setValue(m_nFirstVisible);
    }
    m_oHScrollBar.setVisible(panning);
    m_oVScrollBar.setVisible(m_bAxesVisible && Detail::ViewOf(*this).dTop < 1.0);
    _PlaceScrollBars();
}

void CHistogramDisplay::_PlaceScrollBars()
{
    const int extent = m_oVScrollBar.sizeHint().width();
    const int height = m_oHScrollBar.sizeHint().height();
    const int right = m_oVScrollBar.isVisibleTo(this) ? extent : 0;
    m_oHScrollBar.setGeometry(0, this->height() - height, width() - right, height);
    // Beside the plot and as tall as it: its rows do not depend on the bar's width.
    const QRect plot = _Layout().oPlot;
    m_oVScrollBar.setGeometry(width() - extent, plot.top(), extent, plot.height());
}

Detail::SPlotLayout CHistogramDisplay::_Layout() const
{
    return _Layout(size(), true);
}

Detail::SPlotLayout CHistogramDisplay::_Layout(const QSize& size, bool scrollBars) const
{
    QRect area(QPoint(0, 0), size);
    if (scrollBars && m_oVScrollBar.isVisibleTo(this))
    {
        area.setRight(size.width() - m_oVScrollBar.sizeHint().width() - 1);
    }
    if (scrollBars && m_oHScrollBar.isVisibleTo(this))
    {
        area.setBottom(m_oHScrollBar.geometry().top() - 1);
    }
    const Detail::CHistogramView& view = Detail::ViewOf(*this);
    const bool valueTitle = !view.sValueTitle.isEmpty() || !view.sValueUnit.isEmpty();
    const bool classTitle = !view.sClassTitle.isEmpty() || !view.sClassUnit.isEmpty();
    Detail::SPlotLayout layout =
        Detail::PlotLayout(area, fontMetrics(), m_bAxesVisible, 0, valueTitle, classTitle);
    // A range slider's handle fits right of the class axis, so that a slider as wide as the
    // histogram lines up with it (AlignToClassAxis).
    const int over = layout.oPlot.right() - (size.width() - 1 - Detail::kRangeHandleLength);
    if (m_bAxesVisible && over > 0)
    {
        area.setRight(area.right() - over);
        layout = Detail::PlotLayout(area, fontMetrics(), m_bAxesVisible, 0, valueTitle, classTitle);
    }
    return layout;
}

void CHistogramDisplay::_FindRange()
{
    // From the finite counts: an infinite one is drawn full height and marked.
    m_dHighest = 0.0;
    m_dLowest = 0.0; // the smallest positive count
    for (const SList& list : m_vLists)
    {
        if (!_IsShown(list))
        {
            continue;
        }
        for (const double count : list.vCounts)
        {
            const double drawn = std::isfinite(count) ? Detail::DrawnCount(count) : 0.0;
            m_dHighest = std::max(m_dHighest, drawn);
            m_dLowest = drawn > 0.0 && (m_dLowest == 0.0 || drawn < m_dLowest) ? drawn : m_dLowest;
        }
    }
}

Detail::SPlotScale CHistogramDisplay::_Scale() const
{
    const double highest = m_dHighest;
    const double lowest = m_dLowest;
    const double top = Detail::ViewOf(*this).dTop;
    if (m_bLogScale)
    {
        Detail::SPlotScale scale = Detail::NiceLogScale(lowest, highest);
        // Subtracted, not divided: 1e308 / 0.1 overflows.
        const double decades = std::log10(scale.dHigh) - std::log10(scale.dLow);
        scale.dHigh = scale.dLow * std::pow(10.0, decades * top);
        return scale;
    }
    Detail::SPlotScale scale = highest > 0.0 ? Detail::NiceLinearScale(0.0, highest, 5)
                                             : Detail::SPlotScale{0.0, 1.0, false};
    scale.dHigh *= top;
    return scale;
}

void CHistogramDisplay::SetGridVisible(bool visible)
{
    Detail::ViewOf(*this).bGrid = visible;
    update();
}

bool CHistogramDisplay::IsGridVisible() const
{
    return Detail::ViewOf(*this).bGrid;
}

void CHistogramDisplay::SetClassAxisTitle(const QString& title, const QString& unit)
{
    Detail::CHistogramView& view = Detail::ViewOf(*this);
    view.sClassTitle = title;
    view.sClassUnit = unit;
    _PlaceScrollBars(); // the plot's room changed
    update();
}

QString CHistogramDisplay::ClassAxisTitle() const
{
    return Detail::ViewOf(*this).sClassTitle;
}

QString CHistogramDisplay::ClassAxisUnit() const
{
    return Detail::ViewOf(*this).sClassUnit;
}

void CHistogramDisplay::SetValueAxisTitle(const QString& title, const QString& unit)
{
    Detail::CHistogramView& view = Detail::ViewOf(*this);
    view.sValueTitle = title;
    view.sValueUnit = unit;
    _PlaceScrollBars();
    update();
}

QString CHistogramDisplay::ValueAxisTitle() const
{
    return Detail::ViewOf(*this).sValueTitle;
}

QString CHistogramDisplay::ValueAxisUnit() const
{
    return Detail::ViewOf(*this).sValueUnit;
}

void CHistogramDisplay::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    _Paint(painter, event->rect(), _Layout(), Detail::PaintRatio(painter), true);
}

void CHistogramDisplay::_Paint(QPainter& painter, const QRect& dirty,
                               const Detail::SPlotLayout& layout, qreal dpr, bool screen) const
{
    const Detail::SPlotScale scale = _Scale();
    Detail::FillAroundPlot(painter, dirty, layout.oPlot);
    const int maxTicks = std::max(layout.oPlot.height() / (2 * fontMetrics().height()), 1);
    const std::vector<Detail::SAxisTick> valueTicks =
        m_bAxesVisible ? Detail::ValueTicks(scale, layout.oPlot, maxTicks)
                       : std::vector<Detail::SAxisTick>();
    const std::vector<Detail::SAxisTick> classTicks = _ClassTicks(layout);
    Detail::DrawAxes(painter, layout, valueTicks, classTicks);
    const Detail::CHistogramView& view = Detail::ViewOf(*this);
    if (view.bGrid)
    {
        Detail::DrawGrid(painter, layout.oPlot, valueTicks, classTicks);
    }
    {
        Detail::CClipGuard clip(painter, layout.oPlot);
        Detail::CDevicePixels pixels(painter, dpr);
        const QRect device = Detail::DeviceRect(layout.oPlot, dpr);
        _DrawShadedSpan(painter, device);
        for (const SList& list : m_vLists)
        {
            if (_IsShown(list))
            {
                _DrawList(painter, list, device, scale, dpr);
            }
        }
    }
    if (m_bAxesVisible && m_bLegendVisible)
    {
        Detail::DrawLegend(painter, layout.oLegend, _LegendEntries());
    }
    Detail::DrawTitles(painter, layout, Detail::AxisTitle(view.sValueTitle, view.sValueUnit),
                       Detail::AxisTitle(view.sClassTitle, view.sClassUnit));
    if (!screen)
    {
        return; // pictures show the data, not the pointer or the focus
    }
    if (view.nReadoutList >= 0 && view.nReadoutClass >= m_nFirstVisible &&
        view.nReadoutClass < m_nFirstVisible + VisibleClassCount())
    {
        const SList& list = m_vLists[static_cast<std::size_t>(view.nReadoutList)];
        const double count = list.vCounts[static_cast<std::size_t>(view.nReadoutClass)];
        Detail::DrawReadout(painter, layout.oPlot, _ReadoutPoint(layout, scale),
                            Detail::ReadoutLabel(QString::fromStdString(list.oMode.m_sLabel),
                                                 Detail::CountText(ClassLabel(view.nReadoutClass)),
                                                 count));
    }
    if (hasFocus())
    {
        Detail::DrawFocusFrame(painter, layout.oPlot);
    }
}

std::vector<Detail::SAxisTick>
CHistogramDisplay::_ClassTicks(const Detail::SPlotLayout& layout) const
{
    std::vector<Detail::SAxisTick> ticks;
    const int visible = VisibleClassCount();
    if (!m_bAxesVisible || visible <= 0)
    {
        return ticks;
    }
    const QRect& plot = layout.oPlot;
    const int labelWidth = fontMetrics().horizontalAdvance(QStringLiteral("888888")) + 16;
    const double step =
        std::max(1.0, Detail::NiceStep(visible, std::max(plot.width() / labelWidth, 1)));
    const double labelStep = std::abs(m_dClassStep) * step;
    for (double i = std::ceil(m_nFirstVisible / step) * step; i < m_nFirstVisible + visible;
         i += step)
    {
        const double x = plot.left() + (i - m_nFirstVisible + 0.5) * plot.width() / visible;
        ticks.push_back({static_cast<int>(std::floor(x)),
                         Detail::TickText(m_dClassOffset + i * m_dClassStep, labelStep)});
    }
    return ticks;
}

void CHistogramDisplay::_DrawShadedSpan(QPainter& painter, const QRect& device) const
{
    const int visible = VisibleClassCount();
    const int first = std::max(m_nShadedFirst, m_nFirstVisible) - m_nFirstVisible;
    const int last = std::min(m_nShadedLast, m_nFirstVisible + visible - 1) - m_nFirstVisible;
    if (m_nShadedFirst < 0 || first > last || visible <= 0)
    {
        return;
    }
    const int left = Detail::ClassColumns(first, visible, device.width()).first;
    const int right = Detail::ClassColumns(last, visible, device.width()).second;
    QColor shade = QGuiApplication::palette().color(QPalette::Highlight);
    shade.setAlpha(96);
    painter.fillRect(QRect(device.left() + left, device.top(), right - left + 1, device.height()),
                     shade);
}

// A repaint of an unchanged view draws the bars gathered before without going over the counts
// again, so that its cost is bounded by the plot's width whatever the number of classes.
struct CHistogramDisplay::SBarCache
{
    int nFirst = -1;
    int nVisible = -1;
    int nColumns = -1;
    std::vector<Detail::SHistogramBar> vBars;
};

const CHistogramDisplay::SBarCache& CHistogramDisplay::_Bars(const SList& list, int columns) const
{
    if (!list.pBars)
    {
        list.pBars = std::make_shared<SBarCache>();
    }
    SBarCache& cache = *list.pBars;
    const int visible = VisibleClassCount();
    if (cache.nFirst != m_nFirstVisible || cache.nVisible != visible || cache.nColumns != columns)
    {
        cache.vBars = Detail::HistogramBars(list.vCounts, m_nFirstVisible, visible, columns);
        cache.nFirst = m_nFirstVisible;
        cache.nVisible = visible;
        cache.nColumns = columns;
    }
    return cache;
}

void CHistogramDisplay::_DrawList(QPainter& painter, const SList& list, const QRect& device,
                                  const Detail::SPlotScale& scale, qreal dpr) const
{
    const std::vector<Detail::SHistogramBar>& bars = _Bars(list, device.width()).vBars;
    _DrawBars(painter, list, bars, device, scale);
    // An infinite count stands full height, its top marked in the text colour: no finite
    // count could reach there.
    const QColor mark = QGuiApplication::palette().color(QPalette::Text);
    const int rows = std::max(1, static_cast<int>(std::lround(kInfiniteMark * dpr)));
    for (const Detail::SHistogramBar& bar : bars)
    {
        if (std::isinf(bar.dCount))
        {
            painter.fillRect(
                QRect(device.left() + bar.nLeft, device.top(), bar.nRight - bar.nLeft + 1, rows),
                mark);
        }
    }
}

void CHistogramDisplay::_DrawBars(QPainter& painter, const SList& list,
                                  const std::vector<Detail::SHistogramBar>& bars,
                                  const QRect& device, const Detail::SPlotScale& scale) const
{
    const QColor color = ListColor(list.oMode);
    // The height of a bar in device rows; counts off a logarithmic axis have none.
    const auto rows = [&](double count)
    {
        const double fraction = Detail::ScaleFraction(scale, count);
        return std::isnan(fraction) ? 0
                                    : static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) *
                                                                   device.height()));
    };
    const int bottom = device.bottom();
    if (list.oMode.m_eDisplayMode == HistogramBars)
    {
        // All bars in one call, their area cut into long row runs.
        std::vector<Detail::SColumnFill> columns;
        columns.reserve(bars.size());
        for (const Detail::SHistogramBar& bar : bars)
        {
            columns.push_back(
                {device.left() + bar.nLeft, device.left() + bar.nRight, rows(bar.dCount)});
        }
        const std::vector<QRect> rects = Detail::ColumnArea(columns, bottom);
        CStyleStore store(painter, QBrush(color));
        store.SetPen(QPen(Qt::NoPen));
        painter.drawRects(rects.data(), static_cast<int>(rects.size()));
        return;
    }
    // Vector devices stroke along the coordinates, half the width either side: one pixel wide
    // through the pixels' middles, lines cover the pixels the screen's cosmetic pen lights
    // (a cosmetic pen would be a hairline of the printer's resolution).
    const bool vector = Detail::ViewOf(*this).bVector;
    QPen pen(color, 0);
    pen.setCosmetic(true);
    CStyleStore store(painter,
                      vector ? QPen(color, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin) : pen);
    std::vector<QPoint> points;
    points.reserve(bars.size() * 2 + 2);
    const bool outline = list.oMode.m_eDisplayMode == HistogramOutline;
    if (outline && !bars.empty())
    {
        points.emplace_back(device.left() + bars.front().nLeft, bottom);
    }
    for (const Detail::SHistogramBar& bar : bars)
    {
        const int top = std::min(bottom + 1 - rows(bar.dCount), bottom);
        if (outline)
        {
            points.emplace_back(device.left() + bar.nLeft, top);
            points.emplace_back(device.left() + bar.nRight, top);
        }
        else if (list.oMode.m_eDisplayMode == HistogramLine)
        {
            points.emplace_back(device.left() + (bar.nLeft + bar.nRight) / 2, top);
        }
    }
    if (outline && !bars.empty())
    {
        points.emplace_back(device.left() + bars.back().nRight, bottom);
    }
    if (vector)
    {
        QPolygonF middles;
        for (const QPoint& point : points)
        {
            middles << QPointF(point) + QPointF(0.5, 0.5);
        }
        painter.drawPolyline(middles);
        return;
    }
    painter.drawPolyline(points.data(), static_cast<int>(points.size()));
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
