#pragma once

#include "ZuRaradirIzurodudozExport.h"

#include <string>

namespace Varo::Fenra::Internationalisation
{

/// The translation of text (up to its terminating zero) in this library's translator; unknown
/// texts come back unchanged and are recorded. The reference stays valid while the library is
/// loaded.
ZRI_EXPORT const std::string& Translate(const char* text);

/// The translation of text when this library's translator knows one, else text itself. Records
/// nothing: texts that only a screen reader or a hover asks for (accessible names, descriptions,
/// tooltips) never make the library write a translation file.
ZRI_EXPORT std::string TranslateKnown(const char* text);

} // namespace Varo::Fenra::Internationalisation
