// The multi-file edit: drops of URLs and text, the add dialogs with their filters and start
// directories, removal and reordering with their exact signals, and band specifiers.
#include "BandSpec.h"
#include "EditorTestSupport.h"
#include "MultiFileEdit.h"
#include "TestSupport.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using Varo::Fenra::ParameterPool::SFileType;

namespace
{

struct SModes
{
    bool bDirectory = false;
    bool bAcceptEmpty = false;
    bool bExisting = false;
    bool bBand = false;
};

// The temporary directory holds a.txt, b.txt and the directory sub; "%T" in data rows stands
// for its path.
class CFixture
{
public:
    CFixture()
    {
        QDir(m_Dir.path()).mkdir(QStringLiteral("sub"));
        for (const char* pszName : {"a.txt", "b.txt"})
            QFile(m_Dir.filePath(QString::fromLatin1(pszName))).open(QIODevice::WriteOnly);
    }
    QString Expand(QString qsText) const
    {
        return qsText.replace(QStringLiteral("%T"), m_Dir.path());
    }
    QStringList Expand(QStringList qslTexts) const
    {
        for (QString& rqsText : qslTexts)
            rqsText = Expand(rqsText);
        return qslTexts;
    }
    QString Path() const { return m_Dir.path(); }

private:
    QTemporaryDir m_Dir;
};

std::unique_ptr<CMultiFileEdit> MakeEdit(const SModes& modes, const QStringList& entries,
                                         std::list<SFileType> types = {})
{
    return std::make_unique<CMultiFileEdit>(entries, std::move(types), modes.bDirectory,
                                            modes.bAcceptEmpty, modes.bExisting, modes.bBand,
                                            nullptr);
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

// A drag that enters the widget, moves and drops, with every action possible; the drop's
// proposed action follows from the modifiers, as for a drop from another application.
void Drop(CMultiFileEdit& edit, const QMimeData& data, Qt::KeyboardModifiers modifiers)
{
    const auto actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    const QPoint pos(4, 4);
    QDragEnterEvent enter(pos, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(&edit, &enter); // makes the widget the drop target
    QDragMoveEvent move(pos, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(&edit, &move);
    QDropEvent drop(pos, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(&edit, &drop);
}

} // namespace

Q_DECLARE_METATYPE(SModes)
Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

class TestMultiFileEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ZriTest::KeepTranslationFileOut(); }
    void form();
    void dragActions_data();
    void dragActions();
    void drop_data();
    void drop();
    void addThroughDialog_data();
    void addThroughDialog();
    void removeEmitsPerRowAndOnce();
    void reorderEmitsNewOrder_data();
    void reorderEmitsNewOrder();
    void updateSelectionIsSilent();
    void bandSpecifier_data();
    void bandSpecifier();
    void bandSpecifierWithoutSelectionWarns();
    void contextMenuOnlyWithBandSpecifiers_data();
    void contextMenuOnlyWithBandSpecifiers();
};

void TestMultiFileEdit::form()
{
    CMultiFileEdit edit;
    QCOMPARE(edit.objectName(), QStringLiteral("CMultiFileEditData"));
    QCOMPARE(List(edit)->dragDropMode(), QAbstractItemView::InternalMove);
    QCOMPARE(List(edit)->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(List(edit)->contextMenuPolicy(), Qt::CustomContextMenu);
    QVERIFY(edit.acceptDrops());
    for (const char* pszButton : {"pushButton", "pushButton_2"})
    {
        auto* pwButton = edit.findChild<QPushButton*>(QString::fromLatin1(pszButton));
        QVERIFY(pwButton);
        QVERIFY(pwButton->text().isEmpty());
        // The embedded 22 x 22 icons are registered with the library.
        QCOMPARE(pwButton->icon().availableSizes(), QList<QSize>({QSize(22, 22)}));
    }
    edit.resize(314, 206);
    edit.show();
    // The buttons sit in a column right of the list, add above remove.
    auto* pwAdd = edit.findChild<QPushButton*>(QStringLiteral("pushButton"));
    auto* pwRemove = edit.findChild<QPushButton*>(QStringLiteral("pushButton_2"));
    QVERIFY(pwAdd->x() > List(edit)->geometry().right());
    QVERIFY(pwRemove->y() > pwAdd->y());
}

void TestMultiFileEdit::dragActions_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("action");
    QTest::newRow("urls") << "text/uri-list" << Qt::KeyboardModifiers() << true
                          << int(Qt::CopyAction);
    QTest::newRow("text, shift") << "text/plain" << Qt::KeyboardModifiers(Qt::ShiftModifier) << true
                                 << int(Qt::LinkAction);
    QTest::newRow("urls, alt") << "text/uri-list" << Qt::KeyboardModifiers(Qt::AltModifier) << true
                               << int(Qt::LinkAction);
    QTest::newRow("html only") << "text/html" << Qt::KeyboardModifiers() << false << -1;
}

void TestMultiFileEdit::dragActions()
{
    QFETCH(QString, format);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, accepted);
    QFETCH(int, action);
    CMultiFileEdit edit;
    QMimeData data;
    data.setData(format, QByteArrayLiteral("file:///tmp/x"));
    const auto actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(QPoint(4, 4), actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(&edit, &enter);
    QCOMPARE(enter.isAccepted(), accepted);
    if (!accepted)
        return;
    QDragMoveEvent move(QPoint(4, 4), actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(&edit, &move);
    QVERIFY(move.isAccepted());
    QCOMPARE(int(move.dropAction()), action);
}

void TestMultiFileEdit::drop_data()
{
    QTest::addColumn<SModes>("modes");
    QTest::addColumn<QStringList>("urls"); // local paths, or URLs with a scheme
    QTest::addColumn<QString>("text");     // used when there are no URLs
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QStringList>("expected"); // the list starts as "old"

    const Qt::KeyboardModifiers none;
    const SModes files;
    SModes existing;
    existing.bExisting = true;
    SModes directories;
    directories.bDirectory = true;
    SModes acceptEmpty;
    acceptEmpty.bAcceptEmpty = true;
    const QStringList ab = {"%T/a.txt", "%T/b.txt"};

    QTest::newRow("plain drop appends")
        << files << ab << QString() << none << QStringList({"old", "%T/a.txt", "%T/b.txt"});
    QTest::newRow("shift replaces")
        << files << ab << QString() << Qt::KeyboardModifiers(Qt::ShiftModifier) << ab;
    QTest::newRow("alt replaces") << files << ab << QString()
                                  << Qt::KeyboardModifiers(Qt::AltModifier) << ab;
    QTest::newRow("shift, nothing passes: empty list")
        << existing << QStringList({"%T/missing.txt"}) << QString()
        << Qt::KeyboardModifiers(Qt::ShiftModifier) << QStringList();
    QTest::newRow("existing files: missing one skipped")
        << existing << QStringList({"%T/missing.txt", "%T/a.txt"}) << QString() << none
        << QStringList({"old", "%T/a.txt"});
    QTest::newRow("existing files: a directory exists too")
        << existing << QStringList({"%T/sub"}) << QString() << none
        << QStringList({"old", "%T/sub"});
    QTest::newRow("directories: file rejected, directory taken")
        << directories << QStringList({"%T/a.txt", "%T/sub"}) << QString() << none
        << QStringList({"old", "%T/sub"});
    QTest::newRow("same path twice") << files << QStringList({"%T/a.txt", "%T/a.txt"}) << QString()
                                     << none << QStringList({"old", "%T/a.txt", "%T/a.txt"});
    QTest::newRow("remote url is a null path: skipped")
        << files << QStringList({"http://example.org/x.txt"}) << QString() << none
        << QStringList({"old"});
    QTest::newRow("remote url with accept-empty: empty entry")
        << acceptEmpty << QStringList({"http://example.org/x.txt"}) << QString() << none
        << QStringList({"old", ""});
    QTest::newRow("text split at comma and semicolon, trimmed")
        << files << QStringList() << "a.txt, b.txt;c.txt" << none
        << QStringList({"old", "a.txt", "b.txt", "c.txt"});
    QTest::newRow("text with CR LF keeps the empty part")
        << files << QStringList() << "a.txt\r\nb.txt" << none
        << QStringList({"old", "a.txt", "", "b.txt"});
    QTest::newRow("text with CR LF, existing files: empty part rejected")
        << existing << QStringList() << "%T/a.txt\r\n%T/b.txt\r\n"
        << none << QStringList({"old", "%T/a.txt", "%T/b.txt"});
    QTest::newRow("text in directory mode") << directories << QStringList() << " %T/sub ;%T/a.txt"
                                            << none << QStringList({"old", "%T/sub"});
    QTest::newRow("text, shift replaces")
        << files << QStringList() << "x" << Qt::KeyboardModifiers(Qt::ShiftModifier)
        << QStringList({"x"});
}

void TestMultiFileEdit::drop()
{
    QFETCH(SModes, modes);
    QFETCH(QStringList, urls);
    QFETCH(QString, text);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QStringList, expected);
    CFixture fixture;
    auto pEdit = MakeEdit(modes, {"old"});
    QSignalSpy spy(pEdit.get(), &CMultiFileEdit::selectionChanged);
    QMimeData data;
    QList<QUrl> qlUrls;
    for (const QString& url : fixture.Expand(urls))
        qlUrls << (url.contains(QStringLiteral("://")) ? QUrl(url) : QUrl::fromLocalFile(url));
    if (!qlUrls.isEmpty())
        data.setUrls(qlUrls);
    else
        data.setText(fixture.Expand(text));
    Drop(*pEdit, data, modifiers);
    expected = fixture.Expand(expected);
    QCOMPARE(Entries(*pEdit), expected);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toStringList(), expected);
}

void TestMultiFileEdit::addThroughDialog_data()
{
    QTest::addColumn<SModes>("modes");
    QTest::addColumn<bool>("withVariant"); // the log type offers .LOG in upper case as well
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("droppedFirst"); // sets the last path; empty: no drop
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("startDirectory"); // "~" is the home directory
    QTest::addColumn<QString>("selectedFilter");
    QTest::addColumn<QStringList>("chosen"); // paths or names in the start directory; empty: cancel
    QTest::addColumn<QStringList>("expected");

    SModes directories;
    directories.bDirectory = true;
    SModes directoriesOrEmpty = directories;
    directoriesOrEmpty.bAcceptEmpty = true;
    SModes existing;
    existing.bExisting = true;
    SModes existingOrEmpty = existing;
    existingOrEmpty.bAcceptEmpty = true;
    const SModes save;
    SModes saveOrEmpty;
    saveOrEmpty.bAcceptEmpty = true;
    const QString openCaption = QStringLiteral("Select (an) existing file(s)");
    const QString saveCaption = QStringLiteral("Select a file(s) to write to");
    const QString text = QStringLiteral("Text ( *.txt )");
    const QString log = QStringLiteral("Log ( *.LOG )");

    QTest::newRow("directory from home")
        << directories << false << QStringList() << QString() << "Select an existing directory"
        << "~" << QString() << QStringList({"%T/sub"}) << QStringList({"%T/sub"});
    QTest::newRow("directory cancelled, accept-empty: empty entry")
        << directoriesOrEmpty << false << QStringList({"%T/sub"}) << QString()
        << "Select an existing directory"
        << "%T/sub" << QString() << QStringList() << QStringList({"%T/sub", ""});
    QTest::newRow("first entry: start and case-insensitive preselection")
        << existing << false << QStringList({"%T/old.log"}) << QString() << openCaption << "%T"
        << log << QStringList({"b.txt", "a.txt"})
        << QStringList({"%T/old.log", "%T/b.txt", "%T/a.txt"});
    QTest::newRow("upper-case variant matches case-sensitively")
        << existing << true << QStringList({"%T/old.log"}) << QString() << openCaption << "%T"
        << text << QStringList({"a.txt"}) << QStringList({"%T/old.log", "%T/a.txt"});
    QTest::newRow("last path beats the first entry")
        << save << false << QStringList({"/elsewhere/old.txt"}) << "%T/new.log" << saveCaption
        << "%T" << log << QStringList({"c.dat"})
        << QStringList({"/elsewhere/old.txt", "%T/new.log", "%T/c.dat"});
    QTest::newRow("save cancelled keeps the list")
        << save << false << QStringList({"%T/a.txt"}) << QString() << saveCaption << "%T" << text
        << QStringList() << QStringList({"%T/a.txt"});
    QTest::newRow("save cancelled, accept-empty: empty entry")
        << saveOrEmpty << false << QStringList() << QString() << saveCaption << "~" << text
        << QStringList() << QStringList({""});
    QTest::newRow("open cancelled, accept-empty: nothing added")
        << existingOrEmpty << false << QStringList({"%T/a.txt"}) << QString() << openCaption << "%T"
        << text << QStringList() << QStringList({"%T/a.txt"});
}

void TestMultiFileEdit::addThroughDialog()
{
    QFETCH(SModes, modes);
    QFETCH(bool, withVariant);
    QFETCH(QStringList, entries);
    QFETCH(QString, droppedFirst);
    QFETCH(QString, caption);
    QFETCH(QString, startDirectory);
    QFETCH(QString, selectedFilter);
    QFETCH(QStringList, chosen);
    QFETCH(QStringList, expected);
    CFixture fixture;
    chosen = fixture.Expand(chosen);
    auto pEdit = MakeEdit(modes, fixture.Expand(entries),
                          {{".txt", false, "Text"}, {".LOG", withVariant, "Log"}});
    if (!droppedFirst.isEmpty())
    {
        QMimeData data;
        data.setText(fixture.Expand(droppedFirst));
        Drop(*pEdit, data, Qt::NoModifier);
    }
    QSignalSpy spy(pEdit.get(), &CMultiFileEdit::selectionChanged);
    const QString qsStart =
        startDirectory == QStringLiteral("~") ? QDir::homePath() : fixture.Expand(startDirectory);

    bool bAnswered = false;
    ZriTest::AnswerModal<QFileDialog>(
        [&](QFileDialog* pDialog)
        {
            bAnswered = true;
            QCOMPARE(pDialog->windowTitle(), caption);
            QCOMPARE(QDir(pDialog->directory()).canonicalPath(), QDir(qsStart).canonicalPath());
            if (!modes.bDirectory)
                QCOMPARE(pDialog->selectedNameFilter(), selectedFilter);
            if (chosen.isEmpty())
                return; // cancelled
            // Typed into the name field (quoted when several), again until the background
            // listing of the directory has stopped resetting it.
            QStringList qslPaths;
            QStringList qslQuoted;
            for (const QString& rqsName : chosen)
            {
                qslPaths << QDir(qsStart).filePath(rqsName);
                qslQuoted << QLatin1Char('"') + rqsName + QLatin1Char('"');
            }
            const QString qsTyped = chosen.size() == 1 ? qslPaths.first() : qslQuoted.join(' ');
            auto* pwName = pDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(pwName);
            QTRY_VERIFY((pwName->setText(qsTyped), pDialog->selectedFiles() == qslPaths));
            static_cast<QDialog*>(pDialog)->done(QDialog::Accepted);
        });
    pEdit->findChild<QPushButton*>(QStringLiteral("pushButton"))->click();
    QVERIFY(bAnswered);
    expected = fixture.Expand(expected);
    QCOMPARE(Entries(*pEdit), expected);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toStringList(), expected);
}

