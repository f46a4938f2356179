// A control panel: a shown media button whose lamp the application switches between modes and
// on and off, every painted widget of the library changed through its setters while shown (a
// setter that forgets to repaint leaves the old picture on the screen, which render() cannot
// see), and the application's own gauges, lamps and displays built on the library's bases.
#include "ArrowButton.h"
#include "BarScalePercent.h"
#include "BitmapButton.h"
#include "BitmapCheckBox.h"
#include "CheckBoxSwitch.h"
#include "HistogramDisplayBase.h"
#include "KeyboardButton.h"
#include "KeyboardCheckBox.h"
#include "LampImage.h"
#include "MediaButton.h"
#include "StateButtonBase.h"
#include "StateLampBase.h"
#include "TestSupport.h"

#include <QHBoxLayout>
#include <QTimerEvent>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using Varo::FenraQtGui::QtExtensions::GetLampImageCount;
using ZriTest::CPaintSpy;

namespace
{

class CLampButton : public CMediaButton
{
public:
    using CMediaButton::_BlinkSlot;
    using CMediaButton::m_oBlinkTimer;
};

// An application's bar gauge: it draws its own title and footer in the fonts the base keeps.
class CTankBar : public CBarBase
{
public:
    bool NeedValue() const override { return true; }
    bool NeedMinMax() const override { return true; }
    using CBarBase::_GetFooterFont;
    using CBarBase::_GetTitleFont;
};

// The application's own widgets on the library's bases: a lamp and a state button that count
// the ticks of their clocks, a histogram that records its scroll positions.
template <class TBase> class CTicking : public TBase
{
public:
    using TBase::_StartBlinkTimer;
    using TBase::_StopBlinkTimer;
    using TBase::m_oBlinkTimer;
    int m_nTicks = 0;

protected:
    void _OnBlinkTimer() override { ++m_nTicks; }
};

class CHistogram : public CHistogramDisplayBase
{
public:
    using CHistogramDisplayBase::m_oHScrollBar;
    using CHistogramDisplayBase::m_oVScrollBar;
    QStringList m_Calls;

protected:
    void _HScrollSlot(int nPos) override { m_Calls << QString("H%1").arg(nPos); }
    void _VScrollSlot(int nPos) override { m_Calls << QString("V%1").arg(nPos); }
};

// One tick as the event loop delivers it, which only a running clock receives.
void Tick(QTimer& clock)
{
    QTimerEvent event(clock.timerId());
    if (clock.isActive())
        QCoreApplication::sendEvent(&clock, &event);
}

QString Describe(const QFont& font)
{
    return QString::asprintf("%s %dpx weight %d%s%s spacing %g", qPrintable(font.family()),
                             font.pixelSize(), font.weight(), font.italic() ? " italic" : "",
                             font.underline() ? " underlined" : "", font.letterSpacing());
}

struct SPanel : QWidget
{
    SPanel()
    {
        auto* pwLayout = new QHBoxLayout(this);
        for (QWidget* pwWidget : m_vWidgets)
        {
            pwLayout->addWidget(pwWidget);
            m_vSpies.push_back(new CPaintSpy(pwWidget));
        }
        resize(900, 200);
        show();
    }
    CArrowButton m_Arrow;
    CMediaButton m_Media;
    CKeyboardButton m_Key;
    CKeyboardCheckBox m_KeyBox;
    CBitmapButton m_Bitmap;
    CBitmapCheckBox m_BitmapBox;
    CCheckBoxSwitch m_Switch;
    CBarScalePercent m_Ruler;
    const QVector<QWidget*> m_vWidgets{&m_Arrow,  &m_Media,     &m_Key,    &m_KeyBox,
                                       &m_Bitmap, &m_BitmapBox, &m_Switch, &m_Ruler};
    QVector<CPaintSpy*> m_vSpies;
    int Paints() const
    {
        int nPaints = 0;
        for (const CPaintSpy* pSpy : m_vSpies)
            nPaints += pSpy->m_nPaints;
        return nPaints;
    }
};

struct SSetter
{
    const char* pszName; // "ruler ...": a bar gauge, which schedules its repaint
    std::function<void(SPanel&)> set;
};

using EKey = CKeyboardButtonBase;
using EBitmap = CBitmapHelper;

const SSetter kSetters[] = {
    {"arrow mode", [](SPanel& p) { p.m_Arrow.SetMode(CArrowButton::DoubleLeft); }},
    {"arrow fit", [](SPanel& p) { p.m_Arrow.SetFitMode(CArrowButton::Stretch); }},
    {"media mode", [](SPanel& p) { p.m_Media.SetMode(CMediaButton::Repeat); }},
    {"media lamp size", [](SPanel& p) { p.m_Media.SetLampSize(9); }},
    {"media lamp mode, off", [](SPanel& p) { p.m_Media.SetOnOffMode(CMediaButton::Steady); }},
    {"media on", [](SPanel& p) { p.m_Media.SetOn(true); }},
    {"key, three labels", [](SPanel& p) { p.m_Key.Set("Esc", "F1", "F2"); }},
    {"key, two labels", [](SPanel& p) { p.m_Key.Set("Tab", "F3"); }},
    {"key, one label", [](SPanel& p) { p.m_Key.Set("Del"); }},
    {"key symbol", [](SPanel& p) { p.m_Key.Set(EKey::CornerArrow); }},
    {"key text border", [](SPanel& p) { p.m_Key.SetTextBorder(7); }},
    {"key text size", [](SPanel& p) { p.m_Key.SetTextSizeMode(EKey::ScaledSize); }},
    {"key box symbol", [](SPanel& p) { p.m_KeyBox.Set(EKey::OutlineArrowDown); }},
    {"key box text size", [](SPanel& p) { p.m_KeyBox.SetTextSizeMode(EKey::ScaledSize); }},
    {"bitmap image",
     [](SPanel& p) { p.m_Bitmap.SetBitmap(QImage(8, 8, QImage::Format_RGB32), true); }},
    {"bitmap pixmap", [](SPanel& p) { p.m_Bitmap.SetBitmap(QPixmap(8, 8), false); }},
    {"bitmap file", [](SPanel& p) { p.m_Bitmap.SetBitmap(QStringLiteral("/no/such.png"), true); }},
    {"bitmap mode", [](SPanel& p) { p.m_Bitmap.SetMode(EBitmap::Stretched); }},
    {"bitmap alignment",
     [](SPanel& p) { p.m_Bitmap.SetBitmapDefaultAlignment(EBitmap::TopAligned); }},
    {"bitmap text", [](SPanel& p) { p.m_Bitmap.SetDrawText(false); }},
    {"bitmap box mode", [](SPanel& p) { p.m_BitmapBox.SetMode(EBitmap::IconSize); }},
    {"switch draw mode", [](SPanel& p) { p.m_Switch.SetDrawMode(CCheckBoxSwitch::Vertical); }},
    {"switch text mode", [](SPanel& p) { p.m_Switch.SetTextMode(CCheckBoxSwitch::NoText); }},
    {"ruler steps", [](SPanel& p) { p.m_Ruler.SetSteps(4); }},
    {"ruler scale mode", [](SPanel& p) { p.m_Ruler.SetScaleMode(false, true); }},
    {"ruler font", [](SPanel& p) { p.m_Ruler.SetRulerFont("DejaVu Sans", 9, true, false); }},
    {"ruler title font", [](SPanel& p) { p.m_Ruler.SetTitleFont("DejaVu Sans", 11, false, true); }},
    {"ruler title size", [](SPanel& p) { p.m_Ruler.SetTitleSize(20); }},
    {"ruler footer font", [](SPanel& p) { p.m_Ruler.SetFooterFont("DejaVu Sans", 7, true, true); }},
    {"ruler footer size", [](SPanel& p) { p.m_Ruler.SetFooterSize(5); }},
};

// The lamp scenario: what the application does (mode 0 no lamp, 1 steady, 2 blinking; on, off,
// a tick of the blink clock, a lamp size) and what follows: paint events, the lamp's centre
// (G green, g grey, . none), whether the clock runs, and how many lamp pictures were drawn.
const char* const kLampSteps[][3] = {
    {"lamp shown while off", "mode 1", "1 g 0 1"},
    {"the same mode again", "mode 1", "0 g 0 0"},
    {"switched on", "on", "1 G 0 1"},
    {"on again", "on", "0 G 0 0"},
    {"blinking, dark phase first", "mode 2", "1 g 1 0"},
    {"tick", "tick", "1 G 1 1"},
    {"tick", "tick", "1 g 1 0"},
    {"tick", "tick", "1 G 1 0"},
    {"steady while on", "mode 1", "1 G 0 1"},
    {"a larger lamp", "size 20", "1 G 0 1"},
    {"switched off", "off", "1 g 0 1"},
    {"lamp hidden while off", "mode 0", "1 . 0 0"},
    {"tick without lamp", "tick", "0 . 0 0"},
    {"blinking lamp shown while off", "mode 2", "1 g 0 0"},
    {"tick while off", "tick", "0 g 0 0"},
    {"switched on, green phase left", "on", "1 G 1 1"},
    // Both steps of the mode change redraw here: the lamp's entry, then the state held at off.
    {"lamp hidden while on", "mode 0", "2 . 0 0"},
    {"off without lamp", "off", "0 . 0 0"},
    {"steady lamp shown while off", "mode 1", "1 g 0 0"},
};

} // namespace

