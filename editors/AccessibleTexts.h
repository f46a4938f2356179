#pragma once

#include <QString>

class QWidget;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// text through the library's translator, like the dialog captions.
QString TranslatedText(const char* pszText);

/// Gives a widget of an editor's form the name that screen readers and UI-test tools read and,
/// when pszToolTip is given, a tooltip; both pass through the library's translator. Icon-only
/// buttons need both: they have no text of their own to be named or recognised by.
void SetAccessibleTexts(QWidget* pw, const char* pszName, const char* pszToolTip = nullptr);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
