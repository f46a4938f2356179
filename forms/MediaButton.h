#pragma once

#include <ZuRaradirIzurodudoz/MediaButton.h>
#include <ZuRaradirIzurodudoz/ZuRaradirIzurodudozFormsExport.h>

#include <cstdint>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

/**
 * The media button as Qt Designer sets it up: symbol, lamp mode, on flag and lamp size as
 * properties. Everything else is the library's CMediaButton, which application code keeps
 * using (this class is one).
 */
class ZRI_FORMS_EXPORT CMediaButton : public ZuRaradirIzurodudoz::CMediaButton
{
    Q_OBJECT
    Q_PROPERTY(EMode mode READ mode WRITE setMode)
    Q_PROPERTY(EOnOffMode onOffMode READ onOffMode WRITE setOnOffMode)
    Q_PROPERTY(bool on READ isOn WRITE setOn)
    Q_PROPERTY(int lampSize READ lampSize WRITE setLampSize)

public:
    using Base = ZuRaradirIzurodudoz::CMediaButton;

    enum EMode : std::int32_t
    {
        Play = Base::Play,
        Pause = Base::Pause,
        Stop = Base::Stop,
        ToStart = Base::ToStart,
        RampDown = Base::RampDown,
        RampUp = Base::RampUp,
        Repeat = Base::Repeat,
        DropLeft = Base::DropLeft,
        DropRight = Base::DropRight,
        DropCrossed = Base::DropCrossed,
    };
    Q_ENUM(EMode)

    enum EOnOffMode : std::int32_t
    {
        NoLamp = Base::NoLamp,
        Steady = Base::Steady,
        Blinking = Base::Blinking,
    };
    Q_ENUM(EOnOffMode)

    explicit CMediaButton(QWidget* parent = nullptr);
    ~CMediaButton() override;

    EMode mode() const { return static_cast<EMode>(GetMode()); }
    void setMode(EMode mode) { SetMode(static_cast<Base::EMode>(mode)); }
    EOnOffMode onOffMode() const { return static_cast<EOnOffMode>(GetOnOffMode()); }
    void setOnOffMode(EOnOffMode mode) { SetOnOffMode(static_cast<Base::EOnOffMode>(mode)); }
    bool isOn() const { return IsOn(); }
    void setOn(bool on) { SetOn(on); }
    /// The lamp size last set through this class (the library keeps it to itself); 15 at first.
    int lampSize() const { return m_nLampSize; }
    void setLampSize(int size);

private:
    int m_nLampSize = 15;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
