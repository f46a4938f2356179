#pragma once

#include "ArrowButton.h"

#include <QPolygon>
#include <QRect>

#include <vector>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// One filled shape of an arrow symbol with the edges drawn over it, Light ones first.
struct SArrowShape
{
    QPolygon oPolygon;
    std::vector<QPolygon> vLight;
    std::vector<QPolygon> vDark;
};

/// The symbol area inside the content rectangle for a fit mode.
QRect ArrowSymbolRect(const QRect& content, CArrowButton::EFitMode fitMode);

/// The shapes of a mode in drawing order: one for a single arrow, two for a double arrow, none
/// for a value outside the enumeration.
std::vector<SArrowShape> ArrowShapes(CArrowButton::EMode mode, const QRect& symbol);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
