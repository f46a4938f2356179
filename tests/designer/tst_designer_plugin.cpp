// The Designer plugin as a form designer uses it: the widget box entries (short names, icons,
// the widget a drop creates), the properties of the Forms classes, and a form with settings on
// every widget loaded through QUiLoader.
#include "FormCheck.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QFile>
#include <QPluginLoader>
#include <QRegularExpression>
#include <QUiLoader>
#include <QVBoxLayout>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

namespace
{

struct SEntry
{
    QString sClass; // after Varo::FenraQtGui::ZuRaradirIzurodudoz::
    QString sDisplayName;
    QSize oMinimum; // what a drop into a layout must not shrink below
};

// Every concrete widget, in widget box order; abstract bases must not appear.
const QList<SEntry> kExpected = {
    {"Forms::CArrowButton", "Arrow Button", {24, 24}},
    {"Forms::CMediaButton", "Media Button", {32, 24}},
    {"Forms::CKeyboardButton", "Keyboard Button", {32, 32}},
    {"Forms::CKeyboardCheckBox", "Keyboard Check Box", {32, 32}},
    {"Forms::CBitmapButton", "Bitmap Button", {24, 24}},
    {"Forms::CBitmapCheckBox", "Bitmap Check Box", {24, 24}},
    {"Forms::CCheckBoxSwitch", "Switch Check Box", {40, 20}},
    {"Forms::CBarScalePercent", "Percentage Scale", {30, 80}},
    {"CLineEdit", "Focus Line Edit", {0, 0}},
    {"Forms::CFileEditLine", "File Path Edit", {0, 0}},
    {"Forms::CMultiFileEdit", "Multi-File Edit", {0, 0}},
    {"Forms::CRectangleDefinitionEdit", "Rectangle Edit", {0, 0}},
    {"CLoggerDefinitionsEdit", "Logger Definitions Edit", {0, 0}},
};

const QString kNamespace = QStringLiteral("Varo::FenraQtGui::ZuRaradirIzurodudoz::");

QList<QDesignerCustomWidgetInterface*> Widgets(QPluginLoader& loader)
{
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    return collection ? collection->customWidgets() : QList<QDesignerCustomWidgetInterface*>();
}

QUiLoader* FormLoader()
{
    static QUiLoader s_Loader;
    s_Loader.clearPluginPaths();
    s_Loader.addPluginPath(QStringLiteral(ZRI_DESIGNER_PLUGIN_DIR));
    return &s_Loader;
}

} // namespace

class TestDesignerPlugin : public QObject
{
    Q_OBJECT

private slots:
    void widgetBoxEntries();
    void formsProperties_data();
    void formsProperties();
    void loaderAppliesFormSettings();
};

// Each entry: class, short name, a drop that stays usable in a layout, and an icon that shows
// the widget: more than one colour, and no two icons alike. (The headers are proven by the
// packaging test, which compiles uic's code for a form of every widget.)
void TestDesignerPlugin::widgetBoxEntries()
{
    QPluginLoader loader(QStringLiteral(ZRI_DESIGNER_PLUGIN));
    QVERIFY2(loader.load(), qPrintable(loader.errorString()));
    const QList<QDesignerCustomWidgetInterface*> widgets = Widgets(loader);
    QCOMPARE(widgets.size(), kExpected.size());
    QSet<QByteArray> icons;
    for (int i = 0; i < widgets.size(); ++i)
    {
        QDesignerCustomWidgetInterface* widget = widgets.at(i);
        const SEntry& expected = kExpected.at(i);
        QCOMPARE(widget->name(), kNamespace + expected.sClass);
        QCOMPARE(widget->group(), QStringLiteral("ZuRaradirIzurodudoz"));
        QVERIFY(!widget->toolTip().isEmpty() && !widget->whatsThis().isEmpty());
        const QString xml = widget->domXml();
        QCOMPARE(QRegularExpression("displayname=\"([^\"]+)\"").match(xml).captured(1),
                 expected.sDisplayName);

        QWidget parent;
        auto* layout = new QVBoxLayout(&parent);
        QByteArray bytes = xml.toUtf8();
        QBuffer buffer(&bytes);
        QWidget* dropped = FormLoader()->load(&buffer, &parent);
        QVERIFY2(dropped, qPrintable(FormLoader()->errorString()));
        QCOMPARE(dropped->metaObject()->className(), widget->name());
        layout->addWidget(dropped);
        parent.resize(1, 1);
        layout->activate();
        QVERIFY2(dropped->width() >= expected.oMinimum.width() &&
                     dropped->height() >= expected.oMinimum.height(),
                 qPrintable(expected.sClass));

        const QImage icon = widget->icon().pixmap(22, 22).toImage();
        QImage blank(QSize(22, 22), icon.format());
        blank.fill(icon.pixel(0, 0));
        QVERIFY2(icon != blank, qPrintable(expected.sClass));
        icons.insert(
            QByteArray(reinterpret_cast<const char*>(icon.constBits()), int(icon.sizeInBytes())));
    }
    QCOMPARE(icons.size(), kExpected.size());
}

