#pragma once

#include <QString>

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

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
