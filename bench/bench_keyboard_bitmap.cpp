// A keyboard key with three legends and a bitmap button, each beside a QPushButton of the same
// size and text, so their paint cost can be read as a ratio within one run.
#include "BenchSupport.h"

#include "BitmapButton.h"
#include "KeyboardButton.h"

#include <QPushButton>

using Varo::FenraQtGui::ZuRaradirIzurodudoz::CBitmapButton;
using Varo::FenraQtGui::ZuRaradirIzurodudoz::CKeyboardButton;

namespace
{

const QSize kKeySize(60, 52);
const QSize kBitmapButtonSize(80, 30);

void BM_QPushButton_Key(benchmark::State& state)
{
    QPushButton button(QStringLiteral("! 1 F1"));
    button.resize(kKeySize);
    ZriBench::RenderLoop(state, button);
}
BENCHMARK(BM_QPushButton_Key);

void BM_KeyboardButton_ThreeLabels(benchmark::State& state)
{
    CKeyboardButton key;
    key.resize(kKeySize);
    key.Set("!", "1", "F1");
    ZriBench::RenderLoop(state, key);
    state.SetLabel("baseline:BM_QPushButton_Key goal:1.5");
}
BENCHMARK(BM_KeyboardButton_ThreeLabels);

void BM_QPushButton_BitmapSize(benchmark::State& state)
{
    QPushButton button(QStringLiteral("Fire"));
    button.resize(kBitmapButtonSize);
    ZriBench::RenderLoop(state, button);
}
BENCHMARK(BM_QPushButton_BitmapSize);

void BM_BitmapButton_Aligned(benchmark::State& state)
{
    QImage bitmap(32, 32, QImage::Format_ARGB32_Premultiplied);
    bitmap.fill(QColor(200, 40, 40));
    CBitmapButton button;
    button.resize(kBitmapButtonSize);
    button.setText(QStringLiteral("Fire"));
    button.SetBitmap(bitmap, true);
    ZriBench::RenderLoop(state, button);
    state.SetLabel("baseline:BM_QPushButton_BitmapSize goal:1.3");
}
BENCHMARK(BM_BitmapButton_Aligned);

} // namespace
