#include "BitmapHelper.h"

#include "BitmapGeometry.h"
#include "ButtonBevel.h"
#include "ShadedDrawing.h"

#include <QAbstractButton>
#include <QPainter>
#include <QPixmap>
#include <QString>

#include <algorithm>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

CBitmapHelper::CBitmapHelper() = default;

CBitmapHelper::CBitmapHelper(const CBitmapHelper& other) = default;

CBitmapHelper& CBitmapHelper::operator=(const CBitmapHelper& other) = default;

CBitmapHelper::~CBitmapHelper() = default;

void CBitmapHelper::SetBitmap(const QImage& image, bool enabled)
{
    (enabled ? m_oEnabledBitmap : m_oDisabledBitmap) = image;
    _Redraw();
}

void CBitmapHelper::SetBitmap(const QPixmap& pixmap, bool enabled)
{
    SetBitmap(pixmap.toImage(), enabled);
}

void CBitmapHelper::SetBitmap(const QString& fileName, bool enabled)
{
    SetBitmap(QImage(fileName), enabled);
}

void CBitmapHelper::SetMode(EMode mode)
{
    m_eMode = mode;
    _Redraw();
}

void CBitmapHelper::SetBitmapDefaultAlignment(EBitmapDefaultAlignment alignment)
{
    m_eDefaultAlignment = alignment;
    _Redraw();
}

void CBitmapHelper::SetDrawText(bool drawText)
{
    m_bDrawText = drawText;
    _Redraw();
}

QSize CBitmapHelper::_FittingSize() const
{
    return QSize(std::max(m_oEnabledBitmap.width(), m_oDisabledBitmap.width()),
                 std::max(m_oEnabledBitmap.height(), m_oDisabledBitmap.height())) +
           QSize(2 * kBorder, 2 * kBorder);
}

void CBitmapHelper::_PaintContent(QPainter& painter, QAbstractButton& button, bool isDefault,
                                  const QRect& rect)
{
    const bool enabled = button.isEnabled();
    const QString text = button.text();
    const QSize iconSize = button.iconSize();
    Detail::CPictureKey key('B');
    key.AddShadeColours() << rect << iconSize.width() << iconSize.height() << m_eMode
                          << m_eDefaultAlignment << m_bDrawText << enabled
                          << m_oEnabledBitmap.cacheKey() << m_oDisabledBitmap.cacheKey() << text;
    key.AddTextStateOf(painter);
    Detail::DrawOverBevel(painter, button, isDefault, key,
                          [&](QPainter& canvas)
                          { _DrawContent(canvas, rect, iconSize, text, enabled); });
}

void CBitmapHelper::_DrawContent(QPainter& painter, const QRect& rect, const QSize& iconSize,
                                 const QString& text, bool enabled)
{
    const QImage& bitmap = enabled ? m_oEnabledBitmap : m_oDisabledBitmap;
    const QSize largest = _FittingSize() - QSize(2 * kBorder, 2 * kBorder);
    const Detail::SBitmapPlacement placement =
        Detail::BitmapPlacement(m_eMode, m_eDefaultAlignment, rect, largest, iconSize);
    if (placement.bDraw && !bitmap.isNull())
    {
        if (placement.oSource.isNull())
            painter.drawImage(placement.oTarget, bitmap);
        else
            painter.drawImage(QRectF(placement.oTarget), bitmap, QRectF(placement.oSource));
    }
    if (m_bDrawText)
        DrawShadedText(painter, rect, text, true, 1);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