class TestUseControlPanel : public QObject
{
    Q_OBJECT

private slots:
    // On a 60 x 40 button the lamp's centre is (46,11), also when it grows to 20 pixels.
    void lampSwitchedAround()
    {
        CLampButton button;
        CPaintSpy spy(&button);
        button.resize(60, 40);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        for (const auto& step : kLampSteps)
        {
            const int nPaints = spy.m_nPaints;
            const long nDrawn = GetLampImageCount();
            const QString act = step[1];
            const int n = act.section(' ', 1).toInt();
            if (act.startsWith("mode"))
                button.SetOnOffMode(CMediaButton::EOnOffMode(n));
            else if (act.startsWith("size"))
                button.SetLampSize(n);
            else if (act == "tick")
                button._BlinkSlot();
            else
                button.SetOn(act == "on");
            QCOMPARE(QString("%1: %2 %3 %4 %5")
                         .arg(step[0])
                         .arg(spy.m_nPaints - nPaints)
                         .arg(ZriTest::Colours(button, "46,11"))
                         .arg(button.m_oBlinkTimer.isActive())
                         .arg(GetLampImageCount() - nDrawn),
                     QString(step[0]) + ": " + step[2]);
        }
    }

    void everySetterRepaintsAtOnce_data()
    {
        QTest::addColumn<int>("setter");
        for (const SSetter& setter : kSetters)
            QTest::newRow(setter.pszName) << int(&setter - kSetters);
    }

