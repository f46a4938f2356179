#include "ModuleFileName.h"

#include <cctype>

namespace Varo::Fenra::Internationalisation::Detail
{

namespace
{

// Whether rest is empty or a run of ".<digits>" groups, the version tail of "libX.so.1.2".
bool IsVersionTail(const std::string& rest)
{
    std::size_t pos = 0;
    while (pos < rest.size())
    {
        if (rest[pos] != '.' || pos + 1 >= rest.size() ||
            !std::isdigit(static_cast<unsigned char>(rest[pos + 1])))
            return false;
        pos++;
        while (pos < rest.size() && std::isdigit(static_cast<unsigned char>(rest[pos])))
            pos++;
    }
    return true;
}

std::string CutExtension(const std::string& name)
{
    // A shared object loaded through its versioned name ("libX.so.0") counts ".so.0" as its
    // extension, so the module keeps one name across versions and build trees.
    for (std::size_t so = name.rfind(".so"); so != std::string::npos && so > 0;
         so = name.rfind(".so", so - 1))
    {
        if (IsVersionTail(name.substr(so + 3)))
            return name.substr(0, so);
    }
    const std::size_t stop = name.rfind('.');
    return stop == std::string::npos ? name : name.substr(0, stop);
}

} // namespace

void SplitModuleFileName(const std::string& fileName, char separator, std::string& directory,
                         std::string& moduleName)
{
    const std::size_t cut = fileName.rfind(separator);
    directory = cut == std::string::npos ? fileName : fileName.substr(0, cut);
    moduleName = CutExtension(cut == std::string::npos ? fileName : fileName.substr(cut + 1));
}

} // namespace Varo::Fenra::Internationalisation::Detail
