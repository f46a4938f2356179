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
 *
 * Unlike the library's class, which keeps the hint of a push button without text, its size hint
 * fits the symbol and the lamp: in a layout built in code the symbol stays legible.
 */
class ZRI_FORMS_EXPORT CMediaButton : public ZuRaradirIzurodudoz::CMediaButton
{
    Q_OBJECT
    Q_PROPERTY(EMode mode READ mode WRITE setMode)
    Q_PROPERTY(EOnOffMode onOffMode READ onOffMode WRITE setOnOffMode)
    Q_PROPERTY(bool on READ isOn WRITE setOn)
    Q_PROPERTY(int lampSize READ lampSize WRITE setLampSize)

public:
    /// The library class that this form class is.
    using Base = ZuRaradirIzurodudoz::CMediaButton;

    /// The library's EMode, with the same names and values, for Designer's drop-down list.
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

    /// The library's EOnOffMode, with the same names and values, for Designer's drop-down list.
    enum EOnOffMode : std::int32_t
    {
        NoLamp = Base::NoLamp,
        Steady = Base::Steady,
        Blinking = Base::Blinking,
    };
    Q_ENUM(EOnOffMode)

    /// Like the library's widget with the parent alone.
    explicit CMediaButton(QWidget* parent = nullptr);
    ~CMediaButton() override;

    /// The property mode, as the library holds it.
    EMode mode() const { return static_cast<EMode>(GetMode()); }
    /// Sets the property mode through the library's setter.
    void setMode(EMode mode) { SetMode(static_cast<Base::EMode>(mode)); }
    /// The property onOffMode, as the library holds it.
    EOnOffMode onOffMode() const { return static_cast<EOnOffMode>(GetOnOffMode()); }
    /// Sets the property onOffMode through the library's setter.
    void setOnOffMode(EOnOffMode mode);
    /// The property on, as the library holds it.
    bool isOn() const { return IsOn(); }
    /// Sets the property on through the library's setter.
    void setOn(bool on) { SetOn(on); }
    /// The property lampSize, as the library holds it.
    int lampSize() const { return GetLampSize(); }
    /// Sets the property lampSize through the library's setter.
    void setLampSize(int size);

    /// Room for a 16-pixel symbol and, beside it, the lamp: 32 x 32 pixels without a lamp,
    /// 48 x 32 with the lamp of 15 pixels.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
