#include "AccessibleControl.h"

#include <QAbstractButton>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

const QAbstractButton* ButtonOf(const QWidget* pwControl)
{
    return qobject_cast<const QAbstractButton*>(pwControl);
}

} // namespace

CAccessibleControl::CAccessibleControl(QWidget* pwControl, const SAccessibleKind& rKind)
    : QAccessibleWidget(pwControl, rKind.eRole), m_rKind(rKind)
{
}

QString CAccessibleControl::text(QAccessible::Text eText) const
{
    const QWidget& control = *widget();
    if (eText == QAccessible::Name && control.accessibleName().isEmpty())
        return m_rKind.fnName(control);
    if (eText == QAccessible::Description && control.accessibleDescription().isEmpty() &&
        m_rKind.fnDescription)
    {
        const QString qsDescription = m_rKind.fnDescription(control);
        if (!qsDescription.isEmpty())
            return qsDescription;
    }
    return QAccessibleWidget::text(eText);
}

QAccessible::State CAccessibleControl::state() const
{
    QAccessible::State oState = QAccessibleWidget::state();
    if (const QAbstractButton* pwButton = ButtonOf(widget()))
    {
        oState.checkable = pwButton->isCheckable();
        oState.checked = pwButton->isChecked();
        oState.pressed = pwButton->isDown();
    }
    return oState;
}

QStringList CAccessibleControl::actionNames() const
{
    QStringList qslNames;
    const QAbstractButton* pwButton = ButtonOf(widget());
    if (pwButton && pwButton->isEnabled())
        qslNames << (pwButton->isCheckable() ? toggleAction() : pressAction());
    return qslNames + QAccessibleWidget::actionNames();
}

void CAccessibleControl::doAction(const QString& rqsAction)
{
    auto* pwButton = qobject_cast<QAbstractButton*>(widget());
    // A click, as the user's: checkable buttons toggle and every button emits clicked().
    if (pwButton && (rqsAction == pressAction() || rqsAction == toggleAction()))
    {
        if (pwButton->isEnabled())
            pwButton->click();
        return;
    }
    QAccessibleWidget::doAction(rqsAction);
}

QAccessibleInterface* CreateAccessibleControl(const SAccessibleKind* pKinds, std::size_t nKinds,
                                              const QString& rqsClassName, QObject* pObject)
{
    if (pObject == nullptr || !pObject->isWidgetType())
        return nullptr;
    for (std::size_t i = 0; i < nKinds; ++i)
        if (rqsClassName == QLatin1String(pKinds[i].pMetaObject->className()))
            return new CAccessibleControl(static_cast<QWidget*>(pObject), pKinds[i]);
    return nullptr;
}

namespace
{

// The update handler a UI-test tool installed, if any (Qt offers no getter).
QAccessible::UpdateHandler InstalledHandler()
{
    const QAccessible::UpdateHandler fnHandler = QAccessible::installUpdateHandler(nullptr);
    QAccessible::installUpdateHandler(fnHandler);
    return fnHandler;
}

} // namespace

void NotifyAccessible(QWidget* pwControl, QAccessible::Event eEvent)
{
    QAccessibleEvent event(pwControl, eEvent);
    SendAccessible(event);
}

bool AccessibleListening()
{
    return QAccessible::isActive() || InstalledHandler() != nullptr;
}

void SendAccessible(QAccessibleEvent& event)
{
    if (QAccessible::isActive())
        return QAccessible::updateAccessibility(&event);
    // Without an active platform bridge (the offscreen platform of UI tests) Qt drops events,
    // also before an installed update handler; a UI-test tool's handler hears them all the same.
    if (const QAccessible::UpdateHandler fnHandler = InstalledHandler())
        fnHandler(&event);
}

QString StripMnemonic(QString text)
{
    for (int i = 0; i < text.size(); ++i)
        if (text.at(i) == QLatin1Char('&'))
            text.remove(i, 1);
    return text;
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
