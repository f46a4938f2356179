// The painted controls probed at pixels whose colours are known, kept pictures against direct
// drawing, clicks, odd values; then a control panel as an application runs it.
#include "ArrowButton.h"
#include "BarGauge.h"
#include "BarScalePercent.h"
#include "BitmapButton.h"
#include "BitmapCheckBox.h"
#include "CheckBoxSwitch.h"
#include "FileEditLine.h"
#include "HistogramDisplayBase.h"
#include "KeyboardButton.h"
#include "KeyboardCheckBox.h"
#include "LampImage.h"
#include "LoggerDefinitionsEdit.h"
#include "MediaButton.h"
#include "MultiFileEdit.h"
#include "PictureCache.h"
#include "RangeSlider.h"
#include "RectangleDefinitionEdit.h"
#include "StateButtonBase.h"
#include "StateLampBase.h"
#include "StyleStore.h"
#include "TestSupport.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QRegularExpression>
#include <QTimerEvent>

#include <climits>
#include <memory>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using Varo::FenraQtGui::QtExtensions::GetLampImageCount;
using ZriTest::Colours;
using ZriTest::RenderAt;
using EKey = CKeyboardButtonBase;

namespace
{

// A square test bitmap: a one-pixel magenta frame around cyan.
QImage FramedBitmap(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter(&image).fillRect(1, 1, size - 2, size - 2, QColor(0, 255, 255));
    return image;
}

// A 12-pixel font drawn without antialiasing: text pixels come in the pen colour only.
QFont AliasedFont()
{
    QFont font = ZriTest::PixelFont(12);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// A control of a kind and mode set up by the words of state: arrow 40 x 30, media 60 x 40 (w<n>
// the lamp size), key 60 x 50, bitmap 58 x 28 (32 x 32 framed, 15 x 15 small, on a 50 x 20 face),
// switch 100 x 30 (standing 60 x 30, text left 200 x 20; text in T), ruler 60 x 200.
template <class T> T* Own(std::unique_ptr<QWidget>& widget)
{
    widget.reset(new T);
    return static_cast<T*>(widget.get());
}

std::unique_ptr<QWidget> Make(const QString& kind, int mode, const QString& state)
{
    const QStringList words = state.split(' ');
    const auto has = [&](const char* word) { return words.contains(word); };
    const int number = words.filter(QRegularExpression("^w")).value(0).mid(1).toInt();
    std::unique_ptr<QWidget> widget;
    QSize size(60, 50);
    if (kind == "arrow")
    {
        auto* arrow = Own<CArrowButton>(widget);
        arrow->SetMode(CArrowButton::EMode(mode));
        arrow->SetFitMode(has("fit7") ? CArrowButton::EFitMode(7) : CArrowButton::Square);
        size = {40, 30};
    }
    else if (kind == "media")
    {
        auto* media = Own<CMediaButton>(widget);
        media->SetMode(CMediaButton::EMode(mode));
        media->SetOnOffMode(has("blink")  ? CMediaButton::Blinking
                            : has("lamp") ? CMediaButton::Steady
                                          : CMediaButton::NoLamp);
        media->SetOn(has("on"));
        if (number)
            media->SetLampSize(number);
        size = {60, 40};
    }
    else if (kind == "key")
        Own<CKeyboardButton>(widget)->Set(CKeyboardButtonBase::EKeyboardButtonMode(mode));
    else if (kind == "keybox")
        Own<CKeyboardCheckBox>(widget)->Set(CKeyboardButtonBase::EKeyboardButtonMode(mode));
    else if (kind == "legends")
    {
        CKeyboardButtonBase* key =
            has("box") ? static_cast<CKeyboardButtonBase*>(Own<CKeyboardCheckBox>(widget))
                       : Own<CKeyboardButton>(widget);
        widget->setFont(AliasedFont());
        key->SetTextSizeMode(has("scaled") ? EKey::ScaledSize : EKey::FixedSize);
        key->Set("Q", has("alt") ? "A" : "", "q");
        if (has("symbol") || has("back"))
            key->Set(CKeyboardButtonBase::ArrowUp);
        if (has("back"))
            key->Set(CKeyboardButtonBase::Labels);
        if (has("one"))
            key->Set("Q");
        size = {100, 68};
    }
    else if (kind == "bitmap")
    {
        auto* bitmap = Own<CBitmapButton>(widget);
        bitmap->SetBitmap(FramedBitmap(has("small") ? 15 : 32), true);
        bitmap->SetBitmap(has("small-disabled") ? FramedBitmap(32).scaled(16, 16) : QImage(),
                          false);
        bitmap->SetBitmapDefaultAlignment(CBitmapHelper::EBitmapDefaultAlignment(mode));
        bitmap->SetMode(has("stretched") ? CBitmapHelper::Stretched
                        : has("icon")    ? CBitmapHelper::IconSize
                        : has("none")    ? CBitmapHelper::NoBitmap
                                         : CBitmapHelper::Aligned);
        bitmap->setIconSize(QSize(16, 16));
        size = {58, 28};
    }
    else if (kind == "switch")
    {
        auto* box = Own<CCheckBoxSwitch>(widget);
        box->SetDrawMode(CCheckBoxSwitch::EDrawMode(mode));
        box->SetTextMode(has("text-left") ? CCheckBoxSwitch::TextLeft : CCheckBoxSwitch::TextRight);
        box->setText(QStringLiteral("Power"));
        box->setFont(AliasedFont());
        QPalette palette = box->palette();
        palette.setColor(QPalette::WindowText, ZriTest::kButtonText);
        box->setPalette(palette);
        size = has("text-left") ? QSize(200, 20) : mode == 0 ? QSize(60, 30) : QSize(100, 30);
    }
    else
    {
        auto* ruler = Own<CBarScalePercent>(widget);
        ruler->setFont(ZriTest::PixelFont(16));
        ruler->SetSteps(unsigned(mode));
        ruler->SetScaleMode(!has("right"), !has("left"));
        if (has("ruler-font"))
            ruler->SetRulerFont("DejaVu Sans", 29, false, false);
        ruler->SetTitleFont("DejaVu Sans", 29, false, false);
        ruler->SetTitleFontSystem(!has("title-font"));
        ruler->SetFooterFont("DejaVu Sans", 29, false, false);
        ruler->SetFooterFontSystem(!has("footer-font"));
        size = {60, 200};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget.get()))
    {
        if (has("checked"))
            button->setCheckable(true), button->setChecked(true);
        button->setDown(has("down"));
    }
    widget->setEnabled(!has("disabled"));
    widget->resize(size);
    return widget;
}

// Colour letters as in ZriTest::Colours; '.' the face or the background.
struct SRow
{
    const char* pszName;
    const char* pszKind;
    int nMode;
    const char* pszState;
    const char* pszPoints;
    const char* pszColours;
};

const SRow kRows[] = {
    // The 40 x 30 arrow: symbol square (9,4)-(30,25). Edges facing up or left are dark.
    {"up: tip, left, right, bottom, body", "arrow", 0, "", "20,8 14,18 25,18 20,21 20,17", "DDLLT"},
    {"up pressed: one pixel down and right", "arrow", 0, "down", "21,9 21,22 21,18 20,8", "DLT."},
    {"up disabled: only the body changes", "arrow", 0, "disabled", "20,8 20,21 20,17", "DLt"},
    {"up, fit outside the values stretches", "arrow", 0, "fit7", "8,15 13,15 20,8", "DTD"},
    {"down: shaft top, tip, right side, body", "arrow", 1, "", "20,8 20,21 25,11 20,14", "DLLT"},
    // Left: head (13,15)-(20,8)-(20,21), shaft y 9 to 20 from x 20 to 26.
    {"left: tip, shaft top, end, bottom", "arrow", 2, "", "13,15 23,9 26,15 23,20 17,15", "DDLLT"},
    // Right: head (26,15)-(19,8)-(19,21), shaft from x 13; the head's lower edge is light.
    {"right: light lower head", "arrow", 3, "", "26,15 23,17 16,9 13,15 16,20 18,14", "DLDDLT"},
    {"double up: tips and bases of both", "arrow", 4, "", "20,8 24,13 16,15 20,18 17,22", "DDLTL"},
    {"double down", "arrow", 5, "", "20,8 14,9 20,11 20,15 20,21", "DLTDL"},
    {"double left", "arrow", 6, "", "16,12 20,12 17,18 18,15 23,12 27,12", "DLLTDL"},
    {"double right", "arrow", 7, "", "13,12 15,10 17,17 15,14 20,12 26,15", "DDLTDL"},
    {"arrow outside the modes: bevel only", "arrow", 8, "", "20,8 20,15 20,21", "..."},
    // The 60 x 40 media button: content (4,4)-(55,35), symbols from (8,8) to (51,31).
    {"play: left and upper edge, tip, body", "media", 0, "", "8,20 30,14 51,20 20,20", "DDLT"},
    {"pause: bars sunken and filled", "media", 1, "", "14,8 23,31 18,20 43,20 34,8", "DLTLD"},
    {"stop", "media", 2, "", "18,8 41,31 30,20", "DLT"},
    {"to start", "media", 3, "", "8,20 17,20 12,20 51,20 40,12 40,27", "DLTLDL"},
    {"ramp down: dark left and top, light slope", "media", 4, "", "8,20 30,8 22,23 20,20", "DDLT"},
    {"ramp up", "media", 5, "", "30,8 51,20 21,15 40,20", "DLLT"},
    {"repeat: arc, hollow, arrowhead", "media", 6, "", "30,9 9,20 50,20 30,20 25,30", "TTT.T"},
    {"drop left: stem, dashes, arrowhead, groove", "media", 7, "",
     "16,7 30,10 34,10 36,10 16,22 8,28 30,28 51,28 30,30", "TT.TTD.LL"},
    {"drop right", "media", 8, "", "43,7 10,10 12,10 43,22 20,28", "TT.T."},
    {"drop crossed: dark heads", "media", 9, "", "41,20 16,20 30,10 30,17 12,7 27,10", "DDDTTD"},
    {"lamp on: green, symbol ends left of it", "media", 0, "lamp on", "46,11 35,20 36,20", "GL."},
    {"lamp off: grey", "media", 2, "lamp", "46,11", "g"},
    // Lamps under 5 pixels are plain squares; the lamp ends one column left of the content's.
    {"lamp 4: columns 50-53, rows 4-7", "media", 0, "lamp on w4",
     "49,4 50,4 53,4 50,7 53,7 54,7 50,8 53,3", ".GGGG..."},
    {"lamp 1, off: one grey pixel", "media", 0, "lamp w1", "53,4 52,4 54,4 53,5", "g..."},
    {"lamp 5 is round", "media", 0, "lamp on w5", "51,6 49,4 53,8", "G.."},
    {"media outside the modes: lamp only", "media", 10, "lamp", "46,11 20,20 8,20", "g.."},
    // The 60 x 50 key: content (4,4)-(55,45); thin symbols 4 further in, at x 16.
    {"key up: tip, shaft, head, shaft end", "key", 1, "", "16,8 16,30 12,20 16,38 16,39", "TTTT."},
    {"key down", "key", 2, "", "16,41 16,30 16,11 16,10", "TTT."},
    {"key left", "key", 3, "", "8,24 38,24 39,24 20,20 20,19", "TT.T."},
    {"key right: barb 12 from the tip", "key", 4, "", "38,24 8,24 26,20 27,20 26,29", "TTTTT"},
    {"key outline up is hollow", "key", 5, "", "16,8 16,14 14,30 16,30 16,38", "T.T.T"},
    {"key outline down is hollow", "key", 6, "", "16,41 16,35 14,20 16,20 16,11", "T.T.T"},
    {"key block arrow: hollow, corners 4 in", "key", 7, "", "30,8 51,25 8,25 30,30 17,41", "TTT.T"},
    {"key block arrow 4 looks alike", "key", 10, "", "30,8 51,25 8,25 30,30 17,41", "TTT.T"},
    {"key long left: 40 long", "key", 11, "", "8,25 48,24 49,24", "TT."},
    {"key corner arrow: turns 6 above the bottom", "key", 12, "", "30,8 25,38 25,40 25,41", "TTT."},
    {"key pressed: one pixel down and right", "key", 1, "down", "17,9 17,39 17,40", "TT."},
    {"check key checked: the same shift", "keybox", 12, "checked", "31,9 26,41 26,42", "TT."},
    {"key outside the modes: bare panel", "key", 13, "", "16,30 30,8", ".."},
    // Legends Q, A (bottom left) and q in a 12-pixel font on a 100 x 68 key: content 60 high,
    // so scaled legends are 20 (H / 3) and 15 (H / 4) pixels high while A is empty.
    {"legends scaled: a big Q, a smaller q", "legends", 0, "scaled", "5,15 87,54 5,10", "TT."},
    {"legends with A: all in the font", "legends", 0, "scaled alt", "5,15 87,54 5,10 5,58", "..TT"},
    {"legends fixed", "legends", 0, "", "5,15 87,54 5,10 94,58", "..TT"},
    {"legends of a check key are never scaled", "legends", 0, "box scaled", "5,15 5,10", ".T"},
    {"legends pressed: one pixel down and right", "legends", 0, "down", "5,10 6,11", ".T"},
    {"a symbol hides the legends", "legends", 0, "symbol", "5,10 94,58 16,8", "..T"},
    {"legends shown again", "legends", 0, "back", "5,10 94,58 16,8", "TT."},
    {"one legend clears the others", "legends", 0, "one", "5,10 94,58", "T."},
    // The bitmap on the 50 x 20 face at (4,4): 18 narrower and 12 taller than it.
    {"bitmap centred: columns 13-44, rows 6-25 shown", "bitmap", 0, "",
     "12,10 13,10 14,10 44,10 45,10 20,4 20,23", ".MCM.CC"},
    {"bitmap left", "bitmap", 1, "", "4,10 5,10 35,10 36,10", "MCM."},
    {"bitmap right", "bitmap", 2, "", "21,10 22,10 53,10", ".MM"},
    {"bitmap top: its first rows", "bitmap", 3, "", "20,4 20,5 20,23", "MCC"},
    {"bitmap bottom: its last rows", "bitmap", 4, "", "20,4 20,22 20,23", "CCM"},
    // A 15 x 15 bitmap leaves 35 columns and 5 rows free: 17 and 2 of them before it, centred.
    {"small bitmap left", "bitmap", 1, "small", "4,5 4,6 5,7 18,20 19,20 18,21", ".MCM.."},
    {"small bitmap centred", "bitmap", 0, "small", "20,10 21,10 22,10 35,20 36,20", ".MCM."},
    {"bitmap alignment 9: top left", "bitmap", 9, "", "4,4 35,4 36,4 5,23", "MM.C"},
    {"bitmap stretched over the face", "bitmap", 0, "stretched", "4,4 53,23 29,14 3,14", "MMC."},
    {"bitmap in the icon size, left, centred", "bitmap", 0, "icon", "4,6 19,21 20,14 4,5", "MC.."},
    {"no bitmap mode", "bitmap", 0, "none", "13,10 29,14", ".."},
    {"disabled: nothing without a disabled bitmap", "bitmap", 0, "disabled", "13,10 29,14", ".."},
    {"disabled bitmap placed by the larger one", "bitmap", 0, "small-disabled disabled",
     "13,4 28,13 29,13 13,14", "MC.."},
    // The switch: sunken track, raised knob with a sunken groove. Text two columns off it: P's
    // stem (bearing 1) at 63; r's stem at 154, its arm reaching the text's last column, 157.
    {"lying, off: red right half, knob left, text", "switch", 1, "",
     "45,15 30,0 1,15 14,15 15,15 16,15 62,17 63,17 64,17", "RDLD.L.T."},
    {"lying, on: knob right", "switch", 1, "checked", "15,15 30,15 44,15 45,15", "OL.L"},
    {"standing, on: knob above", "switch", 0, "checked", "7,28 7,14 7,6 7,7 7,1", "ODD.L"},
    {"standing, off: red above", "switch", 0, "", "7,1 7,14 7,15 7,22", "RRLL"},
    {"text left: the switch at the right edge", "switch", 1, "text-left",
     "159,10 160,10 170,10 185,10 199,10 153,11 154,11 155,11", ".D.RL.T."},
    // The ruler: marks are a dark row over a light one at both edges, mark 0 on the bottom row
    // of the scale area (178 with 21-pixel bands) and 100 % one row above its top (20).
    {"ruler: marks at 18, 35, 99, 164 and 180", "ruler", 10, "",
     "0,17 0,18 0,19 0,35 0,99 0,164 0,179 0,180 0,181 59,180 12,180 13,180 47,180",
     ".DLDDD.DLDD.."},
    {"ruler, four steps", "ruler", 4, "", "0,18 0,59 0,99 0,140 0,180", "DDDDD"},
    // Labels up to 31 wide ("100"): one-sided ticks end or start 3 before them, at 25 or 34.
    {"ruler ticks only left", "ruler", 10, "left", "0,180 25,180 26,180 59,180", "DD.."},
    {"ruler ticks only right", "ruler", 10, "right", "0,180 33,180 34,180 59,180", "..DD"},
    {"ruler font: short ticks", "ruler", 10, "ruler-font", "0,180 1,180 59,180", "D.D"},
    {"title font: the 100 % mark moves down", "ruler", 10, "title-font", "0,18 0,33 0,180", ".DD"},
    {"footer font: mark 0 moves up", "ruler", 10, "footer-font", "0,18 0,165 0,180", "DD."},
    {"no steps: nothing", "ruler", 0, "", "0,20 0,178", ".."},
};

// A control panel: a shown lamp switched around, every painted widget changed through its setters
// while shown (render() cannot see a missing repaint), the application's own widgets on our bases.
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

// The application's own lamp, state button and histogram on the library's bases.
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
    const char* weight = font.weight() == QFont::Bold     ? " bold"
                         : font.weight() == QFont::Normal ? ""
                                                          : " odd weight";
    return QString::asprintf("%s %dpx%s%s%s spacing %g", qPrintable(font.family()),
                             font.pixelSize(), weight, font.italic() ? " italic" : "",
                             font.underline() ? " underlined" : "", font.letterSpacing());
}

