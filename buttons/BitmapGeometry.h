#pragma once

#include "BitmapHelper.h"

#include <QRect>
#include <QSize>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// Where a bitmap goes: the target rectangle on the face and, when not null, the window of the
/// bitmap drawn there at its own size; a null source means the whole bitmap scaled into it.
struct SBitmapPlacement
{
    bool bDraw = false;
    QRect oTarget;
    QRect oSource;
};

/// The placement for a face (content rectangle) and the larger sizes of the two bitmaps.
SBitmapPlacement BitmapPlacement(CBitmapHelper::EMode mode,
                                 CBitmapHelper::EBitmapDefaultAlignment alignment,
                                 const QRect& face, const QSize& bitmapSize, const QSize& iconSize);

/// In mode Aligned: the target of size min(face, bitmap) moved by the alignment offset, or,
/// where the offset is negative, the source window moved the other way (cropping the side the
/// alignment gives away).
SBitmapPlacement AlignedPlacement(CBitmapHelper::EBitmapDefaultAlignment alignment,
                                  const QRect& face, const QSize& bitmapSize);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
