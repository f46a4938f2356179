// Displays: the percentage ruler, the histogram and trend bases, the range slider base and the
// record texts.
#include "BarGeometry.h"
#include "BarScalePercent.h"
#include "DataListMode.h"
#include "HistogramDisplayBase.h"
#include "RangeSliderBase.h"
#include "TestSupport.h"
#include "TrendDisplayBase.h"
#include "TrendDisplayMarker.h"

#include <QFontMetrics>
#include <QMetaMethod>
#include <QSignalSpy>

#include <climits>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using Varo::Fenra::Strings::SMakeValueStringParameter;
using Varo::Fenra::Strings::Detail::SMakeValueStringImpl;
using ZriTest::kDark;
using ZriTest::kLight;

namespace
{

class CProbeRuler : public CBarScalePercent
{
public:
    using CBarScalePercent::_GetFooterHeight;
    using CBarScalePercent::_GetTitleFont;
    using CBarScalePercent::_GetTitleHeight;
};

QList<int> DarkRows(const QImage& image, int x)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (ZriTest::PixelAt(image, x, y) == kDark)
            rows << y;
    return rows;
}

// Records the scroll slots of both display bases as "H<pos>" and "V<pos>".
template <typename Base> class CRecorder : public Base
{
public:
    QStringList m_Calls;
    QScrollBar& Bar(bool bHorizontal);

protected:
    void _HScrollSlot(int nSliderPos) override { m_Calls << QString("H%1").arg(nSliderPos); }
    void _VScrollSlot(int nSliderPos) override { m_Calls << QString("V%1").arg(nSliderPos); }
};
template <> QScrollBar& CRecorder<CHistogramDisplayBase>::Bar(bool bHorizontal)
{
    return bHorizontal ? m_oHScrollBar : m_oVScrollBar;
}

class CRangeSlider : public CRangeSliderBase
{
public:
    int m_nStarts = 0;
    void SetStartValue() override
    {
        ++m_nStarts;
        emit StartValueChanged();
    }
};

} // namespace

class TestDisplays : public QObject
{
    Q_OBJECT

private slots:
    void markRows_data();
    void markRows();
    void labels_data();
    void labels();
    void rulerPixels_data();
    void rulerPixels();
    void titleFontNeedsSystemFlagOff();
    void degenerateStepsDrawNothing_data();
    void degenerateStepsDrawNothing();
    void histogramRoutesScrollBars_data();
    void histogramRoutesScrollBars();
    void trendHearsOnlyItsOwnConnections();
    void methodTable_data();
    void methodTable();
    void rangeSliderSlotsDispatchVirtually();
    void texts_data();
    void texts();
};

void TestDisplays::markRows_data()
{
    QTest::addColumn<int>("footer");
    QTest::addColumn<unsigned int>("steps");
    QTest::addColumn<QList<int>>("rows");
    // Scale 16..183, span 168: 16.8 truncates to 16, so mark 1 sits at 167; the last mark
    // lies one row above the scale area.
    QTest::newRow("worked example")
        << 16 << 10u << QList<int>{183, 167, 150, 133, 116, 99, 83, 66, 49, 32, 15};
    QTest::newRow("thirds") << 0 << 3u << QList<int>{199, 138, 77, 15};
}

void TestDisplays::markRows()
{
    QFETCH(int, footer);
    QFETCH(unsigned int, steps);
    QFETCH(QList<int>, rows);
    const auto layout =
        Detail::RulerLayout(QRect(0, 0, 50, 200), 16, footer, steps, QSize(20, 12), true, true);
    QList<int> actual;
    for (const auto& mark : layout.vMarks)
    {
        actual << mark.nY;
        QCOMPARE(mark.oLabelRect, QRect(QPoint(0, mark.nY - 12), QPoint(49, mark.nY + 12)));
    }
    QCOMPARE(actual, rows);
}

