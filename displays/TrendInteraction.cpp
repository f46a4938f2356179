// The trend's zoom and pan: the mouse, the wheel and the keyboard, a stack of views to go back
// to, and the signal for every change of the view. The view arithmetic is in PlotView.
#include "TrendDisplay.h"

#include "AccessibleControl.h"
#include "PlotExport.h"
#include "TranslatedText.h"
#include "TrendState.h"
#include "WheelNotches.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QRubberBand>
#include <QWheelEvent>

#include <cmath>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

namespace
{

constexpr double kZoomStep = 0.8; // a notch or a key zooms in to 80 %
constexpr int kPanStep = 20;      // pixels an arrow key pans

} // namespace

void CTrendDisplay::SetInteractive(bool interactive)
{
    m_pState->bInteractive = interactive;
    setFocusPolicy(interactive ? Qt::StrongFocus : Qt::NoFocus);
}

bool CTrendDisplay::IsInteractive() const
{
    return m_pState->bInteractive;
}

bool CTrendDisplay::IsZoomed() const
{
    return m_pState->bZoomed;
}

void CTrendDisplay::ZoomTo(double start, double end, double low, double high)
{
    _ShowView(
        {std::min(start, end), std::max(start, end), std::min(low, high), std::max(low, high)},
        true);
}

void CTrendDisplay::ZoomBack()
{
    Detail::STrendState& state = *m_pState;
    if (state.vBack.size() == 1)
    {
        ResetZoom(); // back before the first zoom: following again, if it did
    }
    else if (!state.vBack.empty())
    {
        const Detail::SPlotView view = state.vBack.back();
        state.vBack.pop_back();
        _ShowView(view, false);
    }
}

void CTrendDisplay::ResetZoom()
{
    Detail::STrendState& state = *m_pState;
    if (!state.bZoomed)
    {
        return;
    }
    const auto& home = state.oHome;
    state.dWindow = home.dWindow;
    state.bFollow = home.bFollow;
    state.dEnd = home.dEnd;
    state.bAuto = home.bAuto;
    state.oFixed = home.oFixed;
    state.bRightAuto = home.bRightAuto;
    state.oRightFixed = home.oRightFixed;
    state.bZoomed = false;
    state.vBack.clear();
    _Reconfigured();
}

void CTrendDisplay::_ShowView(const Detail::SPlotView& view, bool remember)
{
    Detail::STrendState& state = *m_pState;
    state.Sync(devicePixelRatioF());
    // Refused: ends that are not finite, or closer than the doubles there tell apart (a window
    // of half a second at nanoseconds since 1970 is shown as set, but not zoomed or panned).
    // The right axis shows the same rows of its own scale as the left one.
    const Detail::SPlotScale right =
        Detail::Corresponding(state.oShown, state.oRightShown, view.dY0, view.dY1);
    const bool rightShowable = Detail::IsShowable({view.dX0, view.dX1, right.dLow, right.dHigh});
    if (!Detail::IsShowable(view) || (state.HasRightAxis() && !rightShowable))
    {
        return;
    }
    if (!state.bZoomed)
    {
        state.oHome = {state.dWindow, state.bFollow,    state.dEnd,       state.bAuto,
                       state.oFixed,  state.bRightAuto, state.oRightFixed};
        state.bZoomed = true;
    }
    if (remember)
    {
        state.vBack.push_back({WindowStart(), WindowEnd(), ValueMin(), ValueMax()});
    }
    state.dWindow = view.dX1 - view.dX0;
    state.dEnd = view.dX1;
    state.bFollow = false;
    state.oFixed = {view.dY0, view.dY1, false};
    state.bAuto = false;
    if (rightShowable)
    {
        state.oRightFixed = right;
        state.bRightAuto = false;
    }
    _Reconfigured();
}

namespace
{

Detail::SPlotView Shown(const CTrendDisplay& trend)
{
    return {trend.WindowStart(), trend.WindowEnd(), trend.ValueMin(), trend.ValueMax()};
}

bool Pans(const QMouseEvent& event)
{
    return event.button() == Qt::MiddleButton ||
           (event.button() == Qt::LeftButton && (event.modifiers() & Qt::ShiftModifier));
}

} // namespace

