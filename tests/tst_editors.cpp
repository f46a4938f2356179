// The focus line edit, the file path edit and the rectangle edit, driven through real focus
// changes, key presses and file dialogs.
#include "EditorTestSupport.h"
#include "FileEditLine.h"
#include "LineEdit.h"
#include "RectangleDefinitionEdit.h"
#include "TestSupport.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using Varo::Fenra::ParameterPool::SFileType;

namespace
{

// getExistingDirectory() sets the deprecated QFileDialog::DirectoryOnly mode with ShowDirsOnly.
const int kDirectoryOnly = 4;
const char* const kFields[] = {"m_wXCoord", "m_wYCoord", "m_wWidth", "m_wHeight"};

QDoubleSpinBox* Field(CRectangleDefinitionEdit& edit, const char* pszName)
{
    return edit.findChild<QDoubleSpinBox*>(QString::fromLatin1(pszName));
}

} // namespace

class TestEditors : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ZriTest::KeepTranslationFileOut(); }
    void lineEditSignalsFocusAfterBase();
    void fileEditTypedPath();
    void fileEditDialog_data();
    void fileEditDialog();
    void rectangleShowsAndEmits_data();
    void rectangleShowsAndEmits();
    void rectangleLabelsAndUnit();
};

void TestEditors::lineEditSignalsFocusAfterBase()
{
    QWidget window;
    auto* pwEdit = new CLineEdit(QStringLiteral("abc"), &window);
    auto* pwOther = new QLineEdit(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    pwOther->setFocus();
    QStringList events;
    connect(pwEdit, &CLineEdit::setFocus, [&] { events << "setFocus"; });
    connect(pwEdit, &CLineEdit::looseFocus, [&] { events << "looseFocus"; });
    connect(pwEdit, &QLineEdit::editingFinished, [&] { events << "editingFinished"; });

    static_cast<QWidget*>(pwEdit)->setFocus();
    QCOMPARE(events, QStringList({"setFocus"}));
    QTest::keyClick(pwEdit, Qt::Key_D);
    pwOther->setFocus();
    QCOMPARE(events, QStringList({"setFocus", "editingFinished", "looseFocus"}));
    // The signal hides QWidget::setFocus(): called through a CLineEdit it only signals.
    pwEdit->setFocus();
    QVERIFY(pwOther->hasFocus());
    QCOMPARE(events.last(), QStringLiteral("setFocus"));
}

void TestEditors::fileEditTypedPath()
{
    CFileEditLine edit;
    auto* pwPath = edit.findChild<QLineEdit*>(QStringLiteral("m_wCurrentPath"));
    QSignalSpy spy(&edit, &CFileEditLine::pathChanged);
    QTest::keyClicks(pwPath, QStringLiteral("/tmp/x.log"));
    QTest::keyClick(pwPath, Qt::Key_Return);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("/tmp/x.log"));
    // Taking a value back is silent, so a model answering pathChanged causes no loop.
    connect(&edit, &CFileEditLine::pathChanged, &edit, &CFileEditLine::OnPathChanged);
    edit.OnPathChanged(QStringLiteral("/other"));
    QCOMPARE(edit.GetCurrentPath(), QStringLiteral("/other"));
    QCOMPARE(spy.count(), 1);
}

void TestEditors::fileEditDialog_data()
{
    QTest::addColumn<QList<bool>>("flags"); // directory, accept empty, existing file, file types
    QTest::addColumn<QString>("chosen");    // in the temporary directory; null: cancel
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("fileMode");
    QTest::addColumn<QStringList>("filters"); // empty: not checked
    QTest::addColumn<QString>("result");      // relative to the temporary directory

    const QStringList typed = {"Text files ( *.txt )", "Log files ( *.log *.LOG )",
                               "All Files (*)"};
    const QString open = QStringLiteral("Select an existing file");
    const QString save = QStringLiteral("Select a file to write to");
    const QString directory = QStringLiteral("Select an existing directory");
    QTest::newRow("directory, file flag ignored")
        << QList<bool>{true, false, true, true} << "sub" << directory << kDirectoryOnly
        << QStringList() << "sub";
    QTest::newRow("existing file") << QList<bool>{false, false, true, true} << "a.txt" << open
                                   << int(QFileDialog::ExistingFile) << typed << "a.txt";
    QTest::newRow("cancel keeps the path")
        << QList<bool>{false, false, true, true} << QString() << open
        << int(QFileDialog::ExistingFile) << typed << "start.txt";
    QTest::newRow("cancel with accept-empty clears")
        << QList<bool>{false, true, false, true} << QString() << save << int(QFileDialog::AnyFile)
        << typed << QString();
    QTest::newRow("no types: All Files only")
        << QList<bool>{false, false, false, false} << "new.dat" << save << int(QFileDialog::AnyFile)
        << QStringList({"All Files (*)"}) << "new.dat";
}

