#pragma once

#include "BarBase.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/**
 * A ruler from 0 % at the bottom to 100 % at the top of the scale area, with a label at every
 * step and optional engraved tick lines at the left and right. It is placed beside bars drawn
 * by other CBarBase widgets; it draws no background, bar, frame, title or footer.
 */
class ZRI_EXPORT CBarScalePercent : public CBarBase
{
    Q_OBJECT

public:
    /// Ten steps, ticks at both sides, the widget's font for the labels.
    explicit CBarScalePercent(QWidget* parent = nullptr);
    ~CBarScalePercent() override;

    /// Number of intervals between 0 and 100 %, stored unchecked; 0 draws nothing.
    void SetSteps(unsigned int steps);
    /// Tick lines at the left and at the right; they also decide the label alignment.
    void SetScaleMode(bool ticksLeft, bool ticksRight);
    /// Family (UTF-8), pixel size, bold and italic of the label font, used from now on.
    void SetRulerFont(const std::string& family, unsigned int pixelSize, bool bold, bool italic);

    /// False: the ruler shows no value.
    bool NeedValue() const override;
    /// False: the ruler always spans 0 to 100 %.
    bool NeedMinMax() const override;

    /// A size that shows every label and the ticks beside them: the widest label in the ruler
    /// font and the ticks, the title and footer bands and 160 pixels of scale. This class keeps
    /// QWidget's size hint; the Forms class and layouts built in code use this one.
    QSize FittingSize() const;

    /// The settings as last set, for forms that read them back.
    unsigned int GetSteps() const { return m_nSteps; }
    bool GetTicksLeft() const { return m_bTicksLeft; }
    bool GetTicksRight() const { return m_bTicksRight; }

protected:
    /// Draws the labels and the engraved ticks into the scale area.
    void paintEvent(QPaintEvent* event) override;
    /// The ruler font when set, else the widget's font.
    const QFont& _GetRulerFont() const;

private:
    unsigned int m_nSteps = 10;
    bool m_bTicksLeft = true;
    bool m_bTicksRight = true;
    bool m_bRulerFontSet = false;
    QFont m_oRulerFont;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
