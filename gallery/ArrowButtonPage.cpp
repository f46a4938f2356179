// Arrow buttons: every mode in both fit modes, normal, pressed, checked and disabled.
#include "Gallery.h"

#include "ArrowButton.h"

using Varo::FenraQtGui::ZuRaradirIzurodudoz::CArrowButton;

namespace
{

enum EState
{
    Normal,
    Pressed,
    Checked,
    Disabled,
    StateCount
};

QWidget* MakeArrowCell(int mode, int column)
{
    const auto fit = column < StateCount ? CArrowButton::Square : CArrowButton::Stretch;
    const auto state = EState(column % StateCount);
    auto* button = new CArrowButton;
    button->setFixedSize(56, 36);
    button->SetMode(CArrowButton::EMode(mode));
    button->SetFitMode(fit);
    button->setCheckable(state == Checked);
    button->setChecked(state == Checked);
    button->setDown(state == Pressed);
    button->setEnabled(state != Disabled);
    button->setToolTip(QStringLiteral("Click me"));
    return button;
}

QWidget* MakeArrowButtonPage()
{
    const QStringList modes = {"Up",       "Down",       "Left",       "Right",
                               "DoubleUp", "DoubleDown", "DoubleLeft", "DoubleRight"};
    const QStringList states = {"normal", "pressed", "checked", "disabled"};
    QStringList columns;
    for (const QString& fit : {QStringLiteral("Square"), QStringLiteral("Stretch")})
        for (const QString& state : states)
            columns << fit + QStringLiteral("\n") + state;
    return ZriGallery::MakeGrid(modes, columns, MakeArrowCell);
}

} // namespace

ZRI_GALLERY_PAGE("01-arrow-buttons", "Arrow buttons", MakeArrowButtonPage);
