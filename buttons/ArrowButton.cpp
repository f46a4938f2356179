#include "ArrowButton.h"

#include "ArrowGeometry.h"
#include "ButtonFrame.h"
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

} // namespace

CArrowButton::CArrowButton(QWidget* parent) : QPushButton(parent) {}

CArrowButton::~CArrowButton() = default;

void CArrowButton::SetMode(EMode mode)
{
    m_eMode = mode;
    repaint(rect());
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
    painter.setBrush(QBrush(color, Qt::SolidPattern));
    const QRect symbol = Detail::ArrowSymbolRect(content, m_eFitMode);
    for (const Detail::SArrowShape& shape : Detail::ArrowShapes(m_eMode, symbol))
        DrawShape(painter, shape);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
