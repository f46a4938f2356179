#pragma once

#include "BitmapHelper.h"
#include "ZuRaradirIzurodudozExport.h"

#include <QPushButton>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/**
 * A push button showing a bitmap on its panel, with its text engraved over it.
 */
class ZRI_EXPORT CBitmapButton : public QPushButton, public CBitmapHelper
{
    Q_OBJECT

public:
    /// Without bitmaps: mode Aligned, centred, the text engraved.
    explicit CBitmapButton(QWidget* parent = nullptr);
    ~CBitmapButton() override;

    /// Resizes the widget so that the larger bitmap, at its own size, just fills the face.
    void ResizeButton();

protected:
    /// Draws the bevel (sunken while pressed), the bitmap and the engraved text.
    void paintEvent(QPaintEvent* event) override;
    /// Repaints the whole widget at once.
    void _Redraw() override;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
