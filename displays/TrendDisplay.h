#pragma once

#include "AxisFormat.h"
#include "TrendDisplayBase.h"
#include "TrendDisplayMarker.h"
#include "TrendFeeder.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QString>

#include <cstddef>
#include <memory>
#include <vector>

class QPaintDevice;
class QPainter;
class QRectF;
class QScrollBar;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

namespace Detail
{
struct STrendState;
struct SPlotView;
} // namespace Detail

/**
 * A ready trend: one or more series of (time, value) samples, each kept in a ring buffer of
 * bounded capacity, drawn as lines over a time window with a value axis at the left and a time
 * axis below.
 *
 * While it follows, the window starts at the oldest sample until the samples fill it, then ends
 * at the newest one and scrolls with it; before the first sample it shows 0 to the window's
 * width. The user drags the horizontal scroll bar back (or code calls ScrollTo) to look at the
 * history; dragging it to its end, or FollowNewest(), follows again.
 *
 * Live data: Append only stores the sample. Once per turn of the event loop the trend takes all
 * samples that arrived, moves its window and scroll bar, sends windowChanged and repaints the
 * whole picture once, so what is on screen is always what a fresh paint shows, at any rate of
 * appends. Each series is reduced to its smallest and largest value per device pixel column,
 * and the reduction is kept and extended as samples arrive, so a paint costs in proportion to
 * the width, not to the number of samples.
 *
 * Input: times must be finite and must not decrease within a series; Append refuses others
 * (returns false) and keeps everything else. Equal times are accepted. A NaN or infinite value
 * is stored and leaves a gap in the line. Axes work relative to the window, so Unix seconds,
 * nanoseconds since 1970 and large counters plot and label like small numbers; tick labels that
 * would overlap are left out. The value axis has no scroll bar of its own: _VScrollSlot is not
 * connected and does nothing.
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
    /// Shows or hides a series (shown by default): a hidden one is not drawn, read out, exported
    /// or counted in the automatic value axis, and its legend entry is greyed. The user clicks
    /// a legend entry, presses the series' number key (1 to 9) or checks it in the context
    /// menu; seriesVisibilityChanged tells each change.
    void SetSeriesVisible(int series, bool visible);
    bool IsSeriesVisible(int series) const;
    /// Removes every series and its samples.
    void RemoveAllSeries();

    /// Stores one sample. False, and nothing changed, when the series does not exist, the time
    /// is not finite or the time is older than the series' newest sample. Cheap: the picture,
    /// the window and windowChanged follow once per turn of the event loop.
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
    /// How the time axis places and labels its ticks: plain numbers by default, or for example
    /// a CWallClockFormat for seconds since 1970. Null restores the default.
    void SetTimeAxisFormat(std::shared_ptr<const CAxisFormat> format);
    std::shared_ptr<const CAxisFormat> TimeAxisFormat() const;
    /// How the value axis labels its ticks; null restores the default.
    void SetValueAxisFormat(std::shared_ptr<const CAxisFormat> format);
    std::shared_ptr<const CAxisFormat> ValueAxisFormat() const;

    /// Grid lines across the plot at the ticks of both axes, behind the lines; off by default.
    void SetGridVisible(bool visible);
    bool IsGridVisible() const;
    /// The axis titles, each with an optional unit: drawn "Pressure [bar]" beside its axis (the
    /// value axis' turned on its side, under the time labels the time axis'), or the title or
    /// the unit alone. The units also head the CSV's columns and follow the values screen
    /// readers hear. Empty texts leave the title out and give the plot the room.
    void SetTimeAxisTitle(const QString& title, const QString& unit = QString());
    QString TimeAxisTitle() const;
    QString TimeAxisUnit() const;
    void SetValueAxisTitle(const QString& title, const QString& unit = QString());
    QString ValueAxisTitle() const;
    QString ValueAxisUnit() const;

    /// A second value axis at the right, for series in another unit (pressure 0 to 10 beside
    /// temperature 0 to 100). A series put on it is drawn, marked and read out against it; the
    /// axis shows (ticks in plain numbers, its title like the left one's) while a series is on
    /// it, shown or hidden. It fits its own series on round numbers, or shows a fixed range
    /// (either order; a NaN or empty range is ignored). Zoom and pan move both axes together:
    /// a box zoom shows the box's rows on each. The grid follows the left axis, and so do level
    /// markers unless SetLevelOnRightAxis puts them on this one.
    void SetSeriesOnRightAxis(int series, bool right);
    bool IsSeriesOnRightAxis(int series) const;
    void SetRightValueRange(double min, double max);
    void SetRightAutoRange();
    bool IsRightAutoRange() const;
    /// The right axis as it is drawn now.
    double RightValueMin() const;
    double RightValueMax() const;
    void SetRightAxisTitle(const QString& title, const QString& unit = QString());
    QString RightAxisTitle() const;
    QString RightAxisUnit() const;

    /// A level marker (an alarm limit, say): a line across the plot at value in color, with
    /// label at its right end, drawn while the value axis holds it. Returns its index, or -1
    /// (nothing added) for a value that is not finite.
    int AddLevel(double value, const QString& label, const QColor& color);
    int LevelCount() const;
    /// Measures a level against the right value axis (while one shows) instead of the left.
    void SetLevelOnRightAxis(int level, bool right);
    void RemoveLevels();

    /// Where the lines are drawn, in widget coordinates.
    QRect PlotArea() const;

    /// A handle through which other threads feed the series (see CTrendFeeder). What they push
    /// is taken once a frame and stored as Append stores it; a sample older than its series'
    /// newest is refused then. Removing all series disconnects the feeders handed out before.
    CTrendFeeder Feeder();
    /// What feeders do when a series' queue is full because the display has not taken its
    /// samples for a while: FeedBlock for at most 0.1 s by default. For one series, or with
    /// -1 for all of them and those added later.
    void SetFeedOverload(EFeedOverload overload, double blockSeconds = 0.1, int series = -1);
    /// How many samples of a series feeders dropped (queue full); each loss is marked at the
    /// top of the plot where it happened.
    qulonglong DroppedSamples(int series) const;

    /// Zoom and pan with the mouse and the keyboard (on by default). The mouse: drag a box to
    /// zoom into it, drag with the middle button (or Shift and the left one) to pan, turn the
    /// wheel to zoom around the pointer (with Ctrl only the values), a right click goes back
    /// one box, a double click shows the whole again. The keyboard: + and - zoom, the arrows
    /// pan, Backspace goes back, Home or Escape shows the whole, F follows the newest sample.
    /// A zoom or pan stops following; FollowNewest() follows again at the zoomed width.
    void SetInteractive(bool interactive);
    bool IsInteractive() const;
    /// Whether the user or ZoomTo changed the view from what the settings give.
    bool IsZoomed() const;
    /// Shows times start to end and values low to high (either order), like a box zoom.
    void ZoomTo(double start, double end, double low, double high);
    /// The readout: while the pointer is over the plot (interactive), a crosshair and a label
    /// show the real sample nearest to it, whatever the zoom: the series, the time (in the time
    /// axis' format) and the value. From the keyboard, Shift and the left or right arrow move
    /// it to the series' previous or next sample (the view pans to keep it in sight), Shift
    /// and up or down to the next or previous shown series; it goes when the focus does.
    /// ReadoutSeries() is -1 while there is none.
    int ReadoutSeries() const;
    QPointF ReadoutSample() const;
    /// The samples in view (the zoomed view when zoomed) as CSV for a spreadsheet: a line
    /// "time,<series name>,..." and a line per time in order with each series' value there, or
    /// an empty cell (no sample of the series at that time, or a gap). Numbers in the shortest
    /// form that reads back as the same double.
    QString SamplesCsv() const;
    /// Puts the picture and SamplesCsv() on the clipboard (an image, text/csv and plain text);
    /// Ctrl+C does it too.
    void CopyToClipboard();
    /// Draws the trend into target (in the device's units) with painter calls only, so that
    /// SVG, PDF and printers get lines, not an image: each series as the same reduction the
    /// screen shows (a path through the smallest and largest value of each column), the grid,
    /// the axes, titles, legend, levels and sample markers; no readout, no focus frame. It is
    /// laid out as a widget of the target's physical size would be on this screen (a target
    /// 1200 units wide on a 1200 dpi device is laid out 96 pixels wide at 96 dpi) and scaled to
    /// fill it; layouts are at most 8192 pixels a side. The device must not be painted on
    /// already; to draw into a painter of your own (a page of a report), pass the painter.
    void RenderTo(QPaintDevice& device, const QRectF& target) const;
    void RenderTo(QPainter& painter, const QRectF& target) const;
    /// The picture at size (the widget's when invalid; at most 8192 a side) and device pixel
    /// ratio, as a fresh paint of a widget of that size shows it, without readout and focus.
    QImage Picture(const QSize& size = QSize(), qreal dpr = 1.0) const;
    /// Saves the picture or the samples in view, by the file name's suffix: .svg and .pdf as
    /// lines (RenderTo), .csv as SamplesCsv(), any image format Qt writes (.png, .jpg, ...) as
    /// Picture(size). A file that was there is replaced only once the new one is complete.
    /// False when the suffix is unknown or the file cannot be written.
    bool Save(const QString& fileName, const QSize& size = QSize()) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    /// The view before the last box zoom (or ZoomTo); before the first one, ResetZoom().
    void ZoomBack();
    /// The view the settings give, following again if the window did before the zoom.
    void ResetZoom();
    /// Shows the window that ends at `endTime` and stops following the newest sample.
    void ScrollTo(double endTime);
    /// Follows the newest sample again.
    void FollowNewest();

signals:
    /// The shown time window moved or changed its width.
    void windowChanged(double start, double end);
    /// Feeders dropped samples of a series: the total since the series was added. At most once
    /// a second, and always after the last loss.
    void samplesDropped(int series, qulonglong total);
    /// The shown view changed: times start to end, values low to high (of the left axis; also
    /// sent when only the right axis changed). For every change, by the user, by code or by new
    /// samples.
    void viewChanged(double start, double end, double low, double high);
    /// The readout shows another sample (series -1, time and value NaN: none).
    void readoutChanged(int series, double time, double value);
    /// A series was shown or hidden, by code or by the user.
    void seriesVisibilityChanged(int series, bool visible);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void customEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

protected slots:
    void _HScrollSlot(int nSliderPos) override;
    void _VScrollSlot(int nSliderPos) override;

private:
    bool _DrainFeeds(int discard);
    void _ReportDrops();
    void _ScheduleFrame();
    void _Reconfigured();
    void _Frame();
    void _EmitWindowChanged();
    void _ShowView(const Detail::SPlotView& view, bool remember);
    void _ShowReadout(const QPoint& at);
    void _SetReadout(const std::pair<int, std::uint64_t>& readout);
    void _KeyReadout(int along, int across);
    void _UpdateScrollBar();
    void _PlaceScrollBar();

    std::unique_ptr<Detail::STrendState> m_pState;
    QScrollBar* m_pwHScrollBar;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
