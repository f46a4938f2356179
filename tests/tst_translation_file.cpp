// The translation file: what the writer puts on disk byte for byte, and what the registry's
// reader rejects.
#include "TestSupport.h"
#include "TranslatorData.h"
#include "TranslatorFile.h"
#include "TranslatorRegistry.h"

#include <QFile>
#include <QTemporaryDir>

using namespace Varo::Fenra::Internationalisation;

namespace
{

std::string ToStd(const QByteArray& bytes)
{
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A whole file around its variable lines: lines 4 to 6 and the entries.
QByteArray File(const QByteArray& module, const QByteArray& language, const QByteArray& bases,
                const QByteArray& entries)
{
    return "TF(0001)\nSettings\n(\n\tModuleName(" + module + ")\n\tLanguage(" + language +
           ")\n\tBaseModules(" + bases + ")\n)\nTranslations\n(\n" + entries + ")\n";
}

const QByteArray kValid = File("\"M\"", "\"English\"", "  ", "\"a\"=\"b\"\n\"c\"=\"d\"\n");

} // namespace

class TestTranslationFile : public QObject
{
    Q_OBJECT

private slots:
    void write_data();
    void write();
    void writeToMissingDirectory();
    void rejects_data();
    void rejects();
    void roundTrip_data();
    void roundTrip();
};

void TestTranslationFile::write_data()
{
    QTest::addColumn<QByteArray>("module");
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QByteArrayList>("bases");
    QTest::addColumn<QByteArrayList>("entries"); // text, translation, text, ...
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty table has ten lines")
        << QByteArray("M") << QByteArray("English") << QByteArrayList() << QByteArrayList()
        << File("\"M\"", "\"English\"", "  ", "");
    QTest::newRow("recorded titles in byte order")
        << QByteArray("ZuRaradirIzurodudoz") << QByteArray("English") << QByteArrayList()
        << QByteArrayList{"Select an existing file", "Select an existing file",
                          "Select a file to write to", "Select a file to write to"}
        << File("\"ZuRaradirIzurodudoz\"", "\"English\"", "  ",
                "\"Select a file to write to\"=\"Select a file to write to\"\n"
                "\"Select an existing file\"=\"Select an existing file\"\n");
    QTest::newRow("three base modules")
        << QByteArray("M") << QByteArray("German") << QByteArrayList{"A", "B", "C"}
        << QByteArrayList() << File("\"M\"", "\"German\"", " \"A\", \"B\", \"C\" ", "");
    QTest::newRow("empty names") << QByteArray() << QByteArray() << QByteArrayList{""}
                                 << QByteArrayList() << File("\"\"", "\"\"", " \"\" ", "");
    QTest::newRow("every escape") << QByteArray("M\"\\") << QByteArray("L'")
                                  << QByteArrayList{"B\t"}
                                  << QByteArrayList{"a\b\t\n\f\r\"'\\z", "x\ny"}
                                  << File("\"M\\\"\\\\\"", "\"L\\'\"", " \"B\\t\" ",
                                          "\"a\\b\\t\\n\\f\\r\\\"\\'\\\\z\"=\"x\\ny\"\n");
    QTest::newRow("other bytes unchanged")
        << QByteArray("M") << QByteArray("E") << QByteArrayList()
        << QByteArrayList{QByteArray("\0\a\v\x7f\x80\xff", 6), "="}
        << File("\"M\"", "\"E\"", "  ", QByteArray("\"\0\a\v\x7f\x80\xff\"=\"=\"\n", 13));
    QTest::newRow("bytes compare unsigned")
        << QByteArray("M") << QByteArray("E") << QByteArrayList()
        << QByteArrayList{"\xe4", "1", "b", "2", "ab", "3", "a", "4", "B", "5", "", "6"}
        << File(
               "\"M\"", "\"E\"", "  ",
               "\"\"=\"6\"\n\"B\"=\"5\"\n\"a\"=\"4\"\n\"ab\"=\"3\"\n\"b\"=\"2\"\n\"\xe4\"=\"1\"\n");
}

void TestTranslationFile::write()
{
    QFETCH(QByteArray, module);
    QFETCH(QByteArray, language);
    QFETCH(QByteArrayList, bases);
    QFETCH(QByteArrayList, entries);
    QFETCH(QByteArray, expected);

    CTranslatorData data(ToStd(module));
    data.SetLanguage(ToStd(language));
    for (const QByteArray& base : bases)
        data.AddBaseModule(CTranslatorData(ToStd(base)));
    for (int i = 0; i + 1 < entries.size(); i += 2)
        data.Add(ToStd(entries[i]), ToStd(entries[i + 1]));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.trl"));
    QVERIFY(CTranslatorFile(path.toStdString()).Write(data));
    QCOMPARE(ReadAll(path), expected);
}

void TestTranslationFile::writeToMissingDirectory()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/out.trl"));
    CTranslatorData data("M");
    data.Add("a", "a");
    QVERIFY(!CTranslatorFile(path.toStdString()).Write(data));
    QVERIFY(!QFile::exists(path));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing"))));
}

