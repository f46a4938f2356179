#include "MediaGeometry.h"

#include <algorithm>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{
namespace
{

// Measures of the symbol area; all divisions truncate toward zero.
struct SArea
{
    int L, T, R, B, m;
    int wA, hA, midY, cx, barW;
};

SArea Measure(const QRect& area, int margin)
{
    SArea a{};
    a.L = area.left();
    a.T = area.top();
    a.R = area.right();
    a.B = area.bottom();
    a.m = margin;
    a.wA = a.R - a.L + 1 - 2 * margin;
    a.hA = a.B - a.T + 1 - 2 * margin;
    a.midY = a.T + (a.B - a.T + 1) / 2;
    a.cx = (a.R + a.L) / 2;
    a.barW = std::min(a.wA / 3, 10);
    return a;
}

SMediaPart Polygon(const QPolygon& points, EMediaInk ink = EMediaInk::Symbol)
{
    return {EMediaShape::Polygon, ink, points, QRect(), QRectF()};
}

SMediaPart Line(EMediaInk ink, const QPolygon& points)
{
    return {EMediaShape::Polyline, ink, points, QRect(), QRectF()};
}

SMediaPart Line(EMediaInk ink, const QPoint& from, const QPoint& to)
{
    return Line(ink, QPolygon() << from << to);
}

SMediaPart Bar(int left, int top, int width, int height)
{
    return {EMediaShape::Bar, EMediaInk::Symbol, QPolygon(), QRect(left, top, width, height),
            QRectF()};
}

SMediaPart Groove(const SArea& a)
{
    return {EMediaShape::Groove, EMediaInk::Symbol, QPolygon(),
            QRect(QPoint(a.L + 4, a.B - 8), QPoint(a.R - 4, a.B - 5)), QRectF()};
}

QPolygon LeftArrowhead(const SArea& a)
{
    return QPolygon({{a.L + 12, a.B - 8}, {a.L + 9, a.B - 16}, {a.L + 15, a.B - 16}});
}

QPolygon RightArrowhead(const SArea& a)
{
    return QPolygon({{a.R - 12, a.B - 8}, {a.R - 15, a.B - 16}, {a.R - 9, a.B - 16}});
}

// A drop symbol: the groove, the arrowhead over it, the wide stem up from it, and the top line
// that runs solid to the middle and dashed from there to the far side.
std::vector<SMediaPart> Drop(const SArea& a, bool toLeft)
{
    const int stemX = toLeft ? a.L + 12 : a.R - 12;
    const int farX = toLeft ? a.R - 4 : a.L + 4;
    return {Groove(a), Polygon(toLeft ? LeftArrowhead(a) : RightArrowhead(a)),
            Line(EMediaInk::SymbolWide, QPoint{stemX, a.T + 4}, QPoint{stemX, a.B - 8}),
            Line(EMediaInk::Symbol, QPoint{stemX, a.T + 6}, QPoint{a.cx, a.T + 6}),
            Line(EMediaInk::SymbolDashed, QPoint{a.cx, a.T + 6}, QPoint{farX, a.T + 6})};
}

std::vector<SMediaPart> DropCrossed(const SArea& a)
{
    const int leftX = a.L + 12;
    const int rightX = a.R - 12;
    return {Groove(a),
            Polygon(RightArrowhead(a), EMediaInk::DarkFill),
            Polygon(LeftArrowhead(a), EMediaInk::DarkFill),
            Line(EMediaInk::DarkFill, QPoint{leftX, a.T + 6}, QPoint{rightX, a.T + 6}),
            Line(EMediaInk::DarkWide, QPoint{rightX, a.T + 4}, QPoint{rightX, a.B - 8}),
            Line(EMediaInk::DarkWide, QPoint{leftX, a.T + 4}, QPoint{leftX, a.B - 8}),
            Line(EMediaInk::SymbolWide, QPoint{a.L + 8, a.T + 4}, QPoint{a.R - 8, a.B - 8}),
            Line(EMediaInk::SymbolWide, QPoint{a.L + 8, a.B - 8}, QPoint{a.R - 8, a.T + 4})};
}

std::vector<SMediaPart> Triangles(CMediaButton::EMode mode, const SArea& a)
{
    const int m = a.m;
    switch (mode)
    {
    case CMediaButton::Play:
    {
        const QPoint bottom(a.L + m, a.B - m), top(a.L + m, a.T + m), tip(a.R - m, a.midY);
        return {Polygon(QPolygon({bottom, top, tip})),
                Line(EMediaInk::Dark, QPolygon({bottom, top, tip})),
                Line(EMediaInk::Light, tip, bottom)};
    }
    case CMediaButton::ToStart:
    {
        const QPoint top(a.R - m, a.T + m), bottom(a.R - m, a.B - m), tip(a.L + m + a.barW, a.midY);
        return {Polygon(QPolygon({top, bottom, tip})),
                Line(EMediaInk::Light, QPolygon({top, bottom, tip})),
                Line(EMediaInk::Dark, tip, top), Bar(a.L + m, a.T + m, a.barW, a.hA)};
    }
    case CMediaButton::RampDown:
    {
        const QPoint right(a.R - 4, a.T + 4), low(a.L + 4, a.B - 4), corner(a.L + 4, a.T + 4);
        return {Polygon(QPolygon({right, low, corner})), Line(EMediaInk::Light, right, low),
                Line(EMediaInk::Dark, QPolygon({low, corner, right}))};
    }
    case CMediaButton::RampUp:
    {
        const QPoint left(a.L + 4, a.T + 4), corner(a.R - 4, a.T + 4), low(a.R - 4, a.B - 4);
        return {Polygon(QPolygon({left, corner, low})),
                Line(EMediaInk::Light, QPolygon({corner, low, left})),
                Line(EMediaInk::Dark, left, corner)};
    }
    default:
        return {};
    }
}

} // namespace

