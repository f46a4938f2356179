#pragma once

#include "MakeValueString.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The logger definition record, its enumerations and their display texts. Parsing a text back
// into an enumeration value (MakeValue) needs Boost.Spirit and lives in LoggerDefinition.h.
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

} // namespace Varo::Fenra::Strings::Detail
