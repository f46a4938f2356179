// Bar gauges: fonts of the base, the ruler's marks, labels, ticks and scale modes.
#include "BarGeometry.h"
#include "BarScalePercent.h"
#include "TestSupport.h"

#include <QFontMetrics>

#include <climits>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using ZriTest::kDark;
using ZriTest::kLight;

namespace
{

// Exposes the protected font helpers.
class CProbeRuler : public CBarScalePercent
{
public:
    using CBarScalePercent::_GetFooterFont;
    using CBarScalePercent::_GetFooterHeight;
    using CBarScalePercent::_GetRulerFont;
    using CBarScalePercent::_GetTitleFont;
    using CBarScalePercent::_GetTitleHeight;
    using CBarScalePercent::CBarScalePercent;
};

// Rows whose pixel in the column is a dark tick row.
QList<int> DarkRows(const QImage& image, int x)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
    {
        if (ZriTest::PixelAt(image, x, y) == kDark)
            rows << y;
    }
    return rows;
}

// Leftmost and rightmost column of label text in the rows, or (-1, -1).
QPair<int, int> TextColumns(const QImage& image, int top, int bottom)
{
    const QColor background = ZriTest::TestPalette().color(QPalette::Window);
    QPair<int, int> columns(-1, -1);
    for (int y = std::max(top, 0); y <= std::min(bottom, image.height() - 1); ++y)
    {
        for (int x = 0; x < image.width(); ++x)
        {
            const QColor pixel = ZriTest::PixelAt(image, x, y);
            if (pixel == background || pixel == kDark || pixel == kLight)
                continue;
            columns.first = columns.first < 0 ? x : std::min(columns.first, x);
            columns.second = std::max(columns.second, x);
        }
    }
    return columns;
}

} // namespace

class TestBarScale : public QObject
{
    Q_OBJECT

private slots:
    void markRows_data();
    void markRows();
    void tickEnds_data();
    void tickEnds();
    void labels_data();
    void labels();
    void defaultRulerPaintsElevenEngravedMarks();
    void titleFontNeedsSystemFlagOff();
    void sizeSettersCopyTheEffectiveFont();
    void scaleModePixels_data();
    void scaleModePixels();
    void degenerateStepsDrawNothing_data();
    void degenerateStepsDrawNothing();
    void rulerNeedsNoValues();
};

void TestBarScale::markRows_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("title");
    QTest::addColumn<int>("footer");
    QTest::addColumn<unsigned int>("steps");
    QTest::addColumn<QList<int>>("rows");
    // Scale 16..183, span 168: 16.8 truncates to 16, so mark 1 sits at 167.
    QTest::newRow("worked example")
        << 200 << 16 << 16 << 10u << QList<int>{183, 167, 150, 133, 116, 99, 83, 66, 49, 32, 15};
    QTest::newRow("one step spans the area") << 100 << 10 << 20 << 1u << QList<int>{79, 9};
    QTest::newRow("thirds truncate") << 100 << 0 << 0 << 3u << QList<int>{99, 66, 33, -1};
    QTest::newRow("zero steps") << 100 << 0 << 0 << 0u << QList<int>{};
}

void TestBarScale::markRows()
{
    QFETCH(int, height);
    QFETCH(int, title);
    QFETCH(int, footer);
    QFETCH(unsigned int, steps);
    QFETCH(QList<int>, rows);
    const auto layout =
        Detail::RulerLayout(QRect(0, 0, 50, height), title, footer, steps, QSize(20, 12), 1, 1);
    QList<int> actual;
    for (const auto& mark : layout.vMarks)
    {
        actual << mark.nY;
        // The label is centred on its row, one line height above and below.
        QCOMPARE(mark.oLabelRect, QRect(QPoint(0, mark.nY - 12), QPoint(49, mark.nY + 12)));
    }
    QCOMPARE(actual, rows);
}

void TestBarScale::tickEnds_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<bool>("left");
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("leftEnd");
    QTest::addColumn<int>("rightStart");
    // Width 61, widest label 21: the label may occupy 20..40 (halves truncate).
    const QRect rect(10, 0, 61, 100);
    QTest::newRow("both") << rect << true << true << int(Qt::AlignHCenter) << 10 + 30 - 10 - 3
                          << 10 + 30 + 10 + 3;
    QTest::newRow("left") << rect << true << false << int(Qt::AlignRight) << 70 - 21 - 3 << 0;
    QTest::newRow("right") << rect << false << true << int(Qt::AlignLeft) << 0 << 10 + 21 + 3;
    QTest::newRow("none") << rect << false << false << int(Qt::AlignHCenter) << 0 << 0;
}