void TestMultiFileEdit::removeEmitsPerRowAndOnce()
{
    auto pEdit = MakeEdit({}, {"a", "b", "c", "d", "e"});
    QSignalSpy spy(pEdit.get(), &CMultiFileEdit::selectionChanged);
    for (int row : {1, 2, 4})
        List(*pEdit)->item(row)->setSelected(true);
    auto* pwRemove = pEdit->findChild<QPushButton*>(QStringLiteral("pushButton_2"));
    pwRemove->click();
    QCOMPARE(Entries(*pEdit), QStringList({"a", "d"}));
    QCOMPARE(spy.count(), 4); // one per removed row, then the final list once more
    QCOMPARE(spy.at(2).at(0).toStringList(), QStringList({"a", "d"}));
    QCOMPARE(spy.at(3).at(0).toStringList(), QStringList({"a", "d"}));

    pwRemove->click(); // nothing selected: the list is still reported once
    QCOMPARE(spy.count(), 5);
    QCOMPARE(spy.at(4).at(0).toStringList(), QStringList({"a", "d"}));
}

void TestMultiFileEdit::reorderEmitsNewOrder_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to"); // the row the moved one is inserted before
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("first to the end") << 0 << 3 << QStringList({"b", "c", "a"});
    QTest::newRow("last to the top") << 2 << 0 << QStringList({"c", "a", "b"});
    QTest::newRow("middle to the end") << 1 << 3 << QStringList({"a", "c", "b"});
}

