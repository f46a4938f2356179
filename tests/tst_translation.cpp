// The module translator: lookup orders, recording of unknown texts, the delegate, module file
// names, loading through the registry, concurrent lookups and the file written at unload.
#include "ModuleFileName.h"
#include "TestSupport.h"
#include "Translator.h"
#include "TranslatorBase.h"
#include "TranslatorFile.h"
#include "TranslatorRegistry.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <thread>
#include <vector>

using namespace Varo::Fenra::Internationalisation;

namespace
{

CTranslatorData Table(const std::string& name, const std::map<std::string, std::string>& entries,
                      const std::vector<CTranslatorData>& bases = {})
{
    CTranslatorData data(name);
    for (const auto& [text, translation] : entries)
        data.AddKnown(text, translation);
    for (const CTranslatorData& base : bases)
        data.AddBaseModule(base);
    return data;
}

bool WriteTable(const QTemporaryDir& dir, const CTranslatorData& data)
{
    const std::string path =
        MakeTranslationFilePath(dir.path().toStdString(), data.GetModuleName(), data.GetLanguage());
    return CTranslatorFile(path).Write(data);
}

} // namespace

class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lookup_data();
    void lookup();
    void delegateRecordsMissingTexts();
    void translationFilePath();
    void moduleFileName_data();
    void moduleFileName();
    void locatesOwnFile();
    void registryFillsTables();
    void concurrentLookups();
    void writtenAtUnload_data();
    void writtenAtUnload();

private:
    QTemporaryDir m_oScratch;
};

void TestTranslation::initTestCase()
{
    // The translator of this executable writes its file after the scratch directory is gone:
    // the write fails quietly instead of leaving a file in the build tree.
    CTranslatorRegistry::SetOutputDirectory(m_oScratch.path().toStdString());
}

