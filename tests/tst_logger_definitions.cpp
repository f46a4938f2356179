// Logger definitions: the word parsers against a plain reference reader, the text of every
// value, and the table edited as a user edits it.
#include "EditorTestSupport.h"
#include "LoggerDefinitionsEdit.h"
#include "LoggerWordReference.h"
#include "TestSupport.h"
#include "TranslatorRegistry.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>

#include <atomic>
#include <thread>

using namespace Varo::Fenra::Progress;
using Varo::Fenra::CBasicException;
using Varo::Fenra::Strings::CMakeValueException;
using Varo::Fenra::Strings::MakeValue;
using Varo::FenraQtGui::ZuRaradirIzurodudoz::CLoggerDefinitionsEdit;
using ZriTest::CellCentre;
using ZriTest::OpenEditor;
using ZriTest::PickEntry;
using ZriTest::TextField;
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

Definitions OneOfEachType()
{
    return {{LoggerGui, VerbosityError, "", 5432},
            {LoggerFile, VerbosityWarning, "/var/log/app.log", 5432},
            {LoggerNetwork, VerbosityDebug, "logs.example", 7000},
            {LoggerConsole, VerbosityTrace, "", 1},
            {LoggerNone, VerbosityFatal, "", 5432}};
}

QTableWidget* Table(QWidget& edit)
{
    return edit.findChild<QTableWidget*>("m_wDefinitions");
}

QStringList RowTexts(QTableWidget* table, int nRow)
{
    QStringList texts;
    for (int nColumn = 0; nColumn < table->columnCount(); ++nColumn)
        texts << table->item(nRow, nColumn)->text();
    return texts;
}

Flags EnabledCells(QTableWidget* table, int nRow)
{
    Flags enabled;
    for (int nColumn = 1; nColumn < 4; ++nColumn)
        enabled << table->item(nRow, nColumn)->flags().testFlag(Qt::ItemIsEditable);
    return enabled;
}

/// The widget shown tall enough for five rows, its table and a spy on its signal.
struct CShownEdit
{
    explicit CShownEdit(const Definitions& definitions = OneOfEachType()) : m_Edit(definitions)
    {
        m_Edit.resize(483, 260);
        m_Edit.show();
        m_bExposed = QTest::qWaitForWindowExposed(&m_Edit); // the clicks fail otherwise
    }
    bool m_bExposed = false;
    CLoggerDefinitionsEdit m_Edit;
    QTableWidget* m_pTable = Table(m_Edit);
    QSignalSpy m_Spy{&m_Edit, &CLoggerDefinitionsEdit::definitionsChanged};
};

} // namespace

class TestLoggerDefinitions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void parse_data();
    void parse();
    void parsesInSeveralThreads();
    void valueTexts_data();
    void valueTexts();

    void fillShowsDefinitionsSilently();
    void pickingATypeSetsTheRowState_data();
    void pickingATypeSetsTheRowState();
    void typingStoresAtOnce_data();
    void typingStoresAtOnce();
    void addButtonAppendsDefault();
    void removeButtonRemovesSelectedRows_data();
    void removeButtonRemovesSelectedRows();
    void unknownValuesAreKept();
    void refusedTextRestoresCell_data();
    void refusedTextRestoresCell();
    void headerStateReachesNextWidget();

private:
    QTemporaryDir m_SettingsDir;
};

