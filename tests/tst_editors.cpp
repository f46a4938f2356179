// What each editor does beyond the parameter dialog's bindings: the line edit's focus signals,
// the file dialogs with their captions, modes, filters and start places, drops of every kind,
// reordering of the file list, the rectangle's rounding and fields, and
// the logger table's texts, odd values and the header state kept for the next table.
#include "FileEditLine.h"
#include "LineEdit.h"
#include "LoggerDefinitionsEdit.h"
#include "MultiFileEdit.h"
#include "RectangleDefinitionEdit.h"
#include "TestSupport.h"

#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using namespace Varo::Fenra::Progress;
using Definitions = std::vector<CLoggerDefinition>;
using Types = std::list<Varo::Fenra::ParameterPool::SFileType>;

namespace
{

// A temporary directory with a.txt, b.txt and sub; "%T" stands for its path, "|" separates
// entries, "" is no entry and "|" alone one empty entry.
struct SPlace
{
    SPlace()
    {
        QDir(m_Dir.path()).mkdir("sub");
        for (const char* pszName : {"a.txt", "b.txt"})
            QFile(m_Dir.filePath(pszName)).open(QIODevice::WriteOnly);
    }
    QStringList operator()(const QString& entries) const
    {
        if (entries == "|")
            return {QString()};
        QStringList list = entries.isEmpty() ? QStringList() : entries.split('|');
        return list.replaceInStrings("%T", m_Dir.path());
    }
    QTemporaryDir m_Dir;
};

// Modes as letters: D directories, E accept empty, X existing files, B band specifiers; the
// file types are Text (.txt) and Log (.LOG, with the upper-case variant when U is given).
std::unique_ptr<CMultiFileEdit> MakeList(const QString& modes, const QStringList& entries)
{
    return std::make_unique<CMultiFileEdit>(
        entries, Types{{".txt", false, "Text"}, {".LOG", modes.contains('U'), "Log"}},
        modes.contains('D'), modes.contains('E'), modes.contains('X'), modes.contains('B'),
        nullptr);
}

// Chooses paths in an open file dialog as a user types them: one absolute path, or several
// quoted names of the dialog's directory. The dialog lists its directory in the background and
// may reset the name field when the listing arrives, so the name is typed until it sticks;
// done() then skips accept()'s checks, which could ask back in a nested message box.
void ChooseInFileDialog(QFileDialog* pDialog, const QStringList& qslPaths)
{
    QString qsTyped = qslPaths.value(0);
    if (qslPaths.size() > 1)
        qsTyped = '"' + QFileInfo(qslPaths[0]).fileName() + "\" \"" +
                  QFileInfo(qslPaths[1]).fileName() + '"';
    auto* pwName = pDialog->findChild<QLineEdit*>("fileNameEdit");
    QVERIFY(pwName);
    QTRY_VERIFY((pwName->setText(qsTyped), pDialog->selectedFiles() == qslPaths));
    static_cast<QDialog*>(pDialog)->done(QDialog::Accepted);
}

QStringList Entries(CMultiFileEdit& edit)
{
    QStringList entries;
    auto* pwList = edit.findChild<QListWidget*>("m_wSelectedPaths");
    for (int row = 0; row < pwList->count(); ++row)
        entries << pwList->item(row)->text();
    return entries;
}

QString Cells(QTableWidget* pwTable, int nRow) // texts, then + or - per editable cell
{
    QString cells;
    for (int nColumn = 0; nColumn < 4; ++nColumn)
        cells += pwTable->item(nRow, nColumn)->text() + ' ';
    for (int nColumn = 1; nColumn < 4; ++nColumn)
        cells += pwTable->item(nRow, nColumn)->flags() & Qt::ItemIsEditable ? '+' : '-';
    return cells;
}

} // namespace

