#include "Icons.h"

#include <QPainter>
#include <QPolygon>

namespace ZriDesigner
{
namespace
{

const QColor kInk(40, 40, 40);
const QColor kFace(225, 225, 225);
const QColor kField(255, 255, 255);
const QColor kEdge(120, 120, 120);

// A button face over the whole icon: light with a grey edge.
void DrawFace(QPainter& painter, const QRect& rect)
{
    painter.setPen(kEdge);
    painter.setBrush(kFace);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

void DrawInkPolygon(QPainter& painter, const QPolygon& polygon)
{
    painter.setPen(kInk);
    painter.setBrush(kInk);
    painter.drawPolygon(polygon);
}

} // namespace

void DrawArrowIcon(QPainter& painter)
{
    DrawFace(painter, QRect(0, 0, 22, 22));
    DrawInkPolygon(painter, QPolygon({QPoint(11, 3), QPoint(19, 11), QPoint(14, 11), QPoint(14, 18),
                                      QPoint(8, 18), QPoint(8, 11), QPoint(3, 11)}));
}

void DrawMediaIcon(QPainter& painter)
{
    DrawFace(painter, QRect(0, 0, 22, 22));
    DrawInkPolygon(painter, QPolygon({QPoint(4, 5), QPoint(14, 12), QPoint(4, 19)}));
    painter.setPen(QColor(0, 120, 0));
    painter.setBrush(QColor(0, 220, 0));
    painter.drawRect(15, 2, 4, 4);
}

void DrawFilePathIcon(QPainter& painter)
{
    painter.setPen(kInk);
    painter.setBrush(kField);
    painter.drawRect(0, 5, 13, 11);
    painter.drawLine(2, 10, 11, 10); // the path, as a line of text
    painter.drawLine(2, 11, 8, 11);
    DrawFace(painter, QRect(14, 5, 8, 12));
    painter.setPen(kInk);
    for (const int x : {15, 17, 19})
        painter.drawRect(x, 13, 1, 1); // "..."
}

void DrawRectangleIcon(QPainter& painter)
{
    painter.setPen(QPen(kInk, 1, Qt::DashLine));
    painter.setBrush(QColor(190, 210, 240));
    painter.drawRect(4, 4, 14, 12);
    painter.setPen(kInk);
    painter.setBrush(kInk);
    painter.drawRect(2, 2, 4, 4);    // the corner the position gives
    painter.drawLine(4, 19, 18, 19); // the width
    painter.drawLine(4, 18, 4, 20);
    painter.drawLine(18, 18, 18, 20);
}

void DrawLoggerIcon(QPainter& painter)
{
    painter.setPen(kInk);
    painter.setBrush(kField);
    painter.drawRect(1, 2, 20, 17);
    painter.fillRect(QRect(2, 3, 19, 4), kEdge); // the header
    for (const int y : {7, 11, 15})
        painter.drawLine(1, y, 21, y);
    for (const int x : {8, 15})
        painter.drawLine(x, 2, x, 19);
}

} // namespace ZriDesigner