void TestBarScale::tickEnds()
{
    QFETCH(QRect, rect);
    QFETCH(bool, left);
    QFETCH(bool, right);
    QFETCH(int, alignment);
    QFETCH(int, leftEnd);
    QFETCH(int, rightStart);
    const auto layout = Detail::RulerLayout(rect, 0, 0, 10, QSize(21, 12), left, right);
    QCOMPARE(int(layout.eLabelAlignment), alignment);
    QCOMPARE(layout.bTicksLeft, left);
    QCOMPARE(layout.bTicksRight, right);
    if (left)
        QCOMPARE(layout.nLeftTickEnd, leftEnd);
    if (right)
        QCOMPARE(layout.nRightTickStart, rightStart);
}

void TestBarScale::labels_data()
{
    QTest::addColumn<unsigned int>("steps");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("default ten") << 10u << QStringList{"0",  "10", "20", "30", "40", "50",
                                                       "60", "70", "80", "90", "100"};
    QTest::newRow("thirds") << 3u << QStringList{"0", "33.3333", "66.6667", "100"};
    QTest::newRow("one") << 1u << QStringList{"0", "100"};
    QTest::newRow("zero") << 0u << QStringList{};
    QTest::newRow("absurd") << UINT_MAX << QStringList{};
}

void TestBarScale::labels()
{
    QFETCH(unsigned int, steps);
    QFETCH(QStringList, labels);
    QCOMPARE(Detail::RulerLabels(steps), labels);
}

void TestBarScale::defaultRulerPaintsElevenEngravedMarks()
{
    CProbeRuler ruler;
    ruler.resize(60, 200);
    const QImage image = ZriTest::RenderWidget(ruler);
    const auto layout = Detail::RulerLayout(ruler.rect(), ruler._GetTitleHeight(),
                                            ruler._GetFooterHeight(), 10, QSize(1, 1), 1, 1);
    QList<int> expected;
    for (const auto& mark : layout.vMarks)
        expected << mark.nY;
    std::sort(expected.begin(), expected.end());
    QCOMPARE(expected.size(), 11);
    // Both edges carry the dark rows, each with a light row below it; 0 is at the bottom.
    QCOMPARE(DarkRows(image, 0), expected);
    QCOMPARE(DarkRows(image, 59), expected);
    for (int y : expected)
        ZRI_COMPARE_PIXEL(image, 0, y + 1, kLight);
    QCOMPARE(expected.last(), 199 - ruler._GetFooterHeight());
}

void TestBarScale::titleFontNeedsSystemFlagOff()
{
    CProbeRuler ruler;
    ruler.resize(60, 200);
    const QList<int> before = DarkRows(ZriTest::RenderWidget(ruler), 0);
    ruler.SetTitleFont("DejaVu Sans", 40, true, true);
    QCOMPARE(DarkRows(ZriTest::RenderWidget(ruler), 0), before);
    QCOMPARE(ruler._GetTitleFont(), ruler.font());

    ruler.SetTitleFontSystem(false);
    const QFont title = ruler._GetTitleFont();
    QCOMPARE(title.pixelSize(), 40);
    QCOMPARE(title.weight(), int(QFont::Bold));
    QCOMPARE(title.style(), QFont::StyleItalic);
    const QList<int> after = DarkRows(ZriTest::RenderWidget(ruler), 0);
    // The top mark sits one row above the scale area, right below the taller title band.
    QCOMPARE(after.first(), QFontMetrics(title).height() - 1);
    QCOMPARE(after.last(), before.last());
}

void TestBarScale::sizeSettersCopyTheEffectiveFont()
{
    CProbeRuler ruler;
    QFont own("DejaVu Serif");
    own.setPixelSize(11);
    ruler.setFont(own);
    // While the system flag is on, the size applies to a copy of the widget's font.
    ruler.SetFooterSize(30);
    ruler.SetFooterFontSystem(false);
    QCOMPARE(ruler._GetFooterFont().family(), QString("DejaVu Serif"));
    QCOMPARE(ruler._GetFooterFont().pixelSize(), 30);
    QCOMPARE(ruler._GetFooterHeight(), QFontMetrics(ruler._GetFooterFont()).height());
    // The ruler font has no system flag: once set it is used.
    ruler.SetRulerFont("DejaVu Sans Mono", 9, false, false);
    QCOMPARE(ruler._GetRulerFont().family(), QString("DejaVu Sans Mono"));
    QCOMPARE(ruler._GetRulerFont().weight(), int(QFont::Normal));
    QCOMPARE(ruler._GetRulerFont().style(), QFont::StyleNormal);
}

