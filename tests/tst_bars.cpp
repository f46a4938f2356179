// The bar gauge beside the ruler whose marks it must meet, and the range slider: pixels at
// ratios 1, 1.5 and 2, keys, drags and exact signal counts, what screen readers hear, bad input.
#include "BarGauge.h"
#include "BarScalePercent.h"
#include "RangeSlider.h"
#include "TestSupport.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QMetaEnum>
#include <QSignalSpy>

#include <climits>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <tuple>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// One letter per point "x,y" by palette colour: H highlight, B base, U button, T button text, L
// light, D dark, R the default alarm red. Read under the point's centre; "x,ye" is on a one-pixel
// line, which Qt strokes centred on the coordinate (at ratio 2 on device rows 2y - 1 and 2y).
QString Probe(const QImage& image, const QString& points)
{
    QList<QRgb> colours;
    for (const auto role : {QPalette::Highlight, QPalette::Base, QPalette::Button,
                            QPalette::ButtonText, QPalette::Light, QPalette::Dark})
        colours << QGuiApplication::palette().color(role).rgb();
    colours << qRgb(192, 0, 0);
    QString letters;
    for (const QString& point : points.split(' '))
    {
        const qreal centre = point.endsWith('e') ? 0.0 : 0.5;
        const int x = int((point.section(',', 0, 0).toInt() + centre) * image.devicePixelRatio());
        const int y =
            int((point.section(',', 1).remove('e').toInt() + centre) * image.devicePixelRatio());
        const int i = colours.indexOf(image.pixel(x, y));
        letters += i < 0 ? QChar('.') : QString("HBUTLDR").at(i);
    }
    return letters;
}

// The probes at ratios 1, 1.5 and 2, as "1: ... 1.5: ... 2: ...".
QString AtRatios(QWidget& widget, const QString& points)
{
    QString text;
    for (const qreal ratio : {1.0, 1.5, 2.0})
        text += QString("%1: %2 ").arg(ratio).arg(Probe(ZriTest::RenderAt(widget, ratio), points));
    return text;
}

// Sets a gauge up word by word: v value, r range "min:max", l and h alarm levels, d decimals,
// u unit, t title, f footer ("f" alone: an empty one), x extremes shown, c extremes reset.
void SetUp(CBarGauge& gauge, const QString& setup)
{
    const std::map<char, std::function<void(const QString&)>> setters = {
        {'v', [&](const QString& s) { gauge.SetValue(s.toDouble()); }}, // "nan", "inf" too
        {'r', [&](const QString& s)
         { gauge.SetRange(s.section(':', 0, 0).toDouble(), s.section(':', 1).toDouble()); }},
        {'l', [&](const QString& s) { gauge.SetLowAlarm(s.toDouble()); }},
        {'h', [&](const QString& s) { gauge.SetHighAlarm(s.toDouble()); }},
        {'d', [&](const QString& s) { gauge.SetDecimals(s.toInt()); }},
        {'u', [&](const QString& s) { gauge.SetUnit(s); }},
        {'t', [&](const QString& s) { gauge.SetTitle(s); }},
        {'f', [&](const QString& s) { gauge.SetFooter(s); }},
        {'x', [&](const QString&) { gauge.SetShowExtremes(true); }},
        {'c', [&](const QString&) { gauge.ResetExtremes(); }}};
    for (const QString& word : setup.split(' '))
        if (word != "dark")
            setters.at(word.at(0).toLatin1())(word.mid(1));
}

// A palette like a dark desktop theme's, with Light and Dark still told apart, while it lives.
struct SDarkPalette
{
    SDarkPalette()
    {
        QPalette palette = ZriTest::TestPalette();
        palette.setColor(QPalette::Base, QColor(30, 30, 30));
        palette.setColor(QPalette::Button, QColor(53, 53, 53));
        palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
        palette.setColor(QPalette::Light, QColor(90, 90, 90));
        palette.setColor(QPalette::Dark, QColor(10, 10, 10));
        palette.setColor(QPalette::ButtonText, QColor(220, 220, 220));
        QApplication::setPalette(palette);
    }
    ~SDarkPalette() { QApplication::setPalette(ZriTest::TestPalette()); }
};

