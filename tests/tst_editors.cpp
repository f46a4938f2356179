// The focus line edit, the file path edit and the rectangle edit, driven through real focus
// changes, key presses and file dialogs.
#include "EditorTestSupport.h"
#include "FileEditLine.h"
#include "LineEdit.h"
#include "RectangleDefinitionEdit.h"
#include "TestSupport.h"

#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using Varo::Fenra::ParameterPool::SFileType;

namespace
{

const std::list<SFileType> kTextAndLog = {{".txt", false, "Text files"},
                                          {".log", true, "Log files"}};

// getExistingDirectory() sets the deprecated QFileDialog::DirectoryOnly mode with ShowDirsOnly.
const int kDirectoryOnly = 4;

struct SFileEditSetup
{
    bool bDirectory;
    bool bAcceptEmpty;
    bool bExisting;
    bool bWithTypes;
};

QDoubleSpinBox* Field(CRectangleDefinitionEdit& edit, const char* pszName)
{
    return edit.findChild<QDoubleSpinBox*>(QString::fromLatin1(pszName));
}

} // namespace

Q_DECLARE_METATYPE(SFileEditSetup)

class TestEditors : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ZriTest::KeepTranslationFileOut(); }
    void lineEditSignalsFocusAfterBase();
    void lineEditSetFocusIsTheSignal();

    void fileEditForm();
    void fileEditTypedPath();
    void fileEditDialog_data();
    void fileEditDialog();

    void rectangleShowsWholeNumbers_data();
    void rectangleShowsWholeNumbers();
    void rectangleEditEmits_data();
    void rectangleEditEmits();
    void rectangleForm();
    void rectangleUnit();
};

void TestEditors::lineEditSignalsFocusAfterBase()
{
    QWidget window;
    auto* pwEdit = new CLineEdit(QStringLiteral("abc"), &window);
    auto* pwOther = new QLineEdit(&window);
    pwOther->move(0, 40);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    static_cast<QWidget*>(pwOther)->setFocus();

    QStringList events;
    connect(pwEdit, &CLineEdit::setFocus, [&] { events << "setFocus"; });
    connect(pwEdit, &CLineEdit::looseFocus, [&] { events << "looseFocus"; });
    connect(pwEdit, &QLineEdit::editingFinished, [&] { events << "editingFinished"; });

    static_cast<QWidget*>(pwEdit)->setFocus();
    QVERIFY(pwEdit->hasFocus());
    QCOMPARE(events, QStringList({"setFocus"}));
    QTest::keyClick(pwEdit, Qt::Key_D);
    pwOther->setFocus();
    QCOMPARE(events, QStringList({"setFocus", "editingFinished", "looseFocus"}));
}

