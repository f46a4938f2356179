#pragma once

#include "PlotScale.h"
#include "TrendData.h"

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <deque>
#include <utility>
#include <vector>

class QFontMetrics;
class QPalette;
class QPainter;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{
class CAxisFormat;
}

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// Where a plot widget draws: the data area, the value labels at its left, the class or time
/// labels below it, the legend row above it, and the axis titles (null when there is none): the
/// value axis' turned on its side at the far left below the legend row, the bottom axis' under
/// its labels. A second
/// value axis (null without one) has its labels at the plot's right and its title at the far
/// right.
struct SPlotLayout
{
    QRect oPlot;
    QRect oValueAxis;
    QRect oBottomAxis;
    QRect oLegend;
    QRect oValueTitle;
    QRect oBottomTitle;
    QRect oRightAxis;
    QRect oRightTitle;

    bool operator==(const SPlotLayout& other) const
    {
        return oPlot == other.oPlot && oValueAxis == other.oValueAxis &&
               oBottomAxis == other.oBottomAxis && oLegend == other.oLegend &&
               oValueTitle == other.oValueTitle && oBottomTitle == other.oBottomTitle &&
               oRightAxis == other.oRightAxis && oRightTitle == other.oRightTitle;
    }
};

/// The right value axis of a layout: its labels' width (at least that of "-8888888"), and
/// whether it has a title. Absent by default.
struct SRightAxisRoom
{
    bool bShown = false;
    int nLabels = 0;
    bool bTitle = false;
};

/// The layout inside area. With axes the value labels get valueLabels pixels (at least the width
/// of "-8888888") and a tick, the bottom labels and the legend one text line each, each axis
/// title asked for one more text line, and a one-pixel frame runs around the plot; a right axis
/// takes the same room at the right as the value axis at the left. Without axes the plot is the
/// whole area.
SPlotLayout PlotLayout(const QRect& area, const QFontMetrics& metrics, bool axes,
                       int valueLabels = 0, bool valueTitle = false, bool bottomTitle = false,
                       const SRightAxisRoom& right = SRightAxisRoom());

/// An axis title as drawn: "Pressure [bar]", or the title or the unit alone when the other is
/// empty.
QString AxisTitle(const QString& title, const QString& unit);

/// The colour of grid lines: half way from the palette's Base to its Mid.
QRgb GridColor(const QPalette& palette);

/// The device pixel ratio a painter draws at. It is the target's, which QWidget::render and
/// grab redirect to an image of their own ratio while the painter's device stays the widget.
qreal PaintRatio(const QPainter& painter);

/// The device pixel rectangle of a logical one at ratio dpr.
QRect DeviceRect(const QRect& rect, qreal dpr);

/// The logical rectangle that covers a device pixel one at ratio dpr, and margin pixels more on
/// each side.
QRect LogicalRect(const QRect& device, qreal dpr, int margin);

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

/// ValueRow for many values of one axis: a linear axis maps with one multiplication.
class CRowMap
{
public:
    CRowMap(const SPlotScale& scale, const QRect& plot);
    double Row(double value) const
    {
        if (!m_bLinear)
        {
            return ValueRow(m_oScale, m_oPlot, value);
        }
        return std::clamp(m_dBottom + (value - m_oScale.dLow) * m_dFactor, m_dHighest, m_dLowest);
    }

private:
    SPlotScale m_oScale;
    QRect m_oPlot;
    bool m_bLinear = false;
    double m_dBottom = 0.0; // the row of the axis' low end
    double m_dFactor = 0.0;
    double m_dHighest = 0.0; // the rows where far-off values are held
    double m_dLowest = 0.0;
};

/// Where a time lies on a grid, in columns from its first one: a whole number of columns plus a
/// fraction in 256ths of one.
double GridColumn(const SColumnGrid& grid, double time);

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
/// The same into drawing, whose buffers are kept from paint to paint.
void ColumnLines(const CColumnCache& cache, const QRect& plot, const SPlotScale& scale, int first,
                 int last, SColumnDrawing& drawing);

/// One tick of an axis: its row or column in logical pixels and its label.
struct SAxisTick
{
    int nPos;
    QString sText;

    bool operator==(const SAxisTick& other) const
    {
        return nPos == other.nPos && sText == other.sText;
    }
};

/// The ticks of a value axis over the plot rows (in logical pixels): the decades of a
/// logarithmic axis, else those of format (the default format when null).
std::vector<SAxisTick> ValueTicks(const SPlotScale& scale, const QRect& plot, int maxTicks,
                                  const CAxisFormat* format = nullptr);

