#pragma once

#include "ZuRaradirIzurodudozExport.h"

#include <QFont>
#include <QWidget>

#include <string>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/**
 * Abstract base of bar gauges: widgets that stand side by side with a title line above and a
 * footer line below a vertical scale area. Gauges whose title and footer fonts agree get scale
 * areas that line up. The base keeps the two fonts and their heights; it paints nothing.
 *
 * A font given by SetTitleFont or SetTitleSize takes effect only once SetTitleFontSystem(false)
 * is called; while the system flag is on, the title uses the widget's own font. The footer
 * works alike.
 */
class ZRI_EXPORT CBarBase : public QWidget
{
    Q_OBJECT

public:
    /// Title and footer use the widget's font (system flags on, no font set).
    explicit CBarBase(QWidget* parent = nullptr);
    ~CBarBase() override;

    /// Family (UTF-8), pixel size, bold and italic of the title font; marks it as set and
    /// schedules a repaint. The system flag stays as it is.
    void SetTitleFont(const std::string& family, unsigned int pixelSize, bool bold, bool italic);
    /// Whether the title uses the widget's font; stored, no repaint (layouts ask for the size
    /// hint again).
    void SetTitleFontSystem(bool system);
    /// The current effective title font with another pixel size becomes the title font.
    void SetTitleSize(unsigned int pixelSize);
    /// Family (UTF-8), pixel size, bold and italic of the footer font; marks it as set and
    /// schedules a repaint. The system flag stays as it is.
    void SetFooterFont(const std::string& family, unsigned int pixelSize, bool bold, bool italic);
    /// Whether the footer uses the widget's font; stored, no repaint (layouts ask for the size
    /// hint again).
    void SetFooterFontSystem(bool system);
    /// The current effective footer font with another pixel size becomes the footer font.
    void SetFooterSize(unsigned int pixelSize);

    /// Whether the gauge shows a current value.
    virtual bool NeedValue() const = 0;
    /// Whether the gauge needs a minimum and a maximum.
    virtual bool NeedMinMax() const = 0;

protected:
    /// The title font when it was set and the system flag is off, else the widget's font.
    const QFont& _GetTitleFont() const;
    /// The footer font when it was set and the system flag is off, else the widget's font.
    const QFont& _GetFooterFont() const;
    /// Line height of the effective title font.
    int _GetTitleHeight() const;
    /// Line height of the effective footer font.
    int _GetFooterHeight() const;

private:
    /// One of the two fonts: the system flag, whether a font was given, and the given font.
    struct SFontChoice
    {
        bool m_bSystem = true;
        bool m_bSet = false;
        QFont m_oFont;
    };
    const QFont& _GetEffectiveFont(const SFontChoice& choice) const;
    void _SetFont(SFontChoice& choice, const QFont& chosen);

    SFontChoice m_oTitle;
    SFontChoice m_oFooter;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
