// Child process of the translation tests: uses the shared library's translator and exits, so the
// test can look at what the library wrote while it was unloaded.
//   translation_unload_probe OUTPUT_DIR record|none
#include "Translator.h"
#include "TranslatorRegistry.h"

#include <cstdio>
#include <cstring>
#include <fstream>

using namespace Varo::Fenra::Internationalisation;

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const std::string directory = argv[1];
    CTranslatorRegistry::SetOutputDirectory(directory);
    for (int i = 0; std::strcmp(argv[2], "record") == 0 && i < 3; ++i)
        Translate(i == 1 ? "Select a file to write to" : "Select an existing file");
    // Nothing may be written before the library goes.
    const bool bEarly = std::ifstream(directory + "/libZuRaradirIzurodudozEnglish.trl").good();
    std::printf("%s\n", bEarly ? "written early" : "not yet written");
    return 0;
}
