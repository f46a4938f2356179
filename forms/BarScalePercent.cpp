#include "BarScalePercent.h"

#include <QFontInfo>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

CBarScalePercent::CBarScalePercent(QWidget* parent) : Base(parent) {}

CBarScalePercent::~CBarScalePercent() = default;

void CBarScalePercent::setSteps(uint steps)
{
    m_nSteps = steps;
    SetSteps(steps);
}

void CBarScalePercent::setTicksLeft(bool ticks)
{
    m_bTicksLeft = ticks;
    SetScaleMode(m_bTicksLeft, m_bTicksRight);
}

void CBarScalePercent::setTicksRight(bool ticks)
{
    m_bTicksRight = ticks;
    SetScaleMode(m_bTicksLeft, m_bTicksRight);
}

void CBarScalePercent::setRulerFont(const QFont& font)
{
    // Designer's font editor gives point sizes; the library takes pixels.
    const int nPixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    SetRulerFont(font.family().toStdString(), static_cast<unsigned int>(nPixels), font.bold(),
                 font.italic());
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
