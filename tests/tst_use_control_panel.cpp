// A control panel: a shown media button whose lamp the application switches between modes and
// on and off, every painted widget of the library changed through its setters while shown (a
// setter that forgets to repaint leaves the old picture on the screen, which render() cannot
// see), and an application's own bar gauge that takes its title and footer fonts from the base.
#include "ArrowButton.h"
#include "BarScalePercent.h"
#include "BitmapButton.h"
#include "BitmapCheckBox.h"
#include "CheckBoxSwitch.h"
#include "KeyboardButton.h"
#include "KeyboardCheckBox.h"
#include "MediaButton.h"
#include "TestSupport.h"

#include <QHBoxLayout>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

const QColor kGreen(0, 255, 0);
const QColor kGrey(128, 128, 128);

// Counts the paint events that reach a widget.
class CPaintSpy : public QObject
{
public:
    explicit CPaintSpy(QWidget* pwWidget) : QObject(pwWidget)
    {
        pwWidget->installEventFilter(this);
    }
    int m_nPaints = 0;

protected:
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        m_nPaints += pEvent->type() == QEvent::Paint;
        return false;
    }
};

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
};

struct SSetter
{
    const char* pszName;
    int nWidget; // index into SPanel::m_vWidgets
    std::function<void(SPanel&)> set;
};

using EKey = CKeyboardButtonBase;
using EBitmap = CBitmapHelper;

const SSetter kSetters[] = {
    {"arrow mode", 0, [](SPanel& p) { p.m_Arrow.SetMode(CArrowButton::DoubleLeft); }},
    {"arrow fit", 0, [](SPanel& p) { p.m_Arrow.SetFitMode(CArrowButton::Stretch); }},
    {"media mode", 1, [](SPanel& p) { p.m_Media.SetMode(CMediaButton::Repeat); }},
    {"media lamp size", 1, [](SPanel& p) { p.m_Media.SetLampSize(9); }},
    {"media lamp mode, off", 1, [](SPanel& p) { p.m_Media.SetOnOffMode(CMediaButton::Steady); }},
    {"media on", 1, [](SPanel& p) { p.m_Media.SetOn(true); }},
    {"key, three labels", 2, [](SPanel& p) { p.m_Key.Set("Esc", "F1", "F2"); }},
    {"key, two labels", 2, [](SPanel& p) { p.m_Key.Set("Tab", "F3"); }},
    {"key, one label", 2, [](SPanel& p) { p.m_Key.Set("Del"); }},
    {"key symbol", 2, [](SPanel& p) { p.m_Key.Set(EKey::CornerArrow); }},
    {"key text border", 2, [](SPanel& p) { p.m_Key.SetTextBorder(7); }},
    {"key text size", 2, [](SPanel& p) { p.m_Key.SetTextSizeMode(EKey::ScaledSize); }},
    {"key box symbol", 3, [](SPanel& p) { p.m_KeyBox.Set(EKey::OutlineArrowDown); }},
    {"key box text size", 3, [](SPanel& p) { p.m_KeyBox.SetTextSizeMode(EKey::ScaledSize); }},
    {"bitmap image", 4,
     [](SPanel& p) { p.m_Bitmap.SetBitmap(QImage(8, 8, QImage::Format_RGB32), true); }},
    {"bitmap pixmap", 4, [](SPanel& p) { p.m_Bitmap.SetBitmap(QPixmap(8, 8), false); }},
    {"bitmap file", 4,
     [](SPanel& p) { p.m_Bitmap.SetBitmap(QStringLiteral("/no/such.png"), true); }},
    {"bitmap mode", 4, [](SPanel& p) { p.m_Bitmap.SetMode(EBitmap::Stretched); }},
    {"bitmap alignment", 4,
     [](SPanel& p) { p.m_Bitmap.SetBitmapDefaultAlignment(EBitmap::TopAligned); }},
    {"bitmap text", 4, [](SPanel& p) { p.m_Bitmap.SetDrawText(false); }},
    {"bitmap box mode", 5, [](SPanel& p) { p.m_BitmapBox.SetMode(EBitmap::IconSize); }},
    {"switch draw mode", 6, [](SPanel& p) { p.m_Switch.SetDrawMode(CCheckBoxSwitch::Vertical); }},
    {"switch text mode", 6, [](SPanel& p) { p.m_Switch.SetTextMode(CCheckBoxSwitch::NoText); }},
    {"ruler steps", 7, [](SPanel& p) { p.m_Ruler.SetSteps(4); }},
    {"ruler scale mode", 7, [](SPanel& p) { p.m_Ruler.SetScaleMode(false, true); }},
    {"ruler font", 7, [](SPanel& p) { p.m_Ruler.SetRulerFont("DejaVu Sans", 9, true, false); }},
    {"ruler title font", 7,
     [](SPanel& p) { p.m_Ruler.SetTitleFont("DejaVu Sans", 11, false, true); }},
    {"ruler title size", 7, [](SPanel& p) { p.m_Ruler.SetTitleSize(20); }},
    {"ruler footer font", 7,
     [](SPanel& p) { p.m_Ruler.SetFooterFont("DejaVu Sans", 7, true, true); }},
    {"ruler footer size", 7, [](SPanel& p) { p.m_Ruler.SetFooterSize(5); }},
};

