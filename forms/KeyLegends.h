#pragma once

#include <QFontMetrics>
#include <QSize>
#include <QString>

#include <algorithm>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms::Detail
{

/// Sets the three legends of a key and keeps its face mode. The library's Set() switches the
/// face to the legends; a form sets its properties one by one, in the order of its file, so a
/// legend that follows the symbol must not undo it.
template <typename TKey>
void SetLegends(TKey& key, const QString& topLeft, const QString& bottomLeft,
                const QString& bottomRight)
{
    const auto eMode = key.mode();
    key.Set(topLeft.toStdString(), bottomLeft.toStdString(), bottomRight.toStdString());
    if (eMode != TKey::Labels)
        key.setMode(eMode);
}

/// A size that shows a key's face: a symbol 16 pixels high, or the legends in the key's font
/// with the text border around them, the top-left one on its own row and the bottom ones side
/// by side, a blank's width apart, on the row below. Never below 32 x 32 pixels.
template <typename TKey> QSize KeySizeHint(const TKey& key)
{
    constexpr int kSmallest = 32;
    const int nBorder = std::max(key.textBorder(), 0);
    if (key.mode() != TKey::Labels)
        return QSize(kSmallest, kSmallest);
    const QFontMetrics metrics(key.font());
    const auto width = [&metrics](const QString& text)
    { return text.isEmpty() ? 0 : metrics.horizontalAdvance(text); };
    const QString bottomLeft = key.bottomLeftLabel(), bottomRight = key.bottomRightLabel();
    const int nGap = bottomLeft.isEmpty() || bottomRight.isEmpty() ? 0 : width(" ");
    const int nText =
        std::max(width(key.topLeftLabel()), width(bottomLeft) + nGap + width(bottomRight));
    const int nRows =
        int(!key.topLeftLabel().isEmpty()) + int(!(bottomLeft + bottomRight).isEmpty());
    // Two more pixels each way: a pressed key shifts its face by one.
    return QSize(std::max(kSmallest, nText + 2 * nBorder + 2),
                 std::max(kSmallest, nRows * metrics.height() + 2 * nBorder + 2));
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms::Detail
