#pragma once

#include "PlotView.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <vector>

class QMenu;
class QRubberBand;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{
class CHistogramDisplay;
}

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// One view of a histogram: the visible classes (count 0: all of them) and the top of the value
/// axis as a fraction of the whole axis (of its decades on a logarithmic axis).
struct SHistogramZoom
{
    int nFirst = 0;
    int nCount = 0;
    double dTop = 1.0;
};

/// The lowest top of a zoomed value axis, as a fraction of the whole.
inline constexpr double kLowestValueTop = 1e-3;

/// What a histogram keeps for zooming, panning and its readout. CHistogramDisplay was released
/// with a fixed size and fixed data members, so this lives in a private child object that the
/// display makes in its constructor and finds again with findChild (ViewOf): a display's
/// binary layout stays as it was, and the state goes with the widget.
class CHistogramView : public QObject
{
    Q_OBJECT

public:
    explicit CHistogramView(QObject* parent) : QObject(parent) {}

    double dTop = 1.0;                 // the value zoom: 1 shows the whole axis
    std::vector<SHistogramZoom> vBack; // the views to go back to, the latest last
    using EGesture = EPlotGesture;
    EGesture eGesture = EGesture::None;
    QPoint oPressed;       // where the gesture began
    int nPressedFirst = 0; // the first visible class then
    QRubberBand* pwBox = nullptr;
    QPoint oPointer{-1, -1}; // where the pointer was last seen over the display; off it once left
    int nSteps = 0;          // above 0 while one change of the view is made in several steps
    int nReadoutList = -1;   // the readout's list, -1 for none
    int nReadoutClass = -1;
    bool bKeyReadout = false;       // the readout was last moved by keys, not by the pointer
    std::vector<bool> vHidden;      // per list (shown past its end): hidden from its legend entry
    bool bRightClickZoomed = false; // the last right click went back one zoom
    bool bGrid = false;             // grid lines at the axes' ticks
    bool bVector = false;           // the paint in progress is RenderTo's (vector devices)
    QString sClassTitle;            // axis titles and units
    QString sClassUnit;
    QString sValueTitle;
    QString sValueUnit;
};

/// The histogram's context menu, a child of it: zoom back and show all while zoomed, copy, save
/// the picture, save the counts.
QMenu* HistogramMenu(CHistogramDisplay& display);

/// The view state of display.
CHistogramView& ViewOf(const CHistogramDisplay& display);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
