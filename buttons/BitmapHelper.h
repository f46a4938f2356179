#pragma once

#include "ZuRaradirIzurodudozExport.h"

#include <QImage>

#include <cstdint>

class QAbstractButton;
class QPainter;
class QPixmap;
class QRect;
class QSize;
class QString;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/**
 * Paint state shared by the bitmap button and the bitmap check box: one bitmap for the enabled
 * and one for the disabled widget, how the bitmap is fitted into the face, and whether the
 * button text is engraved over it. Not a widget: the concrete button inherits it second.
 *
 * Placement is always computed from the larger width and the larger height of the two
 * bitmaps, so the enabled and the disabled picture stand at the same place.
 */
class ZRI_EXPORT CBitmapHelper
{
public:
    /// How the bitmap fills the face. Any other value draws no bitmap.
    enum EMode : std::int32_t
    {
        NoBitmap = 0,  ///< no bitmap; only the text
        Aligned = 1,   ///< own size, placed by the default alignment, cropped to the face
        IconSize = 2,  ///< scaled into iconSize() keeping proportions, left, vertically centred
        Stretched = 3, ///< stretched over the whole face
    };

    /// Placement in mode Aligned. Any other value places the bitmap at the top left.
    enum EBitmapDefaultAlignment : std::int32_t
    {
        CenterAligned = 0,
        LeftAligned = 1,   ///< vertically centred
        RightAligned = 2,  ///< vertically centred
        TopAligned = 3,    ///< horizontally centred
        BottomAligned = 4, ///< horizontally centred
    };

    CBitmapHelper();
    /// Copies both bitmaps and the settings.
    CBitmapHelper(const CBitmapHelper& other);
    /// Copies both bitmaps and the settings; the widget is not repainted.
    CBitmapHelper& operator=(const CBitmapHelper& other);
    ~CBitmapHelper();

    /// Stores the enabled bitmap when enabled is true, the disabled one otherwise. The button
    /// keeps a copy and its picture is kept by the image's cacheKey(): an image changed after
    /// this call (its pixels written, or painted on in place) shows only once it is set again.
    void SetBitmap(const QImage& image, bool enabled);
    /// As the image variant; the same holds for a pixmap changed after the call.
    void SetBitmap(const QPixmap& pixmap, bool enabled);
    /// Loads the bitmap from a file; an unreadable file leaves a null image, silently.
    void SetBitmap(const QString& fileName, bool enabled);
    /// Stores the mode unchecked and repaints at once.
    void SetMode(EMode mode);
    /// Stores the alignment used in mode Aligned unchecked and repaints at once.
    void SetBitmapDefaultAlignment(EBitmapDefaultAlignment alignment);
    /// Whether the button text is engraved over the bitmap; repaints at once.
    void SetDrawText(bool drawText);

protected:
    /// Draws the bitmap for the enabled state and the engraved text into the content rect.
    void _DrawContent(QPainter& painter, const QRect& rect, const QSize& iconSize,
                      const QString& text, bool enabled);
    /// _DrawContent for the button's own icon size, text and enabled state, kept as a picture
    /// over its bevel (drawn with isDefault) while bitmaps, text and look stay the same.
    void _PaintContent(QPainter& painter, QAbstractButton& button, bool isDefault,
                       const QRect& rect);
    /// Width and height that just hold the larger bitmap inside the border.
    QSize _FittingSize() const;
    /// The bitmap shown while the widget is enabled (true) or disabled (false).
    const QImage& _Bitmap(bool enabled) const
    {
        return enabled ? m_oEnabledBitmap : m_oDisabledBitmap;
    }
    /// The mode as last set; Aligned at construction.
    EMode _Mode() const { return m_eMode; }
    /// The alignment as last set; CenterAligned at construction.
    EBitmapDefaultAlignment _DefaultAlignment() const { return m_eDefaultAlignment; }
    /// Whether the text is engraved; true at construction.
    bool _DrawText() const { return m_bDrawText; }

    /// Inset of the content rectangle from the widget edge.
    static constexpr int kBorder = 4;

    /// Repaints the widget at once; every setter calls it.
    virtual void _Redraw() = 0;

private:
    QImage m_oEnabledBitmap;
    QImage m_oDisabledBitmap;
    EMode m_eMode = Aligned;
    EBitmapDefaultAlignment m_eDefaultAlignment = CenterAligned;
    bool m_bDrawText = true;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
