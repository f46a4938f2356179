#pragma once

#include "ZuRaradirIzurodudozExport.h"

#include <QLineEdit>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/**
 * A QLineEdit that signals when it gains and loses the keyboard focus, whatever the reason
 * (mouse, tab key, window activation, popup). Both signals come after QLineEdit has handled the
 * focus event, so a slot connected to editingFinished() and looseFocus() sees editingFinished()
 * first.
 *
 * Note: the signal setFocus() hides QWidget::setFocus(). Calling setFocus() through a CLineEdit
 * pointer or reference emits the signal and does not move the keyboard focus; to move it, call
 * the QWidget member, for instance through a QWidget pointer:
 * \code static_cast<QWidget*>(pwEdit)->setFocus(); \endcode
 */
class ZRI_EXPORT CLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    /// A line edit showing rqsContents.
    CLineEdit(const QString& rqsContents, QWidget* pwParent);
    /// An empty line edit.
    explicit CLineEdit(QWidget* pwParent = nullptr);
    ~CLineEdit() override;

    CLineEdit(const CLineEdit&) = delete;
    CLineEdit& operator=(const CLineEdit&) = delete;

signals:
    /// The line edit has gained the keyboard focus.
    void setFocus();
    /// The line edit has lost the keyboard focus (spelled with two o's).
    void looseFocus();

protected:
    /// Lets QLineEdit handle the event, then emits setFocus().
    void focusInEvent(QFocusEvent* pEvent) override;
    /// Lets QLineEdit handle the event (which may emit editingFinished()), then emits
    /// looseFocus().
    void focusOutEvent(QFocusEvent* pEvent) override;
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
