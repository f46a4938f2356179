#pragma once

#include <ZuRaradirIzurodudoz/CheckBoxSwitch.h>
#include <ZuRaradirIzurodudoz/ZuRaradirIzurodudozFormsExport.h>

#include <cstdint>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

/**
 * The switch check box as Qt Designer sets it up: draw mode and text mode as properties.
 * Everything else is the library's CCheckBoxSwitch, which application code keeps using (this
 * class is one).
 */
class ZRI_FORMS_EXPORT CCheckBoxSwitch : public ZuRaradirIzurodudoz::CCheckBoxSwitch
{
    Q_OBJECT
    Q_PROPERTY(EDrawMode drawMode READ drawMode WRITE setDrawMode)
    Q_PROPERTY(ETextMode textMode READ textMode WRITE setTextMode)

public:
    /// The library class that this form class is.
    using Base = ZuRaradirIzurodudoz::CCheckBoxSwitch;

    /// The library's EDrawMode, with the same names and values, for Designer's drop-down list.
    enum EDrawMode : std::int32_t
    {
        Vertical = Base::Vertical,
        Horizontal = Base::Horizontal,
    };
    Q_ENUM(EDrawMode)

    /// The library's ETextMode, with the same names and values, for Designer's drop-down list.
    enum ETextMode : std::int32_t
    {
        TextLeft = Base::TextLeft,
        TextRight = Base::TextRight,
        NoText = Base::NoText,
    };
    Q_ENUM(ETextMode)

    /// Like the library's widget with the parent alone.
    explicit CCheckBoxSwitch(QWidget* parent = nullptr);
    ~CCheckBoxSwitch() override;

    /// The property drawMode, as the library holds it.
    EDrawMode drawMode() const { return static_cast<EDrawMode>(GetDrawMode()); }
    /// Sets the property drawMode through the library's setter.
    void setDrawMode(EDrawMode mode) { SetDrawMode(static_cast<Base::EDrawMode>(mode)); }
    /// The property textMode, as the library holds it.
    ETextMode textMode() const { return static_cast<ETextMode>(GetTextMode()); }
    /// Sets the property textMode through the library's setter.
    void setTextMode(ETextMode mode) { SetTextMode(static_cast<Base::ETextMode>(mode)); }
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
