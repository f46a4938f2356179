#include "PlotRaster.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

// The whole pixel a coordinate lies in, for coordinates of any size: far-off ends only need
// to land outside the picture.
int Pixel(double coordinate)
{
    return static_cast<int>(std::floor(std::clamp(coordinate, -1e6, 1e6)));
}

constexpr std::int64_t kSub = 256; // parts of a column

// A column coordinate in 256ths, held where it only needs to lie off any picture.
std::int64_t Fixed(double column)
{
    return std::llround(std::clamp(column, -1e12, 1e12) * kSub);
}

std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

} // namespace

void CPlotRaster::Begin(const QSize& size, QRgb background)
{
    if (m_oImage.size() != size)
    {
        m_oImage = QImage(size, QImage::Format_RGB32);
    }
    m_oImage.fill(background);
    Unclip();
}

void CPlotRaster::ShiftLeft(int columns, QRgb background)
{
    const int width = m_oImage.width();
    columns = std::clamp(columns, 0, width);
    for (int y = 0; y < m_oImage.height(); ++y)
    {
        auto* row = reinterpret_cast<QRgb*>(m_oImage.scanLine(y));
        std::copy(row + columns, row + width, row);
        std::fill(row + width - columns, row + width, background);
    }
}

void CPlotRaster::ClipColumns(int first, int last, QRgb background)
{
    m_nClipLeft = std::max(first, 0);
    m_nClipRight = std::min(last, m_oImage.width() - 1);
    FillRects({QRect(QPoint(m_nClipLeft, 0), QPoint(m_nClipRight, m_oImage.height() - 1))},
              background);
}

void CPlotRaster::Unclip()
{
    m_nClipLeft = 0;
    m_nClipRight = -1;
}

void CPlotRaster::FillRects(const std::vector<QRect>& rects, QRgb colour)
{
    QRect bounds = m_oImage.rect();
    if (m_nClipRight >= m_nClipLeft)
    {
        bounds &= QRect(QPoint(m_nClipLeft, 0), QPoint(m_nClipRight, m_oImage.height() - 1));
    }
    auto* bits = reinterpret_cast<QRgb*>(m_oImage.bits());
    const qsizetype stride = m_oImage.bytesPerLine() / qsizetype(sizeof(QRgb));
    for (const QRect& rect : rects)
    {
        const QRect clipped = rect & bounds;
        for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        {
            std::fill_n(bits + y * stride + clipped.left(), clipped.width(), colour);
        }
    }
}

void CPlotRaster::DrawLines(const std::vector<QLineF>& lines, QRgb colour)
{
    for (const QLineF& line : lines)
    {
        _DrawLine(line.x1(), line.y1(), line.x2(), line.y2(), colour);
    }
}

void CPlotRaster::_DrawLine(double x1, double y1, double x2, double y2, QRgb colour)
{
    if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2))
    {
        return;
    }
    // Columns in 256ths, as whole numbers: the pixels of a line moved by whole columns move
    // alike, to the bit.
    const std::int64_t fixed1 = Fixed(x1);
    const std::int64_t fixed2 = Fixed(x2);
    const bool clipped = m_nClipRight >= m_nClipLeft;
    const int clipLeft = clipped ? m_nClipLeft : 0;
    const int clipRight = clipped ? m_nClipRight : m_oImage.width() - 1;
    const int bottom = m_oImage.height() - 1;
    auto* bits = reinterpret_cast<QRgb*>(m_oImage.bits());
    const qsizetype stride = m_oImage.bytesPerLine() / qsizetype(sizeof(QRgb));
    const auto plot = [&](std::int64_t column, int row)
    {
        if (column >= clipLeft && column <= clipRight && row >= 0 && row <= bottom)
        {
            bits[row * stride + column] = colour;
        }
    };
    const double dx = static_cast<double>(fixed2 - fixed1) / kSub;
    if (std::abs(y2 - y1) > std::abs(dx))
    {
        // Steep: a pixel a row, in the column the line crosses at the row's middle.
        if (y1 > y2)
        {
            std::swap(y1, y2);
            std::swap(x1, x2);
        }
        const std::int64_t from = Fixed(x1);
        const std::int64_t to = Fixed(x2);
        const double step = static_cast<double>(to - from) / (y2 - y1);
        for (int row = std::max(Pixel(y1), 0); row <= std::min(Pixel(y2), bottom); ++row)
        {
            // Held between the ends: a line never lights a column beyond its ends' columns,
            // which is what the columns redrawn for new samples rely on.
            const std::int64_t across =
                std::clamp<std::int64_t>(from + std::llround((row + 0.5 - y1) * step),
                                         std::min(from, to), std::max(from, to));
            plot(FloorDiv(across, kSub), row);
        }
        return;
    }
    // Shallow: a pixel a column, in the row the line crosses at the column's middle.
    std::int64_t left = fixed1, right = fixed2;
    if (left > right)
    {
        std::swap(left, right);
        std::swap(y1, y2);
    }
    const double slope = right > left ? (y2 - y1) / static_cast<double>(right - left) : 0.0;
    const std::int64_t first = std::max<std::int64_t>(FloorDiv(left, kSub), clipLeft);
    const std::int64_t last = std::min<std::int64_t>(FloorDiv(right, kSub), clipRight);
    const double low = std::min(y1, y2);
    const double high = std::max(y1, y2);
    for (std::int64_t column = first; column <= last; ++column)
    {
        const double across = y1 + static_cast<double>(column * kSub + kSub / 2 - left) * slope;
        plot(column, Pixel(std::clamp(across, low, high)));
    }
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
