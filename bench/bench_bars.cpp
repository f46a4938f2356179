// The bar gauge against Qwt's thermometer, and the range slider against a QSlider, each pair at
// the same size and value, rendered in alternate turns at device pixel ratios 1 and 2. The
// thermometer rows exist only where Qwt does (the Qt 5 build with Qwt installed).
#include "BenchSupport.h"

#include "BarGauge.h"
#include "RangeSlider.h"

#include <QSlider>

#ifdef ZRI_BENCH_HAVE_QWT
#include <qwt_thermo.h>
#endif

namespace Zri = Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

const QSize kGaugeSize(60, 240);
const QSize kSliderSize(200, 22);

#ifdef ZRI_BENCH_HAVE_QWT
void BM_Ratio_BarGauge(benchmark::State& state)
{
    Zri::CBarGauge gauge;
    gauge.resize(kGaugeSize);
    gauge.SetTitle(QStringLiteral("Tank"));
    gauge.SetUnit(QStringLiteral("%"));
    gauge.SetValue(62);
    QwtThermo thermo;
    thermo.resize(kGaugeSize);
    thermo.setScale(0, 100);
    thermo.setValue(62);
    ZriBench::InterleavedRatio(state, gauge, thermo, qreal(state.range(0)));
    state.SetLabel("vs:QwtThermo goal:1.0");
}
BENCHMARK(BM_Ratio_BarGauge)->Arg(1)->Arg(2);
#endif

void BM_Ratio_RangeSlider(benchmark::State& state)
{
    Zri::CRangeSlider range;
    range.resize(kSliderSize);
    range.SetValues(20, 60);
    QSlider slider(Qt::Horizontal);
    slider.resize(kSliderSize);
    slider.setRange(0, 99);
    slider.setValue(40);
    ZriBench::InterleavedRatio(state, range, slider, qreal(state.range(0)));
    state.SetLabel("vs:QSlider goal:1.0");
}
BENCHMARK(BM_Ratio_RangeSlider)->Arg(1)->Arg(2);

} // namespace
