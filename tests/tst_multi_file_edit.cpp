// The multi-file edit: drops of URLs and text, the add dialogs with their filters and start
// directories, removal and reordering with their exact signals, and band specifiers.
#include "EditorTestSupport.h"
#include "MultiFileEdit.h"
#include "TestSupport.h"

#include <QInputDialog>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

// Modes as letters: D directories, E accept empty, X existing files, B band specifiers; the
// file types are Text (.txt) and Log (.LOG, with the upper-case variant when U is given).
std::unique_ptr<CMultiFileEdit> MakeEdit(const QString& modes, const QStringList& entries)
{
    return std::make_unique<CMultiFileEdit>(
        entries,
        std::list<Varo::Fenra::ParameterPool::SFileType>{{".txt", false, "Text"},
                                                         {".LOG", modes.contains('U'), "Log"}},
        modes.contains('D'), modes.contains('E'), modes.contains('X'), modes.contains('B'),
        nullptr);
}

// "a|b" as a list; "" is the empty list and "|" the list of one empty entry.
QStringList L(const QString& entries)
{
    if (entries == "|")
        return {QString()};
    return entries.isEmpty() ? QStringList() : entries.split('|');
}

QListWidget* List(CMultiFileEdit& edit)
{
    return edit.findChild<QListWidget*>(QStringLiteral("m_wSelectedPaths"));
}

QStringList Entries(CMultiFileEdit& edit)
{
    QStringList entries;
    for (int row = 0; row < List(edit)->count(); ++row)
        entries << List(edit)->item(row)->text();
    return entries;
}

// A temporary directory with a.txt, b.txt and sub; "%T" in data rows stands for its path.
struct CFixture
{
    CFixture()
    {
        QDir(m_Dir.path()).mkdir(QStringLiteral("sub"));
        for (const char* pszName : {"a.txt", "b.txt"})
            QFile(m_Dir.filePath(QString::fromLatin1(pszName))).open(QIODevice::WriteOnly);
    }
    QStringList Expand(QStringList texts) const
    {
        return texts.replaceInStrings(QStringLiteral("%T"), m_Dir.path());
    }
    QTemporaryDir m_Dir;
};

} // namespace

class TestMultiFileEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ZriTest::KeepTranslationFileOut(); }
    void drop_data();
    void drop();
    void addThroughDialog_data();
    void addThroughDialog();
    void listChangesReported();
    void bandSpecifier_data();
    void bandSpecifier();
    void contextMenuOnlyWithBandSpecifiers_data();
    void contextMenuOnlyWithBandSpecifiers();
};

void TestMultiFileEdit::drop_data()
{
    // Modes as for MakeEdit, plus S or A for the Shift or Alt key and T for a drop of text
    // instead of URLs (local paths, or URLs with a scheme); the list starts as "old".
    QTest::addColumn<QString>("modes");
    QTest::addColumn<QString>("dropped");
    QTest::addColumn<QString>("expected");
    const char* const rows[][4] = {
        {"plain drop appends", "", "%T/a.txt|%T/b.txt", "old|%T/a.txt|%T/b.txt"},
        {"shift replaces", "S", "%T/a.txt|%T/b.txt", "%T/a.txt|%T/b.txt"},
        {"alt replaces, nothing passes", "AX", "%T/no.txt", ""},
        {"directories: file rejected", "D", "%T/a.txt|%T/sub", "old|%T/sub"},
        {"same path twice", "", "%T/a.txt|%T/a.txt", "old|%T/a.txt|%T/a.txt"},
        {"remote url skipped", "", "http://example.org/x.txt", "old"},
        {"remote url, accept-empty", "E", "http://example.org/x", "old|"},
        {"text split and trimmed", "T", "a.txt, b.txt;c.txt", "old|a.txt|b.txt|c.txt"},
        {"CR LF leaves an empty part", "T", "a.txt\r\nb.txt", "old|a.txt||b.txt"},
        {"CR LF, existing: no empty part", "TX", "%T/a.txt\r\n%T/b.txt", "old|%T/a.txt|%T/b.txt"},
    };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << row[1] << row[2] << row[3];
}

void TestMultiFileEdit::drop()
{
    QFETCH(QString, modes);
    QFETCH(QString, dropped);
    QFETCH(QString, expected);
    CFixture fixture;
    auto pEdit = MakeEdit(modes, {"old"});
    QSignalSpy spy(pEdit.get(), &CMultiFileEdit::selectionChanged);
    QMimeData data;
    dropped = fixture.Expand({dropped}).first();
    QList<QUrl> qlUrls;
    for (const QString& url : dropped.split(QLatin1Char('|')))
        qlUrls << (url.contains(QStringLiteral("://")) ? QUrl(url) : QUrl::fromLocalFile(url));
    if (modes.contains('T'))
        data.setText(dropped);
    else
        data.setUrls(qlUrls);
    ZriTest::Drop(*pEdit, data,
                  modes.contains('S') ? Qt::ShiftModifier
                                      : (modes.contains('A') ? Qt::AltModifier : Qt::NoModifier));
    const QStringList qslExpected = fixture.Expand(L(expected));
    QCOMPARE(Entries(*pEdit), qslExpected);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toStringList(), qslExpected);
}

