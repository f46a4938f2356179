#include "BitmapGeometry.h"

#include <algorithm>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{
namespace
{

struct SOffset
{
    int dx = 0;
    int dy = 0;
};

SOffset AlignmentOffset(CBitmapHelper::EBitmapDefaultAlignment alignment, int freeW, int freeH)
{
    switch (alignment)
    {
    case CBitmapHelper::CenterAligned:
        return {freeW / 2, freeH / 2};
    case CBitmapHelper::LeftAligned:
        return {0, freeH / 2};
    case CBitmapHelper::RightAligned:
        return {freeW, freeH / 2};
    case CBitmapHelper::TopAligned:
        return {freeW / 2, 0};
    case CBitmapHelper::BottomAligned:
        return {freeW / 2, freeH};
    default:
        return {};
    }
}

} // namespace

SBitmapPlacement AlignedPlacement(CBitmapHelper::EBitmapDefaultAlignment alignment,
                                  const QRect& face, const QSize& bitmapSize)
{
    SBitmapPlacement placement;
    const int W = face.width();
    const int H = face.height();
    const QSize visible(std::min(W, bitmapSize.width()), std::min(H, bitmapSize.height()));
    // An empty or inverted face shows nothing rather than a mirrored bitmap.
    if (visible.isEmpty())
        return placement;
    placement.bDraw = true;
    placement.oSource = QRect(QPoint(0, 0), visible);
    placement.oTarget = QRect(face.topLeft(), visible);
    const SOffset offset =
        AlignmentOffset(alignment, W - bitmapSize.width(), H - bitmapSize.height());
    if (offset.dx >= 0)
        placement.oTarget.translate(offset.dx, 0);
    else
        placement.oSource.translate(-offset.dx, 0);
    if (offset.dy >= 0)
        placement.oTarget.translate(0, offset.dy);
    else
        placement.oSource.translate(0, -offset.dy);
    return placement;
}

SBitmapPlacement BitmapPlacement(CBitmapHelper::EMode mode,
                                 CBitmapHelper::EBitmapDefaultAlignment alignment,
                                 const QRect& face, const QSize& bitmapSize, const QSize& iconSize)
{
    SBitmapPlacement placement;
    if (bitmapSize.isEmpty())
        return placement;
    switch (mode)
    {
    case CBitmapHelper::Aligned:
        return AlignedPlacement(alignment, face, bitmapSize);
    case CBitmapHelper::IconSize:
    {
        const double scale = std::min(double(iconSize.width()) / bitmapSize.width(),
                                      double(iconSize.height()) / bitmapSize.height());
        const int width = int(bitmapSize.width() * scale);
        const int height = int(bitmapSize.height() * scale);
        placement.oTarget =
            QRect(face.left(), face.top() + (face.height() - height) / 2, width, height);
        placement.bDraw = width > 0 && height > 0;
        return placement;
    }
    case CBitmapHelper::Stretched:
        placement.oTarget = face;
        placement.bDraw = face.isValid();
        return placement;
    default:
        return placement;
    }
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
