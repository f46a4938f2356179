#pragma once

#include "CheckBoxSwitch.h"

#include <QRect>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// Everything the switch draws, in widget coordinates (inclusive QRect corners).
struct SSwitchLayout
{
    QRect oFrame;                ///< the sunken track
    QRect oKnob;                 ///< the raised half
    QRect oColoured;             ///< the half filled with the state colour
    QRect oText;                 ///< where the check box text goes
    int nTextFlags = 0;          ///< its alignment
    bool bVerticalGroove = true; ///< groove across a lying knob is a column, else a row
    int nGroove = 0;             ///< the groove's column or row
    int nGrooveFrom = 0;         ///< first row or column of the groove
    int nGrooveTo = 0;           ///< last row or column of the groove
};

SSwitchLayout SwitchLayout(CCheckBoxSwitch::EDrawMode drawMode, CCheckBoxSwitch::ETextMode textMode,
                           const QSize& size, bool checked);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
