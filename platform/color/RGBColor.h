#pragma once

namespace Varo::Fenra::Color
{

/// A colour as three channels in the order red, green, blue.
template <typename T> class CRGBColor
{
public:
    /// All three channels zero.
    constexpr CRGBColor() = default;
    /// The colour of the three channels.
    constexpr CRGBColor(T red, T green, T blue) : m_Red(red), m_Green(green), m_Blue(blue) {}

    /// Red channel.
    constexpr T GetRed() const { return m_Red; }
    /// Green channel.
    constexpr T GetGreen() const { return m_Green; }
    /// Blue channel.
    constexpr T GetBlue() const { return m_Blue; }
    /// Sets the red channel.
    void SetRed(T value) { m_Red = value; }
    /// Sets the green channel.
    void SetGreen(T value) { m_Green = value; }
    /// Sets the blue channel.
    void SetBlue(T value) { m_Blue = value; }

    /// Equal when all three channels are equal.
    constexpr bool operator==(const CRGBColor& other) const
    {
        return m_Red == other.m_Red && m_Green == other.m_Green && m_Blue == other.m_Blue;
    }
    /// Unequal when any channel differs.
    constexpr bool operator!=(const CRGBColor& other) const { return !(*this == other); }

private:
    T m_Red{};
    T m_Green{};
    T m_Blue{};
};

} // namespace Varo::Fenra::Color
