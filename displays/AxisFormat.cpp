#include "AxisFormat.h"

#include "PlotScale.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

namespace
{

constexpr double kDay = 86400.0;

// Whole seconds, minutes and hours that divide a day, so that midnight is always a tick.
constexpr double kClockSteps[] = {1,   2,   5,    10,   15,   30,    60,    120,   300,
                                  600, 900, 1800, 3600, 7200, 10800, 21600, 43200, kDay};

// A calendar shows these times (some 300,000 years either side of 1970).
constexpr double kClockLimit = 1e13;

class CLabelledFormat : public CAxisFormat
{
public:
    explicit CLabelledFormat(std::function<QString(double, double)> label)
        : m_fnLabel(std::move(label))
    {
    }

    std::vector<SAxisLabel> Ticks(double low, double high, int maxTicks) const override
    {
        std::vector<SAxisLabel> ticks = CAxisFormat::Ticks(low, high, maxTicks);
        const double step = Detail::LinearTicks(low, high, maxTicks).dStep;
        for (SAxisLabel& tick : ticks)
        {
            tick.sText = m_fnLabel ? m_fnLabel(tick.dValue, step) : QString();
        }
        return ticks;
    }

private:
    std::function<QString(double, double)> m_fnLabel;
};

double ClockStep(double rough)
{
    if (rough <= 0.5)
    {
        return Detail::NiceStep(rough, 1);
    }
    for (const double step : kClockSteps)
    {
        if (step >= rough)
        {
            return step;
        }
    }
    return kDay * Detail::NiceStep(rough / kDay, 1);
}

QDateTime ClockTime(double seconds, Qt::TimeSpec spec)
{
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(std::llround(seconds * 1000.0)),
                                          spec);
}

// Seconds to add to a time since 1970 to get the wall clock's seconds since its 1970.
double Offset(double seconds, Qt::TimeSpec spec)
{
    return spec == Qt::UTC ? 0.0 : ClockTime(seconds, spec).offsetFromUtc();
}

// The time to the second, with the decimals of a second that step needs (at most 3).
QString Seconds(const QDateTime& time, const QString& format, double step)
{
    QString text = time.toString(format + QStringLiteral(".zzz"));
    // No step (NaN) gives whole seconds; a step of 0 or below a millisecond, milliseconds.
    const int decimals = !(step < 1.0) ? 0
                         : step > 1e-3 ? static_cast<int>(std::ceil(-std::log10(step) - 1e-9))
                                       : 3;
    text.chop(decimals == 0 ? 4 : 3 - decimals);
    return text;
}

QString ClockText(const QDateTime& time, double step)
{
    if (step >= kDay || time.time() == QTime(0, 0))
    {
        return time.toString(QStringLiteral("yyyy-MM-dd"));
    }
    if (step >= 60.0)
    {
        return time.toString(QStringLiteral("hh:mm"));
    }
    return Seconds(time, QStringLiteral("hh:mm:ss"), step);
}

} // namespace

CAxisFormat::~CAxisFormat() = default;

std::vector<SAxisLabel> CAxisFormat::Ticks(double low, double high, int maxTicks) const
{
    const Detail::STickRun run = Detail::LinearTicks(low, high, maxTicks);
    std::vector<SAxisLabel> ticks;
    ticks.reserve(static_cast<std::size_t>(run.nCount));
    for (std::int64_t i = 0; i < run.nCount; ++i)
    {
        ticks.push_back({run.Value(i), Detail::TickText(run.Value(i), run.dStep)});
    }
    return ticks;
}

QString CAxisFormat::Text(double value, double resolution) const
{
    return Detail::TickText(value, resolution);
}

std::shared_ptr<const CAxisFormat>
CAxisFormat::Labelled(std::function<QString(double value, double step)> label)
{
    return std::make_shared<CLabelledFormat>(std::move(label));
}

CWallClockFormat::CWallClockFormat(Qt::TimeSpec spec)
    : m_eSpec(spec == Qt::LocalTime ? Qt::LocalTime : Qt::UTC)
{
}

std::vector<SAxisLabel> CWallClockFormat::Ticks(double low, double high, int maxTicks) const
{
    const double rough = (high - low) / std::max(maxTicks, 1);
    const double step = ClockStep(rough);
    const double magnitude = std::max(std::abs(low), std::abs(high));
    if (!(magnitude < kClockLimit && low < high) || step < 0.001 || magnitude / step > 1e15)
    {
        return CAxisFormat::Ticks(low, high, maxTicks);
    }
    // Ticks on whole steps of the wall clock: counted in local seconds, each taken back with
    // the offset in force at it (a daylight-saving change moves the offset by an hour).
    const double start = low + Offset(low, m_eSpec);
    const double first = std::ceil(start / step - 1e-9);
    const double last = std::floor((high + Offset(high, m_eSpec)) / step + 1e-9);
    std::vector<SAxisLabel> ticks;
    for (std::int64_t i = 0; first + i <= last && i <= maxTicks + 1; ++i)
    {
        const double local = (first + i) * step;
        const double time = local - Offset(local - (start - low), m_eSpec);
        if (time >= low - step * 1e-9 && time <= high + step * 1e-9)
        {
            ticks.push_back({time, ClockText(ClockTime(time, m_eSpec), step)});
        }
    }
    return ticks;
}

QString CWallClockFormat::Text(double value, double resolution) const
{
    if (!(std::abs(value) < kClockLimit))
    {
        return CAxisFormat::Text(value, resolution);
    }
    return Seconds(ClockTime(value, m_eSpec), QStringLiteral("yyyy-MM-dd hh:mm:ss"), resolution);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