void TestLoggerDefinitions::initTestCase()
{
    qRegisterMetaType<Definitions>("std::vector<Fenra::Progress::CLoggerDefinition>");
    QCoreApplication::setOrganizationName(QStringLiteral("ZriTest"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_logger_definitions"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_SettingsDir.path());
    // The parse errors translate their format; the recorded text goes to the scratch directory.
    Varo::Fenra::Internationalisation::CTranslatorRegistry::SetOutputDirectory(
        m_SettingsDir.path().toStdString());
    // String-based connections name the vector as the meta-object spells it.
    const QMetaObject& meta = CLoggerDefinitionsEdit::staticMetaObject;
    QVERIFY(meta.indexOfSignal(
                "definitionsChanged(std::vector<Fenra::Progress::CLoggerDefinition>)") >= 0);
    QVERIFY(meta.indexOfSlot(
                "OnDefinitionsChanged(std::vector<Fenra::Progress::CLoggerDefinition>)") >= 0);
}

namespace
{

struct SExample
{
    bool bLevel;
    std::string sText;
    bool bSkip;
    ZriReference::EOutcome eOutcome;
    int nValue;        ///< of a parsed text
    std::string sRest; ///< the position text of a failure
};

const auto kParsed = ZriReference::Parsed;
const auto kNoMatch = ZriReference::NoMatch;
const auto kTrailing = ZriReference::TrailingText;
const SExample kExamples[] = {{false, "File", false, kParsed, 3, ""},
                              {false, "ne", false, kParsed, 5, ""},
                              {false, "n", false, kNoMatch, 0, "n"},
                              {false, "networks", false, kTrailing, 0, "s"},
                              {true, "n", false, kParsed, 0, ""},
                              {true, "warn ing", false, kTrailing, 0, " ing"},
                              {true, " info", false, kNoMatch, 0, " info"},
                              {true, " info ", true, kParsed, 4, ""},
                              {true, "", false, kNoMatch, 0, ""},
                              {true, std::string("info\0junk", 9), false, kParsed, 4, ""}};

} // namespace

void TestLoggerDefinitions::parse_data()
{
    QTest::addColumn<bool>("level");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("skip");
    QTest::addColumn<int>("documented"); ///< index into kExamples; -1 for the generated texts
    for (const SExample& example : kExamples)
        QTest::addRow("documented %d", int(&example - kExamples))
            << example.bLevel << QByteArray::fromStdString(example.sText) << example.bSkip
            << int(&example - kExamples);
    QList<QByteArray> texts = {"",         " ",        "n",          "nx",      "nonee",
                               "gui gui",  "\xc3",     "\0info",     "info\0x", "\tinfo\n",
                               "ine",      "networ k", "GUIS",       "de bug",  "warn\ting",
                               "consolE ", "stdz",     "fatalerror", "unknown", "Unknown"};
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
                QTest::addRow("%d", nRow++) << bLevel << text << bSkip << -1;
}

void TestLoggerDefinitions::parse()
{
    QFETCH(bool, level);
    QFETCH(QByteArray, text);
    QFETCH(bool, skip);
    QFETCH(int, documented);
    const std::string input = text.toStdString();
    const auto& words = level ? ZriReference::kVerbosityWords : ZriReference::kLoggerTypeWords;
    const ZriReference::SResult expected = ZriReference::Parse(words, input, skip);
    if (documented >= 0)
    {
        // The reference reader itself gives the documented outcome.
        const SExample& example = kExamples[documented];
        QCOMPARE(expected.eOutcome, example.eOutcome);
        QCOMPARE(expected.eOutcome == ZriReference::Parsed ? expected.nValue : 0, example.nValue);
        QCOMPARE(Q(expected.sRest), Q(example.sRest));
    }
    CBasicException::SEntry entry{};
    const ZriReference::SResult actual = LibraryParse(level, input, skip, &entry);
    QCOMPARE(actual.eOutcome, expected.eOutcome);
    if (expected.eOutcome == ZriReference::Parsed)
    {
        QCOMPARE(actual.nValue, expected.nValue);
        return;
    }
    QCOMPARE(entry.m_nLine, expected.eOutcome == ZriReference::NoMatch ? 44 : 50);
    QVERIFY(Q(entry.m_File).endsWith(QLatin1String("MakeValue.h")));
    QCOMPARE(Q(entry.m_Message), Q(Message(level, expected.sText, expected.sRest)));
    QCOMPARE(entry.m_nCode, 0);
    QVERIFY(entry.m_Text.empty());
}

void TestLoggerDefinitions::parsesInSeveralThreads()
{
    // Every call builds its own grammar; the failures also take the translator's locks.
    std::atomic<int> nWrong{0};
    const auto work = [&nWrong](int nThread)
    {
        for (int i = 0; i < 300; ++i)
        {
            const int nValue = (i + nThread) % 8;
            nWrong +=
                LibraryParse(true, ZriReference::kVerbosityWords[nValue].back(), false).nValue !=
                nValue;
            nWrong += LibraryParse(false, "n", false).eOutcome != ZriReference::NoMatch;
        }
    };
    std::thread threads[] = {std::thread(work, 0), std::thread(work, 1), std::thread(work, 2),
                             std::thread(work, 3)};
    for (std::thread& thread : threads)
        thread.join();
    QCOMPARE(nWrong.load(), 0);
}

void TestLoggerDefinitions::valueTexts_data()
{
    QTest::addColumn<bool>("level");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    // From -1 to one past the last value: out-of-range values are unknown at both ends.
    const QStringList types = {"unknown", "none",    "gui",     "stdout",
                               "file",    "console", "network", "unknown"};
    const QStringList levels = {"Unknown", "None", "Fatal", "Error", "Warning",
                                "Info",    "Log",  "Debug", "Trace", "Unknown"};
    for (int i = 0; i < types.size(); ++i)
        QTest::addRow("type %d", i - 1) << false << i - 1 << types[i];
    for (int i = 0; i < levels.size(); ++i)
        QTest::addRow("level %d", i - 1) << true << i - 1 << levels[i];
}

void TestLoggerDefinitions::valueTexts()
{
    QFETCH(bool, level);
    QFETCH(int, value);
    const Varo::Fenra::Strings::SMakeValueStringParameter parameter;
    using Varo::Fenra::Strings::Detail::SMakeValueStringImpl;
    QTEST(Q(level ? SMakeValueStringImpl<_EVerbosityLevel>()(_EVerbosityLevel(value), parameter)
                  : SMakeValueStringImpl<ELoggerType>()(ELoggerType(value), parameter)),
          "text");
}

void TestLoggerDefinitions::fillShowsDefinitionsSilently()
{
    CLoggerDefinitionsEdit edit(OneOfEachType());
    QTableWidget* table = Table(edit);
    QCOMPARE(table->rowCount(), 5);
    QCOMPARE(RowTexts(table, 1), QStringList({"file", "warning", "/var/log/app.log", "5432"}));
    QCOMPARE(RowTexts(table, 2), QStringList({"network", "debug", "logs.example", "7000"}));
    QCOMPARE(EnabledCells(table, 3), Flags({true, false, false}));
    QCOMPARE(EnabledCells(table, 4), Flags({false, false, false}));
    QSignalSpy spy(&edit, &CLoggerDefinitionsEdit::definitionsChanged);
    Definitions other = OneOfEachType();
    other.resize(2);
    edit.OnDefinitionsChanged(other);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(edit.GetLoggerDefinitions(), other);
    QCOMPARE(table->rowCount(), 2);
}

void TestLoggerDefinitions::pickingATypeSetsTheRowState_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("type");
    QTest::addColumn<Flags>("enabled");
    QTest::addColumn<int>("emissions");
    QTest::addColumn<bool>("writeBack"); // a model bound both ways writes every list back
    QTest::newRow("gui to network") << 0 << "network" << Flags{true, true, true} << 4 << false;
    QTest::newRow("network to none") << 2 << "none" << Flags{false, false, false} << 4 << false;
    QTest::newRow("network to file") << 2 << "file" << Flags{true, true, false} << 4 << false;
    QTest::newRow("the shown entry") << 1 << "file" << Flags{true, true, false} << 0 << false;
    QTest::newRow("none to stdout, written back")
        << 4 << "stdout" << Flags{true, false, false} << 4 << true;
}

void TestLoggerDefinitions::pickingATypeSetsTheRowState()
{
    QFETCH(int, row);
    QFETCH(QString, type);
    QFETCH(bool, writeBack);
    CShownEdit shown;
    CLoggerDefinitionsEdit& edit = shown.m_Edit;
    if (writeBack)
        QObject::connect(&edit, &CLoggerDefinitionsEdit::definitionsChanged, &edit,
                         [&edit](const Definitions& definitions)
                         { edit.OnDefinitionsChanged(Definitions(definitions)); });
    auto* combo = qobject_cast<QComboBox*>(OpenEditor(shown.m_pTable, row, 0));
    QVERIFY(combo);
    QCOMPARE(combo->currentText(), shown.m_pTable->item(row, 0)->text());
    PickEntry(combo, type);
    QTEST(int(shown.m_Spy.count()), "emissions");
    QTEST(EnabledCells(shown.m_pTable, row), "enabled");
    QCOMPARE(shown.m_pTable->item(row, 0)->text(), type);
    if (!shown.m_Spy.isEmpty())
    {
        const auto last = shown.m_Spy.last().at(0).value<Definitions>();
        QCOMPARE(last, shown.m_Edit.GetLoggerDefinitions());
        QCOMPARE(last[std::size_t(row)].m_eType, MakeValue<ELoggerType>(type.toStdString(), false));
    }
}

void TestLoggerDefinitions::typingStoresAtOnce_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("fileEdit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("reopened");
    QTest::newRow("name") << 2 << 2 << false << "host:1"
                          << "host:1" << 7000 << "host:1";
    QTest::newRow("file path") << 1 << 2 << true << "/tmp/x"
                               << "/tmp/x" << 5432 << "/tmp/x";
    QTest::newRow("port") << 2 << 3 << false << "7001"
                          << "logs.example" << 7001 << "7001";
    QTest::newRow("letters as port") << 2 << 3 << false << "abc"
                                     << "logs.example" << 0 << "0";
}

void TestLoggerDefinitions::typingStoresAtOnce()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, typed);
    CShownEdit shown;
    QWidget* editor = OpenEditor(shown.m_pTable, row, column);
    QVERIFY(editor);
    QTEST(editor->inherits("Varo::FenraQtGui::ZuRaradirIzurodudoz::CFileEditLine"), "fileEdit");
    QLineEdit* line = TextField(editor);
    QVERIFY(line);
    line->selectAll();
    QTest::keyClicks(line, typed);
    QTest::keyClick(line, Qt::Key_Tab);
    QCOMPARE(shown.m_Spy.count(), 1);
    const CLoggerDefinition& stored = shown.m_Edit.GetLoggerDefinitions()[std::size_t(row)];
    QTEST(Q(stored.m_sName), "name");
    QTEST(stored.m_nPort, "port");
    QCOMPARE(shown.m_pTable->item(row, column)->text(), typed);
    // The widget then goes with this editor still open.
    QTEST(TextField(OpenEditor(shown.m_pTable, row, column))->text(), "reopened");
}

