#pragma once

#include <QString>

/// Marks a literal that reaches the library's translator through a variable (a table of names,
/// a fallback argument), so that the check of the shipped translations finds it; like Qt's
/// QT_TR_NOOP, it expands to the literal itself.
#define ZRI_TR_NOOP(text) text

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// text as the library's translator knows it, else text itself. Nothing is recorded: only the
/// texts of dialogs and error messages belong to the translation file the library writes, not
/// the accessible names, descriptions and tooltips that only a screen reader or a hover asks for.
QString TranslatedText(const char* pszText);

/// A text of an editor's form (a label, a column header): the application's Qt translation for
/// the form's context when it loaded one that knows the text, else the library's translation
/// (TranslatedText). Nothing is recorded.
QString FormText(const char* pszContext, const char* pszText);

/// A text of a dialog the library opens: the application's Qt translation for the context when
/// it has one, else the library's, recorded like the file dialogs' captions when unknown.
QString DialogText(const char* pszContext, const char* pszText);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
