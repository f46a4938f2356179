#include "BenchSupport.h"

#include <QPainter>

namespace ZriBench
{

void RenderLoop(benchmark::State& state, QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
    {
        widget.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace ZriBench
