#include "BandSpec.h"

namespace Varo::Fenra::Strings
{

namespace
{

// Where the band specifier starts, or the entry's size when it has none.
std::string::size_type BandSpecStart(const std::string& rsEntry)
{
    if (rsEntry.empty() || rsEntry.back() != ']')
    {
        return rsEntry.size();
    }
    const std::string::size_type nOpen = rsEntry.rfind('[');
    if (nOpen == std::string::npos || nOpen == 0)
    {
        return rsEntry.size();
    }
    const std::string::size_type nClose = rsEntry.size() - 1;
    if (rsEntry.find_first_not_of("0123456789,- ", nOpen + 1) != nClose)
    {
        return rsEntry.size();
    }
    return nOpen;
}

} // namespace

std::string GetBandSpec(const std::string& rsEntry)
{
    return rsEntry.substr(BandSpecStart(rsEntry));
}

std::string StripBandSpec(const std::string& rsEntry)
{
    return rsEntry.substr(0, BandSpecStart(rsEntry));
}

} // namespace Varo::Fenra::Strings