void TestLoggerDefinitions::addButtonAppendsDefault()
{
    CLoggerDefinitionsEdit edit(Definitions{});
    QSignalSpy spy(&edit, &CLoggerDefinitionsEdit::definitionsChanged);
    QTest::mouseClick(edit.findChild<QPushButton*>("m_wAdd"), Qt::LeftButton);
    // Port, Name and Level once each; the Type cell once per cell whose state it sets, and once.
    QCOMPARE(spy.count(), 7);
    QCOMPARE(spy.last().at(0).value<Definitions>(), Definitions{CLoggerDefinition()});
    QCOMPARE(edit.GetLoggerDefinitions(), Definitions{CLoggerDefinition()});
    QCOMPARE(RowTexts(Table(edit), 0), QStringList({"none", "info", "", "5432"}));
    QCOMPARE(EnabledCells(Table(edit), 0), Flags({false, false, false}));
}

void TestLoggerDefinitions::removeButtonRemovesSelectedRows_data()
{
    QTest::addColumn<QVector<int>>("clicked");
    QTest::addColumn<QVector<int>>("kept");
    QTest::newRow("1 then 3") << QVector<int>{1, 3} << QVector<int>{0, 2, 4};
    QTest::newRow("3 then 1") << QVector<int>{3, 1} << QVector<int>{0, 2, 4};
    QTest::newRow("nothing selected") << QVector<int>{} << QVector<int>{0, 1, 2, 3, 4};
}

