// The histogram's zoom, pan and readout: the mouse, the wheel and the keyboard, a stack of views
// to go back to, the counts in view as CSV and the class axis for a range slider to line up with.
#include "HistogramDisplay.h"

#include "AccessibleControl.h"
#include "HistogramGeometry.h"
#include "HistogramView.h"
#include "PlotExport.h"
#include "PlotPainting.h"
#include "RangeSlider.h"
#include "RangeSliderGeometry.h"
#include "TranslatedText.h"
#include "WheelNotches.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QRubberBand>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

namespace
{

constexpr double kZoomStep = 0.8; // a notch or a key zooms in to 80 %

bool Pans(const QMouseEvent& event)
{
    return event.button() == Qt::MiddleButton ||
           (event.button() == Qt::LeftButton && (event.modifiers() & Qt::ShiftModifier));
}

// The top row of a bar of count on plot, as the bars are drawn: a height in whole rows.
int BarTop(const Detail::SPlotScale& scale, const QRect& plot, double count)
{
    const double fraction = Detail::ScaleFraction(scale, Detail::DrawnCount(count));
    const int rows =
        std::isnan(fraction)
            ? 0
            : static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * plot.height()));
    return std::min(plot.bottom() + 1 - rows, plot.bottom());
}

} // namespace

double CHistogramDisplay::ClassLabel(int index) const
{
    return m_dClassOffset + index * m_dClassStep;
}

double CHistogramDisplay::ValueAxisTop() const
{
    return _Scale().dHigh;
}

double CHistogramDisplay::ValueAxisBottom() const
{
    return _Scale().dLow;
}

double CHistogramDisplay::ValueZoom() const
{
    return Detail::ViewOf(*this).dTop;
}

bool CHistogramDisplay::IsZoomed() const
{
    return m_nVisibleCount > 0 || ValueZoom() < 1.0;
}

int CHistogramDisplay::ReadoutList() const
{
    return Detail::ViewOf(*this).nReadoutList;
}

int CHistogramDisplay::ReadoutClass() const
{
    return Detail::ViewOf(*this).nReadoutClass;
}

void CHistogramDisplay::SetValueZoom(double fraction)
{
    Detail::CHistogramView& view = Detail::ViewOf(*this);
    if (std::isnan(fraction))
    {
        return;
    }
    fraction = std::clamp(fraction, Detail::kLowestValueTop, 1.0);
    if (fraction == view.dTop)
    {
        return;
    }
    view.dTop = fraction;
    // The bar shows the nearest of its steps, and a zoomed axis at least the first, so that
    // moving the bar to its top always shows the whole axis again.
    m_nValueZoom = fraction < 1.0
                       ? std::clamp(static_cast<int>(std::lround((1.0 - fraction) * 10.0)), 1,
                                    m_oVScrollBar.maximum())
                       : 0;
    {
        const QSignalBlocker blocker(&m_oVScrollBar);
        m_oVScrollBar.setValue(m_nValueZoom);
    }
    _UpdateScrollBars();
    update();
    _FollowReadout();
    Detail::NotifyAccessible(this, QAccessible::DescriptionChanged);
    emit valueZoomChanged(ValueAxisTop());
}

void CHistogramDisplay::ZoomBack()
{
    Detail::CHistogramView& view = Detail::ViewOf(*this);
    if (!view.vBack.empty())
    {
        const Detail::SHistogramZoom back = view.vBack.back();
        view.vBack.pop_back();
        _InOneStep(
            [&]
            {
                SetVisibleClasses(back.nFirst, back.nCount);
                SetValueZoom(back.dTop);
            });
    }
}

void CHistogramDisplay::ResetZoom()
{
    Detail::ViewOf(*this).vBack.clear();
    _InOneStep(
        [this]
        {
            ZoomOut();
            SetValueZoom(1.0);
        });
}

