#include "RectangleDefinitionEdit.h"

#include "RectangleDefinitionEditData.h"

#include <QDoubleSpinBox>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

CRectangleDefinitionEdit::CRectangleDefinitionEdit(const QRectF& rqRect, QWidget* pwParent)
    : QWidget(pwParent), m_pForm(std::make_unique<Detail::CRectangleDefinitionEditData>()),
      m_Rect(rqRect)
{
    m_pForm->setupUi(this);
    OnRectangleDefinitionChanged(rqRect);
}

CRectangleDefinitionEdit::CRectangleDefinitionEdit(QWidget* pwParent)
    : CRectangleDefinitionEdit(QRectF(), pwParent)
{
}

CRectangleDefinitionEdit::~CRectangleDefinitionEdit() = default;

const QRectF& CRectangleDefinitionEdit::GetRectangleDefinition() const
{
    return m_Rect;
}

void CRectangleDefinitionEdit::SetUnitString(const std::string& rUnit)
{
    if (rUnit.empty())
        return;
    const QString qsSuffix = QStringLiteral(" ") + QString::fromStdString(rUnit);
    for (QDoubleSpinBox* pwField :
         {m_pForm->m_wXCoord, m_pForm->m_wYCoord, m_pForm->m_wWidth, m_pForm->m_wHeight})
        pwField->setSuffix(qsSuffix);
}

void CRectangleDefinitionEdit::OnRectangleDefinitionChanged(const QRectF& rqRect)
{
    m_Rect = rqRect;
    blockSignals(true);
    m_pForm->m_wXCoord->setValue(rqRect.x());
    m_pForm->m_wYCoord->setValue(rqRect.y());
    m_pForm->m_wWidth->setValue(rqRect.width());
    m_pForm->m_wHeight->setValue(rqRect.height());
    blockSignals(false);
}

void CRectangleDefinitionEdit::_OnCoordinateChanged()
{
    m_Rect = QRectF(m_pForm->m_wXCoord->value(), m_pForm->m_wYCoord->value(),
                    m_pForm->m_wWidth->value(), m_pForm->m_wHeight->value());
    emit definitionChanged(m_Rect);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
