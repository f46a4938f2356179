#include "PlotPainting.h"

#include "AxisFormat.h"
#include "StyleStore.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QRegion>

#include <algorithm>
#include <cmath>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

constexpr int kTick = 4;

QRect Sized(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(std::max(right, left - 1), std::max(bottom, top - 1)));
}

} // namespace

SPlotLayout PlotLayout(const QRect& area, const QFontMetrics& metrics, bool axes, int valueLabels,
                       bool valueTitle, bool bottomTitle, const SRightAxisRoom& rightAxis)
{
    SPlotLayout layout;
    if (!axes)
    {
        layout.oPlot = area;
        return layout;
    }
    const int line = metrics.height();
    const int least = metrics.horizontalAdvance(QStringLiteral("-8888888"));
    const int labels = std::max(least, valueLabels);
    // The title and a gap, the labels, a gap, the tick, then the frame column; a right axis the
    // same mirrored (a pixel more between tick and label, where a tick could read as a minus
    // sign), else room for the frame and half a time label.
    const int titleWidth = valueTitle ? line + 2 : 0;
    const int titleHeight = bottomTitle ? line : 0;
    const int left = area.left() + titleWidth + labels + 2 + kTick + 1;
    const int top = area.top() + line + 1;
    const int rightTitle = rightAxis.bTitle ? line + 2 : 0;
    const int rightLabels = std::max(least, rightAxis.nLabels);
    const int right = rightAxis.bShown ? area.right() - rightTitle - rightLabels - 3 - kTick - 1
                                       : area.right() - 1 - metrics.averageCharWidth();
    const int bottom = area.bottom() - line - kTick - 2 - titleHeight;
    layout.oPlot = Sized(left, top, right, bottom);
    layout.oLegend = Sized(area.left(), area.top(), area.right(), area.top() + line - 1);
    layout.oValueAxis =
        Sized(area.left() + titleWidth, area.top(), left - kTick - 3, area.bottom());
    layout.oBottomAxis =
        Sized(area.left(), layout.oPlot.bottom() + 2, area.right(), area.bottom() - titleHeight);
    if (valueTitle)
    {
        layout.oValueTitle =
            Sized(area.left(), area.top() + line, area.left() + line - 1, area.bottom());
    }
    if (bottomTitle)
    {
        layout.oBottomTitle = Sized(left, area.bottom() - line + 1, right, area.bottom());
    }
    if (rightAxis.bShown)
    {
        layout.oRightAxis =
            Sized(right + kTick + 4, area.top(), area.right() - rightTitle, area.bottom());
    }
    if (rightAxis.bShown && rightAxis.bTitle)
    {
        layout.oRightTitle =
            Sized(area.right() - line + 1, area.top() + line, area.right(), area.bottom());
    }
    return layout;
}

QString AxisTitle(const QString& title, const QString& unit)
{
    if (title.isEmpty() || unit.isEmpty())
    {
        return title + unit;
    }
    return QStringLiteral("%1 [%2]").arg(title, unit);
}

QRgb GridColor(const QPalette& palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor mid = palette.color(QPalette::Mid);
    const auto blend = [](int from, int to) { return from + (to - from) / 2; };
    return qRgb(blend(base.red(), mid.red()), blend(base.green(), mid.green()),
                blend(base.blue(), mid.blue()));
}

qreal PaintRatio(const QPainter& painter)
{
    const qreal ratio = painter.deviceTransform().m11() / painter.worldTransform().m11();
    return ratio > 0.0 && std::isfinite(ratio) ? ratio : 1.0;
}

QRect DeviceRect(const QRect& rect, qreal dpr)
{
    const int left = qRound(rect.left() * dpr);
    const int top = qRound(rect.top() * dpr);
    const int right = qRound((rect.right() + 1) * dpr) - 1;
    const int bottom = qRound((rect.bottom() + 1) * dpr) - 1;
    return Sized(left, top, right, bottom);
}

