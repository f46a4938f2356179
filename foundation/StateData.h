#pragma once

#include "RGBColor.h"
#include "ZuRaradirIzurodudozExport.h"

#include <QImage>

#include <map>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/**
 * Mix-in base of widgets that show a state lamp. It keeps the current state and, per configured
 * state, a lamp colour, whether the lamp blinks in that state and a cached lamp image. The owner
 * supplies the clock and the painting through three hooks: _StartBlink() and _StopBlink() when
 * the shown state starts or stops blinking, and _Redraw() for an immediate repaint.
 *
 * Lamp images are drawn only when the requested size or a state's configuration changed;
 * repeated paints at one size reuse the cached pictures. Unconfigured states, and blinking
 * states in their dark phase, show a grey lamp.
 *
 * The library provides the instantiation for bool only.
 */
template <typename T> class ZRI_EXPORT CStateData
{
public:
    using CColor = Varo::Fenra::Color::CRGBColor<unsigned char>;

    CStateData();
    CStateData(const CStateData& other);
    CStateData& operator=(const CStateData& other);
    virtual ~CStateData();

    /// Makes @p state current. When it differs from the current one, blinking is started or
    /// stopped to match the new state and the owner redraws; otherwise nothing happens.
    void SetState(const T& state);
    /// Configures the lamp of @p state. Only when @p state is the current one does this start or
    /// stop blinking and redraw.
    void SetStateColor(const T& state, const CColor& color, bool blink);
    const T& GetState() const;

protected:
    /// Per-state configuration and the lamp picture drawn from it.
    struct SStateInfo
    {
        CColor oColor;
        bool bBlink = false;
        /// Lamp picture of oColor; a 1 x 1 placeholder while it is stale.
        mutable QImage oImage;
    };

    /// The picture to draw for @p state at @p size x @p size in the current blink phase. The
    /// reference stays valid while the object lives; later calls may redraw the picture.
    const QImage& _GetStateImage(const T& state, int size) const;
    /// Brings @p image to a lamp of @p color and @p size unless it already has that size.
    void _CreateStateImage(QImage& image, const CColor& color, int size) const;
    /// Whether @p state is configured to blink.
    bool _MustBlink(const T& state) const;
    /// One tick of the owner's blink clock: flips the phase and redraws while the current state
    /// blinks, does nothing otherwise.
    void _Blink();

    virtual void _StartBlink() = 0;
    virtual void _StopBlink() = 0;
    /// Repaints the whole widget now.
    virtual void _Redraw() = 0;

private:
    void _StartOrStopBlink();

    T m_State;
    bool m_bBlinkPhase;
    mutable QImage m_oDefaultImage;
    std::map<T, SStateInfo> m_mStates;
};

extern template class ZRI_EXPORT CStateData<bool>;

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
