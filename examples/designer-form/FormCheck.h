#pragma once

// What AllWidgets.ui sets on each widget, read back at run time through the widgets' own
// getters. The example checks the form that uic's code built with it; the library's tests check
// the same form loaded through QUiLoader and the Designer plugin.
#include <ZuRaradirIzurodudoz/Forms/Forms.h>
#include <ZuRaradirIzurodudoz/ZuRaradirIzurodudoz.h>

#include <QStringList>

namespace DesignerForm
{

/// The settings of AllWidgets.ui that did not arrive in form; empty when all did.
inline QStringList MissingSettings(const QWidget& form)
{
    namespace Zri = Varo::FenraQtGui::ZuRaradirIzurodudoz;
    using Arrow = Zri::CArrowButton;
    using Media = Zri::CMediaButton;
    using Switch = Zri::CCheckBoxSwitch;
    using Key = Zri::Forms::CKeyboardButton;
    using CheckKey = Zri::Forms::CKeyboardCheckBox;
    QStringList missing;
    const auto check = [&missing](bool arrived, const char* setting)
    {
        if (!arrived)
            missing << QString::fromLatin1(setting);
    };
    const auto* arrow = form.findChild<Arrow*>("arrowButton");
    check(arrow && arrow->GetMode() == Arrow::DoubleLeft && arrow->GetFitMode() == Arrow::Stretch,
          "arrow: mode, fitMode");
    const auto* media = form.findChild<Media*>("mediaButton");
    check(media && media->GetMode() == Media::Repeat && media->GetOnOffMode() == Media::Steady &&
              media->IsOn(),
          "media: mode, onOffMode, on");
    const auto* key = form.findChild<Key*>("keyboardButton");
    check(key && key->topLeftLabel() == "Esc" && key->textSizeMode() == Key::ScaledSize,
          "key: topLeftLabel, textSizeMode");
    const auto* checkKey = form.findChild<CheckKey*>("keyboardCheckBox");
    check(checkKey && checkKey->isChecked() && checkKey->mode() == CheckKey::CornerArrow &&
              checkKey->bottomRightLabel() == "F2",
          "check key: checked, mode, bottomRightLabel");
    const auto* bitmap = form.findChild<Zri::Forms::CBitmapButton*>("bitmapButton");
    check(bitmap && bitmap->text() == "Open" &&
              bitmap->bitmapAlignment() == Zri::Forms::CBitmapButton::RightAligned,
          "bitmap button: text, bitmapAlignment");
    const auto* bitmapBox = form.findChild<Zri::Forms::CBitmapCheckBox*>("bitmapCheckBox");
    check(bitmapBox && bitmapBox->bitmapMode() == Zri::Forms::CBitmapCheckBox::Stretched &&
              !bitmapBox->drawText(),
          "bitmap check box: bitmapMode, drawText");
    const auto* power = form.findChild<Switch*>("checkBoxSwitch");
    check(power && power->text() == "Power" && power->GetDrawMode() == Switch::Vertical &&
              power->GetTextMode() == Switch::TextLeft,
          "switch: text, drawMode, textMode");
    const auto* ruler = form.findChild<Zri::Forms::CBarScalePercent*>("barScalePercent");
    check(ruler && ruler->steps() == 4 && ruler->ticksLeft() && !ruler->ticksRight(),
          "ruler: steps, ticksRight");
    const auto* gauge = form.findChild<Zri::Forms::CBarGauge*>("barGauge");
    check(gauge && gauge->Title() == "Tank" && gauge->ValueText() == "42 %" && gauge->IsAlarm(),
          "bar gauge: title, unit, value, highAlarmEnabled, highAlarm");
    const auto* slider = form.findChild<Zri::Forms::CRangeSlider*>("rangeSlider");
    check(slider && slider->Minimum() == 200 && slider->Maximum() == 300 &&
              slider->StartValue() == 220 && slider->EndValue() == 280 &&
              slider->Orientation() == Qt::Vertical,
          "range slider: minimum, maximum, startValue, endValue, orientation");
    const auto* line = form.findChild<Zri::CLineEdit*>("lineEdit");
    check(line && line->text() == "typed", "line edit: text");
    auto* path = form.findChild<Zri::CFileEditLine*>("fileEditLine");
    check(path && path->GetCurrentPath() == "/data/form.txt", "file path edit: path");
    const auto* files = form.findChild<Zri::Forms::CMultiFileEdit*>("multiFileEdit");
    check(files && files->selection() == QStringList{"a.txt", "b.txt"},
          "multi-file edit: selection");
    const auto* rectangle =
        form.findChild<Zri::Forms::CRectangleDefinitionEdit*>("rectangleDefinitionEdit");
    check(rectangle && rectangle->GetRectangleDefinition() == QRectF(1, 2, 30, 40) &&
              rectangle->unitString() == "mm",
          "rectangle edit: rectangleDefinition, unitString");
    const auto* loggers = form.findChild<Zri::CLoggerDefinitionsEdit*>("loggerDefinitionsEdit");
    check(loggers && loggers->toolTip() == "Where the messages go", "logger definitions: toolTip");
    return missing;
}

} // namespace DesignerForm
