#pragma once

#include <ZuRaradirIzurodudoz/RangeSlider.h>
#include <ZuRaradirIzurodudoz/ZuRaradirIzurodudozFormsExport.h>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

/**
 * The range slider as Qt Designer sets it up: limits, start, end, orientation and steps as
 * properties. Like QSlider's, and unlike the library's SetMinimum and SetMaximum, the limit
 * properties move the other limit along instead of refusing, because a form sets them one
 * after the other: a form's minimum of 200 arrives while the maximum is still 99.
 */
class ZRI_FORMS_EXPORT CRangeSlider : public ZuRaradirIzurodudoz::CRangeSlider
{
    Q_OBJECT
    Q_PROPERTY(int minimum READ Minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ Maximum WRITE setMaximum)
    Q_PROPERTY(int startValue READ StartValue WRITE setStartValue)
    Q_PROPERTY(int endValue READ EndValue WRITE setEndValue)
    Q_PROPERTY(Qt::Orientation orientation READ Orientation WRITE setOrientation)
    Q_PROPERTY(int singleStep READ SingleStep WRITE setSingleStep)
    Q_PROPERTY(int pageStep READ PageStep WRITE setPageStep)

public:
    using Base = ZuRaradirIzurodudoz::CRangeSlider;

    explicit CRangeSlider(QWidget* parent = nullptr);
    ~CRangeSlider() override;

    // uic sets each property through set<Property>.
    void setMinimum(int minimum);
    void setMaximum(int maximum);
    void setStartValue(int value) { SetStartValue(value); }
    void setEndValue(int value) { SetEndValue(value); }
    void setOrientation(Qt::Orientation orientation) { SetOrientation(orientation); }
    void setSingleStep(int step) { SetSingleStep(step); }
    void setPageStep(int step) { SetPageStep(step); }
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
