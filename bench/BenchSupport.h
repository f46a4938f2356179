#pragma once

#include <benchmark/benchmark.h>

#include <QImage>
#include <QWidget>

#include <functional>

namespace ZriBench
{

/// Processor time of this thread, in seconds: time that other processes take from a shared
/// machine does not count.
double ThreadSeconds();

/// Renders the widget into the same image for every iteration of the benchmark.
void RenderLoop(benchmark::State& state, QWidget& widget);

/// Renders the subject and its plain Qt baseline in alternate turns, each into its own image of
/// the given device pixel ratio, and sets the counter "ratio" to the subject's total processor
/// time over the baseline's, and "subject_ns" to its time per render. Interleaving makes both
/// suffer the same state of a shared machine, so the ratio holds when the absolute times do not.
/// Which of the two goes first alternates.
void InterleavedRatio(benchmark::State& state, QWidget& subject, QWidget& baseline,
                      qreal devicePixelRatio = 1.0);

/// The same for two steps of any kind (a render, an append with its repaint, a whole live run,
/// ...): each turn runs one of them stepsPerTurn times.
void InterleavedRatio(benchmark::State& state, const std::function<void()>& subject,
                      const std::function<void()>& baseline, int stepsPerTurn = 16);

} // namespace ZriBench
