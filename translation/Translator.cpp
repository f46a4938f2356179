#include "Translator.h"
#include "ModuleFileName.h"

#include <boost/shared_ptr.hpp>
#include <boost/thread/lock_guard.hpp>
#include <boost/thread/mutex.hpp>

#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace Varo::Fenra::Internationalisation
{

namespace
{

// Both module-wide objects are function-local statics, first constructed by the first Translate
// call, mutex before translator. Static destructors run in the reverse order of construction,
// and objects constructed at library load (the embedded Qt resources registered by rcc's
// initializer) come before any call, so at unload the translator is released first (it writes
// its file and unregisters), then the mutex, and only then are the resources unregistered.
boost::mutex& TranslatorMutex()
{
    static boost::mutex g_TranslatorMutex;
    return g_TranslatorMutex;
}

boost::shared_ptr<CTranslator>& TranslatorPointer()
{
    static boost::shared_ptr<CTranslator> g_pTranslator;
    return g_pTranslator;
}

// Creates the translator if needed; the global mutex is held only for this step, never while
// the translator's own lock is taken.
CTranslator& AcquireTranslator()
{
    boost::lock_guard<boost::mutex> lock(TranslatorMutex());
    boost::shared_ptr<CTranslator>& pTranslator = TranslatorPointer();
    if (!pTranslator)
    {
        std::string directory;
        std::string moduleName;
        LocateModule(directory, moduleName);
        pTranslator = boost::shared_ptr<CTranslator>(new CTranslator(directory, moduleName));
    }
    return *pTranslator;
}

// Its address identifies the library file that holds this code.
const char s_ModuleAnchor = 0;

} // namespace

CTranslator::CTranslator(const std::string& directory, const std::string& moduleName)
    : CTranslatorBase(directory, moduleName, true)
{
}

CTranslator::~CTranslator() = default;

const std::string& Translate(const char* text)
{
    CTranslatorBase& translator = AcquireTranslator();
    return translator.Translate(std::string(text));
}

std::string TranslateKnown(const char* text)
{
    CTranslatorBase& translator = AcquireTranslator();
    const std::string* pKnown = translator.FindKnown(std::string(text));
    return pKnown != nullptr ? *pKnown : std::string(text);
}

void EnsureTranslator()
{
    AcquireTranslator();
}

void LocateModule(std::string& directory, std::string& moduleName)
{
    directory.clear();
    moduleName.clear();
#ifdef _WIN32
    HMODULE hModule = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            &s_ModuleAnchor, &hModule))
        return;
    std::vector<char> buffer(1024, '\0');
    if (GetModuleFileNameA(hModule, buffer.data(), 1023) == 0)
        return;
    Detail::SplitModuleFileName(buffer.data(), '\\', directory, moduleName);
#else
    Dl_info info{};
    if (dladdr(&s_ModuleAnchor, &info) == 0 || info.dli_fname == nullptr ||
        info.dli_fname[0] == '\0')
        return;
    std::string fileName = info.dli_fname;
    // For code linked into the executable the loader reports argv[0], which may be relative
    // or a bare name; the kernel's link names the same file absolutely.
    if (fileName[0] != '/')
    {
        char buffer[4096];
        const ssize_t length = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
        const auto FileOf = [](const std::string& path)
        { return path.substr(path.rfind('/') + 1); };
        if (length > 0 && FileOf(std::string(buffer, length)) == FileOf(fileName))
            fileName.assign(buffer, length);
    }
    Detail::SplitModuleFileName(fileName, '/', directory, moduleName);
#endif
}

std::string MakeTranslationFilePath(const std::string& directory, const std::string& moduleName,
                                    const std::string& language)
{
    std::string path = directory + "/" + moduleName + language + ".trl";
    for (std::size_t pos = path.find("//"); pos != std::string::npos; pos = path.find("//"))
        path.replace(pos, 2, "/");
    return path;
}

} // namespace Varo::Fenra::Internationalisation
