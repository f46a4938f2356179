#pragma once

#include "LoggerDefinitionRecord.h"
#include "MakeValue.h"
#include "Translate.h"

#include <boost/spirit/include/classic_actions.hpp>
#include <boost/spirit/include/classic_core.hpp>
#include <boost/spirit/include/classic_grammar.hpp>
#include <boost/spirit/include/classic_symbols.hpp>

#include <cstddef>
#include <string>

// Parsing of the logger enumerations: MakeValue<ELoggerType> and MakeValue<_EVerbosityLevel>.

namespace Varo::Fenra::Progress
{

namespace Detail
{

/// One value's word: the word itself and every leading part of it down to m_nShortest letters
/// is accepted, in any letter case.
struct SAcceptedWord
{
    const char* m_pWord;
    std::size_t m_nShortest;
};

template <typename T> struct SAcceptedWords;

template <> struct SAcceptedWords<ELoggerType>
{
    // "n" alone is refused: it would be ambiguous between "none" and "network".
    static constexpr SAcceptedWord kWords[] = {{"none", 2}, {"gui", 1},     {"stdout", 1},
                                               {"file", 1}, {"console", 1}, {"network", 2}};
};

template <> struct SAcceptedWords<_EVerbosityLevel>
{
    static constexpr SAcceptedWord kWords[] = {{"none", 1},    {"fatal", 1}, {"error", 1},
                                               {"warning", 1}, {"info", 1},  {"log", 1},
                                               {"debug", 1},   {"trace", 1}};
};

} // namespace Detail
} // namespace Varo::Fenra::Progress

namespace Varo::Fenra::Strings::Detail
{

/**
 * The single rule of both logger enumerations: the longest accepted word that starts the text,
 * compared case-insensitively, stores its value into the result. The word table is built with
 * every grammar object, so a parse shares nothing with other calls or threads.
 */
template <typename T> struct SEnumerationWordGrammar : boost::spirit::classic::grammar<SGrammar<T>>
{
    explicit SEnumerationWordGrammar(T& result) : m_rResult(result) {}

    /// The parse error format goes through the library's translator.
    static const std::string& Translate(const char* text)
    {
        return Internationalisation::Translate(text);
    }

    template <typename ScannerT> struct definition
    {
        explicit definition(const SGrammar<T>& self)
        {
            namespace spirit = boost::spirit::classic;
            for (const Progress::Detail::SAcceptedWord& word :
                 Progress::Detail::SAcceptedWords<T>::kWords)
            {
                const T eValue = T(&word - std::begin(Progress::Detail::SAcceptedWords<T>::kWords));
                const std::string full = word.m_pWord;
                for (std::size_t nLength = full.size(); nLength >= word.m_nShortest; --nLength)
                    m_Words.add(full.data(), full.data() + nLength, eValue);
            }
            // inhibit_case lower-cases the input, which is why the table holds lower-case words.
            m_Start = spirit::as_lower_d[m_Words[spirit::assign_a(self.m_rResult)]];
        }

        const boost::spirit::classic::rule<ScannerT>& start() const { return m_Start; }

        boost::spirit::classic::symbols<T> m_Words;
        boost::spirit::classic::rule<ScannerT> m_Start;
    };

    T& m_rResult;
};

template <> struct SGrammar<Progress::ELoggerType> : SEnumerationWordGrammar<Progress::ELoggerType>
{
    explicit SGrammar(Progress::ELoggerType& result) : SEnumerationWordGrammar(result) {}
};

template <>
struct SGrammar<Progress::_EVerbosityLevel> : SEnumerationWordGrammar<Progress::_EVerbosityLevel>
{
    explicit SGrammar(Progress::_EVerbosityLevel& result) : SEnumerationWordGrammar(result) {}
};

} // namespace Varo::Fenra::Strings::Detail
