#pragma once

#include <ZuRaradirIzurodudoz/RectangleDefinitionEdit.h>
#include <ZuRaradirIzurodudoz/ZuRaradirIzurodudozFormsExport.h>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

/**
 * The rectangle edit as Qt Designer sets it up: the rectangle and the unit as properties.
 * Setting the rectangle emits nothing, as OnRectangleDefinitionChanged() does not; an empty
 * unit keeps the one shown, as SetUnitString() does. Everything else is the library's
 * CRectangleDefinitionEdit, which application code keeps using (this class is one).
 */
class ZRI_FORMS_EXPORT CRectangleDefinitionEdit
    : public ZuRaradirIzurodudoz::CRectangleDefinitionEdit
{
    Q_OBJECT
    Q_PROPERTY(QRectF rectangleDefinition READ rectangleDefinition WRITE setRectangleDefinition)
    Q_PROPERTY(QString unitString READ unitString WRITE setUnitString)

public:
    /// The library class that this form class is.
    using Base = ZuRaradirIzurodudoz::CRectangleDefinitionEdit;

    /// Like the library's widget with the parent alone.
    explicit CRectangleDefinitionEdit(QWidget* parent = nullptr);
    ~CRectangleDefinitionEdit() override;

    /// The property rectangleDefinition, as the library holds it.
    QRectF rectangleDefinition() const { return GetRectangleDefinition(); }
    /// Sets the property rectangleDefinition through the library's setter.
    void setRectangleDefinition(const QRectF& rect) { OnRectangleDefinitionChanged(rect); }
    /// The unit that the fields show after their values.
    QString unitString() const;
    /// Sets the property unitString through the library's setter.
    void setUnitString(const QString& unit) { SetUnitString(unit.toStdString()); }
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
