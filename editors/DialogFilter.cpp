#include "DialogFilter.h"

#include <locale>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

// Upper-cased byte by byte with the global locale, like the platform's own file matching.
std::string UpperCased(std::string text)
{
    const std::locale locale;
    for (char& c : text)
        c = std::toupper(c, locale);
    return text;
}

} // namespace

boost::tuple<QString, QString>
MakeDialogFilter(const std::list<Varo::Fenra::ParameterPool::SFileType>& rFileTypes,
                 const QString& rqsSuffix)
{
    QString qsFilter;
    QString qsSelected;
    for (const auto& rType : rFileTypes)
    {
        const QString qsExtension = QString::fromStdString(rType.m_Extension);
        QString qsEntry =
            QString::fromStdString(rType.m_Description) + QStringLiteral(" ( *") + qsExtension;
        if (rType.m_bUpperCaseVariant)
            qsEntry += QStringLiteral(" *") + QString::fromStdString(UpperCased(rType.m_Extension));
        qsEntry += QStringLiteral(" )");
        const Qt::CaseSensitivity eCase =
            rType.m_bUpperCaseVariant ? Qt::CaseSensitive : Qt::CaseInsensitive;
        if (rqsSuffix.size() == qsExtension.size() && rqsSuffix.compare(qsExtension, eCase) == 0)
            qsSelected = qsEntry;
        qsFilter += qsEntry + QStringLiteral(";;");
    }
    qsFilter += QStringLiteral("All Files (*)");
    return boost::make_tuple(qsFilter, qsSelected);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
