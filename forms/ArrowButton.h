#pragma once

#include <ZuRaradirIzurodudoz/ArrowButton.h>
#include <ZuRaradirIzurodudoz/ZuRaradirIzurodudozFormsExport.h>

#include <cstdint>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

/**
 * The arrow button as Qt Designer sets it up: mode and fit mode as properties with drop-down
 * enumerations. Everything else is the library's CArrowButton, which application code keeps
 * using (this class is one). The enumerations repeat the library's with the same values and
 * the same 32-bit storage (any value the library takes passes through), so that Designer can
 * list them; pass the library's own to the library's setters.
 *
 * Unlike the library's class, which keeps the hint of a push button without text, its size hint
 * fits the arrow: in a layout built in code the arrow stays legible.
 */
class ZRI_FORMS_EXPORT CArrowButton : public ZuRaradirIzurodudoz::CArrowButton
{
    Q_OBJECT
    Q_PROPERTY(EMode mode READ mode WRITE setMode)
    Q_PROPERTY(EFitMode fitMode READ fitMode WRITE setFitMode)

public:
    /// The library class that this form class is.
    using Base = ZuRaradirIzurodudoz::CArrowButton;

    /// The library's EMode, with the same names and values, for Designer's drop-down list.
    enum EMode : std::int32_t
    {
        Up = Base::Up,
        Down = Base::Down,
        Left = Base::Left,
        Right = Base::Right,
        DoubleUp = Base::DoubleUp,
        DoubleDown = Base::DoubleDown,
        DoubleLeft = Base::DoubleLeft,
        DoubleRight = Base::DoubleRight,
    };
    Q_ENUM(EMode)

    /// The library's EFitMode, with the same names and values, for Designer's drop-down list.
    enum EFitMode : std::int32_t
    {
        Square = Base::Square,
        Stretch = Base::Stretch,
    };
    Q_ENUM(EFitMode)

    /// Like the library's widget with the parent alone.
    explicit CArrowButton(QWidget* parent = nullptr);
    ~CArrowButton() override;

    /// The property mode, as the library holds it.
    EMode mode() const { return static_cast<EMode>(GetMode()); }
    /// Sets the property mode through the library's setter.
    void setMode(EMode mode) { SetMode(static_cast<Base::EMode>(mode)); }
    /// The property fitMode, as the library holds it.
    EFitMode fitMode() const { return static_cast<EFitMode>(GetFitMode()); }
    /// Sets the property fitMode through the library's setter.
    void setFitMode(EFitMode mode);

    /// 32 x 32 pixels, a stretched arrow 48 pixels wide: a 16-pixel arrow inside the bevel.
    QSize sizeHint() const override;
    /// 24 x 24 pixels, where the arrow is still 8 pixels long.
    QSize minimumSizeHint() const override;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
