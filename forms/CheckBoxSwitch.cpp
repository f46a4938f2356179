#include "CheckBoxSwitch.h"

#include <QFontMetrics>

#include <algorithm>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

CCheckBoxSwitch::CCheckBoxSwitch(QWidget* parent) : Base(parent) {}

CCheckBoxSwitch::~CCheckBoxSwitch() = default;

QSize CCheckBoxSwitch::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int line = std::max(16, metrics.height() + 2);
    // The switch's width follows its height as the library draws it (see SwitchGeometry).
    const bool standing = GetDrawMode() == Base::Vertical;
    const int height = standing ? std::max(32, 2 * line) : line;
    const int width = standing ? height / 2 : 2 * height;
    // The text stands two pixels beside the switch.
    const bool shown = GetTextMode() != Base::NoText && !text().isEmpty();
    return QSize(width + (shown ? 2 + metrics.horizontalAdvance(text()) + 1 : 0), height);
}

QSize CCheckBoxSwitch::minimumSizeHint() const
{
    return sizeHint();
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
