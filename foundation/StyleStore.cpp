#include "StyleStore.h"

#include <QPainter>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

CStyleStore::CStyleStore(QPainter& painter)
    : m_poPainter(&painter), m_oPen(painter.pen()), m_oBrush(painter.brush()),
      m_oFont(painter.font())
{
}

CStyleStore::CStyleStore(QPainter& painter, const QBrush& brush) : CStyleStore(painter)
{
    SetBrush(brush);
}

CStyleStore::CStyleStore(QPainter& painter, const QColor& color) : CStyleStore(painter)
{
    SetPen(color);
}

CStyleStore::CStyleStore(QPainter& painter, const QPen& pen) : CStyleStore(painter)
{
    SetPen(pen);
}

CStyleStore::~CStyleStore()
{
    m_poPainter->setPen(m_oPen);
    m_poPainter->setBrush(m_oBrush);
    m_poPainter->setFont(m_oFont);
}

void CStyleStore::SetBrush(const QBrush& brush)
{
    m_poPainter->setBrush(brush);
}

void CStyleStore::SetPen(const QColor& color)
{
    m_poPainter->setPen(color);
}

void CStyleStore::SetPen(const QPen& pen)
{
    m_poPainter->setPen(pen);
}

void CStyleStore::SetFontPixelSize(int pixels)
{
    // Qt rejects sizes below one pixel with a warning and keeps the old size; degenerate widgets
    // ask for such sizes, so they simply keep the current font.
    if (pixels <= 0)
        return;
    QFont font = m_poPainter->font();
    font.setPixelSize(pixels);
    m_poPainter->setFont(font);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
