#include "MakeValueString.h"

#include <locale>
#include <sstream>

namespace Varo::Fenra::Strings
{

SMakeValueStringParameter SMakeValueStringParameter::GetIndentShift(int nLevels) const
{
    SMakeValueStringParameter shifted(*this);
    shifted.m_nIndentLevel += nLevels;
    return shifted;
}

std::string MakeQuotedString(const std::string& rsText)
{
    std::string quoted;
    quoted.reserve(rsText.size() + 2);
    quoted += '"';
    for (const char c : rsText)
    {
        if (c == '"' || c == '\\')
        {
            quoted += '\\';
        }
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

namespace Detail
{

std::string _GetIndentString(const SMakeValueStringParameter& rParameter)
{
    if (rParameter.GetIndentLevel() <= 0)
    {
        return std::string();
    }
    return "\n" + std::string(4 * static_cast<std::size_t>(rParameter.GetIndentLevel()), ' ');
}

std::string SMakeValueStringImpl<int>::operator()(int nValue,
                                                  const SMakeValueStringParameter&) const
{
    return std::to_string(nValue);
}

std::string SMakeValueStringImpl<unsigned int>::operator()(unsigned int nValue,
                                                           const SMakeValueStringParameter&) const
{
    return std::to_string(nValue);
}

std::string SMakeValueStringImpl<unsigned char>::operator()(unsigned char nValue,
                                                            const SMakeValueStringParameter&) const
{
    return std::to_string(static_cast<unsigned int>(nValue));
}

std::string SMakeValueStringImpl<double>::operator()(double dValue,
                                                     const SMakeValueStringParameter&) const
{
    if (dValue == 0.0)
    {
        return "0"; // also for -0.0, which would read "-0" on a ruler
    }
    // A stream with the classic locale: snprintf would follow the C locale, which a Qt
    // application sets from the environment (a decimal comma in many languages).
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream.precision(6);
    stream << dValue;
    return stream.str();
}

} // namespace Detail

} // namespace Varo::Fenra::Strings
