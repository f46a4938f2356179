#include "TranslatorData.h"

#include <iterator>
#include <limits>

namespace Varo::Fenra::Internationalisation
{

CTranslatorData::CTranslatorData(const std::string& moduleName)
    : m_ModuleName(moduleName), m_Language("English"), m_bModified(false)
{
}

CTranslatorData::~CTranslatorData() = default;

std::uint32_t CTranslatorData::GetBaseModuleCount() const
{
    return static_cast<std::uint32_t>(m_BaseModules.size());
}

const CTranslatorData& CTranslatorData::GetBaseModule(std::uint32_t index) const
{
    return *std::next(m_BaseModules.begin(), index);
}

const std::string* CTranslatorData::Lookup(const std::string& text, bool bBaseModulesFirst,
                                           bool bAddIfMissing)
{
    std::uint32_t depth = 0;
    const std::string* pFound =
        bBaseModulesFirst ? _FindBaseModulesFirst(text, depth) : _FindOwnFirst(text, depth);
    if (pFound != nullptr || !bAddIfMissing)
        return pFound;
    Add(text, text);
    return &m_Translations.find(text)->second;
}

void CTranslatorData::Add(const std::string& text, const std::string& translation)
{
    // The flag follows the insertion, so a failed allocation leaves the table as it was.
    m_Translations.try_emplace(text, translation);
    m_bModified = true;
}

void CTranslatorData::AddKnown(const std::string& text, const std::string& translation)
{
    m_Translations.try_emplace(text, translation);
}

bool CTranslatorData::AddInstalled(const std::string& text, const std::string& translation)
{
    const auto [it, bNew] = m_Translations.try_emplace(text, translation);
    if (!bNew && it->second != it->first)
        return false;
    it->second = translation;
    return true;
}

CTranslatorData CTranslatorData::WithoutTexts(const std::set<std::string>& texts) const
{
    CTranslatorData copy(*this);
    for (const std::string& text : texts)
        copy.m_Translations.erase(text);
    return copy;
}

void CTranslatorData::AddBaseModule(const CTranslatorData& baseModule)
{
    m_BaseModules.push_back(baseModule);
}

const std::string* CTranslatorData::_FindBaseModulesFirst(const std::string& text,
                                                          std::uint32_t& depth) const
{
    // Every base module is searched: a match deeper in the tree is more specific and wins; on
    // equal depth the earlier base module keeps its result.
    const std::string* pBest = nullptr;
    std::uint32_t best = 0;
    for (const CTranslatorData& baseModule : m_BaseModules)
    {
        std::uint32_t counter = 1;
        const std::string* pFound = baseModule._FindBaseModulesFirst(text, counter);
        if (pFound != nullptr && counter > best)
        {
            best = counter;
            pBest = pFound;
        }
    }
    if (pBest != nullptr)
    {
        depth += best;
        return pBest;
    }
    const auto it = m_Translations.find(text);
    return it != m_Translations.end() ? &it->second : nullptr;
}

const std::string* CTranslatorData::_FindOwnFirst(const std::string& text,
                                                  std::uint32_t& depth) const
{
    const auto it = m_Translations.find(text);
    if (it != m_Translations.end())
        return &it->second;
    const std::string* pBest = nullptr;
    std::uint32_t best = std::numeric_limits<std::uint32_t>::max();
    for (const CTranslatorData& baseModule : m_BaseModules)
    {
        std::uint32_t counter = 1;
        const std::string* pFound = baseModule._FindOwnFirst(text, counter);
        if (pFound != nullptr && counter < best)
        {
            best = counter;
            pBest = pFound;
        }
    }
    if (pBest != nullptr)
        depth += best;
    return pBest;
}

} // namespace Varo::Fenra::Internationalisation
