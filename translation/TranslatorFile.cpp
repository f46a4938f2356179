#include "TranslatorFile.h"
#include "TranslationQuoting.h"
#include "TranslatorData.h"

#include <boost/filesystem/fstream.hpp>
#include <boost/filesystem/path.hpp>

#include <ostream>

namespace Varo::Fenra::Internationalisation
{

namespace Detail
{

std::string QuoteTranslationString(const std::string& text)
{
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    for (const char c : text)
    {
        switch (c)
        {
        case '\b':
            quoted += "\\b";
            break;
        case '\t':
            quoted += "\\t";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\f':
            quoted += "\\f";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '"':
            quoted += "\\\"";
            break;
        case '\'':
            quoted += "\\'";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        default:
            quoted += c;
            break;
        }
    }
    quoted += '"';
    return quoted;
}

} // namespace Detail

CTranslatorFile::CTranslatorFile(const std::string& path) : m_Path(path) {}

CTranslatorFile::~CTranslatorFile() = default;

bool CTranslatorFile::Write(const CTranslatorData& data)
{
    using Detail::QuoteTranslationString;
    // Text mode: the platform's line end. A stream that failed to open skips every write.
    boost::filesystem::ofstream stream(boost::filesystem::path(m_Path),
                                       std::ios::out | std::ios::trunc);
    stream << "TF(0001)" << std::endl;
    stream << "Settings" << std::endl;
    stream << "(" << std::endl;
    stream << "\tModuleName(" << QuoteTranslationString(data.GetModuleName()) << ")" << std::endl;
    stream << "\tLanguage(" << QuoteTranslationString(data.GetLanguage()) << ")" << std::endl;
    stream << "\tBaseModules( ";
    for (std::uint32_t index = 0; index < data.GetBaseModuleCount(); index++)
    {
        if (index > 0)
            stream << ", ";
        stream << QuoteTranslationString(data.GetBaseModule(index).GetModuleName());
    }
    stream << " )" << std::endl;
    stream << ")" << std::endl;
    stream << "Translations" << std::endl;
    stream << "(" << std::endl;
    for (const auto& [text, translation] : data.GetTranslations())
        stream << QuoteTranslationString(text) << "=" << QuoteTranslationString(translation)
               << std::endl;
    stream << ")" << std::endl;
    return !stream.fail();
}

} // namespace Varo::Fenra::Internationalisation
