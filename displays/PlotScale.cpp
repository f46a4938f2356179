#include "PlotScale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

constexpr double kLargest = std::numeric_limits<double>::max();

// Decades a logarithmic axis may reach: 10^308 is the last power of ten below the largest
// double, 10^-307 the first one above the denormals.
constexpr double kTopDecade = 308.0;
constexpr double kBottomDecade = -307.0;

// The rough size of a tick step: span / maxTicks, also when the span itself overflows.
double RoughStep(double low, double high, int maxTicks)
{
    const double ticks = std::max(maxTicks, 1);
    const double span = high - low;
    return std::isfinite(span) ? span / ticks : high / ticks - low / ticks;
}

double NiceAbove(double rough)
{
    if (!(rough > 0.0))
    {
        return 1.0;
    }
    if (!std::isfinite(rough))
    {
        return 1e308;
    }
    const double decade = std::pow(10.0, std::floor(std::log10(rough)));
    if (!(decade > 0.0))
    {
        return rough; // below the smallest decade a double holds
    }
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
    {
        if (factor * decade >= rough * (1.0 - 1e-9))
        {
            // 2e308 is no double: the largest step is 1e308.
            return std::min(factor * decade, 1e308);
        }
    }
    return 1e308;
}

// An end rounded to whole steps, or the end itself where rounding would overflow.
double RoundedEnd(double end, double steps, double step)
{
    const double rounded = steps * step;
    return std::isfinite(rounded) ? rounded : end;
}

// The fewest decimals that show every multiple of step exactly ("0.25" needs two); one more
// than the step's first significant digit for steps that no decimal fraction holds (1/3).
int Decimals(double step)
{
    for (int decimals = 0; decimals <= 9; ++decimals)
    {
        const double scaled = step * std::pow(10.0, decimals);
        if (std::abs(scaled - std::round(scaled)) <= scaled * 1e-6)
        {
            return decimals;
        }
    }
    return std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)) + 1, 0, 9);
}

} // namespace

double ScaleFraction(const SPlotScale& scale, double value)
{
    if (scale.bLog)
    {
        if (!(value > 0.0))
        {
            return std::nan("");
        }
        return (std::log10(value) - std::log10(scale.dLow)) /
               (std::log10(scale.dHigh) - std::log10(scale.dLow));
    }
    const double span = scale.dHigh - scale.dLow;
    if (std::isfinite(span))
    {
        return (value - scale.dLow) / span;
    }
    // Ends near both largest doubles: halved, nothing overflows.
    return (value * 0.5 - scale.dLow * 0.5) / (scale.dHigh * 0.5 - scale.dLow * 0.5);
}

SPlotScale Corresponding(const SPlotScale& from, const SPlotScale& to, double low, double high)
{
    // Through fractions of each axis, so that large values keep their precision.
    const auto at = [&](double value)
    {
        const double fraction = ScaleFraction(from, value);
        return to.dLow * (1.0 - fraction) + to.dHigh * fraction;
    };
    return {at(low), at(high), false};
}

double NiceStep(double span, int maxTicks)
{
    if (!(span > 0.0) || !std::isfinite(span))
    {
        return 1.0;
    }
    return NiceAbove(span / std::max(maxTicks, 1));
}

SPlotScale NiceLinearScale(double low, double high, int maxTicks)
{
    if (!std::isfinite(low) || !std::isfinite(high))
    {
        return {0.0, 1.0, false};
    }
    if (low > high)
    {
        std::swap(low, high);
    }
    if (low == high)
    {
        const double step = NiceStep(std::max(std::abs(low), 1.0), maxTicks);
        return {std::max(low - step, -kLargest), std::min(high + step, kLargest), false};
    }
    const double step = NiceAbove(RoughStep(low, high, maxTicks));
    return {RoundedEnd(low, std::floor(low / step), step),
            RoundedEnd(high, std::ceil(high / step), step), false};
}

SPlotScale NiceLogScale(double low, double high)
{
    if (!(low > 0.0) || !std::isfinite(low))
    {
        low = 1.0;
    }
    if (!(high > low) || !std::isfinite(high))
    {
        high = low;
    }
    // The decade below the smallest value: a count of exactly 1 (or 10, 100) sits one decade up
    // and has a height, instead of standing on the axis' bottom.
    const double lowDecade =
        std::clamp(std::ceil(std::log10(low) - 1e-9) - 1.0, kBottomDecade, kTopDecade - 1.0);
    const double highDecade =
        std::clamp(std::ceil(std::log10(high) - 1e-9), lowDecade + 1.0, kTopDecade);
    return {std::pow(10.0, lowDecade), std::pow(10.0, highDecade), true};
}

STickRun LinearTicks(double low, double high, int maxTicks)
{
    STickRun run;
    if (!std::isfinite(low) || !std::isfinite(high))
    {
        return run;
    }
    if (low > high)
    {
        std::swap(low, high);
    }
    maxTicks = std::max(maxTicks, 1);
    // Neighbouring ticks must be different doubles: at 1.7e18 the doubles lie 256 apart.
    const double magnitude = std::max(std::abs(low), std::abs(high));
    const double spacing = std::nextafter(magnitude, kLargest) - magnitude;
    run.dStep = NiceAbove(std::max(RoughStep(low, high, maxTicks), 4.0 * spacing));
    const double first = std::ceil(low / run.dStep - 1e-9);
    const double last = std::floor(high / run.dStep + 1e-9);
    if (!std::isfinite(first) || !std::isfinite(last) || last < first)
    {
        return run;
    }
    run.dFirst = first;
    run.nCount = static_cast<std::int64_t>(std::min(last - first + 1.0, maxTicks + 1.0));
    return run;
}

std::vector<double> ScaleTicks(const SPlotScale& scale, int maxTicks)
{
    std::vector<double> ticks;
    maxTicks = std::max(maxTicks, 1);
    if (scale.bLog)
    {
        const double low = std::ceil(std::log10(scale.dLow) - 1e-9);
        const double high = std::floor(std::log10(scale.dHigh) + 1e-9);
        if (!(low <= high))
        {
            return ticks; // no decade between the ends, or no ends
        }
        const int first = static_cast<int>(std::clamp(low, kBottomDecade, kTopDecade));
        const int last = static_cast<int>(std::clamp(high, kBottomDecade, kTopDecade));
        const int every = std::max(1, (last - first + maxTicks) / maxTicks);
        for (int decade = first; decade <= last; decade += every)
        {
            ticks.push_back(std::pow(10.0, decade));
        }
        return ticks;
    }
    const STickRun run = LinearTicks(scale.dLow, scale.dHigh, maxTicks);
    for (std::int64_t i = 0; i < run.nCount; ++i)
    {
        ticks.push_back(run.Value(i));
    }
    return ticks;
}

QString TickText(double value, double step)
{
    if (!std::isfinite(value))
    {
        return QString::number(value);
    }
    step = std::abs(step);
    if (!(step > 0.0) || !std::isfinite(step))
    {
        step = std::max(std::abs(value), 1.0);
    }
    if (std::abs(value) < step * 1e-9)
    {
        value = 0.0; // a zero that sums of steps missed, and never "-0"
    }
    const double magnitude = std::abs(value);
    if (magnitude < 1e15 && step >= 1e-9)
    {
        return QString::number(value, 'f', Decimals(step));
    }
    if (value == 0.0)
    {
        return QStringLiteral("0");
    }
    const int digits =
        static_cast<int>(std::floor(std::log10(magnitude)) - std::floor(std::log10(step))) + 1;
    return QString::number(value, 'g', std::clamp(digits, 1, 17));
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
