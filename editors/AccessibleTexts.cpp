#include "AccessibleTexts.h"

#include "Translator.h"

#include <QWidget>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

QString TranslatedText(const char* pszText)
{
    return QString::fromStdString(Fenra::Internationalisation::TranslateKnown(pszText));
}

void SetAccessibleTexts(QWidget* pw, const char* pszName, const char* pszToolTip,
                        const char* pszDescription)
{
    pw->setAccessibleName(TranslatedText(pszName));
    if (pszToolTip != nullptr)
        pw->setToolTip(TranslatedText(pszToolTip));
    if (pszDescription != nullptr)
        pw->setAccessibleDescription(TranslatedText(pszDescription));
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
