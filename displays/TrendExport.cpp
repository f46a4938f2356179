// The trend's samples and picture for other programs: CSV of the samples in view, pictures at
// any size (raster, or vector for SVG, PDF and printers), files, and the clipboard.
#include "TrendDisplay.h"

#include "PlotExport.h"
#include "StyleStore.h"
#include "TrendState.h"

#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

QString CTrendDisplay::SamplesCsv() const
{
    const Detail::STrendState& state = *m_pState;
    const double start = WindowStart();
    const double end = WindowEnd();
    // Every sample in view as (time, column, number), in time order, series by series at equal
    // times, each series' samples in the order they came; a column for each shown series.
    std::vector<std::tuple<double, std::size_t, std::uint64_t>> samples;
    std::vector<std::size_t> shown; // the series of each column
    // The header names the columns with their units: "time [s],flow [l/min]".
    QStringList header(
        Detail::CsvField(Detail::AxisTitle(QStringLiteral("time"), state.sTimeUnit)));
    for (std::size_t i = 0; i < state.vSeries.size(); ++i)
    {
        if (!state.vSeries[i].bVisible)
        {
            continue; // hidden: not in view
        }
        const Detail::CSampleRing& ring = state.vSeries[i].oRing;
        const QString& name = state.vSeries[i].sName;
        const QString& unit = state.vSeries[i].bRight ? state.sRightUnit : state.sValueUnit;
        header << Detail::CsvField(name.isEmpty() ? name : Detail::AxisTitle(name, unit));
        for (std::uint64_t s = ring.LowerBound(start); s < ring.End() && ring.Time(s) <= end; ++s)
        {
            samples.emplace_back(ring.Time(s), shown.size(), s);
        }
        shown.push_back(i);
    }
    std::sort(samples.begin(), samples.end());
    // A line per time; a series with a second sample at that time starts another line.
    QString csv = header.join(QLatin1Char(',')) + QLatin1Char('\n');
    QStringList cells;
    double time = 0.0;
    const auto flush = [&]
    {
        if (!cells.isEmpty())
        {
            csv += Detail::CsvNumber(time) + QLatin1Char(',') + cells.join(QLatin1Char(',')) +
                   QLatin1Char('\n');
        }
        cells.clear();
    };
    for (const auto& [at, column, number] : samples)
    {
        if (cells.isEmpty() || at != time || !cells[int(column)].isNull())
        {
            flush();
            time = at;
            for (std::size_t k = 0; k < shown.size(); ++k)
            {
                cells << QString(); // null: no sample yet
            }
        }
        cells[int(column)] = Detail::CsvNumber(state.vSeries[shown[column]].oRing.Value(number));
    }
    flush();
    return csv;
}

void CTrendDisplay::CopyToClipboard()
{
    Detail::CopyPictureAndCsv(Picture(size(), devicePixelRatioF()), SamplesCsv());
}

void CTrendDisplay::RenderTo(QPaintDevice& device, const QRectF& target) const
{
    Detail::DrawOnDevice(device, [&](QPainter& painter) { RenderTo(painter, target); });
}

void CTrendDisplay::RenderTo(QPainter& painter, const QRectF& target) const
{
    const Detail::CExportPainter exporting(painter, target, logicalDpiX(), font());
    if (exporting.IsDrawing())
    {
        Detail::CExportScope scope(*m_pState, exporting.Size());
        m_pState->PaintVector(painter);
    }
}

QImage CTrendDisplay::Picture(const QSize& size, qreal dpr) const
{
    return Detail::DrawPicture(*this, size, dpr,
                               [this](QPainter& painter, const QSize& logical, qreal ratio)
                               {
                                   Detail::CExportScope scope(*m_pState, logical);
                                   m_pState->PaintPicture(painter, ratio);
                               });
}

bool CTrendDisplay::Save(const QString& fileName, const QSize& size) const
{
    return Detail::SavePlotAs(*this, fileName, size, [this] { return SamplesCsv(); });
}

