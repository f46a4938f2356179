// The histogram's picture for other programs: at any size and ratio (raster, or vector for SVG,
// PDF and printers), and files by their suffix. The same paint as the screen's, without what
// belongs to the pointer and the focus.
#include "HistogramDisplay.h"

#include "HistogramView.h"
#include "PlotExport.h"
#include "PlotPainting.h"

#include <QImage>
#include <QPainter>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

void CHistogramDisplay::RenderTo(QPaintDevice& device, const QRectF& target) const
{
    Detail::DrawOnDevice(device, [&](QPainter& painter) { RenderTo(painter, target); });
}

void CHistogramDisplay::RenderTo(QPainter& painter, const QRectF& target) const
{
    const Detail::CExportPainter exporting(painter, target, logicalDpiX(), font());
    if (!exporting.IsDrawing())
    {
        return;
    }
    const QSize size = exporting.Size();
    Detail::CHistogramView& view = Detail::ViewOf(*this);
    view.bVector = true;
    _Paint(painter, QRect(QPoint(0, 0), size), _Layout(size, false), 1.0, false);
    view.bVector = false;
}

QImage CHistogramDisplay::Picture(const QSize& size, qreal dpr) const
{
    return Detail::DrawPicture(
        *this, size, dpr,
        [this](QPainter& painter, const QSize& logical, qreal ratio)
        { _Paint(painter, QRect(QPoint(0, 0), logical), _Layout(logical, false), ratio, false); });
}

bool CHistogramDisplay::Save(const QString& fileName, const QSize& size) const
{
    return Detail::SavePlotAs(*this, fileName, size, [this] { return CountsCsv(); });
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
