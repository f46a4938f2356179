#pragma once

#include <ZuRaradirIzurodudoz/BarGauge.h>
#include <ZuRaradirIzurodudoz/ZuRaradirIzurodudozFormsExport.h>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

/**
 * The bar gauge as Qt Designer sets it up: value, range, texts, unit, decimals, alarm levels and
 * the extremes markers as properties. An alarm level is a number and a switch, since Designer
 * cannot enter the NaN that switches a level off in the library's setter.
 *
 * Every property reads the gauge itself, so it shows what application code set through the
 * library's setters too (SetLowAlarm(5) reads lowAlarmEnabled true, lowAlarm 5), and writing
 * one property changes only that property. A level switched off keeps its number here, so
 * that switching it on again brings it back.
 */
class ZRI_FORMS_EXPORT CBarGauge : public ZuRaradirIzurodudoz::CBarGauge
{
    Q_OBJECT
    Q_PROPERTY(double minimum READ Minimum WRITE setMinimum)
    Q_PROPERTY(double maximum READ Maximum WRITE setMaximum)
    Q_PROPERTY(double value READ Value WRITE setValue)
    Q_PROPERTY(QString title READ Title WRITE setTitle)
    Q_PROPERTY(QString footer READ Footer WRITE setFooter)
    Q_PROPERTY(QString unit READ Unit WRITE setUnit)
    Q_PROPERTY(int decimals READ Decimals WRITE setDecimals)
    Q_PROPERTY(bool lowAlarmEnabled READ lowAlarmEnabled WRITE setLowAlarmEnabled)
    Q_PROPERTY(double lowAlarm READ lowAlarm WRITE setLowAlarm)
    Q_PROPERTY(bool highAlarmEnabled READ highAlarmEnabled WRITE setHighAlarmEnabled)
    Q_PROPERTY(double highAlarm READ highAlarm WRITE setHighAlarm)
    Q_PROPERTY(QColor alarmColor READ AlarmColor WRITE setAlarmColor)
    Q_PROPERTY(bool showExtremes READ ShowExtremes WRITE setShowExtremes)

public:
    using Base = ZuRaradirIzurodudoz::CBarGauge;

    explicit CBarGauge(QWidget* parent = nullptr);
    ~CBarGauge() override;

    // uic sets each property through set<Property>.
    void setMinimum(double minimum) { SetRange(minimum, Maximum()); }
    void setMaximum(double maximum) { SetRange(Minimum(), maximum); }
    void setValue(double value) { SetValue(value); }
    void setTitle(const QString& title) { SetTitle(title); }
    void setFooter(const QString& footer) { SetFooter(footer); }
    void setUnit(const QString& unit) { SetUnit(unit); }
    void setDecimals(int decimals) { SetDecimals(decimals); }
    void setAlarmColor(const QColor& color) { SetAlarmColor(color); }
    void setShowExtremes(bool show) { SetShowExtremes(show); }
    /// Whether the gauge's low alarm is on (its level is not NaN).
    bool lowAlarmEnabled() const;
    void setLowAlarmEnabled(bool on);
    /// The gauge's low alarm level; while it is off, the level it had last (10 at first).
    double lowAlarm() const;
    /// Sets the level; while the alarm is off, the level it takes when switched on.
    void setLowAlarm(double level);
    bool highAlarmEnabled() const;
    void setHighAlarmEnabled(bool on);
    /// The gauge's high alarm level; while it is off, the level it had last (90 at first).
    double highAlarm() const;
    void setHighAlarm(double level);

private:
    // The layout of the released class: its switches were kept here, and applications built
    // against it still read them inline; the gauge's own levels now tell.
    bool m_bLowOnKept = false;
    double m_dLow = 10.0; // the levels while they are off
    bool m_bHighOnKept = false;
    double m_dHigh = 90.0;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