void TestTranslation::lookup_data()
{
    QTest::addColumn<bool>("bBaseModulesFirst");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("bRecorded");
    const struct
    {
        const char* name;
        bool bBaseModulesFirst;
        const char* text;
        const char* expected;
        bool bRecorded;
    } rows[] = {
        {"base module beats own table", true, "a", "1-a", false},
        {"deeper base module wins", true, "d", "11-d", false},
        {"tie goes to earlier base", true, "e", "1-e", false},
        {"own table as last resort", true, "b", "own-b", false},
        {"own table first", false, "a", "own-a", false},
        {"shallower base wins", false, "d", "2-d", false},
        {"tie to earlier, own first", false, "e", "1-e", false},
        {"unknown comes back", true, "new", "new", true},
        {"empty text is a key", false, "", "", true},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << row.bBaseModulesFirst << row.text << row.expected
                                << row.bRecorded;
}

void TestTranslation::lookup()
{
    QFETCH(bool, bBaseModulesFirst);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(bool, bRecorded);

    // own { a b }, base 1 { a e } over base 11 { d f }, base 2 { a d e }
    const CTranslatorData base11 = Table("11", {{"d", "11-d"}, {"f", "11-f"}});
    CTranslatorData data = Table("own", {{"a", "own-a"}, {"b", "own-b"}},
                                 {Table("1", {{"a", "1-a"}, {"e", "1-e"}}, {base11}),
                                  Table("2", {{"a", "2-a"}, {"d", "2-d"}, {"e", "2-e"}})});
    const std::string key = text.toStdString();

    QCOMPARE(data.Lookup(key, bBaseModulesFirst, false) == nullptr, bRecorded);
    const std::string* pFound = data.Lookup(key, bBaseModulesFirst, true);
    QCOMPARE(*pFound, expected.toStdString());
    QCOMPARE(data.Lookup(key, bBaseModulesFirst, true), pFound);
    QCOMPARE(data.IsModified(), bRecorded);
    QCOMPARE(data.GetTranslations().size(), std::size_t(bRecorded ? 3 : 2));
}

void TestTranslation::delegateRecordsMissingTexts()
{
    // The delegate records a text and writes its file when it goes: into the scratch directory.
    const std::string scratch = m_oScratch.path().toStdString();
    CTranslatorBase translator(scratch, "Own", false);
    CTranslatorBase delegate(scratch, "Delegate", false);
    delegate.LoadTable(STranslationTable{"", "", {}, {{"Yes", "Ja"}}, {}});
    translator.SetDelegate(&delegate);

    QCOMPARE(translator.Translate("Yes"), std::string("Ja"));
    QCOMPARE(translator.Translate("No"), std::string("No"));
    QVERIFY(!translator.GetDataCopy().IsModified());
    QVERIFY(translator.GetDataCopy().GetTranslations().empty());
    QCOMPARE(delegate.GetDataCopy().GetTranslations().count("No"), std::size_t(1));
    translator.SetDelegate(nullptr);
}

void TestTranslation::translationFilePath()
{
    QCOMPARE(MakeTranslationFilePath("C:\\App\\bin", "ZuRaradirIzurodudoz", "English"),
             std::string("C:\\App\\bin/ZuRaradirIzurodudozEnglish.trl"));
    QCOMPARE(MakeTranslationFilePath("", "M", "German"), std::string("/MGerman.trl"));
    QCOMPARE(MakeTranslationFilePath("//a///b/", "M", "E"), std::string("/a/b/ME.trl"));
}

void TestTranslation::moduleFileName_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("module");
    const struct
    {
        const char* name;
        const char* fileName;
        char separator;
        const char* directory;
        const char* module;
    } rows[] = {
        {"windows dll", "C:\\App\\ZuRaradirIzurodudoz.dll", '\\', "C:\\App", "ZuRaradirIzurodudoz"},
        {"versioned shared object", "/opt/lib/libZri.so.0", '/', "/opt/lib", "libZri"},
        {"not a version", "/l/x.so.beta", '/', "/l", "x.so"},
        {"no extension", "/bin/tool", '/', "/bin", "tool"},
        {"no separator", "tool.exe", '\\', "tool.exe", "tool"},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << row.fileName << row.separator << row.directory << row.module;
}

void TestTranslation::moduleFileName()
{
    QFETCH(QString, fileName);
    QFETCH(char, separator);
    QFETCH(QString, directory);
    QFETCH(QString, module);
    std::string actualDirectory;
    std::string actualModule;
    Detail::SplitModuleFileName(fileName.toStdString(), separator, actualDirectory, actualModule);
    QCOMPARE(QString::fromStdString(actualDirectory), directory);
    QCOMPARE(QString::fromStdString(actualModule), module);
}

void TestTranslation::locatesOwnFile()
{
    // Linked statically here, the translator's code lives in the test executable itself.
    std::string directory;
    std::string moduleName;
    LocateModule(directory, moduleName);
    QCOMPARE(QString::fromStdString(directory), QCoreApplication::applicationDirPath());
    QCOMPARE(moduleName, std::string("tst_translation"));
}

void TestTranslation::registryFillsTables()
{
    QTemporaryDir dir;
    CTranslatorData base = Table("Base", {{"Yes", "Jawohl"}}, {CTranslatorData("Root")});
    base.SetLanguage("German");
    CTranslatorData own = Table("Mod", {{"Yes", "Ja"}, {"No", "Nein"}}, {base});
    own.SetLanguage("German");
    QVERIFY(WriteTable(dir, own) && WriteTable(dir, base));
    const QString path = dir.filePath(QStringLiteral("ModGerman.trl"));

    CTranslatorRegistry::SetLanguage("German");
    CTranslatorRegistry::SetOutputDirectory("");
    {
        CTranslatorBase translator(dir.path().toStdString(), "Mod", true);
        QCOMPARE(translator.Translate("No"), std::string("Nein"));
        QCOMPARE(translator.Translate("Yes"), std::string("Jawohl"));
        const CTranslatorData data = translator.GetDataCopy();
        QCOMPARE(data.GetLanguage(), std::string("German"));
        QCOMPARE(data.GetBaseModule(0).GetBaseModule(0).GetModuleName(), std::string("Root"));
        QVERIFY(!data.IsModified());
        QFile::remove(path);
    }
    QVERIFY2(!QFile::exists(path), "only known texts were asked: nothing is written");
    QCOMPARE(CTranslatorRegistry::GetRegisteredCount(), std::size_t(0));

    QVERIFY(WriteTable(dir, own));
    {
        CTranslatorBase translator(dir.path().toStdString(), "Mod", true);
        translator.Translate("Maybe");
    }
    CTranslatorRegistry::SetLanguage("English");
    CTranslatorRegistry::SetOutputDirectory(m_oScratch.path().toStdString());
    STranslationTable rewritten;
    std::string error;
    QVERIFY(ReadTranslationFile(path.toStdString(), rewritten, error));
    QCOMPARE(rewritten.m_BaseModuleNames, std::vector<std::string>{"Base"});
    QCOMPARE(rewritten.m_Translations.size(), std::size_t(3));
}

void TestTranslation::concurrentLookups()
{
    constexpr int kThreads = 8;
    constexpr int kTexts = 300;
    STranslationTable known;
    for (int i = 0; i < kTexts; i += 2)
        known.m_Translations[std::to_string(i)] = "t" + std::to_string(i);
    CTranslatorBase translator("", "", false);
    translator.LoadTable(known);

    // Each thread walks the same texts from its own starting point, so known and new texts
    // overlap between threads; the module-wide entry point is exercised alongside.
    std::vector<std::vector<const std::string*>> results(kThreads + 1,
                                                         std::vector<const std::string*>(kTexts));
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; t++)
        threads.emplace_back(
            [&, t]
            {
                for (int n = 0; n < kTexts; n++)
                    results[t][(n + t * 37) % kTexts] =
                        &translator.Translate(std::to_string((n + t * 37) % kTexts));
                results[kThreads][t] = &Translate("shared text");
            });
    for (std::thread& thread : threads)
        thread.join();
    for (int t = 0; t < kThreads; t++)
        for (int i = 0; i < kTexts; i++)
        {
            QCOMPARE(results[t][i], results[0][i]);
            QCOMPARE(*results[t][i], (i % 2 ? "" : "t") + std::to_string(i));
            QCOMPARE(results[kThreads][t], results[kThreads][0]);
        }
    QCOMPARE(translator.GetDataCopy().GetTranslations().size(), std::size_t(kTexts));
    QCOMPARE(*results[kThreads][0], std::string("shared text"));
}

