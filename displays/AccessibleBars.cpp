// What screen readers hear of the bar gauge and the range slider: the gauge is a read-only
// progress bar with its value and unit; the range slider is a group of two sliders, its
// handles, each with its own value. Installed when the library loads.
#include "BarGauge.h"
#include "RangeSlider.h"
#include "RangeSliderGeometry.h"
#include "TranslatedText.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>

#include <cmath>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

class CAccessibleBarGauge : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit CAccessibleBarGauge(CBarGauge* pwGauge)
        : QAccessibleWidget(pwGauge, QAccessible::ProgressBar)
    {
    }

    void* interface_cast(QAccessible::InterfaceType eType) override
    {
        if (eType == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(eType);
    }

    QString text(QAccessible::Text eText) const override
    {
        const CBarGauge& gauge = Gauge();
        if (eText == QAccessible::Name && gauge.accessibleName().isEmpty())
            return gauge.Title().isEmpty() ? TranslatedText("Bar gauge") : gauge.Title();
        if (eText == QAccessible::Value)
            return std::isnan(gauge.Value()) ? TranslatedText("no value") : gauge.ValueText();
        if (eText == QAccessible::Description && gauge.accessibleDescription().isEmpty() &&
            gauge.IsAlarm())
            return gauge.Value() >= gauge.HighAlarm() ? TranslatedText("high alarm")
                                                      : TranslatedText("low alarm");
        return QAccessibleWidget::text(eText);
    }

    QAccessible::State state() const override
    {
        QAccessible::State oState = QAccessibleWidget::state();
        oState.readOnly = true;
        return oState;
    }

    QVariant currentValue() const override { return Gauge().Value(); }
    void setCurrentValue(const QVariant&) override {} // a display: the application sets it
    QVariant maximumValue() const override { return Gauge().Maximum(); }
    QVariant minimumValue() const override { return Gauge().Minimum(); }
    QVariant minimumStepSize() const override { return 0.0; }

private:
    const CBarGauge& Gauge() const { return *static_cast<const CBarGauge*>(widget()); }
};

// One handle of a range slider; owned by the accessibility cache, deleted by the slider's
// interface, which lives as long as the slider.
class CAccessibleRangeHandle : public QAccessibleInterface, public QAccessibleValueInterface
{
public:
    CAccessibleRangeHandle(CRangeSlider* pwSlider, CRangeSlider::EHandle eHandle)
        : m_pwSlider(pwSlider), m_eHandle(eHandle)
    {
    }

    bool isValid() const override { return !m_pwSlider.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_pwSlider.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Slider; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text eText) const override
    {
        if (!isValid())
            return QString();
        if (eText == QAccessible::Name)
            return m_eHandle == CRangeSlider::StartHandle ? TranslatedText("Start")
                                                          : TranslatedText("End");
        if (eText == QAccessible::Value)
            return QString::number(Value());
        return QString();
    }

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const CRangeSlider& slider = *m_pwSlider;
        const SRangeSliderLayout layout =
            RangeSliderLayout(slider.contentsRect().size(), slider.Orientation(), slider.Minimum(),
                              slider.Maximum(), slider.StartValue(), slider.EndValue());
        const QRect handle =
            (m_eHandle == CRangeSlider::StartHandle ? layout.oStartHandle : layout.oEndHandle)
                .translated(slider.contentsRect().topLeft());
        return QRect(slider.mapToGlobal(handle.topLeft()), handle.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State oState;
        if (!isValid())
            return oState;
        oState.focusable = true;
        oState.focused = m_pwSlider->hasFocus() && m_pwSlider->FocusedHandle() == m_eHandle;
        oState.disabled = !m_pwSlider->isEnabled();
        oState.invisible = !m_pwSlider->isVisible();
        return oState;
    }

    void* interface_cast(QAccessible::InterfaceType eType) override
    {
        return eType == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                    : nullptr;
    }

    QVariant currentValue() const override { return isValid() ? QVariant(Value()) : QVariant(); }
    void setCurrentValue(const QVariant& rValue) override
    {
        if (!isValid())
            return;
        if (m_eHandle == CRangeSlider::StartHandle)
            m_pwSlider->SetStartValue(rValue.toInt());
        else
            m_pwSlider->SetEndValue(rValue.toInt());
    }
    // The limits of the slider: a value beyond the other handle pushes it along.
    QVariant maximumValue() const override { return isValid() ? m_pwSlider->Maximum() : 0; }
    QVariant minimumValue() const override { return isValid() ? m_pwSlider->Minimum() : 0; }
    QVariant minimumStepSize() const override { return isValid() ? m_pwSlider->SingleStep() : 1; }

private:
    int Value() const
    {
        return m_eHandle == CRangeSlider::StartHandle ? m_pwSlider->StartValue()
                                                      : m_pwSlider->EndValue();
    }

    QPointer<CRangeSlider> m_pwSlider;
    CRangeSlider::EHandle m_eHandle;
};

class CAccessibleRangeSlider : public QAccessibleWidget
{
public:
    explicit CAccessibleRangeSlider(CRangeSlider* pwSlider)
        : QAccessibleWidget(pwSlider, QAccessible::Grouping)
    {
        for (const CRangeSlider::EHandle eHandle :
             {CRangeSlider::StartHandle, CRangeSlider::EndHandle})
        {
            auto* pHandle = new CAccessibleRangeHandle(pwSlider, eHandle);
            m_Ids[eHandle] = QAccessible::registerAccessibleInterface(pHandle);
        }
    }
    ~CAccessibleRangeSlider() override
    {
        for (const QAccessible::Id id : m_Ids)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return 2; }
    QAccessibleInterface* child(int nIndex) const override
    {
        return nIndex == 0 || nIndex == 1 ? QAccessible::accessibleInterface(m_Ids[nIndex])
                                          : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* pChild) const override
    {
        for (int i = 0; i < 2; ++i)
            if (pChild && pChild == child(i))
                return i;
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        const auto* pwSlider = static_cast<const CRangeSlider*>(widget());
        return pwSlider->hasFocus() ? child(pwSlider->FocusedHandle()) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < 2; ++i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }
    QString text(QAccessible::Text eText) const override
    {
        if (eText == QAccessible::Name && widget()->accessibleName().isEmpty())
            return TranslatedText("Range");
        return QAccessibleWidget::text(eText);
    }

private:
    QAccessible::Id m_Ids[2] = {};
};

QAccessibleInterface* BarsFactory(const QString& rqsClassName, QObject* pObject)
{
    if (rqsClassName == QLatin1String(CBarGauge::staticMetaObject.className()))
        if (auto* pwGauge = qobject_cast<CBarGauge*>(pObject))
            return new CAccessibleBarGauge(pwGauge);
    if (rqsClassName == QLatin1String(CRangeSlider::staticMetaObject.className()))
        if (auto* pwSlider = qobject_cast<CRangeSlider*>(pObject))
            return new CAccessibleRangeSlider(pwSlider);
    return nullptr;
}

void InstallBarsAccessibility()
{
    QAccessible::installFactory(BarsFactory);
}

Q_COREAPP_STARTUP_FUNCTION(InstallBarsAccessibility)

} // namespace

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