QRect LogicalRect(const QRect& device, qreal dpr, int margin)
{
    const int left = static_cast<int>(std::floor(device.left() / dpr)) - margin;
    const int top = static_cast<int>(std::floor(device.top() / dpr)) - margin;
    const int right = static_cast<int>(std::ceil((device.right() + 1) / dpr)) + margin;
    const int bottom = static_cast<int>(std::ceil((device.bottom() + 1) / dpr)) + margin;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

CDevicePixels::CDevicePixels(QPainter& painter, qreal dpr)
    : m_rPainter(painter), m_oTransform(painter.worldTransform())
{
    painter.setWorldTransform(QTransform::fromScale(1.0 / dpr, 1.0 / dpr) * m_oTransform);
}

CDevicePixels::~CDevicePixels()
{
    m_rPainter.setWorldTransform(m_oTransform);
}

CClipGuard::CClipGuard(QPainter& painter, const QRect& rect)
    : m_rPainter(painter), m_bClipping(painter.hasClipping()), m_oClip(painter.clipRegion())
{
    painter.setClipRect(rect, m_bClipping ? Qt::IntersectClip : Qt::ReplaceClip);
}

CClipGuard::~CClipGuard()
{
    if (m_bClipping)
    {
        m_rPainter.setClipRegion(m_oClip);
    }
    else
    {
        m_rPainter.setClipping(false);
    }
}

double ValueRow(const SPlotScale& scale, const QRect& plot, double value)
{
    const double fraction = ScaleFraction(scale, value);
    if (std::isnan(fraction))
    {
        return fraction;
    }
    // Far-off values only need to leave the plot; huge coordinates would overflow the rasterizer.
    const double clamped = std::clamp(fraction, -4.0, 5.0);
    return plot.top() + 0.5 + (1.0 - clamped) * (plot.height() - 1);
}

double GridColumn(const SColumnGrid& grid, double time)
{
    // The whole column counted in integers, the fraction in 256ths: a grid moved by whole
    // columns moves every coordinate by exactly as many, so a kept picture moved alike stays
    // what a fresh drawing is. Far-off times (beyond 2^61 columns) only need to lie off the plot.
    constexpr double kLimit = 2305843009213693952.0; // 2^61
    const double column = std::clamp((time - grid.dOrigin) / grid.dColumnTime, -kLimit, kLimit);
    if (std::isnan(column))
    {
        return column;
    }
    const double whole = std::floor(column);
    const double fraction = std::round((column - whole) * 256.0) / 256.0;
    return static_cast<double>(static_cast<std::int64_t>(whole) - grid.nFirst) + fraction;
}

CRowMap::CRowMap(const SPlotScale& scale, const QRect& plot) : m_oScale(scale), m_oPlot(plot)
{
    const double span = scale.dHigh - scale.dLow;
    m_bLinear = !scale.bLog && std::isfinite(span) && span != 0.0;
    if (m_bLinear)
    {
        // ValueRow's own arithmetic, relative to the low end so that large values keep their
        // digits, and its hold at -4 and 5 times the axis.
        const double rows = plot.height() - 1;
        m_dFactor = -rows / span;
        m_dBottom = plot.top() + 0.5 + rows;
        m_dHighest = plot.top() + 0.5 - 4.0 * rows;
        m_dLowest = plot.top() + 0.5 + 5.0 * rows;
    }
}

SColumnDrawing ColumnLines(const CColumnCache& cache, const QRect& plot, const SPlotScale& scale,
                           int first, int last)
{
    SColumnDrawing drawing;
    ColumnLines(cache, plot, scale, first, last, drawing);
    return drawing;
}

void ColumnLines(const CColumnCache& cache, const QRect& plot, const SPlotScale& scale, int first,
                 int last, SColumnDrawing& drawing)
{
    drawing.vLines.clear();
    drawing.vRanges.clear();
    std::vector<QLineF>& lines = drawing.vLines;
    const SColumnGrid& grid = cache.Grid();
    const auto& columns = cache.Columns();
    const auto x = [&](double time) { return plot.left() + GridColumn(grid, time); };
    const CRowMap map(scale, plot);
    const auto add = [&](double x1, double y1, double x2, double y2)
    {
        if (!std::isnan(y1) && !std::isnan(y2))
        {
            lines.emplace_back(x1, y1, x2, y2);
        }
    };
    const auto join = [&](const SColumn& column)
    {
        if (column.bJoined)
        {
            add(x(column.dPrevTime), map.Row(column.dPrevValue), x(column.dFirstTime),
                map.Row(column.dFirstValue));
        }
    };
    first = std::max(first, 0);
    last = std::min(last, static_cast<int>(columns.size()) - 1);
    drawing.vRanges.reserve(static_cast<std::size_t>(std::max(last - first + 1, 0)));
    lines.reserve(drawing.vRanges.capacity() + 1);
    for (int i = first; i <= last; ++i)
    {
        const SColumn& column = columns[static_cast<std::size_t>(i)];
        if (!column.bHasData)
        {
            continue;
        }
        // The range in the column the first sample lies in: a sample on the column's left edge
        // could be drawn in the column before.
        const double top = map.Row(column.dMax);
        const double bottom = map.Row(column.dMin);
        if (!std::isnan(top) && !std::isnan(bottom))
        {
            const int left = static_cast<int>(std::floor(x(column.dFirstTime)));
            const int high = static_cast<int>(std::floor(top));
            drawing.vRanges.emplace_back(left, high, 1,
                                         static_cast<int>(std::floor(bottom)) - high + 1);
        }
        join(column);
    }
    if (last == static_cast<int>(columns.size()) - 1 && cache.Exit().bHasData)
    {
        join(cache.Exit());
    }
}

std::vector<SAxisTick> ValueTicks(const SPlotScale& scale, const QRect& plot, int maxTicks,
                                  const CAxisFormat* format)
{
    std::vector<SAxisLabel> labels;
    if (scale.bLog)
    {
        for (const double value : ScaleTicks(scale, maxTicks))
        {
            labels.push_back({value, TickText(value, value)});
        }
    }
    else
    {
        static const CAxisFormat kDefault;
        labels = (format ? *format : kDefault).Ticks(scale.dLow, scale.dHigh, maxTicks);
    }
    std::vector<SAxisTick> ticks;
    ticks.reserve(labels.size());
    for (const SAxisLabel& label : labels)
    {
        const double fraction = std::clamp(ScaleFraction(scale, label.dValue), 0.0, 1.0);
        ticks.push_back({qRound(plot.top() + (1.0 - fraction) * (plot.height() - 1)), label.sText});
    }
    return ticks;
}

QString ReadoutValue(double value)
{
    return QString::number(value, 'g', 10);
}

QString ReadoutLabel(const QString& name, const QString& time, double value)
{
    const QString text = QStringLiteral("%1, %2").arg(time, ReadoutValue(value));
    return name.isEmpty() ? text : name + QStringLiteral(": ") + text;
}

void DrawReadout(QPainter& painter, const QRect& plot, const QPoint& point, const QString& label)
{
    const QPalette palette = QGuiApplication::palette();
    CClipGuard clip(painter, plot);
    CStyleStore store(painter, palette.color(QPalette::Mid)); // solid: see the focus frame
    painter.drawLine(point.x(), plot.top(), point.x(), plot.bottom());
    painter.drawLine(plot.left(), point.y(), plot.right(), point.y());
    // The label beside the point, kept inside the plot.
    const QFontMetrics metrics = painter.fontMetrics();
    QRect box(point + QPoint(6, -metrics.height() - 6),
              QSize(metrics.horizontalAdvance(label) + 8, metrics.height() + 2));
    box.moveRight(std::min(box.right(), plot.right()));
    box.moveTop(std::max(box.top(), plot.top()));
    store.SetPen(QPen(palette.color(QPalette::Text)));
    store.SetBrush(palette.color(QPalette::Base));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawText(box, Qt::AlignCenter, label);
}

void DrawFocusFrame(QPainter& painter, const QRect& plot)
{
    CStyleStore store(painter, QGuiApplication::palette().color(QPalette::Highlight));
    store.SetBrush(Qt::NoBrush);
    painter.drawRect(plot.adjusted(-1, -1, 0, 0));
}

int MaxValueTicks(const QRect& plot, const QFontMetrics& metrics)
{
    return std::max(plot.height() / (2 * metrics.height()), 1);
}

int WidestLabel(const std::vector<SAxisTick>& ticks, const QFontMetrics& metrics)
{
    int widest = 0;
    for (const SAxisTick& tick : ticks)
    {
        widest = std::max(widest, metrics.horizontalAdvance(tick.sText));
    }
    return widest;
}

std::vector<SPlacedLabel> BottomLabels(const std::vector<SAxisTick>& ticks, const QRect& axis,
                                       const QFontMetrics& metrics)
{
    std::vector<SPlacedLabel> labels;
    const int gap = metrics.averageCharWidth();
    for (const SAxisTick& tick : ticks)
    {
        // Always whole: one at an end of the plot reaches into the margin and is pushed back
        // inside where the widget ends (a cut "1000" would read "00").
        const int width = metrics.horizontalAdvance(tick.sText);
        QRect rect(tick.nPos - width / 2, axis.top() + kTick, width + 1, metrics.height());
        rect.moveRight(std::min(rect.right(), axis.right()));
        rect.moveLeft(std::max(rect.left(), axis.left()));
        if (labels.empty() || rect.left() > labels.back().oRect.right() + gap)
        {
            labels.push_back({rect, tick.sText});
        }
    }
    return labels;
}

std::vector<SPlacedLabel> ValueLabels(const std::vector<SAxisTick>& ticks, const QRect& axis,
                                      const QFontMetrics& metrics)
{
    std::vector<SPlacedLabel> labels;
    const int line = metrics.height();
    for (const SAxisTick& tick : ticks)
    {
        const QRect rect(axis.left(), tick.nPos - line / 2, axis.width(), line);
        if (labels.empty() || !rect.intersects(labels.back().oRect))
        {
            labels.push_back({rect, tick.sText});
        }
    }
    return labels;
}

std::vector<SPlacedLabel> RightLabels(const std::vector<SAxisTick>& ticks, const QRect& axis,
                                      const QFontMetrics& metrics)
{
    // Placed as the left axis places them; only their alignment differs.
    return ValueLabels(ticks, axis, metrics);
}

void FillAroundPlot(QPainter& painter, const QRect& dirty, const QRect& plot)
{
    const QColor window = QGuiApplication::palette().color(QPalette::Window);
    for (const QRect& rect : QRegion(dirty).subtracted(plot))
    {
        painter.fillRect(rect, window);
    }
}

void DrawAxes(QPainter& painter, const SPlotLayout& layout, const std::vector<SAxisTick>& left,
              const std::vector<SAxisTick>& bottom, bool fillPlot)
{
    const QPalette palette = QGuiApplication::palette();
    const QRect& plot = layout.oPlot;
    if (fillPlot)
    {
        painter.fillRect(plot, palette.color(QPalette::Base));
    }
    if (layout.oValueAxis.isNull())
    {
        return;
    }
    CStyleStore store(painter, palette.color(QPalette::Mid));
    painter.drawRect(plot.adjusted(-1, -1, 0, 0));
    store.SetPen(palette.color(QPalette::Text));
    const QFontMetrics metrics = painter.fontMetrics();
    for (const SAxisTick& tick : left)
    {
        painter.drawLine(plot.left() - 1 - kTick, tick.nPos, plot.left() - 2, tick.nPos);
    }
    for (const SPlacedLabel& label : ValueLabels(left, layout.oValueAxis, metrics))
    {
        painter.drawText(label.oRect, Qt::AlignRight | Qt::AlignVCenter, label.sText);
    }
    const QRect& axis = layout.oBottomAxis;
    for (const SAxisTick& tick : bottom)
    {
        painter.drawLine(tick.nPos, axis.top(), tick.nPos, axis.top() + kTick - 1);
    }
    for (const SPlacedLabel& label : BottomLabels(bottom, axis, metrics))
    {
        painter.drawText(label.oRect, Qt::AlignLeft | Qt::AlignTop, label.sText);
    }
}

bool SPlotSurround::operator==(const SPlotSurround& other) const
{
    return oSize == other.oSize && dRatio == other.dRatio && oLayout == other.oLayout &&
           vLeft == other.vLeft && vBottom == other.vBottom && vRight == other.vRight &&
           vLegend == other.vLegend && sValueTitle == other.sValueTitle &&
           sBottomTitle == other.sBottomTitle && sRightTitle == other.sRightTitle &&
           nPalette == other.nPalette && sFont == other.sFont;
}

void PaintSurround(QPainter& painter, const SPlotSurround& surround)
{
    FillAroundPlot(painter, QRect(QPoint(0, 0), surround.oSize), surround.oLayout.oPlot);
    DrawAxes(painter, surround.oLayout, surround.vLeft, surround.vBottom, false);
    if (!surround.oLayout.oLegend.isNull())
    {
        DrawLegend(painter, surround.oLayout.oLegend, surround.vLegend);
    }
    DrawRightAxis(painter, surround.oLayout, surround.vRight);
    DrawTitles(painter, surround.oLayout, surround.sValueTitle, surround.sBottomTitle,
               surround.sRightTitle);
}

void DrawRightAxis(QPainter& painter, const SPlotLayout& layout,
                   const std::vector<SAxisTick>& right)
{
    if (layout.oRightAxis.isNull())
    {
        return;
    }
    CStyleStore store(painter, QGuiApplication::palette().color(QPalette::Text));
    const int frame = layout.oPlot.right() + 1;
    for (const SAxisTick& tick : right)
    {
        painter.drawLine(frame + 1, tick.nPos, frame + kTick, tick.nPos);
    }
    for (const SPlacedLabel& label : RightLabels(right, layout.oRightAxis, painter.fontMetrics()))
    {
        painter.drawText(label.oRect, Qt::AlignLeft | Qt::AlignVCenter, label.sText);
    }
}

void DrawGrid(QPainter& painter, const QRect& plot, const std::vector<SAxisTick>& rows,
              const std::vector<SAxisTick>& columns)
{
    const QColor color = QColor::fromRgb(GridColor(QGuiApplication::palette()));
    for (const SAxisTick& row : rows)
    {
        if (row.nPos > plot.top() && row.nPos < plot.bottom())
        {
            painter.fillRect(QRect(plot.left(), row.nPos, plot.width(), 1), color);
        }
    }
    for (const SAxisTick& column : columns)
    {
        if (column.nPos > plot.left() && column.nPos < plot.right())
        {
            painter.fillRect(QRect(column.nPos, plot.top(), 1, plot.height()), color);
        }
    }
}

namespace
{

// A value axis' title in rect, read from the bottom up, centred on the plot's height as far as
// the widget allows, elided where it is longer.
void DrawSideTitle(QPainter& painter, const QRect& rect, const QRect& plot, const QString& title)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const QString text = metrics.elidedText(title, Qt::ElideRight, rect.height());
    const int length = metrics.horizontalAdvance(text);
    const int bottom =
        std::clamp(plot.center().y() + (length + 1) / 2, rect.top() + length, rect.bottom());
    painter.save();
    painter.translate(rect.left(), bottom + 1);
    painter.rotate(-90.0);
    painter.drawText(QRect(0, 0, length + 1, rect.width()), Qt::AlignLeft | Qt::AlignTop, text);
    painter.restore();
}

} // namespace

