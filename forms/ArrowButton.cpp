#include "ArrowButton.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

CArrowButton::CArrowButton(QWidget* parent) : Base(parent) {}

CArrowButton::~CArrowButton() = default;

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
