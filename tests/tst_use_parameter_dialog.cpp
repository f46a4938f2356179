// A parameter dialog as an application builds it: a model holding a path, a file list, a
// rectangle and logger definitions, bound both ways to the four editors (each change signal
// stores the value, and the model hands it straight back through the editor's silent slot).
// Every row drives the dialog with real input, then widgets and model must agree with the
// expected values and each editor must have reported exactly as often as expected.
#include "FileEditLine.h"
#include "LoggerDefinitionsEdit.h"
#include "MultiFileEdit.h"
#include "RectangleDefinitionEdit.h"
#include "TestSupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using namespace Varo::Fenra::Progress;
using Definitions = std::vector<CLoggerDefinition>;

namespace
{

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

// The four values as "path=...", "files=...", "rect=..." and "loggers=..."; a logger reads
// type, level, 'name' and port.
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

    // As an application binds an editor: the signal stores the value, and the model hands the
    // stored value back through the silent slot.
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
        QStringList files;
        for (int nRow = 0; nRow < List()->count(); ++nRow)
            files << List()->item(nRow)->text();
        return Describe(m_Path.GetCurrentPath(), files, m_Rect.GetRectangleDefinition(),
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
        ZriTest::Drop(m_Files, data, Qt::NoModifier);
    }

    // Control-clicks rows (digits) of the file list or the logger table, then a button of it.
    void Click(QWidget& editor, QAbstractItemView* pwView, const char* pszRows,
               const char* pszButton)
    {
        for (const char* pRow = pszRows; *pRow; ++pRow)
            QTest::mouseClick(pwView->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              pwView->visualRect(pwView->model()->index(*pRow - '0', 0)).center());
        if (pszButton)
            QTest::mouseClick(editor.findChild<QPushButton*>(pszButton), Qt::LeftButton);
    }

    // Types a band specifier for rows 1 and 3 into the dialog; before answering, the
    // application refreshes the list with the blank-separated refreshed entries, if any.
    void SetBandSpecifier(const QString& rqsRefreshed)
    {
        Click(m_Files, List(), "13", nullptr);
        ZriTest::AnswerModal<QInputDialog>(
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

    // Double-clicks a logger cell (a press on it first, as a user's double click does) and
    // types into its editor, or takes an entry of its combo box with the arrow keys and Return.
    void EditLogger(int nRow, int nColumn, const QString& rqsText)
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
        QTest::keyClick(pwLine, Qt::Key_Tab);
    }

    SModel& m_rModel;
    CFileEditLine m_Path;
    CMultiFileEdit m_Files;
    CRectangleDefinitionEdit m_Rect;
    CLoggerDefinitionsEdit m_Loggers;
};

using D = CDialog&;

// What the user does, how often each editor reports (path, files, rect, loggers), and the value
// that changes.
const struct
{
    const char* pszName;
    std::function<void(D)> act;
    const char* pszReports;
    const char* pszChanged;
} kSteps[] = {
    {"path typed, Return", [](D d) { d.Type("m_wCurrentPath", "/in", Qt::Key_Return); }, "1 0 0 0",
     "path=/in"},
    {"path typed, Tab", [](D d) { d.Type("m_wCurrentPath", "/in", Qt::Key_Tab); }, "1 0 0 0",
     "path=/in"},
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
    {"three removed", [](D d) { d.Click(d.m_Files, d.List(), "013", "pushButton_2"); }, "0 4 0 0",
     "files=c.txt"},
    {"band specifier", [](D d) { d.SetBandSpecifier(""); }, "0 1 0 0",
     "files=a.txt b.tif[2-3] c.txt d.tif[2-3]"},
    {"band specifier, list handed back while asking",
     [](D d) { d.SetBandSpecifier(d.m_rModel.m_Files.join(' ')); }, "0 1 0 0",
     "files=a.txt b.tif[2-3] c.txt d.tif[2-3]"},
    {"band specifier, list replaced while asking", [](D d) { d.SetBandSpecifier("x.tif y.tif"); },
     "0 1 0 0", "files=x.tif y.tif"},
    {"x typed, Tab", [](D d) { d.Type("m_wXCoord", "15", Qt::Key_Tab); }, "0 0 1 0",
     "rect=15 3 30 40"},
    {"negative height, Return", [](D d) { d.Type("m_wHeight", "-5", Qt::Key_Return); }, "0 0 1 0",
     "rect=1 3 30 -5"},
    {"logger type picked", [](D d) { d.EditLogger(0, 0, "network"); }, "0 0 0 4",
     "loggers=5 2 '' 5432, 3 3 '/var/log/x' 5432, 5 6 'host' 7000"},
    {"logger name typed", [](D d) { d.EditLogger(2, 2, "relay"); }, "0 0 0 1",
     "loggers=1 2 '' 5432, 3 3 '/var/log/x' 5432, 5 6 'relay' 7000"},
    {"logger file typed", [](D d) { d.EditLogger(1, 2, "/tmp/y"); }, "0 0 0 1",
     "loggers=1 2 '' 5432, 3 3 '/tmp/y' 5432, 5 6 'host' 7000"},
    {"letters as port", [](D d) { d.EditLogger(2, 3, "abc"); }, "0 0 0 1",
     "loggers=1 2 '' 5432, 3 3 '/var/log/x' 5432, 5 6 'host' 0"},
    {"two loggers removed", [](D d) { d.Click(d.m_Loggers, d.Table(), "02", "m_wRemove"); },
     "0 0 0 1", "loggers=3 3 '/var/log/x' 5432"},
    {"loggers emptied by the application, one added",
     [](D d)
     {
         d.m_Loggers.OnDefinitionsChanged(d.m_rModel.m_Loggers = Definitions());
         d.Click(d.m_Loggers, d.Table(), "", "m_wAdd");
     },
     "0 0 0 7", "loggers=0 4 '' 5432"},
};

} // namespace

class TestUseParameterDialog : public QObject
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
        QStringList reports;
        for (int nReports : model.m_nReports)
            reports << QString::number(nReports);
        QCOMPARE(reports.join(' '), QString::fromLatin1(kSteps[step].pszReports));
        QCOMPARE(dialog.Shown(), expected);
        QCOMPARE(Describe(model.m_Path, model.m_Files, model.m_Rect, model.m_Loggers), expected);
    }
};

ZRI_TEST_MAIN(TestUseParameterDialog)
#include "tst_use_parameter_dialog.moc"
