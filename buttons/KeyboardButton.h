#pragma once

#include "KeyboardButtonBase.h"
#include "ZuRaradirIzurodudozExport.h"

#include <QPushButton>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/**
 * A push button drawn like a key of an on-screen keyboard: up to three legends placed like
 * those of a key cap, or a key symbol. With ScaledSize and no bottom-left legend the top-left
 * legend is drawn at a third and the bottom-right one at a quarter of the content height.
 *
 * The size hint, that of a push button without text, lets a layout overlap two legends.
 * Forms::CKeyboardButton (<ZuRaradirIzurodudoz/Forms/KeyboardButton.h>, target
 * ZuRaradirIzurodudoz::Forms) is this key with a size hint that fits its legends.
 */
class ZRI_EXPORT CKeyboardButton : public QPushButton, public CKeyboardButtonBase
{
    Q_OBJECT

public:
    /// A key with empty labels, fixed-size text and a text border of 4.
    explicit CKeyboardButton(QWidget* parent = nullptr);
    ~CKeyboardButton() override;

protected:
    /// Draws the bevel of the button state, then the symbol or the labels.
    void paintEvent(QPaintEvent* event) override;
    /// Repaints the whole key at once.
    void _Redraw() override;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
