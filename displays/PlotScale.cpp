#include "PlotScale.h"

#include <algorithm>
#include <cmath>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

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
    return (value - scale.dLow) / (scale.dHigh - scale.dLow);
}

double NiceStep(double span, int maxTicks)
{
    if (!(span > 0.0) || !std::isfinite(span))
    {
        return 1.0;
    }
    const double rough = span / std::max(maxTicks, 1);
    const double decade = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0})
    {
        if (factor * decade >= rough * (1.0 - 1e-9))
        {
            return factor * decade;
        }
    }
    return 10.0 * decade;
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
        return {low - step, high + step, false};
    }
    const double step = NiceStep(high - low, maxTicks);
    return {std::floor(low / step) * step, std::ceil(high / step) * step, false};
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
    const double lowDecade = std::floor(std::log10(low));
    const double highDecade = std::max(std::ceil(std::log10(high)), lowDecade + 1.0);
    return {std::pow(10.0, lowDecade), std::pow(10.0, highDecade), true};
}

std::vector<double> ScaleTicks(const SPlotScale& scale, int maxTicks)
{
    std::vector<double> ticks;
    if (scale.bLog)
    {
        const double first = std::ceil(std::log10(scale.dLow) - 1e-9);
        const double last = std::floor(std::log10(scale.dHigh) + 1e-9);
        const double every = std::max(1.0, std::ceil((last - first + 1.0) / std::max(maxTicks, 1)));
        for (double decade = first; decade <= last && ticks.size() <= 64; decade += every)
        {
            ticks.push_back(std::pow(10.0, decade));
        }
        return ticks;
    }
    const double step = NiceStep(scale.dHigh - scale.dLow, maxTicks);
    const double first = std::ceil(scale.dLow / step - 1e-9);
    for (double i = first; i * step <= scale.dHigh + step * 1e-9 && ticks.size() <= 64; ++i)
    {
        ticks.push_back(i * step);
    }
    return ticks;
}

QString TickText(double value, double step)
{
    if (std::abs(value) < std::abs(step) * 1e-9)
    {
        value = 0.0;
    }
    const int decimals =
        step > 0.0 && step < 1.0 ? static_cast<int>(std::ceil(-std::log10(step) - 1e-9)) : 0;
    if (std::abs(value) >= 1e7 || (value != 0.0 && std::abs(value) < 1e-4))
    {
        return QString::number(value, 'g', 3);
    }
    return QString::number(value, 'f', std::min(decimals, 6));
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
