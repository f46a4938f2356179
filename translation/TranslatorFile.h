#pragma once

#include "ZuRaradirIzurodudozExport.h"

#include <string>

namespace Varo::Fenra::Internationalisation
{

class CTranslatorData;

/// Writes the tables of one module as a translation file: a tag line, the settings (module
/// name, language, base module names) and one line per own entry, every string quoted.
class ZRI_EXPORT CTranslatorFile
{
public:
    explicit CTranslatorFile(const std::string& path);
    virtual ~CTranslatorFile();

    /// Replaces the file with data's tables; false when the file could not be created or
    /// written. The directory is never created.
    bool Write(const CTranslatorData& data);

private:
    std::string m_Path;
};

} // namespace Varo::Fenra::Internationalisation
