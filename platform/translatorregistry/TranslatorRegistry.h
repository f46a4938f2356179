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
    /// The module name of the file's settings.
    std::string m_ModuleName;
    /// The language of the file's settings.
    std::string m_Language;
    /// Names on the file's base module line, in file order.
    std::vector<std::string> m_BaseModuleNames;
    /// Source text to translation, in byte-wise order of the source text.
    std::map<std::string, std::string> m_Translations;
    /// The tables of the named base modules, in the same order; filled by the registry.
    std::list<STranslationTable> m_BaseModules;
    /// Line of the ModuleName setting; 0 when the file has none.
    std::size_t m_nModuleNameLine = 0;
    /// Line of the Language setting; 0 when the file has none.
    std::size_t m_nLanguageLine = 0;
    /// Set by the registry for the file installed with the module: its translations fill in
    /// what the module's own file leaves untranslated and are never written back.
    bool m_bInstalled = false;
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

/**
 * The process-wide list of module translators, and the place where an application chooses the
 * language of the texts that libraries show.
 *
 * A translator registers itself when it is created, that is when its library shows its first
 * text. The registry then gives it the current language and fills its tables from two files,
 * both named after the module and the language ("libZuRaradirIzurodudozGerman.trl"):
 *
 * - the module's own file, in the output directory when one is set, else beside the module.
 *   This is the file the translator writes at unload when it met texts that no file
 *   translates: the translations a person wrote into it, and the untranslated texts mapped to
 *   themselves for a person to translate. Nothing taken from the installed file is written
 *   into it, so that the next installed version still reaches the user;
 * - the file installed with the module, in the folder "translations" beside it. It is only
 *   read, never written: it belongs to the installation.
 *
 * Which translation of a text counts, highest first:
 *   1. a base module's translation (base modules are read from files beside the own file);
 *   2. a translation a person wrote into the module's own file (an entry whose translation
 *      differs from its text);
 *   3. the translation installed with the module;
 *   4. none: the text itself. An entry of the own file that maps a text to itself means
 *      "not translated yet" and never hides a translation of the installed file.
 *
 * When the module's folder is a system folder (below /usr, /opt, /lib, ...) or cannot be
 * written, and no output directory is set, the translator reads and writes its own file in a
 * folder of the user's instead: "Fenra/translations" in the XDG data folder ($XDG_DATA_HOME, by
 * default ~/.local/share), created when needed. One line on stderr, once per process, tells
 * where. No file is ever written into a folder that an installed package owns.
 *
 * To show a library in German, an application calls SetLanguage("German") before the first
 * widget of that library is created; a translator that exists keeps its language.
 *
 * A module's own file that cannot be read is never written over: the registry renames it beside
 * itself (".unreadable" appended, or ".unreadable.2" and so on when earlier copies are kept), so
 * that the translator starts with empty tables and writes a new file at its place. When the file
 * cannot be renamed, it stays where it is and the translator writes no file at all. Either way
 * one line on stderr names the file, the reason and what became of it. A shipped file that
 * cannot be read is left alone and told about the same way.
 *
 * A readable own file that the reader took with notes (see ParseTranslationText), or whose
 * ModuleName or Language line a person changed (the file is written again under the module's
 * own name and language), is copied beside itself before the translator may write it again
 * ("<file>.kept", or ".kept.2" and so on; a copy with the same bytes is not made twice), and
 * each note goes to stderr as one line naming the file, the line and the copy. When no copy can
 * be made, the translator writes no file.
 *
 * A base module is always known by the name its user lists: when its own file gives another
 * ModuleName, or none, the listed name is kept (the link must survive the next rewrite) and
 * one line tells both names.
 */
class FENRA_TRANSLATOR_REGISTRY_EXPORT CTranslatorRegistry
{
public:
    /// Called by a translator when it is created: gives it the language and its tables.
    static void Register(CTranslatorRegistryClient* pTranslator);
    /// Called by a translator when it goes, after it has written its file.
    static void Unregister(CTranslatorRegistryClient* pTranslator);

    /// Language given to translators that register from now on; "English" (the language of
    /// the source texts) until changed. Call it before the first widget of a library exists.
    static void SetLanguage(const std::string& language);
    /// The language given to translators that register now.
    static std::string GetLanguage();
    /// Directory where translators that register from now on read and write their own files,
    /// instead of the directory of their module; empty: beside the module again.
    static void SetOutputDirectory(const std::string& directory);

    /// Whether the translator is registered.
    static bool IsRegistered(CTranslatorRegistryClient* pTranslator);
    /// Number of registered translators.
    static std::size_t GetRegisteredCount();
    /// The line told about the last translation file that could not be read ("FILE cannot be
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