struct SPanel : QWidget
{
    SPanel()
    {
        auto* pwLayout = new QHBoxLayout(this);
        for (QWidget* pwWidget : std::initializer_list<QWidget*>{
                 &m_Arrow, &m_Media, &m_Key, &m_KeyBox, &m_Bitmap, &m_BitmapBox, &m_Switch,
                 &m_Ruler, &m_Gauge, &m_Slider})
        {
            pwLayout->addWidget(pwWidget, 1); // the ruler has no width of its own to ask for
            pwWidget->installEventFilter(&m_Spy);
        }
        m_Gauge.SetLowAlarm(40); // in alarm from the start: the alarm colour shows
        m_Gauge.SetValue(30);
        resize(1100, 200);
        show();
    }
    ZriTest::CPaintCounter m_Spy; // counts the paint events of all the widgets
    CArrowButton m_Arrow;
    CMediaButton m_Media;
    CKeyboardButton m_Key;
    CKeyboardCheckBox m_KeyBox;
    CBitmapButton m_Bitmap;
    CBitmapCheckBox m_BitmapBox;
    CCheckBoxSwitch m_Switch;
    CBarScalePercent m_Ruler;
    CBarGauge m_Gauge;
    CRangeSlider m_Slider;
};

using EBitmap = CBitmapHelper;

