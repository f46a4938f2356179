#pragma once

#include <ZuRaradirIzurodudoz/BarScalePercent.h>
#include <ZuRaradirIzurodudoz/ZuRaradirIzurodudozFormsExport.h>

#include <optional>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

/**
 * The percentage ruler as Qt Designer sets it up: number of steps, tick lines at either side
 * and the label font as properties. Everything else is the library's CBarScalePercent, which
 * application code keeps using (this class is one).
 *
 * The properties read the ruler itself, so they show what application code set through the
 * library's setters as well.
 *
 * Unlike the library's class, which keeps QWidget's size hint, its size hint fits the labels and
 * ticks (FittingSize()): in a layout built in code the ruler keeps its width.
 */
class ZRI_FORMS_EXPORT CBarScalePercent : public ZuRaradirIzurodudoz::CBarScalePercent
{
    Q_OBJECT
    Q_PROPERTY(uint steps READ steps WRITE setSteps)
    Q_PROPERTY(bool ticksLeft READ ticksLeft WRITE setTicksLeft)
    Q_PROPERTY(bool ticksRight READ ticksRight WRITE setTicksRight)
    Q_PROPERTY(QFont rulerFont READ rulerFont WRITE setRulerFont)

public:
    /// The library class that this form class is.
    using Base = ZuRaradirIzurodudoz::CBarScalePercent;

    /// Like the library's widget with the parent alone.
    explicit CBarScalePercent(QWidget* parent = nullptr);
    ~CBarScalePercent() override;

    /// The property steps, as the library holds it.
    uint steps() const { return GetSteps(); }
    /// Sets the property steps through the library's setter.
    void setSteps(uint steps) { SetSteps(steps); }
    /// The property ticksLeft, as the library holds it.
    bool ticksLeft() const { return GetTicksLeft(); }
    /// Sets the property ticksLeft through the library's setter.
    void setTicksLeft(bool ticks) { SetScaleMode(ticks, GetTicksRight()); }
    /// The property ticksRight, as the library holds it.
    bool ticksRight() const { return GetTicksRight(); }
    /// Sets the property ticksRight through the library's setter.
    void setTicksRight(bool ticks) { SetScaleMode(GetTicksLeft(), ticks); }
    /// The font set through this property while the ruler still draws with it (the ruler
    /// keeps only family, pixel size, bold and italic); else the font the ruler draws with.
    QFont rulerFont() const;
    /// Family, pixel size (taken from the point size when the font has none), bold, italic.
    void setRulerFont(const QFont& font);

    /// FittingSize(): the widest label with its ticks, over the title and footer bands.
    QSize sizeHint() const override;
    /// As wide as the size hint, the bands and 20 pixels of scale high.
    QSize minimumSizeHint() const override;

private:
    std::optional<QFont> m_oSetFont;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
