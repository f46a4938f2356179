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
    m_oTitleFont = Detail::MakeBarFont(family, pixelSize, bold, italic);
    m_bTitleFontSet = true;
    update();
}

void CBarBase::SetTitleFontSystem(bool system)
{
    m_bTitleSystemFont = system;
}

void CBarBase::SetTitleSize(unsigned int pixelSize)
{
    m_oTitleFont = Detail::WithPixelSize(_GetTitleFont(), pixelSize);
    m_bTitleFontSet = true;
    update();
}

void CBarBase::SetFooterFont(const std::string& family, unsigned int pixelSize, bool bold,
                             bool italic)
{
    m_oFooterFont = Detail::MakeBarFont(family, pixelSize, bold, italic);
    m_bFooterFontSet = true;
    update();
}

void CBarBase::SetFooterFontSystem(bool system)
{
    m_bFooterSystemFont = system;
}

void CBarBase::SetFooterSize(unsigned int pixelSize)
{
    m_oFooterFont = Detail::WithPixelSize(_GetFooterFont(), pixelSize);
    m_bFooterFontSet = true;
    update();
}

const QFont& CBarBase::_GetTitleFont() const
{
    return !m_bTitleSystemFont && m_bTitleFontSet ? m_oTitleFont : font();
}

const QFont& CBarBase::_GetFooterFont() const
{
    return !m_bFooterSystemFont && m_bFooterFontSet ? m_oFooterFont : font();
}

int CBarBase::_GetTitleHeight() const
{
    return QFontMetrics(_GetTitleFont()).height();
}

int CBarBase::_GetFooterHeight() const
{
    return QFontMetrics(_GetFooterFont()).height();
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