// One step of the lamp scenario and what the button shows afterwards.
struct SLampStep
{
    const char* pszName;
    std::function<void(CLampButton&)> act;
    int nPaints;
    const char* pszLamp; // at the lamp's centre: green, grey or none
    bool bBlinking;
};

using M = CMediaButton;

const SLampStep kLampSteps[] = {
    {"lamp shown while off", [](CLampButton& b) { b.SetOnOffMode(M::Steady); }, 1, "grey", false},
    {"the same mode again", [](CLampButton& b) { b.SetOnOffMode(M::Steady); }, 0, "grey", false},
    {"switched on", [](CLampButton& b) { b.SetOn(true); }, 1, "green", false},
    {"on again", [](CLampButton& b) { b.SetOn(true); }, 0, "green", false},
    {"blinking, dark phase first", [](CLampButton& b) { b.SetOnOffMode(M::Blinking); }, 1, "grey",
     true},
    {"tick", [](CLampButton& b) { b._BlinkSlot(); }, 1, "green", true},
    {"tick", [](CLampButton& b) { b._BlinkSlot(); }, 1, "grey", true},
    {"tick", [](CLampButton& b) { b._BlinkSlot(); }, 1, "green", true},
    {"steady while on", [](CLampButton& b) { b.SetOnOffMode(M::Steady); }, 1, "green", false},
    {"switched off", [](CLampButton& b) { b.SetOn(false); }, 1, "grey", false},
    {"lamp hidden while off", [](CLampButton& b) { b.SetOnOffMode(M::NoLamp); }, 1, "none", false},
    {"tick without lamp", [](CLampButton& b) { b._BlinkSlot(); }, 0, "none", false},
    {"blinking lamp shown while off", [](CLampButton& b) { b.SetOnOffMode(M::Blinking); }, 1,
     "grey", false},
    {"tick while off", [](CLampButton& b) { b._BlinkSlot(); }, 0, "grey", false},
    {"switched on, green phase left", [](CLampButton& b) { b.SetOn(true); }, 1, "green", true},
    // Both steps of the mode change redraw here: the lamp's entry, then the state held at off.
    {"lamp hidden while on", [](CLampButton& b) { b.SetOnOffMode(M::NoLamp); }, 2, "none", false},
    {"off without lamp", [](CLampButton& b) { b.SetOn(false); }, 0, "none", false},
    {"steady lamp shown while off", [](CLampButton& b) { b.SetOnOffMode(M::Steady); }, 1, "grey",
     false},
};

} // namespace

class TestUseControlPanel : public QObject
{
    Q_OBJECT

private slots:
    // On a 60 x 40 button the 15-pixel lamp covers columns 39 to 53 and rows 4 to 18.
    void lampSwitchedAround()
    {
        ZriTest::CPaintCounter<CLampButton> button(QSize(60, 40));
        for (const SLampStep& step : kLampSteps)
        {
            const int nBefore = button.m_nPaints;
            step.act(button);
            const int nPaints = button.m_nPaints - nBefore; // render() below paints as well
            const QColor centre = ZriTest::PixelAt(ZriTest::RenderWidget(button), 46, 11);
            const char* pszLamp = centre == kGreen ? "green" : centre == kGrey ? "grey" : "none";
            QCOMPARE(QString::asprintf("%s: %d paints, %s lamp, blinking %d", step.pszName, nPaints,
                                       pszLamp, button.m_oBlinkTimer.isActive()),
                     QString::asprintf("%s: %d paints, %s lamp, blinking %d", step.pszName,
                                       step.nPaints, step.pszLamp, step.bBlinking));
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
        CPaintSpy* pSpy = m_pPanel->m_vSpies[row.nWidget];
        const int nBefore = pSpy->m_nPaints;
        row.set(*m_pPanel);
        // Painted buttons repaint before the setter returns; the bar gauges schedule it.
        const bool bScheduled = row.nWidget == 7;
        QCOMPARE(pSpy->m_nPaints - nBefore, bScheduled ? 0 : 1);
        QCoreApplication::processEvents();
        QCOMPARE(pSpy->m_nPaints - nBefore, 1);
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

private:
    std::unique_ptr<SPanel> m_pPanel;
};

ZRI_TEST_MAIN(TestUseControlPanel)
#include "tst_use_control_panel.moc"
