#include "MakeValue.h"

#include <boost/format.hpp>

#include <cctype>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>

namespace Varo::Fenra::Strings::Detail
{

namespace
{

std::string DemangledName(const std::type_info& rType)
{
    int nStatus = 0;
    const std::unique_ptr<char, void (*)(void*)> pName(
        abi::__cxa_demangle(rType.name(), nullptr, nullptr, &nStatus), std::free);
    return nStatus == 0 && pName ? std::string(pName.get()) : std::string(rType.name());
}

} // namespace

const char* _SkipSpaces(const char* p, const char* pEnd)
{
    while (p != pEnd && std::isspace(static_cast<unsigned char>(*p)))
    {
        ++p;
    }
    return p;
}

CMakeValueException _MakeParseError(const char* pFile, int nLine, const std::string& rsFormat,
                                    const std::type_info& rType, const std::string& rsText,
                                    const char* pRest)
{
    // The formatter's own errors (a translation that lost a placeholder) leave from here as
    // boost::io exceptions.
    const std::string sMessage =
        (boost::format(rsFormat) % DemangledName(rType) % rsText % std::string(pRest)).str();
    return CMakeValueException(pFile, nLine, sMessage, 0, std::string());
}

} // namespace Varo::Fenra::Strings::Detail
