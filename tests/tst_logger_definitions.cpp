// Logger definitions: the word parsers against a plain reference reader, the text of every
// value, and the table edited as a user edits it.
#include "LoggerDefinition.h"
#include "LoggerWordReference.h"
#include "TestSupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace Varo::Fenra::Progress;
using Varo::Fenra::CBasicException;
using Varo::Fenra::Strings::CMakeValueException;
using Varo::Fenra::Strings::MakeValue;
using Definitions = std::vector<CLoggerDefinition>;
using Flags = QVector<bool>;

Q_DECLARE_METATYPE(Definitions)
Q_DECLARE_METATYPE(ZriReference::EOutcome)

namespace
{

/// The library's parser in the reference's terms; the entry of a failure goes to *pEntry.
ZriReference::SResult LibraryParse(bool bLevel, const std::string& text, bool bSkip,
                                   CBasicException::SEntry* pEntry = nullptr)
{
    ZriReference::SResult result;
    try
    {
        result.nValue = bLevel ? int(MakeValue<_EVerbosityLevel>(text, bSkip))
                               : int(MakeValue<ELoggerType>(text, bSkip));
        result.eOutcome = ZriReference::Parsed;
    }
    catch (const CMakeValueException& exception)
    {
        const auto& entries = exception.GetEntries();
        if (entries.size() != 1)
            throw std::runtime_error("one entry expected");
        result.eOutcome =
            entries[0].m_nLine == 44 ? ZriReference::NoMatch : ZriReference::TrailingText;
        if (pEntry)
            *pEntry = entries[0];
    }
    return result;
}

std::string Message(bool bLevel, const std::string& text, const std::string& rest)
{
    return std::string("Error parsing Varo::Fenra::Progress::") +
           (bLevel ? "_EVerbosityLevel" : "ELoggerType") + " from \"" + text + "\" at position \"" +
           rest + "\"";
}

QString Q(const std::string& text)
{
    return QString::fromLatin1(text.data(), int(text.size()));
}

} // namespace

class TestLoggerDefinitions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void knownExamples_data();
    void knownExamples();
    void agreesWithReference_data();
    void agreesWithReference();
    void valueTexts_data();
    void valueTexts();

private:
    QTemporaryDir m_SettingsDir;
};

