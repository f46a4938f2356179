#pragma once

#include <ZuRaradirIzurodudoz/BitmapButton.h>
#include <ZuRaradirIzurodudoz/ZuRaradirIzurodudozFormsExport.h>

#include <cstdint>

#include <QPixmap>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

/**
 * The bitmap button as Qt Designer sets it up: the enabled and the disabled bitmap, how the
 * bitmap is fitted and aligned, and whether the text is drawn, as properties. Everything else
 * is the library's CBitmapButton, which application code keeps using (this class is one).
 */
class ZRI_FORMS_EXPORT CBitmapButton : public ZuRaradirIzurodudoz::CBitmapButton
{
    Q_OBJECT
    Q_PROPERTY(QPixmap enabledBitmap READ enabledBitmap WRITE setEnabledBitmap)
    Q_PROPERTY(QPixmap disabledBitmap READ disabledBitmap WRITE setDisabledBitmap)
    Q_PROPERTY(EMode bitmapMode READ bitmapMode WRITE setBitmapMode)
    Q_PROPERTY(
        EBitmapDefaultAlignment bitmapAlignment READ bitmapAlignment WRITE setBitmapAlignment)
    Q_PROPERTY(bool drawText READ drawText WRITE setDrawText)

public:
    using Base = ZuRaradirIzurodudoz::CBitmapButton;

    enum EMode : std::int32_t
    {
        NoBitmap = Base::NoBitmap,
        Aligned = Base::Aligned,
        IconSize = Base::IconSize,
        Stretched = Base::Stretched,
    };
    Q_ENUM(EMode)

    enum EBitmapDefaultAlignment : std::int32_t
    {
        CenterAligned = Base::CenterAligned,
        LeftAligned = Base::LeftAligned,
        RightAligned = Base::RightAligned,
        TopAligned = Base::TopAligned,
        BottomAligned = Base::BottomAligned,
    };
    Q_ENUM(EBitmapDefaultAlignment)

    explicit CBitmapButton(QWidget* parent = nullptr);
    ~CBitmapButton() override;

    QPixmap enabledBitmap() const { return QPixmap::fromImage(_Bitmap(true)); }
    void setEnabledBitmap(const QPixmap& bitmap) { SetBitmap(bitmap, true); }
    QPixmap disabledBitmap() const { return QPixmap::fromImage(_Bitmap(false)); }
    void setDisabledBitmap(const QPixmap& bitmap) { SetBitmap(bitmap, false); }
    EMode bitmapMode() const { return static_cast<EMode>(_Mode()); }
    void setBitmapMode(EMode mode) { SetMode(static_cast<Base::EMode>(mode)); }
    EBitmapDefaultAlignment bitmapAlignment() const
    {
        return static_cast<EBitmapDefaultAlignment>(_DefaultAlignment());
    }
    void setBitmapAlignment(EBitmapDefaultAlignment alignment)
    {
        SetBitmapDefaultAlignment(static_cast<Base::EBitmapDefaultAlignment>(alignment));
    }
    bool drawText() const { return _DrawText(); }
    void setDrawText(bool drawText) { SetDrawText(drawText); }
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
