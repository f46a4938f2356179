#include "BitmapCheckBox.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

CBitmapCheckBox::CBitmapCheckBox(QWidget* parent) : Base(parent) {}

CBitmapCheckBox::~CBitmapCheckBox() = default;

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
