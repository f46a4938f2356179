#include "ArrowButton.h"

#include "AccessibleControl.h"
#include "ArrowGeometry.h"
#include "ButtonFrame.h"
#include "PictureCache.h"
#include "StyleStore.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{
namespace
{

constexpr int kMargin = 4;

void DrawShape(QPainter& painter, const Detail::SArrowShape& shape)
{
    painter.drawPolygon(shape.oPolygon.constData(), shape.oPolygon.size(), Qt::OddEvenFill);
    const QPalette palette = QGuiApplication::palette();
    CStyleStore store(painter, palette.color(QPalette::Light));
    for (const QPolygon& line : shape.vLight)
        painter.drawPolyline(line);
    store.SetPen(palette.color(QPalette::Dark));
    for (const QPolygon& line : shape.vDark)
        painter.drawPolyline(line);
}

void DrawSymbol(QPainter& painter, CArrowButton::EMode mode, const QRect& symbol,
                const QColor& color)
{
    painter.setBrush(QBrush(color, Qt::SolidPattern));
    for (const Detail::SArrowShape& shape : Detail::ArrowShapes(mode, symbol))
        DrawShape(painter, shape);
}

} // namespace

CArrowButton::CArrowButton(QWidget* parent) : QPushButton(parent) {}

CArrowButton::~CArrowButton() = default;

void CArrowButton::SetMode(EMode mode)
{
    const bool bRenamed = mode != m_eMode;
    m_eMode = mode;
    repaint(rect());
    // Screen readers name the button after its arrow.
    if (bRenamed)
        Detail::NotifyAccessible(this, QAccessible::NameChanged);
}

void CArrowButton::SetFitMode(EFitMode mode)
{
    m_eFitMode = mode;
    repaint(rect());
}

CArrowButton::EMode CArrowButton::GetMode() const
{
    return m_eMode;
}

CArrowButton::EFitMode CArrowButton::GetFitMode() const
{
    return m_eFitMode;
}

void CArrowButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QColor color;
    QRect content;
    InitButton(*this, painter, color, content, kMargin, isDefault());
    const QRect symbol = Detail::ArrowSymbolRect(content, m_eFitMode);
    // Aliased and opaque, the symbol is drawn once per look and device and blitted afterwards.
    Detail::CPictureKey key('A');
    key.AddShadeColours() << m_eMode << symbol << color;
    Detail::DrawThroughPicture(painter, key, rect(),
                               [&](QPainter& canvas)
                               { DrawSymbol(canvas, m_eMode, symbol, color); });
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
