#pragma once

#include <QString>

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

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Forms::Detail
