// Forms built in Designer: the plugin's widget box, forms loaded through it, widgets in layouts,
// what a German screen reader hears (never recorded into the run's translation file).
#include "FormCheck.h"
#include "TestSupport.h"
#include "TranslatorRegistry.h"

#include <QAccessible>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPluginLoader>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableWidget>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include <cmath>

namespace Zri = Varo::FenraQtGui::ZuRaradirIzurodudoz;
namespace Forms = Zri::Forms;
using namespace Varo::Fenra::Internationalisation;
using Make = std::function<QWidget*()>;
Q_DECLARE_METATYPE(Make)

namespace
{

const QByteArray kGerman = ZriTest::TrlText("\"" ZRI_MODULE_NAME "\"", "\"German\"", "",
                                            "\"Remove selected files\"=\"Markierte Dateien "
                                            "entfernen\"\n\"lamp on\"=\"Lampe leuchtet\"\n");

// Every text of every interface from pAccessible down, as a screen reader walks them.
void ReadAloud(QAccessibleInterface* pAccessible, QStringList& heard)
{
    for (const auto eText : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
        heard << pAccessible->text(eText);
    for (int i = 0; i < pAccessible->childCount(); ++i)
        ReadAloud(pAccessible->child(i), heard);
}

// A new widget of the class Designer offers, set up through its properties, then by code.
template <typename TWidget>
Make New(const QVariantMap& properties = {}, const std::function<void(TWidget&)>& code = {})
{
    return [properties, code]() -> QWidget*
    {
        auto* widget = new TWidget(nullptr);
        for (auto it = properties.begin(); it != properties.end(); ++it)
            widget->setProperty(it.key().toLatin1(), it.value());
        if (code)
            code(*widget);
        return widget;
    };
}
template <typename TWidget> Make New(const std::function<void(TWidget&)>& code)
{
    return New<TWidget>(QVariantMap(), code);
}

// The entries of the Designer plugin of the build tree, in widget box order.
QList<QDesignerCustomWidgetInterface*> WidgetBox()
{
    QPluginLoader loader(QStringLiteral(ZRI_DESIGNER_PLUGIN));
    auto* pCollection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    if (!pCollection)
        qFatal("%s", qPrintable(loader.errorString()));
    return pCollection->customWidgets();
}

// A form loaded through the Designer plugin of the build tree.
QWidget* Load(const char* pszPath)
{
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QStringLiteral(ZRI_DESIGNER_PLUGIN_DIR));
    QFile file(pszPath);
    return file.open(QIODevice::ReadOnly) ? loader.load(&file) : nullptr;
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
    using namespace Varo::Fenra::Progress;
    Find<Zri::CArrowButton>(pwForm, "arrow")->SetMode(Zri::CArrowButton::Down);
    auto* pwMedia = Find<Zri::CMediaButton>(pwForm, "media");
    pwMedia->SetMode(Zri::CMediaButton::Stop);
    pwMedia->SetOnOffMode(Zri::CMediaButton::Steady);
    pwMedia->SetOn(true);
    Find<Zri::CKeyboardButton>(pwForm, "key")->Set(Zri::CKeyboardButtonBase::CornerArrow);
    Find<Zri::CKeyboardCheckBox>(pwForm, "keyBox")->Set("Esc", "F1", "F2");
    QImage bitmap(16, 16, QImage::Format_RGB32);
    bitmap.fill(Qt::magenta);
    Find<Zri::CBitmapButton>(pwForm, "bitmap")->SetBitmap(bitmap, true);
    Find<Zri::CBitmapButton>(pwForm, "bitmap")->SetMode(Zri::CBitmapHelper::Stretched);
    bitmap.fill(Qt::cyan);
    Find<Zri::CBitmapCheckBox>(pwForm, "bitmapBox")->SetBitmap(bitmap, true);
    Find<Zri::CBitmapCheckBox>(pwForm, "bitmapBox")
        ->SetBitmapDefaultAlignment(Zri::CBitmapHelper::LeftAligned);
    Find<Zri::CCheckBoxSwitch>(pwForm, "switch")->setText("Pump");
    Find<Zri::CBarScalePercent>(pwForm, "ruler")->setFont(ZriTest::PixelFont(16));
    Find<Zri::CBarScalePercent>(pwForm, "ruler")->SetSteps(4);
    Find<Zri::CBarScalePercent>(pwForm, "ruler")->SetScaleMode(true, false);
    Find<Zri::CLineEdit>(pwForm, "line")->setText("typed");
    Find<Zri::CFileEditLine>(pwForm, "path")->OnPathChanged("/data/in.txt");
    Find<Zri::CMultiFileEdit>(pwForm, "files")->OnUpdateSelection({"a.txt", "b.tif[1]"});
    Find<Zri::CRectangleDefinitionEdit>(pwForm, "rectangle")->SetUnitString("mm");
    Find<Zri::CRectangleDefinitionEdit>(pwForm, "rectangle")->SetUnitString(""); // keeps "mm"
    Find<Zri::CRectangleDefinitionEdit>(pwForm, "rectangle")
        ->OnRectangleDefinitionChanged({1, 2, 3.6, 4});
    Find<Zri::CLoggerDefinitionsEdit>(pwForm, "loggers")
        ->OnDefinitionsChanged({{LoggerFile, VerbosityLog, "/x", 1}});
}

} // namespace

class TestUseForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Varo::Fenra::Internationalisation::CTranslatorRegistry::SetLanguage("German");
        ZriTest::WriteAll(ZriTest::TranslationDirectory() + "/" ZRI_MODULE_NAME "German.trl",
                          kGerman);
        m_pForm.reset(Load(ZRI_USE_FORM));
        QVERIFY(m_pForm);
        Configure(m_pForm.get());
        m_pForm->resize(600, 900);
        m_pForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pForm.get()));
    }

    // Every concrete widget in widget box order, with a short name, an icon that shows it (more
    // than one colour, no two alike) and properties Designer can set. No abstract bases. A German
    // screen reader walking them and the form (displays speaking of data and alarms) hears no
    // text of the library in English.
    void widgetBox()
    {
        STranslationTable german;
        std::string error;
        QVERIFY(
            ParseTranslationText(ZriTest::ReadAll(ZRI_GERMAN_FILE).toStdString(), german, error));
        QStringList entries, heard;
        ReadAloud(QAccessible::queryAccessibleInterface(m_pForm.get()), heard);
        QSet<QByteArray> icons;
        for (QDesignerCustomWidgetInterface* pEntry : WidgetBox())
        {
            QScopedPointer<QWidget> pwCreated(pEntry->createWidget(nullptr));
            const QMetaObject* pMeta = pwCreated->metaObject();
            for (int i = pMeta->propertyOffset(); i < pMeta->propertyCount(); ++i)
                QVERIFY2(pMeta->property(i).isDesignable() && pMeta->property(i).isWritable(),
                         pMeta->property(i).name());
            entries << pEntry->name().section("ZuRaradirIzurodudoz::", 1) + ' ' +
                           QRegularExpression("displayname=\"([^\"]+)\"")
                               .match(pEntry->domXml())
                               .captured(1);
            // Legible: a tenth of the icon's pixels or more differ from its corner.
            const QImage icon = pEntry->icon().pixmap(22, 22).toImage();
            int nInk = 0;
            for (int i = 0; i < 22 * 22; ++i)
                nInk += icon.pixel(i % 22, i / 22) != icon.pixel(0, 0);
            QVERIFY2(nInk >= 48, qPrintable(entries.last()));
            // A key dropped from the widget box shows a legend.
            QVERIFY(!pEntry->name().contains("Keyboard") ||
                    pEntry->domXml().contains("\"topLeftLabel\">\n   <string>A</string>"));
            // Dropped at least at its minimum size, a table with every column in view.
            const auto geometry =
                QRegularExpression("<width>(\\d+)</width><height>(\\d+)</height></rect>")
                    .match(pEntry->domXml());
            pwCreated->resize(geometry.captured(1).toInt(), geometry.captured(2).toInt());
            QVERIFY2(pwCreated->size() ==
                         pwCreated->size().expandedTo(pwCreated->minimumSizeHint()),
                     qPrintable(entries.last()));
            if (auto* pwTable = pwCreated->findChild<QTableWidget*>())
            {
                pwCreated->show();
                QCoreApplication::processEvents();
                QVERIFY(pwTable->horizontalHeader()->length() <= pwTable->viewport()->width());
            }
            if (auto* pwGauge = qobject_cast<Zri::CBarGauge*>(pwCreated.data()))
                pwGauge->SetLowAlarm(10), pwGauge->SetValue(5);
            if (auto* pwHistogram = qobject_cast<Zri::CHistogramDisplay*>(pwCreated.data()))
                pwHistogram->AddDataList({}, {1, 2});
            ReadAloud(QAccessible::queryAccessibleInterface(pwCreated.data()), heard);
            icons.insert(QByteArray(reinterpret_cast<const char*>(icon.constBits()),
                                    int(icon.sizeInBytes())));
        }
        QCOMPARE(
            entries.join(", "),
            "Forms::CArrowButton Arrow Button, Forms::CMediaButton Media Button, "
            "Forms::CKeyboardButton Keyboard Button, Forms::CKeyboardCheckBox Keyboard Check "
            "Box, Forms::CBitmapButton Bitmap Button, Forms::CBitmapCheckBox Bitmap Check Box, "
            "Forms::CCheckBoxSwitch Switch Check Box, Forms::CBarScalePercent Percentage "
            "Scale, Forms::CHistogramDisplay Histogram, Forms::CTrendDisplay Trend, "
            "Forms::CBarGauge Bar Gauge, Forms::CRangeSlider Range Slider, CLineEdit Focus "
            "Line Edit, Forms::CFileEditLine File Path Edit, Forms::CMultiFileEdit Multi-File "
            "Edit, Forms::CRectangleDefinitionEdit Rectangle Edit, CLoggerDefinitionsEdit "
            "Logger Definitions Edit");
        QCOMPARE(icons.size(), entries.size());
        QVERIFY(heard.size() > 200);
        for (const auto& [english, translation] : german.m_Translations)
            QVERIFY2(english == translation ||
                         !heard.join('\n').contains(QRegularExpression(
                             "\\b" + QRegularExpression::escape(QString::fromStdString(english)) +
                             "\\b")),
                     english.c_str());
    }

    // Every widget shows what it was set to: symbols, lamp, bitmaps, knob and ticks at known
    // pixels (see the painting test for the coordinates), values in the editors' fields. The
    // example's form sets properties on every widget: all of them arrive.
    void shown()
    {
        QScopedPointer<QWidget> pwExample(Load(ZRI_FORM_FILE));
        QCOMPARE(pwExample ? DesignerForm::MissingSettings(*pwExample) : QStringList("no form"),
                 QStringList());
        QString colours;
        for (const QString& probe :
             QString(
                 "arrow:20,14 20,21 20,8|media:46,11 10,8 20,20 33,31|key:30,8 25,39|bitmap:4,4 "
                 "53,23 54,24|bitmapBox:4,14 19,14 20,14|switch:45,15 15,15|ruler:0,17 0,18 59,18")
                 .split('|'))
            colours += ZriTest::Colours(*m_pForm->findChild<QWidget*>(probe.section(':', 0, 0)),
                                        probe.section(':', 1)) +
                       ' ';
        QCOMPARE(colours, "TLD GDTL TT MM. CC. R. .D. ");
        QWidget* pwForm = m_pForm.get();
        QCOMPARE(pwForm->findChild<QLineEdit*>("m_wCurrentPath")->text(), "/data/in.txt");
        QCOMPARE(pwForm->findChild<QListWidget*>("m_wSelectedPaths")->item(1)->text(), "b.tif[1]");
        QCOMPARE(pwForm->findChild<QDoubleSpinBox*>("m_wWidth")->text(), "4 mm");
        auto* pwTable = pwForm->findChild<QTableWidget*>("m_wDefinitions");
        QCOMPARE(pwTable->item(0, 1)->text() + pwTable->item(0, 3)->text(), "log1");
    }

    void accessible_data()
    {
        using Arrow = Forms::CArrowButton;
        using Media = Forms::CMediaButton;
        using Key = Forms::CKeyboardButton;
        using Histogram = Forms::CHistogramDisplay;
        QTest::addColumn<Make>("make");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("checked");
        const int button = QAccessible::Button;
        const int box = QAccessible::CheckBox;
        const auto row = [](const char* tag, const Make& make, int role, const char* name,
                            const char* description = "", bool checked = false)
        { QTest::newRow(tag) << make << role << QString(name) << QString(description) << checked; };
        row("arrow", New<Arrow>({{"mode", "DoubleLeft"}}), button, "Doppelt links");
        row("set by the application", New<Arrow>({{"accessibleName", "Scroll"}}), button, "Scroll");
        row("media, off", New<Media>({{"mode", "Repeat"}, {"onOffMode", "Steady"}}), button,
            "Wiederholen", "Lampe aus");
        row("media, on (own file)",
            New<Media>({{"mode", "ToStart"}, {"on", true}, {"onOffMode", "Steady"}}), button,
            "Zum Anfang", "Lampe leuchtet");
        row("key legends", New<Key>({{"topLeftLabel", "F1"}, {"bottomRightLabel", "Help"}}), button,
            "F1 Help");
        row("key symbol", New<Key>({{"mode", "CornerArrow"}, {"topLeftLabel", "Enter"}}), button,
            "Eckpfeil");
        row("check key",
            New<Forms::CKeyboardCheckBox>({{"topLeftLabel", "Caps"}, {"checked", true}}), box,
            "Caps", "", true);
        row("bitmap box", New<Forms::CBitmapCheckBox>({{"text", "&Grid"}}), box, "Grid");
        row("bitmap, no text", New<Forms::CBitmapButton>(), button, "Bildtaste");
        row("switch on", New<Forms::CCheckBoxSwitch>({{"text", "Power"}, {"checked", true}}), box,
            "Power", "an", true);
        row("ruler", New<Forms::CBarScalePercent>(), QAccessible::Graphic, "Prozentskala");
        row("histogram", New<Histogram>({{"logScale", true}}), QAccessible::Chart, "Histogramm",
            "keine Daten");
        row("histogram, NaN first",
            New<Histogram>(
                [](Histogram& h) {
                    h.AddDataList(Zri::SDataListMode(), {std::nan(""), 5, 2});
                }),
            QAccessible::Chart, "Histogramm", "3 Klassen, gr\u00f6\u00dfte Anzahl 5 bei Klasse 1");
        row("trend, fixed range",
            New<Forms::CTrendDisplay>({{"autoRange", false}, {"valueMin", -5}, {"valueMax", 5}}),
            QAccessible::Chart, "Verlauf", "Bereich -5 bis 5");
    }

    // Role, name, description, state; the control's own action clicks once and toggles a box.
    void accessible()
    {
        QFETCH(Make, make);
        QFETCH(int, role);
        QFETCH(bool, checked);
        QScopedPointer<QWidget> widget(make());
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget.data());
        QVERIFY(accessible && accessible->isValid());
        QCOMPARE(int(accessible->role()), role);
        QTEST(accessible->text(QAccessible::Name), "name");
        QTEST(accessible->text(QAccessible::Description), "description");
        QCOMPARE(bool(accessible->state().checked), checked);
        QCOMPARE(bool(accessible->state().checkable), role == QAccessible::CheckBox);
        auto* button = qobject_cast<QAbstractButton*>(widget.data());
        if (!button)
            return;
        const QString action = role == QAccessible::CheckBox
                                   ? QAccessibleActionInterface::toggleAction()
                                   : QAccessibleActionInterface::pressAction();
        QCOMPARE(accessible->actionInterface()->actionNames().value(0), action);
        QSignalSpy clicks(button, &QAbstractButton::clicked);
        accessible->actionInterface()->doAction(action);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(bool(accessible->state().checked), role == QAccessible::CheckBox && !checked);
    }

    // The editors' children by accessible name (fields by their buddy labels); icon-only buttons
    // also as tooltips, with a description that does not repeat the name.
    void editorChildren()
    {
        const QStringList children =
            QString("path=Dateipfad|m_wCurrentPath=Pfad|m_wFileDialogButton=Durchsuchen|"
                    "files=Dateiliste|m_wSelectedPaths=Dateien|pushButton=Dateien hinzuf\u00fcgen|"
                    "pushButton_2=Markierte Dateien entfernen|rectangle=Rechteck|m_wWidth=Breite|"
                    "m_wYCoord=Y|loggers=Logger-Definitionen|m_wDefinitions=Definitionen|"
                    "m_wAdd=Logger-Definition hinzuf\u00fcgen|"
                    "m_wRemove=Ausgew\u00e4hlte Logger-Definitionen entfernen")
                .split('|');
        for (const QString& child : children)
        {
            auto* pwChild = m_pForm->findChild<QWidget*>(child.section('=', 0, 0));
            QVERIFY2(pwChild, qPrintable(child));
            const QString name =
                QAccessible::queryAccessibleInterface(pwChild)->text(QAccessible::Name);
            QCOMPARE(child.section('=', 0, 0) + '=' + name, child);
            QCOMPARE(pwChild->toolTip(), qobject_cast<QAbstractButton*>(pwChild) ? name : "");
            QVERIFY(QAccessible::queryAccessibleInterface(pwChild)->text(
                        QAccessible::Description) != name);
        }
    }

    // Designer's properties read the widgets whatever set them: writes "name=value", reads
    // "name?"; "axis?" and "alarms?" read the library's own getters.
    void propertiesReadTheWidget_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("reads");
        const auto row =
            [](const char* tag, const Make& make, const char* script, const char* reads)
        { QTest::newRow(tag) << make << QString(script) << QString(reads); };
        using Gauge = Forms::CBarGauge;
        using Trend = Forms::CTrendDisplay;
        using Histogram = Forms::CHistogramDisplay;
        using Slider = Forms::CRangeSlider;
        const auto gauge = [](double low)
        { return New<Gauge>([low](Gauge& g) { g.SetLowAlarm(low); }); };
        const Make trend = New<Trend>([](Trend& t) { t.SetValueRange(5, -5); });
        row("gauge: code's alarm, a restored high level", gauge(5),
            "lowAlarmEnabled? lowAlarm? highAlarm=80 highAlarmEnabled? alarms?",
            "true 5 false 5:nan");
        row("gauge: low alarm switched off and on", gauge(5),
            "lowAlarmEnabled=false lowAlarmEnabled? lowAlarm? alarms? lowAlarm=7 "
            "lowAlarmEnabled=true alarms?",
            "false 5 nan:nan 7:nan");
        row("gauge: a form's levels, level first", gauge(std::nan("")),
            "highAlarm=70 highAlarmEnabled=true lowAlarmEnabled=true alarms?", "10:70");
        row("gauge: no value yet, limits", gauge(std::nan("")),
            "value? minimum=-10 maximum=10 value=3 minimum? value?", "nan -10 3");
        row("trend: code's axis, then a form's bound", trend,
            "autoRange? valueMin? valueMax? valueMax=10 valueMin? axis?", "false -5 5 -5 -5..10");
        row("trend: bounds written one after the other", New<Trend>(),
            "autoRange=false valueMin=200 valueMax=300 axis? valueMin=100 valueMax=100 "
            "valueMax=150 axis? valueMin? valueMax?",
            "200..300 100..150 100 150");
        row("trend: automatic keeps code's axis for later", trend,
            "autoRange=true autoRange? valueMin? valueMax? autoRange=false axis?",
            "true -5 5 -5..5");
        row("trend: window, capacity, axes, interactive",
            New<Trend>([](Trend& t)
                       { t.SetTimeWindow(30), t.SetCapacity(500), t.SetAxesVisible(false); }),
            "timeWindow? capacity? axesVisible? capacity=-3 capacity? interactive? "
            "interactive=false interactive?",
            "30 500 false 1 true false");
        row("trend: grid, titles and units",
            New<Trend>([](Trend& t) { t.SetValueAxisTitle("P", "bar"); }),
            "valueAxisTitle? valueAxisUnit=mbar valueAxisTitle? valueAxisUnit? gridVisible? "
            "gridVisible=true timeAxisUnit=s timeAxisTitle=t gridVisible? timeAxisUnit? "
            "rightAxisUnit=K rightAxisTitle=T rightAxisUnit?",
            "P P mbar false true s K");
        row("histogram",
            New<Histogram>([](Histogram& h) { h.SetLogScale(true), h.SetLegendVisible(false); }),
            "logScale? legendVisible? axesVisible? axesVisible=false logScale? gridVisible=true "
            "gridVisible? classAxisUnit=DN classAxisTitle=Grey classAxisUnit? valueAxisUnit?",
            "true false true true true DN ");
        row("range slider",
            New<Slider>([](Slider& r) { r.SetRange(-5, 5), r.SetValues(-2, 3), r.SetPageStep(4); }),
            "minimum? maximum? startValue? endValue? pageStep? minimum=10 maximum? startValue? "
            "maximum=-20 minimum? endValue?",
            "-5 5 -2 3 4 10 10 -20 -20");
    }
    void propertiesReadTheWidget()
    {
        QFETCH(Make, make);
        QFETCH(QString, script);
        QScopedPointer<QWidget> pwWidget(make());
        QStringList reads;
        for (const QString& word : script.split(' '))
        {
            const QByteArray name = word.section('=', 0, 0).remove('?').toLatin1();
            if (word.contains('='))
                QVERIFY(pwWidget->setProperty(name, word.section('=', 1)));
            else if (auto* pwGauge = qobject_cast<Zri::CBarGauge*>(pwWidget.data());
                     name == "alarms")
                reads << QString("%1:%2").arg(pwGauge->LowAlarm()).arg(pwGauge->HighAlarm());
            else if (auto* pwTrend = qobject_cast<Zri::CTrendDisplay*>(pwWidget.data());
                     name == "axis")
                reads << QString("%1..%2").arg(pwTrend->ValueMin()).arg(pwTrend->ValueMax());
            else
            {
                const QVariant value = pwWidget->property(name);
                QVERIFY2(value.isValid(), name);
                reads << (value.userType() == QMetaType::Double ? QString::number(value.toDouble())
                                                                : value.toString());
            }
        }
        QTEST(reads.join(' '), "reads");
    }

    // Rows built in code in the 16-pixel font (lines 19 high): each widget as large as its texts
    // need, none cut. A legend row is 19 high, "Help" 36 wide, with the key's border of 4 and a
    // pixel for the pressed shift; the ruler's label "100" 31 wide, 8-pixel ticks 3 off it at both
    // sides; the gauges 2 beside their widest text ("Temperature" 101, "60.3 bar" 67) over 160 of
    // scale; the switch a line and 2 high, twice as wide, "Pump running" (112) 2 beside it. Screen
    // readers hear each change of what they read once, nothing else; Designer's properties read
    // what the widgets hold (a font set in points too).
    void rowsBuiltInCode()
    {
        QWidget window;
        window.setFont(ZriTest::PixelFont(16));
        auto* pwRows = new QVBoxLayout(&window);
        auto* pwTemperature = new Forms::CBarGauge;
        pwTemperature->SetTitle("Temperature");
        pwTemperature->SetUnit("\u00b0C");
        pwTemperature->SetHighAlarm(90);
        pwTemperature->SetValue(89.6);
        auto* pwPressure = new Forms::CBarGauge;
        pwPressure->SetTitle("P1");
        pwPressure->SetFooter("60.3 bar");
        auto* pwBack = new Forms::CArrowButton;
        auto* pwPlay = new Forms::CMediaButton;
        pwPlay->SetOnOffMode(Zri::CMediaButton::Blinking);
        auto* pwSwitch = new Forms::CCheckBoxSwitch;
        pwSwitch->setText("Pump running");
        auto* pwHelp = new Forms::CKeyboardButton;
        pwHelp->Set("F1", "Help");
        const QList<QList<QWidget*>> rows = {
            {new Forms::CBarScalePercent, pwTemperature, pwPressure},
            {pwBack, pwPlay, pwSwitch, pwHelp, new Forms::CRangeSlider},
            {new Forms::CHistogramDisplay, new Forms::CTrendDisplay}};
        for (const QList<QWidget*>& row : rows)
        {
            auto* pwRow = new QHBoxLayout;
            for (QWidget* pwWidget : row)
                pwRow->addWidget(pwWidget, 0, Qt::AlignTop);
            pwRow->addStretch();
            pwRows->addLayout(pwRow);
        }
        window.resize(window.sizeHint());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList sizes;
        for (QWidget* pwWidget : rows[0] + rows[1].mid(0, 4))
            sizes << QString("%1x%2").arg(pwWidget->width()).arg(pwWidget->height());
        QCOMPARE(sizes.join(' '), "53x198 105x198 71x198 32x32 48x32 157x21 46x48");
        // The slider takes what its row leaves, its hint at least; the plots their hints.
        QVERIFY(rows[1][4]->height() == 22 && rows[1][4]->width() >= 160);
        for (QWidget* pwPlot : rows[2])
            QCOMPARE(pwPlot->size(), pwPlot->sizeHint());
        // The gauge in alarm shows why: "89.6 °C", not "90 °C".
        QCOMPARE(pwTemperature->ValueText(), "89.6 \u00b0C");
        for (QWidget* pwWidget : rows[1])
            pwWidget->setObjectName(pwWidget->metaObject()->className());
        const QStringList heard = ZriTest::Heard(
            [](QAccessibleEvent* pEvent)
            {
                const QString who = pEvent->object()->objectName().section("::", -1);
                return pEvent->type() == QAccessible::NameChanged          ? who + " name"
                       : pEvent->type() == QAccessible::DescriptionChanged ? who + " lamp"
                                                                           : QString();
            },
            {[&] { pwBack->SetMode(Zri::CArrowButton::DoubleUp); },
             [&] { pwBack->SetMode(Zri::CArrowButton::DoubleUp); },
             [&] { pwBack->SetFitMode(Zri::CArrowButton::Stretch); },
             [&] { pwPlay->SetMode(Zri::CMediaButton::Stop); }, [&] { pwPlay->SetOn(true); },
             [&] { pwPlay->SetLampSize(20); }, [&] { pwHelp->Set("F1", "Help", "Hilfe"); },
             [&] { pwHelp->Set("F1", "Help", "Hilfe"); }, [&] { pwHelp->SetTextBorder(6); }});
        QCOMPARE(heard, QStringList({"CArrowButton name", "", "", "CMediaButton name",
                                     "CMediaButton lamp", "", "CKeyboardButton name", "", ""}));
        Forms::CBarScalePercent ruler;
        ruler.SetSteps(4);
        ruler.SetScaleMode(true, false);
        ruler.setProperty("ticksLeft", false);
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPointSize(11);
        font.setBold(true);
        ruler.setProperty("rulerFont", font);
        QCOMPARE(QString("%1 %2 %3 %4")
                     .arg(pwPlay->property("lampSize").toInt())
                     .arg(ruler.property("steps").toUInt())
                     .arg(ruler.GetTicksRight())
                     .arg(ruler.property("rulerFont").value<QFont>() == font),
                 "20 4 0 1");
        QStringList widths; // ticks on the left, the right, both, neither
        for (const int sides : {1, 2, 3, 0})
            ruler.SetScaleMode(sides & 1, sides & 2),
                widths << QString::number(ruler.sizeHint().width());
        QCOMPARE(widths.join(' '), "42 42 53 33");
        // "Help Hilfe" (36 + 5 + 36) and a border of 6 make the key larger: the layout heard of it.
        QCoreApplication::processEvents();
        QCOMPARE(pwHelp->size(), QSize(91, 52));
    }

    // Texts only a screen reader or a hover asks for are no reason to write the translation
    // file: a run that reads every widget aloud leaves the German file as it was.
    void noTranslationFileUnasked()
    {
        QTemporaryDir dir;
        qputenv("ZRI_TEST_TRANSLATIONS", QFile::encodeName(dir.path()));
        const int nExit = QProcess::execute(QCoreApplication::applicationFilePath(),
                                            {"widgetBox", "accessible", "editorChildren"});
        qunsetenv("ZRI_TEST_TRANSLATIONS");
        QCOMPARE(nExit, 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList(ZRI_MODULE_NAME "German.trl"));
        QCOMPARE(ZriTest::ReadAll(dir.filePath(ZRI_MODULE_NAME "German.trl")), kGerman);
    }

private:
    std::unique_ptr<QWidget> m_pForm;
};

ZRI_TEST_MAIN(TestUseForm)
#include "tst_use_form.moc"
