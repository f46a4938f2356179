#include "MediaButton.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

CMediaButton::CMediaButton(QWidget* parent) : Base(parent) {}

CMediaButton::~CMediaButton() = default;

void CMediaButton::setLampSize(int size)
{
    m_nLampSize = size;
    SetLampSize(size);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
