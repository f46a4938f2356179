// What screen readers and UI-test tools hear of the concrete displays; installed when the
// library loads, like the buttons' factory.
#include "AccessibleControl.h"
#include "BarScalePercent.h"
#include "Translator.h"

#include <QCoreApplication>

#include <iterator>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

QString RulerName(const QWidget&)
{
    return QString::fromStdString(Fenra::Internationalisation::TranslateKnown("Percentage scale"));
}

// The ruler is a picture with labels: nothing to press or change.
const SAccessibleKind kDisplays[] = {
    {&CBarScalePercent::staticMetaObject, QAccessible::Graphic, RulerName, nullptr},
};

void InstallDisplayAccessibility()
{
    QAccessible::installFactory(AccessibleControlFactory<kDisplays, std::size(kDisplays)>);
}

Q_COREAPP_STARTUP_FUNCTION(InstallDisplayAccessibility)

} // namespace

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
