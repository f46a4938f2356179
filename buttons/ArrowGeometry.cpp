#include "ArrowGeometry.h"

#include <algorithm>
#include <initializer_list>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{
namespace
{

// Distance of the arrow from the symbol rectangle's border; independent of the button margin.
constexpr int kInset = 4;

struct SMetrics
{
    int L, T, R, B;
    int midX, midY, qW, qH, backX, dX, dY;
};

SMetrics MetricsOf(const QRect& r)
{
    SMetrics m{};
    m.L = r.left();
    m.T = r.top();
    m.R = r.right();
    m.B = r.bottom();
    const int w = m.R - m.L + 1;
    const int h = m.B - m.T + 1;
    m.midX = m.L + w / 2;
    m.midY = m.T + h / 2;
    m.qW = w / 4;
    m.qH = h / 4;
    m.backX = m.R - w / 2;
    m.dY = (m.B - m.T - 7) / 2;
    m.dX = (m.R - m.L - 7) / 2;
    return m;
}

// A polyline through the given indices of a closed point list; index size() means point 0.
QPolygon Path(const QPolygon& points, std::initializer_list<int> indices)
{
    QPolygon path;
    for (int i : indices)
        path << points.at(i % points.size());
    return path;
}

SArrowShape Shape(const QPolygon& points, std::initializer_list<std::initializer_list<int>> light,
                  std::initializer_list<std::initializer_list<int>> dark)
{
    SArrowShape shape;
    shape.oPolygon = points;
    for (const auto& indices : light)
        shape.vLight.push_back(Path(points, indices));
    for (const auto& indices : dark)
        shape.vDark.push_back(Path(points, indices));
    return shape;
}

std::vector<SArrowShape> SingleArrow(CArrowButton::EMode mode, const SMetrics& m)
{
    const int in = kInset;
    switch (mode)
    {
    case CArrowButton::Up:
        return {Shape(QPolygon({{m.L + in, m.midY},
                                {m.midX, m.T + in},
                                {m.R - in, m.midY},
                                {m.R - m.qW, m.midY},
                                {m.R - m.qW, m.B - in},
                                {m.L + m.qW, m.B - in},
                                {m.L + m.qW, m.midY}}),
                      {{2, 3, 4, 5}, {6, 7}}, {{0, 1, 2}, {5, 6}})};
    case CArrowButton::Down:
        return {Shape(QPolygon({{m.L + in, m.midY},
                                {m.midX, m.B - in},
                                {m.R - in, m.midY},
                                {m.R - m.qW, m.midY},
                                {m.R - m.qW, m.T + in},
                                {m.L + m.qW, m.T + in},
                                {m.L + m.qW, m.midY}}),
                      {{0, 1, 2}, {3, 4}}, {{2, 3}, {4, 5, 6, 7}})};
    case CArrowButton::Left:
        return {Shape(QPolygon({{m.L + in, m.midY},
                                {m.midX, m.T + in},
                                {m.midX, m.T + m.qH},
                                {m.R - in, m.T + m.qH},
                                {m.R - in, m.B - m.qH},
                                {m.midX, m.B - m.qH},
                                {m.midX, m.B - in}}),
                      {{1, 2}, {3, 4, 5, 6, 7}}, {{0, 1}, {2, 3}})};
    case CArrowButton::Right:
        return {Shape(QPolygon({{m.R - in, m.midY},
                                {m.backX, m.T + in},
                                {m.backX, m.T + m.qH},
                                {m.L + in, m.T + m.qH},
                                {m.L + in, m.B - m.qH},
                                {m.backX, m.B - m.qH},
                                {m.backX, m.B - in}}),
                      {{4, 5}, {6, 7}}, {{0, 1, 2, 3, 4}, {5, 6}})};
    default:
        return {};
    }
}

std::vector<SArrowShape> DoubleArrow(CArrowButton::EMode mode, const SMetrics& m)
{
    const int in = kInset;
    SArrowShape first;
    QPoint offset;
    switch (mode)
    {
    case CArrowButton::DoubleUp:
        first = Shape(
            QPolygon(
                {{m.L + in, m.T + in + m.dY}, {m.midX, m.T + in}, {m.R - in, m.T + in + m.dY}}),
            {{2, 3}}, {{0, 1, 2}});
        offset = QPoint(0, m.dY);
        break;
    case CArrowButton::DoubleDown:
        first =
            Shape(QPolygon({{m.L + in, m.T + in}, {m.R - in, m.T + in}, {m.midX, m.T + in + m.dY}}),
                  {{1, 2, 3}}, {{0, 1}});
        offset = QPoint(0, m.dY);
        break;
    case CArrowButton::DoubleLeft:
        first = Shape(
            QPolygon(
                {{m.L + in, m.midY}, {m.L + in + m.dX, m.T + in}, {m.L + in + m.dX, m.B - in}}),
            {{1, 2, 3}}, {{0, 1}});
        offset = QPoint(m.dX, 0);
        break;
    case CArrowButton::DoubleRight:
        first =
            Shape(QPolygon({{m.L + in + m.dX, m.midY}, {m.L + in, m.B - in}, {m.L + in, m.T + in}}),
                  {{0, 1}}, {{1, 2, 3}});
        offset = QPoint(m.dX, 0);
        break;
    default:
        return {};
    }
    SArrowShape second = first;
    second.oPolygon.translate(offset);
    for (QPolygon& line : second.vLight)
        line.translate(offset);
    for (QPolygon& line : second.vDark)
        line.translate(offset);
    return {first, second};
}

} // namespace

QRect ArrowSymbolRect(const QRect& content, CArrowButton::EFitMode fitMode)
{
    if (fitMode != CArrowButton::Square)
        return content;
    const int w = content.width();
    const int h = content.height();
    const int side = std::min(w, h);
    const int half = (std::max(w, h) - side) / 2;
    QRect symbol = content;
    if (h > w)
    {
        symbol.setTop(content.top() + half);
        symbol.setHeight(side);
    }
    else
    {
        symbol.setLeft(content.left() + half);
        symbol.setWidth(side);
    }
    return symbol;
}

std::vector<SArrowShape> ArrowShapes(CArrowButton::EMode mode, const QRect& symbol)
{
    const SMetrics m = MetricsOf(symbol);
    switch (mode)
    {
    case CArrowButton::Up:
    case CArrowButton::Down:
    case CArrowButton::Left:
    case CArrowButton::Right:
        return SingleArrow(mode, m);
    case CArrowButton::DoubleUp:
    case CArrowButton::DoubleDown:
    case CArrowButton::DoubleLeft:
    case CArrowButton::DoubleRight:
        return DoubleArrow(mode, m);
    default:
        return {};
    }
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