void CTrendDisplay::mousePressEvent(QMouseEvent* event)
{
    Detail::STrendState& state = *m_pState;
    const QPoint at = event->pos();
    const int entry = event->button() == Qt::LeftButton ? state.LegendSeriesAt(at) : -1;
    if (entry >= 0)
    {
        // A legend entry shows or hides its series.
        SetSeriesVisible(entry, !IsSeriesVisible(entry));
        event->accept();
        return;
    }
    if (!state.bInteractive || !PlotArea().contains(at))
    {
        CTrendDisplayBase::mousePressEvent(event);
        return;
    }
    state.bRightClickZoomed = false;
    if (event->button() == Qt::RightButton)
    {
        // Back one box while zoomed; else the context menu that follows the click opens.
        state.bRightClickZoomed = IsZoomed();
        if (state.bRightClickZoomed)
        {
            ZoomBack();
        }
    }
    else if (Pans(*event))
    {
        state.eGesture = Detail::STrendState::EGesture::Pan;
    }
    else if (event->button() == Qt::LeftButton)
    {
        state.eGesture = Detail::STrendState::EGesture::Box;
        if (!state.pwBox)
        {
            state.pwBox = new QRubberBand(QRubberBand::Rectangle, this);
        }
        state.pwBox->setGeometry(QRect(at, QSize()));
        state.pwBox->show();
    }
    state.oPressed = state.oLast = at;
    event->accept();
}

int CTrendDisplay::ReadoutSeries() const
{
    return m_pState->Readout();
}

QPointF CTrendDisplay::ReadoutSample() const
{
    const Detail::STrendState& state = *m_pState;
    if (state.Readout() < 0)
    {
        return {Detail::kTrendNone, Detail::kTrendNone};
    }
    const auto& ring = state.vSeries[static_cast<std::size_t>(state.nReadout)].oRing;
    return {ring.Time(state.nReadoutSample), ring.Value(state.nReadoutSample)};
}

void CTrendDisplay::_ShowReadout(const QPoint& at)
{
    Detail::STrendState& state = *m_pState;
    const auto nearest = state.bInteractive && PlotArea().contains(at)
                             ? state.Nearest(at)
                             : std::pair<int, std::uint64_t>(-1, 0);
    _SetReadout(nearest);
}

void CTrendDisplay::_SetReadout(const std::pair<int, std::uint64_t>& readout)
{
    Detail::STrendState& state = *m_pState;
    if (readout.first == state.nReadout && readout.second == state.nReadoutSample)
    {
        return;
    }
    state.nReadout = readout.first;
    state.nReadoutSample = readout.second;
    update();
    Detail::NotifyAccessible(this, QAccessible::DescriptionChanged);
    const QPointF sample = ReadoutSample();
    emit readoutChanged(state.nReadout, sample.x(), sample.y());
}

void CTrendDisplay::_KeyReadout(int along, int across)
{
    const auto readout = m_pState->KeyReadout(along, across);
    if (readout.first >= 0)
    {
        // A sample outside the window is brought to its middle.
        const auto& ring = m_pState->vSeries[static_cast<std::size_t>(readout.first)].oRing;
        const double time = ring.Time(readout.second);
        const double start = WindowStart();
        const double end = WindowEnd();
        if (time < start || time > end)
        {
            const double half = (end - start) / 2.0;
            _ShowView({time - half, time + half, ValueMin(), ValueMax()}, false);
        }
    }
    _SetReadout(readout);
}

void CTrendDisplay::leaveEvent(QEvent* event)
{
    _ShowReadout(QPoint(-1, -1));
    CTrendDisplayBase::leaveEvent(event);
}

void CTrendDisplay::mouseMoveEvent(QMouseEvent* event)
{
    Detail::STrendState& state = *m_pState;
    if (state.eGesture == Detail::STrendState::EGesture::None)
    {
        _ShowReadout(event->pos());
    }
    if (state.eGesture == Detail::STrendState::EGesture::Box)
    {
        state.pwBox->setGeometry(QRect(state.oPressed, event->pos()).normalized() & PlotArea());
    }
    else if (state.eGesture == Detail::STrendState::EGesture::Pan)
    {
        // The view follows the pointer while it moves: each move pans by what it added.
        const Detail::SPlotView view =
            Detail::Pan(Shown(*this), PlotArea(), event->pos() - state.oLast);
        state.oLast = event->pos();
        _ShowView(view, false);
    }
    CTrendDisplayBase::mouseMoveEvent(event);
}

void CTrendDisplay::mouseReleaseEvent(QMouseEvent* event)
{
    Detail::STrendState& state = *m_pState;
    if (state.eGesture == Detail::STrendState::EGesture::Box)
    {
        state.pwBox->hide();
        const Detail::SPlotView now = Shown(*this);
        const Detail::SPlotView view =
            Detail::ZoomToBox(now, PlotArea(), QRect(state.oPressed, event->pos()));
        if (!(view == now))
        {
            _ShowView(view, true);
        }
    }
    state.eGesture = Detail::STrendState::EGesture::None;
    CTrendDisplayBase::mouseReleaseEvent(event);
}

void CTrendDisplay::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (m_pState->bInteractive && event->button() == Qt::LeftButton)
    {
        ResetZoom();
        event->accept();
        return;
    }
    CTrendDisplayBase::mouseDoubleClickEvent(event);
}

