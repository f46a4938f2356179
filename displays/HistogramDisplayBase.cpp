#include "HistogramDisplayBase.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

CHistogramDisplayBase::CHistogramDisplayBase(QWidget* parent)
    : QWidget(parent), m_oHScrollBar(Qt::Horizontal, this), m_oVScrollBar(Qt::Vertical, this)
{
    connect(&m_oHScrollBar, &QScrollBar::valueChanged, this, &CHistogramDisplayBase::_HScrollSlot);
    connect(&m_oVScrollBar, &QScrollBar::valueChanged, this, &CHistogramDisplayBase::_VScrollSlot);
}

CHistogramDisplayBase::~CHistogramDisplayBase()
{
    // The derived part is gone by now: a late valueChanged must not reach a pure slot.
    m_oVScrollBar.disconnect(this);
    m_oHScrollBar.disconnect(this);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