QRect MediaLampRect(const QRect& content, int lampSize)
{
    return QRect(content.right() - lampSize - 1, content.top(), lampSize, lampSize);
}

int MediaLampPixels(int lampSize, double deviceScale)
{
    return qRound(lampSize * deviceScale);
}

QRect MediaSymbolArea(const QRect& content, bool withLamp, int lampSize)
{
    QRect area = content;
    if (withLamp)
        area.setRight(content.right() - lampSize - 1);
    return area;
}

std::vector<SMediaPart> MediaSymbolParts(CMediaButton::EMode mode, const QRect& area, int margin)
{
    const SArea a = Measure(area, margin);
    switch (mode)
    {
    case CMediaButton::Pause:
        return {Bar(a.cx - (3 * a.barW) / 2, a.T + a.m, a.barW, a.hA),
                Bar(a.cx + a.barW / 2, a.T + a.m, a.barW, a.hA)};
    case CMediaButton::Stop:
    {
        const int side = std::min(a.wA, a.hA);
        return {Bar(a.L + a.m + (a.wA - side) / 2, a.T + a.m + (a.hA - side) / 2, side, side)};
    }
    case CMediaButton::Repeat:
    {
        SMediaPart arc{EMediaShape::Arc, EMediaInk::SymbolWide, QPolygon(), QRect(),
                       QRectF(a.L + 6, a.T + 6, a.R - a.L - 11, a.B - a.T - 11)};
        return {arc, Polygon(QPolygon({{a.cx + 2, a.B - 6},
                                       {a.cx - 5, a.B - 11},
                                       {a.cx - 5, a.B},
                                       {a.cx + 2, a.B - 5}}))};
    }
    case CMediaButton::DropLeft:
        return Drop(a, true);
    case CMediaButton::DropRight:
        return Drop(a, false);
    case CMediaButton::DropCrossed:
        return DropCrossed(a);
    default:
        return Triangles(mode, a);
    }
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
