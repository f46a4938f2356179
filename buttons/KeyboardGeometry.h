#pragma once

#include "KeyboardButtonBase.h"

#include <QPolygon>
#include <QString>

#include <vector>

class QRect;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// The outline of a key symbol inside rect, in drawing order; empty for Labels and for values
/// outside the enumeration. border is the key's text border.
QPolygon KeyboardSymbolPolygon(CKeyboardButtonBase::EKeyboardButtonMode mode, const QRect& rect,
                               int border);

/// Whether the symbol is filled in the text colour (otherwise only outlined).
bool IsFilledKeyboardSymbol(CKeyboardButtonBase::EKeyboardButtonMode mode);

/// One legend of a key: drawn into the content rectangle with the alignment flags.
struct SKeyLabel
{
    QString sText;
    int nFlags = 0;
    /// Font pixel size to switch to before this label; 0 keeps the current font.
    int nPixelSize = 0;
};

/// The non-empty legends in drawing order (top left, bottom left, bottom right). With scaled
/// sizes and no bottom-left legend the top-left one gets contentHeight / 3 pixels and the
/// bottom-right one contentHeight / 4.
std::vector<SKeyLabel> KeyboardLabels(const std::string& topLeft, const std::string& bottomLeft,
                                      const std::string& bottomRight, bool scaled,
                                      int contentHeight);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
