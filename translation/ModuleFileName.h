#pragma once

#include <string>

namespace Varo::Fenra::Internationalisation::Detail
{

/// Splits a library's full file name at its last separator into directory and file name, and
/// cuts the extension off the file name. Without a separator, the directory is the whole name.
void SplitModuleFileName(const std::string& fileName, char separator, std::string& directory,
                         std::string& moduleName);

} // namespace Varo::Fenra::Internationalisation::Detail
