#pragma once

#include "AxisFormat.h"
#include "FeedHub.h"
#include "PlotPainting.h"
#include "PlotRaster.h"
#include "PlotView.h"
#include "TrendData.h"
#include "TrendDisplay.h"

#include <QElapsedTimer>
#include <QImage>

#include <array>
#include <deque>
#include <limits>
#include <memory>
#include <vector>

class QMenu;
class QRubberBand;
class QScrollBar;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

class CFeedPump;

inline constexpr double kTrendNone = std::numeric_limits<double>::quiet_NaN();

/// The data area as the screen has it, and what it was drawn for: brought up to date by moving
/// it and redrawing the columns that changed, which leaves it exactly as a fresh drawing.
/// Grid lines in a data picture: rows of the picture and absolute grid columns, so that a
/// picture moved by whole columns keeps its vertical lines where a fresh drawing puts them.
struct SGridLines
{
    std::vector<int> vRows;
    std::vector<std::int64_t> vColumns;
    QRgb nColor = 0;
    std::int64_t nFirst = 0; // the grid column at the picture's left when they were made

    bool operator==(const SGridLines& other) const
    {
        return vRows == other.vRows && vColumns == other.vColumns && nColor == other.nColor;
    }
};

struct SScreenRaster
{
    CPlotRaster oRaster;
    bool bValid = false;
    qreal dRatio = 0.0;
    SColumnGrid oGrid;
    SPlotScale oScale;
    SPlotScale oRightScale;
    std::vector<QRgb> vColors; // the background, then every series' colour
    SGridLines oGridLines;
};

/// What the surround of a trend is worked out from; compared exactly, to the bit.
struct SSurroundInputs
{
    QSize oSize;
    qreal dRatio = 0.0;
    SPlotLayout oLayout;
    std::array<double, 6> aEnds{}; // value axis, window and right axis, low and high
    bool bLog = false;
    qint64 nPalette = 0;
    QString sFont;
    bool bAxes = false;
    const CAxisFormat* pTimeFormat = nullptr;
    const CAxisFormat* pValueFormat = nullptr;
    std::vector<std::pair<QString, QColor>> vLegend;
    std::array<QString, 3> aTitles; // value, time and right axis, as drawn
    bool bGrid = false;
    SColumnGrid oGrid; // the grid lines' columns, also where the window's ends are one double

    bool operator==(const SSurroundInputs& other) const
    {
        return oSize == other.oSize && dRatio == other.dRatio && oLayout == other.oLayout &&
               aEnds == other.aEnds && bLog == other.bLog && nPalette == other.nPalette &&
               sFont == other.sFont && bAxes == other.bAxes && pTimeFormat == other.pTimeFormat &&
               pValueFormat == other.pValueFormat && vLegend == other.vLegend &&
               aTitles == other.aTitles && bGrid == other.bGrid && oGrid == other.oGrid;
    }
};

/// A level marker: a line across the plot at a value, with a label at its right end.
struct STrendLevel
{
    double dValue;
    QString sLabel;
    QColor oColor;
    bool bRight = false; // on the right value axis
};

struct STrendSeries
{
    QString sName;
    QColor oColor;
    ETrendDisplayMarker eMarker = TrendMarkerNone;
    bool bVisible = true; // shown, or hidden from its legend entry
    bool bRight = false;  // drawn and read out against the right value axis
    CSampleRing oRing;
    CColumnCache oCache;
    EFeedOverload eOverload = FeedBlock; // what its feeders do with a full queue
    std::uint64_t nDropped = 0;          // samples feeders dropped
    std::uint64_t nReported = 0;         // the total samplesDropped last told
    std::deque<double> dqLosses;         // where they were lost, oldest first (a bounded number)
};

/// What a trend keeps and derives; the derived part (layout, grids, the shown scale) is brought
/// up to date by Sync, from the samples and settings alone.
struct STrendState
{
    explicit STrendState(const CTrendDisplay& owner, const QScrollBar& scroll)
        : rOwner(owner), rScroll(scroll)
    {
    }