namespace Detail
{

CExportScope::CExportScope(STrendState& state, const QSize& size)
    : m_rState(state), m_oShown(state.oShown), m_oRightShown(state.oRightShown),
      m_nValueLabels(state.nValueLabels), m_nRightLabels(state.nRightLabels),
      m_oLayout(state.oLayout), m_oLayoutSize(state.oLayoutSize),
      m_bLayoutValid(state.bLayoutValid), m_bSynced(state.bSynced),
      m_oSyncedGrid(state.oSyncedGrid), m_vSyncedSamples(state.vSyncedSamples)
{
    for (auto& series : state.vSeries)
    {
        m_vCaches.push_back(std::move(series.oCache));
        series.oCache = CColumnCache();
    }
    state.oExportSize = size;
    state.bLayoutValid = false;
    state.bSynced = false;
}

CExportScope::~CExportScope()
{
    STrendState& state = m_rState;
    for (std::size_t i = 0; i < state.vSeries.size(); ++i)
    {
        state.vSeries[i].oCache = std::move(m_vCaches[i]);
    }
    state.oExportSize = QSize();
    state.oShown = m_oShown;
    state.oRightShown = m_oRightShown;
    state.nValueLabels = m_nValueLabels;
    state.nRightLabels = m_nRightLabels;
    state.oLayout = m_oLayout;
    state.oLayoutSize = m_oLayoutSize;
    state.bLayoutValid = m_bLayoutValid;
    state.bSynced = m_bSynced;
    state.oSyncedGrid = m_oSyncedGrid;
    state.vSyncedSamples = std::move(m_vSyncedSamples);
}

void STrendState::PaintPicture(QPainter& painter, qreal dpr)
{
    Sync(dpr);
    const QRect device = DeviceRect(Layout().oPlot, dpr);
    const STicks ticks = Ticks(dpr);
    PaintSurround(painter, Surround(dpr, ticks));
    CPlotRaster fresh;
    fresh.Begin(device.size(), QGuiApplication::palette().color(QPalette::Base).rgb());
    DrawColumns(fresh, 0, GridLines(dpr, ticks));
    {
        CDevicePixels pixels(painter, dpr);
        painter.drawImage(device.topLeft(), fresh.Image());
    }
    DrawMarkers(painter, dpr);
    DrawLevels(painter);
    DrawLosses(painter);
}

namespace
{

// A coordinate to a quarter pixel, which is all a picture of that size can show: shorter in
// an SVG file.
double Quarter(double value)
{
    return std::round(value * 4.0) / 4.0;
}

// The reduction of a series as one path: each column's range a vertical stroke through its
// pixel (rows top to bottom inclusive, like the screen's), joined to the next column's nearer
// end when they are neighbours, and the lines from a sample before a gap or before the grid
// and to the first sample after it, as the screen draws them.
QPainterPath ReductionPath(const CColumnCache& cache, const QRect& plot, const SPlotScale& scale)
{
    QPainterPath path;
    const SColumnGrid& grid = cache.Grid();
    const CRowMap map(scale, plot);
    const auto at = [&](double time, double value)
    { return QPointF(Quarter(plot.left() + GridColumn(grid, time)), Quarter(map.Row(value))); };
    const auto line = [&](const QPointF& from, const QPointF& to)
    {
        if (!std::isnan(from.y()) && !std::isnan(to.y()))
        {
            path.moveTo(from);
            path.lineTo(to);
        }
    };
    int previous = -2; // the last column drawn
    const auto& columns = cache.Columns();
    for (int i = 0; i < static_cast<int>(columns.size()); ++i)
    {
        const SColumn& column = columns[static_cast<std::size_t>(i)];
        const double top = std::floor(map.Row(column.dMax));
        const double bottom = std::floor(map.Row(column.dMin)) + 1.0;
        if (!column.bHasData || std::isnan(top) || std::isnan(bottom))
        {
            continue;
        }
        const double x = std::floor(plot.left() + GridColumn(grid, column.dFirstTime)) + 0.5;
        if (column.bJoined && previous == i - 1 && !path.isEmpty())
        {
            // From the end the last column's stroke stopped at, to this one's nearer end.
            const bool down = std::abs(path.currentPosition().y() - top) <=
                              std::abs(path.currentPosition().y() - bottom);
            path.lineTo(x, down ? top : bottom);
            path.lineTo(x, down ? bottom : top);
        }
        else
        {
            if (column.bJoined)
            {
                line(at(column.dPrevTime, column.dPrevValue),
                     at(column.dFirstTime, column.dFirstValue));
            }
            path.moveTo(x, top);
            path.lineTo(x, bottom);
        }
        previous = i;
    }
    const SColumn& exit = cache.Exit();
    if (exit.bHasData && exit.bJoined)
    {
        line(at(exit.dPrevTime, exit.dPrevValue), at(exit.dFirstTime, exit.dFirstValue));
    }
    return path;
}

} // namespace

void STrendState::PaintVector(QPainter& painter)
{
    Sync(1.0);
    const QRect plot = Layout().oPlot;
    const STicks ticks = Ticks(1.0);
    PaintSurround(painter, Surround(1.0, ticks));
    painter.fillRect(plot, QGuiApplication::palette().color(QPalette::Base));
    CClipGuard clip(painter, plot);
    const SGridLines grid = GridLines(1.0, ticks);
    std::vector<QLineF> rules;
    for (const int row : grid.vRows)
    {
        rules.emplace_back(plot.left(), plot.top() + row + 0.5, plot.right() + 1,
                           plot.top() + row + 0.5);
    }
    for (const std::int64_t column : grid.vColumns)
    {
        const double x = plot.left() + static_cast<double>(column - grid.nFirst) + 0.5;
        rules.emplace_back(x, plot.top(), x, plot.bottom() + 1);
    }
    CStyleStore store(painter, QPen(QColor::fromRgb(grid.nColor), 1.0, Qt::SolidLine, Qt::FlatCap));
    store.SetBrush(Qt::NoBrush);
    painter.drawLines(rules.data(), static_cast<int>(rules.size()));
    for (const auto& series : vSeries)
    {
        if (!series.bVisible)
        {
            continue;
        }
        store.SetPen(QPen(series.oColor, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
        painter.drawPath(ReductionPath(series.oCache, plot, Scale(series)));
    }
    DrawMarkers(painter, 1.0);
    DrawLevels(painter);
    DrawLosses(painter);
}

} // namespace Detail

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
