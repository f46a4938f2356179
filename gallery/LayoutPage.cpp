// The widgets as an application places them: in ordinary layouts, with minimum sizes instead
// of fixed ones, stretching with the window. Resize the window to see them grow and shrink.
#include "Gallery.h"

#include "ArrowButton.h"
#include "BarScalePercent.h"
#include "CheckBoxSwitch.h"
#include "FileEditLine.h"
#include "KeyboardButton.h"
#include "MediaButton.h"
#include "RectangleDefinitionEdit.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QSlider>
#include <QVBoxLayout>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

// Grows with its layout, never below minimum.
template <typename TWidget> TWidget* Stretching(TWidget* widget, const QSize& minimum)
{
    widget->setMinimumSize(minimum);
    widget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return widget;
}

QWidget* MakeTransport()
{
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    const CMediaButton::EMode modes[] = {CMediaButton::ToStart, CMediaButton::Play,
                                         CMediaButton::Pause, CMediaButton::Stop,
                                         CMediaButton::Repeat};
    for (CMediaButton::EMode mode : modes)
    {
        auto* button = Stretching(new CMediaButton, QSize(48, 36));
        button->SetMode(mode);
        // Playing: its lamp is on; repeating: its lamp blinks.
        button->SetOnOffMode(mode == CMediaButton::Play     ? CMediaButton::Steady
                             : mode == CMediaButton::Repeat ? CMediaButton::Blinking
                                                            : CMediaButton::NoLamp);
        button->SetOn(true);
        layout->addWidget(button);
    }
    return ZriGallery::Framed(QStringLiteral("Transport (QHBoxLayout)"), box);
}

QWidget* MakeKeypad()
{
    auto* box = new QWidget;
    auto* layout = new QGridLayout(box);
    for (int key = 0; key < 9; ++key)
    {
        auto* button = Stretching(new CKeyboardButton, QSize(40, 40));
        button->Set(std::to_string(9 - key));
        layout->addWidget(button, key / 3, 2 - key % 3);
    }
    auto* enter = Stretching(new CKeyboardButton, QSize(40, 40));
    enter->Set(CKeyboardButton::CornerArrow);
    layout->addWidget(enter, 0, 3, 3, 1);
    return ZriGallery::Framed(QStringLiteral("Keypad (QGridLayout)"), box);
}

QWidget* MakeSettings()
{
    auto* box = new QWidget;
    auto* layout = new QFormLayout(box);
    const char* const names[] = {"Pump", "Heater", "Alarm"};
    for (int row = 0; row < 3; ++row)
    {
        auto* power = new CCheckBoxSwitch;
        power->setMinimumSize(80, 20);
        power->setText(row == 1 ? QStringLiteral("on") : QStringLiteral("off"));
        power->setChecked(row == 1);
        layout->addRow(QString::fromLatin1(names[row]), power);
    }
    const auto arrow = [](CArrowButton::EMode mode)
    {
        auto* button = new CArrowButton;
        button->setMinimumSize(28, 28);
        button->SetMode(mode);
        return button;
    };
    auto* scroll = new QHBoxLayout;
    scroll->addWidget(arrow(CArrowButton::DoubleLeft));
    scroll->addWidget(new QSlider(Qt::Horizontal), 1);
    scroll->addWidget(arrow(CArrowButton::DoubleRight));
    layout->addRow(QStringLiteral("Position"), scroll);
    auto* path = new CFileEditLine;
    path->OnPathChanged(QStringLiteral("/data/run-42.log"));
    layout->addRow(QStringLiteral("Log file"), path);
    layout->addRow(QStringLiteral("Region"),
                   new CRectangleDefinitionEdit(QRectF(0, 0, 640, 480), nullptr));
    return ZriGallery::Framed(QStringLiteral("Settings (QFormLayout)"), box);
}

QWidget* MakeLevels()
{
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    auto* ruler = Stretching(new CBarScalePercent, QSize(40, 120));
    ruler->SetSteps(4);
    layout->addWidget(ruler);
    const int values[] = {30, 75, 55};
    for (int value : values)
    {
        auto* bar = new QProgressBar;
        bar->setOrientation(Qt::Vertical);
        bar->setTextVisible(false);
        bar->setValue(value);
        layout->addWidget(bar);
    }
    return ZriGallery::Framed(QStringLiteral("Levels (QHBoxLayout)"), box);
}

QWidget* MakeLayoutPage()
{
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    layout->addWidget(MakeTransport(), 0, 0, 1, 2);
    layout->addWidget(MakeKeypad(), 1, 0);
    layout->addWidget(MakeLevels(), 1, 1);
    layout->addWidget(MakeSettings(), 2, 0, 1, 2);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 1);
    return page;
}

} // namespace

ZRI_GALLERY_PAGE("10-layouts", "In layouts", MakeLayoutPage);
