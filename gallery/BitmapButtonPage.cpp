// Bitmap buttons: every fitting mode and alignment, enabled, pressed and disabled, with and
// without text. The bitmaps are drawn here so the page needs no files.
#include "Gallery.h"

#include "BitmapButton.h"
#include "BitmapCheckBox.h"

#include <QPainter>

using Varo::FenraQtGui::ZuRaradirIzurodudoz::CBitmapButton;
using Varo::FenraQtGui::ZuRaradirIzurodudoz::CBitmapCheckBox;
using Varo::FenraQtGui::ZuRaradirIzurodudoz::CBitmapHelper;

namespace
{

// A 32 x 32 target: rings in colour for the enabled widget, in grey for the disabled one.
QImage DemoBitmap(bool enabled)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colours[] = {QColor(220, 40, 40), QColor(250, 250, 250), QColor(40, 90, 220)};
    for (int ring = 0; ring < 3; ++ring)
    {
        const QColor colour =
            enabled ? colours[ring] : QColor(120 + 40 * ring, 120 + 40 * ring, 120 + 40 * ring);
        painter.setBrush(colour);
        painter.setPen(Qt::NoPen);
        const int inset = 5 * ring;
        painter.drawEllipse(QRect(inset, inset, 32 - 2 * inset, 32 - 2 * inset));
    }
    return image;
}

enum EColumn
{
    Normal,
    Pressed,
    Disabled,
    NoText,
    CheckBoxOn,
    ColumnCount
};

struct SRow
{
    const char* pszTitle;
    CBitmapHelper::EMode eMode;
    CBitmapHelper::EBitmapDefaultAlignment eAlignment;
};

const SRow kRows[] = {
    {"NoBitmap", CBitmapHelper::NoBitmap, CBitmapHelper::CenterAligned},
    {"Aligned, centre", CBitmapHelper::Aligned, CBitmapHelper::CenterAligned},
    {"Aligned, left", CBitmapHelper::Aligned, CBitmapHelper::LeftAligned},
    {"Aligned, right", CBitmapHelper::Aligned, CBitmapHelper::RightAligned},
    {"Aligned, top", CBitmapHelper::Aligned, CBitmapHelper::TopAligned},
    {"Aligned, bottom", CBitmapHelper::Aligned, CBitmapHelper::BottomAligned},
    {"IconSize", CBitmapHelper::IconSize, CBitmapHelper::CenterAligned},
    {"Stretched", CBitmapHelper::Stretched, CBitmapHelper::CenterAligned},
};

template <class TWidget> void SetUp(TWidget& widget, const SRow& row, int column)
{
    widget.setText(QStringLiteral("Fire"));
    widget.setIconSize(QSize(16, 16));
    widget.SetBitmap(DemoBitmap(true), true);
    widget.SetBitmap(DemoBitmap(false), false);
    widget.SetMode(row.eMode);
    widget.SetBitmapDefaultAlignment(row.eAlignment);
    widget.SetDrawText(column != NoText);
    widget.setEnabled(column != Disabled);
    // 80 x 30 leaves a 72 x 22 face: the 32 x 32 bitmap is cropped at top and bottom.
    widget.setFixedSize(80, 30);
}

QWidget* MakeBitmapCell(int row, int column)
{
    if (column == CheckBoxOn)
    {
        auto* box = new CBitmapCheckBox;
        box->setChecked(true);
        SetUp(*box, kRows[row], column);
        return box;
    }
    auto* button = new CBitmapButton;
    button->setDown(column == Pressed);
    SetUp(*button, kRows[row], column);
    return button;
}

QWidget* MakeBitmapButtonPage()
{
    QStringList rows;
    for (const SRow& row : kRows)
        rows << QString::fromLatin1(row.pszTitle);
    const QStringList columns = {"normal", "pressed", "disabled", "no text", "check box on"};
    Q_ASSERT(columns.size() == ColumnCount);
    return ZriGallery::MakeGrid(rows, columns, MakeBitmapCell);
}

} // namespace

ZRI_GALLERY_PAGE("04-bitmap-buttons", "Bitmap buttons", MakeBitmapButtonPage);
