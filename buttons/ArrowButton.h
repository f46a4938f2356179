#pragma once

#include "ZuRaradirIzurodudozExport.h"

#include <QPushButton>

#include <cstdint>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/**
 * A push button whose face shows an engraved arrow: a single arrow with a shaft, or a double
 * arrow of two stacked triangles. Clicks, auto-repeat, checking and size hints are those of
 * QPushButton; the button's text and icon are not painted.
 *
 * The size hint, that of a push button without text, lets a layout squeeze the arrow to a few
 * pixels. Forms::CArrowButton (<ZuRaradirIzurodudoz/Forms/ArrowButton.h>, target
 * ZuRaradirIzurodudoz::Forms) is this button with a size hint that fits the arrow.
 */
class ZRI_EXPORT CArrowButton : public QPushButton
{
    Q_OBJECT

public:
    /// The symbol. Any other value paints the bevel alone.
    enum EMode : std::int32_t
    {
        Up = 0,
        Down = 1,
        Left = 2,
        Right = 3,
        DoubleUp = 4,
        DoubleDown = 5,
        DoubleLeft = 6,
        DoubleRight = 7,
    };

    /// The area the symbol fills. Any value other than Square behaves as Stretch.
    enum EFitMode : std::int32_t
    {
        Square = 0,  ///< the largest square centred in the content rectangle
        Stretch = 1, ///< the whole content rectangle
    };

    /// An up arrow fitted into a square, on a push button without text.
    explicit CArrowButton(QWidget* parent = nullptr);
    ~CArrowButton() override;

    /// Stores the mode unchecked and repaints at once, even when it is unchanged.
    void SetMode(EMode mode);
    /// Stores the fit mode unchecked and repaints at once, even when it is unchanged.
    void SetFitMode(EFitMode mode);
    /// The symbol as last set, also a value outside EMode.
    EMode GetMode() const;
    /// The fit mode as last set.
    EFitMode GetFitMode() const;

protected:
    /// Draws the bevel of the button state, then the engraved arrow.
    void paintEvent(QPaintEvent* event) override;

private:
    EMode m_eMode = Up;
    EFitMode m_eFitMode = Square;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