void TestDisplays::labels_data()
{
    QTest::addColumn<unsigned int>("steps");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("default") << 10u << QStringList{"0",  "10", "20", "30", "40", "50",
                                                   "60", "70", "80", "90", "100"};
    QTest::newRow("thirds") << 3u << QStringList{"0", "33.3333", "66.6667", "100"};
}

void TestDisplays::labels()
{
    QFETCH(unsigned int, steps);
    QFETCH(QStringList, labels);
    QCOMPARE(Detail::RulerLabels(steps), labels);
}

void TestDisplays::rulerPixels_data()
{
    QTest::addColumn<bool>("left");
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("labelSide"); // -1 left half, 0 across the middle, 1 right half
    QTest::newRow("both, label centred") << true << true << 0;
    QTest::newRow("left, label right") << true << false << 1;
    QTest::newRow("right, label left") << false << true << -1;
    QTest::newRow("none, label centred") << false << false << 0;
}

void TestDisplays::rulerPixels()
{
    QFETCH(bool, left);
    QFETCH(bool, right);
    QFETCH(int, labelSide);
    CProbeRuler ruler;
    ruler.resize(80, 200);
    ruler.SetScaleMode(left, right);
    const QImage image = ZriTest::RenderWidget(ruler);
    QList<int> rows;
    for (const auto& mark : Detail::RulerLayout(ruler.rect(), ruler._GetTitleHeight(),
                                                ruler._GetFooterHeight(), 10, {}, true, true)
                                .vMarks)
        rows.prepend(mark.nY);
    QCOMPARE(rows.size(), 11);
    // Each ticked edge carries a dark row per mark with a light row below it.
    QCOMPARE(DarkRows(image, 0), left ? rows : QList<int>());
    QCOMPARE(DarkRows(image, 79), right ? rows : QList<int>());
    for (int y : rows)
    {
        QVERIFY(!left || ZriTest::PixelAt(image, 0, y + 1) == kLight);
        QVERIFY(!right || ZriTest::PixelAt(image, 79, y + 1) == kLight);
    }
    // Ticks end three pixels before the column the widest label ("100") may occupy.
    const QFontMetrics metrics(ruler.font());
    const int widest = metrics.horizontalAdvance("100");
    const int y = rows.last();
    const int leftEnd = right ? 40 - widest / 2 - 3 : 79 - widest - 3;
    const int rightStart = left ? 40 + widest / 2 + 3 : widest + 3;
    QCOMPARE(ZriTest::PixelAt(image, leftEnd, y) == kDark, left);
    QVERIFY(ZriTest::PixelAt(image, leftEnd + 1, y) != kDark);
    QCOMPARE(ZriTest::PixelAt(image, rightStart, y) == kDark, right);
    QVERIFY(ZriTest::PixelAt(image, rightStart - 1, y) != kDark);
    // The "0" label of the bottom mark: its text columns.
    const QColor background = ZriTest::TestPalette().color(QPalette::Window);
    int first = 80, last = -1;
    for (int row = y - metrics.height() / 2; row <= y + metrics.height() / 2; ++row)
        for (int x = 0; x < 80; ++x)
        {
            const QColor pixel = ZriTest::PixelAt(image, x, row);
            if (pixel != background && pixel != kDark && pixel != kLight)
                first = std::min(first, x), last = std::max(last, x);
        }
    QCOMPARE(last < 40 ? -1 : first >= 40 ? 1 : 0, labelSide);
}

