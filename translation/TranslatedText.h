#pragma once

#include <QString>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// text as the library's translator knows it, else text itself. Nothing is recorded: only the
/// texts of dialogs and error messages belong to the translation file the library writes, not
/// the accessible names, descriptions and tooltips that only a screen reader or a hover asks for.
QString TranslatedText(const char* pszText);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
