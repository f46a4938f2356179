// Robustness sweep: every concrete widget (and a minimal subclass of every abstract base) is
// painted at degenerate and extreme sizes, in every value of each mode setter plus the values
// just outside, in every button state and with Light and Dark swapped. Nothing may crash, hang
// or trip the sanitizers; the sweep itself has nothing else to check.
#include "TestSupport.h"

#include "ArrowButton.h"
#include "BarScalePercent.h"

#include <QAbstractButton>
#include <QPalette>

#include <functional>
#include <memory>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

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

template <typename TWidget, typename TEnum>
SSetter Setter(const char* name, int count, void (TWidget::*set)(TEnum))
{
    return {name, count, [set](QWidget& widget, int value) {
                (static_cast<TWidget&>(widget).*set)(TEnum(value));
            }};
}

std::vector<SSweepEntry> Entries()
{
    return {
        {"CArrowButton", [] { return new CArrowButton; },
         {Setter("SetMode", 8, &CArrowButton::SetMode),
          Setter("SetFitMode", 2, &CArrowButton::SetFitMode)}},
        // Steps last: -1 becomes the largest unsigned count, and 0 stays behind.
        {"CBarScalePercent", [] { return new CBarScalePercent; },
         {{"SetScaleMode", 4,
           [](QWidget& widget, int value)
           { static_cast<CBarScalePercent&>(widget).SetScaleMode(value & 1, value & 2); }},
          Setter("SetSteps", 12, &CBarScalePercent::SetSteps)}},
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
    void sweep_data();
    void sweep();
    void cleanup();
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
