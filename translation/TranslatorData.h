#pragma once

#include "ZuRaradirIzurodudozExport.h"

#include <cstdint>
#include <list>
#include <map>
#include <set>
#include <string>

namespace Varo::Fenra::Internationalisation
{

/// The translation tables of one module: its own texts and, by value, the tables of the modules
/// it builds on (each with base modules of its own, so the whole forms a tree). Texts are 8-bit
/// strings used as they come; the map orders them byte-wise, bytes compared as unsigned.
class ZRI_EXPORT CTranslatorData
{
public:
    explicit CTranslatorData(const std::string& moduleName);
    virtual ~CTranslatorData();

    CTranslatorData(const CTranslatorData&) = default;
    CTranslatorData& operator=(const CTranslatorData&) = default;

    const std::string& GetModuleName() const { return m_ModuleName; }
    const std::string& GetLanguage() const { return m_Language; }
    const std::map<std::string, std::string>& GetTranslations() const { return m_Translations; }
    std::uint32_t GetBaseModuleCount() const;
    /// The base module index steps from the front of the list; index must be below the count.
    const CTranslatorData& GetBaseModule(std::uint32_t index) const;
    /// Whether Add has stored an entry since construction.
    bool IsModified() const { return m_bModified; }

    /// The translation of text: searched base modules first (the deepest match wins) or own
    /// table first (the shallowest match wins). A missing text is added as its own translation
    /// when bAddIfMissing is set, otherwise the result is null.
    const std::string* Lookup(const std::string& text, bool bBaseModulesFirst, bool bAddIfMissing);
    /// Stores the pair unless text is already a key, and marks the table modified.
    void Add(const std::string& text, const std::string& translation);

    /// Stores a known pair without marking the table modified (entries read from a file are
    /// not new texts); an existing entry keeps its translation.
    void AddKnown(const std::string& text, const std::string& translation);
    /// Stores a translation installed with the module, not marked modified: a missing entry is
    /// added, an entry that maps its text to itself (not translated yet) takes it, a person's
    /// own translation stays. Returns whether the entry was taken from the installed one.
    bool AddInstalled(const std::string& text, const std::string& translation);
    /// A copy without the entries of the given texts (for writing what is the module's own).
    CTranslatorData WithoutTexts(const std::set<std::string>& texts) const;
    void SetLanguage(const std::string& language) { m_Language = language; }
    void AddBaseModule(const CTranslatorData& baseModule);

private:
    const std::string* _FindBaseModulesFirst(const std::string& text, std::uint32_t& depth) const;
    const std::string* _FindOwnFirst(const std::string& text, std::uint32_t& depth) const;

    std::map<std::string, std::string> m_Translations;
    std::list<CTranslatorData> m_BaseModules;
    std::string m_ModuleName;
    std::string m_Language;
    bool m_bModified;
};

} // namespace Varo::Fenra::Internationalisation
