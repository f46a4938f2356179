#include "MediaButton.h"

#include <algorithm>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

CMediaButton::CMediaButton(QWidget* parent) : Base(parent) {}

CMediaButton::~CMediaButton() = default;

void CMediaButton::setOnOffMode(EOnOffMode mode)
{
    SetOnOffMode(static_cast<Base::EOnOffMode>(mode));
    updateGeometry();
}

void CMediaButton::setLampSize(int size)
{
    SetLampSize(size);
    updateGeometry();
}

// The button's margin (4) frames the content, and the symbol keeps the margin again inside its
// area; the lamp takes its size and one pixel at the content's right.
QSize CMediaButton::sizeHint() const
{
    const int nLamp = GetOnOffMode() == Base::NoLamp ? 0 : std::max(GetLampSize(), 0);
    const int nContent = 24;
    return QSize(nContent + (nLamp > 0 ? nLamp + 1 : 0) + 8, std::max(nContent, nLamp) + 8);
}

QSize CMediaButton::minimumSizeHint() const
{
    const QSize hint = sizeHint();
    return QSize(hint.width() - 8, hint.height() - 8);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
