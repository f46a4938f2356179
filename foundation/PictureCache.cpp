#include "PictureCache.h"

#include <QByteArray>
#include <QCache>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPalette>
#include <QRect>
#include <QString>

#include <cmath>
#include <cstring>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{
namespace
{

bool s_bEnabled = true;

// A picture and where its top-left pixel goes, in device pixels from the device pixel that
// holds the painter's origin. A null image with bDirect set marks ink that cannot be kept.
struct SPicture
{
    QImage oImage;
    QPoint oOffset;
    bool bDirect = false;
};

// A key's bytes with the hash it was built with. Kept keys own their bytes; a key looked up
// only points at the caller's, which spares an allocation on every paint.
struct SKeyBytes
{
    QByteArray oOwned;
    const char* pData;
    int nSize;
    uint nHash;
    const char* Data() const { return oOwned.isNull() ? pData : oOwned.constData(); }
    bool operator==(const SKeyBytes& other) const
    {
        return nHash == other.nHash && nSize == other.nSize &&
               std::memcmp(Data(), other.Data(), std::size_t(nSize)) == 0;
    }
};

uint qHash(const SKeyBytes& key, uint seed = 0)
{
    return key.nHash ^ seed;
}

// Costs are kibibytes; the least recently used pictures go first when the budget is full.
QCache<SKeyBytes, SPicture>& Pictures()
{
    static QCache<SKeyBytes, SPicture> pictures(int(kPictureBudget / 1024));
    return pictures;
}

// How the painter maps onto device pixels: a scale, and the painter's origin at device pixel
// oOrigin plus a fraction in [0, 1). Two paints with the same scale and fraction draw the same
// pixels, shifted by whole device pixels: that is what lets a picture be reused.
struct SDevice
{
    double sx, sy, fx, fy;
    QPoint oOrigin;
};

int Floor(double value)
{
    const int truncated = int(value);
    return truncated > value ? truncated - 1 : truncated;
}

// Pictures are 32-bit; blitted onto fewer bits per pixel (a 16-bit backing store), their blended
// pixels would round otherwise than ink drawn there directly.
bool HoldsPicturePixels(const QPaintDevice* pDevice)
{
    if (pDevice == nullptr)
        return false;
    if (pDevice->devType() != QInternal::Image)
        return pDevice->depth() == 32;
    switch (static_cast<const QImage*>(pDevice)->format())
    {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return true;
    default:
        return false;
    }
}

bool DeviceOf(const QPainter& painter, SDevice& device)
{
    if (!s_bEnabled || !painter.isActive() ||
        painter.paintEngine()->type() != QPaintEngine::Raster || painter.opacity() != 1.0 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver ||
        !HoldsPicturePixels(painter.paintEngine()->paintDevice()))
        return false;
    const QTransform& t = painter.deviceTransform();
    if (t.type() > QTransform::TxScale || t.m11() <= 0.0 || t.m22() <= 0.0 ||
        std::abs(t.dx()) > 1e9 || std::abs(t.dy()) > 1e9)
        return false;
    const int ox = Floor(t.dx());
    const int oy = Floor(t.dy());
    device = {t.m11(), t.m22(), t.dx() - ox, t.dy() - oy, QPoint(ox, oy)};
    return true;
}

// The cache painter starts from the state the ink would find on the device.
void CopyState(QPainter& to, const QPainter& from)
{
    to.setPen(from.pen());
    to.setBrush(from.brush());
    to.setBrushOrigin(from.brushOrigin());
    to.setFont(from.font());
    to.setBackground(from.background());
    to.setBackgroundMode(from.backgroundMode());
    to.setLayoutDirection(from.layoutDirection());
    to.setRenderHints(from.renderHints());
}

void Paint(QImage& canvas, const QPainter& model, const QTransform& transform, FDraw draw)
{
    QPainter painter(&canvas);
    painter.setTransform(transform);
    CopyState(painter, model);
    draw(painter);
}

// Keeps the pixels that the ink changed and clears the others. Returns false when a changed
// pixel would come out differently on another background.
bool KeepChangedPixels(QImage& canvas, const QImage& under, QRect& changed)
{
    for (int y = 0; y < canvas.height(); ++y)
    {
        auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(y));
        const auto* below =
            under.isNull() ? nullptr : reinterpret_cast<const QRgb*>(under.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x)
        {
            const QRgb before = below ? below[x] : 0;
            if (line[x] == before)
            {
                line[x] = 0;
                continue;
            }
            if (qAlpha(below ? before : line[x]) != 255)
                return false;
            changed |= QRect(x, y, 1, 1);
        }
    }
    return true;
}

