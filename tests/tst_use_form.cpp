// A form: every widget that the Designer plugin offers, loaded from UseForm.ui through QUiLoader
// into plain layouts, configured through its setters and shown. Nothing may crash, and nothing
// may be empty where something is drawn. The classes are named in the .ui file alone; the test
// finds the widgets by object name and reaches them through the library's classes.
#include "ArrowButton.h"
#include "BarScalePercent.h"
#include "BitmapButton.h"
#include "BitmapCheckBox.h"
#include "CheckBoxSwitch.h"
#include "FileEditLine.h"
#include "KeyboardButton.h"
#include "KeyboardCheckBox.h"
#include "LineEdit.h"
#include "LoggerDefinitionsEdit.h"
#include "MediaButton.h"
#include "MultiFileEdit.h"
#include "RectangleDefinitionEdit.h"
#include "TestSupport.h"

#include <QDoubleSpinBox>
#include <QFile>
#include <QListWidget>
#include <QTableWidget>
#include <QUiLoader>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using namespace Varo::Fenra::Progress;

namespace
{

QImage Filled(const QColor& color)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// The names of the colours at the points, separated by blanks; colours that nothing in this
// form draws on purpose (bevels, backgrounds) are all "face".
QString Probe(QWidget* pwWidget, const QVector<QPoint>& points)
{
    const QList<QPair<QColor, QString>> names = {
        {ZriTest::kButtonText, "text"}, {ZriTest::kDark, "dark"},       {ZriTest::kLight, "light"},
        {QColor(255, 0, 0), "red"},     {QColor(0, 255, 255), "cyan"},  {QColor(192, 0, 0), "off"},
        {QColor(0, 255, 0), "green"},   {QColor(128, 128, 128), "grey"}};
    const QImage image = ZriTest::RenderWidget(*pwWidget);
    QStringList texts;
    for (const QPoint& point : points)
    {
        QString name = QStringLiteral("face");
        for (const auto& known : names)
            if (ZriTest::PixelAt(image, point.x(), point.y()) == known.first)
                name = known.second;
        texts << name;
    }
    return texts.join(' ');
}

// How many pixels of the widget (or of an area of it) carry the colour.
int Count(QWidget* pwWidget, const QColor& color, const QRect& area = QRect())
{
    return ZriTest::PixelsOf(ZriTest::RenderWidget(*pwWidget),
                             area.isNull() ? pwWidget->rect() : area, {color})
        .size();
}

template <class TWidget> TWidget* Find(QWidget* pwForm, const char* pszName)
{
    auto* pwWidget = qobject_cast<TWidget*>(pwForm->findChild<QWidget*>(pszName));
    if (!pwWidget)
        qFatal("the form has no %s of the expected class", pszName);
    return pwWidget;
}

// Sets up every widget of the form as an application would after loading it.
void Configure(QWidget* pwForm)
{
    Find<CArrowButton>(pwForm, "arrow")->SetMode(CArrowButton::Down);
    auto* pwMedia = Find<CMediaButton>(pwForm, "media");
    pwMedia->SetMode(CMediaButton::Stop);
    pwMedia->SetOnOffMode(CMediaButton::Steady);
    pwMedia->SetOn(true);
    Find<CKeyboardButton>(pwForm, "key")->Set(CKeyboardButtonBase::CornerArrow);
    Find<CKeyboardCheckBox>(pwForm, "keyBox")->Set("Esc", "F1", "F2");
    Find<CBitmapButton>(pwForm, "bitmap")->SetBitmap(Filled(Qt::red), true);
    Find<CBitmapButton>(pwForm, "bitmap")->SetMode(CBitmapHelper::Stretched);
    Find<CBitmapCheckBox>(pwForm, "bitmapBox")->SetBitmap(Filled(Qt::cyan), true);
    Find<CBitmapCheckBox>(pwForm, "bitmapBox")
        ->SetBitmapDefaultAlignment(CBitmapHelper::LeftAligned);
    Find<CCheckBoxSwitch>(pwForm, "switch")->SetDrawMode(CCheckBoxSwitch::Horizontal);
    Find<CCheckBoxSwitch>(pwForm, "switch")->setText("Pump");
    Find<CBarScalePercent>(pwForm, "ruler")->SetSteps(4);
    Find<CBarScalePercent>(pwForm, "ruler")->SetScaleMode(true, false);
    Find<CLineEdit>(pwForm, "line")->setText("typed");
    Find<CFileEditLine>(pwForm, "path")->OnPathChanged("/data/in.txt");
    Find<CMultiFileEdit>(pwForm, "files")->OnUpdateSelection({"a.txt", "b.tif[1]"});
    Find<CRectangleDefinitionEdit>(pwForm, "rectangle")->SetUnitString("mm");
    Find<CRectangleDefinitionEdit>(pwForm, "rectangle")
        ->OnRectangleDefinitionChanged({1, 2, 3.6, 4});
    Find<CLoggerDefinitionsEdit>(pwForm, "loggers")
        ->OnDefinitionsChanged({{LoggerFile, VerbosityLog, "/x", 1}});
}

} // namespace

class TestUseForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QUiLoader loader;
        loader.clearPluginPaths();
        loader.addPluginPath(QStringLiteral(ZRI_DESIGNER_PLUGIN_DIR));
        QFile form(QStringLiteral(ZRI_USE_FORM));
        QVERIFY(form.open(QIODevice::ReadOnly));
        m_pForm.reset(loader.load(&form));
        QVERIFY2(m_pForm, qPrintable(loader.errorString()));
        Configure(m_pForm.get());
        m_pForm->resize(600, 900);
        m_pForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pForm.get()));
    }

    void painted_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVector<QPoint>>("points");
        QTest::addColumn<QString>("colors");
        const auto row =
            [](const char* pszName, const QVector<QPoint>& points, const char* pszColors)
        { QTest::newRow(pszName) << pszName << points << pszColors; };
        // 40 x 30, pointing down: the body, the tip engraved light, the top edge of the shaft dark.
        row("arrow", {{20, 14}, {20, 21}, {20, 8}}, "text light dark");
        // 60 x 40 with a lamp: the stop square (10,8)-(33,31) left of the lamp centred on (46,11).
        row("media", {{46, 11}, {10, 8}, {20, 20}, {33, 31}}, "green dark text light");
        // 58 x 28, the face inside the 4-pixel border: stretched over all of it, or 16 wide at
        // the left.
        row("bitmap", {{4, 4}, {29, 14}, {53, 23}, {54, 24}}, "red red red face");
        row("bitmapBox", {{4, 14}, {19, 14}, {20, 14}}, "cyan cyan face");
        // 100 x 30, off: the right half of the track red, the knob at the left.
        row("switch", {{45, 15}, {15, 15}}, "off face");
    }

    void painted()
    {
        QFETCH(QString, name);
        QFETCH(QVector<QPoint>, points);
        QTEST(Probe(m_pForm->findChild<QWidget*>(name), points), "colors");
    }

    // Symbols and labels are drawn, the ruler ticks every mark, the editors show their values.
    void shown()
    {
        QWidget* pwForm = m_pForm.get();
        QVERIFY(Count(Find<QWidget>(pwForm, "key"), ZriTest::kButtonText) > 40);
        QVERIFY(Count(Find<QWidget>(pwForm, "keyBox"), ZriTest::kButtonText) > 20);
        // One engraved tick per mark at the left edge: a dark row with a light row below.
        QWidget* pwRuler = Find<QWidget>(pwForm, "ruler");
        QCOMPARE(Count(pwRuler, ZriTest::kDark, QRect(0, 0, 1, 200)), 5);
        QCOMPARE(Count(pwRuler, ZriTest::kLight, QRect(0, 0, 1, 200)), 5);
        QCOMPARE(pwForm->findChild<QLineEdit*>("m_wCurrentPath")->text(), "/data/in.txt");
        auto* pwList = pwForm->findChild<QListWidget*>("m_wSelectedPaths");
        QCOMPARE(pwList->count(), 2);
        QCOMPARE(pwList->item(1)->text(), "b.tif[1]");
        QCOMPARE(pwForm->findChild<QDoubleSpinBox*>("m_wWidth")->text(), "4 mm");
        auto* pwTable = pwForm->findChild<QTableWidget*>("m_wDefinitions");
        QCOMPARE(pwTable->rowCount(), 1);
        QCOMPARE(pwTable->item(0, 1)->text() + pwTable->item(0, 3)->text(), "log1");
        const QImage image = pwForm->grab().toImage();
        QCOMPARE(image.size(), QSize(600, 900));
    }

private:
    std::unique_ptr<QWidget> m_pForm;
};

ZRI_TEST_MAIN(TestUseForm)
#include "tst_use_form.moc"
