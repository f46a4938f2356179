#pragma once

#include <QAccessibleWidget>

#include <cstddef>

class QMetaObject;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// How a screen reader reads one kind of painted control.
struct SAccessibleKind
{
    const QMetaObject* pMetaObject; ///< the class whose name the kind answers to
    QAccessible::Role eRole;
    /// What the control shows, in words; never empty.
    QString (*fnName)(const QWidget& control);
    /// State worth hearing beside the name ("lamp on"); null or empty: the tooltip, as usual.
    QString (*fnDescription)(const QWidget& control);
};

/**
 * The accessible interface of a painted control: the role of its kind, a name and a description
 * read from what the control shows at the moment of the query, and for buttons their checked
 * and pressed state and a press or toggle action. A name or description that the application
 * set on the widget wins.
 */
class CAccessibleControl : public QAccessibleWidget
{
public:
    CAccessibleControl(QWidget* pwControl, const SAccessibleKind& rKind);

    QString text(QAccessible::Text eText) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& rqsAction) override;

private:
    const SAccessibleKind& m_rKind;
};

/// An interface for pObject when rqsClassName names one of the kinds; null otherwise. Meant to
/// be called from a factory given to QAccessible::installFactory.
QAccessibleInterface* CreateAccessibleControl(const SAccessibleKind* pKinds, std::size_t nKinds,
                                              const QString& rqsClassName, QObject* pObject);

/// A factory for QAccessible::installFactory that answers the kinds of one table.
template <const SAccessibleKind* pKinds, std::size_t nKinds>
QAccessibleInterface* AccessibleControlFactory(const QString& rqsClassName, QObject* pObject)
{
    return CreateAccessibleControl(pKinds, nKinds, rqsClassName, pObject);
}

/// Tells screen readers that what they read of pwControl changed (a new name, description or
/// state), so that they read it again; nothing happens while no assistive tool listens. An
/// installed QAccessible update handler hears it on every platform.
void NotifyAccessible(QWidget* pwControl, QAccessible::Event eEvent);

/// Whether an assistive tool or an installed update handler would hear an event now: only then
/// is it worth making the interfaces that an event names.
bool AccessibleListening();

/// Sends event to whoever listens, as NotifyAccessible does.
void SendAccessible(QAccessibleEvent& event);

/// text without the ampersands that mark mnemonics ("&&" stays one ampersand).
QString StripMnemonic(QString text);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
