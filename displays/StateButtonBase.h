#pragma once

#include "ZuRaradirIzurodudozExport.h"

#include <QPushButton>
#include <QTimer>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/**
 * Abstract push button that shows a state, with a blink clock. While the clock runs,
 * _OnBlinkTimer() of the derived class is called once a second; the derived class decides what a
 * tick does and when the clock starts and stops. The clock is stopped after construction and ends
 * with the widget.
 */
class ZRI_EXPORT CStateButtonBase : public QPushButton
{
    Q_OBJECT

public:
    /// The blink clock is connected to _BlinkSlot() and stopped.
    explicit CStateButtonBase(QWidget* parent = nullptr);
    ~CStateButtonBase() override;

protected:
    /// Called on every tick of the running blink clock.
    virtual void _OnBlinkTimer() = 0;
    /// Starts the blink clock, or restarts its interval when it already runs.
    void _StartBlinkTimer();
    /// Stops the blink clock; no further _OnBlinkTimer() calls follow.
    void _StopBlinkTimer();

protected slots:
    /// Connected to the blink clock's timeout(): calls _OnBlinkTimer().
    void _BlinkSlot();

protected:
    /// The blink clock; subclasses may look at it (isActive()).
    QTimer m_oBlinkTimer;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