SPicture MakePicture(const QPainter& painter, const SDevice& device, const QRect& bounds, FDraw ink,
                     FDraw under)
{
    const QTransform local(device.sx, 0, 0, device.sy, device.fx, device.fy);
    const QRect box = local.mapRect(QRectF(bounds)).toAlignedRect();
    if (box.isEmpty() || qint64(box.width()) * box.height() > kPictureBudget / 4)
        return {QImage(), QPoint(), true};
    QImage canvas(box.size(), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    // Fonts resolve their size against the DPI of what they are drawn on (see AddTextStateOf).
    const QPaintDevice* target = painter.device();
    canvas.setDotsPerMeterX(qRound(target->logicalDpiX() / 0.0254));
    canvas.setDotsPerMeterY(qRound(target->logicalDpiY() / 0.0254));
    const QTransform transform = local * QTransform::fromTranslate(-box.left(), -box.top());
    QImage background;
    if (under)
    {
        Paint(canvas, painter, transform, under);
        background = canvas; // shared until the ink below detaches the canvas
    }
    Paint(canvas, painter, transform, ink);
    QRect changed;
    if (!KeepChangedPixels(canvas, background, changed))
        return {QImage(), QPoint(), true};
    if (changed.isEmpty())
        return {};
    return {canvas.copy(changed), box.topLeft() + changed.topLeft(), false};
}

// Draws the image with its pixels on device pixels, the painter's transform set aside for it
// unless it only moves by whole pixels.
void Blit(QPainter& painter, const SDevice& device, const QPoint& offset, const QImage& image)
{
    if (device.sx == 1.0 && device.sy == 1.0 && device.fx == 0.0 && device.fy == 0.0)
    {
        painter.drawImage(offset, image);
        return;
    }
    const QPoint devicePixel = device.oOrigin + offset;
    const QTransform world = painter.worldTransform();
    painter.setWorldTransform(painter.deviceTransform().inverted() * world);
    painter.drawImage(devicePixel, image);
    painter.setWorldTransform(world);
}

} // namespace

CPictureKey& CPictureKey::operator<<(const QColor& color)
{
    return *this << quint64(color.rgba64());
}

CPictureKey& CPictureKey::operator<<(const QString& text)
{
    *this << text.size();
    for (const QChar c : text)
        *this << c.unicode();
    return *this;
}

CPictureKey& CPictureKey::AddShadeColours()
{
    const QPalette palette = QGuiApplication::palette();
    return *this << palette.color(QPalette::Light) << palette.color(QPalette::Dark);
}

CPictureKey& CPictureKey::AddTextStateOf(const QPainter& painter)
{
    const QFont& font = painter.font();
    // The key holds family, sizes, weight, style, underline and strike-out, not the overline.
    return *this << font.key() << font.overline() << font.stretch() << font.letterSpacing()
                 << font.letterSpacingType() << font.wordSpacing() << font.capitalization()
                 << font.hintingPreference() << font.styleStrategy() << font.kerning()
                 << painter.device()->logicalDpiX() << painter.device()->logicalDpiY()
                 << painter.layoutDirection() << painter.background().color()
                 << painter.backgroundMode();
}

void DrawThroughPicture(QPainter& painter, CPictureKey& key, const QRect& bounds, FDraw ink,
                        FDraw under)
{
    SDevice device;
    if (!DeviceOf(painter, device))
    {
        ink(painter);
        return;
    }
    const QPen& pen = painter.pen();
    const QBrush& brush = painter.brush();
    key << device.sx << device.sy << device.fx << device.fy << bounds << pen.color() << pen.widthF()
        << pen.style() << brush.color() << brush.style() << int(painter.renderHints());
    if (!key.IsComplete())
    {
        ink(painter);
        return;
    }
    SPicture* picture = Pictures().object({QByteArray(), key.Data(), key.Size(), key.Hash()});
    if (!picture)
    {
        picture = new SPicture(MakePicture(painter, device, bounds, ink, under));
        const int cost = 1 + int(picture->oImage.sizeInBytes() / 1024);
        const SKeyBytes stored{QByteArray(key.Data(), key.Size()), nullptr, key.Size(), key.Hash()};
        if (!Pictures().insert(stored, picture, cost))
            picture = nullptr; // larger than the whole budget, and deleted
    }
    if (!picture || picture->bDirect)
        ink(painter);
    else if (!picture->oImage.isNull())
        Blit(painter, device, picture->oOffset, picture->oImage);
}

double DeviceScale(const QPainter& painter)
{
    const QTransform t = painter.deviceTransform();
    if (t.type() > QTransform::TxScale || t.m11() <= 0.0 || t.m11() != t.m22())
        return 1.0;
    return t.m11();
}

void SetPaintCachesEnabled(bool enabled)
{
    s_bEnabled = enabled;
}

bool PaintCachesEnabled()
{
    return s_bEnabled;
}

SPictureCacheSize PictureCacheSize()
{
    long long bytes = 0;
    for (const SKeyBytes& key : Pictures().keys())
        bytes += Pictures()[key]->oImage.sizeInBytes();
    return {int(Pictures().count()), bytes};
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
