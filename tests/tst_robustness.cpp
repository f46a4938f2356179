// Robustness sweep: every concrete widget (and a minimal subclass of every abstract base) is
// painted at degenerate and extreme sizes, in every value of each mode setter plus the values
// just outside, in every button state and with Light and Dark swapped. Nothing may crash, hang
// or trip the sanitizers; the sweep itself has nothing else to check.
#include "TestSupport.h"

#include "ArrowButton.h"
#include "BarScalePercent.h"
#include "BitmapButton.h"
#include "BitmapCheckBox.h"
#include "CheckBoxSwitch.h"
#include "FileEditLine.h"
#include "HistogramDisplayBase.h"
#include "KeyboardButton.h"
#include "KeyboardCheckBox.h"
#include "LineEdit.h"
#include "LoggerDefinitionsEdit.h"
#include "MediaButton.h"
#include "MultiFileEdit.h"
#include "RangeSliderBase.h"
#include "RectangleDefinitionEdit.h"
#include "StateButtonBase.h"
#include "StateLampBase.h"
#include "TrendDisplayBase.h"

#include <QAbstractButton>
#include <QPalette>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>
#include <memory>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

class CMinimalLamp : public CStateLampBase
{
protected:
    void _OnBlinkTimer() override {}
};

class CMinimalStateButton : public CStateButtonBase
{
protected:
    void _OnBlinkTimer() override {}
};

class CMinimalBar : public CBarBase
{
public:
    bool NeedValue() const override { return true; }
    bool NeedMinMax() const override { return false; }
};

class CMinimalHistogram : public CHistogramDisplayBase
{
protected:
    void _HScrollSlot(int) override {}
    void _VScrollSlot(int) override {}
};

class CMinimalTrend : public CTrendDisplayBase
{
protected:
    void _HScrollSlot(int) override {}
    void _VScrollSlot(int) override {}
};

/// One mode setter: values 0 .. nCount - 1 are valid; -1 and nCount are swept as well.
struct SSetter
{
    const char* sName;
    int nCount;
    std::function<void(QWidget&, int)> fnSet;
};

struct SSweepEntry
{
    const char* sName;
    std::function<QWidget*()> fnCreate;
    std::vector<SSetter> vSetters;
};

// TWidget is the concrete widget; the setter may belong to one of its bases (a mix-in).
template <typename TWidget, typename TClass, typename TValue>
SSetter Setter(const char* name, int count, void (TClass::*set)(TValue))
{
    return {name, count, [set](QWidget& widget, int value) {
                (static_cast<TWidget&>(widget).*set)(TValue(value));
            }};
}

// Text beside or on the widget, first so that the later setters are swept with it.
SSetter TextSetter()
{
    return {"setText", 2, [](QWidget& w, int v) {
                static_cast<QAbstractButton&>(w).setText(v > 0 ? "Text" : "");
            }};
}

template <typename TWidget> std::vector<SSetter> KeyboardSetters()
{
    return {{"Set(mode)", 13,
             [](QWidget& w, int v)
             { static_cast<TWidget&>(w).Set(CKeyboardButtonBase::EKeyboardButtonMode(v)); }},
            {"Set(labels)", 2,
             [](QWidget& w, int v)
             { static_cast<TWidget&>(w).Set(v > 0 ? "Esc" : "", v > 0 ? "F1" : "", "x"); }},
            Setter<TWidget>("SetTextSizeMode", 2, &TWidget::SetTextSizeMode),
            {"SetTextBorder", 3,
             [](QWidget& w, int v) { static_cast<TWidget&>(w).SetTextBorder(v * 30); }}};
}

template <typename TWidget> std::vector<SSetter> BitmapSetters()
{
    return {TextSetter(),
            {"setIconSize", 2,
             [](QWidget& w, int v)
             { static_cast<QAbstractButton&>(w).setIconSize(QSize(8 * v, 5 - 7 * v)); }},
            {"SetBitmap", 2,
             [](QWidget& w, int v)
             {
                 QImage image(32 * v + 1, 16 * v + 1, QImage::Format_ARGB32);
                 image.fill(Qt::red);
                 static_cast<TWidget&>(w).SetBitmap(image, true);
                 static_cast<TWidget&>(w).SetBitmap(image.mirrored(), false);
             }},
            Setter<TWidget>("SetMode", 4, &TWidget::SetMode),
            Setter<TWidget>("SetBitmapDefaultAlignment", 5, &TWidget::SetBitmapDefaultAlignment),
            Setter<TWidget>("SetDrawText", 2, &TWidget::SetDrawText)};
}

