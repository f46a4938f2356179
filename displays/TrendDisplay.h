#pragma once

#include "TrendDisplayBase.h"
#include "TrendDisplayMarker.h"

#include <QColor>
#include <QPointF>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class QPainter;
class QScrollBar;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

namespace Detail
{
struct STrendState;
struct STrendSeries;
struct SPlotLayout;
struct SPlotScale;
struct SColumnGrid;
struct SAxisTick;
} // namespace Detail

/**
 * A ready trend: one or more series of (time, value) samples, each kept in a ring buffer of
 * bounded capacity, drawn as lines over a time window with a value axis at the left and a time
 * axis below.
 *
 * The window follows the newest sample until the user drags the horizontal scroll bar back
 * (or code calls ScrollTo); dragging it to its end, or FollowNewest(), follows again. Each
 * series is reduced to its smallest and largest value per device pixel column, and the
 * reduction is kept and extended as samples arrive, so a paint costs in proportion to the
 * width, not to the number of samples, and appending repaints only the columns that changed.
 *
 * Times must not decrease within a series: Append refuses a sample older than the newest one
 * (returns false) and keeps everything else. Equal times are accepted. A NaN or infinite value
 * is stored and leaves a gap in the line. The value axis has no scroll bar of its own:
 * _VScrollSlot is not connected and does nothing.
 */
class ZRI_EXPORT CTrendDisplay : public CTrendDisplayBase
{
    Q_OBJECT

public:
    explicit CTrendDisplay(QWidget* parent = nullptr);
    ~CTrendDisplay() override;

    /// Appends a series with its legend name and line colour; returns its index.
    int AddSeries(const QString& name, const QColor& color);
    int SeriesCount() const;
    void SetSeriesName(int series, const QString& name);
    QString SeriesName(int series) const;
    void SetSeriesColor(int series, const QColor& color);
    QColor SeriesColor(int series) const;
    /// The marker drawn on every sample when a column holds few enough samples to tell them
    /// apart; none by default.
    void SetSeriesMarker(int series, ETrendDisplayMarker marker);
    ETrendDisplayMarker SeriesMarker(int series) const;
    /// Removes every series and its samples.
    void RemoveAllSeries();

    /// Stores one sample. False, and nothing changed, when the series does not exist, the time
    /// is NaN or the time is older than the series' newest sample.
    bool Append(int series, double time, double value);
    /// Stores the samples in order (x is the time, y the value) and returns how many were
    /// stored; a refused sample is skipped and the ones after it are still stored.
    std::size_t Append(int series, const std::vector<QPointF>& samples);
    /// Forgets the samples of one series, or of every series.
    void ClearSamples(int series);
    void ClearSamples();

    /// The samples kept per series, 100000 by default. A smaller capacity drops the oldest
    /// samples and keeps the newest; 0 is taken as 1, so the newest sample always stays.
    void SetCapacity(std::size_t capacity);
    std::size_t Capacity() const;
    std::size_t SampleCount(int series) const;
    /// Sample i of a series, 0 being the oldest kept; (NaN, NaN) when there is none.
    QPointF Sample(int series, std::size_t index) const;
    /// The newest sample of a series; (NaN, NaN) when it has none.
    QPointF LastSample(int series) const;

    /// The width of the time window, in the unit of the sample times (60 by default). Values
    /// that are not positive and finite are ignored.
    void SetTimeWindow(double width);
    double TimeWindow() const;
    /// A fixed value axis from min to max (either order); a NaN or empty range is ignored.
    void SetValueRange(double min, double max);
    /// The value axis fits the samples in the window, on round numbers (the default).
    void SetAutoRange();
    bool IsAutoRange() const;
    /// The value axis as it is drawn now.
    double ValueMin() const;
    double ValueMax() const;
    /// The time window as it is drawn now.
    double WindowStart() const;
    double WindowEnd() const;
    bool IsFollowing() const;
    /// Axes and legend; without them the plot fills the widget above the scroll bar.
    void SetAxesVisible(bool visible);
    bool AreAxesVisible() const;

    /// Where the lines are drawn, in widget coordinates.
    QRect PlotArea() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    /// Shows the window that ends at `endTime` and stops following the newest sample.
    void ScrollTo(double endTime);
    /// Follows the newest sample again.
    void FollowNewest();

signals:
    /// The shown time window moved or changed its width.
    void windowChanged(double start, double end);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

protected slots:
    void _HScrollSlot(int nSliderPos) override;
    void _VScrollSlot(int nSliderPos) override;

private:
    Detail::STrendSeries* _Series(int series) const;
    void _Appended(Detail::STrendSeries& series);
    void _DataChanged();
    void _EmitWindowChanged();
    void _NotifyAccessibility();
    void _UpdateScrollBar();
    void _PlaceScrollBar();
    Detail::SPlotLayout _Layout() const;
    std::pair<double, double> _TimeSpan() const;
    Detail::SColumnGrid _Grid(qreal dpr) const;
    std::int64_t _MoveGrids(const Detail::SColumnGrid& grid) const;
    void _Sync(qreal dpr) const;
    Detail::SPlotScale _Scale() const;
    int _MaxValueTicks() const;
    void _UpdateColumns(int first, int last, const Detail::SPlotLayout& layout, qreal dpr);
    std::vector<Detail::SAxisTick> _ValueTicks(const Detail::SPlotLayout& layout,
                                               const QRect& dirty) const;
    std::vector<Detail::SAxisTick> _TimeTicks(const Detail::SPlotLayout& layout,
                                              const QRect& dirty) const;
    void _DrawSeries(QPainter& painter, const Detail::SPlotLayout& layout, const QRect& dirty,
                     qreal dpr) const;
    void _DrawMarkers(QPainter& painter, const Detail::STrendSeries& series, const QRect& device,
                      int first, int last, qreal dpr) const;

    std::unique_ptr<Detail::STrendState> m_pState;
    QScrollBar* m_pwHScrollBar;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
