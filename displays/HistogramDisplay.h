#pragma once

#include "DataListMode.h"
#include "HistogramDisplayBase.h"
#include "HistogramFeeder.h"

#include <functional>
#include <memory>
#include <vector>

class QImage;
class QPaintDevice;
class QPainter;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

namespace Detail
{
struct SPlotLayout;
struct SPlotScale;
struct SAxisTick;
struct SHistogramBar;
} // namespace Detail

/**
 * A ready histogram: one or more data lists of class counts, each drawn as bars, an outline or
 * a line in the colour and with the label of its SDataListMode. A value axis (linear or
 * logarithmic) on the left, a class axis below, a legend of the labels at the top right.
 *
 * The horizontal scroll bar under the plot pans through the classes when the view is zoomed
 * in. The value zoom lowers the top of the value axis (the bottom stays), so that small classes
 * beside a tall peak become readable; it is a fraction of the whole axis (of its decades on a
 * logarithmic axis), from 1 (everything) down to a thousandth. While the value axis is zoomed, a
 * vertical scroll bar beside the plot, as tall as it, shows the zoom in steps of a tenth (its top
 * is the whole axis, each step down lowers the top by a tenth of it, down to a tenth); moving it
 * sets the zoom to its step. Classes that fall on one device pixel column are drawn as one
 * column showing their largest count, so the cost of a paint is bounded by the width.
 *
 * With the mouse: a rubber band dragged over the plot zooms to its classes and lowers the value
 * axis' top to its top edge; Backspace or a right click goes back one zoom, a double click,
 * Escape or Home shows everything again. A middle-button drag, or a left one with Shift, pans the
 * classes. The wheel zooms the classes around the pointer, with Ctrl the value axis. From the
 * keyboard (the display takes the focus and then shows a frame around the plot): + and -
 * zoom the classes around the middle, Left and Right pan by a tenth of the view (at least a
 * class), Up and Down zoom the value axis in and out, Home resets, Ctrl+C copies. Hovering
 * shows a readout: a crosshair at the middle of the class under the pointer and the top of the
 * bar nearest to it, labelled with the list's name, the class and its count; after a zoom, a pan
 * or new counts it is looked up again where the pointer rests. Shift and the left or right arrow
 * move it from class to class (panning a zoomed view along), Shift and up or down from list to
 * list; it goes when the focus does.
 *
 * Counts as given: negative, NaN and -inf counts are drawn as 0; +inf is drawn full height with
 * a mark on top in the palette's Text colour, and the value axis is scaled from the finite
 * counts; counts up to the largest double scale and label like small ones. On a logarithmic
 * axis, which starts at the decade below the smallest positive count (so that a count of 1 has
 * a height), a count of 0 draws nothing.
 * Lists of different lengths are drawn over the longest one's classes. The tooltip over the plot
 * shows the class and the count of every list at once (the readout shows one). High-resolution
 * wheels and touchpads zoom once their small steps add up to a notch.
 */
class ZRI_EXPORT CHistogramDisplay : public CHistogramDisplayBase
{
    Q_OBJECT

public:
    explicit CHistogramDisplay(QWidget* parent = nullptr);
    ~CHistogramDisplay() override;

    /// Appends a data list; returns its index.
    int AddDataList(const SDataListMode& mode, std::vector<double> counts = {});
    /// Replaces the counts of list `index`; ignored for an index that does not exist.
    void SetCounts(int index, std::vector<double> counts);
    /// Replaces the colour, label and draw mode of list `index`.
    void SetDataListMode(int index, const SDataListMode& mode);
    /// Removes every data list.
    void ClearDataLists();
    int DataListCount() const;
    /// The counts of list `index` as given (empty for an index that does not exist).
    const std::vector<double>& Counts(int index) const;
    const SDataListMode& DataListMode(int index) const;
    /// The number of classes: the length of the longest list.
    int ClassCount() const;