void TestDesignerPlugin::formsProperties_data()
{
    // Triples of property, value written, value read back; enumerations by name and number.
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QVariantList>("writes");
    const QStringList ab{"a", "b"};
    // clang-format off
    QTest::newRow("arrow") << "Forms::CArrowButton" << QVariantList{
        "mode", "DoubleLeft", 6, "fitMode", "Stretch", 1};
    QTest::newRow("media") << "Forms::CMediaButton" << QVariantList{
        "mode", "Repeat", 6, "onOffMode", "Blinking", 2, "on", true, true, "lampSize", 20, 20};
    // A legend set after the symbol keeps the symbol: forms set properties in file order.
    QTest::newRow("key") << "Forms::CKeyboardButton" << QVariantList{
        "mode", "CornerArrow", 12, "topLeftLabel", "Esc", "Esc", "textBorder", 6, 6,
        "textSizeMode", "ScaledSize", 1};
    QTest::newRow("check key") << "Forms::CKeyboardCheckBox" << QVariantList{
        "bottomRightLabel", "F2", "F2", "mode", "ArrowUp", 1};
    QTest::newRow("bitmap") << "Forms::CBitmapButton" << QVariantList{
        "bitmapMode", "Stretched", 3, "bitmapAlignment", "BottomAligned", 4,
        "drawText", false, false};
    QTest::newRow("bitmap box") << "Forms::CBitmapCheckBox" << QVariantList{
        "bitmapAlignment", "RightAligned", 2};
    QTest::newRow("switch") << "Forms::CCheckBoxSwitch" << QVariantList{
        "drawMode", "Vertical", 0, "textMode", "NoText", 2};
    QTest::newRow("ruler") << "Forms::CBarScalePercent" << QVariantList{
        "steps", 4u, 4u, "ticksLeft", false, false};
    QTest::newRow("path") << "Forms::CFileEditLine" << QVariantList{
        "path", "/data/in.txt", "/data/in.txt"};
    // An empty list keeps the entries, as the library's silent slot does.
    QTest::newRow("files") << "Forms::CMultiFileEdit" << QVariantList{
        "selection", ab, ab, "selection", QStringList(), ab};
    // An empty unit keeps the one shown, as the library's setter does.
    QTest::newRow("rectangle") << "Forms::CRectangleDefinitionEdit" << QVariantList{
        "rectangleDefinition", QRectF(1, 2, 30, 40), QRectF(1, 2, 30, 40),
        "unitString", "mm", "mm", "unitString", "", "mm"};
    // clang-format on
}

void TestDesignerPlugin::formsProperties()
{
    QFETCH(QString, widget);
    QFETCH(QVariantList, writes);
    QPluginLoader loader(QStringLiteral(ZRI_DESIGNER_PLUGIN));
    QVERIFY(loader.load());
    QScopedPointer<QWidget> created;
    for (QDesignerCustomWidgetInterface* plugin : Widgets(loader))
        if (plugin->name() == kNamespace + widget)
            created.reset(plugin->createWidget(nullptr));
    QVERIFY(created);
    const QMetaObject* meta = created->metaObject();
    for (int i = 0; i < writes.size(); i += 3)
    {
        const QByteArray name = writes.at(i).toByteArray();
        const QMetaProperty property = meta->property(meta->indexOfProperty(name));
        QVERIFY2(property.isDesignable() && property.isWritable() &&
                     property.enclosingMetaObject() == meta,
                 name);
        QVERIFY2(created->setProperty(name, writes.at(i + 1)), name);
    }
    for (int i = 0; i < writes.size(); i += 3)
    {
        const QVariant read = created->property(writes.at(i).toByteArray());
        const QVariant& expected = writes.at(i + 2);
        if (expected.userType() == QMetaType::Int)
            QCOMPARE(read.toInt(), expected.toInt());
        else
            QCOMPARE(read, expected);
    }
}

void TestDesignerPlugin::loaderAppliesFormSettings()
{
    QFile form(QStringLiteral(ZRI_FORM_FILE));
    QVERIFY(form.open(QIODevice::ReadOnly));
    QScopedPointer<QWidget> widget(FormLoader()->load(&form));
    QVERIFY2(widget, qPrintable(FormLoader()->errorString()));
    QCOMPARE(DesignerForm::MissingSettings(*widget), QStringList());
}

ZRI_TEST_MAIN(TestDesignerPlugin)
#include "tst_designer_plugin.moc"
