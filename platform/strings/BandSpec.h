#pragma once

#include "FenraStringsExport.h"

#include <string>

namespace Varo::Fenra::Strings
{

// A file entry may end with a band specifier: a bracketed list of band numbers and ranges,
// "image.tif[1,3-5]". The specifier starts at the last '[' of the entry, which must not be the
// first character; the entry must end with ']' and the brackets may hold only digits, commas,
// hyphens and blanks (or nothing). Anything else, such as "notes[draft]", has no specifier.
// Both functions split at the same place, so StripBandSpec(x) + GetBandSpec(x) == x always.

/// The band specifier that ends the entry, brackets included; empty when there is none.
FENRA_STRINGS_EXPORT std::string GetBandSpec(const std::string& rsEntry);
/// The entry without its band specifier; the entry unchanged when it has none.
FENRA_STRINGS_EXPORT std::string StripBandSpec(const std::string& rsEntry);

} // namespace Varo::Fenra::Strings
