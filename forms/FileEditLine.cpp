#include "FileEditLine.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

CFileEditLine::CFileEditLine(QWidget* parent) : Base(parent) {}

CFileEditLine::~CFileEditLine() = default;

QString CFileEditLine::path() const
{
    // The library's getter only reads the line edit, though it is not declared const.
    return const_cast<CFileEditLine*>(this)->GetCurrentPath();
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