void CHistogramDisplay::_InOneStep(const std::function<void()>& change)
{
    Detail::CHistogramView& view = Detail::ViewOf(*this);
    ++view.nSteps;
    change();
    --view.nSteps;
    _FollowReadout();
}

void CHistogramDisplay::_FollowReadout()
{
    const Detail::CHistogramView& view = Detail::ViewOf(*this);
    if (view.nSteps > 0)
    {
        return;
    }
    if (!view.bKeyReadout)
    {
        _ShowReadout(view.oPointer);
    }
    else if (!IsDataListVisible(view.nReadoutList) ||
             view.nReadoutClass >= static_cast<int>(Counts(view.nReadoutList).size()))
    {
        _SetReadout(-1, -1); // the keys' class is gone; else it stays where the keys put it
    }
}

void CHistogramDisplay::_ZoomClasses(double fraction, double factor)
{
    // The class at fraction of the plot's width stays where it is.
    const int classes = ClassCount();
    if (classes < 2)
    {
        return;
    }
    const double visible = VisibleClassCount();
    const double anchor = m_nFirstVisible + fraction * visible;
    const double zoomed = std::clamp(visible * factor, 2.0, double(classes));
    SetVisibleClasses(static_cast<int>(std::lround(anchor - fraction * zoomed)),
                      static_cast<int>(std::lround(zoomed)));
}

void CHistogramDisplay::wheelEvent(QWheelEvent* event)
{
    const bool values = event->modifiers() & Qt::ControlModifier;
    if (!values && ClassCount() < 2)
    {
        event->ignore();
        return;
    }
    event->accept();
    const int steps = Detail::WheelNotches(*this, *event);
    if (steps == 0)
    {
        return;
    }
    const double factor = std::pow(kZoomStep, steps);
    Detail::ViewOf(*this).oPointer = event->position().toPoint();
    if (values)
    {
        SetValueZoom(ValueZoom() * factor);
        return;
    }
    const QRect plot = PlotArea();
    _ZoomClasses(
        std::clamp((event->position().x() - plot.left()) / std::max(plot.width(), 1), 0.0, 1.0),
        factor);
}

bool CHistogramDisplay::_MousePress(QMouseEvent& event)
{
    Detail::CHistogramView& view = Detail::ViewOf(*this);
    const QPoint at = event.pos();
    if (event.button() == Qt::LeftButton && _ToggleFromLegend(at))
    {
        return true; // a legend entry shows or hides its list
    }
    if (!PlotArea().contains(at))
    {
        return false;
    }
    view.bRightClickZoomed = false;
    if (event.button() == Qt::RightButton)
    {
        // Back one zoom while zoomed; else the context menu that follows the click opens.
        view.bRightClickZoomed = !view.vBack.empty();
        ZoomBack();
    }
    else if (Pans(event))
    {
        view.eGesture = Detail::CHistogramView::EGesture::Pan;
    }
    else if (event.button() == Qt::LeftButton)
    {
        view.eGesture = Detail::CHistogramView::EGesture::Box;
        if (!view.pwBox)
        {
            view.pwBox = new QRubberBand(QRubberBand::Rectangle, this);
        }
        view.pwBox->setGeometry(QRect(at, QSize()));
        view.pwBox->show();
    }
    view.oPressed = at;
    view.nPressedFirst = m_nFirstVisible;
    return true;
}

void CHistogramDisplay::_MouseMove(QMouseEvent& event)
{
    Detail::CHistogramView& view = Detail::ViewOf(*this);
    const QRect plot = PlotArea();
    view.oPointer = event.pos();
    if (view.eGesture == Detail::CHistogramView::EGesture::None)
    {
        view.bKeyReadout = false;
        _ShowReadout(event.pos());
    }
    else if (view.eGesture == Detail::CHistogramView::EGesture::Box)
    {
        view.pwBox->setGeometry(QRect(view.oPressed, event.pos()).normalized() & plot);
    }
    else if (m_nVisibleCount > 0)
    {
        // The classes follow the pointer: measured from the press, so no rounding adds up.
        const double classes = double(event.pos().x() - view.oPressed.x()) * m_nVisibleCount /
                               std::max(plot.width(), 1);
        SetVisibleClasses(view.nPressedFirst - static_cast<int>(std::lround(classes)),
                          m_nVisibleCount);
    }
}

