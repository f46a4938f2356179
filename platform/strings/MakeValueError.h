#pragma once

#include "MakeValueException.h"

#include <string>
#include <typeinfo>

// Helpers of MakeValue (MakeValue.h), kept apart so that the parse template stays short.
namespace Varo::Fenra::Strings::Detail
{

template <typename T> struct SGrammar;

/// The first position at or after p that std::isspace does not classify as white space.
FENRA_STRINGS_EXPORT const char* _SkipSpaces(const char* p, const char* pEnd);
/// The parse error of MakeValue: one entry at the given place, code 0, no further text.
FENRA_STRINGS_EXPORT CMakeValueException _MakeParseError(const char* pFile, int nLine,
                                                         const std::string& rsFormat,
                                                         const std::type_info& rType,
                                                         const std::string& rsText,
                                                         const char* pRest);

/// The parse error of T, with the error format translated by the owner of T.
template <typename T>
CMakeValueException _ParseError(const char* pFile, int nLine, const std::string& rsText,
                                const char* pRest)
{
    const char* const pFormat = "Error parsing %1% from \"%2%\" at position \"%3%\"";
    return _MakeParseError(pFile, nLine, SGrammar<T>::Translate(pFormat), typeid(T), rsText, pRest);
}

} // namespace Varo::Fenra::Strings::Detail
