#pragma once

#include <QString>

#include <functional>

class QByteArray;
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

/// Writes data to fileName whole or not at all: a file that was there stays until the new one
/// is complete.
bool WriteWhole(const QString& fileName, const QByteArray& data);

/// Asks for a file to save to (title translated, filter as given, "PNG (*.png)" and the like)
/// and calls save with its name, given the chosen filter's suffix when it has none; says so in
/// a message box when save returns false.
void SaveFromDialog(QWidget& parent, const char* title, const QString& filter,
                    const std::function<bool(const QString&)>& save);

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