// Names ("later: " where the widget schedules its repaint) and what the application sets.
const std::pair<const char*, std::function<void(SPanel&)>> kSetters[] = {
    {"arrow mode", [](SPanel& p) { p.m_Arrow.SetMode(CArrowButton::DoubleLeft); }},
    {"arrow fit", [](SPanel& p) { p.m_Arrow.SetFitMode(CArrowButton::Stretch); }},
    {"media mode", [](SPanel& p) { p.m_Media.SetMode(CMediaButton::Repeat); }},
    {"media lamp size", [](SPanel& p) { p.m_Media.SetLampSize(9); }},
    {"media lamp mode, off", [](SPanel& p) { p.m_Media.SetOnOffMode(CMediaButton::Steady); }},
    {"media on", [](SPanel& p) { p.m_Media.SetOn(true); }},
    {"key, three labels", [](SPanel& p) { p.m_Key.Set("Esc", "F1", "F2"); }},
    {"key symbol", [](SPanel& p) { p.m_Key.Set(EKey::CornerArrow); }},
    {"key text border", [](SPanel& p) { p.m_Key.SetTextBorder(7); }},
    {"key text size", [](SPanel& p) { p.m_Key.SetTextSizeMode(EKey::ScaledSize); }},
    {"key box symbol", [](SPanel& p) { p.m_KeyBox.Set(EKey::OutlineArrowDown); }},
    {"key box text size", [](SPanel& p) { p.m_KeyBox.SetTextSizeMode(EKey::ScaledSize); }},
    {"bitmap image",
     [](SPanel& p) { p.m_Bitmap.SetBitmap(QImage(8, 8, QImage::Format_RGB32), true); }},
    {"bitmap mode", [](SPanel& p) { p.m_Bitmap.SetMode(EBitmap::Stretched); }},
    {"bitmap alignment",
     [](SPanel& p) { p.m_Bitmap.SetBitmapDefaultAlignment(EBitmap::TopAligned); }},
    {"bitmap text", [](SPanel& p) { p.m_Bitmap.SetDrawText(false); }},
    {"bitmap box mode", [](SPanel& p) { p.m_BitmapBox.SetMode(EBitmap::IconSize); }},
    {"switch draw mode", [](SPanel& p) { p.m_Switch.SetDrawMode(CCheckBoxSwitch::Vertical); }},
    {"switch text mode", [](SPanel& p) { p.m_Switch.SetTextMode(CCheckBoxSwitch::NoText); }},
    {"later: ruler steps", [](SPanel& p) { p.m_Ruler.SetSteps(4); }},
    {"later: ruler scale mode", [](SPanel& p) { p.m_Ruler.SetScaleMode(false, true); }},
    {"later: ruler font", [](SPanel& p) { p.m_Ruler.SetRulerFont("DejaVu Sans", 9, true, false); }},
    {"later: ruler title size", [](SPanel& p) { p.m_Ruler.SetTitleSize(20); }},
    {"later: footer", [](SPanel& p) { p.m_Ruler.SetFooterFont("DejaVu Sans", 7, true, true); }},
    {"later: gauge value", [](SPanel& p) { p.m_Gauge.SetValue(35); }},
    {"later: gauge alarm colour", [](SPanel& p) { p.m_Gauge.SetAlarmColor(Qt::green); }},
    {"later: slider start", [](SPanel& p) { p.m_Slider.SetStartValue(5); }},
    {"later: slider end", [](SPanel& p) { p.m_Slider.SetEndValue(50); }},
    {"later: handle", [](SPanel& p) { p.m_Slider.SetFocusedHandle(CRangeSlider::EndHandle); }},
};

