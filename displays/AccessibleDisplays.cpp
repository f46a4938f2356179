// What screen readers and UI-test tools hear of the concrete displays; installed when the
// library loads, like the buttons' factory.
#include "AccessibleControl.h"
#include "BarScalePercent.h"
#include "HistogramDisplay.h"
#include "HistogramGeometry.h"
#include "PlotPainting.h"
#include "TranslatedText.h"
#include "TrendDisplay.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

QString RulerName(const QWidget&)
{
    return TranslatedText("Percentage scale");
}

QString HistogramName(const QWidget&)
{
    return TranslatedText("Histogram");
}

QString TrendName(const QWidget&)
{
    return TranslatedText("Trend");
}

// A unit after a number, " px", or nothing without one.
QString UnitSuffix(const QString& unit)
{
    return unit.isEmpty() ? unit : QLatin1Char(' ') + unit;
}

// "Red: 256 classes, largest count 1200 at class 17; Green: ...", zoomed "...; classes 10 to 40
// px, 0 to 80 counts; readout Red: 17 px, 1200 counts", with the axes' units where they have them
QString HistogramDescription(const QWidget& control)
{
    const auto& histogram = static_cast<const CHistogramDisplay&>(control);
    QStringList parts;
    for (int list = 0; list < histogram.DataListCount(); ++list)
    {
        const std::vector<double>& counts = histogram.Counts(list);
        // NaN compares false both ways: the largest is looked for among the other counts.
        const auto largest = std::max_element(
            counts.begin(), counts.end(),
            [](double a, double b) { return std::isnan(a) || (!std::isnan(b) && a < b); });
        QString part = QString::fromStdString(histogram.DataListMode(list).m_sLabel);
        part += (part.isEmpty() ? QString() : QStringLiteral(": ")) +
                QStringLiteral("%1 %2").arg(counts.size()).arg(TranslatedText("classes"));
        if (!histogram.IsDataListVisible(list))
        {
            part += QStringLiteral(", ") + TranslatedText("hidden");
        }
        else if (largest != counts.end() && !std::isnan(*largest))
        {
            part += QStringLiteral(", %1 %2 %3 %4")
                        .arg(TranslatedText("largest count"))
                        .arg(*largest)
                        .arg(TranslatedText("at class"))
                        .arg(largest - counts.begin());
        }
        parts << part;
    }
    if (parts.isEmpty())
    {
        return TranslatedText("no data");
    }
    // A zoomed view says which classes (their labels) and values it shows; the readout its list,
    // class and count.
    const auto label = [&](int index) { return CountText(histogram.ClassLabel(index)); };
    const QString classUnit = UnitSuffix(histogram.ClassAxisUnit());
    const QString valueUnit = UnitSuffix(histogram.ValueAxisUnit());
    if (histogram.IsZoomed())
    {
        const int first = histogram.FirstVisibleClass();
        parts << QStringLiteral("%1 %2 %3 %4%5, %6 %7 %8%9")
                     .arg(TranslatedText("classes"), label(first), TranslatedText("to"),
                          label(first + histogram.VisibleClassCount() - 1), classUnit,
                          CountText(histogram.ValueAxisBottom()), TranslatedText("to"),
                          CountText(histogram.ValueAxisTop()), valueUnit);
    }
    if (histogram.ReadoutList() >= 0)
    {
        const int index = histogram.ReadoutClass();
        parts << TranslatedText("readout") + QLatin1Char(' ') +
                     ReadoutLabel(QString::fromStdString(
                                      histogram.DataListMode(histogram.ReadoutList()).m_sLabel),
                                  label(index) + classUnit,
                                  histogram.Counts(histogram.ReadoutList())[std::size_t(index)]) +
                     valueUnit;
    }
    return parts.join(QStringLiteral("; "));
}

bool AnyOnRightAxis(const CTrendDisplay& trend)
{
    for (int series = 0; series < trend.SeriesCount(); ++series)
    {
        if (trend.IsSeriesOnRightAxis(series))
        {
            return true;
        }
    }
    return false;
}

// "Temperature 21.5; Pressure 1.02; range 0 to 50", zoomed "...; time 10 to 20; readout
// Temperature 12 21.4"
QString TrendDescription(const QWidget& control)
{
    const auto& trend = static_cast<const CTrendDisplay&>(control);
    QStringList parts;
    for (int series = 0; series < trend.SeriesCount(); ++series)
    {
        const double last = trend.LastSample(series).y();
        parts << QStringLiteral("%1 %2").arg(
            trend.SeriesName(series), !trend.IsSeriesVisible(series) ? TranslatedText("hidden")
                                      : std::isnan(last) && trend.SampleCount(series) == 0
                                          ? TranslatedText("no data")
                                          : QString::number(last));
    }
    // Values and times with their units where the axes have them: "range 0 to 80 bar".
    const auto range = [](const char* word, double low, double high, const QString& unit)
    {
        return QStringLiteral("%1 %2 %3 %4%5")
            .arg(TranslatedText(word))
            .arg(low)
            .arg(TranslatedText("to"))
            .arg(high)
            .arg(UnitSuffix(unit));
    };
    parts << range("range", trend.ValueMin(), trend.ValueMax(), trend.ValueAxisUnit());
    if (AnyOnRightAxis(trend))
    {
        parts << range("right axis", trend.RightValueMin(), trend.RightValueMax(),
                       trend.RightAxisUnit());
    }
    // A zoomed view says which times it shows, in the time axis' words; the readout its sample.
    const auto text = [&](double time, double resolution)
    {
        const auto format = trend.TimeAxisFormat();
        return format ? format->Text(time, resolution) : CAxisFormat().Text(time, resolution);
    };
    // Times to a column's width, like the labels on the screen.
    const double resolution =
        (trend.WindowEnd() - trend.WindowStart()) / std::max(trend.PlotArea().width(), 1);
    if (trend.IsZoomed())
    {
        parts << QStringLiteral("%1 %2 %3 %4%5")
                     .arg(TranslatedText("time"), text(trend.WindowStart(), resolution),
                          TranslatedText("to"), text(trend.WindowEnd(), resolution),
                          UnitSuffix(trend.TimeAxisUnit()));
    }
    if (trend.ReadoutSeries() >= 0)
    {
        const QPointF sample = trend.ReadoutSample();
        parts << QStringLiteral("%1 %2 %3 %4")
                     .arg(TranslatedText("readout"), trend.SeriesName(trend.ReadoutSeries()),
                          text(sample.x(), resolution),
                          ReadoutValue(sample.y()) +
                              UnitSuffix(trend.IsSeriesOnRightAxis(trend.ReadoutSeries())
                                             ? trend.RightAxisUnit()
                                             : trend.ValueAxisUnit()));
    }
    return parts.join(QStringLiteral("; "));
}

// The ruler and the plots are pictures with labels: nothing to press or change.
const SAccessibleKind kDisplays[] = {
    {&CBarScalePercent::staticMetaObject, QAccessible::Graphic, RulerName, nullptr},
    {&CHistogramDisplay::staticMetaObject, QAccessible::Chart, HistogramName, HistogramDescription},
    {&CTrendDisplay::staticMetaObject, QAccessible::Chart, TrendName, TrendDescription},
};

void InstallDisplayAccessibility()
{
    QAccessible::installFactory(AccessibleControlFactory<kDisplays, std::size(kDisplays)>);
}

Q_COREAPP_STARTUP_FUNCTION(InstallDisplayAccessibility)

} // namespace

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
