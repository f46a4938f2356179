#include "RangeSlider.h"

#include "AccessibleControl.h"
#include "RangeSliderGeometry.h"
#include "WheelNotches.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QWheelEvent>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

namespace
{

using Wide = std::int64_t; // steps and drags near the int limits must not overflow

int Clamp(Wide value, int low, int high)
{
    return static_cast<int>(std::clamp<Wide>(value, low, high));
}

// A screen reader hears the handle: the slider's accessible children are its two handles.
void Announce(QWidget* slider, int handle, int value)
{
    QAccessibleValueChangeEvent event(slider, value);
    event.setChild(handle);
    Detail::SendAccessible(event);
}

// The engraved frame of the family (upper and left edges in one colour, lower and right in the
// other) around a fill, drawn as rectangles: they cover whole device pixels at every device
// pixel ratio and cost less than lines, so the slider paints faster than a QSlider.
void FillFrame(QPainter& painter, const QRect& rect, const QColor& fill, const QColor& upperLeft,
               const QColor& lowerRight)
{
    painter.fillRect(rect, fill);
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), upperLeft);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), upperLeft);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), lowerRight);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), lowerRight);
}

// Where an event happened on the track, which lies in the widget's contents rectangle.
QPoint EventPoint(const QMouseEvent& event, const QRect& contents)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event.position().toPoint() - contents.topLeft();
#else
    return event.pos() - contents.topLeft();
#endif
}

} // namespace

CRangeSlider::CRangeSlider(QWidget* parent) : CRangeSlider(Qt::Horizontal, parent) {}

CRangeSlider::CRangeSlider(Qt::Orientation orientation, QWidget* parent)
    : CRangeSliderBase(parent),
      m_eOrientation(orientation == Qt::Vertical ? Qt::Vertical : Qt::Horizontal)
{
    setFocusPolicy(Qt::StrongFocus);
    _UseSizePolicy();
}

CRangeSlider::~CRangeSlider() = default;

bool CRangeSlider::SetRange(int minimum, int maximum)
{
    if (minimum > maximum)
    {
        return false;
    }
    if (minimum != m_nMinimum || maximum != m_nMaximum)
    {
        m_nMinimum = minimum;
        m_nMaximum = maximum;
        update();
        _Apply(std::clamp(m_nStart, minimum, maximum), std::clamp(m_nEnd, minimum, maximum));
    }
    return true;
}

bool CRangeSlider::SetMinimum(int minimum)
{
    return SetRange(minimum, m_nMaximum);
}

bool CRangeSlider::SetMaximum(int maximum)
{
    return SetRange(m_nMinimum, maximum);
}

void CRangeSlider::SetValues(int start, int end)
{
    const int first = std::clamp(start, m_nMinimum, m_nMaximum);
    _Apply(first, std::max(first, std::clamp(end, m_nMinimum, m_nMaximum)));
}

void CRangeSlider::SetStartValue(int value)
{
    const int start = std::clamp(value, m_nMinimum, m_nMaximum);
    _Apply(start, std::max(start, m_nEnd));
}

void CRangeSlider::SetEndValue(int value)
{
    const int end = std::clamp(value, m_nMinimum, m_nMaximum);
    _Apply(std::min(m_nStart, end), end);
}

void CRangeSlider::SetStartValue()
{
    SetStartValue(m_nMinimum);
}

void CRangeSlider::SetEndValue()
{
    SetEndValue(m_nMaximum);
}

void CRangeSlider::SetOrientation(Qt::Orientation orientation)
{
    const Qt::Orientation chosen = orientation == Qt::Vertical ? Qt::Vertical : Qt::Horizontal;
    if (chosen == m_eOrientation)
    {
        return;
    }
    m_eOrientation = chosen;
    _UseSizePolicy();
    updateGeometry();
    update();
}

void CRangeSlider::SetSingleStep(int step)
{
    m_nSingleStep = std::max(step, 1);
}

void CRangeSlider::SetPageStep(int step)
{
    m_nPageStep = std::max(step, 1);
}

void CRangeSlider::SetFocusedHandle(EHandle handle)
{
    const EHandle chosen = handle == EndHandle ? EndHandle : StartHandle;
    if (chosen == m_eFocused)
    {
        return;
    }
    m_eFocused = chosen;
    update();
    if (hasFocus())
    {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(chosen);
        Detail::SendAccessible(event);
    }
}

QSize CRangeSlider::sizeHint() const
{
    const QSize size(160, 22);
    return m_eOrientation == Qt::Vertical ? size.transposed() : size;
}

