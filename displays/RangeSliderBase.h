#pragma once

#include "ZuRaradirIzurodudozExport.h"

#include <QWidget>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

/**
 * The common signal and slot interface of range sliders, widgets that select a start and an
 * end value. It holds no values and draws nothing: a derived class keeps the range, paints it,
 * emits the signals and overrides the slots, which dispatch virtually also when invoked
 * through the meta-object.
 */
class ZRI_EXPORT CRangeSliderBase : public QWidget
{
    Q_OBJECT

public:
    /// A plain widget; the derived class adds the range.
    explicit CRangeSliderBase(QWidget* parent = nullptr);
    ~CRangeSliderBase() override;

signals:
    /// The end of the range has changed; read it from the derived class.
    void EndValueChanged();
    /// The start of the range has changed.
    void StartValueChanged();

public slots:
    /// Does nothing here.
    virtual void SetEndValue();
    /// Does nothing here.
    virtual void SetStartValue();
};

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
