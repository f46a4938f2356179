// The trend's samples and picture for other programs: CSV of the samples in view and a copy
// of both to the clipboard.
#include "TrendDisplay.h"

#include "TrendState.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QMimeData>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

namespace
{

// A CSV field: quoted when it holds a comma, a quote or a line break, its quotes doubled.
QString Field(QString text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
    {
        return text;
    }
    return QLatin1Char('"') + text.replace(QLatin1String("\""), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

// The shortest text that reads back as the same double; a gap (NaN) is an empty cell, which
// is never null (a null cell is one no sample has taken).
QString Number(double value)
{
    return std::isnan(value) ? QStringLiteral("")
                             : QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace

QString CTrendDisplay::SamplesCsv() const
{
    const Detail::STrendState& state = *m_pState;
    const double start = WindowStart();
    const double end = WindowEnd();
    // Every sample in view as (time, series, number), in time order, series by series at equal
    // times, each series' samples in the order they came.
    std::vector<std::tuple<double, std::size_t, std::uint64_t>> samples;
    // The header names the columns with their units: "time [s],flow [l/min]".
    QStringList header(Field(Detail::AxisTitle(QStringLiteral("time"), state.sTimeUnit)));
    for (std::size_t i = 0; i < state.vSeries.size(); ++i)
    {
        const Detail::CSampleRing& ring = state.vSeries[i].oRing;
        const QString& name = state.vSeries[i].sName;
        header << Field(name.isEmpty() ? name : Detail::AxisTitle(name, state.sValueUnit));
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
            csv +=
                Number(time) + QLatin1Char(',') + cells.join(QLatin1Char(',')) + QLatin1Char('\n');
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
        cells[int(series)] = Number(state.vSeries[series].oRing.Value(number));
    }
    flush();
    return csv;
}

void CTrendDisplay::CopyToClipboard()
{
    auto* data = new QMimeData;
    QImage picture(size() * devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(devicePixelRatioF());
    render(&picture);
    data->setImageData(picture);
    const QString csv = SamplesCsv();
    data->setText(csv);
    data->setData(QStringLiteral("text/csv"), csv.toUtf8());
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