    /// The size the trend is laid out for: the widget's, or the picture's while exporting.
    QSize Size() const { return oExportSize.isEmpty() ? rOwner.size() : oExportSize; }
    SPlotLayout Layout();
    std::pair<double, double> TimeSpan() const;
    SColumnGrid Grid(qreal dpr);
    void Sync(qreal dpr);
    void _Sync(qreal dpr);
    /// The automatic scale of the series on the left axis, or on the right one.
    SPlotScale AutoScale(bool right = false);
    std::vector<SAxisTick> ValueTicks();
    /// Whether a series is on the right axis, which is shown while one is.
    bool HasRightAxis() const;
    std::vector<SAxisTick> RightTicks();
    /// The scale a series is drawn against.
    const SPlotScale& Scale(const STrendSeries& series) const
    {
        return series.bRight ? oRightShown : oShown;
    }
    std::vector<SAxisLabel> TimeLabels(qreal dpr);
    std::vector<SAxisTick> TimeTicks(qreal dpr, const std::vector<SAxisLabel>& labels);
    /// The value ticks and time labels, measured once for the surround and the grid; none while
    /// neither axes nor grid show.
    struct STicks
    {
        std::vector<SAxisTick> vValue;
        std::vector<SAxisLabel> vTime;
        std::vector<SAxisTick> vRight;
    };
    STicks Ticks(qreal dpr);
    /// The grid lines of the plot at the ticks (none while the grid is off).
    SGridLines GridLines(qreal dpr, const STicks& ticks);
    /// The legend: the named series, a hidden one with an invalid colour; and the series of
    /// each entry.
    std::vector<std::pair<QString, QColor>> Legend() const;
    std::vector<int> LegendSeries() const;
    /// The series whose legend entry is at a point (widget pixels), or -1.
    int LegendSeriesAt(const QPoint& at);
    /// The axis titles as drawn: value, time, right.
    std::array<QString, 3> Titles() const;
    void Invalidate();
    SPlotSurround Surround(qreal dpr, const STicks& ticks);
    void DrawColumns(CPlotRaster& raster, int first, const SGridLines& grid);
    QRect RefreshScreenRaster(qreal dpr);
    bool RefreshScreen(qreal dpr, QRect& changed);
    /// Draws everything but the readout and the focus frame afresh, the data area through the
    /// raster as on screen.
    void PaintPicture(QPainter& painter, qreal dpr);
    /// The same with QPainter calls only, for vector devices (SVG, PDF, printers): each series'
    /// reduction as one path, as many columns as the plot is wide at ratio 1.
    void PaintVector(QPainter& painter);
    void DrawMarkers(QPainter& painter, qreal dpr) const;
    void DrawLosses(QPainter& painter) const;
    void DrawLevels(QPainter& painter) const;
    void DrawReadout(QPainter& painter) const;
    /// The readout's series while it has one and its sample is still kept; else -1.
    int Readout() const;
    /// The real sample nearest to a point of the plot (widget pixels), as {series, sample};
    /// series -1 when no sample lies in the window.
    std::pair<int, std::uint64_t> Nearest(const QPoint& at);
    /// Where a key moves the readout: along its series to the previous (-1) or next (+1) sample
    /// with a value, or across to the previous or next shown series, at its sample nearest in
    /// time. Without a readout, the sample nearest the plot's centre.
    std::pair<int, std::uint64_t> KeyReadout(int along, int across);
    const CAxisFormat& TimeFormat() const;