void TestLoggerDefinitions::removeButtonRemovesSelectedRows()
{
    QFETCH(QVector<int>, clicked);
    QFETCH(QVector<int>, kept);
    CShownEdit shown;
    for (int nRow : clicked)
        QTest::mouseClick(shown.m_pTable->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          CellCentre(shown.m_pTable, nRow, 0)); // Type is never disabled
    shown.m_Spy.clear();
    QTest::mouseClick(shown.m_Edit.findChild<QPushButton*>("m_wRemove"), Qt::LeftButton);
    Definitions expected;
    for (int nRow : kept)
        expected.push_back(OneOfEachType()[std::size_t(nRow)]);
    QCOMPARE(shown.m_Spy.count(), 1);
    QCOMPARE(shown.m_Edit.GetLoggerDefinitions(), expected);
    QCOMPARE(shown.m_pTable->rowCount(), kept.size());
    CLoggerDefinitionsEdit reference(expected);
    for (int nRow = 0; nRow < kept.size(); ++nRow)
        QCOMPARE(RowTexts(shown.m_pTable, nRow), RowTexts(Table(reference), nRow));
}

void TestLoggerDefinitions::unknownValuesAreKept()
{
    const Definitions odd = {{ELoggerType(9), _EVerbosityLevel(12), "x", 1},
                             {ELoggerType(-1), VerbosityInfo, "", 5432}};
    CShownEdit shown(odd);
    QTableWidget* table = shown.m_pTable;
    QCOMPARE(RowTexts(table, 0), QStringList({"unknown", "unknown", "x", "1"}));
    QCOMPARE(EnabledCells(table, 0), Flags({true, true, true}));
    // Closing the level editor with nothing picked keeps the level; picking a type repairs it.
    auto* combo = qobject_cast<QComboBox*>(OpenEditor(table, 0, 1));
    QVERIFY(combo);
    QCOMPARE(combo->currentIndex(), -1);
    combo = qobject_cast<QComboBox*>(OpenEditor(table, 0, 0));
    QVERIFY(combo);
    QCOMPARE(shown.m_Edit.GetLoggerDefinitions(), odd);
    PickEntry(combo, "file");
    Definitions repaired = odd;
    repaired[0].m_eType = LoggerFile;
    QCOMPARE(shown.m_Edit.GetLoggerDefinitions(), repaired);
    QCOMPARE(EnabledCells(table, 0), Flags({true, true, false}));
}

