#include "TranslatedText.h"

#include "Translate.h"

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

QString TranslatedText(const char* pszText)
{
    return QString::fromStdString(Fenra::Internationalisation::TranslateKnown(pszText));
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
