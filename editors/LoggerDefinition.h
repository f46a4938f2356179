#pragma once

#include "MakeValue.h"
#include "MakeValueString.h"
#include "Translator.h"

#include <boost/spirit/include/classic_actions.hpp>
#include <boost/spirit/include/classic_core.hpp>
#include <boost/spirit/include/classic_grammar.hpp>
#include <boost/spirit/include/classic_symbols.hpp>

#include <cstddef>
#include <cstdint>
#include <string>

namespace Varo::Fenra::Progress
{

/// Kind of sink that log output goes to. Values outside the list are kept as they are.
enum ELoggerType : std::int32_t
{
    LoggerNone = 0,
    LoggerGui = 1,
    LoggerStdout = 2,
    LoggerFile = 3,
    LoggerConsole = 4,
    LoggerNetwork = 5,
};

/// Verbosity of a logger, from least to most verbose.
enum _EVerbosityLevel : std::int32_t
{
    VerbosityNone = 0,
    VerbosityFatal = 1,
    VerbosityError = 2,
    VerbosityWarning = 3,
    VerbosityInfo = 4,
    VerbosityLog = 5,
    VerbosityDebug = 6,
    VerbosityTrace = 7,
};

/// Where and how verbosely an application logs. A plain value type.
class CLoggerDefinition
{
public:
    /// Where the log goes.
    ELoggerType m_eType = LoggerNone;
    /// How much is logged.
    _EVerbosityLevel m_eLevel = VerbosityInfo;
    /// A file path for "file", a free name for "network"; unused by the other types.
    std::string m_sName;
    /// Used by "network" only.
    int m_nPort = 5432;
};

inline bool operator==(const CLoggerDefinition& left, const CLoggerDefinition& right)
{
    return left.m_eType == right.m_eType && left.m_eLevel == right.m_eLevel &&
           left.m_sName == right.m_sName && left.m_nPort == right.m_nPort;
}

inline bool operator!=(const CLoggerDefinition& left, const CLoggerDefinition& right)
{
    return !(left == right);
}

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

/// The name of a value in a table indexed by the value, or the fallback outside it.
template <std::size_t N>
std::string _NameOf(std::int32_t nValue, const char* const (&names)[N], const char* pFallback)
{
    return nValue >= 0 && std::size_t(nValue) < N ? names[nValue] : pFallback;
}

template <> struct SMakeValueStringImpl<Progress::ELoggerType>
{
    /// The lower-case name of the type; "unknown" outside the enumeration.
    std::string operator()(Progress::ELoggerType eValue, const SMakeValueStringParameter&) const
    {
        static const char* const kNames[] = {"none", "gui", "stdout", "file", "console", "network"};
        return _NameOf(eValue, kNames, "unknown");
    }
};

template <> struct SMakeValueStringImpl<Progress::_EVerbosityLevel>
{
    /// The capitalised name of the level; "Unknown" outside the enumeration.
    std::string operator()(Progress::_EVerbosityLevel eValue,
                           const SMakeValueStringParameter&) const
    {
        static const char* const kNames[] = {"None", "Fatal", "Error", "Warning",
                                             "Info", "Log",   "Debug", "Trace"};
        return _NameOf(eValue, kNames, "Unknown");
    }
};

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
