#pragma once

#include <QRect>

#include <cstdint>
#include <cstring>
#include <type_traits>

class QColor;
class QPainter;
class QString;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// Everything a cached picture depends on, appended field by field in a fixed order. Each user
/// starts with its own kind letter, so pictures of different controls never share a key. The
/// hash is kept up to date while fields are appended, so a look-up does not read the key again.
class CPictureKey
{
public:
    explicit CPictureKey(char kind) { *this << kind; }

    /// Numbers and enumerations, by their bytes.
    template <typename T, typename = std::enable_if_t<std::is_arithmetic_v<T> || std::is_enum_v<T>>>
    CPictureKey& operator<<(T value)
    {
        if (m_nSize + int(sizeof value) > kCapacity)
        {
            m_nSize = kCapacity + 1; // too long to keep: the ink is drawn directly
            return *this;
        }
        std::memcpy(m_aBytes + m_nSize, &value, sizeof value);
        m_nSize += int(sizeof value);
        std::uint64_t word = 0;
        std::memcpy(&word, &value, sizeof value);
        m_nHash = (m_nHash ^ word) * 0x100000001b3ULL;
        return *this;
    }
    CPictureKey& operator<<(const QRect& rect)
    {
        return *this << rect.left() << rect.top() << rect.right() << rect.bottom();
    }
    CPictureKey& operator<<(const QColor& color);
    CPictureKey& operator<<(const QString& text);
    /// The application palette's Light and Dark colours, in which engraved edges are drawn.
    CPictureKey& AddShadeColours();
    /// What text depends on besides its colour: every property of the painter's font that
    /// changes how text is laid out or drawn, the resolution of the device it is drawn for, the
    /// layout direction and the background (styles dither disabled text with it).
    CPictureKey& AddTextStateOf(const QPainter& painter);

    /// Whether the key holds all its fields; a longer one cannot name a picture.
    bool IsComplete() const { return m_nSize <= kCapacity; }
    const char* Data() const { return m_aBytes; }
    int Size() const { return m_nSize; }
    uint Hash() const { return uint(m_nHash ^ (m_nHash >> 32)); }

private:
    static constexpr int kCapacity = 512;
    char m_aBytes[kCapacity];
    int m_nSize = 0;
    std::uint64_t m_nHash = 0xcbf29ce484222325ULL;
};

/// A drawing step handed to DrawThroughPicture: a reference to a callable, which must outlive
/// the call (a lambda written in the call's argument list does).
class FDraw
{
public:
    FDraw() = default;
    template <typename F, typename = std::enable_if_t<!std::is_same_v<std::decay_t<F>, FDraw>>>
    FDraw(F&& draw)
        : m_pCallable(const_cast<void*>(static_cast<const void*>(&draw))),
          m_fnCall([](void* callable, QPainter& painter)
                   { (*static_cast<std::remove_reference_t<F>*>(callable))(painter); })
    {
    }
    void operator()(QPainter& painter) const { m_fnCall(m_pCallable, painter); }
    explicit operator bool() const { return m_fnCall != nullptr; }

private:
    void* m_pCallable = nullptr;
    void (*m_fnCall)(void*, QPainter&) = nullptr;
};

/**
 * Draws @p ink through a picture kept for @p key and the device the painter draws on: the first
 * paint draws the ink into an image at device resolution, later paints blit the pixels the ink
 * changed. The key is completed here with the device's scale, the painter's position within a
 * device pixel and the painter state the ink starts from (pen, brush, render hints); a key for
 * text adds the rest with AddTextStateOf.
 *
 * Without @p under, the ink must cover pixels opaquely (aliased drawing in opaque colours);
 * such a picture does not depend on what lies beneath. With @p under, which draws what the ink
 * lands on (the button bevel), antialiased ink such as text is kept as the finished pixels over
 * that background; this holds wherever that background is opaque. Ink that breaks its
 * condition, and painters that are not raster painters with a plain scale (printers, pictures,
 * rotated painters), are drawn directly: the picture never changes a pixel.
 *
 * @p bounds limits the ink in the painter's coordinates; pass the widget's rectangle.
 */
void DrawThroughPicture(QPainter& painter, CPictureKey& key, const QRect& bounds, FDraw ink,
                        FDraw under = {});

/// The painter's device pixels per logical pixel, 1 for a painter that does not simply scale.
double DeviceScale(const QPainter& painter);

/// Kept pictures and text layouts are used while this is on (the default); off, everything is
/// drawn directly, which is what the pictures must reproduce.
void SetPaintCachesEnabled(bool enabled);
bool PaintCachesEnabled();

/// Number of kept pictures and the bytes they hold; the bytes never pass kPictureBudget.
struct SPictureCacheSize
{
    int nPictures;
    long long nBytes;
};
SPictureCacheSize PictureCacheSize();
constexpr long long kPictureBudget = 8 * 1024 * 1024;

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