    void everySetterRepaintsAtOnce()
    {
        QFETCH(int, setter);
        if (!m_pPanel)
        {
            m_pPanel.reset(new SPanel);
            QVERIFY(QTest::qWaitForWindowExposed(m_pPanel.get()));
        }
        QCoreApplication::processEvents();
        const SSetter& row = kSetters[setter];
        const int nBefore = m_pPanel->Paints();
        row.set(*m_pPanel);
        // Painted buttons repaint before the setter returns; the bar gauges schedule it.
        QCOMPARE(m_pPanel->Paints() - nBefore, QString(row.pszName).startsWith("ruler") ? 0 : 1);
        QCoreApplication::processEvents();
        QCOMPARE(m_pPanel->Paints() - nBefore, 1);
    }

    // The widget font is underlined and spaced. A size taken from it, then family, size, weight
    // and style set on top, keep the underline and the spacing, in the title and the footer.
    void applicationBarKeepsItsFonts()
    {
        CTankBar bar;
        QFont widgetFont = bar.font();
        widgetFont.setUnderline(true);
        widgetFont.setLetterSpacing(QFont::AbsoluteSpacing, 2);
        bar.setFont(widgetFont);
        bar.SetTitleSize(20);
        bar.SetFooterSize(20);
        bar.SetTitleFontSystem(false);
        bar.SetFooterFontSystem(false);
        QCOMPARE(bar._GetTitleFont().pixelSize(), 20);
        bar.SetTitleFont("DejaVu Serif", 14, true, true);
        bar.SetFooterFont("DejaVu Serif", 14, true, true);
        bar.SetFooterFont("DejaVu Sans", 9, false, false);
        QCOMPARE(Describe(bar._GetTitleFont()),
                 "DejaVu Serif 14px weight 75 italic underlined spacing 2");
        QCOMPARE(Describe(bar._GetFooterFont()), "DejaVu Sans 9px weight 50 underlined spacing 2");
    }

    // The lamp and the state button hear each tick of their running clock (1000 ms), none after
    // it stopped, and nothing is left behind by a clock running when its widget goes. The
    // histogram hands each bar's positions to its own slot.
    void applicationWidgetsOnTheBases()
    {
        auto* pLamp = new CTicking<CStateLampBase>;
        CTicking<CStateButtonBase> button;
        Tick(pLamp->m_oBlinkTimer);
        pLamp->_StartBlinkTimer();
        button._StartBlinkTimer();
        for (QTimer* pClock : {&pLamp->m_oBlinkTimer, &pLamp->m_oBlinkTimer, &button.m_oBlinkTimer})
            Tick(*pClock);
        button._StopBlinkTimer();
        Tick(button.m_oBlinkTimer);
        QCOMPARE(QString("%1 %2 %3")
                     .arg(pLamp->m_nTicks)
                     .arg(button.m_nTicks)
                     .arg(pLamp->m_oBlinkTimer.interval()),
                 "2 1 1000");
        delete pLamp;
        QCoreApplication::processEvents();
        CHistogram histogram;
        histogram.m_oHScrollBar.setValue(7);
        histogram.m_oVScrollBar.setValue(3);
        histogram.m_oVScrollBar.setValue(3);
        QCOMPARE(histogram.m_Calls, QStringList({"H7", "V3"}));
    }

private:
    std::unique_ptr<SPanel> m_pPanel;
};

ZRI_TEST_MAIN(TestUseControlPanel)
#include "tst_use_control_panel.moc"
