#pragma once

#include "ZuRaradirIzurodudozExport.h"

#include <string>

namespace Varo::Fenra::Internationalisation
{

/// The translation of text (up to its terminating zero) in this library's translator; unknown
/// texts come back unchanged and are recorded. The reference stays valid while the library is
/// loaded.
ZRI_EXPORT const std::string& Translate(const char* text);

} // namespace Varo::Fenra::Internationalisation
