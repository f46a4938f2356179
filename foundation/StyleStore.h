#pragma once

#include <QBrush>
#include <QFont>
#include <QPen>

class QColor;
class QPainter;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/// Scope guard for a painter's pen, brush and font. The values found at construction are put
/// back on destruction, whatever was set in between, so guards nest naturally.
class CStyleStore
{
public:
    explicit CStyleStore(QPainter& painter);
    CStyleStore(QPainter& painter, const QBrush& brush);
    CStyleStore(QPainter& painter, const QColor& color);
    CStyleStore(QPainter& painter, const QPen& pen);
    virtual ~CStyleStore();

    CStyleStore(const CStyleStore&) = delete;
    CStyleStore& operator=(const CStyleStore&) = delete;

    void SetBrush(const QBrush& brush);
    void SetPen(const QColor& color);
    void SetPen(const QPen& pen);
    /// Switches the painter to a copy of its current font with the given pixel size.
    void SetFontPixelSize(int pixels);

private:
    QPainter* m_poPainter;
    QPen m_oPen;
    QBrush m_oBrush;
    QFont m_oFont;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
