// Keyboard keys: legends and every symbol on the push button and the check box, in each state.
#include "Gallery.h"

#include "KeyboardButton.h"
#include "KeyboardCheckBox.h"

using Varo::FenraQtGui::ZuRaradirIzurodudoz::CKeyboardButton;
using Varo::FenraQtGui::ZuRaradirIzurodudoz::CKeyboardButtonBase;
using Varo::FenraQtGui::ZuRaradirIzurodudoz::CKeyboardCheckBox;

namespace
{

enum EColumn
{
    ButtonNormal,
    ButtonPressed,
    ButtonDefault,
    ButtonDisabled,
    CheckBoxOff,
    CheckBoxOn,
    CheckBoxDisabled,
};

// Rows 0 to 2 show legends; row 3 + n shows the symbol of mode n + 1.
constexpr int kLabelRows = 3;

void SetUpFace(CKeyboardButtonBase& key, int row)
{
    switch (row)
    {
    case 0:
        key.Set("!", "1", "F1");
        break;
    case 1:
        key.SetTextSizeMode(CKeyboardButtonBase::ScaledSize);
        key.Set("A", "", "a");
        break;
    case 2:
        key.Set("Enter");
        break;
    default:
        key.Set(CKeyboardButtonBase::EKeyboardButtonMode(row - kLabelRows + 1));
    }
}

QWidget* MakeKeyCell(int row, int column)
{
    QAbstractButton* widget = nullptr;
    if (column < CheckBoxOff)
    {
        auto* key = new CKeyboardButton;
        key->setDown(column == ButtonPressed);
        key->setDefault(column == ButtonDefault);
        SetUpFace(*key, row);
        widget = key;
    }
    else
    {
        auto* key = new CKeyboardCheckBox;
        key->setChecked(column == CheckBoxOn);
        SetUpFace(*key, row);
        widget = key;
    }
    widget->setEnabled(column != ButtonDisabled && column != CheckBoxDisabled);
    widget->setFixedSize(row == kLabelRows + CKeyboardButtonBase::LongArrowLeft - 1 ? 84 : 60, 52);
    return widget;
}

QWidget* MakeKeyboardButtonPage()
{
    QStringList rows = {"Labels", "Labels, scaled", "One label"};
    rows << QStringList{"ArrowUp",        "ArrowDown",        "ArrowLeft",     "ArrowRight",
                        "OutlineArrowUp", "OutlineArrowDown", "BlockArrowUp1", "BlockArrowUp2",
                        "BlockArrowUp3",  "BlockArrowUp4",    "LongArrowLeft", "CornerArrow"};
    const QStringList columns = {"button",
                                 "pressed",
                                 "default",
                                 "disabled",
                                 "check box off",
                                 "check box on",
                                 "check box\ndisabled"};
    return ZriGallery::MakeGrid(rows, columns, MakeKeyCell);
}

} // namespace

ZRI_GALLERY_PAGE("03-keyboard-buttons", "Keyboard buttons", MakeKeyboardButtonPage);
