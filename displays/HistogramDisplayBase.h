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
    /// Creates the two scroll bars as children and connects their valueChanged(int) to the slots.
    explicit CHistogramDisplayBase(QWidget* parent = nullptr);
    ~CHistogramDisplayBase() override;

protected slots:
    /// The new horizontal position of m_oHScrollBar, whether the user or setValue() moved it; the
    /// derived class scrolls its picture.
    virtual void _HScrollSlot(int nSliderPos) = 0;
    /// The new vertical position of m_oVScrollBar, whether the user or setValue() moved it.
    virtual void _VScrollSlot(int nSliderPos) = 0;

protected:
    /// Horizontal scroll bar, a child of the widget with Qt's default range and geometry: the
    /// derived class sets its range, places and shows it.
    QScrollBar m_oHScrollBar;
    /// Vertical scroll bar, a child of the widget, left to the derived class like the horizontal
    /// one.
    QScrollBar m_oVScrollBar;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