void TestTranslation::writtenAtUnload_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("recorded texts")
        << "record"
        << QByteArray("TF(0001)\nSettings\n(\n\tModuleName(\"libZuRaradirIzurodudoz\")\n"
                      "\tLanguage(\"English\")\n\tBaseModules(  )\n)\nTranslations\n(\n"
                      "\"Select a file to write to\"=\"Select a file to write to\"\n"
                      "\"Select an existing file\"=\"Select an existing file\"\n)\n");
    QTest::newRow("never translated") << "none" << QByteArray("<none>");
}

void TestTranslation::writtenAtUnload()
{
    QFETCH(QString, mode);
    QFETCH(QByteArray, expected);

    QTemporaryDir dir;
    QProcess probe;
    probe.start(QStringLiteral(ZRI_UNLOAD_PROBE), {dir.path(), mode});
    QVERIFY(probe.waitForFinished(30000));
    QCOMPARE(probe.exitCode(), 0);
    QCOMPARE(probe.readAllStandardOutput().trimmed(), QByteArray("not yet written"));

    QFile file(dir.filePath(QStringLiteral("libZuRaradirIzurodudozEnglish.trl")));
    QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>"), expected);
}

ZRI_TEST_MAIN(TestTranslation)
#include "tst_translation.moc"
