#include "StateButtonBase.h"

#include "BlinkTimer.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

CStateButtonBase::CStateButtonBase(QWidget* parent) : QPushButton(parent)
{
    Detail::ConnectBlinkTimer(m_oBlinkTimer, *this);
}

CStateButtonBase::~CStateButtonBase() = default;

void CStateButtonBase::_StartBlinkTimer()
{
    Detail::StartBlinkTimer(m_oBlinkTimer);
}

void CStateButtonBase::_StopBlinkTimer()
{
    Detail::StopBlinkTimer(m_oBlinkTimer);
}

void CStateButtonBase::_BlinkSlot()
{
    _OnBlinkTimer();
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
