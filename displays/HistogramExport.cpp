// The histogram's picture for other programs: at any size and ratio (raster, or vector for SVG,
// PDF and printers), and files by their suffix. The same paint as the screen's, without what
// belongs to the pointer and the focus.
#include "HistogramDisplay.h"

#include "HistogramView.h"
#include "PlotExport.h"
#include "PlotPainting.h"
#include "StyleStore.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

void CHistogramDisplay::RenderTo(QPaintDevice& device, const QRectF& target) const
{
    QPainter painter;
    if (painter.begin(&device))
    {
        RenderTo(painter, target);
    }
}

void CHistogramDisplay::RenderTo(QPainter& painter, const QRectF& target) const
{
    if (!painter.isActive() || !target.isValid() || !std::isfinite(target.width()) ||
        !std::isfinite(target.height()) || !std::isfinite(target.x()) || !std::isfinite(target.y()))
    {
        return;
    }
    // Laid out as a widget of the target's physical size on this screen would be: a target of
    // 1200 device units at 1200 dpi is laid out 96 pixels wide at 96 dpi, and scaled to it.
    const qreal scale = painter.device()->logicalDpiX() / qreal(std::max(logicalDpiX(), 1));
    const QSize size = Detail::PictureSize(target.size() / std::max(scale, 1e-3));
    // Restores the painter's transform when done; ratio 1: one unit a logical pixel.
    const Detail::CDevicePixels transform(painter, 1.0);
    painter.translate(target.topLeft());
    painter.scale(target.width() / size.width(), target.height() / size.height());
    // In pixels, so that the text scales with the picture rather than with the device's dpi.
    CStyleStore style(painter);
    painter.setFont(font());
    style.SetFontPixelSize(QFontInfo(font()).pixelSize());
    Detail::CHistogramView& view = Detail::ViewOf(*this);
    view.bVector = true;
    _Paint(painter, QRect(QPoint(0, 0), size), _Layout(size, false), 1.0, false);
    view.bVector = false;
}

QImage CHistogramDisplay::Picture(const QSize& size, qreal dpr) const
{
    const QSize logical = Detail::PictureSize(size.isValid() ? size : this->size());
    const qreal ratio = Detail::PictureRatio(logical, dpr);
    QImage picture(
        Detail::DeviceRect(QRect(QPoint(0, 0), logical), ratio).size().expandedTo({1, 1}),
        QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    QPainter painter(&picture);
    painter.setFont(font());
    _Paint(painter, QRect(QPoint(0, 0), logical), _Layout(logical, false), ratio, false);
    return picture;
}

bool CHistogramDisplay::Save(const QString& fileName, const QSize& size) const
{
    return Detail::SavePlot(
        fileName, Detail::PictureSize(size.isValid() ? size : this->size()), logicalDpiX(),
        accessibleName().isEmpty() ? objectName() : accessibleName(),
        {[this] { return CountsCsv(); },
         [this](QPaintDevice& device, const QRectF& target) { RenderTo(device, target); },
         [this](const QSize& picture) { return Picture(picture); }});
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
