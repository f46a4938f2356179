#pragma once

#include "MakeValueError.h"

#include <boost/spirit/include/classic_core.hpp>

#include <string>
#include <typeinfo>

namespace Varo::Fenra::Strings
{

namespace Detail
{

/// Parse grammar of T. The owner of T specialises it as a Spirit classic grammar,
/// `struct SGrammar<T> : boost::spirit::classic::grammar<SGrammar<T>>`, with
/// - `explicit SGrammar(T& result)`, whose single rule matches the word table of T
///   (`symbols<T>` under `as_lower_d`, an inhibit_case parser; words in lower case) and stores the
///   matched value into result;
/// - `static const std::string& Translate(const char* text)`, through which MakeValue passes
///   its error format before filling it in (the owner routes it to its translator).
/// A table is built per grammar object, and MakeValue builds one grammar per call, so calls
/// from several threads need no lock. MakeValue raises its errors on lines 44 (no word
/// matched) and 50 (text after the word) of this file.
template <typename T> struct SGrammar;

} // namespace Detail

/// The value that the whole text (up to its first zero character) names by the longest
/// case-insensitive word of Detail::SGrammar<T>; with bSkipSpaces white space around the word
/// is ignored. Throws CMakeValueException when no word matches or text follows the word.
template <typename T> T MakeValue(const std::string& rsText, bool bSkipSpaces)
{
    const std::string sText(rsText.c_str());
    T result = static_cast<T>(0);
    const Detail::SGrammar<T> grammar(result);
    const char* const pEnd = sText.c_str() + sText.size();
    const char* const pStart =
        bSkipSpaces ? Detail::_SkipSpaces(sText.c_str(), pEnd) : sText.c_str();
    const auto info = boost::spirit::classic::parse(pStart, pEnd, grammar);
    if (!info.hit)
    {
        throw Detail::_ParseError<T>(__FILE__, __LINE__, sText, pStart);
    }
    // With bSkipSpaces, blanks after the word are not trailing text.
    const char* const pStop = bSkipSpaces ? Detail::_SkipSpaces(info.stop, pEnd) : info.stop;
    if (pStop != pEnd)
    {
        throw Detail::_ParseError<T>(__FILE__, __LINE__, sText, pStop);
    }
    return result;
}

} // namespace Varo::Fenra::Strings
