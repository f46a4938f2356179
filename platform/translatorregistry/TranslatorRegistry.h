#pragma once

#include "FenraTranslatorRegistryExport.h"

#include <cstddef>
#include <list>
#include <map>
#include <string>
#include <vector>

namespace Varo::Fenra::Internationalisation
{

/// The tables of one module as read from a translation file, with the tables of the modules it
/// builds on. Plain data of the registry: the translator copies what it needs.
struct STranslationTable
{
    std::string m_ModuleName;
    std::string m_Language;
    /// Names on the file's base module line, in file order.
    std::vector<std::string> m_BaseModuleNames;
    /// Source text to translation, in byte-wise order of the source text.
    std::map<std::string, std::string> m_Translations;
    /// The tables of the named base modules, in the same order; filled by the registry.
    std::list<STranslationTable> m_BaseModules;
    /// Line of the ModuleName setting; 0 when the file has none.
    std::size_t m_nModuleNameLine = 0;
    /// What the reader took otherwise than the file says it, one "line N: ..." each: a text a
    /// rewrite of the file would lose (an entry or setting given twice) or change in form.
    std::vector<std::string> m_Notes;
};

/// What the registry needs of a translator. The translator implements it and passes itself to
/// Register, so the registry never needs the translator's own library: the link dependency runs
/// from the translator to the registry only. Every call takes the translator's own lock.
class CTranslatorRegistryClient
{
public:
    virtual std::string GetModuleDirectory() = 0;
    virtual std::string GetModuleName() = 0;
    /// The language in which the translator's texts are recorded and written.
    virtual void SetLanguage(const std::string& language) = 0;
    /// Adds the table's translations (not counted as new texts) and its base modules.
    virtual void LoadTable(const STranslationTable& table) = 0;
    /// Where the translation file goes instead of the module's directory (empty: no change).
    virtual void SetOutputDirectory(const std::string& directory) = 0;

protected:
    ~CTranslatorRegistryClient() = default;
};

/// The process-wide list of module translators. A translator registers itself when it is
/// created; the registry then gives it the current language and fills its tables from
/// <module directory>/<module name><language>.trl when that file exists.
///
/// A translation file that cannot be read is never written over: the registry renames it beside
/// itself (<file>.unreadable, or .unreadable.2 and so on when earlier copies are kept), so that
/// the translator starts with empty tables and writes a new file at its place. When the file
/// cannot be renamed, it stays where it is and the translator writes no file at all. Either way
/// one line on stderr names the file, the reason and what became of it.
///
/// A readable file that the reader took with notes (see ParseTranslationText) is copied beside
/// itself before the translator may write it again (<file>.kept, or .kept.2 and so on; a copy
/// with the same bytes is not made twice), and each note goes to stderr as one line naming the
/// file, the line and the copy. When no copy can be made, the translator writes no file.
///
/// A base module is always known by the name its user lists: when its own file gives another
/// ModuleName, or none, the listed name is kept (the link must survive the next rewrite) and
/// one line tells both names.
class FENRA_TRANSLATOR_REGISTRY_EXPORT CTranslatorRegistry
{
public:
    static void Register(CTranslatorRegistryClient* pTranslator);
    static void Unregister(CTranslatorRegistryClient* pTranslator);

    /// Language given to translators that register from now on; "English" until changed.
    static void SetLanguage(const std::string& language);
    static std::string GetLanguage();
    /// Directory where translators that register from now on read and write their files,
    /// instead of the directory of their module.
    static void SetOutputDirectory(const std::string& directory);

    static bool IsRegistered(CTranslatorRegistryClient* pTranslator);
    static std::size_t GetRegisteredCount();
    /// The line told about the last translation file that could not be read ("<file> cannot be
    /// read (line N: ...); kept as ..."); empty when none.
    static std::string GetLastError();
};

/// Parses the text of a translation file. On failure returns false, leaves table untouched and
/// puts the reason, "line N: ...", into error. What a file edited by hand may hold and how it
/// is taken is told at the top of TranslationFileReader.cpp.
FENRA_TRANSLATOR_REGISTRY_EXPORT bool
ParseTranslationText(const std::string& text, STranslationTable& table, std::string& error);

/// Reads and parses one translation file (without its base modules); the reason of a failure
/// goes to error as in ParseTranslationText.
FENRA_TRANSLATOR_REGISTRY_EXPORT bool
ReadTranslationFile(const std::string& path, STranslationTable& table, std::string& error);

} // namespace Varo::Fenra::Internationalisation
