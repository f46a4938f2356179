#include "KeyboardButtonBase.h"

#include "AccessibleControl.h"
#include "ButtonBevel.h"
#include "KeyboardGeometry.h"
#include "StyleStore.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QPainter>
#include <QStyle>
#include <QWidget>

#include <utility>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

namespace
{

// Screen readers name a key after its legends or symbol. The key widget is the concrete class
// that inherits this mix-in beside its button.
void NotifyRenamed(CKeyboardButtonBase& key)
{
    if (auto* pwKey = dynamic_cast<QWidget*>(&key))
        Detail::NotifyAccessible(pwKey, QAccessible::NameChanged);
}

void DrawLabels(QPainter& painter, const QWidget& widget, const QRect& rect,
                const std::vector<Detail::SKeyLabel>& labels)
{
    CStyleStore store(painter);
    const QPalette palette = QGuiApplication::palette();
    for (const Detail::SKeyLabel& label : labels)
    {
        // A face too small for a font leaves the current one: Qt rejects pixel sizes below 1.
        if (label.nPixelSize > 0)
            store.SetFontPixelSize(label.nPixelSize);
        // NoRole keeps the pen that the button frame set, so labels follow the enabled state.
        widget.style()->drawItemText(&painter, rect, label.nFlags, palette, widget.isEnabled(),
                                     label.sText, QPalette::NoRole);
    }
}

} // namespace

CKeyboardButtonBase::CKeyboardButtonBase() = default;

CKeyboardButtonBase::CKeyboardButtonBase(const CKeyboardButtonBase& other) = default;

CKeyboardButtonBase& CKeyboardButtonBase::operator=(const CKeyboardButtonBase& other) = default;

CKeyboardButtonBase::~CKeyboardButtonBase() = default;

void CKeyboardButtonBase::Set(std::string topLeft, std::string bottomLeft, std::string bottomRight)
{
    const bool bRenamed = m_eMode != Labels || topLeft != m_sTopLeft ||
                          bottomLeft != m_sBottomLeft || bottomRight != m_sBottomRight;
    m_sTopLeft = std::move(topLeft);
    m_sBottomLeft = std::move(bottomLeft);
    m_sBottomRight = std::move(bottomRight);
    m_eMode = Labels;
    _Redraw();
    if (bRenamed)
        NotifyRenamed(*this);
}

void CKeyboardButtonBase::Set(std::string topLeft, std::string bottomLeft)
{
    Set(std::move(topLeft), std::move(bottomLeft), std::string());
}

void CKeyboardButtonBase::Set(std::string topLeft)
{
    Set(std::move(topLeft), std::string(), std::string());
}

void CKeyboardButtonBase::Set(EKeyboardButtonMode mode)
{
    const bool bRenamed = mode != m_eMode;
    m_eMode = mode;
    _Redraw();
    if (bRenamed)
        NotifyRenamed(*this);
}

void CKeyboardButtonBase::SetTextBorder(int border)
{
    m_nTextBorder = border;
    _Redraw();
}

void CKeyboardButtonBase::SetTextSizeMode(ETextSizeMode mode)
{
    m_eTextSizeMode = mode;
    _Redraw();
}

void CKeyboardButtonBase::_DrawKeyboardSymbol(QPainter& painter, const QRect& rect,
                                              const QColor& color)
{
    const QPolygon polygon = Detail::KeyboardSymbolPolygon(m_eMode, rect, m_nTextBorder);
    if (polygon.isEmpty())
        return;
    if (Detail::IsFilledKeyboardSymbol(m_eMode))
        painter.setBrush(QBrush(color, Qt::SolidPattern));
    else
        painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(polygon, Qt::OddEvenFill);
}

void CKeyboardButtonBase::_DrawKeyboardFace(QPainter& painter, QAbstractButton& button,
                                            bool isDefault, const QRect& rect, const QColor& color,
                                            bool scaledLabels)
{
    if (m_eMode != Labels)
    {
        Detail::CPictureKey key('K');
        key << m_eMode << rect << m_nTextBorder << color;
        Detail::DrawThroughPicture(painter, key, button.rect(),
                                   [&](QPainter& canvas)
                                   { _DrawKeyboardSymbol(canvas, rect, color); });
        return;
    }
    const auto labels = Detail::KeyboardLabels(m_sTopLeft, m_sBottomLeft, m_sBottomRight,
                                               scaledLabels, rect.height());
    if (labels.empty())
        return;
    // Laying the legends out is the expensive part: the finished legends are kept as pixels
    // over the bevel, per text, font, size, colours and device.
    const QPalette palette = QGuiApplication::palette();
    Detail::CPictureKey key('L');
    key << rect << palette.color(QPalette::Light) << button.isEnabled();
    key.AddTextStateOf(painter);
    for (const Detail::SKeyLabel& label : labels)
        key << label.sText << label.nFlags << label.nPixelSize;
    Detail::DrawOverBevel(painter, button, isDefault, key,
                          [&](QPainter& canvas) { DrawLabels(canvas, button, rect, labels); });
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
