// The widgets as a screen reader or a UI-test tool meets them: the accessible interface of
// every painted control (role, name, description, checked state, its action), and the names
// and tooltips of the editors' children. The texts pass through the library's translator.
#include "TestSupport.h"
#include "TranslatorRegistry.h"

#include <QAccessible>
#include <QFile>
#include <QSignalSpy>

#include <ZuRaradirIzurodudoz/Forms/ArrowButton.h>
#include <ZuRaradirIzurodudoz/Forms/BarScalePercent.h>
#include <ZuRaradirIzurodudoz/Forms/BitmapCheckBox.h>
#include <ZuRaradirIzurodudoz/Forms/CheckBoxSwitch.h>
#include <ZuRaradirIzurodudoz/Forms/KeyboardButton.h>
#include <ZuRaradirIzurodudoz/Forms/KeyboardCheckBox.h>
#include <ZuRaradirIzurodudoz/Forms/MediaButton.h>
#include <ZuRaradirIzurodudoz/ZuRaradirIzurodudoz.h>

#include <functional>

namespace Zri = Varo::FenraQtGui::ZuRaradirIzurodudoz;
namespace Forms = Zri::Forms;
using Make = std::function<QWidget*()>;
Q_DECLARE_METATYPE(Make)

namespace
{

// A new widget of the class Designer offers, set up by setup.
template <typename TWidget> Make New(std::function<void(TWidget&)> setup = nullptr)
{
    return [setup]() -> QWidget*
    {
        auto* widget = new TWidget(nullptr);
        if (setup)
            setup(*widget);
        return widget;
    };
}

QAccessibleInterface* Interface(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
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
    QTest::addColumn<Make>("make");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("checked");
    const int button = QAccessible::Button;
    const int checkBox = QAccessible::CheckBox;
    QTest::newRow("arrow") << New<Arrow>([](Arrow& a) { a.setMode(Arrow::DoubleLeft); }) << button
                           << "Double left"
                           << "" << false;
    QTest::newRow("arrow outside modes")
        << New<Arrow>([](Arrow& a) { a.SetMode(Zri::CArrowButton::EMode(8)); }) << button << "Arrow"
        << "" << false;
    QTest::newRow("arrow named by the application")
        << New<Arrow>([](Arrow& a) { a.setAccessibleName("Scroll up"); }) << button << "Scroll up"
        << "" << false;
    QTest::newRow("media, lamp off") << New<Media>(
                                            [](Media& m)
                                            {
                                                m.setMode(Media::Repeat);
                                                m.setOnOffMode(Media::Steady);
                                            })
                                     << button << "Repeat"
                                     << "lamp off" << false;
    QTest::newRow("media, blinking") << New<Media>(
                                            [](Media& m)
                                            {
                                                m.setOnOffMode(Media::Blinking);
                                                m.setOn(true);
                                            })
                                     << button << "Play"
                                     << "lamp blinking" << false;
    QTest::newRow("media, steady on") << New<Media>(
                                             [](Media& m)
                                             {
                                                 m.setMode(Media::ToStart);
                                                 m.setOn(true);
                                                 m.setOnOffMode(Media::Steady);
                                             })
                                      << button << "To start"
                                      << "Lampe an" << false;
    QTest::newRow("media without lamp: the tooltip")
        << New<Media>([](Media& m) { m.setToolTip("Rewind"); }) << button << "Play"
        << "Rewind" << false;
    QTest::newRow("key legends") << New<Forms::CKeyboardButton>([](Zri::CKeyboardButton& k)
                                                                { k.Set("F1", "", "Help"); })
                                 << button << "F1 Help"
                                 << "" << false;
    QTest::newRow("key symbol") << New<Forms::CKeyboardButton>(
                                       [](Zri::CKeyboardButton& k)
                                       {
                                           k.Set("Enter");
                                           k.Set(Zri::CKeyboardButton::CornerArrow);
                                       })
                                << button << "Corner arrow"
                                << "" << false;
    QTest::newRow("key without legends: its text")
        << New<Forms::CKeyboardButton>([](QPushButton& k) { k.setText("&Enter"); }) << button
        << "Enter"
        << "" << false;
    QTest::newRow("check key") << New<Forms::CKeyboardCheckBox>(
                                      [](Forms::CKeyboardCheckBox& k)
                                      {
                                          k.setTopLeftLabel("Caps");
                                          k.setChecked(true);
                                      })
                               << checkBox << "Caps"
                               << "" << true;
    QTest::newRow("bitmap") << New<Forms::CBitmapCheckBox>([](QCheckBox& b) { b.setText("&Grid"); })
                            << checkBox << "Grid"
                            << "" << false;
    QTest::newRow("bitmap without text") << New<Zri::CBitmapButton>() << button << "Bitmap button"
                                         << "" << false;
    QTest::newRow("switch on") << New<Forms::CCheckBoxSwitch>(
                                      [](QCheckBox& s)
                                      {
                                          s.setText("Power");
                                          s.setChecked(true);
                                      })
                               << checkBox << "Power"
                               << "on" << true;
    QTest::newRow("switch off") << New<Forms::CCheckBoxSwitch>() << checkBox << "Switch"
                                << "off" << false;
    QTest::newRow("ruler") << New<Forms::CBarScalePercent>() << int(QAccessible::Graphic)
                           << "Percentage scale"
                           << "" << false;
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
    QAccessibleInterface* accessible = Interface(widget.data());
    QVERIFY(accessible && accessible->isValid());
    QCOMPARE(int(accessible->role()), role);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(accessible->text(QAccessible::Description), description);
    QCOMPARE(bool(accessible->state().checked), checked);
    QCOMPARE(bool(accessible->state().checkable), role == QAccessible::CheckBox);

    auto* button = qobject_cast<QAbstractButton*>(widget.data());
    QAccessibleActionInterface* actions = accessible->actionInterface();
    QCOMPARE(button && actions->actionNames().value(0) ==
                           (checked || role == QAccessible::CheckBox
                                ? QAccessibleActionInterface::toggleAction()
                                : QAccessibleActionInterface::pressAction()),
             button != nullptr);
    if (!button)
        return;
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    actions->doAction(actions->actionNames().first());
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(bool(accessible->state().checked), role == QAccessible::CheckBox && !checked);
}

void TestAccessibility::editorChildren_data()
{
    QTest::addColumn<Make>("make");
    QTest::addColumn<QString>("child"); // object name; empty for the editor itself
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("toolTip");
    const Make path = New<Zri::CFileEditLine>();
    const Make files = New<Zri::CMultiFileEdit>();
    const Make rectangle = New<Zri::CRectangleDefinitionEdit>();
    const Make loggers = New<Zri::CLoggerDefinitionsEdit>();
    QTest::newRow("path") << path << ""
                          << "File path"
                          << "";
    QTest::newRow("path field") << path << "m_wCurrentPath"
                                << "Path"
                                << "";
    QTest::newRow("path button") << path << "m_wFileDialogButton"
                                 << "Browse"
                                 << "Browse";
    QTest::newRow("files") << files << ""
                           << "File list"
                           << "";
    QTest::newRow("files list") << files << "m_wSelectedPaths"
                                << "Files"
                                << "";
    QTest::newRow("files add") << files << "pushButton"
                               << "Add files"
                               << "Add files";
    QTest::newRow("files remove") << files << "pushButton_2"
                                  << "Ausgew\u00e4hlte Dateien entfernen"
                                  << "Ausgew\u00e4hlte Dateien entfernen";
    QTest::newRow("rectangle") << rectangle << ""
                               << "Rectangle"
                               << "";
    // The fields are named by their buddy labels, without the mnemonic marks.
    QTest::newRow("rectangle width") << rectangle << "m_wWidth"
                                     << "Width"
                                     << "";
    QTest::newRow("rectangle y") << rectangle << "m_wYCoord"
                                 << "Y"
                                 << "";
    QTest::newRow("loggers") << loggers << ""
                             << "Logger definitions"
                             << "";
    QTest::newRow("loggers table") << loggers << "m_wDefinitions"
                                   << "Definitions"
                                   << "";
    QTest::newRow("loggers add") << loggers << "m_wAdd"
                                 << "Add logger definition"
                                 << "Add logger definition";
    QTest::newRow("loggers remove") << loggers << "m_wRemove"
                                    << "Remove selected logger definitions"
                                    << "Remove selected logger definitions";
}

void TestAccessibility::editorChildren()
{
    QFETCH(Make, make);
    QFETCH(QString, child);
    QFETCH(QString, name);
    QFETCH(QString, toolTip);
    QScopedPointer<QWidget> editor(make());
    QWidget* widget = child.isEmpty() ? editor.data() : editor->findChild<QWidget*>(child);
    QVERIFY(widget);
    QCOMPARE(Interface(widget)->text(QAccessible::Name), name);
    QCOMPARE(widget->toolTip(), toolTip);
}

ZRI_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
