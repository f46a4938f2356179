#pragma once

#include "ZuRaradirIzurodudozExport.h"

#include <QWidget>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/**
 * Abstract base of trend displays: the same two scroll slots as CHistogramDisplayBase, without
 * scroll bars. The derived class connects whatever should drive them.
 */
class ZRI_EXPORT CTrendDisplayBase : public QWidget
{
    Q_OBJECT

public:
    /// Creates and connects nothing.
    explicit CTrendDisplayBase(QWidget* parent = nullptr);
    ~CTrendDisplayBase() override;

protected slots:
    /// The new horizontal position, from whatever the derived class connected; the derived class
    /// scrolls its picture.
    virtual void _HScrollSlot(int nSliderPos) = 0;
    /// The new vertical position, from whatever the derived class connected.
    virtual void _VScrollSlot(int nSliderPos) = 0;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
