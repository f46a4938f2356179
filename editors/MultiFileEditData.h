#pragma once

class QGridLayout;
class QHBoxLayout;
class QListWidget;
class QPushButton;
class QSpacerItem;
class QVBoxLayout;
class QWidget;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// The child widgets of a CMultiFileEdit, owned by its layouts and object tree: the list of
/// paths with the add and remove buttons to its right.
struct CMultiFileEditData
{
    QGridLayout* gridLayout = nullptr;
    QHBoxLayout* horizontalLayout = nullptr;
    QListWidget* m_wSelectedPaths = nullptr;
    QVBoxLayout* verticalLayout = nullptr;
    QPushButton* pushButton = nullptr;
    QPushButton* pushButton_2 = nullptr;
    QSpacerItem* verticalSpacer = nullptr;

    /// Builds the children on pwForm and connects the buttons to its slots
    /// _OnAddButtonClicked() and _OnRemoveButtonClicked().
    void setupUi(QWidget* pwForm);
    void retranslateUi(QWidget* pwForm);
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