void TestMultiFileEdit::addThroughDialog_data()
{
    // A second entry is dropped, setting the last path; "~" is the home directory; nothing
    // chosen cancels the dialog.
    for (const char* pszColumn :
         {"modes", "entries", "caption", "start", "filter", "chosen", "expected"})
        QTest::addColumn<QString>(pszColumn);
    const char* const open = "Select (an) existing file(s)";
    const char* const save = "Select a file(s) to write to";
    const char* const dir = "Select an existing directory";
    const char* const rows[][8] = {
        {"directory from home", "D", "", dir, "~", "", "%T/sub", "%T/sub"},
        {"directory cancelled, accept-empty", "DE", "%T/sub", dir, "%T/sub", "", "", "%T/sub|"},
        {"first entry: case-insensitive match", "X", "%T/old.log", open, "%T", "Log ( *.LOG )",
         "%T/b.txt|%T/a.txt", "%T/old.log|%T/b.txt|%T/a.txt"},
        {"upper-case variant: no match", "XU", "%T/old.log", open, "%T", "Text ( *.txt )", "",
         "%T/old.log"},
        {"last path beats first entry", "", "/elsewhere/old.txt|%T/new.log", save, "%T",
         "Log ( *.LOG )", "%T/c.dat", "/elsewhere/old.txt|%T/new.log|%T/c.dat"},
        {"save cancelled, accept-empty", "E", "", save, "~", "Text ( *.txt )", "", "|"},
    };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << row[1] << row[2] << row[3] << row[4] << row[5] << row[6] << row[7];
}

void TestMultiFileEdit::addThroughDialog()
{
    QFETCH(QString, modes);
    QFETCH(QString, caption);
    QFETCH(QString, start);
    QFETCH(QString, filter);
    QFETCH(QString, entries);
    QFETCH(QString, chosen);
    QFETCH(QString, expected);
    CFixture fixture;
    const QStringList qslEntries = fixture.Expand(L(entries));
    auto pEdit = MakeEdit(modes, qslEntries.mid(0, 1));
    if (qslEntries.size() > 1)
    {
        QMimeData data;
        data.setText(qslEntries.at(1));
        ZriTest::Drop(*pEdit, data, Qt::NoModifier);
    }
    QSignalSpy spy(pEdit.get(), &CMultiFileEdit::selectionChanged);
    const QString qsStart = start == "~" ? QDir::homePath() : fixture.Expand({start}).first();
    bool bAnswered = false;
    ZriTest::AnswerModal<QFileDialog>(
        [&](QFileDialog* pDialog)
        {
            bAnswered = true;
            QCOMPARE(pDialog->windowTitle(), caption);
            QCOMPARE(QDir(pDialog->directory()).canonicalPath(), QDir(qsStart).canonicalPath());
            if (!filter.isEmpty())
                QCOMPARE(pDialog->selectedNameFilter(), filter);
            if (!chosen.isEmpty())
                ZriTest::ChooseInFileDialog(pDialog, fixture.Expand(L(chosen)));
        });
    pEdit->findChild<QPushButton*>(QStringLiteral("pushButton"))->click();
    QVERIFY(bAnswered);
    const QStringList qslExpected = fixture.Expand(L(expected));
    QCOMPARE(Entries(*pEdit), qslExpected);
    QCOMPARE(spy.count(), 1); // also when cancelled
    QCOMPARE(spy.at(0).at(0).toStringList(), qslExpected);
}

// The offscreen platform ends every QDrag at once, so a drag cannot run here; the reorder plays
// the last step of an internal move in this Qt version instead: the list view's drop moves the
// rows with moveRow(), which reports them as moved, never as removed.
void TestMultiFileEdit::listChangesReported()
{
    auto pEdit = MakeEdit("", {"a", "b", "c", "d", "e"});
    auto* pwRemove = pEdit->findChild<QPushButton*>(QStringLiteral("pushButton_2"));
    for (QPushButton* pwButton : {pEdit->findChild<QPushButton*>("pushButton"), pwRemove})
        QCOMPARE(pwButton->icon().availableSizes(), QList<QSize>({QSize(22, 22)}));
    QSignalSpy spy(pEdit.get(), &CMultiFileEdit::selectionChanged);
    for (int row : {1, 2, 4})
        List(*pEdit)->item(row)->setSelected(true);
    pwRemove->click();
    QCOMPARE(spy.count(), 4); // one per removed row, then the final list once more
    QCOMPARE(spy.at(2).at(0).toStringList(), QStringList({"a", "d"}));
    QCOMPARE(spy.at(3).at(0).toStringList(), QStringList({"a", "d"}));
    pwRemove->click(); // nothing selected: the list is still reported once
    QCOMPARE(spy.count(), 5);
    QVERIFY(List(*pEdit)->model()->moveRow(QModelIndex(), 0, QModelIndex(), 2));
    QCOMPARE(spy.count(), 6);
    QCOMPARE(spy.at(5).at(0).toStringList(), QStringList({"d", "a"}));
    // Taking a list back is silent; an empty list keeps the entries.
    pEdit->OnUpdateSelection({});
    QCOMPARE(Entries(*pEdit), QStringList({"d", "a"}));
    pEdit->blockSignals(true);
    pEdit->OnUpdateSelection({"x", "y"});
    QVERIFY(!pEdit->signalsBlocked()); // unblocked whatever the state before
    QCOMPARE(spy.count(), 6);
    pwRemove->click(); // the selection itself followed
    QCOMPARE(spy.at(6).at(0).toStringList(), QStringList({"x", "y"}));
}

