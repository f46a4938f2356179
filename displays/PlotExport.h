#pragma once

#include "TranslatedText.h"

#include <QMenu>
#include <QString>

#include <functional>

class QByteArray;
class QContextMenuEvent;
class QImage;
class QWidget;

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

/// A CSV field: quoted when it holds a comma, a quote or a line break, its quotes doubled.
QString CsvField(QString text);

/// The shortest text that reads back as the same double; NaN is an empty cell (never null).
QString CsvNumber(double value);

/// Puts the picture of widget (at its device pixel ratio) and csv, as text/csv and as plain
/// text, on the clipboard.
void CopyPictureAndCsv(QWidget& widget, const QString& csv);
/// The same with a picture made by the caller.
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

/// Writes data to fileName whole or not at all: a file that was there stays until the new one
/// is complete.
bool WriteWhole(const QString& fileName, const QByteArray& data);

/// Asks for a file to save to (title translated, filter as given, "PNG (*.png)" and the like)
/// and calls save with its name, given the chosen filter's suffix when it has none; says so in
/// a message box when save returns false.
void SaveFromDialog(QWidget& parent, const char* title, const QString& filter,
                    const std::function<bool(const QString&)>& save);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
