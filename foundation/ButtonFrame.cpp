#include "ButtonFrame.h"

#include "ButtonBevel.h"

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
    const QStyleOptionButton option = Detail::BevelOption(button, isDefault);
    button.style()->drawControl(QStyle::CE_PushButton, &option, &painter, &button);

    rect = QRect(QPoint(margin, margin), QPoint(w - margin - 1, h - margin - 1));
    if (option.state & QStyle::State_Sunken)
        rect.moveTopLeft(QPoint(margin + 1, margin + 1));

    const QPalette::ColorGroup group = button.isEnabled() ? QPalette::Active : QPalette::Disabled;
    color = QGuiApplication::palette().color(group, QPalette::ButtonText);
    painter.setPen(color);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