/// A value as a readout shows it: up to ten significant digits.
QString ReadoutValue(double value);

/// The label of a readout beside its sample: "name: time, value" ("time, value" without a
/// name), the value with up to ten significant digits.
QString ReadoutLabel(const QString& name, const QString& time, double value);

/// Draws a readout: a crosshair through point across plot and label beside it, kept inside the
/// plot, in the palette's Mid, Text and Base colours. A point off the plot draws only the lines
/// that still cross it.
void DrawReadout(QPainter& painter, const QRect& plot, const QPoint& point, const QString& label);

/// Draws the focus frame of a plot: its frame in the palette's Highlight colour, solid (Qt starts
/// a dotted line's dots where a repaint's clip cuts it, and a partial repaint would differ).
void DrawFocusFrame(QPainter& painter, const QRect& plot);

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

/// The labels of the right value axis: left-aligned in axis, centred on their rows, and left out
/// where one would overlap the one before.
std::vector<SPlacedLabel> RightLabels(const std::vector<SAxisTick>& ticks, const QRect& axis,
                                      const QFontMetrics& metrics);

/// Fills the dirty part of the widget around the plot in the palette's Window colour (the plot
/// itself gets its Base from DrawAxes: each pixel is written once, which matters at ratio 2).
void FillAroundPlot(QPainter& painter, const QRect& dirty, const QRect& plot);

/// Draws the plot background, its frame, the value and bottom ticks with their labels, in the
/// application palette's Base, Mid and Text colours; bottom labels are drawn whole, centred
/// under their ticks as far as the widget's width allows.
void DrawAxes(QPainter& painter, const SPlotLayout& layout, const std::vector<SAxisTick>& left,
              const std::vector<SAxisTick>& bottom, bool fillPlot = true);

/// Everything a plot widget shows around its data area: what fills its background, axes and
/// legend draw. Kept as a picture while it stays the same, so that a live plot's frames draw
/// no text.
struct SPlotSurround
{
    QSize oSize;
    qreal dRatio = 0.0;
    SPlotLayout oLayout;
    std::vector<SAxisTick> vLeft;
    std::vector<SAxisTick> vBottom;
    std::vector<SAxisTick> vRight; // the right value axis' ticks, drawn while the layout has it
    std::vector<std::pair<QString, QColor>> vLegend;
    QString sValueTitle;
    QString sBottomTitle;
    QString sRightTitle;
    qint64 nPalette = 0; ///< QPalette::cacheKey() of the application palette
    QString sFont;       ///< QFont::key() of the widget's font

    bool operator==(const SPlotSurround& other) const;
};

/// Paints the surround: everything of the widget but its data area.
void PaintSurround(QPainter& painter, const SPlotSurround& surround);

/// Draws grid lines across plot at the ticks that lie inside it (not on its edges), one logical
/// pixel wide, in GridColor.
void DrawGrid(QPainter& painter, const QRect& plot, const std::vector<SAxisTick>& rows,
              const std::vector<SAxisTick>& columns);

/// Draws the ticks and labels of the right value axis, when layout has one, in the palette's
/// Text colour.
void DrawRightAxis(QPainter& painter, const SPlotLayout& layout,
                   const std::vector<SAxisTick>& right);

/// Draws the axis titles in their places of layout, in the palette's Text colour; both value
/// axes' titles read from the bottom up.
void DrawTitles(QPainter& painter, const SPlotLayout& layout, const QString& value,
                const QString& bottom, const QString& right = QString());

/// The picture of surround at its size and device pixel ratio, the data area left unpainted.
QImage PaintSurround(const SPlotSurround& surround, const QFont& font);

/// Draws the picture of the surround around the plot, in one blit a rectangle.
void DrawSurround(QPainter& painter, const QImage& picture, const QRect& widget, const QRect& plot,
                  qreal dpr);

/// Draws the legend entries (a short line in the colour, then the name) right-aligned in rect;
/// an entry with an invalid colour is a hidden one: an empty box and its name in Mid.
void DrawLegend(QPainter& painter, const QRect& rect,
                const std::vector<std::pair<QString, QColor>>& entries);

/// Where DrawLegend puts each entry, line and name, in the order of entries.
std::vector<QRect> LegendRects(const QRect& rect,
                               const std::vector<std::pair<QString, QColor>>& entries,
                               const QFontMetrics& metrics);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