    /// A logarithmic value axis, in decades from that of the smallest positive count.
    void SetLogScale(bool logScale);
    bool IsLogScale() const;
    /// Shows the legend of the list labels (on by default; lists without a label are left out).
    void SetLegendVisible(bool visible);
    bool IsLegendVisible() const;
    /// The class axis labels: class i is labelled offset + i * step (0 and 1 by default).
    void SetClassLabels(double offset, double step);
    /// The label value of class index: offset + index * step.
    double ClassLabel(int index) const;
    /// Axes, legend and the value zoom bar; without them the bars fill the widget, and the value
    /// axis shows the whole range again.
    void SetAxesVisible(bool visible);
    bool AreAxesVisible() const;

    /// Grid lines across the plot at the ticks of both axes, behind the bars; off by default,
    /// and none while the axes are hidden.
    void SetGridVisible(bool visible);
    bool IsGridVisible() const;
    /// The axis titles, each with an optional unit, drawn "Grey value [DN]" under the class
    /// labels and on its side left of the value labels, or the title or the unit alone. The
    /// class unit also heads the CSV's class column. Empty texts leave the title out.
    void SetClassAxisTitle(const QString& title, const QString& unit = QString());
    QString ClassAxisTitle() const;
    QString ClassAxisUnit() const;
    void SetValueAxisTitle(const QString& title, const QString& unit = QString());
    QString ValueAxisTitle() const;
    QString ValueAxisUnit() const;

    /// The first visible class and the number of visible classes (all of them when not zoomed).
    int FirstVisibleClass() const;
    int VisibleClassCount() const;
    /// The shaded span of classes, or (-1, -1) when there is none.
    int ShadedFirst() const;
    int ShadedLast() const;

    /// Where the bars are drawn, in widget coordinates.
    QRect PlotArea() const;
    /// The class under a widget x coordinate, or -1 outside the plot.
    int ClassAt(int x) const;

    /// The value at the top of the value axis as drawn (lowered while the value axis is zoomed)
    /// and at its bottom.
    double ValueAxisTop() const;
    double ValueAxisBottom() const;
    /// The value zoom: the fraction of the whole value axis shown (1 when not zoomed).
    double ValueZoom() const;
    /// Whether the classes or the value axis are zoomed.
    bool IsZoomed() const;
    /// The readout's list and class while it shows, else -1.
    int ReadoutList() const;
    int ReadoutClass() const;
    /// The counts in view as CSV: a header line "class" and the list labels, then a line per
    /// visible class with its label value and each list's count (an empty cell where a list is
    /// shorter or the count is NaN), every number in the shortest form that reads back exactly.
    QString CountsCsv() const;
    /// The class axis in widget coordinates: its x span is that of the plot's classes (the
    /// left edge of the first visible class to the right edge of the last), its y span the row
    /// of class labels under the plot.
    QRect ClassAxisRect() const;

    /// Draws the histogram into target (in the device's units) with painter calls only, so that
    /// SVG, PDF and printers get rectangles and lines, not an image: the view as shown (classes,
    /// value zoom, shaded span, grid, axes, titles, legend), without the readout, the focus
    /// frame and the scroll bars, whose room goes to the plot. It is laid out as a widget of the
    /// target's physical size would be on this screen and scaled to fill it; layouts are at most
    /// 8192 pixels a side. The device must not be painted on already; to draw into a painter of
    /// your own (a page of a report), pass the painter.
    void RenderTo(QPaintDevice& device, const QRectF& target) const;
    void RenderTo(QPainter& painter, const QRectF& target) const;
    /// The picture at size (the widget's when invalid; at most 8192 a side) and device pixel
    /// ratio (1 when not positive and finite, lowered to keep 8192 device pixels a side), as
    /// the screen shows it at that size, without readout, focus frame and scroll bars.
    QImage Picture(const QSize& size = QSize(), qreal dpr = 1.0) const;
    /// Saves the picture or the counts in view, by the file name's suffix: .svg and .pdf drawn
    /// by RenderTo, .csv as CountsCsv(), any image format Qt writes (.png, .jpg, ...) as
    /// Picture(size). A file that was there is replaced only once the new one is complete.
    /// False when the suffix is unknown or the file cannot be written.
    bool Save(const QString& fileName, const QSize& size = QSize()) const;

