// The concrete widgets offered in Designer's widget box. Abstract bases are not offered.
#include "WidgetCollection.h"

#include "ArrowButton.h"

namespace ZriDesigner
{
namespace
{

namespace Zri = Varo::FenraQtGui::ZuRaradirIzurodudoz;

template <typename TWidget> std::function<QWidget*(QWidget*)> Create()
{
    return [](QWidget* parent) -> QWidget* { return new TWidget(parent); };
}

QString Class(const char* name)
{
    return QStringLiteral("Varo::FenraQtGui::ZuRaradirIzurodudoz::") + QLatin1String(name);
}

QString Header(const char* name)
{
    return QStringLiteral("ZuRaradirIzurodudoz/") + QLatin1String(name);
}

} // namespace

std::vector<SWidgetInfo> OfferedWidgets()
{
    return {
        {Class("CArrowButton"), Header("ArrowButton.h"), QStringLiteral("Arrow button"),
         QStringLiteral("A push button showing an engraved single or double arrow."),
         QSize(40, 30), Create<Zri::CArrowButton>()},
    };
}

} // namespace ZriDesigner