// The signal hides QWidget::setFocus(): called through a CLineEdit it only signals.
void TestEditors::lineEditSetFocusIsTheSignal()
{
    QWidget window;
    auto* pwEdit = new CLineEdit(&window);
    auto* pwOther = new QLineEdit(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    pwOther->setFocus();
    QSignalSpy focusSpy(pwEdit, &CLineEdit::setFocus);
    pwEdit->setFocus();
    QCOMPARE(focusSpy.count(), 1);
    QVERIFY(pwOther->hasFocus());
    QCOMPARE(CLineEdit::staticMetaObject.method(CLineEdit::staticMetaObject.methodOffset() + 1)
                 .methodSignature(),
             QByteArray("looseFocus()"));
}

void TestEditors::fileEditForm()
{
    CFileEditLine edit(QStringLiteral("/data/in.txt"), kTextAndLog, false, false, true, nullptr);
    QCOMPARE(edit.objectName(), QStringLiteral("CFileEditLineData"));
    QCOMPARE(edit.windowTitle(), QStringLiteral("Form"));
    auto* pwPath = edit.findChild<QLineEdit*>(QStringLiteral("m_wCurrentPath"));
    auto* pwButton = edit.findChild<QPushButton*>(QStringLiteral("m_wFileDialogButton"));
    QVERIFY(pwPath && pwButton);
    QCOMPARE(pwPath->text(), QStringLiteral("/data/in.txt"));
    QCOMPARE(pwButton->text(), QStringLiteral("..."));
    QCOMPARE(pwButton->maximumWidth(), 25);
    QCOMPARE(pwPath->sizePolicy().horizontalStretch(), 1);
    QCOMPARE(pwPath->minimumWidth(), 150);
    // The line edit comes first in the row and takes the extra width.
    edit.resize(300, 32);
    edit.show();
    QVERIFY(pwPath->geometry().right() < pwButton->geometry().left());
    QVERIFY(pwPath->width() > 200);
}

void TestEditors::fileEditTypedPath()
{
    CFileEditLine edit(QString(), {}, false, false, false, nullptr);
    auto* pwPath = edit.findChild<QLineEdit*>(QStringLiteral("m_wCurrentPath"));
    QSignalSpy spy(&edit, &CFileEditLine::pathChanged);
    QTest::keyClicks(pwPath, QStringLiteral("/tmp/x.log"));
    QCOMPARE(spy.count(), 0);
    QTest::keyClick(pwPath, Qt::Key_Return);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("/tmp/x.log"));

    // Taking a value back is silent, so a model answering pathChanged causes no loop.
    connect(&edit, &CFileEditLine::pathChanged, &edit, &CFileEditLine::OnPathChanged);
    edit.OnPathChanged(QStringLiteral("/other"));
    QCOMPARE(edit.GetCurrentPath(), QStringLiteral("/other"));
    QTest::keyClick(pwPath, Qt::Key_Return);
    QCOMPARE(spy.count(), 2);
}

void TestEditors::fileEditDialog_data()
{
    QTest::addColumn<SFileEditSetup>("setup");
    QTest::addColumn<QString>("chosen"); // relative to a temporary directory; null: cancel
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("fileMode");
    QTest::addColumn<QStringList>("filters"); // empty: not checked
    QTest::addColumn<QString>("result");      // "%T" is the temporary directory

    const QStringList textAndLog = {"Text files ( *.txt )", "Log files ( *.log *.LOG )",
                                    "All Files (*)"};
    QTest::newRow("directory, existing-file flag ignored")
        << SFileEditSetup{true, false, true, true} << QStringLiteral("sub")
        << "Select an existing directory" << kDirectoryOnly << QStringList() << "%T/sub";
    QTest::newRow("existing file")
        << SFileEditSetup{false, false, true, true} << QStringLiteral("a.txt")
        << "Select an existing file" << int(QFileDialog::ExistingFile) << textAndLog << "%T/a.txt";
    QTest::newRow("existing file cancelled keeps the path")
        << SFileEditSetup{false, false, true, true} << QString() << "Select an existing file"
        << int(QFileDialog::ExistingFile) << textAndLog << "%T/start.txt";
    QTest::newRow("save cancelled with accept-empty clears the path")
        << SFileEditSetup{false, true, false, true} << QString() << "Select a file to write to"
        << int(QFileDialog::AnyFile) << textAndLog << "";
    QTest::newRow("save without types: only All Files")
        << SFileEditSetup{false, false, false, false} << QStringLiteral("new.dat")
        << "Select a file to write to" << int(QFileDialog::AnyFile)
        << QStringList({"All Files (*)"}) << "%T/new.dat";
    QTest::newRow("directory cancelled with accept-empty")
        << SFileEditSetup{true, true, false, false} << QString() << "Select an existing directory"
        << kDirectoryOnly << QStringList() << "";
}

