#pragma once

#include <ZuRaradirIzurodudoz/MultiFileEdit.h>
#include <ZuRaradirIzurodudoz/ZuRaradirIzurodudozFormsExport.h>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

/**
 * The multi-file edit as Qt Designer sets it up: the list of paths as a property. Setting it
 * works like OnUpdateSelection(): it emits nothing, and an empty list keeps the entries. The
 * mode flags are fixed at construction: a form's edit asks for files to write to and offers no
 * band specifiers. Everything else is the library's CMultiFileEdit, which application code
 * keeps using (this class is one).
 */
class ZRI_FORMS_EXPORT CMultiFileEdit : public ZuRaradirIzurodudoz::CMultiFileEdit
{
    Q_OBJECT
    Q_PROPERTY(QStringList selection READ selection WRITE setSelection)

public:
    /// The library class that this form class is.
    using Base = ZuRaradirIzurodudoz::CMultiFileEdit;

    /// Like the library's widget with the parent alone.
    explicit CMultiFileEdit(QWidget* parent = nullptr);
    ~CMultiFileEdit() override;

    /// The entries as the list shows them, in row order.
    QStringList selection() const;
    /// Sets the property selection through the library's setter.
    void setSelection(const QStringList& selection) { OnUpdateSelection(selection); }
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
