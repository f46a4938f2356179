// The reader accepts exactly what the translator's file writer produces: the tag line, the two
// parenthesised sections, quoted strings with the writer's escapes (and no raw byte that the
// writer would have escaped), entries in strictly ascending byte-wise order, and lines ended by
// LF or CR LF. Apart from line ends, an accepted file is thus the writer's output of its table.
#include "TranslatorRegistry.h"

#include <boost/filesystem/fstream.hpp>
#include <boost/filesystem/path.hpp>

#include <iterator>
#include <sstream>

namespace Varo::Fenra::Internationalisation
{

namespace
{

class CLineParser
{
public:
    explicit CLineParser(const std::string& text) : m_Text(text) {}

    /// Takes the next line without its line end; false at the end of the text.
    bool NextLine()
    {
        m_nLine++;
        m_nPos = 0;
        m_Line.clear();
        if (m_nNext >= m_Text.size())
            return false;
        const std::size_t end = m_Text.find('\n', m_nNext);
        if (end == std::string::npos)
            return Fail("the line has no line end");
        m_Line.assign(m_Text, m_nNext, end - m_nNext);
        if (!m_Line.empty() && m_Line.back() == '\r')
            m_Line.pop_back();
        m_nNext = end + 1;
        return true;
    }

    /// The next line must read exactly line.
    bool ExpectLine(const char* line)
    {
        if (!NextLine())
            return Fail(std::string("expected \"") + line + "\", found the end of the file");
        if (m_Line != line)
            return Fail(std::string("expected \"") + line + "\"");
        return true;
    }

    bool Literal(const char* literal)
    {
        const std::string expected(literal);
        if (m_Line.compare(m_nPos, expected.size(), expected) != 0)
            return Fail("expected \"" + expected + "\" at column " + std::to_string(m_nPos + 1));
        m_nPos += expected.size();
        return true;
    }

    bool Peek(const char* literal) const
    {
        return m_Line.compare(m_nPos, std::char_traits<char>::length(literal), literal) == 0;
    }

    bool Quoted(std::string& value)
    {
        if (!Literal("\""))
            return false;
        value.clear();
        while (m_nPos < m_Line.size())
        {
            const char c = m_Line[m_nPos++];
            if (c == '"')
                return true;
            // The writer escapes these bytes, so a raw one is not its output.
            if (c == '\r' || c == '\b' || c == '\t' || c == '\f' || c == '\'')
                return Fail("unescaped control character or apostrophe at column " +
                            std::to_string(m_nPos));
            if (c != '\\')
            {
                value += c;
                continue;
            }
            if (m_nPos >= m_Line.size())
                break;
            const char e = m_Line[m_nPos++];
            switch (e)
            {
            case 'b':
                value += '\b';
                break;
            case 't':
                value += '\t';
                break;
            case 'n':
                value += '\n';
                break;
            case 'f':
                value += '\f';
                break;
            case 'r':
                value += '\r';
                break;
            case '"':
            case '\'':
            case '\\':
                value += e;
                break;
            default:
                return Fail("unknown escape at column " + std::to_string(m_nPos - 1));
            }
        }
        return Fail("unterminated quoted string");
    }

    bool AtLineEnd()
    {
        if (m_nPos != m_Line.size())
            return Fail("unexpected text at column " + std::to_string(m_nPos + 1));
        return true;
    }

    bool Fail(const std::string& message)
    {
        if (m_Error.empty())
            m_Error = "line " + std::to_string(m_nLine) + ": " + message;
        return false;
    }

    const std::string& GetLine() const { return m_Line; }
    const std::string& GetError() const { return m_Error; }
    bool HasFailed() const { return !m_Error.empty(); }

private:
    const std::string& m_Text;
    std::size_t m_nNext = 0;
    std::size_t m_nLine = 0;
    std::string m_Line;
    std::size_t m_nPos = 0;
    std::string m_Error;
};

bool ParseSettings(CLineParser& parser, STranslationTable& table)
{
    if (!parser.ExpectLine("TF(0001)") || !parser.ExpectLine("Settings") || !parser.ExpectLine("("))
        return false;
    if (!parser.NextLine() || !parser.Literal("\tModuleName(") ||
        !parser.Quoted(table.m_ModuleName) || !parser.Literal(")") || !parser.AtLineEnd())
        return parser.Fail("expected the module name");
    if (!parser.NextLine() || !parser.Literal("\tLanguage(") || !parser.Quoted(table.m_Language) ||
        !parser.Literal(")") || !parser.AtLineEnd())
        return parser.Fail("expected the language");
    if (!parser.NextLine() || !parser.Literal("\tBaseModules( "))
        return parser.Fail("expected the base modules");
    // "( " and " )" frame the list, so an empty list reads "(  )".
    while (!parser.Peek(" )"))
    {
        if (!table.m_BaseModuleNames.empty() && !parser.Literal(", "))
            return false;
        std::string name;
        if (!parser.Quoted(name))
            return false;
        table.m_BaseModuleNames.push_back(name);
    }
    return parser.Literal(" )") && parser.AtLineEnd() && parser.ExpectLine(")");
}

bool ParseTranslations(CLineParser& parser, STranslationTable& table)
{
    if (!parser.ExpectLine("Translations") || !parser.ExpectLine("("))
        return false;
    for (;;)
    {
        if (!parser.NextLine())
            return parser.HasFailed() ? false
                                      : parser.Fail("expected \")\", found the end of the file");
        if (parser.GetLine() == ")")
            break;
        std::string text;
        std::string translation;
        if (!parser.Quoted(text) || !parser.Literal("=") || !parser.Quoted(translation) ||
            !parser.AtLineEnd())
            return false;
        if (!table.m_Translations.empty() && !(table.m_Translations.rbegin()->first < text))
            return parser.Fail("entries are not in ascending order of their source texts");
        table.m_Translations.emplace_hint(table.m_Translations.end(), std::move(text),
                                          std::move(translation));
    }
    if (parser.NextLine())
        return parser.Fail("text after the end of the translations");
    return !parser.HasFailed();
}

} // namespace

bool ParseTranslationText(const std::string& text, STranslationTable& table, std::string& error)
{
    CLineParser parser(text);
    STranslationTable parsed;
    if (!ParseSettings(parser, parsed) || !ParseTranslations(parser, parsed))
    {
        error = parser.GetError();
        return false;
    }
    table = std::move(parsed);
    return true;
}

bool ReadTranslationFile(const std::string& path, STranslationTable& table, std::string& error)
{
    boost::filesystem::ifstream stream(boost::filesystem::path(path),
                                       std::ios::in | std::ios::binary);
    if (!stream)
    {
        error = path + ": cannot be opened";
        return false;
    }
    const std::string text((std::istreambuf_iterator<char>(stream)),
                           std::istreambuf_iterator<char>());
    if (stream.bad())
    {
        error = path + ": cannot be read";
        return false;
    }
    if (!ParseTranslationText(text, table, error))
    {
        error = path + ": " + error;
        return false;
    }
    return true;
}

} // namespace Varo::Fenra::Internationalisation
