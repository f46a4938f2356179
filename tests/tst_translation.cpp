// Texts of the strings library; the translator, its file byte for byte, the registry filling
// tables from files, and a translator's day with a file edited by hand, which must never be lost.
#include "BandSpec.h"
#include "DataListMode.h"
#include "LoggerDefinition.h"
#include "ModuleFileName.h"
#include "TestSupport.h"
#include "Translator.h"
#include "TranslatorBase.h"
#include "TranslatorFile.h"
#include "TranslatorRegistry.h"
#include "TrendDisplayMarker.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <atomic>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

using namespace Varo::Fenra::Internationalisation;
using namespace Varo::Fenra::Strings;
using namespace Varo::Fenra::Progress;
using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;

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

std::string ToStd(const QByteArray& bytes)
{
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

// A German file of the module, naming the base modules.
QByteArray German(const char* module, const char* bases, const char* entries)
{
    return ZriTest::TrlText(QByteArray("\"") + module + "\"", "\"German\"", bases, entries);
}

void WriteGerman(const QString& directory, const char* module, const char* bases,
                 const char* entries)
{
    ZriTest::WriteAll(QString("%1/%2German.trl").arg(directory, module),
                      German(module, bases, entries));
}

// A translator's day: a run records texts, a person edits the file, the next run reads it.
const QByteArray kHead = "TF(0001)\nSettings\n(\n\tModuleName(\"Tool\")\n\tLanguage(\"English\")\n"
                         "\tBaseModules(  )\n)\nTranslations\n(\n";
const QByteArray kRecorded = kHead + "\"Open\"=\"Open\"\n\"Quit\"=\"Quit\"\n\"Save\"=\"Save\"\n)\n";
// What the person meant in every variant below, and the file the next run writes from it.
const QByteArray kEdited =
    kHead + "\"Open\"=\"Open…\"\n\"Quit\"=\"Exit\"\n\"Save\"=\"Save all\"\n)\n";
const QByteArray kRewritten = kHead + "\"Open\"=\"Open…\"\n\"Print\"=\"Print\"\n\"Quit\"=\"Exit\"\n"
                                      "\"Save\"=\"Save all\"\n)\n";

// One run: the translator of a module in `module` (default: dir) reads its files (stderr goes
// to *pTold), translates the texts and writes its file when it goes.
QString Run(const QTemporaryDir& dir, const std::vector<std::string>& texts, QByteArray* pTold,
            const QString& module = QString())
{
    CTranslatorRegistry::SetOutputDirectory("");
    const QString told = dir.filePath(QStringLiteral("stderr.txt"));
    const int nStderr = dup(2);
    const int nFile = open(QFile::encodeName(told).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(nFile, 2);
    close(nFile);
    QStringList translated;
    {
        CTranslatorBase translator((module.isNull() ? dir.path() : module).toStdString(), "Tool",
                                   true);
        dup2(nStderr, 2);
        close(nStderr);
        for (const std::string& text : texts)
            translated << QString::fromStdString(translator.Translate(text));
    }
    *pTold = ZriTest::ReadAll(told);
    CTranslatorRegistry::SetOutputDirectory(ZriTest::TranslationDirectory().toStdString());
    return translated.join('|');
}

// Values as text and text as values.
template <typename T> QString Text(T value, int nIndent = 0)
{
    return QString::fromStdString(Varo::Fenra::Strings::Detail::SMakeValueStringImpl<T>()(
        value, SMakeValueStringParameter().GetIndentShift(nIndent)));
}

// The texts of the values from -1 to nLast + 1, blank-separated.
template <typename T> QString Texts(int nLast)
{
    QStringList texts;
    for (int value = -1; value <= nLast + 1; ++value)
        texts << Text(T(value));
    return texts.join(' ');
}

// "ok:<value>", or the message of the failure.
template <typename T> QString Parse(const std::string& rsText, bool bSkipSpaces)
{
    try
    {
        return "ok:" + QString::number(MakeValue<T>(rsText, bSkipSpaces));
    }
    catch (const Varo::Fenra::CBasicException& rError)
    {
        return QString::fromStdString(rError.GetEntries().at(0).m_Message);
    }
}

} // namespace

class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    // The parse error's format is translated: German, from the translation file of the run,
    // which the library's translator reads when the first text is asked for.
    void initTestCase()
    {
        std::string directory, module; // linked statically: the module is this executable
        LocateModule(directory, module);
        CTranslatorRegistry::SetLanguage("German");
        WriteGerman(ZriTest::TranslationDirectory(), module.c_str(), "",
                    "\"Error parsing %1% from \\\"%2%\\\" at position \\\"%3%\\\"\"=\"%1% nicht in "
                    "\\\"%2%\\\" ab \\\"%3%\\\"\"\n");
        Translate("");
        CTranslatorRegistry::SetLanguage("English");
    }

    void texts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* tag, const QString& actual, const QString& expected)
        { QTest::newRow(tag) << actual << expected; };
        // The German translation shipped with the library, read and written again: the writer
        // gives back its bytes, so that it stays in the form the translator writes.
        const QByteArray shipped =
            ZriTest::ReadAll(QFINDTESTDATA("../translation/ZuRaradirIzurodudozGerman.trl"));
        STranslationTable german;
        std::string error;
        ParseTranslationText(ToStd(shipped), german, error);
        CTranslatorData data = Table(german.m_ModuleName, german.m_Translations);
        data.SetLanguage(german.m_Language);
        QTemporaryDir dir;
        CTranslatorFile(dir.filePath("German.trl").toStdString()).Write(data);
        row("shipped German, written again",
            QString::fromUtf8(ZriTest::ReadAll(dir.filePath("German.trl"))),
            QString::fromUtf8(shipped));
        row("shipped German caption",
            QString::fromStdString(german.m_Translations["Select an existing file"]),
            QStringLiteral("Vorhandene Datei auswählen"));
        // Every shipped text keeps its numbered places in their order ("Klassen %1 bis %2").
        const auto places = [](const std::string& text)
        { return QString::fromStdString(text).remove(QRegularExpression("[^%0-9]|%(?![0-9])")); };
        QStringList reordered;
        for (const auto& [english, translated] : german.m_Translations)
            if (places(english) != places(translated))
                reordered << QString::fromStdString(english);
        row("shipped German places", reordered.join('|'), "");
        // The delegate answers and records; the translator that passes texts on keeps nothing.
        CTranslatorBase translator(dir.path().toStdString(), "Own", false);
        CTranslatorBase delegate(dir.path().toStdString(), "Delegate", false);
        STranslationTable table;
        table.m_Translations = {{"Yes", "Ja"}};
        delegate.LoadTable(table);
        translator.SetDelegate(&delegate);
        const std::string answers = translator.Translate("Yes") + ' ' + translator.Translate("No");
        row("delegate",
            QString("%1 %2 %3")
                .arg(QString::fromStdString(answers))
                .arg(translator.GetDataCopy().GetTranslations().size())
                .arg(delegate.GetDataCopy().GetTranslations().size()),
            "Ja No 0 2");
        translator.SetDelegate(nullptr);
        // Band specifiers: the entry without its specifier, then the specifier.
        const auto band = [](const char* entry)
        { return QString::fromStdString(StripBandSpec(entry) + '|' + GetBandSpec(entry)); };
        row("band: list and range", band("image.tif[1,3-5]"), "image.tif|[1,3-5]");
        row("band: none", band("image.tif"), "image.tif|");
        row("band: empty brackets, blanks", band("a.tif[ 1 - 3 ][]"), "a.tif[ 1 - 3 ]|[]");
        row("band: words are no bands", band("notes[draft]"), "notes[draft]|");
        row("band: text after the bracket", band("file[a].txt]"), "file[a].txt]|");
        row("band: last of two", band("a[1][2]"), "a[1]|[2]");
        row("band: no file before", band("[1]"), "[1]|");
        // Module file names split into directory and module.
        const auto split = [](const char* fileName, char separator)
        {
            std::string directory, module;
            Varo::Fenra::Internationalisation::Detail::SplitModuleFileName(fileName, separator,
                                                                           directory, module);
            return QString::fromStdString(directory + '|' + module);
        };
        row("module of a windows dll", split("C:\\App\\Zri.dll", '\\'), "C:\\App|Zri");
        row("module of a versioned shared object", split("/opt/lib/libZri.so.0", '/'),
            "/opt/lib|libZri");
        row("module: not a version", split("/l/x.so.beta", '/'), "/l|x.so");
        row("module without a separator", split("tool.exe", '\\'), "tool.exe|tool");
        row("translation file paths",
            QString::fromStdString(MakeTranslationFilePath("//a///b/", "M", "E") + ' ' +
                                   MakeTranslationFilePath("C:\\App", "M", "E")),
            "/a/b/ME.trl C:\\App/ME.trl");
        std::string directory, module; // linked statically: the module is this executable
        LocateModule(directory, module);
        row("this module", QString::fromStdString(directory + '|' + module),
            QCoreApplication::applicationDirPath() + "|tst_translation");
        // own { a b }, base 1 { a e } over base 11 { d f }, base 2 { a d e }, base modules or the
        // own table first: the translation, whether the text was unknown and got recorded, the
        // table's size, and whether a second lookup moved the translation.
        const auto lookup = [](bool bBaseFirst, const std::string& key)
        {
            CTranslatorData data =
                Table("own", {{"a", "own-a"}, {"b", "own-b"}},
                      {Table("1", {{"a", "1-a"}, {"e", "1-e"}}, {Table("11", {{"d", "11-d"}})}),
                       Table("2", {{"a", "2-a"}, {"d", "2-d"}, {"e", "2-e"}})});
            const bool bUnknown = data.Lookup(key, bBaseFirst, false) == nullptr;
            const std::string* pFound = data.Lookup(key, bBaseFirst, true);
            return QString::fromStdString(*pFound) + (bUnknown ? " unknown" : "") +
                   (data.IsModified() ? " recorded " : " ") +
                   QString::number(data.GetTranslations().size()) +
                   (data.Lookup(key, bBaseFirst, true) == pFound ? "" : " moved");
        };
        row("base module beats own table", lookup(true, "a"), "1-a 2");
        row("deeper base module wins", lookup(true, "d"), "11-d 2");
        row("tie goes to earlier base", lookup(true, "e"), "1-e 2");
        row("own table as last resort", lookup(true, "b"), "own-b 2");
        row("own table first", lookup(false, "a"), "own-a 2");
        row("shallower base wins", lookup(false, "d"), "2-d 2");
        row("tie to earlier, own first", lookup(false, "e"), "1-e 2");
        row("unknown comes back", lookup(true, "new"), "new unknown recorded 3");
        row("empty text is a key", lookup(false, ""), " unknown recorded 3");
        // Without an escaped backslash, \" and " inside would give the same text.
        row("quoted", QString::fromStdString(MakeQuotedString("a\"b\\'\t")), "\"a\\\"b\\\\'\t\"");
        row("numbers: six digits, no negative zero",
            Text(100.0 / 3) + ' ' + Text(1e7) + ' ' + Text(-7) + ' ' + Text(-0.0),
            "33.3333 1e+07 -7 0");
        const auto record = [](int mode, const char* label, int indent) {
            return Text(SDataListMode{{255, 128, 0}, 2, EHistogramDrawMode(mode), label}, indent);
        };
        row("record", record(1, "a\"\\", 0), "(255, 128, 0), 2, 1, \"a\\\"\\\\\"");
        // Only the colour's inner separators carry the indentation.
        row("record nested", record(-3, "", 1), "(255, \n    128, \n    0), 2, -3, \"\"");
        row("draw mode, marker", Text(EHistogramDrawMode(-7)) + ' ' + Text(TrendMarkerSquare),
            "-7 3");
        row("logger types", Texts<ELoggerType>(5),
            "unknown none gui stdout file console network unknown");
        row("levels", Texts<_EVerbosityLevel>(7),
            "Unknown None Fatal Error Warning Info Log Debug Trace Unknown");
        const QString type = "Varo::Fenra::Progress::ELoggerType";
        const QString level = "Varo::Fenra::Progress::_EVerbosityLevel";
        const auto failed = [](const QString& name, const QString& text, const QString& rest)
        { return QString("%1 nicht in \"%2\" ab \"%3\"").arg(name, text, rest); };
        row("File", Parse<ELoggerType>("File", false), "ok:3");
        row("ne: the shortest word", Parse<ELoggerType>("ne", false), "ok:5");
        row("n: no type", Parse<ELoggerType>("n", false), failed(type, "n", "n"));
        row("networks: text after the word", Parse<ELoggerType>("networks", false),
            failed(type, "networks", "s"));
        row("n: no level", Parse<_EVerbosityLevel>("n", false), "ok:0");
        row("warn ing", Parse<_EVerbosityLevel>("warn ing", false),
            failed(level, "warn ing", " ing"));
        row("blank first", Parse<_EVerbosityLevel>(" info", false),
            failed(level, " info", " info"));
        row("blanks skipped", Parse<_EVerbosityLevel>(" info ", true), "ok:4");
        row("empty", Parse<_EVerbosityLevel>("", false), failed(level, "", ""));
        row("ends at zero", Parse<_EVerbosityLevel>(std::string("info\0junk", 9), false), "ok:4");
    }

    void texts()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }
    void write_data()
    {
        QTest::addColumn<QByteArray>("module");
        QTest::addColumn<QByteArrayList>("bases");
        QTest::addColumn<QByteArrayList>("entries"); // text, translation, text, ...
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("empty table has ten lines")
            << QByteArray("M") << QByteArrayList() << QByteArrayList()
            << ZriTest::TrlText("\"M\"", "\"L\\'\"", "  ", "");
        QTest::newRow("entries in unsigned byte order, three bases")
            << QByteArray("M") << QByteArrayList{"A", "B", "C"}
            << QByteArrayList{"\xe4", "1", "b", "2", "ab", "3", "B", "5", "", "6"}
            << ZriTest::TrlText(
                   "\"M\"", "\"L\\'\"", " \"A\", \"B\", \"C\" ",
                   "\"\"=\"6\"\n\"B\"=\"5\"\n\"ab\"=\"3\"\n\"b\"=\"2\"\n\"\xe4\"=\"1\"\n");
        QTest::newRow("every escape, other bytes unchanged")
            << QByteArray("M\"\\") << QByteArrayList{"B\t"}
            << QByteArrayList{"a\b\t\n\f\r\"'\\z", "x\ny", QByteArray("\0\a\v\x7f\xff", 5), "="}
            << ZriTest::TrlText("\"M\\\"\\\\\"", "\"L\\'\"", " \"B\\t\" ",
                                QByteArray("\"\0\a\v\x7f\xff\"=\"=\"\n", 12) +
                                    "\"a\\b\\t\\n\\f\\r\\\"\\'\\\\z\"=\"x\\ny\"\n");
    }

    // The writer's bytes on disk; the registry's reader gives them all back, with LF or CR LF.
    void write()
    {
        QFETCH(QByteArray, module);
        QFETCH(QByteArrayList, bases);
        QFETCH(QByteArrayList, entries);
        CTranslatorData data(ToStd(module));
        data.SetLanguage("L'");
        for (const QByteArray& base : bases)
            data.AddBaseModule(CTranslatorData(ToStd(base)));
        for (int i = 0; i + 1 < entries.size(); i += 2)
            data.Add(ToStd(entries[i]), ToStd(entries[i + 1]));
        QTemporaryDir dir;
        const QString path = dir.filePath("out.trl");
        QVERIFY(CTranslatorFile(path.toStdString()).Write(data));
        QTEST(ZriTest::ReadAll(path), "expected");
        for (const QByteArray& lineEnd : {QByteArray("\n"), QByteArray("\r\n")})
        {
            STranslationTable table;
            std::string error;
            QVERIFY2(ParseTranslationText(ToStd(ZriTest::ReadAll(path).replace("\n", lineEnd)),
                                          table, error),
                     error.c_str());
            QCOMPARE(table.m_ModuleName, data.GetModuleName());
            QCOMPARE(table.m_BaseModuleNames.size(), std::size_t(bases.size()));
            QVERIFY(table.m_Translations == data.GetTranslations());
        }
        QVERIFY(!CTranslatorFile(dir.filePath("missing/out.trl").toStdString()).Write(data));
        QVERIFY(!QFile::exists(dir.filePath("missing")));
    }

    // Mod builds on Base and Gone (no file), Base on Mod (a cycle). Tables come from the redirected
    // directory; the translations shipped beside the module fill gaps and stay untouched.
    void registryFillsTables()
    {
        QTemporaryDir beside, redirected;
        WriteGerman(beside.path(), "Mod", "  ", "\"Yes\"=\"Nein\"\n");
        QVERIFY(QDir(beside.path()).mkdir("translations"));
        const QString shipped = beside.filePath("translations");
        WriteGerman(shipped, "Mod", "  ", "\"Cancel\"=\"Abbrechen\"\n\"No\"=\"Nicht\"\n");
        WriteGerman(redirected.path(), "Mod", " \"Base\", \"Gone\" ",
                    "\"No\"=\"Nein\"\n\"Yes\"=\"Ja\"\n");
        // Base's own file calls it otherwise; Mod's link to it must not change with that.
        ZriTest::WriteAll(
            redirected.filePath("BaseGerman.trl"),
            German("Basis", " \"Mod\" ", "\"Maybe\"=\"Vielleicht\"\n\"Yes\"=\"Jawohl\"\n"));
        CTranslatorRegistry::Register(nullptr);
        const std::size_t nRegistered = CTranslatorRegistry::GetRegisteredCount();
        CTranslatorRegistry::SetLanguage("German");
        CTranslatorRegistry::SetOutputDirectory(redirected.path().toStdString());
        {
            CTranslatorBase translator(beside.path().toStdString(), "Mod", true);
            QVERIFY(CTranslatorRegistry::IsRegistered(&translator));
            QCOMPARE(translator.Translate("No"), std::string("Nein"));
            QCOMPARE(translator.Translate("Yes"), std::string("Jawohl"));
            QCOMPARE(translator.Translate("Maybe"), std::string("Vielleicht"));
            QCOMPARE(translator.Translate("Cancel"), std::string("Abbrechen"));
            QCOMPARE(CTranslatorRegistry::GetLastError(),
                     redirected.filePath("BaseGerman.trl").toStdString() +
                         " line 4: ModuleName \"Basis\"; used as the base module \"Base\" under "
                         "that name");
            QVERIFY(!translator.GetDataCopy().IsModified());
            translator.Translate("Perhaps");
        }
        CTranslatorRegistry::SetLanguage("English");
        CTranslatorRegistry::SetOutputDirectory(ZriTest::TranslationDirectory().toStdString());
        QCOMPARE(CTranslatorRegistry::GetRegisteredCount(), nRegistered);
        // Rewritten naming both base modules, the one without a file too, and without the
        // shipped "Cancel", which the next installed version may translate otherwise.
        QCOMPARE(ZriTest::ReadAll(redirected.filePath("ModGerman.trl")),
                 German("Mod", " \"Base\", \"Gone\" ",
                        "\"No\"=\"Nein\"\n\"Perhaps\"=\"Perhaps\"\n\"Yes\"=\"Ja\"\n"));
        QCOMPARE(ZriTest::ReadAll(shipped + "/ModGerman.trl"),
                 German("Mod", "  ", "\"Cancel\"=\"Abbrechen\"\n\"No\"=\"Nicht\"\n"));
        QCOMPARE(ZriTest::ReadAll(beside.filePath("ModGerman.trl")),
                 German("Mod", "  ", "\"Yes\"=\"Nein\"\n"));
    }

    // Threads record texts of their own into one translator: without its lock texts get lost.
    void lookupsFromSeveralThreads()
    {
        constexpr int kThreads = 4, kTexts = 20000;
        CTranslatorBase translator("", "", false);
        std::atomic<int> nWaiting{kThreads}, nWrong{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t)
            threads.emplace_back(
                [&, t]
                {
                    for (--nWaiting; nWaiting > 0;)
                        std::this_thread::yield();
                    for (int n = 0; n < kTexts; ++n)
                    {
                        const std::string text = std::to_string(t) + ":" + std::to_string(n);
                        nWrong += translator.Translate(text) != text;
                        nWrong += &Translate("shared") != &Translate("shared");
                    }
                });
        for (std::thread& thread : threads)
            thread.join();
        QCOMPARE(nWrong.load(), 0);
        QCOMPARE(translator.GetDataCopy().GetTranslations().size(), std::size_t(kThreads * kTexts));
    }

    void handEditedFileIsRead_data()
    {
        QTest::addColumn<QByteArray>("edited");
        QTest::newRow("as written") << kEdited;
        QTest::newRow("indented, blanks around")
            << kHead +
                   "  \"Open\" = \"Open…\"\n\t\"Quit\"=\"Exit\"  \n \t\"Save\"=\t\"Save all\"\t\n"
                   "  )  \n";
        QTest::newRow("blank lines") << QByteArray(
            "\nTF(0001)\n\nSettings\n(\n\tModuleName(\"Tool\")\n \n\tLanguage(\"English\")\n"
            "\tBaseModules(  )\n)\n\nTranslations\n(\n\n\"Open\"=\"Open…\"\n\t\n"
            "\"Quit\"=\"Exit\"\n\"Save\"=\"Save all\"\n\n)\n\n\n");
        QTest::newRow("any order, one entry twice")
            << kHead + "\"Save\"=\"Save all\"\n\"Quit\"=\"Exit\"\n\"Open\"=\"Open…\"\n"
                       "\"Save\"=\"Save all\"\n)\n";
        QTest::newRow("an editor on another system") << QByteArray(
            "\xEF\xBB\xBFTF(0001)\r\nSettings\r\n(\r\n    Language( \"English\" )\r\n"
            "    ModuleName(\"Tool\")\r\n    BaseModules()\r\n)\r\nTranslations\r\n(\r\n"
            "    \"Quit\" = \"Exit\"\r\n    \"Save\" = \"Save all\"\r\n    \"Open\" = "
            "\"Open…\"\r\n)");
    }

    void handEditedFileIsRead()
    {
        QFETCH(QByteArray, edited);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("ToolEnglish.trl"));
        QByteArray told;
        QCOMPARE(Run(dir, {}, &told), QString()); // nothing recorded, nothing written
        QCOMPARE(ZriTest::ReadAll(file), QByteArray("<none>"));
        QCOMPARE(Run(dir, {"Save", "Open", "Quit"}, &told), QStringLiteral("Save|Open|Quit"));
        QCOMPARE(ZriTest::ReadAll(file), kRecorded);
        ZriTest::WriteAll(file, edited);
        QCOMPARE(Run(dir, {"Quit"}, &told), QStringLiteral("Exit")); // read, not rewritten
        QCOMPARE(ZriTest::ReadAll(file), edited);
        QCOMPARE(Run(dir, {"Open", "Quit", "Save", "Print"}, &told),
                 QStringLiteral("Open…|Exit|Save all|Print"));
        QCOMPARE(told, QByteArray());
        QCOMPARE(ZriTest::ReadAll(file), kRewritten);
        QVERIFY(!QFile::exists(file + ".unreadable"));
    }

    void correctedFileIsKept_data()
    {
        QTest::addColumn<QByteArray>("edited");
        QTest::addColumn<QByteArray>("rewritten");
        QTest::addColumn<QString>("told");
        const QByteArray twoBaseLines = QByteArray(kHead).replace(
            "\tBaseModules(  )\n", "\tBaseModules( \"Common\" )\n\tBaseModules(\"Extra\")\n");
        const QByteArray bothBases = QByteArray(kHead).replace("(  )", "( \"Common\", \"Extra\" )");
        QTest::newRow("correction added below the original")
            << kHead + "\"Open\"=\"Open…\"\n\"Quit\"=\"Exit\"\n\"Save\"=\"Save\"\n"
                       "\"Save\"=\"Save all\"\n)\n"
            << kRewritten
            << "line 13: a second entry for the text of line 12; the later one counts";
        QTest::newRow("second base module line")
            << twoBaseLines + "\"Open\"=\"Open…\"\n\"Quit\"=\"Exit\"\n\"Save\"=\"Save all\"\n)\n"
            << bothBases + kRewritten.mid(kHead.size())
            << "line 7: a second BaseModules line (the first is line 6); its names follow the "
               "first's";
        QTest::newRow("own module name and language")
            << QByteArray(kEdited)
                   .replace("(\"Tool\")", "(\"Zura widgets\")")
                   .replace("(\"English\")", "(\"Englisch\")")
            << kRewritten
            << "line 4: ModuleName \"Zura widgets\" is written as \"Tool\"|line 5: Language "
               "\"Englisch\" is written as \"English\"";
    }

    // A readable file that says one thing twice: the translation a person would expect is used,
    // the file as written is kept once (not again on the next run), and the line is told.
    void correctedFileIsKept()
    {
        QFETCH(QByteArray, edited);
        QFETCH(QString, told);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("ToolEnglish.trl"));
        ZriTest::WriteAll(file, edited);
        QByteArray stderrText;
        QCOMPARE(Run(dir, {"Open", "Quit", "Save", "Print"}, &stderrText),
                 QStringLiteral("Open…|Exit|Save all|Print"));
        QString lines;
        for (const QString& note : told.split('|'))
            lines += file + ' ' + note + "; the file as it was is kept as " + file + ".kept\n";
        QCOMPARE(QString::fromLocal8Bit(stderrText), lines);
        QTEST(ZriTest::ReadAll(file), "rewritten");
        // The same edit again keeps no second copy; another edit gets one of its own.
        for (const auto& [again, copy] : {std::pair(edited, ".kept"), {edited + "\n", ".kept.2"}})
        {
            ZriTest::WriteAll(file, again);
            Run(dir, {"Open"}, &stderrText);
            QVERIFY(stderrText.endsWith(file.toLocal8Bit() + copy + "\n"));
            QCOMPARE(ZriTest::ReadAll(file + copy), again);
        }
        QCOMPARE(ZriTest::ReadAll(file + ".kept"), edited);
    }

    // An upgrade reaches the user: version 1 ships "Open", a person translates "Quit", version 2
    // ships all three. Its "Save" beats "not translated yet", the person's "Quit" the shipped one.
    void upgradeReachesUser()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("translations"));
        const QString own = dir.filePath("ToolGerman.trl");
        const auto ship = [&](const char* entries) {
            ZriTest::WriteAll(dir.filePath("translations/ToolGerman.trl"),
                              German("Tool", "  ", entries));
        };
        CTranslatorRegistry::SetLanguage("German");
        QByteArray told;
        ship("\"Open\"=\"Öffnen\"\n");
        QCOMPARE(Run(dir, {"Open", "Save"}, &told), QString::fromUtf8("Öffnen|Save"));
        const QByteArray head = QByteArray(kHead).replace("English", "German");
        QCOMPARE(ZriTest::ReadAll(own), head + "\"Save\"=\"Save\"\n)\n");
        ZriTest::WriteAll(own, head + "\"Quit\"=\"Beenden\"\n\"Save\"=\"Save\"\n)\n");
        ship("\"Open\"=\"Öffnen\"\n\"Quit\"=\"Verlassen\"\n\"Save\"=\"Speichern\"\n");
        QCOMPARE(Run(dir, {"Open", "Save", "Quit", "Print"}, &told),
                 QString::fromUtf8("Öffnen|Speichern|Beenden|Print"));
        CTranslatorRegistry::SetLanguage("English");
        QCOMPARE(told, QByteArray());
        QCOMPARE(ZriTest::ReadAll(own), head + "\"Print\"=\"Print\"\n\"Quit\"=\"Beenden\"\n)\n");
    }

    // A module in a system folder keeps its file in the user's data folder, told once a process.
    void systemFolderRedirected()
    {
        QTemporaryDir dir, data;
        const QByteArray kept = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        QByteArray told;
        const QString module = "/usr/lib/zri-test-module";
        QCOMPARE(Run(dir, {"Open"}, &told, module), "Open");
        QCOMPARE(QString::fromLocal8Bit(told),
                 module +
                     " is a system folder or cannot be written; translation files are read "
                     "and written in " +
                     data.path() + "/Fenra/translations\n");
        const QString file = data.filePath("Fenra/translations/ToolEnglish.trl");
        QCOMPARE(ZriTest::ReadAll(file), kHead + "\"Open\"=\"Open\"\n)\n");
        QCOMPARE(Run(dir, {"Save"}, &told, module), "Save");
        QCOMPARE(told, QByteArray());
        QCOMPARE(ZriTest::ReadAll(file), kHead + "\"Open\"=\"Open\"\n\"Save\"=\"Save\"\n)\n");
        qputenv("XDG_DATA_HOME", kept);
    }

    // The file after kHead (unless it has a head of its own), and why the reader cannot take it.
    void unreadableFileIsKept_data()
    {
        ZriTest::AddRows(
            {"text", "reason"},
            {{"entry without quotes", "\"Open\"=\"Open…\"\nQuit=Exit\n)\n",
              "line 11: expected a quoted text at column 1"},
             {"a note", "# Checked by Ana\n\"Open\"=\"Open…\"\n)\n",
              "line 10: expected a quoted text at column 1"},
             {"quote not closed", "\"Open\"=\"Open…\n)\n", "line 10: unterminated quoted string"},
             {"escape of another language", "\"Open\"=\"\\u00d6ffnen\"\n)\n",
              "line 10: unknown escape at column 9"},
             {"text after the table", "\"Open\"=\"Open\"\n)\n\"Print\"=\"Drucken\"\n",
              "line 12: text after the end of the translations"},
             {"closing parenthesis lost", "\"Open\"=\"Open…\"\n",
              "line 11: expected \")\", found the end of the file"},
             {"another version", "TF(0002)\n\"Open\"=\"Open…\"\n", "line 1: expected \"TF(0001)\""},
             {"every name for a copy taken", "Open\n)\n", ""}});
    }

    // Broken twice: both edits are kept, each run tells why once and starts empty. With every
    // name for a copy taken, the file stays and nothing is written.
    void unreadableFileIsKept()
    {
        QFETCH(QString, text);
        QFETCH(QString, reason);
        const QByteArray edited = text.startsWith("TF(") ? text.toUtf8() : kHead + text.toUtf8();
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("ToolEnglish.trl"));
        for (int nCopy = 1; reason.isEmpty() && nCopy <= 10; ++nCopy)
            ZriTest::WriteAll(
                file + ".unreadable" + (nCopy > 1 ? "." + QString::number(nCopy) : ""), "older");
        for (const QString& kept : {file + ".unreadable", file + ".unreadable.2"})
        {
            ZriTest::WriteAll(file, edited);
            QByteArray told;
            QCOMPARE(Run(dir, {"Open", "Print"}, &told), QStringLiteral("Open|Print"));
            const QString line =
                file + " cannot be read (" +
                (reason.isEmpty() ? "line 10: expected a quoted text at column 1); left in place, "
                                    "no translation file is written in this run"
                                  : reason + "); kept as " + kept);
            QCOMPARE(QString::fromLocal8Bit(told), line + "\n");
            QCOMPARE(QString::fromStdString(CTranslatorRegistry::GetLastError()), line);
            QCOMPARE(ZriTest::ReadAll(kept), reason.isEmpty() ? "older" : edited);
            QCOMPARE(ZriTest::ReadAll(file),
                     reason.isEmpty() ? edited
                                      : kHead + "\"Open\"=\"Open\"\n\"Print\"=\"Print\"\n)\n");
        }
        QCOMPARE(ZriTest::ReadAll(file + ".unreadable"), reason.isEmpty() ? "older" : edited);
    }
};

ZRI_TEST_MAIN(TestTranslation)
#include "tst_translation.moc"
