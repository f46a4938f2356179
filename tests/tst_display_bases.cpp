// Histogram, trend and range slider bases: slot routing, meta-object layout and record texts.
#include "DataListMode.h"
#include "HistogramDisplayBase.h"
#include "RangeSliderBase.h"
#include "TestSupport.h"
#include "TrendDisplayBase.h"
#include "TrendDisplayMarker.h"

#include <QMetaMethod>
#include <QSignalSpy>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
namespace Strings = Varo::Fenra::Strings;

namespace
{

class CRecordingHistogram : public CHistogramDisplayBase
{
public:
    CRecordingHistogram()
    {
        resize(120, 120);
        m_oHScrollBar.setGeometry(0, 100, 100, 20);
        m_oVScrollBar.setGeometry(100, 0, 20, 100);
    }
    QScrollBar& Bar(bool horizontal) { return horizontal ? m_oHScrollBar : m_oVScrollBar; }
    QStringList m_Calls;

protected:
    void _HScrollSlot(int nSliderPos) override { m_Calls << QString("H%1").arg(nSliderPos); }
    void _VScrollSlot(int nSliderPos) override { m_Calls << QString("V%1").arg(nSliderPos); }
};

class CRecordingTrend : public CTrendDisplayBase
{
public:
    QStringList m_Calls;

protected:
    void _HScrollSlot(int nSliderPos) override { m_Calls << QString("H%1").arg(nSliderPos); }
    void _VScrollSlot(int nSliderPos) override { m_Calls << QString("V%1").arg(nSliderPos); }
};

class CRangeSlider : public CRangeSliderBase
{
public:
    int m_nStart = 0;
    int m_nEnd = 0;
    void SetStartValue() override
    {
        ++m_nStart;
        emit StartValueChanged();
    }
    void SetEndValue() override { ++m_nEnd; }
};

} // namespace

class TestDisplayBases : public QObject
{
    Q_OBJECT

private slots:
    void histogramRoutesScrollBars_data();
    void histogramRoutesScrollBars();
    void histogramScrollBarsKeepQtDefaults();
    void trendHearsOnlyItsOwnConnections();
    void methodTable_data();
    void methodTable();
    void rangeSliderBaseSlotsDoNothing();
    void rangeSliderSlotsDispatchVirtually();
    void recordText_data();
    void recordText();
    void enumerationTexts();
};

void TestDisplayBases::histogramRoutesScrollBars_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("h setValue") << true << "setValue" << QStringList{"H7"};
    QTest::newRow("v setValue") << false << "setValue" << QStringList{"V7"};
    QTest::newRow("h same value") << true << "unchanged" << QStringList{};
    QTest::newRow("h arrow click") << true << "click" << QStringList{"H1"};
    QTest::newRow("v arrow click") << false << "click" << QStringList{"V1"};
    QTest::newRow("h key") << true << "key" << QStringList{"H10"};
    QTest::newRow("v key") << false << "key" << QStringList{"V10"};
}

void TestDisplayBases::histogramRoutesScrollBars()
{
    QFETCH(bool, horizontal);
    QFETCH(QString, how);
    QFETCH(QStringList, calls);
    CRecordingHistogram histogram;
    histogram.show();
    QScrollBar& bar = histogram.Bar(horizontal);
    QVERIFY(QTest::qWaitForWindowExposed(&histogram));
    QVERIFY(histogram.m_Calls.isEmpty());
    if (how == "setValue")
        bar.setValue(7);
    else if (how == "unchanged")
        bar.setValue(bar.value());
    else if (how == "click") // the arrow at the far end adds one single step
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(bar.width() - 3, bar.height() - 3));
    else
        QTest::keyClick(&bar, Qt::Key_PageDown);
    QCOMPARE(histogram.m_Calls, calls);
}

void TestDisplayBases::histogramScrollBarsKeepQtDefaults()
{
    CRecordingHistogram histogram;
    QScrollBar& h = histogram.Bar(true);
    QScrollBar& v = histogram.Bar(false);
    QCOMPARE(h.orientation(), Qt::Horizontal);
    QCOMPARE(v.orientation(), Qt::Vertical);
    QCOMPARE(h.parentWidget(), &histogram);
    QCOMPARE(v.parentWidget(), &histogram);
    QCOMPARE(h.minimum(), 0);
    QCOMPARE(v.maximum(), 99);
    QCOMPARE(histogram.children().size(), 2);
}

void TestDisplayBases::trendHearsOnlyItsOwnConnections()
{
    CRecordingTrend trend;
    QScrollBar bar(Qt::Vertical);
    bar.setValue(5);
    QVERIFY(trend.m_Calls.isEmpty());
    // A by-name connection goes through the meta-object and reaches the override.
    QVERIFY(QObject::connect(&bar, SIGNAL(valueChanged(int)), &trend, SLOT(_VScrollSlot(int))));
    bar.setValue(6);
    QVERIFY(QMetaObject::invokeMethod(&trend, "_HScrollSlot", Q_ARG(int, 3)));
    QCOMPARE(trend.m_Calls, (QStringList{"V6", "H3"}));
}

