#include "CheckBoxSwitch.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

CCheckBoxSwitch::CCheckBoxSwitch(QWidget* parent) : Base(parent) {}

CCheckBoxSwitch::~CCheckBoxSwitch() = default;

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