void TestTranslationFile::rejects_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error");

    // Each row changes the valid file in one place: replace "from" by "to".
    const struct
    {
        const char* name;
        QByteArray from;
        QByteArray to;
        const char* error;
    } rows[] = {
        {"other version", "0001", "0002", "line 1: expected \"TF(0001)\""},
        {"text after a setting", "(  )", "(  ) x", "line 6: unexpected text at column 18"},
        {"unknown escape", "\"b\"", "\"\\q\"", "line 10: unknown escape at column 6"},
        {"unterminated", "=\"b\"", "=\"b", "line 10: unterminated"},
        {"closing line missing", "\"d\"\n)\n", "\"d\"\n", "line 12: expected \")\", found the end"},
        {"text after the end", "\"d\"\n)\n", "\"d\"\n)\n\nmore\n", "line 14: text after the end"},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << QByteArray(kValid).replace(row.from, row.to) << row.error;
}

void TestTranslationFile::rejects()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, error);

    STranslationTable table;
    table.m_ModuleName = "untouched";
    table.m_Translations["keep"] = "me";
    std::string message;
    QVERIFY(!ParseTranslationText(ToStd(text), table, message));
    QVERIFY2(QString::fromStdString(message).startsWith(error), message.c_str());
    QCOMPARE(table.m_ModuleName, std::string("untouched"));
    QCOMPARE(table.m_Translations.size(), std::size_t(1));
}

void TestTranslationFile::roundTrip_data()
{
    QTest::addColumn<bool>("bCrLf");
    QTest::newRow("line feeds") << false;
    QTest::newRow("carriage return and line feed") << true;
}

void TestTranslationFile::roundTrip()
{
    QFETCH(bool, bCrLf);

    std::string everyByte;
    for (int byte = 0; byte < 256; byte++)
        everyByte += static_cast<char>(byte);
    CTranslatorData data("M\x01\"\xff");
    data.SetLanguage("L\r\\\x80");
    data.AddBaseModule(CTranslatorData("B\n"));
    data.AddBaseModule(CTranslatorData(everyByte));
    data.Add(everyByte, std::string(everyByte.rbegin(), everyByte.rend()));
    data.Add("", "");
    for (int byte = 0; byte < 256; byte++)
        data.Add(std::string(1, static_cast<char>(byte)) + "k", everyByte.substr(byte));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("all.trl"));
    QVERIFY(CTranslatorFile(path.toStdString()).Write(data));
    QByteArray bytes = ReadAll(path);
    if (bCrLf)
        bytes.replace("\n", "\r\n");

    STranslationTable table;
    std::string error;
    QVERIFY2(ParseTranslationText(ToStd(bytes), table, error), error.c_str());
    QCOMPARE(table.m_ModuleName, data.GetModuleName());
    QCOMPARE(table.m_Language, data.GetLanguage());
    QCOMPARE(table.m_BaseModuleNames, (std::vector<std::string>{"B\n", everyByte}));
    QVERIFY(table.m_Translations == data.GetTranslations());
    QCOMPARE(table.m_Translations.size(), std::size_t(258));
}

ZRI_TEST_MAIN(TestTranslationFile)
#include "tst_translation_file.moc"
