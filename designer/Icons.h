#pragma once

class QPainter;

namespace ZriDesigner
{

// Widget box pictures of the widgets whose own face, shrunk to 22 x 22 pixels, would be a thin
// line or a few pixels of symbol. Each draws on a transparent 22 x 22 pixmap.
void DrawArrowIcon(QPainter& painter);
void DrawMediaIcon(QPainter& painter);
void DrawFilePathIcon(QPainter& painter);
void DrawRectangleIcon(QPainter& painter);
void DrawLoggerIcon(QPainter& painter);

} // namespace ZriDesigner
