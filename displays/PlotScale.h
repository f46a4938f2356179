#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// A value axis: the values dLow to dHigh, linear or logarithmic (then both positive). Both ends
/// are finite.
struct SPlotScale
{
    double dLow = 0.0;
    double dHigh = 1.0;
    bool bLog = false;
};

/// The fraction of the axis at which value lies: 0 at dLow, 1 at dHigh. NaN for NaN and, on a
/// logarithmic axis, for values that are not positive. Finite for any finite value, even when
/// the span between the ends is larger than the largest double.
double ScaleFraction(const SPlotScale& scale, double value);

/// The range of `to` that lies where low to high lies on `from`, both linear: what a second
/// value axis shows while the first shows low to high.
SPlotScale Corresponding(const SPlotScale& from, const SPlotScale& to, double low, double high);

/// The tick step of 1, 2 or 5 times a power of ten that cuts span into at most maxTicks parts.
double NiceStep(double span, int maxTicks);

/// A linear axis on round numbers that holds low and high: both ends rounded outwards to whole
/// steps. A span of 0 grows to one step of the value's own size on each side (0 to 1 around 0);
/// non-finite input gives 0 to 1. The ends stay finite near the largest doubles.
SPlotScale NiceLinearScale(double low, double high, int maxTicks);

/// A logarithmic axis from the decade below low to the decade at or above high (at least one
/// decade), so that the smallest count still has a height; low must be positive, else the axis
/// starts at 0.1.
SPlotScale NiceLogScale(double low, double high);

/// Ticks that are whole multiples of a step: value i is (dFirst + i) * dStep for i from 0 to
/// nCount - 1. Counted, never summed up, so that their number and values stay exact at any
/// magnitude (Unix seconds, nanoseconds since 1970, large counters, the largest doubles).
struct STickRun
{
    double dFirst = 0.0; ///< the first tick's multiple of the step
    double dStep = 1.0;
    std::int64_t nCount = 0;

    double Value(std::int64_t i) const { return (dFirst + static_cast<double>(i)) * dStep; }
};

/// The multiples of a 1-2-5 step in [low, high], at most maxTicks + 1 of them. The step is
/// never finer than the doubles at that magnitude can tell apart, so no two ticks are equal.
STickRun LinearTicks(double low, double high, int maxTicks);

/// The tick values of an axis: LinearTicks on a linear axis, the decades on a logarithmic one
/// (every second or more when there are more than maxTicks of them); never more than
/// maxTicks + 1 of them.
std::vector<double> ScaleTicks(const SPlotScale& scale, int maxTicks);

/// The text of a tick value with just the digits that tell it from its neighbours step away:
/// "12345675" for a counter, "1700000010" for Unix seconds, "0.25", "1.5e-09"; no "-0".
QString TickText(double value, double step);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
