// The widgets as a screen reader or a UI-test tool meets them: the accessible interface of
// every painted control (role, name, description, checked state, its action), and the names
// and tooltips of the editors' children. The texts pass through the library's translator.
#include "TestSupport.h"
#include "TranslatorRegistry.h"

#include <QAccessible>
#include <QFile>
#include <QSignalSpy>

#include <ZuRaradirIzurodudoz/Forms/Forms.h>
#include <ZuRaradirIzurodudoz/ZuRaradirIzurodudoz.h>

#include <functional>

namespace Zri = Varo::FenraQtGui::ZuRaradirIzurodudoz;
namespace Forms = Zri::Forms;
using Make = std::function<QWidget*()>;
Q_DECLARE_METATYPE(Make)

namespace
{

// A new widget of the class Designer offers, set up through its properties.
template <typename TWidget> Make New(const QVariantMap& properties = {})
{
    return [properties]() -> QWidget*
    {
        auto* widget = new TWidget(nullptr);
        for (auto it = properties.begin(); it != properties.end(); ++it)
            widget->setProperty(it.key().toLatin1(), it.value());
        return widget;
    };
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void paintedControls_data();
    void paintedControls();
    void editorChildren_data();
    void editorChildren();
};

// The translator reads the process's translation file when the first text is asked for.
void TestAccessibility::initTestCase()
{
    Varo::Fenra::Internationalisation::CTranslatorRegistry::SetLanguage("German");
    QFile file(ZriTest::TranslationDirectory() + "/libZuRaradirIzurodudozGerman.trl");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("TF(0001)\nSettings\n(\n\tModuleName(\"libZuRaradirIzurodudoz\")\n"
               "\tLanguage(\"German\")\n\tBaseModules(  )\n)\nTranslations\n(\n"
               "\"Remove selected files\"=\"Ausgew\xc3\xa4hlte Dateien entfernen\"\n"
               "\"lamp on\"=\"Lampe an\"\n)\n");
}

void TestAccessibility::paintedControls_data()
{
    using Arrow = Forms::CArrowButton;
    using Media = Forms::CMediaButton;
    using Key = Forms::CKeyboardButton;
    using Switch = Forms::CCheckBoxSwitch;
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
    row("arrow", New<Arrow>({{"mode", "DoubleLeft"}}), button, "Double left");
    row("arrow outside modes", New<Arrow>({{"mode", 8}}), button, "Arrow");
    row("set by the application", New<Arrow>({{"accessibleName", "Scroll"}}), button, "Scroll");
    row("media, off", New<Media>({{"mode", "Repeat"}, {"onOffMode", "Steady"}}), button, "Repeat",
        "lamp off");
    row("media, blinking", New<Media>({{"onOffMode", "Blinking"}, {"on", true}}), button, "Play",
        "lamp blinking");
    row("media, on (translated)",
        New<Media>({{"mode", "ToStart"}, {"on", true}, {"onOffMode", "Steady"}}), button,
        "To start", "Lampe an");
    row("media, no lamp: tooltip", New<Media>({{"toolTip", "Back"}}), button, "Play", "Back");
    row("key legends", New<Key>({{"topLeftLabel", "F1"}, {"bottomRightLabel", "Help"}}), button,
        "F1 Help");
    row("key symbol", New<Key>({{"mode", "CornerArrow"}, {"topLeftLabel", "Enter"}}), button,
        "Corner arrow");
    row("key text", New<Key>({{"text", "&Enter"}}), button, "Enter");
    row("check key", New<Forms::CKeyboardCheckBox>({{"topLeftLabel", "Caps"}, {"checked", true}}),
        box, "Caps", "", true);
    row("bitmap box", New<Forms::CBitmapCheckBox>({{"text", "&Grid"}}), box, "Grid");
    row("bitmap, no text", New<Forms::CBitmapButton>(), button, "Bitmap button");
    row("switch on", New<Switch>({{"text", "Power"}, {"checked", true}}), box, "Power", "on", true);
    row("switch off", New<Switch>(), box, "Switch", "off");
    row("ruler", New<Forms::CBarScalePercent>(), QAccessible::Graphic, "Percentage scale");
}

// Read as a screen reader reads: role, name, description and state; then the control's own
// action clicks it once, and a checkable control changes its state.
void TestAccessibility::paintedControls()
{
    QFETCH(Make, make);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(bool, checked);
    QScopedPointer<QWidget> widget(make());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget.data());
    QVERIFY(accessible && accessible->isValid());
    QCOMPARE(int(accessible->role()), role);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(accessible->text(QAccessible::Description), description);
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

void TestAccessibility::editorChildren_data()
{
    // Pairs of child object name (empty: the editor itself) and accessible name.
    QTest::addColumn<Make>("make");
    QTest::addColumn<QStringList>("children");
    // clang-format off
    QTest::newRow("path") << New<Zri::CFileEditLine>() << QStringList{
        "", "File path", "m_wCurrentPath", "Path", "m_wFileDialogButton", "Browse"};
    QTest::newRow("files") << New<Zri::CMultiFileEdit>() << QStringList{
        "", "File list", "m_wSelectedPaths", "Files", "pushButton", "Add files",
        "pushButton_2", "Ausgew\u00e4hlte Dateien entfernen"}; // translated
    // The fields take their names from their buddy labels, without the mnemonic marks.
    QTest::newRow("rectangle") << New<Zri::CRectangleDefinitionEdit>() << QStringList{
        "", "Rectangle", "m_wWidth", "Width", "m_wYCoord", "Y"};
    QTest::newRow("loggers") << New<Zri::CLoggerDefinitionsEdit>() << QStringList{
        "", "Logger definitions", "m_wDefinitions", "Definitions",
        "m_wAdd", "Add logger definition", "m_wRemove", "Remove selected logger definitions"};
    // clang-format on
}

// Icon-only buttons also tell their name as a tooltip; the other children have none.
void TestAccessibility::editorChildren()
{
    QFETCH(Make, make);
    QFETCH(QStringList, children);
    QScopedPointer<QWidget> editor(make());
    for (int i = 0; i < children.size(); i += 2)
    {
        const QString& child = children.at(i);
        QWidget* widget = child.isEmpty() ? editor.data() : editor->findChild<QWidget*>(child);
        QVERIFY2(widget, qPrintable(child));
        QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name),
                 children.at(i + 1));
        const bool bButton = qobject_cast<QAbstractButton*>(widget) != nullptr;
        QCOMPARE(widget->toolTip(), bButton ? children.at(i + 1) : QString());
    }
}

ZRI_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