void TestBarScale::scaleModePixels_data()
{
    QTest::addColumn<bool>("left");
    QTest::addColumn<bool>("right");
    // Columns of the bottom mark's row: -1 stands for "just after the left tick" and -2 for
    // "just before the right tick"; dark or not.
    QTest::addColumn<QList<int>>("darkColumns");
    QTest::addColumn<QList<int>>("plainColumns");
    QTest::addColumn<int>("labelSide"); // -1 left half, 0 across the middle, 1 right half
    QTest::newRow("both") << true << true << QList<int>{0, 79} << QList<int>{-1, -2} << 0;
    QTest::newRow("left") << true << false << QList<int>{0} << QList<int>{-1, 79} << 1;
    QTest::newRow("right") << false << true << QList<int>{79} << QList<int>{0, -2} << -1;
    QTest::newRow("none") << false << false << QList<int>{} << QList<int>{0, 79} << 0;
}

void TestBarScale::scaleModePixels()
{
    QFETCH(bool, left);
    QFETCH(bool, right);
    QFETCH(QList<int>, darkColumns);
    QFETCH(QList<int>, plainColumns);
    QFETCH(int, labelSide);
    CProbeRuler ruler;
    ruler.resize(80, 200);
    ruler.SetScaleMode(left, right);
    const QImage image = ZriTest::RenderWidget(ruler);
    const int y = 199 - ruler._GetFooterHeight();
    const int labelWidth = QFontMetrics(ruler.font()).horizontalAdvance("100");
    const int leftEnd = left && right ? 40 - labelWidth / 2 - 3 : 79 - labelWidth - 3;
    const int rightStart = left && right ? 40 + labelWidth / 2 + 3 : labelWidth + 3;
    if (left)
        darkColumns << leftEnd;
    if (right)
        darkColumns << rightStart;
    for (int x : darkColumns)
        ZRI_COMPARE_PIXEL(image, x, y, kDark);
    for (int x : plainColumns)
    {
        const int column = x == -1 ? leftEnd + 1 : x == -2 ? rightStart - 1 : x;
        QVERIFY2(ZriTest::PixelAt(image, column, y) != kDark, qPrintable(QString::number(column)));
    }
    // The "0" label of the bottom mark.
    const int height = QFontMetrics(ruler.font()).height();
    const QPair<int, int> text = TextColumns(image, y - height / 2, y + height / 2);
    QVERIFY(text.first >= 0);
    QCOMPARE(text.second < 40 ? -1 : text.first >= 40 ? 1 : 0, labelSide);
}

void TestBarScale::degenerateStepsDrawNothing_data()
{
    QTest::addColumn<unsigned int>("steps");
    QTest::addColumn<QSize>("size");
    QTest::newRow("zero steps") << 0u << QSize(60, 200);
    QTest::newRow("absurd steps") << UINT_MAX << QSize(60, 200);
}

void TestBarScale::degenerateStepsDrawNothing()
{
    QFETCH(unsigned int, steps);
    QFETCH(QSize, size);
    CBarScalePercent ruler;
    ruler.resize(size);
    ruler.SetSteps(steps);
    const QImage image = ZriTest::RenderWidget(ruler);
    QVERIFY(
        ZriTest::AllPixels(image, image.rect(), ZriTest::TestPalette().color(QPalette::Window)));
}

void TestBarScale::rulerNeedsNoValues()
{
    CBarScalePercent ruler;
    const CBarBase& base = ruler;
    QVERIFY(!base.NeedValue());
    QVERIFY(!base.NeedMinMax());
    QCOMPARE(ruler.metaObject()->className(),
             "Varo::FenraQtGui::ZuRaradirIzurodudoz::CBarScalePercent");
    QCOMPARE(ruler.metaObject()->superClass()->className(),
             "Varo::FenraQtGui::ZuRaradirIzurodudoz::CBarBase");
}

ZRI_TEST_MAIN(TestBarScale)
#include "tst_bar_scale.moc"
