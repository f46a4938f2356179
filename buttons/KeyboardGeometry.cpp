#include "KeyboardGeometry.h"

#include <QRect>

#include <algorithm>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{
namespace
{

using EMode = CKeyboardButtonBase::EKeyboardButtonMode;

// Thin vertical arrow with its tip at (x, tip); the head reaches to tip + dir * head and the
// shaft on to end. dir is +1 for an arrow pointing up (drawn downwards from the tip), -1 down.
QPolygon VerticalArrow(int x, int tip, int end, int dir, bool outline)
{
    const int head = tip + dir * (outline ? 10 : 12);
    const int half = outline ? 2 : 1;
    const int left = outline ? 6 : 4;
    const int right = outline ? 7 : 5;
    return QPolygon({{x, tip},
                     {x - left, head},
                     {x - half, head},
                     {x - half, end},
                     {x + half, end},
                     {x + half, head},
                     {x + right, head},
                     {x + 1, tip}});
}

// Filled left arrow with its tip at (tip, y) and the shaft ending at x = end.
QPolygon LeftArrow(int tip, int end, int y)
{
    return QPolygon({{tip, y},
                     {tip + 12, y - 4},
                     {tip + 12, y - 1},
                     {end, y - 1},
                     {end, y + 1},
                     {tip + 12, y + 1},
                     {tip + 12, y + 5},
                     {tip, y + 1}});
}

// Filled right arrow with its tip at (tip, y) and the shaft starting at x = start.
QPolygon RightArrow(int start, int tip, int y)
{
    return QPolygon({{tip, y},
                     {tip - 12, y - 4},
                     {tip - 12, y - 1},
                     {start, y - 1},
                     {start, y + 1},
                     {tip - 12, y + 1},
                     {tip - 12, y + 5},
                     {tip, y + 1}});
}

QPolygon BlockArrow(int L, int T, int R, int B)
{
    const int W = R - L + 1;
    const int H = B - T + 1;
    const int q = W / 4;
    const int yc = T + H / 2;
    return QPolygon({{L + W / 2, T + 4},
                     {R - 4, yc},
                     {R - q, yc},
                     {R - q, B - 4},
                     {L + q, B - 4},
                     {L + q, yc},
                     {L + 4, yc}});
}

QPolygon CornerArrowPolygon(int L, int T, int B, int W, int H, int b)
{
    const int cx = L + W / 2;
    const int h2 = H / 2;
    const int x0 = std::max(L + b, cx - 20);
    const int yt = std::max(T + b, T + h2 - 25);
    const int y = std::min(T + h2 + 25, B - 6);
    return QPolygon({{x0, y},
                     {x0 + 12, y - 4},
                     {x0 + 12, y - 1},
                     {cx - 1, y - 1},
                     {cx - 1, yt},
                     {cx + 1, yt},
                     {cx + 1, y + 1},
                     {x0 + 12, y + 1},
                     {x0 + 12, y + 5},
                     {x0, y + 1}});
}

} // namespace

QPolygon KeyboardSymbolPolygon(EMode mode, const QRect& rect, int b)
{
    const int L = rect.left();
    const int T = rect.top();
    const int R = rect.right();
    const int B = rect.bottom();
    const int W = R - L + 1;
    const int H = B - T + 1;
    // The thin vertical arrows stand 12 pixels in, or in the middle of a narrower face.
    const int x = L + std::min(12, W / 2);
    switch (mode)
    {
    case CKeyboardButtonBase::ArrowUp:
    case CKeyboardButtonBase::OutlineArrowUp:
        return VerticalArrow(x, T + b, std::min(T + b + 30, B - b), 1,
                             mode == CKeyboardButtonBase::OutlineArrowUp);
    case CKeyboardButtonBase::ArrowDown:
    case CKeyboardButtonBase::OutlineArrowDown:
        return VerticalArrow(x, B - b, std::max(T + b, B - b - 30), -1,
                             mode == CKeyboardButtonBase::OutlineArrowDown);
    case CKeyboardButtonBase::ArrowLeft:
        return LeftArrow(L + b, std::min(L + b + 30, R - b), (T + B) / 2);
    case CKeyboardButtonBase::ArrowRight:
        return RightArrow(L + b, std::min(L + b + 30, R - b), (T + B) / 2);
    case CKeyboardButtonBase::LongArrowLeft:
        return LeftArrow(L + b, std::min(L + b + 40, R - b), T + H / 2);
    case CKeyboardButtonBase::BlockArrowUp1:
    case CKeyboardButtonBase::BlockArrowUp2:
    case CKeyboardButtonBase::BlockArrowUp3:
    case CKeyboardButtonBase::BlockArrowUp4:
        return BlockArrow(L, T, R, B);
    case CKeyboardButtonBase::CornerArrow:
        return CornerArrowPolygon(L, T, B, W, H, b);
    default:
        return {};
    }
}

bool IsFilledKeyboardSymbol(EMode mode)
{
    switch (mode)
    {
    case CKeyboardButtonBase::OutlineArrowUp:
    case CKeyboardButtonBase::OutlineArrowDown:
    case CKeyboardButtonBase::BlockArrowUp1:
    case CKeyboardButtonBase::BlockArrowUp2:
    case CKeyboardButtonBase::BlockArrowUp3:
    case CKeyboardButtonBase::BlockArrowUp4:
        return false;
    default:
        return true;
    }
}

std::vector<SKeyLabel> KeyboardLabels(const std::string& topLeft, const std::string& bottomLeft,
                                      const std::string& bottomRight, bool scaled,
                                      int contentHeight)
{
    // Scaling only applies to a key with a big top-left and a small bottom-right legend; as
    // soon as a bottom-left legend exists all three share the widget's font.
    const bool scale = scaled && bottomLeft.empty();
    std::vector<SKeyLabel> labels;
    auto add = [&labels](const std::string& text, int flags, int pixelSize)
    {
        if (!text.empty())
            labels.push_back({QString::fromStdString(text), flags, pixelSize});
    };
    add(topLeft, Qt::AlignLeft | Qt::AlignTop, scale ? contentHeight / 3 : 0);
    add(bottomLeft, Qt::AlignLeft | Qt::AlignBottom, 0);
    add(bottomRight, Qt::AlignRight | Qt::AlignBottom, scale ? contentHeight / 4 : 0);
    return labels;
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
