#include "AccessibleTexts.h"

#include "Translator.h"

#include <QWidget>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

QString TranslatedText(const char* pszText)
{
    return QString::fromStdString(Fenra::Internationalisation::Translate(pszText));
}

void SetAccessibleTexts(QWidget* pw, const char* pszName, const char* pszToolTip)
{
    pw->setAccessibleName(TranslatedText(pszName));
    if (pszToolTip != nullptr)
        pw->setToolTip(TranslatedText(pszToolTip));
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
