#pragma once

#include <ZuRaradirIzurodudoz/TrendDisplay.h>
#include <ZuRaradirIzurodudoz/ZuRaradirIzurodudozFormsExport.h>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

/**
 * The trend as Qt Designer sets it up: time window, capacity, axes and the value axis (automatic,
 * or fixed from valueMin to valueMax) as properties. Series and samples come from application
 * code, through the library's CTrendDisplay, which this class is.
 *
 * Every property reads the trend itself: after SetValueRange(-5, 5) in code, valueMin and
 * valueMax read -5 and 5, and writing valueMax 10 gives the axis -5..10. While the axis is
 * automatic, valueMin and valueMax are the fixed axis that autoRange false will show. The two
 * bounds are kept as written, in either order, so that a form can write them one after the
 * other.
 */
class ZRI_FORMS_EXPORT CTrendDisplay : public ZuRaradirIzurodudoz::CTrendDisplay
{
    Q_OBJECT
    Q_PROPERTY(double timeWindow READ TimeWindow WRITE SetTimeWindow)
    Q_PROPERTY(int capacity READ capacity WRITE setCapacity)
    Q_PROPERTY(bool axesVisible READ AreAxesVisible WRITE SetAxesVisible)
    Q_PROPERTY(bool interactive READ IsInteractive WRITE SetInteractive)
    Q_PROPERTY(bool gridVisible READ IsGridVisible WRITE SetGridVisible)
    Q_PROPERTY(QString timeAxisTitle READ TimeAxisTitle WRITE setTimeAxisTitle)
    Q_PROPERTY(QString timeAxisUnit READ TimeAxisUnit WRITE setTimeAxisUnit)
    Q_PROPERTY(QString valueAxisTitle READ ValueAxisTitle WRITE setValueAxisTitle)
    Q_PROPERTY(QString valueAxisUnit READ ValueAxisUnit WRITE setValueAxisUnit)
    Q_PROPERTY(QString rightAxisTitle READ RightAxisTitle WRITE setRightAxisTitle)
    Q_PROPERTY(QString rightAxisUnit READ RightAxisUnit WRITE setRightAxisUnit)
    Q_PROPERTY(bool autoRange READ IsAutoRange WRITE setAutoRange)
    Q_PROPERTY(double valueMin READ valueMin WRITE setValueMin)
    Q_PROPERTY(double valueMax READ valueMax WRITE setValueMax)

public:
    using Base = ZuRaradirIzurodudoz::CTrendDisplay;

    explicit CTrendDisplay(QWidget* parent = nullptr);
    ~CTrendDisplay() override;

    int capacity() const { return static_cast<int>(Capacity()); }
    /// Negative values are taken as 0, which keeps the newest sample.
    void setCapacity(int capacity);
    /// Off: the value axis is fixed from valueMin to valueMax.
    void setAutoRange(bool autoRange);
    double valueMin() const;
    void setValueMin(double value);
    double valueMax() const;
    void setValueMax(double value);
    /// Each writes its part of the axis title and keeps the other.
    void setTimeAxisTitle(const QString& title);
    void setTimeAxisUnit(const QString& unit);
    void setValueAxisTitle(const QString& title);
    void setValueAxisUnit(const QString& unit);
    /// The right axis' title, drawn while code puts a series on that axis.
    void setRightAxisTitle(const QString& title);
    void setRightAxisUnit(const QString& unit);

private:
    bool _BoundsShown() const;
    void _AdoptShownBounds();
    void _ApplyRange();

    double m_dMin = 0.0;
    double m_dMax = 100.0;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