// The offscreen platform ends every QDrag at once, so a drag cannot run here; the test plays
// the last step of an internal move in this Qt version instead: the list view's drop moves the
// rows with moveRow(), which reports them as moved, never as removed.
void TestMultiFileEdit::reorderEmitsNewOrder()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, expected);
    auto pEdit = MakeEdit({}, {"a", "b", "c"});
    QSignalSpy spy(pEdit.get(), &CMultiFileEdit::selectionChanged);
    QAbstractItemModel* pModel = List(*pEdit)->model();
    QVERIFY(pModel->moveRow(QModelIndex(), from, QModelIndex(), to));
    QCOMPARE(Entries(*pEdit), expected);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toStringList(), expected);
}

void TestMultiFileEdit::updateSelectionIsSilent()
{
    auto pEdit = MakeEdit({}, {"a", "b"});
    QSignalSpy spy(pEdit.get(), &CMultiFileEdit::selectionChanged);
    pEdit->OnUpdateSelection({});
    QCOMPARE(Entries(*pEdit), QStringList({"a", "b"})); // an empty list keeps the entries
    pEdit->blockSignals(true);
    pEdit->OnUpdateSelection({"x", "y", "z"});
    QVERIFY(!pEdit->signalsBlocked()); // unblocked whatever the state before
    QCOMPARE(Entries(*pEdit), QStringList({"x", "y", "z"}));
    QCOMPARE(spy.count(), 0);
    // The selection itself followed: removing nothing reports the new list.
    pEdit->findChild<QPushButton*>(QStringLiteral("pushButton_2"))->click();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toStringList(), QStringList({"x", "y", "z"}));
}

