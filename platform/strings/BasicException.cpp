#include "BasicException.h"

namespace Varo::Fenra
{

CBasicException::CBasicException(const std::string& rsFile, int nLine, const std::string& rsMessage,
                                 int nCode, const std::string& rsText)
{
    AddEntry(rsFile, nLine, rsMessage, nCode, rsText);
}

void CBasicException::AddEntry(const std::string& rsFile, int nLine, const std::string& rsMessage,
                               int nCode, const std::string& rsText)
{
    m_Entries.push_back(SEntry{rsFile, nLine, rsMessage, nCode, rsText});
}

} // namespace Varo::Fenra
