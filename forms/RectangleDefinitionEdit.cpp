#include "RectangleDefinitionEdit.h"

#include <QDoubleSpinBox>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

CRectangleDefinitionEdit::CRectangleDefinitionEdit(QWidget* parent) : Base(parent) {}

CRectangleDefinitionEdit::~CRectangleDefinitionEdit() = default;

QString CRectangleDefinitionEdit::unitString() const
{
    // The library keeps no unit of its own: every field shows it as the suffix " <unit>".
    const auto* pwField = findChild<QDoubleSpinBox*>(QStringLiteral("m_wXCoord"));
    return pwField ? pwField->suffix().mid(1) : QString();
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
