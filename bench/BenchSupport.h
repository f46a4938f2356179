#pragma once

#include <benchmark/benchmark.h>

#include <QImage>
#include <QWidget>

namespace ZriBench
{

/// Renders the widget into the same image for every iteration of the benchmark.
void RenderLoop(benchmark::State& state, QWidget& widget);

} // namespace ZriBench