// What the application does (mode 0 no lamp, 1 steady, 2 blinking), then: paint events, the
// lamp's centre (G green, g grey), whether the clock runs, how many lamp pictures were drawn.
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

// Variant i of a cached control: mode, state, lamp and text change with i.
QWidget* CachedVariant(const QString& control, int i)
{
    if (control == "arrow")
        return Make("arrow", i, i % 3 ? "" : "down").release();
    if (control == "media")
        return Make("media", i,
                    QStringList{"", "lamp", "blink"}.at(i % 3) + (i % 4 != 1 ? " on" : "") +
                        (i == 4 ? " disabled" : ""))
            .release();
    if (control == "ruler")
    {
        auto* ruler = new CBarScalePercent;
        ruler->SetScaleMode(i % 2, i % 3);
        ruler->SetSteps(1 + i);
        return ruler;
    }
    if (control == "keys")
    {
        // Push keys with two or three legends, scaled or not, then symbols on check keys.
        auto* key =
            i < 4 ? static_cast<QAbstractButton*>(new CKeyboardButton) : new CKeyboardCheckBox;
        auto* base = dynamic_cast<CKeyboardButtonBase*>(key);
        base->Set("!", i % 2 ? "1" : "", "F1");
        // Key 3 is key 1 with an overlined font: the line must not come from key 1's picture.
        base->SetTextSizeMode(CKeyboardButtonBase::ETextSizeMode(i < 2 || i == 3));
        QFont font = key->font();
        font.setOverline(i == 3);
        key->setFont(font);
        key->setEnabled(i != 2);
        key->setCheckable(true);
        key->setChecked(i % 2);
        const int symbols[] = {1, 3, 6, 7, 11, 12}; // filled, outline, block, long, corner
        if (i >= 4)
            base->Set(CKeyboardButtonBase::EKeyboardButtonMode(symbols[i - 4]));
        return key;
    }
    if (control == "bitmap")
    {
        QImage bitmap(30 + 6 * i, 20, QImage::Format_ARGB32);
        bitmap.fill(QColor(40, 120, 200, 128)); // see-through: the bevel shows through it
        auto* button = new CBitmapButton;
        button->setText("Fire");
        button->SetBitmap(bitmap, true);
        button->SetMode(CBitmapHelper::EMode(i % 4));
        button->setEnabled(i % 3);
        return button;
    }
    auto* box = new CCheckBoxSwitch;
    box->setText(i % 4 ? "Pump" : "A text longer than the switch's room");
    box->setChecked(i % 2);
    box->SetDrawMode(CCheckBoxSwitch::EDrawMode(i / 5));
    box->SetTextMode(CCheckBoxSwitch::ETextMode(i % 3));
    return box;
}

} // namespace

