#include "TranslatorRegistry.h"

#include <boost/filesystem/operations.hpp>
#include <boost/filesystem/path.hpp>
#include <boost/thread/lock_guard.hpp>
#include <boost/thread/mutex.hpp>

#include <algorithm>
#include <set>

namespace Varo::Fenra::Internationalisation
{

namespace
{

struct SRegistryState
{
    boost::mutex m_Mutex;
    std::set<CTranslatorRegistryClient*> m_Translators;
    std::string m_Language = "English";
    std::string m_OutputDirectory;
    std::string m_LastError;
};

// Never destroyed: translators unregister from the static destructors of their own libraries,
// which may run after this library's statics at process exit.
SRegistryState& State()
{
    static SRegistryState* pState = new SRegistryState;
    return *pState;
}

std::string FilePath(const std::string& directory, const std::string& moduleName,
                     const std::string& language)
{
    return (boost::filesystem::path(directory) / (moduleName + language + ".trl")).string();
}

bool FileExists(const std::string& path)
{
    boost::system::error_code error;
    return boost::filesystem::is_regular_file(path, error);
}

// Reads the tables of each named base module from its own file beside the module's file. A
// base module without a file, or one already on the way down (a cycle), stays an empty table
// under its name, so the module still names it when its file is written again.
bool ReadBaseModules(const std::string& directory, const std::string& language,
                     STranslationTable& table, std::vector<std::string>& chain, std::string& error)
{
    for (const std::string& name : table.m_BaseModuleNames)
    {
        STranslationTable base;
        base.m_ModuleName = name;
        base.m_Language = language;
        const std::string path = FilePath(directory, name, language);
        const bool bCycle = std::find(chain.begin(), chain.end(), name) != chain.end();
        if (!bCycle && FileExists(path))
        {
            if (!ReadTranslationFile(path, base, error))
                return false;
            chain.push_back(name);
            const bool bRead = ReadBaseModules(directory, language, base, chain, error);
            chain.pop_back();
            if (!bRead)
                return false;
        }
        table.m_BaseModules.push_back(std::move(base));
    }
    return true;
}

} // namespace

void CTranslatorRegistry::Register(CTranslatorRegistryClient* pTranslator)
{
    if (pTranslator == nullptr)
        return;
    SRegistryState& state = State();
    std::string language;
    std::string outputDirectory;
    {
        boost::lock_guard<boost::mutex> lock(state.m_Mutex);
        state.m_Translators.insert(pTranslator);
        language = state.m_Language;
        outputDirectory = state.m_OutputDirectory;
    }
    // Files are read outside the registry's lock; the translator takes its own lock per call.
    if (!outputDirectory.empty())
        pTranslator->SetOutputDirectory(outputDirectory);
    // A redirected translator reads its files where it will write them, so that what it finds
    // beside the module (for example a file left by another program) does not leak in.
    const std::string directory =
        outputDirectory.empty() ? pTranslator->GetModuleDirectory() : outputDirectory;
    const std::string moduleName = pTranslator->GetModuleName();
    const std::string path = FilePath(directory, moduleName, language);
    pTranslator->SetLanguage(language);
    if (moduleName.empty() || !FileExists(path))
        return;
    STranslationTable table;
    std::string error;
    std::vector<std::string> chain{moduleName};
    if (ReadTranslationFile(path, table, error) &&
        ReadBaseModules(directory, language, table, chain, error))
    {
        pTranslator->LoadTable(table);
        return;
    }
    // A file that cannot be read leaves the tables empty, as if there were no file; the error
    // is kept for the application to show.
    boost::lock_guard<boost::mutex> lock(state.m_Mutex);
    state.m_LastError = error;
}

void CTranslatorRegistry::Unregister(CTranslatorRegistryClient* pTranslator)
{
    SRegistryState& state = State();
    boost::lock_guard<boost::mutex> lock(state.m_Mutex);
    state.m_Translators.erase(pTranslator);
}

void CTranslatorRegistry::SetLanguage(const std::string& language)
{
    SRegistryState& state = State();
    boost::lock_guard<boost::mutex> lock(state.m_Mutex);
    state.m_Language = language;
}

std::string CTranslatorRegistry::GetLanguage()
{
    SRegistryState& state = State();
    boost::lock_guard<boost::mutex> lock(state.m_Mutex);
    return state.m_Language;
}

void CTranslatorRegistry::SetOutputDirectory(const std::string& directory)
{
    SRegistryState& state = State();
    boost::lock_guard<boost::mutex> lock(state.m_Mutex);
    state.m_OutputDirectory = directory;
}

bool CTranslatorRegistry::IsRegistered(CTranslatorRegistryClient* pTranslator)
{
    SRegistryState& state = State();
    boost::lock_guard<boost::mutex> lock(state.m_Mutex);
    return state.m_Translators.count(pTranslator) != 0;
}

std::size_t CTranslatorRegistry::GetRegisteredCount()
{
    SRegistryState& state = State();
    boost::lock_guard<boost::mutex> lock(state.m_Mutex);
    return state.m_Translators.size();
}

std::string CTranslatorRegistry::GetLastError()
{
    SRegistryState& state = State();
    boost::lock_guard<boost::mutex> lock(state.m_Mutex);
    return state.m_LastError;
}

} // namespace Varo::Fenra::Internationalisation