void TestDisplays::titleFontNeedsSystemFlagOff()
{
    CProbeRuler ruler;
    ruler.resize(60, 200);
    QVERIFY(!ruler.NeedValue() && !ruler.NeedMinMax());
    const QList<int> before = DarkRows(ZriTest::RenderWidget(ruler), 0);
    ruler.SetTitleFont("DejaVu Sans", 40, true, true);
    QCOMPARE(DarkRows(ZriTest::RenderWidget(ruler), 0), before);
    ruler.SetTitleFontSystem(false);
    const QFont title = ruler._GetTitleFont();
    QCOMPARE(title.pixelSize(), 40);
    QCOMPARE(title.weight(), int(QFont::Bold));
    QCOMPARE(title.style(), QFont::StyleItalic);
    // The top mark moves to the row above the scale area, right below the taller title band.
    const QList<int> after = DarkRows(ZriTest::RenderWidget(ruler), 0);
    QCOMPARE(after.first(), QFontMetrics(title).height() - 1);
    QCOMPARE(after.last(), before.last());
    // The size setter resizes a copy of the effective font.
    ruler.SetTitleSize(20);
    QCOMPARE(ruler._GetTitleFont().pixelSize(), 20);
    QCOMPARE(ruler._GetTitleFont().weight(), int(QFont::Bold));
}

void TestDisplays::degenerateStepsDrawNothing_data()
{
    QTest::addColumn<unsigned int>("steps");
    QTest::newRow("zero") << 0u;
    QTest::newRow("absurd") << UINT_MAX;
}

void TestDisplays::degenerateStepsDrawNothing()
{
    QFETCH(unsigned int, steps);
    CBarScalePercent ruler;
    ruler.resize(60, 200);
    ruler.SetSteps(steps);
    const QImage image = ZriTest::RenderWidget(ruler);
    QVERIFY(
        ZriTest::AllPixels(image, image.rect(), ZriTest::TestPalette().color(QPalette::Window)));
}

void TestDisplays::histogramRoutesScrollBars_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("h setValue") << true << "setValue" << QStringList{"H7"};
    QTest::newRow("v setValue") << false << "setValue" << QStringList{"V7"};
    QTest::newRow("h same value") << true << "unchanged" << QStringList{};
    QTest::newRow("h arrow click") << true << "click" << QStringList{"H1"};
    QTest::newRow("v arrow click") << false << "click" << QStringList{"V1"};
    QTest::newRow("v page key") << false << "key" << QStringList{"V10"};
}

void TestDisplays::histogramRoutesScrollBars()
{
    QFETCH(bool, horizontal);
    QFETCH(QString, how);
    QFETCH(QStringList, calls);
    CRecorder<CHistogramDisplayBase> histogram;
    QScrollBar& bar = histogram.Bar(horizontal);
    QCOMPARE(bar.orientation(), horizontal ? Qt::Horizontal : Qt::Vertical);
    QCOMPARE(bar.parentWidget(), &histogram);
    histogram.resize(120, 120);
    bar.setGeometry(horizontal ? QRect(0, 100, 100, 20) : QRect(100, 0, 20, 100));
    histogram.show();
    QVERIFY(QTest::qWaitForWindowExposed(&histogram));
    if (how == "setValue")
        bar.setValue(7);
    else if (how == "unchanged")
        bar.setValue(bar.value());
    else if (how == "click") // the arrow at the far end adds a single step
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(bar.width() - 3, bar.height() - 3));
    else
        QTest::keyClick(&bar, Qt::Key_PageDown);
    QCOMPARE(histogram.m_Calls, calls);
}

void TestDisplays::trendHearsOnlyItsOwnConnections()
{
    CRecorder<CTrendDisplayBase> trend;
    QScrollBar bar(Qt::Vertical);
    bar.setValue(5);
    QVERIFY(trend.m_Calls.isEmpty());
    // A by-name connection goes through the meta-object and reaches the override.
    QVERIFY(QObject::connect(&bar, SIGNAL(valueChanged(int)), &trend, SLOT(_VScrollSlot(int))));
    bar.setValue(6);
    QVERIFY(QMetaObject::invokeMethod(&trend, "_HScrollSlot", Q_ARG(int, 3)));
    QCOMPARE(trend.m_Calls, (QStringList{"V6", "H3"}));
}

