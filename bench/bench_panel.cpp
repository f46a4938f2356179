// A control panel of 100 painted controls in a grid (arrows, media buttons with lamps in every
// mode, keys with labels and symbols, bitmap buttons and check boxes, switches, a ruler) against
// the same grid of QPushButton and QCheckBox with short texts, rendered whole at device pixel
// ratio 1 and 2.
#include "BenchSupport.h"

#include "ArrowButton.h"
#include "BarScalePercent.h"
#include "BitmapButton.h"
#include "BitmapCheckBox.h"
#include "CheckBoxSwitch.h"
#include "KeyboardButton.h"
#include "KeyboardCheckBox.h"
#include "MediaButton.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>

#include <memory>

namespace Zri = Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

constexpr int kRows = 11;
constexpr int kColumns = 9; // and the ruler in a tenth column over all rows
const QSize kCell(100, 32);

// What the plain panel puts in a cell: a push button, or a check box for check-box controls.
enum class EPlain
{
    PushButton,
    CheckBox
};

QImage Bitmap()
{
    QImage bitmap(20, 20, QImage::Format_ARGB32_Premultiplied);
    bitmap.fill(QColor(40, 120, 200));
    return bitmap;
}

QWidget* Arrow(int row)
{
    auto* arrow = new Zri::CArrowButton;
    arrow->SetMode(Zri::CArrowButton::EMode(row % 8));
    arrow->SetFitMode(Zri::CArrowButton::EFitMode(row % 3 == 0));
    return arrow;
}

// Three columns of media buttons: every symbol, each lamp mode, on and off.
QWidget* Media(int row, int column)
{
    auto* media = new Zri::CMediaButton;
    media->SetMode(Zri::CMediaButton::EMode((row + 4 * column) % 10));
    media->SetOnOffMode(Zri::CMediaButton::EOnOffMode((row + column) % 3));
    media->SetOn(row % 2 == 0);
    return media;
}

QWidget* Key(int row, int column)
{
    auto* key = new Zri::CKeyboardButton;
    if (column == 5 && row % 2 == 1)
        key->Set(Zri::CKeyboardButtonBase::EKeyboardButtonMode(1 + row % 12));
    else if (row % 3 == 0)
        key->Set("Esc");
    else if (row % 3 == 1)
        key->Set("!", "1");
    else
        key->Set("!", "1", "F1");
    return key;
}

QWidget* PaintedCell(int row, int column, EPlain& plain)
{
    plain = EPlain::PushButton;
    switch (column)
    {
    case 0:
        return Arrow(row);
    case 1:
    case 2:
    case 3:
        return Media(row, column);
    case 4:
    case 5:
        return Key(row, column);
    case 6:
    {
        auto* button = new Zri::CBitmapButton;
        button->setText(QStringLiteral("Fire"));
        button->SetBitmap(Bitmap(), true);
        return button;
    }
    case 7:
    {
        plain = EPlain::CheckBox;
        if (row % 2 == 0)
        {
            auto* key = new Zri::CKeyboardCheckBox;
            key->Set("Hold");
            key->setChecked(row % 4 == 0);
            return key;
        }
        auto* box = new Zri::CBitmapCheckBox;
        box->setText(QStringLiteral("Lock"));
        box->SetBitmap(Bitmap(), true);
        return box;
    }
    default:
    {
        plain = EPlain::CheckBox;
        auto* box = new Zri::CCheckBoxSwitch;
        box->setText(QStringLiteral("Pump"));
        box->setChecked(row % 2 == 0);
        return box;
    }
    }
}

QWidget* PlainCell(EPlain plain)
{
    if (plain == EPlain::CheckBox)
    {
        auto* box = new QCheckBox(QStringLiteral("Pump"));
        box->setChecked(true);
        return box;
    }
    return new QPushButton(QStringLiteral("OK"));
}

std::unique_ptr<QWidget> Panel(bool painted)
{
    auto panel = std::make_unique<QWidget>();
    auto* grid = new QGridLayout(panel.get());
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
        {
            EPlain plain = EPlain::PushButton;
            QWidget* cell = PaintedCell(row, column, plain);
            if (!painted)
            {
                delete cell;
                cell = PlainCell(plain);
            }
            cell->setFixedSize(kCell);
            grid->addWidget(cell, row, column);
        }
    QWidget* ruler = painted ? static_cast<QWidget*>(new Zri::CBarScalePercent)
                             : new QPushButton(QStringLiteral("%"));
    ruler->setFixedWidth(60);
    grid->addWidget(ruler, 0, kColumns, kRows, 1);
    grid->activate();
    panel->resize(panel->sizeHint());
    return panel;
}

void BM_Panel_Ratio(benchmark::State& state)
{
    const auto painted = Panel(true);
    const auto plain = Panel(false);
    ZriBench::InterleavedRatio(state, *painted, *plain, qreal(state.range(0)));
    state.SetLabel("vs:QPushButton+QCheckBox goal:1.0");
}
BENCHMARK(BM_Panel_Ratio)->Arg(1)->Arg(2)->MinTime(0.5);

} // namespace
