#pragma once

#include "TranslatedText.h"

class QWidget;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// Gives a widget of an editor's form the name that screen readers and UI-test tools read and,
/// when pszToolTip is given, a tooltip and a description that says what the widget does
/// (without one, screen readers would hear the tooltip, the name again). Icon-only buttons need
/// all three: they have no text of their own to be named or recognised by.
void SetAccessibleTexts(QWidget* pw, const char* pszName, const char* pszToolTip = nullptr,
                        const char* pszDescription = nullptr);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
