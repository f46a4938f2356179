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
    explicit CKeyboardCheckBox(QWidget* parent = nullptr);
    ~CKeyboardCheckBox() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void _Redraw() override;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
