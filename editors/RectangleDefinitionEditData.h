#pragma once

class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QWidget;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// The child widgets of a CRectangleDefinitionEdit, owned by its object tree: X and width in
/// the first row, Y and height in the second, each field after its label.
struct CRectangleDefinitionEditData
{
    QGridLayout* gridLayout_2 = nullptr;
    QGridLayout* gridLayout = nullptr;
    QLabel* label_2 = nullptr;
    QLabel* label_4 = nullptr;
    QLabel* label_3 = nullptr;
    QLabel* label_5 = nullptr;
    QDoubleSpinBox* m_wXCoord = nullptr;
    QDoubleSpinBox* m_wWidth = nullptr;
    QDoubleSpinBox* m_wHeight = nullptr;
    QDoubleSpinBox* m_wYCoord = nullptr;

    /// Builds the children on pwForm and connects every field to its slot _OnCoordinateChanged().
    void setupUi(QWidget* pwForm);
    void retranslateUi(QWidget* pwForm);
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
