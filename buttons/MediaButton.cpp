#include "MediaButton.h"

#include "AccessibleControl.h"
#include "BlinkTimer.h"
#include "ButtonFrame.h"
#include "MediaGeometry.h"
#include "PictureCache.h"
#include "ShadedDrawing.h"
#include "StyleStore.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{
namespace
{

const Detail::CStateData<bool>::CColor kLampOn(0, 255, 0);

QPen WidePen(const QBrush& brush)
{
    return QPen(brush, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

// Puts the pen and brush of one ink on the painter; the caller's guard restores them.
void ApplyInk(CStyleStore& store, Detail::EMediaInk ink, const QBrush& symbolBrush)
{
    const QColor dark = QGuiApplication::palette().color(QPalette::Dark);
    switch (ink)
    {
    case Detail::EMediaInk::Symbol:
        break;
    case Detail::EMediaInk::Light:
        store.SetPen(QGuiApplication::palette().color(QPalette::Light));
        break;
    case Detail::EMediaInk::Dark:
        store.SetPen(dark);
        break;
    case Detail::EMediaInk::SymbolWide:
        store.SetPen(WidePen(symbolBrush));
        break;
    case Detail::EMediaInk::SymbolDashed:
        store.SetPen(QPen(symbolBrush, 1.0, Qt::DashLine, Qt::SquareCap, Qt::BevelJoin));
        break;
    case Detail::EMediaInk::DarkFill:
        store.SetBrush(QBrush(dark, Qt::SolidPattern));
        store.SetPen(QPen(dark));
        break;
    case Detail::EMediaInk::DarkWide:
        store.SetPen(WidePen(QBrush(dark, Qt::SolidPattern)));
        break;
    }
}

void DrawPart(QPainter& painter, const Detail::SMediaPart& part, const QBrush& symbolBrush)
{
    CStyleStore store(painter);
    ApplyInk(store, part.eInk, symbolBrush);
    switch (part.eShape)
    {
    case Detail::EMediaShape::Polygon:
        painter.drawPolygon(part.oPoints.constData(), part.oPoints.size(), Qt::OddEvenFill);
        break;
    case Detail::EMediaShape::Polyline:
        painter.drawPolyline(part.oPoints);
        break;
    case Detail::EMediaShape::Bar:
        DrawShadedFrame(painter, part.oRect, true, 1);
        break;
    case Detail::EMediaShape::Groove:
        store.SetBrush(QBrush(Qt::NoBrush));
        DrawShadedFrame(painter, part.oRect, true, 1);
        break;
    case Detail::EMediaShape::Arc:
        painter.drawArc(part.oArc, Detail::kRepeatArcStart, Detail::kRepeatArcSpan);
        break;
    }
}

} // namespace

CMediaButton::CMediaButton(QWidget* parent)
    : QPushButton(parent), m_nMargin(4), m_nLampSize(15), m_eMode(Play), m_eOnOffMode(NoLamp),
      m_bOn(false)
{
    SetStateColor(true, kLampOn, false);
    Detail::ConnectBlinkTimer(m_oBlinkTimer, *this);
}

CMediaButton::~CMediaButton() = default;

void CMediaButton::SetMode(EMode mode)
{
    const bool bRenamed = mode != m_eMode;
    m_eMode = mode;
    _Redraw();
    // Screen readers name the button after its symbol and describe it by its lamp.
    if (bRenamed)
        Detail::NotifyAccessible(this, QAccessible::NameChanged);
}

void CMediaButton::SetLampSize(int size)
{
    m_nLampSize = size;
    _Redraw();
}

void CMediaButton::SetOn(bool on)
{
    const bool bChanged = on != m_bOn;
    m_bOn = on;
    SetState(m_bOn);
    if (bChanged && m_eOnOffMode != NoLamp)
        Detail::NotifyAccessible(this, QAccessible::DescriptionChanged);
}

void CMediaButton::SetOnOffMode(EOnOffMode mode)
{
    if (mode == m_eOnOffMode)
        return;
    const bool bWasLit = GetState();
    m_eOnOffMode = mode;
    SetStateColor(true, kLampOn, mode == Blinking);
    // Without a lamp the state is held at off, so the clock cannot run unseen.
    SetState(mode != NoLamp ? m_bOn : false);
    // A lamp that stays off redraws in neither step, yet it appears or disappears.
    if (!bWasLit && !GetState())
        _Redraw();
    Detail::NotifyAccessible(this, QAccessible::DescriptionChanged);
}

bool CMediaButton::IsOn() const
{
    return m_bOn;
}

CMediaButton::EMode CMediaButton::GetMode() const
{
    return m_eMode;
}

CMediaButton::EOnOffMode CMediaButton::GetOnOffMode() const
{
    return m_eOnOffMode;
}

void CMediaButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QColor color;
    QRect content;
    InitButton(*this, painter, color, content, m_nMargin, false);
    const bool withLamp = m_eOnOffMode != NoLamp;
    // The lamp is asked for at the device's resolution and drawn into its logical rectangle,
    // so it is as sharp as the rest at any ratio. The state data keeps the picture of the size
    // asked last; a widget shows at one ratio at a time, so it is not redrawn per paint.
    if (withLamp)
        painter.drawImage(Detail::MediaLampRect(content, m_nLampSize),
                          _GetStateImage(m_bOn, Detail::MediaLampPixels(
                                                    m_nLampSize, Detail::DeviceScale(painter))));
    const QBrush symbolBrush(color, Qt::SolidPattern);
    painter.setBrush(symbolBrush);
    const QRect area = Detail::MediaSymbolArea(content, withLamp, m_nLampSize);
    // Wide pens and the arc go through the stroker, so the aliased, opaque symbol is drawn once
    // per look and device and blitted afterwards.
    Detail::CPictureKey key('M');
    key.AddShadeColours() << m_eMode << area << m_nMargin;
    Detail::DrawThroughPicture(painter, key, rect(),
                               [&](QPainter& canvas)
                               {
                                   for (const Detail::SMediaPart& part :
                                        Detail::MediaSymbolParts(m_eMode, area, m_nMargin))
                                       DrawPart(canvas, part, symbolBrush);
                               });
}

void CMediaButton::_StartBlink()
{
    Detail::StartBlinkTimer(m_oBlinkTimer);
}

void CMediaButton::_StopBlink()
{
    Detail::StopBlinkTimer(m_oBlinkTimer);
}

void CMediaButton::_Redraw()
{
    repaint(rect());
}

void CMediaButton::_BlinkSlot()
{
    _Blink();
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
