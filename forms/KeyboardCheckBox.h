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
    using Base = ZuRaradirIzurodudoz::CKeyboardCheckBox;

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

    explicit CKeyboardCheckBox(QWidget* parent = nullptr);
    ~CKeyboardCheckBox() override;

    EKeyboardButtonMode mode() const { return static_cast<EKeyboardButtonMode>(_Mode()); }
    void setMode(EKeyboardButtonMode mode) { Set(static_cast<Base::EKeyboardButtonMode>(mode)); }
    QString topLeftLabel() const { return QString::fromStdString(_TopLeftLabel()); }
    void setTopLeftLabel(const QString& label);
    QString bottomLeftLabel() const { return QString::fromStdString(_BottomLeftLabel()); }
    void setBottomLeftLabel(const QString& label);
    QString bottomRightLabel() const { return QString::fromStdString(_BottomRightLabel()); }
    void setBottomRightLabel(const QString& label);
    int textBorder() const { return _TextBorder(); }
    void setTextBorder(int border) { SetTextBorder(border); }
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms
