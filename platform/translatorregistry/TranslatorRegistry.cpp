#include "TranslatorRegistry.h"

#include <boost/filesystem/fstream.hpp>
#include <boost/filesystem/operations.hpp>
#include <boost/filesystem/path.hpp>
#include <boost/thread/lock_guard.hpp>
#include <boost/thread/mutex.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <set>

#ifndef _WIN32
#include <unistd.h>
#endif

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
    bool m_bToldUserFolder = false;
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

// Keeps the reason as the registry's last error and tells it once on stderr.
void Report(const std::string& message)
{
    {
        boost::lock_guard<boost::mutex> lock(State().m_Mutex);
        State().m_LastError = message;
    }
    std::fprintf(stderr, "%s\n", message.c_str());
}

// The folder beside a module that holds the translations installed with it.
const char kShippedFolder[] = "translations";

// Hand-edited files can pile up while someone learns the format; the oldest copies stay.
constexpr int kKeptCopies = 10;

// Renames an unreadable file beside itself without replacing a copy kept earlier. Returns the
// new name, or an empty text when no name was free or the file could not be renamed.
std::string KeepAside(const std::string& path)
{
    for (int nCopy = 1; nCopy <= kKeptCopies; nCopy++)
    {
        const std::string kept =
            path + ".unreadable" + (nCopy > 1 ? "." + std::to_string(nCopy) : std::string());
        boost::system::error_code error;
        if (boost::filesystem::symlink_status(kept, error).type() !=
            boost::filesystem::file_not_found)
            continue;
        boost::filesystem::rename(path, kept, error);
        return error ? std::string() : kept;
    }
    return std::string();
}

