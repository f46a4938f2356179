#include "ShadedDrawing.h"

#include "PictureCache.h"
#include "StyleStore.h"

#include <QCache>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLine>
#include <QPainter>
#include <QPalette>
#include <QStaticText>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{
namespace
{

// The palette is read anew for every colour so that a palette change shows on the next paint.
QColor FirstColor(bool sunken)
{
    return QGuiApplication::palette().color(sunken ? QPalette::Dark : QPalette::Light);
}

QColor SecondColor(bool sunken)
{
    return QGuiApplication::palette().color(sunken ? QPalette::Light : QPalette::Dark);
}

void DrawLine(QPainter& painter, int x1, int y1, int x2, int y2)
{
    const QLine line(x1, y1, x2, y2);
    painter.drawLines(&line, 1);
}

// Laying a text out costs about as much as drawing it, and engraved text is drawn three times
// per paint: single-line texts are laid out once and kept per font and text. The cache goes
// with the application, before the fonts it refers to.
struct STextLayout
{
    QFont oFont; // the key names the font only in part (not its stretch, for one)
    QStaticText oText;
};
QCache<QString, STextLayout>* s_poTextLayouts = nullptr;

void DropTextLayouts()
{
    delete s_poTextLayouts;
    s_poTextLayouts = nullptr;
}

bool IsSimpleLine(const QString& text)
{
    if (text.isEmpty() || text.isRightToLeft())
        return false;
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            return false;
    return true;
}

bool IsPlainFont(const QFont& font)
{
    return font.letterSpacing() == 0 && font.wordSpacing() == 0 &&
           font.capitalization() == QFont::MixedCase;
}

// A kept layout reproduces the alignment of one line, nothing else that drawText knows.
bool IsPlainAlignment(int flags)
{
    return (flags & ~(Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignTop |
                      Qt::AlignBottom | Qt::AlignVCenter | Qt::TextSingleLine)) == 0;
}

// The kept layout of a text that fits the rectangle, or null when drawText has to do the work
// (several lines, right-to-left text, spaced or capitalised fonts, a text the rectangle clips).
const QStaticText* FittingLayout(const QPainter& painter, const QRect& rect, int flags,
                                 const QString& text)
{
    if (!Detail::PaintCachesEnabled() || !IsPlainAlignment(flags) || !IsSimpleLine(text) ||
        !IsPlainFont(painter.font()) || painter.layoutDirection() == Qt::RightToLeft ||
        !QCoreApplication::instance())
        return nullptr;
    if (!s_poTextLayouts)
    {
        s_poTextLayouts = new QCache<QString, STextLayout>(64);
        qAddPostRoutine(DropTextLayouts);
    }
    const QString key = painter.font().key() + QLatin1Char('\n') + text;
    STextLayout* layout = s_poTextLayouts->object(key);
    if (!layout || layout->oFont != painter.font())
    {
        layout = new STextLayout{painter.font(), QStaticText(text)};
        layout->oText.setTextFormat(Qt::PlainText);
        layout->oText.prepare(QTransform(), painter.font());
        s_poTextLayouts->insert(key, layout);
    }
    const QSizeF size = layout->oText.size();
    return size.width() <= rect.width() && size.height() <= rect.height() ? &layout->oText
                                                                          : nullptr;
}

// Placed like drawText places one line that fits, which gives the same pixels.
void DrawAligned(QPainter& painter, const QRect& rect, int flags, const QString& text,
                 const QStaticText* layout)
{
    if (!layout)
    {
        painter.drawText(rect, flags, text);
        return;
    }
    const QSizeF size = layout->size();
    double x = rect.x();
    double y = rect.y();
    if (flags & Qt::AlignRight)
        x += rect.width() - size.width();
    else if (flags & Qt::AlignHCenter)
        x += (rect.width() - size.width()) / 2;
    if (flags & Qt::AlignBottom)
        y += rect.height() - size.height();
    else if (flags & Qt::AlignVCenter)
        y += (rect.height() - size.height()) / 2;
    painter.drawStaticText(QPointF(x, y), *layout);
}

} // namespace

void DrawShadedHLine(QPainter& painter, int y, int x1, int x2, bool sunken, int width)
{
    CStyleStore store(painter);
    for (int k = width; k >= 1; --k)
    {
        store.SetPen(FirstColor(sunken));
        DrawLine(painter, x1, y - k, x2, y - k);
        store.SetPen(SecondColor(sunken));
        DrawLine(painter, x1, y + k, x2, y + k);
    }
}

void DrawShadedVLine(QPainter& painter, int x, int y1, int y2, bool sunken, int width)
{
    CStyleStore store(painter);
    for (int k = width; k >= 1; --k)
    {
        store.SetPen(FirstColor(sunken));
        DrawLine(painter, x - k, y1, x - k, y2);
        store.SetPen(SecondColor(sunken));
        DrawLine(painter, x + k, y1, x + k, y2);
    }
}

void DrawShadedFrame(QPainter& painter, const QRect& rect, bool sunken, int width)
{
    painter.fillRect(rect, painter.brush());
    CStyleStore store(painter);
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.right();
    const int bottom = rect.bottom();
    // Innermost ring first, so the ring on the rectangle's own border is drawn last.
    for (int i = width - 1; i >= 0; --i)
    {
        store.SetPen(FirstColor(sunken));
        DrawLine(painter, left + i, bottom - i, left + i, top + i);
        DrawLine(painter, left + i, top + i, right - i, top + i);
        store.SetPen(SecondColor(sunken));
        DrawLine(painter, right - i, top + i, right - i, bottom - i);
        DrawLine(painter, right - i, bottom - i, left + i, bottom - i);
    }
}

void DrawShadedText(QPainter& painter, const QRect& rect, const QString& text, bool sunken,
                    int offset)
{
    const QRect upperLeft = rect.translated(-offset, -offset);
    const QRect lowerRight = rect.translated(offset, offset);
    // The three copies have the same size, so they share one layout.
    const QStaticText* layout = FittingLayout(painter, rect, Qt::AlignCenter, text);
    {
        CStyleStore store(painter, FirstColor(sunken));
        DrawAligned(painter, upperLeft, Qt::AlignCenter, text, layout);
    }
    {
        CStyleStore store(painter, SecondColor(sunken));
        DrawAligned(painter, lowerRight, Qt::AlignCenter, text, layout);
    }
    DrawAligned(painter, rect, Qt::AlignCenter, text, layout);
}

void DrawTextLine(QPainter& painter, const QRect& rect, int flags, const QString& text)
{
    DrawAligned(painter, rect, flags, text, FittingLayout(painter, rect, flags, text));
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
