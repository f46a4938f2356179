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
 *
 * Unlike the library's class, which keeps a plain check box's size hint, its size hint fits the
 * switch and its text: in a layout built in code the text is never cut.
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

    /// A lying switch as high as a line of text (16 pixels at least) and twice as wide, or a
    /// standing one two lines high (32 pixels at least) and half as wide, with the text beside
    /// it unless the text mode hides it.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
