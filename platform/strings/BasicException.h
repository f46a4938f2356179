#pragma once

#include "FenraStringsExport.h"

#include <string>
#include <vector>

namespace Varo::Fenra
{

/// Base exception of the product family: a list of entries, each naming where and why it was
/// raised. It has no virtual functions and does not derive from std::exception; catchers read
/// the entries.
class FENRA_STRINGS_EXPORT CBasicException
{
public:
    /// One raise or rethrow: source file, line, message, numeric code and further text.
    struct SEntry
    {
        std::string m_File;
        int m_nLine = 0;
        std::string m_Message;
        int m_nCode = 0;
        std::string m_Text;
    };

    CBasicException() = default;
    /// An exception with a first entry.
    CBasicException(const std::string& rsFile, int nLine, const std::string& rsMessage,
                    int nCode = 0, const std::string& rsText = std::string());

    /// Appends an entry, for example when a catcher adds its own context before rethrowing.
    void AddEntry(const std::string& rsFile, int nLine, const std::string& rsMessage, int nCode = 0,
                  const std::string& rsText = std::string());
    const std::vector<SEntry>& GetEntries() const { return m_Entries; }

private:
    std::vector<SEntry> m_Entries;
};

} // namespace Varo::Fenra