void TestLoggerDefinitions::refusedTextRestoresCell_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    // A type in capitals is accepted and shown as typed.
    for (const auto& row : {std::make_tuple(0, "bogus", "gui"),
                            {0, "FILE", "FILE"},
                            {1, "errors", "error"},
                            {1, "", "error"}})
        QTest::addRow("%d '%s'", std::get<0>(row), std::get<1>(row))
            << std::get<0>(row) << std::get<1>(row) << std::get<2>(row);
}

void TestLoggerDefinitions::refusedTextRestoresCell()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    CLoggerDefinitionsEdit edit(OneOfEachType());
    Table(edit)->item(0, column)->setText(text);
    QTEST(Table(edit)->item(0, column)->text(), "shown");
    const Definitions& stored = edit.GetLoggerDefinitions();
    QCOMPARE(stored[0].m_eType, text == "FILE" ? LoggerFile : LoggerGui);
    QCOMPARE(stored[0].m_eLevel, VerbosityError);
}

void TestLoggerDefinitions::headerStateReachesNextWidget()
{
    {
        CLoggerDefinitionsEdit first(OneOfEachType());
        QHeaderView* header = Table(first)->horizontalHeader();
        header->resizeSection(0, 137);
        header->moveSection(3, 0);
    }
    CLoggerDefinitionsEdit second(OneOfEachType());
    QHeaderView* header = Table(second)->horizontalHeader();
    QCOMPARE(header->sectionSize(0), 137);
    QCOMPARE(header->visualIndex(3), 0);
    QVERIFY(QSettings().contains(QStringLiteral("/Session/Logger Definition/Geometry")));
}

ZRI_TEST_MAIN(TestLoggerDefinitions)
#include "tst_logger_definitions.moc"