void TestLoggerDefinitions::initTestCase()
{
    qRegisterMetaType<Definitions>("std::vector<Fenra::Progress::CLoggerDefinition>");
    QCoreApplication::setOrganizationName(QStringLiteral("ZriTest"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_logger_definitions"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_SettingsDir.path());
}

void TestLoggerDefinitions::knownExamples_data()
{
    QTest::addColumn<bool>("level");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("skip");
    QTest::addColumn<ZriReference::EOutcome>("outcome");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("rest");
    const auto parsed = ZriReference::Parsed;
    const auto noMatch = ZriReference::NoMatch;
    const auto trailing = ZriReference::TrailingText;
    QTest::newRow("FILE") << false << QByteArray("FILE") << false << parsed << 3 << QByteArray();
    QTest::newRow("File") << false << QByteArray("File") << false << parsed << 3 << QByteArray();
    QTest::newRow("f") << false << QByteArray("f") << false << parsed << 3 << QByteArray();
    QTest::newRow("ne") << false << QByteArray("ne") << false << parsed << 5 << QByteArray();
    QTest::newRow("std") << false << QByteArray("std") << false << parsed << 2 << QByteArray();
    QTest::newRow("n type") << false << QByteArray("n") << false << noMatch << 0 << QByteArray("n");
    QTest::newRow("networks") << false << QByteArray("networks") << false << trailing << 0
                              << QByteArray("s");
    QTest::newRow("empty type") << false << QByteArray() << false << noMatch << 0 << QByteArray();
    QTest::newRow("l") << true << QByteArray("l") << false << parsed << 5 << QByteArray();
    QTest::newRow("i") << true << QByteArray("i") << false << parsed << 4 << QByteArray();
    QTest::newRow("Trace") << true << QByteArray("Trace") << false << parsed << 7 << QByteArray();
    QTest::newRow("n level") << true << QByteArray("n") << false << parsed << 0 << QByteArray();
    QTest::newRow("warnings") << true << QByteArray("warnings") << false << trailing << 0
                              << QByteArray("s");
    QTest::newRow("warn ing") << true << QByteArray("warn ing") << false << trailing << 0
                              << QByteArray(" ing");
    QTest::newRow("infos") << true << QByteArray("infos") << false << trailing << 0
                           << QByteArray("s");
    QTest::newRow("blank info") << true << QByteArray(" info") << false << noMatch << 0
                                << QByteArray(" info");
    QTest::newRow("blank info blank, skipped")
        << true << QByteArray(" info ") << true << parsed << 4 << QByteArray();
    QTest::newRow("empty level") << true << QByteArray() << false << noMatch << 0 << QByteArray();
    QTest::newRow("zero ends the text")
        << true << QByteArray("info\0junk", 9) << false << parsed << 4 << QByteArray();
}

void TestLoggerDefinitions::knownExamples()
{
    QFETCH(bool, level);
    QFETCH(QByteArray, text);
    QFETCH(bool, skip);
    QFETCH(ZriReference::EOutcome, outcome);
    CBasicException::SEntry entry{};
    const ZriReference::SResult result = LibraryParse(level, text.toStdString(), skip, &entry);
    QCOMPARE(result.eOutcome, outcome);
    if (outcome == ZriReference::Parsed)
    {
        QTEST(result.nValue, "value");
        return;
    }
    QCOMPARE(entry.m_nLine, outcome == ZriReference::NoMatch ? 44 : 50);
    QVERIFY(Q(entry.m_File).endsWith(QLatin1String("MakeValue.h")));
    QFETCH(QByteArray, rest);
    QCOMPARE(Q(entry.m_Message), Q(Message(level, text.toStdString(), rest.toStdString())));
    QCOMPARE(entry.m_nCode, 0);
    QCOMPARE(Q(entry.m_Text), QString());
}

void TestLoggerDefinitions::agreesWithReference_data()
{
    QTest::addColumn<bool>("level");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("skip");
    QList<QByteArray> texts = {"",     " ",      "n",         "nx",       "nonee", "gui gui",
                               "\xc3", "\0info", "info\0x",   "\tinfo\n", "ine",   "networ k",
                               "GUIS", "de bug", "warn\ting", "consolE ", "stdz",  "fatalerror"};
    texts[7] = QByteArray("\0info", 5);
    texts[8] = QByteArray("info\0x", 6);
    for (const auto* table : {&ZriReference::kLoggerTypeWords, &ZriReference::kVerbosityWords})
        for (const auto& words : *table)
            for (const std::string& word : words)
            {
                const QByteArray lower = QByteArray::fromStdString(word);
                QByteArray alternating = lower;
                for (int i = 0; i < alternating.size(); i += 2)
                    alternating[i] = char(std::toupper(alternating[i]));
                QByteArray capitalised = lower;
                capitalised[0] = char(std::toupper(capitalised[0]));
                for (const QByteArray& variant : {lower, lower.toUpper(), capitalised, alternating})
                    texts << variant << variant + 's' << variant + 'z' << ' ' + variant
                          << variant + ' ' << '\t' + variant + "\n ";
            }
    int nRow = 0;
    for (const QByteArray& text : texts)
        for (bool bLevel : {false, true})
            for (bool bSkip : {false, true})
                QTest::addRow("%d", nRow++) << bLevel << text << bSkip;
}

void TestLoggerDefinitions::agreesWithReference()
{
    QFETCH(bool, level);
    QFETCH(QByteArray, text);
    QFETCH(bool, skip);
    const std::string input = text.toStdString();
    const auto& words = level ? ZriReference::kVerbosityWords : ZriReference::kLoggerTypeWords;
    const ZriReference::SResult expected = ZriReference::Parse(words, input, skip);
    CBasicException::SEntry entry{};
    const ZriReference::SResult actual = LibraryParse(level, input, skip, &entry);
    QCOMPARE(actual.eOutcome, expected.eOutcome);
    if (expected.eOutcome == ZriReference::Parsed)
        QCOMPARE(actual.nValue, expected.nValue);
    else
        QCOMPARE(Q(entry.m_Message), Q(Message(level, expected.sText, expected.sRest)));
}

void TestLoggerDefinitions::valueTexts_data()
{
    QTest::addColumn<bool>("level");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    const QStringList types = {"none", "gui", "stdout", "file", "console", "network", "unknown"};
    const QStringList levels = {"None", "Fatal", "Error", "Warning", "Info",
                                "Log",  "Debug", "Trace", "Unknown"};
    for (int i = 0; i < types.size(); ++i)
        QTest::addRow("type %d", i) << false << i << types[i];
    for (int i = 0; i < levels.size(); ++i)
        QTest::addRow("level %d", i) << true << i << levels[i];
    QTest::newRow("type -1") << false << -1 << "unknown";
    QTest::newRow("level -7") << true << -7 << "Unknown";
}

void TestLoggerDefinitions::valueTexts()
{
    QFETCH(bool, level);
    QFETCH(int, value);
    QFETCH(QString, text);
    const Varo::Fenra::Strings::SMakeValueStringParameter parameter;
    using Varo::Fenra::Strings::Detail::SMakeValueStringImpl;
    const std::string actual =
        level ? SMakeValueStringImpl<_EVerbosityLevel>()(_EVerbosityLevel(value), parameter)
              : SMakeValueStringImpl<ELoggerType>()(ELoggerType(value), parameter);
    QCOMPARE(Q(actual), text);
    // Every name reads back as its value, in its own case and in lower case; "unknown" does not.
    for (const std::string& form : {actual, text.toLower().toStdString()})
    {
        const ZriReference::SResult back = LibraryParse(level, form, false);
        QCOMPARE(back.eOutcome, text.startsWith("U", Qt::CaseInsensitive) ? ZriReference::NoMatch
                                                                          : ZriReference::Parsed);
        if (back.eOutcome == ZriReference::Parsed)
            QCOMPARE(back.nValue, value);
    }
}

ZRI_TEST_MAIN(TestLoggerDefinitions)
#include "tst_logger_definitions.moc"