void CTrendDisplay::wheelEvent(QWheelEvent* event)
{
    if (!m_pState->bInteractive)
    {
        event->ignore();
        return;
    }
    event->accept();
    const int notches = Detail::WheelNotches(*this, *event);
    if (notches != 0)
    {
        _ShowView(Detail::ZoomAround(Shown(*this), PlotArea(), event->position(),
                                     std::pow(kZoomStep, notches),
                                     event->modifiers() & Qt::ControlModifier),
                  false);
    }
}

void CTrendDisplay::keyPressEvent(QKeyEvent* event)
{
    const QRect plot = PlotArea();
    const Detail::SPlotView now = Shown(*this);
    const auto pan = [&](int dx, int dy) { _ShowView(Detail::Pan(now, plot, {dx, dy}), false); };
    const auto zoom = [&](double factor)
    { _ShowView(Detail::ZoomAround(now, plot, QRectF(plot).center(), factor, false), false); };
    if (event->matches(QKeySequence::Copy))
    {
        CopyToClipboard();
        event->accept();
        return;
    }
    if (event->key() >= Qt::Key_1 && event->key() <= Qt::Key_9 &&
        event->key() - Qt::Key_1 < SeriesCount())
    {
        // The number keys show or hide series 1 to 9, as their legend entries do.
        const int series = event->key() - Qt::Key_1;
        SetSeriesVisible(series, !IsSeriesVisible(series));
        event->accept();
        return;
    }
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const int key = m_pState->bInteractive ? event->key() : Qt::Key_unknown;
    switch (key)
    {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    {
        // Steps right or left, down or up: with Shift the readout's cursor (along the series,
        // across the legend), for those who do not use the mouse; else a pan, which brings in
        // what lies that way.
        const int dx = key == Qt::Key_Right ? 1 : key == Qt::Key_Left ? -1 : 0;
        const int dy = key == Qt::Key_Down ? 1 : key == Qt::Key_Up ? -1 : 0;
        if (shift)
        {
            _KeyReadout(dx, dy);
        }
        else
        {
            pan(-dx * kPanStep, -dy * kPanStep);
        }
        break;
    }
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoom(kZoomStep);
        break;
    case Qt::Key_Minus:
        zoom(1.0 / kZoomStep);
        break;
    case Qt::Key_Backspace:
        ZoomBack();
        break;
    case Qt::Key_Home:
    case Qt::Key_Escape:
        ResetZoom();
        break;
    case Qt::Key_F:
        FollowNewest();
        break;
    default:
        CTrendDisplayBase::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CTrendDisplay::focusInEvent(QFocusEvent* event)
{
    CTrendDisplayBase::focusInEvent(event);
    update(); // the focus frame
}

void CTrendDisplay::focusOutEvent(QFocusEvent* event)
{
    CTrendDisplayBase::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && !underMouse())
    {
        _SetReadout({-1, 0}); // the keys' cursor goes with the focus
    }
    update();
}

void CTrendDisplay::contextMenuEvent(QContextMenuEvent* event)
{
    Detail::PopUpPlotMenu(*event, m_pState->bRightClickZoomed,
                          [this] { return Detail::TrendMenu(*this); });
    event->accept();
}

namespace Detail
{

QMenu* TrendMenu(CTrendDisplay& trend)
{
    auto* menu = new QMenu(&trend);
    const auto add = [&](const char* text, bool enabled, auto slot)
    { return AddPlotMenuEntry(*menu, trend, text, enabled, slot); };
    if (trend.IsInteractive())
    {
        add("Zoom back", trend.IsZoomed(), &CTrendDisplay::ZoomBack);
        add("Show all", trend.IsZoomed(), &CTrendDisplay::ResetZoom);
        add("Follow newest", !trend.IsFollowing(), &CTrendDisplay::FollowNewest);
        menu->addSeparator();
    }
    AddShownChecks(
        *menu, trend, trend.SeriesCount(),
        [&trend](int series) { return trend.SeriesName(series); }, &CTrendDisplay::IsSeriesVisible,
        &CTrendDisplay::SetSeriesVisible);
    menu->addSeparator();
    add("Copy", true, &CTrendDisplay::CopyToClipboard)->setShortcut(QKeySequence::Copy);
    const auto save = [&trend](const char* title, const QString& filter)
    {
        SaveFromDialog(trend, title, filter,
                       [&trend](const QString& name) { return trend.Save(name); });
    };
    add("Save picture...", true,
        [save] { save("Save picture", QStringLiteral("PNG (*.png);;SVG (*.svg);;PDF (*.pdf)")); });
    add("Save samples...", true, [save] { save("Save samples", QStringLiteral("CSV (*.csv)")); });
    return menu;
}

} // namespace Detail

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
