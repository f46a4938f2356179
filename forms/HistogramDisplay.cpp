#include "HistogramDisplay.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

CHistogramDisplay::CHistogramDisplay(QWidget* parent) : Base(parent) {}

CHistogramDisplay::~CHistogramDisplay() = default;

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
