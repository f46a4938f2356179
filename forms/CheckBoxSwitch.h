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
    using Base = ZuRaradirIzurodudoz::CCheckBoxSwitch;

    enum EDrawMode : std::int32_t
    {
        Vertical = Base::Vertical,
        Horizontal = Base::Horizontal,
    };
    Q_ENUM(EDrawMode)

    enum ETextMode : std::int32_t
    {
        TextLeft = Base::TextLeft,
        TextRight = Base::TextRight,
        NoText = Base::NoText,
    };
    Q_ENUM(ETextMode)

    explicit CCheckBoxSwitch(QWidget* parent = nullptr);
    ~CCheckBoxSwitch() override;

    EDrawMode drawMode() const { return static_cast<EDrawMode>(GetDrawMode()); }
    void setDrawMode(EDrawMode mode) { SetDrawMode(static_cast<Base::EDrawMode>(mode)); }
    ETextMode textMode() const { return static_cast<ETextMode>(GetTextMode()); }
    void setTextMode(ETextMode mode) { SetTextMode(static_cast<Base::ETextMode>(mode)); }
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
