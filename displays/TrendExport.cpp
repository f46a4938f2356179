// The trend's samples and picture for other programs: CSV of the samples in view and a copy
// of both to the clipboard.
#include "TrendDisplay.h"

#include "PlotExport.h"
#include "TrendState.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

QString CTrendDisplay::SamplesCsv() const
{
    const Detail::STrendState& state = *m_pState;
    const double start = WindowStart();
    const double end = WindowEnd();
    // Every sample in view as (time, series, number), in time order, series by series at equal
    // times, each series' samples in the order they came.
    std::vector<std::tuple<double, std::size_t, std::uint64_t>> samples;
    QStringList header(QStringLiteral("time"));
    for (std::size_t i = 0; i < state.vSeries.size(); ++i)
    {
        const Detail::CSampleRing& ring = state.vSeries[i].oRing;
        header << Detail::CsvField(state.vSeries[i].sName);
        for (std::uint64_t s = ring.LowerBound(start); s < ring.End() && ring.Time(s) <= end; ++s)
        {
            samples.emplace_back(ring.Time(s), i, s);
        }
    }
    std::sort(samples.begin(), samples.end());
    // A line per time; a series with a second sample at that time starts another line.
    QString csv = header.join(QLatin1Char(',')) + QLatin1Char('\n');
    QStringList cells;
    double time = 0.0;
    const auto flush = [&]
    {
        if (!cells.isEmpty())
        {
            csv += Detail::CsvNumber(time) + QLatin1Char(',') + cells.join(QLatin1Char(',')) +
                   QLatin1Char('\n');
        }
        cells.clear();
    };
    for (const auto& [at, series, number] : samples)
    {
        if (cells.isEmpty() || at != time || !cells[int(series)].isNull())
        {
            flush();
            time = at;
            for (std::size_t k = 0; k < state.vSeries.size(); ++k)
            {
                cells << QString(); // null: no sample yet
            }
        }
        cells[int(series)] = Detail::CsvNumber(state.vSeries[series].oRing.Value(number));
    }
    flush();
    return csv;
}

void CTrendDisplay::CopyToClipboard()
{
    Detail::CopyPictureAndCsv(*this, SamplesCsv());
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