    const CTrendDisplay& rOwner;
    const QScrollBar& rScroll;
    std::vector<STrendSeries> vSeries;
    std::vector<STrendLevel> vLevels;
    std::size_t nCapacity = 100000;
    double dWindow = 60.0;
    bool bFollow = true;
    double dEnd = 60.0; // the window's end while not following
    bool bAuto = true;
    SPlotScale oFixed;
    bool bAxes = true;
    std::shared_ptr<const CAxisFormat> pTimeFormat;
    std::shared_ptr<const CAxisFormat> pValueFormat;
    bool bGrid = false;
    QString sTimeTitle; // axis titles and units
    QString sTimeUnit;
    QString sValueTitle;
    QString sValueUnit;
    // The right value axis: like the left one; zooms and pans move both together.
    bool bRightAuto = true;
    SPlotScale oRightFixed;
    QString sRightTitle;
    QString sRightUnit;
    SGridLines oGridLines;    // what the surround inputs last gave
    double dScrollUnit = 1.0; // time per step of the scroll bar
    double dScrollOrigin = 0.0;
    double dShownStart = kTrendNone; // the window last announced by windowChanged
    double dShownEnd = kTrendNone;
    bool bFramePending = false;
    // Zoom and pan: the settings before the first zoom, the views to go back to, the gesture.
    struct SHome
    {
        double dWindow;
        bool bFollow;
        double dEnd;
        bool bAuto;
        SPlotScale oFixed;
        bool bRightAuto;
        SPlotScale oRightFixed;
    };
    bool bInteractive = true;
    bool bZoomed = false;
    SHome oHome{};
    std::vector<SPlotView> vBack;
    using EGesture = EPlotGesture;
    EGesture eGesture = EGesture::None;
    QPoint oPressed; // where the gesture began
    QPoint oLast;    // where a pan was last
    QRubberBand* pwBox = nullptr;
    bool bRightClickZoomed = false;   // the last right click went back one zoom
    int nReadout = -1;                // the readout's series, -1 for none
    std::uint64_t nReadoutSample = 0; // its sample in the series' ring
    std::array<double, 6> aShownView{kTrendNone, kTrendNone, kTrendNone,
                                     kTrendNone, kTrendNone, kTrendNone};
    std::shared_ptr<CTrendFeedHub> pFeedHub; // while feeders were handed out
    CFeedPump* pFeedPump = nullptr;
    bool bLossesChanged = false;
    EFeedOverload eOverload = FeedBlock; // for series added later
    QElapsedTimer oDropReport;           // since samplesDropped was last sent
    bool bDropReportDue = false;         // a report waits for its second to be over
    // Derived.
    bool bSynced = false;                      // false after anything Sync's check can't see
    SColumnGrid oSyncedGrid;                   // what the last Sync saw: the grid,
    std::vector<std::uint64_t> vSyncedSamples; // and each ring's first and end sample
    SColumnDrawing oDrawing;                   // buffers kept from paint to paint
    SPlotSurround oSurround;                   // what oSurroundPicture shows
    SSurroundInputs oSurroundInputs;           // what oSurround was worked out from
    QImage oSurroundPicture;
    SScreenRaster oScreen;
    SPlotLayout oLayout;
    bool bLayoutValid = false;
    QSize oLayoutSize;    // the size oLayout was made for
    int nValueLabels = 0; // width of the value labels the layout was made for
    int nRightLabels = 0; // and of the right axis' labels
    SPlotScale oShown;
    SPlotScale oRightShown;
    QSize oExportSize; // while a picture of another size is drawn (CExportScope)
};

/// The trend's context menu, a child of the trend: zoom back, show all, follow (while
/// interactive), copy, save the picture, save the samples.
QMenu* TrendMenu(CTrendDisplay& trend);

/// Lays a trend out for a picture of another size than its widget's while it lives, with
/// column caches of its own, and puts back what the screen uses when it ends.
class CExportScope
{
public:
    CExportScope(STrendState& state, const QSize& size);
    ~CExportScope();
    CExportScope(const CExportScope&) = delete;
    CExportScope& operator=(const CExportScope&) = delete;

private:
    STrendState& m_rState;
    std::vector<CColumnCache> m_vCaches;
    SPlotScale m_oShown;
    SPlotScale m_oRightShown;
    int m_nValueLabels;
    int m_nRightLabels;
    SPlotLayout m_oLayout;
    QSize m_oLayoutSize;
    bool m_bLayoutValid;
    bool m_bSynced;
    SColumnGrid m_oSyncedGrid;
    std::vector<std::uint64_t> m_vSyncedSamples;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
