#pragma once

#include <ZuRaradirIzurodudoz/HistogramDisplay.h>
#include <ZuRaradirIzurodudoz/ZuRaradirIzurodudozFormsExport.h>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

/**
 * The histogram as Qt Designer sets it up: logarithmic value axis, legend and axes as
 * properties. The data lists come from application code, through the library's
 * CHistogramDisplay, which this class is.
 */
class ZRI_FORMS_EXPORT CHistogramDisplay : public ZuRaradirIzurodudoz::CHistogramDisplay
{
    Q_OBJECT
    Q_PROPERTY(bool logScale READ IsLogScale WRITE SetLogScale)
    Q_PROPERTY(bool legendVisible READ IsLegendVisible WRITE SetLegendVisible)
    Q_PROPERTY(bool axesVisible READ AreAxesVisible WRITE SetAxesVisible)

public:
    using Base = ZuRaradirIzurodudoz::CHistogramDisplay;

    explicit CHistogramDisplay(QWidget* parent = nullptr);
    ~CHistogramDisplay() override;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
