// Painted check boxes against the QCheckBox they stand in for, at the same size and text.
#include "BenchSupport.h"

#include "BitmapCheckBox.h"
#include "CheckBoxSwitch.h"
#include "KeyboardCheckBox.h"

#include <QCheckBox>

namespace Zri = Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

const QSize kSize(120, 30);

void BM_QCheckBox_120x30(benchmark::State& state)
{
    QCheckBox box(QStringLiteral("Pump"));
    box.resize(kSize);
    box.setChecked(true);
    ZriBench::RenderLoop(state, box);
}
BENCHMARK(BM_QCheckBox_120x30);

void BM_CheckBoxSwitch_120x30(benchmark::State& state)
{
    Zri::CCheckBoxSwitch box;
    box.setText(QStringLiteral("Pump"));
    box.resize(kSize);
    box.setChecked(true);
    ZriBench::RenderLoop(state, box);
    state.SetLabel("baseline:BM_QCheckBox_120x30 goal:1.5");
}
BENCHMARK(BM_CheckBoxSwitch_120x30);

void BM_KeyboardCheckBox_120x30(benchmark::State& state)
{
    Zri::CKeyboardCheckBox box;
    box.resize(kSize);
    box.Set("Pump");
    box.setChecked(true);
    ZriBench::RenderLoop(state, box);
    state.SetLabel("baseline:BM_QCheckBox_120x30 goal:1.5");
}
BENCHMARK(BM_KeyboardCheckBox_120x30);

void BM_BitmapCheckBox_120x30(benchmark::State& state)
{
    QImage bitmap(24, 24, QImage::Format_ARGB32_Premultiplied);
    bitmap.fill(QColor(40, 120, 200));
    Zri::CBitmapCheckBox box;
    box.resize(kSize);
    box.setText(QStringLiteral("Pump"));
    box.SetBitmap(bitmap, true);
    box.setChecked(true);
    ZriBench::RenderLoop(state, box);
    state.SetLabel("baseline:BM_QCheckBox_120x30 goal:1.3");
}
BENCHMARK(BM_BitmapCheckBox_120x30);

} // namespace
