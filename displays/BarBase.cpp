#include "BarBase.h"

#include "BarGeometry.h"

#include <QFontMetrics>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

CBarBase::CBarBase(QWidget* parent) : QWidget(parent) {}

CBarBase::~CBarBase() = default;

void CBarBase::SetTitleFont(const std::string& family, unsigned int pixelSize, bool bold,
                            bool italic)
{
    _SetFont(m_oTitle, Detail::WithBarFont(m_oTitle.m_oFont, family, pixelSize, bold, italic));
}

void CBarBase::SetTitleFontSystem(bool system)
{
    m_oTitle.m_bSystem = system;
    updateGeometry(); // the bands' heights, and so the size hint, may change
}

void CBarBase::SetTitleSize(unsigned int pixelSize)
{
    _SetFont(m_oTitle, Detail::WithPixelSize(_GetTitleFont(), pixelSize));
}

void CBarBase::SetFooterFont(const std::string& family, unsigned int pixelSize, bool bold,
                             bool italic)
{
    _SetFont(m_oFooter, Detail::WithBarFont(m_oFooter.m_oFont, family, pixelSize, bold, italic));
}

void CBarBase::SetFooterFontSystem(bool system)
{
    m_oFooter.m_bSystem = system;
    updateGeometry();
}

void CBarBase::SetFooterSize(unsigned int pixelSize)
{
    _SetFont(m_oFooter, Detail::WithPixelSize(_GetFooterFont(), pixelSize));
}

const QFont& CBarBase::_GetTitleFont() const
{
    return _GetEffectiveFont(m_oTitle);
}

const QFont& CBarBase::_GetFooterFont() const
{
    return _GetEffectiveFont(m_oFooter);
}

int CBarBase::_GetTitleHeight() const
{
    return QFontMetrics(_GetTitleFont()).height();
}

int CBarBase::_GetFooterHeight() const
{
    return QFontMetrics(_GetFooterFont()).height();
}

const QFont& CBarBase::_GetEffectiveFont(const SFontChoice& choice) const
{
    return !choice.m_bSystem && choice.m_bSet ? choice.m_oFont : font();
}

void CBarBase::_SetFont(SFontChoice& choice, const QFont& chosen)
{
    choice.m_oFont = chosen;
    choice.m_bSet = true;
    update();
    updateGeometry();
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