void TestEditors::fileEditDialog()
{
    QFETCH(SFileEditSetup, setup);
    QFETCH(QString, chosen);
    QFETCH(QString, caption);
    QFETCH(int, fileMode);
    QFETCH(QStringList, filters);
    QFETCH(QString, result);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    QFile(dir.filePath(QStringLiteral("a.txt"))).open(QIODevice::WriteOnly);
    const QString qsStart = dir.filePath(QStringLiteral("start.txt"));
    CFileEditLine edit(qsStart, setup.bWithTypes ? kTextAndLog : std::list<SFileType>(),
                       setup.bDirectory, setup.bAcceptEmpty, setup.bExisting, nullptr);
    QSignalSpy spy(&edit, &CFileEditLine::pathChanged);

    bool bAnswered = false;
    ZriTest::AnswerModal<QFileDialog>(
        [&](QFileDialog* pDialog)
        {
            bAnswered = true;
            QCOMPARE(pDialog->windowTitle(), caption);
            QCOMPARE(int(pDialog->fileMode()), fileMode);
            QCOMPARE(pDialog->parentWidget(), nullptr);
            QCOMPARE(QDir(pDialog->directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
            QCOMPARE(pDialog->testOption(QFileDialog::ShowDirsOnly), setup.bDirectory);
            if (!filters.isEmpty())
                QCOMPARE(pDialog->nameFilters(), filters);
            if (!chosen.isNull())
            {
                // The dialog lists its directory in the background and may reset the typed name
                // once the listing arrives; type the name again until it sticks.
                const QString qsPath = dir.filePath(chosen);
                auto* pwName = pDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                QVERIFY(pwName);
                QTRY_VERIFY((pwName->setText(qsPath), pDialog->selectedFiles().value(0) == qsPath));
                // accept() could ask back in a nested message box; done() takes the typed path.
                static_cast<QDialog*>(pDialog)->done(QDialog::Accepted);
            }
        });
    edit.findChild<QPushButton*>(QStringLiteral("m_wFileDialogButton"))->click();
    QVERIFY(bAnswered);
    result.replace(QStringLiteral("%T"), dir.path());
    QCOMPARE(edit.GetCurrentPath(), result);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), result);
}

void TestEditors::rectangleShowsWholeNumbers_data()
{
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<QList<double>>("shown"); // x, y, width, height
    QTest::newRow("whole") << QRectF(1, 2, 30, 40) << QList<double>{1, 2, 30, 40};
    QTest::newRow("fractions round") << QRectF(1.4, 2.6, 10.2, 7.8) << QList<double>{1, 3, 10, 8};
    QTest::newRow("negative sizes") << QRectF(-5, -6, -70, -80) << QList<double>{-5, -6, -70, -80};
    QTest::newRow("clamped") << QRectF(6e7, -2e8, 2e8, 1e8) << QList<double>{5e7, -1e8, 1e8, 1e8};
}

void TestEditors::rectangleShowsWholeNumbers()
{
    QFETCH(QRectF, rect);
    QFETCH(QList<double>, shown);
    CRectangleDefinitionEdit edit(rect, nullptr);
    QSignalSpy spy(&edit, &CRectangleDefinitionEdit::definitionChanged);
    edit.OnRectangleDefinitionChanged(rect);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(edit.GetRectangleDefinition(), rect); // kept exactly until the first edit
    const char* const names[] = {"m_wXCoord", "m_wYCoord", "m_wWidth", "m_wHeight"};
    for (int n = 0; n < 4; ++n)
        QCOMPARE(Field(edit, names[n])->value(), shown.at(n));
}

void TestEditors::rectangleEditEmits_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed"); // empty: Return without a change
    QTest::addColumn<QRectF>("emitted");
    const QRectF fractional(1.4, 2.6, 10.2, 7.8);
    QTest::newRow("unchanged height") << "m_wHeight"
                                      << "" << QRectF(1, 3, 10, 8);
    QTest::newRow("x typed") << "m_wXCoord"
                             << "42" << QRectF(42, 3, 10, 8);
    QTest::newRow("y typed") << "m_wYCoord"
                             << "-7" << QRectF(1, -7, 10, 8);
    QTest::newRow("width typed") << "m_wWidth"
                                 << "99" << QRectF(1, 3, 99, 8);
}

