// A translator's day: a module records its texts and writes its translation file; a person
// edits the file in an editor of their own; the next run reads it, translates the edited texts,
// records a new one and writes the file again at unload. Nothing written by hand may be lost:
// a file the reader cannot take is kept byte for byte, and the reason is told once.
#include "TestSupport.h"
#include "TranslatorBase.h"
#include "TranslatorRegistry.h"

#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

using namespace Varo::Fenra::Internationalisation;

namespace
{

const QByteArray kHead = "TF(0001)\nSettings\n(\n\tModuleName(\"Tool\")\n\tLanguage(\"English\")\n"
                         "\tBaseModules(  )\n)\nTranslations\n(\n";
const QByteArray kRecorded = kHead + "\"Open\"=\"Open\"\n\"Quit\"=\"Quit\"\n\"Save\"=\"Save\"\n)\n";
// What the person meant in every variant below, and the file the next run writes from it.
const QByteArray kEdited =
    kHead + "\"Open\"=\"Open…\"\n\"Quit\"=\"Exit\"\n\"Save\"=\"Save all\"\n)\n";
const QByteArray kRewritten = kHead + "\"Open\"=\"Open…\"\n\"Print\"=\"Print\"\n\"Quit\"=\"Exit\"\n"
                                      "\"Save\"=\"Save all\"\n)\n";

// One run of the module: its translator reads the file when it registers (what that prints on
// stderr goes to *pTold), translates the texts, and writes the file when it goes.
QString Run(const QTemporaryDir& dir, const std::vector<std::string>& texts, QByteArray* pTold)
{
    const QString told = dir.filePath(QStringLiteral("stderr.txt"));
    const int nStderr = dup(2);
    const int nFile = open(QFile::encodeName(told).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(nFile, 2);
    close(nFile);
    QStringList translated;
    {
        CTranslatorBase translator(dir.path().toStdString(), "Tool", true);
        dup2(nStderr, 2);
        close(nStderr);
        for (const std::string& text : texts)
            translated << QString::fromStdString(translator.Translate(text));
    }
    *pTold = ZriTest::ReadAll(told);
    return translated.join('|');
}

} // namespace

class TestUseTranslatorDay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CTranslatorRegistry::SetOutputDirectory(""); }

    void handEditedFileIsRead_data()
    {
        QTest::addColumn<QByteArray>("edited");
        QTest::newRow("as written") << kEdited;
        QTest::newRow("CR LF") << QByteArray(kEdited).replace("\n", "\r\n");
        QTest::newRow("no final line feed") << kEdited.chopped(1);
        QTest::newRow("indented, blanks around")
            << kHead +
                   "  \"Open\" = \"Open…\"\n\t\"Quit\"=\"Exit\"  \n \t\"Save\"=\t\"Save all\"\t\n"
                   "  )  \n";
        QTest::newRow("blank lines") << QByteArray(
            "\nTF(0001)\n\nSettings\n(\n\tModuleName(\"Tool\")\n \n\tLanguage(\"English\")\n"
            "\tBaseModules(  )\n)\n\nTranslations\n(\n\n\"Open\"=\"Open…\"\n\t\n"
            "\"Quit\"=\"Exit\"\n\"Save\"=\"Save all\"\n\n)\n\n\n");
        QTest::newRow("any order, first of two counts")
            << kHead + "\"Save\"=\"Save all\"\n\"Quit\"=\"Exit\"\n\"Open\"=\"Open…\"\n"
                       "\"Save\"=\"Save everything\"\n)\n";
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
        QCOMPARE(Run(dir, {"Save", "Open", "Quit"}, &told), QStringLiteral("Save|Open|Quit"));
        QCOMPARE(ZriTest::ReadAll(file), kRecorded);
        ZriTest::WriteAll(file, edited);
        QCOMPARE(Run(dir, {"Open", "Quit", "Save", "Print"}, &told),
                 QStringLiteral("Open…|Exit|Save all|Print"));
        QCOMPARE(told, QByteArray());
        QCOMPARE(ZriTest::ReadAll(file), kRewritten);
        QVERIFY(!QFile::exists(file + ".unreadable"));
    }

    void unreadableFileIsKept_data()
    {
        QTest::addColumn<QByteArray>("edited");
        QTest::addColumn<QString>("reason");
        QTest::newRow("entry without quotes") << kHead + "\"Open\"=\"Open…\"\nQuit=Exit\n)\n"
                                              << "line 11: expected a quoted text at column 1";
        QTest::newRow("a note") << kHead + "# Checked by Ana\n\"Open\"=\"Open…\"\n)\n"
                                << "line 10: expected a quoted text at column 1";
        QTest::newRow("quote not closed") << kHead + "\"Open\"=\"Open…\n)\n"
                                          << "line 10: unterminated quoted string";
        QTest::newRow("escape of another language") << kHead + "\"Open\"=\"\\u00d6ffnen\"\n)\n"
                                                    << "line 10: unknown escape at column 9";
        QTest::newRow("closing parenthesis lost")
            << kHead + "\"Open\"=\"Open…\"\n"
            << "line 11: expected \")\", found the end of the file";
        QTest::newRow("another version")
            << "TF(0002)\n" + kEdited.mid(9) << "line 1: expected \"TF(0001)\"";
    }

    // Broken twice in a row: both edits are kept, the earlier copy is not replaced, and each run
    // tells its reason once and starts from empty tables.
    void unreadableFileIsKept()
    {
        QFETCH(QByteArray, edited);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("ToolEnglish.trl"));
        for (const QString& kept : {file + ".unreadable", file + ".unreadable.2"})
        {
            ZriTest::WriteAll(file, edited);
            QByteArray told;
            QCOMPARE(Run(dir, {"Open", "Print"}, &told), QStringLiteral("Open|Print"));
            const QString line = file + " cannot be read (" + reason + "); kept as " + kept;
            QCOMPARE(QString::fromLocal8Bit(told), line + "\n");
            QCOMPARE(QString::fromStdString(CTranslatorRegistry::GetLastError()), line);
            QCOMPARE(ZriTest::ReadAll(kept), edited);
            QCOMPARE(ZriTest::ReadAll(file), kHead + "\"Open\"=\"Open\"\n\"Print\"=\"Print\"\n)\n");
        }
        QCOMPARE(ZriTest::ReadAll(file + ".unreadable"), edited);
    }

    // With every name for a kept copy taken, the file stays where it is and nothing is written.
    void unreadableFileWithoutRoomIsLeftAlone()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("ToolEnglish.trl"));
        ZriTest::WriteAll(file + ".unreadable", "first");
        for (int nCopy = 2; nCopy <= 10; ++nCopy)
            ZriTest::WriteAll(file + ".unreadable." + QString::number(nCopy), "older");
        const QByteArray edited = kHead + "Open\n)\n";
        ZriTest::WriteAll(file, edited);
        QByteArray told;
        QCOMPARE(Run(dir, {"Open"}, &told), QStringLiteral("Open"));
        QCOMPARE(QString::fromLocal8Bit(told),
                 file + " cannot be read (line 10: expected a quoted text at column 1); left in "
                        "place, no translation file is written in this run\n");
        QCOMPARE(ZriTest::ReadAll(file), edited);
        QCOMPARE(ZriTest::ReadAll(file + ".unreadable"), QByteArray("first"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 12);
    }
};

ZRI_TEST_MAIN(TestUseTranslatorDay)
#include "tst_use_translator_day.moc"
