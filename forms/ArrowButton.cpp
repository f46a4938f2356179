#include "ArrowButton.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

CArrowButton::CArrowButton(QWidget* parent) : Base(parent) {}

CArrowButton::~CArrowButton() = default;

void CArrowButton::setFitMode(EFitMode mode)
{
    SetFitMode(static_cast<Base::EFitMode>(mode));
    updateGeometry();
}

QSize CArrowButton::sizeHint() const
{
    return QSize(GetFitMode() == Base::Stretch ? 48 : 32, 32);
}

QSize CArrowButton::minimumSizeHint() const
{
    return QSize(24, 24);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
