#pragma once

#include <ZuRaradirIzurodudoz/BarScalePercent.h>
#include <ZuRaradirIzurodudoz/ZuRaradirIzurodudozFormsExport.h>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

/**
 * The percentage ruler as Qt Designer sets it up: number of steps, tick lines at either side
 * and the label font as properties. Everything else is the library's CBarScalePercent, which
 * application code keeps using (this class is one).
 *
 * The library keeps steps and tick sides to itself; their properties read what was last set
 * through this class, which starts with the library's defaults (10 steps, ticks on both sides).
 */
class ZRI_FORMS_EXPORT CBarScalePercent : public ZuRaradirIzurodudoz::CBarScalePercent
{
    Q_OBJECT
    Q_PROPERTY(uint steps READ steps WRITE setSteps)
    Q_PROPERTY(bool ticksLeft READ ticksLeft WRITE setTicksLeft)
    Q_PROPERTY(bool ticksRight READ ticksRight WRITE setTicksRight)
    Q_PROPERTY(QFont rulerFont READ rulerFont WRITE setRulerFont)

public:
    using Base = ZuRaradirIzurodudoz::CBarScalePercent;

    explicit CBarScalePercent(QWidget* parent = nullptr);
    ~CBarScalePercent() override;

    uint steps() const { return m_nSteps; }
    void setSteps(uint steps);
    bool ticksLeft() const { return m_bTicksLeft; }
    void setTicksLeft(bool ticks);
    bool ticksRight() const { return m_bTicksRight; }
    void setTicksRight(bool ticks);
    /// The label font: the one set, else the widget's font.
    QFont rulerFont() const { return _GetRulerFont(); }
    /// Family, pixel size (taken from the point size when the font has none), bold, italic.
    void setRulerFont(const QFont& font);

private:
    uint m_nSteps = 10;
    bool m_bTicksLeft = true;
    bool m_bTicksRight = true;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
