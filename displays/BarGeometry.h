#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>

#include <string>
#include <vector>

class QFontMetrics;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// The font with the given family (UTF-8) and pixel size, bold or normal, italic or upright; the
/// rest (underline, letter spacing, ...) stays as the font had it.
QFont WithBarFont(QFont font, const std::string& family, unsigned int pixelSize, bool bold,
                  bool italic);
/// A copy of the font with another pixel size.
QFont WithPixelSize(const QFont& font, unsigned int pixelSize);

/// More marks than this cannot be told apart on any screen; the ruler then draws nothing, so
/// that a bogus step count cannot stall the GUI thread.
constexpr unsigned int kMaxRulerSteps = 10000;

/// The label texts of marks 0 to steps (percentages); none for 0 or too many steps.
QStringList RulerLabels(unsigned int steps);
/// The widest label and the line height of the labels in the given metrics.
QSize RulerLabelSize(const QStringList& labels, const QFontMetrics& metrics);

/// One mark of the ruler: its row and the rectangle its label is centred in vertically.
struct SRulerMark
{
    int nY;
    QRect oLabelRect;
};

/// Where the ruler draws. A tick runs from the left edge to nLeftTickEnd and from
/// nRightTickStart to the right edge, each a dark row with a light row below it.
struct SRulerLayout
{
    Qt::Alignment eLabelAlignment = Qt::AlignHCenter;
    bool bTicksLeft = false;
    bool bTicksRight = false;
    int nLeftTickEnd = 0;
    int nRightTickStart = 0;
    std::vector<SRulerMark> vMarks;
};

/// The ruler in rect: the scale area lies between the title and footer bands, mark 0 on its
/// bottom row and mark `steps` one row above its top; labelSize is the widest label and the
/// line height. No marks for 0 or too many steps.
SRulerLayout RulerLayout(const QRect& rect, int titleHeight, int footerHeight, unsigned int steps,
                         const QSize& labelSize, bool ticksLeft, bool ticksRight);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
