#include "StateData.h"

#include "LampImage.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{
namespace
{

const Varo::Fenra::Color::CRGBColor<unsigned char> kGrey(128, 128, 128);

// A stale picture is a 1 x 1 image filled with the lamp's colour. Since a cached picture counts
// as valid whenever its size matches, the placeholder doubles as the picture of a one-pixel lamp.
QImage Placeholder(const Varo::Fenra::Color::CRGBColor<unsigned char>& color)
{
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(QColor(color.GetRed(), color.GetGreen(), color.GetBlue()));
    return image;
}

} // namespace

template <typename T>
CStateData<T>::CStateData() : m_State(), m_bBlinkPhase(false), m_oDefaultImage(Placeholder(kGrey))
{
}

template <typename T> CStateData<T>::CStateData(const CStateData& other) = default;

template <typename T> CStateData<T>& CStateData<T>::operator=(const CStateData& other) = default;

template <typename T> CStateData<T>::~CStateData() = default;

template <typename T> void CStateData<T>::SetState(const T& state)
{
    if (state == m_State)
        return;
    m_State = state;
    _StartOrStopBlink();
    _Redraw();
}

template <typename T>
void CStateData<T>::SetStateColor(const T& state, const CColor& color, bool blink)
{
    SStateInfo& info = m_mStates[state];
    info.oColor = color;
    info.bBlink = blink;
    info.oImage = Placeholder(color);
    if (!(state == m_State))
        return;
    _StartOrStopBlink();
    _Redraw();
}

template <typename T> const T& CStateData<T>::GetState() const
{
    return m_State;
}

template <typename T> const QImage& CStateData<T>::_GetStateImage(const T& state, int size) const
{
    const auto it = m_mStates.find(state);
    if (it != m_mStates.end() && (!it->second.bBlink || m_bBlinkPhase))
    {
        _CreateStateImage(it->second.oImage, it->second.oColor, size);
        return it->second.oImage;
    }
    _CreateStateImage(m_oDefaultImage, kGrey, size);
    return m_oDefaultImage;
}

template <typename T>
void CStateData<T>::_CreateStateImage(QImage& image, const CColor& color, int size) const
{
    if (image.width() == size && image.height() == size)
        return;
    Varo::FenraQtGui::QtExtensions::CreateLampImage(image, color, size);
}

template <typename T> bool CStateData<T>::_MustBlink(const T& state) const
{
    const auto it = m_mStates.find(state);
    return it != m_mStates.end() && it->second.bBlink;
}

template <typename T> void CStateData<T>::_Blink()
{
    if (!_MustBlink(m_State))
        return;
    m_bBlinkPhase = !m_bBlinkPhase;
    _Redraw();
}

template <typename T> void CStateData<T>::_StartOrStopBlink()
{
    if (_MustBlink(m_State))
        _StartBlink();
    else
        _StopBlink();
}

template class CStateData<bool>;

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
