#pragma once

#include <ZuRaradirIzurodudoz/KeyboardCheckBox.h>
#include <ZuRaradirIzurodudoz/ZuRaradirIzurodudozFormsExport.h>

#include <cstdint>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
{

/**
 * The keyboard check key as Qt Designer sets it up: face mode, the three legends and the text
 * border as properties (a check key always draws its legends in the widget's font). Everything
 * else is the library's CKeyboardCheckBox, which application code keeps using (this class is
 * one).
 *
 * A form sets its properties one by one, in the order of its file; so setting a legend keeps
 * the face mode, unlike the library's Set(), which switches the face to the legends.
 *
 * Unlike the library's class, which keeps the hint of a push button without text, its size hint
 * fits the legends or the symbol: in a layout built in code legends stay apart and legible.
 */
class ZRI_FORMS_EXPORT CKeyboardCheckBox : public ZuRaradirIzurodudoz::CKeyboardCheckBox
{
    Q_OBJECT
    Q_PROPERTY(EKeyboardButtonMode mode READ mode WRITE setMode)
    Q_PROPERTY(QString topLeftLabel READ topLeftLabel WRITE setTopLeftLabel)
    Q_PROPERTY(QString bottomLeftLabel READ bottomLeftLabel WRITE setBottomLeftLabel)
    Q_PROPERTY(QString bottomRightLabel READ bottomRightLabel WRITE setBottomRightLabel)
    Q_PROPERTY(int textBorder READ textBorder WRITE setTextBorder)

public:
    /// The library class that this form class is.
    using Base = ZuRaradirIzurodudoz::CKeyboardCheckBox;

    /// The library's EKeyboardButtonMode, with the same names and values, for Designer's drop-down
    /// list.
    enum EKeyboardButtonMode : std::int32_t
    {
        Labels = Base::Labels,
        ArrowUp = Base::ArrowUp,
        ArrowDown = Base::ArrowDown,
        ArrowLeft = Base::ArrowLeft,
        ArrowRight = Base::ArrowRight,
        OutlineArrowUp = Base::OutlineArrowUp,
        OutlineArrowDown = Base::OutlineArrowDown,
        BlockArrowUp1 = Base::BlockArrowUp1,
        BlockArrowUp2 = Base::BlockArrowUp2,
        BlockArrowUp3 = Base::BlockArrowUp3,
        BlockArrowUp4 = Base::BlockArrowUp4,
        LongArrowLeft = Base::LongArrowLeft,
        CornerArrow = Base::CornerArrow,
    };
    Q_ENUM(EKeyboardButtonMode)

    /// Like the library's widget with the parent alone.
    explicit CKeyboardCheckBox(QWidget* parent = nullptr);
    ~CKeyboardCheckBox() override;

    /// The property mode, as the library holds it.
    EKeyboardButtonMode mode() const { return static_cast<EKeyboardButtonMode>(_Mode()); }
    /// Sets the property mode through the library's setter.
    void setMode(EKeyboardButtonMode mode) { Set(static_cast<Base::EKeyboardButtonMode>(mode)); }
    /// The property topLeftLabel, as the library holds it.
    QString topLeftLabel() const { return QString::fromStdString(_TopLeftLabel()); }
    /// Sets the property topLeftLabel through the library's setter.
    void setTopLeftLabel(const QString& label);
    /// The property bottomLeftLabel, as the library holds it.
    QString bottomLeftLabel() const { return QString::fromStdString(_BottomLeftLabel()); }
    /// Sets the property bottomLeftLabel through the library's setter.
    void setBottomLeftLabel(const QString& label);
    /// The property bottomRightLabel, as the library holds it.
    QString bottomRightLabel() const { return QString::fromStdString(_BottomRightLabel()); }
    /// Sets the property bottomRightLabel through the library's setter.
    void setBottomRightLabel(const QString& label);
    /// The property textBorder, as the library holds it.
    int textBorder() const { return _TextBorder(); }
    /// Sets the property textBorder through the library's setter.
    void setTextBorder(int border) { SetTextBorder(border); }

    /// The legends in the key's font with the text border around them (the top-left one above,
    /// the bottom ones beside each other), or a 16-pixel symbol; at least 32 x 32 pixels.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    /// Repaints, and tells layouts that the face and so the size hint may have changed.
    void _Redraw() override;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
