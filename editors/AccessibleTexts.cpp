#include "AccessibleTexts.h"

#include <QWidget>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

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
