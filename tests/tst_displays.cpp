// The histogram and the trend as an application uses them: bars at the columns and heights
// worked out below, the reduced trend against a plain polyline of every sample, gaps, refused
// samples, the ring's capacity, appends to a shown trend, zoom and pan, the dark palette and
// what a screen reader hears.
#include "HistogramDisplay.h"
#include "TestSupport.h"
#include "TrendDisplay.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QtMath>

#include <climits>
#include <cmath>
#include <limits>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
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

SDataListMode Mode(EHistogramDrawMode mode, const char* label = "")
{
    SDataListMode list;
    list.m_oColor = Varo::Fenra::Color::CRGBColor<unsigned char>(200, 0, 0);
    list.m_eDisplayMode = mode;
    list.m_sLabel = label;
    return list;
}

// Letters of the pixels at "x,y ...": B base, S bars of the list, '.' anything else.
QString Probe(const QImage& image, const QString& points)
{
    const QColor base = QGuiApplication::palette().color(QPalette::Base);
    QString letters;
    for (const QString& point : points.split(' '))
    {
        const QColor colour =
            image.pixelColor(point.section(',', 0, 0).toInt(), point.section(',', 1, 1).toInt());
        letters += colour == base ? 'B' : colour == kBars ? 'S' : '.';
    }
    return letters;
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

// Counts the paint events of a widget and unites their rectangles.
class CPaintSpy : public QObject
{
public:
    int m_nCount = 0;
    QRect m_oArea;

    void Reset()
    {
        m_nCount = 0;
        m_oArea = QRect();
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
        {
            ++m_nCount;
            m_oArea |= static_cast<QPaintEvent*>(event)->rect();
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
        // Decades 1 to 1000 over 100 rows: 10 is 33 rows high, 100 67, 1 none.
        row("logarithmic", HistogramBars, 1.0, {1, 10, 100, 1000}, true,
            "20,99 60,67 60,66 100,33 100,32 140,0", "BSBSBS");
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

    // The application zooms, the user pans with the scroll bar and the wheel; the shaded span
    // follows the classes, the tooltip tells class and count, a dark palette darkens the plot.
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
        // A live image: new counts for the same view repaint, with no bar kept from before.
        counts[9] = 0;
        histogram.SetCounts(0, counts);
        QCOMPARE(Probe(Render(histogram, 1), "95,99 85,0"), QString(".S"));
        counts[9] = 40;
        histogram.SetCounts(0, counts);

        histogram.SetVisibleClasses(8, 4); // classes 8 to 11, 40 columns each
        QCOMPARE(spy.count(), 1);
        QVERIFY(!pan->isHidden());
        QCOMPARE(pan->maximum(), 12);
        QCOMPARE(pan->value(), 8);
        QCOMPARE(histogram.ClassAt(45), 9);
        QCOMPARE(Probe(Render(histogram, 1), "40,0 119,0 39,0 120,0"), QString("S.BB"));
        pan->setValue(0);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.last(), QVariantList({0, 4}));
        QCOMPARE(histogram.FirstVisibleClass(), 0);

        histogram.ZoomOut();
        QWheelEvent wheel(QPointF(0, 50), QPointF(0, 50), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&histogram, &wheel);
        QCOMPARE(histogram.FirstVisibleClass(), 0);
        QCOMPARE(histogram.VisibleClassCount(), 13); // 16 x 0.8, rounded
        QCOMPARE(spy.count(), 4);

        QPalette dark = QGuiApplication::palette();
        dark.setColor(QPalette::Base, QColor(20, 20, 20));
        QApplication::setPalette(dark);
        QCOMPARE(Render(histogram, 1).pixelColor(150, 5), QColor(20, 20, 20));
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
        // Eight samples a device column keep them a few hundredths of a pixel off the column
        // edges, where Qt's lines may fall on either side.
        QTest::newRow("dense") << 1600 << QSize(200, 100) << 1.0 << -100;
        QTest::newRow("sparse") << 120 << QSize(300, 80) << 1.0 << -100;
        QTest::newRow("one per column") << 64 << QSize(64, 64) << 1.0 << -100;
        QTest::newRow("ratio 2") << 2400 << QSize(150, 60) << 2.0 << -100;
        QTest::newRow("ratio 1.5") << 1440 << QSize(120, 60) << 1.5 << -100;
        QTest::newRow("gap") << 100 << QSize(200, 60) << 1.0 << 40;
    }

    void trendMatchesPolyline()
    {
        QFETCH(int, samples);
        QFETCH(QSize, size);
        QFETCH(qreal, dpr);
        QFETCH(int, gapFrom);
        QRandomGenerator random(samples);
        std::vector<QPointF> points;
        double value = 0.5;
        for (int i = 0; i < samples; ++i)
        {
            // Reflected at 0 and 1: a walk held at a bound would draw runs of sub-pixel
            // segments, which Qt's polyline leaves out.
            value += (random.generateDouble() - 0.5) * 0.2;
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
            else if (i + 1 < points.size() && std::isnan(a.y()) && std::isnan(points[i + 1].y()))
            {
                painter.drawPoint(int(b.x() * dpr), int(0.5 + (1.0 - b.y()) * rows));
            }
        }
        painter.end();
        const QRgb base = QGuiApplication::palette().color(QPalette::Base).rgb();
        // Qt draws a line's pixel on the row's centre, so a line starting a hair right of a
        // column edge may light a pixel in the column before: each column's top and bottom are
        // held against those of its neighbours in the other picture too.
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
            return (rows.first < 0) == (LitRows(other, x, base).first < 0) &&
                   (rows.first < 0 || (rows.first >= top - 1 && rows.second <= bottom + 1));
        };
        for (int x = 0; x < plain.width(); ++x)
        {
            QVERIFY2(within(shown, plain, x) && within(plain, shown, x),
                     qPrintable(QStringLiteral("column %1: %2-%3, plain %4-%5")
                                    .arg(x)
                                    .arg(LitRows(shown, x, base).first)
                                    .arg(LitRows(shown, x, base).second)
                                    .arg(LitRows(plain, x, base).first)
                                    .arg(LitRows(plain, x, base).second)));
        }
        if (gapFrom >= 0)
        {
            QCOMPARE(LitRows(shown, 84, base).first, -1);
            QCOMPARE(LitRows(shown, 96, base).first, -1);
        }
    }

    // A shown trend as a live measurement feeds it: an append inside the window repaints a few
    // columns, one that moves the window shows what a fresh paint shows; refused samples change
    // nothing and repaint nothing.
    void trendAppend()
    {
        CTrendDisplay trend;
        trend.SetAxesVisible(false);
        trend.resize(200, 100);
        trend.SetTimeWindow(100.0);
        trend.SetValueRange(0.0, 10.0);
        const int series = trend.AddSeries("level", kLine);
        for (int t = 0; t < 50; ++t)
        {
            trend.Append(series, t, t % 10);
        }
        CPaintSpy spy;
        trend.installEventFilter(&spy);
        trend.show();
        QVERIFY(QTest::qWaitForWindowExposed(&trend));
        QTRY_VERIFY(spy.m_nCount > 0);
        // Two columns a time unit; the newest sample (49) sits in the last column.
        QCOMPARE(trend.WindowEnd(), 49.5);
        QVERIFY(trend.IsFollowing());

        spy.Reset();
        QVERIFY(trend.Append(series, 49.2, 3.0)); // the newest column again: the window stays
        QTRY_VERIFY(spy.m_nCount > 0);
        QVERIFY2(spy.m_oArea.width() <= 4, qPrintable(QString::number(spy.m_oArea.width())));

        spy.Reset();
        QVERIFY(!trend.Append(series, 49.1, 5.0)); // older than the newest: refused
        QVERIFY(!trend.Append(series, kNaN, 5.0));
        QVERIFY(!trend.Append(7, 60.0, 5.0));
        QCOMPARE(trend.SampleCount(series), std::size_t(51));
        QCOMPARE(trend.LastSample(series), QPointF(49.2, 3.0));
        QTest::qWait(20);
        QCOMPARE(spy.m_nCount, 0);

        // With the time labels, which move with the plot and come in and go out at its ends.
        trend.SetAxesVisible(true);
        trend.resize(400 - trend.PlotArea().width(), 100); // the plot 200 columns wide again
        QSignalSpy moved(&trend, &CTrendDisplay::windowChanged);
        for (int t = 51; t < 100; ++t) // each moves the window; the screen catches up each time
        {
            QVERIFY(trend.Append(series, t, t % 7));
            QCoreApplication::processEvents();
        }
        QCOMPARE(moved.count(), 49);
        QCOMPARE(trend.WindowEnd(), 99.5);
        QCoreApplication::processEvents();
        CTrendDisplay fresh;
        fresh.resize(trend.size());
        fresh.SetTimeWindow(100.0);
        fresh.SetValueRange(0.0, 10.0);
        fresh.AddSeries("level", kLine);
        for (std::size_t i = 0; i < trend.SampleCount(series); ++i)
        {
            fresh.Append(0, trend.Sample(series, i).x(), trend.Sample(series, i).y());
        }
        // What the window shows (moved pixels and all) against a fresh paint.
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(trend.winId()).toImage();
        QCOMPARE(screen.convertToFormat(QImage::Format_RGB32), Render(fresh, 1.0));
        // Time 0 and 100 at the plot's ends: their labels are whole, reaching past its edges.
        fresh.ScrollTo(100.0);
        const QImage labels = Render(fresh, 1.0);
        const QRect plot = fresh.PlotArea();
        const QColor window = QGuiApplication::palette().color(QPalette::Window);
        int inkLeft = labels.width(), inkRight = -1;
        for (int y = plot.bottom() + 6; y < labels.height(); ++y)
        {
            for (int x = 0; x < labels.width(); ++x)
            {
                if (labels.pixelColor(x, y) != window)
                {
                    inkLeft = std::min(inkLeft, x);
                    inkRight = std::max(inkRight, x);
                }
            }
        }
        QVERIFY2(inkLeft < plot.left() - 1 && inkRight > plot.right() + 2,
                 qPrintable(QString("%1 %2").arg(inkLeft).arg(inkRight)));
    }

    // The history scroll bar looks back and forth; at its end the window follows again.
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
        auto* history = trend.findChild<QScrollBar*>();
        QCOMPARE(history->maximum(), 900); // 90 time units in steps of a tenth of the window
        QCOMPARE(history->value(), 900);
        history->setValue(0);
        QVERIFY(!trend.IsFollowing());
        QCOMPARE(trend.WindowStart(), 0.0);
        QVERIFY(trend.Append(series, 101, 0));
        QCOMPARE(trend.WindowStart(), 0.0);
        history->setValue(history->maximum());
        QVERIFY(trend.IsFollowing());
        QVERIFY(trend.WindowEnd() >= 101.0);

        // The plot takes the palette's Base, the frame around it Mid: a dark theme, a dark plot.
        QPalette dark = QGuiApplication::palette();
        dark.setColor(QPalette::Base, QColor(20, 20, 20));
        dark.setColor(QPalette::Mid, QColor(90, 90, 90));
        QApplication::setPalette(dark);
        trend.ClearSamples();
        const QRect plot = trend.PlotArea();
        const QImage image = Render(trend, 1.0);
        QCOMPARE(image.pixelColor(plot.left(), plot.bottom()), QColor(20, 20, 20));
        QCOMPARE(image.pixelColor(plot.left() - 1, plot.center().y()), QColor(90, 90, 90));
    }

    // Capacity: a shrink and capacity 0 keep the newest samples; the ring then drops the
    // oldest. A million samples and odd sizes paint.
    void trendCapacity()
    {
        CTrendDisplay trend;
        const int series = trend.AddSeries("a", kLine);
        for (int t = 0; t < 100; ++t)
        {
            trend.Append(series, t, t);
        }
        trend.SetCapacity(10);
        QCOMPARE(trend.SampleCount(series), std::size_t(10));
        QCOMPARE(trend.Sample(series, 0), QPointF(90, 90));
        trend.Append(series, 100, 5);
        QCOMPARE(trend.Sample(series, 0), QPointF(91, 91));
        QCOMPARE(trend.Sample(series, 9), QPointF(100, 5));
        trend.SetCapacity(0);
        QCOMPARE(trend.Capacity(), std::size_t(1));
        QCOMPARE(trend.SampleCount(series), std::size_t(1));
        QCOMPARE(trend.LastSample(series), QPointF(100, 5));

        trend.SetCapacity(1000000);
        std::vector<QPointF> million;
        million.reserve(1000000);
        for (int i = 0; i < 1000000; ++i)
        {
            million.emplace_back(200 + i * 1e-3, i % 2 ? kNaN : std::sin(i));
        }
        QCOMPARE(trend.Append(series, million), std::size_t(1000000));
        QCOMPARE(trend.SampleCount(series), std::size_t(1000000));
        trend.SetTimeWindow(2000.0);
        for (const QSize size : {QSize(600, 300), QSize(0, 0), QSize(1, 1)})
        {
            trend.resize(size);
            Render(trend, 2.0);
        }
    }

    // What a screen reader hears, and that it changes with the data.
    void accessibility()
    {
        CTrendDisplay trend;
        trend.SetValueRange(0, 50);
        trend.Append(trend.AddSeries("Temperature", kLine), 1.0, 21.5);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&trend);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::Chart);
        QCOMPARE(accessible->text(QAccessible::Name), QString("Trend"));
        QCOMPARE(accessible->text(QAccessible::Description),
                 QString("Temperature 21.5; range 0 to 50"));
        trend.Append(0, 2.0, 22);
        QCOMPARE(accessible->text(QAccessible::Description),
                 QString("Temperature 22; range 0 to 50"));

        CHistogramDisplay histogram;
        histogram.AddDataList(Mode(HistogramBars, "Red"), {1, 9, 4});
        accessible = QAccessible::queryAccessibleInterface(&histogram);
        QCOMPARE(accessible->role(), QAccessible::Chart);
        QCOMPARE(accessible->text(QAccessible::Name), QString("Histogram"));
        QCOMPARE(accessible->text(QAccessible::Description),
                 QString("Red: 3 classes, largest count 9 at class 1"));
    }
};

ZRI_TEST_MAIN(CDisplaysTest)
#include "tst_displays.moc"