void TestDisplays::methodTable_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QStringList>("methods");
    const QStringList scroll{"slot 1 _HScrollSlot(int)", "slot 1 _VScrollSlot(int)"};
    QTest::newRow("histogram") << "CHistogramDisplayBase" << scroll;
    QTest::newRow("trend") << "CTrendDisplayBase" << scroll;
    QTest::newRow("range slider") << "CRangeSliderBase"
                                  << QStringList{"signal 2 EndValueChanged()",
                                                 "signal 2 StartValueChanged()",
                                                 "slot 2 SetEndValue()", "slot 2 SetStartValue()"};
}

void TestDisplays::methodTable()
{
    QFETCH(QString, className);
    QFETCH(QStringList, methods);
    const QMetaObject* meta =
        className == "CHistogramDisplayBase" ? &CHistogramDisplayBase::staticMetaObject
        : className == "CTrendDisplayBase"   ? &CTrendDisplayBase::staticMetaObject
                                             : &CRangeSliderBase::staticMetaObject;
    QCOMPARE(QString(meta->className()), "Varo::FenraQtGui::ZuRaradirIzurodudoz::" + className);
    QStringList actual; // kind, access (1 protected, 2 public) and signature from index 0
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
        actual << QString("%1 %2 %3")
                      .arg(meta->method(i).methodType() == QMetaMethod::Signal ? "signal" : "slot")
                      .arg(meta->method(i).access())
                      .arg(QString(meta->method(i).methodSignature()));
    QCOMPARE(actual, methods);
}

void TestDisplays::rangeSliderSlotsDispatchVirtually()
{
    CRangeSliderBase plain;
    QSignalSpy plainStart(&plain, &CRangeSliderBase::StartValueChanged);
    QSignalSpy plainEnd(&plain, &CRangeSliderBase::EndValueChanged);
    QVERIFY(QMetaObject::invokeMethod(&plain, "SetStartValue"));
    QVERIFY(QMetaObject::invokeMethod(&plain, "SetEndValue"));
    QCOMPARE(plainStart.count() + plainEnd.count(), 0);

    CRangeSlider slider, follower;
    QSignalSpy start(&slider, &CRangeSliderBase::StartValueChanged);
    QObject::connect(&slider, &CRangeSliderBase::StartValueChanged, &follower,
                     &CRangeSliderBase::SetStartValue);
    QVERIFY(QMetaObject::invokeMethod(&slider, "SetStartValue"));
    QCOMPARE(slider.m_nStarts, 1);
    QCOMPARE(start.count(), 1);
    QCOMPARE(follower.m_nStarts, 1);
}

void TestDisplays::texts_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    const auto record = [](int mode, const char* label, int indent)
    {
        const SDataListMode value{{255, 128, 0}, 2, EHistogramDrawMode(mode), label};
        const SMakeValueStringParameter p = SMakeValueStringParameter().GetIndentShift(indent);
        return QString::fromStdString(SMakeValueStringImpl<SDataListMode>()(value, p));
    };
    QTest::newRow("record") << record(1, "abc", 0) << "(255, 128, 0), 2, 1, \"abc\"";
    QTest::newRow("record, escapes")
        << record(-3, "a\"\\", 0) << "(255, 128, 0), 2, -3, \"a\\\"\\\\\"";
    // Only the colour's inner separators carry the indentation.
    QTest::newRow("record nested") << record(1, "", 1) << "(255, \n    128, \n    0), 2, 1, \"\"";
    const SMakeValueStringParameter p;
    QTest::newRow("draw mode") << QString::fromStdString(SMakeValueStringImpl<EHistogramDrawMode>()(
                                      EHistogramDrawMode(-7), p))
                               << "-7";
    QTest::newRow("marker") << QString::fromStdString(SMakeValueStringImpl<ETrendDisplayMarker>()(
                                   TrendMarkerSquare, p))
                            << "3";
}

void TestDisplays::texts()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

ZRI_TEST_MAIN(TestDisplays)
#include "tst_displays.moc"
