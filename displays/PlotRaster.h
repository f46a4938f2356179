#pragma once

#include <QImage>
#include <QLineF>
#include <QRect>

#include <vector>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/**
 * A picture of a plot's data area in device pixels, drawn by writing its pixels. A reduced
 * series is a one-pixel column range and a short line per column; filled through QPainter each
 * of them costs a call per pixel row, written here a few nanoseconds a pixel, and the whole
 * area reaches the screen in one blit.
 *
 * Every pixel depends only on the primitives that cross it, and shifting every primitive by
 * whole columns shifts its pixels alike. So a kept picture can be brought up to date exactly:
 * moved by whole columns with ShiftLeft, and columns redrawn with all the primitives that
 * cross them while a column clip keeps every other pixel as it is.
 */
class CPlotRaster
{
public:
    /// Starts a picture of size (device pixels) filled with background; no clip.
    void Begin(const QSize& size, QRgb background);
    /// Moves the picture `columns` columns to the left; those that come in on the right are
    /// background.
    void ShiftLeft(int columns, QRgb background);
    /// From now on only columns first to last are drawn (whole picture rows); cleared with
    /// Unclip(). Starts by filling them with background.
    void ClipColumns(int first, int last, QRgb background);
    void Unclip();
    /// Fills the rectangles (picture pixels), clipped to the picture.
    void FillRects(const std::vector<QRect>& rects, QRgb colour);
    /// Draws the lines (picture coordinates, a pixel's centre at +0.5) one pixel wide: per
    /// column, or per row where they are steep, the pixel where they cross its centre line, from
    /// end to end; the parts outside the picture cost nothing.
    void DrawLines(const std::vector<QLineF>& lines, QRgb colour);
    const QImage& Image() const { return m_oImage; }

private:
    void _DrawLine(double x1, double y1, double x2, double y2, QRgb colour);

    QImage m_oImage;
    int m_nClipLeft = 0;
    int m_nClipRight = -1; // inclusive; below m_nClipLeft: no clip
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
