#include "ShadedDrawing.h"

#include "StyleStore.h"

#include <QGuiApplication>
#include <QLine>
#include <QPainter>
#include <QPalette>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{
namespace
{

// The palette is read anew for every colour so that a palette change shows on the next paint.
QColor FirstColor(bool sunken)
{
    return QGuiApplication::palette().color(sunken ? QPalette::Dark : QPalette::Light);
}

QColor SecondColor(bool sunken)
{
    return QGuiApplication::palette().color(sunken ? QPalette::Light : QPalette::Dark);
}

void DrawLine(QPainter& painter, int x1, int y1, int x2, int y2)
{
    const QLine line(x1, y1, x2, y2);
    painter.drawLines(&line, 1);
}

} // namespace

void DrawShadedHLine(QPainter& painter, int y, int x1, int x2, bool sunken, int width)
{
    CStyleStore store(painter);
    for (int k = width; k >= 1; --k)
    {
        store.SetPen(FirstColor(sunken));
        DrawLine(painter, x1, y - k, x2, y - k);
        store.SetPen(SecondColor(sunken));
        DrawLine(painter, x1, y + k, x2, y + k);
    }
}

void DrawShadedVLine(QPainter& painter, int x, int y1, int y2, bool sunken, int width)
{
    CStyleStore store(painter);
    for (int k = width; k >= 1; --k)
    {
        store.SetPen(FirstColor(sunken));
        DrawLine(painter, x - k, y1, x - k, y2);
        store.SetPen(SecondColor(sunken));
        DrawLine(painter, x + k, y1, x + k, y2);
    }
}

void DrawShadedFrame(QPainter& painter, const QRect& rect, bool sunken, int width)
{
    painter.fillRect(rect, painter.brush());
    CStyleStore store(painter);
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.right();
    const int bottom = rect.bottom();
    // Innermost ring first, so the ring on the rectangle's own border is drawn last.
    for (int i = width - 1; i >= 0; --i)
    {
        store.SetPen(FirstColor(sunken));
        DrawLine(painter, left + i, bottom - i, left + i, top + i);
        DrawLine(painter, left + i, top + i, right - i, top + i);
        store.SetPen(SecondColor(sunken));
        DrawLine(painter, right - i, top + i, right - i, bottom - i);
        DrawLine(painter, right - i, bottom - i, left + i, bottom - i);
    }
}

void DrawShadedText(QPainter& painter, const QRect& rect, const QString& text, bool sunken,
                    int offset)
{
    const QRect upperLeft = rect.translated(-offset, -offset);
    const QRect lowerRight = rect.translated(offset, offset);
    {
        CStyleStore store(painter, FirstColor(sunken));
        painter.drawText(upperLeft, Qt::AlignCenter, text);
    }
    {
        CStyleStore store(painter, SecondColor(sunken));
        painter.drawText(lowerRight, Qt::AlignCenter, text);
    }
    painter.drawText(rect, Qt::AlignCenter, text);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
