#pragma once

#include <ZuRaradirIzurodudoz/HistogramDisplay.h>
#include <ZuRaradirIzurodudoz/ZuRaradirIzurodudozFormsExport.h>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

/**
 * The histogram as Qt Designer sets it up: logarithmic value axis, legend, axes, grid and the
 * axis titles and units as properties (each title property writes its part and keeps the other).
 * The data lists come from application code, through the library's CHistogramDisplay, which this
 * class is.
 */
class ZRI_FORMS_EXPORT CHistogramDisplay : public ZuRaradirIzurodudoz::CHistogramDisplay
{
    Q_OBJECT
    Q_PROPERTY(bool logScale READ IsLogScale WRITE SetLogScale)
    Q_PROPERTY(bool legendVisible READ IsLegendVisible WRITE SetLegendVisible)
    Q_PROPERTY(bool axesVisible READ AreAxesVisible WRITE SetAxesVisible)
    Q_PROPERTY(bool gridVisible READ IsGridVisible WRITE SetGridVisible)
    Q_PROPERTY(QString classAxisTitle READ ClassAxisTitle WRITE setClassAxisTitle)
    Q_PROPERTY(QString classAxisUnit READ ClassAxisUnit WRITE setClassAxisUnit)
    Q_PROPERTY(QString valueAxisTitle READ ValueAxisTitle WRITE setValueAxisTitle)
    Q_PROPERTY(QString valueAxisUnit READ ValueAxisUnit WRITE setValueAxisUnit)

public:
    using Base = ZuRaradirIzurodudoz::CHistogramDisplay;

    explicit CHistogramDisplay(QWidget* parent = nullptr);
    ~CHistogramDisplay() override;

    void setClassAxisTitle(const QString& title) { SetClassAxisTitle(title, ClassAxisUnit()); }
    void setClassAxisUnit(const QString& unit) { SetClassAxisTitle(ClassAxisTitle(), unit); }
    void setValueAxisTitle(const QString& title) { SetValueAxisTitle(title, ValueAxisUnit()); }
    void setValueAxisUnit(const QString& unit) { SetValueAxisTitle(ValueAxisTitle(), unit); }
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
