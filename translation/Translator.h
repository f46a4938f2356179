#pragma once

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

/// The translation of text (up to its terminating zero) in this library's translator; unknown
/// texts come back unchanged and are recorded. The reference stays valid while the library is
/// loaded.
ZRI_EXPORT const std::string& Translate(const char* text);

/// The translation of text when this library's translator knows one, else text itself. Records
/// nothing: texts that only a screen reader or a hover asks for (accessible names, descriptions,
/// tooltips) never make the library write a translation file.
ZRI_EXPORT std::string TranslateKnown(const char* text);

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
