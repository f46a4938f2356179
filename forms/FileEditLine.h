#pragma once

#include <ZuRaradirIzurodudoz/FileEditLine.h>
#include <ZuRaradirIzurodudoz/ZuRaradirIzurodudozFormsExport.h>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

/**
 * The file path edit as Qt Designer sets it up: the path as a property. Setting it emits no
 * pathChanged(), as OnPathChanged() does not. The dialog flags are fixed at construction:
 * a form's edit asks for a file to write to and keeps its path when the dialog is cancelled.
 * Everything else is the library's CFileEditLine, which application code keeps using (this
 * class is one).
 */
class ZRI_FORMS_EXPORT CFileEditLine : public ZuRaradirIzurodudoz::CFileEditLine
{
    Q_OBJECT
    Q_PROPERTY(QString path READ path WRITE setPath)

public:
    /// The library class that this form class is.
    using Base = ZuRaradirIzurodudoz::CFileEditLine;

    /// Like the library's widget with the parent alone.
    explicit CFileEditLine(QWidget* parent = nullptr);
    ~CFileEditLine() override;

    /// The property path, as the library holds it.
    QString path() const;
    /// Sets the property path through the library's setter.
    void setPath(const QString& path) { OnPathChanged(path); }
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