class TestEditors : public QObject
{
    Q_OBJECT

private slots:
    // setFocus() on entry, editingFinished then looseFocus() on leaving; the signal hides
    // QWidget::setFocus(), so called through a CLineEdit it only signals.
    void lineEditSignalsFocus()
    {
        QWidget window;
        auto* pwEdit = new CLineEdit(QStringLiteral("abc"), &window);
        auto* pwOther = new QLineEdit(&window);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        pwOther->setFocus();
        QStringList events;
        connect(pwEdit, &CLineEdit::setFocus, [&] { events << "in"; });
        connect(pwEdit, &CLineEdit::looseFocus, [&] { events << "out"; });
        connect(pwEdit, &QLineEdit::editingFinished, [&] { events << "done"; });
        static_cast<QWidget*>(pwEdit)->setFocus();
        QTest::keyClick(pwEdit, Qt::Key_D);
        pwOther->setFocus();
        pwEdit->setFocus();
        QVERIFY(pwOther->hasFocus());
        QCOMPARE(events, QStringList({"in", "done", "out", "in"}));
    }

    void dialogs_data()
    {
        // The path edit (flags D directory, E accept empty, X existing, T the types Text .txt and
        // Log .log) or the list (modes of MakeList; a second entry is dropped, setting the last
        // path). The filters: all of the path edit's, the one the list's dialog preselects.
        const char* const file = "Select an existing file";
        const char* const save = "Select a file to write to";
        const char* const dir = "Select an existing directory";
        const char* const open = "Select (an) existing file(s)";
        const char* const saves = "Select a file(s) to write to";
        const char* const typed = "Text files ( *.txt );;Log files ( *.log *.LOG );;All Files (*)";
        ZriTest::AddRows(
            {"kind", "modes", "entries", "caption", "start", "filter", "chosen", "expected"},
            {{"path: directory, file flag ignored", "path", "DXT", "%T/start.txt", dir, "%T", "",
              "%T/sub", "%T/sub"},
             {"path: existing file", "path", "XT", "%T/start.txt", file, "%T", typed, "%T/a.txt",
              "%T/a.txt"},
             {"path: cancel keeps the path", "path", "XT", "%T/start.txt", file, "%T", typed, "",
              "%T/start.txt"},
             {"path: cancel with accept-empty clears", "path", "ET", "%T/x", save, "%T", typed, "",
              ""},
             {"list: directory from home", "list", "D", "", dir, "~", "", "%T/sub", "%T/sub"},
             {"list: first entry, case-insensitive match", "list", "X", "%T/old.log", open, "%T",
              "Log ( *.LOG )", "%T/b.txt|%T/a.txt", "%T/old.log|%T/b.txt|%T/a.txt"},
             {"list: upper-case variant, no match", "list", "XU", "%T/old.log", open, "%T",
              "Text ( *.txt )", "", "%T/old.log"},
             {"list: last path beats first entry", "list", "", "/elsewhere/old.txt|%T/new.log",
              saves, "%T", "Log ( *.LOG )", "%T/c.dat", "/elsewhere/old.txt|%T/new.log|%T/c.dat"},
             {"list: save cancelled, accept-empty", "list", "E", "", saves, "~", "Text ( *.txt )",
              "", "|"}});
    }