    /// Shows or hides a list (shown by default; lists added after ClearDataLists are shown): a
    /// hidden one is not drawn, read out, exported or counted in the value axis' range, and its
    /// legend entry is an empty box. The user clicks the legend entry, presses the list's number
    /// key (1 to 9) or checks it in the context menu; dataListVisibilityChanged tells each
    /// change. Ignored for a list that does not exist.
    void SetDataListVisible(int list, bool visible);
    bool IsDataListVisible(int list) const;

    /// A handle through which other threads add counts to the data lists or replace them (see
    /// CHistogramFeeder); what they push is merged once a frame. Clearing the data lists
    /// disconnects the feeders handed out before.
    CHistogramFeeder Feeder();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    /// Shows `count` classes from `first` (clamped to the classes there are); 0 shows all.
    void SetVisibleClasses(int first, int count);
    /// Shows every class again.
    void ZoomOut();
    /// Shades classes first to last (inclusive, either order) behind the bars. Classes start at
    /// 0: the part of a span below 0 is cut off, and a span wholly below 0 shades nothing.
    void SetShadedSpan(int first, int last);
    /// Removes the shaded span.
    void ClearShadedSpan();
    /// Sets the value zoom: the fraction of the whole value axis to show, clamped to 0.001 to
    /// 1; NaN is ignored. Not part of the zoom stack.
    void SetValueZoom(double fraction);
    /// Goes back to the view before the last rubber band zoom; nothing when there is none.
    void ZoomBack();
    /// Shows every class and the whole value axis, and forgets the zoom stack.
    void ResetZoom();
    /// Puts Picture() at the widget's size and ratio and CountsCsv() (as text/csv and plain text)
    /// on the clipboard.
    void CopyToClipboard();

signals:
    /// The visible classes changed: by the scroll bar, the mouse wheel, SetVisibleClasses, or
    /// new counts that change the number of classes of an unzoomed view or end a zoom that no
    /// longer fits.
    void visibleClassesChanged(int first, int count);
    /// The value zoom changed (by the scroll bar, the wheel, a key, a rubber band or
    /// SetValueZoom); top is the value now at the top of the axis. Once per change; while not
    /// zoomed the top follows the counts without this signal.
    void valueZoomChanged(double top);
    /// The readout moved to another list or class: its count as given, or list -1 (and class
    /// -1, count NaN) when it went away.
    void readoutChanged(int list, int classIndex, double count);
    /// A list was shown or hidden, by code or by the user.
    void dataListVisibilityChanged(int list, bool visible);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;

protected slots:
    void _HScrollSlot(int nSliderPos) override;
    void _VScrollSlot(int nSliderPos) override;

private:
    // The bars a list was last drawn with and the view they were gathered for (defined with
    // the drawing code).
    struct SBarCache;

    struct SList
    {
        SDataListMode oMode;
        std::vector<double> vCounts;
        mutable std::shared_ptr<SBarCache> pBars;
    };