void TestMultiFileEdit::bandSpecifier_data()
{
    QTest::addColumn<QList<int>>("selectedRows");
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<QString>("typed"); // null: cancel
    QTest::addColumn<QStringList>("expected");
    // The list is a.tif[1,2], b.tif, c.tif[3].
    QTest::newRow("replace on two entries")
        << QList<int>{0, 2} << "[1,2]"
        << "[5-7]" << QStringList({"a.tif[5-7]", "b.tif", "c.tif[5-7]"});
    QTest::newRow("added where there was none")
        << QList<int>{1} << ""
        << "[4]" << QStringList({"a.tif[1,2]", "b.tif[4]", "c.tif[3]"});
    QTest::newRow("empty specifier strips") << QList<int>{0, 1, 2} << "[1,2]"
                                            << "" << QStringList({"a.tif", "b.tif", "c.tif"});
    QTest::newRow("cancelled") << QList<int>{2} << "[3]" << QString()
                               << QStringList({"a.tif[1,2]", "b.tif", "c.tif[3]"});
}

void TestMultiFileEdit::bandSpecifier()
{
    QFETCH(QList<int>, selectedRows);
    QFETCH(QString, proposed);
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);
    // The specifier slot works without the context menu flag.
    auto pEdit = MakeEdit({}, {"a.tif[1,2]", "b.tif", "c.tif[3]"});
    for (int row : selectedRows)
        List(*pEdit)->item(row)->setSelected(true);
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
            if (typed.isNull())
                return;
            pDialog->setTextValue(typed);
            pDialog->accept();
        });
    pEdit->OnSetBandSpecifier();
    QVERIFY(bAnswered);
    QCOMPARE(Entries(*pEdit), expected);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toStringList(), expected);
}

