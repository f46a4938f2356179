#pragma once

#include "PlotScale.h"
#include "TrendData.h"

#include <QColor>
#include <QLineF>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QTransform>

#include <deque>
#include <utility>
#include <vector>

class QFontMetrics;
class QPainter;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{
class CAxisFormat;
}

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// Where a plot widget draws: the data area, the value labels at its left, the class or time
/// labels below it and the legend row above it.
struct SPlotLayout
{
    QRect oPlot;
    QRect oValueAxis;
    QRect oBottomAxis;
    QRect oLegend;
};

/// The layout inside area. With axes the value labels get valueLabels pixels (at least the width
/// of "-8888888") and a tick, the bottom labels and the legend one text line each, and a
/// one-pixel frame runs around the plot; without them the plot is the whole area.
SPlotLayout PlotLayout(const QRect& area, const QFontMetrics& metrics, bool axes,
                       int valueLabels = 0);

/// The device pixel ratio a painter draws at. It is the target's, which QWidget::render and
/// grab redirect to an image of their own ratio while the painter's device stays the widget.
qreal PaintRatio(const QPainter& painter);

/// The device pixel rectangle of a logical one at ratio dpr.
QRect DeviceRect(const QRect& rect, qreal dpr);

/// Sets the painter up to draw in device pixels (one unit, one pixel of the device) and
/// restores its transform when it goes out of scope.
class CDevicePixels
{
public:
    CDevicePixels(QPainter& painter, qreal dpr);
    ~CDevicePixels();
    CDevicePixels(const CDevicePixels&) = delete;
    CDevicePixels& operator=(const CDevicePixels&) = delete;

private:
    QPainter& m_rPainter;
    QTransform m_oTransform;
};

/// Clips the painter to rect (within any clip it had) and puts its clip back when it goes out
/// of scope.
class CClipGuard
{
public:
    CClipGuard(QPainter& painter, const QRect& rect);
    ~CClipGuard();
    CClipGuard(const CClipGuard&) = delete;
    CClipGuard& operator=(const CClipGuard&) = delete;

private:
    QPainter& m_rPainter;
    bool m_bClipping;
    QRegion m_oClip;
};

/// The device row of a value on an axis drawn over the device rows of plot: the top row for the
/// high end, the bottom row for the low end (each at the middle of its pixel).
double ValueRow(const SPlotScale& scale, const QRect& plot, double value);

/// What draws columns first to last of a reduced series, in device pixels of plot: per column
/// its range of rows as a rectangle one pixel wide (filled as rows; a cosmetic line of the same
/// pixels is stroked pixel by pixel, twice the cost), and the line entering it from the sample
/// before (the very line between those two samples); the exit line too when last is the grid's
/// last column.
struct SColumnDrawing
{
    std::vector<QLineF> vLines;
    std::vector<QRect> vRanges;
};
SColumnDrawing ColumnLines(const CColumnCache& cache, const QRect& plot, const SPlotScale& scale,
                           int first, int last);

/// One tick of an axis: its row or column in logical pixels and its label.
struct SAxisTick
{
    int nPos;
    QString sText;
};

/// The ticks of a value axis over the plot rows (in logical pixels): the decades of a
/// logarithmic axis, else those of format (the default format when null).
std::vector<SAxisTick> ValueTicks(const SPlotScale& scale, const QRect& plot, int maxTicks,
                                  const CAxisFormat* format = nullptr);

/// The most ticks of a value axis on a plot of that height: one per two text lines.
int MaxValueTicks(const QRect& plot, const QFontMetrics& metrics);

/// The widest label of ticks.
int WidestLabel(const std::vector<SAxisTick>& ticks, const QFontMetrics& metrics);

/// A tick label where it is drawn.
struct SPlacedLabel
{
    QRect oRect;
    QString sText;
};

/// The labels of the bottom axis: centred under their ticks, pushed back inside the axis where
/// it ends, and left out where one would come closer than a character to the one before.
std::vector<SPlacedLabel> BottomLabels(const std::vector<SAxisTick>& ticks, const QRect& axis,
                                       const QFontMetrics& metrics);

/// The labels of the value axis: right-aligned in axis, centred on their rows, and left out
/// where one would overlap the one before.
std::vector<SPlacedLabel> ValueLabels(const std::vector<SAxisTick>& ticks, const QRect& axis,
                                      const QFontMetrics& metrics);

/// Fills the dirty part of the widget around the plot in the palette's Window colour (the plot
/// itself gets its Base from DrawAxes: each pixel is written once, which matters at ratio 2).
void FillAroundPlot(QPainter& painter, const QRect& dirty, const QRect& plot);

/// Draws the plot background, its frame, the value and bottom ticks with their labels, in the
/// application palette's Base, Mid and Text colours; bottom labels are drawn whole, centred
/// under their ticks as far as the widget's width allows.
void DrawAxes(QPainter& painter, const SPlotLayout& layout, const std::vector<SAxisTick>& left,
              const std::vector<SAxisTick>& bottom);

/// Draws the legend entries (a short line in the colour, then the name) right-aligned in rect.
void DrawLegend(QPainter& painter, const QRect& rect,
                const std::vector<std::pair<QString, QColor>>& entries);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