void CHistogramDisplay::_MouseRelease(QMouseEvent& event)
{
    Detail::CHistogramView& view = Detail::ViewOf(*this);
    const QRect plot = PlotArea();
    const QRect box = QRect(view.oPressed, event.pos()).normalized() & plot;
    if (view.eGesture == Detail::CHistogramView::EGesture::Box)
    {
        view.pwBox->hide();
    }
    // A box narrower or lower than 3 pixels is a click, not a zoom.
    if (view.eGesture == Detail::CHistogramView::EGesture::Box && box.width() >= 3 &&
        box.height() >= 3 && plot.height() >= 2)
    {
        const Detail::SHistogramZoom before{m_nFirstVisible, m_nVisibleCount, view.dTop};
        const int first = ClassAt(box.left());
        const int last = ClassAt(box.right());
        // The box's top row becomes the top of the value axis: rows run from the axis' top
        // (fraction 1) at the plot's top row to its bottom at the bottom row.
        const double top =
            view.dTop * std::min(1.0, double(plot.bottom() - box.top()) / (plot.height() - 1));
        _InOneStep(
            [&]
            {
                SetVisibleClasses(first, last - first + 1);
                SetValueZoom(top);
            });
        if (before.nFirst != m_nFirstVisible || before.nCount != m_nVisibleCount ||
            before.dTop != view.dTop)
        {
            view.vBack.push_back(before);
        }
    }
    view.eGesture = Detail::CHistogramView::EGesture::None;
}

bool CHistogramDisplay::_MouseDoubleClick(QMouseEvent& event)
{
    if (event.button() == Qt::LeftButton && PlotArea().contains(event.pos()))
    {
        ResetZoom();
        return true;
    }
    return false;
}

bool CHistogramDisplay::_KeyPress(QKeyEvent& event)
{
    if (event.matches(QKeySequence::Copy))
    {
        CopyToClipboard();
        return true;
    }
    if (event.key() >= Qt::Key_1 && event.key() <= Qt::Key_9 &&
        event.key() - Qt::Key_1 < DataListCount())
    {
        // The number keys show or hide lists 1 to 9, as their legend entries do.
        const int list = event.key() - Qt::Key_1;
        SetDataListVisible(list, !IsDataListVisible(list));
        return true;
    }
    const int pan = std::max(VisibleClassCount() / 10, 1);
    const bool shift = event.modifiers() & Qt::ShiftModifier;
    switch (event.key())
    {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        _ZoomClasses(0.5, kZoomStep);
        break;
    case Qt::Key_Minus:
        _ZoomClasses(0.5, 1.0 / kZoomStep);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (shift)
        {
            _KeyReadout(event.key() == Qt::Key_Left ? -1 : 1, 0);
        }
        else if (m_nVisibleCount > 0)
        {
            SetVisibleClasses(m_nFirstVisible + (event.key() == Qt::Key_Left ? -pan : pan),
                              m_nVisibleCount);
        }
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (shift)
        {
            _KeyReadout(0, event.key() == Qt::Key_Down ? 1 : -1);
        }
        else
        {
            SetValueZoom(ValueZoom() * (event.key() == Qt::Key_Up ? kZoomStep : 1.0 / kZoomStep));
        }
        break;
    case Qt::Key_Backspace:
        ZoomBack();
        break;
    case Qt::Key_Home:
    case Qt::Key_Escape:
        ResetZoom();
        break;
    default:
        return false;
    }
    return true;
}

