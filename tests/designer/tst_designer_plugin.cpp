// The Designer plugin: the offered classes and headers, widget creation, and a form loaded
// through QUiLoader that instantiates the library's widgets via the plugin.
#include "TestSupport.h"

#include <QFile>
#include <QPluginLoader>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

namespace
{

// Every concrete widget, with the header a form includes; abstract bases must not appear.
const QList<QPair<QString, QString>> kExpected = {
    {"Varo::FenraQtGui::ZuRaradirIzurodudoz::CArrowButton", "ZuRaradirIzurodudoz/ArrowButton.h"},
    {"Varo::FenraQtGui::ZuRaradirIzurodudoz::CMediaButton", "ZuRaradirIzurodudoz/MediaButton.h"},
    {"Varo::FenraQtGui::ZuRaradirIzurodudoz::CKeyboardButton",
     "ZuRaradirIzurodudoz/KeyboardButton.h"},
    {"Varo::FenraQtGui::ZuRaradirIzurodudoz::CKeyboardCheckBox",
     "ZuRaradirIzurodudoz/KeyboardCheckBox.h"},
    {"Varo::FenraQtGui::ZuRaradirIzurodudoz::CBitmapButton", "ZuRaradirIzurodudoz/BitmapButton.h"},
    {"Varo::FenraQtGui::ZuRaradirIzurodudoz::CBitmapCheckBox",
     "ZuRaradirIzurodudoz/BitmapCheckBox.h"},
    {"Varo::FenraQtGui::ZuRaradirIzurodudoz::CCheckBoxSwitch",
     "ZuRaradirIzurodudoz/CheckBoxSwitch.h"},
    {"Varo::FenraQtGui::ZuRaradirIzurodudoz::CBarScalePercent",
     "ZuRaradirIzurodudoz/BarScalePercent.h"},
    {"Varo::FenraQtGui::ZuRaradirIzurodudoz::CLineEdit", "ZuRaradirIzurodudoz/LineEdit.h"},
    {"Varo::FenraQtGui::ZuRaradirIzurodudoz::CFileEditLine", "ZuRaradirIzurodudoz/FileEditLine.h"},
    {"Varo::FenraQtGui::ZuRaradirIzurodudoz::CMultiFileEdit",
     "ZuRaradirIzurodudoz/MultiFileEdit.h"},
    {"Varo::FenraQtGui::ZuRaradirIzurodudoz::CRectangleDefinitionEdit",
     "ZuRaradirIzurodudoz/RectangleDefinitionEdit.h"},
    {"Varo::FenraQtGui::ZuRaradirIzurodudoz::CLoggerDefinitionsEdit",
     "ZuRaradirIzurodudoz/LoggerDefinitionsEdit.h"},
};

QList<QDesignerCustomWidgetInterface*> Widgets(QPluginLoader& loader)
{
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    return collection ? collection->customWidgets() : QList<QDesignerCustomWidgetInterface*>();
}

} // namespace

class TestDesignerPlugin : public QObject
{
    Q_OBJECT

private slots:
    void offersExactlyTheConcreteWidgets();
    void createsEveryWidget();
    void loaderBuildsFormWithCustomWidgets();
};

void TestDesignerPlugin::offersExactlyTheConcreteWidgets()
{
    QPluginLoader loader(QStringLiteral(ZRI_DESIGNER_PLUGIN));
    QVERIFY2(loader.load(), qPrintable(loader.errorString()));
    QList<QPair<QString, QString>> offered;
    for (QDesignerCustomWidgetInterface* widget : Widgets(loader))
    {
        offered.append({widget->name(), widget->includeFile()});
        QCOMPARE(widget->group(), QStringLiteral("ZuRaradirIzurodudoz"));
        QVERIFY(!widget->toolTip().isEmpty());
        QVERIFY(!widget->whatsThis().isEmpty());
        QVERIFY(!widget->icon().isNull());
        QVERIFY(widget->domXml().contains(widget->name()));
    }
    QCOMPARE(offered, kExpected);
}

void TestDesignerPlugin::createsEveryWidget()
{
    QPluginLoader loader(QStringLiteral(ZRI_DESIGNER_PLUGIN));
    QVERIFY(loader.load());
    QWidget parent;
    for (QDesignerCustomWidgetInterface* plugin : Widgets(loader))
    {
        QWidget* widget = plugin->createWidget(&parent);
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget(), &parent);
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), plugin->name());
    }
}

void TestDesignerPlugin::loaderBuildsFormWithCustomWidgets()
{
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QStringLiteral(ZRI_DESIGNER_PLUGIN_DIR));
    QFile form(QStringLiteral(ZRI_FORM_FILE));
    QVERIFY(form.open(QIODevice::ReadOnly));
    QScopedPointer<QWidget> widget(loader.load(&form));
    QVERIFY2(widget, qPrintable(loader.errorString()));
    for (const auto& expected : kExpected)
    {
        bool found = false;
        for (QWidget* child : widget->findChildren<QWidget*>())
            found =
                found || QString::fromLatin1(child->metaObject()->className()) == expected.first;
        QVERIFY2(found, qPrintable(expected.first));
    }
}

ZRI_TEST_MAIN(TestDesignerPlugin)
#include "tst_designer_plugin.moc"