void TestEditors::fileEditDialog()
{
    QFETCH(QList<bool>, flags);
    QFETCH(QString, chosen);
    QFETCH(QString, caption);
    QFETCH(int, fileMode);
    QFETCH(QStringList, filters);
    QFETCH(QString, result);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    QFile(dir.filePath(QStringLiteral("a.txt"))).open(QIODevice::WriteOnly);
    const std::list<SFileType> types = {{".txt", false, "Text files"}, {".log", true, "Log files"}};
    CFileEditLine edit(dir.filePath(QStringLiteral("start.txt")),
                       flags[3] ? types : std::list<SFileType>(), flags[0], flags[1], flags[2],
                       nullptr);
    QSignalSpy spy(&edit, &CFileEditLine::pathChanged);
    bool bAnswered = false;
    ZriTest::AnswerModal<QFileDialog>(
        [&](QFileDialog* pDialog)
        {
            bAnswered = true;
            QCOMPARE(pDialog->windowTitle(), caption);
            QCOMPARE(int(pDialog->fileMode()), fileMode);
            QCOMPARE(QDir(pDialog->directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
            if (!filters.isEmpty())
                QCOMPARE(pDialog->nameFilters(), filters);
            if (!chosen.isNull())
                ZriTest::ChooseInFileDialog(pDialog, {dir.filePath(chosen)});
        });
    edit.findChild<QPushButton*>(QStringLiteral("m_wFileDialogButton"))->click();
    QVERIFY(bAnswered);
    const QString qsExpected = result.isNull() ? QString() : dir.filePath(result);
    QCOMPARE(edit.GetCurrentPath(), qsExpected);
    QCOMPARE(spy.count(), 1); // also when cancelled
    QCOMPARE(spy.at(0).at(0).toString(), qsExpected);
}

void TestEditors::rectangleShowsAndEmits_data()
{
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<QList<double>>("shown"); // x, y, width, height
    QTest::addColumn<int>("field");           // index into kFields
    QTest::addColumn<QString>("typed");       // empty: Return without a change
    QTest::addColumn<QRectF>("emitted");
    const QRectF fractions(1.4, 2.6, 10.2, 7.8);
    const QList<double> rounded = {1, 3, 10, 8};
    QTest::newRow("unchanged height") << fractions << rounded << 3 << "" << QRectF(1, 3, 10, 8);
    QTest::newRow("x typed") << fractions << rounded << 0 << "42" << QRectF(42, 3, 10, 8);
    QTest::newRow("width typed") << fractions << rounded << 2 << "99" << QRectF(1, 3, 99, 8);
    QTest::newRow("clamped, negative size")
        << QRectF(6e7, -2e8, 2e8, -80) << QList<double>{5e7, -1e8, 1e8, -80} << 1 << "7"
        << QRectF(5e7, 7, 1e8, -80);
}

void TestEditors::rectangleShowsAndEmits()
{
    QFETCH(QRectF, rect);
    QFETCH(QList<double>, shown);
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QRectF, emitted);
    CRectangleDefinitionEdit edit(QRectF(), nullptr);
    QSignalSpy spy(&edit, &CRectangleDefinitionEdit::definitionChanged);
    edit.blockSignals(true);
    edit.OnRectangleDefinitionChanged(rect);
    QVERIFY(!edit.signalsBlocked()); // unblocked whatever the state before
    QCOMPARE(spy.count(), 0);
    QCOMPARE(edit.GetRectangleDefinition(), rect); // kept exactly until the first edit
    for (int n = 0; n < 4; ++n)
        QCOMPARE(Field(edit, kFields[n])->value(), shown.at(n));
    QDoubleSpinBox* pwField = Field(edit, kFields[field]);
    pwField->selectAll();
    QTest::keyClicks(pwField, typed);
    QTest::keyClick(pwField, Qt::Key_Return);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toRectF(), emitted);
    QCOMPARE(edit.GetRectangleDefinition(), emitted);
}

void TestEditors::rectangleLabelsAndUnit()
{
    CRectangleDefinitionEdit edit(QRectF(5, 6, 7, 8), nullptr);
    const char* const labels[][3] = {{"label_2", "&X", "m_wXCoord"},
                                     {"label_4", "W&idth", "m_wWidth"},
                                     {"label_3", "&Y", "m_wYCoord"},
                                     {"label_5", "Hei&ght", "m_wHeight"}};
    for (const auto& label : labels)
    {
        auto* pwLabel = edit.findChild<QLabel*>(QString::fromLatin1(label[0]));
        QCOMPARE(pwLabel->text(), QString::fromLatin1(label[1]));
        QCOMPARE(pwLabel->buddy(), Field(edit, label[2]));
    }
    // Tab goes down the X/Y column first, then down width and height.
    QList<QWidget*> chain;
    for (QWidget* pw = Field(edit, "m_wXCoord"); chain.size() < 4; pw = pw->nextInFocusChain())
        if (qobject_cast<QDoubleSpinBox*>(pw))
            chain << pw;
    QCOMPARE(chain, QList<QWidget*>({Field(edit, "m_wXCoord"), Field(edit, "m_wYCoord"),
                                     Field(edit, "m_wWidth"), Field(edit, "m_wHeight")}));
    edit.SetUnitString("mm");
    edit.SetUnitString(""); // keeps the unit
    QCOMPARE(Field(edit, "m_wXCoord")->text(), QStringLiteral("5 mm"));
    QCOMPARE(Field(edit, "m_wHeight")->text(), QStringLiteral("8 mm"));
}

ZRI_TEST_MAIN(TestEditors)
#include "tst_editors.moc"