class TestPainting : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Detail::SetPaintCachesEnabled(true);
        QApplication::setPalette(ZriTest::TestPalette());
    }

    // Ten variants of each cached control drawn from kept pictures (which must not grow), also a
    // pixel further on, under other Light, Dark and text colours and on 16- and 24-bit images
    // (where blended text and see-through bitmaps round otherwise), as drawn without pictures.
    void picturesMatchDirectDrawing_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("ratio");
        const QList<QPair<const char*, QSize>> controls = {
            {"arrow", {41, 29}},  {"media", {71, 33}},  {"keys", {61, 45}},
            {"bitmap", {67, 31}}, {"switch", {81, 21}}, {"ruler", {37, 131}}};
        for (const auto& control : controls)
            for (const qreal ratio : {1.0, 1.5, 2.0})
                QTest::addRow("%s at %.1f", control.first, ratio)
                    << QString(control.first) << control.second << ratio;
    }

    void picturesMatchDirectDrawing()
    {
        QFETCH(QString, control);
        QFETCH(QSize, size);
        QFETCH(qreal, ratio);
        QWidget panel;
        panel.resize(10 * (size.width() + 3), size.height() + 5);
        for (int i = 0; i < 10; ++i)
        {
            QWidget* widget = CachedVariant(control, i);
            widget->setParent(&panel);
            widget->setGeometry(QRect(QPoint(1 + i * (size.width() + 3), 3 + i % 2), size));
        }
        const QColor light = ZriTest::kLight, dark = ZriTest::kDark, orange(255, 128, 0);
        const QColor lights[] = {light, dark, light, orange, light, light, light};
        const QColor darks[] = {dark, light, dark, dark, orange, dark, dark};
        for (const int change : {0, 1, 2, 3, 4, 5, 6})
        {
            const QImage::Format format = change < 5   ? QImage::Format_RGB32
                                          : change < 6 ? QImage::Format_RGB16
                                                       : QImage::Format_RGB888;
            QPalette palette = ZriTest::TestPalette();
            palette.setColor(QPalette::Light, lights[change]);
            palette.setColor(QPalette::Dark, darks[change]);
            if (change == 2)
                palette.setColor(QPalette::Active, QPalette::ButtonText, QColor(200, 60, 0));
            QApplication::setPalette(palette);
            const QImage first = RenderAt(panel, ratio, 0, format);
            const auto kept = Detail::PictureCacheSize();
            QCOMPARE(RenderAt(panel, ratio, 0, format), first);
            QCOMPARE(Detail::PictureCacheSize().nPictures, kept.nPictures);
            QCOMPARE(Detail::PictureCacheSize().nBytes, kept.nBytes);
            const QImage shifted = RenderAt(panel, ratio, 1, format);
            Detail::SetPaintCachesEnabled(false);
            QCOMPARE(first, RenderAt(panel, ratio, 0, format));
            QCOMPARE(shifted, RenderAt(panel, ratio, 1, format));
            Detail::SetPaintCachesEnabled(true);
        }
    }

    // A 15-pixel lamp at ratio 2 is a 30-pixel picture; kept pictures stay within their budget.
    void lampAtRatioTwoAndBudget()
    {
        CMediaButton button;
        button.resize(120, 40);
        button.SetOnOffMode(CMediaButton::Steady);
        const QImage lamp = RenderAt(button, 2).copy(2 * 99, 2 * 4, 30, 30);
        int oddPixels = 0;
        for (int y = 0; y < 30; y += 2)
            for (int x = 0; x < 30; x += 2)
                oddPixels += lamp.pixel(x, y) != lamp.pixel(x + 1, y + 1);
        QVERIFY2(oddPixels > 20, qPrintable(QString::number(oddPixels)));
        button.SetMode(CMediaButton::DropCrossed);
        for (int width = 200; width < 360; ++width)
        {
            button.resize(width, 200);
            RenderAt(button, 2);
        }
        QVERIFY(Detail::PictureCacheSize().nBytes <= Detail::kPictureBudget);
        QVERIFY(Detail::PictureCacheSize().nPictures < 160);
    }

    void pixels_data()
    {
        QTest::addColumn<int>("row");
        for (const SRow& row : kRows)
            QTest::newRow(row.pszName) << int(&row - kRows);
    }

    void pixels()
    {
        QFETCH(int, row);
        const SRow& r = kRows[row];
        const auto widget = Make(r.pszKind, r.nMode, r.pszState);
        QCOMPARE(Colours(*widget, r.pszPoints), QString(r.pszColours));
    }

    // Check keys, bitmap check boxes and switches toggle wherever they are clicked.
    void clicksAnywhereToggle()
    {
        CKeyboardCheckBox key;
        CBitmapCheckBox bitmap;
        CCheckBoxSwitch power;
        power.setText(QStringLiteral("Power"));
        for (QAbstractButton* box : std::initializer_list<QAbstractButton*>{&key, &bitmap, &power})
        {
            box->resize(200, 20);
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(199, 19));
            QVERIFY(box->isChecked());
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(0, 0));
            QVERIFY(!box->isChecked());
        }
    }

    // Odd enumeration values and degenerate sizes of every control and editor: nothing crashes.
    void oddValuesAndSizes()
    {
        const QPair<const char*, int> kinds[] = {{"arrow", 8},   {"media", 10}, {"key", 13},
                                                 {"keybox", 13}, {"bitmap", 5}, {"switch", 2},
                                                 {"ruler", 3}};
        for (const auto& kind : kinds)
            for (const int mode : {-1, kind.second, INT_MAX})
                for (const char* state : {"", "down lamp on icon", "checked disabled"})
                    for (const QSize& size : {QSize(0, 0), QSize(1, 1), QSize(3, 3)})
                    {
                        const auto widget = Make(kind.first, mode, state);
                        widget->resize(size);
                        ZriTest::RenderWidget(*widget);
                    }
        CFileEditLine path;
        CMultiFileEdit files;
        CRectangleDefinitionEdit rectangle;
        CLoggerDefinitionsEdit loggers;
        for (QWidget* editor : std::initializer_list<QWidget*>{&path, &files, &rectangle, &loggers})
            for (const QSize& size : {QSize(0, 0), QSize(1, 1), QSize(3, 300)})
            {
                editor->resize(size);
                ZriTest::RenderWidget(*editor);
            }
    }

    // On a 60 x 40 button the lamp's centre is (46,11), also when it grows to 20 pixels.
    void lampSwitchedAround()
    {
        CLampButton button;
        ZriTest::CPaintCounter spy;
        button.installEventFilter(&spy);
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
        for (const auto& setter : kSetters)
            QTest::newRow(setter.first) << int(&setter - kSetters);
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
        const auto& row = kSetters[setter];
        const int nBefore = m_pPanel->m_Spy.m_nPaints;
        row.second(*m_pPanel);
        QCOMPARE(m_pPanel->m_Spy.m_nPaints - nBefore,
                 QString(row.first).startsWith("later") ? 0 : 1);
        QCoreApplication::processEvents();
        QCOMPARE(m_pPanel->m_Spy.m_nPaints - nBefore, 1);
    }

    // Family, size, weight and style set on a size taken from the underlined, spaced widget font
    // keep underline and spacing; a later size changes each font's own size only.
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
        bar.SetFooterSize(11);
        bar.SetTitleSize(15);
        QCOMPARE(Describe(bar._GetTitleFont()),
                 "DejaVu Serif 15px bold italic underlined spacing 2");
        QCOMPARE(Describe(bar._GetFooterFont()), "DejaVu Sans 11px underlined spacing 2");
    }

    // Guards nest: each puts back the pen, brush and font it found, whatever was set under it.
    void painterGuardsRestore()
    {
        QImage image(4, 4, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.setFont(ZriTest::PixelFont(16));
        const auto state = [&]
        {
            return painter.pen().color().name() + painter.brush().color().name() +
                   QString::number(painter.font().pixelSize());
        };
        {
            CStyleStore outer(painter, QColor(1, 2, 3));
            outer.SetFontPixelSize(20);
            {
                CStyleStore inner(painter, QBrush(Qt::red));
                inner.SetPen(QColor(Qt::green));
                inner.SetFontPixelSize(30);
            }
            QCOMPARE(state(), "#010203#00000020");
        }
        QCOMPARE(state(), "#000000#00000016");
    }

    // Each tick of a running clock (1000 ms) is heard, none after it stopped or its widget went;
    // the histogram hands each bar's positions to its own slot.
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
        pLamp->_StopBlinkTimer();
        Tick(button.m_oBlinkTimer);
        Tick(pLamp->m_oBlinkTimer);
        pLamp->_StartBlinkTimer(); // and running when it goes
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

ZRI_TEST_MAIN(TestPainting)
#include "tst_painting.moc"
