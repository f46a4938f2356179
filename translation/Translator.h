#pragma once

#include "Translate.h"
#include "TranslatorBase.h"
#include "ZuRaradirIzurodudozExport.h"

#include <string>

namespace Varo::Fenra::Internationalisation
{

/// The translator of this library: one per loaded library, created by the first Translate call,
/// named after the library's file and registered with the translator registry.
class ZRI_EXPORT CTranslator : private CTranslatorBase
{
public:
    CTranslator(const std::string& directory, const std::string& moduleName);
    ~CTranslator() override;

private:
    friend const std::string& Translate(const char* text);
    friend std::string TranslateKnown(const char* text);
};

/// Creates this library's translator unless it exists.
ZRI_EXPORT void EnsureTranslator();

/// The directory and the name (file name without extension) of the library file that holds
/// this code; both empty when the file cannot be found.
ZRI_EXPORT void LocateModule(std::string& directory, std::string& moduleName);

/// directory + "/" + moduleName + language + ".trl", with every "//" collapsed to "/".
ZRI_EXPORT std::string MakeTranslationFilePath(const std::string& directory,
                                               const std::string& moduleName,
                                               const std::string& language);

} // namespace Varo::Fenra::Internationalisation
