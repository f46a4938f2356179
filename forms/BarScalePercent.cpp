#include "BarScalePercent.h"

#include <QFontInfo>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

CBarScalePercent::CBarScalePercent(QWidget* parent) : Base(parent) {}

CBarScalePercent::~CBarScalePercent() = default;

namespace
{

// What the ruler keeps of a font: Designer's font editor gives point sizes, the ruler pixels.
int RulerPixels(const QFont& font)
{
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

bool SameRulerFont(const QFont& set, const QFont& drawn)
{
    return set.family() == drawn.family() && RulerPixels(set) == drawn.pixelSize() &&
           set.bold() == drawn.bold() && set.italic() == drawn.italic();
}

} // namespace

QSize CBarScalePercent::sizeHint() const
{
    return FittingSize();
}

QSize CBarScalePercent::minimumSizeHint() const
{
    return QSize(FittingSize().width(), _GetTitleHeight() + _GetFooterHeight() + 20);
}

QFont CBarScalePercent::rulerFont() const
{
    const QFont& drawn = _GetRulerFont();
    return m_oSetFont && SameRulerFont(*m_oSetFont, drawn) ? *m_oSetFont : drawn;
}

void CBarScalePercent::setRulerFont(const QFont& font)
{
    m_oSetFont = font;
    SetRulerFont(font.family().toStdString(), static_cast<unsigned int>(RulerPixels(font)),
                 font.bold(), font.italic());
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
