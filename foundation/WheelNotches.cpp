#include "WheelNotches.h"

#include <QWheelEvent>
#include <QWidget>

#include <cstdlib>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

constexpr int kNotch = 120;

// The part of a notch turned so far, owned by the widget it belongs to.
class CWheelRemainder : public QObject
{
public:
    explicit CWheelRemainder(QObject* parent) : QObject(parent)
    {
        setObjectName(QStringLiteral("zriWheelRemainder"));
    }

    int m_nDelta = 0;
};

} // namespace

int WheelNotches(QWidget& widget, const QWheelEvent& event)
{
    const QPoint angle = event.angleDelta();
    const int delta = std::abs(angle.y()) >= std::abs(angle.x()) ? angle.y() : angle.x();
    auto* remainder = widget.findChild<CWheelRemainder*>(QStringLiteral("zriWheelRemainder"),
                                                         Qt::FindDirectChildrenOnly);
    if (!remainder)
    {
        remainder = new CWheelRemainder(&widget);
    }
    if ((remainder->m_nDelta < 0 && delta > 0) || (remainder->m_nDelta > 0 && delta < 0))
    {
        remainder->m_nDelta = 0;
    }
    remainder->m_nDelta += delta;
    const int notches = remainder->m_nDelta / kNotch;
    remainder->m_nDelta -= notches * kNotch;
    return notches;
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
