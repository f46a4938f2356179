// The reader takes what the translator's file writer produces and what people make of such a
// file in an editor of their own: LF or CR LF line ends, a missing final line end, a UTF-8 byte
// order mark, blanks and tabs before, between and after the items of a line, blank lines
// anywhere, the settings in any order, raw tabs and apostrophes inside quoted texts, and entries
// in any order. Everything else is refused with the number of the line that cannot be read.
//
// Some readable files say a thing twice; the reader decides as a translator would expect and
// notes the line (STranslationTable::m_Notes), so that the registry keeps a copy of the file
// before it is written again in the one form the writer knows:
// - two entries for one source text with different translations: the later one counts (a
//   correction is added below the original); the same translation twice is no note;
// - a second BaseModules line: its names follow those of the first, nothing is dropped;
// - ModuleName or Language given again: the later one counts.
#include "TranslatorRegistry.h"

#include <boost/filesystem/fstream.hpp>
#include <boost/filesystem/path.hpp>

#include <iterator>
#include <map>

namespace Varo::Fenra::Internationalisation
{

namespace
{

const char kByteOrderMark[] = "\xEF\xBB\xBF";

// Walks the text line by line and the current line item by item; the first failure is kept.
class CLineParser
{
public:
    explicit CLineParser(const std::string& text) : m_Text(text)
    {
        if (m_Text.compare(0, 3, kByteOrderMark) == 0)
            m_nNext = 3;
    }

    /// Takes the next line that is not blank; false at the end of the text.
    bool NextLine()
    {
        for (;;)
        {
            m_nLine++;
            m_nPos = 0;
            m_Line.clear();
            if (m_nNext >= m_Text.size())
                return false;
            std::size_t end = m_Text.find('\n', m_nNext);
            if (end == std::string::npos)
                end = m_Text.size();
            m_Line.assign(m_Text, m_nNext, end - m_nNext);
            if (!m_Line.empty() && m_Line.back() == '\r')
                m_Line.pop_back();
            m_nNext = end + 1;
            if (!AtLineEnd(false))
                return true;
        }
    }

    /// The next line must consist of the word alone.
    bool ExpectLine(const char* word)
    {
        const std::string expected = std::string("expected \"") + word + "\"";
        if (!NextLine())
            return Fail(expected + ", found the end of the file");
        return (Word(word) && AtLineEnd(false)) || Fail(expected);
    }

    /// Takes word when it comes next (blanks before it are skipped).
    bool Word(const char* word)
    {
        SkipBlanks();
        const std::size_t length = std::char_traits<char>::length(word);
        if (m_Line.compare(m_nPos, length, word) != 0)
            return false;
        m_nPos += length;
        return true;
    }

    bool ExpectWord(const char* word)
    {
        return Word(word) || Fail(std::string("expected \"") + word + "\" at column " + Column());
    }

    /// A text in double quotes with the writer's escapes undone.
    bool Quoted(std::string& value)
    {
        if (!Word("\""))
            return Fail("expected a quoted text at column " + Column());
        value.clear();
        while (m_nPos < m_Line.size())
        {
            const char c = m_Line[m_nPos++];
            if (c == '"')
                return true;
            if (c != '\\')
            {
                value += c;
                continue;
            }
            if (m_nPos >= m_Line.size())
                break;
            const char escape = Unescape(m_Line[m_nPos++]);
            if (escape == 0)
                return Fail("unknown escape at column " + std::to_string(m_nPos - 1));
            value += escape;
        }
        return Fail("unterminated quoted string");
    }

    /// Whether only blanks are left on the line; with bRequired a failure when not.
    bool AtLineEnd(bool bRequired = true)
    {
        SkipBlanks();
        if (m_nPos == m_Line.size())
            return true;
        return bRequired ? Fail("unexpected text at column " + Column()) : false;
    }

    bool Fail(const std::string& message)
    {
        if (m_Error.empty())
            m_Error = "line " + std::to_string(m_nLine) + ": " + message;
        return false;
    }

    /// Keeps a note about the current line.
    void Note(const std::string& message)
    {
        m_Notes.push_back("line " + std::to_string(m_nLine) + ": " + message);
    }

    std::size_t Line() const { return m_nLine; }
    const std::string& GetError() const { return m_Error; }
    std::vector<std::string>& GetNotes() { return m_Notes; }
    bool HasFailed() const { return !m_Error.empty(); }

private:
    static char Unescape(char escape)
    {
        switch (escape)
        {
        case 'b':
            return '\b';
        case 't':
            return '\t';
        case 'n':
            return '\n';
        case 'f':
            return '\f';
        case 'r':
            return '\r';
        case '"':
        case '\'':
        case '\\':
            return escape;
        default:
            return 0;
        }
    }

    void SkipBlanks()
    {
        while (m_nPos < m_Line.size() && (m_Line[m_nPos] == ' ' || m_Line[m_nPos] == '\t'))
            m_nPos++;
    }