QSize CRangeSlider::minimumSizeHint() const
{
    const QSize size(2 * Detail::kRangeHandleLength + 10, 16);
    return m_eOrientation == Qt::Vertical ? size.transposed() : size;
}

void CRangeSlider::_UseSizePolicy()
{
    // Like QSlider: long along the track, fixed across it.
    const QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setSizePolicy(m_eOrientation == Qt::Vertical ? policy.transposed() : policy);
}

void CRangeSlider::_Apply(int start, int end)
{
    const bool startChanged = start != m_nStart;
    const bool endChanged = end != m_nEnd;
    if (!startChanged && !endChanged)
    {
        return;
    }
    // Both values are stored before the first signal, so receivers read a consistent range.
    m_nStart = start;
    m_nEnd = end;
    update();
    if (startChanged)
    {
        Announce(this, StartHandle, start);
        emit StartValueChanged();
    }
    if (endChanged)
    {
        Announce(this, EndHandle, end);
        emit EndValueChanged();
    }
    emit RangeChanged(m_nStart, m_nEnd);
}

void CRangeSlider::_MoveFocused(long long target)
{
    if (m_eFocused == StartHandle)
    {
        _Apply(Clamp(target, m_nMinimum, m_nEnd), m_nEnd);
    }
    else
    {
        _Apply(m_nStart, Clamp(target, m_nStart, m_nMaximum));
    }
}

int CRangeSlider::_ValueAt(int travelPosition) const
{
    const Detail::SRangeSliderLayout layout = Detail::RangeSliderLayout(
        contentsRect().size(), m_eOrientation, m_nMinimum, m_nMaximum, m_nStart, m_nEnd);
    return Detail::RangeValue(travelPosition, m_nMinimum, m_nMaximum, layout.nTravel);
}

void CRangeSlider::_Drag(int axis)
{
    const Detail::SRangeSliderLayout layout = Detail::RangeSliderLayout(
        contentsRect().size(), m_eOrientation, m_nMinimum, m_nMaximum, m_nStart, m_nEnd);
    switch (m_eDrag)
    {
    case EDrag::Start:
        _Apply(std::min(_ValueAt(axis - m_nGrab), m_nEnd), m_nEnd);
        break;
    case EDrag::End:
        _Apply(m_nStart, std::max(_ValueAt(axis - m_nGrab - layout.nHandle), m_nStart));
        break;
    case EDrag::Span:
    {
        // The span moves by the values its pixels moved by and keeps its width. Where one pixel
        // spans many values, the value at the start's pixel may lie below the start: pushed
        // against the start of the travel, the span goes to the minimum itself. At the other
        // end the clamp below takes it to the maximum.
        const int from =
            Detail::RangePosition(m_nGrabStart, m_nMinimum, m_nMaximum, layout.nTravel);
        const int shift = axis - m_nGrab;
        Wide moved = Wide(_ValueAt(from + shift)) - _ValueAt(from);
        if (from + shift <= 0)
        {
            moved = Wide(m_nMinimum) - m_nGrabStart;
        }
        const Wide width = Wide(m_nGrabEnd) - m_nGrabStart;
        const int start = Clamp(m_nGrabStart + moved, m_nMinimum,
                                Clamp(m_nMaximum - width, m_nMinimum, m_nMaximum));
        _Apply(start, Clamp(start + width, m_nMinimum, m_nMaximum));
        break;
    }
    case EDrag::None:
        break;
    }
}