void TestMultiFileEdit::bandSpecifier_data()
{
    // The list is a.tif[1,2], b.tif, c.tif[3]; the rows selected are given as digits.
    for (const char* pszColumn : {"selected", "proposed", "typed", "expected"})
        QTest::addColumn<QString>(pszColumn);
    const char* const rows[][5] = {
        {"replaced on two", "02", "[1,2]", "[5-7]", "a.tif[5-7]|b.tif|c.tif[5-7]"},
        {"empty strips", "012", "[1,2]", "", "a.tif|b.tif|c.tif"},
        {"cancelled", "2", "[3]", nullptr, "a.tif[1,2]|b.tif|c.tif[3]"}};
    for (const auto& row : rows)
        QTest::newRow(row[0]) << row[1] << row[2] << QString::fromLatin1(row[3]) << row[4];
}

void TestMultiFileEdit::bandSpecifier()
{
    QFETCH(QString, selected);
    QFETCH(QString, proposed);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    // The slot works without the context menu flag.
    auto pEdit = MakeEdit("", {"a.tif[1,2]", "b.tif", "c.tif[3]"});
    for (const QChar row : selected)
        List(*pEdit)->item(row.digitValue())->setSelected(true);
    QSignalSpy spy(pEdit.get(), &CMultiFileEdit::selectionChanged);
    bool bAnswered = false;
    ZriTest::AnswerModal<QInputDialog>(
        [&](QInputDialog* pDialog)
        {
            bAnswered = true;
            QCOMPARE(pDialog->parentWidget(), pEdit.get());
            QCOMPARE(pDialog->windowTitle(), QStringLiteral("Band Specifier Definition"));
            QCOMPARE(pDialog->labelText(), QStringLiteral("Specifier"));
            QCOMPARE(pDialog->textValue(), proposed);
            if (!typed.isNull())
            {
                pDialog->setTextValue(typed);
                pDialog->accept();
            }
        });
    pEdit->OnSetBandSpecifier();
    QVERIFY(bAnswered);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toStringList(), L(expected));
}

void TestMultiFileEdit::contextMenuOnlyWithBandSpecifiers_data()
{
    QTest::addColumn<QString>("modes");
    QTest::newRow("with band specifiers") << "B";
    QTest::newRow("without") << "";
}

// A right click on the list opens the menu; its one action runs the specifier slot, which
// warns because nothing is selected and then reports the unchanged list.
void TestMultiFileEdit::contextMenuOnlyWithBandSpecifiers()
{
    QFETCH(QString, modes);
    auto pEdit = MakeEdit(modes, {"a.tif"});
    pEdit->show();
    QVERIFY(QTest::qWaitForWindowExposed(pEdit.get()));
    QStringList shown; // menu actions and the warning's title and text
    QTimer::singleShot(50,
                       [&]
                       {
                           auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                           if (!pMenu)
                               return;
                           for (QAction* pAction : pMenu->actions())
                               shown << pAction->text();
                           ZriTest::AnswerModal<QMessageBox>(
                               [&](QMessageBox* pBox)
                               {
                                   shown << pBox->windowTitle() << pBox->text();
                                   pBox->button(QMessageBox::Ok)->click();
                               });
                           QTest::keyClick(pMenu, Qt::Key_Down);
                           QTest::keyClick(pMenu, Qt::Key_Return);
                       });
    QSignalSpy spy(pEdit.get(), &CMultiFileEdit::selectionChanged);
    QWidget* pwViewport = List(*pEdit)->viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            pwViewport->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(pwViewport, &event);
    QTest::qWait(100);
    const bool bBand = !modes.isEmpty();
    QCOMPARE(shown, bBand ? QStringList({"Set Band Specifier", "Cannot set band specifier",
                                         "No items have been selected"})
                          : QStringList());
    QCOMPARE(spy.count(), bBand ? 1 : 0);
}

ZRI_TEST_MAIN(TestMultiFileEdit)
#include "tst_multi_file_edit.moc"
