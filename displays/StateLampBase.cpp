#include "StateLampBase.h"

#include "BlinkTimer.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

CStateLampBase::CStateLampBase(QWidget* parent) : QLabel(parent, Qt::WindowFlags())
{
    Detail::ConnectBlinkTimer(m_oBlinkTimer, *this);
}

CStateLampBase::~CStateLampBase() = default;

void CStateLampBase::_StartBlinkTimer()
{
    Detail::StartBlinkTimer(m_oBlinkTimer);
}

void CStateLampBase::_StopBlinkTimer()
{
    Detail::StopBlinkTimer(m_oBlinkTimer);
}

void CStateLampBase::_BlinkSlot()
{
    _OnBlinkTimer();
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
