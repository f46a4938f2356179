#pragma once

#include "BitmapHelper.h"
#include "ZuRaradirIzurodudozExport.h"

#include <QCheckBox>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/**
 * A check box drawn as a bitmap push button that stays sunken while checked. A click
 * anywhere on the widget toggles it.
 */
class ZRI_EXPORT CBitmapCheckBox : public QCheckBox, public CBitmapHelper
{
    Q_OBJECT

public:
    /// Without bitmaps: mode Aligned, centred, the text engraved.
    explicit CBitmapCheckBox(QWidget* parent = nullptr);
    ~CBitmapCheckBox() override;

    /// Resizes the widget so that the larger bitmap, at its own size, just fills the face.
    void ResizeCheckBox();

protected:
    /// Draws the bevel (sunken while pressed or checked), the bitmap and the engraved text.
    void paintEvent(QPaintEvent* event) override;
    /// The whole widget reacts to clicks, not only the indicator of QCheckBox.
    bool hitButton(const QPoint& pos) const override;
    /// Repaints the whole widget at once.
    void _Redraw() override;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
