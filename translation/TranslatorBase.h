#pragma once

#include "TranslatorData.h"
#include "TranslatorRegistry.h"
#include "ZuRaradirIzurodudozExport.h"

#include <boost/thread/recursive_mutex.hpp>

#include <list>
#include <set>
#include <string>

namespace Varo::Fenra::Internationalisation
{

/// A lockable translator over the tables of one module. It announces itself to the translator
/// registry, which may give it a language, known translations, base modules and an output
/// directory; at destruction it writes its translation file when it recorded new texts.
class ZRI_EXPORT CTranslatorBase : public CTranslatorRegistryClient
{
public:
    CTranslatorBase(const std::string& directory, const std::string& moduleName, bool bRegister);
    virtual ~CTranslatorBase();

    CTranslatorBase(const CTranslatorBase&) = delete;
    CTranslatorBase& operator=(const CTranslatorBase&) = delete;

    /// The translation of text, recorded as its own translation when unknown. The reference
    /// stays valid while the translator lives: entries are never removed.
    const std::string& Translate(const std::string& text);
    /// The translation of text when one is known, else null; nothing is recorded.
    const std::string* FindKnown(const std::string& text);
    bool HasModuleName();
    /// Writes the own table to `<directory>/<module name><language>.trl`, without the entries
    /// that the installed translation gave; failures are ignored.
    void WriteFile();

    /// Forwards every lookup to pDelegate (not owned; null: look up here).
    void SetDelegate(CTranslatorBase* pDelegate);
    /// A copy of the tables, taken under the lock.
    CTranslatorData GetDataCopy();

    std::string GetModuleDirectory() override;
    std::string GetModuleName() override;
    void SetLanguage(const std::string& language) override;
    void LoadTable(const STranslationTable& table) override;
    void SetOutputDirectory(const std::string& directory) override;

private:
    CTranslatorData m_Data;
    bool m_bBaseModulesFirst;
    // Kept for the registry's use; this library neither reads nor fills them.
    std::list<std::string> m_SearchDirectories;
    std::list<std::string> m_Notes;
    std::string m_Directory;
    std::string m_OutputDirectory;
    boost::recursive_mutex m_Mutex;
    CTranslatorBase* m_pDelegate;
    // Texts whose translation came from the file installed with the module: looked up, but
    // never written into the module's own file, so that a later installation still reaches it.
    std::set<std::string> m_InstalledTexts;
};

} // namespace Varo::Fenra::Internationalisation
