// Both logger word parsers against the plain reference reader beside this file. The first byte
// chooses the enumeration (bit 0: verbosity level) and whether blanks are skipped (bit 1); the
// rest is the text. Only CMakeValueException may leave a parser, and results must agree.
//   build-fuzz/fuzz/fuzz_make_value -max_total_time=120 fuzz/corpus/make_value
#include "LoggerDefinition.h"
#include "LoggerWordReference.h"

#include <cstdint>
#include <cstdlib>
#include <string>

// The parse error format passes through the translator, which has a fuzz target of its own;
// here it comes back unchanged, as an untranslated text does.
const std::string& Varo::Fenra::Internationalisation::Translate(const char* text)
{
    thread_local std::string s_Text;
    s_Text = text;
    return s_Text;
}

namespace
{

template <typename T>
void Check(const std::string& text, bool bSkip, const std::vector<std::vector<std::string>>& words,
           const char* pTypeName)
{
    const ZriReference::SResult expected = ZriReference::Parse(words, text, bSkip);
    try
    {
        const T value = Varo::Fenra::Strings::MakeValue<T>(text, bSkip);
        if (expected.eOutcome != ZriReference::Parsed || int(value) != expected.nValue)
            std::abort();
    }
    catch (const Varo::Fenra::Strings::CMakeValueException& exception)
    {
        const auto& entries = exception.GetEntries();
        const int nLine = expected.eOutcome == ZriReference::NoMatch ? 44 : 50;
        const std::string message = std::string("Error parsing ") + pTypeName + " from \"" +
                                    expected.sText + "\" at position \"" + expected.sRest + "\"";
        if (expected.eOutcome == ZriReference::Parsed || entries.size() != 1 ||
            entries[0].m_nLine != nLine || entries[0].m_Message != message ||
            entries[0].m_nCode != 0 || !entries[0].m_Text.empty())
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    if (nSize == 0)
        return 0;
    const bool bSkip = pData[0] & 2;
    const std::string text(reinterpret_cast<const char*>(pData + 1), nSize - 1);
    if (pData[0] & 1)
        Check<Varo::Fenra::Progress::_EVerbosityLevel>(text, bSkip, ZriReference::kVerbosityWords,
                                                       "Varo::Fenra::Progress::_EVerbosityLevel");
    else
        Check<Varo::Fenra::Progress::ELoggerType>(text, bSkip, ZriReference::kLoggerTypeWords,
                                                  "Varo::Fenra::Progress::ELoggerType");
    return 0;
}
