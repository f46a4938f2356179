#pragma once

#include "ZuRaradirIzurodudozExport.h"

#include <QRectF>
#include <QWidget>

#include <memory>
#include <string>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

namespace Detail
{
struct CRectangleDefinitionEditData;
}

/**
 * Edits one rectangle as four whole-number fields: X and Y of the top-left corner, width and
 * height. Every finished edit of a field (Return or focus left, changed or not) emits
 * definitionChanged() with all four values; OnRectangleDefinitionChanged() takes a rectangle
 * back without emitting. X and Y range over -100000000 ... 50000000, width and height over
 * -100000000 ... 100000000; values outside are clamped, fractions rounded for display.
 */
class ZRI_EXPORT CRectangleDefinitionEdit : public QWidget
{
    Q_OBJECT

public:
    /// Shows rqRect in the four fields, without a unit.
    CRectangleDefinitionEdit(const QRectF& rqRect, QWidget* pwParent);
    /// For Designer forms: starts with a null rectangle.
    explicit CRectangleDefinitionEdit(QWidget* pwParent = nullptr);
    ~CRectangleDefinitionEdit() override;

    CRectangleDefinitionEdit(const CRectangleDefinitionEdit&) = delete;
    CRectangleDefinitionEdit& operator=(const CRectangleDefinitionEdit&) = delete;

    /// The rectangle as last set, or as the four fields stood at the last finished edit.
    const QRectF& GetRectangleDefinition() const;
    /// Shows " unit" after every value; an empty unit keeps the current suffix.
    void SetUnitString(const std::string& rUnit);

signals:
    /// X, Y, width and height as the four fields stand, after every finished edit.
    void definitionChanged(const QRectF& rqRect);

public slots:
    /// Stores and shows rqRect; emits nothing.
    void OnRectangleDefinitionChanged(const QRectF& rqRect);

protected slots:
    /// Reads the four fields and emits definitionChanged().
    void _OnCoordinateChanged();

private:
    std::unique_ptr<Detail::CRectangleDefinitionEditData> m_pForm;
    QRectF m_Rect;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
