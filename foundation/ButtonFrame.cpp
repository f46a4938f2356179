#include "ButtonFrame.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionButton>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

void InitButton(QAbstractButton& button, QPainter& painter, QColor& color, QRect& rect, int margin,
                bool isDefault)
{
    const int w = button.width();
    const int h = button.height();

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
    button.style()->drawControl(QStyle::CE_PushButton, &option, &painter, &button);

    rect = QRect(QPoint(margin, margin), QPoint(w - margin - 1, h - margin - 1));
    if (down)
        rect.moveTopLeft(QPoint(margin + 1, margin + 1));

    const QPalette::ColorGroup group = button.isEnabled() ? QPalette::Active : QPalette::Disabled;
    color = QGuiApplication::palette().color(group, QPalette::ButtonText);
    painter.setPen(color);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
