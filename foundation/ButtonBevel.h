#pragma once

#include "PictureCache.h"

#include <QStyleOptionButton>

class QAbstractButton;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// The option the bevel is drawn with: a bare Raised or Sunken state, so that focus, hover and
/// disabled cues never show, and the auto-default (and default) features.
QStyleOptionButton BevelOption(const QAbstractButton& button, bool isDefault);

/**
 * Draws @p ink through a picture made over the button's bevel (DrawThroughPicture with the
 * bevel beneath), for antialiased ink such as text. The bevel itself is still drawn on the
 * device by the caller at every paint. A button with a style of its own, or with a style
 * driven by a style sheet, draws its ink directly: such a style may want to see every call,
 * and its bevel may depend on more than the option tells.
 */
void DrawOverBevel(QPainter& painter, QAbstractButton& button, bool isDefault, CPictureKey& key,
                   FDraw ink);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
