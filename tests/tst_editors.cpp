// The editors in a dialog bound both ways to a model and driven by real input; then file dialogs,
// drops, the logger table's texts, cells as a screen reader hears them, its header.
#include "FileEditLine.h"
#include "LineEdit.h"
#include "LoggerDefinitionsEdit.h"
#include "MultiFileEdit.h"
#include "RectangleDefinitionEdit.h"
#include "TestSupport.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QDropEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>
#include <tuple>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using namespace Varo::Fenra::Progress;
using Definitions = std::vector<CLoggerDefinition>;
using Types = std::list<Varo::Fenra::ParameterPool::SFileType>;

namespace
{

// Answers the next modal dialog, then rejects it if left open (a failed check must not hang).
template <class TDialog> void AnswerModal(std::function<void(TDialog*)> answer)
{
    QTimer::singleShot(0,
                       [answer]
                       {
                           QTRY_VERIFY(qobject_cast<TDialog*>(QApplication::activeModalWidget()));
                           QPointer<TDialog> pwDialog =
                               qobject_cast<TDialog*>(QApplication::activeModalWidget());
                           answer(pwDialog);
                           if (pwDialog && pwDialog->isVisible())
                               pwDialog->reject();
                       });
}

// A drop from another application: enter, move, drop; the modifiers propose the action.
void Drop(QWidget& target, const QMimeData& data, Qt::KeyboardModifiers modifiers)
{
    const auto actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(QPoint(4, 4), actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(&target, &enter); // makes the widget the drop target
    QVERIFY(enter.isAccepted());
    QDragMoveEvent move(QPoint(4, 4), actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(&target, &move);
    const bool bReplace = modifiers & (Qt::ShiftModifier | Qt::AltModifier);
    QCOMPARE(move.dropAction(), bReplace ? Qt::LinkAction : Qt::CopyAction);
    QDropEvent drop(QPoint(4, 4), actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(&target, &drop);
}

// The application's parameters and how often each editor reported a value.
struct SModel
{
    QString m_Path; // empty: a value the application has not set yet
    QStringList m_Files{"a.txt", "b.tif[1]", "c.txt", "d.tif"};
    QRectF m_Rect{1.4, 2.6, 30, 40};
    Definitions m_Loggers{{LoggerGui, VerbosityError, "", 5432},
                          {LoggerFile, VerbosityWarning, "/var/log/x", 5432},
                          {LoggerNetwork, VerbosityDebug, "host", 7000}};
    int m_nReports[4] = {0, 0, 0, 0}; // path, files, rect, loggers
};

// The values as "path=", "files=", "rect=" and "loggers=" (type, level, 'name', port).
QStringList Describe(const QString& path, const QStringList& files, const QRectF& rect,
                     const Definitions& loggers)
{
    const auto n = [](double value) { return QString::number(value); };
    QStringList rows;
    for (const CLoggerDefinition& d : loggers)
        rows << n(d.m_eType) + ' ' + n(d.m_eLevel) + " '" + QString::fromStdString(d.m_sName) +
                    "' " + n(d.m_nPort);
    return {"path=" + path, "files=" + files.join(' '),
            "rect=" + n(rect.x()) + ' ' + n(rect.y()) + ' ' + n(rect.width()) + ' ' +
                n(rect.height()),
            "loggers=" + rows.join(", ")};
}

QStringList Entries(CMultiFileEdit& edit)
{
    QStringList entries;
    auto* pwList = edit.findChild<QListWidget*>("m_wSelectedPaths");
    for (int row = 0; row < pwList->count(); ++row)
        entries << pwList->item(row)->text();
    return entries;
}

class CDialog : public QWidget
{
public:
    explicit CDialog(SModel& rModel)
        : m_rModel(rModel), m_Path(rModel.m_Path, {}, false, false, false, this),
          m_Files(rModel.m_Files, {}, false, false, false, true, this), m_Rect(rModel.m_Rect, this),
          m_Loggers(rModel.m_Loggers, this)
    {
        auto* pwLayout = new QVBoxLayout(this);
        for (QWidget* pwEditor : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            pwLayout->addWidget(pwEditor);
        Bind(m_Path, &CFileEditLine::pathChanged, &CFileEditLine::OnPathChanged, rModel.m_Path, 0);
        Bind(m_Files, &CMultiFileEdit::selectionChanged, &CMultiFileEdit::OnUpdateSelection,
             rModel.m_Files, 1);
        Bind(m_Rect, &CRectangleDefinitionEdit::definitionChanged,
             &CRectangleDefinitionEdit::OnRectangleDefinitionChanged, rModel.m_Rect, 2);
        Bind(m_Loggers, &CLoggerDefinitionsEdit::definitionsChanged,
             &CLoggerDefinitionsEdit::OnDefinitionsChanged, rModel.m_Loggers, 3);
        resize(520, 560);
        List()->setFocus(); // leaving the path field, the first in line, would report the path
        show();
        QApplication::setActiveWindow(this);
    }

    // As an application binds an editor: the signal stores, the silent slot gets it back.
    template <class TEditor, class TValue>
    void Bind(TEditor& editor, void (TEditor::*signal)(const TValue&),
              void (TEditor::*slot)(const TValue&), TValue& stored, int nIndex)
    {
        connect(&editor, signal, this,
                [this, &editor, slot, &stored, nIndex](const TValue& value)
                {
                    stored = value;
                    ++m_rModel.m_nReports[nIndex];
                    (editor.*slot)(stored);
                });
    }

    QStringList Shown()
    {
        return Describe(m_Path.GetCurrentPath(), Entries(m_Files), m_Rect.GetRectangleDefinition(),
                        m_Loggers.GetLoggerDefinitions());
    }

    QListWidget* List() { return m_Files.findChild<QListWidget*>("m_wSelectedPaths"); }
    QTableWidget* Table() { return m_Loggers.findChild<QTableWidget*>("m_wDefinitions"); }

    // Clicks into a field, replaces its text by typing and leaves it with the key.
    void Type(const char* pszField, const QString& rqsText, Qt::Key eLeaveKey)
    {
        auto* pwField = findChild<QWidget*>(pszField);
        QTest::mouseClick(pwField, Qt::LeftButton, {}, QPoint(6, pwField->height() / 2));
        QTest::keyClick(pwField, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(pwField, rqsText);
        QTest::keyClick(pwField, eLeaveKey);
    }

    void DropText(const QString& rqsText)
    {
        QMimeData data;
        data.setText(rqsText);
        Drop(m_Files, data, Qt::NoModifier);
    }

    // Control-clicks rows (digits) of the list or the table, then a button or the Delete key.
    void Click(QWidget& editor, QAbstractItemView* pwView, const char* pszRows,
               const QString& button)
    {
        for (const char* pRow = pszRows; *pRow; ++pRow)
            QTest::mouseClick(pwView->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              pwView->visualRect(pwView->model()->index(*pRow - '0', 0)).center());
        if (button == "Delete")
            QTest::keyClick(pwView, Qt::Key_Delete);
        else if (!button.isEmpty())
            QTest::mouseClick(editor.findChild<QPushButton*>(button), Qt::LeftButton);
    }

    // Sets band specifier [2-3] on rows 1 and 3; the application may refresh the list meanwhile.
    void SetBandSpecifier(const QString& rqsRefreshed)
    {
        Click(m_Files, List(), "13", "");
        AnswerModal<QInputDialog>(
            [this, rqsRefreshed](QInputDialog* pwDialog)
            {
                QCOMPARE(pwDialog->textValue(), QStringLiteral("[1]"));
                if (!rqsRefreshed.isEmpty())
                    m_Files.OnUpdateSelection(m_rModel.m_Files = rqsRefreshed.split(' '));
                pwDialog->setTextValue("[2-3]");
                pwDialog->accept();
            });
        m_Files.OnSetBandSpecifier();
    }

    // Double-clicks a logger cell (pressed first, as by a user) and types into its editor, left
    // with Tab or a click on the cell of nLeaveColumn, or takes a combo box entry by the keys.
    void EditLogger(int nRow, int nColumn, const QString& rqsText, int nLeaveColumn = -1)
    {
        const QPoint centre = Table()->visualItemRect(Table()->item(nRow, nColumn)).center();
        QTest::mouseClick(Table()->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(Table()->viewport(), Qt::LeftButton, {}, centre);
        QWidget* pwEditor = Table()->indexWidget(Table()->model()->index(nRow, nColumn));
        QVERIFY(pwEditor);
        if (auto* pwCombo = qobject_cast<QComboBox*>(pwEditor))
        {
            pwCombo->showPopup();
            pwCombo->view()->setCurrentIndex(pwCombo->model()->index(0, 0));
            for (int i = pwCombo->findText(rqsText); i > 0; --i)
                QTest::keyClick(pwCombo->view(), Qt::Key_Down);
            return QTest::keyClick(pwCombo->view(), Qt::Key_Return);
        }
        auto* pwLine = qobject_cast<QLineEdit*>(pwEditor);
        pwLine = pwLine ? pwLine : pwEditor->findChild<QLineEdit*>("m_wCurrentPath");
        pwLine->selectAll();
        QTest::keyClicks(pwLine, rqsText);
        if (nLeaveColumn < 0)
            return QTest::keyClick(pwLine, Qt::Key_Tab);
        QTest::mouseClick(Table()->viewport(), Qt::LeftButton, {},
                          Table()->visualItemRect(Table()->item(nRow, nLeaveColumn)).center());
        QVERIFY(!Table()->indexWidget(Table()->model()->index(nRow, nColumn)));
    }

    SModel& m_rModel;
    CFileEditLine m_Path;
    CMultiFileEdit m_Files;
    CRectangleDefinitionEdit m_Rect;
    CLoggerDefinitionsEdit m_Loggers;
};

using D = CDialog&;

// What the user does, how often each editor reports (path, files, rect, loggers), what changes.
const struct
{
    const char* pszName;
    std::function<void(D)> act;
    const char* pszReports;
    const char* pszChanged;
} kSteps[] = {
    {"path typed, Return", [](D d) { d.Type("m_wCurrentPath", "/in", Qt::Key_Return); }, "1 0 0 0",
     "path=/in"},
    {"path, Tab", [](D d) { d.Type("m_wCurrentPath", "/in", Qt::Key_Tab); }, "1 0 0 0", "path=/in"},
    {"path emptied by the application",
     [](D d)
     {
         d.Type("m_wCurrentPath", "/in", Qt::Key_Return);
         d.m_Path.OnPathChanged(d.m_rModel.m_Path = QString());
     },
     "1 0 0 0", "path="},
    {"files dropped", [](D d) { d.DropText("e.txt;f.txt"); }, "0 1 0 0",
     "files=a.txt b.tif[1] c.txt d.tif e.txt f.txt"},
    {"two removed", [](D d) { d.Click(d.m_Files, d.List(), "13", "pushButton_2"); }, "0 3 0 0",
     "files=a.txt c.txt"},
    {"two removed by the Delete key", [](D d) { d.Click(d.m_Files, d.List(), "13", "Delete"); },
     "0 3 0 0", "files=a.txt c.txt"},
    // Offscreen every QDrag ends at once: the list view's drop moves the rows with moveRow().
    {"files reordered", [](D d) { QVERIFY(d.List()->model()->moveRow({}, 0, {}, 2)); }, "0 1 0 0",
     "files=b.tif[1] a.txt c.txt d.tif"},
    {"band specifier", [](D d) { d.SetBandSpecifier(""); }, "0 1 0 0",
     "files=a.txt b.tif[2-3] c.txt d.tif[2-3]"},
    {"band specifier, list replaced while asking", [](D d) { d.SetBandSpecifier("x.tif y.tif"); },
     "0 1 0 0", "files=x.tif y.tif"},
    {"x, Tab", [](D d) { d.Type("m_wXCoord", "15", Qt::Key_Tab); }, "0 0 1 0", "rect=15 3 30 40"},
    {"negative height, Return", [](D d) { d.Type("m_wHeight", "-5", Qt::Key_Return); }, "0 0 1 0",
     "rect=1 3 30 -5"},
    {"logger type picked", [](D d) { d.EditLogger(0, 0, "network"); }, "0 0 0 4",
     "loggers=5 2 '' 5432, 3 3 '/var/log/x' 5432, 5 6 'host' 7000"},
    {"logger name typed", [](D d) { d.EditLogger(2, 2, "relay"); }, "0 0 0 1",
     "loggers=1 2 '' 5432, 3 3 '/var/log/x' 5432, 5 6 'relay' 7000"},
    {"logger file typed", [](D d) { d.EditLogger(1, 2, "/tmp/y"); }, "0 0 0 1",
     "loggers=1 2 '' 5432, 3 3 '/tmp/y' 5432, 5 6 'host' 7000"},
    {"logger file typed, the disabled port clicked", [](D d) { d.EditLogger(1, 2, "/tmp/y", 3); },
     "0 0 0 1", "loggers=1 2 '' 5432, 3 3 '/tmp/y' 5432, 5 6 'host' 7000"},
    {"letters as port", [](D d) { d.EditLogger(2, 3, "abc"); }, "0 0 0 1",
     "loggers=1 2 '' 5432, 3 3 '/var/log/x' 5432, 5 6 'host' 0"},
    {"two loggers removed", [](D d) { d.Click(d.m_Loggers, d.Table(), "02", "m_wRemove"); },
     "0 0 0 1", "loggers=3 3 '/var/log/x' 5432"},
    {"two loggers removed by the Delete key",
     [](D d) { d.Click(d.m_Loggers, d.Table(), "02", "Delete"); }, "0 0 0 1",
     "loggers=3 3 '/var/log/x' 5432"},
    {"loggers emptied by the application, one added",
     [](D d)
     {
         d.m_Loggers.OnDefinitionsChanged(d.m_rModel.m_Loggers = Definitions());
         d.Click(d.m_Loggers, d.Table(), "", "m_wAdd");
     },
     "0 0 0 7", "loggers=0 4 '' 5432"},
};

// A temporary directory with a.txt, b.txt and sub; "%T" stands for it, "|" separates entries.
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
        QStringList list = entries.isEmpty() ? QStringList() : entries.split('|');
        return list.replaceInStrings("%T", m_Dir.path());
    }
    QTemporaryDir m_Dir;
};

// Modes: D directories, E accept empty, X existing, B bands; types .txt and .LOG (U: upper case).
std::unique_ptr<CMultiFileEdit> MakeList(const QString& modes, const QStringList& entries)
{
    return std::make_unique<CMultiFileEdit>(
        entries, Types{{".txt", false, "Text"}, {".LOG", modes.contains('U'), "Log"}},
        modes.contains('D'), modes.contains('E'), modes.contains('X'), modes.contains('B'),
        nullptr);
}

// Types one absolute path, or quoted names in the dialog's directory, until the name sticks (the
// listing may reset it); done() skips accept()'s checks, which could ask back in a message box.
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

// The editor a cell's delegate opens: P a path edit's path, L a line edit's text, C a combo.
QString Editor(QTableWidget* pwTable, int nRow, int nColumn)
{
    const QModelIndex index = pwTable->model()->index(nRow, nColumn);
    QAbstractItemDelegate* pDelegate = pwTable->itemDelegate();
    std::unique_ptr<QWidget> pwEditor(
        pDelegate->createEditor(pwTable->viewport(), QStyleOptionViewItem(), index));
    pDelegate->setEditorData(pwEditor.get(), index);
    if (auto* pwPath = qobject_cast<CFileEditLine*>(pwEditor.get()))
        return 'P' + pwPath->GetCurrentPath();
    if (auto* pwLine = qobject_cast<QLineEdit*>(pwEditor.get()))
        return 'L' + pwLine->text();
    auto* pwCombo = qobject_cast<QComboBox*>(pwEditor.get());
    return pwCombo ? 'C' + pwCombo->currentText() : QString('?');
}

// Per row: the texts, + or - per editable Level, Name and Port cell, and the four editors.
QStringList Cells(QTableWidget* pwTable)
{
    QStringList rows;
    for (int nRow = 0; nRow < pwTable->rowCount(); ++nRow)
    {
        QString cells;
        for (int nColumn = 0; nColumn < 4; ++nColumn)
            cells += pwTable->item(nRow, nColumn)->text() + ' ';
        for (int nColumn = 1; nColumn < 4; ++nColumn)
            cells += pwTable->item(nRow, nColumn)->flags() & Qt::ItemIsEditable ? '+' : '-';
        for (int nColumn = 0; nColumn < 4; ++nColumn)
            cells += ' ' + Editor(pwTable, nRow, nColumn);
        rows << cells;
    }
    return rows;
}

} // namespace

class TestEditors : public QObject
{
    Q_OBJECT

private slots:
    void step_data()
    {
        QTest::addColumn<int>("step");
        for (const auto& step : kSteps)
            QTest::newRow(step.pszName) << int(&step - kSteps);
    }

    // Starting from the model's values, widgets and model agree after the step.
    void step()
    {
        QFETCH(int, step);
        SModel model;
        CDialog dialog(model);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QStringList expected = Describe(model.m_Path, model.m_Files, model.m_Rect, model.m_Loggers);
        QCOMPARE(dialog.Shown(), expected);
        kSteps[step].act(dialog);
        const QString changed = QString::fromUtf8(kSteps[step].pszChanged);
        for (QString& value : expected)
            if (value.section('=', 0, 0) == changed.section('=', 0, 0))
                value = changed;
        const int* n = model.m_nReports;
        QCOMPARE(QString("%1 %2 %3 %4").arg(n[0]).arg(n[1]).arg(n[2]).arg(n[3]),
                 QString::fromLatin1(kSteps[step].pszReports));
        QCOMPARE(dialog.Shown(), expected);
        QCOMPARE(Describe(model.m_Path, model.m_Files, model.m_Rect, model.m_Loggers), expected);
    }

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
        // "path" rows: the path edit (modes D, E, X as in MakeList, T types .txt and .log); else
        // the list (and S, A Shift or Alt, T a drop of text; a second entry dropped first). Dialogs
        // open in %T: caption, filters (the list's preselected one), chosen (empty: cancel).
        const char* const file = "Select an existing file";
        const char* const dir = "Select an existing directory";
        const char* const open = "Select (an) existing file(s)";
        const char* const save = "Select a file(s) to write to";
        const char* const typed = "Text files ( *.txt );;Log files ( *.log *.LOG );;All Files (*)";
        ZriTest::AddRows(
            {"modes", "entries", "dropped", "caption", "filter", "chosen", "expected"},
            {{"path: directory, file flag ignored", "DXT", "%T/x", "", dir, "", "%T/sub", "%T/sub"},
             {"path: cancel keeps the path", "XT", "%T/x", "", file, typed, "", "%T/x"},
             {"path: cancel with accept-empty clears", "ET", "%T/x", "",
              "Select a file to write to", typed, "", ""},
             {"first entry, case-insensitive match", "X", "%T/old.log", "", open, "Log ( *.LOG )",
              "%T/b.txt|%T/a.txt", "%T/old.log|%T/b.txt|%T/a.txt"},
             {"upper-case variant, no match", "XU", "%T/old.log", "", open, "Text ( *.txt )", "",
              "%T/old.log"},
             {"last path beats first entry", "", "/elsewhere/old.txt|%T/new.log", "", save,
              "Log ( *.LOG )", "%T/c.dat", "/elsewhere/old.txt|%T/new.log|%T/c.dat"},
             {"shift replaces", "S", "old", "%T/a.txt|%T/b.txt", "", "", "", "%T/a.txt|%T/b.txt"},
             {"alt replaces, nothing passes", "AX", "old", "%T/no.txt", "", "", "", ""},
             {"dirs, file rejected", "D", "old", "%T/a.txt|%T/sub", "", "", "", "old|%T/sub"},
             {"remote url, accept-empty", "E", "old", "http://example.org/x", "", "", "", "old|"},
             {"text split and trimmed", "T", "old", " a.txt, b.txt;c.txt ", "", "", "",
              "old|a.txt|b.txt|c.txt"},
             {"CR LF: an empty part", "T", "old", "a.txt\r\nb.txt", "", "", "", "old|a.txt||b.txt"},
             {"CR LF, existing, no empty part", "TX", "old", "%T/a.txt\r\n%T/b.txt", "", "", "",
              "old|%T/a.txt|%T/b.txt"}});
    }
    void changes()
    {
        QFETCH(QString, modes);
        QFETCH(QString, entries);
        QFETCH(QString, dropped);
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
            Drop(*pwEdit, data, Qt::NoModifier);
        }
        QSignalSpy spy(pwEdit.get(), bPath ? SIGNAL(pathChanged(QString))
                                           : SIGNAL(selectionChanged(QStringList)));
        if (!dropped.isEmpty())
        {
            QList<QUrl> urls;
            for (const QString& url : place(dropped))
                urls << (url.contains("://") ? QUrl(url) : QUrl::fromLocalFile(url));
            modes.contains('T') ? data.setText(place(dropped).join('|')) : data.setUrls(urls);
            Drop(*pwEdit, data,
                 modes.contains('S')   ? Qt::ShiftModifier
                 : modes.contains('A') ? Qt::AltModifier
                                       : Qt::NoModifier);
        }
        else
        {
            AnswerModal<QFileDialog>(
                [&](QFileDialog* pDialog)
                {
                    QTEST(pDialog->windowTitle(), "caption");
                    QCOMPARE(QDir(pDialog->directory()).canonicalPath(),
                             QDir(place.m_Dir.path()).canonicalPath());
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

    // Texts, editable cells and editors per type. Unknown values stay until edited, texts that do
    // not parse go back, a type in capitals is taken, letters in a Port cell open as 0.
    void loggerTable()
    {
        const Definitions odd = {{LoggerFile, VerbosityWarning, "/var/log/app.log", 5432},
                                 {LoggerConsole, VerbosityTrace, "", 1},
                                 {ELoggerType(9), _EVerbosityLevel(12), "x", 1},
                                 {LoggerNone, VerbosityFatal, "", 5432},
                                 {LoggerGui, VerbosityInfo, "g", 2},
                                 {LoggerStdout, VerbosityLog, "s", 3},
                                 {LoggerNetwork, VerbosityDebug, "host", 7000}};
        CLoggerDefinitionsEdit edit(odd);
        auto* pwTable = edit.findChild<QTableWidget*>("m_wDefinitions");
        QStringList expectedCells = {
            "file warning /var/log/app.log 5432 ++- Cfile Cwarning P/var/log/app.log L5432",
            "console trace  1 +-- Cconsole Ctrace P L1",
            "unknown unknown x 1 +++ C C Px L1",
            "none fatal  5432 --- Cnone Cfatal P L5432",
            "gui info g 2 +-- Cgui Cinfo Pg L2",
            "stdout log s 3 +-- Cstdout Clog Ps L3",
            "network debug host 7000 +++ Cnetwork Cdebug Lhost L7000"};
        QCOMPARE(Cells(pwTable), expectedCells);
        for (const auto& [nRow, nColumn, pszText] :
             {std::make_tuple(0, 0, "bogus"), std::make_tuple(0, 1, "errors"),
              std::make_tuple(1, 0, "FILE"), std::make_tuple(4, 0, "network"),
              std::make_tuple(6, 3, "abc"), std::make_tuple(6, 0, "file")})
            pwTable->item(nRow, nColumn)->setText(pszText);
        expectedCells[1] = "FILE trace  1 ++- C Ctrace P L1";
        expectedCells[4] = "network info g 2 +++ Cnetwork Cinfo Lg L2";
        expectedCells[6] = "file debug host abc ++- Cfile Cdebug Phost L0";
        QCOMPARE(Cells(pwTable), expectedCells);
        Definitions expected = odd;
        expected[1].m_eType = expected[6].m_eType = LoggerFile;
        expected[4].m_eType = LoggerNetwork;
        expected[6].m_nPort = 0;
        QCOMPARE(edit.GetLoggerDefinitions(), expected);
    }

    // Logger cells as a screen reader hears them, "text:state" (x disabled, s selected, f
    // current): disabled where the type leaves nothing to edit, also after a change; a removed
    // row takes its cells along, the others keep their interfaces at their new places.
    void loggerCellsHeard()
    {
        auto pEdit = std::make_unique<CLoggerDefinitionsEdit>(
            Definitions{{LoggerNone, VerbosityFatal, "n", 1},
                        {LoggerGui, VerbosityInfo, "g", 2},
                        {LoggerStdout, VerbosityLog, "s", 3},
                        {LoggerConsole, VerbosityTrace, "c", 4},
                        {LoggerFile, VerbosityWarning, "f", 5},
                        {LoggerNetwork, VerbosityDebug, "h", 6}});
        auto* pwTable = pEdit->findChild<QTableWidget*>();
        QAccessibleInterface* pTable = QAccessible::queryAccessibleInterface(pwTable);
        QAccessibleTableInterface* pCells = pTable->tableInterface();
        const auto heard = [pCells] // rows split by '|'
        {
            QString text;
            for (int i = 0; i < pCells->rowCount() * pCells->columnCount(); ++i)
            {
                QAccessibleInterface* pCell = pCells->cellAt(i / 4, i % 4);
                const QAccessible::State state = pCell->state();
                const QString letters = QString(state.disabled ? "x" : "") +
                                        (state.selected ? "s" : "") + (state.focused ? "f" : "");
                text += QString(i % 4 ? " " : "|") + pCell->text(QAccessible::Name) +
                        (letters.isEmpty() ? "" : ':' + letters);
            }
            return text.mid(1);
        };
        QCOMPARE(pCells->columnCount(), 4);
        pwTable->setCurrentCell(5, 1);
        QCOMPARE(heard(), "none fatal:x n:x 1:x|gui info g:x 2:x|stdout log s:x 3:x|console trace "
                          "c:x 4:x|file warning f 5:x|network:s debug:sf h:s 6:s");
        // The corner and the header row come first, then five places per row.
        QAccessibleInterface* pPort = pCells->cellAt(1, 3);
        QCOMPARE(pPort->role(), QAccessible::Cell);
        QCOMPARE(pPort->parent(), pTable);
        QCOMPARE(pTable->indexOfChild(pPort), 14);
        QCOMPARE(pTable->child(14), pPort);
        // A new type: the cells whose state changes are announced, each once.
        const QStringList announced = ZriTest::Heard(
            [](QAccessibleEvent* pEvent)
            {
                const auto* pPlace = pEvent->accessibleInterface()->tableCellInterface();
                auto* pChange = static_cast<QAccessibleStateChangeEvent*>(pEvent);
                if (pEvent->type() != QAccessible::StateChanged || !pPlace ||
                    !pChange->changedStates().disabled)
                    return QString();
                return QString("%1,%2").arg(pPlace->rowIndex()).arg(pPlace->columnIndex());
            },
            {[&]
             { pwTable->item(1, 0)->setText("network"), pwTable->item(5, 0)->setText("stdout"); }});
        QCOMPARE(announced, QStringList("1,2, 1,3, 5,2, 5,3"));
        pwTable->setCurrentCell(0, 0);
        QTest::mouseClick(pEdit->findChild<QPushButton*>("m_wRemove"), Qt::LeftButton);
        // What the view tells the table's interface while a screen reader listens.
        QAccessibleTableModelChangeEvent removed(pwTable,
                                                 QAccessibleTableModelChangeEvent::RowsRemoved);
        removed.setFirstRow(0);
        removed.setLastRow(0);
        pCells->modelChange(&removed);
        QCOMPARE(heard(),
                 "network:f info g 2|stdout log s:x 3:x|console trace c:x 4:x|file warning "
                 "f 5:x|stdout debug h:x 6:x");
        QCOMPARE(pTable->indexOfChild(pPort), 9);
        for (int i = 0; i < pTable->childCount(); ++i)
            QVERIFY(pTable->child(i)->isValid());
        pEdit.reset();
    }

    // A typical log path shows whole, the last column fills the rest; the next table starts from
    // the header's sizes and order that the last one left in the settings.
    void loggerHeaderKept()
    {
        QSettings().remove("/Session/Logger Definition/Geometry");
        {
            CLoggerDefinitionsEdit fresh(Definitions(2));
            fresh.resize(700, 200);
            fresh.show();
            QHeaderView* pwHeader = fresh.findChild<QTableWidget*>()->horizontalHeader();
            QVERIFY(pwHeader->sectionSize(2) >=
                    pwHeader->fontMetrics().horizontalAdvance("/var/log/application/server.log"));
            QCOMPARE(pwHeader->sectionViewportPosition(3) + pwHeader->sectionSize(3),
                     pwHeader->viewport()->width());
            pwHeader->resizeSection(0, 137);
            pwHeader->moveSection(3, 0);
        }
        CLoggerDefinitionsEdit second(Definitions(2));
        QHeaderView* pwHeader = second.findChild<QTableWidget*>()->horizontalHeader();
        QCOMPARE(pwHeader->sectionSize(0), 137);
        QCOMPARE(pwHeader->visualIndex(3), 0);
    }
};

ZRI_TEST_MAIN(TestEditors)
#include "tst_editors.moc"
