#pragma once

#include <QString>

#include <vector>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// A value axis: the values dLow to dHigh, linear or logarithmic (then both positive).
struct SPlotScale
{
    double dLow = 0.0;
    double dHigh = 1.0;
    bool bLog = false;
};

/// The fraction of the axis at which value lies: 0 at dLow, 1 at dHigh. NaN for NaN and, on a
/// logarithmic axis, for values that are not positive.
double ScaleFraction(const SPlotScale& scale, double value);

/// The tick step of 1, 2 or 5 times a power of ten that cuts span into at most maxTicks parts.
double NiceStep(double span, int maxTicks);

/// A linear axis on round numbers that holds low and high; a span of 0 grows to one step on
/// each side, and non-finite input gives 0 to 1.
SPlotScale NiceLinearScale(double low, double high, int maxTicks);

/// A logarithmic axis from the decade of low to the decade above high (at least one decade);
/// low must be positive, else the axis starts at 1.
SPlotScale NiceLogScale(double low, double high);

/// The tick values of an axis: multiples of the nice step on a linear axis, the decades on a
/// logarithmic one; never more than maxTicks + 1 of them.
std::vector<double> ScaleTicks(const SPlotScale& scale, int maxTicks);

/// The text of a tick value: no more digits than the step needs, no "-0".
QString TickText(double value, double step);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
