// The histogram and the trend as an application uses them: scales and labels for data of every
// size, bars and lines at worked-out pixels, live feeding, zoom, pan and what a screen reader
// hears.
#include "AxisFormat.h"
#include "HistogramDisplay.h"
#include "HistogramView.h"
#include "PlotPainting.h"
#include "PlotRaster.h"
#include "RangeSlider.h"
#include "TestSupport.h"
#include "TrendData.h"
#include "TrendDisplay.h"

#include <QAccessible>
#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QHelpEvent>
#include <QMap>
#include <QMenu>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>
#include <QtMath>

#include <climits>
#include <cmath>
#include <limits>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const QColor kBars(200, 0, 0);
const QColor kLine(0, 150, 0);

QImage Render(QWidget& widget, qreal dpr)
{
    QImage image(QSize(qCeil(widget.width() * dpr), qCeil(widget.height() * dpr)),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(QColor(16, 32, 48));
    widget.render(&image);
    return image;
}

SDataListMode Mode(EHistogramDrawMode mode, const char* label = "",
                   const QColor& color = QColor(200, 0, 0))
{
    SDataListMode list;
    list.m_oColor = Varo::Fenra::Color::CRGBColor<unsigned char>(
        static_cast<unsigned char>(color.red()), static_cast<unsigned char>(color.green()),
        static_cast<unsigned char>(color.blue()));
    list.m_eDisplayMode = mode;
    list.m_sLabel = label;
    return list;
}

// Letters of the pixels at "x,y ...": B base, S bars of the list, T text, '.' anything else.
QString Probe(const QImage& image, const QString& points)
{
    const QColor base = QGuiApplication::palette().color(QPalette::Base);
    const QColor text = QGuiApplication::palette().color(QPalette::Text);
    QString letters;
    for (const QString& point : points.split(' '))
    {
        const QColor colour =
            image.pixelColor(point.section(',', 0, 0).toInt(), point.section(',', 1, 1).toInt());
        letters += colour == base ? 'B' : colour == kBars ? 'S' : colour == text ? 'T' : '.';
    }
    return letters;
}

// Whether the band under the plot's bottom ticks shows exactly these labels, each centred on
// its x as far as the widget's width allows: every text, none left over, cut or doubled.
bool BottomLabelsShow(QWidget& widget, const QRect& plot, const QList<QPair<QString, int>>& labels)
{
    QImage shown(widget.size(), QImage::Format_RGB32); // the widget alone, no scroll bars
    widget.render(&shown, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    const int top = plot.bottom() + 2 + 4;
    const int height = widget.fontMetrics().height();
    QImage band = shown.copy(0, top, shown.width(), height);
    band.fill(QGuiApplication::palette().color(QPalette::Window));
    QPainter painter(&band);
    painter.setFont(widget.font());
    painter.setPen(QGuiApplication::palette().color(QPalette::Text));
    for (const auto& label : labels)
    {
        const int width = painter.fontMetrics().horizontalAdvance(label.first);
        QRect rect(label.second - width / 2, 0, width + 1, painter.fontMetrics().height());
        rect.moveRight(qMin(rect.right(), band.width() - 1));
        rect.moveLeft(qMax(rect.left(), 0));
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop, label.first);
    }
    return band == shown.copy(0, top, shown.width(), height);
}

// What a shown widget has on screen once it handled its frame and the repaint it asked for.
QImage Screen(QWidget& widget)
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return QGuiApplication::primaryScreen()
        ->grabWindow(widget.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// A drag with button from one point to another, in one move.
void Drag(QWidget& widget, Qt::MouseButton button, Qt::KeyboardModifiers keys, QPoint from,
          QPoint to)
{
    QTest::mousePress(&widget, button, keys, from);
    QMouseEvent move(QEvent::MouseMove, to, widget.mapToGlobal(to), Qt::NoButton, button, keys);
    QApplication::sendEvent(&widget, &move);
    QTest::mouseRelease(&widget, button, keys, to);
}

void Hover(QWidget& widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, {}, {});
    QApplication::sendEvent(&widget, &move);
}

// A menu's entries, "-" before a disabled one, separators empty: "Zoom back,,-Copy".
QString Entries(QMenu* menu)
{
    QStringList entries;
    for (QAction* action : menu ? menu->actions() : QList<QAction*>())
        entries << (action->isEnabled() ? "" : "-") + action->text();
    return entries.join(',');
}

// What a screen reader hears of a widget.
QString Heard(QWidget& widget)
{
    return QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Description);
}

// The topmost and bottommost rows that differ from the background in one column; (-1, -1) when
// the column is empty.
QPair<int, int> LitRows(const QImage& image, int x, QRgb background)
{
    QPair<int, int> rows(-1, -1);
    for (int y = 0; y < image.height(); ++y)
    {
        if (image.pixel(x, y) != background)
        {
            rows.first = rows.first < 0 ? y : rows.first;
            rows.second = y;
        }
    }
    return rows;
}

// 200 x 100 pixels without axes showing times 0 to 200 and values 0 to 10 (a column a time
// unit, ten rows a value), with the sawtooth t % 10 at the times 0 to 199 in series 0.
void Sawtooth(CTrendDisplay& trend)
{
    trend.SetAxesVisible(false);
    trend.resize(200, 100);
    trend.SetTimeWindow(200);
    trend.SetValueRange(0, 10);
    const int series = trend.AddSeries("a", kLine);
    for (int t = 0; t < 200; ++t)
        trend.Append(series, t, t % 10);
    trend.ScrollTo(200);
}

// A trend like `trend` (size, font, window, value axis, series) given its kept samples at once:
// the picture it renders is what the kept reduction of `trend` must show.
bool SameAsFresh(CTrendDisplay& trend)
{
    trend.clearFocus(); // a fresh one has no focus frame
    CTrendDisplay fresh;
    fresh.setFont(trend.font());
    fresh.resize(trend.size());
    fresh.SetTimeWindow(trend.TimeWindow());
    fresh.SetValueRange(trend.ValueMin(), trend.ValueMax());
    for (int series = 0; series < trend.SeriesCount(); ++series)
    {
        fresh.AddSeries(trend.SeriesName(series), trend.SeriesColor(series));
        for (std::size_t i = 0; i < trend.SampleCount(series); ++i)
        {
            fresh.Append(series, trend.Sample(series, i).x(), trend.Sample(series, i).y());
        }
    }
    if (!trend.IsFollowing())
    {
        fresh.ScrollTo(trend.WindowEnd());
    }
    return Render(trend, 1.0) == Render(fresh, 1.0);
}

// Counts the paint events of a widget that reach into a rectangle (its plot, say).
class CPaintSpy : public QObject
{
public:
    explicit CPaintSpy(const QRect& watched) : m_oWatched(watched) {}

    int m_nCount = 0;
    QRect m_oWatched;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
        {
            m_nCount += static_cast<QPaintEvent*>(event)->rect().intersects(m_oWatched);
        }
        return false;
    }
};

} // namespace

class CDisplaysTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QApplication::setPalette(ZriTest::TestPalette()); }

    // Value axes for data of every size on a plot of 101 rows (0 at the top): each tick's label
    // and the row it stands on, "label@row". Labels have just the digits that tell neighbours
    // apart, even for Unix seconds, nanoseconds since 1970 and the largest doubles.
    void scaleTicks_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<int>("maxTicks");
        QTest::addColumn<bool>("log");
        QTest::addColumn<QString>("ticks");
        const auto row =
            [](const char* tag, double low, double high, int maxTicks, bool log, const char* ticks)
        { QTest::newRow(tag) << low << high << maxTicks << log << QString(ticks); };
        // Ends rounded outwards to whole steps of 1, 2 or 5 times a power of ten.
        row("0 to 97", 0, 97, 5, false, "0@100 20@80 40@60 60@40 80@20 100@0");
        row("either order", 97, 0, 5, false, "0@100 20@80 40@60 60@40 80@20 100@0");
        row("small, negative", -0.13, 0.42, 5, false, "-0.2@100 0.0@75 0.2@50 0.4@25 0.6@0");
        row("counter", 12345671, 12345689, 4, false,
            "12345670@100 12345675@75 12345680@50 12345685@25 12345690@0");
        // Constant data: one step of the value's size either side.
        row("constant", 3, 3, 5, false, "2.0@100 2.5@75 3.0@50 3.5@25 4.0@0");
        row("constant 0", 0, 0, 5, false, "-0.2@100 -0.1@75 0.0@50 0.1@25 0.2@0");
        row("Unix seconds", 1.7e9, 1.7e9 + 60, 3, false,
            "1700000000@100 1700000020@67 1700000040@33 1700000060@0");
        // Doubles 256 apart: steps no finer than they are, digits enough to differ.
        row("nanoseconds since 1970", 1.7e18, 1.7e18 + 1e4, 4, false,
            "1.7e+18@100 1.700000000000005e+18@49 1.70000000000001e+18@0");
        row("a few doubles wide", 1.7e18, 1.7e18 + 1000, 5, false, "1.7e+18@100");
        row("largest doubles", 0, 1.7e308, 5, false, "0@100 5e+307@71 1e+308@41 1.5e+308@12");
        row("whole double range", -1.7e308, 1.7e308, 4, false, "-1e+308@79 0@50 1e+308@21");
        row("one tick up to the largest double", -48.6, 1.7e308, 1, false, "-1e+308@100 0@63");
        // Logarithmic: from the decade below the smallest count, the top decade labelled.
        row("log from 1", 1, 1000, 5, true, "0.1@100 1@75 10@50 100@25 1000@0");
        row("log from 3", 3, 2500, 5, true, "1@100 10@75 100@50 1000@25 10000@0");
        row("log, every fifth decade", 1, 1e12, 3, true, "0.1@100 10000@62 1000000000@23");
        row("log to the largest double", 1, 1.7e308, 5, true,
            "0.1@100 1e+61@80 1e+123@60 1e+185@40 1e+247@20");
    }

    void scaleTicks()
    {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(int, maxTicks);
        QFETCH(bool, log);
        const Detail::SPlotScale scale =
            log ? Detail::NiceLogScale(low, high) : Detail::NiceLinearScale(low, high, maxTicks);
        QStringList ticks;
        for (const Detail::SAxisTick& tick :
             Detail::ValueTicks(scale, QRect(0, 0, 10, 101), maxTicks))
        {
            ticks << QStringLiteral("%1@%2").arg(tick.sText).arg(tick.nPos);
        }
        QTEST(ticks.join(' '), "ticks");
    }

    // Wall-clock labels from 2023-11-15 01:00:00 UTC: whole minutes without seconds, fractions
    // of a second with the decimals their step needs, a readout's text to a resolution.
    void wallClockLabels_data()
    {
        ZriTest::AddRows(
            {"ticks", "labels"}, // "from to count" ticks, "from resolution" a readout's text
            {{"a minute a tick", "30 270 4", "01:01 01:02 01:03 01:04"},
             {"a second a tick", "0.5 4.5 4", "01:00:01 01:00:02 01:00:03 01:00:04"},
             {"half seconds", "0.2 2.2 4", "01:00:00.5 01:00:01.0 01:00:01.5 01:00:02.0"},
             {"tenths", "0.05 0.35 3", "01:00:00.1 01:00:00.2 01:00:00.3"},
             {"readout to hundredths", "0.25 0.01", "2023-11-15 01:00:00.25"},
             {"readout without a resolution", "0.25 0", "2023-11-15 01:00:00.250"}});
    }
    void wallClockLabels()
    {
        QFETCH(QString, ticks);
        const QStringList in = ticks.split(' ');
        const double base = 1700010000.0, from = base + in[0].toDouble();
        const CWallClockFormat format(Qt::UTC);
        QStringList labels;
        if (in.size() == 2)
            labels << format.Text(from, in[1].toDouble());
        else
            for (const SAxisLabel& label :
                 format.Ticks(from, base + in[1].toDouble(), in[2].toInt()))
                labels << label.sText;
        QTEST(labels.join(' '), "labels");
    }

    // A 160 x 100 histogram without axes: 16 classes are 10 columns each (20 at ratio 2), and
    // a count of 50 on a 0 to 100 axis is 50 rows high, from row 50 to the bottom.
    void histogramBars_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<std::vector<double>>("counts");
        QTest::addColumn<bool>("log");
        QTest::addColumn<QString>("points");
        QTest::addColumn<QString>("expected");
        const std::vector<double> sixteen = {0, 0, 0, 50, 0, -5, kNaN, 100, 0, 0, 0, 0, 0, 0, 0, 0};
        const auto row = [](const char* tag, int mode, qreal dpr, std::vector<double> counts,
                            bool log, const char* points, const char* expected)
        { QTest::newRow(tag) << mode << dpr << counts << log << points << expected; };
        // Class 3: columns 30 to 39, rows 50 to 99; class 7 full height; -5 and NaN draw nothing.
        row("bars", HistogramBars, 1.0, sixteen, false,
            "30,50 39,99 30,49 29,99 40,99 70,0 79,99 55,99 65,99", "SSBBBSSBB");
        row("bars at ratio 2", HistogramBars, 2.0, sixteen, false,
            "60,100 79,199 60,99 59,199 80,199 140,0", "SSBBBS");
        row("bars at ratio 1.5", HistogramBars, 1.5, sixteen, false, "45,75 59,149 45,74 44,149",
            "SSBB");
        // Neighbours rising and falling share the rows they both fill: each keeps its own top.
        row("steps", HistogramBars, 1.0, {20, 60, 40, 60, 20, 0, 80, 0, 0, 0, 0, 0, 0, 0, 0, 100},
            false,
            "5,80 5,79 15,40 15,39 20,60 29,60 25,59 35,40 35,39 45,80 45,79 55,99 60,20 "
            "69,20 65,19 70,99",
            "SBSBSSBSBSBBSSBB");
        // The outline runs along the top of the bar and leaves its inside alone.
        row("outline", HistogramOutline, 1.0, sixteen, false, "30,50 39,50 35,49 35,75", "SSBB");
        // The line passes through the middle column of each class's top.
        row("line", HistogramLine, 1.0, sixteen, false, "34,50 34,49 34,75", "SBB");
        // Decades 0.1 to 1000 over 100 rows: 1 is 25 rows high, 10 50, 100 75.
        row("logarithmic", HistogramBars, 1.0, {1, 10, 100, 1000}, true,
            "20,75 20,74 60,50 60,49 100,25 100,24 140,0", "SBSBSBS");
        // An infinite count stands full height under a mark, the finite ones scale as without
        // it; counts up to the largest double draw like small ones.
        row("infinite", HistogramBars, 1.0, {10, kInf, 5, 0}, false,
            "20,0 60,1 60,3 100,49 100,50 140,99", "STSBSB");
        row("largest doubles", HistogramBars, 1.0, {1.7e308, 0.85e308}, false, "40,0 120,50 120,49",
            "SSB");
        // 65,536 classes share 160 columns: class 40,000 lands on column 97, alone.
        std::vector<double> wide(65536, 0.0);
        wide[40000] = 8;
        row("65536 classes", HistogramBars, 1.0, wide, false, "97,0 97,99 96,99 98,99", "SSBB");
        row("all zeros", HistogramBars, 1.0, std::vector<double>(16, 0.0), false, "0,99 159,99",
            "BB");
        row("empty", HistogramBars, 1.0, {}, true, "0,0 159,99", "BB");
    }

    void histogramBars()
    {
        QFETCH(int, mode);
        QFETCH(qreal, dpr);
        QFETCH(std::vector<double>, counts);
        QFETCH(bool, log);
        QFETCH(QString, points);
        CHistogramDisplay histogram;
        histogram.SetAxesVisible(false);
        histogram.resize(160, 100);
        histogram.SetLogScale(log);
        histogram.AddDataList(Mode(EHistogramDrawMode(mode)), counts);
        histogram.AddDataList(Mode(HistogramBars), {}); // a shorter list changes nothing
        QCOMPARE(histogram.PlotArea(), QRect(0, 0, 160, 100));
        QTEST(Probe(Render(histogram, dpr), points), "expected");
    }

    // The application zooms, the user pans with the scroll bar; the shaded span follows the
    // classes, the tooltip tells class and count, new counts that change the view say so, a
    // dark palette darkens the plot.
    void histogramView()
    {
        CHistogramDisplay histogram;
        histogram.SetAxesVisible(false);
        histogram.resize(160, 100);
        std::vector<double> counts(16, 10.0);
        counts[9] = 40;
        histogram.AddDataList(Mode(HistogramBars, "Red"), counts);
        QSignalSpy spy(&histogram, &CHistogramDisplay::visibleClassesChanged);
        auto* pan = histogram.findChild<QScrollBar*>(QStringLiteral("histogramPan"));
        QVERIFY(pan && pan->isHidden());
        QCOMPARE(histogram.ClassAt(95), 9);
        histogram.SetShadedSpan(10, 9);
        // Class 9 (40) fills columns 90 to 99 over the shade, class 10 (10) leaves it above row 75.
        QCOMPARE(Probe(Render(histogram, 1), "105,0 85,0 110,0 95,99 95,0"), QString(".BBSS"));
        histogram.SetShadedSpan(-5, 1); // from class 0 on
        QCOMPARE(histogram.ShadedFirst(), 0);
        QCOMPARE(Probe(Render(histogram, 1), "0,0 19,0 20,0"), QString("..B"));
        histogram.SetShadedSpan(-5, -2);
        QCOMPARE(histogram.ShadedFirst(), -1);
        QCOMPARE(histogram.ShadedLast(), -1);
        // A live image: new counts for the same view repaint, with no bar kept from before.
        counts[9] = 0;
        histogram.SetCounts(0, counts);
        QCOMPARE(Probe(Render(histogram, 1), "95,99 85,0"), QString("BS"));
        QCOMPARE(spy.count(), 0);
        counts[9] = 1234567;
        histogram.SetCounts(0, counts);
        const auto tip = [&](int x)
        {
            QHelpEvent help(QEvent::ToolTip, QPoint(x, 50), histogram.mapToGlobal(QPoint(x, 50)));
            QApplication::sendEvent(&histogram, &help);
            return QToolTip::text();
        };
        QCOMPARE(tip(95), QString("Class 9\nRed: 1234567"));

        histogram.SetVisibleClasses(14, 4); // pans no further than the last class
        QCOMPARE(spy.last(), QVariantList({12, 4}));
        QVERIFY(!pan->isHidden());
        QCOMPARE(pan->maximum(), 12);
        histogram.SetVisibleClasses(8, 4); // classes 8 to 11, 40 columns each
        QCOMPARE(pan->value(), 8);
        QCOMPARE(histogram.ClassAt(45), 9);
        QCOMPARE(Probe(Render(histogram, 1), "40,50 79,50 39,50 80,50"), QString("SSBB"));
        pan->setValue(0);
        QCOMPARE(spy.last(), QVariantList({0, 4}));
        histogram.ZoomOut();
        QCOMPARE(spy.last(), QVariantList({0, 16}));
        QCOMPARE(spy.count(), 4);
        histogram.SetCounts(0, std::vector<double>(20, 1.0)); // all classes: now 20
        QCOMPARE(spy.last(), QVariantList({0, 20}));
        histogram.SetVisibleClasses(12, 8);
        histogram.SetCounts(0, std::vector<double>(10, 1.0)); // the zoom no longer fits
        QCOMPARE(spy.last(), QVariantList({0, 10}));
        QCOMPARE(spy.count(), 7);
        // 1000 classes on 160 columns: column 96 shows classes 600 to 606, and their largest;
        // column 95 ends at class 599.
        std::vector<double> many(1000, 1.0);
        many[600] = 3;
        histogram.SetCounts(0, many);
        QCOMPARE(histogram.ClassAt(97), 607);
        QCOMPARE(tip(96), QString("Classes 600 to 606\nRed: 3"));
        QCOMPARE(Probe(Render(histogram, 1), "95,50 96,50 97,50"), QString("BSB"));

        // Without axes there is no value zoom bar: a value zoom set before is undone.
        histogram.SetAxesVisible(true);
        histogram.findChild<QScrollBar*>(QStringLiteral("histogramValueZoom"))->setValue(5);
        const QRect plot = histogram.PlotArea(); // zoomed to half the axis: 1 of 3 reaches 2/3
        QCOMPARE(Probe(Render(histogram, 1), QStringLiteral("%1,%2")
                                                 .arg(plot.left() + plot.width() * 50 / 160)
                                                 .arg(plot.bottom() - plot.height() * 6 / 10)),
                 QString("S"));
        histogram.SetAxesVisible(false);
        QCOMPARE(Probe(Render(histogram, 1), "50,66 50,67"), QString("BS")); // 1 of 3

        QPalette dark = QGuiApplication::palette();
        dark.setColor(QPalette::Base, QColor(20, 20, 20));
        QApplication::setPalette(dark);
        QCOMPARE(Render(histogram, 1).pixelColor(150, 5), QColor(20, 20, 20));
    }

    // The wheel zooms the class axis by 0.8 a notch around the class under the pointer; small
    // steps of touchpads add up to notches.
    void histogramWheel_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("x");
        QTest::addColumn<QList<int>>("deltas");
        QTest::addColumn<QPoint>("view");
        QTest::newRow("in, at the left") << 0 << 16 << 0 << QList<int>{120} << QPoint(0, 13);
        QTest::newRow("in, panned, at class 10")
            << 8 << 4 << 100 << QList<int>{120} << QPoint(9, 3);
        QTest::newRow("out, panned") << 8 << 4 << 0 << QList<int>{-120} << QPoint(8, 5);
        QTest::newRow("three notches out") << 12 << 4 << 159 << QList<int>{-360} << QPoint(8, 8);
        QTest::newRow("in to two classes") << 0 << 16 << 80 << QList<int>{1200} << QPoint(7, 2);
        QTest::newRow("touchpad, one notch")
            << 0 << 16 << 0 << QList<int>{15, 15, 15, 15, 15, 15, 15, 15} << QPoint(0, 13);
        QTest::newRow("touchpad, not yet")
            << 0 << 16 << 0 << QList<int>{15, 15, 15, 15, 15, 15, 15} << QPoint(0, 16);
        QTest::newRow("touchpad, turned back")
            << 0 << 16 << 0 << QList<int>{60, -15, 60, 15} << QPoint(0, 16);
    }

    void histogramWheel()
    {
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(int, x);
        QFETCH(QList<int>, deltas);
        CHistogramDisplay histogram;
        histogram.SetAxesVisible(false);
        histogram.resize(160, 100);
        histogram.AddDataList(Mode(HistogramBars), std::vector<double>(16, 1.0));
        histogram.SetVisibleClasses(first, count);
        for (const int delta : deltas)
        {
            QWheelEvent wheel(QPointF(x, 50), QPointF(x, 50), QPoint(), QPoint(0, delta),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&histogram, &wheel);
        }
        QTEST(QPoint(histogram.FirstVisibleClass(), histogram.VisibleClassCount()), "view");
    }

    // Class labels: offset + class * step, at the middle of each class, with the decimals the
    // step needs; four classes zoomed from class 8 on.
    void histogramLabels()
    {
        CHistogramDisplay histogram;
        histogram.resize(700, 200);
        histogram.AddDataList(Mode(HistogramBars), std::vector<double>(16, 1.0));
        histogram.SetClassLabels(1000, 0.5);
        histogram.SetVisibleClasses(8, 4);
        const QRect plot = histogram.PlotArea();
        QList<QPair<QString, int>> labels;
        for (int i = 0; i < 4; ++i)
        {
            labels << qMakePair(QString::number(1004 + i * 0.5, 'f', 1),
                                plot.left() + int((i + 0.5) * plot.width() / 4));
        }
        QVERIFY(BottomLabelsShow(histogram, plot, labels));
    }

    // Zoom and pan of 16 classes on 160 x 101 pixels (10 columns a class, value 100 at row 0):
    // the view after the gestures and how often each signal came.
    void histogramZoom_data()
    {
        QTest::addColumn<QPoint>("start");
        QTest::addColumn<QString>("gestures"); // then the view: first, count and top, and the
                                               // signals: classes and values
        QTest::newRow("box") << QPoint() << "box: 2 4 50 1 1";
        QTest::newRow("box in a box, back one") << QPoint() << "box wide-box backspace: 2 4 50 3 1";
        QTest::newRow("right click back") << QPoint() << "box right-click: 0 16 100 2 2";
        QTest::newRow("box of 2 columns") << QPoint() << "thin-box: 0 16 100 0 0";
        QTest::newRow("double click resets") << QPoint() << "box double-click: 0 16 100 2 2";
        QTest::newRow("escape resets") << QPoint() << "box escape: 0 16 100 2 2";
        QTest::newRow("middle drag") << QPoint(4, 4) << "middle: 6 4 100 1 0";
        QTest::newRow("shift drag") << QPoint(4, 4) << "shift: 2 4 100 1 0";
        QTest::newRow("pan to the end") << QPoint(4, 4) << "far: 0 4 100 1 0";
        QTest::newRow("ctrl wheel") << QPoint(4, 4) << "ctrl-wheel: 4 4 80 0 1";
        QTest::newRow("plus") << QPoint() << "plus: 2 13 100 1 0";
        QTest::newRow("minus") << QPoint(4, 4) << "minus: 4 5 100 1 0";
        QTest::newRow("arrows") << QPoint(4, 4) << "right right left: 5 4 100 3 0";
        QTest::newRow("up up down") << QPoint() << "up up down: 0 16 80 0 3";
        QTest::newRow("home") << QPoint(4, 4) << "up home: 0 16 100 1 2";
        QTest::newRow("down, not zoomed") << QPoint() << "down left: 0 16 100 0 0";
    }

    void histogramZoom()
    {
        QFETCH(QPoint, start);
        QFETCH(QString, gestures);
        const QString view = gestures.section(": ", 1);
        CHistogramDisplay histogram;
        histogram.SetAxesVisible(false);
        histogram.resize(160, 101);
        std::vector<double> counts(16, 10.0);
        counts[15] = 100;
        histogram.AddDataList(Mode(HistogramBars), counts);
        histogram.SetVisibleClasses(start.x(), start.y());
        QSignalSpy classes(&histogram, &CHistogramDisplay::visibleClassesChanged);
        QSignalSpy values(&histogram, &CHistogramDisplay::valueZoomChanged);
        static const QMap<QString, Qt::Key> kKeys{
            {"plus", Qt::Key_Plus},   {"minus", Qt::Key_Minus},   {"left", Qt::Key_Left},
            {"right", Qt::Key_Right}, {"up", Qt::Key_Up},         {"down", Qt::Key_Down},
            {"home", Qt::Key_Home},   {"escape", Qt::Key_Escape}, {"backspace", Qt::Key_Backspace}};
        for (const QString& gesture : gestures.section(": ", 0, 0).split(' '))
        {
            if (gesture == "box") // classes 2 to 5, the top at half the axis
                Drag(histogram, Qt::LeftButton, {}, {20, 50}, {59, 80});
            else if (gesture == "wide-box") // in classes 2 to 5: 2 and 3, the whole height
                Drag(histogram, Qt::LeftButton, {}, {1, 0}, {79, 100});
            else if (gesture == "thin-box")
                Drag(histogram, Qt::LeftButton, {}, {20, 50}, {21, 80});
            else if (gesture == "middle") // 40 columns a class: two classes on
                Drag(histogram, Qt::MiddleButton, {}, {100, 50}, {20, 50});
            else if (gesture == "shift")
                Drag(histogram, Qt::LeftButton, Qt::ShiftModifier, {20, 50}, {100, 50});
            else if (gesture == "far")
                Drag(histogram, Qt::MiddleButton, {}, {0, 50}, {159, 50});
            else if (gesture == "ctrl-wheel")
            {
                QWheelEvent wheel(QPointF(80, 50), QPointF(80, 50), QPoint(), QPoint(0, 120),
                                  Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(&histogram, &wheel);
            }
            else if (gesture == "right-click")
                QTest::mouseClick(&histogram, Qt::RightButton, {}, {50, 50});
            else if (gesture == "double-click")
                QTest::mouseDClick(&histogram, Qt::LeftButton, {}, {50, 50});
            else
                QTest::keyClick(&histogram, kKeys.value(gesture));
        }
        QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(histogram.FirstVisibleClass())
                     .arg(histogram.VisibleClassCount())
                     .arg(qRound(histogram.ValueAxisTop()))
                     .arg(classes.count())
                     .arg(values.count()),
                 view);
        QVERIFY(values.isEmpty() || values.last()[0].toDouble() == histogram.ValueAxisTop());
    }

    // A user hovers, copies and looks at a histogram with its focus: the readout of the bar top
    // nearest the pointer, the counts in view as CSV, the value zoom bar only while zoomed,
    // beside the plot and as tall as it, and the focus frame.
    void histogramReadout()
    {
        CHistogramDisplay histogram;
        histogram.SetAxesVisible(false);
        histogram.resize(160, 101);
        std::vector<double> red(16, 100);
        for (int i = 0; i < 15; ++i)
            red[i] = 5 * (i + 1);
        histogram.AddDataList(Mode(HistogramBars, "Red"), red);
        histogram.AddDataList(Mode(HistogramBars, "Blue, \"b\""),
                              {20, 20, 20, 5, 20, 20, kNaN, 0.1});
        histogram.show();
        QVERIFY(QTest::qWaitForWindowExposed(&histogram));
        QSignalSpy readouts(&histogram, &CHistogramDisplay::readoutChanged);
        Hover(histogram, {95, 5}); // class 9: only Red has it
        QCOMPARE(readouts.last(), QVariantList({0, 9, 50.0}));
        Hover(histogram, {35, 84}); // class 3: Red 20 from row 81 is nearer than Blue 5 from row 96
        Hover(histogram, {35, 82});
        QCOMPARE(readouts.count(), 2);
        QCOMPARE(readouts.last(), QVariantList({0, 3, 20.0}));
        Hover(histogram, {35, 92});
        QCOMPARE(readouts.last(), QVariantList({1, 3, 5.0}));
        const QImage shown = Screen(histogram); // the crosshair through (35, 96), in Mid
        const QRgb mid = QGuiApplication::palette().color(QPalette::Mid).rgb();
        QCOMPARE(QList<QRgb>({shown.pixel(35, 10), shown.pixel(155, 96), shown.pixel(34, 10)}),
                 QList<QRgb>({mid, mid, QGuiApplication::palette().color(QPalette::Base).rgb()}));
        histogram.SetClassAxisTitle("width", "px"); // heard with the numbers
        histogram.SetValueAxisTitle("", "counts");
        QVERIFY(Heard(histogram).endsWith("; readout Blue, \"b\": 3 px, 5 counts"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&histogram, &leave);
        QCOMPARE(readouts.count(), 4);
        QCOMPARE(readouts.last()[0].toInt(), -1);
        QCOMPARE(Screen(histogram), Render(histogram, 1.0)); // the crosshair went with it
        // The readout follows the view under a resting pointer: + brings class 4 there (on the
        // 87 rows the pan bar leaves), where Blue's top is nearer; Up keeps it; Home goes to Red
        // of class 3 in one step (on the way, all classes on a zoomed value axis, Blue's).
        Hover(histogram, {35, 86});
        readouts.clear();
        QString classes;
        for (const Qt::Key key : {Qt::Key_Plus, Qt::Key_Up, Qt::Key_Home})
        {
            QTest::keyClick(&histogram, key);
            classes += QString::number(histogram.ReadoutClass());
        }
        QCOMPARE(classes, "443");
        QCOMPARE(QList<QVariantList>(readouts), QList<QVariantList>({{1, 4, 20.0}, {0, 3, 20.0}}));
        QApplication::sendEvent(&histogram, &leave);

        histogram.SetClassLabels(0.5, 0.25);
        histogram.SetVisibleClasses(6, 4);
        histogram.SetValueZoom(0.5);
        QVERIFY(Heard(histogram).endsWith("; classes 2 to 2.75 px, 0 to 50 counts"));
        // The keys' cursor over classes 6 to 9: from the middle class, right past the view's
        // end (which pans one class), across to Blue only where Blue has the class, and gone
        // with the focus.
        readouts.clear();
        for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down,
                                  Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Down})
            QTest::keyClick(&histogram, key, Qt::ShiftModifier);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&histogram, &out);
        QString steps;
        for (const QVariantList& readout : readouts)
            steps += QStringLiteral("%1:%2 ").arg(readout[0].toInt()).arg(readout[1].toInt());
        QCOMPARE(steps, "0:8 0:9 0:10 0:9 0:8 0:7 1:7 -1:-1 ");
        QCOMPARE(readouts[2][2].toDouble(), 55.0);
        QCOMPARE(histogram.FirstVisibleClass(), 7);
        histogram.SetVisibleClasses(6, 4);
        QApplication::setActiveWindow(&histogram);
        QVERIFY(QTest::qWaitForWindowActive(&histogram));
        QTest::keyClick(&histogram, Qt::Key_C, Qt::ControlModifier);
        const QString csv =
            "class [px],Red,\"Blue, \"\"b\"\"\"\n2,35,\n2.25,40,0.1\n2.5,45,\n2.75,50,\n";
        QCOMPARE(histogram.CountsCsv(), csv);
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(copied->text(), csv);
        QCOMPARE(copied->data("text/csv"), csv.toUtf8());
        QCOMPARE(qvariant_cast<QImage>(copied->imageData()).size(), QSize(160, 101));

        histogram.ResetZoom();
        histogram.SetAxesVisible(true);
        histogram.resize(400, 240);
        const QRect plot = histogram.PlotArea();
        auto* bar = histogram.findChild<QScrollBar*>(QStringLiteral("histogramValueZoom"));
        QVERIFY(bar->isHidden());
        // The frame in Highlight while the display has the focus; no scroll bar at its right.
        const QRgb highlight = QGuiApplication::palette().color(QPalette::Highlight).rgb();
        const QRgb window = QGuiApplication::palette().color(QPalette::Window).rgb();
        QCOMPARE(QList<QRgb>({Screen(histogram).pixel(plot.left() - 1, 120),
                              Screen(histogram).pixel(plot.right() + 1, 120),
                              Screen(histogram).pixel(399, 120)}),
                 QList<QRgb>({highlight, highlight, window}));
        QTest::keyClick(&histogram, Qt::Key_Up);
        QVERIFY(!bar->isHidden());
        QCOMPARE(bar->geometry(),
                 QRect(400 - bar->width(), plot.top(), bar->width(), plot.height()));
        QVERIFY(histogram.PlotArea().right() < qMin(bar->x() - 1, plot.right()));
        QCOMPARE(bar->value(), 2); // 0.8 of the axis: the second step
        bar->setValue(5);
        QCOMPARE(histogram.ValueZoom(), 0.5);
        histogram.SetValueZoom(0.97); // the first step: the bar's top undoes it
        QCOMPARE(bar->value(), 1);
        bar->setValue(0);
        QVERIFY(bar->isHidden());
        QCOMPARE(histogram.PlotArea(), plot);
        histogram.clearFocus();
        QCOMPARE(Screen(histogram).pixel(plot.left() - 1, 120),
                 QGuiApplication::palette().color(QPalette::Mid).rgb());

        // A range slider as wide, lined up: its span from the first to the last class' bound
        // lies between its handles exactly over the class axis.
        CRangeSlider slider;
        slider.setGeometry(QRect(histogram.mapToGlobal(QPoint(0, 300)), QSize(400, 20)));
        AlignToClassAxis(slider, histogram);
        slider.SetValues(0, 16);
        const QImage image = Render(slider, 1); // the groove's middle row: 10
        QCOMPARE(QList<QRgb>({image.pixel(plot.left() - 1, 10), image.pixel(plot.left(), 10),
                              image.pixel(plot.right(), 10), image.pixel(plot.right() + 1, 10)}),
                 QList<QRgb>({QGuiApplication::palette().color(QPalette::Dark).rgb(), highlight,
                              highlight, QGuiApplication::palette().color(QPalette::Light).rgb()}));
        histogram.SetVisibleClasses(4, 8);
        AlignToClassAxis(slider, histogram);
        QCOMPARE(QPoint(slider.Minimum(), slider.Maximum()), QPoint(4, 12));
    }

    // Pictures and files of a histogram with a readout and the focus, neither of which they
    // show: Picture as the screen without them (160 x 100 without axes: class 9, 50 of 100, from
    // row 50; class 0, 5, from row 95), PNG as Picture, SVG and PDF drawn back with the bar
    // columns of the screen lit, odd sizes and ratios held, a file kept when saving fails.
    void histogramExport_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("axes");
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<QString>("points");
        QTest::addColumn<QString>("expected");
        QTest::newRow("bars") << int(HistogramBars) << false << 1.0 << "95,50 95,49 5,95 5,94"
                              << "SBSB";
        QTest::newRow("bars at ratio 2")
            << int(HistogramBars) << false << 2.0 << "190,100 190,99 10,190 10,189"
            << "SBSB";
        QTest::newRow("outline") << int(HistogramOutline) << false << 1.0 << "95,50 95,51 90,70"
                                 << "SBB";
        QTest::newRow("axes, grid, titles") << int(HistogramBars) << true << 1.0 << ""
                                            << "";
    }

    void histogramExport()
    {
        QFETCH(int, mode);
        QFETCH(bool, axes);
        QFETCH(qreal, dpr);
        QFETCH(QString, points);
        CHistogramDisplay histogram;
        histogram.SetAxesVisible(axes);
        histogram.SetGridVisible(axes);
        histogram.SetClassAxisTitle("width", "px");
        histogram.resize(axes ? QSize(400, 300) : QSize(160, 100)); // whole points in a PDF
        std::vector<double> red(16, 100);
        for (int i = 0; i < 15; ++i)
            red[i] = i % 4 == 3 ? 0 : 5 * (i + 1);
        histogram.AddDataList(Mode(EHistogramDrawMode(mode), "Red"), red);
        const QImage screen = Render(histogram, dpr);
        const QImage flat = Render(histogram, 1.0);
        histogram.show();
        QVERIFY(QTest::qWaitForWindowExposed(&histogram));
        QApplication::setActiveWindow(&histogram);
        histogram.setFocus();
        Hover(histogram, histogram.PlotArea().center());
        QVERIFY(histogram.ReadoutList() == 0 && Render(histogram, dpr) != screen);
        const QImage picture = histogram.Picture(QSize(), dpr);
        QCOMPARE(picture, screen);
        QTEST(points.isEmpty() ? "" : Probe(picture, points), "expected");
        histogram.CopyToClipboard();
        QCOMPARE(qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData()),
                 histogram.Picture(QSize(), histogram.devicePixelRatioF()));

        QTemporaryDir dir;
        const auto file = [&](const char* name) { return dir.filePath(name); };
        for (const char* name : {"h.svg", "h.pdf", "h.png", "h.csv"})
            QVERIFY2(histogram.Save(file(name)), name);
        QCOMPARE(QImage(file("h.png")).convertToFormat(QImage::Format_RGB32), flat);
        QFile kept(file("h.xyz"));
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("edited") == 6);
        kept.close();
        QVERIFY(!histogram.Save(file("h.xyz")) && !histogram.Save(file("no/h.png")));
        QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll() == "edited");
        const QRect plot = histogram.PlotArea();
        const auto bar = [](const QColor& c) // at least half way to the bars' colour
        { return c.red() > 100 && c.green() < 100 && c.blue() < 100; };
        // By column, the top row in the bars' colour (lines: whether there is one; a step
        // between classes is a diagonal that the screen draws aliased).
        const auto lit = [&](const QImage& image)
        {
            QStringList columns;
            for (int x = plot.left(); x <= plot.right(); ++x)
            {
                int top = plot.bottom() + 1;
                for (int y = plot.bottom(); y >= plot.top(); --y)
                {
                    top = bar(image.pixelColor(x, y)) ? y : top;
                }
                columns << QString::number(mode == HistogramBars ? top : top <= plot.bottom());
            }
            return columns.join(' ');
        };
        QImage drawn(histogram.size(), QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        QSvgRenderer(file("h.svg")).render(&painter);
        painter.end();
        QCOMPARE(lit(drawn), lit(flat));
        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        if (!pdftoppm.isEmpty())
        {
            const auto drawPage = [&](int scale)
            {
                const QString dpi = QString::number(histogram.logicalDpiX() * scale);
                QProcess::execute(pdftoppm,
                                  {"-r", dpi, "-png", "-singlefile", file("h.pdf"), file("pdf")});
                return QImage(file("pdf.png")).convertToFormat(QImage::Format_RGB32);
            };
            const QImage page = drawPage(1);
            QCOMPARE(page.size(), histogram.size());
            QCOMPARE(lit(page), lit(flat));
            // A line stays a pixel wide at four times the resolution: class 9's top, row 50, is
            // rows 200 to 203 there.
            const QImage fine = drawPage(4);
            if (!axes)
                QCOMPARE(QString("%1%2%3")
                             .arg(bar(fine.pixelColor(381, 199)))
                             .arg(bar(fine.pixelColor(381, 200)))
                             .arg(bar(fine.pixelColor(381, 203))),
                         "011");
        }
        for (const auto& [ratio, width] :
             {std::pair(0.0, 400), {-1.0, 400}, {kNaN, 400}, {1e-9, 1}, {1e9, 8192}})
            QCOMPARE(histogram.Picture(QSize(400, 4), ratio).width(), width);
        QCOMPARE(histogram.Picture(QSize(100000, 0)).size(), QSize(8192, 1));
        QImage target(10, 10, QImage::Format_RGB32);
        histogram.RenderTo(target, QRectF(0, 0, kNaN, 1e300)); // nothing drawn, nothing broken
        histogram.RenderTo(target, QRectF(-1e300, 0, 1e300, 1e300));
        histogram.RenderTo(target, QRectF(0, 0, 1e-9, 1e-9));
        if (axes) // the menu saves SVG too, the suffix from the filter chosen
        {
            QTimer::singleShot(0,
                               [&]
                               {
                                   auto* dialog = qobject_cast<QFileDialog*>(
                                       QApplication::activeModalWidget());
                                   dialog->selectNameFilter("SVG (*.svg)");
                                   dialog->selectFile(file("menu"));
                                   static_cast<QDialog*>(dialog)->accept();
                               });
            QMenu* menu = Detail::HistogramMenu(histogram);
            QCOMPARE(Entries(menu).section(',', 6, 6), "Save picture...");
            menu->actions().at(6)->trigger();
            QVERIFY(QFile(file("menu.svg")).size() == QFile(file("h.svg")).size());
            return;
        }
        // Zoomed: the picture's plot takes the pan bar's rows too (class 4, 25, from row 75).
        histogram.SetVisibleClasses(4, 8);
        QCOMPARE(Probe(histogram.Picture(), "5,75 5,74"), "SB");
    }

    // The trend reduced per device column against a plain drawing of every sample, each joined
    // to the next by its own line (Qt's polyline leaves out sub-pixel segments): the same
    // columns lit, the top and bottom lit rows of each within a pixel. Times 0 to width and
    // values 0 to 1 map onto the plot directly; NaN samples cut the line in both (samples 40
    // to 49 of the gap row lie on columns 80 to 98), and the lone sample 45 among them is a dot
    // in the column it lies in.
    void trendMatchesPolyline_data()
    {
        QTest::addColumn<int>("samples");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<int>("gapFrom"); // samples gapFrom to gapFrom + 9 are NaN
        QTest::addColumn<double>("jump"); // the largest step of the walk
        // Eight samples a device column keep them a few hundredths of a pixel off the column
        // edges, where Qt's lines may fall on either side.
        QTest::newRow("dense") << 1600 << QSize(200, 100) << 1.0 << -100 << 0.2;
        QTest::newRow("sparse") << 120 << QSize(300, 80) << 1.0 << -100 << 0.2;
        QTest::newRow("sparse and steep") << 30 << QSize(300, 100) << 1.0 << -100 << 1.6;
        QTest::newRow("one per column") << 64 << QSize(64, 64) << 1.0 << -100 << 0.2;
        QTest::newRow("ratio 2") << 2400 << QSize(150, 60) << 2.0 << -100 << 0.2;
        QTest::newRow("ratio 1.5") << 1440 << QSize(120, 60) << 1.5 << -100 << 0.2;
        QTest::newRow("gap") << 100 << QSize(200, 60) << 1.0 << 40 << 0.2;
    }

    void trendMatchesPolyline()
    {
        QFETCH(int, samples);
        QFETCH(QSize, size);
        QFETCH(qreal, dpr);
        QFETCH(int, gapFrom);
        QFETCH(double, jump);
        QRandomGenerator random(samples);
        std::vector<QPointF> points;
        double value = 0.5;
        for (int i = 0; i < samples; ++i)
        {
            // Reflected at 0 and 1: a walk held at a bound would draw runs of sub-pixel
            // segments, which Qt's polyline leaves out.
            value += (random.generateDouble() - 0.5) * jump;
            value = value > 1.0 ? 2.0 - value : std::abs(value);
            const bool gap = i >= gapFrom && i < gapFrom + 10 && i != gapFrom + 5;
            // Off the pixel edges, where Qt's own polyline may light either neighbour.
            points.emplace_back((i + 0.37) * size.width() / samples, gap ? kNaN : value);
        }
        CTrendDisplay trend;
        trend.SetAxesVisible(false);
        trend.resize(size);
        trend.SetTimeWindow(size.width());
        trend.SetValueRange(0.0, 1.0);
        trend.ScrollTo(size.width());
        trend.Append(trend.AddSeries("walk", kLine), points);
        const QImage shown = Render(trend, dpr);

        QImage plain(shown.size(), QImage::Format_RGB32);
        plain.fill(QGuiApplication::palette().color(QPalette::Base));
        QPainter painter(&plain);
        painter.setPen(QPen(kLine, 0));
        const double rows = plain.height() - 1;
        for (std::size_t i = 1; i < points.size(); ++i)
        {
            const QPointF& a = points[i - 1];
            const QPointF& b = points[i];
            if (!std::isnan(a.y()) && !std::isnan(b.y()))
            {
                painter.drawLine(QPointF(a.x() * dpr, 0.5 + (1.0 - a.y()) * rows),
                                 QPointF(b.x() * dpr, 0.5 + (1.0 - b.y()) * rows));
            }
            else if (i + 1 < points.size() && std::isnan(a.y()) && !std::isnan(b.y()) &&
                     std::isnan(points[i + 1].y()))
            {
                painter.drawPoint(int(b.x() * dpr), int(0.5 + (1.0 - b.y()) * rows));
            }
        }
        painter.end();
        const QRgb base = QGuiApplication::palette().color(QPalette::Base).rgb();
        // Where a line ends, rasterizers may differ by a column (Qt's reaches a pixel further
        // on steep lines): a lit column is held against the lit rows of its neighbours in the
        // other picture, the top and bottom within a pixel.
        const auto within = [&](const QImage& image, const QImage& other, int x)
        {
            const auto rows = LitRows(image, x, base);
            int top = INT_MAX, bottom = -1;
            for (int n = qMax(x - 1, 0); n <= qMin(x + 1, image.width() - 1); ++n)
            {
                const auto near = LitRows(other, n, base);
                top = near.first < 0 ? top : qMin(top, near.first);
                bottom = qMax(bottom, near.second);
            }
            return rows.first < 0 || (rows.first >= top - 1 && rows.second <= bottom + 1);
        };
        for (int x = 0; x < plain.width(); ++x)
        {
            QVERIFY2(within(shown, plain, x) && within(plain, shown, x),
                     qPrintable(QStringLiteral("column %1").arg(x)));
        }
        if (gapFrom >= 0)
        {
            QCOMPARE(LitRows(shown, 84, base).first, -1);
            QCOMPARE(LitRows(shown, 96, base).first, -1);
        }
    }

    // Where the window stands (200 columns, one time unit each): from the first sample until
    // it is full, then up to the newest; before any sample at 0. Infinite times are refused.
    void trendWindow_data()
    {
        QTest::addColumn<std::vector<double>>("times");
        QTest::addColumn<double>("scrollTo"); // NaN: following
        QTest::addColumn<int>("stored");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::newRow("no sample") << std::vector<double>{} << kNaN << 0 << 0.0 << 200.0;
        QTest::newRow("from 0") << std::vector<double>{0, 1, 50} << kNaN << 3 << 0.0 << 200.0;
        QTest::newRow("negative") << std::vector<double>{-3600.5} << kNaN << 1 << -3601.0
                                  << -3401.0;
        QTest::newRow("Unix seconds")
            << std::vector<double>{1.7e9 + 0.5} << kNaN << 1 << 1.7e9 << 1.7e9 + 200;
        QTest::newRow("full") << std::vector<double>{0, 250} << kNaN << 2 << 51.0 << 251.0;
        QTest::newRow("nanoseconds since 1970")
            << std::vector<double>{1.7e18} << kNaN << 1 << 1.7e18 << 1.7e18 + 256;
        QTest::newRow("scrolled back")
            << std::vector<double>{0, 250} << 100.0 << 2 << -100.0 << 100.0;
        QTest::newRow("infinite times")
            << std::vector<double>{kInf, 5, -kInf, kNaN, 4} << kNaN << 1 << 5.0 << 205.0;
    }

    void trendWindow()
    {
        QFETCH(std::vector<double>, times);
        QFETCH(double, scrollTo);
        CTrendDisplay trend;
        trend.SetAxesVisible(false);
        trend.resize(200, 100);
        trend.SetTimeWindow(200);
        const int series = trend.AddSeries("a", kLine);
        int stored = 0;
        for (const double time : times)
        {
            stored += trend.Append(series, time, 1.0);
        }
        if (!std::isnan(scrollTo))
        {
            trend.ScrollTo(scrollTo);
        }
        QTEST(stored, "stored");
        QTEST(trend.WindowStart(), "start");
        QTEST(trend.WindowEnd(), "end");
        Render(trend, 1.0); // paints at any magnitude, and in bounded time
    }

    // A shown trend fed the way measurement programs feed it. Time labels from the first sample
    // on, for seconds since the start, Unix seconds and wall-clock time; a slow logger and a
    // fast one both leave on screen what a fresh paint shows; one paint per frame; a trend in
    // a hidden tab still tells where its window went.
    void trendLive()
    {
        CTrendDisplay trend;
        trend.setFont(ZriTest::PixelFont(16)); // the labels that fit depend on the font
        trend.resize(600, 160);
        trend.SetTimeWindow(60.0);
        trend.SetCapacity(30);
        const int series = trend.AddSeries("level", kLine);
        trend.show();
        QVERIFY(QTest::qWaitForWindowExposed(&trend));
        const auto labels = [&](QList<QPair<QString, double>> expected)
        {
            QCoreApplication::processEvents();
            const QRect plot = trend.PlotArea();
            QList<QPair<QString, int>> placed;
            for (const auto& label : expected)
            {
                const double fraction = (label.second - trend.WindowStart()) / 60.0;
                placed << qMakePair(label.first, plot.left() + int(fraction * plot.width() + 1e-9));
            }
            return BottomLabelsShow(trend, plot, placed);
        };
        QVERIFY(labels({{"0", 0}, {"20", 20}, {"40", 40}, {"60", 60}}));
        QVERIFY(trend.Append(series, 0.0, 1.0)); // the window stays where it starts
        QVERIFY(labels({{"0", 0}, {"20", 20}, {"40", 40}, {"60", 60}}));

        QSignalSpy moved(&trend, &CTrendDisplay::windowChanged);
        CPaintSpy paints(trend.PlotArea());
        trend.installEventFilter(&paints);
        const auto screenIsFresh = [&]
        {
            const QImage screen = Screen(trend); // first: it handles the frame
            return screen == Render(trend, 1.0);
        };
        trend.SetValueRange(0, 1000);       // the picture moves, nothing else changes
        for (int t = 20; t <= 800; t += 20) // a slow logger: one sample every 20 s
        {
            QVERIFY(trend.Append(series, t, t % 1000));
            QVERIFY2(screenIsFresh(), qPrintable(QString::number(t)));
        }
        QVERIFY(SameAsFresh(trend)); // the ring overwrote 11 samples, a few a frame
        // Value labels end at their ticks: "0" at the bottom, "1000" at the top, one column.
        const QImage shown = Screen(trend);
        const QRgb window = QGuiApplication::palette().color(QPalette::Window).rgb();
        const auto inkEnd = [&](int row)
        {
            int x = trend.PlotArea().left() - 6;
            while (x > 0 && LitRows(shown.copy(0, row - 3, x + 1, 7), x, window).first < 0)
                --x;
            return x;
        };
        QCOMPARE(inkEnd(trend.PlotArea().top()), inkEnd(trend.PlotArea().bottom()));
        QCOMPARE(moved.count(), 38); // the window is full at 60 s and moves from 80 s on
        QCOMPARE(moved.last(), QVariantList({740.0 + 60.0 / trend.PlotArea().width(),
                                             800.0 + 60.0 / trend.PlotArea().width()}));
        paints.m_nCount = 0;
        for (int i = 1; i <= 1000; ++i) // a fast one: a thousand samples between two frames
        {
            trend.Append(series, 800 + i * 0.01, i % 7);
        }
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(paints.m_nCount, 1);
        QCOMPARE(moved.count(), 39);
        QVERIFY(screenIsFresh());
        QCOMPARE(trend.Sample(series, 0), QPointF(809.71, 971 % 7));
        QVERIFY(SameAsFresh(trend)); // the burst overwrote the ring many times over
        paints.m_nCount = 0;
        QVERIFY(!trend.Append(series, 100.0, 1.0)); // older than the newest: nothing happens
        QVERIFY(!trend.Append(series, kInf, 1.0));
        QVERIFY(!trend.Append(3, 900.0, 1.0));
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(paints.m_nCount, 0);

        trend.ClearSamples(); // the ring overwrites the first of two samples in a column
        const auto time = [](int i) { return i < 2 ? 900.0 + i * 0.001 : 900.0 + i; };
        for (int i = 0; i < 30; ++i)
            trend.Append(series, time(i), i == 0 ? 1000.0 : i == 1 ? 0.0 : 500.0);
        QVERIFY(screenIsFresh());
        trend.Append(series, time(30), 500.0);
        QVERIFY(screenIsFresh());

        trend.SetAutoRange();
        trend.ClearSamples();
        trend.Append(series, 1.7e9 + 1, 5.0); // Unix seconds, labelled in full
        QVERIFY(labels(
            {{"1700000020", 1.7e9 + 20}, {"1700000040", 1.7e9 + 40}, {"1700000060", 1.7e9 + 60}}));
        trend.SetTimeAxisFormat(std::make_shared<CWallClockFormat>(Qt::UTC));
        trend.ClearSamples();
        trend.Append(series, 1700006381.0, 5.0); // 2023-11-14 23:59:41 UTC
        QVERIFY(labels({{"23:59:45", 1700006385},
                        {"2023-11-15", 1700006400},
                        {"00:00:15", 1700006415},
                        {"00:00:30", 1700006430}}));
        trend.SetTimeAxisFormat(CAxisFormat::Labelled(
            [](double value, double step)
            { return QStringLiteral("+%1/%2").arg(value - 1700006380).arg(step); }));
        QVERIFY(labels({{"+20/20", 1700006400}, {"+40/20", 1700006420}, {"+60/20", 1700006440}}));

        trend.hide(); // a hidden tab: the window moves, and says so
        moved.clear();
        trend.Append(series, 1700009000.0, 1.0);
        QCoreApplication::processEvents();
        QCOMPARE(moved.count(), 1);
        trend.show();
        QVERIFY(QTest::qWaitForWindowExposed(&trend));
        QCOMPARE(moved.count(), 1);
        QVERIFY(screenIsFresh());
    }

    // The history bar looks back and forth; at its end the window follows again.
    void trendHistory()
    {
        CTrendDisplay trend;
        trend.resize(300, 150);
        trend.SetTimeWindow(10.0);
        const int series = trend.AddSeries("a", kLine);
        for (int t = 0; t <= 100; ++t)
        {
            trend.Append(series, t, std::sin(t));
        }
        QCoreApplication::processEvents();
        auto* history = trend.findChild<QScrollBar*>();
        QCOMPARE(history->maximum(), 900); // 90 time units in steps of a tenth of the window
        QCOMPARE(history->value(), 900);
        // The bar takes rows below the plot and its time labels.
        QVERIFY(trend.PlotArea().bottom() + 6 + trend.fontMetrics().height() <=
                history->geometry().top());
        history->setValue(0);
        QVERIFY(!trend.IsFollowing());
        QCOMPARE(trend.WindowStart(), 0.0);
        trend.Append(series, 101, 0);
        QCoreApplication::processEvents();
        QCOMPARE(trend.WindowStart(), 0.0);
        history->setValue(history->maximum());
        QVERIFY(trend.IsFollowing());
        QVERIFY(trend.WindowEnd() > 101.0 && trend.WindowEnd() < 101.1); // its last column
    }

    // A lone sample's marker, a 5 x 5 box around it: filled, crossed or outlined.
    void trendMarkers_data()
    {
        QTest::addColumn<int>("marker");
        QTest::addColumn<QString>("probes"); // 49,49 inside the box, 50,48 on its top edge
        QTest::newRow("dot") << int(TrendMarkerDot) << "SS";
        QTest::newRow("cross") << int(TrendMarkerCross) << "SB";
        QTest::newRow("square") << int(TrendMarkerSquare) << "BS";
        QTest::newRow("none") << int(TrendMarkerNone) << "BB";
        QTest::newRow("unknown") << 7 << "BB";
    }

    void trendMarkers()
    {
        QFETCH(int, marker);
        CTrendDisplay trend;
        trend.SetAxesVisible(false);
        trend.resize(200, 101);
        trend.SetTimeWindow(200);
        trend.SetValueRange(0, 10);
        trend.ScrollTo(200);
        const int series = trend.AddSeries("a", kBars);
        trend.SetSeriesMarker(series, ETrendDisplayMarker(marker));
        trend.Append(series, 50.5, 5); // column 50, row 50
        QTEST(Probe(Render(trend, 1.0), "49,49 50,48"), "probes");
    }

    // Zoom and pan with the mouse and the keys on a plot of 200 x 100 pixels showing times 0
    // to 200 and values 0 to 10: the view after the gestures, rounded to whole numbers.
    void trendZoom_data()
    {
        QTest::addColumn<QString>("gestures");
        QTest::addColumn<QString>("view");
        QTest::newRow("box") << "box"
                             << "50 150 2 8";
        QTest::newRow("shift drag pans") << "pan"
                                         << "-20 180 0 10";
        QTest::newRow("middle drag pans") << "middle"
                                          << "0 200 -2 8";
        QTest::newRow("wheel at the origin") << "wheel"
                                             << "0 160 0 8";
        QTest::newRow("ctrl wheel, values") << "ctrl-wheel"
                                            << "0 200 -1 11";
        QTest::newRow("plus") << "plus"
                              << "20 180 1 9";
        QTest::newRow("minus after plus") << "plus minus"
                                          << "0 200 0 10";
        QTest::newRow("arrow keys") << "left up"
                                    << "-20 180 2 12";
        QTest::newRow("right click goes back") << "box box right-click"
                                               << "50 150 2 8";
        QTest::newRow("backspace goes back") << "box backspace"
                                             << "0 200 0 10";
        QTest::newRow("double click resets") << "box pan double-click"
                                             << "0 200 0 10";
        QTest::newRow("escape resets") << "plus escape"
                                       << "0 200 0 10";
        QTest::newRow("F follows, zoomed") << "box F"
                                           << "100 199 2 8";
        QTest::newRow("not interactive") << "off box plus wheel"
                                         << "0 200 0 10";
    }

    void trendZoom()
    {
        QFETCH(QString, gestures);
        CTrendDisplay trend;
        Sawtooth(trend);
        QSignalSpy views(&trend, &CTrendDisplay::viewChanged);
        const auto wheel = [&](QPoint at, int delta, Qt::KeyboardModifiers modifiers)
        {
            QWheelEvent event(at, trend.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                              modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&trend, &event);
        };
        for (const QString& gesture : gestures.split(' '))
        {
            if (gesture == "box")
                Drag(trend, Qt::LeftButton, {}, {50, 20}, {149, 79});
            else if (gesture == "pan")
                Drag(trend, Qt::LeftButton, Qt::ShiftModifier, {100, 50}, {120, 50});
            else if (gesture == "middle")
                Drag(trend, Qt::MiddleButton, {}, {100, 50}, {100, 30});
            else if (gesture == "wheel")
                wheel({0, 99}, 120, {});
            else if (gesture == "ctrl-wheel")
                wheel({100, 50}, -120, Qt::ControlModifier);
            else if (gesture == "right-click")
                QTest::mouseClick(&trend, Qt::RightButton, {}, {100, 50});
            else if (gesture == "double-click")
                QTest::mouseDClick(&trend, Qt::LeftButton, {}, {100, 50});
            else if (gesture == "off")
                trend.SetInteractive(false);
            else
            {
                static const QMap<QString, Qt::Key> kKeys{{"plus", Qt::Key_Plus},
                                                          {"minus", Qt::Key_Minus},
                                                          {"left", Qt::Key_Left},
                                                          {"up", Qt::Key_Up},
                                                          {"escape", Qt::Key_Escape},
                                                          {"backspace", Qt::Key_Backspace},
                                                          {"F", Qt::Key_F}};
                QTest::keyClick(&trend, kKeys.value(gesture));
            }
        }
        QCoreApplication::processEvents();
        const auto text = [](double a, double b, double c, double d)
        {
            return QStringLiteral("%1 %2 %3 %4")
                .arg(qRound(a))
                .arg(qRound(b))
                .arg(qRound(c))
                .arg(qRound(d));
        };
        QTEST(text(trend.WindowStart(), trend.WindowEnd(), trend.ValueMin(), trend.ValueMax()),
              "view");
        if (!views.isEmpty()) // every change was told, the last one as it stands
        {
            const QVariantList last = views.last();
            QCOMPARE(
                text(last[0].toDouble(), last[1].toDouble(), last[2].toDouble(),
                     last[3].toDouble()),
                text(trend.WindowStart(), trend.WindowEnd(), trend.ValueMin(), trend.ValueMax()));
        }
        QCOMPARE(trend.IsZoomed(), !gestures.contains("off") && !gestures.endsWith("escape") &&
                                       !gestures.endsWith("double-click") &&
                                       !gestures.endsWith("backspace"));
    }

    // The readout of the sawtooth t % 10 on 200 x 100 pixels: the real sample nearest to the
    // pointer, once per sample, also zoomed in, and gone when the pointer leaves.
    void trendReadout()
    {
        CTrendDisplay trend;
        Sawtooth(trend);
        trend.show();
        QVERIFY(QTest::qWaitForWindowExposed(&trend));
        QSignalSpy readouts(&trend, &CTrendDisplay::readoutChanged);
        Hover(trend, {37, 50}); // between 37 (7, row 30) and 38 (8, row 20): 37 is nearer
        Hover(trend, {37, 52});
        QCOMPARE(readouts.count(), 1);
        QCOMPARE(readouts.last(), QVariantList({0, 37.0, 7.0}));
        QCOMPARE(trend.ReadoutSample(), QPointF(37, 7));
        const QImage shown = Screen(trend); // the crosshair through (37, 30), in Mid
        const QRgb mid = QGuiApplication::palette().color(QPalette::Mid).rgb();
        QCOMPARE(shown.pixel(37, 95), mid);
        QCOMPARE(shown.pixel(195, 30), mid);
        QCOMPARE(Heard(trend), "a 9; range 0 to 10; readout a 37 7");
        QCOMPARE(Detail::ReadoutLabel("a", "37", 1234.5678), "a: 37, 1234.5678"); // on screen

        trend.ZoomTo(50, 150, 2, 8); // half-unit columns: 100 at column 100, value 0 far below,
                                     // 101 at column 102
        Hover(trend, {100, 50});
        QCOMPARE(readouts.last(), QVariantList({0, 101.0, 1.0}));
        QCOMPARE(Heard(trend), "a 9; range 2 to 8; time 50.0 to 150.0; readout a 101.0 1");
        trend.SetValueAxisTitle("", "bar");
        trend.SetTimeAxisTitle("Time", "s");
        QCOMPARE(Heard(trend),
                 "a 9; range 2 to 8 bar; time 50.0 to 150.0 s; readout a 101.0 1 bar");
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&trend, &leave);
        QCOMPARE(readouts.count(), 3);
        QCOMPARE(readouts.last()[0].toInt(), -1);
        QVERIFY(std::isnan(readouts.last()[1].toDouble()));
        QCOMPARE(Screen(trend), Render(trend, 1.0)); // and the crosshair with it
        QVERIFY(Screen(trend).pixel(37, 95) != mid);

        // The keys' cursor: Shift and the arrows, from 101 along the series, out of the window
        // (which then centres on it), across to b (5 at even times; 48 and 50 are as near as
        // each other to 49: the earlier one), and gone with the focus.
        Hover(trend, {100, 50});
        QTest::keyClick(&trend, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(readouts.last(), QVariantList({0, 102.0, 2.0}));
        for (int i = 0; i < 53; ++i)
            QTest::keyClick(&trend, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(readouts.last(), QVariantList({0, 49.0, 9.0}));
        QVERIFY2(std::abs(trend.WindowStart() + 1) <= 0.5 &&
                     std::abs(trend.WindowEnd() - 99) <= 0.5,
                 qPrintable(QString::number(trend.WindowStart())));
        const int b = trend.AddSeries("b", Qt::blue);
        for (int t = 0; t < 200; t += 2)
            trend.Append(b, t, 5);
        QTest::keyClick(&trend, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(readouts.last(), QVariantList({b, 48.0, 5.0}));
        QTest::keyClick(&trend, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(readouts.last(), QVariantList({0, 48.0, 8.0}));
        const int told = readouts.count();
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&trend, &out);
        QCOMPARE(readouts.count(), told + 1);
        QCOMPARE(readouts.last()[0].toInt(), -1);
    }

    // Levels: a line at the value's row (7: row 30) with its label above; none off the axis.
    void trendLevels()
    {
        CTrendDisplay trend;
        Sawtooth(trend);
        const QImage none = Render(trend, 1.0);
        QCOMPARE(trend.AddLevel(20, "off", Qt::blue) + trend.AddLevel(kNaN, "", Qt::red), 0 - 1);
        QCOMPARE(Render(trend, 1.0), none);
        trend.AddLevel(7, "High", Qt::red);
        const QImage shown = Render(trend, 1.0);
        QImage red(153, 1, QImage::Format_RGB32); // row 30 from column 0 to 152
        red.fill(Qt::red);
        QCOMPARE(shown.copy(0, 30, 153, 1), red);
        QVERIFY(shown.copy(0, 29, 153, 1) == none.copy(0, 29, 153, 1) &&
                shown.copy(0, 31, 153, 1) == none.copy(0, 31, 153, 1));
        const int h = trend.fontMetrics().height(); // the label
        QVERIFY(shown.copy(160, 30 - h, 40, h) != none.copy(160, 30 - h, 40, h));
        trend.RemoveLevels();
        QCOMPARE(Render(trend, 1.0), none);
    }

    // The context menus: not after a right click that went back one zoom, always from the
    // keyboard; their entries act, the trend's zoom ones only while it is interactive.
    void trendContextMenu()
    {
        CTrendDisplay trend;
        Sawtooth(trend);
        trend.show();
        QVERIFY(QTest::qWaitForWindowExposed(&trend));
        const auto menu = [&](QContextMenuEvent::Reason reason)
        {
            QContextMenuEvent event(reason, {100, 50}, trend.mapToGlobal(QPoint(100, 50)));
            QApplication::sendEvent(&trend, &event);
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            return std::make_pair(popup, Entries(popup));
        };
        const auto act = [](QMenu* popup, int entry)
        {
            popup->actions().at(entry)->trigger();
            popup->close();
        };
        trend.ZoomTo(50, 150, 2, 8);
        QTest::mousePress(&trend, Qt::RightButton, {}, {100, 50});
        QCOMPARE(menu(QContextMenuEvent::Mouse).first, nullptr);
        QVERIFY(!trend.IsZoomed());
        auto [popup, entries] = menu(QContextMenuEvent::Mouse);
        QCOMPARE(entries,
                 "-Zoom back,-Show all,Follow newest,,a,,Copy,Save picture...,Save samples...");
        QVERIFY(popup->actions().at(4)->isChecked());
        act(popup, 6);
        QCOMPARE(QGuiApplication::clipboard()->text(), trend.SamplesCsv());
        trend.ZoomTo(50, 150, 2, 8);
        trend.ZoomTo(60, 70, 2, 8);
        QTest::mousePress(&trend, Qt::RightButton, {}, {100, 50}); // back to 50..150
        QTest::mouseClick(&trend, Qt::LeftButton, {}, {100, 50});  // forgets the right click
        std::tie(popup, entries) = menu(QContextMenuEvent::Mouse);
        QCOMPARE(entries,
                 "Zoom back,Show all,Follow newest,,a,,Copy,Save picture...,Save samples...");
        act(popup, 1);
        QVERIFY(!trend.IsZoomed());
        trend.ZoomTo(50, 150, 2, 8);
        trend.ZoomTo(60, 70, 2, 8);
        act(menu(QContextMenuEvent::Keyboard).first, 0);
        QCOMPARE(trend.WindowStart(), 50.0);
        act(menu(QContextMenuEvent::Mouse).first, 2);
        QVERIFY(trend.IsFollowing());
        trend.SetInteractive(false);
        std::tie(popup, entries) = menu(QContextMenuEvent::Mouse);
        QCOMPARE(entries, "a,,Copy,Save picture...,Save samples...");
        act(popup, 0);
        QVERIFY(!trend.IsSeriesVisible(0));

        // The histogram's: back one box, or the menu.
        CHistogramDisplay histogram;
        histogram.resize(300, 200);
        histogram.AddDataList(Mode(HistogramBars, "Red"), {1, 9, 4, 2, 7, 3});
        histogram.show();
        QVERIFY(QTest::qWaitForWindowExposed(&histogram));
        const QPoint middle = histogram.PlotArea().center();
        const auto histogramMenu = [&]
        {
            QContextMenuEvent event(QContextMenuEvent::Mouse, middle,
                                    histogram.mapToGlobal(middle));
            QApplication::sendEvent(&histogram, &event);
            return qobject_cast<QMenu*>(QApplication::activePopupWidget());
        };
        Drag(histogram, Qt::LeftButton, {}, middle - QPoint(60, 40), middle + QPoint(60, 40));
        QVERIFY(histogram.IsZoomed());
        QTest::mousePress(&histogram, Qt::RightButton, {}, middle);
        QVERIFY(!histogramMenu() && !histogram.IsZoomed());
        QTest::mousePress(&histogram, Qt::RightButton, {}, middle);
        QMenu* shown = histogramMenu();
        QCOMPARE(Entries(shown), "-Zoom back,-Show all,,Red,,Copy,Save picture...,Save counts...");
        act(shown, 5);
        QCOMPARE(QGuiApplication::clipboard()->text(), histogram.CountsCsv());
        act(histogramMenu(), 3);
        QVERIFY(!histogram.IsDataListVisible(0));
    }

    // Hiding a series, or a histogram's list, from its legend entry (a click) or its number key:
    // not drawn, not in the automatic axis, the readout or the CSV; its entry an empty box.
    void trendHideSeries()
    {
        CTrendDisplay trend;
        trend.resize(300, 160);
        const int high = trend.AddSeries("high", kLine);
        const int low = trend.AddSeries("low", Qt::blue);
        trend.Append(high, {{0, 10}, {1, 90}});
        trend.Append(low, {{0, -95}, {1, 0}});
        trend.show();
        QVERIFY(QTest::qWaitForWindowExposed(&trend));
        QSignalSpy changes(&trend, &CTrendDisplay::seriesVisibilityChanged);
        const QImage both = Screen(trend);
        const int line = trend.fontMetrics().height() / 2; // the legend row's middle
        const int lowName = trend.width() - 2 - trend.fontMetrics().averageCharWidth();
        QTest::mouseClick(&trend, Qt::LeftButton, {}, {lowName - 8, line}); // its name's left
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.last(), QVariantList({low, false}));
        const QImage hidden = Screen(trend);
        QCOMPARE(hidden, Render(trend, 1.0));
        QCOMPARE(trend.ValueMin() + trend.ValueMax(), 100.0); // 0 to 100, or 10 to 90
        const auto blue = [](const QImage& image)
        {
            int count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    count += image.pixel(x, y) == QColor(Qt::blue).rgb();
            return count;
        };
        QVERIFY(blue(both) > 36 + 20 && blue(hidden) == 0); // the legend's line, 12 x 3, and more
        QCOMPARE(trend.SamplesCsv(), "time,high\n0,10\n1,90\n");
        QTest::keyClick(&trend, Qt::Key_1);
        QVERIFY(!trend.IsSeriesVisible(high) && changes.count() == 2);
        QTest::keyClick(&trend, Qt::Key_2);
        QTest::keyClick(&trend, Qt::Key_1);
        QCOMPARE(changes.count(), 4);
        QCOMPARE(Screen(trend), both);

        // The histogram's lists the same way; the hidden one leaves the value axis to the other.
        CHistogramDisplay histogram;
        histogram.resize(300, 160);
        histogram.AddDataList(Mode(HistogramBars, "high", kLine), {10, 90});
        histogram.AddDataList(Mode(HistogramBars, "low", Qt::blue), {200, 5});
        histogram.show();
        QVERIFY(QTest::qWaitForWindowExposed(&histogram));
        QSignalSpy listChanges(&histogram, &CHistogramDisplay::dataListVisibilityChanged);
        const QImage lists = Screen(histogram);
        QPoint legend; // the first pixel of low's line in the legend row
        for (int x = 0; x < 300 && legend.isNull(); ++x)
            legend = lists.pixel(x, line) == QColor(Qt::blue).rgb() ? QPoint(x, line) : legend;
        QTest::mouseClick(&histogram, Qt::LeftButton, {}, legend);
        QCOMPARE(listChanges.count(), 1);
        QCOMPARE(listChanges.last(), QVariantList({1, false}));
        QCOMPARE(Screen(histogram), Render(histogram, 1.0));
        QVERIFY(blue(lists) > 36 + 20 && blue(Screen(histogram)) == 0);
        QVERIFY(histogram.ValueAxisTop() < 150);
        QCOMPARE(histogram.CountsCsv(), "class,high\n0,10\n1,90\n");
        QVERIFY(Heard(histogram).contains("low: 2 classes, hidden"));
        QTest::keyClick(&histogram, Qt::Key_1);
        QTest::keyClick(&histogram, Qt::Key_2);
        QTest::keyClick(&histogram, Qt::Key_1);
        QCOMPARE(listChanges.count(), 4);
        QCOMPARE(blue(Screen(histogram)), blue(lists)); // the focus frame aside, as before
        QCOMPARE(Screen(histogram), Render(histogram, 1.0));
    }

    // Grid lines behind the lines at the ticks (value 5: row 50; time 100: column 100), and axis
    // titles beside the axes, which give up their room to the plot when they are empty.
    void trendGridAndTitles()
    {
        CTrendDisplay trend;
        Sawtooth(trend);
        QPalette palette = QGuiApplication::palette();
        palette.setColor(QPalette::Mid, QColor(150, 150, 150));
        QApplication::setPalette(palette);
        const QImage plain = Render(trend, 1.0);
        trend.SetGridVisible(true);
        const QImage grid = Render(trend, 1.0);
        CHistogramDisplay histogram; // classes 3 to 5 empty: the grid's rows show there
        histogram.resize(300, 200);
        histogram.AddDataList(Mode(HistogramBars), {10, 50, 100, 0, 0, 0});
        const QRect bare = histogram.PlotArea();
        histogram.SetGridVisible(true);
        histogram.SetValueAxisTitle("Count");
        histogram.SetClassAxisTitle("Grey", "DN");
        const QImage histogramGrid = Render(histogram, 1.0);
        QApplication::setPalette(ZriTest::TestPalette());
        const QRgb line = qRgb(203, 203, 203), base = qRgb(255, 255, 255);
        // Row 50 (not the edge rows) and column 100 from top to bottom, under the sawtooth.
        const QRgb got[] = {grid.pixel(100, 5),  grid.pixel(3, 50), grid.pixel(197, 50),
                            grid.pixel(101, 5),  grid.pixel(3, 49), grid.pixel(100, 0),
                            grid.pixel(197, 99), grid.pixel(5, 50)};
        const QRgb want[] = {line, line, line, base, base, line, base, kLine.rgb()};
        QVERIFY(std::equal(std::begin(got), std::end(got), std::begin(want)));
        QCOMPARE(plain.pixel(100, 5), base);
        const int h = trend.fontMetrics().height();
        const QRect plot = histogram.PlotArea();
        QCOMPARE(plot, bare.adjusted(h + 2, 0, 0, -h));
        QCOMPARE(histogram.CountsCsv().section('\n', 0, 0), "class [DN],");
        QString rows; // down class 4 near its left edge (off the ticks at class middles), and
        for (int y = plot.top() + 1; y < plot.bottom(); ++y) // along the first grid row there
            rows +=
                histogramGrid.pixel(plot.left() + plot.width() * 2 / 3 + 2, y) == line ? '-' : '.';
        const int first = plot.top() + 1 + rows.indexOf('-');
        QVERIFY2(rows.count('-') >= 1 && !rows.contains("--"), qPrintable(rows));
        QImage row(20, 1, QImage::Format_RGB32);
        row.fill(line);
        QCOMPARE(histogramGrid.copy(plot.right() - 20, first, 20, 1), row);

        trend.SetAxesVisible(true);
        trend.resize(300, 200);
        const QRect before = trend.PlotArea();
        trend.SetValueAxisTitle("Pressure", "bar");
        trend.SetTimeAxisTitle("Time", "s");
        QCOMPARE(trend.PlotArea(), before.adjusted(h + 2, 0, 0, -h));
        const QImage titled = Render(trend, 1.0);
        const auto ink = [&](QRect rect) // dark pixels: text, antialiased as the font has it
        {
            QRect inked;
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                for (int x = rect.left(); x <= rect.right(); ++x)
                    inked |= qGray(titled.pixel(x, y)) < 128 ? QRect(x, y, 1, 1) : QRect();
            return inked;
        };
        // The value title on its side at the left, the time title centred under the plot.
        const QRect side = ink({0, 0, h, 200}), under = ink({h + 2, 200 - h, 300 - h - 2, h});
        QVERIFY(side.height() > 3 * side.width() && side.left() >= 0 && side.right() < h);
        QVERIFY(std::abs(side.center().y() - trend.PlotArea().center().y()) <= 2);
        QVERIFY(under.width() > 2 * under.height());
        QVERIFY(std::abs(under.center().x() - trend.PlotArea().center().x()) <= 2);
        trend.SetValueAxisTitle("", "");
        trend.SetTimeAxisTitle("", "");
        QCOMPARE(trend.PlotArea(), before);
    }

    // A second axis at the right: b, a constant 50 on 0 to 100, lies on row 50 (on the left
    // axis, 0 to 10, it would be off the top). A box over rows 10 to 59 shows 4 to 9 on the
    // left and 40 to 90 on the right: b a fifth up the 86 rows left above the history bar, on
    // row 69. Going back restores both. The readout, the
    // CSV and screen readers use the right axis' unit; the axis takes its room at the right.
    void trendRightAxis()
    {
        CTrendDisplay trend;
        Sawtooth(trend);
        const int b = trend.AddSeries("b", Qt::blue);
        for (int t = 0; t < 200; ++t)
            trend.Append(b, t, 50);
        trend.SetSeriesOnRightAxis(b, true);
        trend.SetRightValueRange(100, 0);
        trend.show();
        QVERIFY(QTest::qWaitForWindowExposed(&trend));
        const QRgb blue = QColor(Qt::blue).rgb();
        QImage shown = Screen(trend);
        QVERIFY(shown.pixel(103, 50) == blue && shown.pixel(103, 0) != blue);
        QSignalSpy views(&trend, &CTrendDisplay::viewChanged);
        Drag(trend, Qt::LeftButton, {}, {50, 10}, {149, 59});
        const auto view = [&]
        {
            return QStringLiteral("%1 %2 %3 %4")
                .arg(qRound(trend.ValueMin()))
                .arg(qRound(trend.ValueMax()))
                .arg(qRound(trend.RightValueMin()))
                .arg(qRound(trend.RightValueMax()));
        };
        QCOMPARE(view(), "4 9 40 90");
        shown = Screen(trend);
        QVERIFY(shown.pixel(103, 69) == blue && shown.pixel(103, 50) != blue);
        QCOMPARE(shown, Render(trend, 1.0));
        QCOMPARE(views.count(), 1);
        trend.SetRightValueRange(0, 50); // only the right axis: told once
        QCOMPARE(views.count(), 2);
        trend.ZoomBack();
        QCOMPARE(view(), "0 10 0 100");
        QVERIFY(!trend.IsRightAutoRange());
        trend.SetRightAutoRange(); // a sample that stretches only the right axis
        trend.Append(b, 199.5, 500);
        QCOMPARE(Screen(trend), Render(trend, 1.0));
        QVERIFY(view().startsWith("0 10 0 ") && trend.RightValueMax() >= 500);
        trend.SetRightValueRange(0, 100);
        trend.SetLevelOnRightAxis(trend.AddLevel(30, "", Qt::red), true); // row 69, not off the top
        QCOMPARE(Render(trend, 1.0).pixel(150, 69), QColor(Qt::red).rgb());

        QSignalSpy readouts(&trend, &CTrendDisplay::readoutChanged);
        Hover(trend, {103, 51});
        QCOMPARE(readouts.last(), QVariantList({b, 103.0, 50.0}));
        trend.SetValueAxisTitle("", "bar");
        trend.SetRightAxisTitle("T", "°C");
        QCOMPARE(Heard(trend), "a 9; b 500; range 0 to 10 bar; right axis 0 to 100 °C; readout b "
                               "103 50 °C");
        QCOMPARE(trend.SamplesCsv().section('\n', 0, 0), "time,a [bar],b [°C]");

        trend.SetAxesVisible(true);
        trend.resize(300, 200);
        const QFontMetrics metrics = trend.fontMetrics();
        const int h = metrics.height(), labels = metrics.horizontalAdvance("-8888888");
        const QRect plot = trend.PlotArea();
        QCOMPARE(plot.right(), 299 - (h + 2) - labels - 8);
        const QImage axes = Render(trend, 1.0);
        // The tick of 0 at the bottom row, right of the frame; the title on its side at the far
        // right, across the plot's middle.
        const QRgb text = QGuiApplication::palette().color(QPalette::Text).rgb();
        QString tick;
        for (int x = plot.right() + 1; x <= plot.right() + 6; ++x)
            tick += axes.pixel(x, plot.bottom()) == text ? 'x' : '.';
        QCOMPARE(tick, ".xxxx.");
        bool titled = false;
        for (int x = 300 - h; x < 300; ++x)
            titled = titled || qGray(axes.pixel(x, plot.center().y())) < 128;
        QVERIFY(titled);
        trend.SetSeriesOnRightAxis(b, false);
        QCOMPARE(trend.PlotArea().right(), 299 - 1 - metrics.averageCharWidth());
        trend.SetRightAutoRange(); // an automatic axis that appears in a zoomed view fits b there
        trend.ZoomTo(0, 200, 0, 5);
        trend.SetSeriesOnRightAxis(b, true);
        QVERIFY(trend.RightValueMin() <= 50 && trend.RightValueMax() >= 500);
    }

    // 100,000 samples exported: the picture and the PNG are the screen's pixels, SVG and PDF
    // hold the reduction (the SVG at most 4 times a 600-point polyline's) and, drawn back, light
    // the same columns; the shown trend goes on exactly as before.
    void trendExport()
    {
        CTrendDisplay trend;
        trend.resize(600, 300);
        trend.SetTimeWindow(1000);
        std::vector<QPointF> samples;
        for (int i = 0; i < 100000; ++i)
            samples.emplace_back(i * 0.01, std::sin(i * 1e-4) + 0.3 * std::sin(i * 3e-3));
        trend.Append(trend.AddSeries("sine", kLine), samples);
        trend.AddLevel(1.2, "limit", Qt::red);
        trend.show();
        QVERIFY(QTest::qWaitForWindowExposed(&trend));
        trend.clearFocus(); // pictures have no focus frame
        const QImage screen = Render(trend, 1.0);
        QCOMPARE(trend.Picture(), screen);
        QTemporaryDir dir;
        const auto file = [&](const char* name) { return dir.filePath(name); };
        for (const char* name : {"t.svg", "t.pdf", "t.png", "t.csv"})
            QVERIFY2(trend.Save(file(name)), name);
        QVERIFY(!trend.Save(file("t.xyz")) && !QFile::exists(file("t.xyz")));
        QCOMPARE(QImage(file("t.png")).convertToFormat(QImage::Format_RGB32), screen);
        QCOMPARE(QFile(file("t.csv")).size(), trend.SamplesCsv().toUtf8().size());
        for (const auto& [ratio, width] :
             {std::pair(0.0, 400), {-1.0, 400}, {kNaN, 400}, {1e-9, 1}, {1e9, 8192}})
            QCOMPARE(trend.Picture(QSize(400, 4), ratio).width(), width);
        QImage target(10, 10, QImage::Format_RGB32);
        trend.RenderTo(target, QRectF(0, 0, kNaN, 1e300)); // nothing drawn, nothing broken
        trend.RenderTo(target, QRectF(-1e300, 0, 1e300, 1e300));
        QCOMPARE(trend.Picture(QSize(50, 20), 2.0).size(), QSize(100, 40)); // fewer value ticks
        QCOMPARE(Render(trend, 1.0), screen);

        const QRect plot = trend.PlotArea();
        const auto lit = [&](const QImage& image)
        {
            QString columns;
            for (int x = plot.left(); x <= plot.right(); ++x)
            {
                bool on = false;
                for (int y = plot.top(); y <= plot.bottom(); ++y)
                {
                    const QColor c = image.pixelColor(x, y); // at least half way to the line
                    on = on || (c.green() > 75 && c.red() < 128 && c.blue() < 128);
                }
                columns += on ? '#' : '.';
            }
            return columns;
        };
        QImage drawn(trend.size(), QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        QSvgRenderer(file("t.svg")).render(&painter);
        painter.end();
        QCOMPARE(lit(drawn), lit(screen));
        QBuffer line;
        QSvgGenerator generator;
        generator.setOutputDevice(&line);
        QPainter(&generator).drawPolyline(samples.data(), 600); // closed at once
        QVERIFY(QFile(file("t.svg")).size() <= 4 * line.size());
        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        if (!pdftoppm.isEmpty())
        {
            const QString dpi = QString::number(trend.logicalDpiX()); // the page is 600 x 300 there
            QCOMPARE(QProcess::execute(
                         pdftoppm, {"-r", dpi, "-png", "-singlefile", file("t.pdf"), file("pdf")}),
                     0);
            const QImage page = QImage(file("pdf.png")).convertToFormat(QImage::Format_RGB32);
            QCOMPARE(page.size(), trend.size());
            QCOMPARE(lit(page), lit(screen));
        }
        // At four times the screen's dpi, laid out as on the screen: its text four times as
        // large, not sixteen (as a font in points would be, measured at the target's dpi).
        QImage fine(2400, 1200, QImage::Format_RGB32);
        fine.setDotsPerMeterX(qRound(trend.logicalDpiX() * 4 / 0.0254));
        fine.setDotsPerMeterY(fine.dotsPerMeterX());
        fine.fill(Qt::white);
        trend.RenderTo(fine, QRectF(0, 0, 2400, 1200));
        const auto ink = [&](const QImage& image) // the time labels' dark pixels
        {
            int dark = 0;
            for (int y = plot.bottom() + 2; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    dark += qGray(image.pixel(x, y)) < 100;
            return dark;
        };
        const double text = double(ink(fine.scaled(trend.size(), Qt::IgnoreAspectRatio,
                                                   Qt::SmoothTransformation))) /
                            ink(screen);
        QVERIFY2(text > 0.7 && text < 1.3, qPrintable(QString::number(text)));
        trend.Append(0, 1001, 1.0);
        const QImage shown = Screen(trend); // after the frame, which shows the history bar
        QCOMPARE(shown, Render(trend, 1.0));
    }

    // The samples in view as CSV, a line per time, and on the clipboard with the picture.
    void trendCsv()
    {
        CTrendDisplay trend;
        trend.resize(200, 100);
        trend.SetTimeWindow(10);
        const int a = trend.AddSeries("a", kLine);
        trend.Append(a, {{1, 1.5}, {2, kNaN}, {3, 0.1}, {3, 0.2}, {12, 7}});
        const int b = trend.AddSeries("flow, \"raw\"", Qt::blue);
        trend.Append(b, {{2, -3}, {3, 1e-7}});
        trend.ScrollTo(10.5);
        trend.SetTimeAxisTitle("Time", "s");
        trend.SetValueAxisTitle("Flow", "l/h");
        const QString header = "time [s],a [l/h],\"flow, \"\"raw\"\" [l/h]\"\n";
        QCOMPARE(trend.SamplesCsv(), header + "1,1.5,\n2,,-3\n3,0.1,\n3,0.2,1e-07\n");
        trend.ZoomTo(2.5, 3.5, 0, 1);
        QCOMPARE(trend.SamplesCsv(), header + "3,0.1,\n3,0.2,1e-07\n");
        QTest::keyClick(&trend, Qt::Key_C, Qt::ControlModifier);
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(copied->text() + copied->data("text/csv"), trend.SamplesCsv().repeated(2));
        QCOMPARE(qvariant_cast<QImage>(copied->imageData()).size(), trend.size());
    }

    // A scrolled-back trend draws the line that leaves its window towards the first sample
    // after it, also when that sample arrives while the trend is shown: in the window -100 to
    // 100, the line from (0, 0) to (200, 10) crosses column 150 at the value 2.5, row 74.
    void trendLineOut()
    {
        CTrendDisplay trend;
        trend.SetAxesVisible(false);
        trend.resize(200, 100);
        trend.SetTimeWindow(200);
        trend.SetValueRange(0, 10);
        const int series = trend.AddSeries("a", kLine);
        trend.Append(series, 0, 0);
        trend.ScrollTo(100);
        trend.show();
        QVERIFY(QTest::qWaitForWindowExposed(&trend));
        trend.Append(series, 200, 10);
        const QRgb base = QGuiApplication::palette().color(QPalette::Base).rgb();
        const auto rows = LitRows(Screen(trend), 150, base);
        QVERIFY2(rows.first >= 73 && rows.second <= 75,
                 qPrintable(QStringLiteral("%1-%2").arg(rows.first).arg(rows.second)));
        // A steep line into the newest column starts in the column before: both reach the
        // screen, though only the newest has new samples.
        trend.ClearSamples();
        trend.FollowNewest();
        trend.Append(series, 10, 0);
        Screen(trend);
        trend.Append(series, 11, 10);
        const QImage steep = Screen(trend);
        QCOMPARE(steep, Render(trend, 1.0));
        // Steep lines between columns that are shown one after the other: each frame redraws
        // only the newest columns, and the older lines must not reach into them.
        CTrendDisplay zigzag;
        zigzag.resize(320, 200);
        zigzag.SetValueRange(-60, 160);
        const int level = zigzag.AddSeries("level", kLine);
        zigzag.show();
        QVERIFY(QTest::qWaitForWindowExposed(&zigzag));
        for (const auto& [time, value] : {qMakePair(2.9375, 46.2), {4.9375, -41.8}, {6.5, -30.3}})
        {
            zigzag.Append(level, time, value);
            const QImage screen = Screen(zigzag);
            QVERIFY2(screen == Render(zigzag, 1.0), qPrintable(QString::number(time)));
        }
    }

    // The automatic value axis holds every series, the lower one too; the ring keeps equal
    // times, forgets a wrapped series when cleared, and a batch goes on past a refused sample.
    void trendData()
    {
        CTrendDisplay trend;
        trend.resize(300, 160);
        const int high = trend.AddSeries("high", kLine);
        trend.AddSeries(QString(), Qt::red); // no name: no legend entry
        const int low = trend.AddSeries("low", Qt::blue);
        trend.Append(high, 0, 10);
        trend.Append(high, 1, 90);
        trend.Append(low, 0, -95);
        trend.Append(low, 1, 0);
        QCOMPARE(trend.ValueMin(), -100.0);
        QCOMPARE(trend.ValueMax(), 100.0);
        // The legend from the right: a name, 4 pixels, a swatch of 12, 10 pixels, the next one.
        const QImage legend = Render(trend, 1.0);
        const QFontMetrics metrics = trend.fontMetrics();
        const int row = (metrics.height() - 1) / 2;
        const int lowSwatch = 299 - metrics.horizontalAdvance("low") - 16;
        const int highSwatch = lowSwatch - 10 - metrics.horizontalAdvance("high") - 16;
        for (const auto& [left, colour] :
             {qMakePair(lowSwatch, QColor(Qt::blue)), qMakePair(highSwatch, kLine)})
        {
            QCOMPARE(legend.pixelColor(left, row), colour);
            QCOMPARE(legend.pixelColor(left + 11, row), colour);
            QVERIFY(legend.pixelColor(left - 1, row) != colour);
            QVERIFY(legend.pixelColor(left + 12, row) != colour);
        }

        QCOMPARE(trend.Append(low, {{2, 1}, {3, 2}, {2.5, 9}, {3, 4}, {kInf, 5}, {4, kNaN}}),
                 std::size_t(4));
        QCOMPARE(trend.SampleCount(low), std::size_t(6));
        QCOMPARE(trend.Sample(low, 4), QPointF(3, 4)); // equal times kept in order
        QVERIFY(std::isnan(trend.LastSample(low).y()));

        trend.SetTimeWindow(100);
        for (int t = 5; t < 12; ++t)
        {
            trend.Append(high, t, t);
        }
        trend.SetCapacity(4); // a shrink keeps the newest
        QCOMPARE(trend.Sample(high, 0), QPointF(8, 8));
        for (int t = 12; t < 19; ++t) // the ring drops a sample in the window at every paint
        {
            trend.Append(high, t, t);
            Render(trend, 1.0);
        }
        QVERIFY(SameAsFresh(trend));
        trend.ClearSamples(high);
        QCOMPARE(trend.SampleCount(high), std::size_t(0));
        trend.Append(high, 20, 7);
        trend.Append(high, 21, 8);
        QCOMPARE(trend.Sample(high, 0), QPointF(20, 7));
        QCOMPARE(trend.LastSample(high), QPointF(21, 8));
        trend.SetCapacity(0); // taken as 1: the newest stays
        QCOMPARE(trend.SampleCount(high), std::size_t(1));
        QCOMPARE(trend.LastSample(high), QPointF(21, 8));

        // A million samples, and sizes a layout may give.
        trend.SetCapacity(1000000);
        std::vector<QPointF> million(1000000);
        for (int i = 0; i < 1000000; ++i)
        {
            million[std::size_t(i)] = {200 + i * 1e-3, i % 2 ? kNaN : std::sin(i)};
        }
        QCOMPARE(trend.Append(low, million), std::size_t(1000000));
        for (const QSize size : {QSize(600, 300), QSize(0, 0), QSize(1, 1)})
        {
            trend.resize(size);
            Render(trend, 2.0);
        }
    }

    // The reduction kept and extended as samples arrive, the ring overwrites and the window
    // moves, against one made afresh from the same samples: column for column the same.
    // Lines end to end: steep ones a pixel a row (within their ends' columns), shallow a column.
    void rasterLines()
    {
        Detail::CPlotRaster raster;
        raster.Begin(QSize(10, 10), qRgb(255, 255, 255));
        raster.DrawLines({QLineF(2.5, 9.5, 3.5, 0.5), QLineF(5.5, 2.3, 9.5, 4.3)}, qRgb(0, 0, 0));
        QStringList lit;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                if (raster.Image().pixel(x, y) == qRgb(0, 0, 0))
                    lit << QStringLiteral("%1,%2").arg(x).arg(y);
        QCOMPARE(lit.join(' '), "3,0 3,1 3,2 5,2 6,2 3,3 7,3 8,3 3,4 9,4 2,5 2,6 2,7 2,8 2,9");
    }

    // A full ring's range (a block of the summary's top level), then runs of it, against a scan.
    void ringValueRange()
    {
        QRandomGenerator random(7);
        Detail::CSampleRing ring;
        ring.SetCapacity(8192);
        for (int i = 0; i < 12288; ++i)
        {
            ring.Push(i, random.bounded(9) == 0 ? kNaN : random.bounded(100000) / 10.0);
            if (i % 1024 != 1023)
                continue;
            const std::uint64_t first = ring.Begin() + (i % 2048 ? 0 : random.bounded(8192));
            std::pair<double, double> scan(kInf, -kInf);
            for (std::uint64_t sample = first; sample < ring.End(); ++sample)
                if (!std::isnan(ring.Value(sample)))
                    scan = {std::min(scan.first, ring.Value(sample)),
                            std::max(scan.second, ring.Value(sample))};
            QCOMPARE(ring.ValueRange(first, ring.End()), scan);
        }
    }

    void trendReductionKeptExact()
    {
        // Every eighth ring holds thousands of samples, which the fresh reduction reads from
        // the summary of their ranges.
        QRandomGenerator random(26);
        for (int run = 0; run < 40; ++run)
        {
            const bool large = run % 8 == 0;
            Detail::CSampleRing ring;
            ring.SetCapacity(large ? 5000 + random.bounded(3000) : 1 + random.bounded(200));
            Detail::CColumnCache kept;
            Detail::SColumnGrid grid{0.0, (0.5 + random.bounded(3)) * (large ? 50 : 1), 0, 40};
            double time = random.bounded(20) - 10.0;
            kept.Rebuild(ring, grid);
            for (int step = 0; step < 300; ++step)
            {
                for (int i = large ? 40 : 1; i > 0; --i)
                {
                    time += random.bounded(8) * 0.25;
                    ring.Push(time, random.bounded(5) == 0 ? kNaN : random.bounded(100));
                }
                if (random.bounded(10) == 0)
                {
                    grid.nFirst += random.bounded(30);
                    kept.Shift(ring, grid.nFirst);
                }
                kept.Trim(ring);
                kept.Extend(ring);
                Detail::CColumnCache fresh;
                fresh.Rebuild(ring, grid);
                const auto text = [](const Detail::CColumnCache& cache)
                {
                    QStringList columns;
                    for (const Detail::SColumn& column : cache.Columns())
                    {
                        columns << (!column.bHasData ? QStringLiteral("-")
                                                     : QStringLiteral("%1..%2 at %3")
                                                           .arg(column.dMin)
                                                           .arg(column.dMax)
                                                           .arg(column.dFirstTime));
                        if (column.bHasData && column.bJoined)
                        {
                            columns.last() += QStringLiteral(" from %1,%2")
                                                  .arg(column.dPrevTime)
                                                  .arg(column.dPrevValue);
                        }
                    }
                    const Detail::SColumn& exit = cache.Exit();
                    return columns.join(' ') + (exit.bHasData && exit.bJoined
                                                    ? QStringLiteral(" out %1,%2 to %3,%4")
                                                          .arg(exit.dPrevTime)
                                                          .arg(exit.dPrevValue)
                                                          .arg(exit.dFirstTime)
                                                          .arg(exit.dFirstValue)
                                                    : QString());
                };
                QCOMPARE(text(kept), text(fresh));
            }
        }
    }

    // What a screen reader hears, and that it changes with the data.
    void accessibility()
    {
        CTrendDisplay trend;
        trend.SetValueRange(10, -40); // either order
        QCOMPARE(trend.ValueMin(), -40.0);
        trend.SetValueRange(0, 50);
        trend.Append(trend.AddSeries("Temperature", kLine), 1.0, 21.5);
        CHistogramDisplay histogram;
        const auto said = [](QWidget& widget)
        {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
            return QString(accessible->role() == QAccessible::Chart ? "chart " : "") +
                   accessible->text(QAccessible::Name) + ": " +
                   accessible->text(QAccessible::Description);
        };
        QCOMPARE(said(trend), "chart Trend: Temperature 21.5; range 0 to 50");
        // An update handler hears a new description once per frame of samples, and new counts.
        const QStringList heard = ZriTest::Heard(
            [](QAccessibleEvent* event)
            {
                return event->type() == QAccessible::DescriptionChanged
                           ? QString(event->object()->metaObject()->className()).section("::", -1)
                           : QString();
            },
            {[&]
             {
                 trend.Append(0, 2.0, 22);
                 trend.Append(0, 3.0, 22);
                 QCoreApplication::processEvents();
             },
             [&] {
                 histogram.AddDataList(Mode(HistogramBars, "Red"), {1, 9, 4});
             }});
        QCOMPARE(heard, QStringList({"CTrendDisplay", "CHistogramDisplay"}));
        QCOMPARE(said(trend), "chart Trend: Temperature 22; range 0 to 50");
        QCOMPARE(said(histogram), "chart Histogram: Red: 3 classes, largest count 9 at class 1");
    }
};

ZRI_TEST_MAIN(CDisplaysTest)
#include "tst_displays.moc"
