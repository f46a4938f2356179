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
    explicit CBitmapCheckBox(QWidget* parent = nullptr);
    ~CBitmapCheckBox() override;

    /// Resizes the widget so that the larger bitmap, at its own size, just fills the face.
    void ResizeCheckBox();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void _Redraw() override;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