    std::string Column() const { return std::to_string(m_nPos + 1); }

    const std::string& m_Text;
    std::size_t m_nNext = 0;
    std::size_t m_nLine = 0;
    std::string m_Line;
    std::size_t m_nPos = 0;
    std::string m_Error;
    std::vector<std::string> m_Notes;
};

// Lines of the settings seen so far, to tell where an earlier one of a kind stands.
struct SSettingLines
{
    std::size_t nModuleName = 0;
    std::size_t nLanguage = 0;
    std::size_t nBaseModules = 0;
};

// Notes a setting given again; returns whether it was.
void NoteRepeated(CLineParser& parser, std::size_t& nEarlier, const char* what, const char* rule)
{
    if (nEarlier != 0)
        parser.Note(std::string("a second ") + what + " line (the first is line " +
                    std::to_string(nEarlier) + "); " + rule);
    nEarlier = parser.Line();
}

bool ParseQuotedSetting(CLineParser& parser, std::string& value)
{
    return parser.ExpectWord("(") && parser.Quoted(value) && parser.ExpectWord(")") &&
           parser.AtLineEnd();
}

// ModuleName("..."), Language("...") or BaseModules( "...", ... ).
bool ParseSetting(CLineParser& parser, STranslationTable& table, SSettingLines& lines)
{
    if (parser.Word("ModuleName"))
    {
        NoteRepeated(parser, lines.nModuleName, "ModuleName", "the later one counts");
        table.m_nModuleNameLine = parser.Line();
        return ParseQuotedSetting(parser, table.m_ModuleName);
    }
    if (parser.Word("Language"))
    {
        NoteRepeated(parser, lines.nLanguage, "Language", "the later one counts");
        table.m_nLanguageLine = parser.Line();
        return ParseQuotedSetting(parser, table.m_Language);
    }
    if (!parser.Word("BaseModules"))
        return parser.Fail("expected ModuleName, Language, BaseModules or \")\"");
    NoteRepeated(parser, lines.nBaseModules, "BaseModules", "its names follow the first's");
    if (!parser.ExpectWord("("))
        return false;
    for (bool bFirst = true; !parser.Word(")"); bFirst = false)
    {
        if (!bFirst && !parser.ExpectWord(","))
            return false;
        std::string name;
        if (!parser.Quoted(name))
            return false;
        table.m_BaseModuleNames.push_back(name);
    }
    return parser.AtLineEnd();
}

bool ParseSettings(CLineParser& parser, STranslationTable& table)
{
    if (!parser.ExpectLine("TF(0001)") || !parser.ExpectLine("Settings") || !parser.ExpectLine("("))
        return false;
    SSettingLines lines;
    for (;;)
    {
        if (!parser.NextLine())
            return parser.Fail("expected \")\", found the end of the file");
        if (parser.Word(")"))
            return parser.AtLineEnd();
        if (!ParseSetting(parser, table, lines))
            return false;
    }
}

// The later of two entries for one text counts: a translator adds a correction below.
void AddEntry(CLineParser& parser, STranslationTable& table, const std::string& text,
              const std::string& translation, std::map<std::string, std::size_t>& entryLines)
{
    const auto [it, bNew] = table.m_Translations.emplace(text, translation);
    if (!bNew && it->second != translation)
    {
        parser.Note("a second entry for the text of line " + std::to_string(entryLines[text]) +
                    "; the later one counts");
        it->second = translation;
    }
    entryLines[text] = parser.Line();
}

bool ParseTranslations(CLineParser& parser, STranslationTable& table)
{
    if (!parser.ExpectLine("Translations") || !parser.ExpectLine("("))
        return false;
    std::map<std::string, std::size_t> entryLines;
    for (;;)
    {
        if (!parser.NextLine())
            return parser.Fail("expected \")\", found the end of the file");
        if (parser.Word(")"))
            break;
        std::string text;
        std::string translation;
        if (!parser.Quoted(text) || !parser.ExpectWord("=") || !parser.Quoted(translation) ||
            !parser.AtLineEnd())
            return false;
        AddEntry(parser, table, text, translation, entryLines);
    }
    if (!parser.AtLineEnd())
        return false;
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
    parsed.m_Notes = std::move(parser.GetNotes());
    table = std::move(parsed);
    return true;
}

bool ReadTranslationFile(const std::string& path, STranslationTable& table, std::string& error)
{
    boost::filesystem::ifstream stream(boost::filesystem::path(path),
                                       std::ios::in | std::ios::binary);
    if (!stream)
    {
        error = "cannot be opened";
        return false;
    }
    const std::string text((std::istreambuf_iterator<char>(stream)),
                           std::istreambuf_iterator<char>());
    if (stream.bad())
    {
        error = "cannot be read";
        return false;
    }
    return ParseTranslationText(text, table, error);
}

} // namespace Varo::Fenra::Internationalisation
