// Bar gauges: the percentage ruler in its four scale modes beside simple bars.
#include "Gallery.h"

#include "BarScalePercent.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPalette>

using Varo::FenraQtGui::ZuRaradirIzurodudoz::CBarBase;
using Varo::FenraQtGui::ZuRaradirIzurodudoz::CBarScalePercent;

namespace
{

// A bar filled to a percentage, with its title and footer drawn in the bands that the base
// reserves, so that its scale area lines up with the ruler's.
class CGalleryBar : public CBarBase
{
public:
    CGalleryBar(const QString& title, int percent) : m_sTitle(title), m_nPercent(percent)
    {
        setFixedSize(48, 240);
    }
    bool NeedValue() const override { return true; }
    bool NeedMinMax() const override { return false; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QPalette palette = QGuiApplication::palette();
        const int top = _GetTitleHeight();
        const int bottom = height() - 1 - _GetFooterHeight();
        const int span = bottom - top + 1;
        const int filled = span * m_nPercent / 100;
        painter.fillRect(QRect(8, top, width() - 16, span), palette.color(QPalette::Base));
        painter.fillRect(QRect(8, bottom - filled + 1, width() - 16, filled),
                         palette.color(QPalette::Highlight));
        painter.setPen(palette.color(QPalette::Dark));
        painter.drawRect(QRect(8, top, width() - 17, span - 1));
        painter.setPen(palette.color(QPalette::WindowText));
        painter.setFont(_GetTitleFont());
        painter.drawText(QRect(0, 0, width(), top), Qt::AlignCenter, m_sTitle);
        painter.setFont(_GetFooterFont());
        painter.drawText(QRect(0, bottom + 1, width(), _GetFooterHeight()), Qt::AlignCenter,
                         QString("%1 %").arg(m_nPercent));
    }

private:
    QString m_sTitle;
    int m_nPercent;
};

// Title and footer fonts that every gauge of a row shares, so the scales line up.
void UseRowFonts(CBarBase& gauge)
{
    gauge.SetTitleFont("DejaVu Sans", 15, true, false);
    gauge.SetTitleFontSystem(false);
    gauge.SetFooterFont("DejaVu Sans", 12, false, true);
    gauge.SetFooterFontSystem(false);
}

QWidget* MakeBarCell(int row, int column)
{
    const bool left = row == 0 || row == 1;
    const bool right = row == 0 || row == 2;
    CBarBase* gauge = nullptr;
    if (column == 1)
    {
        auto* ruler = new CBarScalePercent;
        ruler->setFixedSize(84, 240);
        ruler->SetScaleMode(left, right);
        ruler->SetSteps(row == 3 ? 3 : 10);
        gauge = ruler;
    }
    else
    {
        gauge =
            new CGalleryBar(column == 0 ? "A" : "B", column == 0 ? 35 + 10 * row : 80 - 15 * row);
    }
    UseRowFonts(*gauge);
    return gauge;
}

QWidget* MakeBarPage()
{
    return ZriGallery::MakeGrid(
        {"ticks both sides", "ticks left", "ticks right", "no ticks\n(3 steps)"},
        {"bar", "CBarScalePercent", "bar"}, MakeBarCell);
}

} // namespace

ZRI_GALLERY_PAGE("06-bar-gauges", "Bar gauges", MakeBarPage);
