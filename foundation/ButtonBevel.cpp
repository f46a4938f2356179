#include "ButtonBevel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QStyle>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{
namespace
{

// Bevels drawn by a style that has since been replaced must not be found again, even when the
// new style object happens to live at the old one's address.
int StyleGeneration(QStyle* style)
{
    static QPointer<QStyle> s_poStyle;
    static int s_nGeneration = 0;
    if (s_poStyle != style)
    {
        s_poStyle = style;
        ++s_nGeneration;
    }
    return s_nGeneration;
}

} // namespace

QStyleOptionButton BevelOption(const QAbstractButton& button, bool isDefault)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    bool down = button.isDown();
    if (button.isCheckable())
        down = down || button.isChecked();
    // Assigned, not or-ed: focus, hover, enabled and active-window flags are dropped on purpose
    // so the bevel looks the same whatever the pointer or the keyboard focus does.
    option.state = down ? QStyle::State_Sunken : QStyle::State_Raised;
    option.features |= QStyleOptionButton::AutoDefaultButton;
    if (isDefault)
        option.features |= QStyleOptionButton::DefaultButton;
    return option;
}

void DrawOverBevel(QPainter& painter, QAbstractButton& button, bool isDefault, CPictureKey& key,
                   FDraw ink)
{
    QStyle* style = button.style();
    if (style != QApplication::style() || style->inherits("QStyleSheetStyle"))
    {
        ink(painter);
        return;
    }
    const QStyleOptionButton option = BevelOption(button, isDefault);
    key << StyleGeneration(style) << int(option.state) << int(option.features)
        << option.palette.cacheKey() << option.direction << option.rect;
    DrawThroughPicture(painter, key, button.rect(), ink,
                       [&](QPainter& canvas)
                       { style->drawControl(QStyle::CE_PushButton, &option, &canvas, &button); });
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
