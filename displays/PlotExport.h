#pragma once

#include "TranslatedText.h"

#include <QMenu>
#include <QPainter>
#include <QSize>
#include <QString>

#include <functional>

class QByteArray;
class QFont;
class QContextMenuEvent;
class QImage;
class QPaintDevice;
class QRectF;
class QSize;
class QSizeF;
class QWidget;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// A CSV field: quoted when it holds a comma, a quote or a line break, its quotes doubled.
QString CsvField(QString text);

/// The shortest text that reads back as the same double; NaN is an empty cell (never null).
QString CsvNumber(double value);

/// Puts picture and csv, as text/csv and as plain text, on the clipboard.
void CopyPictureAndCsv(const QImage& picture, const QString& csv);

/// Opens a plot's context menu, made by make and deleted when it closes, at the event's
/// position; not for a right click that went back one zoom (zoomedBack, which is cleared), but
/// always from the keyboard.
void PopUpPlotMenu(const QContextMenuEvent& event, bool& zoomedBack,
                   const std::function<QMenu*()>& make);

/// Adds an entry to a plot's context menu: text translated, enabled or not, calling slot.
template <typename Receiver, typename Slot>
QAction* AddPlotMenuEntry(QMenu& menu, Receiver& receiver, const char* text, bool enabled,
                          Slot slot)
{
    QAction* action = menu.addAction(TranslatedText(text), &receiver, slot);
    action->setEnabled(enabled);
    return action;
}

/// Adds a checked entry per series or list of a plot, named by name(i) (its number when that is
/// empty), checked while shown, that shows or hides it: for those who do not use the mouse on
/// the legend.
template <typename Plot>
void AddShownChecks(QMenu& menu, Plot& plot, int count, const std::function<QString(int)>& name,
                    bool (Plot::*isShown)(int) const, void (Plot::*setShown)(int, bool))
{
    for (int i = 0; i < count; ++i)
    {
        QAction* action =
            menu.addAction(name(i).isEmpty() ? QString::number(i + 1) : name(i), &plot,
                           [&plot, i, setShown](bool shown) { (plot.*setShown)(i, shown); });
        action->setCheckable(true);
        action->setChecked((plot.*isShown)(i));
    }
}

/// Writes data to fileName whole or not at all: a file that was there stays until the new one
/// is complete.
bool WriteWhole(const QString& fileName, const QByteArray& data);

/// Pictures are laid out at most this many pixels wide and high (device pixels too).
inline constexpr int kLargestPicture = 8192;

/// The logical size of a picture asked for as size: each side rounded and held to 1 to
/// kLargestPicture, a side that is not finite 1.
QSize PictureSize(const QSizeF& size);

/// The device pixel ratio of a picture of that logical size: a ratio that is not positive and
/// finite is 1, others are held below what keeps its device pixels within kLargestPicture.
qreal PictureRatio(const QSize& size, qreal dpr);

/// Sets a painter up to draw a plot into target (in the device's units) and puts it back when
/// it ends: the plot is laid out as a widget of the target's physical size would be on a screen
/// of dpi (a target of 1200 units at 1200 dpi is laid out 96 pixels wide at 96 dpi) and scaled
/// to fill the target, its font in pixels so that text scales with the picture. A painter that
/// is not active, or a target that is empty or not finite, draws nothing (IsDrawing false).
class CExportPainter
{
public:
    CExportPainter(QPainter& painter, const QRectF& target, int dpi, const QFont& font);
    ~CExportPainter();
    CExportPainter(const CExportPainter&) = delete;
    CExportPainter& operator=(const CExportPainter&) = delete;

    bool IsDrawing() const { return m_bDrawing; }
    /// The logical size the plot is laid out for.
    QSize Size() const { return m_oSize; }

private:
    QPainter& m_rPainter;
    bool m_bDrawing = false;
    QSize m_oSize;
};

/// Draws on device through a painter of its own, when the device can be painted on.
template <typename Draw> void DrawOnDevice(QPaintDevice& device, const Draw& draw)
{
    QPainter painter;
    if (painter.begin(&device))
    {
        draw(painter);
    }
}

/// A plot's picture at size (the plot's when invalid; held as PictureSize holds it) and ratio
/// (held as PictureRatio holds it), in the plot's font, drawn by paint at its logical size and
/// ratio.
QImage DrawPicture(const QWidget& plot, const QSize& size, qreal dpr,
                   const std::function<void(QPainter&, const QSize&, qreal)>& paint);

/// What a plot's files are made of: the CSV text, a vector drawing onto a device's target
/// rectangle, and a raster picture of a logical size.
struct SPlotFileParts
{
    std::function<QString()> fCsv;
    std::function<void(QPaintDevice&, const QRectF&)> fRender;
    std::function<QImage(const QSize&)> fPicture;
};

/// Saves a plot in the format its suffix names: .csv the CSV; .svg a vector drawing of size
/// (logical pixels at dpi) titled title; .pdf a page as large as the picture, drawn at 1200 dpi;
/// any image format Qt writes a picture of size. Written whole (WriteWhole); false for a suffix
/// it does not know or a file it could not write, which leaves a file already there as it was.
bool SavePlot(const QString& fileName, const QSize& size, int dpi, const QString& title,
              const SPlotFileParts& parts);

/// Saves a plot (a trend or a histogram) by the file name's suffix, as SavePlot: at size (the
/// plot's when invalid), titled with its accessible or object name, its CSV from csv.
template <typename Plot>
bool SavePlotAs(const Plot& plot, const QString& fileName, const QSize& size,
                const std::function<QString()>& csv)
{
    return SavePlot(fileName, PictureSize(size.isValid() ? size : plot.size()), plot.logicalDpiX(),
                    plot.accessibleName().isEmpty() ? plot.objectName() : plot.accessibleName(),
                    {csv,
                     [&plot](QPaintDevice& device, const QRectF& target)
                     { plot.RenderTo(device, target); },
                     [&plot](const QSize& picture) { return plot.Picture(picture); }});
}

/// Asks for a file to save to (title translated, filter as given, "PNG (*.png)" and the like)
/// and calls save with its name, given the chosen filter's suffix when it has none; says so in
/// a message box when save returns false.
void SaveFromDialog(QWidget& parent, const char* title, const QString& filter,
                    const std::function<bool(const QString&)>& save);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
