#pragma once

// A deliberately plain reader of the logger words, written from the word lists alone, against
// which the library's grammar-based parser is checked by the fuzz target.

#include <cctype>
#include <string>
#include <vector>

namespace ZriReference
{

/// Every accepted word, spelled out; the index in the list is the value.
inline const std::vector<std::vector<std::string>> kLoggerTypeWords = {
    {"none", "non", "no"},
    {"gui", "gu", "g"},
    {"stdout", "stdou", "stdo", "std", "st", "s"},
    {"file", "fil", "fi", "f"},
    {"console", "consol", "conso", "cons", "con", "co", "c"},
    {"network", "networ", "netwo", "netw", "net", "ne"},
};

inline const std::vector<std::vector<std::string>> kVerbosityWords = {
    {"none", "non", "no", "n"},          {"fatal", "fata", "fat", "fa", "f"},
    {"error", "erro", "err", "er", "e"}, {"warning", "warnin", "warni", "warn", "war", "wa", "w"},
    {"info", "inf", "in", "i"},          {"log", "lo", "l"},
    {"debug", "debu", "deb", "de", "d"}, {"trace", "trac", "tra", "tr", "t"},
};

enum EOutcome
{
    Parsed,
    NoMatch,
    TrailingText,
};

struct SResult
{
    EOutcome eOutcome = NoMatch;
    int nValue = 0;
    std::string sRest; ///< the text from where reading stopped (failures only)
    std::string sText; ///< the text that was read: the input up to its first zero character
};

inline SResult Parse(const std::vector<std::vector<std::string>>& words, const std::string& input,
                     bool bSkipSpaces)
{
    SResult result;
    result.sText = input.substr(0, input.find('\0'));
    const std::string& text = result.sText;
    std::size_t nPos = 0;
    const auto skip = [&]
    {
        while (bSkipSpaces && nPos < text.size() && std::isspace((unsigned char)text[nPos]))
            ++nPos;
    };
    skip();
    std::size_t nBest = 0;
    for (std::size_t nValue = 0; nValue < words.size(); ++nValue)
        for (const std::string& word : words[nValue])
        {
            if (word.size() <= nBest || text.size() - nPos < word.size())
                continue;
            bool bEqual = true;
            for (std::size_t i = 0; i < word.size() && bEqual; ++i)
                bEqual = std::tolower((unsigned char)text[nPos + i]) == word[i];
            if (bEqual)
            {
                nBest = word.size();
                result.nValue = int(nValue);
            }
        }
    if (nBest == 0)
    {
        result.sRest = text.substr(nPos);
        return result;
    }
    nPos += nBest;
    skip();
    result.eOutcome = nPos == text.size() ? Parsed : TrailingText;
    result.sRest = text.substr(nPos);
    if (result.eOutcome == Parsed)
        result.sRest.clear();
    return result;
}

} // namespace ZriReference
