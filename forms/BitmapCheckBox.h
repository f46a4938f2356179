#pragma once

#include <ZuRaradirIzurodudoz/BitmapCheckBox.h>
#include <ZuRaradirIzurodudoz/ZuRaradirIzurodudozFormsExport.h>

#include <cstdint>

#include <QPixmap>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

/**
 * The bitmap check box as Qt Designer sets it up: the enabled and the disabled bitmap, how the
 * bitmap is fitted and aligned, and whether the text is drawn, as properties. Everything else
 * is the library's CBitmapCheckBox, which application code keeps using (this class is one).
 */
class ZRI_FORMS_EXPORT CBitmapCheckBox : public ZuRaradirIzurodudoz::CBitmapCheckBox
{
    Q_OBJECT
    Q_PROPERTY(QPixmap enabledBitmap READ enabledBitmap WRITE setEnabledBitmap)
    Q_PROPERTY(QPixmap disabledBitmap READ disabledBitmap WRITE setDisabledBitmap)
    Q_PROPERTY(EMode bitmapMode READ bitmapMode WRITE setBitmapMode)
    Q_PROPERTY(
        EBitmapDefaultAlignment bitmapAlignment READ bitmapAlignment WRITE setBitmapAlignment)
    Q_PROPERTY(bool drawText READ drawText WRITE setDrawText)

public:
    /// The library class that this form class is.
    using Base = ZuRaradirIzurodudoz::CBitmapCheckBox;

    /// The library's EMode, with the same names and values, for Designer's drop-down list.
    enum EMode : std::int32_t
    {
        NoBitmap = Base::NoBitmap,
        Aligned = Base::Aligned,
        IconSize = Base::IconSize,
        Stretched = Base::Stretched,
    };
    Q_ENUM(EMode)

    /// The library's EBitmapDefaultAlignment, with the same names and values, for Designer's
    /// drop-down list.
    enum EBitmapDefaultAlignment : std::int32_t
    {
        CenterAligned = Base::CenterAligned,
        LeftAligned = Base::LeftAligned,
        RightAligned = Base::RightAligned,
        TopAligned = Base::TopAligned,
        BottomAligned = Base::BottomAligned,
    };
    Q_ENUM(EBitmapDefaultAlignment)

    /// Like the library's widget with the parent alone.
    explicit CBitmapCheckBox(QWidget* parent = nullptr);
    ~CBitmapCheckBox() override;

    /// The property enabledBitmap, as the library holds it.
    QPixmap enabledBitmap() const { return QPixmap::fromImage(_Bitmap(true)); }
    /// Sets the property enabledBitmap through the library's setter.
    void setEnabledBitmap(const QPixmap& bitmap) { SetBitmap(bitmap, true); }
    /// The property disabledBitmap, as the library holds it.
    QPixmap disabledBitmap() const { return QPixmap::fromImage(_Bitmap(false)); }
    /// Sets the property disabledBitmap through the library's setter.
    void setDisabledBitmap(const QPixmap& bitmap) { SetBitmap(bitmap, false); }
    /// The property bitmapMode, as the library holds it.
    EMode bitmapMode() const { return static_cast<EMode>(_Mode()); }
    /// Sets the property bitmapMode through the library's setter.
    void setBitmapMode(EMode mode) { SetMode(static_cast<Base::EMode>(mode)); }
    /// The property bitmapAlignment, as the library holds it.
    EBitmapDefaultAlignment bitmapAlignment() const
    {
        return static_cast<EBitmapDefaultAlignment>(_DefaultAlignment());
    }
    /// Sets the property bitmapAlignment through the library's setter.
    void setBitmapAlignment(EBitmapDefaultAlignment alignment)
    {
        SetBitmapDefaultAlignment(static_cast<Base::EBitmapDefaultAlignment>(alignment));
    }
    /// The property drawText, as the library holds it.
    bool drawText() const { return _DrawText(); }
    /// Sets the property drawText through the library's setter.
    void setDrawText(bool drawText) { SetDrawText(drawText); }
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