void TestEditors::rectangleEditEmits()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QRectF, emitted);
    CRectangleDefinitionEdit edit(QRectF(1.4, 2.6, 10.2, 7.8), nullptr);
    QSignalSpy spy(&edit, &CRectangleDefinitionEdit::definitionChanged);
    QDoubleSpinBox* pwField = Field(edit, field.toLatin1().constData());
    if (!typed.isEmpty())
    {
        pwField->selectAll();
        QTest::keyClicks(pwField, typed);
    }
    QTest::keyClick(pwField, Qt::Key_Return);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toRectF(), emitted);
    QCOMPARE(edit.GetRectangleDefinition(), emitted);
}

void TestEditors::rectangleForm()
{
    CRectangleDefinitionEdit edit;
    QCOMPARE(edit.objectName(), QStringLiteral("CRectangleDefinitionEditData"));
    QCOMPARE(edit.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    const struct
    {
        const char* pszLabel;
        const char* pszText;
        const char* pszBuddy;
    } labels[] = {{"label_2", "&X", "m_wXCoord"},
                  {"label_4", "W&idth", "m_wWidth"},
                  {"label_3", "&Y", "m_wYCoord"},
                  {"label_5", "Hei&ght", "m_wHeight"}};
    for (const auto& label : labels)
    {
        auto* pwLabel = edit.findChild<QLabel*>(QString::fromLatin1(label.pszLabel));
        QVERIFY(pwLabel);
        QCOMPARE(pwLabel->text(), QString::fromLatin1(label.pszText));
        QCOMPARE(pwLabel->buddy(), Field(edit, label.pszBuddy));
    }
    // Tab goes down the X/Y column first, then down width and height.
    QList<QWidget*> chain;
    for (QWidget* pw = Field(edit, "m_wXCoord")->nextInFocusChain(); pw != Field(edit, "m_wXCoord");
         pw = pw->nextInFocusChain())
        if (qobject_cast<QDoubleSpinBox*>(pw))
            chain << pw;
    QCOMPARE(chain, QList<QWidget*>({Field(edit, "m_wYCoord"), Field(edit, "m_wWidth"),
                                     Field(edit, "m_wHeight")}));
    // Row 0 holds X then width, row 1 Y then height; both field columns share the extra width.
    edit.resize(400, 90);
    edit.show();
    QCOMPARE(Field(edit, "m_wXCoord")->y(), Field(edit, "m_wWidth")->y());
    QVERIFY(Field(edit, "m_wYCoord")->y() > Field(edit, "m_wXCoord")->y());
    QVERIFY(qAbs(Field(edit, "m_wXCoord")->width() - Field(edit, "m_wWidth")->width()) <= 1);
    QVERIFY(Field(edit, "m_wXCoord")->x() < Field(edit, "m_wWidth")->x());
    QCOMPARE(Field(edit, "m_wXCoord")->alignment(), Qt::AlignRight | Qt::AlignVCenter);

    edit.blockSignals(true);
    edit.OnRectangleDefinitionChanged(QRectF(1, 2, 3, 4));
    QVERIFY(!edit.signalsBlocked()); // unblocked whatever the state before
}

void TestEditors::rectangleUnit()
{
    CRectangleDefinitionEdit edit(QRectF(5, 6, 7, 8), nullptr);
    edit.SetUnitString("mm");
    QCOMPARE(Field(edit, "m_wXCoord")->text(), QStringLiteral("5 mm"));
    QCOMPARE(Field(edit, "m_wHeight")->text(), QStringLiteral("8 mm"));
    edit.SetUnitString("");
    QCOMPARE(Field(edit, "m_wWidth")->text(), QStringLiteral("7 mm"));
}

ZRI_TEST_MAIN(TestEditors)
#include "tst_editors.moc"