    // The dialog opens at the right place with the right caption and filter; its answer, or the
    // cancel, is reported once with the whole value.
    void dialogs()
    {
        QFETCH(QString, modes);
        QFETCH(QString, entries);
        QFETCH(QString, start);
        QFETCH(QString, filter);
        QFETCH(QString, chosen);
        SPlace place;
        std::unique_ptr<QWidget> pwEdit;
        const bool bPath = QString(QTest::currentDataTag()).startsWith("path");
        if (bPath)
            pwEdit.reset(new CFileEditLine(
                place(entries).at(0),
                modes.contains('T')
                    ? Types{{".txt", false, "Text files"}, {".log", true, "Log files"}}
                    : Types(),
                modes.contains('D'), modes.contains('E'), modes.contains('X'), nullptr));
        else
            pwEdit = MakeList(modes, place(entries).mid(0, 1));
        if (place(entries).size() > 1)
        {
            QMimeData data;
            data.setText(place(entries).at(1));
            ZriTest::Drop(*pwEdit, data, Qt::NoModifier);
        }
        QSignalSpy spy(pwEdit.get(), bPath ? SIGNAL(pathChanged(QString))
                                           : SIGNAL(selectionChanged(QStringList)));
        ZriTest::AnswerModal<QFileDialog>(
            [&](QFileDialog* pDialog)
            {
                QTEST(pDialog->windowTitle(), "caption");
                QCOMPARE(
                    QDir(pDialog->directory()).canonicalPath(),
                    QDir(start == "~" ? QDir::homePath() : place(start).at(0)).canonicalPath());
                if (!filter.isEmpty())
                    QCOMPARE(bPath ? pDialog->nameFilters().join(";;")
                                   : pDialog->selectedNameFilter(),
                             filter);
                if (!chosen.isEmpty())
                    ChooseInFileDialog(pDialog, place(chosen));
            });
        pwEdit->findChild<QPushButton*>(bPath ? "m_wFileDialogButton" : "pushButton")->click();
        QFETCH(QString, expected);
        const QString shown = bPath ? static_cast<CFileEditLine*>(pwEdit.get())->GetCurrentPath()
                                    : Entries(static_cast<CMultiFileEdit&>(*pwEdit)).join('|');
        QCOMPARE(shown, place(expected).join('|'));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toStringList().join('|'), shown);
    }

    void drop_data()
    {
        // Modes as for MakeList, plus S or A for the Shift or Alt key and T for a drop of text
        // instead of URLs (local paths, or URLs with a scheme); the list starts as "old".
        ZriTest::AddRows(
            {"modes", "dropped", "expected"},
            {{"plain drop appends", "", "%T/a.txt|%T/b.txt", "old|%T/a.txt|%T/b.txt"},
             {"shift replaces", "S", "%T/a.txt|%T/b.txt", "%T/a.txt|%T/b.txt"},
             {"alt replaces, nothing passes", "AX", "%T/no.txt", ""},
             {"directories: file rejected", "D", "%T/a.txt|%T/sub", "old|%T/sub"},
             {"same path twice", "", "%T/a.txt|%T/a.txt", "old|%T/a.txt|%T/a.txt"},
             {"remote url skipped", "", "http://example.org/x.txt", "old"},
             {"remote url, accept-empty", "E", "http://example.org/x", "old|"},
             {"text split and trimmed", "T", " a.txt, b.txt;c.txt ", "old|a.txt|b.txt|c.txt"},
             {"CR LF leaves an empty part", "T", "a.txt\r\nb.txt", "old|a.txt||b.txt"},
             {"CR LF, existing: no empty part", "TX", "%T/a.txt\r\n%T/b.txt",
              "old|%T/a.txt|%T/b.txt"}});
    }

    // Each drop is reported once, with the whole new list.
    void drop()
    {
        QFETCH(QString, modes);
        QFETCH(QString, dropped);
        SPlace place;
        auto pEdit = MakeList(modes, {"old"});
        QSignalSpy spy(pEdit.get(), &CMultiFileEdit::selectionChanged);
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& url : place(dropped))
            urls << (url.contains("://") ? QUrl(url) : QUrl::fromLocalFile(url));
        if (modes.contains('T'))
            data.setText(place(dropped).join('|'));
        else
            data.setUrls(urls);
        ZriTest::Drop(*pEdit, data,
                      modes.contains('S')   ? Qt::ShiftModifier
                      : modes.contains('A') ? Qt::AltModifier
                                            : Qt::NoModifier);
        QFETCH(QString, expected);
        QCOMPARE(Entries(*pEdit), place(expected));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toStringList(), place(expected));
    }

    // The offscreen platform ends every QDrag at once, so the reorder plays the last step of an
    // internal move: the list view's drop moves the rows with moveRow(), reported once.
    void reorder()
    {
        auto pEdit = MakeList("", {"a", "b", "c"});
        QSignalSpy spy(pEdit.get(), &CMultiFileEdit::selectionChanged);
        QVERIFY(pEdit->findChild<QListWidget*>()->model()->moveRow(QModelIndex(), 0, {}, 2));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toStringList(), QStringList({"b", "a", "c"}));
    }

    // Shown rounded, kept exactly until the first edit; the edited field reaches the value.
    void rectangle()
    {
        CRectangleDefinitionEdit edit(QRectF(), nullptr);
        QSignalSpy spy(&edit, &CRectangleDefinitionEdit::definitionChanged);
        edit.blockSignals(true);
        edit.OnRectangleDefinitionChanged(QRectF(6e7, -2e8, 10.2, -80.4));
        QVERIFY(!edit.signalsBlocked()); // unblocked whatever the state before
        QCOMPARE(edit.GetRectangleDefinition(), QRectF(6e7, -2e8, 10.2, -80.4));
        QStringList shown;
        for (const char* pszField : {"m_wXCoord", "m_wYCoord", "m_wWidth", "m_wHeight"})
            shown << edit.findChild<QDoubleSpinBox*>(pszField)->text();
        QCOMPARE(shown, QStringList({"50000000", "-100000000", "10", "-80"}));
        auto* pwField = edit.findChild<QDoubleSpinBox*>("m_wYCoord");
        pwField->selectAll();
        QTest::keyClicks(pwField, "7");
        QTest::keyClick(pwField, Qt::Key_Return);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toRectF(), QRectF(5e7, 7, 10, -80));
        edit.SetUnitString("mm");
        edit.SetUnitString(""); // keeps the unit
        QCOMPARE(edit.findChild<QDoubleSpinBox*>("m_wWidth")->text(), "10 mm");
    }

    // Texts and editable cells per type; values outside the enumerations stay as they are until
    // a cell is edited; typed texts that do not parse go back to the stored value, and a type in
    // capitals is taken as typed.
    void loggerTable()
    {
        const Definitions odd = {{LoggerFile, VerbosityWarning, "/var/log/app.log", 5432},
                                 {LoggerConsole, VerbosityTrace, "", 1},
                                 {ELoggerType(9), _EVerbosityLevel(12), "x", 1},
                                 {LoggerNone, VerbosityFatal, "", 5432}};
        CLoggerDefinitionsEdit edit(odd);
        auto* pwTable = edit.findChild<QTableWidget*>("m_wDefinitions");
        QCOMPARE(Cells(pwTable, 0), "file warning /var/log/app.log 5432 ++-");
        QCOMPARE(Cells(pwTable, 1), "console trace  1 +--");
        QCOMPARE(Cells(pwTable, 2), "unknown unknown x 1 +++");
        QCOMPARE(Cells(pwTable, 3), "none fatal  5432 ---");
        pwTable->item(0, 0)->setText("bogus");
        pwTable->item(0, 1)->setText("errors");
        pwTable->item(1, 0)->setText("FILE");
        QCOMPARE(Cells(pwTable, 0), "file warning /var/log/app.log 5432 ++-");
        QCOMPARE(Cells(pwTable, 1), "FILE trace  1 ++-");
        Definitions expected = odd;
        expected[1].m_eType = LoggerFile;
        QCOMPARE(edit.GetLoggerDefinitions(), expected);
    }

    // The header's sizes and order go to the settings with the table, and the next table
    // starts from them.
    void loggerHeaderKept()
    {
        QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        {
            CLoggerDefinitionsEdit first(Definitions(2));
            QHeaderView* pwHeader = first.findChild<QTableWidget*>()->horizontalHeader();
            pwHeader->resizeSection(0, 137);
            pwHeader->moveSection(3, 0);
        }
        CLoggerDefinitionsEdit second(Definitions(2));
        QHeaderView* pwHeader = second.findChild<QTableWidget*>()->horizontalHeader();
        QCOMPARE(pwHeader->sectionSize(0), 137);
        QCOMPARE(pwHeader->visualIndex(3), 0);
        QVERIFY(QSettings().contains("/Session/Logger Definition/Geometry"));
    }
};

ZRI_TEST_MAIN(TestEditors)
#include "tst_editors.moc"