void DrawTitles(QPainter& painter, const SPlotLayout& layout, const QString& value,
                const QString& bottom, const QString& right)
{
    CStyleStore store(painter, QGuiApplication::palette().color(QPalette::Text));
    if (!layout.oBottomTitle.isNull())
    {
        // Centred under the plot, elided where it is longer.
        const QRect& rect = layout.oBottomTitle;
        painter.drawText(rect, Qt::AlignHCenter | Qt::AlignTop,
                         painter.fontMetrics().elidedText(bottom, Qt::ElideRight, rect.width()));
    }
    if (!layout.oValueTitle.isNull())
    {
        DrawSideTitle(painter, layout.oValueTitle, layout.oPlot, value);
    }
    if (!layout.oRightTitle.isNull())
    {
        DrawSideTitle(painter, layout.oRightTitle, layout.oPlot, right);
    }
}

QImage PaintSurround(const SPlotSurround& surround, const QFont& font)
{
    QImage picture(DeviceRect(QRect(QPoint(0, 0), surround.oSize), surround.dRatio).size(),
                   QImage::Format_RGB32);
    picture.setDevicePixelRatio(surround.dRatio);
    QPainter painter(&picture);
    painter.setFont(font);
    PaintSurround(painter, surround);
    return picture;
}

void DrawSurround(QPainter& painter, const QImage& picture, const QRect& widget, const QRect& plot,
                  qreal dpr)
{
    CDevicePixels pixels(painter, dpr);
    for (const QRect& rect : QRegion(widget).subtracted(plot))
    {
        const QRect device = DeviceRect(rect, dpr);
        painter.drawImage(device.topLeft(), picture, device);
    }
}

