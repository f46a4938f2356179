#include "TranslatorBase.h"
#include "Translator.h"
#include "TranslatorFile.h"

#include <boost/thread/lock_guard.hpp>

namespace Varo::Fenra::Internationalisation
{

namespace
{

using CLock = boost::lock_guard<boost::recursive_mutex>;

// Adds a table read by the registry: its entries as known texts, its base modules as copies.
void AppendTable(CTranslatorData& data, const STranslationTable& table)
{
    for (const auto& [text, translation] : table.m_Translations)
        data.AddKnown(text, translation);
    for (const STranslationTable& baseTable : table.m_BaseModules)
    {
        CTranslatorData baseModule(baseTable.m_ModuleName);
        baseModule.SetLanguage(baseTable.m_Language);
        AppendTable(baseModule, baseTable);
        data.AddBaseModule(baseModule);
    }
}

} // namespace

CTranslatorBase::CTranslatorBase(const std::string& directory, const std::string& moduleName,
                                 bool bRegister)
    : m_Data(moduleName), m_bBaseModulesFirst(true), m_Directory(directory), m_pDelegate(nullptr)
{
    // Last step: the registry may call back into this object, which is complete as a base.
    if (bRegister)
        CTranslatorRegistry::Register(this);
}

CTranslatorBase::~CTranslatorBase()
{
    if (m_Data.IsModified() && HasModuleName())
        WriteFile();
    CTranslatorRegistry::Unregister(this);
}

const std::string& CTranslatorBase::Translate(const std::string& text)
{
    CLock lock(m_Mutex);
    // The delegate's lock is taken while this one is held: translator first, then delegate.
    if (m_pDelegate != nullptr)
        return m_pDelegate->Translate(text);
    return *m_Data.Lookup(text, m_bBaseModulesFirst, true);
}

const std::string* CTranslatorBase::FindKnown(const std::string& text)
{
    CLock lock(m_Mutex);
    if (m_pDelegate != nullptr)
        return m_pDelegate->FindKnown(text);
    return m_Data.Lookup(text, m_bBaseModulesFirst, false);
}

bool CTranslatorBase::HasModuleName()
{
    CLock lock(m_Mutex);
    return !m_Data.GetModuleName().empty();
}

void CTranslatorBase::WriteFile()
{
    CLock lock(m_Mutex);
    const std::string& directory = m_OutputDirectory.empty() ? m_Directory : m_OutputDirectory;
    CTranslatorFile file(
        MakeTranslationFilePath(directory, m_Data.GetModuleName(), m_Data.GetLanguage()));
    file.Write(m_Data.WithoutTexts(m_InstalledTexts));
}

void CTranslatorBase::SetDelegate(CTranslatorBase* pDelegate)
{
    CLock lock(m_Mutex);
    m_pDelegate = pDelegate;
}

CTranslatorData CTranslatorBase::GetDataCopy()
{
    CLock lock(m_Mutex);
    return m_Data;
}

std::string CTranslatorBase::GetModuleDirectory()
{
    CLock lock(m_Mutex);
    return m_Directory;
}

std::string CTranslatorBase::GetModuleName()
{
    CLock lock(m_Mutex);
    return m_Data.GetModuleName();
}

void CTranslatorBase::SetLanguage(const std::string& language)
{
    CLock lock(m_Mutex);
    m_Data.SetLanguage(language);
}

void CTranslatorBase::LoadTable(const STranslationTable& table)
{
    CLock lock(m_Mutex);
    if (!table.m_bInstalled)
        return AppendTable(m_Data, table);
    for (const auto& [text, translation] : table.m_Translations)
        if (m_Data.AddInstalled(text, translation))
            m_InstalledTexts.insert(text);
}

void CTranslatorBase::SetOutputDirectory(const std::string& directory)
{
    CLock lock(m_Mutex);
    m_OutputDirectory = directory;
}

} // namespace Varo::Fenra::Internationalisation
