#include "BlinkTimer.h"

#include <QTimer>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

void ConnectBlinkTimer(QTimer& timer, QObject& owner)
{
    // By name, so that the slot may stay protected in every owner.
    QObject::connect(&timer, SIGNAL(timeout()), &owner, SLOT(_BlinkSlot()));
}

void StartBlinkTimer(QTimer& timer)
{
    timer.start(kBlinkIntervalMs);
}

void StopBlinkTimer(QTimer& timer)
{
    timer.stop();
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
