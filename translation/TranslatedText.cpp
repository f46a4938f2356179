#include "TranslatedText.h"

#include "Translate.h"

#include <QCoreApplication>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

// Qt's translation, or null when the application's translators do not know the text.
QString QtTranslation(const char* pszContext, const char* pszText)
{
    const QString qsTranslated = QCoreApplication::translate(pszContext, pszText);
    return qsTranslated == QLatin1String(pszText) ? QString() : qsTranslated;
}

} // namespace

QString TranslatedText(const char* pszText)
{
    return QString::fromStdString(Fenra::Internationalisation::TranslateKnown(pszText));
}

QString FormText(const char* pszContext, const char* pszText)
{
    const QString qsQt = QtTranslation(pszContext, pszText);
    return qsQt.isNull() ? TranslatedText(pszText) : qsQt;
}

QString DialogText(const char* pszContext, const char* pszText)
{
    const QString qsQt = QtTranslation(pszContext, pszText);
    return qsQt.isNull() ? QString::fromStdString(Fenra::Internationalisation::Translate(pszText))
                         : qsQt;
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
