#include "TrendDisplayBase.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

CTrendDisplayBase::CTrendDisplayBase(QWidget* parent) : QWidget(parent) {}

CTrendDisplayBase::~CTrendDisplayBase() = default;

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