void DrawLegend(QPainter& painter, const QRect& rect,
                const std::vector<std::pair<QString, QColor>>& entries)
{
    const QPalette palette = QGuiApplication::palette();
    CStyleStore store(painter, palette.color(QPalette::Text));
    const std::vector<QRect> places = LegendRects(rect, entries, painter.fontMetrics());
    for (std::size_t i = 0; i < entries.size(); ++i)
    {
        const auto& [name, color] = entries[i];
        const QRect& place = places[i];
        const QRect line(place.left(), rect.center().y() - 1, 12, 3);
        store.SetPen(palette.color(color.isValid() ? QPalette::Text : QPalette::Mid));
        painter.drawText(place.adjusted(16, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, name);
        if (color.isValid())
        {
            painter.fillRect(line, color);
        }
        else
        {
            store.SetBrush(Qt::NoBrush);
            painter.drawRect(line.adjusted(0, 0, -1, -1));
        }
    }
}

std::vector<QRect> LegendRects(const QRect& rect,
                               const std::vector<std::pair<QString, QColor>>& entries,
                               const QFontMetrics& metrics)
{
    // Right-aligned, the last entry rightmost: a 12-pixel line, a gap, the name, 10 pixels on.
    std::vector<QRect> places(entries.size());
    int right = rect.right();
    for (std::size_t i = entries.size(); i-- > 0;)
    {
        const int width = metrics.horizontalAdvance(entries[i].first);
        places[i] = QRect(right - width - 16, rect.top(), width + 17, rect.height());
        right = places[i].left() - 10;
    }
    return places;
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