void CHistogramDisplay::_ShowReadout(const QPoint& at)
{
    const Detail::SPlotLayout layout = _Layout();
    const Detail::SPlotScale scale = _Scale();
    const int index = layout.oPlot.contains(at) ? ClassAt(at.x()) : -1;
    // Of the lists that have the class, the one whose bar top is nearest to the pointer.
    int nearest = -1;
    double distance = std::numeric_limits<double>::infinity();
    for (int list = 0; index >= 0 && list < DataListCount(); ++list)
    {
        if (!IsDataListVisible(list))
        {
            continue;
        }
        const std::vector<double>& counts = m_vLists[static_cast<std::size_t>(list)].vCounts;
        if (index < static_cast<int>(counts.size()))
        {
            const int row = BarTop(scale, layout.oPlot, counts[static_cast<std::size_t>(index)]);
            if (std::abs(row - at.y()) < distance)
            {
                distance = std::abs(row - at.y());
                nearest = list;
            }
        }
    }
    _SetReadout(nearest, nearest < 0 ? -1 : index);
}

void CHistogramDisplay::_SetReadout(int list, int classIndex)
{
    Detail::CHistogramView& view = Detail::ViewOf(*this);
    view.bKeyReadout = false;
    if (list == view.nReadoutList && classIndex == view.nReadoutClass)
    {
        return;
    }
    view.nReadoutList = list;
    view.nReadoutClass = classIndex;
    update();
    Detail::NotifyAccessible(this, QAccessible::DescriptionChanged);
    emit readoutChanged(list, classIndex,
                        list < 0 ? std::numeric_limits<double>::quiet_NaN()
                                 : Counts(list)[static_cast<std::size_t>(classIndex)]);
}

void CHistogramDisplay::_KeyReadout(int along, int across)
{
    const Detail::CHistogramView& view = Detail::ViewOf(*this);
    const int lists = DataListCount();
    const auto has = [this](int list, int classIndex)
    {
        return IsDataListVisible(list) && classIndex >= 0 &&
               classIndex < static_cast<int>(Counts(list).size());
    };
    int list = view.nReadoutList;
    int classIndex = view.nReadoutClass;
    if (list < 0)
    {
        // From none: the middle visible class of the first list that has it.
        classIndex = m_nFirstVisible + VisibleClassCount() / 2;
        for (list = 0; list < lists && !has(list, classIndex); ++list)
        {
        }
    }
    else if (along != 0 && has(list, classIndex + along))
    {
        classIndex += along;
    }
    else if (across != 0)
    {
        for (int step = 1; step < lists; ++step)
        {
            const int other = ((list + across * step) % lists + lists) % lists;
            if (has(other, classIndex))
            {
                list = other;
                break;
            }
        }
    }
    if (list >= lists)
    {
        return; // no list has a class there
    }
    // A class outside a zoomed view pans it just far enough.
    if (m_nVisibleCount > 0 && classIndex < m_nFirstVisible)
    {
        SetVisibleClasses(classIndex, m_nVisibleCount);
    }
    else if (m_nVisibleCount > 0 && classIndex >= m_nFirstVisible + m_nVisibleCount)
    {
        SetVisibleClasses(classIndex - m_nVisibleCount + 1, m_nVisibleCount);
    }
    _SetReadout(list, classIndex);
    Detail::ViewOf(*this).bKeyReadout = true;
}

QPoint CHistogramDisplay::_ReadoutPoint(const Detail::SPlotLayout& layout,
                                        const Detail::SPlotScale& scale) const
{
    const Detail::CHistogramView& view = Detail::ViewOf(*this);
    const QRect& plot = layout.oPlot;
    const double count = Counts(view.nReadoutList)[static_cast<std::size_t>(view.nReadoutClass)];
    const double x = plot.left() + (view.nReadoutClass - m_nFirstVisible + 0.5) * plot.width() /
                                       std::max(VisibleClassCount(), 1);
    return {static_cast<int>(std::floor(x)), BarTop(scale, plot, count)};
}

