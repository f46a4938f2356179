#pragma once

#include "ZuRaradirIzurodudozExport.h"

class QAbstractButton;
class QColor;
class QPainter;
class QRect;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/**
 * Draws the platform push-button bevel of @p button and hands back where and in which colour
 * to paint the face. Every painted button calls it first in its paintEvent.
 *
 * The bevel is sunken while the button is down, or checked when it is checkable; focus, hover
 * and disabled cues are never drawn. @p rect receives the content rectangle, inset by
 * @p margin and shifted one pixel right and down while sunken. @p color receives the
 * application palette's button-text colour (Disabled group for a disabled button) and becomes
 * the painter's pen.
 */
ZRI_EXPORT void InitButton(QAbstractButton& button, QPainter& painter, QColor& color, QRect& rect,
                           int margin, bool isDefault);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
