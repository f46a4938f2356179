#include "BitmapButton.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

CBitmapButton::CBitmapButton(QWidget* parent) : Base(parent) {}

CBitmapButton::~CBitmapButton() = default;

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
