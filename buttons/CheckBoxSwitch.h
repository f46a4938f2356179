#pragma once

#include "ZuRaradirIzurodudozExport.h"

#include <QCheckBox>

#include <cstdint>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/**
 * A check box drawn as a two-position slide switch: a sunken track with a raised knob in one
 * half and the state colour in the other, green when checked and red when not. The check box
 * text stands beside the switch; a click anywhere on the widget, the text too, toggles it.
 */
class ZRI_EXPORT CCheckBoxSwitch : public QCheckBox
{
    Q_OBJECT

public:
    /// How the switch lies. Any value other than Vertical lies like Horizontal.
    enum EDrawMode : std::int32_t
    {
        Vertical = 0,   ///< standing, half as wide as high; checked puts the knob up
        Horizontal = 1, ///< lying, twice as wide as high; checked puts the knob right
    };

    /// Where the text goes. Any value other than TextLeft and NoText behaves as TextRight.
    enum ETextMode : std::int32_t
    {
        TextLeft = 0,  ///< switch at the right edge, text right-aligned to its left
        TextRight = 1, ///< switch at the left edge, text left-aligned to its right
        NoText = 2,    ///< switch at the left edge, the text is kept but not shown
    };

    /// A lying switch with the text at its right, unchecked.
    explicit CCheckBoxSwitch(QWidget* parent = nullptr);
    ~CCheckBoxSwitch() override;

    /// Stores the mode unchecked and repaints at once.
    void SetDrawMode(EDrawMode mode);
    /// Stores the mode unchecked and repaints at once.
    void SetTextMode(ETextMode mode);
    /// The draw mode as last set.
    EDrawMode GetDrawMode() const;
    /// The text mode as last set.
    ETextMode GetTextMode() const;

protected:
    /// Draws the track, the knob, the state colour and the text.
    void paintEvent(QPaintEvent* event) override;
    /// The whole widget, the text too, reacts to clicks.
    bool hitButton(const QPoint& pos) const override;

private:
    EDrawMode m_eDrawMode = Horizontal;
    ETextMode m_eTextMode = TextRight;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