std::string ReadBytes(const std::string& path)
{
    boost::filesystem::ifstream stream(boost::filesystem::path(path),
                                       std::ios::in | std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
}

bool SameBytes(const std::string& path, const std::string& other)
{
    return ReadBytes(path) == ReadBytes(other);
}

// Copies a file whose next rewrite would change what a person wrote, unless a copy with the
// same bytes is kept already. Returns the copy's name, or an empty text when none could be made.
std::string KeepCopy(const std::string& path)
{
    for (int nCopy = 1; nCopy <= kKeptCopies; nCopy++)
    {
        const std::string kept =
            path + ".kept" + (nCopy > 1 ? "." + std::to_string(nCopy) : std::string());
        boost::system::error_code error;
        if (boost::filesystem::symlink_status(kept, error).type() !=
            boost::filesystem::file_not_found)
        {
            if (SameBytes(path, kept))
                return kept;
            continue;
        }
        boost::filesystem::copy_file(path, kept, error);
        return error ? std::string() : kept;
    }
    return std::string();
}

// The name a module lists for its base module is the link to it; the base module's own file
// may not take it away.
void KeepListedName(const std::string& path, const std::string& name, STranslationTable& base)
{
    if (base.m_ModuleName == name)
        return;
    Report(path +
           (base.m_nModuleNameLine == 0 ? std::string(" has no ModuleName line")
                                        : " line " + std::to_string(base.m_nModuleNameLine) +
                                              ": ModuleName \"" + base.m_ModuleName + "\"") +
           "; used as the base module \"" + name + "\" under that name");
    base.m_ModuleName = name;
}

// Reads the tables of each named base module from its own file beside the module's file. A
// base module without a readable file, or one already on the way down (a cycle), stays an empty
// table under its name, so the module still names it when its file is written again. Its file
// belongs to its own module, which keeps it aside when it registers.
void ReadBaseModules(const std::string& directory, const std::string& language,
                     STranslationTable& table, std::vector<std::string>& chain)
{
    for (const std::string& name : table.m_BaseModuleNames)
    {
        STranslationTable base;
        base.m_ModuleName = name;
        base.m_Language = language;
        const std::string path = FilePath(directory, name, language);
        const bool bCycle = std::find(chain.begin(), chain.end(), name) != chain.end();
        std::string reason;
        if (!bCycle && FileExists(path))
        {
            if (ReadTranslationFile(path, base, reason))
            {
                KeepListedName(path, name, base);
                chain.push_back(name);
                ReadBaseModules(directory, language, base, chain);
                chain.pop_back();
            }
            else
                Report(path + " cannot be read (" + reason + "); not used as a base module");
        }
        table.m_BaseModules.push_back(std::move(base));
    }
}

// Keeps a copy of a file read with notes and tells each note. Returns false when no copy could
// be made.
bool KeepNoted(const std::string& path, const std::vector<std::string>& notes)
{
    const std::string kept = KeepCopy(path);
    for (const std::string& note : notes)
        Report(path + " " + note + "; " +
               (kept.empty() ? "no copy could be made, no translation file is written in this run"
                             : "the file as it was is kept as " + kept));
    return !kept.empty();
}

// The own file is always written under the module's name and in the language it is read for:
// a ModuleName or Language line that a person changed would be lost to that, so it is noted.
void NoteChangedSettings(STranslationTable& table, const std::string& moduleName,
                         const std::string& language)
{
    const auto note = [&table](std::size_t nLine, const char* what, const std::string& value,
                               const std::string& written)
    {
        if (nLine != 0 && value != written)
            table.m_Notes.push_back("line " + std::to_string(nLine) + ": " + what + " \"" + value +
                                    "\" is written as \"" + written + "\"");
    };
    note(table.m_nModuleNameLine, "ModuleName", table.m_ModuleName, moduleName);
    note(table.m_nLanguageLine, "Language", table.m_Language, language);
}

// Reads the module's own file, the one its translator writes. A file that cannot be read is
// left out; the translator then starts without it.
void ReadOwnFile(CTranslatorRegistryClient& translator, const std::string& path,
                 const std::string& directory, const std::string& language)
{
    STranslationTable table;
    std::string reason;
    if (!ReadTranslationFile(path, table, reason))
    {
        // The translator writes its file at unload; what a person wrote must not be lost to
        // that. When the file cannot be moved aside, the translator is sent to write below the
        // file itself, a directory that cannot exist, so it writes nothing.
        const std::string kept = KeepAside(path);
        if (kept.empty())
            translator.SetOutputDirectory(path);
        Report(path + " cannot be read (" + reason + "); " +
               (kept.empty() ? "left in place, no translation file is written in this run"
                             : "kept as " + kept));
        return;
    }
    NoteChangedSettings(table, translator.GetModuleName(), language);
    if (!table.m_Notes.empty() && !KeepNoted(path, table.m_Notes))
        translator.SetOutputDirectory(path);
    std::vector<std::string> chain{translator.GetModuleName()};
    ReadBaseModules(directory, language, table, chain);
    translator.LoadTable(table);
}

// Adds the translations shipped with the module for the texts that its own file does not
// translate. The shipped file is only read: it belongs to the installation.
void ReadShippedFile(CTranslatorRegistryClient& translator, const std::string& path)
{
    STranslationTable table;
    std::string reason;
    if (!ReadTranslationFile(path, table, reason))
    {
        Report(path + " cannot be read (" + reason + "); not used");
        return;
    }
    table.m_bInstalled = true;
    translator.LoadTable(table);
}

// Folders that the system's packages own: a translation file written there by a program run as
// root would belong to no package, and an ordinary user cannot write there at all.
bool IsSystemFolder(const std::string& directory)
{
    for (const char* pszRoot : {"/usr", "/opt", "/lib", "/lib32", "/lib64", "/libx32", "/bin",
                                "/sbin", "/etc", "/var", "/snap", "/nix"})
    {
        const std::string root = pszRoot;
        if (directory == root || directory.compare(0, root.size() + 1, root + "/") == 0)
            return true;
    }
#ifdef _WIN32
    return false;
#else
    return access(directory.c_str(), W_OK) != 0;
#endif
}

// "Fenra/translations" in the XDG data folder; empty when the user has no home.
std::string UserTranslationFolder()
{
    const char* pszData = std::getenv("XDG_DATA_HOME");
    boost::filesystem::path data;
    if (pszData != nullptr && pszData[0] == '/')
        data = pszData;
    else if (const char* pszHome = std::getenv("HOME"); pszHome != nullptr && pszHome[0] != 0)
        data = boost::filesystem::path(pszHome) / ".local" / "share";
    else
        return std::string();
    return (data / "Fenra" / "translations").string();
}

// The per-user folder for a translator whose module lies in a system folder: made when needed
// and told once per process. Empty when there is none; the translator then writes nothing.
std::string UserOutputDirectory(const std::string& moduleDirectory)
{
    const std::string folder = UserTranslationFolder();
    boost::system::error_code error;
    if (!folder.empty())
        boost::filesystem::create_directories(folder, error);
    const bool bUsable = !folder.empty() && !error;
    bool bTell = false;
    {
        boost::lock_guard<boost::mutex> lock(State().m_Mutex);
        bTell = !State().m_bToldUserFolder;
        State().m_bToldUserFolder = true;
    }
    if (bTell)
        Report(moduleDirectory + " is a system folder or cannot be written; " +
               (bUsable ? "translation files are read and written in " + folder
                        : "no folder of the user's can be made, no translation file is written"));
    return bUsable ? folder : std::string();
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
    const std::string moduleDirectory = pTranslator->GetModuleDirectory();
    const std::string moduleName = pTranslator->GetModuleName();
    pTranslator->SetLanguage(language);
    if (moduleName.empty())
        return;
    if (outputDirectory.empty() && IsSystemFolder(moduleDirectory))
    {
        outputDirectory = UserOutputDirectory(moduleDirectory);
        // Without a folder of the user's: a folder that does not exist, where the translator's
        // writer (which never makes folders) writes nothing.
        if (outputDirectory.empty())
            outputDirectory = (boost::filesystem::path(moduleDirectory) / "\x01").string();
    }
    if (!outputDirectory.empty())
        pTranslator->SetOutputDirectory(outputDirectory);
    // A redirected translator reads its own file where it will write it, so that what it finds
    // beside the module (for example a file left by another program) does not leak in.
    const std::string directory = outputDirectory.empty() ? moduleDirectory : outputDirectory;
    const std::string path = FilePath(directory, moduleName, language);
    if (FileExists(path))
        ReadOwnFile(*pTranslator, path, directory, language);
    const std::string shipped =
        FilePath(moduleDirectory + "/" + kShippedFolder, moduleName, language);
    if (FileExists(shipped))
        ReadShippedFile(*pTranslator, shipped);
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
