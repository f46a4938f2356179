#pragma once

#include "RangeSliderBase.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/**
 * A slider with two handles that select a start and an end value between an integer minimum
 * and maximum, like two QSliders that cannot cross. Horizontal sliders grow to the right,
 * vertical ones upwards.
 *
 * Mouse: a handle is dragged; the span between the handles is dragged as a whole, keeping its
 * width; a press on the track before the start handle or after the end handle moves that
 * handle there and drags it on. A dragged handle stops at the other one.
 *
 * Keyboard (one handle has the keyboard focus and shows a mark while the slider has focus):
 * Right and Up one single step up, Left and Down one down, Page Up and Page Down one page step,
 * Home and End as far as the handle can go, Space moves the focus to the other handle (Tab
 * keeps leaving the widget). The focused handle stops at the other one, too. The mouse wheel
 * moves it a single step per notch; the smaller turns of touchpads and high-resolution wheels
 * add up to notches.
 *
 * Signals: StartValueChanged() and EndValueChanged() once for each change of their value, then
 * RangeChanged(start, end) once; nothing for a call that changes nothing. Setters clamp to the
 * limits; a start set above the end pushes the end along, and an end set below the start
 * pushes the start.
 *
 * The track lies in the contents rectangle: contents margins move its ends inwards, which lines
 * the values up with another widget's axis (see AlignToClassAxis for a histogram's classes).
 */
class ZRI_EXPORT CRangeSlider : public CRangeSliderBase
{
    Q_OBJECT

public:
    /// The handle that has the keyboard focus.
    enum EHandle
    {
        StartHandle,
        EndHandle
    };

    explicit CRangeSlider(QWidget* parent = nullptr);
    explicit CRangeSlider(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~CRangeSlider() override;

    int Minimum() const { return m_nMinimum; }
    int Maximum() const { return m_nMaximum; }
    /// The limits (default 0 and 99); start and end are clamped into them. A minimum above the
    /// maximum is refused: the old limits stay and false is returned.
    bool SetRange(int minimum, int maximum);
    bool SetMinimum(int minimum);
    bool SetMaximum(int maximum);

    int StartValue() const { return m_nStart; }
    int EndValue() const { return m_nEnd; }
    /// Both values at once, each clamped to the limits; a start above the end pushes the end to
    /// the start. The signals come once, after both are stored.
    void SetValues(int start, int end);

    Qt::Orientation Orientation() const { return m_eOrientation; }
    void SetOrientation(Qt::Orientation orientation);
    /// Step of the arrow keys and the mouse wheel (default 1; less than 1 counts as 1).
    void SetSingleStep(int step);
    int SingleStep() const { return m_nSingleStep; }
    /// Step of Page Up and Page Down (default 10; less than 1 counts as 1).
    void SetPageStep(int step);
    int PageStep() const { return m_nPageStep; }

    EHandle FocusedHandle() const { return m_eFocused; }
    void SetFocusedHandle(EHandle handle);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    /// After StartValueChanged() and EndValueChanged(), once per change of either value.
    void RangeChanged(int start, int end);

public slots:
    /// The start value, clamped to the limits; the end is pushed along when it is lower.
    void SetStartValue(int value);
    /// The end value, clamped to the limits; the start is pushed along when it is higher.
    void SetEndValue(int value);
    /// Opens the range downwards: the start goes to the minimum. Connected to a button's
    /// clicked(), together with SetEndValue(), it selects the whole range.
    void SetStartValue() override;
    /// Opens the range upwards: the end goes to the maximum.
    void SetEndValue() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    enum class EDrag
    {
        None,
        Start,
        End,
        Span
    };
    void _UseSizePolicy();
    void _Apply(int start, int end);
    void _MoveFocused(long long target);
    void _Drag(int axis);
    int _ValueAt(int travelPosition) const;

    int m_nMinimum = 0;
    int m_nMaximum = 99;
    int m_nStart = 0;
    int m_nEnd = 99;
    int m_nSingleStep = 1;
    int m_nPageStep = 10;
    Qt::Orientation m_eOrientation;
    EHandle m_eFocused = StartHandle;
    EDrag m_eDrag = EDrag::None;
    int m_nGrab = 0;      ///< where in the handle (or the travel, for the span) the drag began
    int m_nGrabStart = 0; ///< the values when a span drag began
    int m_nGrabEnd = 0;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