void TestDisplayBases::methodTable_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QStringList>("methods");
    const QString ns = "Varo::FenraQtGui::ZuRaradirIzurodudoz::";
    const QStringList scroll{"slot protected _HScrollSlot(int)",
                             "slot protected _VScrollSlot(int)"};
    QTest::newRow("histogram") << "histogram" << ns + "CHistogramDisplayBase" << scroll;
    QTest::newRow("trend") << "trend" << ns + "CTrendDisplayBase" << scroll;
    QTest::newRow("range slider") << "range" << ns + "CRangeSliderBase"
                                  << QStringList{"signal public EndValueChanged()",
                                                 "signal public StartValueChanged()",
                                                 "slot public SetEndValue()",
                                                 "slot public SetStartValue()"};
}

void TestDisplayBases::methodTable()
{
    QFETCH(QString, which);
    const QMetaObject* meta = which == "histogram" ? &CHistogramDisplayBase::staticMetaObject
                              : which == "trend"   ? &CTrendDisplayBase::staticMetaObject
                                                   : &CRangeSliderBase::staticMetaObject;
    QFETCH(QString, className);
    QFETCH(QStringList, methods);
    QCOMPARE(QString(meta->className()), className);
    QStringList actual;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
    {
        const QMetaMethod method = meta->method(i);
        actual << QString("%1 %2 %3")
                      .arg(method.methodType() == QMetaMethod::Signal ? "signal" : "slot")
                      .arg(method.access() == QMetaMethod::Public ? "public" : "protected")
                      .arg(QString(method.methodSignature()));
    }
    QCOMPARE(actual, methods);
}

void TestDisplayBases::rangeSliderBaseSlotsDoNothing()
{
    CRangeSliderBase slider;
    QSignalSpy start(&slider, &CRangeSliderBase::StartValueChanged);
    QSignalSpy end(&slider, &CRangeSliderBase::EndValueChanged);
    QVERIFY(QMetaObject::invokeMethod(&slider, "SetStartValue"));
    QVERIFY(QMetaObject::invokeMethod(&slider, "SetEndValue"));
    slider.SetStartValue();
    QCOMPARE(start.count() + end.count(), 0);
}

void TestDisplayBases::rangeSliderSlotsDispatchVirtually()
{
    CRangeSlider slider;
    CRangeSlider follower;
    QSignalSpy start(&slider, &CRangeSliderBase::StartValueChanged);
    // Any range slider connects the same way, through the base's signals and slots.
    QObject::connect(&slider, &CRangeSliderBase::StartValueChanged, &follower,
                     &CRangeSliderBase::SetEndValue);
    QVERIFY(QMetaObject::invokeMethod(&slider, "SetStartValue"));
    QCOMPARE(slider.m_nStart, 1);
    QCOMPARE(start.count(), 1);
    QCOMPARE(follower.m_nEnd, 1);
    QCOMPARE(slider.m_nEnd, 0);
}

void TestDisplayBases::recordText_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("indent");
    QTest::addColumn<QString>("text");
    QTest::newRow("worked example") << 255 << 1 << "abc" << 0 << "(255, 128, 0), 2, 1, \"abc\"";
    QTest::newRow("label quoted with escapes")
        << 7 << 0 << "a\"b\\" << 0 << "(7, 128, 0), 2, 0, \"a\\\"b\\\\\"";
    QTest::newRow("mode outside the enumeration")
        << 0 << -3 << "" << 0 << "(0, 128, 0), 2, -3, \"\"";
    // Only the colour's inner separators carry the indentation.
    QTest::newRow("nested one level")
        << 255 << 1 << "x" << 1 << "(255, \n    128, \n    0), 2, 1, \"x\"";
}

void TestDisplayBases::recordText()
{
    QFETCH(int, red);
    QFETCH(int, mode);
    QFETCH(QString, label);
    QFETCH(int, indent);
    QFETCH(QString, text);
    SDataListMode record;
    record.m_oColor =
        Varo::Fenra::Color::CRGBColor<unsigned char>(static_cast<unsigned char>(red), 128, 0);
    record.m_nValue = 2;
    record.m_eDisplayMode = static_cast<EHistogramDrawMode>(mode);
    record.m_sLabel = label.toStdString();
    const Strings::SMakeValueStringParameter parameter =
        Strings::SMakeValueStringParameter().GetIndentShift(indent);
    const std::string actual =
        Strings::Detail::SMakeValueStringImpl<SDataListMode>()(record, parameter);
    QCOMPARE(QString::fromStdString(actual), text);
}

void TestDisplayBases::enumerationTexts()
{
    const Strings::SMakeValueStringParameter parameter;
    using Strings::Detail::SMakeValueStringImpl;
    QCOMPARE(SMakeValueStringImpl<EHistogramDrawMode>()(HistogramLine, parameter),
             std::string("2"));
    QCOMPARE(SMakeValueStringImpl<EHistogramDrawMode>()(EHistogramDrawMode(-7), parameter),
             std::string("-7"));
    QCOMPARE(SMakeValueStringImpl<ETrendDisplayMarker>()(TrendMarkerSquare, parameter),
             std::string("3"));
    QCOMPARE(SMakeValueStringImpl<ETrendDisplayMarker>()(ETrendDisplayMarker(1000), parameter),
             std::string("1000"));
}

ZRI_TEST_MAIN(TestDisplayBases)
#include "tst_display_bases.moc"
