// Switch check boxes: lying and standing, text left, right or hidden, off and on.
#include "Gallery.h"

#include "CheckBoxSwitch.h"

using Varo::FenraQtGui::ZuRaradirIzurodudoz::CCheckBoxSwitch;

namespace
{

QWidget* MakeSwitchCell(int row, int column)
{
    auto* box = new CCheckBoxSwitch;
    box->setText(QStringLiteral("Pump"));
    box->SetDrawMode(row < 3 ? CCheckBoxSwitch::Horizontal : CCheckBoxSwitch::Vertical);
    box->SetTextMode(CCheckBoxSwitch::ETextMode(row % 3));
    box->setChecked(column % 2 == 1);
    box->setEnabled(column < 2);
    box->setFixedSize(120, row < 3 ? 20 : 32);
    return box;
}

QWidget* MakeSwitchPage()
{
    const QStringList rows = {"Horizontal, TextLeft", "Horizontal, TextRight", "Horizontal, NoText",
                              "Vertical, TextLeft",   "Vertical, TextRight",   "Vertical, NoText"};
    const QStringList columns = {"off", "on", "off, disabled", "on, disabled"};
    return ZriGallery::MakeGrid(rows, columns, MakeSwitchCell);
}

} // namespace

ZRI_GALLERY_PAGE("05-switches", "Switch check boxes", MakeSwitchPage);
