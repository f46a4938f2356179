#pragma once

namespace Varo::Fenra::Color
{

/// A colour as three channels in the order red, green, blue.
template <typename T> class CRGBColor
{
public:
    constexpr CRGBColor() = default;
    constexpr CRGBColor(T red, T green, T blue) : m_Red(red), m_Green(green), m_Blue(blue) {}

    constexpr T GetRed() const { return m_Red; }
    constexpr T GetGreen() const { return m_Green; }
    constexpr T GetBlue() const { return m_Blue; }
    void SetRed(T value) { m_Red = value; }
    void SetGreen(T value) { m_Green = value; }
    void SetBlue(T value) { m_Blue = value; }

    constexpr bool operator==(const CRGBColor& other) const
    {
        return m_Red == other.m_Red && m_Green == other.m_Green && m_Blue == other.m_Blue;
    }
    constexpr bool operator!=(const CRGBColor& other) const { return !(*this == other); }

private:
    T m_Red{};
    T m_Green{};
    T m_Blue{};
};

} // namespace Varo::Fenra::Color
