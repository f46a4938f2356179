#pragma once

#include "StateData.h"
#include "ZuRaradirIzurodudozExport.h"

#include <QPushButton>
#include <QTimer>

#include <cstdint>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/**
 * A push button whose face shows an engraved media-control symbol and, in its top-right corner,
 * an optional state lamp: green while the on flag is set, steadily or blinking once a second,
 * grey otherwise. Clicks and checking are those of QPushButton; only SetOn() changes the on flag.
 *
 * The size hint, that of a push button without text, lets a layout squeeze the symbol to a
 * line. Forms::CMediaButton (<ZuRaradirIzurodudoz/Forms/MediaButton.h>, target
 * ZuRaradirIzurodudoz::Forms) is this button with a size hint that fits symbol and lamp.
 */
class ZRI_EXPORT CMediaButton : public QPushButton, public Detail::CStateData<bool>
{
    Q_OBJECT

public:
    /// The symbol. Any other value paints the bevel and the lamp alone.
    enum EMode : std::int32_t
    {
        Play = 0,
        Pause = 1,
        Stop = 2,
        ToStart = 3,
        RampDown = 4,
        RampUp = 5,
        Repeat = 6,
        DropLeft = 7,
        DropRight = 8,
        DropCrossed = 9,
    };

    /// How the lamp shows the on flag.
    enum EOnOffMode : std::int32_t
    {
        NoLamp = 0,   ///< no lamp; the lamp state is held at off
        Steady = 1,   ///< green while on, grey while off
        Blinking = 2, ///< green and grey alternating every second while on, grey while off
    };

    /// A Play button without lamp (lamp size 15 pixels once SetOnOffMode() shows one), off.
    explicit CMediaButton(QWidget* parent = nullptr);
    ~CMediaButton() override;

    /// Stores the mode unchecked and repaints at once.
    void SetMode(EMode mode);
    /// Stores the lamp's edge length in pixels unchecked and repaints at once.
    void SetLampSize(int size);
    /// Sets the on flag; the lamp follows at once when the flag changes, in every lamp mode.
    void SetOn(bool on);
    /// Switches the lamp behaviour; the current mode again changes nothing, not even the picture.
    void SetOnOffMode(EOnOffMode mode);
    /// The on flag as last set by SetOn(); false at construction.
    bool IsOn() const;
    /// The symbol as last set, also a value outside EMode.
    EMode GetMode() const;
    /// The lamp behaviour as last set.
    EOnOffMode GetOnOffMode() const;
    /// The lamp's edge length as last set (15 at first); for forms that read settings back.
    int GetLampSize() const { return m_nLampSize; }

protected:
    /// Draws the bevel, the engraved symbol and the lamp image of the current state.
    void paintEvent(QPaintEvent* event) override;
    /// Starts m_oBlinkTimer; called by the state data when the shown state starts to blink.
    void _StartBlink() override;
    /// Stops m_oBlinkTimer; called by the state data when the shown state stops blinking.
    void _StopBlink() override;
    /// Repaints the whole button at once.
    void _Redraw() override;

protected slots:
    /// One tick of the blink clock: flips the lamp's blink phase while it blinks.
    void _BlinkSlot();

private:
    int m_nMargin;
    int m_nLampSize;
    EMode m_eMode;
    EOnOffMode m_eOnOffMode;
    bool m_bOn;

protected:
    /// Runs, with a 1000 ms interval, exactly while the lamp blinks; subclasses may look at it.
    QTimer m_oBlinkTimer;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