void TestMultiFileEdit::bandSpecifierWithoutSelectionWarns()
{
    auto pEdit = MakeEdit({}, {"a.tif[1]"});
    QSignalSpy spy(pEdit.get(), &CMultiFileEdit::selectionChanged);
    bool bAnswered = false;
    ZriTest::AnswerModal<QMessageBox>(
        [&](QMessageBox* pBox)
        {
            bAnswered = true;
            QCOMPARE(pBox->windowTitle(), QStringLiteral("Cannot set band specifier"));
            QCOMPARE(pBox->text(), QStringLiteral("No items have been selected"));
            QCOMPARE(pBox->icon(), QMessageBox::Warning);
            QCOMPARE(pBox->buttons().size(), 1);
            pBox->button(QMessageBox::Ok)->click();
        });
    pEdit->OnSetBandSpecifier();
    QVERIFY(bAnswered);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toStringList(), QStringList({"a.tif[1]"}));
}

void TestMultiFileEdit::contextMenuOnlyWithBandSpecifiers_data()
{
    QTest::addColumn<bool>("band");
    QTest::newRow("with band specifiers") << true;
    QTest::newRow("without") << false;
}

// A right click on the list opens the menu; its one action runs the specifier slot, which
// warns here because nothing is selected.
void TestMultiFileEdit::contextMenuOnlyWithBandSpecifiers()
{
    QFETCH(bool, band);
    SModes modes;
    modes.bBand = band;
    auto pEdit = MakeEdit(modes, {"a.tif"});
    pEdit->show();
    QVERIFY(QTest::qWaitForWindowExposed(pEdit.get()));
    QStringList menuTexts;
    QTimer::singleShot(
        50,
        [&]
        {
            if (auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            {
                for (QAction* pAction : pMenu->actions())
                    menuTexts << pAction->text();
                ZriTest::AnswerModal<QMessageBox>([](QMessageBox* pBox) { pBox->accept(); });
                QTest::keyClick(pMenu, Qt::Key_Down);
                QTest::keyClick(pMenu, Qt::Key_Return);
            }
        });
    QSignalSpy spy(pEdit.get(), &CMultiFileEdit::selectionChanged);
    QWidget* pwViewport = List(*pEdit)->viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            pwViewport->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(pwViewport, &event);
    QTest::qWait(100);
    QCOMPARE(menuTexts, band ? QStringList({"Set Band Specifier"}) : QStringList());
    QCOMPARE(spy.count(), band ? 1 : 0);
}

ZRI_TEST_MAIN(TestMultiFileEdit)
#include "tst_multi_file_edit.moc"
