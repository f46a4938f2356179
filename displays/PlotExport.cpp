#include "PlotExport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QMimeData>
#include <QWidget>

#include <cmath>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

QString CsvField(QString text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
    {
        return text;
    }
    return QLatin1Char('"') + text.replace(QLatin1String("\""), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

QString CsvNumber(double value)
{
    return std::isnan(value) ? QStringLiteral("")
                             : QString::number(value, 'g', QLocale::FloatingPointShortest);
}

void CopyPictureAndCsv(QWidget& widget, const QString& csv)
{
    const qreal dpr = widget.devicePixelRatioF();
    QImage picture(widget.size() * dpr, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(dpr);
    widget.render(&picture);
    CopyPictureAndCsv(picture, csv);
}

void CopyPictureAndCsv(const QImage& picture, const QString& csv)
{
    auto* data = new QMimeData;
    data->setImageData(picture);
    data->setText(csv);
    data->setData(QStringLiteral("text/csv"), csv.toUtf8());
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
