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
 */
class ZRI_FORMS_EXPORT CArrowButton : public ZuRaradirIzurodudoz::CArrowButton
{
    Q_OBJECT
    Q_PROPERTY(EMode mode READ mode WRITE setMode)
    Q_PROPERTY(EFitMode fitMode READ fitMode WRITE setFitMode)

public:
    using Base = ZuRaradirIzurodudoz::CArrowButton;

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

    enum EFitMode : std::int32_t
    {
        Square = Base::Square,
        Stretch = Base::Stretch,
    };
    Q_ENUM(EFitMode)

    explicit CArrowButton(QWidget* parent = nullptr);
    ~CArrowButton() override;

    EMode mode() const { return static_cast<EMode>(GetMode()); }
    void setMode(EMode mode) { SetMode(static_cast<Base::EMode>(mode)); }
    EFitMode fitMode() const { return static_cast<EFitMode>(GetFitMode()); }
    void setFitMode(EFitMode mode) { SetFitMode(static_cast<Base::EFitMode>(mode)); }
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
