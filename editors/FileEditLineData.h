#pragma once

class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// The child widgets of a CFileEditLine, owned by its object tree: a line edit and a "..."
/// button side by side.
struct CFileEditLineData
{
    QGridLayout* gridLayout = nullptr;
    QHBoxLayout* horizontalLayout = nullptr;
    QLineEdit* m_wCurrentPath = nullptr;
    QPushButton* m_wFileDialogButton = nullptr;

    /// Builds the children on pwForm and connects them to its slots _OnFileDialogButtonClicked()
    /// and _OnEditingFinished().
    void setupUi(QWidget* pwForm);
    void retranslateUi(QWidget* pwForm);
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
