// Feeds arbitrary bytes to the translation file reader. Input it accepts, hand-edited forms
// included, must come back unchanged when its table is written and read again; any other input
// is taken apart into a table, written, read back and compared.
#include "TranslatorData.h"
#include "TranslatorFile.h"
#include "TranslatorRegistry.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

using namespace Varo::Fenra::Internationalisation;

namespace
{

// The written file goes to memory where possible: creating and truncating a file on disk for
// every input slows the run down more than tenfold. It is removed when the fuzzer exits.
struct SScratchFile
{
    std::string m_Path = std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                         "/fuzz_translation_reader_" + std::to_string(getpid()) + ".trl";
    ~SScratchFile() { std::remove(m_Path.c_str()); }
};

const std::string& ScratchPath()
{
    static const SScratchFile file;
    return file.m_Path;
}

void Check(bool bCondition)
{
    if (!bCondition)
        std::abort();
}

CTranslatorData ToData(const STranslationTable& table)
{
    CTranslatorData data(table.m_ModuleName);
    data.SetLanguage(table.m_Language);
    for (const std::string& name : table.m_BaseModuleNames)
        data.AddBaseModule(CTranslatorData(name));
    for (const auto& [text, translation] : table.m_Translations)
        data.Add(text, translation);
    return data;
}

std::string WriteToText(const CTranslatorData& data)
{
    Check(CTranslatorFile(ScratchPath()).Write(data));
    std::ifstream stream(ScratchPath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

STranslationTable TableFromBytes(const uint8_t* data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    STranslationTable table;
    table.m_ModuleName = provider.ConsumeRandomLengthString(64);
    table.m_Language = provider.ConsumeRandomLengthString(16);
    const int bases = provider.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < bases; i++)
        table.m_BaseModuleNames.push_back(provider.ConsumeRandomLengthString(16));
    while (provider.remaining_bytes() > 0)
    {
        std::string text = provider.ConsumeRandomLengthString(64);
        table.m_Translations.emplace(std::move(text), provider.ConsumeRandomLengthString(64));
    }
    return table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    STranslationTable table;
    std::string error;
    if (ParseTranslationText(input, table, error))
    {
        STranslationTable again;
        Check(ParseTranslationText(WriteToText(ToData(table)), again, error));
        Check(again.m_ModuleName == table.m_ModuleName && again.m_Language == table.m_Language &&
              again.m_BaseModuleNames == table.m_BaseModuleNames &&
              again.m_Translations == table.m_Translations);
        return 0;
    }
    Check(error.compare(0, 5, "line ") == 0);

    const STranslationTable written = TableFromBytes(data, size);
    STranslationTable read;
    Check(ParseTranslationText(WriteToText(ToData(written)), read, error));
    Check(read.m_ModuleName == written.m_ModuleName && read.m_Language == written.m_Language &&
          read.m_BaseModuleNames == written.m_BaseModuleNames &&
          read.m_Translations == written.m_Translations);
    return 0;
}
