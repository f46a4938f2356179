#pragma once

#include "BarBase.h"

#include <QColor>
#include <QString>

#include <limits>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

namespace Detail
{
struct SBarGaugeLayout;
}

/**
 * A vertical fill-level bar between a minimum at the bottom and a maximum at the top, with a
 * title above and a footer below, in the engraved look of the family: a sunken frame around the
 * application palette's Base colour, filled in its Highlight colour up to the value.
 *
 * Gauges and a CBarScalePercent with the same title and footer fonts line up row for row: the
 * frame's top and bottom rows are the ruler's 100 % and 0 % marks, and the fill reaches the
 * ruler's mark of the value.
 *
 * Optional low and high alarm levels paint the bar in the alarm colour while the value is at or
 * beyond them; optional markers show the lowest and highest value seen since the last
 * ResetExtremes(). Setters schedule a repaint, and tell screen readers when the name (the
 * title), the value text or the alarm they hear changed.
 *
 * What SetValue does with any number: a new gauge holds no value (NaN) until the first one
 * arrives, and NaN means "no value" again: an empty bar, no alarm, an empty footer, markers left
 * alone. Values outside the range, huge ones too, are drawn at its ends and kept as given; +inf
 * (an overflowing tank) fills the bar, -inf empties it, and both raise the alarm their side has.
 * A range whose minimum is not below its maximum, or with a limit that is not finite, shows an
 * empty bar.
 *
 * The footer never contradicts the bar: a value near an alarm level is shown with the digits
 * needed to tell it from the level (89.6 with a high alarm at 90 reads "89.6", not "90", while
 * the bar is not in alarm). The size hint fits the title, the footer of the range's limits and
 * alarm levels (with two digits more when an alarm is on) in their fonts.
 */
class ZRI_EXPORT CBarGauge : public CBarBase
{
    Q_OBJECT

public:
    explicit CBarGauge(QWidget* parent = nullptr);
    ~CBarGauge() override;

    double Value() const { return m_dValue; }
    double Minimum() const { return m_dMinimum; }
    double Maximum() const { return m_dMaximum; }
    /// Stores both limits as given (default 0 and 100).
    void SetRange(double minimum, double maximum);

    /// Text of the title band, drawn in the title font.
    void SetTitle(const QString& title);
    QString Title() const { return m_sTitle; }
    /// Text of the footer band; a null string (the default) shows the value with its unit, an
    /// empty one shows nothing.
    void SetFooter(const QString& footer);
    QString Footer() const { return m_sFooter; }
    /// The unit after the value in the footer and for screen readers ("%", "bar").
    void SetUnit(const QString& unit);
    QString Unit() const { return m_sUnit; }
    /// Digits after the decimal point of the shown value (0 to 15, default 0; a negative count
    /// is taken as 0, a larger one as 15).
    void SetDecimals(int decimals);
    int Decimals() const { return m_nDecimals; }
    /// The value as the footer shows it when no footer text is set: "42.5 bar"; empty for NaN.
    /// It has more digits than Decimals() where fewer would read as an alarm level that the
    /// value has not reached, or has passed.
    QString ValueText() const;

    /// Alarm when the value is at or below this level; NaN (the default) switches it off.
    void SetLowAlarm(double level);
    double LowAlarm() const { return m_dLowAlarm; }
    /// Alarm when the value is at or above this level; NaN (the default) switches it off.
    void SetHighAlarm(double level);
    double HighAlarm() const { return m_dHighAlarm; }
    /// The bar's colour during an alarm (default dark red, 192, 0, 0).
    void SetAlarmColor(const QColor& color);
    QColor AlarmColor() const { return m_oAlarmColor; }
    /// Whether the value is at or beyond an alarm level that is switched on.
    bool IsAlarm() const;

    /// Shows a line at the lowest and at the highest value seen (default off).
    void SetShowExtremes(bool show);
    bool ShowExtremes() const { return m_bShowExtremes; }
    /// The lowest and highest value since construction or ResetExtremes(); NaN while none.
    double LowestSeen() const { return m_dLowest; }
    double HighestSeen() const { return m_dHighest; }

    bool NeedValue() const override;
    bool NeedMinMax() const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    /// The shown value (see the class comment for NaN, infinities and huge values).
    void SetValue(double value);
    /// Forgets the extremes; they start again from the current value.
    void ResetExtremes();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int _TextWidth() const;
    void _DrawBar(QPainter& painter, const Detail::SBarGaugeLayout& layout) const;

    static constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    double m_dValue = kNone; // no value yet
    double m_dMinimum = 0.0;
    double m_dMaximum = 100.0;
    double m_dLowAlarm = kNone;
    double m_dHighAlarm = kNone;
    double m_dLowest = kNone;
    double m_dHighest = kNone;
    QColor m_oAlarmColor{192, 0, 0};
    QString m_sTitle;
    QString m_sFooter;
    QString m_sUnit;
    int m_nDecimals = 0;
    bool m_bShowExtremes = false;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
