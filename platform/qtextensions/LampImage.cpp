#include "LampImage.h"

#include <QImage>
#include <QPainter>
#include <QRadialGradient>

#include <atomic>

namespace Varo::FenraQtGui::QtExtensions
{
namespace
{

std::atomic<long> s_nLampImages{0};

// Below this edge length a shaded lamp would be a blur: the lamp is the plain colour.
constexpr int kSmallestShadedLamp = 5;

void DrawShadedLamp(QPainter& painter, const QColor& lit, int size)
{
    const qreal radius = size / 2.0;
    const QPointF centre(radius, radius);
    const QRectF body(0.5, 0.5, size - 1.0, size - 1.0);

    // The inner half of the body is the colour itself, so a lamp of any colour reads as that
    // colour at its centre; towards the edge it darkens like a curved glass.
    QRadialGradient glow(centre, radius);
    glow.setColorAt(0.0, lit);
    glow.setColorAt(0.55, lit);
    glow.setColorAt(0.85, lit.darker(140));
    glow.setColorAt(1.0, lit.darker(220));
    painter.setPen(QPen(lit.darker(260), size >= 12 ? 1.5 : 1.0));
    painter.setBrush(glow);
    painter.drawEllipse(body);

    // The reflection sits up and left of the centre and fades out before reaching it.
    const QPointF spot(radius * 0.62, radius * 0.62);
    QRadialGradient shine(spot, radius * 0.42);
    shine.setColorAt(0.0, QColor(255, 255, 255, 220));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    painter.drawEllipse(spot, radius * 0.42, radius * 0.42);
}

} // namespace

void CreateLampImage(QImage& image, const Varo::Fenra::Color::CRGBColor<unsigned char>& color,
                     int size)
{
    ++s_nLampImages;
    if (size <= 0)
    {
        image = QImage();
        return;
    }
    image = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return;
    const QColor lit(color.GetRed(), color.GetGreen(), color.GetBlue());
    if (size < kSmallestShadedLamp)
    {
        image.fill(lit);
        return;
    }
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    DrawShadedLamp(painter, lit, size);
}

long GetLampImageCount()
{
    return s_nLampImages.load();
}

} // namespace Varo::FenraQtGui::QtExtensions
