#pragma once

class QPainter;
class QRect;
class QString;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

// Lines, frames and text with the shaded look of the control family, in the application
// palette's Light and Dark colours. Raised shapes are light above and left and dark below and
// right; sunken shapes the reverse. Each function leaves pen, brush and font as it found them.

/// Pairs of lines above (first colour) and below (second colour) row y, `width` pairs from the
/// outside in; row y itself stays untouched.
void DrawShadedHLine(QPainter& painter, int y, int x1, int x2, bool sunken, int width);
/// Pairs of columns left and right of column x, like DrawShadedHLine.
void DrawShadedVLine(QPainter& painter, int x, int y1, int y2, bool sunken, int width);
/// Fills rect with the painter's brush, then draws `width` rings from the inside out.
void DrawShadedFrame(QPainter& painter, const QRect& rect, bool sunken, int width);
/// Centred text with a first-colour copy up-left and a second-colour copy down-right by offset.
void DrawShadedText(QPainter& painter, const QRect& rect, const QString& text, bool sunken,
                    int offset);
/// The same pixels as painter.drawText(rect, flags, text); a single line that fits is drawn
/// from a kept layout instead of being laid out again.
void DrawTextLine(QPainter& painter, const QRect& rect, int flags, const QString& text);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