std::vector<SSweepEntry> Entries()
{
    return {
        {"CArrowButton",
         [] { return new CArrowButton; },
         {Setter<CArrowButton>("SetMode", 8, &CArrowButton::SetMode),
          Setter<CArrowButton>("SetFitMode", 2, &CArrowButton::SetFitMode)}},
        {"CMediaButton",
         [] { return new CMediaButton; },
         {Setter<CMediaButton>("SetMode", 10, &CMediaButton::SetMode),
          Setter<CMediaButton>("SetOnOffMode", 3, &CMediaButton::SetOnOffMode),
          {"SetLampSize", 3,
           [](QWidget& w, int v) { static_cast<CMediaButton&>(w).SetLampSize(v * 40 - 1); }},
          {"SetOn", 2, [](QWidget& w, int v) { static_cast<CMediaButton&>(w).SetOn(v > 0); }}}},
        {"CKeyboardButton", [] { return new CKeyboardButton; }, KeyboardSetters<CKeyboardButton>()},
        {"CKeyboardCheckBox", [] { return new CKeyboardCheckBox; },
         KeyboardSetters<CKeyboardCheckBox>()},
        {"CBitmapButton", [] { return new CBitmapButton; }, BitmapSetters<CBitmapButton>()},
        {"CBitmapCheckBox", [] { return new CBitmapCheckBox; }, BitmapSetters<CBitmapCheckBox>()},
        {"CCheckBoxSwitch",
         [] { return new CCheckBoxSwitch; },
         {TextSetter(), Setter<CCheckBoxSwitch>("SetDrawMode", 2, &CCheckBoxSwitch::SetDrawMode),
          Setter<CCheckBoxSwitch>("SetTextMode", 3, &CCheckBoxSwitch::SetTextMode)}},
        // Composite editors have no modes; they are painted at every size and state.
        {"CLineEdit", [] { return new CLineEdit; }, {}},
        {"CFileEditLine", [] { return new CFileEditLine; }, {}},
        {"CMultiFileEdit", [] { return new CMultiFileEdit; }, {}},
        {"CRectangleDefinitionEdit", [] { return new CRectangleDefinitionEdit; }, {}},
        {"CLoggerDefinitionsEdit", [] { return new CLoggerDefinitionsEdit; }, {}},
        {"CBarBase",
         [] { return new CMinimalBar; },
         {{"SetTitleSize", 3,
           [](QWidget& w, int v) { static_cast<CBarBase&>(w).SetTitleSize(unsigned(v * 200)); }},
          {"SetFooterFontSystem", 2,
           [](QWidget& w, int v) { static_cast<CBarBase&>(w).SetFooterFontSystem(v > 0); }}}},
        {"CHistogramDisplayBase", [] { return new CMinimalHistogram; }, {}},
        {"CTrendDisplayBase", [] { return new CMinimalTrend; }, {}},
        {"CRangeSliderBase", [] { return new CRangeSliderBase; }, {}},
        {"CStateLampBase", [] { return new CMinimalLamp; }, {}},
        {"CStateButtonBase", [] { return new CMinimalStateButton; }, {}},
        // Steps last: -1 becomes the largest unsigned count, and 0 stays behind.
        {"CBarScalePercent",
         [] { return new CBarScalePercent; },
         {{"SetScaleMode", 4,
           [](QWidget& widget, int value)
           { static_cast<CBarScalePercent&>(widget).SetScaleMode(value & 1, value & 2); }},
          Setter<CBarScalePercent>("SetSteps", 12, &CBarScalePercent::SetSteps)}},
    };
}

enum EState
{
    Normal,
    Pressed,
    Checked,
    Disabled,
    StateCount
};

void ApplyState(QWidget& widget, EState state)
{
    widget.setEnabled(state != Disabled);
    if (auto* button = qobject_cast<QAbstractButton*>(&widget))
    {
        button->setCheckable(state == Checked);
        button->setChecked(state == Checked);
        button->setDown(state == Pressed);
    }
}

QPalette SwappedPalette()
{
    QPalette palette = ZriTest::TestPalette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    {
        palette.setColor(group, QPalette::Light, ZriTest::kDark);
        palette.setColor(group, QPalette::Dark, ZriTest::kLight);
    }
    return palette;
}

const QList<QSize> kSizes = {{0, 0}, {1, 1}, {3, 3}, {17, 9}, {300, 40}, {40, 300}};

} // namespace

class TestRobustness : public QObject
{
    Q_OBJECT

private slots:
    // The logger table keeps its header state in the default settings: keep them out of home.
    void initTestCase()
    {
        QVERIFY(m_oSettingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_oSettingsDir.path());
    }

    void sweep_data();
    void sweep();
    void cleanup();

private:
    QTemporaryDir m_oSettingsDir;
};

void TestRobustness::sweep_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("swapped");
    const auto entries = Entries();
    for (int i = 0; i < int(entries.size()); ++i)
    {
        QTest::addRow("%s", entries[i].sName) << i << false;
        QTest::addRow("%s, light and dark swapped", entries[i].sName) << i << true;
    }
}

void TestRobustness::sweep()
{
    QFETCH(int, entry);
    QFETCH(bool, swapped);
    if (swapped)
        QApplication::setPalette(SwappedPalette());
    const SSweepEntry sweep = Entries()[entry];
    std::unique_ptr<QWidget> widget(sweep.fnCreate());
    widget->show();
    for (int state = 0; state < StateCount; ++state)
        for (const QSize& size : kSizes)
        {
            widget->resize(size);
            ApplyState(*widget, EState(state));
            ZriTest::RenderWidget(*widget);
        }
    for (const SSetter& setter : sweep.vSetters)
        for (int value = -1; value <= setter.nCount; ++value)
            for (int state = 0; state < StateCount; ++state)
                for (const QSize& size : kSizes)
                {
                    widget->resize(size);
                    ApplyState(*widget, EState(state));
                    setter.fnSet(*widget, value);
                    ZriTest::RenderWidget(*widget);
                }
    // Leave every setter on a valid value for the next round.
    for (const SSetter& setter : sweep.vSetters)
        setter.fnSet(*widget, 0);
}

void TestRobustness::cleanup()
{
    QApplication::setPalette(ZriTest::TestPalette());
}

ZRI_TEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
