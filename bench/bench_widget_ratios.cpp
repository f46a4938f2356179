// Each painted control against the plain Qt widget it stands in for, at 120 x 40, rendered
// alternately in one benchmark; the counter "ratio" is the control's time over the baseline's.
#include "BenchSupport.h"

#include "ArrowButton.h"
#include "BitmapButton.h"
#include "CheckBoxSwitch.h"
#include "KeyboardButton.h"
#include "MediaButton.h"

#include <QCheckBox>
#include <QPushButton>

#include <functional>
#include <memory>
#include <string>

namespace Zri = Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

const QSize kSize(120, 40);

using Factory = std::function<std::unique_ptr<QWidget>()>;

std::unique_ptr<QWidget> PushButtonOk()
{
    auto button = std::make_unique<QPushButton>(QStringLiteral("OK"));
    button->resize(kSize);
    return button;
}

std::unique_ptr<QWidget> CheckBoxPump()
{
    auto box = std::make_unique<QCheckBox>(QStringLiteral("Pump"));
    box->resize(kSize);
    box->setChecked(true);
    return box;
}

void Register(const std::string& name, Factory subject, Factory baseline, std::string label)
{
    benchmark::RegisterBenchmark(name.c_str(),
                                 [subject, baseline, label](benchmark::State& state)
                                 {
                                     const auto control = subject();
                                     const auto plain = baseline();
                                     ZriBench::InterleavedRatio(state, *control, *plain);
                                     state.SetLabel(label);
                                 });
}

const char* const kMediaNames[] = {"Play",   "Pause",  "Stop",     "ToStart",   "RampDown",
                                   "RampUp", "Repeat", "DropLeft", "DropRight", "DropCrossed"};

std::unique_ptr<QWidget> Media(int mode, bool lamp)
{
    auto button = std::make_unique<Zri::CMediaButton>();
    button->resize(kSize);
    button->SetMode(Zri::CMediaButton::EMode(mode));
    if (lamp)
    {
        button->SetOnOffMode(Zri::CMediaButton::Steady);
        button->SetOn(true);
    }
    return button;
}

std::unique_ptr<QWidget> Arrow(Zri::CArrowButton::EMode mode)
{
    auto button = std::make_unique<Zri::CArrowButton>();
    button->resize(kSize);
    button->SetMode(mode);
    return button;
}

std::unique_ptr<QWidget> Key(int labels)
{
    auto key = std::make_unique<Zri::CKeyboardButton>();
    key->resize(kSize);
    if (labels == 2)
        key->Set("Esc", "F1");
    else
        key->Set("!", "1", "F1");
    return key;
}

std::unique_ptr<QWidget> Bitmap()
{
    QImage bitmap(32, 32, QImage::Format_ARGB32_Premultiplied);
    bitmap.fill(QColor(200, 40, 40));
    auto button = std::make_unique<Zri::CBitmapButton>();
    button->resize(kSize);
    button->setText(QStringLiteral("Fire"));
    button->SetBitmap(bitmap, true);
    return button;
}

std::unique_ptr<QWidget> Switch()
{
    auto box = std::make_unique<Zri::CCheckBoxSwitch>();
    box->setText(QStringLiteral("Pump"));
    box->resize(kSize);
    box->setChecked(true);
    return box;
}

const bool s_bRegistered = []
{
    const std::string vsButton = "vs:QPushButton(OK) goal:";
    for (int mode = 0; mode < 10; ++mode)
        for (const bool lamp : {false, true})
            Register(
                std::string("BM_Ratio_Media_") + kMediaNames[mode] + (lamp ? "_Lamp" : ""),
                [=] { return Media(mode, lamp); }, PushButtonOk, vsButton + "0.8");
    Register(
        "BM_Ratio_Arrow_Up", [] { return Arrow(Zri::CArrowButton::Up); }, PushButtonOk,
        vsButton + "0.66");
    Register(
        "BM_Ratio_Arrow_DoubleRight", [] { return Arrow(Zri::CArrowButton::DoubleRight); },
        PushButtonOk, vsButton + "0.66");
    Register("BM_Ratio_Bitmap", Bitmap, PushButtonOk, vsButton + "1.2");
    Register(
        "BM_Ratio_Key_TwoLabels", [] { return Key(2); }, PushButtonOk, vsButton + "1.2");
    Register(
        "BM_Ratio_Key_ThreeLabels", [] { return Key(3); }, PushButtonOk, vsButton + "1.2");
    Register("BM_Ratio_Switch", Switch, CheckBoxPump, "vs:QCheckBox(Pump) goal:1.1");
    return true;
}();

} // namespace
