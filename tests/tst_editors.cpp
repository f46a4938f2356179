// What each editor does beyond the parameter dialog's bindings: the line edit's focus signals,
// the file dialogs with their captions, modes, filters and start places, drops of every kind,
// reordering of the file list, and the logger table's texts, odd values and the header state
// kept for the next table.
#include "FileEditLine.h"
#include "LineEdit.h"
#include "LoggerDefinitionsEdit.h"
#include "MultiFileEdit.h"
#include "TestSupport.h"

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

    void changes_data()
    {
        // The path edit (modes D directory, E accept empty, X existing, T the types Text .txt
        // and Log .log) or the list (modes of MakeList, and S or A for the Shift or Alt key, T
        // for a drop of text instead of URLs). A second entry of the list is dropped first,
        // setting the last path. Dialog rows give the caption, the start, the filters (all of the
        // path edit's, the one the list's dialog preselects) and what is chosen (empty: cancel).
        const char* const file = "Select an existing file";
        const char* const dir = "Select an existing directory";
        const char* const open = "Select (an) existing file(s)";
        const char* const save = "Select a file(s) to write to";
        const char* const typed = "Text files ( *.txt );;Log files ( *.log *.LOG );;All Files (*)";
        ZriTest::AddRows(
            {"modes", "entries", "dropped", "caption", "start", "filter", "chosen", "expected"},
            {{"path: directory, file flag ignored", "DXT", "%T/x", "", dir, "%T", "", "%T/sub",
              "%T/sub"},
             {"path: existing file", "XT", "%T/x", "", file, "%T", typed, "%T/a.txt", "%T/a.txt"},
             {"path: cancel keeps the path", "XT", "%T/x", "", file, "%T", typed, "", "%T/x"},
             {"path: cancel with accept-empty clears", "ET", "%T/x", "",
              "Select a file to write to", "%T", typed, "", ""},
             {"list: directory from home", "D", "", "", dir, "~", "", "%T/sub", "%T/sub"},
             {"list: first entry, case-insensitive match", "X", "%T/old.log", "", open, "%T",
              "Log ( *.LOG )", "%T/b.txt|%T/a.txt", "%T/old.log|%T/b.txt|%T/a.txt"},
             {"list: upper-case variant, no match", "XU", "%T/old.log", "", open, "%T",
              "Text ( *.txt )", "", "%T/old.log"},
             {"list: last path beats first entry", "", "/elsewhere/old.txt|%T/new.log", "", save,
              "%T", "Log ( *.LOG )", "%T/c.dat", "/elsewhere/old.txt|%T/new.log|%T/c.dat"},
             {"list: save cancelled, accept-empty", "E", "", "", save, "~", "", "", "|"},
             {"list: plain drop appends", "", "old", "%T/a.txt|%T/b.txt", "", "", "", "",
              "old|%T/a.txt|%T/b.txt"},
             {"list: shift replaces", "S", "old", "%T/a.txt|%T/b.txt", "", "", "", "",
              "%T/a.txt|%T/b.txt"},
             {"list: alt replaces, nothing passes", "AX", "old", "%T/no.txt", "", "", "", "", ""},
             {"list: directories, file rejected", "D", "old", "%T/a.txt|%T/sub", "", "", "", "",
              "old|%T/sub"},
             {"list: same path twice", "", "old", "%T/a.txt|%T/a.txt", "", "", "", "",
              "old|%T/a.txt|%T/a.txt"},
             {"list: remote url skipped", "", "old", "http://example.org/x.txt", "", "", "", "",
              "old"},
             {"list: remote url, accept-empty", "E", "old", "http://example.org/x", "", "", "", "",
              "old|"},
             {"list: text split and trimmed", "T", "old", " a.txt, b.txt;c.txt ", "", "", "", "",
              "old|a.txt|b.txt|c.txt"},
             {"list: CR LF leaves an empty part", "T", "old", "a.txt\r\nb.txt", "", "", "", "",
              "old|a.txt||b.txt"},
             {"list: CR LF, existing, no empty part", "TX", "old", "%T/a.txt\r\n%T/b.txt", "", "",
              "", "", "old|%T/a.txt|%T/b.txt"}});
    }

    // A drop, or a dialog that opens at the right place with the right caption and filter; the
    // result, a cancel too, is reported once with the whole value.
    void changes()
    {
        QFETCH(QString, modes);
        QFETCH(QString, entries);
        QFETCH(QString, dropped);
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
        QMimeData data;
        if (place(entries).size() > 1)
        {
            data.setText(place(entries).at(1));
            ZriTest::Drop(*pwEdit, data, Qt::NoModifier);
        }
        QSignalSpy spy(pwEdit.get(), bPath ? SIGNAL(pathChanged(QString))
                                           : SIGNAL(selectionChanged(QStringList)));
        if (!dropped.isEmpty())
        {
            QList<QUrl> urls;
            for (const QString& url : place(dropped))
                urls << (url.contains("://") ? QUrl(url) : QUrl::fromLocalFile(url));
            if (modes.contains('T'))
                data.setText(place(dropped).join('|'));
            else
                data.setUrls(urls);
            ZriTest::Drop(*pwEdit, data,
                          modes.contains('S')   ? Qt::ShiftModifier
                          : modes.contains('A') ? Qt::AltModifier
                                                : Qt::NoModifier);
        }
        else
        {
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
        }
        QFETCH(QString, expected);
        const QString shown = bPath ? static_cast<CFileEditLine*>(pwEdit.get())->GetCurrentPath()
                                    : Entries(static_cast<CMultiFileEdit&>(*pwEdit)).join('|');
        QCOMPARE(shown, place(expected).join('|'));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toStringList().join('|'), shown);
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
