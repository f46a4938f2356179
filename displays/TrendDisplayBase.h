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
    explicit CTrendDisplayBase(QWidget* parent = nullptr);
    ~CTrendDisplayBase() override;

protected slots:
    virtual void _HScrollSlot(int nSliderPos) = 0;
    virtual void _VScrollSlot(int nSliderPos) = 0;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