// Mouse events as the platform sends them, straight to the widget.
void Mouse(QWidget& widget, QEvent::Type type, const QPoint& point)
{
    QMouseEvent event(type, point, widget.mapToGlobal(point),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// Counts of the slider's signals, and RangeChanged's last arguments.
struct SSpies
{
    explicit SSpies(CRangeSlider& slider)
        : start(&slider, &CRangeSlider::StartValueChanged),
          end(&slider, &CRangeSlider::EndValueChanged), range(&slider, &CRangeSlider::RangeChanged)
    {
    }
    QString Counts() const
    {
        QString text = QString("%1 %2 %3").arg(start.count()).arg(end.count()).arg(range.count());
        if (!range.isEmpty())
            text += QString(" (%1, %2)")
                        .arg(range.last().at(0).toInt())
                        .arg(range.last().at(1).toInt());
        return text;
    }
    QSignalSpy start, end, range;
};

// A slider from 0 to 100 on a 222-pixel track: 200 pixels of travel, 2 per value. Start 20 and
// end 60: the start handle covers pixels 40 to 50 along the track, the end handle 131 to 141.
std::unique_ptr<CRangeSlider> TestSlider(Qt::Orientation orientation)
{
    auto slider = std::make_unique<CRangeSlider>(orientation);
    slider->resize(orientation == Qt::Vertical ? QSize(20, 222) : QSize(222, 20));
    slider->SetRange(0, 100);
    slider->SetValues(20, 60);
    return slider;
}

Qt::Key KeyNamed(const QString& name)
{
    return Qt::Key(QMetaEnum::fromType<Qt::Key>().keyToValue(qPrintable("Key_" + name)));
}

} // namespace

class TestBars : public QObject
{
    Q_OBJECT

private slots:
    // A 40 x 200 gauge at x 0 beside a ruler at x 40, both with 19-pixel title and footer bands:
    // the scale runs over rows 19 to 180 (span 162), the ruler's marks at 180 - trunc(162 f):
    // 0 % on 180, 10 % on 164, 50 % on 99, 90 % on 35, 100 % on 18. The gauge's sunken frame
    // lies on rows 18 (dark) and 180 (light) and columns 4 (dark) and 35 (light); its fill runs
    // from the value's mark row down to row 179.
    void gaugeRowMeetsRuler_data()
    {
        ZriTest::AddRows(
            {"setup", "points", "expected"},
            {{"50 %", "v50",
              "20,98 20,99 20,178 20,180e 40,99e 20,18e 40,18e 40,180e 4,100e 35,100e",
              "BHHLDDDDDL"},
             {"50 % in a dark palette", "dark v50", "20,98 20,99 20,180e 40,99e 4,100e", "BHLDD"},
             {"90 %", "v90", "20,34 20,35 40,35e", "BHD"},
             {"above the maximum: full", "v150", "20,19 20,18e", "HD"},
             {"below the minimum: empty", "v-5", "20,178 20,180e", "BL"},
             {"NaN: empty", "vnan", "20,178 20,99", "BB"},
             {"reversed limits: empty", "r100:0 v50", "20,178 20,99", "BB"},
             {"range -50 to 50, value 0", "r-50:50 v0", "20,98 20,99", "BH"},
             {"high alarm at 90, value 95", "h90 v95", "20,100 20,30", "RR"},
             {"low alarm at 20, value at it", "l20 v20", "20,170", "R"},
             {"low alarm at 20, value above", "l20 v21", "20,170", "H"},
             {"alarm level off again", "h90 hnan v95", "20,100", "H"},
             {"extremes; NaN ignored", "x v30 v70 vnan v50", "20,132e 20,67e 20,99 20,178", "TTHH"},
             {"extremes reset to the value", "x v30 v70 v50 c", "20,132 20,67 20,99e", "HBT"},
             {"extremes hidden unless asked", "v30 v70 v50", "20,132 20,67", "HB"},
             {"extremes clamped inside the frame", "x v-40 v400", "20,179e 20,19e", "TT"},
             {"+inf with a high alarm: full and red", "h90 vinf", "20,19 20,178", "RR"},
             {"-inf: empty", "v-inf", "20,178 20,99", "BB"},
             {"widest range, value 0: half", "r-1.7e308:1.7e308 v0", "20,98 20,99", "BH"},
             {"infinite limit: empty", "r0:inf v50", "20,178", "B"},
             {"a new gauge holds no value", "l1", "20,178 20,99", "BB"}});
    }
    void gaugeRowMeetsRuler()
    {
        QFETCH(QString, setup);
        std::optional<SDarkPalette> dark;
        if (setup.startsWith("dark"))
            dark.emplace();
        QWidget row;
        row.resize(100, 200);
        auto* gauge = new CBarGauge(&row);
        auto* ruler = new CBarScalePercent(&row);
        gauge->setGeometry(0, 0, 40, 200);
        ruler->setGeometry(40, 0, 60, 200);
        for (CBarBase* bar : {static_cast<CBarBase*>(gauge), static_cast<CBarBase*>(ruler)})
        {
            bar->SetTitleFont("DejaVu Sans", 16, true, false);
            bar->SetTitleFontSystem(false);
            bar->SetFooterFont("DejaVu Sans", 16, false, true);
            bar->SetFooterFontSystem(false);
        }
        SetUp(*gauge, setup);
        QFETCH(QString, points);
        QFETCH(QString, expected);
        QCOMPARE(AtRatios(row, points), QString("1: %1 1.5: %1 2: %1 ").arg(expected));
    }

    // The footer (ink or blank) and what a screen reader hears; the footer never reads as an
    // alarm level the value has not reached, and a gauge without a value raises no alarm.
    void gaugeTexts_data()
    {
        ZriTest::AddRows(
            {"setup", "heard"},
            {{"new gauge with a low alarm", "l1", "blank:|Bar gauge|no value|"},
             {"value, unit, title", "v42 u% tTank", "ink:42 %|Tank|42 %|"},
             {"negative decimals: none", "d-3 v42.6", "ink:43|Bar gauge|43|"},
             {"15 decimals max", "d20 v0.5", "ink:0.500000000000000|Bar gauge|0.500000000000000|"},
             {"below the high alarm: the digits needed", "h90 v89.6", "ink:89.6|Bar gauge|89.6|"},
             {"just below it: more digits", "h90 v89.96", "ink:89.96|Bar gauge|89.96|"},
             {"exactly at the high alarm", "h90 v90", "ink:90|Bar gauge|90|high alarm"},
             {"beyond it, rounded to it", "h90 v90.4", "ink:90|Bar gauge|90|high alarm"},
             {"above the low alarm", "l10 v10.4", "ink:10.4|Bar gauge|10.4|"},
             {"below the low alarm", "l10 v9.6", "ink:10|Bar gauge|10|low alarm"},
             {"overflowing", "u% h90 vinf", "ink:inf %|Bar gauge|inf %|high alarm"},
             {"no negative zero", "v-0.2", "ink:0|Bar gauge|0|"},
             {"huge", "v1e20", "ink:1e+20|Bar gauge|1e+20|"},
             {"empty footer", "f v5", "blank:|Bar gauge|5|"},
             {"own footer", "fFull v5", "ink:Full|Bar gauge|5|"}});
    }
    void gaugeTexts()
    {
        CBarGauge gauge;
        gauge.resize(60, 200);
        QFETCH(QString, setup);
        SetUp(gauge, setup);
        // The footer band: the rows below the frame's bottom (row 200 - 1 - footer height).
        const QImage image = ZriTest::RenderWidget(gauge);
        const int top = 200 - QFontMetrics(gauge.font()).height();
        bool ink = false;
        for (int y = top; y < 200; ++y)
            for (int x = 0; x < 60; ++x)
                ink = ink || image.pixel(x, y) != image.pixel(0, 199);
        QAccessibleInterface* meter = QAccessible::queryAccessibleInterface(&gauge);
        QTEST(QString(ink ? "ink:" : "blank:") +
                  (gauge.Footer().isNull() ? gauge.ValueText() : gauge.Footer()) + '|' +
                  meter->text(QAccessible::Name) + '|' + meter->text(QAccessible::Value) + '|' +
                  meter->text(QAccessible::Description),
              "heard");
        QCOMPARE(gauge.IsAlarm(), !meter->text(QAccessible::Description).isEmpty());
    }

    // Keys and setters on a 0 to 99 slider at 20 to 60 (steps 1 and 10, start focused), a model
    // echoing every value back. Counts of StartValueChanged, EndValueChanged, RangeChanged.
    void sliderInput_data()
    {
        ZriTest::AddRows(
            {"input", "counts"},
            {{"right: start one up", "Right", "1 0 1 (21, 60) 0:99"},
             {"space moves the focus to the end", "Space Right", "0 1 1 (20, 61) 0:99"},
             {"space twice: back on the start", "Space Space Left", "1 0 1 (19, 60) 0:99"},
             {"up and down", "Up Up Down", "3 0 3 (21, 60) 0:99"},
             {"page up twice", "PageUp PageUp", "2 0 2 (40, 60) 0:99"},
             {"page down", "Space PageDown", "0 1 1 (20, 50) 0:99"},
             {"end: the start stops at the end", "End Right", "1 0 1 (60, 60) 0:99"},
             {"home: the end stops at the start", "Space Home Down", "0 1 1 (20, 20) 0:99"},
             {"end twice: one signal", "Space End End", "0 1 1 (20, 99) 0:99"},
             {"home, then left at the minimum", "Home Left PageDown", "1 0 1 (0, 60) 0:99"},
             {"other keys pass", "A Tab Escape", "0 0 0 0:99"},
             {"start", "start=30", "1 0 1 (30, 60) 0:99"},
             {"start unchanged", "start=20 end=60 values=20:60", "0 0 0 0:99"},
             {"start above the end pushes it", "start=80", "1 1 1 (80, 80) 0:99"},
             {"end below the start pushes it", "end=10", "1 1 1 (10, 10) 0:99"},
             {"clamped to the limits", "start=-5 end=500", "1 1 2 (0, 99) 0:99"},
             {"both, reversed", "values=70:40", "1 1 1 (70, 70) 0:99"},
             {"reversed limits refused", "range=50:10 minimum=150 maximum=-1", "0 0 0 0:99"},
             {"narrower limits clamp both", "range=30:50", "1 1 1 (30, 50) 30:50"},
             {"one value", "range=7:7", "1 1 1 (7, 7) 7:7"},
             {"higher minimum, lower maximum", "minimum=25 maximum=50", "1 1 2 (25, 50) 25:50"},
             {"SetStartValue(): the minimum", "start()", "1 0 1 (0, 60) 0:99"},
             {"SetEndValue(): the maximum", "end()", "0 1 1 (20, 99) 0:99"},
             {"by name through the base", "invoke", "1 0 1 (0, 60) 0:99"},
             {"echoing model", "echo End end=70", "1 1 2 (60, 70) 0:99"},
             {"wheel: a notch, a step", "wheel=120", "1 0 1 (21, 60) 0:99"},
             {"wheel: two notches at once", "wheel=-240", "1 0 1 (18, 60) 0:99"},
             {"fine turns add up to a notch",
              "wheel=15 wheel=15 wheel=15 wheel=15 wheel=15 wheel=15 wheel=15 wheel=15",
              "1 0 1 (21, 60) 0:99"},
             {"seven fine turns: no notch yet",
              "wheel=15 wheel=15 wheel=15 wheel=15 wheel=15 wheel=15 wheel=15", "0 0 0 0:99"},
             {"turning back starts again", "wheel=90 wheel=-60 wheel=90 wheel=-90", "0 0 0 0:99"},
             {"the other handle", "Space wheel=80 wheel=40", "0 1 1 (20, 61) 0:99"}});
    }
    void sliderInput()
    {
        CRangeSlider s;
        s.SetValues(20, 60);
        SSpies spies(s);
        const std::map<QString, std::function<void(int, int)>> inputs = {
            {"start", [&](int a, int) { s.SetStartValue(a); }},
            {"end", [&](int a, int) { s.SetEndValue(a); }},
            {"values", [&](int a, int b) { s.SetValues(a, b); }},
            {"range", [&](int a, int b) { QCOMPARE(s.SetRange(a, b), a <= b); }},
            {"minimum", [&](int a, int) { QCOMPARE(s.SetMinimum(a), a <= s.Maximum()); }},
            {"maximum", [&](int a, int) { QCOMPARE(s.SetMaximum(a), a >= s.Minimum()); }},
            {"start()", [&](int, int) { s.SetStartValue(); }},
            {"end()", [&](int, int) { s.SetEndValue(); }},
            {"invoke", [&](int, int) { QMetaObject::invokeMethod(&s, "SetStartValue"); }},
            {"wheel",
             [&](int a, int)
             {
                 QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, a),
                                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                 QApplication::sendEvent(&s, &wheel);
             }},
            {"echo", [&](int, int)
             {
                 connect(&s, &CRangeSlider::RangeChanged, &s,
                         [&s](int start, int end) { s.SetValues(start, end); });
                 connect(&s, &CRangeSlider::StartValueChanged, &s,
                         [&s] { s.SetStartValue(s.StartValue()); });
             }}};
        QFETCH(QString, input);
        for (const QString& word : input.split(' '))
        {
            const auto it = inputs.find(word.section('=', 0, 0));
            if (it == inputs.end())
                QTest::keyClick(&s, KeyNamed(word));
            else
                it->second(word.section('=', 1).section(':', 0, 0).toInt(),
                           word.section(':', 1).toInt());
        }
        QTEST(spies.Counts() + QString(" %1:%2").arg(s.Minimum()).arg(s.Maximum()), "counts");
    }

    // Drags on the test slider; a press on the track centres a handle under the pointer
    // (the start handle at pixel x - 5 along the track, the end handle at x - 16).
    void sliderMouse_data()
    {
        ZriTest::AddRows(
            {"drag", "counts", "focused"},
            {{"start handle 20 px right", "h 45 65", "1 0 1 (30, 60)", "start"},
             {"end handle past the maximum", "h 136 300", "0 1 1 (20, 100)", "end"},
             {"start handle stops at the end", "h 45 200", "1 0 1 (60, 60)", "start"},
             {"end handle stops at the start", "h 136 0", "0 1 1 (20, 20)", "end"},
             {"press on the end handle only", "h 136", "0 0 0", "end"},
             {"track before the start", "h 10", "1 0 1 (3, 60)", "start"},
             {"track after the end", "h 200", "0 1 1 (20, 92)", "end"},
             {"track press, then drag on", "h 10 30", "2 0 2 (13, 60)", "start"},
             {"span keeps its width", "h 90 110", "1 1 1 (30, 70)", "start"},
             {"span stops at the maximum", "h 90 400", "1 1 1 (60, 100)", "start"},
             {"vertical: start handle up", "v 176 156", "1 0 1 (30, 60)", "start"},
             {"vertical: track above the end", "v 21", "0 1 1 (20, 92)", "end"},
             // 5 values a pixel: the start's handle at pixel 0, the end's at 51.
             {"span hits the minimum", "h r=0:1000 v=2:202 30 -100", "1 1 1 (0, 200)", "start"},
             {"span hits maximum", "h r=0:1000 v=798:998 190 400", "1 1 1 (800, 1000)", "start"},
             {"span against INT_MIN", "h r=-2147483648:2147483647 v=-2143483648:0 50 -50",
              "1 1 1 (-2147483648, -4000000)", "start"}});
    }
    void sliderMouse()
    {
        QFETCH(QString, drag);
        QStringList words = drag.split(' ');
        const bool vertical = words.at(0) == "v";
        const auto slider = TestSlider(vertical ? Qt::Vertical : Qt::Horizontal);
        for (; words.at(1).contains('='); words.removeAt(1))
        {
            const QStringList numbers = words.at(1).mid(2).split(':');
            if (words.at(1).startsWith('r'))
                slider->SetRange(numbers.at(0).toInt(), numbers.at(1).toInt());
            else
                slider->SetValues(numbers.at(0).toInt(), numbers.at(1).toInt());
        }
        const auto at = [&](int i)
        {
            const int along = words.at(i).toInt();
            return vertical ? QPoint(10, along) : QPoint(along, 10);
        };
        SSpies spies(*slider);
        Mouse(*slider, QEvent::MouseButtonPress, at(1));
        if (words.size() > 2)
            Mouse(*slider, QEvent::MouseMove, at(2));
        Mouse(*slider, QEvent::MouseButtonRelease, at(words.size() - 1));
        Mouse(*slider, QEvent::MouseMove, at(1)); // after the release: nothing moves
        QTEST(spies.Counts(), "counts");
        QTEST(QString(slider->FocusedHandle() == CRangeSlider::EndHandle ? "end" : "start"),
              "focused");
    }

    // A sunken groove (rows 7 to 12), the span in it, raised handles, a mark on the focused one.
    void sliderPaint_data()
    {
        ZriTest::AddRows(
            {"setup", "points", "expected"},
            {{"horizontal", "h focus",
              "20,10 30,10 90,10 40,10 50,10 45,0 45,19 45,10 136,10 20,7 20,12", "BBHLDLDTUDL"},
             {"dark", "h focus dark", "20,10 90,10 40,10 50,10 45,10 136,10 20,7", "BHLDTUD"},
             {"space: the mark moves to the end", "h focus space", "45,10 136,10", "UT"},
             {"no focus, no mark", "h", "45,10 136,10", "UU"},
             // 0 halfway along the travel: the start's handle on pixels 100 to 110.
             {"whole int range, start 0", "h int",
              "99,10 100,10 105,10 110,10 111,10 210,10 211,10 216,10", "BLUDHHLU"},
             {"vertical", "v focus",
              "10,171 10,181 0,176 19,176 10,176 10,130 7,200 12,200 10,200 10,85", "LDLDTHDLBU"}});
    }
    void sliderPaint()
    {
        QFETCH(QString, setup);
        std::optional<SDarkPalette> dark;
        if (setup.contains("dark"))
            dark.emplace();
        const auto slider = TestSlider(setup.startsWith('v') ? Qt::Vertical : Qt::Horizontal);
        if (setup.contains("focus"))
        {
            slider->show();
            QApplication::setActiveWindow(slider.get());
            QVERIFY(QTest::qWaitForWindowActive(slider.get()));
            slider->setFocus();
            QVERIFY(slider->hasFocus());
        }
        if (setup.contains("space"))
            QTest::keyClick(slider.get(), Qt::Key_Space);
        if (setup.contains("int"))
        {
            slider->SetRange(INT_MIN, INT_MAX);
            slider->SetValues(0, INT_MAX);
        }
        QFETCH(QString, points);
        QFETCH(QString, expected);
        QCOMPARE(AtRatios(*slider, points), QString("1: %1 1.5: %1 2: %1 ").arg(expected));
    }

    // The gauge as a progress bar, the slider as a group of two settable sliders; a UI-test
    // tool's update handler hears each change once, and which handle moved.
    void accessibility()
    {
        CBarGauge gauge;
        const auto slider = TestSlider(Qt::Horizontal);
        const QStringList heard = ZriTest::Heard(
            [](QAccessibleEvent* pEvent) -> QString
            {
                const QString what = QString(pEvent->child() == 0 ? "start " : "") +
                                     (pEvent->child() == 1 ? "end " : "");
                if (pEvent->type() == QAccessible::ValueChanged)
                    return what +
                           static_cast<QAccessibleValueChangeEvent*>(pEvent)->value().toString();
                return pEvent->type() == QAccessible::NameChanged          ? "name"
                       : pEvent->type() == QAccessible::DescriptionChanged ? "description"
                                                                           : "";
            },
            {[&] { gauge.SetValue(42.34); }, [&] { gauge.SetValue(42.34); },
             [&] { gauge.SetTitle("Tank"); }, [&] { gauge.SetUnit("%"); },
             [&] { gauge.SetDecimals(-1); }, [&] { gauge.SetDecimals(1); },
             [&] { gauge.SetHighAlarm(40); }, [&] { gauge.SetFooter("Full"); },
             [&] { gauge.SetValue(kNaN); }, [&] { slider->SetEndValue(70); },
             [&] { slider->SetStartValue(10); }, [&] { slider->SetValues(80, 90); },
             [&] { slider->SetStartValue(95); }});
        QCOMPARE(heard, QStringList({"42.34", "", "name", "42.34", "", "42.34", "description", "",
                                     "nan, description", "end 70", "start 10", "start 80, end 90",
                                     "start 95, end 95"}));
        gauge.SetValue(42.34);
        QAccessibleInterface* meter = QAccessible::queryAccessibleInterface(&gauge);
        QCOMPARE(meter->role(), QAccessible::ProgressBar);
        QCOMPARE(meter->valueInterface()->currentValue().toDouble(), 42.34);
        QCOMPARE(meter->valueInterface()->maximumValue().toDouble(), 100.0);

        slider->SetValues(20, 60);
        QAccessibleInterface* group = QAccessible::queryAccessibleInterface(slider.get());
        QAccessibleInterface* start = group->child(0);
        QAccessibleInterface* end = group->child(1);
        QCOMPARE(QList<int>({group->role(), group->childCount(), start->role(), end->role()}),
                 QList<int>({QAccessible::Grouping, 2, QAccessible::Slider, QAccessible::Slider}));
        QCOMPARE(start->text(QAccessible::Name) + " " + start->text(QAccessible::Value) + " " +
                     end->text(QAccessible::Name) + " " + end->text(QAccessible::Value),
                 "Start 20 End 60");
        QCOMPARE(start->parent(), group);
        QCOMPARE(group->indexOfChild(end), 1);
        QCOMPARE(end->valueInterface()->maximumValue().toInt(), 100);
        start->valueInterface()->setCurrentValue(80); // pushes the end along
        QTest::keyClick(slider.get(), Qt::Key_Space);
        QTest::keyClick(slider.get(), Qt::Key_Right);
        QCOMPARE(QString("%1 %2")
                     .arg(start->valueInterface()->currentValue().toInt())
                     .arg(end->valueInterface()->currentValue().toInt()),
                 "80 81");
    }

    // Bad input and degenerate sizes: no crash, no value off its limits, both ends reached exactly.
    void robustness()
    {
        const double huge = std::numeric_limits<double>::max();
        const double inf = std::numeric_limits<double>::infinity();
        for (const QSize size :
             {QSize(0, 0), QSize(1, 1), QSize(3, 3), QSize(30, 2), QSize(222, 20)})
        {
            CBarGauge gauge;
            gauge.resize(size);
            gauge.SetShowExtremes(true);
            for (const auto& [minimum, maximum, value] : {std::tuple{-huge, huge, huge},
                                                          {0.0, inf, 5.0},
                                                          {-inf, 0.0, -inf},
                                                          {0.0, 1.0, inf}})
            {
                gauge.SetRange(minimum, maximum);
                gauge.SetValue(value);
                if (!size.isEmpty())
                    ZriTest::RenderAt(gauge, 1.5);
            }
            CRangeSlider slider(Qt::Orientation(7));
            QCOMPARE(slider.Orientation(), Qt::Horizontal);
            slider.SetFocusedHandle(CRangeSlider::EHandle(9));
            QCOMPARE(slider.FocusedHandle(), CRangeSlider::StartHandle);
            slider.resize(size);
            QVERIFY(slider.SetRange(INT_MIN, INT_MAX));
            slider.SetPageStep(INT_MAX);
            for (const char* key : {"PageDown", "End", "PageUp", "Space", "End", "PageUp"})
                QTest::keyClick(&slider, KeyNamed(key));
            QCOMPARE(QString("%1 %2").arg(slider.StartValue()).arg(slider.EndValue()),
                     QString("99 %1").arg(INT_MAX));
            slider.SetValues(0, 0);
            Mouse(slider, QEvent::MouseButtonPress, QPoint(size.width() / 2 - 6, 0));
            Mouse(slider, QEvent::MouseMove, QPoint(-1000, 0));
            Mouse(slider, QEvent::MouseButtonRelease, QPoint(1000, 0));
            Mouse(slider, QEvent::MouseButtonPress, QPoint(size.width() - 1, 0));
            Mouse(slider, QEvent::MouseMove, QPoint(5000, 0));
            Mouse(slider, QEvent::MouseButtonRelease, QPoint(5000, 0));
            if (size.width() == 222)
                QCOMPARE(QString("%1 %2").arg(slider.StartValue()).arg(slider.EndValue()),
                         QString("%1 %2").arg(INT_MIN).arg(INT_MAX));
            if (!size.isEmpty())
                ZriTest::RenderAt(slider, 2.0);
        }
    }
};

ZRI_TEST_MAIN(TestBars)
#include "tst_bars.moc"
