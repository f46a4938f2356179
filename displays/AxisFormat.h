#pragma once

#include "ZuRaradirIzurodudozExport.h"

#include <QString>
#include <Qt>

#include <functional>
#include <memory>
#include <vector>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/// One tick of a plot axis: the value it stands at and its label.
struct SAxisLabel
{
    double dValue;
    QString sText;
};

/**
 * How a plot axis places and labels its ticks.
 *
 * The default places them on whole multiples of 1, 2 or 5 times a power of ten and labels each
 * with just the digits that tell it from its neighbours, so that Unix seconds read
 * "1700000010" and a counter "12345675" instead of "1.7e+09" and "1.23e+07". Derive and
 * override Ticks() for other positions (CWallClockFormat), or keep the positions and change the
 * texts with Labelled().
 */
class ZRI_EXPORT CAxisFormat
{
public:
    CAxisFormat() = default;
    virtual ~CAxisFormat();

    /// The ticks on [low, high] in increasing order, at most maxTicks + 1 of them. The plot
    /// calls it with finite low < high and maxTicks >= 1; labels that would overlap on screen
    /// are left out by the plot.
    virtual std::vector<SAxisLabel> Ticks(double low, double high, int maxTicks) const;
    /// One value as a readout shows it, to about resolution (the value a pixel spans); by
    /// default the digits that resolution needs.
    virtual QString Text(double value, double resolution) const;

    /// The default tick positions, labelled by label(value, step), where step is the distance
    /// between neighbouring ticks.
    static std::shared_ptr<const CAxisFormat>
    Labelled(std::function<QString(double value, double step)> label);
};

/**
 * A time axis of seconds since 1970-01-01 00:00 UTC, as wall-clock time: ticks on whole
 * seconds, minutes, hours or days (steps of 1, 2, 5, 10, 15 and 30 seconds or minutes, 1, 2, 3,
 * 6 and 12 hours, then days; 1-2-5 fractions below a second), labelled "12:34:56", "12:34" for
 * steps of whole minutes and "12:34:56.5" below a second. The tick at midnight shows the date
 * instead ("2026-12-07"), and steps of a day or more show dates only. Times beyond the years
 * a calendar can show fall back to the plain numbers of CAxisFormat.
 */
class ZRI_EXPORT CWallClockFormat : public CAxisFormat
{
public:
    /// Qt::LocalTime (the default) or Qt::UTC; other specs are taken as Qt::UTC.
    explicit CWallClockFormat(Qt::TimeSpec spec = Qt::LocalTime);

    std::vector<SAxisLabel> Ticks(double low, double high, int maxTicks) const override;
    /// "2026-12-07 12:34:56", with as many decimals of a second as resolution needs (up to 3).
    QString Text(double value, double resolution) const override;

private:
    Qt::TimeSpec m_eSpec;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