void CRangeSlider::keyPressEvent(QKeyEvent* event)
{
    const Wide current = m_eFocused == StartHandle ? m_nStart : m_nEnd;
    switch (event->key())
    {
    case Qt::Key_Right:
    case Qt::Key_Up:
        _MoveFocused(current + m_nSingleStep);
        break;
    case Qt::Key_Left:
    case Qt::Key_Down:
        _MoveFocused(current - m_nSingleStep);
        break;
    case Qt::Key_PageUp:
        _MoveFocused(current + m_nPageStep);
        break;
    case Qt::Key_PageDown:
        _MoveFocused(current - m_nPageStep);
        break;
    case Qt::Key_Home:
        _MoveFocused(std::numeric_limits<int>::min());
        break;
    case Qt::Key_End:
        _MoveFocused(std::numeric_limits<int>::max());
        break;
    case Qt::Key_Space:
        SetFocusedHandle(m_eFocused == StartHandle ? EndHandle : StartHandle);
        break;
    default:
        CRangeSliderBase::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CRangeSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
    {
        event->ignore();
        return;
    }
    const Detail::SRangeSliderLayout layout = Detail::RangeSliderLayout(
        contentsRect().size(), m_eOrientation, m_nMinimum, m_nMaximum, m_nStart, m_nEnd);
    const int axis = layout.Axis(EventPoint(*event, contentsRect()));
    const int startAt = Detail::RangePosition(m_nStart, m_nMinimum, m_nMaximum, layout.nTravel);
    const int endAt =
        layout.nHandle + Detail::RangePosition(m_nEnd, m_nMinimum, m_nMaximum, layout.nTravel);
    const Detail::ERangeHit hit = Detail::RangeHitTest(layout, EventPoint(*event, contentsRect()));
    switch (hit)
    {
    case Detail::ERangeHit::Start:
        m_eDrag = EDrag::Start;
        m_nGrab = axis - startAt;
        break;
    case Detail::ERangeHit::End:
        m_eDrag = EDrag::End;
        m_nGrab = axis - endAt;
        break;
    case Detail::ERangeHit::BeforeStart:
    case Detail::ERangeHit::AfterEnd:
        // The nearer handle jumps under the pointer, centred, and is dragged from there on.
        m_eDrag = hit == Detail::ERangeHit::BeforeStart ? EDrag::Start : EDrag::End;
        m_nGrab = layout.nHandle / 2;
        _Drag(axis);
        break;
    case Detail::ERangeHit::Span:
        m_eDrag = EDrag::Span;
        m_nGrab = axis;
        m_nGrabStart = m_nStart;
        m_nGrabEnd = m_nEnd;
        break;
    case Detail::ERangeHit::None:
        return;
    }
    if (m_eDrag == EDrag::Start || m_eDrag == EDrag::End)
    {
        SetFocusedHandle(m_eDrag == EDrag::Start ? StartHandle : EndHandle);
    }
    event->accept();
}

void CRangeSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (m_eDrag == EDrag::None)
    {
        event->ignore();
        return;
    }
    _Drag(Detail::RangeSliderLayout(contentsRect().size(), m_eOrientation, m_nMinimum, m_nMaximum,
                                    m_nStart, m_nEnd)
              .Axis(EventPoint(*event, contentsRect())));
}

void CRangeSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_eDrag != EDrag::None && event->button() == Qt::LeftButton)
    {
        m_eDrag = EDrag::None;
    }
}

void CRangeSlider::wheelEvent(QWheelEvent* event)
{
    // Like QAbstractSlider: fine deltas of touchpads and high-resolution wheels add up, a step
    // for each whole notch; turning the other way starts again.
    if (event->angleDelta().isNull())
    {
        event->ignore();
        return;
    }
    const int steps = Detail::WheelNotches(*this, *event);
    if (steps != 0)
    {
        _MoveFocused(Wide(m_eFocused == StartHandle ? m_nStart : m_nEnd) +
                     Wide(steps) * m_nSingleStep);
    }
    event->accept();
}

void CRangeSlider::focusInEvent(QFocusEvent* event)
{
    update();
    CRangeSliderBase::focusInEvent(event);
}

void CRangeSlider::focusOutEvent(QFocusEvent* event)
{
    update();
    CRangeSliderBase::focusOutEvent(event);
}

void CRangeSlider::paintEvent(QPaintEvent*)
{
    if (width() < 2 || height() < 2)
    {
        return;
    }
    const Detail::SRangeSliderLayout layout = Detail::RangeSliderLayout(
        contentsRect().size(), m_eOrientation, m_nMinimum, m_nMaximum, m_nStart, m_nEnd);
    const QPalette palette = QGuiApplication::palette();
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    const QColor light = palette.color(group, QPalette::Light);
    const QColor dark = palette.color(group, QPalette::Dark);
    QPainter painter(this);
    painter.translate(contentsRect().topLeft());
    FillFrame(painter, layout.oGroove, palette.color(group, QPalette::Base), dark, light);
    painter.fillRect(layout.oSpan, palette.color(group, QPalette::Highlight));
    const QColor button = palette.color(group, QPalette::Button);
    FillFrame(painter, layout.oStartHandle, button, light, dark);
    FillFrame(painter, layout.oEndHandle, button, light, dark);
    if (hasFocus())
    {
        const QRect& handle = m_eFocused == StartHandle ? layout.oStartHandle : layout.oEndHandle;
        painter.fillRect(handle.adjusted(3, 3, -3, -3), palette.color(group, QPalette::ButtonText));
    }
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
