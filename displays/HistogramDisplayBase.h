#pragma once

#include "ZuRaradirIzurodudozExport.h"

#include <QScrollBar>
#include <QWidget>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/**
 * Abstract base of histogram displays. It owns a horizontal and a vertical scroll bar and
 * hands every new slider position to _HScrollSlot or _VScrollSlot, whether the user moved the
 * bar or code called setValue. The derived class sets the ranges, places the scroll bars and
 * draws; the base leaves the bars at Qt's defaults.
 */
class ZRI_EXPORT CHistogramDisplayBase : public QWidget
{
    Q_OBJECT

public:
    explicit CHistogramDisplayBase(QWidget* parent = nullptr);
    ~CHistogramDisplayBase() override;

protected slots:
    virtual void _HScrollSlot(int nSliderPos) = 0;
    virtual void _VScrollSlot(int nSliderPos) = 0;

protected:
    QScrollBar m_oHScrollBar;
    QScrollBar m_oVScrollBar;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
