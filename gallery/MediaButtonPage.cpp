// Media buttons: every symbol without a lamp, with a steady lamp off and on, and with a blinking
// lamp off and on. The blinking column really blinks while the gallery runs.
#include "Gallery.h"

#include "MediaButton.h"

using Varo::FenraQtGui::ZuRaradirIzurodudoz::CMediaButton;

namespace
{

struct SLampColumn
{
    const char* szTitle;
    CMediaButton::EOnOffMode eMode;
    bool bOn;
};

const SLampColumn kColumns[] = {
    {"no lamp", CMediaButton::NoLamp, true},
    {"steady\noff", CMediaButton::Steady, false},
    {"steady\non", CMediaButton::Steady, true},
    {"blinking\noff", CMediaButton::Blinking, false},
    {"blinking\non", CMediaButton::Blinking, true},
};

QWidget* MakeMediaCell(int mode, int column)
{
    auto* button = new CMediaButton;
    button->setFixedSize(64, 40);
    button->SetMode(CMediaButton::EMode(mode));
    button->SetOnOffMode(kColumns[column].eMode);
    button->SetOn(kColumns[column].bOn);
    button->setToolTip(QStringLiteral("Click me"));
    return button;
}

QWidget* MakeMediaButtonPage()
{
    const QStringList modes = {"Play",   "Pause",  "Stop",     "ToStart",   "RampDown",
                               "RampUp", "Repeat", "DropLeft", "DropRight", "DropCrossed"};
    QStringList columns;
    for (const SLampColumn& column : kColumns)
        columns << QString::fromLatin1(column.szTitle);
    return ZriGallery::MakeGrid(modes, columns, MakeMediaCell);
}

} // namespace

ZRI_GALLERY_PAGE("02-media-buttons", "Media buttons", MakeMediaButtonPage);
