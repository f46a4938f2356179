#pragma once

#include "KeyboardButtonBase.h"
#include "ZuRaradirIzurodudozExport.h"

#include <QCheckBox>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/**
 * A check box drawn like a keyboard key that stays pressed while it is checked. A click
 * anywhere on the widget toggles it. Its legends always use the widget's font.
 *
 * The size hint is that of a check box without text. Forms::CKeyboardCheckBox
 * (<ZuRaradirIzurodudoz/Forms/KeyboardCheckBox.h>, target ZuRaradirIzurodudoz::Forms) is this
 * key with a size hint that fits its legends.
 */
class ZRI_EXPORT CKeyboardCheckBox : public QCheckBox, public CKeyboardButtonBase
{
    Q_OBJECT

public:
    /// An unchecked key with empty labels and a text border of 4.
    explicit CKeyboardCheckBox(QWidget* parent = nullptr);
    ~CKeyboardCheckBox() override;

protected:
    /// Draws the bevel (sunken while pressed or checked), then the symbol or the labels.
    void paintEvent(QPaintEvent* event) override;
    /// The whole widget reacts to clicks, not only the indicator of QCheckBox.
    bool hitButton(const QPoint& pos) const override;
    /// Repaints the whole key at once.
    void _Redraw() override;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
