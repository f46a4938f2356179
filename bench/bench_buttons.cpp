// Painted buttons against the QPushButton they stand in for, at the same size.
#include "BenchSupport.h"

#include "ArrowButton.h"

#include <QPushButton>

using Varo::FenraQtGui::ZuRaradirIzurodudoz::CArrowButton;

namespace
{

void BM_QPushButton_60x40(benchmark::State& state)
{
    QPushButton button(QStringLiteral("OK"));
    button.resize(60, 40);
    ZriBench::RenderLoop(state, button);
}
BENCHMARK(BM_QPushButton_60x40);

void BM_ArrowButton_60x40(benchmark::State& state)
{
    CArrowButton button;
    button.resize(60, 40);
    button.SetMode(CArrowButton::DoubleRight);
    ZriBench::RenderLoop(state, button);
    state.SetLabel("baseline:BM_QPushButton_60x40 goal:1.3");
}
BENCHMARK(BM_ArrowButton_60x40);

} // namespace
