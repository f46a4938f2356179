// What screen readers and UI-test tools hear of the painted buttons. The factory is installed
// when the library loads (or at once, when an application already runs): no button class
// needs to know about it, and a subclass of a button is read like the button itself.
#include "AccessibleControl.h"
#include "ArrowButton.h"
#include "BitmapButton.h"
#include "BitmapCheckBox.h"
#include "CheckBoxSwitch.h"
#include "KeyboardButton.h"
#include "KeyboardCheckBox.h"
#include "MediaButton.h"
#include "TranslatedText.h"

#include <QCoreApplication>

#include <iterator>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

/// The name of a symbol, or the fallback for a value outside the enumeration.
template <std::size_t N>
QString SymbolName(int nValue, const char* const (&names)[N], const char* pszFallback)
{
    const bool bKnown = nValue >= 0 && nValue < int(N) && names[nValue] != nullptr;
    return TranslatedText(bKnown ? names[nValue] : pszFallback);
}

/// The button's own text without mnemonics, or the fallback when it has none.
QString TextOr(const QAbstractButton& button, const char* pszFallback)
{
    const QString qsText = StripMnemonic(button.text());
    return qsText.isEmpty() ? TranslatedText(pszFallback) : qsText;
}

QString ArrowName(const QWidget& control)
{
    static const char* const names[] = {ZRI_TR_NOOP("Up"),          ZRI_TR_NOOP("Down"),
                                        ZRI_TR_NOOP("Left"),        ZRI_TR_NOOP("Right"),
                                        ZRI_TR_NOOP("Double up"),   ZRI_TR_NOOP("Double down"),
                                        ZRI_TR_NOOP("Double left"), ZRI_TR_NOOP("Double right")};
    return SymbolName(static_cast<const CArrowButton&>(control).GetMode(), names,
                      ZRI_TR_NOOP("Arrow"));
}

QString MediaName(const QWidget& control)
{
    static const char* const names[] = {ZRI_TR_NOOP("Play"),       ZRI_TR_NOOP("Pause"),
                                        ZRI_TR_NOOP("Stop"),       ZRI_TR_NOOP("To start"),
                                        ZRI_TR_NOOP("Ramp down"),  ZRI_TR_NOOP("Ramp up"),
                                        ZRI_TR_NOOP("Repeat"),     ZRI_TR_NOOP("Drop left"),
                                        ZRI_TR_NOOP("Drop right"), ZRI_TR_NOOP("Drop crossed")};
    return SymbolName(static_cast<const CMediaButton&>(control).GetMode(), names,
                      ZRI_TR_NOOP("Media button"));
}

// Every lamp mode but NoLamp shows the lamp; only Blinking makes an on lamp blink.
QString MediaLamp(const QWidget& control)
{
    const auto& button = static_cast<const CMediaButton&>(control);
    if (button.GetOnOffMode() == CMediaButton::NoLamp)
        return QString();
    if (!button.IsOn())
        return TranslatedText("lamp off");
    return TranslatedText(button.GetOnOffMode() == CMediaButton::Blinking ? "lamp blinking"
                                                                          : "lamp on");
}

// The legends and the mode are protected members of the mix-in. A pointer to member formed
// through this derived class reads them from any key (the class is never instantiated).
struct SKeyFace : CKeyboardButtonBase
{
    static QString Name(const CKeyboardButtonBase& key, const QAbstractButton& button)
    {
        static const char* const names[] = {nullptr,
                                            ZRI_TR_NOOP("Up arrow"),
                                            ZRI_TR_NOOP("Down arrow"),
                                            ZRI_TR_NOOP("Left arrow"),
                                            ZRI_TR_NOOP("Right arrow"),
                                            ZRI_TR_NOOP("Outlined up arrow"),
                                            ZRI_TR_NOOP("Outlined down arrow"),
                                            ZRI_TR_NOOP("Block up arrow"),
                                            ZRI_TR_NOOP("Block up arrow"),
                                            ZRI_TR_NOOP("Block up arrow"),
                                            ZRI_TR_NOOP("Block up arrow"),
                                            ZRI_TR_NOOP("Long left arrow"),
                                            ZRI_TR_NOOP("Corner arrow")};
        const EKeyboardButtonMode eMode = (key.*&SKeyFace::_Mode)();
        if (eMode != Labels)
            return SymbolName(eMode, names, ZRI_TR_NOOP("Key"));
        QStringList qslLabels;
        for (const std::string& label :
             {(key.*&SKeyFace::_TopLeftLabel)(), (key.*&SKeyFace::_BottomLeftLabel)(),
              (key.*&SKeyFace::_BottomRightLabel)()})
            if (!label.empty())
                qslLabels << QString::fromStdString(label);
        return qslLabels.isEmpty() ? TextOr(button, ZRI_TR_NOOP("Key"))
                                   : qslLabels.join(QLatin1Char(' '));
    }
};

QString KeyName(const QWidget& control)
{
    const auto& key = static_cast<const CKeyboardButton&>(control);
    return SKeyFace::Name(key, key);
}

QString CheckKeyName(const QWidget& control)
{
    const auto& key = static_cast<const CKeyboardCheckBox&>(control);
    return SKeyFace::Name(key, key);
}

QString BitmapName(const QWidget& control)
{
    return TextOr(static_cast<const QAbstractButton&>(control), ZRI_TR_NOOP("Bitmap button"));
}

QString SwitchName(const QWidget& control)
{
    return TextOr(static_cast<const QAbstractButton&>(control), ZRI_TR_NOOP("Switch"));
}

QString SwitchPosition(const QWidget& control)
{
    return TranslatedText(static_cast<const QAbstractButton&>(control).isChecked() ? "on" : "off");
}

const SAccessibleKind kButtons[] = {
    {&CArrowButton::staticMetaObject, QAccessible::Button, ArrowName, nullptr},
    {&CMediaButton::staticMetaObject, QAccessible::Button, MediaName, MediaLamp},
    {&CKeyboardButton::staticMetaObject, QAccessible::Button, KeyName, nullptr},
    {&CKeyboardCheckBox::staticMetaObject, QAccessible::CheckBox, CheckKeyName, nullptr},
    {&CBitmapButton::staticMetaObject, QAccessible::Button, BitmapName, nullptr},
    {&CBitmapCheckBox::staticMetaObject, QAccessible::CheckBox, BitmapName, nullptr},
    {&CCheckBoxSwitch::staticMetaObject, QAccessible::CheckBox, SwitchName, SwitchPosition},
};

void InstallButtonAccessibility()
{
    QAccessible::installFactory(AccessibleControlFactory<kButtons, std::size(kButtons)>);
}

Q_COREAPP_STARTUP_FUNCTION(InstallButtonAccessibility)

} // namespace

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
