#include "BarGeometry.h"

#include "MakeValueString.h"

#include <QFontMetrics>

#include <algorithm>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

QFont WithBarFont(QFont font, const std::string& family, unsigned int pixelSize, bool bold,
                  bool italic)
{
    font.setFamily(QString::fromStdString(family));
    font.setPixelSize(static_cast<int>(pixelSize));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyle(italic ? QFont::StyleItalic : QFont::StyleNormal);
    return font;
}

QFont WithPixelSize(const QFont& font, unsigned int pixelSize)
{
    QFont sized(font);
    sized.setPixelSize(static_cast<int>(pixelSize));
    return sized;
}

QStringList RulerLabels(unsigned int steps)
{
    QStringList labels;
    if (steps == 0 || steps > kMaxRulerSteps)
    {
        return labels;
    }
    for (unsigned int i = 0; i <= steps; ++i)
    {
        const Fenra::Strings::SMakeValueStringParameter parameter;
        const double percent = static_cast<double>(i) / steps * 100.0;
        labels << QString::fromLatin1(
            Fenra::Strings::Detail::SMakeValueStringImpl<double>()(percent, parameter).c_str());
    }
    return labels;
}

QSize RulerLabelSize(const QStringList& labels, const QFontMetrics& metrics)
{
    int width = 0;
    for (const QString& label : labels)
    {
        width = std::max(width, metrics.horizontalAdvance(label));
    }
    return QSize(width, metrics.height());
}

SRulerLayout RulerLayout(const QRect& rect, int titleHeight, int footerHeight, unsigned int steps,
                         const QSize& labelSize, bool ticksLeft, bool ticksRight)
{
    SRulerLayout layout;
    const int left = rect.left();
    const int right = rect.right();
    const int width = right - left + 1;
    const int labelWidth = labelSize.width();
    layout.bTicksLeft = ticksLeft;
    layout.bTicksRight = ticksRight;
    if (ticksLeft && ticksRight)
    {
        layout.nLeftTickEnd = left + width / 2 - labelWidth / 2 - 3;
        layout.nRightTickStart = left + width / 2 + labelWidth / 2 + 3;
    }
    else if (ticksLeft)
    {
        layout.eLabelAlignment = Qt::AlignRight;
        layout.nLeftTickEnd = right - labelWidth - 3;
    }
    else if (ticksRight)
    {
        layout.eLabelAlignment = Qt::AlignLeft;
        layout.nRightTickStart = left + labelWidth + 3;
    }
    if (steps == 0 || steps > kMaxRulerSteps)
    {
        return layout;
    }
    const int yTop = rect.top() + titleHeight;
    const int yBottom = rect.bottom() - footerHeight;
    const int span = yBottom - yTop + 1;
    const int labelHeight = labelSize.height();
    for (unsigned int i = 0; i <= steps; ++i)
    {
        const double fraction = static_cast<double>(i) / steps;
        const int y = yBottom - static_cast<int>(span * fraction);
        layout.vMarks.push_back(
            {y, QRect(QPoint(left, y - labelHeight), QPoint(right, y + labelHeight))});
    }
    return layout;
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