QString CHistogramDisplay::CountsCsv() const
{
    QStringList header(Detail::CsvField(
        Detail::AxisTitle(QStringLiteral("class"), Detail::ViewOf(*this).sClassUnit)));
    std::vector<const SList*> shown; // hidden lists are not in view
    for (const SList& list : m_vLists)
    {
        if (_IsShown(list))
        {
            header << Detail::CsvField(QString::fromStdString(list.oMode.m_sLabel));
            shown.push_back(&list);
        }
    }
    QString csv = header.join(QLatin1Char(',')) + QLatin1Char('\n');
    const int end = m_nFirstVisible + VisibleClassCount();
    for (int index = m_nFirstVisible; index < end; ++index)
    {
        csv += Detail::CsvNumber(ClassLabel(index));
        for (const SList* list : shown)
        {
            csv += QLatin1Char(',');
            if (index < static_cast<int>(list->vCounts.size()))
            {
                csv += Detail::CsvNumber(list->vCounts[static_cast<std::size_t>(index)]);
            }
        }
        csv += QLatin1Char('\n');
    }
    return csv;
}

void CHistogramDisplay::CopyToClipboard()
{
    Detail::CopyPictureAndCsv(Picture(size(), devicePixelRatioF()), CountsCsv());
}

QRect CHistogramDisplay::ClassAxisRect() const
{
    const Detail::SPlotLayout layout = _Layout();
    const QRect& plot = layout.oPlot;
    return QRect(plot.left(), plot.bottom() + 1, plot.width(),
                 std::max(layout.oBottomAxis.height(), 0));
}

void AlignToClassAxis(CRangeSlider& slider, const CHistogramDisplay& histogram)
{
    if (slider.Orientation() != Qt::Horizontal)
    {
        return;
    }
    // The track starts a handle before its minimum and ends a handle after its maximum.
    const QRect axis = histogram.ClassAxisRect();
    const int left = slider.mapFromGlobal(histogram.mapToGlobal(axis.topLeft())).x();
    const int right = left + axis.width(); // one past the last class
    const QMargins margins = slider.contentsMargins();
    slider.setContentsMargins(std::max(left - Detail::kRangeHandleLength, 0), margins.top(),
                              std::max(slider.width() - right - Detail::kRangeHandleLength, 0),
                              margins.bottom());
    slider.SetRange(histogram.FirstVisibleClass(),
                    histogram.FirstVisibleClass() + histogram.VisibleClassCount());
    slider.update();
}

namespace Detail
{

QMenu* HistogramMenu(CHistogramDisplay& display)
{
    auto* menu = new QMenu(&display);
    const auto add = [&](const char* text, bool enabled, auto slot)
    { return AddPlotMenuEntry(*menu, display, text, enabled, slot); };
    add("Zoom back", display.IsZoomed(), &CHistogramDisplay::ZoomBack);
    add("Show all", display.IsZoomed(), &CHistogramDisplay::ResetZoom);
    menu->addSeparator();
    AddShownChecks(
        *menu, display, display.DataListCount(),
        [&display](int list)
        { return QString::fromStdString(display.DataListMode(list).m_sLabel); },
        &CHistogramDisplay::IsDataListVisible, &CHistogramDisplay::SetDataListVisible);
    menu->addSeparator();
    add("Copy", true, &CHistogramDisplay::CopyToClipboard)->setShortcut(QKeySequence::Copy);
    add("Save picture...", true,
        [&display]
        {
            SaveFromDialog(display, "Save picture",
                           QStringLiteral("PNG (*.png);;SVG (*.svg);;PDF (*.pdf)"),
                           [&display](const QString& name) { return display.Save(name); });
        });
    add("Save counts...", true,
        [&display]
        {
            SaveFromDialog(display, "Save counts", QStringLiteral("CSV (*.csv)"),
                           [&display](const QString& name)
                           { return WriteWhole(name, display.CountsCsv().toUtf8()); });
        });
    return menu;
}

} // namespace Detail

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
