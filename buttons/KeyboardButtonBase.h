#pragma once

#include "ZuRaradirIzurodudozExport.h"

#include <cstdint>
#include <string>

class QColor;
class QPainter;
class QRect;
class QAbstractButton;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/**
 * Paint state shared by the keyboard key and the keyboard check box: three legends placed like
 * those of a key cap (top left, bottom left, bottom right) or one of twelve drawn key symbols.
 * Not a widget: the concrete key inherits it second and repaints through _Redraw().
 */
class ZRI_EXPORT CKeyboardButtonBase
{
public:
    /// What the face shows. Any value outside 0 to 12 leaves the bare panel.
    enum EKeyboardButtonMode : std::int32_t
    {
        Labels = 0,           ///< the three labels
        ArrowUp = 1,          ///< filled thin up arrow at the left
        ArrowDown = 2,        ///< filled thin down arrow at the left
        ArrowLeft = 3,        ///< filled thin left arrow at the left
        ArrowRight = 4,       ///< filled thin right arrow at the left
        OutlineArrowUp = 5,   ///< hollow up arrow at the left
        OutlineArrowDown = 6, ///< hollow down arrow at the left
        BlockArrowUp1 = 7,    ///< hollow block arrow filling the face
        BlockArrowUp2 = 8,    ///< the same picture as BlockArrowUp1
        BlockArrowUp3 = 9,    ///< the same picture as BlockArrowUp1
        BlockArrowUp4 = 10,   ///< the same picture as BlockArrowUp1
        LongArrowLeft = 11,   ///< filled left arrow, 40 pixels long
        CornerArrow = 12,     ///< filled arrow coming down from the top and turning left
    };

    /// How the push button sizes its labels; the check box always uses the widget's font.
    enum ETextSizeMode : std::int32_t
    {
        FixedSize = 0,  ///< the widget's font
        ScaledSize = 1, ///< derived from the content height while the bottom-left label is empty
    };

    CKeyboardButtonBase();
    /// Copies the labels, the mode and the text settings.
    CKeyboardButtonBase(const CKeyboardButtonBase& other);
    /// Copies the labels, the mode and the text settings; nothing is repainted.
    CKeyboardButtonBase& operator=(const CKeyboardButtonBase& other);
    ~CKeyboardButtonBase();

    /// Shows the three labels (UTF-8); switches the face to Labels.
    void Set(std::string topLeft, std::string bottomLeft, std::string bottomRight);
    /// Shows two labels; the bottom-right one becomes empty.
    void Set(std::string topLeft, std::string bottomLeft);
    /// Shows one big top-left label; the other two become empty.
    void Set(std::string topLeft);
    /// Switches to a symbol, or back to Labels; the labels stay stored.
    void Set(EKeyboardButtonMode mode);
    /// Inset of the content rectangle from the widget edge, and once more of the symbols.
    void SetTextBorder(int border);
    /// Stores the mode unchecked and repaints at once.
    void SetTextSizeMode(ETextSizeMode mode);

protected:
    /// Draws the symbol of the current mode into rect: filled or hollow, outlined in color.
    void _DrawKeyboardSymbol(QPainter& painter, const QRect& rect, const QColor& color);
    /// Draws the symbol, or the labels when the mode is Labels, into the content rectangle of
    /// the button, whose bevel was drawn with isDefault.
    void _DrawKeyboardFace(QPainter& painter, QAbstractButton& button, bool isDefault,
                           const QRect& rect, const QColor& color, bool scaledLabels);
    /// The text border as last set; 4 at construction.
    int _TextBorder() const { return m_nTextBorder; }
    /// The text size mode as last set; FixedSize at construction.
    ETextSizeMode _TextSizeMode() const { return m_eTextSizeMode; }
    /// What the face shows; Labels at construction.
    EKeyboardButtonMode _Mode() const { return m_eMode; }
    /// The top-left label, UTF-8.
    const std::string& _TopLeftLabel() const { return m_sTopLeft; }
    /// The bottom-left label, UTF-8.
    const std::string& _BottomLeftLabel() const { return m_sBottomLeft; }
    /// The bottom-right label, UTF-8.
    const std::string& _BottomRightLabel() const { return m_sBottomRight; }

    /// Repaints the widget at once; every setter calls it.
    virtual void _Redraw() = 0;

private:
    std::string m_sTopLeft;
    std::string m_sBottomLeft;
    std::string m_sBottomRight;
    int m_nTextBorder = 4;
    EKeyboardButtonMode m_eMode = Labels;
    ETextSizeMode m_eTextSizeMode = FixedSize;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
