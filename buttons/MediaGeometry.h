#pragma once

#include "MediaButton.h"

#include <QPolygon>
#include <QRect>
#include <QRectF>

#include <vector>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// What a media symbol part is drawn with.
enum class EMediaInk
{
    Symbol,       ///< 1-pixel pen and solid brush in the symbol colour
    Light,        ///< 1-pixel pen in the palette's Light colour
    Dark,         ///< 1-pixel pen in the palette's Dark colour
    SymbolWide,   ///< 2-pixel solid pen in the symbol colour
    SymbolDashed, ///< 1-pixel dashed pen in the symbol colour
    DarkFill,     ///< 1-pixel pen and solid brush in the Dark colour
    DarkWide,     ///< 2-pixel solid pen in the Dark colour
};

enum class EMediaShape
{
    Polygon,  ///< filled and outlined, odd-even rule
    Polyline, ///< open line through oPoints
    Bar,      ///< oRect filled with the symbol brush inside an engraved frame
    Groove,   ///< an unfilled engraved frame around oRect
    Arc,      ///< the repeat arc inside oArc
};

/// One part of a media symbol, in drawing order.
struct SMediaPart
{
    EMediaShape eShape;
    EMediaInk eInk;
    QPolygon oPoints;
    QRect oRect;
    QRectF oArc;
};

/// Start and span of the repeat arc in sixteenths of a degree: 290 degrees round by 340, so the
/// gap lies just right of the bottom.
constexpr int kRepeatArcStart = 4640;
constexpr int kRepeatArcSpan = 5440;

/// The lamp's square in the top-right corner of the content rectangle.
QRect MediaLampRect(const QRect& content, int lampSize);
/// Edge length in device pixels of a lamp of lampSize logical pixels.
int MediaLampPixels(int lampSize, double deviceScale);
/// The area left to the symbol: the content rectangle, ending left of the lamp when there is one.
QRect MediaSymbolArea(const QRect& content, bool withLamp, int lampSize);
/// The parts of a symbol in drawing order; none for a value outside the enumeration.
std::vector<SMediaPart> MediaSymbolParts(CMediaButton::EMode mode, const QRect& area, int margin);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