    void _DataChanged(int classesBefore);
    // The mouse, the keyboard, focus and leave events come through event(), so that the class's
    // table of virtual functions stays as released; each returns whether it took the event.
    bool _MousePress(QMouseEvent& event);
    void _MouseMove(QMouseEvent& event);
    void _MouseRelease(QMouseEvent& event);
    bool _MouseDoubleClick(QMouseEvent& event);
    bool _KeyPress(QKeyEvent& event);
    void _ZoomClasses(double fraction, double factor);
    void _ShowReadout(const QPoint& at);
    bool _IsShown(const SList& list) const;
    // The legend's entries (labelled lists, a hidden one with an invalid colour) and their lists.
    std::vector<std::pair<QString, QColor>> _LegendEntries(std::vector<int>* lists = nullptr) const;
    // Shows or hides the list whose legend entry is at a point; false when none is there.
    bool _ToggleFromLegend(const QPoint& at);
    void _SetReadout(int list, int classIndex);
    // Moves the readout by keys: along the classes (-1, +1), or across the lists that have its
    // class; the view pans to keep it in sight.
    void _KeyReadout(int along, int across);
    // Makes one change of the view in several steps (classes, value zoom) and moves the readout
    // once, after the last: it never stops at a view that was only on the way.
    void _InOneStep(const std::function<void()>& change);
    // The readout at the last pointer position, for a view or counts that changed under it.
    void _FollowReadout();
    QPoint _ReadoutPoint(const Detail::SPlotLayout& layout, const Detail::SPlotScale& scale) const;
    void _FindRange();
    void _UpdateScrollBars();
    void _PlaceScrollBars();
    Detail::SPlotLayout _Layout() const;
    // The layout of a widget of size, with the room of the scroll bars shown or without them.
    Detail::SPlotLayout _Layout(const QSize& size, bool scrollBars) const;
    // Paints everything but the scroll bars at ratio dpr; the readout and the focus frame only
    // on the screen. dirty: what needs painting around the plot.
    void _Paint(QPainter& painter, const QRect& dirty, const Detail::SPlotLayout& layout, qreal dpr,
                bool screen) const;
    Detail::SPlotScale _Scale() const;
    QString _ToolTip(int x) const;
    std::vector<Detail::SAxisTick> _ClassTicks(const Detail::SPlotLayout& layout) const;
    void _DrawShadedSpan(QPainter& painter, const QRect& device) const;
    const SBarCache& _Bars(const SList& list, int columns) const;
    void _DrawList(QPainter& painter, const SList& list, const QRect& device,
                   const Detail::SPlotScale& scale, qreal dpr) const;
    void _DrawBars(QPainter& painter, const SList& list,
                   const std::vector<Detail::SHistogramBar>& bars, const QRect& device,
                   const Detail::SPlotScale& scale) const;

    // The class was released with these members and this size, which stay as they are: what
    // zooming, panning and the readout keep (value zoom, zoom stack, gesture, readout) lives in a
    // private child object, Detail::CHistogramView (HistogramView.h), made in the constructor
    // and found with findChild.
    std::vector<SList> m_vLists;
    bool m_bLogScale = false;
    bool m_bLegendVisible = true;
    bool m_bAxesVisible = true;
    double m_dClassOffset = 0.0;
    double m_dClassStep = 1.0;
    int m_nFirstVisible = 0;
    int m_nVisibleCount = 0; // 0: all classes
    int m_nValueZoom = 0;    // vertical scroll bar position
    int m_nShadedFirst = -1;
    int m_nShadedLast = -1;
    double m_dHighest = 0.0; // the largest count as drawn
    double m_dLowest = 0.0;  // the smallest positive count
};

class CRangeSlider;

/**
 * Lines a horizontal range slider up with the class axis of a histogram: its track's contents
 * margins are set so that its minimum lies at the left edge of the first visible class and its
 * maximum at the right edge of the last, and its range becomes the visible classes' bounds,
 * FirstVisibleClass() to FirstVisibleClass() + VisibleClassCount(). A value is then the left
 * edge of its class: the span from start to end covers classes start to end - 1 (shade them with
 * SetShadedSpan(start, end - 1)). Both widgets must lie in one window; positions between the
 * ends match within a pixel (exactly where the class edges fall on whole pixels). Call it again
 * after the histogram's view or either widget's geometry changed. A histogram without axes draws
 * its classes to its edges, where a handle cannot reach: its margins stay at 0 there.
 */
ZRI_EXPORT void AlignToClassAxis(CRangeSlider& slider, const CHistogramDisplay& histogram);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
