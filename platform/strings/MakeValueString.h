#pragma once

#include "FenraStringsExport.h"

#include <string>

namespace Varo::Fenra::Strings
{

/// Formatting parameters of a value dump. Callers default-construct one for every top-level
/// conversion; nested records pass a copy shifted by one level per nesting.
struct FENRA_STRINGS_EXPORT SMakeValueStringParameter
{
public:
    SMakeValueStringParameter() = default;

    /// A copy indented by nLevels further levels.
    SMakeValueStringParameter GetIndentShift(int nLevels) const;
    int GetIndentLevel() const { return m_nIndentLevel; }

private:
    int m_nIndentLevel = 0;
};

/// The text enclosed in double quotes; a quote or a backslash inside it gets a backslash in
/// front, so the quoted text reads back unambiguously. Other characters stay as they are.
FENRA_STRINGS_EXPORT std::string MakeQuotedString(const std::string& rsText);

namespace Detail
{

/// The separator that starts a new element of a dump at the parameter's indentation: nothing
/// at level 0 (the dump stays on one line), else a line break and four blanks per level.
FENRA_STRINGS_EXPORT std::string _GetIndentString(const SMakeValueStringParameter& rParameter);

/// Value-to-text functor; owners of a type add their own specialisations.
template <typename T> struct SMakeValueStringImpl;

/// Decimal text.
template <> struct FENRA_STRINGS_EXPORT SMakeValueStringImpl<int>
{
    std::string operator()(int nValue, const SMakeValueStringParameter& rParameter) const;
};

/// Decimal text.
template <> struct FENRA_STRINGS_EXPORT SMakeValueStringImpl<unsigned int>
{
    std::string operator()(unsigned int nValue, const SMakeValueStringParameter& rParameter) const;
};

/// Decimal text of the number, never the character ("65", not "A").
template <> struct FENRA_STRINGS_EXPORT SMakeValueStringImpl<unsigned char>
{
    std::string operator()(unsigned char nValue, const SMakeValueStringParameter& rParameter) const;
};

/// Six significant digits in the shorter of fixed and exponent notation, without trailing
/// zeros or a trailing point: "0", "10", "100", "33.3333", "2.5", "1e+07". The text never
/// depends on the locale.
template <> struct FENRA_STRINGS_EXPORT SMakeValueStringImpl<double>
{
    std::string operator()(double dValue, const SMakeValueStringParameter& rParameter) const;
};

} // namespace Detail

} // namespace Varo::Fenra::Strings
