// The concrete widgets offered in Designer's widget box. Abstract bases are not offered.
#include "WidgetCollection.h"

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

namespace ZriDesigner
{
namespace
{

namespace Zri = Varo::FenraQtGui::ZuRaradirIzurodudoz;

template <typename TWidget> std::function<QWidget*(QWidget*)> Create()
{
    return [](QWidget* parent) -> QWidget* { return new TWidget(parent); };
}

QString Class(const char* name)
{
    return QStringLiteral("Varo::FenraQtGui::ZuRaradirIzurodudoz::") + QLatin1String(name);
}

QString Header(const char* name)
{
    return QStringLiteral("ZuRaradirIzurodudoz/") + QLatin1String(name);
}

} // namespace

std::vector<SWidgetInfo> OfferedWidgets()
{
    return {
        {Class("CArrowButton"), Header("ArrowButton.h"), QStringLiteral("Arrow button"),
         QStringLiteral("A push button showing an engraved single or double arrow."), QSize(40, 30),
         Create<Zri::CArrowButton>()},
        {Class("CMediaButton"), Header("MediaButton.h"), QStringLiteral("Media button"),
         QStringLiteral("A push button showing a media symbol and an optional steady or blinking "
                        "state lamp."),
         QSize(60, 40), Create<Zri::CMediaButton>()},
        {Class("CKeyboardButton"), Header("KeyboardButton.h"), QStringLiteral("Keyboard key"),
         QStringLiteral("A push button drawn like a keyboard key, with up to three key-cap legends "
                        "or a key symbol."),
         QSize(60, 40), Create<Zri::CKeyboardButton>()},
        {Class("CKeyboardCheckBox"), Header("KeyboardCheckBox.h"),
         QStringLiteral("Keyboard check key"),
         QStringLiteral(
             "A keyboard key that stays pressed while checked; a click anywhere toggles it."),
         QSize(60, 40), Create<Zri::CKeyboardCheckBox>()},
        {Class("CBitmapButton"), Header("BitmapButton.h"), QStringLiteral("Bitmap button"),
         QStringLiteral(
             "A push button showing an enabled or disabled bitmap with optional engraved text."),
         QSize(60, 40), Create<Zri::CBitmapButton>()},
        {Class("CBitmapCheckBox"), Header("BitmapCheckBox.h"), QStringLiteral("Bitmap check box"),
         QStringLiteral("A bitmap button that stays sunken while checked."), QSize(60, 40),
         Create<Zri::CBitmapCheckBox>()},
        {Class("CCheckBoxSwitch"), Header("CheckBoxSwitch.h"), QStringLiteral("Switch check box"),
         QStringLiteral("A check box drawn as a slide switch, green when on and red when off, with "
                        "its text beside it."),
         QSize(120, 20), Create<Zri::CCheckBoxSwitch>()},
        {Class("CBarScalePercent"), Header("BarScalePercent.h"), QStringLiteral("Percentage ruler"),
         QStringLiteral(
             "A ruler from 0 to 100 percent with engraved ticks, to stand beside a bar gauge."),
         QSize(50, 200), Create<Zri::CBarScalePercent>()},
        {Class("CLineEdit"), Header("LineEdit.h"), QStringLiteral("Focus line edit"),
         QStringLiteral(
             "A line edit that signals setFocus() and looseFocus() after its own focus handling."),
         QSize(120, 24), Create<Zri::CLineEdit>()},
        {Class("CFileEditLine"), Header("FileEditLine.h"), QStringLiteral("File path edit"),
         QStringLiteral("A path field with a button that opens a directory, open or save dialog."),
         QSize(240, 28), Create<Zri::CFileEditLine>()},
        {Class("CMultiFileEdit"), Header("MultiFileEdit.h"), QStringLiteral("Multi-file edit"),
         QStringLiteral("An ordered list of file paths edited through dialogs, drag and drop, "
                        "reordering and band specifiers."),
         QSize(260, 160), Create<Zri::CMultiFileEdit>()},
        {Class("CRectangleDefinitionEdit"), Header("RectangleDefinitionEdit.h"),
         QStringLiteral("Rectangle edit"),
         QStringLiteral(
             "Four whole-number fields for the position and size of a rectangle, with a unit."),
         QSize(220, 90), Create<Zri::CRectangleDefinitionEdit>()},
        {Class("CLoggerDefinitionsEdit"), Header("LoggerDefinitionsEdit.h"),
         QStringLiteral("Logger definitions edit"),
         QStringLiteral("A table of logger definitions (type, level, name, port) with add and "
                        "remove buttons."),
         QSize(360, 180), Create<Zri::CLoggerDefinitionsEdit>()},
    };
}

} // namespace ZriDesigner
