#include "ArrowButton.h"

#include "ArrowGeometry.h"
#include "ButtonFrame.h"
#include "StyleStore.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <map>
#include <tuple>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{
namespace
{

constexpr int kMargin = 4;

void DrawShape(QPainter& painter, const Detail::SArrowShape& shape)
{
    painter.drawPolygon(shape.oPolygon.constData(), shape.oPolygon.size(), Qt::OddEvenFill);
    const QPalette palette = QGuiApplication::palette();
    CStyleStore store(painter, palette.color(QPalette::Light));
    for (const QPolygon& line : shape.vLight)
        painter.drawPolyline(line);
    store.SetPen(palette.color(QPalette::Dark));
    for (const QPolygon& line : shape.vDark)
        painter.drawPolyline(line);
}

// The symbol depends only on the mode, the symbol size and three colours (every point is the
// rectangle's top-left corner plus an offset), so its aliased picture is drawn once into a
// transparent image and blitted on later paints; buttons of the same look share it. Drawn
// aliased, every pixel is either untouched or opaque, so the blit gives the very same pixels.
using SymbolKey = std::tuple<int, int, int, QRgb, QRgb, QRgb>;

struct SSymbolPicture
{
    QImage oImage;
    QPoint oOffset; ///< position of the image's top-left pixel relative to the symbol rectangle
};

SSymbolPicture DrawSymbolPicture(CArrowButton::EMode mode, const QSize& size, const QColor& color)
{
    const auto shapes = Detail::ArrowShapes(mode, QRect(QPoint(0, 0), size));
    QRect bounds;
    for (const Detail::SArrowShape& shape : shapes)
        bounds |= shape.oPolygon.boundingRect();
    SSymbolPicture picture{QImage(bounds.size() + QSize(1, 1), QImage::Format_ARGB32_Premultiplied),
                           bounds.topLeft()};
    if (shapes.empty() || picture.oImage.isNull())
        return {};
    picture.oImage.fill(Qt::transparent);
    QPainter painter(&picture.oImage);
    painter.translate(-bounds.topLeft());
    painter.setPen(color);
    painter.setBrush(QBrush(color, Qt::SolidPattern));
    for (const Detail::SArrowShape& shape : shapes)
        DrawShape(painter, shape);
    return picture;
}

const SSymbolPicture& SymbolPicture(CArrowButton::EMode mode, const QSize& size,
                                    const QColor& color)
{
    static std::map<SymbolKey, SSymbolPicture> cache;
    const QPalette palette = QGuiApplication::palette();
    const SymbolKey key{mode,
                        size.width(),
                        size.height(),
                        color.rgba(),
                        palette.color(QPalette::Light).rgba(),
                        palette.color(QPalette::Dark).rgba()};
    auto found = cache.find(key);
    if (found == cache.end())
    {
        if (cache.size() >= 64) // a handful of looks per application; never grow without bound
            cache.clear();
        found = cache.emplace(key, DrawSymbolPicture(mode, size, color)).first;
    }
    return found->second;
}

} // namespace

CArrowButton::CArrowButton(QWidget* parent) : QPushButton(parent) {}

CArrowButton::~CArrowButton() = default;

void CArrowButton::SetMode(EMode mode)
{
    m_eMode = mode;
    repaint(rect());
}

void CArrowButton::SetFitMode(EFitMode mode)
{
    m_eFitMode = mode;
    repaint(rect());
}

CArrowButton::EMode CArrowButton::GetMode() const
{
    return m_eMode;
}

CArrowButton::EFitMode CArrowButton::GetFitMode() const
{
    return m_eFitMode;
}

void CArrowButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QColor color;
    QRect content;
    InitButton(*this, painter, color, content, kMargin, isDefault());
    const QRect symbol = Detail::ArrowSymbolRect(content, m_eFitMode);
    const SSymbolPicture& picture = SymbolPicture(m_eMode, symbol.size(), color);
    if (!picture.oImage.isNull())
        painter.drawImage(symbol.topLeft() + picture.oOffset, picture.oImage);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
